// The Project menu: choosing the current project (host settings, demos, a
// project file), the Reload button, saving a project file and applying the
// current project to the host's settings file.
#include <QtTest>
#include <QAction>
#include <QDomDocument>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

#include "app/mainwindow.h"
#include "fileio/fileio.h"
#include "support/filedialogdriver.h"
#include "support/messageboxdriver.h"
#include "support/testsupport.h"

namespace {

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
QString workdir() { return documents() + "/TYX"; }
QString projectsdir() { return workdir() + "/projects"; }
QString hostfolder() { return documents() + "/Quorvelin"; }
QString hostfile() { return hostfolder() + "/settings.xml"; }

const QString title = QStringLiteral("Tessary Extractor");
const QString applyquestion = QStringLiteral(
    "Please make sure Quorvelin is closed.\nIf Quorvelin is currently running\nthe Project's settings "
    "will not be applied.\n\nContinue ?");

using Zone = QList<int>;

QByteArray hostsettings(const QByteArray &screen = "<screenwidth>1280</screenwidth><screenheight>720</screenheight>",
                        const QByteArray &zone1 = "<idx4 visible=\"yes\" x=\"10\" y=\"20\" width=\"30\" height=\"40\"/>")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<settings>\n" + screen
           + "\n <options>\n  <volume>0.5</volume>\n  <decimalSeparator> </decimalSeparator>\n"
             "  <QRNScriptGlobalVariables>$TYX_OLD=0=4.00000, $Host Volume=1=0.50000</QRNScriptGlobalVariables>\n"
             " </options>\n <skins>\n  <skinWindows>\n"
             "   <window name=\"Tessary:skin\"><idx2 visible=\"yes\" x=\"1\" y=\"1\" width=\"1\" height=\"1\"/>" + zone1
           + "</window>\n   <window name=\"Other:skin\"><idx1 visible=\"yes\" x=\"7\"/></window>\n"
             "  </skinWindows>\n </skins>\n</settings>\n";
}

QDomDocument parsedfile(const QString &path)
{
    QDomDocument document;
    if (!document.setContent(testsupport::readFile(path)))
        qWarning("%s does not parse", qPrintable(path));
    return document;
}

QDomElement first(const QDomDocument &document, const char *tag)
{
    return document.elementsByTagName(QLatin1String(tag)).item(0).toElement();
}

// A window record's placements as sorted attribute texts, so records compare
// whatever order their attributes were written in.
QStringList placements(const QDomElement &window)
{
    QStringList lines;
    for (QDomElement child = window.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        QStringList attributes;
        const QDomNamedNodeMap map = child.attributes();
        for (int i = 0; i < map.count(); ++i)
            attributes << map.item(i).nodeName() + "=" + map.item(i).nodeValue();
        attributes.sort();
        lines << child.tagName() + " " + attributes.join(' ');
    }
    return lines;
}

// One main window, with handles on the Project menu.
struct Rig
{
    void trigger(const char *name) { action(name)->trigger(); }
    QAction *action(const char *name) { return window.findChild<QAction *>(QLatin1String(name)); }

    // Which of the four project entries are checked, in menu order.
    QList<bool> marks()
    {
        QList<bool> checked;
        for (const char *name : {"loaddefaultproject", "loaddemo1project", "loaddemo2project", "loaddemo3project"})
            checked << action(name)->isChecked();
        return checked;
    }

    void filltables()
    {
        window.windows = {{"D1_JOG"}};
        window.groupvars = {{"JOGFull", "1"}};
        window.clonevars = {{"DECKGROUP1", "1"}};
    }

    bool tablesempty() const
    {
        return window.windows.isEmpty() && window.groupvars.isEmpty() && window.clonevars.isEmpty();
    }

    QList<SeenBox> triggerAnswering(const char *name, QList<QMessageBox::StandardButton> answers = {})
    {
        MessageBoxDriver driver(answers);
        trigger(name);
        return driver.boxes;
    }

    MainWindow window;
};

QList<bool> markOnly(int index)
{
    QList<bool> marks{false, false, false, false};
    if (index >= 0)
        marks[index] = true;
    return marks;
}

} // namespace

class TestProjects : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void switchProject_data();
    void switchProject();
    void loadProjectFile();
    void reloadRereadsProjectFile();
    void saveProject();
    void saveProjectFailures();
    void saveProjectOverItself();
    void savedScreenIsTheProjects_data();
    void savedScreenIsTheProjects();
    void applyDemoToHost();
    void applyScalesToDesktop();
    void applyRefused_data();
    void applyRefused();
};

void TestProjects::initTestCase()
{
    // The tool's own file dialogs, which a test can answer like a user.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestProjects::init()
{
    QDir(workdir()).removeRecursively();
    QDir(hostfolder()).removeRecursively();
    QDir(documents() + "/elsewhere").removeRecursively();
    QDir().mkpath(documents() + "/elsewhere");
}

void TestProjects::switchProject_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("windowtitle");
    QTest::addColumn<int>("mark");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<Zone>("zone1");
    QTest::addColumn<Zone>("zone5left");

    QTest::newRow("Demo 1") << "loaddemo2project" << "loaddemo1project" << "Demo 1" << "://Resources/Demo 1.xml"
                            << title + " - Demo 1" << 1 << 1920 << 1080 << Zone{1, 778, 181, 366, 348}
                            << Zone{1, 0, 182, 781, 345};
    QTest::newRow("Demo 2") << "loaddemo1project" << "loaddemo2project" << "Demo 2" << "://Resources/Demo 2.xml"
                            << title + " - Demo 2" << 2 << 1920 << 1080 << Zone{0, 0, 0, 0, 0}
                            << Zone{1, 0, 174, 898, 242};
    QTest::newRow("Demo 3") << "loaddemo1project" << "loaddemo3project" << "Demo 3" << "://Resources/Demo 3.xml"
                            << title + " - Demo 3" << 3 << 1920 << 1080 << Zone{1, 851, 146, 219, 368}
                            << Zone{1, 0, 148, 851, 368};
    QTest::newRow("Default") << "loaddemo1project" << "loaddefaultproject" << "Default" << hostfile()
                             << title + " - Default (from Quorvelin settings)" << 0 << 1280 << 720
                             << Zone{1, 10, 20, 30, 40} << Zone{0, 0, 0, 0, 0};
}

void TestProjects::switchProject()
{
    QFETCH(QString, before);
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(QString, windowtitle);
    QFETCH(int, mark);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(Zone, zone1);
    QFETCH(Zone, zone5left);
    QVERIFY(testsupport::writeFile(hostfile(), hostsettings()));

    Rig rig;
    rig.trigger(qPrintable(before));
    rig.filltables();
    rig.trigger(qPrintable(entry));

    QVERIFY(rig.tablesempty());
    QCOMPARE(rig.window.projectname, name);
    QCOMPARE(rig.window.projectpath, path);
    QCOMPARE(rig.window.windowTitle(), windowtitle);
    QCOMPARE(rig.marks(), markOnly(mark));
    // The host's own file is the one project that cannot be applied to it.
    QCOMPARE(rig.action("actionDefault")->isEnabled(), mark != 0);
    QCOMPARE(rig.window.skinwidth, width);
    QCOMPARE(rig.window.skinheight, height);
    QCOMPARE(rig.window.zones.size(), 8);
    QCOMPARE(rig.window.zones.at(0), zone1);
    QCOMPARE(rig.window.zones.at(4), zone5left);

    // Choosing the current project again reads it again and keeps its mark.
    rig.window.zones.clear();
    rig.trigger(qPrintable(entry));
    QCOMPARE(rig.marks(), markOnly(mark));
    QCOMPARE(rig.window.zones.size(), 8);
}

void TestProjects::loadProjectFile()
{
    const QString file = documents() + "/elsewhere/live.set.xml";
    QVERIFY(testsupport::writeFile(file, "<project><screenwidth>1280</screenwidth><screenheight>800</screenheight>"
                                         "<skinWindows><window name=\"Tessary:skin\">"
                                         "<idx4 visible=\"yes\" x=\"1\" y=\"2\" width=\"3\" height=\"4\"/>"
                                         "</window></skinWindows></project>"));
    Rig rig;
    rig.trigger("loaddemo1project");
    rig.filltables();

    {
        FileDialogDriver cancel{QString()};
        rig.trigger("loadproject");
        QCOMPARE(cancel.dialogs.size(), 1);
        QCOMPARE(cancel.dialogs.at(0).title, QString("Load a Project"));
        QCOMPARE(cancel.dialogs.at(0).directory, QDir(projectsdir()).absolutePath());
        QCOMPARE(cancel.dialogs.at(0).filters, QStringList{"TY Projects (*.xml)"});
        QCOMPARE(cancel.dialogs.at(0).mode, QFileDialog::AcceptOpen);
    }
    QCOMPARE(rig.window.projectname, QString("Demo 1"));
    QCOMPARE(rig.window.windowTitle(), title + " - Demo 1");
    QVERIFY(!rig.tablesempty());

    FileDialogDriver pick(file);
    rig.trigger("loadproject");
    QCOMPARE(pick.dialogs.size(), 1);
    QVERIFY(rig.tablesempty());
    QCOMPARE(rig.window.projectname, QString("live"));
    QCOMPARE(rig.window.projectpath, file);
    QCOMPARE(rig.window.windowTitle(), title + " - " + file);
    QCOMPARE(rig.marks(), markOnly(-1));
    QVERIFY(rig.action("actionDefault")->isEnabled());
    QCOMPARE(rig.window.skinwidth, 1280);
    QCOMPARE(rig.window.skinheight, 800);
    QCOMPARE(rig.window.zones.at(0), (Zone{1, 1, 2, 3, 4}));
}

void TestProjects::reloadRereadsProjectFile()
{
    QVERIFY(testsupport::writeFile(hostfile(), hostsettings()));
    Rig rig;
    rig.trigger("loaddefaultproject");
    QCOMPARE(rig.window.zones.at(0), (Zone{1, 10, 20, 30, 40}));
    const QString before = rig.window.windowTitle();

    // The host changed its file since the project was chosen.
    QVERIFY(testsupport::writeFile(hostfile(), hostsettings("<screenwidth>1600</screenwidth>",
                                                            "<idx4 visible=\"yes\" x=\"50\" y=\"60\" width=\"70\" height=\"80\"/>")));
    rig.filltables();
    rig.window.findChild<QPushButton *>("pushButton_3")->click();

    QCOMPARE(rig.window.zones.at(0), (Zone{1, 50, 60, 70, 80}));
    QCOMPARE(rig.window.skinwidth, 1600);
    QCOMPARE(rig.window.skinheight, 1080);   // the desktop's, as the file has none
    QVERIFY(!rig.tablesempty());
    QCOMPARE(rig.window.windowTitle(), before);
    QCOMPARE(rig.window.projectname, QString("Default"));
}

void TestProjects::saveProject()
{
    Rig rig;
    rig.trigger("loaddemo1project");

    FileDialogDriver pick(documents() + "/elsewhere/my.proj.xml");
    const QList<SeenBox> boxes = rig.triggerAnswering("projectsaveas");

    QCOMPARE(pick.dialogs.size(), 1);
    QCOMPARE(pick.dialogs.at(0).title, QString("Save Project As.."));
    QCOMPARE(pick.dialogs.at(0).directory, QDir(projectsdir()).absolutePath());
    QCOMPARE(pick.dialogs.at(0).filters, QStringList{"TY Projects (*.xml)"});
    QCOMPARE(pick.dialogs.at(0).mode, QFileDialog::AcceptSave);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, title);
    QCOMPARE(boxes.at(0).text, QString("Project my has been saved succesfully."));

    // Written into the projects folder under the base name, whatever folder was chosen.
    QVERIFY(!QFileInfo::exists(documents() + "/elsewhere/my.proj.xml"));
    const QByteArray saved = testsupport::readFile(projectsdir() + "/my.xml");
    QVERIFY(saved.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<project name=\"my\">\r\n"
                             "\t<screenwidth>1920</screenwidth>\r\n\t<screenheight>1080</screenheight>\r\n"
                             "\t<QRNScriptGlobalVariables>$TYX_JOGFull=0=1.00000,$TYX_LOOPAutoBasic=0=2.00000,"));
    QVERIFY(saved.endsWith("\t\t</window>\r\n\t</skinWindows>\r\n</project>"));
    const QDomDocument demo = parsedfile("://Resources/Demo 1.xml");
    QCOMPARE(placements(first(parsedfile(projectsdir() + "/my.xml"), "window")), placements(first(demo, "window")));

    // Only the title changes; the demo stays the current project.
    QCOMPARE(rig.window.windowTitle(), title + " - my");
    QCOMPARE(rig.window.projectname, QString("Demo 1"));
    QCOMPARE(rig.window.projectpath, QString("://Resources/Demo 1.xml"));
    QCOMPARE(rig.marks(), markOnly(1));

    // The saved file loads as a project of its own.
    FileDialogDriver load(projectsdir() + "/my.xml");
    rig.trigger("loadproject");
    QCOMPARE(rig.window.projectname, QString("my"));
    QCOMPARE(rig.window.zones.at(0), (Zone{1, 778, 181, 366, 348}));
}

void TestProjects::saveProjectFailures()
{
    Rig rig;
    rig.trigger("loaddefaultproject");   // the host has no settings file
    const QString before = rig.window.windowTitle();

    {
        FileDialogDriver cancel{QString()};
        QCOMPARE(rig.triggerAnswering("projectsaveas").size(), 0);
        QCOMPARE(cancel.dialogs.size(), 1);
    }
    {
        FileDialogDriver pick(projectsdir() + "/host.xml");
        const QList<SeenBox> boxes = rig.triggerAnswering("projectsaveas");
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.at(0).text, "Quorvelin settings file could not be opened. Project is not saved\n"
                                        + hostfile() + " does not exist.");
    }
    QVERIFY(QDir(projectsdir()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QCOMPARE(rig.window.windowTitle(), before);

    // No projects folder: nothing is written, and the failure is said.
    rig.trigger("loaddemo2project");
    const QString demotitle = rig.window.windowTitle();
    QVERIFY(QDir(projectsdir()).removeRecursively());
    {
        FileDialogDriver pick(documents() + "/elsewhere/lost.xml");
        const QList<SeenBox> boxes = rig.triggerAnswering("projectsaveas");
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.at(0).icon, QMessageBox::Warning);
        QVERIFY(boxes.at(0).text.startsWith("Project lost could not be saved to "));
    }
    QVERIFY(!QFileInfo::exists(projectsdir() + "/lost.xml"));
    QCOMPARE(rig.window.windowTitle(), demotitle);
}

void TestProjects::saveProjectOverItself()
{
    const QString file = projectsdir() + "/self.xml";
    Rig rig;
    QVERIFY(testsupport::writeFile(file, "<project name=\"x\"><screenwidth>1280</screenwidth>"
                                         "<QRNScriptGlobalVariables>$Host=1=1, $TYX_JOGFull=0=2.00000</QRNScriptGlobalVariables>"
                                         "<skinWindows><window name=\"Tessary:skin\"><idx84 visible=\"yes\" x=\"3\"/></window>"
                                         "</skinWindows></project>"));
    {
        FileDialogDriver load(file);
        rig.trigger("loadproject");
    }
    FileDialogDriver pick(documents() + "/elsewhere/self.xml");
    QCOMPARE(rig.triggerAnswering("projectsaveas").size(), 1);

    // The file's own width; the height it lacks is the desktop's.
    const QByteArray height = QByteArray::number(int(rig.window.screenheight));
    QCOMPARE(testsupport::readFile(file),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<project name=\"self\">\r\n"
                        "\t<screenwidth>1280</screenwidth>\r\n\t<screenheight>" + height + "</screenheight>\r\n"
                        "\t<QRNScriptGlobalVariables>$TYX_JOGFull=0=2.00000</QRNScriptGlobalVariables>\r\n"
                        "\t<skinWindows>\r\n\t\t<window name=\"Tessary:skin\">\r\n"
                        "\t\t\t<idx84 visible=\"yes\" x=\"3\"/>\r\n\t\t</window>\r\n\t</skinWindows>\r\n</project>"));
}

void TestProjects::savedScreenIsTheProjects_data()
{
    QTest::addColumn<QString>("choose");      // the Project menu entry, or a file to load
    QTest::addColumn<QByteArray>("expected");  // the saved screen size lines

    QTest::newRow("Demo 1") << "loaddemo1project"
                            << QByteArray("\t<screenwidth>1920</screenwidth>\r\n\t<screenheight>1080</screenheight>\r\n");
    QTest::newRow("project file") << "file"
                                  << QByteArray("\t<screenwidth>1280</screenwidth>\r\n\t<screenheight>800</screenheight>\r\n");
    QTest::newRow("host settings without a size") << "loaddefaultproject"
                                  << QByteArray("\t<screenwidth>1366</screenwidth>\r\n\t<screenheight>768</screenheight>\r\n");
}

// On a 1366 x 768 desktop a project keeps the screen its positions were
// laid out for; only a project without a size of its own takes the desktop's.
void TestProjects::savedScreenIsTheProjects()
{
    QFETCH(QString, choose);
    QFETCH(QByteArray, expected);
    QVERIFY(testsupport::writeFile(hostfile(), hostsettings(QByteArray())));
    const QString file = documents() + "/elsewhere/laptop.xml";
    QVERIFY(testsupport::writeFile(file, "<project><screenwidth>1280</screenwidth><screenheight>800</screenheight>"
                                         "<skinWindows/></project>"));
    Rig rig;
    rig.window.screenwidth = 1366;
    rig.window.screenheight = 768;
    if (choose == "file") {
        FileDialogDriver load(file);
        rig.trigger("loadproject");
    } else {
        rig.trigger(qPrintable(choose));
    }

    FileDialogDriver pick(projectsdir() + "/saved.xml");
    QCOMPARE(rig.triggerAnswering("projectsaveas").size(), 1);
    const QByteArray saved = testsupport::readFile(projectsdir() + "/saved.xml");
    QVERIFY2(saved.contains("<project name=\"saved\">\r\n" + expected), saved.constData());

    // Loaded again, the saved project is laid out for the same screen.
    const int width = rig.window.skinwidth;
    const int height = rig.window.skinheight;
    FileDialogDriver load(projectsdir() + "/saved.xml");
    rig.trigger("loadproject");
    QCOMPARE(rig.window.skinwidth, width);
    QCOMPARE(rig.window.skinheight, height);
}

void TestProjects::applyDemoToHost()
{
    QVERIFY(testsupport::writeFile(hostfile(), hostsettings()));
    Rig rig;
    rig.trigger("loaddemo1project");
    rig.filltables();

    const QList<SeenBox> boxes = rig.triggerAnswering("actionDefault", {QMessageBox::Yes});
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0).title, title);
    QCOMPARE(boxes.at(0).text, applyquestion);
    QCOMPARE(boxes.at(0).buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(boxes.at(1).title, title);
    QCOMPARE(boxes.at(1).text, QString("Project Demo 1 loaded to Quorvelin Settings"));

    const QByteArray bytes = testsupport::readFile(hostfile());
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings>\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(QDir(hostfolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"settings.xml"});

    const QDomDocument host = parsedfile(hostfile());
    QCOMPARE(host.elementsByTagName("QRNScriptGlobalVariables").size(), 1);
    QCOMPARE(first(host, "QRNScriptGlobalVariables").text(),
             QString("$TYX_JOGFull=0=1.00000,$TYX_LOOPAutoBasic=0=2.00000,$TYX_LOOPManualBasic=0=2.00000,"
                     "$TYX_PITCHFull=0=1.00000,$TYX_PITCHBend=0=1.00000,$TYX_BPMValue=0=1.00000,"
                     "$TYX_KEYFull=0=1.00000,$TYX_CUSTOMTwo=0=1.00000,$TYX_DECKGROUP1_clone=0=1.00000,"
                     "$TYX_DECKGROUP2_clone=0=1.00000,$HostVolume=1=0.50000"));
    QCOMPARE(first(host, "volume").text(), QString("0.5"));
    // A value of the host's that is only white space stays as it was.
    QVERIFY(bytes.contains("\r\n  <decimalSeparator> </decimalSeparator>\r\n"));

    // The other skin's record stays; the Tessary record is the demo's, last.
    const QDomElement record = first(host, "skinWindows");
    QCOMPARE(record.firstChildElement().attribute("name"), QString("Other:skin"));
    QCOMPARE(record.lastChildElement().attribute("name"), QString("Tessary:skin"));
    QCOMPARE(host.elementsByTagName("window").size(), 2);
    // This desktop is as wide as the demo's screen: placements unchanged.
    QCOMPARE(placements(record.lastChildElement()), placements(first(parsedfile("://Resources/Demo 1.xml"), "window")));

    // Nothing else of the window changes.
    QCOMPARE(rig.window.projectname, QString("Demo 1"));
    QCOMPARE(rig.window.skinwidth, 1920);
    QVERIFY(!rig.tablesempty());
}

void TestProjects::applyScalesToDesktop()
{
    QVERIFY(testsupport::writeFile(hostfile(), hostsettings()));
    const QString file = documents() + "/elsewhere/wide.xml";
    QVERIFY(testsupport::writeFile(file, "<project><screenwidth>3840</screenwidth><screenheight>2160</screenheight>"
                                         "<QRNScriptGlobalVariables/><skinWindows><window name=\"Tessary:skin\">"
                                         "<idx2 visible=\"yes\" x=\"5\" y=\"-5\" width=\"801\" height=\"3\"/>"
                                         "<idx9 x=\"4\"/></window></skinWindows></project>"));
    Rig rig;
    {
        FileDialogDriver load(file);
        rig.trigger("loadproject");
    }
    QCOMPARE(rig.triggerAnswering("actionDefault", {QMessageBox::Yes}).size(), 2);

    const QDomDocument host = parsedfile(hostfile());
    QCOMPARE(placements(first(host, "skinWindows").lastChildElement()),
             QStringList({"idx2 height=2 visible=yes width=401 x=3 y=-2", "idx9 visible= x=2"}));
    QCOMPARE(first(host, "QRNScriptGlobalVariables").text(), QString("$HostVolume=1=0.50000"));
    QCOMPARE(rig.window.skinwidth, 3840);
}

void TestProjects::applyRefused_data()
{
    QTest::addColumn<QByteArray>("hostbytes");      // empty: no host file
    QTest::addColumn<QByteArray>("projectbytes");   // empty: Demo 1
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");           // empty: only the question

    // Every refusal says which file and why on its second line.
    const QByteArray host = hostsettings();
    const QString hostunread = "Quorvelin Settings file could not be read.\n" + hostfile();
    const QString projectunread = "Project broken could not be read.\n" + documents() + "/elsewhere/broken.xml";
    const QString notloaded = "\nProject was not loaded to Settings";
    QTest::newRow("declined") << host << QByteArray() << int(QMessageBox::No) << QString();
    QTest::newRow("no host file") << QByteArray() << QByteArray() << int(QMessageBox::Yes)
                                  << "Quorvelin Settings file was not detected." + notloaded;
    QTest::newRow("broken host file") << QByteArray("<settings><options></settings>") << QByteArray()
                                      << int(QMessageBox::Yes)
                                      << hostunread + " is not well-formed XML: tag mismatch (line 1, column 30)."
                                             + notloaded;
    QTest::newRow("broken project") << host << QByteArray("<project><skinWindows></project>") << int(QMessageBox::Yes)
                                    << projectunread + " is not well-formed XML: tag mismatch (line 1, column 32)."
                                           + notloaded;

    // Files the reader refuses: applying would write a U+FFFD in place of
    // what the host wrote, or build millions of elements.
    const QString nottext = " is not text: it holds bytes that are not characters in its encoding, UTF-8.";
    QByteArray latin1 = QByteArray(host).replace("<volume>", "<language>caf\xe9</language>\n  <volume>");
    QTest::newRow("host file with a byte that is not UTF-8, declared")
        << latin1 << QByteArray() << int(QMessageBox::Yes) << hostunread + nottext + notloaded;
    latin1.remove(0, latin1.indexOf("?>") + 2);
    QTest::newRow("host file with a byte that is not UTF-8, undeclared")
        << latin1 << QByteArray() << int(QMessageBox::Yes) << hostunread + nottext + notloaded;
    const QByteArray entity = testsupport::entitydoctypes("settings").first().second;
    const QString entities = " declares an entity, which no real one does";
    QTest::newRow("host file with an entity")
        << QByteArray(host).insert(host.indexOf("<settings>"), entity).replace("</settings>", "&e;&e;</settings>")
        << QByteArray() << int(QMessageBox::Yes) << hostunread + entities + " (line 2, column 21)." + notloaded;
    QTest::newRow("project with an entity")
        << host << testsupport::entitydoctypes("project").first().second + "<project>&e;&e;<skinWindows/></project>"
        << int(QMessageBox::Yes) << projectunread + entities + " (line 1, column 20)." + notloaded;
    QTest::newRow("project with a byte that is not UTF-8")
        << host << QByteArray("<project name=\"caf\xe9\"><skinWindows/></project>") << int(QMessageBox::Yes)
        << projectunread + nottext + notloaded;
    QTest::newRow("host file past its bound")
        << host + QByteArray(int(fileio::smallxmllimits.bytes), ' ') << QByteArray() << int(QMessageBox::Yes)
        << hostunread + " is larger than any real one (more than 8 MB)." + notloaded;
    // A host that is read, but that the project would take past what is read.
    QTest::newRow("host file that the project takes past its bound")
        << host + "<!--" + QByteArray(int(fileio::smallxmllimits.bytes) - host.size() - 7, 'x') + "-->" << QByteArray()
        << int(QMessageBox::Yes)
        << "Quorvelin Settings file was left as it was.\n" + hostfile()
               + " with this project is larger than any real one (more than 8 MB)." + notloaded;
    QTest::newRow("project with more nodes than any real one")
        << host << "<project>" + QByteArray("<a/>").repeated(fileio::smallxmllimits.nodes) + "<skinWindows/></project>"
        << int(QMessageBox::Yes)
        << projectunread + " holds more than any real one (more than 500,000 elements, attributes, texts, comments and other markup)."
               + notloaded;
    QTest::newRow("host file that nests too deep")
        << QByteArray(host).replace("</settings>", QByteArray("<a>").repeated(300) + "</settings>") << QByteArray()
        << int(QMessageBox::Yes)
        << hostunread + " nests deeper than any real one: more than 256 levels at line 15, column 766." + notloaded;
}

void TestProjects::applyRefused()
{
    QFETCH(QByteArray, hostbytes);
    QFETCH(QByteArray, projectbytes);
    QFETCH(int, answer);
    QFETCH(QString, message);
    if (!hostbytes.isEmpty())
        QVERIFY(testsupport::writeFile(hostfile(), hostbytes));

    Rig rig;
    if (projectbytes.isEmpty()) {
        rig.trigger("loaddemo1project");
    } else {
        const QString file = documents() + "/elsewhere/broken.xml";
        QVERIFY(testsupport::writeFile(file, projectbytes));
        FileDialogDriver load(file);
        rig.trigger("loadproject");
    }
    const QList<SeenBox> boxes = rig.triggerAnswering("actionDefault", {QMessageBox::StandardButton(answer)});
    QCOMPARE(boxes.size(), message.isEmpty() ? 1 : 2);
    QCOMPARE(boxes.at(0).text, applyquestion);
    if (!message.isEmpty())
        QCOMPARE(boxes.at(1).text, message);

    // The host's file is left exactly as it was, or not made at all.
    if (hostbytes.isEmpty())
        QVERIFY(!QFileInfo::exists(hostfolder()));
    else
        QCOMPARE(testsupport::readFile(hostfile()), hostbytes);

    // Without a current project nothing is asked at all.
    rig.window.projectname.clear();
    QCOMPARE(rig.triggerAnswering("actionDefault").size(), 0);
}

QTEST_MAIN(TestProjects)
#include "tst_gui_projects.moc"
