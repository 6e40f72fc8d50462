#pragma once
// Reading and writing the files the tool touches, with the guarantees the
// user's and the host's files need:
// - a write either replaces the whole file or leaves the old one as it was:
//   it goes to a temporary file that is renamed into place only when every
//   byte reached the disk (a full disk or a file-size limit is a failure,
//   never a cut file), and a failure gives the system's reason;
// - a read takes regular files only, up to a size bound, so a FIFO, a device
//   such as /dev/zero or a huge file can never hang or exhaust the tool;
// - an XML document is decoded before its characters are looked at, and
//   refused before a DOM is built from it when its bytes are not text in its
//   encoding (never read, and written back, with replacement characters),
//   when it nests deeper or holds more nodes than any real file (the DOM
//   reader and writer recurse per level, and each node takes hundreds of
//   bytes), when it declares entities (a few kilobytes of references could
//   make millions of elements), or when Qt's reader would lose characters
//   of it (xmlbounds.h says which).
#include <QByteArray>
#include <QString>

#include <functional>

#include "xmlbounds.h"

class QDomDocument;
class QIODevice;
class QImage;

namespace fileio {

// Settings, profiles, projects and the host's settings are far smaller.
constexpr qint64 smallfilelimit = 8 * 1024 * 1024;

// The bytes of the Tessary skin's picture (skin.png): the built-in skin's
// is 49 KB, a real one a few megabytes. Unpacking holds them in memory.
constexpr qint64 skinpicturelimit = 32 * 1024 * 1024;

// The bounds of an XML file: its bytes, and the nodes its tree may hold.
// Qt's DOM takes up to some 460 bytes for a node, and at worst some six
// bytes for each byte of the file (the bytes, their decoded text, the
// tree's copy of that text). Together with the pictures' bounds
// (writer/picturebounds.h) they keep the whole tool, window included,
// under 1 GB with every input at its bound at once: the Tessary skin's
// document and picture, the sheet and the preview the job makes, the
// project, and the host's settings (tyx-memorybenchmark measures it).
struct XmlLimits
{
    qint64 bytes;
    int nodes;
};

// Settings, profiles, projects and the host's settings: a real one holds
// some thousands of nodes.
constexpr XmlLimits smallxmllimits{smallfilelimit, 500 * 1000};

// The Tessary skin's document: the built-in skin's holds 608 KB and 47,689
// nodes, and no real one comes near ten times that.
constexpr XmlLimits skinxmllimits{8 * 1024 * 1024, 500 * 1000};

enum class ReadResult { Read, Missing, NotRegular, TooLarge, Unreadable };

// Reads the whole regular file at path into bytes (cleared on failure).
// Opening never blocks: a FIFO or device is NotRegular.
ReadResult readfile(const QString &path, QByteArray *bytes, qint64 limit = smallfilelimit);

// An existing, readable regular file (symbolic links are followed).
bool isreadablefile(const QString &path);

// Replaces the file at path by bytes; false, with the old file untouched,
// unless every byte reached the disk and the rename succeeded. why, when
// given, is then set to the system's reason ("No space left on device",
// "Is a directory", "File name too long", ...).
bool writefile(const QString &path, const QByteArray &bytes, QString *why = nullptr);

// Replaces the file at path by what fill writes into the device it is
// given, with the guarantees of writefile, without holding the whole file
// in memory. When fill returns false, why is set to the system's reason if
// a write failed, and to unwritable otherwise.
bool writestreamed(const QString &path, const std::function<bool(QIODevice &)> &fill,
                   const QString &unwritable, QString *why = nullptr);

// The sentence that says what failed, with why as its reason when there is
// one: "<failure>: <why>." or else "<failure>.".
QString withreason(const QString &failure, const QString &why);

// The most bytes the name of a file in folder may take as the folder's file
// system states them (POSIX's pathconf); 0 when the folder cannot tell (it
// does not exist, say). Linux's vfat and exFAT state 1530 bytes and take
// 255 characters: a name within the stated limit may still be refused, and
// the write then says so.
long namelimit(const QString &folder);

// The most bytes, in the encoding of QFile::encodeName, that the name of a
// file in folder may take for writefile to write it, and to replace it once
// it exists: the limit statedlimit gives for the folder, less what the
// temporary file beside the target adds to the target's name. 255 is taken
// for the limit when the folder cannot tell it. A test gives the limit of a
// file system it cannot make.
int longestwritablename(const QString &folder, long (*statedlimit)(const QString &folder) = namelimit);

// Encodes image as PNG (quality as QImage::save takes it) straight into
// the file, as writestreamed writes; false, with why set as there, when it
// cannot be encoded or written.
bool writepng(const QString &path, const QImage &image, int quality = -1, QString *why = nullptr);

// Copies a regular file with the same guarantees as writefile, streamed;
// why as there, or the source's reason when it could not be read.
bool copyfile(const QString &from, const QString &to, QString *why = nullptr);

// Decodes an XML document into text, without its byte-order mark. The
// encoding is the one its byte-order mark gives (UTF-8, UTF-16 or UTF-32,
// either byte order), or the layout of a first "<" followed by NULs (UTF-16
// or UTF-32 without a mark); failing those, the one that an XML declaration
// at the very start names after its version (in either quotes), when Qt knows it and it
// encodes "<?xml" as those ASCII bytes; UTF-8 otherwise. So a file laid out
// in ASCII that declares UTF-16 is read as UTF-8, where Qt's readers take
// it for UTF-16 and fail.
// False, with text empty, when the bytes are not text in that encoding: a
// sequence the encoding does not have (in UTF-8 also an overlong one or an
// encoded surrogate), a character cut off at the end, a surrogate without
// its pair, a UTF-32 value that is no code point, or, in any other
// encoding, bytes its converter turns into a U+FFFD or keeps back at the end
// (those converters say nothing of either). There the text is taken when it
// encodes back to the same bytes, a U+FFFD that the bytes do encode
// included. Other bytes for the same text are taken only in the encodings
// that write a character in two ways by design (the Shift_JIS family,
// EUC-JP, Big5, the ISO-2022 families, UTF-7), when the text holds no
// U+FFFD, nothing was kept back and no sequence stands for no character;
// in any other encoding they are a converter's fallback to another
// character or to none, which the bytes cannot tell from a second way.
// encoding, when given, is set to the name of the encoding taken.
bool decodexml(const QByteArray &bytes, QString *text, QByteArray *encoding = nullptr);

// The encoding an XML declaration names (the text of "<?xml ...?>", or the
// value of its node), empty when it names none. Only the declaration's own
// encoding counts, after its version: not an "encoding=" in another
// processing instruction or in a value.
QString xmlencodingname(const QString &declaration);

// What came of reading an XML document.
struct XmlRead
{
    XmlProblem problem = XmlProblem::None;
    XmlLimits limits = smallxmllimits;
    // What is wrong: for NotText the encoding taken, for Malformed what the
    // reader or the scan found, for Entities what the scan found ("declares
    // an entity", ...); for the problems the text shows, where it
    // stands (line and column from 1).
    QString detail;
    int line = 0;
    int column = 0;
    // The document type declaration as it stands in the file (with LF line
    // ends): Qt's DOM keeps of it only its name, external identifier,
    // entities and notations.
    QString doctype;
    // The document's children that come from the document type's internal
    // subset (its comments and processing instructions), which Qt's DOM
    // puts just before the ones that stand between the document type and
    // the root element: how many of each there are.
    int subsetchildren = 0;
    int afterdoctype = 0;

    explicit operator bool() const { return problem == XmlProblem::None; }
};

// The line that says why the XML file named file was not read, naming it:
// for example "<file> is larger than any real one (more than 8 MB)."
QString xmlproblemtext(const XmlRead &read, const QString &file);

// Parses bytes into document: decodes them (decodexml), turns CR LF and
// lone CR into LF in one pass, and refuses a document that decodexml or
// scanxml (with limits.nodes) refuses before a DOM is built; a character
// reference past U+FFFF becomes its character. keepwhitespace keeps text
// nodes that hold only white space (needed to write a host file back as it
// was); otherwise they are dropped, as everywhere else. On failure document
// holds what the parser read before the fault (nothing when the bytes were
// refused before it).
XmlRead parsexml(QDomDocument *document, const QByteArray &bytes, bool keepwhitespace = false,
                 const XmlLimits &limits = smallxmllimits);

// Decodes and scans bytes as parsexml does, without building a tree.
XmlRead checkxml(const QByteArray &bytes, const XmlLimits &limits);

// Reads the file at path (readfile, up to limits.bytes) and parses it so.
XmlRead readxml(const QString &path, QDomDocument *document, const XmlLimits &limits = smallxmllimits,
                bool keepwhitespace = false);

// Reads the file at path into bytes as readxml does and checks them as
// checkxml does, for a caller that parses parts of them.
XmlRead readxmlbytes(const QString &path, QByteArray *bytes, const XmlLimits &limits);

} // namespace fileio
