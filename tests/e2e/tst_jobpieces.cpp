// The create-skin job's steps without a window, on each built-in demo
// project at two screen sizes: every piece packed into the image sheet lies
// inside the finished skin.png, no two overlap, and the regions that
// skin.xml names are exactly the packed pieces.
#include <QtTest>

#include "app/createskinjob.h"
#include "colours/colourscheme.h"
#include "skinmodel/skinmodel.h"
#include "writer/skinwriter.h"
#include "support/headlessjob.h"
#include "support/skinzip.h"
#include "support/fixtureskin.h"
#include "support/testsupport.h"

namespace {

// One headless run over a host folder in a temporary folder.
struct HeadlessRun : HeadlessJob
{
    HeadlessRun(const QString &tessaryzip, int screenwidth, int screenheight)
        : HeadlessJob(tessaryzip, QStringLiteral("Headless"), screenwidth, screenheight)
    {
    }

    // The job's steps after its checks; the failure that stopped it.
    CreateSkinJob::Failure run(const QString &projectpath)
    {
        CreateSkinJob job(model, paths, steps());
        job.phasestarted = [this](CreateSkinJob::Phase phase) { phases << phase; };
        job.makefolders();
        CreateSkinJob::Failure failure = CreateSkinJob::Failure::Unpack;
        if (job.unpack())
            failure = job.readproject(projectpath) ? job.build() : CreateSkinJob::Failure::Prepare;
        job.cleanup();
        return failure;
    }

    QVector<CreateSkinJob::Phase> phases;
};

QRect piecerect(const PackRecord &piece)
{
    return QRect(piece.result.value(0), piece.result.value(1), piece.result.value(2),
                 piece.result.value(3));
}

QString describe(const QRect &rect)
{
    return QString("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

} // namespace

class TestJobPieces : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void packedPieces_data();
    void packedPieces();
    void zeroSizedProject();

private:
    QTemporaryDir m_files;
};

void TestJobPieces::initTestCase()
{
    QVERIFY(fixtureskin::writezip(m_files.filePath("fixture.zip")));
    QVERIFY(testsupport::writeFile(m_files.filePath("fixture.xml"),
                                   fixtureskin::project(fixtureskin::modules())));
}

void TestJobPieces::packedPieces_data()
{
    QTest::addColumn<QString>("tessary");
    QTest::addColumn<QString>("project");
    QTest::addColumn<int>("screenwidth");
    QTest::addColumn<int>("screenheight");
    for (const char *demo : {"Demo 1", "Demo 2", "Demo 3"}) {
        const QString project = QString("://Resources/%1.xml").arg(demo);
        QTest::newRow(qPrintable(QString("%1 1920x1080").arg(demo)))
            << "://Resources/Tessary.zip" << project << 1920 << 1080;
        QTest::newRow(qPrintable(QString("%1 2560x1440").arg(demo)))
            << "://Resources/Tessary.zip" << project << 2560 << 1440;
    }
    QTest::newRow("fixture 1920x1080") << m_files.filePath("fixture.zip")
                                       << m_files.filePath("fixture.xml") << 1920 << 1080;
    QTest::newRow("fixture 1280x720") << m_files.filePath("fixture.zip")
                                      << m_files.filePath("fixture.xml") << 1280 << 720;
}

void TestJobPieces::packedPieces()
{
    QFETCH(QString, tessary);
    QFETCH(QString, project);
    QFETCH(int, screenwidth);
    QFETCH(int, screenheight);
    if (!QFile::exists(tessary) || !QFile::exists(project))
        QSKIP("the built-in demo projects or Tessary skin are not there");
    HeadlessRun run(tessary, screenwidth, screenheight);
    run.model.skinwidth = 1920;
    run.model.skinheight = 1080;

    QCOMPARE(run.run(project), CreateSkinJob::Failure::None);

    using Phase = CreateSkinJob::Phase;
    QCOMPARE(run.phases, QVector<Phase>({Phase::Unpack, Phase::ReadProject, Phase::MoveFiles,
                                         Phase::StartSheet, Phase::Prune, Phase::WriteDocument,
                                         Phase::Preview, Phase::Pack, Phase::CleanUp}));
    QVERIFY(run.model.windows.isEmpty());
    QVERIFY(!QFileInfo::exists(run.paths.toexport));
    QCOMPARE(skinzip::entries(run.paths.targetzip), QStringList({"mypreview.png", "skin.png", "skin.xml"}));

    QImage sheet;
    QVERIFY(sheet.loadFromData(skinzip::entry(run.paths.targetzip, "skin.png"), "PNG"));
    QCOMPARE(sheet.width(), screenwidth);
    QVERIFY(!run.pieces.isEmpty());
    const QRect background(0, 0, screenwidth, screenheight);
    for (int i = 0; i < run.pieces.size(); ++i) {
        const QRect piece = piecerect(run.pieces.at(i));
        QVERIFY2(skinzip::inside(piece, sheet.size()), qPrintable(describe(piece)));
        QVERIFY2(!piece.intersects(background), qPrintable(describe(piece)));
        for (int j = 0; j < i; ++j)
            QVERIFY2(!piece.intersects(piecerect(run.pieces.at(j))),
                     qPrintable(describe(piece) + " overlaps " + describe(piecerect(run.pieces.at(j)))));
    }

    QDomDocument document;
    QVERIFY(document.setContent(skinzip::entry(run.paths.targetzip, "skin.xml")));
    const QVector<skinzip::Region> regions = skinzip::namedregions(document);
    QVERIFY(!regions.isEmpty());
    for (const skinzip::Region &region : regions) {
        const bool packed = std::any_of(run.pieces.cbegin(), run.pieces.cend(), [&](const PackRecord &piece) {
            return piecerect(piece) == region.rect;
        });
        QVERIFY2(packed, qPrintable(region.where + " names " + describe(region.rect)
                                    + ", which is no packed piece"));
    }
}

// A project laid out for a screen of no size must not scale anything to
// infinity: the job completes with a well-formed document of plain numbers.
void TestJobPieces::zeroSizedProject()
{
    HeadlessRun run(m_files.filePath("fixture.zip"), 1920, 1080);
    run.model.skinwidth = 0;
    run.model.skinheight = 0;

    QCOMPARE(run.run(m_files.filePath("fixture.xml")), CreateSkinJob::Failure::None);

    const QByteArray text = skinzip::entry(run.paths.targetzip, "skin.xml");
    QDomDocument document;
    QVERIFY(document.setContent(text));
    QVERIFY(!text.contains("inf"));
    QVERIFY(!text.contains("nan"));
}

QTEST_MAIN(TestJobPieces)
#include "tst_jobpieces.moc"
