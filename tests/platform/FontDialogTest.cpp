// The font dialog of the font commands, driven through its controls.
#include "common/FontDialogDriver.h"
#include "platform/services/Dialogs.h"
#include "platform/services/FontDialog.h"
#include "platform/services/MessageBox.h"

#include <QGroupBox>
#include <QLabel>
#include <gtest/gtest.h>

using testing_support::FontDialogDriver;
using ui::FontChoice;
using ui::FontDialog;

namespace {

class FontDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
        ui::clearShownMessages();
    }
    void TearDown() override
    {
        ui::setAnswerer({});
        ui::clearShownMessages();
    }
    static QStringList items(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    static QString current(const QListWidget* list) { return list->currentItem() ? list->currentItem()->text() : QString(); }
};

} // namespace

TEST_F(FontDialogTest, ListsStylesSizesSampleAndEffects)
{
    FontDialog d(FontChoice(), true);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("フォント"));
    EXPECT_EQ(items(d.familyList).mid(0, 4),
              QStringList({QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("ＭＳ ゴシック"),
                           QStringLiteral("ＭＳ Ｐゴシック")}));
    EXPECT_EQ(items(d.familyList).count(QStringLiteral("青柳衡山フォントT")), 1);
    EXPECT_FALSE(items(d.familyList).contains(QStringLiteral("AoyagiKouzanFontT")));
    EXPECT_TRUE(items(d.familyList).contains(QStringLiteral("@ＭＳ 明朝")));
    EXPECT_EQ(items(d.styleList),
              QStringList({QStringLiteral("標準"), QStringLiteral("斜体"), QStringLiteral("太字"), QStringLiteral("太字 斜体")}));
    EXPECT_EQ(items(d.sizeList), QStringList({"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26",
                                              "28", "36", "48", "72"}));
    EXPECT_EQ(d.sample->text(), QStringLiteral("あぁアァ亜宇Ａａ"));
    EXPECT_FALSE(d.effectsGroup->isHidden());
    EXPECT_EQ(d.colorList->count(), 16);
    // Nothing preset: no family, regular style, black.
    EXPECT_TRUE(d.familyEdit->text().isEmpty());
    EXPECT_EQ(d.styleEdit->text(), QStringLiteral("標準"));
    EXPECT_EQ(d.colorList->currentText(), QStringLiteral("黒"));

    FontDialog plain(FontChoice(), false);
    EXPECT_TRUE(plain.effectsGroup->isHidden());
}

TEST_F(FontDialogTest, PresetIsShownAndComesBackUntouched)
{
    struct Case {
        FontChoice preset;
        QString style;
        QString colour;
    };
    const Case cases[] = {
        {{QStringLiteral("@ＭＳ Ｐ明朝"), 12, true, false, true, false, 0xC0C0C0}, QStringLiteral("太字"),
         QStringLiteral("シルバー")},
        {{QStringLiteral("青柳衡山フォントT"), 10.5, true, true, false, true, 0x0000FF}, QStringLiteral("太字 斜体"),
         QStringLiteral("赤")},
        {{QStringLiteral("ＭＳ ゴシック"), 20, false, true, false, false, 0x123456}, QStringLiteral("斜体"),
         QStringLiteral("カスタム")},
    };
    for (const Case& c : cases) {
        FontDialog d(c.preset, true);
        const std::string what = c.preset.name.toStdString();
        EXPECT_EQ(d.familyEdit->text(), c.preset.name) << what;
        EXPECT_EQ(current(d.familyList), c.preset.name) << what;
        EXPECT_EQ(d.styleEdit->text(), c.style) << what;
        EXPECT_EQ(d.sizeEdit->text(), QString::number(c.preset.size)) << what;
        EXPECT_EQ(d.colorList->currentText(), c.colour) << what;
        EXPECT_EQ(d.underlineBox->isChecked(), c.preset.underline) << what;
        EXPECT_EQ(d.strikeThruBox->isChecked(), c.preset.strikeThru) << what;
        EXPECT_EQ(d.sample->font().underline(), c.preset.underline) << what;
        EXPECT_EQ(d.choice(), c.preset) << what;
    }
}

TEST_F(FontDialogTest, WhatIsPickedComesBackUnderTheListedName)
{
    FontChoice preset;
    preset.name = QStringLiteral("ＭＳ 明朝");
    preset.size = 10;
    FontDialog d(preset, true);
    // Typing selects the first entry it begins; the list's spelling is returned.
    d.familyEdit->setFocus();
    d.familyEdit->clear();
    drive::keyClicks(d.familyEdit, QStringLiteral("ipa明"));
    EXPECT_EQ(current(d.familyList), QStringLiteral("IPA明朝"));
    EXPECT_EQ(d.choice().name, QStringLiteral("ipa明")) << "not yet a name";
    FontDialogDriver::pick(d.familyList, QStringLiteral("IPA明朝")); // the entry found
    EXPECT_EQ(d.familyEdit->text(), QStringLiteral("IPA明朝"));
    d.familyEdit->setText(QStringLiteral("ipa明朝"));
    EXPECT_EQ(d.choice().name, QStringLiteral("IPA明朝"));

    FontDialogDriver::pick(d.familyList, QStringLiteral("@ＭＳ ゴシック"));
    FontDialogDriver::pick(d.styleList, QStringLiteral("太字 斜体"));
    FontDialogDriver::pick(d.sizeList, QStringLiteral("36"));
    d.underlineBox->click();
    FontDialogDriver::pickColor(d, QStringLiteral("青"));
    EXPECT_EQ(d.familyEdit->text(), QStringLiteral("@ＭＳ ゴシック"));
    const FontChoice c = d.choice();
    EXPECT_EQ(c, (FontChoice{QStringLiteral("@ＭＳ ゴシック"), 36, true, true, true, false, 0xFF0000}));
    EXPECT_EQ(d.sample->font().pointSizeF(), 36);
    EXPECT_EQ(d.sample->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(FontDialogTest, OkRefusesANameOrSizeItCannotUseAndKeepsTheDialogOpen)
{
    struct Case {
        QString family;
        QString size;
        QString message; // empty: accepted
    };
    const Case cases[] = {
        {QString(), QStringLiteral("10"), QStringLiteral("フォント名を一覧から選んでください。")},
        {QStringLiteral("ＭＳ"), QStringLiteral("10"), QStringLiteral("フォント名を一覧から選んでください。")},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("abc"), QStringLiteral("サイズは 1 から 1638 の間で指定してください。")},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("1639"), QStringLiteral("サイズは 1 から 1638 の間で指定してください。")},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("1638"), QString()},
        {QStringLiteral("HG正楷書体-PRO"), QString(), QString()}, // the preset, though not installed
    };
    for (const Case& c : cases) {
        FontChoice preset;
        preset.name = QStringLiteral("HG正楷書体-PRO");
        ui::clearShownMessages();
        bool accepted = false;
        FontDialogDriver driver([&](FontDialog& d) {
            d.familyEdit->setText(c.family);
            d.sizeEdit->setText(c.size);
            d.okButton->click();
            accepted = !d.isVisible() && d.result() == QDialog::Accepted;
        });
        FontDialog d(preset, true);
        d.exec();
        ASSERT_TRUE(driver.shown());
        EXPECT_EQ(accepted, c.message.isEmpty()) << c.family.toStdString() << " " << c.size.toStdString();
        EXPECT_EQ(ui::shownMessages().empty() ? QString() : ui::shownMessages()[0].text, c.message)
            << c.family.toStdString() << " " << c.size.toStdString();
    }
}
