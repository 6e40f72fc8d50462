#pragma once
// The colour members of the main window with the loaded profile.
// MainWindow inherits this class so every colour is its member by name.
#include <QColor>
#include <QMap>
#include <QString>

class ColourScheme
{
public:
    virtual ~ColourScheme() = default;

    QMap<QString, QString> profilecolors;  // profile key -> colour text
    bool disablegradience = false;
    QString colorprofile;
    QString colorprofilepath;

    // Fills profilecolors and every colour member from a ".tycp" file.
    bool loadcolorprofile(const QString &path);
    // Writes every colour member as a ".tycp" file; whether it was written.
    bool savecolors(const QString &path) const;
};
