#pragma once
// The new skin.xml while it is being written. Writers only ever append
// whole lines, in the order of the walk over the skin; the text reaches the
// disk once, complete, when the document is saved.
#include <QString>

class OutputDocument
{
public:
    // Forgets everything written so far.
    void clear();

    // The XML declaration and the root's opening tag end in CR LF, as the
    // host's own skins do; every later line ends in LF.
    void appendheadline(const QString &content);

    // tabs(level), the content and LF.
    void appendline(int level, const QString &content);

    // An empty line (LF alone), as written after every closing group tag.
    void appendemptyline();

    const QString &text() const { return m_text; }

    // Writes the text as UTF-8 without byte-order mark through a temporary
    // file that replaces path only when everything was written; why as
    // fileio::writefile sets it.
    bool save(const QString &path, QString *why = nullptr) const;

private:
    QString m_text;
};
