#pragma once
// Reading a finished skin zip back. Header-only, as only programs that
// link the application (and so QuaZip) use it.
#include <JlCompress.h>
#include <quazip.h>

#include <QDomDocument>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include "support/testsupport.h"

namespace skinzip {

// The names of the zip's entries, sorted; empty when it cannot be read.
inline QStringList entries(const QString &path)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return {};
    QStringList names = zip.getFileNameList();
    names.sort();
    return names;
}

inline QByteArray entry(const QString &path, const QString &name)
{
    QTemporaryDir folder;
    const QString file = JlCompress::extractFile(path, name, folder.filePath(name));
    return file.isEmpty() ? QByteArray() : testsupport::readFile(file);
}

// A region of the image sheet that the document names, with where.
struct Region
{
    QRect rect;
    QString where;
};

// Every region of the image sheet that the document names: a picture state
// (or mask) that carries x names the region at (x, y) as large as its own
// width and height, or else as the last "pos" or "size" before it, or else
// as its parent element.
inline void collectregions(const QDomElement &parent, QVector<Region> &regions)
{
    static const QStringList picturetags = {
        "off", "up", "on", "selected", "over", "down", "downselected", "overselected",
        "background", "mask", "clipmask"};
    int width = parent.attribute("width").toInt();
    int height = parent.attribute("height").toInt();
    for (QDomElement child = parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == "pos" || tag == "size") {
            if (child.hasAttribute("width"))
                width = child.attribute("width").toInt();
            if (child.hasAttribute("height"))
                height = child.attribute("height").toInt();
        }
        if (picturetags.contains(tag) && child.hasAttribute("x")) {
            const int w = child.hasAttribute("width") ? child.attribute("width").toInt() : width;
            const int h = child.hasAttribute("height") ? child.attribute("height").toInt() : height;
            regions << Region{QRect(child.attribute("x").toInt(), child.attribute("y").toInt(), w, h),
                              parent.tagName() + "/" + tag + " at line "
                                  + QString::number(child.lineNumber())};
        }
        collectregions(child, regions);
    }
}

inline QVector<Region> namedregions(const QDomDocument &document)
{
    QVector<Region> regions;
    collectregions(document.documentElement(), regions);
    return regions;
}

// Whether rect lies within an image of size, edges included; an empty
// rect counts when its corner does.
inline bool inside(const QRect &rect, const QSize &size)
{
    return rect.x() >= 0 && rect.y() >= 0 && rect.width() >= 0 && rect.height() >= 0
           && rect.x() + rect.width() <= size.width() && rect.y() + rect.height() <= size.height();
}

} // namespace skinzip
