#pragma once
// Small steps of scanning XML text without parsing it, shared by the
// checks that run before a document is built.
#include <QByteArray>

// The index of the '>' that ends a tag, searching from `from` and passing
// over quoted attribute values; -1 when the text ends first or, with
// stopatopening, when a '<' comes first (the tag is broken).
int xmltagend(const QByteArray &xml, int from, bool stopatopening);
