// A postcard printed through a queue of a private cupsd to PDF and read
// back: the paper told to the printer and the text where the layout puts it.
// Expected places are worked out by hand: the band's corner is 5 mm (284
// twips = 5.009 mm) from the sheet's edges with no print offsets and a
// queue that can print the whole page.
#include "../paper/PaperSupport.h"

#include "common/CupsTestServer.h"
#include "editors/PostcardPrint.h"
#include "platform/print/Printer.h"
#include "platform/richtext/RichTextBox.h"

#include <QStandardPaths>
#include <cups/cups.h>
#include <gtest/gtest.h>

namespace {

constexpr double Margin = 284 / 56.7; // 5.009 mm
constexpr double Column11 = 15 * 25.4 / 96; // an 11-point line advances 15 px at 96 dpi

class PostcardThroughCups : public ::testing::Test {
protected:
    std::unique_ptr<CupsTestServer> server;

    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext is not installed";
        QString whyNot;
        server = CupsTestServer::start(&whyNot);
        if (!server)
            GTEST_SKIP() << "a private cupsd cannot run here: " << whyNot.toStdString();
        QString error;
        ASSERT_TRUE(server->addPdfQueue("NoshiPDF", &error)) << error.toStdString();
        qputenv("CUPS_SERVER", server->address().toUtf8());
        cupsSetServer(server->address().toUtf8().constData());
    }

    void TearDown() override { qunsetenv("CUPS_SERVER"); }

    paper::Page print(const rt::RichTextBox& page, const QString& layout)
    {
        EXPECT_TRUE(prn::SelectPrinter("NoshiPDF"));
        editors::PostcardPrintOptions o;
        o.notifySize = true;
        const QString error = editors::printPostcard(prn::CurrentPrinter(), page, layout, o, 1);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_TRUE(server->waitForOutput(60000)) << server->errorLog().toStdString();
        return paper::readPdf(server->outputPath());
    }
};

} // namespace

// The default layout: a vertical page 94 x 142 on a 100 x 148 card, against
// the sheet's right edge: the page's right edge at 5.009 + 94 = 99.009 mm,
// the first column's centre half a line (1.984 mm) inside it, its top at 5.009 mm.
TEST_F(PostcardThroughCups, VerticalCardOnItsOwnPaper)
{
    rt::RichTextBox page;
    page.setVertical(true);
    page.setWidthMm(94);
    page.setHeightMm(142);
    page.setRightMarginMm(142);
    page.setSelFontName(QStringLiteral("ＭＳ Ｐゴシック"));
    page.setSelFontSize(11);
    page.setText(QStringLiteral("謹賀新年"));
    const paper::Page pdf = print(page, QStringLiteral("はがき　縦置き／縦書き"));
    EXPECT_NEAR(pdf.sizeMm.width(), 100, 0.3);
    EXPECT_NEAR(pdf.sizeMm.height(), 148, 0.3);
    const QRectF first = pdf.of(QStringLiteral("謹"));
    ASSERT_FALSE(first.isEmpty()) << "nothing printed";
    EXPECT_NEAR(first.center().x(), Margin + 94 - Column11 / 2, 0.3);
    EXPECT_NEAR(first.top(), Margin, 0.3);
    const QRectF last = pdf.of(QStringLiteral("年"));
    ASSERT_FALSE(last.isEmpty());
    EXPECT_NEAR(last.center().x(), first.center().x(), 0.1); // one column
    EXPECT_NEAR(last.top(), Margin + 3 * 11 * 25.4 / 72, 0.3);
}
