#include "toolsettings.h"

#include <QRegularExpression>

#include "app/createskinjob.h"
#include "fileio/fileio.h"

namespace toolsettings {

namespace {

const QString defaultprojectname = QStringLiteral("Default (from Quorvelin settings)");
// Older files may lack the key; the fill-in differs in one letter from the
// first-run default, and both show as written in the window title.
const QString filledprojectname = QStringLiteral("Default (from Quorvelin Settings)");

QString hostfolderbelow(const QString &documentsdir)
{
    return documentsdir + QStringLiteral("/Quorvelin");
}

} // namespace

const QStringList &tabkeys()
{
    static const QStringList keys = {
        "maintab", "buttonstab", "dropstab", "faderstab", "jogstab",
        "vustab", "wavestab", "textstab", "knobstab"};
    return keys;
}

const QStringList &initorder()
{
    static const QStringList keys = QStringList{
        "qrnfolder", "tyname", "colorprofile", "gradience", "colorprofilepath",
        "projectname", "projectpath", "skinname"}
        + tabkeys() + QStringList{"browseroption", "iconoption"};
    return keys;
}

const QStringList &saveorder()
{
    static const QStringList keys = QStringList{
        "qrnfolder", "colorprofile", "colorprofilepath", "projectname",
        "projectpath", "gradience", "skinname", "tyname"}
        + tabkeys() + QStringList{"browseroption", "iconoption"};
    return keys;
}

Entries defaults(const QString &documentsdir, const QString &profilesdir)
{
    SettingsMap values;
    values.insert("qrnfolder", hostfolderbelow(documentsdir));
    values.insert("tyname", "Tessary");
    values.insert("colorprofile", "last_used");
    values.insert("gradience", "0");
    values.insert("colorprofilepath", profilesdir + "/last_used.tycp");
    values.insert("projectname", defaultprojectname);
    values.insert("projectpath", hostfolderbelow(documentsdir) + "/settings.xml");
    values.insert("skinname", "My Skin");
    for (const QString &key : tabkeys())
        values.insert(key, "0");
    values.insert("browseroption", "0");
    values.insert("iconoption", "0");
    return ordered(initorder(), values);
}

Entries ordered(const QStringList &keys, const SettingsMap &values)
{
    Entries entries;
    entries.reserve(keys.size());
    for (const QString &key : keys)
        entries.append({key, values.value(key)});
    return entries;
}

SettingsMap parse(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    // A byte-order mark from a hand edit must not become part of the first key.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    SettingsMap settings;
    // CR alone ends a line too, so a file saved with old Mac line ends does
    // not read as one long line that swallows every later setting.
    static const QRegularExpression lineend(QStringLiteral("\r\n|\r|\n"));
    for (const QString &line : text.split(lineend)) {
        const int comma = line.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        // Everything after the first comma, so a name such as "Kit, Deluxe"
        // comes back whole.
        settings.insert(line.left(comma), line.mid(comma + 1));
    }
    return settings;
}

SettingsMap read(const QString &path)
{
    QByteArray bytes;
    if (fileio::readfile(path, &bytes) != fileio::ReadResult::Read)
        return {};
    return parse(bytes);
}

QByteArray format(const Entries &entries)
{
    QByteArray bytes;
    for (const auto &entry : entries) {
        // A line break inside a value (a pasted skin name, say) would start a
        // line of its own, which the next start reads as another setting.
        QString value = entry.second;
        value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        bytes += (entry.first + QLatin1Char(',') + value).toUtf8() + "\r\n";
    }
    return bytes;
}

bool write(const QString &path, const Entries &entries)
{
    return fileio::writefile(path, format(entries));
}

void fillmissing(SettingsMap &settings, const QString &documentsdir)
{
    // Order matters: the project path is built from the host folder's value.
    if (!settings.contains("qrnfolder"))
        settings.insert("qrnfolder", hostfolderbelow(documentsdir));
    if (!settings.contains("projectname"))
        settings.insert("projectname", filledprojectname);
    if (!settings.contains("projectpath"))
        settings.insert("projectpath", settings.value("qrnfolder") + "/settings.xml");
    // The Tessary name becomes a file name in the host's skins folder: one
    // that is no plain file name there (a path, empty, a device) is not used.
    if (createskinjob::checktessaryname(settings.value("tyname")) != createskinjob::NameProblem::None)
        settings.insert("tyname", "Tessary");
    if (!settings.contains("gradience"))
        settings.insert("gradience", "0");
}

} // namespace toolsettings
