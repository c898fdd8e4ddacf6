// Sheets printed with the print tool (tests/tools/noshi_print) through the
// main window, dispatcher and page printers to a PDF, and each character
// found on the page where the geometry puts it. The expected places are
// worked out by hand below; a PDF page is a whole number of points, so
// places are counted from the page edge the noshi lies against.
#include "PaperSupport.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using paper::Blank;
using paper::Line;
using paper::Pt;

struct Printed {
    int status = -1;
    QString err;
    paper::Page page;
};

Printed printSheet(const QByteArray& json)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("sheet.json"));
    f.open(QIODevice::WriteOnly);
    f.write(json);
    f.close();
    const QString pdf = dir.filePath("out.pdf");
    QProcess p;
    p.start(QStringLiteral(NOSHI_PRINT_TOOL), {f.fileName(), pdf});
    p.waitForFinished(30000);
    Printed r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.err = QString::fromUtf8(p.readAllStandardError());
    if (QFile::exists(pdf))
        r.page = paper::readPdf(pdf);
    return r;
}

class PrintTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext is not installed";
    }
    // A character's box: its centre across and its top, in mm.
    static void expectAt(const paper::Page& page, const QString& ch, double centreX, double top, double tol = 0.5)
    {
        const QRectF g = page.of(ch);
        ASSERT_FALSE(g.isEmpty()) << ch.toStdString() << " not on the page";
        EXPECT_NEAR(g.center().x(), centreX, tol) << ch.toStdString();
        EXPECT_NEAR(g.top(), top, tol) << ch.toStdString();
    }
};

} // namespace

// 萌黄（祝大） 390 x 180 on A3 landscape (the sheet for a long side of 375 mm
// and more), against the page's right and bottom edges, print offset 7 mm:
// text block 210 wide from 7 + (390 - 210) / 2 = 97 mm inside the noshi's
// left edge, so its right edge lies 420 - 337 = 83 mm inside the page's.
//   inscription, 46 pt (16.228 mm): (210 - 16.228) / 2 / 1.5875 = 61.03 -> 61
//     lines; centre 83 + 61 x 1.5875 + 8.114 = 187.951 mm from the right edge;
//     top 180 - 8 blanks x 1.764 = 165.889 mm above the bottom edge.
//   name, 40 pt (14.111 mm): (210 - 14.111) / 2 / 1.5875 = 61.70 -> 62 lines;
//     centre 83 + 98.425 + 7.056 = 188.481 mm; top 90 - 10 blanks = 72.361 mm
//     above the bottom edge.
TEST_F(PrintTool, LandscapeNoshiCentredOnItsTextBlock)
{
    const Printed r = printSheet(R"({"template":"萌黄（祝大）","inscription":"御中元","name":"山田太郎"})");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const double W = r.page.sizeMm.width(), H = r.page.sizeMm.height();
    EXPECT_NEAR(W, 420, 0.5);
    EXPECT_NEAR(H, 297, 0.5);
    expectAt(r.page, "御", W - (83 + 61 * Line + 23 * Pt), H - (180 - 8 * Blank));
    expectAt(r.page, "山", W - (83 + 62 * Line + 20 * Pt), H - (90 - 10 * Blank));
    // The inscription's centre lies on the text block's, 83 + 105 mm from the right edge.
    EXPECT_NEAR(r.page.of("御").center().x(), W - 188, 0.5);
}

// 短冊（大） 60 x 265, portrait on B5 (long side 221 to 267 mm), "center":
// the 60-mm text block centred on the printable width P (the whole page) and
// moved 7 mm: from P / 2 - 23 to P / 2 + 37.
//   inscription, 58 pt (20.461 mm): (60 - 20.461) / 2 / 1.5875 = 12.45 -> 12
//     lines; centre P / 2 + 37 - 19.05 - 10.231 = P / 2 + 7.719; top 22 blanks
//     = 38.806 mm.
//   name, 52 pt (18.344 mm): (60 - 18.344) / 2 / 1.5875 = 13.12 -> 13 lines;
//     centre P / 2 + 37 - 20.6375 - 9.172 = P / 2 + 7.190; the name box from
//     265 / 2 = 132.5 mm, 12 blanks more: 153.667 mm.
TEST_F(PrintTool, PortraitStripCentredOnThePrinter)
{
    const Printed r = printSheet(R"({"template":"短冊（大）","inscription":"御中元","name":"山田太郎","placement":"center"})");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const double P = r.page.sizeMm.width();
    EXPECT_NEAR(P, 182, 0.5);
    EXPECT_NEAR(r.page.sizeMm.height(), 257, 0.5);
    expectAt(r.page, "御", P / 2 + 7.719, 22 * Blank);
    expectAt(r.page, "山", P / 2 + 7.190, 132.5 + 12 * Blank);

    // "trayRight": the noshi against the right edge: block from P - 60 + 7.
    const Printed right = printSheet(
        R"({"template":"短冊（大）","inscription":"御中元","name":"山田太郎","placement":"trayRight","prOffsetX":0,"prOffsetY":3})");
    ASSERT_EQ(right.status, 0) << right.err.toStdString();
    expectAt(right.page, "御", P - 60 + 60 - 19.05 - 10.231, 3 + 22 * Blank);
}

// 短冊（特殊）中 120 x 180: the strip printer, portrait on A5, the name box
// 60 mm below the noshi's top whatever its height. Text block 105 wide
// (portrait), centred: from P / 2 - 45.5 to P / 2 + 59.5.
//   inscription, 46 pt: (105 - 16.228) / 2 / 1.5875 = 27.96 -> 28 lines;
//     centre P / 2 + 59.5 - 44.45 - 8.114 = P / 2 + 6.936; top one blank.
//   name, 40 pt: (105 - 14.111) / 2 / 1.5875 = 28.63 -> 29 lines; centre
//     P / 2 + 59.5 - 46.0375 - 7.056 = P / 2 + 6.407; top 60 mm.
TEST_F(PrintTool, SpecialStripNameBoxSixtyMillimetresDown)
{
    const Printed r = printSheet(R"({"template":"短冊（特殊）中","inscription":"御中元","name":"山田太郎"})");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const double P = r.page.sizeMm.width();
    EXPECT_NEAR(P, 148, 0.5);
    expectAt(r.page, "御", P / 2 + 6.936, Blank);
    expectAt(r.page, "山", P / 2 + 6.407, 60);
}

TEST_F(PrintTool, ExitStatusAndMessages)
{
    struct Case {
        const char* json;
        int status;
        const char* says; // part of standard error
    } cases[] = {
        {"{\"template\":\"萌黄（祝大）\",\"copies\":0}", 1, "印刷部数"},
        {"{\"template\":\"萌黄（祝大）\",\"copies\":2}", 0, ""},
        {"{\"template\":\"萌黄（祝大）\"", 2, "not a JSON object"},
        {"{\"template\":\"萌黄（祝大）\",\"colour\":1}", 2, "unknown field \"colour\""},
        {"{\"template\":\"萌黄（祝大）\",\"placement\":\"middle\"}", 2, "\"placement\""},
        {"{\"template\":\"萌黄（祝大）\",\"prOffsetX\":\"7\"}", 2, "\"prOffsetX\""},
        {"{\"template\":\"萌黄（祝大）\",\"notifyPaperSize\":1}", 2, "\"notifyPaperSize\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        const Printed r = printSheet(c.json);
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    }
}

// 短冊Ｂ５／５Ｐ: five 50 x 160 strips on B5 turned, printed from the sheet's
// printer window (every strip), the sheet against the page's right and
// bottom edges and moved 7 mm by the print offset. Strips from 2, 52 ... 202
// mm, the upper parts 11 mm down, the lower 91 mm; the text block is the
// strip's 50 mm.
//   inscription, 38 pt (13.406 mm): (50 - 13.406) / 2 / 1.5875 = 11.53 -> 12
//     lines; centre 50 - 19.05 - 6.703 = 24.247 mm right of the strip's left.
//   name, 32 pt (11.289 mm): (50 - 11.289) / 2 / 1.5875 = 12.19 -> 12 lines;
//     centre 50 - 19.05 - 5.644 = 25.306 mm. Both 12 blanks down.
TEST_F(PrintTool, FiveStripSheetEveryStripInItsPlace)
{
    const Printed r = printSheet(R"({"template":"短冊Ｂ５／５Ｐ","inscription":"御中元","name":"山田太郎"})");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_NEAR(r.page.sizeMm.width(), 257, 0.5);
    const double dx = r.page.sizeMm.width() - 257 + 7, dy = r.page.sizeMm.height() - 182;
    const std::vector<QRectF> omote = r.page.all("御"), name = r.page.all("山");
    ASSERT_EQ(omote.size(), 5u);
    ASSERT_EQ(name.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k + 1);
        const double left = dx + 2 + 50 * k;
        EXPECT_NEAR(omote[size_t(k)].center().x(), left + 24.247, 0.5);
        EXPECT_NEAR(omote[size_t(k)].top(), dy + 11 + 12 * Blank, 0.5);
        EXPECT_NEAR(name[size_t(k)].center().x(), left + 25.306, 0.5);
        EXPECT_NEAR(name[size_t(k)].top(), dy + 91 + 12 * Blank, 0.5);
    }
}
