// The texts of the paper panel: a paper code's name, the paper source, the
// orientation, the description of the current paper and the copies line.
#pragma once

#include <QString>
#include <cstdint>

namespace noshi {

// The name of a paper code as the hidden code list shows it: "A4",
// "JAPANESE_POSTCARD", "UNKNOWN(56)", "USER(300)"; the code is read as a
// signed 16-bit word, so 40000 shows as "UNKNOWN(-25536)".
QString PaperCodeNames(int16_t code);
// Where the printer takes its paper from, by DMBIN number; empty for others.
QString PaperBinText(int bin);
// 1 portrait, 2 landscape; empty for others.
QString OrientationText(int orientation);
// The description of the current paper by its code, with the physical
// page's width and height in whole millimetres for the user sizes.
QString PaperDescription(int code, int widthMm, int heightMm);
// "このプリンターの最大印刷部数は　<c>枚です。"
QString MaxCopiesText(int copies);
// A physical page length in device pixels as whole millimetres (halves to even).
int PhysicalMm(int pixels, double twipsPerPixel);

} // namespace noshi
