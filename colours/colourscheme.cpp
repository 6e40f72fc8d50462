#include "colourscheme.h"

#include <QBuffer>
#include <QHash>
#include <QSet>

#include "fileio/fileio.h"

#include "profileformat.h"

const QString ColourScheme::defaultProfilePath = QStringLiteral("://Resources/default.tycp");

const QVector<ColourEntry> &ColourScheme::colourTable()
{
#define TYX_COLOUR_ENTRY(member, key, family, scope, role, partner, swatch, colorButton, resetButton, draw) \
    ColourEntry{#member, QStringLiteral(key), ColourFamily::family, ColourScope::scope, GradientRole::role, \
                &ColourScheme::member, &ColourScheme::partner, #swatch, #colorButton, #resetButton, #draw},
    static const QVector<ColourEntry> table{TYX_COLOURS(TYX_COLOUR_ENTRY)};
#undef TYX_COLOUR_ENTRY
    return table;
}

const ColourEntry *ColourScheme::findColour(const QString &key)
{
    static const QHash<QString, const ColourEntry *> byKey = [] {
        QHash<QString, const ColourEntry *> map;
        for (const ColourEntry &entry : colourTable())
            map.insert(entry.key, &entry);
        return map;
    }();
    return byKey.value(key, nullptr);
}

QColor *ColourScheme::colourByKey(const QString &key)
{
    const ColourEntry *entry = findColour(key);
    return entry ? &(this->*entry->colour) : nullptr;
}

const QColor *ColourScheme::colourByKey(const QString &key) const
{
    const ColourEntry *entry = findColour(key);
    return entry ? &(this->*entry->colour) : nullptr;
}

namespace {

// The built-in profiles, and every profile saved before these colours could
// be saved, lack the button ON borders; loading one must not turn a border
// the user picked into black.
bool keptwhenabsent(const QString &key)
{
    static const QSet<QString> keys{QStringLiteral("d1_buttononborder"), QStringLiteral("d2_buttononborder"),
                                    QStringLiteral("masterbuttononborder")};
    return keys.contains(key);
}

} // namespace

bool ColourScheme::loadcolorprofile(const QString &path)
{
    // A profile that was moved or deleted since it was chosen, or a path that
    // names a folder or a file that cannot be read, gives way to the built-in
    // default rather than to a scheme of invalid colours.
    QByteArray bytes;
    const bool opened = fileio::readfile(path, &bytes) == fileio::ReadResult::Read;
    if (!opened && path != defaultProfilePath)
        return loadcolorprofile(defaultProfilePath);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    profilecolors = opened ? readProfileEntries(buffer) : QMap<QString, QString>();

    // Every other colour is set, so one that the profile lacks does not keep
    // the value of the profile loaded before.
    for (const ColourEntry &entry : colourTable()) {
        const auto found = profilecolors.constFind(entry.key);
        if (found == profilecolors.cend() && keptwhenabsent(entry.key))
            continue;
        this->*entry.colour = colourFromText(found == profilecolors.cend() ? QString() : found.value());
    }
    return opened;
}

bool ColourScheme::savecolors(const QString &path, QString *why) const
{
    // Written aside and renamed into place, so a failed save never leaves a
    // half-written profile behind.
    return fileio::writefile(path, profileText(*this), why);
}
