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
                                       << NameProblem::Invisible;
    QTest::newRow("tab") << "a\tb" << tessary << NameProblem::Invisible;
    QTest::newRow("zero-width space") << QString("a") + QChar(0x200B) + "b" << tessary << NameProblem::Invisible;
    QTest::newRow("right-to-left override") << QString(QChar(0x202E)) + "piz.exe" << tessary
                                            << NameProblem::Invisible;
    QTest::newRow("byte-order mark") << QString(QChar(0xFEFF)) + "Skin" << tessary << NameProblem::Invisible;
    QTest::newRow("soft hyphen") << QString("Sk") + QChar(0x00AD) + "in" << tessary << NameProblem::Invisible;
    QTest::newRow("line separator") << QString("a") + QChar(0x2028) + "b" << tessary << NameProblem::Invisible;
    QTest::newRow("no-break space inside") << QString("My") + QChar(0x00A0) + "Skin" << tessary << NameProblem::None;

    for (const char *name : {"CON", "con", "Prn", "AUX", "nul", "COM1", "com5", "COM9", "LPT1", "lpt9",
                             "CON.zip", "nul.tar.gz", "Aux .skin", "COM\u00b9", "LPT\u00b3"})
        QTest::newRow(name) << QString::fromUtf8(name) << tessary << NameProblem::DeviceName;
    for (const char *name : {"CONSOLE", "CON2", "COM0", "COM10", "LPT", "xNUL", " CON", "NUL_", "Console.CON"})
        QTest::newRow(name) << QString(name) << tessary << NameProblem::None;
    QTest::newRow("dot") << "." << tessary << NameProblem::NotAFileName;
    QTest::newRow("dot dot") << ".." << tessary << NameProblem::NotAFileName;
    QTest::newRow("trailing dot") << "skin." << tessary << NameProblem::NotAFileName;
    QTest::newRow("trailing blank") << "skin " << tessary << NameProblem::NotAFileName;

    QTest::newRow("markup") << "<img src=\"/dev/zero\">" << tessary << NameProblem::NotAFileName;

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
    // The Tessary name is a file name in the same folder, with the same rules.
    if (problem != NameProblem::TessaryName)
        QCOMPARE(createskinjob::checktessaryname(name), problem);
    if (problem == NameProblem::None)
        return;

    // Every refusal has a message that says what is wrong, and shows an
    // invisible character by its code, so it cannot hide or turn the text.
    const QStringList messages = {createskinjob::refusednametext(problem, name, tyname),
                                  createskinjob::refusedtessarytext(problem, name)};
    for (const QString &message : messages) {
        QVERIFY(!message.isEmpty());
        if (problem != NameProblem::Invisible)
            continue;
        for (const QChar c : name) {
            if (c.category() == QChar::Other_Format || c == QChar(0x1b) || c == QChar(0x2028))
                QVERIFY2(!message.contains(c), qPrintable(message));
        }
        QVERIFY2(message.contains("[U+"), qPrintable(message));
    }
}

QTEST_GUILESS_MAIN(TestSkinName)
#include "tst_skinname.moc"
