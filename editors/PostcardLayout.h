// The five postcard layouts: the page the editor shows and the place of the
// card on the printer's sheet. One row of data each; the placement rule is
// written once for all of them.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace editors {

struct PostcardLayout {
    QString text;           // the layout list's item
    int widthMm = 0;        // page width (LayoutWidth)
    int heightMm = 0;       // page height (PaperHeight)
    bool vertical = false;  // writing direction of the page
    int orientation = 1;    // print orientation: 1 portrait, 2 landscape
    int cardAcrossTwips = 0; // the card's extent across the sheet
    int cardDownTwips = 0;   // the card's extent down the sheet (landscape placement)
    int paperWidthTwips = 0;  // user paper announced to the printer, upright
    int paperHeightTwips = 0;

    // A page wraps at its width in horizontal writing, at its height in vertical.
    int wrapMm() const { return vertical ? heightMm : widthMm; }
};

// In list order; the second is the default.
const std::array<PostcardLayout, 5>& postcardLayouts();
const PostcardLayout& defaultPostcardLayout();
QStringList postcardLayoutTexts();
// The row whose item text equals the text; nullptr for any other text.
const PostcardLayout* findPostcardLayout(const QString& text);

// The font a layout gives the insertion point.
inline const QString PostcardFontName = QStringLiteral("ＭＳ Ｐゴシック");
inline constexpr double PostcardFontSize = 11;

// The paper announced when the sheet's size is told to the printer, for a
// layout text that matches no row.
inline constexpr int PostcardPaperWidthTwips = 5670;  // 100 mm
inline constexpr int PostcardPaperHeightTwips = 8392; // 148 mm

// What the placement needs of the sheet and the settings, all in twips but
// the offsets in millimetres.
struct PostcardSheet {
    int W = 0, H = 0;            // the printer's page
    int ox = 0, oy = 0;          // its physical offsets
    int prOffsetX = 0, prOffsetY = 0; // global print offsets, mm
    bool centred = false;        // "すべての用紙を中央"
};

struct TwipPoint {
    int left = 0;
    int top = 0;
    bool operator==(const TwipPoint&) const = default;
};

// The text margin: 5 mm plus a global offset, to the nearest twip (halves to even).
int postcardMargin(int offsetMm);
// The left and top edges of the band for a layout (0, 0 for none).
TwipPoint postcardPlacement(const PostcardLayout* layout, const PostcardSheet& sheet);

} // namespace editors
