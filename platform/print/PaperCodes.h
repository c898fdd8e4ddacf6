// Paper codes and device-capability indices as the print paths use them.
// B4 and B5 are the Japanese (JIS) sheets, not the ISO ones: the noshi
// trade and the drivers it was built for mean JIS B.
#pragma once

#include <QPageSize>
#include <optional>

namespace prn {

constexpr int DMPAPER_A3 = 8;
constexpr int DMPAPER_A4 = 9;
constexpr int DMPAPER_A5 = 11;
constexpr int DMPAPER_B4 = 12;
constexpr int DMPAPER_B5 = 13;
constexpr int DMPAPER_JAPANESE_POSTCARD = 43;     // 100 x 148 mm
constexpr int DMPAPER_DBL_JAPANESE_POSTCARD = 69; // 200 x 148 mm, the return postcard
constexpr int DMPAPER_USER = 256;

// Scale modes of the printer object.
constexpr int vbTwips = 1;
constexpr int vbPixels = 3;

// Orientation values of the printer object.
constexpr int vbPRORPortrait = 1;
constexpr int vbPRORLandscape = 2;

// Device-capability indices.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int PHYSICALWIDTH = 110;
constexpr int PHYSICALHEIGHT = 111;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;

// Twips in one inch: the printer's own unit, 1/1440 in.
constexpr double TwipsPerInch = 1440.0;

// The standard sheet of a paper code; nullopt for the user size and unknown codes.
std::optional<QPageSize> pageSizeForCode(int code);
// The paper code of a standard sheet (its DMPAPER number), 0 when it has none.
int codeForPageSize(const QPageSize& size);
// The code a driver's paper goes by: its standard number, or for a paper of
// the driver's own a number above the user size by its place in the driver's
// list (257 for the first), as drivers number their own forms.
int driverPaperCode(const QPageSize& size, int indexInDriverList);

// Paper sources (DMBIN numbers) as the paper panel names them.
constexpr int DMBIN_AUTO = 7;

} // namespace prn
