// The built-in stand-in skin (Tessary.zip) and the three demo projects.
#include "generator.h"
#include "skinparts.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

using namespace skin;

namespace {

bool saveBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) > 0x7f)
            return false;
    }
    return true;
}

// A zip whose bytes depend on its content only: fixed times and permissions.
QByteArray zipBytes(const QVector<QPair<QString, QByteArray>> &entries)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        return QByteArray();
    for (const auto &entry : entries) {
        QuaZipNewInfo info(entry.first);
        info.dateTime = QDateTime(QDate(2024, 1, 1), QTime(12, 0));
        info.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info) || file.write(entry.second) != entry.second.size())
            return QByteArray();
        file.close();
        if (file.getZipError() != UNZ_OK)
            return QByteArray();
    }
    zip.close();
    if (zip.getZipError() != UNZ_OK)
        return QByteArray();
    return bytes;
}

// The document's frame around the defines, the system panel and the windows.
XmlNode skinDocument(ContentBuilder &content, const QVector<Window> &windows)
{
    XmlNode root("skin");
    root.set("name", "Tessary").set("version", "8").set("width", 1920).set("height", 1080).set("nbdecks", 2)
        .set("comment", "Modular stand-in skin: switch modules on, group and place them, then go live")
        .set("author", "Tessary Extractor authors").set("preview", "preview.png");
    root.add(XmlNode("copyright").setText("Stand-in artwork and layout made for Tessary Extractor; free to use."));
    root.add(definesGroup(content));
    root.add(systemPanel(content));
    for (const Window &window : windows)
        root.add(content.window(window));
    return root;
}

// The skin's preview: the first demo's layout, right-hand side mirrored.
QImage previewPicture(const QVector<Window> &windows, const DemoProject &demo)
{
    const double scale = 1.0 / 3.0;
    QImage image(640, 360, QImage::Format_ARGB32);
    image.fill(QColor(32, 32, 32));
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.fillRect(QRect(0, 0, 1920, 48), QColor(48, 48, 48));
    auto colourOf = [](const Window &w) {
        if (w.kind == Kind::Zone)
            return QColor(44, 44, 44);
        if (w.prefix == QLatin1String("D1_") || w.prefix == QLatin1String("D2_"))
            return w.prefix == QLatin1String("D1_") ? QColor(74, 138, 201) : QColor(217, 54, 54);
        if (w.prefix == QLatin1String("M1_") || w.prefix == QLatin1String("M2_"))
            return QColor(207, 156, 2);
        return QColor(120, 120, 120);
    };
    // Backgrounds first, then modules over them.
    for (int pass = 0; pass < 2; ++pass) {
        for (const DemoEntry &entry : demo.entries) {
            const Window &w = windows.at(entry.idx - 1);
            if (w.kind == Kind::Menu || w.kind == Kind::DropZone || (w.kind == Kind::Zone) != (pass == 0))
                continue;
            QVector<QRect> places{entry.place};
            if (w.prefix == QLatin1String("D1_") || w.prefix == QLatin1String("M1_"))
                places.append(QRect(1920 - entry.place.right() - 1, entry.place.y(), entry.place.width(),
                                    entry.place.height()));
            for (const QRect &place : places) {
                QColor colour = colourOf(w);
                const bool twin = place != entry.place;
                if (twin && w.prefix == QLatin1String("D1_") && w.kind != Kind::Zone)
                    colour = QColor(217, 54, 54);
                painter.fillRect(place, colour);
                painter.setPen(QPen(colour.darker(200), 3));
                painter.drawRect(place.adjusted(1, 1, -2, -2));
            }
        }
    }
    painter.end();
    return image;
}

} // namespace

bool writeSkinResources(const QString &out)
{
    const QVector<Window> windows = tessaryWindows();
    if (windows.size() != 238)
        return false;
    SpriteSheet sheet(1024);
    ContentBuilder content(sheet);
    const QByteArray skinXml = serialise(skinDocument(content, windows));
    if (!isAscii(skinXml)) {
        QTextStream(stderr) << "skin.xml must be plain ASCII\n";
        return false;
    }
    const QVector<DemoProject> demos = demoProjects();
    const QByteArray zip = zipBytes({{QStringLiteral("skin.xml"), skinXml},
                                     {QStringLiteral("skin.png"), pngBytes(sheet.render())},
                                     {QStringLiteral("preview.png"), pngBytes(previewPicture(windows, demos.first()))}});
    if (zip.isEmpty() || !saveBytes(QDir(out).filePath(QStringLiteral("Tessary.zip")), zip))
        return false;
    for (const DemoProject &demo : demos) {
        if (!saveBytes(QDir(out).filePath(demo.name + QLatin1String(".xml")), projectFileText(demo)))
            return false;
    }
    return true;
}
