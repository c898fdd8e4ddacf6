// Printing a free-size page on a recording printer: the sheet chosen by the
// paper's long side, the user paper size, the orientation, and the page's
// place in twips for each placement option with the global offsets.
#include "EditorSupport.h"

#include "platform/print/PaperCodes.h"

#include <QLineEdit>
#include <cmath>

using editors::frmFreeSize;

namespace {

// Whole twips, halves to even.
int whole(double twips) { return int(std::nearbyint(twips)); }

QStringList paperCalls(const prn::RecordingBackend& rec)
{
    QStringList out;
    for (const QString& line : rec.log())
        if (line.startsWith("paper") || line.startsWith("userPaper") || line.startsWith("orientation"))
            out << line;
    return out;
}

} // namespace

TEST_F(FreeSizeTest, SheetFollowsTheLongSide)
{
    struct Case {
        int w, h;
        bool hanshiban;
        QStringList calls;
    };
    const Case cases[] = {
        {100, 220, false, {"paper 11", "orientation 1"}}, {100, 221, false, {"paper 13", "orientation 1"}},
        {100, 267, false, {"paper 13", "orientation 1"}}, {100, 268, false, {"paper 9", "orientation 1"}},
        {100, 307, false, {"paper 9", "orientation 1"}},  {100, 308, false, {"paper 12", "orientation 1"}},
        {100, 374, false, {"paper 12", "orientation 1"}}, {100, 375, false, {"paper 8", "orientation 1"}},
        {100, 376, false, {"paper 8", "orientation 1"}},  {300, 120, false, {"paper 9", "orientation 2"}},
        {400, 250, false, {"paper 8", "orientation 2"}},  {400, 250, true, {"paper 8", "paper 9", "orientation 2"}},
        {400, 200, true, {"paper 8", "orientation 2"}},   {100, 400, true, {"paper 8", "orientation 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(c.w).arg(c.h).toStdString());
        host.c.CheckHanshiban = c.hanshiban;
        frmFreeSize& f = open(c.w, c.h);
        rec->clearCalls();
        f.mnuFilePrint_Click();
        EXPECT_EQ(paperCalls(*rec), c.calls);
        f.unload();
    }
}

TEST_F(FreeSizeTest, UserPaperOrTheDriversPaper)
{
    struct Case {
        int w, h;
        bool notify, driver;
        QStringList calls;
    };
    const Case cases[] = {
        // Upright width at least 100 mm: 100 x 56.7 = 5670, 200 x 56.7 = 11340.
        {90, 200, true, false, {"userPaper 5670x11340", "orientation 1"}},
        // Landscape: the height across, no minimum: 120 x 56.7 = 6804, 300 x 56.7 = 17010.
        {300, 120, true, false, {"userPaper 6804x17010", "orientation 2"}},
        {300, 120, false, true, {"orientation 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w);
        host.c.Check3 = c.notify;
        host.c.Check4 = c.driver;
        frmFreeSize& f = open(c.w, c.h);
        rec->clearCalls();
        f.mnuFilePrint_Click();
        EXPECT_EQ(paperCalls(*rec), c.calls);
        f.unload();
    }
}

TEST_F(FreeSizeTest, PagePlacementInTwips)
{
    // Physical offsets 60 and 120 pixels at 600 dpi: 144 and 288 twips.
    prn::RecordingBackend::Device d;
    d.marginPx = {60, 120};
    useRecorder(d);
    app::store().PrOffsetX = 7; // 396.9 twips
    app::store().PrOffsetY = 2; // 113.4 twips
    enum Opt { O4, O5, O6, O9 };
    for (const bool landscape : {false, true}) {
        for (const Opt o : {O4, O5, O6, O9}) {
            SCOPED_TRACE(landscape * 10 + o);
            host.c.Option4 = o == O4;
            host.c.Option5 = o == O5;
            host.c.Option6 = o == O6;
            host.c.Option9 = o == O9;
            frmFreeSize& f = open(landscape ? 300 : 120, landscape ? 120 : 300);
            rec->clearCalls();
            f.mnuFilePrint_Click();
            const prn::Printer& p = prn::CurrentPrinter();
            const int W = p.Width(), H = p.Height();
            const double SW = p.ScaleWidth(), SH = p.ScaleHeight();
            ASSERT_EQ(rec->boxes().size(), 1u);
            const auto band = rec->boxes()[0];
            if (!landscape) {
                // 120 mm = 6804 twips across; 100 mm = 5670 for the tray's left side.
                const double X = o == O6 ? SW - 5670 + 396.9 : o == O5 ? SW - 6804 + 396.9 : (SW - 6804) / 2 + 396.9;
                EXPECT_EQ(band.rc, (prn::TwipRect{whole(X) - 144, 113 - 288, H, H}));
                EXPECT_EQ(band.page, (prn::TwipRect{0, 0, whole(SW), whole(SH)}));
            } else {
                // 300 mm = 17010 twips wide, 120 mm = 6804 high; the offsets crosswise.
                const double X = W - 17010 + 396.9;
                const double Y = o == O9 ? (H - 6804) / 2.0 + 113.4 : 113.4 + H - 6804;
                EXPECT_EQ(band.rc, (prn::TwipRect{whole(X) - 288, whole(Y) - 144, W, H}));
                EXPECT_EQ(band.page, (prn::TwipRect{0, 0, W, H}));
            }
            f.unload();
        }
    }
}

TEST_F(FreeSizeTest, EveryCopyIsAWholePageAndTheCopiesGoBackToOne)
{
    frmFreeSize& f = open();
    const QString before = f.RichTextBox1->text();
    f.Text1->setText(QStringLiteral("3"));
    rec->clearCalls();
    f.mnuFilePrint_Click();
    EXPECT_EQ(rec->count("box"), 3);
    EXPECT_EQ(rec->count("startDoc"), 1);
    EXPECT_EQ(rec->count("endDoc"), 1);
    EXPECT_EQ(f.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(f.RichTextBox1->text(), before) << "printing leaves the document alone";
    EXPECT_FALSE(f.IsDirty);

    // No count: told as the postcard editor tells it, nothing printed, the text left to correct.
    f.Text1->setText(QStringLiteral("abc"));
    rec->clearCalls();
    ui::clearShownMessages();
    f.mnuFilePrint_Click();
    EXPECT_EQ(rec->count("startDoc"), 0);
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_EQ(ui::shownMessages()[0].text, QStringLiteral("印刷部数には１から１０００までの整数を入力してください。"));
    EXPECT_EQ(f.Text1->text(), QStringLiteral("abc"));
}

// A page with a character no installed font has (U+10FFFD, private use) is
// named to the user and leaves the printer as it was: the 300 x 120 page
// would have made it A3 (8) landscape.
TEST_F(FreeSizeTest, ARefusedPageLeavesThePrinterAlone)
{
    frmFreeSize& f = open(300, 120);
    f.RichTextBox1->setText(QString::fromUcs4(U"御中元\U0010FFFD"));
    const int paper = prn::CurrentPrinter().PaperSize();
    const int orientation = prn::CurrentPrinter().Orientation();
    ASSERT_NE(paper, 8);
    ASSERT_EQ(orientation, 1);
    rec->clearCalls();
    f.mnuFilePrint_Click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].text.contains(QStringLiteral("U+10FFFD")));
    EXPECT_EQ(rec->log(), QStringList{});
    EXPECT_EQ(prn::CurrentPrinter().PaperSize(), paper);
    EXPECT_EQ(prn::CurrentPrinter().Orientation(), orientation);
}
