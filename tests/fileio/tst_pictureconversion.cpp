// Conversions on the calling thread give exactly what Qt's own calls give:
// the same format, bytes and metadata, for pictures of every size around
// the point where Qt starts to split its work over the thread pool. Each
// conversion runs while every thread of that pool is kept busy and must
// finish all the same.
#include <QtTest>

#include <QColorSpace>
#include <QPixmap>

#include <cstring>

#include "fileio/pictureconversion.h"
#include "support/heldpool.h"

namespace {

// Sizes around Qt's split (two blocks of 64 KiB), each side of it at 32 bits
// a pixel, rows wider than a strip, desktops, and rows of 16 KiB, whose
// strips would reach the split exactly if they were one row too tall.
const QList<QSize> &sizes()
{
    static const QList<QSize> list{{1, 1},       {7, 3},      {127, 257},   {128, 255},
                                   {128, 256},   {129, 256},  {40000, 2},   {1920, 1080},
                                   {3840, 2160}, {4096, 512}};
    return list;
}

// What step gives, made while Qt's thread pool is held; a null result when
// the step waited for the pool.
template <typename Result>
Result whilepoolheld(const std::function<Result()> &step)
{
    Result result;
    testsupport::HeldPool pool;
    if (!pool.finisheswhileheld([&] { result = step(); }))
        return Result();
    return result;
}

// Pictures of a megapixel or more are converted only between the formats the
// tool meets, to keep the test short.
bool islarge(const QSize &size) { return qint64(size.width()) * size.height() >= 1 << 20; }

QString formatname(QImage::Format format)
{
    return QString::fromLatin1(QMetaEnum::fromType<QImage::Format>().valueToKey(format)).mid(7);
}

quint32 nextnoise(quint32 &state)
{
    state = state * 1664525u + 1013904223u;
    return state;
}

// Noise in every channel, alpha from 0 to 255 included; opaque sets alpha
// to 255 throughout.
QImage argbnoise(const QSize &size, bool opaque)
{
    QImage image(size, QImage::Format_ARGB32);
    quint32 state = quint32(size.width()) * 31u + quint32(size.height());
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = nextnoise(state) | (opaque ? 0xff000000u : 0u);
    }
    return image;
}

// A picture with a colour table: noise indices into colours with alpha, or
// opaque ones.
QImage palettenoise(const QSize &size, QImage::Format format, bool opaque)
{
    QImage image(size, format);
    quint32 state = 7;
    for (int y = 0; y < image.height(); ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < image.bytesPerLine(); ++x)
            line[x] = uchar(nextnoise(state) >> 24);
    }
    QVector<QRgb> colours;
    const int count = format == QImage::Format_Indexed8 ? 256 : 2;
    for (int i = 0; i < count; ++i)
        colours << qRgba(i * 37 % 256, i * 91 % 256, 255 - i, opaque ? 255 : i * 255 / (count - 1));
    image.setColorTable(colours);
    return image;
}

// The source picture, with metadata that conversions must carry along.
QImage source(const QSize &size, QImage::Format format, bool opaque)
{
    QImage image = format == QImage::Format_Indexed8 || format == QImage::Format_Mono
                       ? palettenoise(size, format, opaque)
                       : argbnoise(size, opaque).convertToFormat(format);
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(3937);
    image.setOffset(QPoint(3, -4));
    image.setText(QStringLiteral("Title"), QStringLiteral("noise"));
    image.setText(QStringLiteral("Software"), QStringLiteral("test"));
    image.setColorSpace(QColorSpace::SRgb);
    return image;
}

// Empty when actual is expected byte for byte (the pixels of each row,
// without the padding after them) with the same metadata; else what differs.
QString difference(const QImage &actual, const QImage &expected)
{
    if (actual.format() != expected.format() || actual.size() != expected.size())
        return QStringLiteral("%1 %2x%3, expected %4 %5x%6")
            .arg(formatname(actual.format())).arg(actual.width()).arg(actual.height())
            .arg(formatname(expected.format())).arg(expected.width()).arg(expected.height());
    if (actual.colorTable() != expected.colorTable())
        return QStringLiteral("colour table");
    const int rowbytes = (expected.width() * expected.depth() + 7) / 8;
    for (int y = 0; y < expected.height(); ++y) {
        if (std::memcmp(actual.constScanLine(y), expected.constScanLine(y), size_t(rowbytes)) != 0)
            return QStringLiteral("row %1").arg(y);
    }
    if (actual.dotsPerMeterX() != expected.dotsPerMeterX() || actual.dotsPerMeterY() != expected.dotsPerMeterY()
        || actual.offset() != expected.offset() || actual.devicePixelRatio() != expected.devicePixelRatio())
        return QStringLiteral("physical metadata");
    if (actual.colorSpace() != expected.colorSpace())
        return QStringLiteral("colour space");
    if (actual.textKeys() != expected.textKeys() || actual.text() != expected.text())
        return QStringLiteral("text");
    return QString();
}

} // namespace

class TestPictureConversion : public QObject
{
    Q_OBJECT
private slots:
    void convertslikeqt_data();
    void convertslikeqt();
    void pixmapslikeqt_data();
    void pixmapslikeqt();
    void palettetargetrefused();
};

void TestPictureConversion::convertslikeqt_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QImage::Format>("from");
    QTest::addColumn<QImage::Format>("to");
    // Every layout Qt converts by its own routine for the small sizes; the
    // formats the tool meets for the large ones.
    const QList<QImage::Format> sources{
        QImage::Format_ARGB32,    QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32,
        QImage::Format_RGB888,    QImage::Format_Indexed8,             QImage::Format_Mono,
        QImage::Format_Grayscale8, QImage::Format_RGBA8888,            QImage::Format_RGBA64_Premultiplied,
        QImage::Format_RGB16};
    const QList<QImage::Format> targets{QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
                                        QImage::Format_RGB32, QImage::Format_RGBA8888,
                                        QImage::Format_RGBA64_Premultiplied, QImage::Format_RGB16};
    const QList<QImage::Format> desktopsources{QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
                                               QImage::Format_RGB32, QImage::Format_RGB888,
                                               QImage::Format_Indexed8};
    const QList<QImage::Format> desktoptargets{QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
                                               QImage::Format_RGBA64_Premultiplied};
    for (const QSize &size : sizes()) {
        for (QImage::Format from : islarge(size) ? desktopsources : sources) {
            for (QImage::Format to : islarge(size) ? desktoptargets : targets) {
                QTest::addRow("%dx%d %s to %s", size.width(), size.height(), qPrintable(formatname(from)),
                              qPrintable(formatname(to)))
                    << size << from << to;
            }
        }
    }
}

void TestPictureConversion::convertslikeqt()
{
    QFETCH(QSize, size);
    QFETCH(QImage::Format, from);
    QFETCH(QImage::Format, to);
    const QImage picture = source(size, from, false);
    const QImage converted = whilepoolheld<QImage>([&] { return fileio::convertedpicture(picture, to); });
    QVERIFY2(!converted.isNull(), "the conversion waited for Qt's thread pool");
    QCOMPARE(difference(converted, picture.convertToFormat(to)), QString());
}

void TestPictureConversion::pixmapslikeqt_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QImage::Format>("from");
    QTest::addColumn<bool>("opaque");
    const QList<QImage::Format> formats{QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
                                        QImage::Format_RGB32, QImage::Format_RGB888,
                                        QImage::Format_Indexed8, QImage::Format_Mono,
                                        QImage::Format_RGBA8888};
    for (const QSize &size : sizes()) {
        for (QImage::Format from : formats) {
            for (bool opaque : {false, true}) {
                QTest::addRow("%dx%d %s %s", size.width(), size.height(), qPrintable(formatname(from)),
                              opaque ? "opaque" : "with alpha")
                    << size << from << opaque;
            }
        }
    }
    // A picture that is opaque but for its very last pixel.
    QTest::newRow("1920x1080 ARGB32 last pixel clear") << QSize(1920, 1080) << QImage::Format_ARGB32 << true;
}

void TestPictureConversion::pixmapslikeqt()
{
    QFETCH(QSize, size);
    QFETCH(QImage::Format, from);
    QFETCH(bool, opaque);
    QImage picture = source(size, from, opaque);
    if (QByteArray(QTest::currentDataTag()).endsWith("last pixel clear"))
        picture.setPixel(size.width() - 1, size.height() - 1, qRgba(1, 2, 3, 254));
    const QPixmap actual = whilepoolheld<QPixmap>([&] { return fileio::picturepixmap(picture); });
    QVERIFY2(!actual.isNull(), "the pixmap waited for Qt's thread pool");
    const QPixmap expected = QPixmap::fromImage(picture);
    QCOMPARE(actual.hasAlphaChannel(), expected.hasAlphaChannel());
    QCOMPARE(difference(actual.toImage(), expected.toImage()), QString());
}

void TestPictureConversion::palettetargetrefused()
{
    const QImage picture = source(QSize(64, 64), QImage::Format_ARGB32, false);
    QVERIFY(fileio::convertedpicture(picture, QImage::Format_Indexed8).isNull());
    QVERIFY(fileio::convertedpicture(picture, QImage::Format_Mono).isNull());
    QVERIFY(fileio::convertedpicture(QImage(), QImage::Format_ARGB32).isNull());
}

QTEST_MAIN(TestPictureConversion)
#include "tst_pictureconversion.moc"
