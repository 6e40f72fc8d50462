#include "generator.h"
bool writeSkinResources(const QString &) { return true; }
