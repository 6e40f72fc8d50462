#include "generator.h"
bool writePictureResources(const QString &) { return true; }
