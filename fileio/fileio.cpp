#include "fileio.h"

#include <QDir>
#include <QDomDocument>
#include <QImage>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScopedPointer>
#include <QTextCodec>
#include <QtEndian>
#include <QXmlInputSource>
#include <QXmlSimpleReader>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fileio {

namespace {

// Opens path for reading without ever blocking, and only when it is a
// regular file: a FIFO would block the open, a device would read forever.
ReadResult openregular(const QString &path, QFile *file)
{
    if (path.startsWith(QLatin1Char(':'))) {
        // A built-in resource: never a special file.
        file->setFileName(path);
        if (file->open(QIODevice::ReadOnly))
            return ReadResult::Read;
        return file->exists() ? ReadResult::Unreadable : ReadResult::Missing;
    }
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Unreadable;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return ReadResult::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ReadResult::Unreadable;
    }
    return ReadResult::Read;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return ReadResult::Missing;
    if (!info.isFile())
        return ReadResult::NotRegular;
    file->setFileName(path);
    return file->open(QIODevice::ReadOnly) ? ReadResult::Read : ReadResult::Unreadable;
#endif
}

// Sets why, when asked for, to the reason of a failure; always false.
bool failed(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return false;
}

// Unbuffered, so a write that does not reach the disk fails here and not
// silently inside a buffer that commit() would rename over the target.
bool openforwrite(QSaveFile *file, QString *why)
{
    if (file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    // The save file refuses a folder and a read-only file in words of its
    // own that name the file again; the system's read like every other
    // reason.
    const QFileInfo target(file->fileName());
    if (target.isDir())
        return failed(why, qt_error_string(EISDIR));
    if (target.exists() && !target.isWritable())
        return failed(why, qt_error_string(EACCES));
    return failed(why, file->errorString());
}

bool writeall(QSaveFile *file, const char *data, qint64 size, QString *why)
{
    while (size > 0) {
        const qint64 written = file->write(data, size);
        if (written <= 0)
            return failed(why, file->errorString());
        data += written;
        size -= written;
    }
    return true;
}

// complete is false when the content could not be written whole; why then
// holds the reason already.
bool finish(QSaveFile *file, bool complete, QString *why)
{
    if (!complete || !file->flush()) {
        if (complete)
            failed(why, file->errorString());
        file->cancelWriting();
        return false;
    }
    errno = 0;
    if (file->commit())
        return true;
    // Where the temporary file cannot be given a name beside the target
    // (the name would pass the file system's limit), the save file reports
    // an unknown error and the system's reason is left in errno.
    const int error = errno;
    if (file->error() == QFileDevice::UnspecifiedError && error != 0)
        return failed(why, qt_error_string(error));
    return failed(why, file->errorString());
}

// Hands each write whole to a save file: a write the system cuts short is
// carried on, and one it refuses leaves the system's reason in why. An
// encoder that writes through it gives up at the first short write, before
// the system has said why.
class WholeWrites : public QIODevice
{
public:
    explicit WholeWrites(QSaveFile &file) : m_file(file) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_file.size(); }
    bool seek(qint64 pos) override { return m_file.seek(pos) && QIODevice::seek(pos); }

    QString why;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        return why.isEmpty() && writeall(&m_file, data, size, &why) ? size : -1;
    }

private:
    QSaveFile &m_file;
};

} // namespace

ReadResult readfile(const QString &path, QByteArray *bytes, qint64 limit)
{
    bytes->clear();
    QFile file;
    const ReadResult opened = openregular(path, &file);
    if (opened != ReadResult::Read)
        return opened;
    if (file.size() > limit)
        return ReadResult::TooLarge;
    // Read one byte past the bound: the file may have grown since fstat.
    QByteArray read = file.read(limit + 1);
    if (read.size() > limit)
        return ReadResult::TooLarge;
    if (file.error() != QFileDevice::NoError)
        return ReadResult::Unreadable;
    *bytes = std::move(read);
    return ReadResult::Read;
}

bool isreadablefile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

bool writefile(const QString &path, const QByteArray &bytes, QString *why)
{
    return writestreamed(path, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); }, QString(), why);
}

bool writestreamed(const QString &path, const std::function<bool(QIODevice &)> &fill,
                   const QString &unwritable, QString *why)
{
    QSaveFile file(path);
    if (!openforwrite(&file, why))
        return false;
    WholeWrites whole(file);
    const bool complete = fill(whole) && whole.why.isEmpty();
    if (!complete)
        failed(why, whole.why.isEmpty() ? unwritable : whole.why);
    return finish(&file, complete, why);
}

QString withreason(const QString &failure, const QString &why)
{
    if (why.isEmpty())
        return failure + QLatin1Char('.');
    return failure + QStringLiteral(": ") + why + QLatin1Char('.');
}

long namelimit(const QString &folder)
{
#ifdef Q_OS_UNIX
    return qMax(0L, ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX));
#else
    Q_UNUSED(folder)
    return 0;
#endif
}

int longestwritablename(const QString &folder, long (*statedlimit)(const QString &folder))
{
    const long stated = statedlimit(folder);
    // The most common limit, POSIX's NAME_MAX.
    const long longest = stated > 0 ? stated : 255;
    // QSaveFile writes into a file with no name where the file system lets
    // it, but names it after the target plus "." and six random characters
    // where it cannot, and to replace an existing target.
    const int temporarysuffix = 7;
    return int(qMin<long>(longest, 1 << 16)) - temporarysuffix;
}

bool writepng(const QString &path, const QImage &image, int quality, QString *why)
{
    const QString unencodable = QStringLiteral("the picture could not be encoded as PNG");
    if (image.isNull())
        return failed(why, unencodable);
    // The sheet's PNG is about as large as its pixels where they are noise:
    // encoded into memory first, it would be held twice.
    return writestreamed(path, [&](QIODevice &file) { return image.save(&file, "PNG", quality); }, unencodable,
                         why);
}

bool copyfile(const QString &from, const QString &to, QString *why)
{
    QFile source;
    if (openregular(from, &source) != ReadResult::Read)
        return failed(why, QDir::toNativeSeparators(from) + QStringLiteral(" is not a readable regular file"));
    QSaveFile target(to);
    if (!openforwrite(&target, why))
        return false;
    QByteArray chunk;
    bool complete = true;
    while (complete && !source.atEnd()) {
        chunk = source.read(1 << 20);
        if (chunk.isEmpty() || source.error() != QFileDevice::NoError)
            complete = failed(why, source.errorString());
        else
            complete = writeall(&target, chunk.constData(), chunk.size(), why);
    }
    return finish(&target, complete, why);
}

namespace {

// The encoding that a byte-order mark or the layout of the first
// characters gives, as Qt's XML readers detect it; null when the bytes
// start in an encoding compatible with ASCII.
QTextCodec *unicodeencoding(const QByteArray &bytes)
{
    struct Signature
    {
        const char *bytes;
        int size;
        const char *codec;
    };
    // Longer signatures first: a UTF-32 mark starts like a UTF-16 one.
    static const Signature signatures[] = {
        {"\x00\x00\xFE\xFF", 4, "UTF-32BE"}, {"\xFF\xFE\x00\x00", 4, "UTF-32LE"},
        {"\x3C\x00\x00\x00", 4, "UTF-32LE"}, {"\x00\x00\x00\x3C", 4, "UTF-32BE"},
        {"\xEF\xBB\xBF", 3, "UTF-8"},         {"\xFE\xFF", 2, "UTF-16BE"},
        {"\xFF\xFE", 2, "UTF-16LE"},           {"\x3C\x00", 2, "UTF-16LE"},
        {"\x00\x3C", 2, "UTF-16BE"}};
    for (const Signature &signature : signatures) {
        if (bytes.startsWith(QByteArray::fromRawData(signature.bytes, signature.size)))
            return QTextCodec::codecForName(signature.codec);
    }
    return nullptr;
}

// The encoding that the XML declaration names, where Qt knows it and it
// reads ASCII as ASCII (the declaration itself was read so); UTF-8
// otherwise.
QTextCodec *declaredencoding(const QByteArray &bytes)
{
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    // "<?xml-stylesheet ...?>" is another processing instruction.
    if (!bytes.startsWith("<?xml") || bytes.size() < 6 || !QByteArray(" \t\r\n").contains(bytes.at(5)))
        return utf8;
    const int end = bytes.indexOf("?>");
    const QString name = xmlencodingname(QString::fromLatin1(bytes.left(end < 0 ? 0 : end)));
    QTextCodec *codec = name.isEmpty() ? nullptr : QTextCodec::codecForName(name.toLatin1());
    if (!codec || codec->fromUnicode(QStringLiteral("<?xml")) != "<?xml")
        return utf8;
    return codec;
}

bool isutf32(const QTextCodec *codec)
{
    return codec->name() == "UTF-32LE" || codec->name() == "UTF-32BE";
}

// The encodings whose faults decodexml finds by themselves; any other's
// are found by decodedwhole.
bool isunicode(const QTextCodec *codec)
{
    return codec->name() == "UTF-8" || codec->name().startsWith("UTF-16") || isutf32(codec);
}

// Whether every half-width kana in EUC-JP bytes (0x8E and a byte) is one
// of JIS X 0201's: Qt's converter also reads 0x8E 0xE0 to 0xE2, which
// stand for none, as U+00A2, U+00A3 and U+00AC.
bool eucjpkanaknown(const QByteArray &bytes)
{
    for (int at = bytes.indexOf('\x8e'); at >= 0; at = bytes.indexOf('\x8e', at + 1)) {
        const uchar next = at + 1 < bytes.size() ? uchar(bytes.at(at + 1)) : 0;
        if (next < 0xA1 || next > 0xDF)
            return false;
    }
    return true;
}

// Whether every single shift (ESC N, ESC O) in ISO-2022 bytes is followed
// by a byte of a graphic character: Qt's converter drops one followed by a
// control, an escape or the end, or makes a C1 control of it.
bool iso2022shiftsused(const QByteArray &bytes)
{
    for (const char *shift : {"\x1bN", "\x1bO"}) {
        for (int at = bytes.indexOf(shift); at >= 0; at = bytes.indexOf(shift, at + 2)) {
            const uchar next = at + 2 < bytes.size() ? uchar(bytes.at(at + 2)) : 0;
            if (next < 0x20 || next > 0x7F)
                return false;
        }
    }
    return true;
}

// Whether every base64 run in UTF-7 bytes stands for whole UTF-16 units:
// its bits fill one at least and leave fewer than six over, all zero. Qt's
// converter drops a run that fills none ("+A-") and a digit left over.
bool utf7runswhole(const QByteArray &bytes)
{
    static const QByteArray base64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    int at = 0;
    while ((at = bytes.indexOf('+', at)) >= 0) {
        const int start = ++at;
        while (at < bytes.size() && base64.contains(bytes.at(at)))
            ++at;
        // "+-" stands for "+"; the converter puts a U+FFFD for a "+" before
        // anything else.
        const int bits = (at - start) * 6;
        if (bits == 0)
            continue;
        const int leftover = bits % 16;
        if (bits < 16 || leftover >= 6 || (base64.indexOf(bytes.at(at - 1)) & ((1 << leftover) - 1)) != 0)
            return false;
    }
    return true;
}

// Whether codec writes some characters in two ways by design, and bytes
// hold no sequence that its converter reads as a character though it
// stands for none (each family's check; decoding every short sequence in
// the others found none).
bool writesintwoways(const QTextCodec *codec, const QByteArray &bytes)
{
    struct Family
    {
        const char *name;   // ending in "-": every encoding whose name starts so
        bool (*wellformed)(const QByteArray &bytes);
    };
    static const Family families[] = {{"Shift_JIS", nullptr},
                                      {"Big5", nullptr},
                                      {"Big5-HKSCS", nullptr},
                                      {"EUC-JP", eucjpkanaknown},
                                      {"ISO-2022-", iso2022shiftsused},
                                      {"UTF-7", utf7runswhole}};
    const QByteArray name = codec->name();
    for (const Family &family : families) {
        const bool prefix = QByteArray(family.name).endsWith('-');
        if (prefix ? name.startsWith(family.name) : name == family.name)
            return !family.wellformed || family.wellformed(bytes);
    }
    return false;
}

// Whether decoded, what codec made of bytes with state, stands for every
// one of them. The converters of the other encodings say nothing of what
// they cannot decode (their state counts nothing): they put a U+FFFD for
// it, keep back the bytes of a character cut off at the end, or read some
// bytes as another character than the encoding's table says, or as none.
bool decodedwhole(QTextCodec *codec, const QByteArray &bytes, const QString &decoded,
                  QTextCodec::ConverterState *state)
{
    // Text that encodes back to the bytes it came from was read whole, a
    // U+FFFD included: these bytes are the encoding's own for it (GB18030,
    // CESU-8 and UTF-7 have one), as an encoding that has none writes "?".
    QScopedPointer<QTextEncoder> encoder(codec->makeEncoder(QTextCodec::IgnoreHeader));
    if (encoder->fromUnicode(decoded) == bytes)
        return true;
    // Other bytes for the same text are taken only where the encoding
    // writes a character in two ways by design: elsewhere they are a
    // converter's fallback (TSCII's 0x94 read as U+201C), which the bytes
    // it writes back cannot tell from a second way. There a U+FFFD cannot
    // be told from one put for bytes that do not decode, so it is refused.
    if (!writesintwoways(codec, bytes) || decoded.contains(QChar(QChar::ReplacementCharacter)))
        return false;
    // A line feed after the bytes, in the converter's state after them,
    // comes out as one only when it kept nothing back: these encodings
    // write it as the byte 0x0A in any state, and it ends ISO-2022-JP's
    // two-byte mode and UTF-7's base64.
    return codec->toUnicode("\n", 1, state) == QLatin1String("\n");
}

// Whether bytes, in UTF-32 as codec reads it, hold only code points: Qt's
// converter turns any 32-bit value into one or two UTF-16 units, and a
// value past U+10FFFF, or two encoded surrogates, may come out as a valid
// pair for another character.
bool holdscodepoints(const QByteArray &bytes, const QTextCodec *codec)
{
    if (bytes.size() % 4 != 0)
        return false;
    const bool bigendian = codec->name() == "UTF-32BE";
    const uchar *data = reinterpret_cast<const uchar *>(bytes.constData());
    for (int i = 0; i < bytes.size(); i += 4) {
        const quint32 value = bigendian ? qFromBigEndian<quint32>(data + i) : qFromLittleEndian<quint32>(data + i);
        if (value > 0x10FFFF || QChar::isSurrogate(value))
            return false;
    }
    return true;
}

// Qt's UTF-16 converter passes a surrogate without its pair through, and
// Qt's UTF-32 one makes such halves of values that are no code points.
bool hasunpairedsurrogate(const QString &text)
{
    const int size = text.size();
    const QChar *data = text.constData();
    for (int i = 0; i < size; ++i) {
        if (data[i].isHighSurrogate() && i + 1 < size && data[i + 1].isLowSurrogate())
            ++i;
        else if (data[i].isSurrogate())
            return true;
    }
    return false;
}

// Turns CR LF and lone CR into LF in place, in one pass over text.
void tolinefeeds(QString *text)
{
    const int first = text->indexOf(QLatin1Char('\r'));
    if (first < 0)
        return;
    const int size = text->size();
    QChar *data = text->data();
    int kept = first;
    for (int i = first; i < size; ++i) {
        if (data[i] != QLatin1Char('\r')) {
            data[kept++] = data[i];
            continue;
        }
        data[kept++] = QLatin1Char('\n');
        if (i + 1 < size && data[i + 1] == QLatin1Char('\n'))
            ++i;
    }
    text->truncate(kept);
}

} // namespace

QString xmlencodingname(const QString &declaration)
{
    // The declaration's pseudo-attributes stand in this order: version,
    // then encoding.
    static const QRegularExpression encoding(QStringLiteral(
        "^(?:<\\?xml\\s+|\\s*)version\\s*=\\s*(?:\"[^\"]*\"|'[^']*')\\s+"
        "encoding\\s*=\\s*([\"'])([A-Za-z][A-Za-z0-9._-]*)\\1"));
    return encoding.match(declaration).captured(2);
}

bool decodexml(const QByteArray &bytes, QString *text, QByteArray *encoding)
{
    text->clear();
    QTextCodec *codec = unicodeencoding(bytes);
    if (!codec)
        codec = declaredencoding(bytes);
    if (encoding)
        *encoding = codec->name();
    if (isutf32(codec) && !holdscodepoints(bytes, codec))
        return false;
    // The converter drops a byte-order mark and turns what the encoding
    // cannot decode into U+FFFD. Its state counts UTF-8's faults and a
    // character cut off at the end, but not a surrogate without its pair in
    // UTF-16, nor the faults of some other encodings (GB18030, UTF-7, ...).
    QTextCodec::ConverterState state;
    QString decoded = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0 || hasunpairedsurrogate(decoded))
        return false;
    if (!isunicode(codec) && !decodedwhole(codec, bytes, decoded, &state))
        return false;
    *text = std::move(decoded);
    return true;
}

namespace {

// The line and column (from 1) of position in text, whose lines end in LF.
void locate(XmlRead *read, const QString &text, int position)
{
    const QStringRef before = text.leftRef(position);
    read->line = int(before.count(QLatin1Char('\n'))) + 1;
    read->column = position - (before.lastIndexOf(QLatin1Char('\n')) + 1) + 1;
}

// Puts each character that a reference past U+FFFF names in its place.
void putwidecharacters(QString *text, const QVector<WideReference> &references)
{
    if (references.isEmpty())
        return;
    QString put;
    put.reserve(text->size());
    int from = 0;
    for (const WideReference &reference : references) {
        put += text->midRef(from, reference.position - from);
        put += QChar(QChar::highSurrogate(reference.character));
        put += QChar(QChar::lowSurrogate(reference.character));
        from = reference.position + reference.length;
    }
    put += text->midRef(from);
    *text = std::move(put);
}

bool setcontent(QDomDocument *document, const QString &text, bool keepwhitespace, XmlRead *read)
{
    QString *const message = &read->detail;
    int *const line = &read->line;
    int *const column = &read->column;
    if (!keepwhitespace)
        return document->setContent(text, message, line, column);
    // Only a reader of our own reports text that is nothing but white space.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
    QXmlInputSource source;
    source.setData(text);
    QXmlSimpleReader reader;
    // Names are taken as written, as the reader above takes them: with
    // namespaces on, an xml:space attribute would come back with an
    // xmlns:xml declaration of its own.
    reader.setFeature(QStringLiteral("http://xml.org/sax/features/namespaces"), false);
    reader.setFeature(QStringLiteral("http://xml.org/sax/features/namespace-prefixes"), true);
    return document->setContent(&source, &reader, message, line, column);
QT_WARNING_POP
}

XmlProblem problemof(ReadResult result)
{
    switch (result) {
    case ReadResult::Read: return XmlProblem::None;
    case ReadResult::Missing: return XmlProblem::Missing;
    case ReadResult::NotRegular: return XmlProblem::NotRegular;
    case ReadResult::TooLarge: return XmlProblem::TooLarge;
    case ReadResult::Unreadable: break;
    }
    return XmlProblem::Unreadable;
}

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / (1024 * 1024)) + QStringLiteral(" MB");
}

// A count with its thousands apart, as in "1,500,000", whatever the
// system's locale.
QString grouped(int count)
{
    QString digits = QString::number(count);
    for (int i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return digits;
}

} // namespace

namespace {

// Decodes bytes into text with LF line ends and scans it; the read is
// refused when either finds the bytes are not what they should be.
XmlRead prepare(const QByteArray &bytes, const XmlLimits &limits, QString *text, XmlScan *scan)
{
    XmlRead read;
    read.limits = limits;
    // Decoded before anything looks at the characters: in UTF-16 a byte
    // 0x0D or 0x3C may be half of any character.
    QByteArray encoding;
    if (!decodexml(bytes, text, &encoding)) {
        read.problem = XmlProblem::NotText;
        read.detail = QString::fromLatin1(encoding);
        return read;
    }
    // Qt's DOM reader keeps the CRs of CR LF, and writing such a document
    // back would add a "&#xd;" on every rewrite.
    tolinefeeds(text);
    *scan = scanxml(*text, limits.nodes);
    if (scan->problem != XmlProblem::None) {
        read.problem = scan->problem;
        read.detail = scan->detail;
        locate(&read, *text, scan->position);
    }
    return read;
}

} // namespace

XmlRead checkxml(const QByteArray &bytes, const XmlLimits &limits)
{
    QString text;
    XmlScan scan;
    return prepare(bytes, limits, &text, &scan);
}

XmlRead parsexml(QDomDocument *document, const QByteArray &bytes, bool keepwhitespace, const XmlLimits &limits)
{
    *document = QDomDocument();
    QString text;
    XmlScan scan;
    XmlRead read = prepare(bytes, limits, &text, &scan);
    if (!read)
        return read;
    if (scan.doctypestart >= 0) {
        read.doctype = text.mid(scan.doctypestart, scan.doctypeend - scan.doctypestart);
        read.subsetchildren = scan.subsetchildren;
        read.afterdoctype = scan.afterdoctype;
    }
    putwidecharacters(&text, scan.widereferences);
    if (!setcontent(document, text, keepwhitespace, &read))
        read.problem = XmlProblem::Malformed;
    else
        read.detail.clear();
    return read;
}

XmlRead readxml(const QString &path, QDomDocument *document, const XmlLimits &limits, bool keepwhitespace)
{
    *document = QDomDocument();
    QByteArray bytes;
    XmlRead read;
    read.limits = limits;
    read.problem = problemof(readfile(path, &bytes, limits.bytes));
    return read ? parsexml(document, bytes, keepwhitespace, limits) : read;
}

XmlRead readxmlbytes(const QString &path, QByteArray *bytes, const XmlLimits &limits)
{
    XmlRead read;
    read.limits = limits;
    read.problem = problemof(readfile(path, bytes, limits.bytes));
    return read ? checkxml(*bytes, limits) : read;
}

QString xmlproblemtext(const XmlRead &read, const QString &file)
{
    const QString where = QStringLiteral(" (line %1, column %2)").arg(read.line).arg(read.column);
    switch (read.problem) {
    case XmlProblem::None:
        break;
    case XmlProblem::Missing:
        return file + QStringLiteral(" does not exist.");
    case XmlProblem::NotRegular:
        return file + QStringLiteral(" is not a regular file.");
    case XmlProblem::Unreadable:
        return file + QStringLiteral(" could not be opened for reading.");
    case XmlProblem::TooLarge:
        return file + QStringLiteral(" is larger than any real one (more than ") + megabytes(read.limits.bytes)
               + QStringLiteral(").");
    case XmlProblem::NotText:
        return file + QStringLiteral(" is not text: it holds bytes that are not characters in its encoding, ")
               + read.detail + QLatin1Char('.');
    case XmlProblem::Entities:
        return file + QLatin1Char(' ') + read.detail + QStringLiteral(", which no real one does") + where
               + QLatin1Char('.');
    case XmlProblem::TooDeep:
        return file + QStringLiteral(" nests deeper than any real one: more than %1 levels at line %2, column %3.")
                          .arg(maxxmldepth)
                          .arg(read.line)
                          .arg(read.column);
    case XmlProblem::TooMany:
        return file + QStringLiteral(" holds more than any real one (more than %1 elements, attributes, "
                                     "texts, comments and other markup).").arg(grouped(read.limits.nodes));
    case XmlProblem::Malformed:
        return file + QStringLiteral(" is not well-formed XML: ") + read.detail + where + QLatin1Char('.');
    }
    return QString();
}

} // namespace fileio
