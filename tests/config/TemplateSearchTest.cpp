#include "config/ConfigSupport.h"

using namespace config;

namespace {

// Template rows by height (from the template table): 75: 17 ＮＯ１, 47 赤棒００;
// 90: 18, 63, 74; 420: 72 Ａ３判 縦; 385 is the next lower height.
const QList<int> Height75{17, 47};

} // namespace

TEST(TemplateSearchRule, PassesWidenOnlyWhileNothingIsFound)
{
    app::catalogue().build();
    struct Case {
        double height;
        QList<int> rows;
    };
    const Case cases[] = {
        {70, Height75},     // pass 1: 65..75, the top end included
        {72.5, Height75},   // 67.5 and 77.5 round to 68 and 78
        {80, Height75},     // 75..85: exactly 5 mm shorter
        {85, {18, 63, 74}}, // 80..90: exactly 5 mm taller
        {84, Height75},     // pass 1 79..89 empty; pass 2 looks further down: 74..89
        {440, {72}},        // passes 1 and 2 empty; pass 3: 415..465
        {445, {72}},        // exactly 25 mm shorter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        const TemplateSearchResult r = TemplateSearch(c.height);
        EXPECT_EQ(r.rows, c.rows);
        EXPECT_FALSE(r.showsAll);
    }
    // Nothing within 25 mm: every template 1 to 78 in table order.
    const TemplateSearchResult all = TemplateSearch(446);
    EXPECT_TRUE(all.showsAll);
    ASSERT_EQ(all.rows.size(), 78);
    EXPECT_EQ(all.rows.first(), 1);
    EXPECT_EQ(all.rows.last(), 78);
}

TEST_F(ConfigTest, SearchWindowChecksTheHeightListsAndHandsTheChoiceBack)
{
    SizeRegistrationPage& r = reg();
    r.Command17->click();
    frmSetupWiz8* s = templateSearchWindow().peek();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->windowTitle(), QStringLiteral("雛形の検索"));
    EXPECT_EQ(s->MSFlexGrid1->horizontalHeaderItem(0)->text(), QStringLiteral("　雛形名") + QString(17, QChar(0x3000)));

    for (const char* bad : {"69.9", "", "abc"}) {
        ui::clearShownMessages();
        forms::setText(s->Text1, QString::fromUtf8(bad));
        s->Command1->click();
        EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("のし紙の縦の長さをミリ単位で入力してください。")}) << bad;
        EXPECT_EQ(s->MSFlexGrid1->rowCount(), 0);
    }

    ui::clearShownMessages();
    forms::setText(s->Text1, QStringLiteral("72.5"));
    s->Command1->click();
    EXPECT_TRUE(ui::shownMessages().empty());
    ASSERT_EQ(s->MSFlexGrid1->rowCount(), 2);
    EXPECT_EQ(s->MSFlexGrid1->item(0, 0)->text(), app::catalogue().row(17).TemplateName);
    EXPECT_EQ(s->MSFlexGrid1->item(1, 2)->text(), QStringLiteral("75"));
    EXPECT_EQ(s->Label3->text(), QStringLiteral("2 件の雛型が見つかりました。雛形名をクリックして雛型を選んでください。"));

    // A width cell chooses nothing; a name cell chooses its template.
    s->MSFlexGrid1_Click(1, 0);
    EXPECT_EQ(s->Text2->text(), app::catalogue().row(47).TemplateName);
    EXPECT_EQ(app::store().TemplateIndex, 47);
    s->MSFlexGrid1_Click(1, 1);
    EXPECT_TRUE(s->Text2->text().isEmpty());
    s->MSFlexGrid1_Click(0, 0);

    // Nothing within 25 mm: the message first, then all 78.
    forms::setText(s->Text1, QStringLiteral("600"));
    s->Command1->click();
    EXPECT_EQ(messageTexts(),
              QStringList{QStringLiteral("該当するのし紙サイズが見つかりませんでしたので、すべての雛型を表示します。")});
    EXPECT_EQ(s->MSFlexGrid1->rowCount(), 78);
    EXPECT_TRUE(s->Label3->text().startsWith(QStringLiteral("78 件")));
    EXPECT_FALSE(s->Text2->text().isEmpty()) << "a new search keeps the choice";

    // OK writes the full row text, key, size, and empties the name; the done label keeps its state.
    forms::setText(r.Text5, QStringLiteral("消える名前"));
    s->Command2->click();
    EXPECT_EQ(templateSearchWindow().peek(), nullptr);
    EXPECT_EQ(r.Combo4->currentText(), app::catalogue().row(17).TemplateName);
    EXPECT_EQ(r.Text4->text(), QStringLiteral("ＮＯ１　　　　"));
    EXPECT_TRUE(r.Text5->text().isEmpty());
    EXPECT_EQ(r.Text20->text(), QStringLiteral("120"));
    EXPECT_EQ(r.Text21->text(), QStringLiteral("75"));
    EXPECT_EQ(app::store().TemplateIndex, 17);
    // The handed-back template registers like a chosen one.
    forms::setText(r.Text5, QStringLiteral("小箱"));
    r.Command7->click();
    ASSERT_EQ(app::store().RegSizeCount(), 1);
    EXPECT_EQ(app::store().size(0).RegSizeTemplate[0], QStringLiteral("ＮＯ１　　　　"));
}

TEST_F(ConfigTest, SearchResultForAClosedDialogIsDropped)
{
    reg().Command17->click();
    frmSetupWiz8* s = templateSearchWindow().peek();
    ASSERT_TRUE(host->window().unload());
    forms::setText(s->Text1, QStringLiteral("180"));
    s->Command1->click();
    s->MSFlexGrid1_Click(0, 0);
    ASSERT_FALSE(s->Text2->text().isEmpty());
    s->Command2->click(); // nothing to write into, and nothing breaks
    EXPECT_EQ(templateSearchWindow().peek(), nullptr);
}
