// HarfBuzz shaping of one run of text in one face. Results are in ems and in
// HarfBuzz's orientation (y grows upward), cached because pages repeat the
// same short texts (blanks, names) many times.
#pragma once

#include "platform/fonts/LoadedFace.h"

#include <QStringView>
#include <QVector>
#include <cstdint>

namespace fonts {

enum class Flow { Horizontal, Vertical };

struct ShapedGlyph {
    uint32_t glyph = 0;
    uint32_t cluster = 0; // UTF-16 index of the first character it draws
    double advance = 0;   // along the flow, in ems, positive (right or down)
    double xOffset = 0;   // from the pen to the glyph's drawing origin, ems
    double yOffset = 0;   // ditto, y up
};

// Vertical flow uses the face's vertical forms and metrics (HB_DIRECTION_TTB).
QVector<ShapedGlyph> shape(const LoadedFace& face, QStringView text, Flow flow);

// Whether a character stands upright in a vertical column or lies turned 90°
// clockwise, from Unicode's Vertical_Orientation: U and Tu stand upright (with
// the face's vertical forms), R lies turned (Latin, the half-width blank, the
// full-width hyphen-minus of an address such as 丸の内１－１), Tr stands
// upright where the face has a vertical form for it (ー, brackets) and lies
// turned otherwise. Without a face Tr counts as upright.
bool standsUpright(char32_t c, const LoadedFace* face = nullptr);

// Whether a character takes a full em across a line (East Asian width wide,
// full or ambiguous, as Japanese text sets them) or half of it.
bool isFullWidth(char32_t c);

} // namespace fonts
