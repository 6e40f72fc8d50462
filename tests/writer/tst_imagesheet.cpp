// The image sheet: its background, the shelf packing of pieces, and the
// pixels of packed pieces.
#include <QtTest>

#include "support/addressspacelimit.h"

#include "writerrig.h"
#include "support/testsupport.h"

#include <QPainter>

namespace {

// A source image whose pixels all differ and are partly transparent, so
// that a wrong region, scale or blend shows.
QImage sourcefixture()
{
    QImage image(64, 48, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x * 4, y * 5, (x * y) % 256, 40 + (x + y) * 2));
    }
    return image;
}

struct SheetRig : WriterRig
{
    QTemporaryDir folder;
    QVector<PackRecord> records;

    SheetRig()
    {
        model.workdir = folder.path();
        colours.skinback = QColor(10, 20, 30);
        QDir(folder.path()).mkpath("toexport");
        QDir(folder.path()).mkpath("skin");
        sourcefixture().save(writer.sourcepath());
        writer.packrecorder = [this](const PackRecord &record) { records.append(record); };
    }
};

// The sheet made the long way: every step reads the saved sheet, paints it
// onto a new transparent image with the change over it, and saves it again.
class FileSheet
{
public:
    FileSheet(const QString &sheet, const QString &source) : m_sheet(sheet), m_source(source) {}

    void start(int width, int height, const QColor &back)
    {
        m_packx = m_packy = m_packbottom = 0;
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen = painter.pen();
        pen.setWidth(0);
        painter.setPen(pen);
        painter.setBrush(QColor(0, 0, 0));
        painter.drawRect(0, 0, width, height);
        painter.setBrush(back);
        painter.drawRect(0, 0, width, height);
        painter.end();
        image.save(m_sheet);
    }

    void merge(int oldX, int oldY, int oldW, int oldH, float fx, float fy)
    {
        const QImage before(m_sheet);
        const int w = qRound(oldW * fx);
        const int h = qRound(oldH * fy);
        const QPoint corner = *packpiece(m_packx, m_packy, m_packbottom, before.width(), before.height(), w, h);
        QImage after(before.width(), m_packbottom + 10, QImage::Format_ARGB32_Premultiplied);
        after.fill(Qt::transparent);
        QPainter painter(&after);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawImage(0, 0, QImage(m_sheet));
        const QImage source(m_source);
        painter.setPen(Qt::NoPen);
        painter.drawImage(QRect(corner, QSize(w, h)),
                          source.copy(QRect(oldX, oldY, oldW, oldH).intersected(source.rect())));
        painter.end();
        after.save(m_sheet);
    }

private:
    QString m_sheet;
    QString m_source;
    int m_packx = 0;
    int m_packy = 0;
    int m_packbottom = 0;
};

} // namespace

class TestImageSheet : public QObject
{
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void background();
    void shelves();
    void piecesizes_data();
    void piecesizes();
    void piecepixels();
    void samepixelsasrewritingthefile();
    void secondjobstartsafresh();
    void widenkeepspixels();
    void sheetbound_data();
    void sheetbound();
    void sheetwithoutmemory_data();
    void sheetwithoutmemory();
    void growsinplace_data();
    void growsinplace();
    void negativepieces();
    void regionsoutsidethesource_data();
    void regionsoutsidethesource();
    void unreadablesource();
};

void TestImageSheet::placement_data()
{
    QTest::addColumn<QVector<int>>("cursor");   // packx, packy, packbottom
    QTest::addColumn<QSize>("sheet");
    QTest::addColumn<QSize>("piece");
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<QVector<int>>("after");

    QTest::newRow("first piece") << QVector<int>{0, 0, 0} << QSize(1920, 1080) << QSize(100, 40)
                                 << QPoint(5, 1085) << QVector<int>{105, 1085, 1125};
    QTest::newRow("next on the shelf") << QVector<int>{105, 1085, 1125} << QSize(1920, 1135) << QSize(50, 20)
                                       << QPoint(110, 1085) << QVector<int>{160, 1085, 1125};
    QTest::newRow("taller piece lowers the bottom") << QVector<int>{105, 1085, 1125} << QSize(1920, 1135)
                                                    << QSize(50, 60) << QPoint(110, 1085)
                                                    << QVector<int>{160, 1085, 1145};
    QTest::newRow("right edge exactly on the sheet's edge") << QVector<int>{1815, 1085, 1125} << QSize(1920, 1135)
                                                            << QSize(100, 10) << QPoint(1820, 1085)
                                                            << QVector<int>{1920, 1085, 1125};
    QTest::newRow("one column wider opens a shelf below the sheet") << QVector<int>{1815, 1085, 1125}
                                                                    << QSize(1920, 1135) << QSize(101, 10)
                                                                    << QPoint(5, 1140)
                                                                    << QVector<int>{106, 1140, 1150};
    QTest::newRow("wider than the sheet") << QVector<int>{0, 0, 0} << QSize(1920, 1080) << QSize(2000, 10)
                                          << QPoint(5, 1085) << QVector<int>{2005, 1085, 1095};
    QTest::newRow("after a too-wide piece") << QVector<int>{2005, 1085, 1095} << QSize(1920, 1105)
                                            << QSize(10, 10) << QPoint(5, 1110)
                                            << QVector<int>{15, 1110, 1120};
    QTest::newRow("zero-size piece still moves on") << QVector<int>{105, 1085, 1125} << QSize(1920, 1135)
                                                    << QSize(0, 0) << QPoint(110, 1085)
                                                    << QVector<int>{110, 1085, 1125};
    QTest::newRow("unreadable sheet") << QVector<int>{0, 0, 0} << QSize(0, 0) << QSize(10, 10)
                                      << QPoint(5, 5) << QVector<int>{15, 5, 15};
    // Not placed, cursor kept: the corner reads (-1, -1).
    const QPoint none(-1, -1);
    QTest::newRow("negative width") << QVector<int>{105, 1085, 1125} << QSize(1920, 1135) << QSize(-2000000000, 10)
                                    << none << QVector<int>{105, 1085, 1125};
    QTest::newRow("negative height") << QVector<int>{105, 1085, 1125} << QSize(1920, 1135) << QSize(10, -1)
                                     << none << QVector<int>{105, 1085, 1125};
    const int most = std::numeric_limits<int>::max();
    QTest::newRow("shelf past the int range") << QVector<int>{0, 0, 0} << QSize(1920, most - 2) << QSize(10, 10)
                                              << none << QVector<int>{0, 0, 0};
    QTest::newRow("bottom past the int range") << QVector<int>{105, most - 20, most - 20} << QSize(1920, 1135)
                                               << QSize(10, 30) << none
                                               << QVector<int>{105, most - 20, most - 20};
    QTest::newRow("cursor past the int range") << QVector<int>{0, 1085, 1125} << QSize(most, 1135)
                                               << QSize(most, 10) << none << QVector<int>{0, 1085, 1125};
}

void TestImageSheet::placement()
{
    QFETCH(QVector<int>, cursor);
    QFETCH(QSize, sheet);
    QFETCH(QSize, piece);
    QFETCH(QPoint, corner);
    QFETCH(QVector<int>, after);

    const std::optional<QPoint> placed = packpiece(cursor[0], cursor[1], cursor[2], sheet.width(),
                                                   sheet.height(), piece.width(), piece.height());
    QCOMPARE(placed.value_or(QPoint(-1, -1)), corner);
    QCOMPARE(cursor, after);
}

void TestImageSheet::background()
{
    SheetRig rig;
    rig.model.packx = rig.model.packy = rig.model.packbottom = 7;
    rig.writer.createpng();
    QCOMPARE(rig.model.packx, 0);
    QCOMPARE(rig.model.packy, 0);
    QCOMPARE(rig.model.packbottom, 0);
    QCOMPARE(rig.progresstexts, QStringList({"Processing Skin Background ... +events",
                                             "Processing Skin Background ... +events"}));

    const QImage sheet = rig.writer.sheet().image();
    QCOMPARE(sheet.size(), QSize(1920, 1080));
    QCOMPARE(sheet.pixel(960, 540), qRgb(10, 20, 30));
    // The hairline outline darkens the outermost pixels.
    for (const QPoint &edge : {QPoint(0, 540), QPoint(1919, 540), QPoint(960, 0), QPoint(960, 1079)}) {
        const QRgb pixel = sheet.pixel(edge);
        QCOMPARE(qAlpha(pixel), 255);
        QVERIFY2(qBlue(pixel) < 30, qPrintable(QString::number(pixel, 16)));
    }
}

void TestImageSheet::shelves()
{
    SheetRig rig;
    rig.model.screenwidth = 300;
    rig.model.screenheight = 100;
    rig.writer.createpng();
    QList<QList<int>> results;
    results << rig.writer.mergepics(0, 0, 100, 40, 1, 1);    // first piece
    QCOMPARE(rig.writer.sheet().height(), 100 + 40 + 15);
    results << rig.writer.mergepics(0, 0, 60, 50, 1, 1);     // on the shelf, taller
    results << rig.writer.mergepics(0, 0, 130, 10, 1, 1);    // 170 + 5 + 130 > 300: new shelf
    results << rig.writer.mergepics(0, 0, 30, 10, 1, 1);     // on the new shelf
    QCOMPARE(results, (QList<QList<int>>{{5, 105, 100, 40}, {110, 105, 60, 50},
                                         {5, 170, 130, 10}, {140, 170, 30, 10}}));
    // 15 rows below the lowest piece of the first shelf; 10 below the last.
    QCOMPARE(rig.writer.sheet().width(), 300);
    QCOMPARE(rig.writer.sheet().height(), 190);

    QCOMPARE(rig.records.size(), 4);
    QCOMPARE(rig.records.at(2).source, QRect(0, 0, 130, 10));
    QCOMPARE(rig.records.at(2).result, results.at(2));
    QCOMPARE(rig.progresstexts.mid(2),
             QStringList(QVector<QString>(4, "Processing Image ... +events").toList()));

    QVERIFY(rig.writer.sheet().save(rig.writer.sheetpath()));
    QCOMPARE(QImage(rig.writer.sheetpath()).size(), QSize(300, 190));
}

void TestImageSheet::piecesizes_data()
{
    QTest::addColumn<QSize>("region");
    QTest::addColumn<float>("fx");
    QTest::addColumn<float>("fy");
    QTest::addColumn<QSize>("piece");

    QTest::newRow("factors apply per axis") << QSize(100, 40) << 0.5f << 1.25f << QSize(50, 50);
    QTest::newRow("halves go up") << QSize(5, 5) << 0.5f << 0.5f << QSize(3, 3);
    QTest::newRow("zero size") << QSize(0, 7) << 1.0f << 1.0f << QSize(0, 7);
    QTest::newRow("factor that is not finite") << QSize(10, 10) << std::numeric_limits<float>::infinity()
                                               << std::numeric_limits<float>::quiet_NaN() << QSize(0, 0);
}

void TestImageSheet::piecesizes()
{
    QFETCH(QSize, region);
    QFETCH(float, fx);
    QFETCH(float, fy);
    QFETCH(QSize, piece);

    SheetRig rig;
    rig.writer.createpng();
    const QList<int> result = rig.writer.mergepics(3, 4, region.width(), region.height(), fx, fy);
    QCOMPARE(result, (QList<int>{5, 1085, piece.width(), piece.height()}));
    // The sheet grows by the piece, drawn or not.
    QCOMPARE(rig.writer.sheet().height(), 1085 + piece.height() + 10);
}

void TestImageSheet::piecepixels()
{
    SheetRig rig;
    rig.model.screenwidth = 200;
    rig.model.screenheight = 50;
    rig.writer.createpng();
    const QImage source = sourcefixture();

    // Unscaled: the region's pixels, blended over the transparent gap.
    const QList<int> copy = rig.writer.mergepics(10, 20, 8, 6, 1, 1);
    // Doubled: every source pixel becomes a 2 x 2 block, not interpolated.
    const QList<int> doubled = rig.writer.mergepics(10, 20, 8, 6, 2, 2);
    // Reaching past the source's corner: the inside part is stretched over
    // the whole piece.
    const QList<int> clipped = rig.writer.mergepics(60, 44, 8, 8, 1, 1);
    const QImage sheet = rig.writer.sheet().image();

    auto expected = [&](int x, int y) {
        return QImage(source).convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .convertToFormat(QImage::Format_ARGB32).pixel(x, y);
    };
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            QCOMPARE(sheet.pixel(copy[0] + x, copy[1] + y), expected(10 + x, 20 + y));
            QCOMPARE(sheet.pixel(doubled[0] + 2 * x + 1, doubled[1] + 2 * y + 1), expected(10 + x, 20 + y));
        }
    }
    // The 4 x 4 inside part fills the 8 x 8 piece.
    QCOMPARE(sheet.pixel(clipped[0] + 7, clipped[1] + 7), expected(63, 47));
    QCOMPARE(sheet.pixel(clipped[0], clipped[1]), expected(60, 44));
    // Gaps and margins stay transparent.
    QCOMPARE(qAlpha(sheet.pixel(copy[0] - 1, copy[1])), 0);
    QCOMPARE(qAlpha(sheet.pixel(0, sheet.height() - 1)), 0);
}

void TestImageSheet::samepixelsasrewritingthefile()
{
    SheetRig rig;
    rig.model.screenwidth = 160;
    rig.model.screenheight = 90;
    rig.colours.skinback = QColor(200, 100, 50, 128);
    const QString literalpath = rig.folder.path() + "/literal.png";
    FileSheet literal(literalpath, rig.writer.sourcepath());

    rig.writer.createpng();
    literal.start(160, 90, rig.colours.skinback);
    struct Piece { int x, y, w, h; float fx, fy; };
    const QVector<Piece> pieces = {{0, 0, 64, 48, 1.0f, 1.0f}, {5, 7, 30, 20, 0.75f, 1.3f},
                                   {40, 30, 30, 30, 2.0f, 0.5f}, {0, 0, 200, 10, 1.0f, 1.0f},
                                   {50, 10, 14, 14, 3.0f, 3.0f}, {1, 1, 0, 5, 1.0f, 1.0f},
                                   {20, 20, 9, 9, 0.5f, 0.5f}};
    for (const Piece &piece : pieces) {
        rig.writer.mergepics(piece.x, piece.y, piece.w, piece.h, piece.fx, piece.fy);
        literal.merge(piece.x, piece.y, piece.w, piece.h, piece.fx, piece.fy);
    }
    QVERIFY(rig.writer.sheet().save(rig.writer.sheetpath()));
    const QImage written(rig.writer.sheetpath());
    const QImage expected(literalpath);
    QCOMPARE(written.size(), expected.size());
    QCOMPARE(written.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
}

void TestImageSheet::secondjobstartsafresh()
{
    SheetRig rig;
    rig.writer.createpng();
    rig.writer.mergepics(0, 0, 10, 10, 1, 1);
    rig.writer.mergepics(0, 0, 10, 10, 1, 1);
    rig.writer.createpng();
    QCOMPARE(rig.writer.sheet().height(), 1080);
    QCOMPARE(rig.writer.mergepics(0, 0, 10, 10, 1, 1), (QList<int>{5, 1085, 10, 10}));
}

// Widening moves every row to its wider place: the pixels stay where they
// were, the new columns are transparent, and the sheet grows on from there.
void TestImageSheet::widenkeepspixels()
{
    SheetRig rig;
    rig.model.screenwidth = 160;
    rig.model.screenheight = 90;
    rig.writer.createpng();
    for (int i = 0; i < 6; ++i)
        rig.writer.mergepics(i * 3, i * 2, 60, 40, 1.0f, 1.0f);
    ImageSheet &sheet = rig.writer.sheet();
    const QImage before = sheet.image();

    sheet.widen(333);
    const QList<int> after = rig.writer.mergepics(0, 0, 64, 48, 4.0f, 4.0f);
    const QImage widened = sheet.image();
    QCOMPARE(widened.width(), 333);
    QCOMPARE(widened.height(), after.at(1) + after.at(3) + 10);
    QCOMPARE(widened.copy(0, 0, before.width(), before.height()), before);
    for (int y = 0; y < before.height(); ++y) {
        for (int x = before.width(); x < widened.width(); ++x)
            QCOMPARE(widened.pixel(x, y), QRgb(0));
    }
}

void TestImageSheet::sheetbound_data()
{
    QTest::addColumn<QSize>("start");
    QTest::addColumn<QSize>("piece");       // placed when valid
    QTest::addColumn<int>("widen");         // widened to, when not 0
    QTest::addColumn<bool>("toolarge");

    QTest::newRow("start within") << QSize(1920, 1080) << QSize() << 0 << false;
    QTest::newRow("start past the area") << QSize(16385, 16384) << QSize() << 0 << true;
    QTest::newRow("16K desktop") << QSize(15360, 8640) << QSize() << 0 << true;
    QTest::newRow("start past a side") << QSize(1000001, 1) << QSize() << 0 << true;
    QTest::newRow("grown to a side's end") << QSize(1, 100) << QSize(1, 999880) << 0 << false;
    QTest::newRow("grown past a side") << QSize(1, 100) << QSize(1, 999890) << 0 << true;
    // 1920 x 34952 rows is the area's end (8192 x 8192 pixels); a piece
    // opens a shelf 5 rows below the sheet, which ends 10 rows below it.
    QTest::newRow("grown to the area's end") << QSize(1920, 1080) << QSize(10, 34952 - 1095) << 0 << false;
    QTest::newRow("grown past the area") << QSize(1920, 1080) << QSize(10, 34953 - 1095) << 0 << true;
    QTest::newRow("a piece a side long, cut off") << QSize(1920, 1080) << QSize(1000000, 1) << 0 << false;
    QTest::newRow("a piece as wide as an int") << QSize(1920, 1080)
                                               << QSize(std::numeric_limits<int>::max(), 10) << 0 << true;
    QTest::newRow("a piece as tall as an int") << QSize(1920, 1080)
                                               << QSize(10, std::numeric_limits<int>::max()) << 0 << true;
    QTest::newRow("widened past the area") << QSize(1, 100000) << QSize() << 16384 << true;
    QTest::newRow("widened to the area's end") << QSize(1920, 8192) << QSize() << 8192 << false;
    QTest::newRow("widened a column past the area") << QSize(1920, 8192) << QSize() << 8193 << true;
}

// A sheet beyond the bound is refused before its pixels are made: it is
// marked too large, keeps what it had, takes no piece and is not saved.
void TestImageSheet::sheetbound()
{
    QFETCH(QSize, start);
    QFETCH(QSize, piece);
    QFETCH(int, widen);
    QFETCH(bool, toolarge);

    SheetRig rig;
    ImageSheet &sheet = rig.writer.sheet();
    sheet.start(start.width(), start.height(), Qt::black);
    const QSize started(sheet.width(), sheet.height());
    std::optional<QPoint> placed;
    if (piece.isValid())
        placed = sheet.place(piece.width(), piece.height());
    if (widen)
        sheet.widen(widen);

    QCOMPARE(sheet.toolarge(), toolarge);
    if (!toolarge) {
        QCOMPARE(placed.has_value(), piece.isValid());
        return;
    }
    QVERIFY(!placed);
    // Blamed on the desktop when it was too large to start with.
    QCOMPARE(sheet.refusal(), piece.isValid() || widen ? ImageSheet::Refusal::Pieces : ImageSheet::Refusal::Desktop);
    QCOMPARE(QSize(sheet.width(), sheet.height()), started);
    QCOMPARE(QVector<int>({rig.model.packx, rig.model.packy, rig.model.packbottom}), QVector<int>({0, 0, 0}));
    QVERIFY(!sheet.place(1, 1));
    QVERIFY(!sheet.save(rig.writer.sheetpath()));
    QVERIFY(!QFile::exists(rig.writer.sheetpath()));
}

// Pieces of negative size take no place: 2,300 of them, each as wide as
// the writer lets a piece be, leave the cursor where it was.
void TestImageSheet::sheetwithoutmemory_data()
{
    QTest::addColumn<QSize>("start");       // under the limit when the piece is not valid
    QTest::addColumn<QSize>("piece");       // placed under the limit when valid
    QTest::addColumn<int>("widen");         // widened to under the limit, when not 0
    QTest::addColumn<QSize>("refused");
    QTest::newRow("starting") << QSize(7680, 4320) << QSize() << 0 << QSize(7680, 4320);
    QTest::newRow("growing") << QSize(1920, 1080) << QSize(1900, 8000) << 0 << QSize(1920, 1080 + 5 + 8000 + 10);
    QTest::newRow("widening") << QSize(1920, 1080) << QSize() << 7680 << QSize(7680, 1080);
}

// A sheet within its bound that this machine has no memory for is not
// reported as too large: it says so, and the size it was asked to take,
// keeps what it had and is not saved.
void TestImageSheet::sheetwithoutmemory()
{
    QFETCH(QSize, start);
    QFETCH(QSize, piece);
    QFETCH(int, widen);
    QFETCH(QSize, refused);
    if (testsupport::hasaddresssanitizer)
        QSKIP("the address sanitizer aborts the process on a failed allocation");
    SheetRig rig;
    ImageSheet &sheet = rig.writer.sheet();
    const bool startsunderlimit = !piece.isValid() && widen == 0;
    if (!startsunderlimit)
        sheet.start(start.width(), start.height(), QColor(10, 200, 30));
    const QSize started(sheet.width(), sheet.height());
    const QImage before = sheet.image();
    std::optional<QPoint> placed;
    {
        testsupport::AddressSpaceLimit limit(16 << 20);
        QVERIFY(limit.isapplied());
        if (startsunderlimit)
            sheet.start(start.width(), start.height(), Qt::black);
        if (piece.isValid())
            placed = sheet.place(piece.width(), piece.height());
        if (widen)
            sheet.widen(widen);
    }
    QVERIFY(!placed);
    QVERIFY(sheet.toolarge());
    QVERIFY(sheet.outofmemory());
    QCOMPARE(sheet.refusedsize(), refused);
    QCOMPARE(QSize(sheet.width(), sheet.height()), started);
    QCOMPARE(sheet.image(), before);
    QCOMPARE(rig.writer.problem(), SkinWriter::Problem::SheetMemory);
    QCOMPARE(rig.writer.problemsize(), refused);
    QVERIFY(!sheet.place(1, 1));
    QVERIFY(!sheet.save(rig.writer.sheetpath()));
    QVERIFY(!QFile::exists(rig.writer.sheetpath()));
}

void TestImageSheet::growsinplace_data()
{
    QTest::addColumn<QSize>("start");
    QTest::addColumn<int>("widen");         // 0: grown by pieces
    QTest::addColumn<bool>("freedroom");    // the heap holds a freed document's room
    QTest::newRow("grown by pieces") << QSize(1920, 1080) << 0 << false;
    QTest::newRow("widened") << QSize(1920, 8192) << 8192 << false;
    QTest::newRow("8K desktop, grown by pieces, a freed document's room in the heap")
        << QSize(7680, 4320) << 0 << true;
}

namespace {
// Leaves a free room of bytes inside the heap, as a document read and freed
// before the sheet starts does: its many small nodes are freed, but a node
// made after them holds the heap's end, so the room stays the process's.
// The returned node must live while the room is to stay.
QByteArray leavefreedroom(qint64 bytes)
{
    const int node = 1000;
    std::vector<QByteArray> nodes(size_t(bytes / node));
    for (QByteArray &one : nodes)
        one = QByteArray(node - 32, 'n');
    QByteArray pin(node - 32, 'p');
    nodes.clear();
    nodes.shrink_to_fit();
    return pin;
}
} // namespace

// A sheet reaches its bound in the memory of one sheet at its bound: it
// never holds its old rows and a copy of them at once.
void TestImageSheet::growsinplace()
{
    QFETCH(QSize, start);
    QFETCH(int, widen);
    QFETCH(bool, freedroom);
    if (testsupport::hasaddresssanitizer)
        QSKIP("the address sanitizer aborts the process on a failed allocation");
    // More than the sheet starts with (its rows and spare ones), less than
    // it grows to: it could start there, and not grow there.
    const QByteArray pin = freedroom ? leavefreedroom(largestpicturearea * 4 * 7 / 8) : QByteArray();
    SheetRig rig;
    ImageSheet &sheet = rig.writer.sheet();
    sheet.start(start.width(), start.height(), Qt::black);
    // Room for the pixels it grows by, and not for a second sheet.
    const qint64 grownby = (largestpicturearea - qint64(start.width()) * start.height()) * 4;
    testsupport::AddressSpaceLimit limit(grownby + (16 << 20));
    QVERIFY(limit.isapplied());
    if (widen) {
        sheet.widen(widen);
        QCOMPARE(sheet.width(), widen);
    }
    // Pieces of 400 rows, each on a shelf of its own, up to the bound.
    while ((sheet.height() + 415) * qint64(sheet.width()) <= largestpicturearea)
        QVERIFY(sheet.place(sheet.width() - 20, 400));
    QVERIFY(!sheet.toolarge());
    QVERIFY(qint64(sheet.width()) * (sheet.height() + 415) > largestpicturearea);
}

void TestImageSheet::negativepieces()
{
    SheetRig rig;
    rig.writer.createpng();
    for (int i = 0; i < 2300; ++i)
        QCOMPARE(rig.writer.mergepics(0, 0, -2000000000, 10, 1, 1).mid(0, 2), (QList<int>{0, 0}));
    QCOMPARE(rig.writer.mergepics(0, 0, 10, 10, 1, 1), (QList<int>{5, 1085, 10, 10}));
    QCOMPARE(rig.writer.mergepics(0, 0, 10, 10, -1, 1).mid(0, 2), (QList<int>{0, 0}));
    QCOMPARE(rig.writer.mergepics(0, 0, 10, 10, 1, 1), (QList<int>{20, 1085, 10, 10}));
}

void TestImageSheet::regionsoutsidethesource_data()
{
    // The region as mergepics takes it: its far edges may lie past the int
    // range, so it is no QRect.
    QTest::addColumn<QVector<int>>("region");
    QTest::addColumn<float>("factor");
    const int most = std::numeric_limits<int>::max();
    const int least = std::numeric_limits<int>::min();
    QTest::newRow("far right") << QVector<int>{most - 10, 0, 10, 10} << 1.0f;
    QTest::newRow("reaching past the int range") << QVector<int>{most - 10, 0, 100, 10} << 1.0f;
    QTest::newRow("far below, past the int range") << QVector<int>{0, most - 5, 10, 100} << 1.0f;
    QTest::newRow("far left") << QVector<int>{least, 0, 100, 10} << 1.0f;
    // Mirrored by the factors into a piece of positive size.
    QTest::newRow("negative size") << QVector<int>{20, 20, -8, -6} << -1.0f;
}

// The part of a region outside the source image is not drawn; a region
// wholly outside draws nothing, however far its edges reach.
void TestImageSheet::regionsoutsidethesource()
{
    QFETCH(QVector<int>, region);
    QFETCH(float, factor);

    SheetRig rig;
    rig.model.screenwidth = 200;
    rig.model.screenheight = 50;
    rig.writer.createpng();
    const QList<int> piece = rig.writer.mergepics(region[0], region[1], region[2], region[3], factor, factor);
    QCOMPARE(piece.mid(0, 2), (QList<int>{5, 55}));
    QVERIFY(piece.at(2) > 0 && piece.at(3) > 0);
    const QImage sheet = rig.writer.sheet().image();
    for (int y = piece.at(1); y < piece.at(1) + piece.at(3); ++y) {
        for (int x = piece.at(0); x < qMin(piece.at(0) + piece.at(2), sheet.width()); ++x)
            QCOMPARE(qAlpha(sheet.pixel(x, y)), 0);
    }
    QCOMPARE(rig.writer.problem(), SkinWriter::Problem::None);
}

// A source picture that does not decode: the pieces still take their
// places, but the writer saves nothing and says why.
void TestImageSheet::unreadablesource()
{
    SheetRig rig;
    QVERIFY(testsupport::writeFile(rig.writer.sourcepath(), "\x89PNG\r\n\x1a\n cut short"));
    QVERIFY(testsupport::writeFile(rig.writer.prunedpath(),
                                   "<skin><panel name=\"system\"><button x=\"0\" y=\"0\" width=\"10\" height=\"10\">"
                                   "<off x=\"0\" y=\"0\"/></button></panel></skin>"));
    rig.writer.createpng();
    QCOMPARE(rig.writer.problem(), SkinWriter::Problem::None);
    QVERIFY(!rig.writer.createxml());
    QCOMPARE(rig.writer.problem(), SkinWriter::Problem::SourcePicture);
    QVERIFY(!QFile::exists(rig.writer.documentpath()));
    QVERIFY(!QFile::exists(rig.writer.sheetpath()));

    // The next job starts without the problem.
    sourcefixture().save(rig.writer.sourcepath());
    rig.writer.createpng();
    QVERIFY(rig.writer.createxml());
    QCOMPARE(rig.writer.problem(), SkinWriter::Problem::None);
}

QTEST_MAIN(TestImageSheet)
#include "tst_imagesheet.moc"
