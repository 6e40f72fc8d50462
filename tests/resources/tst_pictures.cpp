// The built-in pictures: each loads from the path the program uses, at the
// size and in the form that the code reading it relies on.
#include <QtTest>
#include <QImage>
#include <QSet>

namespace {

bool isClear(QRgb pixel) { return qAlpha(pixel) == 0; }

// The pixels of one icon cell, as a key that tells icons apart.
QByteArray cellKey(const QImage &strip, const QRect &cell)
{
    const QImage part = strip.copy(cell).convertToFormat(QImage::Format_ARGB32);
    return QByteArray(reinterpret_cast<const char *>(part.constBits()), int(part.sizeInBytes()));
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void loadsAtItsSize_data();
    void loadsAtItsSize();
    void logoAtEveryPath();
    void iconStripGrid_data();
    void iconStripGrid();
    void browserPicturesDiffer();
    void previewBand();
    void songPositionBandsStack();
    void scratchWaveOnClearGround();
};

void TestPictures::loadsAtItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");

    QTest::newRow("icons") << "://Resources/icons.png" << QSize(1040, 594) << true;
    QTest::newRow("icons_white") << "://Resources/icons_white.png" << QSize(1039, 595) << true;
    QTest::newRow("skinpreview") << "://Resources/skinpreview.png" << QSize(1268, 714) << true;
    QTest::newRow("songpos_high") << "://Resources/songpos_high.png" << QSize(381, 62) << true;
    QTest::newRow("songpos_mid") << "://Resources/songpos_mid.png" << QSize(381, 62) << true;
    QTest::newRow("songpos_bass") << "://Resources/songpos_bass.png" << QSize(381, 62) << true;
    QTest::newRow("scratchwave") << "://Resources/scratchwave_pic.png" << QSize(523, 81) << true;
    QTest::newRow("logo") << "://Resources/halvenorlogo.png" << QSize(128, 128) << true;

    const QSize browserSizes[3][3] = {
        {{398, 215}, {392, 215}, {396, 215}},
        {{396, 215}, {395, 216}, {396, 215}},
        {{403, 211}, {403, 216}, {405, 213}},
    };
    for (int theme = 0; theme < 3; ++theme) {
        for (int icons = 0; icons < 3; ++icons) {
            const QString path = QString("://Resources/browser_%1_%2.png").arg(theme).arg(icons);
            QTest::newRow(qPrintable(path)) << path << browserSizes[theme][icons] << false;
        }
    }
}

void TestPictures::loadsAtItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
    QCOMPARE(image.depth(), 32);   // 8 bits per channel
}

void TestPictures::logoAtEveryPath()
{
    // The About form uses ":/Resources/", the window icon ":/myimages/".
    const QImage logo("://Resources/halvenorlogo.png");
    QVERIFY(!logo.isNull());
    QCOMPARE(QImage(":/Resources/halvenorlogo.png"), logo);
    QCOMPARE(QImage(":/myimages/halvenorlogo.png"), logo);
}

void TestPictures::iconStripGrid_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("firstColumn");
    QTest::newRow("alternative") << "://Resources/icons.png" << 15;
    QTest::newRow("white") << "://Resources/icons_white.png" << 14;
}

void TestPictures::iconStripGrid()
{
    QFETCH(QString, path);
    QFETCH(int, firstColumn);
    const QImage strip = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!strip.isNull());

    // The host cuts 16 x 9 cells of 64 pixels from column 14 on: nothing may lie outside them.
    const QRect grid(14, 0, 16 * 64, 9 * 64);
    int leftmost = strip.width();
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            if (isClear(strip.pixel(x, y)))
                continue;
            QVERIFY2(grid.contains(x, y), qPrintable(QString("icon pixel at %1, %2").arg(x).arg(y)));
            leftmost = std::min(leftmost, x);
        }
    }
    QCOMPARE(leftmost, firstColumn);

    // Every one of the 144 places holds an icon of its own.
    QSet<QByteArray> icons;
    for (int index = 0; index < 144; ++index) {
        const QRect cell(14 + (index % 16) * 64, (index / 16) * 64, 64, 64);
        const QImage part = strip.copy(cell);
        bool drawn = false;
        for (int y = 0; y < 64 && !drawn; ++y)
            for (int x = 0; x < 64 && !drawn; ++x)
                drawn = qAlpha(part.pixel(x, y)) == 255;
        QVERIFY2(drawn, qPrintable(QString("icon %1 is empty").arg(index)));
        icons.insert(cellKey(strip, cell));
    }
    QCOMPARE(icons.size(), 144);
}

void TestPictures::browserPicturesDiffer()
{
    // Each combination of browser theme and icon set shows its own picture.
    QList<QImage> seen;
    for (int theme = 0; theme < 3; ++theme) {
        for (int icons = 0; icons < 3; ++icons) {
            const QImage picture(QString("://Resources/browser_%1_%2.png").arg(theme).arg(icons));
            QVERIFY(!picture.isNull());
            for (const QImage &other : seen)
                QVERIFY(picture.size() != other.size() || picture != other);
            seen.append(picture);
        }
    }
}

void TestPictures::previewBand()
{
    const QImage preview = QImage("://Resources/skinpreview.png").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!preview.isNull());
    const int width = preview.width(), height = preview.height();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = preview.pixel(x, y);
            const bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            if (frame) {
                // The outermost frame is partly transparent.
                QVERIFY2(qAlpha(pixel) > 0 && qAlpha(pixel) < 255, qPrintable(QString("%1, %2").arg(x).arg(y)));
            } else if (y >= 20 && y < 220) {
                // The name is drawn on a flat near-black band.
                QCOMPARE(pixel, qRgb(5, 5, 5));
            } else {
                QCOMPARE(qAlpha(pixel), 255);
            }
        }
    }
}

void TestPictures::songPositionBandsStack()
{
    const QImage high = QImage("://Resources/songpos_high.png").convertToFormat(QImage::Format_ARGB32);
    const QImage mid = QImage("://Resources/songpos_mid.png").convertToFormat(QImage::Format_ARGB32);
    const QImage bass = QImage("://Resources/songpos_bass.png").convertToFormat(QImage::Format_ARGB32);
    const QImage bands[3] = {high, mid, bass};
    int softPixels = 0, midCentre = 0;
    for (int x = 0; x < 381; ++x) {
        for (int y = 0; y < 62; ++y) {
            for (const QImage &band : bands) {
                const int alpha = qAlpha(band.pixel(x, y));
                QCOMPARE(alpha, qAlpha(band.pixel(x, 61 - y)));   // mirrored about the middle
                softPixels += alpha > 0 && alpha < 255;
            }
        }
        // High fills the middle rows, bass leaves them empty, mid almost so.
        QVERIFY(qAlpha(high.pixel(x, 30)) > 0);
        QCOMPARE(qAlpha(bass.pixel(x, 30)), 0);
        midCentre += qAlpha(mid.pixel(x, 30)) > 0;
        QCOMPARE(qAlpha(high.pixel(x, 0)), 0);

        // Stacked, the three leave no gap between the middle and the outer edge.
        int y = 30;
        while (y >= 0 && (qAlpha(high.pixel(x, y)) || qAlpha(mid.pixel(x, y)) || qAlpha(bass.pixel(x, y))))
            --y;
        for (; y >= 0; --y) {
            QCOMPARE(qAlpha(high.pixel(x, y)), 0);
            QCOMPARE(qAlpha(mid.pixel(x, y)), 0);
            QCOMPARE(qAlpha(bass.pixel(x, y)), 0);
        }
    }
    QVERIFY(midCentre < 381 / 10);
    QVERIFY(softPixels > 381);
}

void TestPictures::scratchWaveOnClearGround()
{
    const QImage wave = QImage("://Resources/scratchwave_pic.png").convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int x = 0; x < wave.width(); ++x) {
        QVERIFY(isClear(wave.pixel(x, 0)));
        QVERIFY(isClear(wave.pixel(x, wave.height() - 1)));
        QCOMPARE(qAlpha(wave.pixel(x, wave.height() / 2)), 255);
        for (int y = 0; y < wave.height(); ++y) {
            if (!isClear(wave.pixel(x, y)))
                colours.insert(wave.pixel(x, y) | 0xff000000u);
        }
    }
    QVERIFY(colours.size() > 100);   // shown in its own, many colours
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
