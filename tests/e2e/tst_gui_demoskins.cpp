// The whole "Create Skin" job through the main window, on each built-in demo
// project against the built-in Tessary skin (and on a small fixture skin),
// checked by reading the finished zip back.
#include <QtTest>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/mainwindow.h"
#include "support/skinzip.h"
#include "support/fixtureskin.h"
#include "support/messageboxdriver.h"
#include "support/testsupport.h"

namespace {

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
QString workdir() { return documents() + "/TYX"; }
QString hostfolder() { return documents() + "/Quorvelin"; }
QString skinsfolder() { return hostfolder() + "/Skins"; }
QString targetzip() { return skinsfolder() + "/Demo Skin.zip"; }

} // namespace

class TestDemoSkins : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void createSkin_data();
    void createSkin();
};

void TestDemoSkins::init()
{
    QDir(workdir()).removeRecursively();
    QDir(hostfolder()).removeRecursively();
    QVERIFY(QDir().mkpath(skinsfolder()));
}

void TestDemoSkins::createSkin_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<bool>("fixture");
    for (const char *demo : {"Demo 1", "Demo 2", "Demo 3"})
        QTest::newRow(demo) << QString("://Resources/%1.xml").arg(demo) << false;
    QTest::newRow("fixture") << documents() + "/fixture.xml" << true;
}

void TestDemoSkins::createSkin()
{
    QFETCH(QString, project);
    QFETCH(bool, fixture);
    if (fixture) {
        QVERIFY(fixtureskin::writezip(skinsfolder() + "/Tessary.zip"));
        QVERIFY(testsupport::writeFile(project, fixtureskin::project(fixtureskin::modules())));
    } else if (!QFile::exists(project) || !QFile::exists("://Resources/Tessary.zip")) {
        QSKIP("the built-in demo projects or Tessary skin are not there");
    }
    const QStringList settings = {"qrnfolder," + hostfolder(), "tyname,Tessary",
                                  "projectname,Demo", "projectpath," + project};
    QVERIFY(testsupport::writeFile(workdir() + "/settings.tyx", (settings.join("\r\n") + "\r\n").toUtf8()));

    // Start-up installs the built-in Tessary skin into the skins folder.
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(QFile::exists(skinsfolder() + "/Tessary.zip"));
    QCOMPARE(window.projectpath, project);
    window.findChild<QLineEdit *>("lineEdit")->setText("Demo Skin");
    MessageBoxDriver driver;
    window.findChild<QPushButton *>("dothejob")->click();

    QCOMPARE(driver.boxes.size(), 1);
    QCOMPARE(driver.boxes.at(0).icon, QMessageBox::Information);
    QCOMPARE(driver.boxes.at(0).text, QString("Your Skin has been created succesfully !\nSelect the "
                                              "Demo Skin skin from Quorvelin Settings->Interface tab"));
    for (const char *folder : {"/extracts", "/skin", "/toexport"})
        QVERIFY2(!QFileInfo::exists(workdir() + folder), folder);
    QVERIFY(window.windows.isEmpty() && window.groupvars.isEmpty() && window.clonevars.isEmpty());
    QCOMPARE(window.findChild<QLabel *>("statusbar")->text(), QString());
    QCOMPARE(window.findChild<QLabel *>("statusbar_2")->text(), QString());
    QVERIFY(window.centralWidget()->isEnabled());

    QCOMPARE(skinzip::entries(targetzip()), QStringList({"mypreview.png", "skin.png", "skin.xml"}));

    QDomDocument document;
    QString error;
    int line = 0;
    QVERIFY2(document.setContent(skinzip::entry(targetzip(), "skin.xml"), &error, &line),
             qPrintable(QString("line %1: %2").arg(line).arg(error)));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.tagName(), QString("skin"));
    QCOMPARE(root.attributes().count(), 8);
    const QString width = QString::number(int(window.screenwidth));
    const QString height = QString::number(int(window.screenheight));
    const QList<QPair<QString, QString>> attributes = {
        {"name", "Demo Skin"}, {"comment", "Skin was created with Tessary"}, {"author", "Tessary"},
        {"version", "830"}, {"nbdecks", "2"}, {"preview", "mypreview.png"},
        {"width", width}, {"height", height}};
    for (const auto &attribute : attributes)
        QCOMPARE(root.attribute(attribute.first), attribute.second);
    // The definitions, then the system area, then the modules.
    const QDomElement defines = root.firstChildElement();
    QCOMPARE(defines.tagName(), QString("group"));
    QCOMPARE(defines.attribute("name"), QString("defines"));
    const QDomElement system = defines.nextSiblingElement();
    QCOMPARE(system.tagName(), QString("group"));
    QCOMPARE(system.attribute("name"), QString("system"));
    QVERIFY(!system.nextSiblingElement("group").isNull());

    QImage sheet;
    QVERIFY(sheet.loadFromData(skinzip::entry(targetzip(), "skin.png"), "PNG"));
    QCOMPARE(sheet.width(), int(window.screenwidth));
    QVERIFY(sheet.height() >= int(window.screenheight));
    const QVector<skinzip::Region> regions = skinzip::namedregions(document);
    QVERIFY(!regions.isEmpty());
    for (const skinzip::Region &region : regions) {
        QVERIFY2(skinzip::inside(region.rect, sheet.size()),
                 qPrintable(QString("%1: %2,%3 %4x%5 outside %6x%7").arg(region.where)
                                .arg(region.rect.x()).arg(region.rect.y()).arg(region.rect.width())
                                .arg(region.rect.height()).arg(sheet.width()).arg(sheet.height())));
        // Packed pieces stand below the screen-sized background.
        QVERIFY2(region.rect.y() >= int(window.screenheight), qPrintable(region.where));
    }

    QImage preview;
    QVERIFY(preview.loadFromData(skinzip::entry(targetzip(), "mypreview.png"), "PNG"));
    QCOMPARE(preview.size(), QImage("://Resources/skinpreview.png").size());
}

QTEST_MAIN(TestDemoSkins)
#include "tst_gui_demoskins.moc"
