#include "windowspans.h"
#include "xmlscan.h"

namespace {

bool isnameend(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '/' || c == '>';
}

// Whether the tag at position (after "<" or "</") is named window.
bool iswindowtag(const QByteArray &xml, int namestart)
{
    const char *const name = "window";
    const int end = namestart + int(qstrlen(name));
    return xmlstartsat(xml, namestart, name) && end < xml.size() && isnameend(xml.at(end));
}

} // namespace

bool findwindowspans(const QByteArray &xml, QVector<WindowSpan> *spans)
{
    spans->clear();
    bool inwindow = false;
    WindowSpan open;
    int position = xml.indexOf('<');
    while (position >= 0) {
        int next;
        if (xmlisothermarkup(xml, position)) {
            next = xmlothermarkupend(xml, position);
        } else if (xmlstartsat(xml, position, "<!")) {
            return false;   // a document type may declare entities
        } else {
            const int end = xmltagend(xml, position + 1, true);
            if (end < 0)
                return false;
            const bool closing = xml.at(position + 1) == '/';
            if (iswindowtag(xml, position + (closing ? 2 : 1))) {
                if (closing) {
                    if (!inwindow)
                        return false;
                    open.contentend = position;
                    spans->append(open);
                    inwindow = false;
                } else {
                    if (inwindow)
                        return false;
                    open.contentstart = end + 1;
                    if (xml.at(end - 1) == '/') {
                        open.contentend = end + 1;
                        spans->append(open);
                    } else {
                        inwindow = true;
                    }
                }
            }
            next = end + 1;
        }
        if (next < 0)
            return false;
        position = xml.indexOf('<', next);
    }
    return !inwindow;
}

QByteArray withoutwindowcontent(const QByteArray &xml, const QVector<WindowSpan> &spans,
                                const QVector<bool> &keep)
{
    QByteArray text;
    text.reserve(xml.size());
    int copied = 0;
    for (int i = 0; i < spans.size(); ++i) {
        if (keep.value(i, false))
            continue;
        text.append(xml.constData() + copied, spans.at(i).contentstart - copied);
        copied = spans.at(i).contentend;
    }
    text.append(xml.constData() + copied, xml.size() - copied);
    return text;
}
