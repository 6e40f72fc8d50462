#pragma once
// The waveform previews: a deck's song position display, with its three
// frequency bands and the played part, and the mixer's scratch wave.
#include <QColor>
#include <QImage>
#include <QString>

#include "colours/colourscheme.h"

class QGraphicsScene;

struct SongPositionColours {
    QColor back;
    QColor border;
    QColor high;
    QColor mid;
    QColor bass;
    QColor played;
};

struct ScratchWaveColours {
    QColor back;
    QColor border;
    QColor needle;
};

// The song position colours of the left or the right deck; other scopes get
// invalid colours.
SongPositionColours songpositioncolours(const ColourScheme &colours, ColourScope scope);
ScratchWaveColours scratchwavecolours(const ColourScheme &colours);

// The band picture as a silhouette in colour: every pixel that is not fully
// transparent takes colour's red, green and blue and keeps the picture's
// alpha. colour's own alpha plays no part. The result is ARGB32.
QImage recolouredband(const QImage &picture, const QColor &colour);

// The alpha the played part is drawn at, whatever the colour's own.
const int playedalpha = 120;

// The built-in band pictures, high, mid and bass, and the scratch picture.
extern const char *const songpositionpictures[3];
extern const char *const scratchwavepicture;

// Replace the scene's items with the display. A picture that cannot be
// loaded shows as an empty picture; the rest is drawn as usual.
void drawsongpositionpreview(QGraphicsScene *scene, const SongPositionColours &colours);
void drawscratchwavepreview(QGraphicsScene *scene, const ScratchWaveColours &colours);
