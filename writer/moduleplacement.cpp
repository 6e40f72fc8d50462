// Module placement: every module window of the pruned skin becomes one
// group of the new document, moved to where the user placed it and scaled
// from the user's screen to this desktop; zones are painted instead.
#include "moduleplacement.h"

#include "skinwriter.h"
#include "fileio/quoted.h"
#include "skinmodel/textfunctions.h"

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace {

// Columns of the windows table.
const int namecolumn = 0;
const int tessarywidthcolumn = 4;
const int tessaryheightcolumn = 5;
const int propcolumn = 6;
const int hostxcolumn = 7;
const int hostycolumn = 8;
const int hostwidthcolumn = 9;
const int hostheightcolumn = 10;
const int visiblecolumn = 11;
const int columncount = 12;

// A whole number with halves going up, kept inside the int range so that
// absurd host values cannot overflow.
int roundedint(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::floor(value + 0.5);
    return int(qBound(double(std::numeric_limits<int>::min()), rounded,
                      double(std::numeric_limits<int>::max())));
}

int clampedint(qint64 value)
{
    return int(qBound<qint64>(std::numeric_limits<int>::min(), value,
                              std::numeric_limits<int>::max()));
}

// A text that is not a number counts as 0.
float textfloat(const QString &text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    return ok && std::isfinite(value) ? value : 0.0f;
}

// Host size on the user's screen, scaled to this desktop, over the module's
// size in the Tessary skin.
float modulefactor(const QString &hostsize, const QString &tessarysize, float skinscale)
{
    const float tessary = textfloat(tessarysize);
    if (!(tessary > 0.0f))
        return skinscale;
    const float scaled = textfloat(hostsize) * skinscale;
    const float factor = scaled / tessary;
    return std::isfinite(factor) ? factor : skinscale;
}

// The two sides that have right-hand modules.
struct Side
{
    const char *rightprefix;
    const char *twinprefix;
    const char *defaultgroupkey;
    const char *groupkey;           // followed by the group number
    int (SkinModel::*sidepos)() const;
    int (SkinModel::*sidewidth)() const;
    int (SkinModel::*blockpos)(const QString &) const;
    int (SkinModel::*blockwidth)(const QString &) const;
};

const Side sides[] = {
    {"D2_", "D1_", "DECKGROUP0", "DECKGROUP", &SkinModel::deckgrouppos, &SkinModel::deckgroupwidth,
     &SkinModel::deckchildpos, &SkinModel::deckchildwidth},
    {"M2_", "M1_", "MIXERGROUP0", "MIXERGROUP", &SkinModel::mixergrouppos, &SkinModel::mixergroupwidth,
     &SkinModel::mixerchildpos, &SkinModel::mixerchildwidth},
};

const Side *rightside(const QString &name)
{
    for (const Side &side : sides) {
        if (name.startsWith(QLatin1String(side.rightprefix)))
            return &side;
    }
    return nullptr;
}

bool iszone(const QString &name)
{
    return name.startsWith(QLatin1String("GR_ZONE")) || name.startsWith(QLatin1String("D1_ZONE"))
        || name.startsWith(QLatin1String("D2_ZONE"));
}

void padrow(QVector<QString> &row)
{
    if (row.size() < columncount)
        row.resize(columncount);
}

// Gives the working row of a right-hand module the x that its twin's place
// and the user's mirror or clone choices make. Without a twin row the
// module keeps the place that its own row records. Only the module's own
// side prefix is swapped here: "M2_D2_X" is placed from "M1_D2_X".
void placefromtwin(const SkinModel &model, const Side &side, const QString &name,
                   QVector<QString> &row)
{
    const QString twin = QString(name).replace(QLatin1String(side.rightprefix),
                                               QLatin1String(side.twinprefix));
    const QVector<QString> twinrow = model.getWindata(twin);
    if (twinrow.isEmpty())
        return;
    const QString group = model.groupnumber(twin);

    TwinPlacement placement{};
    placement.screen = model.skinwidth;
    placement.twinx = textint(twinrow.value(hostxcolumn));
    placement.twinwidth = textint(twinrow.value(hostwidthcolumn));
    placement.defaultgroup = group.isEmpty() || group == QLatin1String("0");
    placement.sideclone = model.isClone(QLatin1String(side.defaultgroupkey));
    if (!placement.defaultgroup) {
        placement.groupclone = model.isClone(QLatin1String(side.groupkey) + group);
        placement.sidepos = (model.*side.sidepos)();
        placement.sidewidth = (model.*side.sidewidth)();
        placement.blockpos = (model.*side.blockpos)(group);
        placement.blockwidth = (model.*side.blockwidth)(group);
    }
    padrow(row);
    row[hostxcolumn] = QString::number(twinhostx(placement));
}

} // namespace

ModulePlace moduleplace(const QVector<QString> &row, float skinscale)
{
    ModulePlace place;
    place.resizeX = modulefactor(row.value(hostwidthcolumn), row.value(tessarywidthcolumn), skinscale);
    place.resizeY = row.value(propcolumn) == QLatin1String("1")
        ? modulefactor(row.value(hostheightcolumn), row.value(tessaryheightcolumn), skinscale)
        : place.resizeX;
    // The offsets are scaled in double precision, as the positions inside
    // the module are.
    place.groupXpos = roundedint(double(textint(row.value(hostxcolumn))) * double(skinscale));
    place.groupYpos = roundedint(double(textint(row.value(hostycolumn))) * double(skinscale));
    return place;
}

int twinhostx(const TwinPlacement &p)
{
    const qint64 screen = p.screen;
    const qint64 halfscreen = roundedint(double(p.screen) * 0.5);
    const qint64 twinx = p.twinx;
    const qint64 twinright = qint64(p.twinx) + p.twinwidth;
    if (p.defaultgroup)
        return clampedint(p.sideclone ? twinx + halfscreen : screen - twinright);

    const qint64 sidepos = p.sidepos;
    const qint64 sideright = sidepos + p.sidewidth;
    const qint64 blockpos = p.blockpos;
    const qint64 blockright = blockpos + p.blockwidth;
    // The side's new left edge, and the group's block within the side.
    qint64 block;
    if (p.sideclone) {
        const qint64 side = halfscreen + sidepos;
        block = side + (blockpos - sidepos);
    } else {
        const qint64 side = screen - sideright;
        block = side + sideright - blockright;
    }
    return clampedint(p.groupclone ? block + (twinx - blockpos) : block + blockright - twinright);
}

QString twinname(const QString &name)
{
    QString twin = name;
    twin.replace(QLatin1String("D2_"), QLatin1String("D1_"));
    twin.replace(QLatin1String("M2_"), QLatin1String("M1_"));
    return twin;
}

void preparetwinrows(SkinModel &model)
{
    for (QVector<QString> &row : model.windows) {
        const QString name = row.value(namecolumn);
        if (!rightside(name))
            continue;
        const QVector<QString> twin = model.getWindata(twinname(name));
        if (twin.value(visiblecolumn) != QLatin1String("1"))
            continue;
        padrow(row);
        row[hostxcolumn] = QStringLiteral("0");
        for (int column : {propcolumn, hostycolumn, hostwidthcolumn, hostheightcolumn})
            row[column] = twin.value(column);
        row[visiblecolumn] = QStringLiteral("1");
    }
}

void SkinWriter::preparewindows()
{
    preparetwinrows(m_model);
}

void SkinWriter::placemodule(const QDomElement &module, float skinscale)
{
    const QString name = module.attribute(QStringLiteral("name"));
    showprogress(QStringLiteral("Processing Module XML element ") + fileio::quoted(name), false);
    // A module without a row has no place on the user's screen to go to.
    QVector<QString> row = m_model.getWindata(name);
    if (row.isEmpty())
        return;
    if (const Side *side = rightside(name))
        placefromtwin(m_model, *side, name, row);
    const ModulePlace place = moduleplace(row, skinscale);

    if (iszone(name)) {
        drawzones(module, place.resizeX, place.resizeY, place.groupXpos, place.groupYpos);
        return;
    }

    QString opening = QStringLiteral("<group");
    appendattribute(opening, QStringLiteral("name"), name);
    document().appendline(1, opening + QLatin1Char('>'));
    // Only a live panel as the first child is content; in the pruned skin
    // every module holds exactly that.
    const QDomElement content = module.firstChild().toElement();
    if (content.tagName() == QLatin1String("panel"))
        exportpanel(content, 2, place.resizeX, place.resizeY, place.groupXpos, place.groupYpos);
    document().appendline(1, QStringLiteral("</group>"));
    document().appendemptyline();
}
