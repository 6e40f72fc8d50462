#include "skinmodel.h"

#include "hostrecord.h"
#include "textfunctions.h"

#include <QDomNodeList>

namespace {

// Window 1 of the Tessary skin is its menu; showing only that is no design.
bool showsamodule(const QVector<RecordEntry> &entries)
{
    for (const RecordEntry &entry : entries) {
        if (entry.visible && entry.number >= 2)
            return true;
    }
    return false;
}

QString attributetext(const QDomElement &element, const QString &name)
{
    return element.attribute(name);   // the empty text when absent
}

} // namespace

bool SkinModel::getWins2(const QString &name)
{
    return getWins2(name, readxmlfile(workdir + QStringLiteral("/extracts/skin.xml")));
}

bool SkinModel::getWins2(const QString &name, const QDomDocument &skin)
{
    const HostRecord record(name);
    if (!record.hasrecordchildren())
        return false;
    const QVector<RecordEntry> entries = record.entries(tyname);
    if (!showsamodule(entries))
        return false;

    // Entry N places the window at position N - 1. Pairing by the decimal
    // text makes leading zeros in a tag irrelevant, and the first entry of a
    // number wins. Widened so that the lowest int cannot wrap.
    QList<QString> positions;
    for (const RecordEntry &entry : entries)
        positions.append(QString::number(qint64(entry.number) - 1));

    const QDomNodeList skinwindows = skin.elementsByTagName(QStringLiteral("window"));
    const int count = skinwindows.count();
    for (int k = 0; k < count; ++k) {
        const QDomElement window = skinwindows.item(k).toElement();
        QVector<QString> row;
        row.reserve(12);
        row << attributetext(window, QStringLiteral("name")) << QStringLiteral("skin.png");
        for (const char *attribute : {"posx", "posy", "width", "height", "prop"})
            row << attributetext(window, QLatin1String(attribute));
        const int j = listindex(positions, QString::number(k));
        if (j >= 0) {
            const RecordEntry &entry = entries.at(j);
            row << entry.x << entry.y << entry.width << entry.height
                << (entry.visible ? QStringLiteral("1") : QStringLiteral("0"));
        } else {
            for (int i = 0; i < 5; ++i)
                row << QStringLiteral("0");
        }
        windows.append(row);
    }
    return true;
}
