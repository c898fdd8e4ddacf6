#include "platform/text/TextMeasure.h"

#include "platform/fonts/Shaper.h"

namespace measure {

// Bold changes no advance: the faces have no bold design and the synthetic
// bold of the renderer is drawn inside the same advances, so measured and
// drawn columns stay the same width.
double textWidthMm(const QString& text, const QString& fontName, double points, bool /*bold*/)
{
    const fonts::LoadedFace* face = fonts::loadedFace(fontName);
    double ems = 0;
    if (face) {
        for (const fonts::ShapedGlyph& g : fonts::shape(*face, text, fonts::Flow::Horizontal))
            ems += g.advance;
    } else {
        // No Japanese font at all: nominal widths keep the layout arithmetic going.
        for (char32_t c : text.toUcs4())
            ems += fonts::isFullWidth(c) ? 1.0 : 0.5;
    }
    return ems * points * MmPerPoint;
}

double textHeightMm(const QString& /*text*/, const QString& fontName, double points, bool /*bold*/)
{
    const fonts::LoadedFace* face = fonts::loadedFace(fontName);
    return (face ? face->lineHeightEm() : 1.0) * points * MmPerPoint;
}

} // namespace measure
