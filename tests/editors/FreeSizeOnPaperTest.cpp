// A free-size page printed through a queue of a private cupsd to PDF and read
// back: the sheet the long side selects and the inscription where the page's
// placement puts it. The expected places are worked out by hand below.
#include "EditorSupport.h"

#include "common/CupsTestServer.h"
#include "paper/PaperSupport.h"

#include <QStandardPaths>
#include <cups/cups.h>

namespace {

constexpr double Pt = 25.4 / 72;
constexpr double Line = 1.5875; // a 4-point blank line

} // namespace

// 120 x 300 mm, "プリンタの中央", print offsets 7 and 2 mm: A4 upright (300
// lies in 268 to 307); the page's left edge at (210 - 120) / 2 + 7 = 52 mm,
// its right edge at 172 mm, its top at 2 mm.
//   "御中元" at 60 pt (21.167 mm): (120 - 21.167) / 2 / 1.587502 = 31.13 ->
//     31 lines, 30 of them blank: the column's centre 172 - 30 x 1.5875 -
//     10.583 = 113.79 mm; its top below two half-width blanks at 60 pt
//     (2 x 30 pt): 2 + 21.167 = 23.167 mm.
TEST_F(FreeSizeTest, PagePrintedToPdfSitsWhereThePlacementPutsIt)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QString whyNot;
    const std::unique_ptr<CupsTestServer> server = CupsTestServer::start(&whyNot);
    if (!server)
        GTEST_SKIP() << "a private cupsd cannot run here: " << whyNot.toStdString();
    QString error;
    ASSERT_TRUE(server->addPdfQueue("NoshiPDF", &error)) << error.toStdString();
    qputenv("CUPS_SERVER", server->address().toUtf8());
    cupsSetServer(server->address().toUtf8().constData());

    ASSERT_TRUE(prn::SelectPrinter("NoshiPDF"));
    app::store().PrOffsetX = 7;
    app::store().PrOffsetY = 2;
    host.c.printFont = QStringLiteral("ＭＳ 明朝");
    host.c.Option4 = true;
    editors::frmFreeSize& f = open(120, 300);
    f.mnuFilePrint_Click();
    EXPECT_TRUE(asked.empty()) << asked.front().text.toStdString();
    ASSERT_TRUE(server->waitForOutput(60000)) << server->errorLog().toStdString();
    const paper::Page page = paper::readPdf(server->outputPath());
    qunsetenv("CUPS_SERVER");

    EXPECT_NEAR(page.sizeMm.width(), 210, 0.5);
    EXPECT_NEAR(page.sizeMm.height(), 297, 0.5);
    const QRectF go = page.of(QStringLiteral("御"));
    ASSERT_FALSE(go.isEmpty());
    EXPECT_NEAR(go.center().x(), 172 - 30 * Line - 30 * Pt, 0.5);
    EXPECT_NEAR(go.top(), 2 + 60 * Pt, 0.5);
    const QRectF gen = page.of(QStringLiteral("元"));
    ASSERT_FALSE(gen.isEmpty());
    EXPECT_NEAR(gen.center().x(), go.center().x(), 0.5) << "one column";
    EXPECT_NEAR(gen.top(), 2 + 60 * Pt + 2 * 60 * Pt, 0.5);
}
