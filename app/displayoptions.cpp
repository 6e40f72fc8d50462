#include "displayoptions.h"

namespace displayoptions {

int optionindex(const QString &value)
{
    if (value == QLatin1String("1"))
        return 1;
    if (value == QLatin1String("2"))
        return 2;
    return 0;
}

int checkedoption(bool first, bool second, bool third)
{
    if (first)
        return 0;
    if (second)
        return 1;
    if (third)
        return 2;
    return 0;
}

QString browserimagepath(int browseroption, int iconoption)
{
    return QStringLiteral("://Resources/browser_%1_%2.png").arg(browseroption).arg(iconoption);
}

} // namespace displayoptions
