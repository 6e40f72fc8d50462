#pragma once
// The windows are drawn in fixed pixels, as on a 96-DPI screen: every
// widget stands at a fixed place and size, so neither the captions nor the
// style's margins, paddings and indicators may grow with the desktop's DPI or
// default font size, or captions get cut and tabs hide behind scroll arrows.
class QWidget;

namespace formscale {

// The screen density the forms were laid out for: their point sizes meant
// these many pixels per 72 points.
constexpr double drawndpi = 96;

// Keeps the style's metrics at their 96-DPI sizes. Fonts that are not the
// forms' own (message boxes, file dialogs) still follow the desktop.
// Call it before the application object is created.
void keepstylemetrics();

// Gives the form's fonts the metrics the form was drawn with: every size
// given in points becomes the pixel size it had at 96 DPI (8 points: 11
// pixels), and text is fully hinted, advancing by whole pixels. Call it
// right after setupUi.
void pinfonts(QWidget *form);

} // namespace formscale
