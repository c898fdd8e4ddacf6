// A colour as documents store it; small so that code that only passes
// colours on does not pull in the whole rich document.
#pragma once

#include <cstdint>

namespace rt {

using Color = uint32_t; // &H00BBGGRR, red in the low byte

} // namespace rt
