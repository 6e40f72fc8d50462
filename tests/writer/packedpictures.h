#pragma once
// Checks that the pictures a writer packed into the new image sheet are the
// regions of the Tessary image that the input states name, pixel by pixel.
#include <QDir>
#include <QDomDocument>
#include <QDomElement>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <QtTest>

#include "writerrig.h"
#include "support/testsupport.h"

namespace packedpictures {

// An opaque picture whose neighbouring pixels all differ, so that a region
// cut one pixel off, or scaled wrongly, shows.
inline QImage patternimage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 11) % 256, (x * 3 + y * 5) % 256));
    }
    return image;
}

// Empty when the piece of sheet at corner is region of source, enlarged by
// a whole factor (each source pixel a factor x factor block); else a text
// that names the first pixel that differs.
inline QString comparepiece(const QImage &sheet, const QPoint &corner, const QImage &source,
                            const QRect &region, int factor)
{
    for (int j = 0; j < region.height() * factor; ++j) {
        for (int i = 0; i < region.width() * factor; ++i) {
            const QPoint at = corner + QPoint(i, j);
            const QPoint from = region.topLeft() + QPoint(i / factor, j / factor);
            if (!sheet.valid(at) || sheet.pixel(at) != source.pixel(from)) {
                return QStringLiteral("sheet (%1, %2) is not source (%3, %4)")
                    .arg(at.x()).arg(at.y()).arg(from.x()).arg(from.y());
            }
        }
    }
    return QString();
}

// The elements below root whose tag is in tags and that carry x, in
// document order.
inline QList<QDomElement> placedstates(const QDomElement &root, const QStringList &tags)
{
    QList<QDomElement> states;
    for (QDomElement element = root.firstChildElement(); !element.isNull();
         element = element.nextSiblingElement()) {
        if (tags.contains(element.tagName()) && element.hasAttribute(QStringLiteral("x")))
            states << element;
        states << placedstates(element, tags);
    }
    return states;
}

// expected with @xN and @yN replaced by the place that the Nth recorded
// packing gave.
inline QString withplaces(QString expected, const QVector<PackRecord> &records)
{
    for (int n = records.size() - 1; n >= 0; --n) {
        const QList<int> &place = records.at(n).result;
        expected.replace(QStringLiteral("@x%1").arg(n), QString::number(place.value(0)));
        expected.replace(QStringLiteral("@y%1").arg(n), QString::number(place.value(1)));
    }
    return expected;
}

// A whole job on a 400 x 30 screen, run through createxml: the pruned skin
// and a pattern source picture are saved to a temporary work folder, every
// packing is recorded, and afterwards the input and output documents and
// the saved sheet can be read.
struct PackedJob
{
    QTemporaryDir folder;
    WriterRig rig;
    QImage source;
    QVector<PackRecord> records;
    QDomDocument input;
    QDomDocument output;
    QImage sheet;

    // False, with the failed step reported to the running test, where a
    // step fails.
    bool run(int skinwidth, const QSize &sourcesize, const QByteArray &pruned)
    {
        rig.model.workdir = folder.path();
        rig.model.skinwidth = skinwidth;
        rig.model.screenwidth = 400;
        rig.model.screenheight = 30;
        QDir(folder.path()).mkpath(QStringLiteral("toexport"));
        source = patternimage(sourcesize.width(), sourcesize.height());
        if (!verify(testsupport::writeFile(rig.writer.prunedpath(), pruned), "pruned skin written")
            || !verify(source.save(rig.writer.sourcepath()), "source picture saved"))
            return false;
        rig.writer.packrecorder = [this](const PackRecord &record) { records.append(record); };

        rig.writer.sheet().start(400, 30, Qt::black);
        if (!verify(rig.writer.createxml(), "createxml()"))
            return false;

        sheet = QImage(rig.writer.sheetpath());
        return verify(input.setContent(testsupport::readFile(rig.writer.prunedpath())),
                      "pruned skin parses")
            && verify(output.setContent(testsupport::readFile(rig.writer.documentpath())),
                      "written document parses")
            && verify(!sheet.isNull(), "sheet saved");
    }

private:
    static bool verify(bool condition, const char *step)
    {
        return QTest::qVerify(condition, step, "", __FILE__, __LINE__);
    }
};

// Where state places its picture: its x and y.
inline QPoint placeof(const QDomElement &state)
{
    return QPoint(state.attribute(QStringLiteral("x")).toInt(),
                  state.attribute(QStringLiteral("y")).toInt());
}

} // namespace packedpictures
