// Printing as a user would: through a CUPS queue of a private cupsd (and
// straight to a PDF file), then reading the PDF that comes out: its paper,
// its page count and where the ink of each box lies.
#include "common/CupsTestServer.h"
#include "common/FakePrintHost.h"
#include "common/ToolRun.h"

#include "platform/print/PaperCodes.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterTesting.h"
#include "platform/print/QtPrinterBackend.h"
#include "platform/richtext/Render.h"
#include "platform/services/MessageBox.h"
#include "print/PagePrinter.h"
#include "print/PrintGeometry.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cups/cups.h>
#include <gtest/gtest.h>

using namespace noshi;

namespace {

constexpr double Dpi = 150;
constexpr double PxPerMm = Dpi / 25.4;
constexpr double TrueTwipsPerMm = 1440 / 25.4;

struct PdfInfo {
    int pages = 0;
    QSizeF pagePt;
};

PdfInfo pdfInfo(const QString& path)
{
    const QString out = runTool({"pdfinfo", path});
    PdfInfo info;
    info.pages = QRegularExpression("Pages:\\s+(\\d+)").match(out).captured(1).toInt();
    const auto m = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(out);
    info.pagePt = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    return info;
}

QImage firstPage(const QString& pdf, const QString& dir)
{
    runTool({"pdftoppm", "-f", "1", "-l", "1", "-r", QString::number(Dpi), "-png", "-singlefile", pdf, dir + "/page"});
    return QImage(dir + "/page.png").convertToFormat(QImage::Format_Grayscale8);
}

// The bounding box of dark pixels inside a region, in millimetres.
QRectF inkMm(const QImage& img, const QRectF& regionMm)
{
    const QRect region = QRect(int(regionMm.left() * PxPerMm), int(regionMm.top() * PxPerMm),
                               int(regionMm.width() * PxPerMm), int(regionMm.height() * PxPerMm))
                             .intersected(img.rect());
    int l = INT_MAX, t = INT_MAX, r = -1, b = -1;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        const uchar* line = img.constScanLine(y);
        for (int x = region.left(); x <= region.right(); ++x)
            if (line[x] < 128) {
                l = std::min(l, x), t = std::min(t, y), r = std::max(r, x), b = std::max(b, y);
            }
    }
    if (r < 0)
        return {};
    return QRectF(l / PxPerMm, t / PxPerMm, (r + 1 - l) / PxPerMm, (b + 1 - t) / PxPerMm);
}

void fillBox(rt::RichTextBox& box, double widthMm, double heightMm, const QString& text, double points)
{
    box.setVertical(true);
    box.setWidthMm(widthMm);
    box.setHeightMm(heightMm);
    box.setRightMarginMm(heightMm);
    box.setSelFontName("ＭＳ 明朝");
    box.setSelFontSize(points);
    box.setSelText(text);
}

// An A4 landscape noshi, laid out as the dispatcher would leave it.
void landscapePage(FakePrintHost& host)
{
    host.s.PaperWidth = 297;
    host.s.PaperHeight = 210;
    host.s.LayoutWidth = 210;
    host.s.PrOffsetX = 7;
    host.s.PrOffsetY = 3;
    host.s.MainCopies = "2";
    fillBox(host.omote, 210, 105, "御中元", 36);
    fillBox(host.name, 210, 105, "\r\n山田太郎", 24);
}

// Where the two boxes should show on the paper: drawn straight into an
// image at the places the geometry and the printer's offsets give.
QImage expectedPage(FakePrintHost& host, prn::Printer& printer, QSize size)
{
    QImage img(size, QImage::Format_Grayscale8);
    img.fill(255);
    QPainter p(&img);
    PlacementInput in{host.s.PaperWidth, host.s.PaperHeight, host.s.LayoutWidth, host.s.PrOffsetX, host.s.PrOffsetY,
                      host.s.Option4, host.s.Option5, host.s.Option6, host.s.Option9};
    const int offX = qRound(printer.ScaleX(printer.GetDeviceCaps(prn::PHYSICALOFFSETX), prn::vbPixels, prn::vbTwips));
    const int offY = qRound(printer.ScaleY(printer.GetDeviceCaps(prn::PHYSICALOFFSETY), prn::vbPixels, prn::vbTwips));
    const int X = LandscapeBoxLeft(in, printer.Width());
    const auto place = [&](rt::RichTextBox& box, int Y) {
        // Band rectangle relative to the printable area, then back onto the paper.
        const double leftMm = (X - offY + offX) / TrueTwipsPerMm;
        const double topMm = (Y - offX + offY) / TrueTwipsPerMm;
        rt::render(box, p, QRectF(leftMm * PxPerMm, topMm * PxPerMm, box.widthMm() * PxPerMm, box.heightMm() * PxPerMm),
                   PxPerMm);
    };
    place(host.omote, LandscapeOmoteTop(in, printer.Height()));
    place(host.name, LandscapeNameTop(in, printer.Height()));
    return img;
}

void expectSamePlacement(const QImage& printed, const QImage& expected)
{
    ASSERT_FALSE(printed.isNull());
    ASSERT_EQ(printed.size(), expected.size());
    const QRectF upper(0, 0, 297, 105 + 3 + 10), lower(0, 118, 297, 92);
    for (const QRectF& region : {upper, lower}) {
        const QRectF want = inkMm(expected, region);
        const QRectF got = inkMm(printed, region);
        ASSERT_FALSE(want.isEmpty());
        ASSERT_FALSE(got.isEmpty()) << "nothing printed in the region at " << region.top() << " mm";
        EXPECT_NEAR(got.left(), want.left(), 0.5);
        EXPECT_NEAR(got.right(), want.right(), 0.5);
        EXPECT_NEAR(got.top(), want.top(), 0.5);
        EXPECT_NEAR(got.bottom(), want.bottom(), 0.5);
    }
}

} // namespace

TEST(RealPrint, LandscapeSheetThroughCups)
{
    QString whyNot;
    auto server = CupsTestServer::start(&whyNot);
    if (!server)
        GTEST_SKIP() << "a private cupsd cannot run here: " << whyNot.toStdString();
    QString error;
    ASSERT_TRUE(server->addPdfQueue("NoshiPDF", &error)) << error.toStdString() << server->errorLog().toStdString();
    // libcups reads the server from the environment on first use only.
    qputenv("CUPS_SERVER", server->address().toUtf8());
    cupsSetServer(server->address().toUtf8().constData());
    ASSERT_TRUE(prn::PrinterNames().contains("NoshiPDF")) << prn::PrinterNames().join(",").toStdString();
    ASSERT_TRUE(prn::SelectPrinter("NoshiPDF"));
    EXPECT_EQ(prn::CurrentPrinter().DeviceName(), "NoshiPDF");

    FakePrintHost host;
    landscapePage(host);
    const PagePrintResult result = PrintNoshiLandscape(host);
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    ASSERT_TRUE(server->waitForOutput(60000)) << server->errorLog().toStdString();

    const PdfInfo info = pdfInfo(server->outputPath());
    EXPECT_EQ(info.pages, 2); // two copies, no empty sheet after them
    EXPECT_NEAR(info.pagePt.width(), 841.89, 1.0);  // A4 on its side
    EXPECT_NEAR(info.pagePt.height(), 595.28, 1.0);

    QTemporaryDir dir;
    const QImage printed = firstPage(server->outputPath(), dir.path());
    expectSamePlacement(printed, expectedPage(host, prn::CurrentPrinter(), printed.size()));
}

TEST(RealPrint, CardOnItsOwnSizeToPdf)
{
    QTemporaryDir dir;
    const QString pdf = dir.path() + "/card.pdf";
    prn::Printer printer(prn::QtPrinterBackend::forPdf(pdf));
    FakePrintHost host;
    host.s.PaperWidth = 91;
    host.s.PaperHeight = 55;
    host.s.LayoutWidth = 91;
    host.s.Check3 = true;
    fillBox(host.omote, 91, 27, "御礼", 12);
    fillBox(host.name, 91, 27, "山田", 12);
    const PagePrintResult result = PrintNoshiMeishi(host, printer);
    ASSERT_TRUE(result.error.isEmpty());
    const PdfInfo info = pdfInfo(pdf);
    EXPECT_EQ(info.pages, 1);
    EXPECT_NEAR(info.pagePt.width(), 91 / 25.4 * 72, 0.5);
    EXPECT_NEAR(info.pagePt.height(), 55 / 25.4 * 72, 0.5);
}

// A portrait sheet printed to a PDF target that cannot be written.
static PagePrintResult printPortraitTo(const QString& pdfPath)
{
    prn::Printer printer(prn::QtPrinterBackend::forPdf(pdfPath));
    FakePrintHost host;
    host.s.PaperWidth = 210;
    host.s.PaperHeight = 297;
    host.s.LayoutWidth = 105;
    ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    ui::clearShownMessages();
    const PagePrintResult result = PrintNoshiPortrait(host, printer);
    ui::setAnswerer({});
    return result;
}

TEST(RealPrint, UnwritablePdfIsReported)
{
    const PagePrintResult result = printPortraitTo("/nonexistent-folder/x.pdf");
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(ui::shownMessages().size(), 1u);
}

// With no printer installed the print goes nowhere: the message says so
// rather than naming an empty file, and nothing is drawn.
TEST(RealPrint, NoPrinterIsReportedAsSuch)
{
    const PagePrintResult result = printPortraitTo(QString());
    EXPECT_EQ(result.error, QStringLiteral("使用できるプリンタがありません。"));
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_TRUE(ui::shownMessages()[0].text.contains(QStringLiteral("使用できるプリンタがありません。")));
}

// Queues of a private cupsd: the printable area comes from the queue's PPD,
// and a queue that takes no job is reported by name with the reason.
class CupsQueue : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QString error;
        server = CupsTestServer::start(&error).release();
        if (!server)
            return;
        qputenv("CUPS_SERVER", server->address().toUtf8());
        cupsSetServer(server->address().toUtf8().constData());
        // A4 printable from 18 pt left and right, 36 pt top and bottom.
        ready = server->addPdfQueue("Whole", &error) && server->addPdfQueue("Margins", &error, "18 36 577 806");
    }
    static void TearDownTestSuite()
    {
        prn::setCurrentBackend(prn::QtPrinterBackend::forPdf(QString()));
        delete server;
        server = nullptr;
    }
    void SetUp() override
    {
        if (!server || !ready)
            GTEST_SKIP() << "a private cupsd cannot run here";
        ui::clearShownMessages();
        ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    }
    void TearDown() override { ui::setAnswerer({}); }

    static inline CupsTestServer* server = nullptr;
    static inline bool ready = false;
};

TEST_F(CupsQueue, OffsetsAndPrintableAreaAreThePrintersOwn)
{
    struct Case {
        const char* queue;
        int orientation;
        int offX, offY;      // twips: 18 pt = 360, 36 pt = 720
        double marginsW, marginsH; // twips of the page outside the printable area
    } cases[] = {
        {"Whole", prn::vbPRORPortrait, 0, 0, 0, 0},
        {"Whole", prn::vbPRORLandscape, 0, 0, 0, 0},
        {"Margins", prn::vbPRORPortrait, 360, 720, 720, 1440},
        {"Margins", prn::vbPRORLandscape, 720, 360, 1440, 720}, // turned with the page
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.queue) + (c.orientation == prn::vbPRORPortrait ? " portrait" : " landscape"));
        ASSERT_TRUE(prn::SelectPrinter(c.queue));
        prn::Printer& p = prn::CurrentPrinter();
        p.setScaleMode(prn::vbTwips);
        ASSERT_TRUE(p.setPaperSize(prn::DMPAPER_A4));
        ASSERT_TRUE(p.setOrientation(c.orientation));
        EXPECT_NEAR(p.ScaleX(p.GetDeviceCaps(prn::PHYSICALOFFSETX), prn::vbPixels, prn::vbTwips), c.offX, 1.5);
        EXPECT_NEAR(p.ScaleY(p.GetDeviceCaps(prn::PHYSICALOFFSETY), prn::vbPixels, prn::vbTwips), c.offY, 1.5);
        EXPECT_NEAR(p.Width() - p.ScaleWidth(), c.marginsW, 2.5);
        EXPECT_NEAR(p.Height() - p.ScaleHeight(), c.marginsH, 2.5);
        // The PPD's A4 is 595 pt wide: 11900 twips upright, whatever the margins.
        EXPECT_NEAR(c.orientation == prn::vbPRORPortrait ? p.Width() : p.Height(), 11900, 2);
    }
}

TEST_F(CupsQueue, RefusedOrRemovedQueueIsReportedWithPrinterAndReason)
{
    QString error;
    ASSERT_TRUE(server->addPdfQueue("Refusing", &error)) << error.toStdString();
    ASSERT_TRUE(prn::SelectPrinter("Refusing"));
    ASSERT_TRUE(server->rejectJobs("Refusing", "Toner empty", &error)) << error.toStdString();
    FakePrintHost host;
    landscapePage(host);
    PagePrintResult result = PrintNoshiLandscape(host);
    EXPECT_TRUE(result.error.contains(QStringLiteral("「Refusing」"))) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QStringLiteral("Toner empty"))) << result.error.toStdString();
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_TRUE(ui::shownMessages()[0].text.contains(QStringLiteral("Toner empty")));

    // Removed while the program runs: still the current printer.
    ASSERT_TRUE(server->addPdfQueue("Gone", &error)) << error.toStdString();
    ASSERT_TRUE(prn::SelectPrinter("Gone"));
    ASSERT_TRUE(server->removeQueue("Gone", &error)) << error.toStdString();
    ui::clearShownMessages();
    result = PrintNoshiLandscape(host);
    EXPECT_TRUE(result.error.contains(QStringLiteral("「Gone」が見つかりません"))) << result.error.toStdString();
    EXPECT_EQ(ui::shownMessages().size(), 1u);
}

namespace {

// Where a text's characters stand on the first page of a PDF, in points,
// from the word boxes pdftotext reads back.
QRectF textPlacePt(const QString& pdf, const QString& text)
{
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QRectF r;
    auto it = word.globalMatch(runTool({"pdftotext", "-bbox", "-f", "1", "-l", "1", pdf, "-"}));
    while (it.hasNext()) {
        const auto m = it.next();
        bool holds = false;
        for (const QChar c : text)
            holds = holds || m.captured(5).contains(c);
        if (!holds)
            continue;
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        r = r.isNull() ? box : r.united(box);
    }
    return r;
}

} // namespace

// A company name saved to its file, opened again by the print and put at the
// edge of the sheet the user chose: True is "のし紙の　左端", False "のし紙の　右端".
TEST(RealPrint, CompanyNameAtTheChosenEdgeThroughCups)
{
    QString whyNot;
    auto server = CupsTestServer::start(&whyNot);
    if (!server)
        GTEST_SKIP() << "a private cupsd cannot run here: " << whyNot.toStdString();
    QString error;
    ASSERT_TRUE(server->addPdfQueue("NoshiCompany", &error)) << error.toStdString() << server->errorLog().toStdString();
    qputenv("CUPS_SERVER", server->address().toUtf8());
    cupsSetServer(server->address().toUtf8().constData());
    ASSERT_TRUE(prn::SelectPrinter("NoshiCompany"));

    QTemporaryDir dir;
    const QString file = dir.filePath("iwai.rtf");
    {
        rt::RichTextBox saved;
        saved.setSelFontName("ＭＳ 明朝");
        saved.setSelFontSize(20);
        saved.setSelText("空紅商事");
        ASSERT_TRUE(saved.saveFile(file));
    }

    struct Case {
        const char* what;
        int16_t edge;
        double leftPt; // the band's left edge on the paper
    } cases[] = {
        // The queue's A4 is 842 x 595 pt: W = 16840, H = 11900 twips, no margins.
        // 7 x 56.7 + 16840 - 297 x 56.7 + 20 x 56.7 = 1531.0 twips = 76.55 pt
        {"left edge", -1, 76.55},
        // 7 x 56.7 + 16840 - 30 x 56.7 = 15535.9, rounded 15536 twips = 776.8 pt
        {"right edge", 0, 776.8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakePrintHost host;
        landscapePage(host);
        host.s.MainCopies = "1";
        host.s.Option9 = false;
        host.s.Check2 = true;
        host.s.Option7 = true;
        host.s.Option8 = false;
        host.s.CoNameA = file;
        host.s.CoNameB = file;
        host.s.CoPrintSetA = c.edge;
        host.company.setWidthMm(100);
        host.company.setHeightMm(100);
        const PagePrintResult result = PrintNoshiLandscape(host);
        ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
        ASSERT_TRUE(server->waitForOutput(60000)) << server->errorLog().toStdString();
        const QString pdf = dir.filePath(QString("out-%1.pdf").arg(c.edge));
        ASSERT_TRUE(QFile::copy(server->outputPath(), pdf));
        QFile(server->outputPath()).resize(0);

        const QRectF got = textPlacePt(pdf, "空紅商事");
        ASSERT_FALSE(got.isNull()) << "the company name is not on the page";
        EXPECT_NEAR(got.left(), c.leftPt, 0.5);
        // 3 x 56.7 + 11900 - 60 x 56.7 = 8668.1, rounded 8668 twips = 433.4 pt:
        // the first line's top at the band's top.
        EXPECT_NEAR(got.top(), 433.4, 3.0);
    }
}
