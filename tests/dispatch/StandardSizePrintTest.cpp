// Ａ４判 and Ａ３判 sheets printed through the real dispatcher to the PDF queue
// of a private cupsd, and the PDF read back: its paper, its pages and where
// the inscription and the name stand on the sheet.
#include "DispatchSupport.h"

#include "common/CupsTestServer.h"
#include "common/ToolRun.h"

#include <QFile>
#include <QRegularExpression>
#include <cups/cups.h>

namespace {

using Outcome = noshi::PrintDispatcher::Outcome;

struct Glyph {
    QString text;
    QRectF boxPt;
};

// The words pdftotext finds on the first page, with their boxes in points.
QList<Glyph> words(const QString& pdf)
{
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Glyph> out;
    auto it = word.globalMatch(runTool({"pdftotext", "-bbox", "-f", "1", "-l", "1", pdf, "-"}));
    while (it.hasNext()) {
        const auto m = it.next();
        out.push_back({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return out;
}

// Where the characters of a text stand: the union of the words holding them.
QRectF placeOf(const QList<Glyph>& glyphs, const QString& text)
{
    QRectF r;
    for (const QChar c : text)
        for (const Glyph& g : glyphs)
            if (g.text.contains(c))
                r = r.isNull() ? g.boxPt : r.united(g.boxPt);
    return r;
}

class StandardSizePrint : public DispatchTest {
protected:
    static void SetUpTestSuite()
    {
        QString error;
        server = CupsTestServer::start(&error).release();
        if (server)
            ready = server->addPdfQueue("NoshiPDF", &error);
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }
    void SetUp() override
    {
        DispatchTest::SetUp();
        if (!server || !ready)
            GTEST_SKIP() << "a private cupsd cannot run here";
        // libcups reads the server from the environment on first use only.
        qputenv("CUPS_SERVER", server->address().toUtf8());
        cupsSetServer(server->address().toUtf8().constData());
    }

    static inline CupsTestServer* server = nullptr;
    static inline bool ready = false;
};

TEST_F(StandardSizePrint, A4AndA3SheetsComeOutOnTheirPaperWithInscriptionAboveName)
{
    struct Case {
        const char* key;
        double widthPt, heightPt; // the sheet on its side
        double omotePt, namePt;   // a two-character inscription, a four-character name
    } cases[] = {
        {"Ａ４判　　　　", 297 / 25.4 * 72, 210 / 25.4 * 72, 52, 42},
        {"Ａ３判　　　　", 420 / 25.4 * 72, 297 / 25.4 * 72, 70, 58},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        QFile::remove(server->outputPath());
        ASSERT_TRUE(prn::SelectPrinter("NoshiPDF")) << prn::PrinterNames().join(",").toStdString();
        chooseSize(QString::fromUtf8(c.key), 0, 0, QString::fromUtf8(c.key).trimmed());
        w->Combo2->setEditText(QStringLiteral("御祝"));
        w->Text2->setText(QStringLiteral("山田太郎"));
        w->Text1->setText(QStringLiteral("1"));
        ASSERT_EQ(run(0), Outcome::Printed) << dispatcher->lastMessage().toStdString();
        EXPECT_TRUE(messages().isEmpty()) << messages().join(" ").toStdString();
        ASSERT_TRUE(server->waitForOutput(60000)) << server->errorLog().toStdString();

        const QString info = runTool({"pdfinfo", server->outputPath()});
        EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
        const auto size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
        EXPECT_NEAR(size.captured(1).toDouble(), c.widthPt, 1.0) << info.toStdString();
        EXPECT_NEAR(size.captured(2).toDouble(), c.heightPt, 1.0) << info.toStdString();

        // The inscription stands in the upper half of the sheet, the name in
        // the lower; both are one column about the middle of the sheet.
        const QList<Glyph> glyphs = words(server->outputPath());
        const QRectF omote = placeOf(glyphs, QStringLiteral("御祝"));
        const QRectF name = placeOf(glyphs, QStringLiteral("山田太郎"));
        ASSERT_FALSE(omote.isNull()) << "no inscription in the PDF";
        ASSERT_FALSE(name.isNull()) << "no name in the PDF";
        EXPECT_LT(omote.bottom(), c.heightPt / 2);
        EXPECT_GT(name.top(), c.heightPt / 2);
        EXPECT_NEAR(omote.center().x(), c.widthPt / 2, 30);
        EXPECT_NEAR(name.center().x(), c.widthPt / 2, 30);
        // one em wide at the sizes of the set
        EXPECT_NEAR(omote.width(), c.omotePt, 1.0);
        EXPECT_NEAR(name.width(), c.namePt, 1.0);
    }
}

} // namespace
