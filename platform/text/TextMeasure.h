// Text measured in millimetres from the fonts' design units, with no screen
// rounding, so that every machine lays a page out the same way.
#pragma once

#include <QString>

namespace measure {

constexpr double MmPerPoint = 25.4 / 72.0;

// Horizontal advance of the text (shaped left to right) in millimetres.
double textWidthMm(const QString& text, const QString& fontName, double points, bool bold = false);
// Line height of the font (ascent + descent) at that size in millimetres.
double textHeightMm(const QString& text, const QString& fontName, double points, bool bold = false);

} // namespace measure
