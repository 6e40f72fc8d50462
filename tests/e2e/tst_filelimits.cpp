// The job and the readers at the limits of their files:
// - documents that no real file is, through every place the tool reads XML
//   (the host's settings, a project, the Tessary skin): nested far deeper
//   (the DOM reader and writer recurse once per level), declaring entities
//   (a few kilobytes of references would make millions of elements) or
//   holding bytes that are not text in their encoding. Such a file reads as
//   unreadable, while a skin nested only a little less deep still goes
//   through the whole job;
// - a full disk while the job writes, or a file of the new skin that cannot
//   be packed: the job fails and an earlier skin of the same name stays as
//   it was.
#include <QtTest>
#include <QTextCodec>

#include <cerrno>

#include "app/createskinjob.h"
#include "app/projectapply.h"
#include "app/projectfile.h"
#include "fileio/fileio.h"
#include "fileio/zipfolders.h"
#include "skinmodel/hostrecord.h"
#include "support/filesizelimit.h"
#include "support/fixtureskin.h"
#include "support/headlessjob.h"
#include "support/testsupport.h"

namespace {

QByteArray panels(int depth)
{
    return QByteArray("<panel>").repeated(depth) + QByteArray("</panel>").repeated(depth);
}

// Document types for a root element %1: some hid the rest of the file from
// an earlier depth check, which counted their brackets without regard to
// quotes, comments, processing instructions or entity values; the others
// declare the entity "e", which the file then references 2,000 times.
struct DocType
{
    QByteArray name;
    QByteArray text;
    bool declaresentity;
};

QList<DocType> doctypes()
{
    QList<DocType> all = {{"no document type", "", false},
                          {"[ in a system id", "<!DOCTYPE %1 SYSTEM \"x[\">", false},
                          {"[ in a subset comment", "<!DOCTYPE %1 [<!-- [ -->]>", false},
                          {"[ in a subset PI", "<!DOCTYPE %1 [<?p [ ?>]>", false},
                          {"[ in an entity value", "<!DOCTYPE %1 [<!ENTITY e \"[\">]>", true}};
    for (const auto &doctype : testsupport::entitydoctypes("%1"))
        all.append({doctype.first, doctype.second, true});
    return all;
}

// xml with the document type made for its root element in front of it, and
// references to its entity, if it declares one, before the root's end tag.
QByteArray withdoctype(QByteArray xml, const DocType &doctype, const QByteArray &root)
{
    if (doctype.declaresentity)
        xml.insert(xml.lastIndexOf("</" + root), QByteArray("&e;").repeated(2000));
    QByteArray made = doctype.text;
    return xml.insert(xml.indexOf("<" + root), made.replace("%1", root));
}

// The fixture skin with a tower of panels inside the left transport module.
QByteArray deepskin(int depth, const DocType &doctype = DocType())
{
    QByteArray xml = fixtureskin::skinxml();
    const QByteArray anchor("<deck deck=\"left\">");
    xml.replace(anchor, anchor + panels(depth));
    return withdoctype(xml, doctype, "skin");
}

// A host settings file or project whose record sits below a deep element.
QByteArray deeprecord(int depth, const DocType &doctype = DocType())
{
    QByteArray xml = fixtureskin::project(fixtureskin::modules());
    xml.replace("</project>", panels(depth) + "</project>");
    return withdoctype(xml, doctype, "project");
}

// xml as files whose bytes are not text in their encoding, named: a
// Latin-1 "é" in UTF-8, declared or not, and a surrogate without its pair
// in UTF-16 of either byte order.
QList<QPair<QByteArray, QByteArray>> undecodables(const QByteArray &xml, const QByteArray &root)
{
    QByteArray undeclared = xml;
    if (undeclared.startsWith("<?xml"))
        undeclared.remove(0, undeclared.indexOf("?>") + 2);
    const QByteArray declared = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + undeclared;
    const auto withlatin1 = [&root](QByteArray text) {
        return text.insert(text.lastIndexOf("</" + root), "<!-- caf\xe9 -->");
    };
    QString withsurrogate = QString::fromUtf8(undeclared);
    withsurrogate.insert(withsurrogate.lastIndexOf("</" + root), "<!-- " + QString(QChar(0xD800)) + " -->");
    const auto utf16 = [&withsurrogate](const char *codec, const QByteArray &mark) {
        QScopedPointer<QTextEncoder> encoder(QTextCodec::codecForName(codec)->makeEncoder(QTextCodec::IgnoreHeader));
        return mark + encoder->fromUnicode(withsurrogate);
    };
    return {{"Latin-1 byte in UTF-8, declared", withlatin1(declared)},
            {"Latin-1 byte in UTF-8, undeclared", withlatin1(undeclared)},
            {"lone surrogate in UTF-16LE", utf16("UTF-16LE", "\xFF\xFE")},
            {"lone surrogate in UTF-16BE", utf16("UTF-16BE", "\xFE\xFF")}};
}

const QByteArray earlier("an earlier skin of the same name");

// A job on a Tessary zip, with an earlier skin of the same name in the
// skins folder, up to where it builds.
struct PreparedJob
{
    PreparedJob(const QString &zip, const QString &skinname)
        : rig(zip, skinname, 1920, 1080), job(rig.model, rig.paths, rig.steps())
    {
    }

    // Unpacks the skin and reads project (a file, or empty when it could
    // not be written); false when either fails.
    bool prepare(const QString &project)
    {
        if (project.isEmpty() || !testsupport::writeFile(rig.paths.targetzip, earlier))
            return false;
        job.makefolders();
        return job.unpack() && job.readproject(project);
    }

    HeadlessJob rig;
    CreateSkinJob job;
};

} // namespace

class TestFileLimits : public QObject
{
    Q_OBJECT
private slots:
    void unreadableHostFileReadsAsEmpty_data();
    void unreadableHostFileReadsAsEmpty();
    void unreadableProjectIsNotParsed_data();
    void unreadableProjectIsNotParsed();
    void skinJob_data();
    void skinJob();
    void skinDocumentPastItsBounds_data();
    void skinDocumentPastItsBounds();
    void applyAtTheBounds();
    void skinJobOnFullDisk_data();
    void skinJobOnFullDisk();
    void skinJobUnpacksOnFullDisk();
    void skinJobThatCannotPack_data();
    void skinJobThatCannotPack();
    void skinNameTheFolderDoesNotTake_data();
    void skinNameTheFolderDoesNotTake();

private:
    // A project that shows every module of the fixture skin; empty when it
    // could not be written.
    QString fixtureproject()
    {
        const QString project = m_files.filePath("fixture.xml");
        return testsupport::writeFile(project, fixtureskin::project(fixtureskin::modules())) ? project : QString();
    }

    QTemporaryDir m_files;
};

// Host settings and projects: each document type in front of a record far
// deeper than the tool takes and of one well within it (read unless the
// document type declares an entity), and records that are not text.
void TestFileLimits::unreadableHostFileReadsAsEmpty_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("read");
    for (const DocType &doctype : doctypes()) {
        QTest::addRow("far deeper, %s", doctype.name.constData()) << deeprecord(50000, doctype) << false;
        QTest::addRow("shallow, %s", doctype.name.constData()) << deeprecord(50, doctype) << !doctype.declaresentity;
    }
    for (const auto &bytes : undecodables(deeprecord(50), "project"))
        QTest::newRow(bytes.first.constData()) << bytes.second << false;
}

// At start-up the current project is read so; a file it cannot read is an
// empty record.
void TestFileLimits::unreadableHostFileReadsAsEmpty()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, read);
    const QString path = m_files.filePath("settings.xml");
    QVERIFY(testsupport::writeFile(path, xml));
    const HostRecord record(path);
    QCOMPARE(record.hasrecordchildren(), read);
    QCOMPARE(record.document().documentElement().isNull(), !read);
}

void TestFileLimits::unreadableProjectIsNotParsed_data()
{
    unreadableHostFileReadsAsEmpty_data();
}

void TestFileLimits::unreadableProjectIsNotParsed()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, read);
    const QString path = m_files.filePath("project.xml");
    QVERIFY(testsupport::writeFile(path, xml));
    QDomDocument document;
    QCOMPARE(bool(fileio::readxml(path, &document)), read);
    QCOMPARE(document.documentElement().isNull(), !read);
}

void TestFileLimits::skinJob_data()
{
    QTest::addColumn<QByteArray>("skin");
    QTest::addColumn<bool>("created");
    for (const DocType &doctype : doctypes()) {
        QTest::addRow("as deep as the tool takes, %s", doctype.name.constData())
            << deepskin(fileio::maxxmldepth - 10, doctype) << !doctype.declaresentity;
        QTest::addRow("far deeper, %s", doctype.name.constData()) << deepskin(50000, doctype) << false;
    }
    for (const auto &bytes : undecodables(deepskin(0), "skin"))
        QTest::newRow(bytes.first.constData()) << bytes.second << false;
}

void TestFileLimits::skinJob()
{
    QFETCH(QByteArray, skin);
    QFETCH(bool, created);
    const QString zip = m_files.filePath(QString("%1.zip").arg(QTest::currentDataTag()));
    QVERIFY(fixtureskin::writezip(zip, true, skin));
    const QString project = fixtureproject();
    QVERIFY(!project.isEmpty());

    HeadlessJob rig(zip, QStringLiteral("Deep"), 1920, 1080);
    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    job.makefolders();
    QVERIFY(job.unpack());
    QVERIFY(job.readproject(project));
    const CreateSkinJob::Failure failure = job.build();
    job.cleanup();
    QCOMPARE(failure == CreateSkinJob::Failure::None, created);
    QCOMPARE(QFile::exists(rig.paths.targetzip), created);
    if (!created)
        QVERIFY(!job.failuretext(failure).isEmpty());
}

// A skin document that would take gigabytes as a tree stops the job with a
// message that names it and why, before any of it is built; an earlier skin
// of the same name stays.
void TestFileLimits::skinDocumentPastItsBounds_data()
{
    QTest::addColumn<QByteArray>("skin");
    QTest::addColumn<QString>("why");
    const QByteArray tiny = QByteArray("<a b=\"\"/>\n").repeated((6 << 20) / 10);
    QTest::newRow("6 MB of tiny elements")
        << fixtureskin::skinxml().replace("</skin>", tiny + "</skin>")
        << " holds more than any real one (more than 500,000 elements, attributes, texts, comments and "
           "other markup).";
    QTest::newRow("6 MB of tiny elements in a module")
        << fixtureskin::skinxml().replace("<deck deck=\"left\">", "<deck deck=\"left\">" + tiny)
        << " holds more than any real one (more than 500,000 elements, attributes, texts, comments and "
           "other markup).";
    QTest::newRow("an entity") << withdoctype(fixtureskin::skinxml(), doctypes().last(), "skin")
                               << " declares an entity, which no real one does (line 2, column 17).";
    QTest::newRow("not well-formed") << fixtureskin::skinxml().replace("</skin>", "</skins>")
                                     << " is not well-formed XML: tag mismatch (line 62, column 8).";
    // Only the shown modules' parts are parsed to be pruned: a fault there is
    // the document's, found where it stands in the whole file.
    QTest::newRow("not well-formed in a shown module")
        << fixtureskin::skinxml().replace("<deck deck=\"left\">", "<deck deck=\"left\"><b></c>")
        << " is not well-formed XML: tag mismatch (line 24, column 28).";
    // A module the project hides is never parsed: the scan of the whole
    // file as it is read is what refuses it.
    const QByteArray hidden("action=\"hidden\">");
    QTest::newRow("a character XML does not allow in a hidden module")
        << fixtureskin::skinxml().replace(hidden, hidden + "&#0;")
        << " is not well-formed XML: the reference &#0; names no character XML allows (line 57, column 63).";
    QTest::newRow("an entity in an attribute of a hidden module")
        << fixtureskin::skinxml().replace(hidden, "action=\"&hidden;\">")
        << " refers to the undeclared entity &hidden; in an attribute value, which no real one does "
           "(line 57, column 55).";
    QTest::newRow("6 MB of tiny elements in a hidden module")
        << fixtureskin::skinxml().replace(hidden, hidden + tiny)
        << " holds more than any real one (more than 500,000 elements, attributes, texts, comments and "
           "other markup).";
}

void TestFileLimits::skinDocumentPastItsBounds()
{
    QFETCH(QByteArray, skin);
    QFETCH(QString, why);
    const QString zip = m_files.filePath("bounds.zip");
    QVERIFY(fixtureskin::writezip(zip, true, skin));
    QVERIFY(QFileInfo(zip).size() < 1 << 20);
    PreparedJob run(zip, QStringLiteral("Bounds"));
    QVERIFY(run.prepare(fixtureproject()));
    const CreateSkinJob::Failure failure = run.job.build();
    run.job.cleanup();
    QCOMPARE(int(failure), int(CreateSkinJob::Failure::SkinDocument));
    QCOMPARE(run.job.failuretext(failure), "Skin has not been created.\nskin.xml in " + run.rig.paths.sourcezip + why);
    QCOMPARE(testsupport::readFile(run.rig.paths.targetzip), earlier);
    QVERIFY(run.rig.pieces.isEmpty());
}

// A project and the host's settings each at both of their bounds are read
// and applied together (their memory is the benchmark's to measure); the
// host they make together is past its bounds, and is left as it was.
void TestFileLimits::applyAtTheBounds()
{
    const auto atbounds = [](QByteArray text, const QByteArray &anchor, const QByteArray &piece, int nodes) {
        QByteArray grown = piece.repeated(nodes / 6);
        grown += "<!--" + QByteArray(int(fileio::smallxmllimits.bytes - text.size() - grown.size() - 7), 'x') + "-->";
        return text.replace(anchor, anchor + grown);
    };
    const QByteArray placement = "<idx9 visible=\"no\" x=\"1\" y=\"2\" width=\"3\" height=\"4\"/>";
    const QByteArray projecttext = atbounds(fixtureskin::project(fixtureskin::modules()),
                                            "<window name=\"Tessary:skin\">\r\n", placement,
                                            fileio::smallxmllimits.nodes - 100);
    const QByteArray hosttext = atbounds("<settings><options><QRNScriptGlobalVariables>$A=0=1</QRNScriptGlobalVariables>"
                                         "</options><skins><skinWindows/></skins></settings>",
                                         "<settings>", "<a b=\"1\" c=\"2\" d=\"3\" e=\"4\" f=\"5\"/>",
                                         fileio::smallxmllimits.nodes - 100);
    QCOMPARE(projecttext.size(), int(fileio::smallxmllimits.bytes));
    QCOMPARE(hosttext.size(), int(fileio::smallxmllimits.bytes));
    const QString project = m_files.filePath("bounds-project.xml");
    const QString host = m_files.filePath("bounds-settings.xml");
    QVERIFY(testsupport::writeFile(project, projecttext) && testsupport::writeFile(host, hosttext));

    const projectapply::Applied applied = projectapply::applyfile(project, host, "Tessary", 1920);
    QCOMPARE(int(applied.result), int(projectapply::Applied::HostOutOfBounds));
    QCOMPARE(applied.read.problem, fileio::XmlProblem::TooLarge);
    QCOMPARE(testsupport::readFile(host), hosttext);
}

void TestFileLimits::skinJobOnFullDisk_data()
{
    // The limit decides which write fails first.
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("message");   // the second line of the run's message
    QTest::newRow("the pruned skin does not fit")
        << 16 << int(CreateSkinJob::Failure::Prepare)
        << "The unpacked Tessary skin could not be prepared in <work>: " + qt_error_string(EFBIG) + ".";
    QTest::newRow("the new skin's files do not fit")
        << 6000 << int(CreateSkinJob::Failure::Write)
        << "The files of the new skin could not be written in <work>/toexport: " + qt_error_string(EFBIG) + ".";
}

void TestFileLimits::skinJobOnFullDisk()
{
    QFETCH(int, limit);
    QFETCH(int, failure);
    QFETCH(QString, message);
    const QString zip = m_files.filePath("fixture.zip");
    QVERIFY(fixtureskin::writezip(zip));
    PreparedJob run(zip, QStringLiteral("Full"));
    QVERIFY(run.prepare(fixtureproject()));
    CreateSkinJob::Failure stopped = CreateSkinJob::Failure::None;
    {
        testsupport::FileSizeLimit full(limit);
        QVERIFY(full.isapplied());
        stopped = run.job.build();
    }
    run.job.cleanup();
    QCOMPARE(int(stopped), failure);
    QCOMPARE(run.job.failuretext(stopped),
             "Skin has not been created.\n" + message.replace("<work>", run.rig.paths.workdir));
    QCOMPARE(testsupport::readFile(run.rig.paths.targetzip), earlier);
}

// The disk fills while the Tessary skin is unpacked: the run says so, with
// the system's reason, and leaves nothing half-unpacked.
void TestFileLimits::skinJobUnpacksOnFullDisk()
{
    const QString zip = m_files.filePath("fixture.zip");
    QVERIFY(fixtureskin::writezip(zip));
    PreparedJob run(zip, QStringLiteral("Full"));
    run.job.makefolders();
    bool unpacked = true;
    {
        testsupport::FileSizeLimit full(16);
        QVERIFY(full.isapplied());
        unpacked = run.job.unpack();
    }
    QVERIFY(!unpacked);
    QCOMPARE(QDir(run.rig.paths.extracts).entryList(QDir::Files), QStringList());
    QCOMPARE(run.job.failuretext(CreateSkinJob::Failure::Unpack),
             "Skin has not been created.\nThe Tessary skin could not be unpacked from " + run.rig.paths.sourcezip
                 + ": " + qt_error_string(EFBIG) + ".");
    run.job.cleanup();
}

void TestFileLimits::skinJobThatCannotPack_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");    // why, as the message gives it
    // Once the skin's files are written, the disk has room for all but the
    // last byte of the zip.
    QTest::newRow("the zip does not fit") << "full disk" << qt_error_string(EFBIG);
    // A file of the skin that packing cannot open.
    QTest::newRow("a file of the skin cannot be read") << "unreadable file"
                                                       << "the files in <toexport> could not be packed";
}

void TestFileLimits::skinJobThatCannotPack()
{
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    const QString zip = m_files.filePath("fixture.zip");
    QVERIFY(fixtureskin::writezip(zip));
    const QString project = fixtureproject();
    QVERIFY(!project.isEmpty());

    HeadlessJob rig(zip, QStringLiteral("Full"), 1920, 1080);
    const QString earlier = rig.base.filePath("earlier.zip");
    QVERIFY(fixtureskin::writezip(earlier));
    QVERIFY(QFile::copy(earlier, rig.paths.targetzip));
    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    QScopedPointer<testsupport::FileSizeLimit> full;
    bool faulted = false;
    job.phasestarted = [&](CreateSkinJob::Phase phase) {
        if (phase != CreateSkinJob::Phase::Pack)
            return;
        if (fault == "full disk") {
            const QString whole = rig.base.filePath("whole.zip");
            faulted = CopressDir(whole, rig.paths.toexport);
            full.reset(new testsupport::FileSizeLimit(QFileInfo(whole).size() - 1));
            faulted = faulted && full->isapplied();
        } else {
            faulted = !testsupport::writeFileBeyondPathLimit(rig.paths.toexport + "/z", "unreadable").isEmpty();
        }
    };
    job.makefolders();
    QVERIFY(job.unpack());
    QVERIFY(job.readproject(project));

    const CreateSkinJob::Failure stopped = job.build();

    full.reset();
    job.cleanup();
    QVERIFY(faulted);
    QCOMPARE(int(stopped), int(CreateSkinJob::Failure::Pack));
    reason.replace("<toexport>", rig.paths.toexport);
    QCOMPARE(job.failuretext(stopped),
             "Skin has not been created.\n" + rig.paths.targetzip + " could not be written: " + reason + ".");
    QCOMPARE(testsupport::readFile(rig.paths.targetzip), testsupport::readFile(earlier));
    QCOMPARE(QDir(QFileInfo(rig.paths.targetzip).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({"Full.zip", "Tessary.zip"}));
    QVERIFY(!QFileInfo::exists(rig.paths.toexport));
}

void TestFileLimits::skinNameTheFolderDoesNotTake_data()
{
    QTest::addColumn<int>("letters");
    // The zip's name passes what the file system takes.
    QTest::newRow("a new zip") << 300;
    // The zip's name fits, but that of the temporary file that replaces the
    // earlier zip does not.
    QTest::newRow("replacing an earlier zip") << 250;
}

// A file system may state a longer limit for a name than it takes (Linux's
// vfat and exFAT state 1530 bytes and take 255 characters). A skin name
// that the check lets through under such a limit fails the run with the
// system's reason, and the skins folder stays as it was.
void TestFileLimits::skinNameTheFolderDoesNotTake()
{
    QFETCH(int, letters);
    const QString zip = m_files.filePath("fixture.zip");
    QVERIFY(fixtureskin::writezip(zip));
    const QString project = fixtureproject();
    QVERIFY(!project.isEmpty());
    const QString name(letters, 'n');
    HeadlessJob rig(zip, name, 1920, 1080);
    const QString skins = QFileInfo(rig.paths.targetzip).path();
    const bool replacing = letters + 4 <= fileio::namelimit(skins);
    if (replacing)
        QVERIFY(testsupport::writeFile(rig.paths.targetzip, earlier));
    const QStringList before = QDir(skins).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    using createskinjob::NameProblem;
    QCOMPARE(createskinjob::checkskinname(name, "Tessary", createskinjob::longestzipname(rig.base.filePath("host"))),
             NameProblem::TooLong);
    const int stated = fileio::longestwritablename(skins, [](const QString &) { return 1530L; });
    QCOMPARE(createskinjob::checkskinname(name, "Tessary", stated), NameProblem::None);

    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    job.makefolders();
    QVERIFY(job.unpack());
    QVERIFY(job.readproject(project));
    const CreateSkinJob::Failure stopped = job.build();
    job.cleanup();
    QCOMPARE(int(stopped), int(CreateSkinJob::Failure::Pack));
    QCOMPARE(job.failuretext(stopped), "Skin has not been created.\n" + rig.paths.targetzip + " could not be written: "
                                           + qt_error_string(ENAMETOOLONG) + ".");
    QCOMPARE(QDir(skins).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    if (replacing)
        QCOMPARE(testsupport::readFile(rig.paths.targetzip), earlier);
}

QTEST_MAIN(TestFileLimits)
#include "tst_filelimits.moc"
