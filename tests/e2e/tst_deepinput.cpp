// Documents nested far deeper than any real file, through every place the
// tool reads XML: the host's settings, a project and the Tessary skin. The
// DOM reader and writer recurse once per level, so such a file used to
// crash the tool; now it reads as unreadable, and a skin nested only a
// little less deep still goes through the whole job.
#include <QtTest>

#include "app/createskinjob.h"
#include "app/projectfile.h"
#include "skinmodel/fileio.h"
#include "skinmodel/hostrecord.h"
#include "support/fixtureskin.h"
#include "support/headlessjob.h"
#include "support/testsupport.h"

namespace {

QByteArray panels(int depth)
{
    return QByteArray("<panel>").repeated(depth) + QByteArray("</panel>").repeated(depth);
}

// The fixture skin with a tower of panels inside the left transport module.
QByteArray deepskin(int depth)
{
    QByteArray xml = fixtureskin::skinxml();
    const QByteArray anchor("<deck deck=\"left\">");
    xml.replace(anchor, anchor + panels(depth));
    return xml;
}

// A host settings file or project whose record sits below a deep element.
QByteArray deeprecord(int depth)
{
    QByteArray xml = fixtureskin::project(fixtureskin::modules());
    xml.replace("</project>", panels(depth) + "</project>");
    return xml;
}

} // namespace

class TestDeepInput : public QObject
{
    Q_OBJECT
private slots:
    void deepHostFileReadsAsEmpty();
    void deepProjectIsNotParsed();
    void skinJob_data();
    void skinJob();

private:
    QTemporaryDir m_files;
};

void TestDeepInput::deepHostFileReadsAsEmpty()
{
    const QString path = m_files.filePath("settings.xml");
    QVERIFY(testsupport::writeFile(path, deeprecord(25000)));
    const HostRecord deep(path);
    QVERIFY(deep.document().documentElement().isNull());
    QVERIFY(!deep.hasrecordchildren());

    QVERIFY(testsupport::writeFile(path, deeprecord(50)));
    QVERIFY(HostRecord(path).hasrecordchildren());
}

void TestDeepInput::deepProjectIsNotParsed()
{
    const QString path = m_files.filePath("deep.xml");
    QVERIFY(testsupport::writeFile(path, deeprecord(25000)));
    QDomDocument document;
    QCOMPARE(projectfile::readxml(path, document), projectfile::ReadStatus::NotParsed);
    QVERIFY(document.documentElement().isNull());
}

void TestDeepInput::skinJob_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("created");
    QTest::newRow("as deep as the tool takes") << fileio::maxxmldepth - 10 << true;
    QTest::newRow("far deeper") << 20000 << false;
}

void TestDeepInput::skinJob()
{
    QFETCH(int, depth);
    QFETCH(bool, created);
    const QString zip = m_files.filePath(QString("deep%1.zip").arg(depth));
    QVERIFY(fixtureskin::writezip(zip, true, deepskin(depth)));
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

QTEST_MAIN(TestDeepInput)
#include "tst_deepinput.moc"
