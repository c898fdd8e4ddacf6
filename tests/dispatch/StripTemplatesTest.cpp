// The strip templates through the real windows and dispatcher: every key
// lays out in every name style, the joint-name window's limit by key, and a
// strip's joint names leave the window's knot as the user set it.
#include "DispatchSupport.h"

#include "model/MainHooks.h"
#include "print/TemplateDispatch.h"

namespace {

using Outcome = noshi::PrintDispatcher::Outcome;

const char* const StripKeys[] = {"萌黄（短　冊）", "短冊（大）　　", "短冊（小）　　", "短冊小　　　　", "短冊（特大）　",
                                 "短冊（４：６）", "短冊Ｂ５／５Ｐ", "短冊Ｂ５／６Ｐ", "短冊Ｂ５／３Ｐ", "短冊（特殊）　",
                                 "短冊（特殊）中", "短冊（特殊Ｂ）"};

class StripTemplatesTest : public DispatchTest {
protected:
    void SetUp() override
    {
        DispatchTest::SetUp();
        app::hooks().showTextSub3 = [] {}; // the window's modal loop is not under test
        app::hooks().showTextSub2 = [] {};
    }
    void jointNames(const QStringList& names)
    {
        app::frmTextSub3& sub3 = *windows->sub3();
        for (int i = 1; i <= 7; ++i)
            sub3.txtName[size_t(i)]->setText(i <= names.size() ? names[i - 1] : QString());
        sub3.Command1_Click();
    }
};

TEST_F(StripTemplatesTest, EveryKeyLaysOutInEveryNameStyleWithoutAMessage)
{
    jointNames({"山田太郎", "鈴木", "佐藤花子"});
    windows->sub2()->Text7->setText("株式会社そらべに");
    windows->sub2()->Text8->setText("山田太郎");
    w->Text2->setText("山田太郎");
    for (const char* key : StripKeys) {
        for (int style = 0; style < 3; ++style) {
            SCOPED_TRACE(std::string(key) + " style " + std::to_string(style));
            app::store().clear();
            w->Combo1->clear();
            chooseSize(QString::fromUtf8(key));
            w->Combo3->setCurrentIndex(style);
            EXPECT_EQ(run(1), Outcome::Edited) << dispatcher->lastMessage().toStdString();
            EXPECT_TRUE(messages().isEmpty()) << messages().join("\n").toStdString();
            ASSERT_NE(pv(), nullptr);
            EXPECT_TRUE(name().contains("TX ")) << name().toStdString();
        }
    }
}

TEST_F(StripTemplatesTest, JointNameStyleLimitsTheWindowForTheNarrowStripsOnly)
{
    struct Case {
        const char* key;
        bool limited;
    };
    const Case cases[] = {
        {"萌黄（短　冊）", true},  {"短冊（大）　　", true},  {"短冊（小）　　", true},
        {"短冊（特大）　", true},  {"短冊Ｂ５／５Ｐ", true},  {"短冊Ｂ５／６Ｐ", true},
        {"短冊Ｂ５／３Ｐ", true},  {"短冊小　　　　", false}, {"短冊（４：６）", false},
        {"短冊（特殊）　", false}, {"短冊（特殊）中", false}, {"短冊（特殊Ｂ）", false},
    };
    app::frmTextSub3& sub3 = *windows->sub3();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        sub3.enableAllNames();
        forms::setOptionValue(sub3.Option3, true);
        app::store().clear();
        w->Combo1->clear();
        chooseSize(QString::fromUtf8(c.key));
        forms::setListIndex(w->Combo3, 2);
        for (int i = 4; i <= 7; ++i)
            EXPECT_EQ(sub3.txtName[size_t(i)]->isEnabled(), !c.limited) << "name " << i;
        EXPECT_TRUE(sub3.txtName[3]->isEnabled());
        EXPECT_EQ(sub3.Option4->isChecked(), c.limited);
    }
}

TEST_F(StripTemplatesTest, TwoJointNamesLeaveTheKnotOfAStripAsChosen)
{
    jointNames({"山田太郎", "佐藤花子"});
    app::frmTextSub3& sub3 = *windows->sub3();
    for (const char* key : {"短冊（大）　　", "萌黄（祝大）　"}) {
        SCOPED_TRACE(key);
        forms::setOptionValue(sub3.Option1, true);
        app::store().clear();
        w->Combo1->clear();
        chooseSize(QString::fromUtf8(key));
        w->Combo3->setCurrentIndex(2);
        ASSERT_EQ(run(1), Outcome::Edited) << dispatcher->lastMessage().toStdString();
        const bool strip = QString::fromUtf8(key).startsWith(QStringLiteral("短冊"));
        EXPECT_EQ(sub3.Option1->isChecked(), strip); // the noshi sheet switches two names to 結び切り
        EXPECT_EQ(sub3.txtName[2]->text(), QStringLiteral("佐藤花子"));
    }
}

TEST_F(StripTemplatesTest, SpecialStripsPrintTheirTopBoxOverTheNameBox)
{
    // Default papers: 120 x 300 and 120 x 180 mm (a 60 mm top box) and 55 x
    // 270 mm (0.4 and 0.6 of 270); the name box starts where the top box ends, 3 mm
    // of vertical offset below the sheet's top.
    struct Case {
        const char* key;
        double topMm, nameMm;
    };
    const Case cases[] = {{"短冊（特殊）　", 60, 240}, {"短冊（特殊）中", 60, 120}, {"短冊（特殊Ｂ）", 60, 120},
                          {"短冊（４：６）", 108, 162}};
    constexpr double TwipsPerMm = 1440 / 25.4;
    w->Text2->setText("山田太郎");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        app::store().clear();
        w->Combo1->clear();
        chooseSize(QString::fromUtf8(c.key));
        app::store().PrOffsetY = 3;
        ASSERT_EQ(run(1), Outcome::Edited) << dispatcher->lastMessage().toStdString();
        EXPECT_DOUBLE_EQ(pv()->RichTextBox1->heightMm(), c.topMm);
        EXPECT_DOUBLE_EQ(pv()->RichTextBox2->heightMm(), c.nameMm);
        EXPECT_DOUBLE_EQ(pv()->RichTextBox1->widthMm(), app::store().LayoutWidth);

        rec->clearCalls();
        ASSERT_EQ(run(0), Outcome::Printed) << dispatcher->lastMessage().toStdString();
        const auto boxes = rec->boxes();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[0].box, "RichTextBox1");
        EXPECT_EQ(boxes[1].box, "RichTextBox2");
        EXPECT_NEAR(boxes[0].rc.top, 3 * TwipsPerMm, 2); // within a rounding of twips
        EXPECT_NEAR(boxes[1].rc.top, (3 + c.topMm) * TwipsPerMm, 2);
    }
}

TEST_F(StripTemplatesTest, StripSheetsGoToTheirSheetPrinterWithTheLaidOutPage)
{
    noshi::PrinterChoice shown{};
    QString copies, inscription;
    noshi::tanzakuSheetPrinter() = [&](noshi::PrinterChoice c, const QString& text) {
        shown = c, copies = text;
        inscription = omote();
    };
    struct Case {
        const char* key;
        noshi::PrinterChoice choice;
        const char* inscription; // as its set lays out "寿"
    };
    const Case cases[] = {
        {"短冊Ｂ５／５Ｐ", noshi::PrinterChoice::TanzakuSheet5, "SP 15 ＭＳ 明朝 10\nTX \"寿\" ＭＳ Ｐ明朝 72 b=0"},
        {"短冊Ｂ５／６Ｐ", noshi::PrinterChoice::TanzakuSheet6, "SP 15 ＭＳ 明朝 10\nTX \"寿\" ＭＳ Ｐ明朝 72 b=0"},
        {"短冊Ｂ５／３Ｐ", noshi::PrinterChoice::TanzakuSheet3, "SP 10 ＭＳ 明朝 10\nTX \"寿\" ＭＳ Ｐ明朝 110 b=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        app::store().clear();
        w->Combo1->clear();
        chooseSize(QString::fromUtf8(c.key));
        w->Combo2->setEditText("寿");
        w->Text1->setText("3");
        inscription.clear();
        EXPECT_EQ(run(0), Outcome::SheetPrinter) << dispatcher->lastMessage().toStdString();
        EXPECT_EQ(shown, c.choice);
        EXPECT_EQ(copies, "3");
        // The sheet printer receives the page its set laid out.
        EXPECT_TRUE(inscription.contains(QString::fromUtf8(c.inscription)))
            << inscription.toStdString();
        EXPECT_TRUE(messages().isEmpty()) << messages().join("\n").toStdString();
    }
}

TEST_F(StripTemplatesTest, FourToSixStripCutsTheInscriptionOnlyForATickedBoldBox)
{
    // A four-character inscription at 特大: 14 - 4 blanks, 2 fewer when the box is ticked.
    chooseSize(QStringLiteral("短冊（４：６）"));
    w->Combo2->setEditText("寿御結婚");
    forms::setOptionValue(w->OptionOB, true);
    for (const auto& [value, blanks] : {std::pair{0, 10}, std::pair{1, 8}, std::pair{2, 10}}) {
        forms::setCheckValue(w->CheckOBold, value);
        ASSERT_EQ(run(1), Outcome::Edited) << dispatcher->lastMessage().toStdString();
        EXPECT_TRUE(omote().contains(QStringLiteral("\nSP %1 ＭＳ 明朝 10\nTX \"寿御結婚\"").arg(blanks)))
            << "bold box " << value << "\n" << omote().toStdString();
    }
}

} // namespace
