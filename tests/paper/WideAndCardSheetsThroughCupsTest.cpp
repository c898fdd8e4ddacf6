// A wide paper and a business card laid out by their sets and printed through
// a queue of a private cupsd to PDF, each character read back where the
// geometry puts it. The expected places are worked out by hand below, with
// the print offsets 7 mm across and 2 mm down.
#include "SheetsThroughCups.h"

#include <vector>

namespace {

using namespace paper;

class WideAndCardSheetsThroughCups : public SheetsThroughCups {};

struct Place {
    const char* ch;
    double centreX, top; // mm from the page's left and top edges
};

} // namespace

// 反物判 444 x 318 is wider than any sheet, so it goes on the largest, A3 on
// its side (420 x 297), against the page's right and bottom edges: the text
// block 210 wide starts 7 + (444 - 210) / 2 + 420 - 444 = 100 mm from the
// page's left edge (its right edge at 310); the inscription box's top lies
// 2 + 297 - 318 = -19 mm down, the name box's 159 mm lower at 140 mm.
//   inscription "御祝", 78 pt (27.517 mm): (210 - 27.517) / 2 / 1.5875 = 57.47
//     -> 57 lines; centre 310 - 57 x 1.5875 - 13.758 = 205.754 mm; led by 24
//     blanks: top -19 + 42.333 = 23.333 mm; "祝" one character and a 39-pt
//     blank lower.
//   name "山田太郎", 60 pt (21.167 mm): (210 - 21.167) / 2 / 1.5875 = 59.47
//     -> 59 lines; centre 310 - 93.663 - 10.583 = 205.754 mm; led by 15 + 3 +
//     3 = 21 blanks: top 140 + 37.042 = 177.042 mm; each next letter 60 pt and
//     two 10-pt blanks lower, "郎" at 251.125 mm, still on the sheet.
// 名刺 55 x 90: the card printer keeps the queue's paper (A4) and turns it on
// its side (297 x 210); the card lies against the page's right and bottom
// edges. The text block is the card's 55 mm: 7 + 0 + 297 - 55 = 249 mm from
// the left edge (right edge 304); the inscription box's top 2 + 210 - 90 =
// 122 mm down, the name box's 45 mm lower at 167 mm.
//   inscription "御礼", 30 pt (10.583 mm): (55 - 10.583) / 2 / 1.5875 = 13.99
//     -> 14 lines; centre 304 - 22.225 - 5.292 = 276.483 mm; led by 4 blanks:
//     top 122 + 7.056 = 129.056 mm; "礼" 30 pt and a 15-pt blank lower.
//   name "山", 28 pt (9.878 mm): (55 - 9.878) / 2 / 1.5875 = 14.21 -> 14
//     lines; centre 304 - 22.225 - 4.939 = 276.836 mm; led by 3 blanks and
//     the 4 extra blanks of a one-character name: top 167 + 12.347 = 179.347.
TEST_F(WideAndCardSheetsThroughCups, WidePaperAndBusinessCardPrintWhereTheirGeometryPutsThem)
{
    struct Case {
        const char* json;
        double pageWidth, pageHeight;
        std::vector<Place> places;
    } cases[] = {
        {R"({"template":"反物判","inscription":"御祝","name":"山田太郎"})", 420, 297,
         {{"御", 205.754, 23.333},
          {"祝", 205.754, 23.333 + 78 * Pt + 39 * Pt},
          {"山", 205.754, 177.042},
          {"郎", 205.754, 177.042 + 3 * (60 * Pt + 2 * Blank)}}},
        {R"({"template":"名刺","inscription":"御礼","name":"山"})", 297, 210,
         {{"御", 276.483, 129.056}, {"礼", 276.483, 129.056 + 30 * Pt + 15 * Pt}, {"山", 276.836, 179.347}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        const Page page = print(c.json);
        EXPECT_NEAR(page.sizeMm.width(), c.pageWidth, 0.5);
        EXPECT_NEAR(page.sizeMm.height(), c.pageHeight, 0.5);
        for (const Place& p : c.places) {
            const QRectF g = page.of(QString::fromUtf8(p.ch));
            ASSERT_FALSE(g.isEmpty()) << p.ch << " not on the page";
            EXPECT_NEAR(g.center().x(), p.centreX, 0.5) << p.ch;
            EXPECT_NEAR(g.top(), p.top, 0.5) << p.ch;
        }
    }
}
