// Vertical writing measured on paper: column pitch, blank advance, the first
// column at the right edge, wrapping; checked on the layout and on ink of a
// rendered page.
#include "BoxWriting.h"

#include <gtest/gtest.h>

using rt::RichTextBox;

namespace {

constexpr double Pt = 25.4 / 72;
constexpr double Px = 25.4 / 96; // a line advances whole 1/96 inches
constexpr double Dpm = 20;       // 508 dpi: a dot is 0.05 mm

using boxtest::write;

QImage renderBox(const RichTextBox& box) { return boxtest::renderToImage(box, Dpm); }

// Bounding box of ink (dark pixels) in millimetres; empty when none.
QRectF inkMm(const QImage& img, const QRect& area = QRect())
{
    const QRect a = area.isNull() ? img.rect() : area & img.rect();
    int l = INT_MAX, t = INT_MAX, r = -1, b = -1;
    for (int y = a.top(); y <= a.bottom(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = a.left(); x <= a.right(); ++x) {
            if (qGray(line[x]) < 128) {
                l = std::min(l, x);
                r = std::max(r, x);
                t = std::min(t, y);
                b = std::max(b, y);
            }
        }
    }
    if (r < 0)
        return {};
    return QRectF(l / Dpm, t / Dpm, (r - l + 1) / Dpm, (b - t + 1) / Dpm);
}

// A noshi-like column: three 4-point blank lines, two 10-point blanks, the
// inscription at 36 points, the column end and one more blank line.
void writeColumn(RichTextBox& box)
{
    boxtest::verticalPage(box, 60, 140, 3);
    write(box, QStringLiteral("  "), 10);
    write(box, QStringLiteral("御中元"), 36);
    box.setSelText(QStringLiteral("\r\n"));
    write(box, QStringLiteral("\r\n"), 4);
}

} // namespace

TEST(VerticalLayout, ColumnsRunRightToLeftAtTheirPitch)
{
    RichTextBox box;
    writeColumn(box);
    const auto& lines = box.layout()->lines();
    ASSERT_EQ(lines.size(), 6);
    double right = 60;
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(lines[i].rectMm.right(), right, 1e-9);
        EXPECT_NEAR(lines[i].rectMm.width(), 1.5875, 1e-9); // 4 pt = 5.33 px, advanced as 6 px
        right -= 1.5875;
    }
    const rt::LaidLine& col = lines[3];
    EXPECT_NEAR(col.rectMm.right(), 60 - 3 * 1.5875, 1e-9);
    EXPECT_NEAR(col.rectMm.width(), 36 * Pt, 1e-9); // 48 px exactly
    // Two 10-point blanks move the text 2 x 1.76 mm down; each character one em.
    ASSERT_EQ(col.stops.size(), 6);
    EXPECT_NEAR(col.stops[1], 5 * Pt, 1e-9);
    EXPECT_NEAR(col.stops[2], 10 * Pt, 1e-9);
    EXPECT_NEAR(col.stops[5], 10 * Pt + 3 * 36 * Pt, 1e-9);
    EXPECT_NEAR(lines[4].rectMm.right(), col.rectMm.left(), 1e-9);
}

TEST(VerticalLayout, InkSitsInItsColumn)
{
    RichTextBox box;
    writeColumn(box);
    const QImage img = renderBox(box);
    const QRectF ink = inkMm(img);
    ASSERT_FALSE(ink.isEmpty());
    const double colRight = 60 - 3 * 1.5875, colLeft = colRight - 36 * Pt;
    EXPECT_GT(ink.left(), colLeft);
    EXPECT_LT(ink.right(), colRight);
    // Full-width glyphs are centred on the column.
    EXPECT_NEAR(ink.center().x(), (colLeft + colRight) / 2, 0.6);
    // The first character starts after the two blanks (3.53 mm), within its em.
    EXPECT_GT(ink.top(), 10 * Pt);
    EXPECT_LT(ink.top(), 10 * Pt + 3);
    EXPECT_LT(ink.bottom(), 10 * Pt + 3 * 36 * Pt);
    EXPECT_GT(ink.bottom(), 10 * Pt + 3 * 36 * Pt - 3);
}

TEST(VerticalLayout, FirstColumnAtTheRightEdgeAndWrapAtTheMargin)
{
    RichTextBox box;
    box.setVertical(true);
    box.setWidthMm(40);
    box.setHeightMm(100);
    box.setRightMarginMm(20); // five 10-point characters (17.6 mm) fit, six do not
    write(box, QStringLiteral("一二三四五六七"), 10);
    const auto& lines = box.layout()->lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].length, 5);
    EXPECT_EQ(lines[1].start, 5);
    EXPECT_EQ(lines[1].length, 2);
    EXPECT_NEAR(lines[0].rectMm.right(), 40, 1e-9);
    EXPECT_NEAR(lines[1].rectMm.right(), 40 - 14 * Px, 1e-9); // 10 pt = 13.3 px, advanced as 14

    const QImage img = renderBox(box);
    const QRectF first = inkMm(img, QRect(int((40 - 14 * Px) * Dpm), 0, int(14 * Px * Dpm) + 1, img.height()));
    const QRectF second = inkMm(img, QRect(0, 0, int((40 - 14 * Px) * Dpm), img.height()));
    EXPECT_LT(first.bottom(), 5 * 10 * Pt);
    EXPECT_GT(first.bottom(), 4 * 10 * Pt);
    EXPECT_LT(second.bottom(), 2 * 10 * Pt);
    EXPECT_GT(second.left(), 40 - 2 * 14 * Px);
}

TEST(VerticalLayout, ALongParagraphWrapsIntoLinesThatEachDrawTheirOwnCharacters)
{
    RichTextBox box;
    box.setVertical(true);
    box.setWidthMm(2000);
    box.setHeightMm(100);
    box.setRightMarginMm(20); // five 10-point characters a column
    write(box, QStringLiteral("一二三四五六七八九十").repeated(100), 10);
    const auto& lines = box.layout()->lines();
    ASSERT_EQ(lines.size(), 200);
    for (int i = 0; i < 200; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[i].start, 5 * i);
        EXPECT_EQ(lines[i].length, 5);
        ASSERT_EQ(lines[i].runs.size(), 1);
        const rt::GlyphRun& run = lines[i].runs[0];
        ASSERT_EQ(run.glyphs.size(), 5);
        // Columns alternate between 一二三四五 and 六七八九十.
        EXPECT_EQ(run.glyphs, lines[i % 2].runs[0].glyphs);
        EXPECT_NE(run.glyphs, lines[1 - i % 2].runs[0].glyphs);
        for (int k = 0; k < 5; ++k)
            EXPECT_NEAR(run.positionsMm[k].y() - run.positionsMm[0].y(), k * 10 * Pt, 1e-9);
    }
}

TEST(VerticalLayout, HalfWidthTextLiesTurnedAndOffsetMovesRight)
{
    RichTextBox box;
    box.setVertical(true);
    box.setWidthMm(30);
    box.setHeightMm(60);
    write(box, QStringLiteral("AAAA"), 20);
    const rt::LaidLine& line = box.layout()->lines().at(0);
    ASSERT_EQ(line.runs.size(), 1);
    EXPECT_TRUE(line.runs[0].rotated);
    const QRectF ink = inkMm(renderBox(box));
    // Turned Latin capitals: long along the column, as wide as their cap height.
    EXPECT_GT(ink.height(), 2 * ink.width());

    box.setSelStart(0);
    box.setSelLength(4);
    box.setSelCharOffset(6); // points, towards the right of the column
    const QRectF moved = inkMm(renderBox(box));
    EXPECT_NEAR(moved.left() - ink.left(), 6 * Pt, 0.15);
    EXPECT_NEAR(moved.top(), ink.top(), 0.1);
}

TEST(VerticalLayout, EachCharacterStandsAsItsVerticalOrientationSays)
{
    struct Case {
        const char* label;
        QString text;
        bool turned;    // drawn from horizontal glyphs turned clockwise
        bool longDown;  // its ink is longer down the column than across
    };
    const Case cases[] = {
        // full-width hyphen-minus (R): turned, so the stroke runs down the column
        {"hyphen-minus", QStringLiteral("－"), true, true},
        // prolonged sound mark (Tr): the face's vertical form, also a stroke down
        {"long vowel", QStringLiteral("ー"), false, true},
        {"ideograph one", QStringLiteral("一"), false, false},
        // brackets (Tr): vertical forms, arcs lying across the column
        {"bracket", QStringLiteral("（"), false, false},
        {"postal mark", QStringLiteral("〒"), false, false},
        {"Latin", QStringLiteral("I"), true, false},
    };
    for (const Case& c : cases) {
        RichTextBox box;
        box.setVertical(true);
        box.setWidthMm(30);
        box.setHeightMm(60);
        write(box, c.text, 40);
        const rt::LaidLine& line = box.layout()->lines().at(0);
        ASSERT_EQ(line.runs.size(), 1) << c.label;
        EXPECT_EQ(line.runs[0].rotated, c.turned) << c.label;
        EXPECT_EQ(line.runs[0].upright, !c.turned) << c.label;
        const QRectF ink = inkMm(renderBox(box));
        ASSERT_FALSE(ink.isEmpty()) << c.label;
        if (c.longDown) {
            EXPECT_GT(ink.height(), 3 * ink.width()) << c.label;
        } else if (!c.turned) {
            EXPECT_LT(ink.height(), 3 * ink.width()) << c.label;
        }
    }
    // An address: the hyphen alone is turned, the digits and kanji stand.
    RichTextBox box;
    box.setVertical(true);
    box.setWidthMm(30);
    box.setHeightMm(120);
    write(box, QStringLiteral("丸の内１－１"), 20);
    const rt::LaidLine& line = box.layout()->lines().at(0);
    ASSERT_EQ(line.runs.size(), 3);
    EXPECT_FALSE(line.runs[0].rotated);
    EXPECT_TRUE(line.runs[1].rotated);
    EXPECT_EQ(line.runs[1].glyphs.size(), 1);
    EXPECT_FALSE(line.runs[2].rotated);
    // A variation selector stays with its character, upright.
    RichTextBox vs;
    vs.setVertical(true);
    vs.setWidthMm(30);
    vs.setHeightMm(60);
    write(vs, QString::fromUcs4(U"葛\U000E0100城"), 20);
    ASSERT_EQ(vs.layout()->lines().at(0).runs.size(), 1);
    EXPECT_TRUE(vs.layout()->lines().at(0).runs[0].upright);
}

TEST(VerticalLayout, CaretAndHitTestingAgree)
{
    RichTextBox box;
    writeColumn(box);
    const auto layout = box.layout();
    for (qsizetype pos : {0, 2, 6, 8, 9, 10, 11, 13, 15}) {
        const QLineF caret = layout->caretMm(pos);
        EXPECT_EQ(layout->positionAt(caret.center()), pos) << pos;
    }
    // A point left of every column lands in the last one; far down, at its end.
    EXPECT_EQ(layout->positionAt(QPointF(-5, 500)), box.document().length());
    EXPECT_EQ(layout->positionAt(QPointF(59.9, 0)), 0);
}

TEST(HorizontalLayout, LinesRunDownAndWrapAtTheWidth)
{
    RichTextBox box;
    box.setVertical(false);
    box.setWidthMm(20);
    box.setHeightMm(40);
    write(box, QStringLiteral("一二三四五六七\r\n"), 10);
    const auto& lines = box.layout()->lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].length, 5);
    EXPECT_NEAR(lines[0].rectMm.top(), 0, 1e-9);
    EXPECT_NEAR(lines[1].rectMm.top(), 14 * Px, 1e-9);
    EXPECT_NEAR(lines[2].rectMm.height(), 14 * Px, 1e-9);
    const QRectF ink = inkMm(renderBox(box));
    EXPECT_LT(ink.left(), 1);
    EXPECT_LT(ink.bottom(), 2 * 14 * Px);
}

// A line advances the font height at 96 dpi rounded up to a whole pixel, the
// largest run deciding, in both writing directions; text along the line keeps
// its design-unit advance.
TEST(LinePitch, FontHeightRoundedUpToWholePixelsAt96Dpi)
{
    struct Case {
        double points;
        double pitchMm; // worked out by hand: ceil(points * 96 / 72) px * 25.4 / 96
    };
    const Case cases[] = {
        {4, 1.5875},    // 5.33 px -> 6 px: one spacer line is the 1.5875 mm the layout counts with
        {12, 4.233333}, // 16 px exactly
        {3, 1.058333},  // 4 px exactly
        {10, 3.704167}, // 13.33 px -> 14 px
        {10.5, 3.704167}, // 14 px exactly
        {20, 7.143750}, // 26.67 px -> 27 px
    };
    for (bool vertical : {true, false}) {
        for (const Case& c : cases) {
            RichTextBox box;
            box.setVertical(vertical);
            box.setWidthMm(100);
            box.setHeightMm(100);
            write(box, QStringLiteral("寿\r\n"), c.points);
            const auto& lines = box.layout()->lines();
            ASSERT_EQ(lines.size(), 2);
            const double pitch = vertical ? lines[0].rectMm.width() : lines[0].rectMm.height();
            EXPECT_NEAR(pitch, c.pitchMm, 1e-6) << c.points << " pt, vertical " << vertical;
            EXPECT_NEAR(box.layout()->extentMm(), 2 * c.pitchMm, 1e-6);
            EXPECT_NEAR(lines[0].stops[1], c.points * Pt, 1e-9); // along the line: one em
        }
    }
}

TEST(LinePitch, LargestRunOfTheLineDecides)
{
    RichTextBox box;
    boxtest::verticalPage(box, 60, 100, 0);
    write(box, QStringLiteral("御"), 4);
    write(box, QStringLiteral("祝"), 12);
    write(box, QStringLiteral("　"), 3);
    const auto& lines = box.layout()->lines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_NEAR(lines[0].rectMm.width(), 4.233333, 1e-6); // 12 pt: 16 px
    EXPECT_NEAR(lines[0].rectMm.right(), 60, 1e-9);

    // Ten spacer lines move the next column ten times 1.5875 mm across.
    RichTextBox spaced;
    boxtest::verticalPage(spaced, 60, 100, 10);
    write(spaced, QStringLiteral("御"), 12);
    EXPECT_NEAR(spaced.layout()->lines().at(10).rectMm.right(), 60 - 15.875, 1e-9);
}
