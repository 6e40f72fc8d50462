#pragma once
// Small steps of scanning XML bytes without parsing them, for finding the
// Tessary skin's windows before any document is built from it.
#include <QByteArray>

// Whether literal stands in xml at position.
bool xmlstartsat(const QByteArray &xml, int position, const char *literal);

// Whether a comment, a CDATA section or a processing instruction starts at
// position (its "<"): markup that opens no element and may hold any "<".
bool xmlisothermarkup(const QByteArray &xml, int position);

// The index just past the end of the markup that xmlisothermarkup found at
// position; -1 when the text ends first.
int xmlothermarkupend(const QByteArray &xml, int position);

// The index of the '>' that ends a tag, searching from `from` and passing
// over quoted attribute values; -1 when the text ends first or, with
// stopatopening, when a '<' comes first (the tag is broken).
int xmltagend(const QByteArray &xml, int from, bool stopatopening);
