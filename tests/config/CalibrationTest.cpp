#include "config/ConfigSupport.h"

#include "config/CalibrationPage.h"
#include "platform/forms/UpDown.h"

using namespace config;

namespace {

// Offsets that tell every row and style apart: 100*row + 10*style + 1/2/3.
app::RegisteredSize numbered(int row, const QString& key)
{
    app::RegisteredSize z = app::RegisteredSize::make(key, QStringLiteral("S%1").arg(row), 0, 0);
    for (int st = 0; st < app::NameStyleCount; ++st) {
        z.RegOffsetX[size_t(st)] = 100 * row + 10 * st + 1;
        z.RegOffsetOmote[size_t(st)] = 100 * row + 10 * st + 2;
        z.RegOffsetName[size_t(st)] = 100 * row + 10 * st + 3;
    }
    return z;
}

class CalibrationTest : public ConfigTest {
protected:
    CalibrationPage* p = nullptr;
    void SetUp() override
    {
        ConfigTest::SetUp();
        ASSERT_TRUE(app::store().addSize(numbered(0, QStringLiteral("ＮＯ１　　　　"))));
        ASSERT_TRUE(app::store().addSize(numbered(1, QStringLiteral("Ａ４判　　　　"))));
        ASSERT_TRUE(app::store().addSize(numbered(2, QStringLiteral("もう無い型"))));
        p = open(w->mnuSet0).tab<CalibrationPage>(Noshisettei::CalibrationTab);
    }
    void chooseSize(const QString& name)
    {
        const int i = p->Combo9->findText(name);
        if (i >= 0)
            forms::setListIndex(p->Combo9, i);
        else
            p->Combo9->setEditText(name);
    }
    void chooseStyle(int index) { forms::setListIndex(p->Combo7, index); }
    void type(const QString& x, const QString& o, const QString& n)
    {
        forms::setText(p->Text14, x);
        forms::setText(p->Text2, o);
        forms::setText(p->Text8, n);
    }
    // Which (row, style) pairs hold (x, o, n).
    QList<std::pair<int, int>> holding(int x, int o, int n) const
    {
        QList<std::pair<int, int>> found;
        for (int r = 0; r < app::store().RegSizeCount(); ++r)
            for (int st = 0; st < 3; ++st) {
                const app::RegisteredSize& z = app::store().size(r);
                if (z.RegOffsetX[size_t(st)] == x && z.RegOffsetOmote[size_t(st)] == o && z.RegOffsetName[size_t(st)] == n)
                    found << std::pair{r, st};
            }
        return found;
    }
};

} // namespace

TEST(MovementLabel, StepsShownAsWhatTheyMoveOnPaper)
{
    struct Case {
        const char* box;
        double factor;
        std::optional<QString> text;
    };
    const QString l = QStringLiteral("左へ"), r = QStringLiteral("右へ");
    const Case cases[] = {
        {"1", AcrossMmPerStep, QStringLiteral("左へ1.59㎜移動")},
        {"-2", AcrossMmPerStep, QStringLiteral("右へ3.18㎜移動")},
        {"1.5", AcrossMmPerStep, QStringLiteral("左へ2.38㎜移動")},
        {"2", DownMmPerStep, QStringLiteral("左へ3.5㎜移動")},
        {"-4", DownMmPerStep, QStringLiteral("右へ7㎜移動")},
        {"3", AcrossMmPerStep, QStringLiteral("左へ4.76㎜移動")},
        {"0", AcrossMmPerStep, QStringLiteral("標準")},
        {"-0", AcrossMmPerStep, QStringLiteral("標準")},
        {"0.0", AcrossMmPerStep, QStringLiteral("標準")},
        {"", AcrossMmPerStep, std::nullopt},
        {"abc", AcrossMmPerStep, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MovementText(QString::fromUtf8(c.box), c.factor, l, r), c.text) << c.box;
}

TEST_F(CalibrationTest, ChoosingASizeResetsTheEntryAndSetsTheUpwardLimits)
{
    EXPECT_EQ(p->Combo7->count(), 4);
    EXPECT_EQ(p->Combo7->itemText(1), QStringLiteral("1行印刷"));
    struct Case {
        QString size;
        int omoteLimit, nameLimit;
    };
    const Case cases[] = {
        {QStringLiteral("S0"), 1, 2},   // ＮＯ１
        {QStringLiteral("S1"), 7, 26},  // Ａ４判
        {QStringLiteral("S2"), 20, 30}, // a key in no row: the fallback after the table
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size.toStdString());
        chooseSize(c.size);
        for (QLineEdit* box : {p->Text14, p->Text2, p->Text8})
            EXPECT_EQ(box->text(), QStringLiteral("0"));
        for (QLabel* label : {p->Label20, p->Label5, p->Label9})
            EXPECT_EQ(label->text(), QStringLiteral("標準"));
        EXPECT_TRUE(p->Combo7->currentText().isEmpty());
        EXPECT_EQ(p->UpDown5->minimum(), -c.omoteLimit);
        EXPECT_EQ(p->UpDown6->minimum(), -c.nameLimit);
        EXPECT_EQ(p->UpDown5->maximum(), 30);
    }
    EXPECT_EQ(p->UpDown4->minimum(), -100);
    EXPECT_EQ(p->UpDown4->maximum(), 100);
}

TEST_F(CalibrationTest, ChoosingAStyleShowsTheStoredOffsets)
{
    chooseStyle(1);
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("選択されたのし紙サイズが見つかりません。確認してください。")});

    chooseSize(QStringLiteral("S1"));
    chooseStyle(3); // 連名印刷
    EXPECT_EQ(p->Label13->text(), QStringLiteral("121"));
    EXPECT_EQ(p->Text2->text(), QStringLiteral("122"));
    EXPECT_EQ(p->Label15->text(), QStringLiteral("123"));
    EXPECT_EQ(p->Label9->text(), QStringLiteral("下へ215.25㎜移動"));
    // Beyond the spinners' ranges: the boxes show the values, the spinners wait at their limits.
    EXPECT_EQ(p->UpDown4->value(), 100);
    EXPECT_EQ(p->UpDown5->value(), 30);

    // All styles: nothing single to show, the boxes keep what they hold.
    chooseStyle(0);
    EXPECT_TRUE(p->Label13->text().isEmpty());
    EXPECT_EQ(p->Text14->text(), QStringLiteral("121"));
}

TEST_F(CalibrationTest, EachScopeWritesExactlyItsRowsAndStylesAndTheFile)
{
    struct Case {
        const char* what;
        QString size;
        int styleIndex; // position in the style list; 0 all styles
        QString question;
        QList<std::pair<int, int>> written;
    };
    const QString some = QStringLiteral("既存の設定が更新されます。よろしいですか？");
    const QString all = QStringLiteral("既存の設定が全て更新されます。よろしいですか？");
    const Case cases[] = {
        {"one size, one style", QStringLiteral("S1"), 2, QString(), {{1, 1}}},
        {"one size, all styles", QStringLiteral("S1"), 0, some, {{1, 0}, {1, 1}, {1, 2}}},
        {"all sizes, one style", CalibrationPage::AllSizes, 3, some, {{0, 2}, {1, 2}, {2, 2}}},
        {"everything", CalibrationPage::AllSizes, 0, all,
         {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app::store().restoreTables({numbered(0, QStringLiteral("ＮＯ１　　　　")), numbered(1, QStringLiteral("Ａ４判　　　　")),
                                    numbered(2, QStringLiteral("もう無い型"))},
                                   {});
        // A No changes nothing and keeps the entry.
        chooseSize(c.size);
        chooseStyle(c.styleIndex);
        type(QStringLiteral("-3"), QStringLiteral("2.5"), QString());
        if (!c.question.isEmpty()) {
            ui::clearShownMessages();
            answers = {ui::Answer::No};
            p->Command5->click();
            EXPECT_EQ(messageTexts(), QStringList{c.question});
            EXPECT_TRUE(holding(-3, 2, 0).isEmpty());
            EXPECT_EQ(p->Text14->text(), QStringLiteral("-3"));
        }
        ui::clearShownMessages();
        answers = {ui::Answer::Yes};
        p->Command5->click();
        EXPECT_EQ(messageTexts(), c.question.isEmpty() ? QStringList() : QStringList{c.question});
        EXPECT_EQ(holding(-3, 2, 0), c.written) << "2.5 rounds to 2, an empty box stores 0";
        app::LiveStore disk = onDisk();
        const std::pair<int, int> first = c.written.first();
        EXPECT_EQ(disk.size(first.first).RegOffsetX[size_t(first.second)], -3);
        // The entry is reset; size and style stay.
        for (QLineEdit* box : {p->Text14, p->Text2, p->Text8})
            EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(p->Label20->text(), QStringLiteral("標準"));
        EXPECT_EQ(p->Combo9->currentText(), c.size);
    }
}

TEST_F(CalibrationTest, RefusalsNameWhatIsMissingOrWrongAndStoreNothing)
{
    const app::RegisteredSize before = app::store().size(1);
    struct Case {
        const char* what;
        QString size;
        int styleIndex; // -1: none; -2: typed
        QString box;
        QString message;
    };
    const Case cases[] = {
        {"no style", QStringLiteral("S1"), -1, QStringLiteral("1"), QStringLiteral("名書スタイルを選択して下さい。")},
        {"no size", QString(), 1, QStringLiteral("1"), QStringLiteral("のし紙サイズを選択して下さい。")},
        {"unknown size, all styles", QStringLiteral("無い"), 0, QStringLiteral("1"),
         QStringLiteral("選択されたのし紙サイズが見つかりません。確認してください。")},
        {"unknown size, one style", QStringLiteral("無い"), 1, QStringLiteral("1"),
         QStringLiteral("のし紙サイズおよび名書スタイルを確認して下さい。")},
        {"typed style", QStringLiteral("S1"), -2, QStringLiteral("1"),
         QStringLiteral("のし紙サイズおよび名書スタイルを確認して下さい。")},
        {"letters", QStringLiteral("S1"), 1, QStringLiteral("abc"),
         QStringLiteral("「表書き　縦方向の移動」の調整値「abc」は登録できません。-32768～32767の数値を入力して下さい。")},
        {"beyond 16 bits", QStringLiteral("S1"), 1, QStringLiteral("40000"),
         QStringLiteral("「表書き　縦方向の移動」の調整値「40000」は登録できません。-32768～32767の数値を入力して下さい。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p->ClearCalibrationEntry();
        chooseSize(c.size);
        if (c.styleIndex >= 0)
            chooseStyle(c.styleIndex);
        if (c.styleIndex == -2)
            p->Combo7->setEditText(QStringLiteral("2行印刷"));
        type(QStringLiteral("1"), c.box, QStringLiteral("1"));
        ui::clearShownMessages();
        answers = {ui::Answer::Yes};
        p->Command5->click();
        EXPECT_EQ(messageTexts().value(messageTexts().size() - 1), c.message);
        EXPECT_EQ(app::store().size(1), before);
    }
}

TEST_F(CalibrationTest, StandardPutsZeroEverywhereAndClearTouchesNothingStored)
{
    chooseSize(CalibrationPage::AllSizes);
    chooseStyle(0);
    type(QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5"));
    answers = {ui::Answer::Yes};
    p->Command22->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("既存の設定が全て更新されます。よろしいですか？")});
    EXPECT_EQ(holding(0, 0, 0).size(), 9);

    chooseSize(QStringLiteral("S0"));
    chooseStyle(1);
    type(QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9"));
    p->Command18->click();
    for (QLineEdit* box : {p->Text14, p->Text2, p->Text8})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(p->Combo9->currentText().isEmpty() && p->Combo7->currentText().isEmpty());
    EXPECT_EQ(holding(0, 0, 0).size(), 9);
}

TEST_F(CalibrationTest, SizeListsFollowRegistrationsAndDeletions)
{
    EXPECT_EQ(items(p->Combo9), QStringList({"S0", "S1", "S2"}));
    registerSize(QStringLiteral("ＮＯ２　　　　"), QStringLiteral("S3"));
    EXPECT_EQ(items(p->Combo9), QStringList({"S0", "S1", "S2", "S3"}));
    SizeRegistrationPage& r = reg();
    r.Combo10->setEditText(QStringLiteral("S0"));
    r.Command8->click();
    EXPECT_EQ(items(p->Combo9), QStringList({"S1", "S2", "S3"}));
}
