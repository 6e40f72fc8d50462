#include "geometryrows.h"

using namespace transforms;

QVector<AttributeRule> geometryattributes()
{
    return {{"x", posx}, {"y", posy}, {"width", sizex}, {"height", sizey}};
}

ChildRule poschild()
{
    return child({QStringLiteral("pos")}, geometryattributes());
}

ChildRule sizechild()
{
    return child({QStringLiteral("size")}, {{"width", sizex}, {"height", sizey}});
}
