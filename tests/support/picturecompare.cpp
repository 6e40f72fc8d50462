#include "picturecompare.h"

#include <QSize>

#include <algorithm>
#include <cstdlib>

namespace testsupport {

namespace {

QString describe(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QString hex(QRgb pixel)
{
    return QStringLiteral("%1").arg(pixel, 8, 16, QLatin1Char('0'));
}

int channeldifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                     std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

QString picturedifference(const QImage &actual, const QImage &expected, int tolerance)
{
    if (actual.isNull() || expected.isNull())
        return QStringLiteral("no picture");
    if (actual.size() != expected.size())
        return QStringLiteral("size %1, expected %2").arg(describe(actual.size()), describe(expected.size()));
    if (actual.format() != expected.format())
        return QStringLiteral("format %1, expected %2").arg(actual.format()).arg(expected.format());

    const QImage left = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    QPoint worst;
    int beyond = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(left.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            const int difference = channeldifference(a[x], b[x]);
            beyond += difference > tolerance;
            if (difference > largest) {
                largest = difference;
                worst = QPoint(x, y);
            }
        }
    }
    if (largest <= tolerance)
        return QString();
    return QStringLiteral("pixel %1,%2 differs by %3 (premultiplied %4, expected %5); "
                          "pixels beyond %7: %6")
        .arg(worst.x()).arg(worst.y()).arg(largest)
        .arg(hex(left.pixel(worst)), hex(right.pixel(worst)))
        .arg(beyond).arg(tolerance);
}

QString encodedpicturedifference(const QByteArray &actual, const QByteArray &expected, int tolerance)
{
    const QImage left = QImage::fromData(actual);
    const QImage right = QImage::fromData(expected);
    if (left.isNull())
        return QStringLiteral("does not decode");
    if (right.isNull())
        return QStringLiteral("the expected picture does not decode");
    return picturedifference(left, right, tolerance);
}

} // namespace testsupport
