#include "xmlbounds.h"

#include <algorithm>

#include "quoted.h"

namespace fileio {

namespace {

bool isspace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

bool isnamechar(QChar c)
{
    return c.unicode() >= 0x80 || c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char(':')
           || c == QLatin1Char('-') || c == QLatin1Char('.');
}

// The characters XML 1.0 allows in a document.
bool isxmlchar(uint c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
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

bool isasciiletter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool isasciidigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// "1." and digits.
bool isversionnumber(const QStringRef &value)
{
    if (value.size() < 3 || !value.startsWith(QLatin1String("1.")))
        return false;
    return std::all_of(value.begin() + 2, value.end(), isasciidigit);
}

// A letter, then letters, digits, '.', '_' and '-'.
bool isencodingname(const QStringRef &value)
{
    return !value.isEmpty() && isasciiletter(value.at(0))
           && std::all_of(value.begin() + 1, value.end(), [](QChar c) {
                  return isasciiletter(c) || isasciidigit(c) || c == QLatin1Char('.') || c == QLatin1Char('_')
                         || c == QLatin1Char('-');
              });
}

bool isyesorno(const QStringRef &value)
{
    return value == QLatin1String("yes") || value == QLatin1String("no");
}

// What the XML declaration may hold, in this order, each value by its own
// grammar. Qt's readers take more (a version "2.0", references in a value,
// which the reader that keeps white space turns into nodes of their own
// before the root), and what they take is written back.
struct DeclarationValue
{
    QLatin1String name;
    bool required;
    bool (*valid)(const QStringRef &);
    const char *expected;
};

const DeclarationValue declarationvalues[] = {
    {QLatin1String("version"), true, isversionnumber, "\"1.\" followed by digits"},
    {QLatin1String("encoding"), false, isencodingname,
     "an encoding name (a letter, then letters, digits, \".\", \"_\" and \"-\")"},
    {QLatin1String("standalone"), false, isyesorno, "\"yes\" or \"no\""}};

// What the markup of a document type's internal subset makes Qt's DOM hold.
enum class Builds {
    Nothing,
    OneNode,         // a notation, kept by the document type
    DefaultValues    // nothing, but the reader that keeps white space makes
                     // each entity reference of a default value a node of
                     // the document, which a writer would put after the
                     // document type; refused as in an attribute value
};

struct Declaration
{
    QLatin1String opening;
    Builds builds;
};

const Declaration declarations[] = {{QLatin1String("<!ELEMENT"), Builds::Nothing},
                                    {QLatin1String("<!ATTLIST"), Builds::DefaultValues},
                                    {QLatin1String("<!NOTATION"), Builds::OneNode}};

// The predefined entities stand for one character each and nest nothing.
bool ispredefined(const QStringRef &name)
{
    for (const char *entity : {"lt", "gt", "amp", "apos", "quot"}) {
        if (name == QLatin1String(entity))
            return true;
    }
    return false;
}

// What stands at a "&".
enum class Reference { None, Character, Entity };

// The value of the character reference's digits (decimal or, after "x",
// hexadecimal); a value past U+10FFFF, which names no character, when it
// is larger or holds anything but digits.
uint referencevalue(const QStringRef &digits)
{
    const bool hex = digits.startsWith(QLatin1Char('x'));
    const int base = hex ? 16 : 10;
    quint64 value = 0;
    for (int i = hex ? 1 : 0; i < digits.size(); ++i) {
        const ushort c = digits.at(i).unicode();
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0 || digit >= base)
            return 0x110000;
        value = value * base + uint(digit);
        if (value > 0x10FFFF)
            return 0x110000;
    }
    return uint(value);
}

// Reads the document's text once, counting and checking as it goes.
class Scanner
{
public:
    Scanner(const QString &text, int maxnodes, int maxdepth)
        : m_text(text), m_maxnodes(maxnodes), m_maxdepth(maxdepth)
    {
    }

    XmlScan run()
    {
        if (allowedcharacters())
            scandocument();
        m_result.nodes = m_nodes;
        return m_result;
    }

private:
    bool fail(XmlProblem problem, int position, const QString &detail = QString())
    {
        m_result.problem = problem;
        m_result.position = position;
        m_result.detail = detail;
        return false;
    }

    // Adds nodes; false past the bound.
    bool count(int position, int nodes = 1)
    {
        m_nodes += nodes;
        return m_nodes <= m_maxnodes || fail(XmlProblem::TooMany, position);
    }

    // Whether one more level below the current one is within the bound.
    bool deeper() const
    {
        return m_depth + 1 <= m_maxdepth;
    }

    // True when the text holds only characters XML allows: Qt's reader
    // takes the others too, and a document written back with them would not
    // be XML. (The decoder has paired every surrogate.)
    bool allowedcharacters()
    {
        const QChar *data = m_text.constData();
        for (int i = 0; i < m_text.size(); ++i) {
            const ushort c = data[i].unicode();
            if (!QChar::isSurrogate(c) && !isxmlchar(c))
                return fail(XmlProblem::Malformed, i,
                            QStringLiteral("the character U+%1 is not allowed in XML")
                                .arg(QString::number(c, 16).toUpper().rightJustified(4, QLatin1Char('0'))));
        }
        return true;
    }

    // The reference at *position ("&"), moving past it. A character
    // reference must name a character XML allows; one past U+FFFF is noted.
    // A lone "&" is a fault where a reader stops, and the scan goes on past it.
    Reference reference(int *position)
    {
        const int start = *position;
        const int namestart = start + 1;
        if (namestart < m_text.size() && m_text.at(namestart) == QLatin1Char('#')) {
            int end = namestart + 1;
            while (end < m_text.size() && (m_text.at(end).isLetterOrNumber()))
                ++end;
            if (end >= m_text.size() || m_text.at(end) != QLatin1Char(';') || end == namestart + 1) {
                *position = namestart + 1;
                return Reference::None;
            }
            *position = end + 1;
            const uint character = referencevalue(QStringRef(&m_text, namestart + 1, end - namestart - 1));
            if (!isxmlchar(character)) {
                fail(XmlProblem::Malformed, start,
                     QStringLiteral("the reference %1 names no character XML allows")
                         .arg(quoted(QStringView(m_text).mid(start, end + 1 - start))));
                return Reference::None;
            }
            if (character > 0xFFFF)
                m_result.widereferences.append({start, end + 1 - start, character});
            return Reference::Character;
        }
        const int nameend = skipname(m_text, namestart);
        if (nameend == namestart || nameend >= m_text.size() || m_text.at(nameend) != QLatin1Char(';')) {
            *position = namestart;
            return Reference::None;
        }
        *position = nameend + 1;
        return ispredefined(QStringRef(&m_text, namestart, nameend - namestart)) ? Reference::Character
                                                                                   : Reference::Entity;
    }

    bool failed() const { return m_result.problem != XmlProblem::None; }

    // A run of text up to the next markup: one node, and two more for each
    // reference to an entity the reader cannot resolve (a node of its own,
    // one level down, and the text after it).
    bool content(int *position)
    {
        int i = *position;
        if (!count(i))
            return false;
        while (i < m_text.size() && m_text.at(i) != QLatin1Char('<')) {
            if (m_text.at(i) != QLatin1Char('&')) {
                ++i;
                continue;
            }
            const int at = i;
            if (reference(&i) == Reference::Entity) {
                if (!deeper())
                    return fail(XmlProblem::TooDeep, at);
                if (!count(at, 2))
                    return false;
            }
            if (failed())
                return false;
        }
        *position = i;
        return true;
    }

    // What the markup from position to end holds outside and inside its
    // quoted literals.
    struct Literals
    {
        int equals = 0;            // signs outside the literals
        int references = 0;        // to entities, inside them
        int firstreference = -1;   // where the first of those stands
    };

    // Reads the markup from position to end, checking each character
    // reference in its literals as it passes.
    Literals literals(int position, int end)
    {
        Literals found;
        QChar quote;
        for (int i = position; i < end && !failed();) {
            const QChar c = m_text.at(i);
            if (quote.isNull()) {
                if (c == QLatin1Char('"') || c == QLatin1Char('\''))
                    quote = c;
                else if (c == QLatin1Char('='))
                    ++found.equals;
                ++i;
            } else if (c == quote) {
                quote = QChar();
                ++i;
            } else if (c == QLatin1Char('&')) {
                const int at = i;
                if (reference(&i) == Reference::Entity && found.references++ == 0)
                    found.firstreference = at;
            } else {
                ++i;
            }
        }
        return found;
    }

    // False when the literals read hold a reference to an entity, which
    // none declares: Qt's readers drop it from an attribute value.
    bool withoutentities(const Literals &found)
    {
        if (failed())
            return false;
        if (found.references == 0)
            return true;
        const int at = found.firstreference;
        return fail(XmlProblem::Entities, at,
                    QStringLiteral("refers to the undeclared entity %1 in an attribute value")
                        .arg(quoted(QStringView(m_text).mid(at, m_text.indexOf(QLatin1Char(';'), at) + 1 - at))));
    }

    // A start or end tag from position ("<") to its ">" at end: each
    // attribute is a node (one "=" each, however they are laid out), and a
    // reference in a value must keep its character in the tree.
    bool tag(int position, int end)
    {
        const Literals found = literals(position + 1, end);
        if (!withoutentities(found))
            return false;
        if (m_text.at(position + 1) == QLatin1Char('/')) {
            // A reader stops at an end tag that ends nothing; the scan reads on.
            m_depth = qMax(m_depth - 1, 0);
            return true;
        }
        // An element without content is a level too.
        if (!deeper())
            return fail(XmlProblem::TooDeep, position);
        if (!count(position, 1 + found.equals))
            return false;
        if (m_text.at(end - 1) != QLatin1Char('/'))
            ++m_depth;
        return true;
    }

    // A processing instruction at position ("<?"): only the XML declaration,
    // at the very start, may be named "xml", in any letter case.
    bool instruction(int position)
    {
        const int target = position + 2;
        const QStringRef name(&m_text, target, skipname(m_text, target) - target);
        if (name.compare(QLatin1String("xml"), Qt::CaseInsensitive) != 0)
            return true;
        return fail(XmlProblem::Malformed, position,
                    QStringLiteral("a processing instruction is named \"%1\", which only the XML declaration "
                                   "at the very start may be")
                        .arg(quoted(name)));
    }

    // Whether the text opens with the XML declaration (rather than another
    // instruction whose name begins with "xml").
    bool startswithdeclaration() const
    {
        return startsat(m_text, 0, QLatin1String("<?xml")) && skipname(m_text, 2) == 5;
    }

    // The XML declaration at the start, read by its grammar: a version, then
    // an encoding and standalone if given, each after white space and with
    // white space allowed around its "=", and nothing else. One node.
    bool xmldeclaration(int *position)
    {
        int i = int(qstrlen("<?xml"));
        for (const DeclarationValue &value : declarationvalues) {
            const int start = skipspace(m_text, i);
            const int nameend = start + value.name.size();
            if (start == i || !startsat(m_text, start, value.name)
                || (nameend < m_text.size() && isnamechar(m_text.at(nameend)))) {
                if (value.required)
                    return fail(XmlProblem::Malformed, start,
                                QStringLiteral("the XML declaration does not begin with its version"));
                continue;
            }
            const int equals = skipspace(m_text, nameend);
            if (equals >= m_text.size() || m_text.at(equals) != QLatin1Char('='))
                return fail(XmlProblem::Malformed, equals,
                            QStringLiteral("the XML declaration's %1 has no \"=\"").arg(value.name));
            const int open = skipspace(m_text, equals + 1);
            const QChar quote = open < m_text.size() ? m_text.at(open) : QChar();
            const int close = quote == QLatin1Char('"') || quote == QLatin1Char('\'')
                                  ? int(m_text.indexOf(quote, open + 1))
                                  : -1;
            if (close < 0)
                return fail(XmlProblem::Malformed, open,
                            QStringLiteral("the XML declaration's %1 is not in quotes").arg(value.name));
            if (!value.valid(QStringRef(&m_text, open + 1, close - open - 1)))
                return fail(XmlProblem::Malformed, open + 1,
                            QStringLiteral("the XML declaration's %1 is not %2")
                                .arg(value.name, QLatin1String(value.expected)));
            i = close + 1;
        }
        i = skipspace(m_text, i);
        if (!startsat(m_text, i, QLatin1String("?>")))
            return fail(XmlProblem::Malformed, i,
                        QStringLiteral("the XML declaration holds more than a version, an encoding and "
                                       "standalone, in that order"));
        *position = i + 2;
        return count(0);
    }

    // The declaration of the subset at position ("<!"), counting what the
    // DOM makes of it, and moving past it.
    bool subsetdeclaration(const Declaration &declaration, int *position)
    {
        const int start = *position;
        const int end = markupend(m_text, start + 2);
        *position = end < 0 ? m_text.size() : end + 1;
        switch (declaration.builds) {
        case Builds::Nothing:
            return true;
        case Builds::OneNode:
            return count(start);
        case Builds::DefaultValues:
            break;
        }
        return withoutentities(literals(start, *position));
    }

    // A declaration of an entity at position ("<!ENTITY") or a reference to
    // a parameter entity ("%"): refused, saying which.
    bool entity(int position)
    {
        if (m_text.at(position) == QLatin1Char('%'))
            return fail(XmlProblem::Entities, position,
                        QStringLiteral("refers to a parameter entity in its document type"));
        const int name = skipspace(m_text, position + int(qstrlen("<!ENTITY")));
        const bool parameter = name < m_text.size() && m_text.at(name) == QLatin1Char('%');
        return fail(XmlProblem::Entities, position,
                    parameter ? QStringLiteral("declares a parameter entity") : QStringLiteral("declares an entity"));
    }

    // The internal subset from position up to and past its "]": each
    // comment, processing instruction and notation is a node of the DOM; an
    // entity's declaration, or a reference to one in a default value, is
    // refused.
    bool subset(int *position)
    {
        int i = *position;
        while (true) {
            i = skipspace(m_text, i);
            if (i >= m_text.size())
                break;
            if (m_text.at(i) == QLatin1Char(']')) {
                ++i;
                break;
            }
            if (startsat(m_text, i, QLatin1String("<!--")) || startsat(m_text, i, QLatin1String("<?"))) {
                if (m_text.at(i + 1) == QLatin1Char('?') && !instruction(i))
                    return false;
                const int end = skipopaque(m_text, i);
                if (!count(i))
                    return false;
                ++m_result.subsetchildren;
                i = end < 0 ? m_text.size() : end;
                continue;
            }
            const auto known = std::find_if(std::begin(declarations), std::end(declarations),
                                            [&](const Declaration &d) { return startsat(m_text, i, d.opening); });
            if (known != std::end(declarations)) {
                if (!subsetdeclaration(*known, &i))
                    return false;
            } else if (startsat(m_text, i, QLatin1String("<!ENTITY")) || m_text.at(i) == QLatin1Char('%')) {
                return entity(i);
            } else {
                return fail(XmlProblem::Malformed, i,
                            QStringLiteral("the document type holds markup that is not a declaration"));
            }
        }
        *position = i;
        return true;
    }

    // The document type at position ("<!DOCTYPE"): its name, external
    // identifier and internal subset.
    bool doctype(int *position)
    {
        const int start = *position;
        int i = start + int(qstrlen("<!DOCTYPE"));
        while (true) {
            i = skipspace(m_text, i);
            if (i >= m_text.size())
                break;
            const QChar c = m_text.at(i);
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                const int end = m_text.indexOf(c, i + 1);
                i = end < 0 ? m_text.size() : end + 1;
            } else if (c == QLatin1Char('[')) {
                ++i;
                if (!subset(&i))
                    return false;
            } else if (c == QLatin1Char('>')) {
                ++i;
                break;
            } else if (isnamechar(c)) {
                i = skipname(m_text, i);
            } else {
                return fail(XmlProblem::Malformed, i, QStringLiteral("the document type is not well-formed"));
            }
        }
        m_result.doctypestart = start;
        m_result.doctypeend = i;
        *position = i;
        return count(start);
    }

    // Markup from position ("<") that the text ends inside, counted as if it
    // ended there: Qt's readers build a start tag that lacks only its ">",
    // every attribute included, and hold the attributes of one cut off
    // sooner before they report the fault. A comment, a processing
    // instruction or CDATA counts as the node it would be.
    void unended(int position)
    {
        if (skipopaque(m_text, position) < 0) {
            if (m_text.at(position + 1) != QLatin1Char('?') || instruction(position))
                count(position);
        } else if (position + 1 < m_text.size()) {
            tag(position, m_text.size());
        }
    }

    // One pass over the document, level by level. Markup that does not end
    // stops the scan, as it stops a reader, once what the reader builds of
    // it is counted.
    void scandocument()
    {
        bool elementseen = false;
        int i = 0;
        if (startswithdeclaration() && !xmldeclaration(&i))
            return;
        while (i < m_text.size()) {
            if (m_text.at(i) != QLatin1Char('<')) {
                if (!content(&i))
                    return;
                continue;
            }
            const int opaqueend = skipopaque(m_text, i);
            if (opaqueend < 0)
                return unended(i);
            if (opaqueend != i) {
                if (m_text.at(i + 1) == QLatin1Char('?') && !instruction(i))
                    return;
                if (!count(i))
                    return;
                if (m_result.doctypestart >= 0 && !elementseen)
                    ++m_result.afterdoctype;
                i = opaqueend;
                continue;
            }
            if (startsat(m_text, i, QLatin1String("<!DOCTYPE"))) {
                if (elementseen || m_result.doctypestart >= 0) {
                    fail(XmlProblem::Malformed, i, QStringLiteral("a document type stands after the first one "
                                                                  "or after an element"));
                    return;
                }
                if (!doctype(&i))
                    return;
                continue;
            }
            if (startsat(m_text, i, QLatin1String("<!"))) {
                fail(XmlProblem::Malformed, i, QStringLiteral("markup that XML does not have"));
                return;
            }
            const int end = markupend(m_text, i + 1);
            if (end < 0)
                return unended(i);
            if (!tag(i, end))
                return;
            elementseen = true;
            i = end + 1;
        }
    }

    const QString &m_text;
    const int m_maxnodes;
    const int m_maxdepth;
    int m_nodes = 0;
    int m_depth = 0;
    XmlScan m_result;
};

} // namespace

XmlScan scanxml(const QString &text, int maxnodes, int maxdepth)
{
    return Scanner(text, maxnodes, maxdepth).run();
}

} // namespace fileio
