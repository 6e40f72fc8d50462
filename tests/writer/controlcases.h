#pragma once
// Table-driven cases for the control writers: a row holds an input element,
// the placement it is written with and the text expected in the document.
#include "writerrig.h"
#include "skinmodel/textfunctions.h"

#include <QtTest>

using ControlWriter = void (SkinWriter::*)(QDomNode, int, float, float, int, int);

// Indentation level, scale factors and group offsets of one call.
struct Placement
{
    int level;
    float resizeX;
    float resizeY;
    int groupXpos;
    int groupYpos;
};

// One expected line: level tabs, the content and a line feed.
inline QString at(int level, const QString &content)
{
    return tabs(level) + content + QLatin1Char('\n');
}

inline void addcontrolcolumns()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("level");
    QTest::addColumn<float>("resizeX");
    QTest::addColumn<float>("resizeY");
    QTest::addColumn<int>("groupXpos");
    QTest::addColumn<int>("groupYpos");
    QTest::addColumn<QString>("expected");
}

// Returns the row so that a test with columns of its own can add to it.
inline QTestData &addcontrolcase(const char *name, const QString &input, const Placement &placement,
                                 const QString &expected)
{
    return QTest::newRow(name) << input << placement.level << placement.resizeX << placement.resizeY
                        << placement.groupXpos << placement.groupYpos << expected;
}

// Writes the current row's input with writer and returns the document text.
inline QString writecontrolcase(ControlWriter writer,
                                BrowserOption browser = BrowserOption::Default)
{
    QFETCH(QString, input);
    QFETCH(int, level);
    QFETCH(float, resizeX);
    QFETCH(float, resizeY);
    QFETCH(int, groupXpos);
    QFETCH(int, groupYpos);

    WriterRig rig;
    rig.writer.browser = browser;
    const QDomElement element = rig.parse(input);
    if (!QTest::qVerify(!element.isNull(), "fixture parses", "", __FILE__, __LINE__))
        return QStringLiteral("<fixture does not parse>");
    (rig.writer.*writer)(element, level, resizeX, resizeY, groupXpos, groupYpos);
    return rig.text();
}

// Columns of a table whose rows all share their group offsets: the test
// passes them to writeelementcase.
inline void addelementcolumns()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("level");
    QTest::addColumn<float>("resizeX");
    QTest::addColumn<float>("resizeY");
    QTest::addColumn<QString>("expected");
}

// Writes the current row's input with writer through rig, at the group
// offsets every row shares, and returns the document text.
inline QString writeelementcase(WriterRig &rig, ControlWriter writer, int groupXpos, int groupYpos)
{
    QFETCH(QString, input);
    QFETCH(int, level);
    QFETCH(float, resizeX);
    QFETCH(float, resizeY);

    (rig.writer.*writer)(rig.parse(input), level, resizeX, resizeY, groupXpos, groupYpos);
    return rig.text();
}
