#include "outputdocument.h"

#include "skinmodel/textfunctions.h"


#include "fileio/fileio.h"

void OutputDocument::clear()
{
    m_text.clear();
}

void OutputDocument::appendheadline(const QString &content)
{
    m_text += content;
    m_text += QLatin1String("\r\n");
}

void OutputDocument::appendline(int level, const QString &content)
{
    m_text += tabs(level);
    m_text += content;
    m_text += QLatin1Char('\n');
}

void OutputDocument::appendemptyline()
{
    m_text += QLatin1Char('\n');
}

bool OutputDocument::save(const QString &path, QString *why) const
{
    return fileio::writefile(path, m_text.toUtf8(), why);
}
