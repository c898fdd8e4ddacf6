// PrintOrPreview over the real main window and input sub-windows, with a
// recording printer: input checks and their messages, copies, lookups,
// print and edit modes, and the closing reset on every way out.
#include "DispatchSupport.h"

#include "model/DataFile.h"
#include "common/FakePrintHost.h"
#include "model/MainHooks.h"
#include "model/TemplateCatalogue.h"
#include "platform/paths/AppPaths.h"
#include "platform/paths/AppPathsTesting.h"
#include "print/TemplateDispatch.h"

#include <QLabel>
#include <QTemporaryDir>
#include <optional>

using Outcome = noshi::PrintDispatcher::Outcome;

namespace {

const QString Large = QStringLiteral("萌黄（祝大）　");
const QString Title = ui::InputCheckTitle;

TEST_F(DispatchTest, NoSizeChosenEndsBeforeAnythingChanges)
{
    w->Combo1->setEditText(QString());
    w->Text1->setText("3");
    EXPECT_EQ(run(0), Outcome::InputRefused);
    EXPECT_EQ(messages(), QStringList{Title + "|のし紙サイズが選択されていません。"});
    EXPECT_EQ(w->Text1->text(), "3");
    EXPECT_EQ(pv(), nullptr);
}

TEST_F(DispatchTest, CopiesRules)
{
    chooseSize(Large);
    struct Case {
        const char* copies;
        bool asks;
        ui::Answer answer;
        Outcome want;
        int printed;
    } cases[] = {
        {"", false, ui::Answer::Yes, Outcome::Printed, 1},
        {"100", false, ui::Answer::Yes, Outcome::Printed, 100},
        {"100.5", false, ui::Answer::Yes, Outcome::Printed, 100},
        {"101", true, ui::Answer::Yes, Outcome::Printed, 101},
        {"101", true, ui::Answer::No, Outcome::Declined, 0},
        {"abc", false, ui::Answer::Yes, Outcome::InputRefused, 0},
        {"40000", false, ui::Answer::Yes, Outcome::InputRefused, 0},
        {"0", false, ui::Answer::Yes, Outcome::InputRefused, 0},
        {"0.5", false, ui::Answer::Yes, Outcome::InputRefused, 0}, // halves to even: 0
        {"-3", false, ui::Answer::Yes, Outcome::InputRefused, 0},
        {"1.5", false, ui::Answer::Yes, Outcome::Printed, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.copies);
        ui::setAnswerer([&](const ui::MessageRequest&) { return c.answer; });
        rec->clearCalls();
        w->Text1->setText(QString::fromUtf8(c.copies));
        EXPECT_EQ(run(0), c.want);
        const bool asked = messages().size() == 1 && messages()[0].startsWith("印刷部数の確認|印刷部数は、");
        EXPECT_EQ(asked, c.asks);
        if (c.asks) {
            EXPECT_EQ(messages()[0], QStringLiteral("印刷部数の確認|印刷部数は、%1枚です。印刷してもよろしいですか？").arg(c.copies));
        }
        EXPECT_EQ(omoteBands(), c.printed);
        if (c.want == Outcome::Declined) {
            EXPECT_EQ(w->Text1->text(), "101"); // No leaves everything as it was
        } else {
            expectClosingReset();
        }
        if (c.want == Outcome::InputRefused) {
            EXPECT_EQ(messages(), QStringList{"印刷部数の確認|" + noshi::PrintDispatcher::CopiesNotNumberMessage});
        }
    }
}

TEST_F(DispatchTest, SizeLookupTrimsHalfWidthBlanksOnly)
{
    chooseSize(Large, 0, 0, QStringLiteral("大のし"));
    w->Combo1->setEditText(QStringLiteral("  大のし "));
    EXPECT_EQ(run(1), Outcome::Edited);
    w->Combo1->setEditText(QStringLiteral("大のし　"));
    w->Check1->setChecked(true);
    EXPECT_EQ(run(1), Outcome::InputRefused);
    EXPECT_EQ(messages(), QStringList{Title + "|選択されたのし紙サイズが見つかりません。"});
    expectClosingReset();
}

TEST_F(DispatchTest, EveryEarlyExitEndsWithAMessageAndTheClosingReset)
{
    struct Case {
        const char* key;
        const char* text; // part of the message
        std::function<void()> arrange;
        Outcome want;
    };
    std::optional<noshi::ScopedDispatchOverride> notBuilt; // a key whose member this build lacks
    const Case cases[] = {
        {"御霊前札（大）", "選択されたのし紙サイズが見つかりません。", {}, Outcome::InputRefused},
        {"短冊（フリー）", "フリーサイズ", {}, Outcome::Failed},
        {"反物判　　　　", "このひな形（LayoutNotInThisBuild）の割り付けはまだ使えません。",
         [&notBuilt] { notBuilt.emplace(QStringLiteral("反物判　　　　"), QStringLiteral("LayoutNotInThisBuild")); },
         Outcome::Failed},
        {"萌黄（祝大）　", "バージョン", [this] { w->Text5->setText("x"); }, Outcome::Failed},
        {"萌黄（祝大）　", "Sample1xp.nd1", [this] {
             w->Combo2->setEditText("タオル");
             paths::setShippedDirForTests(dataDir.path() + "/none");
         }, Outcome::Failed},
        {"萌黄（祝大）　", "挿入する文書", [this] { windows->sub1()->Text3->setText(dataDir.path() + "/missing.doc"); },
         Outcome::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        app::store().clear();
        w->Combo1->clear();
        chooseSize(QString::fromUtf8(c.key), 257, 182);
        w->Check1->setChecked(true);
        w->Text1->setText("2");
        if (c.arrange)
            c.arrange();
        EXPECT_EQ(run(0), c.want);
        ASSERT_EQ(ui::shownMessages().size(), 1u);
        EXPECT_TRUE(ui::shownMessages()[0].text.contains(QString::fromUtf8(c.text)))
            << ui::shownMessages()[0].text.toStdString();
        EXPECT_EQ(omoteBands(), 0);
        expectClosingReset();
        w->Text5->setText("6.1");
        w->Combo2->setEditText("御祝");
        windows->sub1()->Text3->clear();
        paths::setShippedDirForTests(QString());
        notBuilt.reset();
    }
}

TEST_F(DispatchTest, FreeSizeAndSheetPrintersGoToTheirWindows)
{
    int freeSize = 0;
    app::hooks().showFreeSize = [&] { ++freeSize; };
    chooseSize(QStringLiteral("短冊（フリー）"), 100, 200);
    EXPECT_EQ(run(0), Outcome::FreeSize);
    EXPECT_EQ(freeSize, 1);
    EXPECT_EQ(pv(), nullptr);
    expectClosingReset();

}

TEST_F(DispatchTest, StripSheetsGoToTheirPrinterWithTheCopiesAsTyped)
{
    FakePrintHost host;
    host.s.CurrentKey = QStringLiteral("短冊Ｂ５／６Ｐ");
    host.s.MainCopies = QStringLiteral(" 3");
    int before = 0;
    QString copiesSeen;
    noshi::PrinterChoice sheet{};
    noshi::tanzakuSheetPrinter() = [&](noshi::PrinterChoice c, const QString& copies) { sheet = c, copiesSeen = copies; };
    auto out = noshi::PrintNoshiPage(host, prn::CurrentPrinter(), [&] { ++before; });
    EXPECT_TRUE(out.sheetPrinterShown);
    EXPECT_EQ(sheet, noshi::PrinterChoice::TanzakuSheet6);
    EXPECT_EQ(copiesSeen, " 3");
    EXPECT_EQ(before, 1);
    EXPECT_EQ(omoteBands(), 0);

    noshi::tanzakuSheetPrinter() = nullptr;
    out = noshi::PrintNoshiPage(host, prn::CurrentPrinter());
    EXPECT_FALSE(out.sheetPrinterShown);
    EXPECT_FALSE(out.error.isEmpty());
    EXPECT_EQ(ui::shownMessages().size(), 1u);
}

TEST_F(DispatchTest, PrintLaysOutAndPrintsThenUnloadsThePreview)
{
    chooseSize(Large);
    w->Combo3->setCurrentIndex(-1);
    w->Combo2->setEditText(QString());
    w->Text2->setText("山田太郎");
    w->Text1->setText("2");
    EXPECT_EQ(run(0), Outcome::Printed) << dispatcher->lastMessage().toStdString();
    EXPECT_EQ(w->Combo3->currentIndex(), 0);
    EXPECT_EQ(w->Combo2->currentText(), "　　　");
    EXPECT_EQ(omoteBands(), 2);
    EXPECT_EQ(pv(), nullptr);
    const app::LiveStore& st = app::store();
    EXPECT_EQ(st.PaperWidth, app::catalogue().row(st.TemplateIndex).TemplateWidth); // 0 x 0 takes the template's
    EXPECT_EQ(app::catalogue().row(st.TemplateIndex).key(), Large);
    EXPECT_TRUE(messages().isEmpty()) << messages().join("\n").toStdString();
    expectClosingReset();
}

TEST_F(DispatchTest, EditModeFillsThePreviewsFieldsAndLaysOutInThinInk)
{
    chooseSize(Large, 0, 0, QStringLiteral("大のし"));
    w->Text2->setText("山田");
    w->Check1->setChecked(true);
    ASSERT_EQ(run(1), Outcome::Edited) << dispatcher->lastMessage().toStdString();
    ASSERT_NE(pv(), nullptr);
    EXPECT_EQ(pv()->windowTitle(), "編　集 - Sorabeni Print System /  山田");
    EXPECT_EQ(pv()->mailbox().dialogFileName(), "山田");
    EXPECT_TRUE(pv()->mailbox().pageLoaded());
    EXPECT_EQ(pv()->mailbox().sizeName(), "大のし");
    EXPECT_EQ(pv()->StatusPanel1->text(), "のし紙サイズ　大のし");
    EXPECT_TRUE(omote().contains("c=808080")) << omote().toStdString();
    EXPECT_TRUE(name().contains("TX \"山\"")) << name().toStdString();
    const app::LiveStore& st = app::store();
    EXPECT_DOUBLE_EQ(pv()->RichTextBox1->widthMm(), st.LayoutWidth);
    EXPECT_DOUBLE_EQ(pv()->RichTextBox2->heightMm(), st.PaperHeight / 2);
    EXPECT_DOUBLE_EQ(pv()->RichTextBox2->rightMarginMm(), st.PaperHeight / 2);
    EXPECT_DOUBLE_EQ(pv()->markerWidthMm(), st.LayoutWidth);
    EXPECT_FLOAT_EQ(dispatcher->inputs().SpaceExtent, 1.587502f);
    EXPECT_EQ(dispatcher->inputs().TemplateKey, Large);
    // The editor's undo starts at the page as laid out.
    EXPECT_FALSE(pv()->RichTextBox1->canUndo());
    EXPECT_FALSE(pv()->RichTextBox2->canUndo());
    expectClosingReset();

    // The same sheet again lays out the same page: nothing of the first run
    // or of the main window's previews carries over.
    const QString first = omote() + name();
    ASSERT_EQ(run(1), Outcome::Edited);
    EXPECT_EQ(omote() + name(), first);
}

TEST_F(DispatchTest, EditCaptionFollowsTheNameStyle)
{
    chooseSize(Large);
    windows->sub2()->Text7->setText("株式会社そらべに");
    w->Combo3->setCurrentIndex(1);
    ASSERT_EQ(run(1), Outcome::Edited) << dispatcher->lastMessage().toStdString();
    EXPECT_EQ(pv()->mailbox().dialogFileName(), "株式会社そらべに");
}

TEST_F(DispatchTest, RankRangeOrDocumentTurnsAPrintIntoAnEdit)
{
    chooseSize(Large);
    w->Text2->setText("山田");
    windows->sub1()->txtStart->setText("1");
    windows->sub1()->txtEnd->setText("3");
    ASSERT_EQ(run(0), Outcome::Edited) << dispatcher->lastMessage().toStdString();
    EXPECT_EQ(app::store().EditMode, 1);
    EXPECT_EQ(omoteBands(), 0);
    EXPECT_EQ(pv()->mailbox().rankLabelIndent(), int(dispatcher->context().ColumnIndent));
    EXPECT_EQ(pv()->mailbox().rankLabelPointSize(), app::catalogue().row(app::store().TemplateIndex).OmoteSizeLen3);

    windows->sub1()->txtStart->clear();
    windows->sub1()->txtEnd->clear();
    const QString doc = dataDir.path() + "/label.rtf";
    rt::RichTextBox label;
    label.setText("一");
    ASSERT_TRUE(label.saveFile(doc));
    windows->sub1()->Text3->setText(doc);
    ASSERT_EQ(run(0), Outcome::Edited) << dispatcher->lastMessage().toStdString();
    EXPECT_TRUE(name().endsWith("SP 3 ＭＳ 明朝 12\nOB object\n")) << name().toStdString();
}

TEST_F(DispatchTest, TowelInscriptionPrintsTheShippedSample)
{
    chooseSize(Large);
    w->Combo2->setEditText("タオル");
    ASSERT_EQ(run(1), Outcome::Edited) << dispatcher->lastMessage().toStdString();
    rt::RichTextBox sample;
    ASSERT_TRUE(sample.loadFile(paths::shippedDir() + "/Sample1xp.nd1"));
    EXPECT_EQ(omote(), traceBox(sample.document()));
    EXPECT_TRUE(omote().contains("タオル"));
    // Copied into the data folder, where the user may replace it.
    EXPECT_TRUE(QFile::exists(paths::dataFile("Sample1xp.nd1")));
}

TEST_F(DispatchTest, KeyWithStrayBlanksIsNormalisedWhenTheDataFileIsRead)
{
    app::LiveStore s;
    app::RegisteredSize z;
    z.RegSizeTemplate = {"萌黄（祝大）　  ", "ＮＯ５ ", "萌黄（　小　）"};
    z.RegSizeName = {"a", "b", "c"};
    s.addSize(z);
    const QString path = dataDir.path() + "/NoshiData4.log";
    ASSERT_TRUE(app::WriteDataFile(s, path).ok);
    app::LiveStore back;
    app::ReadDataFile(back, path);
    EXPECT_EQ(back.size(0).RegSizeTemplate[0], Large);
    EXPECT_EQ(back.size(0).RegSizeTemplate[1], "ＮＯ５　　　　");
    EXPECT_EQ(back.size(0).RegSizeTemplate[2], "萌黄（　小　）");
}

} // namespace
