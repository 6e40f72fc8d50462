#pragma once
// The browser colour and icon set options of the Browser tab: three radio
// buttons per option, stored as "0", "1" or "2".
#include <QString>

namespace displayoptions {

// Which of the three buttons a stored value checks: "1" and "2" name the
// second and third, anything else (empty included) the first.
int optionindex(const QString &value);

// The stored value for the buttons' checked states: the first checked of
// the three in order, 0 when none is.
int checkedoption(bool first, bool second, bool third);

// The built-in picture of the browser preview for a colour and icon option.
QString browserimagepath(int browseroption, int iconoption);

} // namespace displayoptions
