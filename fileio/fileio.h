#pragma once
// Reading and writing the files the tool touches, with the guarantees the
// user's and the host's files need:
// - a write either replaces the whole file or leaves the old one as it was:
//   it goes to a temporary file that is renamed into place only when every
//   byte reached the disk (a full disk or a file-size limit is a failure,
//   never a cut file);
// - a read takes regular files only, up to a size bound, so a FIFO, a device
//   such as /dev/zero or a huge file can never hang or exhaust the tool;
// - an XML document is decoded before its characters are looked at, and
//   refused when its bytes are not text in its encoding (never read, and
//   written back, with replacement characters), when it nests deeper than
//   any real file (the DOM reader and writer recurse per level) or when it
//   declares entities (a few kilobytes of references could make millions
//   of elements), before a DOM is built from it.
#include <QByteArray>
#include <QString>

#include "xmlbounds.h"

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

// Decodes an XML document into text, without its byte-order mark. The
// encoding is the one its byte-order mark gives (UTF-8, UTF-16 or UTF-32,
// either byte order), or the layout of a first "<" followed by NULs (UTF-16
// or UTF-32 without a mark); failing those, the one that an XML declaration
// at the very start names (in either quotes), when Qt knows it and it
// encodes "<?xml" as those ASCII bytes; UTF-8 otherwise. So a file laid out
// in ASCII that declares UTF-16 is read as UTF-8, where Qt's readers take
// it for UTF-16 and fail.
// False, with text empty, when the bytes are not text in that encoding: a
// sequence the encoding does not have (in UTF-8 also an overlong one or an
// encoded surrogate), a character cut off at the end, a surrogate without
// its pair, a UTF-32 value that is no code point, or a byte that an
// encoding without a U+FFFD of its own can only decode as U+FFFD. A U+FFFD
// that the bytes do encode is text.
bool decodexml(const QByteArray &bytes, QString *text);

// The encoding an XML declaration names (the text of "<?xml ...?>", or the
// value of its node), empty when it names none.
QString xmlencodingname(const QString &declaration);

// Parses bytes into document: decodes them (decodexml), turns CR LF and
// lone CR into LF in one pass, and refuses a document that decodexml or
// withinxmlbounds refuses before a DOM is built. keepwhitespace keeps text
// nodes that hold only white space (needed to write a host file back as it
// was); otherwise they are dropped, as everywhere else. On failure document
// holds what the parser read before the fault (nothing when the bytes were
// refused before it).
bool parsexml(QDomDocument *document, const QByteArray &bytes, bool keepwhitespace = false);

} // namespace fileio
