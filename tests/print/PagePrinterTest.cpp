// The page printers on a recording printer: paper choice, placement of every
// band in twips, copies, and the company name and bulk label.
#include "common/FakePrintHost.h"

#include "platform/print/PaperCodes.h"
#include "platform/print/Printer.h"
#include "platform/print/RecordingBackend.h"
#include "platform/services/MessageBox.h"
#include "print/PagePrinter.h"
#include "print/PrintGeometry.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>

using namespace noshi;
using prn::RecordingBackend;

namespace {

struct Rig {
    explicit Rig(RecordingBackend::Device d = {})
    {
        auto b = std::make_unique<RecordingBackend>(std::move(d));
        rec = b.get();
        printer = std::make_unique<prn::Printer>(std::move(b));
        ui::clearShownMessages();
        ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    }
    ~Rig() { ui::setAnswerer({}); }
    PagePrintResult print(PagePrinterVariant v) { return RunPagePrinter(v, host, *printer); }
    std::vector<QString> boxOrder() const
    {
        std::vector<QString> out;
        for (const auto& c : rec->boxes())
            out.push_back(c.box);
        return out;
    }
    RecordingBackend::Call box(const QString& n) const
    {
        for (const auto& c : rec->boxes())
            if (c.box == n)
                return c;
        ADD_FAILURE() << "no band for " << n.toStdString();
        return {};
    }
    QStringList paperCalls() const
    {
        QStringList out;
        for (const QString& line : rec->log())
            if (line.startsWith("paper") || line.startsWith("userPaper"))
                out << line;
        return out;
    }
    FakePrintHost host;
    RecordingBackend* rec = nullptr;
    std::unique_ptr<prn::Printer> printer;
};

void a4Landscape(PagePrintSettings& s)
{
    s.PaperWidth = 297;
    s.PaperHeight = 210;
    s.LayoutWidth = 210;
    s.PrOffsetX = 7;
}

void a4Portrait(PagePrintSettings& s)
{
    s.PaperWidth = 210;
    s.PaperHeight = 297;
    s.LayoutWidth = 105;
    s.PrOffsetX = 7;
}

} // namespace

TEST(PrintGeometry, SheetByLongSideAtItsBounds)
{
    const std::pair<int, int> cases[] = {
        {-1, 0}, {0, prn::DMPAPER_A5}, {220, prn::DMPAPER_A5}, {221, prn::DMPAPER_B5}, {267, prn::DMPAPER_B5},
        {268, prn::DMPAPER_A4}, {307, prn::DMPAPER_A4}, {308, prn::DMPAPER_B4}, {374, prn::DMPAPER_B4},
        {375, prn::DMPAPER_A3}, {420, prn::DMPAPER_A3}};
    for (auto [L, code] : cases)
        EXPECT_EQ(SheetByLongSide(L), code) << L;
}

TEST(PrintGeometry, TwipsRoundHalfToEvenAndBSizesAreJis)
{
    EXPECT_EQ(Twips(5), 284);    // 283.5
    EXPECT_EQ(Twips(15), 850);   // 850.5
    EXPECT_EQ(Twips(148.5), 8420);
    const QSizeF b4 = prn::pageSizeForCode(prn::DMPAPER_B4)->size(QPageSize::Millimeter);
    const QSizeF b5 = prn::pageSizeForCode(prn::DMPAPER_B5)->size(QPageSize::Millimeter);
    EXPECT_EQ(b4.toSize(), QSize(257, 364));
    EXPECT_EQ(b5.toSize(), QSize(182, 257));
}

// Every figure below is worked by hand for a 600 dpi printer: A4 landscape
// is 7016 x 4961 px, W = 16838 and H = 11906 twips; upright the printable
// width is 11906.4 twips.
struct PlacementCase {
    const char* what;
    PagePrinterVariant variant;
    std::function<void(PagePrintSettings&)> set;
    prn::TwipRect omote;
    prn::TwipRect name;
};

TEST(PagePrinter, PlacesBothBoxesByVariantAndOption)
{
    using V = PagePrinterVariant;
    const PlacementCase cases[] = {
        {"landscape A4, PrOffsetX 7", V::Landscape, a4Landscape, {2861, -1, 16838, 11906}, {2861, 5952, 16838, 11906}},
        // The page is 11906 twips high, the noshi 11907: centring moves it by
        // half a twip, which rounds to the next even twip.
        {"landscape, Option9 on a noshi as high as the page", V::Landscape,
         [](auto& s) { a4Landscape(s); s.Option4 = false; s.Option9 = true; },
         {2861, 0, 16838, 11906}, {2861, 5953, 16838, 11906}},
        {"landscape, Option9 and a noshi 180 high", V::Landscape,
         [](auto& s) { a4Landscape(s); s.PaperHeight = 180; s.Check4 = true; s.Option4 = false; s.Option9 = true; },
         // (11906 - 10206) / 2 = 850 and 850 + 90 x 56.7 = 5953
         {2861, 850, 16838, 11906}, {2861, 5953, 16838, 11906}},
        {"portrait, Option4", V::Portrait, a4Portrait, {3373, 0, 16838, 16838}, {3373, 8420, 16838, 16838}},
        {"portrait, Option9 as Option4", V::Portrait,
         [](auto& s) { a4Portrait(s); s.Option4 = false; s.Option9 = true; },
         {3373, 0, 16838, 16838}, {3373, 8420, 16838, 16838}},
        {"portrait, Option5", V::Portrait,
         [](auto& s) { a4Portrait(s); s.Option4 = false; s.Option5 = true; s.PrOffsetX = 8; },
         {3430, 0, 16838, 16838}, {3430, 8420, 16838, 16838}},
        {"portrait, Option6", V::Portrait,
         [](auto& s) { a4Portrait(s); s.Option4 = false; s.Option6 = true; },
         {6633, 0, 16838, 16838}, {6633, 8420, 16838, 16838}},
        {"portrait, no option on", V::Portrait,
         [](auto& s) { a4Portrait(s); s.Option4 = false; s.PrOffsetY = 2; },
         {0, 113, 16838, 16838}, {0, 8533, 16838, 16838}},
        {"strip 4:6, 300 high", V::Tanzaku,
         [](auto& s) { a4Portrait(s); s.PaperHeight = 300; s.Check4 = true; s.CurrentKey = "短冊（４：６）"; },
         {3373, 0, 16838, 16838}, {3373, 6804, 16838, 16838}},
        {"special strip", V::Tanzaku,
         [](auto& s) { a4Portrait(s); s.CurrentKey = "短冊（特殊）中"; },
         {3373, 0, 16838, 16838}, {3373, 3402, 16838, 16838}},
    };
    for (const auto& c : cases) {
        Rig rig;
        c.set(rig.host.s);
        rig.print(c.variant);
        EXPECT_EQ(rig.box("omote").rc, c.omote) << c.what;
        EXPECT_EQ(rig.box("name").rc, c.name) << c.what;
    }
}

TEST(PagePrinter, PageRectanglesAndPhysicalOffsets)
{
    RecordingBackend::Device d;
    d.marginPx = {100, 50}; // 240 twips across, 120 down
    {
        Rig rig(d);
        a4Landscape(rig.host.s);
        rig.print(PagePrinterVariant::Landscape);
        // Landscape takes the offsets crosswise: the vertical one off the left edge.
        EXPECT_EQ(rig.box("omote").rc, (prn::TwipRect{2861 - 120, -1 - 240, 16838, 11906}));
        EXPECT_EQ(rig.box("omote").page, (prn::TwipRect{0, 0, 16838, 11906}));
    }
    {
        Rig rig(d);
        a4Portrait(rig.host.s);
        rig.print(PagePrinterVariant::Portrait);
        // Printable width (4961 - 200) px = 11426.4 twips moves the centre by half the margins.
        EXPECT_EQ(rig.box("name").rc, (prn::TwipRect{3133 - 240, 8420 - 120, 16838, 16838}));
        EXPECT_EQ(rig.box("name").page, (prn::TwipRect{0, 0, 11426, 16598}));
    }
}

TEST(PagePrinter, PaperChoice)
{
    struct Case {
        const char* what;
        PagePrinterVariant variant;
        std::function<void(PagePrintSettings&)> set;
        QStringList paper;
        int orientation;
    };
    using V = PagePrinterVariant;
    const Case cases[] = {
        {"landscape by PaperWidth", V::Landscape, [](auto& s) { a4Landscape(s); s.PaperWidth = 308; }, {"paper 12"}, 2},
        {"landscape user size", V::Landscape, [](auto& s) { a4Landscape(s); s.Check3 = true; }, {"userPaper 11907x16840"}, 2},
        {"hanshiban at 210 keeps the sheet", V::Landscape,
         [](auto& s) { a4Landscape(s); s.PaperWidth = 380; s.CheckHanshiban = true; }, {"paper 8"}, 2},
        {"hanshiban at 211 takes A4 after a user size", V::Landscape,
         [](auto& s) { a4Landscape(s); s.PaperWidth = 380; s.PaperHeight = 211; s.Check3 = true; s.CheckHanshiban = true; },
         {"userPaper 11964x21546", "paper 9"}, 2},
        {"Check4 sets no paper at all", V::Landscape,
         [](auto& s) { a4Landscape(s); s.Check4 = true; s.Check3 = true; s.CheckHanshiban = true; s.PaperHeight = 300; }, {}, 2},
        {"card keeps the paper", V::Meishi, [](auto& s) { s.PaperWidth = 91; s.PaperHeight = 55; s.LayoutWidth = 91; }, {}, 2},
        {"card on its own size", V::Meishi,
         [](auto& s) { s.PaperWidth = 91; s.PaperHeight = 55; s.LayoutWidth = 91; s.Check3 = true; }, {"userPaper 3118x5160"}, 2},
        {"card higher than wide stays landscape", V::Meishi, [](auto& s) { s.PaperWidth = 55; s.PaperHeight = 91; }, {}, 2},
        {"portrait by PaperHeight", V::Portrait, [](auto& s) { a4Portrait(s); s.PaperHeight = 221; }, {"paper 13"}, 1},
        {"portrait user size at least 100 wide", V::Portrait,
         [](auto& s) { a4Portrait(s); s.PaperWidth = 90; s.Check3 = true; }, {"userPaper 5670x16840"}, 1},
        {"strip by PaperHeight", V::Tanzaku, [](auto& s) { a4Portrait(s); s.PaperHeight = 375; }, {"paper 8"}, 1},
    };
    for (const auto& c : cases) {
        Rig rig;
        c.set(rig.host.s);
        rig.print(c.variant);
        EXPECT_EQ(rig.paperCalls(), c.paper) << c.what;
        EXPECT_EQ(rig.printer->Orientation(), c.orientation) << c.what;
    }
}

TEST(PagePrinter, RefusedPaperKeepsThePrinterPaperAndPrints)
{
    RecordingBackend::Device d;
    d.refusedCodes = {prn::DMPAPER_B4};
    Rig rig(d);
    a4Landscape(rig.host.s);
    rig.host.s.PaperWidth = 320;
    rig.print(PagePrinterVariant::Landscape);
    EXPECT_EQ(rig.printer->PaperSize(), prn::DMPAPER_A4);
    EXPECT_EQ(rig.rec->boxes().size(), 2u);
}

TEST(PagePrinter, CopiesOpenOneJobWithNoTrailingSheet)
{
    struct Case {
        QString text;
        int pages;
    };
    for (const Case& c : {Case{"3", 3}, Case{"2.5", 2}, Case{"3.5", 4}, Case{"0", 0}, Case{"abc", 0}, Case{"", 0},
                          Case{"-2", 0}, Case{"40000", 0}}) {
        Rig rig;
        a4Landscape(rig.host.s);
        rig.host.s.MainCopies = c.text;
        const auto result = rig.print(PagePrinterVariant::Landscape);
        const int opened = rig.rec->count("startDoc");
        EXPECT_EQ(opened, c.pages > 0 ? 1 : 0) << c.text.toStdString();
        EXPECT_EQ(rig.rec->count("newPage"), std::max(c.pages - 1, 0)) << c.text.toStdString();
        EXPECT_EQ(rig.rec->count("endDoc"), opened) << c.text.toStdString();
        EXPECT_EQ(int(rig.rec->boxes().size()), 2 * c.pages) << c.text.toStdString();
        EXPECT_EQ(result.printCopyNo, std::max(c.pages, 0) + 1);
        EXPECT_EQ(rig.host.progress.size(), size_t(c.pages));
    }
    Rig rig;
    a4Portrait(rig.host.s);
    rig.host.s.MainCopies = "3";
    rig.print(PagePrinterVariant::Portrait);
    EXPECT_EQ(rig.rec->log().mid(rig.rec->log().indexOf("endDoc")), (QStringList{"endDoc", "release omote", "release name"}));
    EXPECT_EQ(rig.host.progress, (std::vector<double>{11, 12, 13}));
}

TEST(PagePrinter, EditModeTakesThePreviewCopiesAndLeavesTheProgressBar)
{
    Rig rig;
    a4Portrait(rig.host.s);
    rig.host.s.EditMode = 1;
    rig.host.s.MainCopies = "5";
    rig.host.s.PreviewCopies = "2";
    rig.print(PagePrinterVariant::Portrait);
    EXPECT_EQ(rig.rec->boxes().size(), 4u);
    EXPECT_TRUE(rig.host.progress.empty());

    rig.host.s.EditMode = 2;
    EXPECT_EQ(CopyCount(rig.host.s), 0);
}

TEST(PagePrinter, AJobThatCannotOpenIsReportedOnce)
{
    RecordingBackend::Device d;
    d.failStart = true;
    Rig rig(d);
    a4Landscape(rig.host.s);
    rig.host.s.MainCopies = "3";
    const auto result = rig.print(PagePrinterVariant::Landscape);
    EXPECT_FALSE(result.error.isEmpty());
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_EQ(ui::shownMessages()[0].title, "Caution");
    EXPECT_TRUE(rig.rec->boxes().empty());
}

namespace {
const QString CompanyFile = QStringLiteral(NOSHI_TEST_FIXTURES "/print/company.rtf");
}

TEST(PagePrinter, CompanyNameAtTheLeftSideComesFirst)
{
    Rig rig;
    a4Landscape(rig.host.s);
    rig.host.s.Check2 = true;
    rig.host.s.CoNameA = CompanyFile;
    rig.host.s.CoNameB = CompanyFile;
    rig.host.s.CoPrintSetA = -1; // "のし紙の　左端"
    rig.print(PagePrinterVariant::Landscape);
    EXPECT_EQ(rig.boxOrder(), (std::vector<QString>{"company", "omote", "name"}));
    // 7 x 56.7 + 16838 - 297 x 56.7 + 20 x 56.7 = 1529; 11906 - 60 x 56.7 = 8504
    EXPECT_EQ(rig.box("company").rc, (prn::TwipRect{1529, 8504, 16838, 11906}));
    EXPECT_EQ(rig.rec->count("startDoc"), 1);
    EXPECT_TRUE(rig.host.status.isEmpty());
    // The file's text, then 51 empty 16-point lines.
    const auto& paras = rig.host.company.document().paragraphs;
    ASSERT_EQ(paras.size(), 52);
    EXPECT_TRUE(rig.host.company.text().startsWith("Sorabeni Shoji"));
    EXPECT_EQ(paras.last().mark.size, 16);
}

TEST(PagePrinter, CompanyNameAtTheRightEdgeComesLastAfterTheBulkLabel)
{
    Rig rig;
    a4Landscape(rig.host.s);
    rig.host.s.Check2 = true;
    rig.host.s.Option7 = false;
    rig.host.s.Option8 = true;
    rig.host.s.CoNameA = CompanyFile;
    rig.host.s.CoNameB = CompanyFile;
    rig.host.s.CoPrintSetB = 0; // "のし紙の　右端"
    rig.host.s.BulkLabel = true;
    rig.print(PagePrinterVariant::Landscape);
    EXPECT_EQ(rig.boxOrder(), (std::vector<QString>{"omote", "name", "bulk", "company"}));
    EXPECT_EQ(rig.box("company").rc, (prn::TwipRect{15534, 8504, 16838, 11906})); // 15533.9
    // The 72-mm label against the page's right edge: 16838 - 72 x 56.7 = 12755.6;
    // its bottom on the page's: 11906 - 4082.4 = 7823.6.
    EXPECT_EQ(rig.box("bulk").rc, (prn::TwipRect{12756, 7824, 16838, 11906}));
}

// The label lies in the noshi's bottom-right corner, its first column at the
// noshi's right edge, and never over the edge of the printable area.
TEST(PagePrinter, BulkLabelInTheNoshisCornerAndOnThePaper)
{
    struct Case {
        const char* what;
        int offsetX, offsetY;
        double boxMm;
        int paperW, paperH;
        bool option9;
        int marginPx;
        int left, top; // rc, worked out by hand (A4 landscape: 16838 x 11906 twips)
    } cases[] = {
        // 7 x 56.7 + 16838 would pass the page's edge: held at 16838 - 4082.4
        {"print offset 7", 7, 0, 72, 297, 210, false, 0, 12756, 7824},
        // A 60-mm label fits the corner: right edge 16838, top 11906 - 70 x 56.7 = 7937
        {"label smaller than the corner", 0, 0, 60, 297, 210, false, 0, 13436, 7937},
        // Down 2 mm: 113.4 + 7937 = 8050.4, still above 11906 - 3402
        {"print offset down moves a small label", 0, 2, 60, 297, 210, false, 0, 13436, 8050},
        // Centred 250 x 180 noshi: 7937 - (11906 - 10206) / 2 = 7087, inside the page
        {"Option9 on a smaller noshi", 0, 0, 72, 250, 180, true, 0, 12756, 7087},
        // 120-px margins at 600 dpi (288 twips): printable right 288 + 6776 x 2.4 = 16550.4,
        // bottom 288 + 4721 x 2.4 = 11618.4; less the box and the crosswise offsets
        {"printer margins", 0, 0, 72, 297, 210, false, 120, 12468 - 288, 7536 - 288},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingBackend::Device d;
        d.marginPx = QPoint(c.marginPx, c.marginPx);
        Rig rig(d);
        a4Landscape(rig.host.s);
        rig.host.s.PaperWidth = int16_t(c.paperW);
        rig.host.s.PaperHeight = int16_t(c.paperH);
        rig.host.s.Check4 = true; // the printer stays on A4
        rig.host.s.PrOffsetX = int16_t(c.offsetX);
        rig.host.s.PrOffsetY = int16_t(c.offsetY);
        rig.host.s.Option4 = !c.option9;
        rig.host.s.Option9 = c.option9;
        rig.host.s.BulkLabel = true;
        rig.host.bulk.setWidthMm(c.boxMm);
        rig.host.bulk.setHeightMm(c.boxMm);
        rig.print(PagePrinterVariant::Landscape);
        EXPECT_EQ(rig.box("bulk").rc.left, c.left);
        EXPECT_EQ(rig.box("bulk").rc.top, c.top);
    }
}

TEST(PagePrinter, CardCompanyNameDistances)
{
    Rig rig;
    rig.host.s.PaperWidth = 91;
    rig.host.s.PaperHeight = 55;
    rig.host.s.LayoutWidth = 91;
    rig.host.s.PrOffsetX = 0;
    rig.host.s.Check2 = true;
    rig.host.s.CoNameA = CompanyFile;
    rig.host.s.CoNameB = CompanyFile;
    rig.print(PagePrinterVariant::Meishi);
    // Against the right edge of the A4 landscape page: 16838 - 70 x 56.7 = 12869
    EXPECT_EQ(rig.box("company").rc.left, 12869);
    rig.host.s.CoPrintSetA = 0;
    rig.rec->clearCalls();
    rig.print(PagePrinterVariant::Meishi);
    EXPECT_EQ(rig.box("company").rc.left, 15477); // 16838 - 24 x 56.7 = 15477.2
}

TEST(PagePrinter, CompanyNameThatDoesNotFitBeepsAndStillPrints)
{
    Rig rig;
    a4Landscape(rig.host.s);
    rig.host.s.PaperWidth = 350;
    rig.host.s.PrOffsetX = 0;
    rig.host.s.Check4 = true; // the printer stays on A4
    rig.host.s.Check2 = true;
    rig.host.s.CoNameA = CompanyFile;
    rig.host.s.CoNameB = CompanyFile;
    const int beeps = ui::beepCount();
    rig.host.s.MainCopies = "2";
    rig.print(PagePrinterVariant::Landscape);
    EXPECT_EQ(ui::beepCount(), beeps + 1);
    EXPECT_EQ(rig.host.status, "社名を印刷できません。プリンタの用紙設定を変更してください。");
    EXPECT_EQ(rig.boxOrder().size(), 6u);
    EXPECT_LT(rig.box("company").rc.left, 0);
}

TEST(PagePrinter, CompanyNameRegistrationProblemsAreShownAndThePagePrints)
{
    struct Case {
        const char* what;
        QString a, b;
        QString title;
    };
    const Case cases[] = {
        {"one path missing", CompanyFile, "", "入力事項の確認"},
        {"file unreadable", "/nonexistent/co.rtf", CompanyFile, "Caution"},
    };
    for (const auto& c : cases) {
        Rig rig;
        a4Landscape(rig.host.s);
        rig.host.s.Check2 = true;
        rig.host.s.CoNameA = c.a;
        rig.host.s.CoNameB = c.b;
        rig.print(PagePrinterVariant::Landscape);
        ASSERT_EQ(ui::shownMessages().size(), 1u) << c.what;
        EXPECT_EQ(ui::shownMessages()[0].title, c.title) << c.what;
        EXPECT_EQ(rig.boxOrder(), (std::vector<QString>{"company", "omote", "name"})) << c.what;
    }
}

TEST(PagePrinter, WithoutCompanyNameTheStatusLineIsLeftAlone)
{
    Rig rig;
    a4Landscape(rig.host.s);
    rig.host.s.BulkLabel = true;
    rig.print(PagePrinterVariant::Landscape);
    EXPECT_EQ(rig.host.status, "earlier status");
    EXPECT_EQ(rig.boxOrder(), (std::vector<QString>{"omote", "name", "bulk"}));
}

TEST(PagePrinter, ACharacterNoInstalledFontHasIsNamedAndNothingPrints)
{
    Rig r;
    a4Landscape(r.host.s);
    r.host.omote.setSelText(QStringLiteral("御中元"));
    // U+10FFFD: a private character that no font carries.
    r.host.name.setSelText(QString::fromUcs4(U"山田\U0010FFFD"));
    const PagePrintResult res = r.print(PagePrinterVariant::Landscape);
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_TRUE(ui::shownMessages()[0].text.contains(QStringLiteral("U+10FFFD")));
    EXPECT_FALSE(res.error.isEmpty());
    EXPECT_TRUE(r.rec->boxes().empty());
    EXPECT_TRUE(r.paperCalls().isEmpty()); // the printer was not even set up

    // A rare kanji that an installed font has prints (in that font).
    ui::clearShownMessages();
    r.host.name.clear();
    r.host.name.setSelText(QString::fromUcs4(U"𠮷田"));
    EXPECT_TRUE(r.print(PagePrinterVariant::Landscape).error.isEmpty());
    EXPECT_TRUE(ui::shownMessages().empty());
    EXPECT_FALSE(r.rec->boxes().empty());
}
