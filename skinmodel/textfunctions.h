#pragma once
// Small text helpers that every skin writer shares: indentation, escaping of
// action scripts, and rescaling of position and size attributes. The output
// skin carries their results character for character, so each is exact.
#include <QList>
#include <QString>

// Index of the first element of list equal to value (exact, case-sensitive),
// or -1 when there is none.
int listindex(const QList<QString> &list, const QString &value);

// level tab characters; the empty text for 0 or less.
QString tabs(int level);

// Escapes an attribute text for the output skin: double quotes, ampersands
// with a blank on both sides, and angle brackets. Other ampersands (entities
// already present) and apostrophes stay as they are.
QString parseaction(const QString &action);

// A position scaled by resizeX and shifted by groupXpos, rounded halves
// toward positive infinity. Values that begin with "[" are placeholders the
// host fills in and come back unchanged. Text that is not a finite number
// counts as 0; the result is clamped to the 32-bit integer range. Writers use
// it for vertical positions too, with their vertical factor and offset.
QString resizepos(const QString &value, float resizeX, int groupXpos);

// A size scaled by resize, rounded like resizepos, placeholders unchanged.
QString resizesize(const QString &value, float resize);

// The signed base-10 integer that text holds; 0 for anything else, the empty
// text included. Every number stored as text in the tables is read this way.
int textint(const QString &text);
