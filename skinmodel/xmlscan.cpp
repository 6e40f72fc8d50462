#include "xmlscan.h"

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
