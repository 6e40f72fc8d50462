#pragma once
// The pieces of the stand-in skin and of the demo projects.
#include "skincontent.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QVector>

namespace skin {

// The group "defines" (colours and templates) and the panel "system".
XmlNode definesGroup(ContentBuilder &content);
XmlNode systemPanel(ContentBuilder &content);

// One placed window of a demo project's record.
struct DemoEntry
{
    int idx;
    QRect place;
};

struct DemoProject
{
    QString name;            // "Demo 1" ...
    QString variables;       // the QRNScriptGlobalVariables text
    QVector<DemoEntry> entries;
};

QVector<DemoProject> demoProjects();

// The project file's text: CR LF line ends, none after "</project>".
QByteArray projectFileText(const DemoProject &demo);

} // namespace skin
