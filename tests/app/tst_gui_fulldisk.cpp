// What the user's actions do when the disk is full: a file-size limit makes
// every write of the process fail past a few bytes. Each action keeps the
// file it would have replaced exactly as it was and says that it failed;
// none claims success.
#include <QtTest>
#include <QAction>

#include <cerrno>

#include "app/mainwindow.h"
#include "support/filedialogdriver.h"
#include "support/filesizelimit.h"
#include "support/messageboxdriver.h"
#include "support/testsupport.h"

namespace {

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
QString workdir() { return documents() + "/TYX"; }
QString hostfile() { return documents() + "/Quorvelin/settings.xml"; }

const QByteArray hostsettings =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<settings>\n <options>\n"
    "  <QRNScriptGlobalVariables>$Host=1=0.50000</QRNScriptGlobalVariables>\n </options>\n"
    " <skins>\n  <skinWindows>\n   <window name=\"Tessary:skin\"><idx2 visible=\"yes\"/></window>\n"
    "  </skinWindows>\n </skins>\n</settings>\n";

QList<SeenBox> triggerAnswering(MainWindow &window, const char *action, QList<QMessageBox::StandardButton> answers)
{
    MessageBoxDriver driver(answers);
    window.findChild<QAction *>(QLatin1String(action))->trigger();
    return driver.boxes;
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void actionKeepsTheFile_data();
    void actionKeepsTheFile();
    void closingKeepsSettingsAndProfile();
};

void TestFullDisk::init()
{
    QDir(documents()).removeRecursively();
    QVERIFY(QDir().mkpath(documents()));
}

void TestFullDisk::actionKeepsTheFile_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("target");      // relative to Documents
    QTest::addColumn<QString>("dialogpick");  // what the file dialog answers
    QTest::addColumn<QString>("message");     // how the last box begins, with the system's reason

    const QString full = ": " + qt_error_string(EFBIG) + ".";
    QTest::newRow("apply") << "actionDefault" << "Quorvelin/settings.xml" << QString()
                           << "Quorvelin Settings file could not be written" + full + "\nProject was not loaded";
    QTest::newRow("save project as") << "projectsaveas" << "TYX/projects/mine.xml" << "mine.xml"
                                     << "Project mine could not be saved to " + documents() + "/TYX/projects/mine.xml"
                                            + full;
    QTest::newRow("save profile as") << "saveascolorprofile" << "TYX/profiles/mine.tycp" << "mine.tycp"
                                     << "Color Profile mine could not be saved to " + documents()
                                            + "/TYX/profiles/mine.tycp" + full;
}

void TestFullDisk::actionKeepsTheFile()
{
    QFETCH(QString, action);
    QFETCH(QString, target);
    QFETCH(QString, dialogpick);
    QFETCH(QString, message);
    QVERIFY(testsupport::writeFile(hostfile(), hostsettings));
    const QString path = documents() + "/" + target;
    const QByteArray old("old content that must survive");
    if (path != hostfile())
        QVERIFY(testsupport::writeFile(path, old));
    const QByteArray before = testsupport::readFile(path);

    MainWindow window;
    window.findChild<QAction *>("loaddemo1project")->trigger();
    QList<SeenBox> boxes;
    {
        QScopedPointer<FileDialogDriver> dialog;
        if (!dialogpick.isEmpty())
            dialog.reset(new FileDialogDriver(QFileInfo(path).absoluteFilePath()));
        testsupport::FileSizeLimit limit(16);
        QVERIFY(limit.isapplied());
        boxes = triggerAnswering(window, qPrintable(action), {QMessageBox::Yes});
    }
    QVERIFY(!boxes.isEmpty());
    QVERIFY2(boxes.last().text.startsWith(message), qPrintable(boxes.last().text));
    QCOMPARE(boxes.last().icon, QMessageBox::Warning);
    QCOMPARE(testsupport::readFile(path), before);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(path).fileName()});
}

// At exit the settings and the colours are saved: on a full disk the files
// of the last session stay whole instead of being emptied.
void TestFullDisk::closingKeepsSettingsAndProfile()
{
    {
        MainWindow window;
    }
    const QString settings = workdir() + "/settings.tyx";
    const QString profile = workdir() + "/profiles/last_used.tycp";
    const QByteArray settingsbefore = testsupport::readFile(settings);
    const QByteArray profilebefore = testsupport::readFile(profile);
    QVERIFY(settingsbefore.contains("qrnfolder,"));
    QVERIFY(profilebefore.size() > 1000);
    QScopedPointer<MainWindow> window(new MainWindow);
    window->settings.insert("skinname", "Changed");
    testsupport::FileSizeLimit limit(16);
    QVERIFY(limit.isapplied());
    window.reset();
    QCOMPARE(testsupport::readFile(settings), settingsbefore);
    QCOMPARE(testsupport::readFile(profile), profilebefore);
}

QTEST_MAIN(TestFullDisk)
#include "tst_gui_fulldisk.moc"
