#include "xmlbounds.h"

namespace fileio {

namespace {

enum class Verdict { Within, TooDeep, Refused };

bool isspace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

bool isnamechar(QChar c)
{
    return c.unicode() >= 0x80 || c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char(':')
           || c == QLatin1Char('-') || c == QLatin1Char('.');
}

bool startsat(const QString &text, int position, QLatin1String literal)
{
    return QStringRef(&text, position, qMin(literal.size(), text.size() - position)) == literal;
}

int skipspace(const QString &text, int position)
{
    while (position < text.size() && isspace(text.at(position)))
        ++position;
    return position;
}

int skipname(const QString &text, int position)
{
    while (position < text.size() && isnamechar(text.at(position)))
        ++position;
    return position;
}

// The index of the '>' that ends the markup from `from` on, passing over
// quoted literals; -1 when the text ends first.
int markupend(const QString &text, int from)
{
    QChar quote;
    for (int i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return i;
        }
    }
    return -1;
}

// Markup that opens no element and ends at a fixed text, whatever it holds.
struct Opaque
{
    QLatin1String opening;
    QLatin1String closing;
};

const Opaque opaquemarkup[] = {{QLatin1String("<!--"), QLatin1String("-->")},
                               {QLatin1String("<![CDATA["), QLatin1String("]]>")},
                               {QLatin1String("<?"), QLatin1String("?>")}};

// The index past the opaque markup at position; position itself when none
// starts there, -1 when it does not end.
int skipopaque(const QString &text, int position)
{
    for (const Opaque &markup : opaquemarkup) {
        if (!startsat(text, position, markup.opening))
            continue;
        const int end = text.indexOf(markup.closing, position + markup.opening.size());
        return end < 0 ? -1 : end + markup.closing.size();
    }
    return position;
}

// The predefined entities stand for one character each and nest nothing.
bool ispredefined(const QStringRef &name)
{
    for (const char *entity : {"lt", "gt", "amp", "apos", "quot"}) {
        if (name == QLatin1String(entity))
            return true;
    }
    return false;
}

// Moves position past the reference at it ("&"); true when it names an
// entity other than the predefined ones. A character reference names none;
// a lone "&" is a fault where a reader stops, and the scan goes on past it.
bool skipreference(const QString &text, int *position)
{
    const int namestart = *position + 1;
    if (namestart < text.size() && text.at(namestart) == QLatin1Char('#')) {
        *position = namestart + 1;
        return false;
    }
    const int nameend = skipname(text, namestart);
    if (nameend == namestart || nameend >= text.size() || text.at(nameend) != QLatin1Char(';')) {
        *position = namestart;
        return false;
    }
    *position = nameend + 1;
    return !ispredefined(QStringRef(&text, namestart, nameend - namestart));
}

// The internal subset from position up to and past its "]": declarations
// that shape no content are passed over, an entity's is refused.
Verdict subset(const QString &text, int *position)
{
    int i = *position;
    while (true) {
        i = skipspace(text, i);
        if (i >= text.size())
            break;
        if (text.at(i) == QLatin1Char(']')) {
            ++i;
            break;
        }
        const int opaqueend = skipopaque(text, i);
        if (opaqueend < 0) {
            i = text.size();
        } else if (opaqueend != i) {
            i = opaqueend;
        } else if (startsat(text, i, QLatin1String("<!ELEMENT")) || startsat(text, i, QLatin1String("<!ATTLIST"))
                   || startsat(text, i, QLatin1String("<!NOTATION"))) {
            const int end = markupend(text, i + 2);
            i = end < 0 ? text.size() : end + 1;
        } else {
            // An entity's declaration, a parameter entity's reference or
            // unknown markup.
            return Verdict::Refused;
        }
    }
    *position = i;
    return Verdict::Within;
}

// The document type at position ("<!DOCTYPE"): its name, external
// identifier and internal subset.
Verdict doctype(const QString &text, int *position)
{
    int i = *position + int(qstrlen("<!DOCTYPE"));
    while (true) {
        i = skipspace(text, i);
        if (i >= text.size()) {
            *position = i;
            return Verdict::Within;
        }
        const QChar c = text.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = text.indexOf(c, i + 1);
            i = end < 0 ? text.size() : end + 1;
        } else if (c == QLatin1Char('[')) {
            ++i;
            const Verdict verdict = subset(text, &i);
            if (verdict != Verdict::Within)
                return verdict;
        } else if (c == QLatin1Char('>')) {
            *position = i + 1;
            return Verdict::Within;
        } else if (isnamechar(c)) {
            i = skipname(text, i);
        } else {
            return Verdict::Refused;
        }
    }
}

// One pass over the document, level by level. Markup that does not end
// stops the scan, as it stops a reader.
Verdict scan(const QString &text, int maxdepth)
{
    bool elementseen = false;
    bool doctypeseen = false;
    int depth = 0;
    int i = 0;
    while (true) {
        while (i < text.size() && text.at(i) != QLatin1Char('<') && text.at(i) != QLatin1Char('&'))
            ++i;
        if (i >= text.size())
            return Verdict::Within;
        if (text.at(i) == QLatin1Char('&')) {
            // A reference that a reader cannot resolve is a node of its own.
            if (skipreference(text, &i) && depth + 1 > maxdepth)
                return Verdict::TooDeep;
            continue;
        }
        const int opaqueend = skipopaque(text, i);
        if (opaqueend < 0)
            return Verdict::Within;
        if (opaqueend != i) {
            i = opaqueend;
            continue;
        }
        if (startsat(text, i, QLatin1String("<!DOCTYPE"))) {
            if (elementseen || doctypeseen)
                return Verdict::Refused;
            doctypeseen = true;
            const Verdict verdict = doctype(text, &i);
            if (verdict != Verdict::Within)
                return verdict;
            continue;
        }
        if (startsat(text, i, QLatin1String("<!")))
            return Verdict::Refused;
        const int end = markupend(text, i + 1);
        if (end < 0)
            return Verdict::Within;
        if (text.at(i + 1) == QLatin1Char('/')) {
            // A reader stops at an end tag that ends nothing; the scan reads on.
            depth = qMax(depth - 1, 0);
        } else {
            // An element without content is a level too.
            if (depth + 1 > maxdepth)
                return Verdict::TooDeep;
            if (text.at(end - 1) != QLatin1Char('/'))
                ++depth;
        }
        elementseen = true;
        i = end + 1;
    }
}

} // namespace

bool withinxmlbounds(const QString &text, int maxdepth)
{
    return scan(text, maxdepth) == Verdict::Within;
}

} // namespace fileio
