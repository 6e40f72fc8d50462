#pragma once
// Helpers shared by the test programs.
#include <QString>
#include <QByteArray>

namespace testsupport {

// Reads a whole file; an empty array when it cannot be read.
QByteArray readFile(const QString &path);

// Writes a whole file, creating its folder; returns whether it was written.
bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace testsupport
