#include "statusrules.h"

namespace statusrules {

const char *const tessarypage = "https://addons.example.com/skins/tessary";

QString windowtitle(const QString &apptitle, const QString &projectname)
{
    if (projectname == QLatin1String("Default"))
        return apptitle + " - Default (from Quorvelin settings)";
    return apptitle + " - " + projectname;
}

QString statustext(bool tessaryzipfound, bool hostsettingsfound, const QString &tyname)
{
    if (!tessaryzipfound) {
        // The name comes from the settings file; escaped so it cannot break the markup.
        return QStringLiteral("!!! <a href=\"%1\">%2</a> skin not detected !!!")
            .arg(QLatin1String(tessarypage), tyname.toHtmlEscaped());
    }
    if (!hostsettingsfound)
        return QStringLiteral("Quorvelin settings not detected. Make sure Quorvelin is installed "
                              "or change its folder from Settings");
    return QString();
}

QString createbuttonstyle(const QString &skinname)
{
    return skinname.isEmpty() ? QStringLiteral("color: rgb(150, 150,150)")
                              : QStringLiteral("color: rgb(0, 0,0)");
}

} // namespace statusrules
