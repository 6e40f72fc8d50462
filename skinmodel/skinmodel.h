#pragma once
// The tables that describe the loaded skin and the current project, with the
// operations that fill and query them. MainWindow inherits this class so the
// tables are its members; the writer and the tests use it without a window.
#include <QList>
#include <QString>
#include <QVector>

using TextTable = QVector<QVector<QString>>;
using ZoneTable = QList<QList<int>>;

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

    // Reads the current project's screen size and eight background zones.
    void initzones(const QString &name);
};
