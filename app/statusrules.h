#pragma once
// Texts of the main window that follow from the current configuration.
#include <QString>

namespace statusrules {

// Where the Tessary skin is offered; the status line links to it.
extern const char *const tessarypage;

// The window title for the current project's display name.
QString windowtitle(const QString &apptitle, const QString &projectname);

// The status line: what is missing of the host's installation, first the
// Tessary skin zip (as rich text linking to where it is offered), then the
// host's settings file; empty when both are there.
QString statustext(bool tessaryzipfound, bool hostsettingsfound, const QString &tyname);

// Style of the "Create Skin" button: grey while no skin name is typed.
QString createbuttonstyle(const QString &skinname);

} // namespace statusrules
