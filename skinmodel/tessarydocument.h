#pragma once
// The Tessary skin's document for one create-skin job. It is read once;
// the windows table is taken from its windows alone, and for pruning only
// the content of the windows the job keeps is parsed. A skin holds far more
// modules than a user shows, and building and freeing the trees of the
// others would be most of the job's work. The result is the tree that
// parsing the whole document and pruning it gives.
#include "windowspans.h"

#include "fileio/fileio.h"

#include <QByteArray>
#include <QDomDocument>
#include <QString>
#include <QVector>

class SkinModel;

class TessaryDocument
{
public:
    // Reads the document at path; false when it cannot be read, or holds
    // what no skin document does (fileio::checkxml).
    bool read(const QString &path);

    // Why the document was not read whole, once read, readwindows or prune
    // found a fault; true (no problem) otherwise.
    const fileio::XmlRead &readresult() const { return m_read; }

    // Appends the windows table for the project to the model's
    // (SkinModel::getWins2); false when the project shows no module.
    bool readwindows(SkinModel &model, const QString &projectpath);

    // Prunes the document to the windows that the model's table keeps and
    // writes it as the pruned skin (SkinModel::delwindows); false when it
    // cannot be parsed or written.
    bool prune(SkinModel &model);

    // Forgets the document.
    void clear();

private:
    QByteArray m_bytes;
    fileio::XmlRead m_read;
    QVector<WindowSpan> m_spans;
    bool m_spansfound = false;   // windows found in the text: parse by parts
    QDomDocument m_whole;        // otherwise the whole document, once
    bool m_wholeparsed = false;
};
