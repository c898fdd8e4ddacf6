#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"

#include <gtest/gtest.h>

namespace {

// Every test leaves the real dialogs in place for the next.
class ServicesTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ui::setAnswerer({});
        ui::setDialogAnswerer({});
        ui::clearShownMessages();
        ui::clearShownDialogs();
    }
};

} // namespace

TEST_F(ServicesTest, MessageBoxesAreScriptedAndRecorded)
{
    ui::clearShownMessages();
    std::vector<ui::Answer> script = {ui::Answer::Yes, ui::Answer::Cancel};
    ui::setAnswerer([&](const ui::MessageRequest&) {
        const ui::Answer a = script.front();
        script.erase(script.begin());
        return a;
    });
    EXPECT_EQ(ui::MsgBox(QStringLiteral("サイズを変更しますか？"), ui::Buttons::YesNo, ui::Icon::Question,
                         QStringLiteral("変更の確認")),
              ui::Answer::Yes);
    EXPECT_EQ(ui::MsgBox(QStringLiteral("印刷部数"), ui::Buttons::OkCancel), ui::Answer::Cancel);
    ui::Beep();

    const auto& shown = ui::shownMessages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, QStringLiteral("変更の確認"));
    EXPECT_EQ(shown[0].text, QStringLiteral("サイズを変更しますか？"));
    EXPECT_EQ(shown[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(shown[0].icon, ui::Icon::Question);
    EXPECT_FALSE(shown[1].title.isEmpty()); // untitled boxes carry the program's name
    EXPECT_EQ(ui::beepCount(), 1);
}

TEST_F(ServicesTest, VbFiltersBecomeQtFilters)
{
    const struct { QString vb; QStringList qt; } cases[] = {
        {QStringLiteral("リッチテキスト (*.rtf)|*.rtf|すべてのファイル (*.*)|*.*"),
         {QStringLiteral("リッチテキスト (*.rtf)"), QStringLiteral("すべてのファイル (*)")}},
        {QStringLiteral("画像|*.bmp;*.jpg; *.gif"), {QStringLiteral("画像 (*.bmp *.jpg *.gif)")}},
        {QStringLiteral("のし紙ファイル(*.nd1)|*.nd1|"), {QStringLiteral("のし紙ファイル (*.nd1)")}},
        {QString(), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::VbFilterToQt(c.vb), c.qt) << c.vb.toStdString();
}

TEST_F(ServicesTest, DialogsAreScriptedAndCancelGivesNothing)
{
    ui::DialogAnswer next;
    ui::setDialogAnswerer([&](const ui::DialogRequest&) { return next; });

    next = {true, "/tmp/omote", {}, 0};
    EXPECT_EQ(ui::GetSaveFileName(QStringLiteral("名前を付けて保存"), "/tmp", "表書き|*.nd1", 1, "nd1"),
              std::optional<QString>("/tmp/omote.nd1"));
    next = {true, "/tmp/omote.rtf", {}, 0};
    EXPECT_EQ(ui::GetSaveFileName("", "/tmp", "表書き|*.nd1", 1, "nd1"), std::optional<QString>("/tmp/omote.rtf"));
    next = {true, "/tmp/a.nd2", {}, 0};
    EXPECT_EQ(ui::GetOpenFileName("", "/tmp", "名書き|*.nd2|すべて|*.*", 2), std::optional<QString>("/tmp/a.nd2"));
    next = {true, "/tmp", {}, 0};
    EXPECT_EQ(ui::ChooseFolder("", "/"), std::optional<QString>("/tmp"));
    next = {true, {}, {QStringLiteral("ＭＳ 明朝"), 12}, 0};
    EXPECT_EQ(ui::ChooseFont({})->name, QStringLiteral("ＭＳ 明朝"));
    next = {true, {}, {}, 0xFF0000FFu}; // junk in the high byte is dropped
    EXPECT_EQ(ui::ChooseColor(12632256), std::optional<uint32_t>(0x000000FFu));

    next = {}; // cancelled
    EXPECT_FALSE(ui::GetOpenFileName("", "", "a|*.a"));
    EXPECT_FALSE(ui::ChooseColor(0));
    EXPECT_FALSE(ui::ChooseFont({}));

    const auto& shown = ui::shownDialogs();
    ASSERT_EQ(shown.size(), 9u);
    EXPECT_EQ(shown[0].kind, ui::DialogKind::SaveFile);
    EXPECT_EQ(shown[0].title, QStringLiteral("名前を付けて保存"));
    EXPECT_EQ(shown[0].filters, QStringList{QStringLiteral("表書き (*.nd1)")});
    EXPECT_EQ(shown[2].filterIndex, 2);
    EXPECT_EQ(shown[2].filters.size(), 2);
    EXPECT_EQ(shown[5].color, 12632256u);
}
