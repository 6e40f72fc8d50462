// Which skin names the create-skin job accepts as the stem of a zip file.
#include <QtTest>

#include "app/createskinjob.h"

using createskinjob::NameProblem;
Q_DECLARE_METATYPE(createskinjob::NameProblem)

namespace {

// The bytes a zip's file name may take in the usual file systems: 255, less
// the suffix of the temporary file the zip is written through.
const int usuallongest = 248;

} // namespace

class TestSkinName : public QObject
{
    Q_OBJECT
private slots:
    void checkskinname_data();
    void checkskinname();
    void tooLongForAFileName_data();
    void tooLongForAFileName();
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
    QCOMPARE(createskinjob::checkskinname(name, tyname, usuallongest), problem);
    // The Tessary name is a file name in the same folder, with the same rules.
    if (problem != NameProblem::TessaryName)
        QCOMPARE(createskinjob::checktessaryname(name), problem);
    if (problem == NameProblem::None)
        return;

    // Every refusal has a message that says what is wrong, and shows an
    // invisible character by its code, so it cannot hide or turn the text.
    const QStringList messages = {createskinjob::refusednametext(problem, name, tyname, usuallongest),
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

void TestSkinName::tooLongForAFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("longest");
    QTest::addColumn<NameProblem>("problem");

    // The zip's file name counts in the bytes the file system gets: one for
    // a letter from A to Z, three for a euro sign, four for a character
    // beyond the first 65,536, which Qt holds as two.
    const QString euro = QString::fromUtf8("\u20ac");
    const QString clef = QString::fromUtf8("\U0001D11E");
    const QString acute = QString::fromUtf8("\u00e9");
    QTest::newRow("244 letters") << QString(244, 'a') << usuallongest << NameProblem::None;
    QTest::newRow("245 letters") << QString(245, 'a') << usuallongest << NameProblem::TooLong;
    QTest::newRow("252 letters") << QString(252, 'a') << usuallongest << NameProblem::TooLong;
    QTest::newRow("81 euro signs") << euro.repeated(81) << usuallongest << NameProblem::None;
    QTest::newRow("82 euro signs") << euro.repeated(82) << usuallongest << NameProblem::TooLong;
    QTest::newRow("84 euro signs") << euro.repeated(84) << usuallongest << NameProblem::TooLong;
    QTest::newRow("61 clefs") << clef.repeated(61) << usuallongest << NameProblem::None;
    QTest::newRow("62 clefs") << clef.repeated(62) << usuallongest << NameProblem::TooLong;
    QTest::newRow("122 accents") << acute.repeated(122) << usuallongest << NameProblem::None;
    QTest::newRow("123 accents") << acute.repeated(123) << usuallongest << NameProblem::TooLong;
    // The limit is the folder's, not a fixed one.
    QTest::newRow("251 letters, 255 allowed") << QString(251, 'a') << 255 << NameProblem::None;
    QTest::newRow("252 letters, 255 allowed") << QString(252, 'a') << 255 << NameProblem::TooLong;
    QTest::newRow("12 letters, 16 allowed") << QString(12, 'a') << 16 << NameProblem::None;
    QTest::newRow("13 letters, 16 allowed") << QString(13, 'a') << 16 << NameProblem::TooLong;
    // A name no file can carry says that first; the Tessary name is too
    // long for the folder only where no Tessary zip can be.
    QTest::newRow("too long, with a slash") << QString(300, 'a') + "/" << usuallongest
                                            << NameProblem::NotAFileName;
    QTest::newRow("too long, the Tessary name") << "Tessary" << 10 << NameProblem::TooLong;
}

// A name whose zip's file name the file system would refuse is refused
// with a message that says so, how long a name may be and how long this
// one is.
void TestSkinName::tooLongForAFileName()
{
    QFETCH(QString, name);
    QFETCH(int, longest);
    QFETCH(NameProblem, problem);
    QCOMPARE(createskinjob::checkskinname(name, "Tessary", longest), problem);
    if (problem != NameProblem::TooLong)
        return;
    const QString text = createskinjob::refusednametext(problem, name, "Tessary", longest);
    QVERIFY2(text.startsWith("The Skin cannot be named \"" + name + "\".\n"), qPrintable(text));
    QVERIFY2(text.contains("too long for a file name"), qPrintable(text));
    QVERIFY2(text.contains(QString("at most %1 bytes").arg(longest - 4)), qPrintable(text));
    QVERIFY2(text.contains(QString("this one takes %1.").arg(name.toUtf8().size())), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestSkinName)
#include "tst_skinname.moc"
