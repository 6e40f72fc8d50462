// Where the visible first-side modules of the pruned skin stand on the host
// screen. The skin writer places the second deck and the second mixer side
// from these blocks, for all modules together and for one module group.
#include "skinmodel.h"

#include "pruning.h"
#include "textfunctions.h"

#include <QDomDocument>
#include <QHash>

#include <cmath>
#include <limits>

namespace {

const int nameColumn = 0;
const int hostXColumn = 7;
const int hostWidthColumn = 9;
const int visibleColumn = 11;

enum class GroupFilter {
    None,
    SameGroup,
    SameGroupOrAll, // the group "0" lets every module pass
};

// Which modules one query counts.
struct ModuleSet
{
    const char *tag;
    const char *prefix;
    GroupFilter filter;
};

const ModuleSet deckModules = {"groupo", "D1_", GroupFilter::None};
const ModuleSet deckGroupModules = {"groupo", "D1_", GroupFilter::SameGroup};
const ModuleSet mixerModules = {"groupo", "M1_", GroupFilter::None};
const ModuleSet mixerGroupModules = {"groupo", "M1_", GroupFilter::SameGroup};
const ModuleSet firstDeckModules = {"groupo", "D1_", GroupFilter::SameGroupOrAll};
const ModuleSet firstDeckGroups = {"group", "D1_", GroupFilter::SameGroupOrAll};
const ModuleSet firstMixerGroups = {"group", "M1_", GroupFilter::SameGroupOrAll};

int clampedint(qint64 value)
{
    return int(qBound<qint64>(std::numeric_limits<int>::min(), value,
                              std::numeric_limits<int>::max()));
}

// The desktop width in whole pixels; a value that no int holds counts as 0.
int screenpixels(float width)
{
    if (!std::isfinite(width))
        return 0;
    return int(qBound(-2147483648.0f, width, 2147483520.0f));
}

// Edges of the counted modules. Sums are kept in 64 bits so that host
// placements near the 32-bit limits cannot overflow.
struct Span
{
    qint64 left;           // leftmost edge, starts at the screen width
    qint64 right = 0;      // rightmost edge
    qint64 firstleft = 0;  // left edge of the first module right of 0
    qint64 firstright = 0; // right edge of the first module ending right of 0

    void add(qint64 x, qint64 width)
    {
        const qint64 end = x + width;
        left = qMin(left, x);
        right = qMax(right, end);
        if (firstleft == 0 && x > 0)
            firstleft = x;
        if (firstright == 0 && end > 0)
            firstright = end;
    }
};

bool passesfilter(GroupFilter filter, const QString &modulegroup, const QString &group)
{
    switch (filter) {
    case GroupFilter::None:
        return true;
    case GroupFilter::SameGroup:
        return modulegroup == group;
    case GroupFilter::SameGroupOrAll:
        return group == "0" || modulegroup == group;
    }
    return false;
}

// The names of the elements of the tag in the pruned skin: the job's kept
// tree, or else the file as it is now. A missing or broken file has none.
QVector<QString> prunedelementnames(const SkinModel &model, const char *tag)
{
    const QString tagname = QLatin1String(tag);
    if (model.prunedskin) {
        return tagname == QLatin1String("groupo") ? model.prunedskin->modulenames
                                                  : model.prunedskin->groupnames;
    }
    QDomDocument doc;
    readskindocument(model.workdir + "/skin/skin.xml", doc);
    return elementnames(doc, tagname);
}

// The first row of every window name, as getWindata finds it. Built for each
// query, so that every answer reflects the table as it is now, at the cost
// of one pass over it instead of one per element.
QHash<QString, const QVector<QString> *> firstrows(const TextTable &table)
{
    QHash<QString, const QVector<QString> *> rows;
    rows.reserve(table.size());
    for (const QVector<QString> &row : table) {
        if (!row.isEmpty() && !rows.contains(row.at(nameColumn)))
            rows.insert(row.at(nameColumn), &row);
    }
    return rows;
}

Span measure(const SkinModel &model, const ModuleSet &set, const QString &group)
{
    Span span;
    span.left = screenpixels(model.screenwidth);
    const QVector<QString> names = prunedelementnames(model, set.tag);
    const auto windows = firstrows(model.windows);
    for (const QString &name : names) {
        const QVector<QString> *row = windows.value(name);
        if (!row || row->size() <= visibleColumn)
            continue; // no row, or one too short to say it is visible
        if (!row->at(nameColumn).startsWith(QLatin1String(set.prefix))
            || row->at(visibleColumn) != "1")
            continue;
        if (set.filter != GroupFilter::None && !passesfilter(set.filter, model.getGroup(name), group))
            continue;
        span.add(textint(row->at(hostXColumn)), textint(row->at(hostWidthColumn)));
    }
    return span;
}

int leftedge(const Span &span)
{
    return clampedint(span.left);
}

int blockwidth(const Span &span)
{
    return clampedint(span.right - span.left);
}

int firstwidth(const Span &span)
{
    return clampedint(span.firstright - span.firstleft);
}

} // namespace

int SkinModel::deckgrouppos() const
{
    return leftedge(measure(*this, deckModules, QString()));
}

int SkinModel::deckgroupwidth() const
{
    return blockwidth(measure(*this, deckModules, QString()));
}

int SkinModel::deckchildpos(const QString &group) const
{
    return leftedge(measure(*this, deckGroupModules, group));
}

int SkinModel::deckchildwidth(const QString &group) const
{
    return blockwidth(measure(*this, deckGroupModules, group));
}

int SkinModel::mixergrouppos() const
{
    return leftedge(measure(*this, mixerModules, QString()));
}

int SkinModel::mixergroupwidth() const
{
    return blockwidth(measure(*this, mixerModules, QString()));
}

int SkinModel::mixerchildpos(const QString &group) const
{
    return leftedge(measure(*this, mixerGroupModules, group));
}

int SkinModel::mixerchildwidth(const QString &group) const
{
    return blockwidth(measure(*this, mixerGroupModules, group));
}

int SkinModel::grouppos(const QString &group) const
{
    return clampedint(measure(*this, firstDeckModules, group).firstleft);
}

int SkinModel::groupwidth(const QString &group) const
{
    return firstwidth(measure(*this, firstDeckGroups, group));
}

int SkinModel::mixerwidth(const QString &group) const
{
    return firstwidth(measure(*this, firstMixerGroups, group));
}
