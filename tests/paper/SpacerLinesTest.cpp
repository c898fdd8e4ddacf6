// Spacer lines on paper: a page of 4-point blank lines and one column, printed
// through the page printer and the renderer to a PDF, finds the column where
// the count of lines times 1.5875 mm puts it; a business card on its own
// paper with both boxes in place.
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

// The business-card printer on the card's own size (told to the printer): a
// 91 x 55 card turned to landscape, the text block the card's 91 mm, print
// offsets 2 across and 1 down. The inscription box: 5 spacer lines, one
// 12-pt column: centre 2 + 91 - 5 x 1.5875 - 2.117 = 82.946 mm from the
// page's left; top 1 mm. The name box 55 / 2 = 27.5 mm lower, 10 spacer
// lines: centre 2 + 91 - 15.875 - 2.117 = 75.008 mm.
TEST(CardPrinter, CardOnItsOwnPaperWithBothBoxesInPlace)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    FakePrintHost host;
    host.s.PaperWidth = 91;
    host.s.PaperHeight = 55;
    host.s.LayoutWidth = 91;
    host.s.PrOffsetX = 2;
    host.s.PrOffsetY = 1;
    host.s.Check3 = true;
    const auto fill = [](rt::RichTextBox& box, int lines, const QString& text) {
        box.setVertical(true);
        box.setWidthMm(91);
        box.setHeightMm(27);
        box.setRightMarginMm(27);
        box.setSelFontName(QStringLiteral("ＭＳ 明朝"));
        box.setSelFontSize(4);
        for (int i = 0; i < lines; ++i)
            box.setSelText(QStringLiteral("\r\n"));
        box.setSelFontSize(12);
        box.setSelText(text);
    };
    fill(host.omote, 5, QStringLiteral("寿"));
    fill(host.name, 10, QStringLiteral("山"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    prn::Printer printer(prn::QtPrinterBackend::forPdf(pdf));
    noshi::PrintNoshiMeishi(host, printer);
    const paper::Page page = paper::readPdf(pdf);
    EXPECT_NEAR(page.sizeMm.width(), 91, 0.5);
    EXPECT_NEAR(page.sizeMm.height(), 55, 0.5);
    const QRectF omote = page.of(QStringLiteral("寿")), name = page.of(QStringLiteral("山"));
    ASSERT_FALSE(omote.isEmpty());
    ASSERT_FALSE(name.isEmpty());
    // Placed against the page's right and bottom edges: a PDF page is whole points.
    const double dx = page.sizeMm.width() - 91, dy = page.sizeMm.height() - 55;
    EXPECT_NEAR(omote.center().x(), dx + 82.946, 0.1);
    EXPECT_NEAR(name.center().x(), dx + 75.008, 0.1);
    // The em box's top: the glyph box pdftotext reports starts at the column's start.
    EXPECT_NEAR(omote.top(), dy + 1, 0.5);
    EXPECT_NEAR(name.top(), dy + 1 + 27.5, 0.5);
}
