// The two page boxes' heights for a sheet: the dispatcher's layout and a
// loaded file's paper give the boxes the same shape.
#pragma once

#include <QString>

namespace preview {

// Heights of the inscription box and the name box in millimetres.
struct BoxHeights {
    float omote = 0;
    float name = 0;
};
BoxHeights BoxHeightsFor(const QString& key, int paperHeight);

} // namespace preview
