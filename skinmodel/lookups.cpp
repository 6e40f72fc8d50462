#include "skinmodel.h"

namespace {

const int keycolumn = 0;
const int valuecolumn = 1;
const int visiblecolumn = 11;

// A row without a key column matches nothing; cells past a row's end read
// as the empty text.
bool haskey(const QVector<QString> &row, const QString &key)
{
    return !row.isEmpty() && row.at(keycolumn) == key;
}

const QVector<QString> *firstrow(const TextTable &table, const QString &key)
{
    for (const QVector<QString> &row : table) {
        if (haskey(row, key))
            return &row;
    }
    return nullptr;
}

QString firstvalue(const TextTable &table, const QString &key)
{
    const QVector<QString> *row = firstrow(table, key);
    return row ? row->value(valuecolumn) : QString();
}

// Module keys drop the left-deck and first-mixer prefixes, wherever they
// stand, so "D1_JOGFull" finds the variable "JOGFull".
QString modulekey(QString window)
{
    window.remove(QStringLiteral("D1_"));
    window.remove(QStringLiteral("M1_"));
    return window;
}

} // namespace

QVector<QString> SkinModel::getWindata(const QString &window) const
{
    const QVector<QString> *row = firstrow(windows, window);
    return row ? *row : QVector<QString>();
}

bool SkinModel::getWinvisimage(const QString &image) const
{
    for (const QVector<QString> &row : windows) {
        if (haskey(row, image) && row.value(visiblecolumn) == QLatin1String("1"))
            return true;
    }
    return false;
}

bool SkinModel::getWinvis(const QString &window) const
{
    return getWinvisimage(window);
}

void SkinModel::updateVector(const QString &image, const QString &width, const QString &height,
                             const QString &startXPos, const QString &startYPos)
{
    for (QVector<QString> &row : windows) {
        if (haskey(row, image))
            row << width << height << startXPos << startYPos;
    }
}

bool SkinModel::hasGroup(const QString &window) const
{
    QString key = window;
    key.remove(QStringLiteral("D1_"));
    return firstrow(groupvars, key) != nullptr;
}

QString SkinModel::getGroup(const QString &window) const
{
    return firstvalue(groupvars, modulekey(window));
}

QString SkinModel::groupnumber(const QString &window) const
{
    return getGroup(window);
}

QString SkinModel::clonenumber(const QString &window) const
{
    return firstvalue(clonevars, window);
}

bool SkinModel::isClone(const QString &window) const
{
    return firstvalue(clonevars, modulekey(window)) == QLatin1String("1");
}
