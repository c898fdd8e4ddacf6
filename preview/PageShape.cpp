#include "preview/PageShape.h"
#include "model/TemplateKeys.h"

namespace preview {

BoxHeights BoxHeightsFor(const QString& key, int paperHeight)
{
    for (const QString* special : {&app::TemplateKey::TanzakuSpecial, &app::TemplateKey::TanzakuSpecialMedium,
                                   &app::TemplateKey::TanzakuSpecialB})
        if (key == *special)
            return {60.0f, float(paperHeight - 60)};
    if (key == app::TemplateKey::Tanzaku46)
        return {float(0.4 * paperHeight), float(0.6 * paperHeight)};
    const float half = float(paperHeight / 2); // the remainder is dropped
    return {half, half};
}

} // namespace preview
