#pragma once
// A colour swatch: a label whose background shows one colour.
#include <QColor>

class QWidget;

// Shows colour as the swatch's background in every colour group, so a
// disabled swatch still shows its colour. Only the Window brush and the
// auto-fill flag change; text, frame and the other roles stay as they were.
// An invalid colour is painted as the toolkit paints it; a null swatch is
// left alone.
void paintswatch(QWidget *swatch, const QColor &colour);
