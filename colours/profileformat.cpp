#include "profileformat.h"

#include <QIODevice>
#include <QTextStream>

#include "colourscheme.h"

QString colourText(const QColor &colour)
{
    return colour.isValid() ? colour.name() : QStringLiteral("#000000");
}

QColor colourFromText(const QString &text)
{
    // Checked first so that an unreadable text gives no warning on the console.
    return QColor::isValidColor(text) ? QColor(text) : QColor();
}

QMap<QString, QString> readProfileEntries(QIODevice &device)
{
    QMap<QString, QString> entries;
    // The locale's codec, unless a byte-order mark names another.
    QTextStream in(&device);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const int comma = line.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        const QString key = line.left(comma);
        entries.insert(key, line.mid(comma + 1).section(QLatin1Char(','), 0, 0));
    }
    return entries;
}

QByteArray profileText(const ColourScheme &scheme)
{
    QByteArray text;
    for (const ColourEntry &entry : ColourScheme::colourTable()) {
        text += entry.key.toUtf8();
        text += ',';
        text += colourText(scheme.*entry.colour).toLatin1();
        text += "\r\n";
    }
    return text;
}
