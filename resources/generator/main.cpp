// tyx-resgen OUTPUT_FOLDER: writes every built-in resource into OUTPUT_FOLDER.
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "generator.h"

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: tyx-resgen OUTPUT_FOLDER\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(out))
        return 1;
    const bool ok = writeSkinResources(out) & writePictureResources(out) & writeProfileResources(out);
    return ok ? 0 : 1;
}
