// Printing from the editor: the page once with the editor's copies, the
// strip sheets through their printers, and rank series.
#include "preview/PreviewSupport.h"
#include "preview/ModalHand.h"

#include <QAction>
#include <QPushButton>
#include "app/PrintersTesting.h"

#include "common/CupsTestServer.h"
#include "model/LiveStore.h"
#include "platform/print/PrinterTesting.h"
#include "platform/print/QtPrinterBackend.h"

#include <QCheckBox>
#include <QProcess>
#include <cups/cups.h>

using preview::frmNoshiPreView;

namespace {

// The recording printer, also noting the rank label each name band carried.
class LabelRecorder : public prn::RecordingBackend {
public:
    QStringList labels; // "rank|text" of the label object in the name box, per band
    void drawBox(const rt::RichTextBox& box, const prn::TwipRect& rc, const prn::TwipRect& page) override
    {
        prn::RecordingBackend::drawBox(box, rc, page);
        if (box.objectName() != QStringLiteral("RichTextBox2"))
            return;
        for (const rt::Paragraph& p : box.document().paragraphs)
            for (const rt::Inline& item : p.items)
                if (item.isObject() && item.object->document) {
                    const rt::RichDocument& d = *item.object->document;
                    QStringList texts;
                    for (const rt::Paragraph& lp : d.paragraphs) {
                        QString t;
                        for (const rt::Inline& li : lp.items)
                            t += li.text;
                        if (!t.trimmed().isEmpty())
                            texts << t.trimmed();
                    }
                    labels << texts.join(u'|');
                }
    }
};

const QString RankQuestion = QStringLiteral("確認|５位まで連続して印刷しますか？");

} // namespace

class RankPrintTest : public PreviewTest {
protected:
    LabelRecorder* labels = nullptr;
    frmNoshiPreView* p = nullptr;

    void SetUp() override
    {
        PreviewTest::SetUp();
        auto b = std::make_unique<LabelRecorder>();
        labels = b.get();
        rec = b.get();
        prn::setCurrentBackend(std::move(b));
    }
    void openWithRanks(const QString& from, const QString& to, bool fullWidth)
    {
        windows->sub1()->txtStart->setText(from);
        windows->sub1()->txtEnd->setText(to);
        windows->sub1()->Check5->setChecked(fullWidth);
        p = &openLargeNoshi(false);
        w->Text2->setText(QStringLiteral("位")); // as the name-extension window's OK leaves it
        p->Form_Activate();
        if (labels) {
            labels->labels.clear();
            labels->clearCalls();
        }
    }
};

TEST_F(RankPrintTest, SeriesPrintsOnePagePerRank)
{
    for (bool fullWidth : {false, true}) {
        openWithRanks("3", "5", fullWidth);
        p->Text1->setText("2");
        answers({ui::Answer::Yes});
        ui::clearShownMessages();
        p->mnuFilePrint_Click();
        EXPECT_EQ(messages(), QStringList{RankQuestion});
        const QStringList want = fullWidth ? QStringList{"３|位", "３|位", "４|位", "４|位", "５|位", "５|位"}
                                           : QStringList{"3|位", "3|位", "4|位", "4|位", "5|位", "5|位"};
        EXPECT_EQ(labels->labels, want) << "two copies a rank";
        EXPECT_EQ(int(p->CurrentRank), 4);
        EXPECT_EQ(p->Text1->text(), "1");
        p->mailbox().setPageLoaded(false);
        preview::NoshiPreView().unload();
    }
}

TEST_F(RankPrintTest, SinglePrintsStepThroughTheRanks)
{
    openWithRanks("3", "5", false);
    struct Step {
        ui::Answer answer;
        QStringList printed;
        int rankAfter;
    };
    const Step steps[] = {
        {ui::Answer::No, {"3|位"}, 4},
        {ui::Answer::No, {"4|位"}, 5},
        {ui::Answer::No, {"5|位"}, 6}, // past the end: the last label stays
        {ui::Answer::Cancel, {}, 6},
        {ui::Answer::Yes, {}, 5},     // above the end: nothing printed, one lower
    };
    for (const Step& s : steps) {
        labels->labels.clear();
        answers({s.answer});
        p->mnuFilePrint_Click();
        EXPECT_EQ(labels->labels, s.printed);
        EXPECT_EQ(int(p->CurrentRank), s.rankAfter);
    }
}

TEST_F(RankPrintTest, LabelCentredByBlankLines)
{
    openWithRanks("12", "12", true);
    // 萌黄（祝大）: text block 210 wide, label 100: (210 - 100) / 2 / 1.587502 = 34.6 -> 35 lines.
    const rt::RichDocument& d = p->RichTextBox2->document();
    ASSERT_GE(d.paragraphs.size(), 36);
    for (int i = 0; i < 35; ++i)
        EXPECT_EQ(d.paragraphs[i].mark.size, 4) << i;
    bool object = false;
    for (const rt::Inline& item : d.paragraphs[35].items)
        object = object || item.isObject();
    EXPECT_TRUE(object);
    const auto& label = p->RichTextBox2->document().paragraphs[35].items.back().object;
    ASSERT_TRUE(label);
    EXPECT_EQ(label->sizeMm, QSizeF(100, 80));
    EXPECT_TRUE(QString::fromUtf8(label->objectData).contains("\\paperw5670")); // 100 mm in twips
}

TEST_F(RankPrintTest, CopiesAndThePrinterChoice)
{
    p = &openLargeNoshi(false);
    p->Text1->setText("");
    p->mnuFilePrint_Click();
    EXPECT_EQ(omoteBands(), 1); // an empty copies box prints one
    rec->clearCalls();
    p->Text1->setText("3");
    p->mnuFilePrint_Click();
    EXPECT_EQ(omoteBands(), 3);
    EXPECT_EQ(p->Text1->text(), "1");
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(RankPrintTest, SeriesThroughCupsToPdf)
{
    QString whyNot;
    auto server = CupsTestServer::start(&whyNot);
    if (!server)
        GTEST_SKIP() << "a private cupsd cannot run here: " << whyNot.toStdString();
    QString error;
    ASSERT_TRUE(server->addPdfQueue("RankPDF", &error)) << error.toStdString();
    qputenv("CUPS_SERVER", server->address().toUtf8());
    cupsSetServer(server->address().toUtf8().constData());
    app::setPrinterListForTests({});
    labels = nullptr; // the queue's printer replaces the recorder
    rec = nullptr;
    ASSERT_TRUE(prn::SelectPrinter("RankPDF"));

    // The queue goes before the server does.
    struct Back {
        ~Back() { prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>()); }
    } back;

    openWithRanks("3", "5", true);
    answers({ui::Answer::Yes});
    p->mnuFilePrint_Click();
    ASSERT_TRUE(server->waitForOutput(60000)) << server->errorLog().toStdString();
    // One job a rank; the queue's file holds the last one.
    cups_job_t* jobs = nullptr;
    const int done = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "RankPDF", 0, CUPS_WHICHJOBS_COMPLETED);
    cupsFreeJobs(done, jobs);
    EXPECT_EQ(done, 3);
    QProcess text;
    text.start("pdftotext", {server->outputPath(), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput()).remove(u'\n');
    EXPECT_TRUE(out.contains(QStringLiteral("５位"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("御中元"))) << out.toStdString();
}

// After a series printed from the editor, the page laid out again with the
// editor open (the main window's edit button) carries the label again, not
// the layout's placeholder: the next print shows the start rank.
TEST_F(RankPrintTest, ALayoutAfterASeriesPrintsALabelAgain)
{
    windows->sub1()->txtStart->setText("3");
    windows->sub1()->txtEnd->setText("5");
    chooseSize(QStringLiteral("萌黄（祝大）　"), 0, 0, QStringLiteral("大のし"));
    w->Combo2->setEditText(QStringLiteral("御中元"));
    w->Text2->setText(QStringLiteral("位"));
    dispatcher->setKeepPreviewHidden(false);
    w->show();
    ModalHand hand;
    hand.settle(200);
    w->Command1->click();
    hand.settle(200);
    ASSERT_NE(pv(), nullptr);
    frmNoshiPreView& p = *pv();
    ASSERT_TRUE(p.isVisible());

    ui::setAnswerer({});
    hand.press(QMessageBox::Yes);
    p.mnuFilePrint->trigger();
    ASSERT_TRUE(hand.settle());
    EXPECT_EQ(labels->labels, QStringList({"3|位", "4|位", "5|位"}));

    w->activateWindow();
    hand.settle(200);
    w->Command1->click();
    hand.settle(200);
    ASSERT_EQ(pv(), &p);
    labels->labels.clear();
    hand.press(QMessageBox::No);
    p.mnuFilePrint->trigger();
    ASSERT_TRUE(hand.settle());
    EXPECT_EQ(labels->labels, QStringList{"3|位"});
    ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
}
