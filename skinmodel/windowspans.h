#pragma once
// Where the window elements of a Tessary skin document stand in its text,
// so that the content of the windows a job drops can be left out before the
// document is parsed: most of the skin is modules the user does not show,
// and building and freeing their trees would be most of the job's work.
#include <QByteArray>
#include <QVector>

// The content of one window element: the bytes after its start tag up to
// its end tag (empty for an empty-element tag).
struct WindowSpan
{
    int contentstart = 0;
    int contentend = 0;
};

// Finds every window element of the document, in document order, skipping
// comments, CDATA sections, processing instructions and quoted attribute
// values. False when the text is not laid out so that this is certain (a
// document type, a window inside a window, a tag or window that does not
// end); the caller then parses the whole document.
bool findwindowspans(const QByteArray &xml, QVector<WindowSpan> *spans);

// The text with the content of window i left out where keep holds false
// for it (or has no entry): such a window stays as an element without
// children, with its start tag as it was.
QByteArray withoutwindowcontent(const QByteArray &xml, const QVector<WindowSpan> &spans,
                                const QVector<bool> &keep);
