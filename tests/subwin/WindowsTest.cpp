// The input sub-windows' OK, Cancel and reader rules, the rank label and a
// layout through the windows with thin ink.
#include "SubWinSupport.h"

#include "preview/RankLabelDocument.h"
#include "app/WindowLayoutHost.h"
#include "layout/LayoutMembers.h"
#include "layout/LayoutTemplate.h"
#include "platform/richtext/Rtf.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace app;

TEST_F(SubWinTest, OkHidesAndKeepsCancelUnloadsAndAReaderGetsAnEmptyWindow)
{
    frmTextSub0* first = windows->sub0(); // a reader creates it hidden and empty
    EXPECT_TRUE(first->isHidden());
    EXPECT_TRUE(first->Text1->text().isEmpty());
    forms::setText(m().Combo2, QStringLiteral("御中元"));
    first->Text1->setText(QStringLiteral("内祝"));
    first->Command1_Click();
    EXPECT_EQ(windows->sub0(), first);
    EXPECT_EQ(windows->sub0()->Text1->text(), QStringLiteral("内祝"));
    EXPECT_FALSE(m().Combo2->isEnabled());
    EXPECT_TRUE(m().Combo2->currentText().isEmpty());
    EXPECT_FALSE(m().Label7->isHidden());

    first->Command2_Click();
    EXPECT_FALSE(windows->ref0().isLoaded());
    EXPECT_TRUE(m().Combo2->isEnabled());
    EXPECT_TRUE(m().Label7->isHidden());
    EXPECT_TRUE(windows->sub0()->Text1->text().isEmpty()); // a fresh window

    // The main window's reset unloads every input window.
    windows->sub2()->Text7->setText(QStringLiteral("山田商事"));
    m().Command3_Click();
    EXPECT_FALSE(windows->ref2().isLoaded());
    EXPECT_TRUE(windows->sub2()->Text7->text().isEmpty());
}

TEST_F(SubWinTest, SpecialInscriptionsExcludeEachOtherAndTheTwoLineInscriptionWins)
{
    frmTextSub0* ext = windows->sub0();
    forms::setCheckValue(ext->Check1, 1);
    forms::setCheckValue(ext->Check2, 1);
    EXPECT_EQ(forms::checkValue(ext->Check1), 0);
    forms::setCheckValue(ext->Check1, 1);
    EXPECT_EQ(forms::checkValue(ext->Check2), 0);
    ext->Command1_Click();
    EXPECT_EQ(m().Combo2->currentText(), QStringLiteral("タオル"));
    ext->Text1->setText(QStringLiteral(" ")); // blanks count as filled
    ext->Command1_Click();
    EXPECT_TRUE(m().Combo2->currentText().isEmpty());
    EXPECT_FALSE(m().Combo2->isEnabled());
}

TEST_F(SubWinTest, JointNamesAreCountedToTheLastFilledBoxAndTwoCharactersSpaced)
{
    frmTextSub3* joint = windows->sub3();
    joint->txtName[1]->setText(QStringLiteral("山田"));
    joint->txtName[3]->setText(QStringLiteral("鈴木一郎"));
    joint->txtName[4]->setText(QStringLiteral("林"));
    // whole characters: a surrogate pair and a character with its selector
    const QString yoshi = QString::fromUcs4(U"𠮷");
    const QString kuzu = QString::fromUcs4(U"葛\U000E0100");
    joint->txtName[5]->setText(yoshi + QStringLiteral("田"));
    joint->txtName[6]->setText(kuzu + QStringLiteral("西"));
    joint->txtName[7]->setText(yoshi);
    joint->Command1_Click();
    EXPECT_EQ(m().Text3->text(), QStringLiteral("7"));
    EXPECT_EQ(joint->txtName[5]->text(), yoshi + QStringLiteral(" 田"));
    EXPECT_EQ(joint->txtName[6]->text(), kuzu + QStringLiteral(" 西"));
    EXPECT_EQ(joint->txtName[7]->text(), yoshi);
    // typing stops at ten characters as the user sees them
    joint->txtName[7]->setText(yoshi.repeated(9));
    joint->txtName[7]->end(false);
    joint->txtName[7]->insert(kuzu);
    joint->txtName[7]->insert(QStringLiteral("一"));
    EXPECT_EQ(joint->txtName[7]->text(), yoshi.repeated(9) + kuzu);
    EXPECT_EQ(joint->txtName[1]->text(), QStringLiteral("山 田"));
    EXPECT_EQ(joint->txtName[3]->text(), QStringLiteral("鈴木一郎"));
    EXPECT_EQ(joint->txtName[4]->text(), QStringLiteral("林"));
    joint->Command1_Click(); // spaced once only
    EXPECT_EQ(joint->txtName[1]->text(), QStringLiteral("山 田"));

    joint->LimitJointNames();
    EXPECT_FALSE(joint->txtName[4]->isEnabled());
    EXPECT_TRUE(joint->Option4->isChecked());
    joint->enableAllNames();
    EXPECT_TRUE(joint->txtName[7]->isEnabled());
    EXPECT_TRUE(joint->Option4->isChecked());

    // Cancel discards the names; the count of the last OK stays.
    joint->Command2_Click();
    EXPECT_EQ(m().Text3->text(), QStringLiteral("7"));
    for (QLineEdit* box : windows->sub3()->txtName) {
        if (box) {
            EXPECT_TRUE(box->text().isEmpty());
        }
    }
}

TEST_F(SubWinTest, TheTitleSetsThePersonNameLimit)
{
    frmTextSub2* two = windows->sub2();
    EXPECT_EQ(two->Combo2->count(), 7);
    EXPECT_TRUE(two->Combo2->currentText().isEmpty());
    EXPECT_TRUE(two->Label7->isHidden()); // the rule has not run yet
    two->Text8->setText(QStringLiteral("山田一二三四五六七八")); // ten characters
    struct Case { const char* title; int limit; const char* hint; };
    const Case cases[] = {{"代表取締役社長", 5, "５文字まで"}, {"代 表 ", 6, "６文字まで"}, {"取締役", 7, "７文字まで"},
                          {"代表取締役社長です", 7, "７文字まで"}, // eight or more: unchanged
                          {"", 10, "１０文字まで"}};
    for (const Case& c : cases) {
        forms::setText(two->Combo2, QString::fromUtf8(c.title));
        EXPECT_EQ(two->Text8MaxLength, c.limit) << c.title;
        EXPECT_EQ(two->Label7->text(), QString::fromUtf8(c.hint)) << c.title;
    }
    forms::setText(two->Combo2, QStringLiteral("代表取締役社長"));
    EXPECT_EQ(two->Text8->text().size(), 10); // a longer name keeps its characters
    // Typing stops at the limit.
    two->Text8->setText(QStringLiteral("山田"));
    two->Text8->setFocus();
    two->Text8->end(false);
    for (const char* c : {"太", "郎", "一", "二"})
        two->Text8->insert(QString::fromUtf8(c));
    EXPECT_EQ(two->Text8->text(), QStringLiteral("山田太郎一"));
    // the title counts whole characters, and so does the limit
    forms::setText(two->Combo2, QString::fromUcs4(U"𠮷𠮷𠮷"));
    EXPECT_EQ(two->Text8MaxLength, 7);
    const QString yoshi = QString::fromUcs4(U"𠮷");
    two->Text8->setText(yoshi.repeated(6));
    two->Text8->end(false);
    for (const char* c : {"太", "郎"})
        two->Text8->insert(QString::fromUtf8(c));
    EXPECT_EQ(two->Text8->text(), yoshi.repeated(6) + QStringLiteral("太"));
}

TEST_F(SubWinTest, NameExtensionOkRules)
{
    frmTextSub1* ext = windows->sub1();
    ext->txtEnd->setText(QStringLiteral("4"));
    ext->Command1_Click();
    EXPECT_TRUE(ext->txtEnd->text().isEmpty());

    ext->txtStart->setText(QStringLiteral("5"));
    ext->txtEnd->setText(QStringLiteral("2"));
    ext->Command1_Click();
    EXPECT_EQ(ext->txtEnd->text(), QStringLiteral("5"));
    EXPECT_EQ(m().Text2->text(), QStringLiteral("位"));
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();

    // Decimal ranks are rounded for the comparison, halves to the even one;
    // the texts stay as typed.
    const struct {
        const char* start;
        const char* end;
        const char* endAfter;
    } rounded[] = {{"2.5", "2", "2"}, {"3.5", "3", "3.5"}, {"１２", "１１", "１２"}};
    for (const auto& c : rounded) {
        ext->txtStart->setText(QString::fromUtf8(c.start));
        ext->txtEnd->setText(QString::fromUtf8(c.end));
        ext->Command1_Click();
        EXPECT_EQ(ext->txtEnd->text(), QString::fromUtf8(c.endAfter)) << c.start;
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    // Not a number, out of range, or below 1 (they would print "0位" labels):
    // refused with a message, nothing written.
    forms::setText(m().Text2, QStringLiteral("山田"));
    for (const char* bad : {"abc", "0", "40000", "-3"}) {
        ui::clearShownMessages();
        ext->txtStart->setText(QString::fromUtf8(bad));
        ext->txtEnd->setText(QStringLiteral("9"));
        ext->Command1_Click();
        ASSERT_EQ(ui::shownMessages().size(), 1u) << bad;
        EXPECT_EQ(ui::shownMessages().front().text, frmTextSub1::RankMessage);
        EXPECT_EQ(m().Text2->text(), QStringLiteral("山田")) << bad;
    }
    EXPECT_EQ(parseRank(QStringLiteral("１２")), 12);

    ext->Text2->setText(QStringLiteral("123-4567"));
    forms::setCheckValue(ext->Check1, 1);
    forms::setCheckValue(ext->Check1, 0);
    forms::setCheckValue(ext->Check1, 1);
    EXPECT_EQ(ext->Text2->text(), QStringLiteral("〒〒123-4567"));

    m().Combo3->setCurrentIndex(1);
    ext->Form_Activate();
    EXPECT_FALSE(ext->Frame5->isEnabled());
    EXPECT_FALSE(ext->Check5->isEnabled());
}

TEST_F(SubWinTest, RankLabelIsWrittenAndEmbeddedAndAStaleOneNeverShown)
{
    frmTextSub1* ext = windows->sub1();
    ext->txtStart->setText(QStringLiteral("12"));
    forms::setCheckValue(ext->Check5, 1);
    ext->Command1_Click();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    windows->DrawNameWritingPreview();

    const rt::RichDocument& doc = m().RichTextBox2->document();
    ASSERT_EQ(doc.paragraphs.size(), 1);
    ASSERT_EQ(doc.paragraphs[0].items.size(), 2);
    EXPECT_EQ(doc.paragraphs[0].items[0].text, QStringLiteral("   "));
    const auto obj = doc.paragraphs[0].items[1].object;
    ASSERT_TRUE(obj && obj->document);
    EXPECT_NEAR(obj->pageSizeMm.width(), 1350 / 56.7 + 10, 1e-6);
    EXPECT_EQ(obj->pageSizeMm.height(), 70);

    const QString path = dataDir.path() + QStringLiteral("/dmPre.doc");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray rtf = f.readAll();
    EXPECT_TRUE(rtf.contains("\\paperh3969")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\margl284\\margr284\\margt284\\margb284"));
    EXPECT_TRUE(rtf.contains("\\headery720\\footery720"));
    EXPECT_TRUE(rtf.contains("\\pard\\qc"));
    rt::RichDocument back;
    ASSERT_TRUE(rt::readRtf(rtf, back));
    EXPECT_EQ(back.plainText(), QStringLiteral("１２\r\n位")); // the rank full-width, "位" as it is
    EXPECT_EQ(back.paragraphs[0].items[0].format.size, 24);
    EXPECT_EQ(back.paragraphs[0].items[0].format.fontName, QStringLiteral("ＭＳ Ｐ明朝"));

    // A label that cannot be written shows nothing rather than the old one.
    f.close();
    QFile::remove(path);
    QDir().mkpath(path);
    windows->DrawNameWritingPreview();
    EXPECT_EQ(m().RichTextBox2->document().plainText(), QStringLiteral("   "));
    QDir(path).removeRecursively();
}

TEST_F(SubWinTest, ThinInkLayoutThroughTheWindowsKeepsItsColourWhileThePreviewRedraws)
{
    forms::setCheckValue(m().Check1, 1);
    forms::setText(m().Combo2, QStringLiteral("御霊前"));
    forms::setText(m().Text2, QStringLiteral("山田太郎 ")); // the layout writes it back trimmed
    windows->sub1()->Text6->setText(QStringLiteral("やまだ"));
    windows->sub1()->Text1->setText(QStringLiteral("ＴＥＬ 03-1234-5678"));
    int redraws = 0;
    const auto draw = hooks().DrawNameWritingPreview;
    hooks().DrawNameWritingPreview = [&] { ++redraws; draw(); };

    WindowLayoutHost host(*windows);
    layout::LayoutContext ctx;
    layout::LayoutInputs in;
    in.LayoutWidth = 195;
    in.TemplateIndex = 7;
    in.TextColor = store().UsuzumiColor;
    rt::RichTextBox omote, name;
    for (rt::RichTextBox* b : {&omote, &name}) {
        b->setVertical(true);
        b->setWidthMm(195);
    }
    const layout::LayoutResult r = layout::LayoutTemplate(layout::LayoutNoshiMedium, ctx, in, host, omote, name);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_GE(redraws, 1); // the name written back redrew the main window's preview
    EXPECT_EQ(m().Text2->text(), QStringLiteral("山田太郎"));
    int runs = 0;
    for (const rt::RichTextBox* b : {&omote, &name})
        for (const rt::Paragraph& p : b->document().paragraphs)
            for (const rt::Inline& item : p.items)
                if (!item.isObject() && !item.text.trimmed().isEmpty()) {
                    ++runs;
                    EXPECT_EQ(item.format.color, store().UsuzumiColor) << item.text.toStdString();
                }
    EXPECT_GE(runs, 4); // inscription, furigana, name and telephone
    EXPECT_EQ(m().TextColor, 0u);
    // The main window's preview itself is drawn in thin ink too.
    EXPECT_TRUE(nameBox().contains(QStringLiteral("c=808080")));
}

TEST_F(SubWinTest, MainWindowButtonsOpenTheWindowsModalAndRedrawAfterwards)
{
    EXPECT_TRUE(m().Command5->isEnabled());
    EXPECT_TRUE(m().Command6->isEnabled());
    QTimer::singleShot(0, [this] {
        windows->sub0()->Text4->setText(QStringLiteral("祝"));
        windows->sub0()->Command1->click();
    });
    m().Command5_Click();
    EXPECT_TRUE(windows->sub0()->isHidden());
    EXPECT_TRUE(omoteBox().contains(QStringLiteral("\"祝\"")));

    QTimer::singleShot(0, [this] {
        windows->sub2()->Text7->setText(QStringLiteral("山田商事"));
        windows->sub2()->Command1->click();
    });
    forms::setListIndex(m().Combo3, 1);
    EXPECT_TRUE(nameBox().contains(QStringLiteral("山田商事")));
}
