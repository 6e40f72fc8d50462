// Custom icons: the chosen icon strip packed into the image sheet and the
// customicons element that points at it.
#include <QtTest>

#include "controlcases.h"
#include "support/picturecompare.h"

Q_DECLARE_METATYPE(IconOption)

namespace {

const char *const tessaryicons = "<mcustomicons x=\"1\" y=\"1\" iconsize=\"64\" nb=\"144\" nbx=\"16\" />";

struct IconRig : WriterRig
{
    explicit IconRig(IconOption option, float width = 1920, float height = 1080)
    {
        model.screenwidth = width;
        model.screenheight = height;
        writer.icons = option;
        colours.skinback = QColor("#303030");
        writer.createpng();
        progresstexts.clear();
    }

    void write(const QString &input, int level = 2)
    {
        writer.exportcustomicons(parse(input), level);
    }
};

// Empty when the strip lies in the sheet pixel for pixel. The sheet is kept
// premultiplied, so both are compared so: a faint pixel's colour, which
// premultiplying rounds away, carries nothing.
QString stripdifference(const QImage &placed, const QImage &strip)
{
    return testsupport::picturedifference(placed.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                          strip.convertToFormat(QImage::Format_ARGB32_Premultiplied), 0);
}

} // namespace

class TestCustomIcons : public QObject
{
    Q_OBJECT
private slots:
    void firstpiece_data();
    void firstpiece();
    void nothingwritten_data();
    void nothingwritten();
    void attributes_data();
    void attributes();
    void stripcontent_data();
    void stripcontent();
    void narrowdesktop();
    void inthesystempanel();
    void cornerfaroff_data();
    void cornerfaroff();
};

void TestCustomIcons::firstpiece_data()
{
    QTest::addColumn<IconOption>("option");
    QTest::addColumn<QSize>("sheet");
    QTest::addColumn<QList<int>>("result");

    QTest::newRow("alternative") << IconOption::Alternative << QSize(1920, 1689) << QList<int>{19, 1085, 1040, 594};
    QTest::newRow("white") << IconOption::White << QSize(1920, 1690) << QList<int>{19, 1085, 1039, 595};
}

void TestCustomIcons::firstpiece()
{
    QFETCH(IconOption, option);
    QFETCH(QSize, sheet);
    QFETCH(QList<int>, result);

    IconRig rig(option);
    rig.write(tessaryicons);
    QCOMPARE(rig.text(), at(2, "<customicons iconsize=\"64\" nb=\"144\" nbx=\"16\" x=\"19\" y=\"1085\"/>"));
    QCOMPARE(rig.writer.sheet().image().size(), sheet);
    QCOMPARE(rig.progresstexts, QStringList{"Adding Icons ... +events"});

    // Straight through mergeicons: the next piece, on the same shelf.
    IconRig direct(option);
    QCOMPARE(direct.writer.mergeicons(1, 1), result);
    QCOMPARE(direct.model.packx, 5 + result.at(2));
    QCOMPARE(direct.model.packbottom, 1085 + result.at(3));
    const QList<int> second = direct.writer.mergepics(0, 0, 10, 10, 1.0f, 1.0f);
    QCOMPARE(second.mid(0, 2), (QList<int>{5 + result.at(2) + 5, 1085}));
}

void TestCustomIcons::nothingwritten_data()
{
    QTest::addColumn<IconOption>("option");
    QTest::addColumn<QString>("input");

    QTest::newRow("default icons") << IconOption::Default << QString(tessaryicons);
    QTest::newRow("add no, alternative")
        << IconOption::Alternative << "<mcustomicons add=\"no\" x=\"1\" y=\"1\" iconsize=\"64\"/>";
    QTest::newRow("add no, white") << IconOption::White << "<mcustomicons add=\"no\" x=\"1\"/>";
}

void TestCustomIcons::nothingwritten()
{
    QFETCH(IconOption, option);
    QFETCH(QString, input);

    IconRig rig(option);
    const QImage before = rig.writer.sheet().image();
    rig.write(input);
    QCOMPARE(rig.text(), QString());
    QVERIFY(rig.progresstexts.isEmpty());
    QCOMPARE(rig.writer.sheet().image(), before);
    QCOMPARE(rig.model.packx, 0);
    QCOMPARE(rig.model.packy, 0);
    QCOMPARE(rig.model.packbottom, 0);
}

void TestCustomIcons::attributes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("packed");

    QTest::newRow("no x: no place, nothing packed")
        << "<mcustomicons y=\"1\" nbx=\"16\" iconsize=\"64\"><child/></mcustomicons>"
        << "<customicons iconsize=\"64\" nbx=\"16\"/>" << false;
    QTest::newRow("x without y") << "<mcustomicons x=\"0\"/>" << "<customicons x=\"19\" y=\"1085\"/>" << true;
    QTest::newRow("x not a number") << "<mcustomicons x=\"left\" y=\"top\"/>"
                                    << "<customicons x=\"19\" y=\"1085\"/>" << true;
    QTest::newRow("nb is a script, the others raw; add No not filtered")
        << "<mcustomicons add=\"No\" nb='1\"4' iconsize='' nbx='16&amp;'/>"
        << "<customicons iconsize=\"\" nb=\"1&quot;4\" nbx=\"16&amp;\"/>" << false;
}

void TestCustomIcons::attributes()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(bool, packed);

    IconRig rig(IconOption::Alternative);
    rig.write(input, 1);
    QCOMPARE(rig.text(), at(1, expected));
    QCOMPARE(rig.writer.sheet().image().height(), packed ? 1689 : 1080);
}

void TestCustomIcons::stripcontent_data()
{
    QTest::addColumn<IconOption>("option");
    QTest::addColumn<QString>("strip");
    QTest::newRow("alternative") << IconOption::Alternative << ":/Resources/icons.png";
    QTest::newRow("white") << IconOption::White << ":/Resources/icons_white.png";
}

void TestCustomIcons::stripcontent()
{
    QFETCH(IconOption, option);
    QFETCH(QString, strip);

    const QImage icons(strip);
    QVERIFY(!icons.isNull());

    // From its corner the strip is copied pixel for pixel.
    IconRig whole(option);
    whole.writer.mergeicons(0, 0);
    const QImage copied = whole.writer.sheet().image().copy(5, 1085, icons.width(), icons.height());
    const QString difference = stripdifference(copied, icons);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    // From (1, 1) the rest is stretched over the strip's full size.
    IconRig inset(option);
    inset.writer.mergeicons(1, 1);
    const QImage expected = icons.copy(1, 1, icons.width() - 1, icons.height() - 1)
                                .scaled(icons.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage placed = inset.writer.sheet().image().copy(5, 1085, icons.width(), icons.height());
    // Stretching by one pixel repeats a row and a column somewhere; away
    // from the far edges the two must agree within a pixel's shift.
    int differing = 0;
    for (int y = 0; y < icons.height(); y += 7) {
        for (int x = 0; x < icons.width(); x += 7) {
            if (qAlpha(placed.pixel(x, y)) != qAlpha(expected.pixel(x, y)))
                ++differing;
        }
    }
    QVERIFY2(differing < (icons.width() / 7) * (icons.height() / 7) / 50, qPrintable(QString::number(differing)));
}

void TestCustomIcons::narrowdesktop()
{
    // A desktop narrower than the strip: the sheet widens so that the whole
    // strip, and every icon the element points at, lies inside it.
    IconRig rig(IconOption::Alternative, 1024, 768);
    rig.write(tessaryicons);
    QCOMPARE(rig.text(), at(2, "<customicons iconsize=\"64\" nb=\"144\" nbx=\"16\" x=\"19\" y=\"773\"/>"));
    const QImage sheet = rig.writer.sheet().image();
    QCOMPARE(sheet.width(), 5 + 1040);
    QCOMPARE(sheet.height(), 773 + 594 + 10);
    // The icon grid: 16 columns and 9 rows of 64 pixels from x="19".
    QVERIFY(sheet.rect().contains(QRect(19, 773, 16 * 64, 9 * 64)));
    // The background keeps its colour; the new columns are no background.
    QCOMPARE(sheet.pixelColor(500, 300), rig.colours.skinback);
    QCOMPARE(qAlpha(sheet.pixel(1030, 300)), 0);

    // Later pieces use the wider sheet and stay inside it.
    const QList<int> next = rig.writer.mergepics(0, 0, 30, 30, 1.0f, 1.0f);
    QVERIFY(rig.writer.sheet().image().rect().contains(QRect(next.at(0), next.at(1), next.at(2), next.at(3))));
}

void TestCustomIcons::inthesystempanel()
{
    // The dispatcher hands it on without factors: the system scale does
    // not reach it.
    IconRig rig(IconOption::White);
    const QDomElement system = rig.parse(QString("<panel name=\"system\"><logo x=\"2\"/>%1</panel>").arg(tessaryicons));
    rig.writer.exportsystem(system, 1, 2.0f);
    QCOMPARE(rig.text(), at(1, "<group name=\"system\">") + at(2, "<logo x=\"4\"/>")
                             + at(2, "<customicons iconsize=\"64\" nb=\"144\" nbx=\"16\" x=\"19\" y=\"1085\"/>")
                             + at(1, "</group>") + "\n");
}

void TestCustomIcons::cornerfaroff_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::newRow("x at the int range's end") << "2147483640" << "1";
    QTest::newRow("y at the int range's end") << "1" << "2147483647";
    QTest::newRow("x at the int range's start") << "-2147483648" << "1";
}

// A strip corner far beyond the strip copies nothing, whatever its edges
// add up to; the strip still takes its place.
void TestCustomIcons::cornerfaroff()
{
    QFETCH(QString, x);
    QFETCH(QString, y);

    IconRig rig(IconOption::Alternative);
    rig.write(QString("<mcustomicons x=\"%1\" y=\"%2\" iconsize=\"64\"/>").arg(x, y));
    QCOMPARE(rig.text(), at(2, "<customicons iconsize=\"64\" x=\"19\" y=\"1085\"/>"));
    const QImage sheet = rig.writer.sheet().image();
    QCOMPARE(sheet.size(), QSize(1920, 1689));
    const QImage placed = sheet.copy(5, 1085, 1040, 594).convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < placed.height(); ++row) {
        for (int column = 0; column < placed.width(); ++column)
            QCOMPARE(qAlpha(placed.pixel(column, row)), 0);
    }
}

QTEST_MAIN(TestCustomIcons)
#include "tst_customicons.moc"
