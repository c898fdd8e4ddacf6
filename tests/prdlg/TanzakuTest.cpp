// The tanzaku-sheet printers: strip geometry in twips, the print order on a
// recording printer, the strip range and copies, the paper they declare and
// the three-strip sheet's stored adjustment.
#include "common/FakePrintHost.h"

#include "platform/forms/Controls.h"
#include "platform/print/PaperCodes.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterTesting.h"
#include "platform/print/RecordingBackend.h"
#include "platform/services/MessageBox.h"
#include "platform/settings/SettingsStore.h"
#include "platform/vb/VbNum.h"
#include "platform/forms/UpDown.h"
#include "print/frmTanzaku.h"

#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace noshi;

namespace {

class TanzakuTest : public ::testing::Test {
protected:
    FakePrintHost host;
    prn::RecordingBackend* rec = nullptr;
    QPointer<frmTanzaku> w;

    void SetUp() override
    {
        QFile::remove(settings::storePath());
        settings::reload();
        usePrinter({});
        ui::clearShownMessages();
        ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    }
    void TearDown() override
    {
        delete w.data();
        ui::setAnswerer({});
    }
    void usePrinter(prn::RecordingBackend::Device device)
    {
        auto b = std::make_unique<prn::RecordingBackend>(std::move(device));
        rec = b.get();
        prn::setCurrentBackend(std::move(b));
    }
    frmTanzaku& open(const QString& key, const QString& copies = "1")
    {
        w = CreateTanzakuSheetPrinter(key, host, copies);
        return *w;
    }
    // Left edges and tops of the drawn bands, with the box each came from.
    QStringList bands()
    {
        QStringList out;
        for (const auto& c : rec->boxes())
            out << QStringLiteral("%1 %2,%3").arg(c.box).arg(c.rc.left).arg(c.rc.top);
        return out;
    }
};

const QString Key3 = QStringLiteral("短冊Ｂ５／３Ｐ");
const QString Key5 = QStringLiteral("短冊Ｂ５／５Ｐ");
const QString Key6 = QStringLiteral("短冊Ｂ５／６Ｐ");

TEST(TanzakuGeometry, StripEdgesAndTopsInTwips)
{
    const struct {
        const TanzakuSheetLayout* layout;
        std::vector<int> lefts;
        int upper, lower;
    } sheets[] = {
        {&Tanzaku3Layout(), {170, 3629, 7088}, 170, 7456},
        {&Tanzaku5Layout(), {113, 2948, 5783, 8618, 11453}, 624, 5160},
        {&Tanzaku6Layout(), {737, 2948, 5160, 7371, 9582, 11794}, 624, 5160},
    };
    for (const auto& s : sheets) {
        const int physW = vb::CLng(s.layout->sheetWidthMm * 56.7);
        const int physH = vb::CLng(s.layout->sheetHeightMm * 56.7);
        for (int strip = 1; strip <= s.layout->strips; ++strip) {
            EXPECT_EQ(TanzakuStripLeft(*s.layout, strip, std::nullopt, 0), s.lefts[strip - 1]);
            // On a page of the sheet's own size the alignment cancels.
            EXPECT_EQ(TanzakuStripLeft(*s.layout, strip, 0.0, physW), s.lefts[strip - 1]);
        }
        EXPECT_EQ(TanzakuPartTop(*s.layout, false, std::nullopt, 0), s.upper);
        EXPECT_EQ(TanzakuPartTop(*s.layout, true, 0.0, physH), s.lower);
    }
    EXPECT_EQ(TanzakuLayoutForKey(Key5), &Tanzaku5Layout());
    EXPECT_EQ(TanzakuLayoutForKey(QStringLiteral("短冊（大）　　")), nullptr);
    // 1.5 mm is 85.05 twips, rounded within the sum: 170 + 85.05 + 10319 - 10319.4 = 254.65.
    EXPECT_EQ(TanzakuStripLeft(Tanzaku3Layout(), 1, 1.5, 10319), 255);
}

TEST_F(TanzakuTest, RangeOfTwoStripsInTwoCopies)
{
    frmTanzaku& t = open(Key3, "2");
    t.Option2->click();
    t.Text1->setText("2");
    t.Text3->setText("3");
    std::vector<int> progress;
    QObject::connect(t.ProgressBar1, &QProgressBar::valueChanged, [&](int v) { progress.push_back(v); });
    t.Command1_Click();
    EXPECT_TRUE(t.isUnloaded());
    // The strips at 64 and 125 mm (3629 and 7088 twips), the parts at 3 and
    // 131.5 mm (170 and 7456), aligned to the B5 page as the printer
    // measures it: 4299 x 6071 pixels at 600 dpi, 10318 x 14570 twips, against
    // 182 x 257 mm = 10319.4 x 14571.9: 1.4 across and 1.9 down less.
    const QStringList sheet{"omote 3628,168", "omote 7087,168", "name 3628,7454", "name 7087,7454"};
    EXPECT_EQ(bands(), sheet + sheet);
    EXPECT_EQ(rec->count("startDoc"), 1);
    EXPECT_EQ(rec->count("newPage"), 1); // two sheets, no empty third
    EXPECT_EQ(rec->count("endDoc"), 1);
    EXPECT_EQ(rec->count("release"), 2);
    EXPECT_EQ(progress, (std::vector<int>{1, 2}));
    EXPECT_EQ(rec->log().mid(0, 2), (QStringList{"paper 13", "orientation 1"}));
}

TEST_F(TanzakuTest, AllStripsOverwritesATypedRange)
{
    frmTanzaku& t = open(Key5);
    t.Text1->setText("4");
    t.Text3->setText("4");
    host.s.PrOffsetX = 0;
    host.s.PrOffsetY = 0;
    t.Command1_Click();
    ASSERT_EQ(rec->boxes().size(), 10u);
    // B5 on its side, 14570 x 10318 twips, against 257 x 182 mm = 14571.9 x
    // 10319.4: every strip 1.9 twips to the left, the lower part 1.4 up.
    const int lefts[] = {111, 2946, 5781, 8616, 11451};
    for (int strip = 1; strip <= 5; ++strip) {
        EXPECT_EQ(rec->boxes()[strip - 1].rc.left, lefts[strip - 1]);
        EXPECT_EQ(rec->boxes()[strip + 4].rc.top, 5159); // 5160 - 1.4
    }
    EXPECT_TRUE(rec->log().contains("orientation 2"));
}

TEST_F(TanzakuTest, StripsOutsideTheSheetAreRefused)
{
    frmTanzaku& t = open(Key6);
    t.Option2->click();
    for (const auto& [first, last] : {std::pair{"0", "2"}, {"3", "7"}, {"x", "2"}}) {
        t.Text1->setText(first);
        t.Text3->setText(last);
        t.Command1_Click();
        EXPECT_FALSE(t.isUnloaded());
    }
    EXPECT_EQ(ui::shownMessages().size(), 3u);
    EXPECT_TRUE(rec->calls().empty());
    // The printing procedure refuses them as well.
    TanzakuPrintRequest r;
    r.firstStrip = 5;
    r.lastStrip = 7;
    EXPECT_FALSE(PrintTanzakuSheet(Tanzaku6Layout(), r, host.omote, host.name, prn::CurrentPrinter()).error.isEmpty());
    EXPECT_TRUE(rec->boxes().empty());
}

TEST_F(TanzakuTest, FirstAfterLastPrintsNoBand)
{
    frmTanzaku& t = open(Key6);
    t.Option2->click();
    t.Text1->setText("4");
    t.Text3->setText("2"); // typed after the first, so not corrected
    t.Command1_Click();
    EXPECT_TRUE(rec->boxes().empty());
    EXPECT_EQ(rec->count("startDoc"), 0);
    EXPECT_TRUE(t.isUnloaded());
}

TEST_F(TanzakuTest, FirstStripPullsTheLastAlong)
{
    frmTanzaku& t = open(Key3);
    t.Option2->click();
    t.Text3->setText("1");
    t.Text1->setText("2");
    EXPECT_EQ(t.Text3->text(), "2");
    EXPECT_EQ(t.UpDown3->minimum(), 2);
    EXPECT_EQ(t.Text3->text(), "2"); // the new minimum wrote nothing
    t.Option1->click();
    EXPECT_FALSE(t.Text1->isEnabled());
    EXPECT_FALSE(t.Text3->isEnabled());
}

TEST_F(TanzakuTest, UserSizeIsDeclaredThenTurned)
{
    host.s.Check3 = true;
    host.s.Check4 = true; // not read by these windows
    frmTanzaku& t = open(Key5);
    t.Command1_Click();
    EXPECT_EQ(rec->log().mid(0, 2), (QStringList{"userPaper 10319x14572", "orientation 2"}));
}

TEST_F(TanzakuTest, A4PageMovesTheSheetToItsCorner)
{
    prn::RecordingBackend::Device a4;
    a4.refusedCodes = {13};
    usePrinter(a4);
    frmTanzaku& t = open(Key3);
    t.Command1_Click();
    const auto b = rec->boxes();
    ASSERT_EQ(b.size(), 6u);
    // 210 x 297 mm against 182 x 257 mm: 28 mm across and 40 mm down.
    EXPECT_NEAR(b[0].rc.left - 170, 28 * 56.7, 2);
    EXPECT_NEAR(b[0].rc.top - 170, 40 * 56.7, 2);
}

TEST_F(TanzakuTest, PhysicalOffsetsAddAcrossAndSubtractDown)
{
    prn::RecordingBackend::Device dev;
    dev.marginPx = QPoint(50, 100); // 600 dpi: 120 and 240 twips
    usePrinter(dev);
    frmTanzaku& t = open(Key3);
    t.Command1_Click();
    const auto b = rec->boxes();
    ASSERT_FALSE(b.empty());
    // Strip 1 at 170 - 1.4 = 169 (rounded), part top 170 - 1.9 = 168.
    EXPECT_EQ(b[0].rc.left, 169 + 120);
    EXPECT_EQ(b[0].rc.top, 168 - 240);
    EXPECT_EQ(b[0].page, (prn::TwipRect{0, 0, prn::CurrentPrinter().Width(), prn::CurrentPrinter().Height()}));
    EXPECT_EQ(b[0].rc.right, prn::CurrentPrinter().Height()); // the upright sheet's band ends at the page height
}

TEST_F(TanzakuTest, AdjustmentIsStoredAsTypedAndShownNextTime)
{
    frmTanzaku& t = open(Key3);
    t.Text4->setText("1.5");
    t.Text5->setText("abc");
    t.Command1_Click();
    const auto b = rec->boxes();
    ASSERT_FALSE(b.empty());
    EXPECT_EQ(b[0].rc.left, 254); // 170 + 85.05 + 10318 - 10319.4 = 253.65
    EXPECT_EQ(b[0].rc.top, 170); // not a number: the nominal place, not aligned
    settings::reload();
    EXPECT_EQ(settings::GetSetting("PrOffsetT3X"), "1.5");
    EXPECT_EQ(settings::GetSetting("PrOffsetT3Y"), "abc");
    frmTanzaku& again = open(Key3);
    EXPECT_EQ(again.Text4->text(), "1.5");
    EXPECT_EQ(again.Text5->text(), "abc");
    again.Command2_Click();
    EXPECT_TRUE(again.isUnloaded());
}

TEST_F(TanzakuTest, CopiesThatAreNoNumberPrintNothingAndClose)
{
    frmTanzaku& t = open(Key6, "abc");
    t.Command1_Click();
    EXPECT_TRUE(rec->boxes().empty());
    EXPECT_TRUE(t.isUnloaded());
    EXPECT_EQ(open(Key6, "").Text2->text(), "");
    w->Command1_Click();
    EXPECT_EQ(rec->boxes().size(), 12u); // an empty copies box means one
}

TEST_F(TanzakuTest, FailingJobIsReported)
{
    prn::RecordingBackend::Device dev;
    dev.failStart = true;
    usePrinter(dev);
    frmTanzaku& t = open(Key5);
    t.Command1_Click();
    EXPECT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_FALSE(t.lastResult().error.isEmpty());
    EXPECT_TRUE(t.isUnloaded());
}

} // namespace
