#pragma once
// The ".tycp" colour profile format: one "key,colour" line per colour.
#include <QByteArray>
#include <QColor>
#include <QMap>
#include <QString>

class QIODevice;
class ColourScheme;

// "#rrggbb" in lower case, alpha dropped; "#000000" for an invalid colour.
QString colourText(const QColor &colour);

// A colour as QColor::setNamedColor reads it ("#rgb", "#rrggbb", "#aarrggbb",
// SVG names, ...); invalid for the empty text and anything unreadable.
QColor colourFromText(const QString &text);

// Reads profile lines into a map from key to colour text. Accepts LF and
// CR LF; the last line of a key wins; fields after the second are ignored;
// a line without a comma is skipped. Nothing is trimmed.
QMap<QString, QString> readProfileEntries(QIODevice &device);

// Every colour of `scheme` in profile order, each line ending in CR LF.
QByteArray profileText(const ColourScheme &scheme);
