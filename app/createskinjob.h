#pragma once
// The "Create Skin" job without its window: the rules for the skin's name,
// the files it reads and writes, and the steps from unpacking the Tessary
// skin to the finished zip in the host's skins folder. The main window adds
// the questions, the messages and the disabled form around these steps; the
// tests and the benchmark run the same steps without a window.
#include "fileio/removetree.h"
#include "skinmodel/tessarydocument.h"
#include "writer/skinwriter.h"

#include <QString>

#include <functional>

class SkinModel;

namespace createskinjob {

// What is wrong with a skin name, if anything.
enum class NameProblem {
    None,
    Empty,          // nothing but blanks
    NotAFileName,   // a character or form that a file name cannot carry
    DeviceName,     // a name Windows keeps for a device (CON, COM1, ...)
    Invisible,      // a control character or an invisible one (U+200B, ...)
    TooLong,        // the zip's file name would pass the file system's limit
    TessaryName     // would replace the Tessary skin itself
};

// The most bytes the file name of a skin's zip may take in the host's skins
// folder, as the file system there counts them.
int longestzipname(const QString &hostfolder);

// Judges the typed name as the stem of a zip file in the skins folder: it
// must be a plain file name on every platform the host runs on, its zip's
// file name may take at most longest bytes (longestzipname gives them), and
// it must not name the Tessary skin (compared without regard to case, as
// Windows compares file names).
NameProblem checkskinname(const QString &skinname, const QString &tyname, int longest);

// The Tessary skin's name is the stem of its zip in the skins folder too,
// so it is held to the same rules; its length is not judged, as the tool
// only reads that file, and a name too long names no file that exists.
NameProblem checktessaryname(const QString &tyname);

// The messages of the job, each shown in a box titled with the program's
// title. A name too long says how long it may be: longest as for checkskinname.
QString nonametext();
QString refusednametext(NameProblem problem, const QString &skinname, const QString &tyname,
                        int longest);
QString refusedtessarytext(NameProblem problem, const QString &tyname);
QString notinstalledtext(const QString &tyname);
QString overwritetext(const QString &skinname);
QString nomodulestext(const QString &tyname);
QString donetext(const QString &skinname);
QString inprocesstext();
QString donestatustext();

// The line that says why the scratch folder could not be made afresh: what
// stayed when it was removed, and why; a user can mend the folder by it.
QString scratchproblemtext(const QString &folder, const fileio::Removal &removal);

} // namespace createskinjob

// The files of one run.
struct SkinJobPaths
{
    SkinJobPaths(const QString &workdir, const QString &hostfolder, const QString &tyname,
                 const QString &skinname);

    QString workdir;
    QString tyname;
    QString sourcezip;       // the installed Tessary skin
    QString targetzip;       // the new skin
    QString extracts;        // the unpacked Tessary skin
    QString skin;            // its document and image, moved out of extracts
    QString toexport;        // the new skin's files, the content of the zip
    // The built-in picture the preview is made from.
    QString previewpicture = QStringLiteral("://Resources/skinpreview.png");
};

class CreateSkinJob
{
public:
    // The steps of a run after the checks, in order; the benchmark times them.
    enum class Phase { Unpack, ReadProject, MoveFiles, StartSheet, Prune, WriteDocument,
                       Preview, Pack, CleanUp };
    static QString phasename(Phase phase);

    // Why a run stopped without a skin.
    enum class Failure { None, Unpack, SkinDocument, Prepare, Write, Pack, SourcePicture, SourceTooLarge,
                         SourceMemory, SheetTooLarge, SheetMemory, SourceNotPng, DesktopTooLarge };

    // The three writer steps, as the caller runs them (the main window's
    // own members, or a skin writer directly).
    struct Writer
    {
        std::function<void()> createpng;
        std::function<bool()> createxml;
        std::function<bool(const QString &path)> editpreview;
        // Why createxml failed, when the writer can tell, and the size of
        // the picture that was the problem.
        std::function<SkinWriter::Problem()> problem = {};
        std::function<QSize()> problemsize = {};
        // Why a file of the new skin could not be written, when one was not.
        std::function<QString()> writeproblem = {};
    };

    CreateSkinJob(SkinModel &model, const SkinJobPaths &paths, Writer writer);

    // Lets pending events run once, between starting the sheet and pruning.
    std::function<void()> processevents;
    // Told as each phase starts.
    std::function<void(Phase)> phasestarted;
    // Which entries of the scratch folders (extracts, skin, toexport) a run
    // may remove: by default those of the user the program runs as. Any
    // other entry stays where it is; when unpack() finds one, the run stops
    // before it writes anything, with a message that names the entry.
    fileio::Ownership scratchowner = fileio::ownedby(fileio::effectiveuser());

    const SkinJobPaths &paths() const { return m_paths; }

    // Makes the work folders (and any missing parent).
    void makefolders() const;
    bool sourceinstalled() const;
    bool targetexists() const;

    // Empties the scratch folders and unpacks the Tessary skin's document
    // and picture into extracts; false when a scratch folder cannot be
    // made afresh (the failure text then says which and why), the files
    // could not be unpacked, one is too large, or there is no skin document.
    bool unpack();
    // Appends the project's module groups and windows to the model's
    // tables; false when the project shows no module.
    bool readproject(const QString &projectpath);
    // Everything from moving the Tessary files to the zip in the skins
    // folder. Stops at the first step that fails, so a broken skin never
    // reaches the skins folder.
    Failure build();
    // Deletes the scratch folders, as far as scratchowner lets it, and
    // empties the run's tables.
    void cleanup();
    // Empties the tables that a run fills and drops its parsed documents.
    void emptytables();

    // The message for a run that stopped with failure.
    QString failuretext(Failure failure) const;

private:
    void startphase(Phase phase);
    bool movefiles();
    bool makepreview();
    // Why a step of the writer failed: a problem it can tell, or else a file
    // of the new skin that could not be written.
    Failure writefailure();
    // Whether the unpacked Tessary picture's header gives a size within its
    // bound (or no size, which the writer reports when it reads it).
    bool sourcewithinbound();

    SkinModel &m_model;
    SkinJobPaths m_paths;
    Writer m_writer;
    QString m_toolargeentry;    // the entry that unpacking refused for its size
    QString m_writeproblem;     // why a file of the new skin was not written
    QString m_packproblem;      // why the zip was not written
    QString m_unpackproblem;    // why an unpacked file was not written
    QString m_prepareproblem;   // why the unpacked skin was not prepared
    QSize m_picturesize;        // the picture that a picture failure is about
    // Which scratch folder unpacking could not make afresh, and why; empty
    // when it made them all.
    QString m_scratchproblem;
    // The Tessary document, from reading the project until pruning.
    TessaryDocument m_skin;
    // Why the Tessary document was not read, when a run stopped for it.
    fileio::XmlRead m_skinread;
};
