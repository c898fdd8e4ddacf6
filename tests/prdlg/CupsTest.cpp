// Through a private CUPS server: a three-strip sheet printed to PDF, and the
// driver's papers, copies limit and the user's default paper in lpoptions.
#include "common/CupsTestServer.h"
#include "common/FakePrintHost.h"

#include "platform/print/CupsPrinterDriver.h"
#include "platform/print/LpOptions.h"
#include "platform/print/PaperCodes.h"
#include "platform/print/Printer.h"
#include "print/TanzakuSheet.h"

#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace noshi;

TEST(LpOptionsText, SetsOnlyThePrintersPaper)
{
    const QString before = "Default Other sides=two-sided-long-edge\n"
                           "Dest NoshiPDF media=iso_a4_210x297mm job-sheets=\"none none\"\n"
                           "Dest NoshiPDF/draft PageSize=A5\n";
    EXPECT_EQ(prn::setDestOption(before, "noshipdf", "PageSize", "B5", {"media"}),
              "Default Other sides=two-sided-long-edge\n"
              "Dest NoshiPDF job-sheets=\"none none\" PageSize=B5\n"
              "Dest NoshiPDF/draft PageSize=A5\n");
    EXPECT_EQ(prn::setDestOption("", "NoshiPDF", "PageSize", "Custom 1"), "Dest NoshiPDF PageSize=\"Custom 1\"\n");
}

TEST(CupsPrinting, ThreeStripSheetAndDefaultPaper)
{
    QString whyNot;
    auto server = CupsTestServer::start(&whyNot);
    if (!server)
        GTEST_SKIP() << "a private cupsd cannot run here: " << whyNot.toStdString();
    QString error;
    ASSERT_TRUE(server->addPdfQueue("NoshiPDF", &error)) << error.toStdString();
    qputenv("CUPS_SERVER", server->address().toUtf8());

    prn::CupsPrinterDriver driver;
    ASSERT_TRUE(driver.printerNames().contains("NoshiPDF"));
    const auto codes = driver.paperCodes("NoshiPDF");
    const auto names = driver.paperNames("NoshiPDF");
    ASSERT_TRUE(codes && names);
    ASSERT_EQ(codes->size(), size_t(names->size()));
    EXPECT_NE(std::find(codes->begin(), codes->end(), prn::DMPAPER_B5), codes->end());
    EXPECT_GT(driver.maxCopies("NoshiPDF"), 1);

    // The user's default paper: written to ~/.cups/lpoptions, read back by CUPS.
    ASSERT_TRUE(driver.setDefaultPaper("NoshiPDF", prn::DMPAPER_B5, &error)) << error.toStdString();
    QFile lp(prn::userLpOptionsPath());
    ASSERT_TRUE(lp.open(QIODevice::ReadOnly));
    const QString lpText = QString::fromUtf8(lp.readAll());
    EXPECT_TRUE(lpText.startsWith("Dest NoshiPDF PageSize=")) << lpText.toStdString();
    EXPECT_EQ(prn::codeForPageSize(QPrinterInfo::printerInfo("NoshiPDF").defaultPageSize()), prn::DMPAPER_B5);
    ASSERT_TRUE(driver.makeCurrent("NoshiPDF"));
    EXPECT_EQ(prn::CurrentPrinter().PaperSize(), prn::DMPAPER_B5);
    EXPECT_FALSE(driver.setDefaultPaper("NoshiPDF", 999));

    FakePrintHost host;
    for (rt::RichTextBox* box : {&host.omote, &host.name}) {
        box->setVertical(true);
        box->setWidthMm(50);
        box->setHeightMm(60);
        box->setSelFontName("ＭＳ 明朝");
        box->setSelFontSize(28);
        box->setSelText(box == &host.omote ? "御祝" : "山田");
    }
    TanzakuPrintRequest request;
    request.firstStrip = 1;
    request.lastStrip = 3;
    request.copies = 2;
    request.adjustX = 0.0;
    request.adjustY = 0.0;
    const TanzakuPrintResult result = PrintTanzakuSheet(Tanzaku3Layout(), request, host.omote, host.name,
                                                        prn::CurrentPrinter());
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    ASSERT_TRUE(server->waitForOutput(60000)) << server->errorLog().toStdString();

    QProcess info;
    info.start("pdfinfo", {server->outputPath()});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString out = QString::fromLocal8Bit(info.readAllStandardOutput());
    EXPECT_EQ(QRegularExpression("Pages:\\s+(\\d+)").match(out).captured(1).toInt(), 2);
    const auto m = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(out);
    EXPECT_NEAR(m.captured(1).toDouble(), 182 / 25.4 * 72, 1.0); // JIS B5 upright
    EXPECT_NEAR(m.captured(2).toDouble(), 257 / 25.4 * 72, 1.0);
}
