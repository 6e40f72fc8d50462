// Files that are not regular files, where the tool reads a settings file, a
// project or a colour profile: a FIFO would block the open and a device such
// as /dev/zero would read without end. The tool treats each as unreadable
// and goes on; an alarm ends the test program if anything hangs.
#include <QtTest>
#include <QAction>

#include <sys/stat.h>
#include <unistd.h>

#include "app/mainwindow.h"
#include "support/filedialogdriver.h"
#include "support/testsupport.h"

namespace {

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
QString workdir() { return documents() + "/TYX"; }

// A FIFO nobody writes to, below Documents.
QString fifo()
{
    const QString path = documents() + "/pipe";
    if (!QFileInfo::exists(path))
        mkfifo(QFile::encodeName(path).constData(), 0600);
    return path;
}

// Settings that name the given special files for the project and profile.
QByteArray settingswith(const QString &project, const QString &profile)
{
    return QString("qrnfolder,%1/Quorvelin\r\ntyname,Tessary\r\nprojectname,Odd\r\nprojectpath,%2\r\n"
                   "colorprofile,odd\r\ncolorprofilepath,%3\r\n")
        .arg(documents(), project, profile)
        .toUtf8();
}

} // namespace

class TestSpecialFiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsWithSpecialFiles_data();
    void startsWithSpecialFiles();
    void settingsFileIsAFifo();
    void chosenFilesAreSpecial_data();
    void chosenFilesAreSpecial();
};

void TestSpecialFiles::init()
{
    QDir(documents()).removeRecursively();
    QVERIFY(QDir().mkpath(workdir()));
    alarm(60);   // a blocked open never returns: end the program instead
}

void TestSpecialFiles::cleanup()
{
    alarm(0);
}

void TestSpecialFiles::startsWithSpecialFiles_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("profile");
    QTest::newRow("project is a fifo") << fifo() << QString();
    QTest::newRow("project is /dev/zero") << "/dev/zero" << QString();
    QTest::newRow("profile is a fifo") << QString() << fifo();
    QTest::newRow("profile is /dev/zero") << QString() << "/dev/zero";
}

void TestSpecialFiles::startsWithSpecialFiles()
{
    QFETCH(QString, project);
    QFETCH(QString, profile);
    QVERIFY(testsupport::writeFile(workdir() + "/settings.tyx",
                                   settingswith(project.isEmpty() ? fifo() + "-none" : project, profile)));
    MainWindow window;
    QVERIFY(window.zones.size() == 8);
    for (const QList<int> &zone : window.zones)
        QCOMPARE(zone.value(0), 0);   // nothing read, nothing shown
}

void TestSpecialFiles::settingsFileIsAFifo()
{
    QCOMPARE(mkfifo(QFile::encodeName(workdir() + "/settings.tyx").constData(), 0600), 0);
    MainWindow window;
    QCOMPARE(window.settings.value("tyname"), QString("Tessary"));
}

void TestSpecialFiles::chosenFilesAreSpecial_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("file");
    QTest::newRow("project fifo") << "loadproject" << fifo();
    QTest::newRow("project /dev/zero") << "loadproject" << "/dev/zero";
    QTest::newRow("profile fifo") << "loadprofilefromfile" << fifo();
    QTest::newRow("profile /dev/zero") << "loadprofilefromfile" << "/dev/zero";
}

void TestSpecialFiles::chosenFilesAreSpecial()
{
    QFETCH(QString, action);
    QFETCH(QString, file);
    MainWindow window;
    FileDialogDriver pick(file);
    window.findChild<QAction *>(action)->trigger();
    QCOMPARE(pick.dialogs.size(), 1);
}

QTEST_MAIN(TestSpecialFiles)
#include "tst_gui_specialfiles.moc"
