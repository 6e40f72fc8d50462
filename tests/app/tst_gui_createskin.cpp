// The "Create Skin" button: its input checks and messages, the window's
// state while a run works, failed runs, and a completed run on a small skin.
#include <QtTest>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QToolBar>

#include <xcb/xcb.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "app/mainwindow.h"
#include "fileio/removetree.h"
#include "support/fixtureskin.h"
#include "support/messageboxdriver.h"
#include "support/pngfile.h"
#include "support/skinzip.h"
#include "support/testsupport.h"

namespace {

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
QString workdir() { return documents() + "/TYX"; }
QString hostfolder() { return documents() + "/Quorvelin"; }
QString skinsfolder() { return hostfolder() + "/Skins"; }
QString tessaryzip() { return skinsfolder() + "/Tessary.zip"; }
QString targetzip() { return skinsfolder() + "/My Skin.zip"; }
QString fixtureproject() { return documents() + "/project.xml"; }

const QString title = QStringLiteral("Tessary Extractor");
const QString nomodules = QStringLiteral(
    "Skin has not been created.\n0 modules are used.\nOpen Quorvelin, load Tessary skin and design "
    "youw own skin.\nThen come back here to extract your creation.");
const QString done = QStringLiteral(
    "Your Skin has been created succesfully !\nSelect the My Skin skin from Quorvelin "
    "Settings->Interface tab");

QStringList scratchfolders()
{
    return {workdir() + "/extracts", workdir() + "/skin", workdir() + "/toexport"};
}

void writesettings(const QString &tyname = "Tessary")
{
    const QStringList lines = {"qrnfolder," + hostfolder(), "tyname," + tyname,
                               "projectname,Fixture", "projectpath," + fixtureproject(),
                               "skinname,My Skin"};
    QVERIFY(testsupport::writeFile(workdir() + "/settings.tyx", (lines.join("\r\n") + "\r\n").toUtf8()));
}

// What the window shows while a message box is open.
struct WindowState
{
    bool central = false;
    bool menus = false;
    bool toolbar = false;
    QString status;
    QString progress;
    bool visible = false;
};

// One main window over the fixture host, with handles on the widgets the
// job uses.
struct Rig
{
    Rig()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the main window was not shown");
        name->setText("My Skin");
        status->setText("idle");
    }

    WindowState state() const
    {
        return {window.centralWidget()->isEnabled(), window.menuBar()->isEnabled(),
                toolbar->isEnabled(), status->text(), progress->text(), window.isVisible()};
    }

    // Clicks "Create Skin", answering the boxes in turn; states holds the
    // window's state at each box.
    QList<SeenBox> run(QList<QMessageBox::StandardButton> answers = {})
    {
        states.clear();
        MessageBoxDriver driver(answers, [this](QMessageBox *) { states << state(); });
        button->click();
        return driver.boxes;
    }

    bool tablesempty() const
    {
        return window.windows.isEmpty() && window.groupvars.isEmpty() && window.clonevars.isEmpty();
    }

    MainWindow window;
    QLineEdit *name = window.findChild<QLineEdit *>("lineEdit");
    QPushButton *button = window.findChild<QPushButton *>("dothejob");
    QLabel *status = window.findChild<QLabel *>("statusbar");
    QLabel *progress = window.findChild<QLabel *>("statusbar_2");
    QToolBar *toolbar = window.findChild<QToolBar *>("mainToolBar");
    QList<WindowState> states;
};

// A window manager of its own: asks for the close of a window as a real one
// does, with a client message through the X server. The program reads it
// with its other events, whenever it next lets them in.
class WindowManager
{
public:
    WindowManager() : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (connected()) {
            m_protocols = atom("WM_PROTOCOLS");
            m_deletewindow = atom("WM_DELETE_WINDOW");
        }
    }
    ~WindowManager() { xcb_disconnect(m_connection); }
    WindowManager(const WindowManager &) = delete;
    WindowManager &operator=(const WindowManager &) = delete;

    bool connected() const { return !xcb_connection_has_error(m_connection); }

    // Safe from any thread. On return the server has passed the message on.
    void close(WId window)
    {
        xcb_client_message_event_t message = {};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = xcb_window_t(window);
        message.type = m_protocols;
        message.data.data32[0] = m_deletewindow;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, false, message.window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&message));
        std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, false, uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }

    xcb_connection_t *m_connection;
    xcb_atom_t m_protocols = XCB_ATOM_NONE;
    xcb_atom_t m_deletewindow = XCB_ATOM_NONE;
};

// Calls back when the watched widget is disabled: the main window disables
// its form as a run starts its work.
class DisableWatch : public QObject
{
public:
    DisableWatch(QWidget *widget, std::function<void()> ondisabled)
        : m_widget(widget), m_ondisabled(std::move(ondisabled))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::EnabledChange && !m_widget->isEnabled())
            m_ondisabled();
        return false;
    }

private:
    QWidget *m_widget;
    std::function<void()> m_ondisabled;
};

} // namespace

class TestCreateSkin : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void refusedNames_data();
    void refusedNames();
    void tessaryNotInstalled_data();
    void tessaryNotInstalled();
    void existingSkinAnsweredNo();
    void noModuleShown();
    void failedRuns_data();
    void failedRuns();
    void linkedScratchFolderIsNotWrittenThrough_data();
    void linkedScratchFolderIsNotWrittenThrough();
    void completedRuns();
    void longestNameIsWrittenAndReplaced();
    void browserOption_data();
    void browserOption();
    void closeWaitsForTheResult_data();
    void closeWaitsForTheResult();
    void windowManagerCloseWaitsForTheResult_data();
    void windowManagerCloseWaitsForTheResult();
};

void TestCreateSkin::init()
{
    QDir(workdir()).removeRecursively();
    QDir(hostfolder()).removeRecursively();
    QVERIFY(QDir().mkpath(skinsfolder()));
    writesettings();
    QVERIFY(testsupport::writeFile(fixtureproject(), fixtureskin::project(fixtureskin::modules())));
    QVERIFY(fixtureskin::writezip(tessaryzip()));
}

void TestCreateSkin::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    const QString noname = QStringLiteral("You have not provided a name for the Skin");
    QTest::newRow("empty") << "" << noname;
    QTest::newRow("blanks") << "   " << noname;
    const QString notafile = QStringLiteral("cannot end in a dot or a blank");
    for (const char *name : {"a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b",
                             ".", "..", "name.", "name "})
        QTest::newRow(name) << QString(name) << notafile;
    // Markup in a name is shown as typed, never read as HTML.
    QTest::newRow("bold markup") << "<b>x</b>" << "\"<b>x</b>\"";
    QTest::newRow("image markup") << "<img src=\"nowhere.png\">" << "\"<img src=\"nowhere.png\">\"";
    const QString invisible = QStringLiteral("cannot hold control characters or invisible ones");
    QTest::newRow("tab") << "tab\there" << invisible;
    QTest::newRow("line end") << "two\nlines" << invisible;
    QTest::newRow("zero-width space") << QString("My") + QChar(0x200B) + "Skin" << "\"My[U+200B]Skin\"";
    QTest::newRow("right-to-left override") << QString(QChar(0x202E)) + "nikS" << invisible;
    const QString device = QStringLiteral("Windows keeps that name for a device");
    for (const char *name : {"CON", "prn", "Aux", "NUL", "COM1", "com9", "LPT1", "lpt9", "nul.txt", "CON .skin"})
        QTest::newRow(name) << QString(name) << device;
    const QString tessary = QStringLiteral("That would replace the Tessary skin itself.");
    QTest::newRow("Tessary") << "Tessary" << tessary;
    QTest::newRow("tessary") << "tessary" << tessary;
    // The zip's file name would pass the file system's 255 bytes, or leave
    // no room for the temporary file it is written through.
    const QString toolong = QStringLiteral("too long for a file name: it can take at most 244 bytes");
    QTest::newRow("252 letters") << QString(252, 'a') << toolong + ", one for each plain letter";
    QTest::newRow("84 euro signs") << QString::fromUtf8("\u20ac").repeated(84) << toolong;
    QTest::newRow("245 letters") << QString(245, 'a') << "this one takes 245.";
}

// A refused name is a warning alone: no folder is made, nothing is written,
// no label changes.
void TestCreateSkin::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    Rig rig;
    for (const QString &folder : scratchfolders())
        QVERIFY(QDir(folder).removeRecursively());
    const QStringList skins = QDir(skinsfolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    rig.name->setText(name);

    const QList<SeenBox> boxes = rig.run();

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, title);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Warning);
    QCOMPARE(boxes.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY2(boxes.at(0).text.contains(message), qPrintable(boxes.at(0).text));
    QCOMPARE(boxes.at(0).shown, boxes.at(0).text);
    QVERIFY(rig.states.at(0).central);
    for (const QString &folder : scratchfolders())
        QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
    QCOMPARE(QDir(skinsfolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), skins);
    QCOMPARE(rig.status->text(), QString("idle"));
    QVERIFY(QFile::exists(tessaryzip()));
}

void TestCreateSkin::tessaryNotInstalled_data()
{
    QTest::addColumn<QString>("tyname");
    QTest::newRow("default name") << "Tessary";
    QTest::newRow("renamed") << "My Modular";
}

// The warning names the skin of the settings; the window is never disabled,
// the state line is emptied and the work folders are there.
void TestCreateSkin::tessaryNotInstalled()
{
    QFETCH(QString, tyname);
    writesettings(tyname);
    Rig rig;
    // Start-up installs a missing Tessary skin; it goes missing afterwards.
    for (const QString &zip : QDir(skinsfolder()).entryList({"*.zip"}))
        QVERIFY(QFile::remove(skinsfolder() + "/" + zip));
    for (const QString &folder : scratchfolders())
        QVERIFY(QDir(folder).removeRecursively());

    const QList<SeenBox> boxes = rig.run();

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, title);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Warning);
    QCOMPARE(boxes.at(0).text, "Cannot proceed. " + tyname + " is not installed");
    QVERIFY(rig.states.at(0).central);
    QVERIFY(rig.states.at(0).menus);
    QCOMPARE(rig.status->text(), QString());
    for (const QString &folder : scratchfolders())
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
    QVERIFY(!QFile::exists(targetzip()));
}

void TestCreateSkin::existingSkinAnsweredNo()
{
    QVERIFY(testsupport::writeFile(targetzip(), "the old skin"));
    Rig rig;

    const QList<SeenBox> boxes = rig.run({QMessageBox::No});

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, title);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Question);
    QCOMPARE(boxes.at(0).text, QString("Skin My Skin already exists.\nOverwrite ?"));
    QCOMPARE(boxes.at(0).buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(rig.states.at(0).central);
    QCOMPARE(testsupport::readFile(targetzip()), QByteArray("the old skin"));
    QVERIFY(QDir(workdir() + "/extracts").isEmpty());
    QCOMPARE(rig.status->text(), QString("idle"));
    QCOMPARE(rig.progress->text(), QString());
    QVERIFY(rig.window.centralWidget()->isEnabled());
}

// The project shows only the menu window: the warning comes while the
// whole window is disabled; afterwards it is enabled, the tables are empty
// and the unpacked skin stays for the next run.
void TestCreateSkin::noModuleShown()
{
    QVERIFY(testsupport::writeFile(fixtureproject(), fixtureskin::project({1})));
    Rig rig;

    const QList<SeenBox> boxes = rig.run();

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, title);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Warning);
    QCOMPARE(boxes.at(0).text, nomodules);
    const WindowState during = rig.states.at(0);
    QVERIFY(!during.central);
    QVERIFY(!during.menus);
    QVERIFY(!during.toolbar);
    QCOMPARE(during.status, QString("In Process. Please wait ..."));

    QVERIFY(rig.window.centralWidget()->isEnabled());
    QVERIFY(rig.window.menuBar()->isEnabled());
    QVERIFY(rig.toolbar->isEnabled());
    QCOMPARE(rig.status->text(), QString());
    QVERIFY(rig.tablesempty());
    QVERIFY(QFile::exists(workdir() + "/extracts/skin.xml"));
    QVERIFY(!QFile::exists(targetzip()));
}

void TestCreateSkin::failedRuns_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("questions");

    QTest::newRow("not a zip") << "garbage" << "Tessary skin could not be unpacked" << 0;
    QTest::newRow("no skin image") << "noimage" << "Tessary skin could not be prepared" << 0;
    // The box gives the system's reason.
    QTest::newRow("target cannot be written") << "blocked"
                                              << targetzip() + " could not be written: " + qt_error_string(EISDIR)
                                                     + "." << 1;
    QTest::newRow("picture does not decode") << "badpicture"
                                             << "The picture skin.png of the Tessary skin in " + tessaryzip()
                                                    + " cannot be read." << 0;
    QTest::newRow("picture in another format") << "bmppicture"
                                               << "The picture skin.png of the Tessary skin in " + tessaryzip()
                                                      + " is not a PNG picture. It must be one." << 0;
    QTest::newRow("picture declares 4 GB") << "hugeentry" << ":\nskin.png is larger than 32 MB." << 0;
    QTest::newRow("picture past its bound")
        << "hugepicture"
        << "\nskin.png in " + tessaryzip()
               + " is larger than any real one (16384 x 16384 pixels, more than the 4096 x 4096 pixels it may hold)."
        << 0;
    QTest::newRow("button of a million pixels a side")
        << "hugebutton" << " pixels, more than the 8192 x 8192 pixels it may hold.\nCheck the sizes" << 0;
}

// A run that cannot make the skin says so instead of "Done !", and leaves
// the window as a completed run does.
void TestCreateSkin::failedRuns()
{
    QFETCH(QString, setup);
    QFETCH(QString, message);
    QFETCH(int, questions);
    if (setup == "garbage")
        QVERIFY(testsupport::writeFile(tessaryzip(), "this is not a zip"));
    if (setup == "noimage")
        QVERIFY(fixtureskin::writezip(tessaryzip(), false));
    if (setup == "badpicture")
        QVERIFY(skinzip::write(tessaryzip(), {{"skin.xml", fixtureskin::skinxml()},
                                              {"skin.png", "\x89PNG\r\n\x1a\n and no picture"}}));
    if (setup == "bmppicture") {
        QByteArray bmp;
        QBuffer buffer(&bmp);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && fixtureskin::skinimage().save(&buffer, "BMP"));
        QVERIFY(skinzip::write(tessaryzip(), {{"skin.xml", fixtureskin::skinxml()}, {"skin.png", bmp}}));
    }
    if (setup == "hugeentry") {
        QVERIFY(fixtureskin::writezip(tessaryzip()));
        QVERIFY(skinzip::setdeclaredsize(tessaryzip(), "skin.png", 0xf0000000));
    }
    if (setup == "hugepicture")
        QVERIFY(skinzip::write(tessaryzip(), {{"skin.xml", fixtureskin::skinxml()},
                                              {"skin.png", pngfile::make(16384, 16384)}}));
    if (setup == "hugebutton") {
        QByteArray xml = fixtureskin::skinxml();
        xml.replace("width=\"56\" height=\"52\"", "width=\"1000000\" height=\"1000000\"");
        QVERIFY(fixtureskin::writezip(tessaryzip(), true, xml));
    }
    // A folder where the zip must go: the skins folder takes no such file.
    if (setup == "blocked")
        QVERIFY(QDir().mkpath(targetzip()));
    Rig rig;

    QList<QMessageBox::StandardButton> answers;
    for (int i = 0; i < questions; ++i)
        answers << QMessageBox::Yes;
    const QList<SeenBox> boxes = rig.run(answers);

    QCOMPARE(boxes.size(), questions + 1);
    const SeenBox last = boxes.last();
    QCOMPARE(last.title, title);
    QCOMPARE(last.icon, QMessageBox::Warning);
    QVERIFY2(last.text.startsWith("Skin has not been created.\n"), qPrintable(last.text));
    QVERIFY2(last.text.contains(message), qPrintable(last.text));
    const WindowState during = rig.states.last();
    QVERIFY(!during.central);
    QVERIFY(!during.menus);
    QVERIFY(during.status != "Done !");

    QVERIFY(rig.window.centralWidget()->isEnabled());
    QVERIFY(rig.window.menuBar()->isEnabled());
    QCOMPARE(rig.status->text(), QString());
    QCOMPARE(rig.progress->text(), QString());
    QVERIFY(rig.tablesempty());
    for (const QString &folder : scratchfolders())
        QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
    QVERIFY(!QFileInfo(targetzip()).isFile());
    // Nothing half-written is left next to the skins either.
    const QStringList skins = QDir(skinsfolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    QCOMPARE(skins.size(), setup == "blocked" ? 2 : 1);
}

void TestCreateSkin::linkedScratchFolderIsNotWrittenThrough_data()
{
    QTest::addColumn<QString>("folder");
    for (const QString &folder : scratchfolders())
        QTest::newRow(qPrintable(QFileInfo(folder).fileName())) << folder;
}

// A link in place of a scratch folder survives start-up (the link is not
// the tool's to follow or judge). A run must neither write through it nor
// pack what the folder it points to holds: it stops and names the link.
void TestCreateSkin::linkedScratchFolderIsNotWrittenThrough()
{
    QFETCH(QString, folder);
    const QString elsewhere = documents() + "/elsewhere";
    QVERIFY(testsupport::writeFile(elsewhere + "/mine.txt", "the user's own"));
    QVERIFY(fileio::removetree(folder));
    QVERIFY(QFile::link(elsewhere, folder));
    Rig rig;

    const QList<SeenBox> boxes = rig.run();

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Warning);
    QCOMPARE(boxes.at(0).text, "Skin has not been created.\nThe unpacked Tessary skin could not be prepared in "
                                   + workdir() + ".\n" + folder
                                   + " is a link; remove it, and the tool makes the folder anew.");
    QVERIFY(rig.window.centralWidget()->isEnabled());
    QCOMPARE(QDir(elsewhere).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"mine.txt"});
    QCOMPARE(testsupport::readFile(elsewhere + "/mine.txt"), QByteArray("the user's own"));
    QVERIFY(QFileInfo(folder).isSymLink());
    QVERIFY(!QFileInfo::exists(targetzip()));
}

// Two completed runs on the same inputs, the second replacing the first
// skin: each ends with "Done !" and the closing message while the window is
// still disabled, leaves no scratch folder and no table rows, and both give
// the same skin.
void TestCreateSkin::completedRuns()
{
    Rig rig;

    const QList<SeenBox> first = rig.run();
    QCOMPARE(first.size(), 1);
    QCOMPARE(first.at(0).title, title);
    QCOMPARE(first.at(0).icon, QMessageBox::Information);
    QCOMPARE(first.at(0).text, done);
    const WindowState atdone = rig.states.at(0);
    QVERIFY(!atdone.central);
    QVERIFY(!atdone.menus);
    QVERIFY(!atdone.toolbar);
    QCOMPARE(atdone.status, QString("Done !"));
    QCOMPARE(atdone.progress, QString());

    QVERIFY(rig.window.centralWidget()->isEnabled());
    QVERIFY(rig.window.menuBar()->isEnabled());
    QVERIFY(rig.toolbar->isEnabled());
    QCOMPARE(rig.status->text(), QString());
    QCOMPARE(rig.progress->text(), QString());
    QVERIFY(rig.tablesempty());
    for (const QString &folder : scratchfolders())
        QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
    QCOMPARE(skinzip::entries(targetzip()), QStringList({"mypreview.png", "skin.png", "skin.xml"}));
    const QByteArray firstsheet = skinzip::entry(targetzip(), "skin.png");
    const QByteArray firstdocument = skinzip::entry(targetzip(), "skin.xml");
    QVERIFY(!firstsheet.isEmpty());
    QVERIFY(firstdocument.contains("name=\"My Skin\""));

    const QList<SeenBox> second = rig.run({QMessageBox::Yes});
    QCOMPARE(second.size(), 2);
    QCOMPARE(second.at(0).text, QString("Skin My Skin already exists.\nOverwrite ?"));
    QCOMPARE(second.at(1).text, done);
    QVERIFY(rig.tablesempty());
    QCOMPARE(skinzip::entries(targetzip()), QStringList({"mypreview.png", "skin.png", "skin.xml"}));
    QCOMPARE(skinzip::entry(targetzip(), "skin.png"), firstsheet);
    QCOMPARE(skinzip::entry(targetzip(), "skin.xml"), firstdocument);
}

// The longest name the file system takes gives a skin, and replaces it,
// with nothing left beside it.
void TestCreateSkin::longestNameIsWrittenAndReplaced()
{
    Rig rig;
    const QString name(244, 'a');
    rig.name->setText(name);
    const QString zip = skinsfolder() + "/" + name + ".zip";

    for (const bool exists : {false, true}) {
        const QList<SeenBox> boxes = rig.run({QMessageBox::Yes});
        QCOMPARE(boxes.size(), exists ? 2 : 1);
        QCOMPARE(boxes.last().icon, QMessageBox::Information);
        QVERIFY2(boxes.last().text.startsWith("Your Skin has been created succesfully !"),
                 qPrintable(boxes.last().text));
        QCOMPARE(skinzip::entries(zip), QStringList({"mypreview.png", "skin.png", "skin.xml"}));
        QCOMPARE(QDir(skinsfolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList({name + ".zip", "Tessary.zip"}));
        for (const QString &folder : scratchfolders())
            QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
    }
}

void TestCreateSkin::browserOption_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("browserclass");  // empty: no class, the host's own look
    QTest::newRow("default") << "browserdefault_radio" << QString();
    QTest::newRow("dark") << "browserdark_radio" << "browserdark";
    QTest::newRow("white") << "browserwhite_radio" << "browserwhite";
}

// The browser colours chosen on the Browser tab name the browser's class in
// the written skin.
void TestCreateSkin::browserOption()
{
    QFETCH(QString, radio);
    QFETCH(QString, browserclass);
    Rig rig;
    // Another choice first, so that the radio under test changes it.
    const char *other = radio == "browserwhite_radio" ? "browserdark_radio" : "browserwhite_radio";
    rig.window.findChild<QRadioButton *>(other)->click();
    rig.window.findChild<QRadioButton *>(radio)->click();

    const QList<SeenBox> boxes = rig.run();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).text, done);
    QDomDocument skin;
    QVERIFY(skin.setContent(skinzip::entry(targetzip(), "skin.xml")));
    const QDomNodeList browsers = skin.elementsByTagName("browser");
    QCOMPARE(browsers.size(), 1);
    const QDomElement browser = browsers.item(0).toElement();
    QCOMPARE(browser.hasAttribute("class"), !browserclass.isEmpty());
    QCOMPARE(browser.attribute("class"), browserclass);
}

void TestCreateSkin::closeWaitsForTheResult_data()
{
    QTest::addColumn<bool>("blocked");
    QTest::newRow("completed") << false;
    QTest::newRow("failed") << true;
}

// The window is closed while a run works (the run lets events through), in
// the application's own event loop, where closing the last window ends the
// program. The close waits until the result has been shown and answered,
// and then closes the window.
void TestCreateSkin::closeWaitsForTheResult()
{
    QFETCH(bool, blocked);
    // A folder where the zip must go makes the run fail.
    if (blocked)
        QVERIFY(QDir().mkpath(targetzip()));
    Rig rig;

    bool closed = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!closed && !rig.window.centralWidget()->isEnabled() && !QApplication::activeModalWidget()) {
            closed = true;
            rig.window.close();
        }
    });
    closer.start(0);
    QList<SeenBox> boxes;
    QTimer::singleShot(0, &rig.window, [&] {
        boxes = rig.run(blocked ? QList<QMessageBox::StandardButton>{QMessageBox::Yes}
                                : QList<QMessageBox::StandardButton>{});
    });
    QTimer giveup;  // a test never waits for ever
    QObject::connect(&giveup, &QTimer::timeout, qApp, &QCoreApplication::quit);
    giveup.start(60000);
    QApplication::exec();

    QVERIFY(closed);
    QCOMPARE(boxes.size(), blocked ? 2 : 1);
    QCOMPARE(boxes.last().icon, blocked ? QMessageBox::Warning : QMessageBox::Information);
    QVERIFY(boxes.last().text.startsWith(blocked ? "Skin has not been created." : "Your Skin has been created"));
    QVERIFY(rig.states.last().visible);
    QVERIFY(!rig.window.isVisible());
    QCOMPARE(QFileInfo(targetzip()).isFile(), !blocked);
}

void TestCreateSkin::windowManagerCloseWaitsForTheResult_data()
{
    QTest::addColumn<bool>("blocked");
    QTest::addColumn<int>("delay");  // milliseconds from the start of the run's work
    for (const bool blocked : {false, true}) {
        for (const int delay : {0, 10, 20, 30, 40, 60, 80, 100}) {
            const QString row = QString("%1, %2 ms").arg(blocked ? "failed" : "completed").arg(delay);
            QTest::newRow(qPrintable(row)) << blocked << delay;
        }
    }
}

// The window manager asks for the close at some moment of the run's work,
// from outside: the program reads it only when it next lets events in,
// which may be no sooner than the loop of the result's box, whose modality
// would then swallow it. Every close asked for while the run works closes
// the window once the result has been shown and answered.
void TestCreateSkin::windowManagerCloseWaitsForTheResult()
{
    QFETCH(bool, blocked);
    QFETCH(int, delay);
    if (QGuiApplication::platformName() != "xcb")
        QSKIP("the window manager's close is an X client message");
    // A folder where the zip must go makes the run fail.
    if (blocked)
        QVERIFY(QDir().mkpath(targetzip()));
    Rig rig;
    WindowManager manager;
    QVERIFY(manager.connected());

    // The scratch folders go at the end of the run's work, just before its
    // result; a close asked for while one is there came during the work.
    // (The run renews them one by one as it starts.)
    const QStringList scratch = scratchfolders();
    const WId window = rig.window.winId();
    std::atomic<bool> duringwork{false};
    std::unique_ptr<QThread> closer(QThread::create([&] {
        QThread::msleep(delay);
        manager.close(window);
        duringwork = std::any_of(scratch.begin(), scratch.end(),
                                 [](const QString &folder) { return QFileInfo::exists(folder); });
    }));
    DisableWatch startwatch(rig.window.centralWidget(), [&] {
        if (!closer->isRunning() && !closer->isFinished())
            closer->start();
    });

    QList<SeenBox> boxes;
    QList<WindowState> states;
    int unexposed = 0;
    QTimer::singleShot(0, &rig.window, [&] {
        // Each box is answered as a user answers it: once it is on the
        // screen, which takes the window system's events in.
        MessageBoxDriver driver(blocked ? QList<QMessageBox::StandardButton>{QMessageBox::Yes}
                                        : QList<QMessageBox::StandardButton>{},
                                [&](QMessageBox *box) {
                                    if (!QTest::qWaitForWindowExposed(box))
                                        ++unexposed;
                                    states << rig.state();
                                });
        rig.button->click();
        boxes = driver.boxes;
        QCoreApplication::quit();
    });
    QTimer giveup;  // a test never waits for ever
    QObject::connect(&giveup, &QTimer::timeout, qApp, &QCoreApplication::quit);
    giveup.start(60000);
    QApplication::exec();
    QVERIFY(closer->wait(10000));
    QVERIFY(closer->isFinished());
    QCOMPARE(unexposed, 0);

    QCOMPARE(boxes.size(), blocked ? 2 : 1);
    QCOMPARE(boxes.last().icon, blocked ? QMessageBox::Warning : QMessageBox::Information);
    QVERIFY(boxes.last().text.startsWith(blocked ? "Skin has not been created." : "Your Skin has been created"));
    QCOMPARE(QFileInfo(targetzip()).isFile(), !blocked);
    if (!duringwork)
        QSKIP("the close came after the run's work had ended");
    QVERIFY(states.last().visible);
    QVERIFY(!rig.window.isVisible());
}

QTEST_MAIN(TestCreateSkin)
#include "tst_gui_createskin.moc"
