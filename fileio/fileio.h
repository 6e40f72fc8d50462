#pragma once
// Reading and writing the files the tool touches, with the guarantees the
// user's and the host's files need:
// - a write either replaces the whole file or leaves the old one as it was:
//   it goes to a temporary file that is renamed into place only when every
//   byte reached the disk (a full disk or a file-size limit is a failure,
//   never a cut file);
// - a read takes regular files only, up to a size bound, so a FIFO, a device
//   such as /dev/zero or a huge file can never hang or exhaust the tool;
// - an XML document is decoded before its characters are looked at, and one
//   nested deeper than any real file is refused before a DOM is built from
//   it, since the DOM reader and writer recurse per level.
#include <QByteArray>
#include <QString>

#include "xmldepth.h"

class QDomDocument;
class QImage;

namespace fileio {

// Settings, profiles, projects and the host's settings are far smaller.
constexpr qint64 smallfilelimit = 8 * 1024 * 1024;

// The Tessary skin's document may be large, but not without end.
constexpr qint64 skinfilelimit = 128 * 1024 * 1024;

enum class ReadResult { Read, Missing, NotRegular, TooLarge, Unreadable };

// Reads the whole regular file at path into bytes (cleared on failure).
// Opening never blocks: a FIFO or device is NotRegular.
ReadResult readfile(const QString &path, QByteArray *bytes, qint64 limit = smallfilelimit);

// An existing, readable regular file (symbolic links are followed).
bool isreadablefile(const QString &path);

// Replaces the file at path by bytes; false, with the old file untouched,
// unless every byte reached the disk and the rename succeeded.
bool writefile(const QString &path, const QByteArray &bytes);

// Encodes image as PNG (quality as QImage::save takes it) and writes it as
// writefile does; false when it cannot be encoded or written.
bool writepng(const QString &path, const QImage &image, int quality = -1);

// Copies a regular file with the same guarantees as writefile, streamed.
bool copyfile(const QString &from, const QString &to);

// The text of an XML document: decoded as its byte-order mark, the layout
// of its first characters (UTF-16 and UTF-32 without a mark) or its XML
// declaration says, UTF-8 otherwise, as Qt's XML readers decode it.
QString decodexml(const QByteArray &bytes);

// The encoding an XML declaration names (the text of "<?xml ...?>", or the
// value of its node), empty when it names none.
QString xmlencodingname(const QString &declaration);

// Parses bytes into document: decodes them (decodexml), turns CR LF and
// lone CR into LF, and refuses a document that withinxmldepth refuses
// before a DOM is built. keepwhitespace keeps text nodes that hold only white
// space (needed to write a host file back as it was); otherwise they are
// dropped, as everywhere else. On failure document holds what the parser
// read before the fault (nothing when the depth check refused it).
bool parsexml(QDomDocument *document, const QByteArray &bytes, bool keepwhitespace = false);

} // namespace fileio
