// A five-strip sheet and a special strip laid out by their sets and printed
// through a queue of a private cupsd to PDF, each column read back where the
// geometry puts it. The expected places are worked out by hand below.
#include "SheetsThroughCups.h"

namespace {

using namespace paper;

class StripSheetsThroughCups : public SheetsThroughCups {};

} // namespace

// 短冊Ｂ５／５Ｐ 50 x 160 on B5 on its side (257 x 182): five strips whose left
// edges lie at 2, 52, 102, 152, 202 mm plus the print offset 7 mm across, the
// inscription box 11 mm and the name box 91 mm down plus 2 mm; each box is 50
// wide, the strip's width.
//   inscription "寿", 72 pt (25.4 mm): (50 - 25.4) / 2 / 1.5875 = 7.75 -> 8
//     lines; centre 50 - 12.7 - 12.7 = 24.6 mm from the strip's left edge;
//     top 11 + 2 + 15 blanks = 39.458 mm.
//   name "誠", 38 pt (13.406 mm): (50 - 13.406) / 2 / 1.5875 = 11.53 -> 12
//     lines; centre 50 - 19.05 - 6.703 = 24.247 mm; top 91 + 2 + 16 blanks
//     (10 and the one-character steps 2 + 2 + 1 + 1) = 121.222 mm.
TEST_F(StripSheetsThroughCups, FiveStripSheetPrintsThePageOnEveryStrip)
{
    const paper::Page page = print(R"({"template":"短冊Ｂ５／５Ｐ","inscription":"寿","name":"誠"})");
    EXPECT_NEAR(page.sizeMm.width(), 257, 0.5);
    EXPECT_NEAR(page.sizeMm.height(), 182, 0.5);
    int strip = 0;
    for (const double left : {2, 52, 102, 152, 202}) {
        SCOPED_TRACE(left);
        const QRectF omote = page.of("寿", strip), name = page.of("誠", strip);
        ++strip;
        ASSERT_FALSE(omote.isEmpty());
        ASSERT_FALSE(name.isEmpty());
        EXPECT_NEAR(omote.center().x(), left + 7 + 24.6, 0.5);
        EXPECT_NEAR(omote.top(), 11 + 2 + 15 * Blank, 0.5);
        EXPECT_NEAR(name.center().x(), left + 7 + 50 - 12 * Line - 19 * Pt, 0.5);
        EXPECT_NEAR(name.top(), 91 + 2 + 16 * Blank, 0.5);
    }
    EXPECT_TRUE(page.of("寿", 5).isEmpty()) << "five strips, no more";
}

// 短冊（特殊）　 120 x 300: the strip page printer, portrait; the text block
// 105 wide centred on the printable width P and moved 7 mm: its right edge at
// P / 2 + 52.5 + 7. The top box is 60 mm high, the name box below it.
//   inscription "寿", 116 pt (40.922 mm): (105 - 40.922) / 2 / 1.5875 = 20.18
//     -> 20 lines; centre P / 2 + 59.5 - 31.75 - 20.461 = P / 2 + 7.289; top
//     2 + 1 blank.
//   name "山田太郎兵", 74 pt (26.106 mm): (105 - 26.106) / 2 / 1.5875 = 24.85
//     -> 25 lines; centre P / 2 + 59.5 - 39.688 - 13.053 = P / 2 + 6.759; led
//     by the name offset alone (0 blanks): top 2 + 60.
TEST_F(StripSheetsThroughCups, SpecialStripPrintsItsNameBoxBelowTheSixtyMillimetreBox)
{
    const paper::Page page = print(R"({"template":"短冊（特殊）","inscription":"寿","name":"山田太郎兵"})");
    const double P = page.sizeMm.width();
    ASSERT_GT(P, 105);
    const QRectF omote = page.of("寿"), name = page.of("山");
    ASSERT_FALSE(omote.isEmpty());
    ASSERT_FALSE(name.isEmpty());
    EXPECT_NEAR(omote.center().x(), P / 2 + 7.289, 0.5);
    EXPECT_NEAR(omote.top(), 2 + Blank, 0.5);
    EXPECT_NEAR(name.center().x(), P / 2 + 6.759, 0.5);
    EXPECT_NEAR(name.top(), 2 + 60, 0.5);
}
