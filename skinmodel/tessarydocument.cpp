#include "tessarydocument.h"

#include "fileio/fileio.h"
#include "pruning.h"
#include "skinmodel.h"

bool TessaryDocument::read(const QString &path)
{
    clear();
    // Checked whole once: the parts parsed later are within its bounds.
    m_read = fileio::readxmlbytes(path, &m_bytes, fileio::skinxmllimits);
    if (!m_read) {
        m_bytes.clear();
        return false;
    }
    m_spansfound = findwindowspans(m_bytes, &m_spans);
    return true;
}

bool TessaryDocument::readwindows(SkinModel &model, const QString &projectpath)
{
    // A document refused as it was read gives the windows of the project alone.
    if (!m_read)
        return model.getWins2(projectpath, QDomDocument());
    if (m_spansfound) {
        // The windows without their content: the start tags, and so the
        // attributes that the table holds, are those of the whole document.
        QDomDocument skeleton;
        if (fileio::parsexml(&skeleton, withoutwindowcontent(m_bytes, m_spans, {}), false, fileio::skinxmllimits)
            && skeleton.elementsByTagName(QStringLiteral("window")).count() == m_spans.size())
            return model.getWins2(projectpath, skeleton);
        m_spansfound = false;
    }
    m_read = fileio::parsexml(&m_whole, m_bytes, false, fileio::skinxmllimits);
    m_wholeparsed = bool(m_read);
    // A document that does not parse is read as getWins2 reads it.
    return m_wholeparsed ? model.getWins2(projectpath, m_whole) : model.getWins2(projectpath);
}

bool TessaryDocument::prune(SkinModel &model)
{
    if (m_spansfound) {
        // Pruning drops every window whose row does not show it ("1" in
        // the visible column) with all its content, so that content need
        // not be parsed at all.
        QVector<bool> keep(m_spans.size(), false);
        for (int i = 0; i < keep.size() && i < model.windows.size(); ++i)
            keep[i] = rowshowswindow(model.windows.at(i));
        QDomDocument kept;
        if (!fileio::parsexml(&kept, withoutwindowcontent(m_bytes, m_spans, keep), false, fileio::skinxmllimits)) {
            // Where the fault stands in the file, rather than in the part.
            kept = QDomDocument();
            m_read = fileio::parsexml(&kept, m_bytes, false, fileio::skinxmllimits);
            return false;
        }
        return model.delwindows(kept);
    }
    return m_wholeparsed ? model.delwindows(m_whole) : model.delwindows();
}

void TessaryDocument::clear()
{
    m_bytes.clear();
    m_read = fileio::XmlRead();
    m_spans.clear();
    m_spansfound = false;
    m_whole = QDomDocument();
    m_wholeparsed = false;
}
