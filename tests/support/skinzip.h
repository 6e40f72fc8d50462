#pragma once
// Reading a finished skin zip back. Header-only, as only programs that
// link the application (and so QuaZip) use it.
#include <JlCompress.h>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <QDomDocument>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include "support/testsupport.h"

namespace skinzip {

struct Entry
{
    QString name;
    QByteArray data;
    bool symlink = false;
};

// Writes an archive entry by entry, so entry names and kinds can be
// anything a hostile archive might carry.
inline bool write(const QString &path, const QList<Entry> &entries)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const Entry &entry : entries) {
        QuaZipNewInfo info(entry.name);
        if (entry.symlink)
            info.externalAttr = quint32(0120777) << 16;   // a Unix symbolic link
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info) || file.write(entry.data) != entry.data.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

// Rewrites the uncompressed size that the local and the central header of
// entry name declare, as a forged archive would; false unless both were
// found.
inline bool setdeclaredsize(const QString &path, const QByteArray &name, quint32 size)
{
    QByteArray bytes = testsupport::readFile(path);
    const auto number = [&](int at, int length) {
        quint32 value = 0;
        for (int i = length - 1; i >= 0; --i)
            value = (value << 8) | quint8(bytes.at(at + i));
        return value;
    };
    // Signature, offset of the size, of the name's length and of the name.
    struct Header { QByteArray signature; int size, namelength, name; };
    const Header headers[] = {{QByteArray("PK\x03\x04", 4), 22, 26, 30},
                              {QByteArray("PK\x01\x02", 4), 24, 28, 46}};
    int patched = 0;
    for (const Header &header : headers) {
        for (int at = bytes.indexOf(header.signature); at >= 0; at = bytes.indexOf(header.signature, at + 1)) {
            if (int(number(at + header.namelength, 2)) != name.size() || bytes.mid(at + header.name, name.size()) != name)
                continue;
            for (int i = 0; i < 4; ++i)
                bytes[at + header.size + i] = char((size >> (8 * i)) & 0xff);
            ++patched;
        }
    }
    return patched == 2 && testsupport::writeFile(path, bytes);
}

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
