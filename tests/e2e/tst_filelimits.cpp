// The job and the readers at the limits of their files:
// - documents nested far deeper than any real file, through every place the
//   tool reads XML (the host's settings, a project, the Tessary skin): the
//   DOM reader and writer recurse once per level, so such a file reads as
//   unreadable, while a skin nested only a little less deep still goes
//   through the whole job;
// - a full disk while the job writes, or a file of the new skin that cannot
//   be packed: the job fails and an earlier skin of the same name stays as
//   it was.
#include <QtTest>

#include "app/createskinjob.h"
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

// Document types that hid the rest of the file from an earlier depth check,
// which counted their brackets without regard to quotes, comments,
// processing instructions or entity values.
const char *const doctypes[][2] = {{"no document type", ""},
                                   {"[ in a system id", "<!DOCTYPE %1 SYSTEM \"x[\">"},
                                   {"[ in a subset comment", "<!DOCTYPE %1 [<!-- [ -->]>"},
                                   {"[ in a subset PI", "<!DOCTYPE %1 [<?p [ ?>]>"},
                                   {"[ in an entity value", "<!DOCTYPE %1 [<!ENTITY e \"[\">]>"}};

// xml with the document type made for its root element in front of it.
QByteArray withdoctype(QByteArray xml, const QByteArray &doctype, const QByteArray &root)
{
    QByteArray made = doctype;
    return xml.insert(xml.indexOf("<" + root), made.replace("%1", root));
}

// The fixture skin with a tower of panels inside the left transport module.
QByteArray deepskin(int depth, const QByteArray &doctype = QByteArray())
{
    QByteArray xml = fixtureskin::skinxml();
    const QByteArray anchor("<deck deck=\"left\">");
    xml.replace(anchor, anchor + panels(depth));
    return withdoctype(xml, doctype, "skin");
}

// A host settings file or project whose record sits below a deep element.
QByteArray deeprecord(int depth, const QByteArray &doctype = QByteArray())
{
    QByteArray xml = fixtureskin::project(fixtureskin::modules());
    xml.replace("</project>", panels(depth) + "</project>");
    return withdoctype(xml, doctype, "project");
}

} // namespace

class TestFileLimits : public QObject
{
    Q_OBJECT
private slots:
    void deepHostFileReadsAsEmpty_data();
    void deepHostFileReadsAsEmpty();
    void deepProjectIsNotParsed_data();
    void deepProjectIsNotParsed();
    void skinJob_data();
    void skinJob();
    void skinJobOnFullDisk_data();
    void skinJobOnFullDisk();
    void skinJobThatCannotPack_data();
    void skinJobThatCannotPack();

private:
    QTemporaryDir m_files;
};

void TestFileLimits::deepHostFileReadsAsEmpty_data()
{
    QTest::addColumn<QByteArray>("doctype");
    for (const auto &doctype : doctypes)
        QTest::newRow(doctype[0]) << QByteArray(doctype[1]);
}

void TestFileLimits::deepHostFileReadsAsEmpty()
{
    QFETCH(QByteArray, doctype);
    const QString path = m_files.filePath("settings.xml");
    QVERIFY(testsupport::writeFile(path, deeprecord(50000, doctype)));
    const HostRecord deep(path);
    QVERIFY(deep.document().documentElement().isNull());
    QVERIFY(!deep.hasrecordchildren());

    QVERIFY(testsupport::writeFile(path, deeprecord(50, doctype)));
    QVERIFY(HostRecord(path).hasrecordchildren());
}

void TestFileLimits::deepProjectIsNotParsed_data()
{
    deepHostFileReadsAsEmpty_data();
}

void TestFileLimits::deepProjectIsNotParsed()
{
    QFETCH(QByteArray, doctype);
    const QString path = m_files.filePath("deep.xml");
    QVERIFY(testsupport::writeFile(path, deeprecord(50000, doctype)));
    QDomDocument document;
    QCOMPARE(projectfile::readxml(path, document), projectfile::ReadStatus::NotParsed);
    QVERIFY(document.documentElement().isNull());
}

void TestFileLimits::skinJob_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<QByteArray>("doctype");
    QTest::addColumn<bool>("created");
    for (const auto &doctype : doctypes) {
        QTest::addRow("as deep as the tool takes, %s", doctype[0])
            << fileio::maxxmldepth - 10 << QByteArray(doctype[1]) << true;
        QTest::addRow("far deeper, %s", doctype[0]) << 50000 << QByteArray(doctype[1]) << false;
    }
}

void TestFileLimits::skinJob()
{
    QFETCH(int, depth);
    QFETCH(QByteArray, doctype);
    QFETCH(bool, created);
    const QString zip = m_files.filePath(QString("deep%1.zip").arg(depth));
    QVERIFY(fixtureskin::writezip(zip, true, deepskin(depth, doctype)));
    const QString project = m_files.filePath("fixture.xml");
    QVERIFY(testsupport::writeFile(project, fixtureskin::project(fixtureskin::modules())));

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

void TestFileLimits::skinJobOnFullDisk_data()
{
    // The limit decides which write fails first.
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("failure");
    QTest::newRow("the pruned skin does not fit") << 16 << int(CreateSkinJob::Failure::Prepare);
    QTest::newRow("the new skin's files do not fit") << 6000 << int(CreateSkinJob::Failure::Write);
}

void TestFileLimits::skinJobOnFullDisk()
{
    QFETCH(int, limit);
    QFETCH(int, failure);
    const QString zip = m_files.filePath("fixture.zip");
    QVERIFY(fixtureskin::writezip(zip));
    const QString project = m_files.filePath("fixture.xml");
    QVERIFY(testsupport::writeFile(project, fixtureskin::project(fixtureskin::modules())));

    HeadlessJob rig(zip, QStringLiteral("Full"), 1920, 1080);
    const QByteArray earlier("an earlier skin of the same name");
    QVERIFY(testsupport::writeFile(rig.paths.targetzip, earlier));
    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    job.makefolders();
    QVERIFY(job.unpack());
    QVERIFY(job.readproject(project));
    CreateSkinJob::Failure stopped = CreateSkinJob::Failure::None;
    {
        testsupport::FileSizeLimit full(limit);
        QVERIFY(full.isapplied());
        stopped = job.build();
    }
    job.cleanup();
    QCOMPARE(int(stopped), failure);
    QCOMPARE(testsupport::readFile(rig.paths.targetzip), earlier);
}

void TestFileLimits::skinJobThatCannotPack_data()
{
    QTest::addColumn<QString>("fault");
    // Once the skin's files are written, the disk has room for all but the
    // last byte of the zip.
    QTest::newRow("the zip does not fit") << "full disk";
    // A file of the skin that packing cannot open.
    QTest::newRow("a file of the skin cannot be read") << "unreadable file";
}

void TestFileLimits::skinJobThatCannotPack()
{
    QFETCH(QString, fault);
    const QString zip = m_files.filePath("fixture.zip");
    QVERIFY(fixtureskin::writezip(zip));
    const QString project = m_files.filePath("fixture.xml");
    QVERIFY(testsupport::writeFile(project, fixtureskin::project(fixtureskin::modules())));

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
    QCOMPARE(job.failuretext(stopped), "Skin has not been created.\n" + rig.paths.targetzip + " could not be written.");
    QCOMPARE(testsupport::readFile(rig.paths.targetzip), testsupport::readFile(earlier));
    QCOMPARE(QDir(QFileInfo(rig.paths.targetzip).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({"Full.zip", "Tessary.zip"}));
    QVERIFY(!QFileInfo::exists(rig.paths.toexport));
}

QTEST_MAIN(TestFileLimits)
#include "tst_filelimits.moc"
