// Which skin names the create-skin job accepts as the stem of a zip file.
#include <QtTest>

#include "app/createskinjob.h"

using createskinjob::NameProblem;
Q_DECLARE_METATYPE(createskinjob::NameProblem)

class TestSkinName : public QObject
{
    Q_OBJECT
private slots:
    void checkskinname_data();
    void checkskinname();
};

void TestSkinName::checkskinname_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tyname");
    QTest::addColumn<NameProblem>("problem");

    const QString tessary = QStringLiteral("Tessary");
    QTest::newRow("plain") << "My Skin" << tessary << NameProblem::None;
    QTest::newRow("leading blank") << " My Skin" << tessary << NameProblem::None;
    QTest::newRow("inner dots") << "v1.2.skin" << tessary << NameProblem::None;
    QTest::newRow("accents") << QString::fromUtf8("Café Nuit") << tessary << NameProblem::None;
    QTest::newRow("brackets and ampersand") << "Mine (2) & more" << tessary << NameProblem::None;
    QTest::newRow("longer than the Tessary name") << "Tessary 2" << tessary << NameProblem::None;
    QTest::newRow("no Tessary name set") << "Skin" << QString() << NameProblem::None;

    QTest::newRow("empty") << "" << tessary << NameProblem::Empty;
    QTest::newRow("blanks") << " \t " << tessary << NameProblem::Empty;

    QTest::newRow("slash") << "a/b" << tessary << NameProblem::NotAFileName;
    QTest::newRow("backslash") << "a\\b" << tessary << NameProblem::NotAFileName;
    QTest::newRow("drive") << "C:skin" << tessary << NameProblem::NotAFileName;
    QTest::newRow("wildcards") << "sk*n?" << tessary << NameProblem::NotAFileName;
    QTest::newRow("quote") << "my \"best\"" << tessary << NameProblem::NotAFileName;
    QTest::newRow("angle brackets") << "<skin>" << tessary << NameProblem::NotAFileName;
    QTest::newRow("pipe") << "a|b" << tessary << NameProblem::NotAFileName;
    QTest::newRow("control character") << QString("a") + QChar(0x1b) + "b" << tessary
                                       << NameProblem::NotAFileName;
    QTest::newRow("dot") << "." << tessary << NameProblem::NotAFileName;
    QTest::newRow("dot dot") << ".." << tessary << NameProblem::NotAFileName;
    QTest::newRow("trailing dot") << "skin." << tessary << NameProblem::NotAFileName;
    QTest::newRow("trailing blank") << "skin " << tessary << NameProblem::NotAFileName;

    QTest::newRow("Tessary") << "Tessary" << tessary << NameProblem::TessaryName;
    QTest::newRow("Tessary in capitals") << "TESSARY" << tessary << NameProblem::TessaryName;
    QTest::newRow("renamed Tessary") << "Modular" << "Modular" << NameProblem::TessaryName;
}

void TestSkinName::checkskinname()
{
    QFETCH(QString, name);
    QFETCH(QString, tyname);
    QFETCH(NameProblem, problem);
    QCOMPARE(createskinjob::checkskinname(name, tyname), problem);
    // Every refusal has a message that says what is wrong.
    if (problem != NameProblem::None)
        QVERIFY(!createskinjob::refusednametext(problem, name, tyname).isEmpty());
}

QTEST_GUILESS_MAIN(TestSkinName)
#include "tst_skinname.moc"
