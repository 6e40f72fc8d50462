// The preview image: the built-in picture with the skin's name across it.
#include <QtTest>

#include "writerrig.h"
#include "support/testsupport.h"

namespace {

struct PreviewRig : WriterRig
{
    QTemporaryDir folder;
    QString picture;

    PreviewRig()
    {
        model.workdir = folder.path();
        QDir(folder.path()).mkpath("toexport");
        picture = folder.path() + "/toexport/preview.png";
        // Like the built-in picture: a near-black band on a lighter ground.
        QImage image(1268, 714, QImage::Format_ARGB32);
        image.fill(QColor(40, 60, 80));
        for (int y = 20; y < 220; ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(5, 5, 5));
        }
        image.save(picture);
    }

    // The rows and columns in which the preview differs from the picture.
    QRect changedarea() const
    {
        const QImage before = QImage(picture).convertToFormat(QImage::Format_ARGB32);
        const QImage after = QImage(writer.previewpath()).convertToFormat(QImage::Format_ARGB32);
        QRect changed;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                if (before.pixel(x, y) != after.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
            }
        }
        return changed;
    }
};

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT
private slots:
    void nameincentreofband();
    void longnameiscutatband();
    void missingpicture();
};

void TestPreview::nameincentreofband()
{
    PreviewRig rig;
    rig.writer.skinname = "Night Deck";
    const QByteArray picture = testsupport::readFile(rig.picture);
    QVERIFY(rig.writer.editpreview(rig.picture));

    const QImage preview(rig.writer.previewpath());
    QCOMPARE(preview.size(), QSize(1268, 714));
    const QRect changed = rig.changedarea();
    QVERIFY(!changed.isEmpty());
    QVERIFY2(QRect(0, 20, 1268, 200).contains(changed), qPrintable(QStringLiteral("%1,%2 %3x%4")
             .arg(changed.x()).arg(changed.y()).arg(changed.width()).arg(changed.height())));
    // Centred both ways. The letters' ink is measured, not their box: the
    // first and last letters' side bearings, and the ascent and descent,
    // differ by font, so allow a fraction of the letter height.
    const int slack = changed.height() / 6;
    QVERIFY2(qAbs(changed.center().x() - 634) <= slack && qAbs(changed.center().y() - 120) <= slack,
             qPrintable(QStringLiteral("ink centre %1,%2").arg(changed.center().x()).arg(changed.center().y())));
    // Large white letters.
    QVERIFY(changed.height() > 30);
    bool white = false;
    for (int x = changed.left(); x <= changed.right() && !white; ++x)
        white = preview.pixel(x, changed.center().y()) == qRgb(255, 255, 255);
    QVERIFY(white);

    // Twice: the preview is written anew, the picture stays as it was.
    rig.writer.skinname = "Other";
    QVERIFY(rig.writer.editpreview(rig.picture));
    QCOMPARE(testsupport::readFile(rig.picture), picture);
    QVERIFY(rig.changedarea() != changed);
}

void TestPreview::longnameiscutatband()
{
    PreviewRig rig;
    rig.writer.skinname = QString(60, QLatin1Char('W'));
    QVERIFY(rig.writer.editpreview(rig.picture));
    const QRect changed = rig.changedarea();
    QCOMPARE(changed.left(), 0);
    QCOMPARE(changed.right(), 1267);
    QVERIFY(QRect(0, 20, 1268, 200).contains(changed));
}

void TestPreview::missingpicture()
{
    PreviewRig rig;
    rig.writer.skinname = "Night";
    QVERIFY(!rig.writer.editpreview(rig.folder.path() + "/nothing.png"));
    QVERIFY(!QFile::exists(rig.writer.previewpath()));
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
