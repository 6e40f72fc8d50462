#include "generator.h"
#include "pictures.h"

#include <QDir>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <functional>
#include <vector>

namespace pictures {

double Noise::next()
{
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / double(1u << 24);
}

} // namespace pictures

namespace {

// Written through a temporary file, so a failed run never leaves a torn picture.
bool savePng(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "png");
    if (image.isNull() || !writer.write(image) || !file.commit()) {
        QTextStream(stderr) << "tyx-resgen: cannot write " << path << "\n";
        return false;
    }
    return true;
}

} // namespace

bool writePictureResources(const QString &out)
{
    using namespace pictures;
    std::vector<std::pair<QString, std::function<QImage()>>> files = {
        {"icons.png", [] { return iconStrip(IconStyle::Alternative); }},
        {"icons_white.png", [] { return iconStrip(IconStyle::White); }},
        {"skinpreview.png", skinPreview},
        {"songpos_high.png", [] { return songPositionBand(0); }},
        {"songpos_mid.png", [] { return songPositionBand(1); }},
        {"songpos_bass.png", [] { return songPositionBand(2); }},
        {"scratchwave_pic.png", scratchWave},
        {"halvenorlogo.png", logo},
    };
    for (int theme = 0; theme < 3; ++theme) {
        for (int iconSet = 0; iconSet < 3; ++iconSet) {
            files.push_back({QString("browser_%1_%2.png").arg(theme).arg(iconSet),
                             [=] { return browserPicture(theme, iconSet); }});
        }
    }

    bool ok = true;
    const QDir dir(out);
    for (const auto &file : files)
        ok = savePng(file.second(), dir.filePath(file.first)) && ok;
    return ok;
}
