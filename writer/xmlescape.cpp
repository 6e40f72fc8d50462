#include "xmlescape.h"

namespace {

bool isxmlchar(uint code)
{
    return code == 0x9 || code == 0xA || code == 0xD
        || (code >= 0x20 && code <= 0xD7FF)
        || (code >= 0xE000 && code <= 0xFFFD)
        || (code >= 0x10000 && code <= 0x10FFFF);
}

// Whether text at position starts a reference that an XML parser accepts
// without a DTD: one of the five predefined entities or a character
// reference to a character XML allows. Other named entities would be
// undeclared and so break the document. semicolon is the first ";" after
// position, or -1 when there is none.
bool beginsreference(const QString &text, int position, int semicolon)
{
    if (semicolon < 0)
        return false;
    const QStringRef name = text.midRef(position + 1, semicolon - position - 1);
    static const char *const predefined[] = {"amp", "lt", "gt", "quot", "apos"};
    for (const char *entity : predefined) {
        if (name == QLatin1String(entity))
            return true;
    }
    if (!name.startsWith(QLatin1Char('#')) || name.size() < 2)
        return false;
    const bool hex = name.at(1) == QLatin1Char('x');
    const QStringRef digits = name.mid(hex ? 2 : 1);
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits) {
        const bool isdigit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const bool ishexletter = (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
                                 || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
        if (!isdigit && !(hex && ishexletter))
            return false;
    }
    bool ok = false;
    const uint code = digits.toUInt(&ok, hex ? 16 : 10);
    return ok && isxmlchar(code);
}

QString escaped(const QString &value)
{
    QString text;
    text.reserve(value.size());
    // Found once for all the ampersands before it: a search per ampersand
    // would take quadratic time on a long value without semicolons.
    int semicolon = -1;
    bool semicolonfound = false;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            text.append(c);
            text.append(value.at(++i));
        } else if (c.isSurrogate() || !isxmlchar(c.unicode())) {
            continue;
        } else if (c == QLatin1Char('<')) {
            text.append(QLatin1String("&lt;"));
        } else if (c == QLatin1Char('"')) {
            text.append(QLatin1String("&quot;"));
        } else if (c == QLatin1Char('&')) {
            if (!semicolonfound || (semicolon >= 0 && semicolon <= i)) {
                semicolon = value.indexOf(QLatin1Char(';'), i + 1);
                semicolonfound = true;
            }
            if (beginsreference(value, i, semicolon))
                text.append(c);
            else
                text.append(QLatin1String("&amp;"));
        } else {
            text.append(c);
        }
    }
    return text;
}

} // namespace

QString xmlattributevalue(const QString &value)
{
    return escaped(value);
}

QString xmltextcontent(const QString &text)
{
    QString content = escaped(text);
    content.replace(QLatin1String("]]>"), QLatin1String("]]&gt;"));
    return content;
}
