#include <QtTest>

#include "skinmodel/textfunctions.h"

class TestTextFunctions : public QObject
{
    Q_OBJECT
private slots:
    void tabsRepeatsTheTabCharacter_data();
    void tabsRepeatsTheTabCharacter();
    void listindexFindsTheFirstExactMatch_data();
    void listindexFindsTheFirstExactMatch();
    void parseactionEscapes_data();
    void parseactionEscapes();
    void resizesizeScalesAndRounds_data();
    void resizesizeScalesAndRounds();
    void resizeposScalesShiftsAndRounds_data();
    void resizeposScalesShiftsAndRounds();
    void textintReadsSignedIntegers_data();
    void textintReadsSignedIntegers();
};

void TestTextFunctions::tabsRepeatsTheTabCharacter_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0 << QString();
    QTest::newRow("negative") << -3 << QString();
    QTest::newRow("one") << 1 << QString("\t");
    QTest::newRow("three") << 3 << QString("\t\t\t");
}

void TestTextFunctions::tabsRepeatsTheTabCharacter()
{
    QFETCH(int, level);
    QFETCH(QString, expected);
    QCOMPARE(tabs(level), expected);
}

void TestTextFunctions::listindexFindsTheFirstExactMatch_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty list") << QStringList() << "5" << -1;
    QTest::newRow("absent") << QStringList{"1", "2"} << "5" << -1;
    QTest::newRow("first of two") << QStringList{"7", "5", "3", "5"} << "5" << 1;
    QTest::newRow("no trimming") << QStringList{" 5", "05", "5 "} << "5" << -1;
    QTest::newRow("case-sensitive") << QStringList{"menu", "MENU"} << "MENU" << 1;
    QTest::newRow("empty value") << QStringList{"a", ""} << "" << 1;
}

void TestTextFunctions::listindexFindsTheFirstExactMatch()
{
    QFETCH(QStringList, list);
    QFETCH(QString, value);
    QFETCH(int, expected);
    QCOMPARE(listindex(list, value), expected);
}

void TestTextFunctions::parseactionEscapes_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("framed ampersand") << "a & b" << "a &amp; b";
    // The blank between the two ampersands belongs to the first match.
    QTest::newRow("two ampersands") << "x & & y" << "x &amp; & y";
    QTest::newRow("three ampersands") << " & & & " << " &amp; & &amp; ";
    QTest::newRow("ampersand at the end") << "a &" << "a &";
    QTest::newRow("ampersand next to letters") << "a&b a &b a& b" << "a&b a &b a& b";
    QTest::newRow("entity kept") << "a &amp; b&lt;" << "a &amp; b&lt;";
    QTest::newRow("apostrophe kept") << "say 'hi'" << "say 'hi'";
    QTest::newRow("double quote") << "get_text \"x\"" << "get_text &quot;x&quot;";
    QTest::newRow("quote between blanks") << "a \" b" << "a &quot; b";
    QTest::newRow("angle brackets") << "<b>bold</b>" << "&lt;b&gt;bold&lt;/b&gt;";
    QTest::newRow("script") << "deck 1 play & param_bigger 0 ? \"on\" : 'off'"
                            << "deck 1 play &amp; param_bigger 0 ? &quot;on&quot; : 'off'";
}

void TestTextFunctions::parseactionEscapes()
{
    QFETCH(QString, action);
    QFETCH(QString, expected);
    QCOMPARE(parseaction(action), expected);
}

void TestTextFunctions::resizesizeScalesAndRounds_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("expected");
    QTest::newRow("half") << "100" << 0.5f << "50";
    QTest::newRow("positive half rounds up") << "5" << 0.5f << "3";
    QTest::newRow("negative half rounds up") << "-5" << 0.5f << "-2";
    QTest::newRow("just below negative half") << "-5.02" << 0.5f << "-3";
    QTest::newRow("fraction") << "12.7" << 1.0f << "13";
    // 0.7f is slightly below 0.7: in double 5 * 0.7f stays below 3.5.
    QTest::newRow("computed in double") << "5" << 0.7f << "3";
    QTest::newRow("leading plus") << "+15" << 1.0f << "15";
    QTest::newRow("negative zero") << "-0" << 1.0f << "0";
    QTest::newRow("decimal comma") << "1,5" << 2.0f << "0";
    QTest::newRow("word") << "wide" << 2.0f << "0";
    QTest::newRow("empty") << "" << 2.0f << "0";
    QTest::newRow("expression") << "202-30" << 1.0f << "0";
    QTest::newRow("expression with plus") << "+75+2" << 1.0f << "0";
    QTest::newRow("placeholder") << "[ICONSIZE]" << 3.0f << "[ICONSIZE]";
    QTest::newRow("bracket only") << "[" << 3.0f << "[";
    QTest::newRow("placeholder behind blank") << " [ICONSIZE]" << 3.0f << "0";
    QTest::newRow("float overflow") << "1e39" << 1.0f << "0";
    QTest::newRow("infinite text") << "inf" << 1.0f << "0";
    QTest::newRow("undefined text") << "nan" << 1.0f << "0";
    QTest::newRow("clamped high") << "3e38" << 10.0f << "2147483647";
    QTest::newRow("clamped low") << "-3e38" << 10.0f << "-2147483648";
    QTest::newRow("int max stays") << "2147483647" << 1.0f << "2147483647";
    QTest::newRow("infinite factor") << "2" << std::numeric_limits<float>::infinity() << "2147483647";
    QTest::newRow("undefined factor") << "2" << std::numeric_limits<float>::quiet_NaN() << "0";
    QTest::newRow("zero times infinite factor") << "0" << std::numeric_limits<float>::infinity() << "0";
}

void TestTextFunctions::resizesizeScalesAndRounds()
{
    QFETCH(QString, value);
    QFETCH(float, factor);
    QFETCH(QString, expected);
    QCOMPARE(resizesize(value, factor), expected);
}

void TestTextFunctions::resizeposScalesShiftsAndRounds_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<float>("factor");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("scaled and shifted") << "10" << 1.5f << 100 << "115";
    QTest::newRow("empty gives the offset") << "" << 2.0f << 7 << "7";
    QTest::newRow("word gives the offset") << "left" << 2.0f << -7 << "-7";
    QTest::newRow("negative") << "-3" << 1.0f << 0 << "-3";
    // The offset joins before rounding: 2.5 + 0.25 would round apart.
    QTest::newRow("offset before rounding") << "5" << 0.5f << 1 << "4";
    QTest::newRow("negative half") << "-5" << 0.5f << 0 << "-2";
    QTest::newRow("half after negative offset") << "5" << 0.5f << -5 << "-2";
    QTest::newRow("computed in double") << "5" << 0.7f << 10 << "13";
    QTest::newRow("placeholder") << "[TEXTDX]" << 2.0f << 50 << "[TEXTDX]";
    QTest::newRow("placeholder behind blank") << " [TEXTDX]" << 2.0f << 50 << "50";
    QTest::newRow("overflow gives the offset") << "1e39" << 1.0f << 4 << "4";
    QTest::newRow("clamped high") << "2147483647" << 1.0f << 2147483647 << "2147483647";
    QTest::newRow("clamped low") << "-2147483648" << 1.0f << -2147483647 - 1 << "-2147483648";
}

void TestTextFunctions::resizeposScalesShiftsAndRounds()
{
    QFETCH(QString, value);
    QFETCH(float, factor);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    QCOMPARE(resizepos(value, factor, offset), expected);
}

void TestTextFunctions::textintReadsSignedIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "1920" << 1920;
    QTest::newRow("negative") << "-12" << -12;
    QTest::newRow("leading zero") << "0208" << 208;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("decimal") << "1.00000" << 0;
    QTest::newRow("word") << "yes" << 0;
    QTest::newRow("too large") << "99999999999" << 0;
}

void TestTextFunctions::textintReadsSignedIntegers()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(textint(text), expected);
}

QTEST_GUILESS_MAIN(TestTextFunctions)
#include "tst_textfunctions.moc"
