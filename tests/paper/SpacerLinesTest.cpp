// Spacer lines on paper: a page of 4-point blank lines and one column, printed
// through the page printer and the renderer to a PDF, finds the column where
// the count of lines times 1.5875 mm puts it.
#include "PaperSupport.h"
#include "common/FakePrintHost.h"

#include "platform/print/Printer.h"
#include "platform/print/QtPrinterBackend.h"
#include "print/PagePrinter.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// An A4 landscape noshi (297 x 210, text block 210 wide) printed with no
// print offset: the text block spans 43.5 to 253.5 mm across the page.
paper::Page printColumnAfter(int spacerLines, const QString& pdf)
{
    FakePrintHost host;
    host.s.PaperWidth = 297;
    host.s.PaperHeight = 210;
    host.s.LayoutWidth = 210;
    host.s.PrOffsetX = 0;
    rt::RichTextBox& box = host.omote;
    box.setVertical(true);
    box.setWidthMm(210);
    box.setHeightMm(105);
    box.setRightMarginMm(105);
    box.setSelFontName(QStringLiteral("ＭＳ 明朝"));
    box.setSelFontSize(4);
    for (int i = 0; i < spacerLines; ++i)
        box.setSelText(QStringLiteral("\r\n"));
    box.setSelFontSize(12);
    box.setSelText(QStringLiteral("寿"));
    prn::Printer printer(prn::QtPrinterBackend::forPdf(pdf));
    noshi::PrintNoshiLandscape(host, printer);
    return paper::readPdf(pdf);
}

} // namespace

TEST(SpacerLines, ColumnLandsWhereTheLineCountPutsIt)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    struct Case {
        int lines;
        double centreMm; // 253.5 - lines x 1.5875 - 4.2333 / 2 (a 12-pt column is 16 px)
    } cases[] = {{0, 251.3833}, {40, 187.8833}, {41, 186.2958}, {61, 154.5333}};
    double previous = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        const paper::Page page = printColumnAfter(c.lines, dir.filePath(QString::number(c.lines) + ".pdf"));
        const QRectF glyph = page.of(QStringLiteral("寿"));
        ASSERT_FALSE(glyph.isEmpty());
        EXPECT_NEAR(glyph.width(), 12 * 25.4 / 72, 0.01); // one em across
        EXPECT_NEAR(glyph.center().x(), c.centreMm, 0.1);
        if (c.lines == 41) { // one more line: one 1.5875-mm step
            EXPECT_NEAR(previous - glyph.center().x(), 1.5875, 0.01);
        }
        previous = glyph.center().x();
    }
}
