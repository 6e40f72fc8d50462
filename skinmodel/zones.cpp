#include "zones.h"

#include "hostrecord.h"
#include "skinmodel.h"
#include "textfunctions.h"

#include <QStringList>

#include <limits>

namespace {

const int zoneCount = 8;
const int zone5Left = 4;
const int zone5Right = 5;
const int zone6Left = 6;
const int zone6Right = 7;

int clampedint(qint64 value)
{
    return int(qBound<qint64>(std::numeric_limits<int>::min(), value,
                              std::numeric_limits<int>::max()));
}

// Truncates the desktop size toward zero; a value no int holds counts as 0.
int wholepixels(float size)
{
    if (!(size > -2147483648.0f && size < 2147483520.0f))
        return 0;
    return int(size);
}

// A screen size that is absent or not a positive whole number falls back to
// the desktop's, so that nothing later divides by zero.
int screensize(const HostRecord &record, const QString &tag, float desktop)
{
    const int size = record.intelement(tag, 0);
    return size > 0 ? size : wholepixels(desktop);
}

void readskinsize(SkinModel &model, const HostRecord &record)
{
    model.skinwidth = screensize(record, QStringLiteral("screenwidth"), model.screenwidth);
    model.skinheight = screensize(record, QStringLiteral("screenheight"), model.screenheight);
}

bool isshown(const QList<int> &zone)
{
    return !zone.isEmpty() && zone.at(0) != 0;
}

} // namespace

const QVector<int> &zonewindownumbers()
{
    static const QVector<int> numbers = {4, 5, 6, 7, 208, 209, 210, 211};
    return numbers;
}

QList<int> zoneplacement(const HostRecord &record, int windownumber, const QString &tyname)
{
    const RecordEntry entry = record.entry(windownumber, tyname);
    return {entry.visible ? 1 : 0, textint(entry.x), textint(entry.y), textint(entry.width),
            textint(entry.height)};
}

bool zoneoption(const QString &variables, int zonenr)
{
    const QString option = QStringLiteral("$TYX_ZONE") + QString::number(zonenr);
    const QStringList items = variables.split(QLatin1Char(','));
    for (const QString &item : items) {
        const QStringList fields = item.split(QLatin1Char('='));
        QString key = fields.at(0);
        key.remove(QLatin1Char(' '));
        if (!key.contains(option))
            continue;
        // An item without a value does not switch the option on.
        if (fields.size() < 3)
            return false;
        return fields.at(2).section(QLatin1Char('.'), 0, 0) == QLatin1String("1");
    }
    return false;
}

QList<int> derivedrightzone(const QList<int> &left, int skinwidth, bool shifted)
{
    const qint64 x = left.value(1);
    const qint64 width = left.value(3);
    const qint64 rightx = shifted ? x + skinwidth / 2 : qint64(skinwidth) - x - width;
    return {1, clampedint(rightx), left.value(2), left.value(3), left.value(4)};
}

QList<int> SkinModel::getDropzone(int dropzonenr, const QString &name)
{
    const HostRecord record(name);
    readskinsize(*this, record);
    return zoneplacement(record, dropzonenr, tyname);
}

bool SkinModel::getzonevar(int zonenr, const QString &name) const
{
    return zoneoption(HostRecord(name).variablestext(), zonenr);
}

// Reads the project once for all zones. The shifted flags start false on
// every call, so a project always gives the same zones whatever came before.
void SkinModel::initzones(const QString &name)
{
    const HostRecord record(name);
    readskinsize(*this, record);

    zones.clear();
    for (int number : zonewindownumbers())
        zones.append(zoneplacement(record, number, tyname));

    zonesinfile = QVector<bool>(zoneCount, false);
    for (int i = 0; i < zoneCount; ++i)
        zonesinfile[i] = isshown(zones.at(i));

    const QString variables = record.variablestext();
    zone5shifted = false;
    zone6shifted = false;
    if (zonesinfile.at(zone5Left) && !zonesinfile.at(zone5Right)) {
        zone5shifted = zoneoption(variables, 5);
        zones[zone5Right] = derivedrightzone(zones.at(zone5Left), skinwidth, zone5shifted);
    }
    // The zone-6 pair follows the skin's own option "$TYX_ZONE6".
    if (zonesinfile.at(zone6Left) && !zonesinfile.at(zone6Right)) {
        zone6shifted = zoneoption(variables, 6);
        zones[zone6Right] = derivedrightzone(zones.at(zone6Left), skinwidth, zone6shifted);
    }
}

int checsetting(const QString &path, const QString &setting, const QString &splitter)
{
    const QString text = HostRecord(path).firstelement(setting).text();
    return text.split(splitter, Qt::KeepEmptyParts, Qt::CaseSensitive).size();
}
