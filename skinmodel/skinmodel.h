#pragma once
// The tables that describe the loaded skin and the current project, with the
// operations that fill and query them. MainWindow inherits this class so the
// tables are its members; the writer and the tests use it without a window.
#include <QDomDocument>
#include <QList>
#include <QString>
#include <QVector>

#include <memory>

using TextTable = QVector<QVector<QString>>;
using ZoneTable = QList<QList<int>>;

// The pruned skin of a job, as it was written to workdir + "/skin/skin.xml",
// with the names the group geometry walks: the "name" of every "groupo"
// element and of every "group" element, in document order.
struct PrunedSkin
{
    QDomDocument document;
    QVector<QString> modulenames;
    QVector<QString> groupnames;
};

class SkinModel
{
public:
    virtual ~SkinModel() = default;

    // Folders and names the model reads its files from.
    QString workdir;        // Documents + "/TYX"
    QString tyname;         // the Tessary skin's name (setting "tyname")

    TextTable windows;      // one row per Tessary window, 12 columns
    TextTable groupvars;    // [module name without TYX_, group number]
    TextTable clonevars;    // [group name, "1" when cloned]
    ZoneTable zones;        // eight zones: visible, x, y, width, height

    int skinwidth = 0;      // screen size the project was laid out for
    int skinheight = 0;
    float screenwidth = 0;  // the desktop's size
    float screenheight = 0;

    bool zone5shifted = false;
    bool zone6shifted = false;
    // Per zone (same order as zones): whether the project file itself marks it
    // visible, before right-hand zones are derived; enables its colour widgets.
    QVector<bool> zonesinfile = QVector<bool>(8, false);

    // Image sheet packing position of the current skin job.
    int packx = 0;
    int packy = 0;
    int packbottom = 0;

    // Appends the group and clone rows of the "$TYX_" script variables of a
    // host settings or project file (modulevars.cpp). Rows left from an
    // earlier read stay in front, so callers empty both tables first.
    void getglobalvars(const QString &name);

    // Joins the window record of a host settings or project file with the
    // window elements of workdir + "/extracts/skin.xml" and appends one
    // 12-column row per Tessary window (windowstable.cpp). False, with
    // windows unchanged, when the record shows no module beyond window 1.
    bool getWins2(const QString &name);
    // The same from a Tessary document that the caller has parsed already.
    bool getWins2(const QString &name, const QDomDocument &skin);

    // Lookups over the tables (lookups.cpp): linear scans, exact and
    // case-sensitive on column 0. Module keys drop "D1_" and "M1_"
    // (hasGroup drops "D1_" only); a missing row or cell reads as not found.
    QVector<QString> getWindata(const QString &window) const;
    bool getWinvisimage(const QString &image) const;
    bool getWinvis(const QString &window) const;
    void updateVector(const QString &image, const QString &width, const QString &height,
                      const QString &startXPos, const QString &startYPos);
    bool hasGroup(const QString &window) const;
    QString getGroup(const QString &window) const;
    QString groupnumber(const QString &window) const;
    QString clonenumber(const QString &window) const;
    bool isClone(const QString &window) const;

    // Prunes workdir + "/skin/skin.xml" in place to the modules that windows
    // marks visible (pruning.cpp). False when the file cannot be read, parsed
    // or written; the file is then left as it was.
    bool delwindows();
    // The same on a Tessary document that the caller has parsed already:
    // prunes skin in place and writes it to workdir + "/skin/skin.xml". On
    // success the pruned tree is kept as prunedskin, so that the skin writer
    // and the group geometry of this job walk it rather than parse the file
    // they would read again.
    bool delwindows(QDomDocument skin);
    // The kept pruned skin; null when none is kept (the file is then read).
    // The job drops it when it ends.
    std::shared_ptr<const PrunedSkin> prunedskin;
    // Why delwindows could not write the pruned skin; empty otherwise.
    QString writeproblem;

    // The horizontal block of the visible first-deck ("D1_") or first-mixer
    // ("M1_") modules of the pruned skin, in host pixels (geometry.cpp): its
    // left edge and its width up to the rightmost edge, for all modules or
    // for those of one group. With no module the left edge is the screen
    // width and the width its negative. Each call walks the pruned skin
    // anew: the kept tree when there is one (the same tree that the file
    // holds), or else the file.
    int deckgrouppos() const;
    int deckgroupwidth() const;
    int deckchildpos(const QString &group) const;
    int deckchildwidth(const QString &group) const;
    int mixergrouppos() const;
    int mixergroupwidth() const;
    int mixerchildpos(const QString &group) const;
    int mixerchildwidth(const QString &group) const;
    // The first left edge greater than 0 in document order, and the width
    // from it to the first right edge greater than 0 (of elements tagged
    // "group" for the two widths); the group "0" takes every module. 0 when
    // no module counts.
    int grouppos(const QString &group) const;
    int groupwidth(const QString &group) const;
    int mixerwidth(const QString &group) const;

    // Reads the current project's screen size into skinwidth and skinheight
    // and its eight background zones into zones, deriving a right deck zone
    // that is hidden while its left twin is shown; fills zonesinfile and the
    // shifted flags (zones.cpp). A missing file gives eight hidden zones and
    // the desktop size.
    void initzones(const QString &name);
    // The record's placement of Tessary window dropzonenr in the file name as
    // [visible 1 or 0, x, y, width, height]; also reads the screen size.
    QList<int> getDropzone(int dropzonenr, const QString &name);
    // Whether the file's script variables switch "$TYX_ZONE" + zonenr on.
    bool getzonevar(int zonenr, const QString &name) const;
};
