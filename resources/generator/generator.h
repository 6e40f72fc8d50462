#pragma once
// The built-in resources are made by this program, so that they can be
// reviewed, changed and reproduced byte for byte.
#include <QString>

// Each writes its resources into folder `out`; returns whether all were written.
bool writeSkinResources(const QString &out);      // Tessary.zip and the demo projects
bool writePictureResources(const QString &out);   // icon strips, preview, browser, waveform pictures, logo
bool writeProfileResources(const QString &out);   // default, white and dark colour profiles
