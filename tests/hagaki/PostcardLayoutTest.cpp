// The five postcard layouts as data, the card's place on the sheet, what a
// print tells the printer, and which copies texts print. Expected twips are
// worked out by hand in the comments (56.7 twips to the millimetre).
#include "editors/PostcardLayout.h"
#include "editors/PostcardPrint.h"
#include "platform/print/Printer.h"
#include "platform/print/RecordingBackend.h"
#include "platform/richtext/RichTextBox.h"
#include "editors/PageCopies.h"
#include "platform/services/MessageBox.h"

#include <gtest/gtest.h>

#include "PostcardNames.h"

using namespace editors;

using namespace postcard_names;

TEST(PostcardLayouts, FiveRowsInListOrderWithTheirPages)
{
    struct Row {
        QString text;
        int w, h, wrap;
        bool vertical;
        int orientation;
    };
    const Row rows[] = {
        {PortraitH, 94, 142, 94, false, 1},  {PortraitV, 94, 142, 142, true, 1},
        {LandscapeH, 142, 94, 142, false, 2}, {LandscapeV, 142, 94, 94, true, 2},
        {ReturnV, 194, 142, 142, true, 1},
    };
    ASSERT_EQ(postcardLayoutTexts().size(), 5);
    for (int i = 0; i < 5; ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.text.toStdString());
        EXPECT_EQ(postcardLayoutTexts()[i], r.text);
        const PostcardLayout* l = findPostcardLayout(r.text);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->widthMm, r.w);
        EXPECT_EQ(l->heightMm, r.h);
        EXPECT_EQ(l->wrapMm(), r.wrap);
        EXPECT_EQ(l->vertical, r.vertical);
        EXPECT_EQ(l->orientation, r.orientation);
    }
    EXPECT_EQ(defaultPostcardLayout().text, PortraitV);
    // Half-width blank or solidus: not an item.
    EXPECT_EQ(findPostcardLayout(QStringLiteral("はがき 縦置き/縦書き")), nullptr);
}

TEST(PostcardLayouts, MarginIsFiveMillimetresPlusTheOffsetToTheEvenTwip)
{
    // 284 + k * 56.7: 0 -> 284; 7 -> 680.9 -> 681; 2 -> 397.4 -> 397;
    // 5 -> 567.5 -> 568 (even); -3 -> 113.9 -> 114.
    const std::pair<int, int> cases[] = {{0, 284}, {7, 681}, {2, 397}, {5, 568}, {-3, 114}};
    for (const auto& [mm, twips] : cases)
        EXPECT_EQ(postcardMargin(mm), twips) << mm;
}

TEST(PostcardLayouts, PlacementOnTheSheet)
{
    struct Case {
        QString layout;
        PostcardSheet sheet;
        TwipPoint expected;
    };
    // Portrait A4 11907 wide; landscape 16839 x 11907; ox 100, oy 50 where set.
    const Case cases[] = {
        // 284 + (11907 - 5670) / 2 = 284 + 3118; not centred 284 + 6237.
        {PortraitV, {11907, 16839, 0, 0, 0, 0, true}, {3402, 284}},
        {PortraitV, {11907, 16839, 0, 0, 0, 0, false}, {6521, 284}},
        // mx 681, my 397: 681 - 100 = 581 against the left edge whatever the width;
        // centred 581 + 3118.
        {PortraitH, {11907, 16839, 100, 50, 7, 2, false}, {581, 347}},
        {PortraitH, {30000, 16839, 100, 50, 7, 2, false}, {581, 347}},
        {PortraitH, {11907, 16839, 100, 50, 7, 2, true}, {3699, 347}},
        // Landscape vertical: 284 + 100 + 16839 - 8392 = 8831 either way; top
        // 284 - 50 + 11907 - 5670 = 6471, centred 234 + 6237 / 2 = 234 + 3118.
        {LandscapeV, {16839, 11907, 100, 50, 0, 0, false}, {8831, 6471}},
        {LandscapeV, {16839, 11907, 100, 50, 0, 0, true}, {8831, 3352}},
        // Landscape horizontal: 284 - 100 at the left.
        {LandscapeH, {16839, 11907, 100, 50, 0, 0, false}, {184, 6471}},
        {LandscapeH, {16839, 11907, 100, 50, 0, 0, true}, {184, 3352}},
        // A sheet exactly 5670 high: against the bottom is the same as centred.
        {LandscapeH, {8392, 5670, 0, 0, 0, 0, false}, {284, 284}},
        {LandscapeH, {8392, 5670, 0, 0, 0, 0, true}, {284, 284}},
        // Return postcard 200 mm: 384 + 11907 - 11340 = 951; centred 384 + 567 / 2 = 384 + 283.
        {ReturnV, {11907, 16839, 100, 50, 0, 0, false}, {951, 234}},
        {ReturnV, {11907, 16839, 100, 50, 0, 0, true}, {667, 234}},
        // A sheet narrower than the card: half of -5669 is -2834 (toward zero).
        {ReturnV, {5671, 8392, 100, 50, 0, 0, true}, {384 - 2834, 234}},
        {QStringLiteral("はがき"), {11907, 16839, 100, 50, 7, 2, true}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout.toStdString() + (c.sheet.centred ? " centred" : "") + " W " +
                     std::to_string(c.sheet.W));
        const TwipPoint at = postcardPlacement(findPostcardLayout(c.layout), c.sheet);
        EXPECT_EQ(at.left, c.expected.left);
        EXPECT_EQ(at.top, c.expected.top);
    }
}

TEST(PostcardCopies, WholeNumbersFromOneToAThousand)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"", 1},         {"1", 1},        {"3", 3},           {" 12 ", 12},   {"１０", 10},
        {"1000", 1000},  {"0007", 7},     {"1001", std::nullopt}, {"0", std::nullopt},
        {"-1", std::nullopt}, {"2.5", std::nullopt}, {"3枚", std::nullopt}, {"abc", std::nullopt},
        {"99999999999999999999", std::nullopt}, {"1 0", std::nullopt},
    };
    for (const auto& [text, copies] : cases)
        EXPECT_EQ(CopiesOf(QString::fromUtf8(text)), copies) << text;
}

namespace {

// A printer at 1440 dots to the inch, so that a pixel is a twip, with a
// physical offset of 144 twips across and 72 down.
struct PrintRig {
    prn::RecordingBackend* rec = nullptr;
    std::unique_ptr<prn::Printer> printer;
    rt::RichTextBox page;

    PrintRig()
    {
        prn::RecordingBackend::Device d;
        d.dpi = 1440;
        d.marginPx = QPoint(144, 72);
        auto b = std::make_unique<prn::RecordingBackend>(d);
        rec = b.get();
        printer = std::make_unique<prn::Printer>(std::move(b));
        page.setObjectName(QStringLiteral("card"));
        page.setText(QStringLiteral("謹賀新年"));
    }

    QStringList print(const QString& layout, const PostcardPrintOptions& o, int copies = 1)
    {
        rec->clearCalls();
        const QString error = printPostcard(*printer, page, layout, o, copies);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return rec->log();
    }
};

} // namespace

TEST(PostcardPrint, EachLayoutTellsThePrinterItsPaperOrientationAndBand)
{
    PostcardPrintOptions notify;
    notify.notifySize = true;
    // mx 284, my 284; ox 144, oy 72.
    struct Case {
        QString layout;
        QStringList log;
    };
    const Case cases[] = {
        // 100 x 148 portrait: right edge 284 + 144 + 5670 - 5670; top 284 - 72.
        {PortraitV, {"userPaper 5670x8392", "orientation 1", "startDoc", "box card 428,212,5670,8392 page 0,0,5670,8392",
                     "endDoc", "release card"}},
        // Left edge 284 - 144.
        {PortraitH, {"userPaper 5670x8392", "orientation 1", "startDoc", "box card 140,212,5670,8392 page 0,0,5670,8392",
                     "endDoc", "release card"}},
        // Landscape 148 x 100: 428 + 8392 - 8392 across; 212 + 5670 - 5670 down.
        {LandscapeV, {"userPaper 5670x8392", "orientation 2", "startDoc",
                      "box card 428,212,8392,5670 page 0,0,8392,5670", "endDoc", "release card"}},
        {LandscapeH, {"userPaper 5670x8392", "orientation 2", "startDoc",
                      "box card 140,212,8392,5670 page 0,0,8392,5670", "endDoc", "release card"}},
        // The return postcard is announced as the 200 x 148 mm sheet it is placed against.
        {ReturnV, {"userPaper 11340x8392", "orientation 1", "startDoc",
                   "box card 428,212,11340,8392 page 0,0,11340,8392", "endDoc", "release card"}},
    };
    for (const Case& c : cases) {
        PrintRig rig;
        EXPECT_EQ(rig.print(c.layout, notify), c.log) << c.layout.toStdString();
    }
}

TEST(PostcardPrint, WithoutTheNoticeTheCardGoesOnPostcardPaperAndCopiesEachTakeASheet)
{
    PrintRig rig;
    PostcardPrintOptions o;
    o.centreAll = true;
    o.prOffsetX = 7;
    o.prOffsetY = 2;
    // Postcard paper (43), whatever the printer held: 148 mm at 1440 dpi is
    // 8390.55 -> 8391 twips, 100 mm 5669.29 -> 5669.
    // Landscape vertical, centred: 681 + 144 + 8391 - 8392 = 824;
    // 397 - 72 + (5669 - 5670) / 2 = 325 + 0 = 325.
    const QString band = "box card 824,325,8391,5669 page 0,0,8391,5669";
    EXPECT_EQ(rig.print(LandscapeV, o, 3), (QStringList{"paper 43", "orientation 2", "startDoc", band, "newPage", band,
                                                        "newPage", band, "endDoc", "release card"}));
    // A text that is no layout: postcard paper upright, the band at the corner.
    EXPECT_EQ(rig.print(QStringLiteral("はがき"), o),
              (QStringList{"paper 43", "orientation 1", "startDoc", "box card 0,0,5669,8391 page 0,0,5669,8391", "endDoc",
                           "release card"}));
}

TEST(PostcardPrint, APrinterThatCannotStartIsReported)
{
    prn::RecordingBackend::Device d;
    d.failStart = true;
    prn::Printer printer(std::make_unique<prn::RecordingBackend>(d));
    rt::RichTextBox page;
    ui::clearShownMessages();
    ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    EXPECT_FALSE(printPostcard(printer, page, PortraitV, {}, 2).isEmpty());
    ui::setAnswerer({});
    EXPECT_EQ(ui::shownMessages().size(), 1u);
}

TEST(PostcardPrint, ACharacterNoFontHasIsNamedAndNothingPrints)
{
    PrintRig rig;
    const QString missing = QString::fromUcs4(U"\U0010FFFD"); // a private-use character no font draws
    rig.page.setText(QStringLiteral("謹賀") + missing);
    rig.rec->clearCalls();
    ui::clearShownMessages();
    ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    // The landscape card with its paper announced would change both.
    const int paper = rig.printer->PaperSize();
    const int orientation = rig.printer->Orientation();
    PostcardPrintOptions notify;
    notify.notifySize = true;
    const QString error = printPostcard(*rig.printer, rig.page, LandscapeV, notify, 2);
    ui::setAnswerer({});
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_TRUE(ui::shownMessages()[0].text.contains(missing));
    EXPECT_EQ(error, ui::shownMessages()[0].text);
    // Refused before the printer was touched: no paper, no orientation, no job.
    EXPECT_EQ(rig.rec->log(), QStringList{});
    EXPECT_EQ(rig.printer->PaperSize(), paper);
    EXPECT_EQ(rig.printer->Orientation(), orientation);
    EXPECT_EQ(orientation, 1); // portrait as the printer starts, not the card's landscape
}
