#include "preview/PageShape.h"

namespace preview {

BoxHeights BoxHeightsFor(const QString& key, int paperHeight)
{
    for (const char16_t* special : {u"短冊（特殊）　", u"短冊（特殊）中", u"短冊（特殊Ｂ）"})
        if (key == QString::fromUtf16(special))
            return {60.0f, float(paperHeight - 60)};
    if (key == QStringLiteral("短冊（４：６）"))
        return {float(0.4 * paperHeight), float(0.6 * paperHeight)};
    const float half = float(paperHeight / 2); // the remainder is dropped
    return {half, half};
}

} // namespace preview
