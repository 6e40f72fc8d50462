#include "colourscheme.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>

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

bool ColourScheme::isreadableprofile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
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
    if (!isreadableprofile(path) && path != defaultProfilePath)
        return loadcolorprofile(defaultProfilePath);

    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    profilecolors = opened ? readProfileEntries(file) : QMap<QString, QString>();

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

bool ColourScheme::savecolors(const QString &path) const
{
    // Written aside and renamed into place, so a failed save never leaves a
    // half-written profile behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(profileText(*this));
    return file.commit();
}
