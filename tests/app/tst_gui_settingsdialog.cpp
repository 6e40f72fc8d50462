// The Settings dialog on its own (fields, profile choice, the three
// choosers, how it closes) and as the main window uses it from the Help
// menu (what saving changes, what leaving without saving keeps).
#include <QtTest>
#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/mainwindow.h"
#include "app/settings.h"
#include "support/messageboxdriver.h"
#include "support/filedialogdriver.h"
#include "support/modaldialog.h"
#include "support/shownlabel.h"
#include "support/testsupport.h"

namespace {

using SettingsMap = QMap<QString, QString>;

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
QString workdir() { return documents() + "/TYX"; }
QString profilesdir() { return workdir() + "/profiles"; }
QString settingsfile() { return workdir() + "/settings.tyx"; }
QString hostfolder() { return documents() + "/Quorvelin"; }

const QString hostsettingsmissing = QStringLiteral(
    "Quorvelin settings not detected. Make sure Quorvelin is installed or change its folder from Settings");

template <typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

QPushButton *button(QObject *dialog, const char *name) { return child<QPushButton>(dialog, name); }
QRadioButton *radio(QObject *dialog, const char *name) { return child<QRadioButton>(dialog, name); }
QString edittext(QObject *dialog, const char *name) { return child<QLineEdit>(dialog, name)->text(); }
QString labeltext(QObject *dialog, const char *name) { return child<QLabel>(dialog, name)->text(); }

// The name of the checked profile choice, "" when none is.
QString checkedchoice(QObject *dialog)
{
    for (const char *name : {"colordefault_radio", "colorlast_radio", "colorother_radio"}) {
        if (radio(dialog, name)->isChecked())
            return QLatin1String(name);
    }
    return QString();
}

SettingsMap opened(const QString &profile, const QString &profilepath)
{
    return {{"qrnfolder", "/host"}, {"skinname", "My Skin"}, {"tyname", "Tessary"},
            {"colorprofile", profile}, {"colorprofilepath", profilepath},
            // Keys the dialog has no field for are not handed back.
            {"projectname", "Demo 1"}, {"maintab", "3"}};
}

// A chooser the next button click opens: what it showed, then the file it
// was given (an empty path cancels it).
struct ChooserSeen
{
    QString title;
    QString directory;
    QStringList filters;
    QStringList preselected;
    QFileDialog::Options options;
    bool shown = false;
    bool accepted = false;
};

void answerchooser(ChooserSeen &seen, const QString &choice)
{
    modaldialog::answer<QFileDialog>([&seen, choice](QFileDialog *chooser) {
        seen.shown = true;
        seen.title = chooser->windowTitle();
        seen.directory = chooser->directory().absolutePath();
        seen.filters = chooser->nameFilters();
        seen.preselected = chooser->selectedFiles();
        seen.options = chooser->options();
        if (choice.isEmpty()) {
            chooser->reject();
            return;
        }
        filedialogdriver::choose(chooser, choice);
        seen.accepted = chooser->result() == QDialog::Accepted;
    });
}

void makefile(const QString &path)
{
    QVERIFY2(testsupport::writeFile(path, "x"), qPrintable(path));
}

// Opens the window's Settings dialog, lets act work in it and closes it
// with closer ("savebutton", "cancelbutton" or "escape").
void runsettings(MainWindow &window, const std::function<void(Settings *)> &act, const QString &closer)
{
    bool shown = false;
    modaldialog::answer<Settings>([&](Settings *dialog) {
        shown = true;
        act(dialog);
        if (closer == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            button(dialog, qPrintable(closer))->click();
    });
    child<QAction>(&window, "actionSettings")->trigger();
    QVERIFY(shown);
    QVERIFY(!QApplication::activeModalWidget());
}

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void formBeforeFilling();
    void fillAndReturn_data();
    void fillAndReturn();
    void radiosKeepTheOtherProfile();
    void profileChooser();
    void tessaryChooser_data();
    void tessaryChooser();
    void hostFolderChooser();
    void commasAreKept();
    void unusableTessaryNameRefused_data();
    void unusableTessaryNameRefused();
    void profileNameShownAsText();
    void closing_data();
    void closing();

    void leavingWithoutSavingKeepsAll_data();
    void leavingWithoutSavingKeepsAll();
    void savingWithoutChanges();
    void savingRefreshesStatusLine_data();
    void savingRefreshesStatusLine();
    void savingKeepsTypedSkinName();
};

void TestSettingsDialog::initTestCase()
{
    // The tool's own file dialogs, which a test can answer like a user.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestSettingsDialog::init()
{
    QDir(workdir()).removeRecursively();
    QDir(hostfolder()).removeRecursively();
    QDir().mkpath(profilesdir());
}

void TestSettingsDialog::formBeforeFilling()
{
    Settings dialog;
    QCOMPARE(dialog.windowTitle(), QString("Tessary Extractor - Settings"));
    QCOMPARE(dialog.minimumSize(), QSize(560, 300));
    QCOMPARE(dialog.maximumSize(), QSize(560, 300));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(dialog.windowFlags() & Qt::WindowTitleHint);
    QVERIFY(!dialog.saved);
    QCOMPARE(checkedchoice(&dialog), QString());
    for (const char *name : {"qrnfolder_edit", "tessaryname_edit"}) {
        QVERIFY2(child<QLineEdit>(&dialog, name)->isReadOnly(), name);
        QVERIFY2(edittext(&dialog, name).isEmpty(), name);
    }
    QVERIFY(labeltext(&dialog, "colorprofilename").isEmpty());
    QVERIFY(labeltext(&dialog, "colorprofilepath").isEmpty());

    // What the user reads, by the object names the slots are wired to.
    const QList<QPair<const char *, QString>> texts = {
        {"cancelbutton", "Exit"}, {"savebutton", "Save and Exit"}, {"changeqrnfolder", "Change"},
        {"changetessary", "Change"}, {"profilebutton", "Select"}, {"colordefault_radio", "Default"},
        {"colorlast_radio", "Last session"}, {"colorother_radio", "Other"}, {"label", "QRN Folder :"},
        {"label_3", "Tessary Skin :"}, {"label_2", "Change Tessary Extractor Settings"},
        {"label_4", "Change the Quorvelin folder"}, {"label_5", "Change the Tessary skin zip file"}};
    for (const auto &text : texts) {
        auto *widget = dialog.findChild<QWidget *>(QLatin1String(text.first));
        QVERIFY2(widget, text.first);
        QCOMPARE(widget->property("text").toString(), text.second);
    }
    QCOMPARE(child<QGroupBox>(&dialog, "groupBox")->title(), QString("Change the Color Profile to Load on Start"));
    // The three choices exclude each other.
    QCOMPARE(radio(&dialog, "colorother_radio")->parentWidget()->objectName(), QString("groupBox"));
}

void TestSettingsDialog::fillAndReturn_data()
{
    QTest::addColumn<bool>("haskey");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("shownname");
    QTest::addColumn<bool>("selectenabled");
    QTest::addColumn<SettingsMap>("profilekeys");

    const QString path = "/p/mine.tycp";
    QTest::newRow("default") << true << "default" << "colordefault_radio" << "" << false
                             << SettingsMap{{"colorprofile", "default"},
                                            {"colorprofilepath", "://Resources/default.tycp"}};
    QTest::newRow("last session") << true << "last_used" << "colorlast_radio" << "" << false
                                  << SettingsMap{{"colorprofile", "last_used"}};
    QTest::newRow("named profile") << true << "mine" << "colorother_radio" << "mine" << true
                                   << SettingsMap{{"colorprofile", "mine"}, {"colorprofilepath", path}};
    // Only the exact lower-case names are the built-in choices.
    QTest::newRow("capital Default") << true << "Default" << "colorother_radio" << "Default" << true
                                     << SettingsMap{{"colorprofile", "Default"}, {"colorprofilepath", path}};
    QTest::newRow("empty name") << true << "" << "colorother_radio" << "" << true
                                << SettingsMap{{"colorprofile", ""}, {"colorprofilepath", path}};
    QTest::newRow("no profile keys") << false << "" << "colorother_radio" << "" << true
                                     << SettingsMap{{"colorprofile", ""}, {"colorprofilepath", ""}};
}

void TestSettingsDialog::fillAndReturn()
{
    QFETCH(bool, haskey);
    QFETCH(QString, profile);
    QFETCH(QString, choice);
    QFETCH(QString, shownname);
    QFETCH(bool, selectenabled);
    QFETCH(SettingsMap, profilekeys);

    SettingsMap in = opened(profile, "/p/mine.tycp");
    if (!haskey) {
        in.remove("colorprofile");
        in.remove("colorprofilepath");
    }
    Settings dialog;
    dialog.setsettings(in);

    QCOMPARE(edittext(&dialog, "qrnfolder_edit"), QString("/host"));
    QCOMPARE(edittext(&dialog, "tessaryname_edit"), QString("Tessary"));
    QCOMPARE(checkedchoice(&dialog), choice);
    QCOMPARE(labeltext(&dialog, "colorprofilename"), shownname);
    QCOMPARE(button(&dialog, "profilebutton")->isEnabled(), selectenabled);

    SettingsMap expected{{"qrnfolder", "/host"}, {"skinname", "My Skin"}, {"tyname", "Tessary"}};
    for (auto it = profilekeys.cbegin(); it != profilekeys.cend(); ++it)
        expected.insert(it.key(), it.value());
    QCOMPARE(dialog.getsettings(), expected);
}

void TestSettingsDialog::radiosKeepTheOtherProfile()
{
    Settings dialog;
    dialog.setsettings(opened("mine", "/p/mine.tycp"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    radio(&dialog, "colordefault_radio")->click();
    QVERIFY(!button(&dialog, "profilebutton")->isEnabled());
    QCOMPARE(dialog.getsettings().value("colorprofilepath"), QString("://Resources/default.tycp"));

    radio(&dialog, "colorlast_radio")->click();
    QVERIFY(!button(&dialog, "profilebutton")->isEnabled());
    QCOMPARE(dialog.getsettings().value("colorprofile"), QString("last_used"));
    QVERIFY(!dialog.getsettings().contains("colorprofilepath"));

    // Back on "Other", the profile the dialog opened with is still the choice.
    radio(&dialog, "colorother_radio")->click();
    QVERIFY(button(&dialog, "profilebutton")->isEnabled());
    QCOMPARE(labeltext(&dialog, "colorprofilename"), QString("mine"));
    QCOMPARE(dialog.getsettings().value("colorprofile"), QString("mine"));
    QCOMPARE(dialog.getsettings().value("colorprofilepath"), QString("/p/mine.tycp"));
}

void TestSettingsDialog::profileChooser()
{
    const QString chosen = profilesdir() + "/dark.old.tycp";
    makefile(chosen);

    Settings dialog;
    dialog.setsettings(opened("default", "://Resources/default.tycp"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    radio(&dialog, "colorother_radio")->click();

    ChooserSeen seen;
    answerchooser(seen, chosen);
    button(&dialog, "profilebutton")->click();
    QVERIFY(seen.shown && seen.accepted);
    QCOMPARE(seen.title, QString("Tessary Extractor - Load a Color Profile"));
    QCOMPARE(seen.directory, profilesdir());
    QCOMPARE(seen.filters, QStringList{"TY Color Profiles (*.tycp)"});
    QCOMPARE(seen.options, QFileDialog::Options());
    // The shown name stops at the first dot; the path is the whole file.
    QCOMPARE(labeltext(&dialog, "colorprofilename"), QString("dark"));
    QCOMPARE(dialog.getsettings().value("colorprofile"), QString("dark"));
    QCOMPARE(dialog.getsettings().value("colorprofilepath"), chosen);

    // A cancelled chooser changes nothing.
    ChooserSeen cancelled;
    answerchooser(cancelled, QString());
    button(&dialog, "profilebutton")->click();
    QVERIFY(cancelled.shown);
    QCOMPARE(dialog.getsettings().value("colorprofilepath"), chosen);

    // "Default" wins over a file chosen before.
    radio(&dialog, "colordefault_radio")->click();
    QCOMPARE(dialog.getsettings().value("colorprofile"), QString("default"));
    QCOMPARE(dialog.getsettings().value("colorprofilepath"), QString("://Resources/default.tycp"));
}

void TestSettingsDialog::tessaryChooser_data()
{
    QTest::addColumn<QString>("filename");
    QTest::addColumn<QString>("name");

    QTest::newRow("plain name") << "Other.zip" << "Other";
    // The tool looks for <name>.zip, so only the extension may go.
    QTest::newRow("dots in the name") << "My.Skin.zip" << "My.Skin";
}

void TestSettingsDialog::tessaryChooser()
{
    QFETCH(QString, filename);
    QFETCH(QString, name);

    QTemporaryDir elsewhere;
    const QString host = elsewhere.filePath("host");
    const QString current = host + "/Skins/Tessary.zip";
    makefile(current);
    const QString chosen = elsewhere.filePath("outside/" + filename);
    makefile(chosen);

    Settings dialog;
    SettingsMap in = opened("default", "");
    in.insert("qrnfolder", host);
    dialog.setsettings(in);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    ChooserSeen seen;
    answerchooser(seen, chosen);
    button(&dialog, "changetessary")->click();
    QVERIFY(seen.shown && seen.accepted);
    QCOMPARE(seen.title, QString("Tessary Extractor - Select the Tessary skin zip file"));
    QCOMPARE(seen.filters, QStringList{"Skins (*.zip)"});
    QCOMPARE(seen.options, QFileDialog::Options());
    QCOMPARE(seen.directory, host + "/Skins");
    QCOMPARE(seen.preselected.value(0), current);
    QCOMPARE(edittext(&dialog, "tessaryname_edit"), name);
    // Only the name is taken: nothing is copied into the host's skins folder.
    QVERIFY(!QFileInfo::exists(host + "/Skins/" + filename));

    ChooserSeen cancelled;
    answerchooser(cancelled, QString());
    button(&dialog, "changetessary")->click();
    QVERIFY(cancelled.shown);
    QCOMPARE(dialog.getsettings().value("tyname"), name);
}

void TestSettingsDialog::hostFolderChooser()
{
    const QString host = documents() + "/Other Host";
    QVERIFY(QDir().mkpath(host));

    Settings dialog;
    dialog.setsettings(opened("default", ""));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    ChooserSeen seen;
    answerchooser(seen, host);
    button(&dialog, "changeqrnfolder")->click();
    QVERIFY(seen.shown && seen.accepted);
    QCOMPARE(seen.title, QString("Open Directory"));
    QCOMPARE(seen.directory, documents());
    QCOMPARE(seen.options, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    // A folder without the host's files is taken all the same.
    QCOMPARE(edittext(&dialog, "qrnfolder_edit"), host);

    ChooserSeen cancelled;
    answerchooser(cancelled, QString());
    button(&dialog, "changeqrnfolder")->click();
    QVERIFY(cancelled.shown);
    QCOMPARE(dialog.getsettings().value("qrnfolder"), host);
}

// The settings file keeps everything after a line's first comma, so a
// choice with commas in it is taken as it is, without a word.
void TestSettingsDialog::commasAreKept()
{
    const QString folder = documents() + "/Host, old";
    QVERIFY(QDir().mkpath(folder));
    const QString zip = documents() + "/Tessary,2.zip";
    makefile(zip);
    const QString profile = folder + "/mine.tycp";
    makefile(profile);

    Settings dialog;
    dialog.setsettings(opened("mine", "/p/mine.tycp"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    MessageBoxDriver boxes;
    const QList<QPair<const char *, QString>> choices = {
        {"changeqrnfolder", folder}, {"changetessary", zip}, {"profilebutton", profile}};
    for (const auto &choice : choices) {
        ChooserSeen seen;
        answerchooser(seen, choice.second);
        button(&dialog, choice.first)->click();
        QVERIFY2(seen.shown && seen.accepted, choice.first);
    }
    QCOMPARE(boxes.boxes.size(), 0);
    const SettingsMap chosen = dialog.getsettings();
    QCOMPARE(chosen.value("qrnfolder"), folder);
    QCOMPARE(chosen.value("tyname"), QString("Tessary,2"));
    QCOMPARE(chosen.value("colorprofilepath"), profile);
}

void TestSettingsDialog::unusableTessaryNameRefused_data()
{
    QTest::addColumn<QString>("filename");
    QTest::addColumn<QString>("message");

    const QString device = QStringLiteral("Windows keeps that name for a device");
    QTest::newRow("device name") << "CON.zip" << device;
    QTest::newRow("device name, any case") << "lpt1.zip" << device;
    QTest::newRow("device name with extension") << "nul.old.zip" << device;
    QTest::newRow("no name") << ".zip" << "needs at least one character";
    QTest::newRow("zero-width space") << QString("Tess") + QChar(0x200B) + "ary.zip"
                                      << "The Tessary skin cannot be named \"Tess[U+200B]ary\"";
    QTest::newRow("control character") << QString("Tess") + QChar(0x01) + "ary.zip" << "invisible ones";
    QTest::newRow("trailing dot") << "Tessary..zip" << "cannot end in a dot";
    // Markup in the name shows as written.
    QTest::newRow("markup") << "<i>Tessary.zip" << "The Tessary skin cannot be named \"<i>Tessary\"";
}

// The tool installs and looks for the Tessary skin as <name>.zip in the
// host's skins folder, so a name that no platform of the host can carry is
// refused with a message and the field keeps the name it had.
void TestSettingsDialog::unusableTessaryNameRefused()
{
    QFETCH(QString, filename);
    QFETCH(QString, message);
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.filePath(filename);
    makefile(chosen);

    Settings dialog;
    dialog.setsettings(opened("default", ""));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    MessageBoxDriver boxes;
    ChooserSeen seen;
    answerchooser(seen, chosen);
    button(&dialog, "changetessary")->click();
    QVERIFY(seen.shown && seen.accepted);
    QCOMPARE(boxes.boxes.size(), 1);
    const SeenBox &box = boxes.boxes.at(0);
    QCOMPARE(box.title, QString("Tessary Extractor"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QVERIFY2(box.text.contains(message), qPrintable(box.text));
    QCOMPARE(box.shown, box.text);
    QCOMPARE(edittext(&dialog, "tessaryname_edit"), QString("Tessary"));
    QCOMPARE(dialog.getsettings().value("tyname"), QString("Tessary"));
}

// A profile's name comes from the settings file or a file name; it shows
// as written, markup and all.
void TestSettingsDialog::profileNameShownAsText()
{
    Settings dialog;
    dialog.setsettings(opened("<b>mine</b>", "/p/mine.tycp"));
    QCOMPARE(shownText(child<QLabel>(&dialog, "colorprofilename")), QString("<b>mine</b>"));
}

void TestSettingsDialog::closing_data()
{
    QTest::addColumn<QString>("closer");
    QTest::addColumn<bool>("saved");

    QTest::newRow("Exit") << "cancelbutton" << false;
    QTest::newRow("Escape") << "escape" << false;
    QTest::newRow("Save and Exit") << "savebutton" << true;
}

void TestSettingsDialog::closing()
{
    QFETCH(QString, closer);
    QFETCH(bool, saved);

    Settings dialog;
    dialog.setsettings(opened("default", ""));
    dialog.setModal(true);
    modaldialog::answer<Settings>([closer](Settings *shown) {
        if (closer == "escape")
            QTest::keyClick(shown, Qt::Key_Escape);
        else
            button(shown, qPrintable(closer))->click();
    });
    dialog.exec();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.saved, saved);
}

void TestSettingsDialog::leavingWithoutSavingKeepsAll_data()
{
    QTest::addColumn<QString>("closer");
    QTest::newRow("Exit") << "cancelbutton";
    QTest::newRow("Escape") << "escape";
}

void TestSettingsDialog::leavingWithoutSavingKeepsAll()
{
    QFETCH(QString, closer);

    MainWindow window;
    auto *status = child<QLabel>(&window, "statuslabel");
    auto *skinname = child<QLineEdit>(&window, "lineEdit");
    const SettingsMap settings = window.settings;
    const QByteArray file = testsupport::readFile(settingsfile());
    const QString statustext = status->text();

    runsettings(window, [](Settings *dialog) {
        radio(dialog, "colordefault_radio")->click();
        dialog->findChild<QLineEdit *>("tessaryname_edit")->setText("Elsewhere");
    }, closer);

    QCOMPARE(window.settings, settings);
    QCOMPARE(testsupport::readFile(settingsfile()), file);
    QCOMPARE(status->text(), statustext);
    QCOMPARE(skinname->text(), QString("My Skin"));
    QCOMPARE(window.tyname, QString("Tessary"));
}

void TestSettingsDialog::savingWithoutChanges()
{
    MainWindow window;
    const QString colorprofile = window.colorprofile;
    const QString colorprofilepath = window.colorprofilepath;
    const QString projectpath = window.projectpath;
    QFile::remove(settingsfile());

    runsettings(window, [](Settings *) {}, "savebutton");

    // Only the dialog's keys are left in the map; the last-used profile's
    // path is the window's to add.
    QCOMPARE(window.settings,
             (SettingsMap{{"qrnfolder", hostfolder()}, {"skinname", "My Skin"}, {"tyname", "Tessary"},
                          {"colorprofile", "last_used"},
                          {"colorprofilepath", profilesdir() + "/last_used.tycp"}}));
    // The file is written at once, the other keys from the window's state.
    const QByteArray file = testsupport::readFile(settingsfile());
    QVERIFY(file.startsWith(("qrnfolder," + hostfolder() + "\r\ncolorprofile,last_used\r\n").toUtf8()));
    QVERIFY(file.contains(("projectpath," + projectpath + "\r\n").toUtf8()));
    QVERIFY(file.contains("maintab,0\r\n"));
    QVERIFY(file.contains("browseroption,0\r\n"));
    // The chosen profile only takes effect at the next start.
    QCOMPARE(window.colorprofile, colorprofile);
    QCOMPARE(window.colorprofilepath, colorprofilepath);
    QCOMPARE(window.projectpath, projectpath);
}

void TestSettingsDialog::savingRefreshesStatusLine_data()
{
    QTest::addColumn<bool>("withzip");
    QTest::addColumn<bool>("withhostsettings");
    QTest::addColumn<QString>("status");

    QTest::newRow("complete host") << true << true << "";
    QTest::newRow("no host settings") << true << false << hostsettingsmissing;
    QTest::newRow("no Tessary zip") << false << true << "!!! <a href=";
}

void TestSettingsDialog::savingRefreshesStatusLine()
{
    QFETCH(bool, withzip);
    QFETCH(bool, withhostsettings);
    QFETCH(QString, status);

    const QString host = documents() + "/New Host";
    QDir(host).removeRecursively();
    // The Tessary zip is chosen from outside the host, under its own name.
    const QString chosen = documents() + "/downloads/Tessary Dark.zip";
    makefile(chosen);
    if (withzip)
        makefile(host + "/Skins/Tessary Dark.zip");
    if (withhostsettings)
        makefile(host + "/settings.xml");
    QVERIFY(QDir().mkpath(host));

    MainWindow window;
    auto *statuslabel = child<QLabel>(&window, "statuslabel");
    QVERIFY(!statuslabel->text().isEmpty());
    runsettings(window, [&](Settings *dialog) {
        ChooserSeen folder, zip;
        answerchooser(folder, host);
        button(dialog, "changeqrnfolder")->click();
        answerchooser(zip, chosen);
        button(dialog, "changetessary")->click();
        QVERIFY(folder.accepted && zip.accepted);
    }, "savebutton");

    QCOMPARE(window.settings.value("qrnfolder"), host);
    QCOMPARE(window.settings.value("tyname"), QString("Tessary Dark"));
    // The skin writer reads the Tessary name from the model.
    QCOMPARE(window.tyname, QString("Tessary Dark"));
    QCOMPARE(window.tessaryzippath(), host + "/Skins/Tessary Dark.zip");
    QVERIFY(testsupport::readFile(settingsfile()).contains("tyname,Tessary Dark\r\n"));
    if (status.isEmpty())
        QCOMPARE(statuslabel->text(), status);
    else
        QVERIFY2(statuslabel->text().startsWith(status), qPrintable(statuslabel->text()));
    // The built-in skin is installed into a new host only at the next start.
    QCOMPARE(QFileInfo::exists(host + "/Skins/Tessary.zip"), false);
}

void TestSettingsDialog::savingKeepsTypedSkinName()
{
    MainWindow window;
    auto *skinname = child<QLineEdit>(&window, "lineEdit");
    // Typed, but the field has not finished editing yet.
    skinname->setText("Typed Name");

    runsettings(window, [](Settings *) {}, "savebutton");

    QCOMPARE(skinname->text(), QString("Typed Name"));
    QCOMPARE(window.settings.value("skinname"), QString("Typed Name"));
    QVERIFY(testsupport::readFile(settingsfile()).contains("skinname,Typed Name\r\n"));
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_gui_settingsdialog.moc"
