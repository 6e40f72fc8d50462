#pragma once
// The colour members of the main window with the loaded profile.
// MainWindow inherits this class so every colour is its member by name.
#include <QColor>
#include <QMap>
#include <QString>
#include <QVector>

#include "colours/colourtable.h"

class ColourScheme;

// One colour of the table in colourtable.h, for code that walks all colours
// or looks one up by its profile key.
struct ColourEntry
{
    const char *member;
    QString key;
    ColourFamily family;
    ColourScope scope;
    GradientRole role;
    QColor ColourScheme::*colour;
    QColor ColourScheme::*partner;  // the other end of a gradient pair, else colour
    const char *swatch;
    const char *colorButton;
    const char *resetButton;
    const char *draw;
};

class ColourScheme
{
public:
    virtual ~ColourScheme() = default;

    // Every colour starts invalid (written "#000000") until a profile or an
    // editor gives it a value.
#define TYX_DECLARE_COLOUR(member, ...) QColor member;
    TYX_COLOURS(TYX_DECLARE_COLOUR)
#undef TYX_DECLARE_COLOUR

    QMap<QString, QString> profilecolors;  // profile key -> colour text
    bool disablegradience = false;
    QString colorprofile;
    QString colorprofilepath;

    // The built-in profile that stands in for a profile file that is gone.
    static const QString defaultProfilePath;

    // Every colour, in profile order.
    static const QVector<ColourEntry> &colourTable();
    // The colour with this profile key (exact, case-sensitive); null if none.
    static const ColourEntry *findColour(const QString &key);

    QColor *colourByKey(const QString &key);
    const QColor *colourByKey(const QString &key) const;

    // Fills profilecolors and every colour member from a ".tycp" file; when
    // path names no readable profile, from the built-in default instead. A
    // key the file lacks leaves its colour invalid, except the three button
    // ON border colours, which then keep their value. Returns whether a
    // profile was read.
    bool loadcolorprofile(const QString &path);
    // Writes every colour as a ".tycp" file; whether it was written, and
    // when it was not and why is given, the system's reason.
    bool savecolors(const QString &path, QString *why = nullptr) const;
};
