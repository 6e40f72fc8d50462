#pragma once
// The forms' fonts at the pixel sizes the forms were drawn with.
class QWidget;

namespace formfonts {

// The screen density the forms were laid out for: their point sizes meant
// these many pixels per 72 points.
constexpr double drawndpi = 96;

// Sets every font size that the form or one of its widgets gives in points
// to the pixel size it had where the form was drawn (8 points: 11 pixels).
// The forms place every widget at fixed pixels, so their captions must not
// grow with the desktop's DPI or its default font size. Call it right after
// setupUi.
void pintopixels(QWidget *form);

} // namespace formfonts
