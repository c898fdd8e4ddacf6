// A postcard printed through a queue of a private cupsd to PDF and read
// back: the paper told to the printer and the text where the layout puts it.
// Expected places are worked out by hand: the band's corner is 5 mm (284
// twips = 5.009 mm) from the sheet's edges with no print offsets and a
// queue that can print the whole page.
#include "../paper/SheetsThroughCups.h"

#include "editors/PostcardPrint.h"
#include "platform/print/Printer.h"
#include "platform/richtext/RichTextBox.h"

#include <QFile>

namespace {

constexpr double Margin = 284 / 56.7; // 5.009 mm
constexpr double Column11 = 15 * 25.4 / 96; // an 11-point line advances 15 px at 96 dpi

class PostcardThroughCups : public paper::SheetsThroughCups {
protected:
    paper::Page printCard(const rt::RichTextBox& page, const QString& layout)
    {
        QFile::remove(server->outputPath());
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

// A vertical page is placed with its right edge against the sheet's right
// edge: on the 100 x 148 card the page (94 wide) ends at 5.009 + 94 = 99.009
// mm, on the return postcard's 200 x 148 sheet the page (194 wide) at
// 199.009 mm; the first column's centre lies half a line (1.984 mm) inside
// that edge and its top at 5.009 mm. The landscape horizontal card 148 x 100
// starts its text at 5.009 mm from the left and the top.
TEST_F(PostcardThroughCups, EachShapeOfCardOnItsOwnPaper)
{
    struct Case {
        QString layout;
        double w, h;   // page, mm
        bool vertical;
        QSizeF sheet;  // mm
    };
    const Case cases[] = {
        {QStringLiteral("はがき　縦置き／縦書き"), 94, 142, true, {100, 148}},
        {QStringLiteral("往復はがき　縦置き／縦書き"), 194, 142, true, {200, 148}},
        {QStringLiteral("はがき　横置き／横書き"), 142, 94, false, {148, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout.toStdString());
        rt::RichTextBox page;
        page.setVertical(c.vertical);
        page.setWidthMm(c.w);
        page.setHeightMm(c.h);
        page.setRightMarginMm(c.vertical ? c.h : c.w);
        page.setSelFontName(QStringLiteral("ＭＳ Ｐゴシック"));
        page.setSelFontSize(11);
        page.setText(QStringLiteral("謹 賀 新 年"));
        const paper::Page pdf = printCard(page, c.layout);
        EXPECT_NEAR(pdf.sizeMm.width(), c.sheet.width(), 0.3);
        EXPECT_NEAR(pdf.sizeMm.height(), c.sheet.height(), 0.3);
        const QRectF first = pdf.of(QStringLiteral("謹"));
        const QRectF last = pdf.of(QStringLiteral("年"));
        ASSERT_FALSE(first.isEmpty()) << "nothing printed";
        ASSERT_FALSE(last.isEmpty());
        EXPECT_NEAR(first.top(), Margin, 0.3);
        if (c.vertical) {
            EXPECT_NEAR(first.center().x(), Margin + c.w - Column11 / 2, 0.3);
            EXPECT_NEAR(last.center().x(), first.center().x(), 0.1); // one column
            EXPECT_GT(last.top(), first.top() + 3 * 11 * 25.4 / 72);
        } else {
            EXPECT_NEAR(first.left(), Margin, 0.3);
            EXPECT_NEAR(last.top(), first.top(), 0.1); // one line
        }
    }
}
