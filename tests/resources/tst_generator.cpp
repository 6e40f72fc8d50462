// Every built-in resource is the output of tyx-resgen: running it again
// must give the committed files byte for byte.
#include <QtTest>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "support/testsupport.h"

class TestGenerator : public QObject
{
    Q_OBJECT
private slots:
    void reproducesEveryResource();
};

void TestGenerator::reproducesEveryResource()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess generator;
    generator.start(QStringLiteral(TYX_RESGEN), {out.path()});
    QVERIFY(generator.waitForFinished(300000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);

    const QStringList made = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    QVERIFY(made.contains(QStringLiteral("Tessary.zip")));
    QVERIFY(made.contains(QStringLiteral("Demo 1.xml")));
    for (const QString &name : made) {
        const QByteArray fresh = testsupport::readFile(out.filePath(name));
        const QByteArray committed = testsupport::readFile(QDir(QStringLiteral(TYX_RESOURCES_DIR)).filePath(name));
        QVERIFY2(!fresh.isEmpty(), qPrintable(name));
        QVERIFY2(fresh == committed, qPrintable(name + QLatin1String(" differs from resources/; run tyx-resgen resources/")));
    }
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
