// The About dialog: what it shows, the web pages its buttons open, how it
// closes, and its opening from the main window's Help menu.
#include <QtTest>
#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "app/about.h"
#include "app/mainwindow.h"
#include "support/modaldialog.h"

namespace {

QPushButton *button(QObject *dialog, const char *name)
{
    auto *found = dialog->findChild<QPushButton *>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

} // namespace

// Stands in for the user's web browser.
class Browser : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestAboutDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void showsNameVersionAndLogo();
    void webButtonsOpenTheirPage_data();
    void webButtonsOpenTheirPage();
    void closing_data();
    void closing();
    void helpMenuOpensAFreshDialogEachTime();

private:
    Browser browser;
};

void TestAboutDialog::initTestCase()
{
    QDesktopServices::setUrlHandler("https", &browser, "open");
}

void TestAboutDialog::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler("https");
}

void TestAboutDialog::showsNameVersionAndLogo()
{
    About dialog;
    QCOMPARE(dialog.windowTitle(), QString("Tessary Extractor - About"));
    QCOMPARE(dialog.minimumSize(), QSize(350, 380));
    QCOMPARE(dialog.maximumSize(), QSize(350, 380));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));

    const QList<QPair<const char *, QString>> texts = {
        {"closebutton", "OK"}, {"label_2", "Tessary Extractor"}, {"label_4", "Version 4.0.0"},
        {"pushButton", "Check for Updates"}, {"pushButton_2", "Tessary Extractor Support"},
        {"pushButton_3", "Quorvelin website"}, {"pushButton_4", "Tessary Support"}};
    for (const auto &text : texts) {
        auto *widget = dialog.findChild<QWidget *>(QLatin1String(text.first));
        QVERIFY2(widget, text.first);
        QCOMPARE(widget->property("text").toString(), text.second);
    }
    auto *notice = dialog.findChild<QLabel *>("label_3");
    QVERIFY(notice && !notice->text().isEmpty());

    // The logo fills its small label whatever the picture's own size.
    auto *logo = dialog.findChild<QLabel *>("label");
    QVERIFY(logo);
    QVERIFY(!logo->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(logo->hasScaledContents());
    QCOMPARE(logo->size(), QSize(41, 41));
}

void TestAboutDialog::webButtonsOpenTheirPage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("address");

    QTest::newRow("updates") << "pushButton" << aboutpages::updates;
    QTest::newRow("program support") << "pushButton_2" << aboutpages::toolsupport;
    QTest::newRow("host site") << "pushButton_3" << aboutpages::hostsite;
    QTest::newRow("skin support") << "pushButton_4" << aboutpages::skinsupport;
}

void TestAboutDialog::webButtonsOpenTheirPage()
{
    QFETCH(QString, button);
    QFETCH(QString, address);

    About dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    browser.opened.clear();
    ::button(&dialog, qPrintable(button))->click();

    QCOMPARE(browser.opened, QList<QUrl>{QUrl(address)});
    QVERIFY(browser.opened.first().isValid());
    QVERIFY(dialog.isVisible());
}

void TestAboutDialog::closing_data()
{
    QTest::addColumn<QString>("closer");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("title bar") << "close";
}

void TestAboutDialog::closing()
{
    QFETCH(QString, closer);

    About dialog;
    dialog.setModal(true);
    modaldialog::answer<About>([closer](About *shown) {
        if (closer == "ok")
            button(shown, "closebutton")->click();
        else if (closer == "escape")
            QTest::keyClick(shown, Qt::Key_Escape);
        else
            shown->close();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void TestAboutDialog::helpMenuOpensAFreshDialogEachTime()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QList<QPointer<About>> shown;
    for (int opening = 0; opening < 2; ++opening) {
        QSize size;
        bool parentless = false;
        modaldialog::answer<About>([&](About *dialog) {
            shown << dialog;
            size = dialog->size();
            parentless = !dialog->parentWidget();
            button(dialog, "closebutton")->click();
        });
        window.findChild<QAction *>("actionAbout")->trigger();
        QCOMPARE(shown.size(), opening + 1);
        QCOMPARE(size, QSize(350, 380));
        QVERIFY(parentless);
    }
    // Each dialog was gone once the menu entry's slot returned.
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown.at(0).isNull());
    QVERIFY(shown.at(1).isNull());
}

QTEST_MAIN(TestAboutDialog)
#include "tst_gui_aboutdialog.moc"
