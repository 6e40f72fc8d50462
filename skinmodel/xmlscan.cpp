#include "xmlscan.h"

namespace {

struct OtherMarkup
{
    const char *opening;
    const char *closing;
};

const OtherMarkup othermarkup[] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};

} // namespace

bool xmlstartsat(const QByteArray &xml, int position, const char *literal)
{
    const int length = int(qstrlen(literal));
    return position >= 0 && position + length <= xml.size()
           && qstrncmp(xml.constData() + position, literal, uint(length)) == 0;
}

bool xmlisothermarkup(const QByteArray &xml, int position)
{
    for (const OtherMarkup &markup : othermarkup) {
        if (xmlstartsat(xml, position, markup.opening))
            return true;
    }
    return false;
}

int xmlothermarkupend(const QByteArray &xml, int position)
{
    for (const OtherMarkup &markup : othermarkup) {
        if (!xmlstartsat(xml, position, markup.opening))
            continue;
        const int end = xml.indexOf(markup.closing, position + int(qstrlen(markup.opening)));
        return end < 0 ? -1 : end + int(qstrlen(markup.closing));
    }
    return -1;
}

int xmltagend(const QByteArray &xml, int from, bool stopatopening)
{
    char quote = 0;
    for (int i = from; i < xml.size(); ++i) {
        const char c = xml.at(i);
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i;
        } else if (c == '<' && stopatopening) {
            return -1;
        }
    }
    return -1;
}
