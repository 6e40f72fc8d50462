#include "quoted.h"

namespace fileio {

QString quoted(QStringView text)
{
    if (text.size() <= quotedlength)
        return text.toString();
    int length = quotedlength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length).toString() + QChar(0x2026);
}

} // namespace fileio
