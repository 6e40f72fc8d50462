#include "xmldepth.h"

#include <QHash>

namespace fileio {

namespace {

enum class Verdict { Within, TooDeep, Unfollowable };

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

// The replacement text of an entity's literal value: character references
// are replaced now (so "&#60;" becomes markup where the entity is used),
// references to other entities stay. Parameter entities are not followed.
bool replacementtext(const QStringRef &literal, QString *replacement)
{
    replacement->clear();
    for (int i = 0; i < literal.size(); ++i) {
        const QChar c = literal.at(i);
        if (c == QLatin1Char('%'))
            return false;
        if (c != QLatin1Char('&') || i + 1 >= literal.size() || literal.at(i + 1) != QLatin1Char('#')) {
            *replacement += c;
            continue;
        }
        const int end = literal.indexOf(QLatin1Char(';'), i);
        if (end < 0)
            return false;
        const bool hex = i + 2 < end && literal.at(i + 2) == QLatin1Char('x');
        bool ok = false;
        const uint code = literal.mid(i + (hex ? 3 : 2), end - i - (hex ? 3 : 2)).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code > 0x10FFFF)
            return false;
        *replacement += QString::fromUcs4(&code, 1);
        i = end;
    }
    return true;
}

// What a scan of content found.
struct Scanned
{
    Verdict verdict = Verdict::Within;
    int peak = 0;           // the deepest level reached, from the start
    bool balanced = true;   // every element that started ended, and no more
};

class DepthScan
{
public:
    explicit DepthScan(int maxdepth) : m_maxdepth(maxdepth) {}

    Verdict document(const QString &text) { return content(text, true).verdict; }

private:
    struct Entity
    {
        QString replacement;
        bool internal = true;
        int peak = -1;      // known once it has been followed
        bool busy = false;  // being followed: a reference to it recurses
    };

    Scanned content(const QString &text, bool isdocument);
    Verdict reference(const QString &text, int *position, int *levels);
    Verdict entitylevels(const QString &name, int *levels);
    Verdict doctype(const QString &text, int *position);
    Verdict subset(const QString &text, int *position);
    Verdict entitydeclaration(const QString &text, int *position);

    int m_maxdepth;
    int m_following = 0;   // entities being followed, one inside the other
    QHash<QString, Entity> m_entities;
};

// Scans text as element content: the whole document, or the replacement
// text of an entity. A construct that does not end stops the scan, as it
// stops a reader.
Scanned DepthScan::content(const QString &text, bool isdocument)
{
    Scanned scanned;
    bool elementseen = false;
    bool doctypeseen = false;
    int depth = 0;
    const auto reach = [&](int level) {
        scanned.peak = qMax(scanned.peak, level);
        if (level > m_maxdepth)
            scanned.verdict = Verdict::TooDeep;
    };
    int i = 0;
    while (scanned.verdict == Verdict::Within) {
        while (i < text.size() && text.at(i) != QLatin1Char('<') && text.at(i) != QLatin1Char('&'))
            ++i;
        if (i >= text.size())
            break;
        if (text.at(i) == QLatin1Char('&')) {
            int levels = 0;
            scanned.verdict = reference(text, &i, &levels);
            reach(depth + levels);
            continue;
        }
        const int opaqueend = skipopaque(text, i);
        if (opaqueend != i) {
            if (opaqueend < 0) {
                scanned.balanced = false;
                break;
            }
            i = opaqueend;
        } else if (startsat(text, i, QLatin1String("<!DOCTYPE"))) {
            if (!isdocument || elementseen || doctypeseen)
                scanned.verdict = Verdict::Unfollowable;
            else
                scanned.verdict = doctype(text, &i);
            doctypeseen = true;
        } else if (startsat(text, i, QLatin1String("<!"))) {
            scanned.verdict = Verdict::Unfollowable;
        } else {
            const int end = markupend(text, i + 1);
            if (end < 0) {
                scanned.balanced = false;
                break;
            }
            if (text.at(i + 1) == QLatin1Char('/')) {
                if (--depth < 0) {
                    // A reader stops at an end tag that ends nothing.
                    scanned.balanced = false;
                    depth = 0;
                }
            } else if (text.at(end - 1) == QLatin1Char('/')) {
                reach(depth + 1);   // an element without content is a level too
            } else {
                reach(++depth);
            }
            elementseen = true;
            i = end + 1;
        }
    }
    scanned.balanced = scanned.balanced && depth == 0;
    return scanned;
}

// The reference at position ("&"): a character reference nests nothing; an
// entity's reference is a level of its own around whatever its text nests.
// A lone "&" is a fault where a reader stops; the scan goes on past it.
Verdict DepthScan::reference(const QString &text, int *position, int *levels)
{
    const int namestart = *position + 1;
    *levels = 0;
    if (namestart < text.size() && text.at(namestart) == QLatin1Char('#')) {
        *position = namestart + 1;
        return Verdict::Within;
    }
    const int nameend = skipname(text, namestart);
    if (nameend == namestart || nameend >= text.size() || text.at(nameend) != QLatin1Char(';')) {
        *position = namestart;
        return Verdict::Within;
    }
    *position = nameend + 1;
    const QStringRef name(&text, namestart, nameend - namestart);
    if (ispredefined(name) && !m_entities.contains(name.toString()))
        return Verdict::Within;
    return entitylevels(name.toString(), levels);
}

Verdict DepthScan::entitylevels(const QString &name, int *levels)
{
    *levels = 1;
    const auto found = m_entities.find(name);
    if (found == m_entities.end() || !found->internal)
        return Verdict::Within;   // a reference that a reader cannot follow further
    if (found->busy)
        return Verdict::Unfollowable;
    if (found->peak < 0) {
        // Each entity followed inside another adds a level: a chain longer
        // than the bound is too deep whatever it holds.
        if (m_following >= m_maxdepth)
            return Verdict::TooDeep;
        ++m_following;
        found->busy = true;
        const QString replacement = found->replacement;
        const Scanned scanned = content(replacement, false);
        // The table does not grow while an entity is followed, so found
        // still points at it.
        found->busy = false;
        --m_following;
        if (scanned.verdict != Verdict::Within)
            return scanned.verdict;
        // Markup that does not balance within the entity would let each
        // reference nest further.
        if (!scanned.balanced)
            return Verdict::Unfollowable;
        found->peak = scanned.peak;
    }
    *levels = 1 + found->peak;
    return Verdict::Within;
}

// The document type at position ("<!DOCTYPE"): its name, external
// identifier and internal subset.
Verdict DepthScan::doctype(const QString &text, int *position)
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
            return Verdict::Unfollowable;
        }
    }
}

// The internal subset from position up to and past its "]".
Verdict DepthScan::subset(const QString &text, int *position)
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
        } else if (startsat(text, i, QLatin1String("<!ENTITY"))) {
            const Verdict verdict = entitydeclaration(text, &i);
            if (verdict != Verdict::Within)
                return verdict;
        } else if (startsat(text, i, QLatin1String("<!ELEMENT")) || startsat(text, i, QLatin1String("<!ATTLIST"))
                   || startsat(text, i, QLatin1String("<!NOTATION"))) {
            const int end = markupend(text, i + 2);
            i = end < 0 ? text.size() : end + 1;
        } else {
            return Verdict::Unfollowable;   // a parameter entity's reference, or unknown markup
        }
    }
    *position = i;
    return Verdict::Within;
}

// An entity declaration at position ("<!ENTITY"). Only general entities
// are followed; one declared twice would leave open which text a reader
// takes.
Verdict DepthScan::entitydeclaration(const QString &text, int *position)
{
    int i = skipspace(text, *position + int(qstrlen("<!ENTITY")));
    if (i < text.size() && text.at(i) == QLatin1Char('%'))
        return Verdict::Unfollowable;
    const int nameend = skipname(text, i);
    const QString name = text.mid(i, nameend - i);
    if (name.isEmpty() || m_entities.contains(name))
        return Verdict::Unfollowable;
    i = skipspace(text, nameend);
    Entity entity;
    if (i < text.size() && (text.at(i) == QLatin1Char('"') || text.at(i) == QLatin1Char('\''))) {
        const int end = text.indexOf(text.at(i), i + 1);
        if (end < 0) {
            *position = text.size();
            return Verdict::Within;
        }
        if (!replacementtext(QStringRef(&text, i + 1, end - i - 1), &entity.replacement))
            return Verdict::Unfollowable;
        i = skipspace(text, end + 1);
        if (i < text.size() && text.at(i) != QLatin1Char('>'))
            return Verdict::Unfollowable;
    } else {
        // An external entity: a reader here never loads it.
        entity.internal = false;
        i = markupend(text, i);
        if (i < 0)
            i = text.size();
    }
    m_entities.insert(name, entity);
    *position = qMin(i + 1, text.size());
    return Verdict::Within;
}

} // namespace

bool withinxmldepth(const QString &text, int maxdepth)
{
    return DepthScan(maxdepth).document(text) == Verdict::Within;
}

} // namespace fileio
