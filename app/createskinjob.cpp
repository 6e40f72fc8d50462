#include "createskinjob.h"

#include "skinmodel/skinmodel.h"
#include "fileio/fileio.h"
#include "fileio/removetree.h"
#include "fileio/zipfolders.h"
#include "writer/picturebounds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cerrno>

namespace createskinjob {

namespace {

// Characters that one of the platforms the host runs on does not allow in
// a file name, or reads as a folder separator.
bool isforbidden(QChar c)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    return forbidden.contains(c);
}

// Characters nobody sees in a name: control characters, and formatting ones
// such as a zero-width space or a right-to-left override, which make two
// names look alike or a name read backwards.
bool isinvisible(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// Windows opens a device, not a file, for these names, whatever extension
// follows them and whatever blanks stand before that extension.
bool isdevicename(const QString &name)
{
    const QString stem = name.section(QLatin1Char('.'), 0, 0);
    int end = stem.size();
    while (end > 0 && stem.at(end - 1) == QLatin1Char(' '))
        --end;
    const QString device = stem.left(end).toUpper();
    static const QStringList plain = {"CON", "PRN", "AUX", "NUL"};
    if (plain.contains(device))
        return true;
    if (device.size() != 4 || !(device.startsWith(QLatin1String("COM")) || device.startsWith(QLatin1String("LPT"))))
        return false;
    // The superscript digits count as well.
    static const QString numbers = QString::fromUtf8("123456789\u00b9\u00b2\u00b3");
    return numbers.contains(device.at(3));
}

// The file-name rules that a skin name and the Tessary name share.
NameProblem checkfilename(const QString &name)
{
    if (name.trimmed().isEmpty())
        return NameProblem::Empty;
    if (std::any_of(name.cbegin(), name.cend(), isinvisible))
        return NameProblem::Invisible;
    if (std::any_of(name.cbegin(), name.cend(), isforbidden))
        return NameProblem::NotAFileName;
    // Windows drops a trailing dot or blank from a file name, so "My Skin."
    // and "My Skin" would be one file; "." and ".." end in a dot too.
    const QChar last = name.at(name.size() - 1);
    if (last == QLatin1Char('.') || last.isSpace())
        return NameProblem::NotAFileName;
    if (isdevicename(name))
        return NameProblem::DeviceName;
    return NameProblem::None;
}

// The name as a message shows it: an invisible character is written as its
// code, so the user sees where it is and it cannot turn the message round.
QString shownname(const QString &name)
{
    QString shown;
    for (const QChar c : name) {
        if (isinvisible(c))
            shown += QStringLiteral("[U+%1]").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        else
            shown += c;
    }
    return shown;
}

QString zipname(const QString &skinname)
{
    return skinname + QLatin1String(".zip");
}

// The bytes of a name as the file system gets them.
int filenamebytes(const QString &name)
{
    return QFile::encodeName(name).size();
}

// The most bytes a skin name may take when its zip's name may take longest.
int longestskinname(int longest)
{
    return qMax(0, longest - filenamebytes(zipname(QString())));
}

QString toolongtext(const QString &skinname, int longest)
{
    return QStringLiteral("A Skin name is too long for a file name: it can take at most %1 bytes, "
                          "one for each plain letter, digit or space and up to four for any other character; "
                          "this one takes %2.")
        .arg(longestskinname(longest))
        .arg(filenamebytes(skinname));
}

// Why a name that is no file name was refused.
QString reasontext(NameProblem problem)
{
    switch (problem) {
    case NameProblem::Empty:
        return QStringLiteral("A Skin name needs at least one character that is not a blank.");
    case NameProblem::NotAFileName:
        return QStringLiteral("A Skin name cannot hold any of / \\ : * ? \" < > | "
                              "and cannot end in a dot or a blank.");
    case NameProblem::DeviceName:
        return QStringLiteral("Windows keeps that name for a device: CON, PRN, AUX, NUL, "
                              "COM1 to COM9 and LPT1 to LPT9 cannot name a Skin, "
                              "with or without an extension.");
    case NameProblem::Invisible:
        return QStringLiteral("A Skin name cannot hold control characters or invisible ones.");
    case NameProblem::None:
    case NameProblem::TooLong:
    case NameProblem::TessaryName:
        break;
    }
    return QString();
}

// A picture's size as the messages give it.
QString pixelstext(const QSize &size)
{
    return QStringLiteral("%1 x %2 pixels").arg(size.width()).arg(size.height());
}

} // namespace

int longestzipname(const QString &hostfolder)
{
    return fileio::longestwritablename(hostfolder + QLatin1String("/Skins"));
}

NameProblem checkskinname(const QString &skinname, const QString &tyname, int longest)
{
    const NameProblem problem = checkfilename(skinname);
    if (problem != NameProblem::None)
        return problem;
    // Refused now rather than after the whole run, when the zip could not
    // be written under that name.
    if (filenamebytes(zipname(skinname)) > longest)
        return NameProblem::TooLong;
    if (!tyname.isEmpty() && skinname.compare(tyname, Qt::CaseInsensitive) == 0)
        return NameProblem::TessaryName;
    return NameProblem::None;
}

NameProblem checktessaryname(const QString &tyname)
{
    return checkfilename(tyname);
}

QString nonametext()
{
    return QStringLiteral("You have not provided a name for the Skin");
}

QString refusednametext(NameProblem problem, const QString &skinname, const QString &tyname,
                        int longest)
{
    switch (problem) {
    case NameProblem::None:
        return QString();
    case NameProblem::Empty:
        return nonametext();
    case NameProblem::TessaryName:
        return QStringLiteral("The Skin cannot be named ") + skinname
               + QStringLiteral(".\nThat would replace the ") + tyname + QStringLiteral(" skin itself.");
    default:
        return QStringLiteral("The Skin cannot be named \"") + shownname(skinname) + QStringLiteral("\".\n")
               + (problem == NameProblem::TooLong ? toolongtext(skinname, longest)
                                                  : reasontext(problem));
    }
}

QString refusedtessarytext(NameProblem problem, const QString &tyname)
{
    if (problem == NameProblem::None)
        return QString();
    return QStringLiteral("The Tessary skin cannot be named \"") + shownname(tyname)
           + QStringLiteral("\".\n") + reasontext(problem);
}

QString notinstalledtext(const QString &tyname)
{
    return QStringLiteral("Cannot proceed. ") + tyname + QStringLiteral(" is not installed");
}

QString overwritetext(const QString &skinname)
{
    return QStringLiteral("Skin ") + skinname + QStringLiteral(" already exists.\nOverwrite ?");
}

QString nomodulestext(const QString &tyname)
{
    return QStringLiteral("Skin has not been created.\n0 modules are used.\nOpen Quorvelin, load ")
           + tyname
           + QStringLiteral(" skin and design youw own skin.\n"
                            "Then come back here to extract your creation.");
}

QString donetext(const QString &skinname)
{
    return QStringLiteral("Your Skin has been created succesfully !\nSelect the ") + skinname
           + QStringLiteral(" skin from Quorvelin Settings->Interface tab");
}

QString inprocesstext()
{
    return QStringLiteral("In Process. Please wait ...");
}

QString donestatustext()
{
    return QStringLiteral("Done !");
}

QString scratchproblemtext(const QString &folder, const fileio::Removal &removal)
{
    using Stayed = fileio::Removal::Stayed;
    const bool itself = QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) == removal.entry;
    switch (removal.stayed) {
    case Stayed::Nothing:
        break;
    case Stayed::Link:
        return folder + QStringLiteral(" is a link; remove it, and the tool makes the folder anew.");
    case Stayed::NotAFolder:
        return folder + QStringLiteral(" is not a folder; remove it, and the tool makes the folder anew.");
    case Stayed::OtherUser:
        if (itself)
            return folder + QStringLiteral(" belongs to another user.");
        return folder + QStringLiteral(" holds ") + removal.entry
               + QStringLiteral(", which belongs to another user.");
    case Stayed::TooDeep:
        return folder + QStringLiteral(" nests deeper than the tool removes.");
    case Stayed::Failed:
        if (itself)
            return folder + QStringLiteral(" could not be removed.");
        return folder + QStringLiteral(" could not be removed: ") + removal.entry
               + QStringLiteral(" could not be deleted.");
    }
    return QString();
}

} // namespace createskinjob

SkinJobPaths::SkinJobPaths(const QString &workdir, const QString &hostfolder,
                           const QString &tyname, const QString &skinname)
    : workdir(workdir),
      tyname(tyname),
      sourcezip(hostfolder + QLatin1String("/Skins/") + createskinjob::zipname(tyname)),
      targetzip(hostfolder + QLatin1String("/Skins/") + createskinjob::zipname(skinname)),
      extracts(workdir + QLatin1String("/extracts")),
      skin(workdir + QLatin1String("/skin")),
      toexport(workdir + QLatin1String("/toexport"))
{
}

QString CreateSkinJob::phasename(Phase phase)
{
    switch (phase) {
    case Phase::Unpack: return QStringLiteral("unpack");
    case Phase::ReadProject: return QStringLiteral("read project");
    case Phase::MoveFiles: return QStringLiteral("move files");
    case Phase::StartSheet: return QStringLiteral("start sheet");
    case Phase::Prune: return QStringLiteral("prune");
    case Phase::WriteDocument: return QStringLiteral("write document");
    case Phase::Preview: return QStringLiteral("preview");
    case Phase::Pack: return QStringLiteral("zip");
    case Phase::CleanUp: return QStringLiteral("clean up");
    }
    return QString();
}

CreateSkinJob::CreateSkinJob(SkinModel &model, const SkinJobPaths &paths, Writer writer)
    : m_model(model), m_paths(paths), m_writer(std::move(writer))
{
}

void CreateSkinJob::startphase(Phase phase)
{
    if (phasestarted)
        phasestarted(phase);
}

void CreateSkinJob::makefolders() const
{
    // With their parents, so that a missing Documents folder does not make
    // every later step fail.
    for (const QString &folder : {m_paths.workdir, m_paths.workdir + QLatin1String("/projects"),
                                  m_paths.extracts, m_paths.skin, m_paths.toexport})
        QDir().mkpath(folder);
}

bool CreateSkinJob::sourceinstalled() const
{
    return QFile::exists(m_paths.sourcezip);
}

bool CreateSkinJob::targetexists() const
{
    return QFile::exists(m_paths.targetzip);
}

bool CreateSkinJob::unpack()
{
    startphase(Phase::Unpack);
    m_toolargeentry.clear();
    m_unpackproblem.clear();
    m_prepareproblem.clear();
    // Whatever an interrupted run left behind would otherwise end up in
    // the new skin's zip. A folder that cannot be made afresh (a link in its
    // place, or entries that are not the user's) is not worked in: the run
    // would write through the link and pack what it finds there.
    m_scratchproblem.clear();
    for (const QString &folder : {m_paths.skin, m_paths.extracts, m_paths.toexport}) {
        const fileio::Removal removal = fileio::removetree(folder, scratchowner);
        if (!removal) {
            m_scratchproblem = createskinjob::scratchproblemtext(folder, removal);
            return false;
        }
        errno = 0;
        if (!QDir().mkpath(folder)) {
            const int error = errno;
            m_scratchproblem = fileio::withreason(folder + QStringLiteral(" could not be created"),
                                                  error ? qt_error_string(error) : QString());
            return false;
        }
    }
    return DecopressDir(m_paths.sourcezip, m_paths.extracts, &m_toolargeentry, &m_unpackproblem);
}

bool CreateSkinJob::readproject(const QString &projectpath)
{
    startphase(Phase::ReadProject);
    m_model.getglobalvars(projectpath);
    // The Tessary document is read once for the whole run; its windows
    // give the table, and pruning parses only what the table keeps.
    m_skin.read(m_paths.extracts + QLatin1String("/skin.xml"));
    return m_skin.readwindows(m_model, projectpath);
}

bool CreateSkinJob::movefiles()
{
    for (const char *name : {"skin.xml", "skin.png"}) {
        const QString from = m_paths.extracts + QLatin1Char('/') + QLatin1String(name);
        const QString to = m_paths.skin + QLatin1Char('/') + QLatin1String(name);
        // A rename never replaces a file.
        if (QFile::exists(to))
            QFile::remove(to);
        QFile moved(from);
        if (!moved.rename(to)) {
            m_prepareproblem = moved.errorString();
            return false;
        }
    }
    return true;
}

bool CreateSkinJob::makepreview()
{
    // Drawn straight from the built-in picture: a copy of it in the export
    // folder would only be read back and removed again.
    return m_writer.editpreview(m_paths.previewpicture);
}

CreateSkinJob::Failure CreateSkinJob::build()
{
    // A document that holds what no skin does is not worked on at all.
    m_skinread = m_skin.readresult();
    if (!m_skinread)
        return Failure::SkinDocument;
    // Refused before any of it is decoded, or any other work is done.
    if (!sourcewithinbound())
        return Failure::SourceTooLarge;

    startphase(Phase::MoveFiles);
    m_prepareproblem.clear();
    m_model.writeproblem.clear();
    if (!movefiles())
        return Failure::Prepare;

    // Every run packs its sheet from an empty start.
    m_model.packx = 0;
    m_model.packy = 0;
    m_model.packbottom = 0;

    startphase(Phase::StartSheet);
    m_writer.createpng();
    if (processevents)
        processevents();

    startphase(Phase::Prune);
    const bool pruned = m_skin.prune(m_model);
    m_skinread = m_skin.readresult();
    m_skin.clear();
    if (!pruned) {
        m_prepareproblem = m_model.writeproblem;
        return m_skinread ? Failure::Prepare : Failure::SkinDocument;
    }

    startphase(Phase::WriteDocument);
    if (!m_writer.createxml())
        return writefailure();

    startphase(Phase::Preview);
    if (!makepreview())
        return writefailure();

    startphase(Phase::Pack);
    if (!CopressDir(m_paths.targetzip, m_paths.toexport, &m_packproblem))
        return Failure::Pack;
    return Failure::None;
}

bool CreateSkinJob::sourcewithinbound()
{
    const QString picture = m_paths.extracts + QLatin1String("/skin.png");
    m_picturesize = QFile::exists(picture) ? pngsize(picture) : QSize();
    return !m_picturesize.isValid() || sourcefits(m_picturesize);
}

CreateSkinJob::Failure CreateSkinJob::writefailure()
{
    using Problem = SkinWriter::Problem;
    const Problem problem = m_writer.problem ? m_writer.problem() : Problem::None;
    m_picturesize = m_writer.problemsize ? m_writer.problemsize() : QSize();
    switch (problem) {
    case Problem::SourcePicture: return Failure::SourcePicture;
    case Problem::SourceNotPng: return Failure::SourceNotPng;
    case Problem::SourceTooLarge: return Failure::SourceTooLarge;
    case Problem::SourceMemory: return Failure::SourceMemory;
    case Problem::SheetTooLarge: return Failure::SheetTooLarge;
    case Problem::SheetMemory: return Failure::SheetMemory;
    case Problem::DesktopTooLarge: return Failure::DesktopTooLarge;
    case Problem::None: break;
    }
    m_writeproblem = m_writer.writeproblem ? m_writer.writeproblem() : QString();
    return Failure::Write;
}

void CreateSkinJob::emptytables()
{
    m_skin.clear();
    m_model.prunedskin.reset();
    m_model.windows.clear();
    m_model.clonevars.clear();
    m_model.groupvars.clear();
}

void CreateSkinJob::cleanup()
{
    startphase(Phase::CleanUp);
    for (const QString &folder : {m_paths.skin, m_paths.extracts, m_paths.toexport})
        fileio::removetree(folder, scratchowner);
    emptytables();
}

QString CreateSkinJob::failuretext(Failure failure) const
{
    using createskinjob::pixelstext;
    const QString head = QStringLiteral("Skin has not been created.\n");
    const QString sourcepicture = QStringLiteral("The picture skin.png of the ") + m_paths.tyname
                                  + QStringLiteral(" skin in ") + m_paths.sourcezip;
    switch (failure) {
    case Failure::None:
        return QString();
    case Failure::Unpack:
        if (!m_scratchproblem.isEmpty())
            return failuretext(Failure::Prepare) + QLatin1Char('\n') + m_scratchproblem;
        if (!m_toolargeentry.isEmpty())
            return head + QStringLiteral("The ") + m_paths.tyname
                   + QStringLiteral(" skin could not be unpacked from ") + m_paths.sourcezip
                   + QStringLiteral(":\n") + m_toolargeentry + QStringLiteral(" is larger than ")
                   + QString::number(skinentrylimit(m_toolargeentry) / (1024 * 1024)) + QStringLiteral(" MB.");
        return head + fileio::withreason(QStringLiteral("The ") + m_paths.tyname
                                             + QStringLiteral(" skin could not be unpacked from ")
                                             + m_paths.sourcezip,
                                         m_unpackproblem);
    case Failure::SkinDocument:
        return head + fileio::xmlproblemtext(m_skinread, QStringLiteral("skin.xml in ") + m_paths.sourcezip);
    case Failure::Prepare:
        return head + fileio::withreason(QStringLiteral("The unpacked ") + m_paths.tyname
                                             + QStringLiteral(" skin could not be prepared in ")
                                             + m_paths.workdir,
                                         m_prepareproblem);
    case Failure::Write:
        return head + fileio::withreason(QStringLiteral("The files of the new skin could not be written in ")
                                             + m_paths.toexport, m_writeproblem);
    case Failure::Pack:
        return head
               + fileio::withreason(m_paths.targetzip + QStringLiteral(" could not be written"), m_packproblem);
    case Failure::SourcePicture:
        return head + sourcepicture + QStringLiteral(" cannot be read.");
    case Failure::SourceNotPng:
        return head + sourcepicture + QStringLiteral(" is not a PNG picture. It must be one.");
    case Failure::SourceTooLarge:
        return head + QStringLiteral("skin.png in ") + m_paths.sourcezip
               + QStringLiteral(" is larger than any real one (%1, more than the %2 it may hold).")
                     .arg(pixelstext(m_picturesize), pixelstext(QSize(largestsourceside, largestsourceside)));
    case Failure::SourceMemory:
        return head + QStringLiteral("There is not enough memory to read skin.png in ") + m_paths.sourcezip
               + QStringLiteral(" (%1).").arg(pixelstext(m_picturesize));
    case Failure::SheetTooLarge:
        return head + QStringLiteral("The picture of the new skin would be %1, more than the %2 it may hold.\n"
                                     "Check the sizes of the modules in the project.")
                          .arg(pixelstext(m_picturesize), pixelstext(QSize(largestsquare, largestsquare)));
    case Failure::DesktopTooLarge:
        return head + QStringLiteral("The desktop of %1 is too large: the picture of the new skin holds "
                                     "the desktop's background and may hold no more than %2.")
                          .arg(pixelstext(m_picturesize), pixelstext(QSize(largestsquare, largestsquare)));
    case Failure::SheetMemory:
        return head + QStringLiteral("There is not enough memory to make the picture of the new skin (%1).")
                          .arg(pixelstext(m_picturesize));
    }
    return QString();
}
