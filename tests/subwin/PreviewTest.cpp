// The main window's inscription and name previews, as exact box content.
#include "SubWinSupport.h"

#include "app/NamePreview.h"
#include "app/OmotePreview.h"
#include "layout/LayoutHost.h"
#include "platform/richtext/TextLayout.h"

using namespace app;

TEST_F(SubWinTest, InscriptionPreviewOfAThreeCharacterInscription)
{
    forms::setText(m().Combo2, QStringLiteral("御中元"));
    EXPECT_EQ(omoteBox(), lines({"BL 8 ＭＳ 明朝 2", "SP 8 ＭＳ 明朝 5",
                                 "TX \"御中元\" ＭＳ Ｐ明朝 24 b=0 c=000000", "EC ＭＳ Ｐ明朝 24"}));
    EXPECT_FALSE(m().RichTextBox1View->isHidden());
    EXPECT_EQ(windows->previewFields().TextColor, 0u);
}

TEST_F(SubWinTest, InscriptionPreviewSizesSpacingAndLeadLines)
{
    struct Case { const char* omote; QRadioButton* NoshiMain::*option; const char* expected; };
    const Case cases[] = {
        // two characters: one half-width blank between them, at the 2-character size
        {"御礼", &NoshiMain::Option11, "BL 7 ＭＳ 明朝 2|SP 8 ＭＳ 明朝 5|TX \"御\" ＭＳ Ｐ明朝 26 b=0 c=000000|"
                                        "SP 1 ＭＳ Ｐ明朝 26|TX \"礼\" ＭＳ Ｐ明朝 26 b=0 c=000000|EC ＭＳ Ｐ明朝 26|"},
        // a character with its variation selector stays whole: still two characters
        {"葛\U000E0100城", &NoshiMain::Option11, "BL 7 ＭＳ 明朝 2|SP 8 ＭＳ 明朝 5|"
                                        "TX \"葛\U000E0100\" ＭＳ Ｐ明朝 26 b=0 c=000000|"
                                        "SP 1 ＭＳ Ｐ明朝 26|TX \"城\" ＭＳ Ｐ明朝 26 b=0 c=000000|EC ＭＳ Ｐ明朝 26|"},
        // 特大 with five characters: +1, one lead line less
        {"御結婚御祝", &NoshiMain::OptionOB, "BL 7 ＭＳ 明朝 2|SP 6 ＭＳ 明朝 5|"
                                              "TX \"御結婚御祝\" ＭＳ Ｐ明朝 20 b=0 c=000000|EC ＭＳ Ｐ明朝 20|"},
        // 無　地: three ideographic blanks at the 3-character size
        {"無　地", &NoshiMain::Option33, "BL 8 ＭＳ 明朝 2|SP 8 ＭＳ 明朝 5|TX \"　　　\" ＭＳ Ｐ明朝 22 b=0 c=000000|"
                                         "EC ＭＳ Ｐ明朝 22|"},
        // empty: lead lines and indent only
        {"", &NoshiMain::Option11, "BL 5 ＭＳ 明朝 2|SP 10 ＭＳ 明朝 5|EC ＭＳ Ｐ明朝 5|"},
    };
    for (const Case& c : cases) {
        forms::setOptionValue(m().*c.option, true);
        forms::setText(m().Combo2, QString::fromUtf8(c.omote));
        EXPECT_EQ(omoteBox(), QString::fromUtf8(c.expected).replace(u'|', u'\n')) << c.omote;
    }
}

TEST_F(SubWinTest, ShoulderTitlesFillTheEmptyPartnerAndShrinkWithLength)
{
    frmTextSub0* ext = windows->sub0();
    ext->Text4->setText(QStringLiteral("創業十周年記念")); // 7 characters: base 10 - 2
    forms::setCheckValue(m().Check1, 1);                  // thin ink
    forms::setText(m().Combo2, QStringLiteral("御祝"));
    EXPECT_EQ(ext->Text5->text(), QStringLiteral("　　　"));
    EXPECT_EQ(omoteBox(), lines({"SP 2 ＭＳ Ｐ明朝 5", "TX \"創業十周年記念\" ＭＳ Ｐ明朝 8 b=0 c=808080",
                                 "EC ＭＳ Ｐ明朝 8", "BL 1 ＭＳ Ｐ明朝 2", "SP 2 ＭＳ Ｐ明朝 5",
                                 "TX \"　　　\" ＭＳ Ｐ明朝 10 b=0 c=808080", "EC ＭＳ Ｐ明朝 10",
                                 "SP 8 ＭＳ Ｐ明朝 5", "TX \"御\" ＭＳ Ｐ明朝 26 b=0 c=808080",
                                 "SP 1 ＭＳ Ｐ明朝 26", "TX \"礼\" ＭＳ Ｐ明朝 26 b=0 c=808080",
                                 "EC ＭＳ Ｐ明朝 26"})
                              .replace(QStringLiteral("礼"), QStringLiteral("祝")));
    // The previews' colour never leaks into the main window's field.
    EXPECT_EQ(m().TextColor, 0u);
}

TEST_F(SubWinTest, TwoLineInscriptionReplacesTheOneLineBox)
{
    frmTextSub0* ext = windows->sub0();
    ext->Text1->setText(QStringLiteral("内祝"));
    forms::setText(m().Combo2, QStringLiteral("御中元"));
    EXPECT_EQ(ext->Text2->text(), QStringLiteral("　　　"));
    EXPECT_EQ(omoteBox(), lines({"BL 8 ＭＳ 明朝 2", "SP 4 ＭＳ 明朝 5", "TX \"内祝\" ＭＳ Ｐ明朝 14 b=0 c=000000",
                                 "EC ＭＳ Ｐ明朝 14", "SP 4 ＭＳ 明朝 5",
                                 "TX \"　　　\" ＭＳ Ｐ明朝 14 b=0 c=000000", "EC ＭＳ Ｐ明朝 14"}));
}

TEST_F(SubWinTest, InscriptionPreviewWithoutSizeChangesNothing)
{
    forms::setText(m().Combo2, QStringLiteral("御中元"));
    const QString before = omoteBox();
    m().Combo1->setEditText(QString());
    forms::setText(m().Combo2, QStringLiteral("御歳暮"));
    EXPECT_EQ(omoteBox(), before);
}

TEST_F(SubWinTest, NamePreviewOfAFourCharacterName)
{
    forms::setText(m().Text2, QStringLiteral("山田太郎"));
    EXPECT_EQ(nameBox(), lines({"BL 8 ＭＳ 明朝 2", "TX \"山\" ＭＳ Ｐ明朝 20 b=0 c=000000", "SP 1 ＭＳ Ｐ明朝 3",
                                "TX \"田\" ＭＳ Ｐ明朝 20 b=0 c=000000", "SP 1 ＭＳ Ｐ明朝 3",
                                "TX \"太\" ＭＳ Ｐ明朝 20 b=0 c=000000", "SP 1 ＭＳ Ｐ明朝 3",
                                "TX \"郎\" ＭＳ Ｐ明朝 20 b=0 c=000000", "EC ＭＳ Ｐ明朝 20",
                                // telephone and fax columns are written also when empty
                                "SP 10 ＭＳ 明朝 2", "EC ＭＳ Ｐ明朝 5", "SP 10 ＭＳ 明朝 2", "EC ＭＳ Ｐ明朝 5"}));
}

TEST_F(SubWinTest, NamePreviewTables)
{
    using layout::SizeOption;
    EXPECT_EQ(oneLineNameDelta(SizeOption::Larger, 2, 5), 6);
    EXPECT_EQ(oneLineNameDelta(SizeOption::Larger, 2, 4), 8);
    EXPECT_EQ(oneLineNameDelta(SizeOption::Larger, 3, 5), 4);
    EXPECT_EQ(oneLineNameDelta(SizeOption::Extra, 1, 4), 8);
    EXPECT_EQ(oneLineNameSize(0, 10), 22);
    EXPECT_EQ(oneLineNameSize(-4, 5), 32);
    EXPECT_EQ(oneLineNameLeadLines(QStringLiteral("98/Me"), 7), 12);
    EXPECT_EQ(jointNameSize(2, 3), 21);
    EXPECT_EQ(jointNameSize(4, 6), 12);
    // A name one short of its maximum has no gaps, two short one, five short three.
    EXPECT_EQ(personNameGap(6, 5), 0);
    EXPECT_EQ(personNameGap(6, 4), 1);
    EXPECT_EQ(personNameGap(10, 5), 3);
    EXPECT_EQ(personNameGap(5, 8), 0);
}

TEST_F(SubWinTest, NamePreviewTwoCharactersWithFuriganaAndLarger)
{
    windows->sub1()->Text6->setText(QStringLiteral("やまだ"));
    forms::setOptionValue(m().Option2, true); // 大きめ
    forms::setText(m().Combo2, QStringLiteral("御礼"));
    forms::setText(m().Text2, QStringLiteral("山田"));
    // NT/XP: 8 - 3 (furigana) - 1 (大きめ) = 4 lines; (8 + 44) \ 2 = 26 points
    EXPECT_EQ(nameBox(), lines({"BL 4 ＭＳ 明朝 2", "SP 2 ＭＳ 明朝 8", "TX \"やまだ\" ＭＳ Ｐ明朝 8 b=0 c=000000",
                                "EC ＭＳ Ｐ明朝 8", "TX \"山\" ＭＳ Ｐ明朝 26 b=0 c=000000", "SP 1 ＭＳ Ｐ明朝 26",
                                "TX \"田\" ＭＳ Ｐ明朝 26 b=0 c=000000", "EC ＭＳ Ｐ明朝 26", "SP 10 ＭＳ 明朝 2",
                                "EC ＭＳ Ｐ明朝 5", "SP 10 ＭＳ 明朝 2", "EC ＭＳ Ｐ明朝 5"}));
    // A surrogate pair is one character: the same two-character name
    forms::setText(m().Text2, QString::fromUcs4(U"𠮷田"));
    EXPECT_EQ(nameBox(), lines({"BL 4 ＭＳ 明朝 2", "SP 2 ＭＳ 明朝 8", "TX \"やまだ\" ＭＳ Ｐ明朝 8 b=0 c=000000",
                                "EC ＭＳ Ｐ明朝 8", "TX \"𠮷\" ＭＳ Ｐ明朝 26 b=0 c=000000", "SP 1 ＭＳ Ｐ明朝 26",
                                "TX \"田\" ＭＳ Ｐ明朝 26 b=0 c=000000", "EC ＭＳ Ｐ明朝 26", "SP 10 ＭＳ 明朝 2",
                                "EC ＭＳ Ｐ明朝 5", "SP 10 ＭＳ 明朝 2", "EC ＭＳ Ｐ明朝 5"}));
}

TEST_F(SubWinTest, NamePreviewTwoLineAndJointStyles)
{
    frmTextSub2* two = windows->sub2();
    two->Text7->setText(QStringLiteral("  山田商事 "));
    forms::setText(two->Combo2, QStringLiteral("支 店 長")); // limit 6
    two->Text8->setText(QStringLiteral("山田"));
    m().Combo3->setCurrentIndex(1);
    windows->DrawNameWritingPreview();
    EXPECT_EQ(two->Text7->text(), QStringLiteral("山田商事")); // trimmed in place
    EXPECT_EQ(nameBox(), lines({"BL 4 ＭＳ 明朝 4", "SP 5 ＭＳ 明朝 5", "TX \"山田商事\" ＭＳ Ｐ明朝 10 b=0 c=000000",
                                "EC ＭＳ Ｐ明朝 10", "BL 1 ＭＳ 明朝 5", "SP 7 ＭＳ 明朝 5",
                                "TX \"支\" ＭＳ Ｐ明朝 5 b=0 c=000000", "SP 1 ＭＳ Ｐ明朝 5",
                                "TX \"店\" ＭＳ Ｐ明朝 5 b=0 c=000000", "SP 1 ＭＳ Ｐ明朝 5",
                                "TX \"長\" ＭＳ Ｐ明朝 5 b=0 c=000000", "SP 1 ＭＳ Ｐ明朝 5", "TX \"山\" ＭＳ Ｐ明朝 11 b=0 c=000000",
                                "SP 3 ＭＳ Ｐ明朝 5", "TX \"田\" ＭＳ Ｐ明朝 11 b=0 c=000000", "EC ＭＳ Ｐ明朝 11",
                                "SP 10 ＭＳ 明朝 2", "EC ＭＳ Ｐ明朝 5", "SP 10 ＭＳ 明朝 2", "EC ＭＳ Ｐ明朝 5"}));

    frmTextSub3* joint = windows->sub3();
    joint->txtName[1]->setText(QStringLiteral("山田"));
    joint->txtName[2]->setText(QStringLiteral("鈴木一郎"));
    joint->Command1_Click();
    m().Combo3->setCurrentIndex(2);
    windows->DrawNameWritingPreview();
    EXPECT_EQ(nameBox(), lines({"BL 2 ＭＳ 明朝 4", "SP 15 ＭＳ 明朝 5", "TX \"山\" ＭＳ Ｐ明朝 19 b=0 c=000000",
                                "SP 1 ＭＳ Ｐ明朝 19", "TX \"田\" ＭＳ Ｐ明朝 19 b=0 c=000000",
                                "EC ＭＳ Ｐ明朝 19", "BL 1 ＭＳ Ｐ明朝 5", "SP 15 ＭＳ 明朝 5",
                                "TX \"鈴木一郎\" ＭＳ Ｐ明朝 16 b=0 c=000000", "EC ＭＳ Ｐ明朝 16",
                                "BL 1 ＭＳ Ｐ明朝 5", "SP 10 ＭＳ 明朝 2", "EC ＭＳ Ｐ明朝 5", "SP 10 ＭＳ 明朝 2",
                                "EC ＭＳ Ｐ明朝 5"}));
}

TEST_F(SubWinTest, NamePreviewShowsTheObjectFileInsteadOfTheName)
{
    windows->sub1()->Text3->setText(QStringLiteral("/tmp/挨拶状.doc"));
    forms::setText(m().Text2, QStringLiteral("山田太郎"));
    EXPECT_EQ(nameBox(), lines({"BL 2 ＭＳ 明朝 10", "TX \"/tmp/挨拶状.doc\" ＭＳ 明朝 10 b=0 c=000000"}));
}

// The previews sketch the page at sizes of their own: their column is the
// sheet's box at the ratio of the sketch's text size to the paper's, with
// each side's fixed blanks taken out and put back, so text wraps in the
// sketch where it wraps on paper (and a long name does not run out of sight
// below the view).
TEST_F(SubWinTest, PreviewColumnsFollowTheSheetsBoxesAtTheSketchesSizes)
{
    const auto addSize = [](const char* name, const char* key, int w, int h) {
        app::RegisteredSize z;
        const QString k = QString::fromUtf8(key), n = QString::fromUtf8(name);
        z.RegSizeTemplate = {k, k, k};
        z.RegSizeName = {n, n, n};
        z.RegSizeWidth = w;
        z.RegSizeHeight = h;
        app::store().addSize(z);
    };
    addSize("中", "萌黄（　中　）", 0, 0); // the template's 390 x 135
    const double blank10 = 5 * 25.4 / 72;  // a half-width blank at 10 points, mm
    struct Case {
        const char* size;
        double omote, name;
    } cases[] = {
        // 萌黄（切手判）, 195 high: boxes of 97. 御中元 at 24 in the sketch, 48
        // on paper, after 8 blanks of 5 points and 10 of 10 points; 山田 at
        // 22 and 44, after no blanks and 10 + 3 + 3 of 10 points.
        {"切手判", 4 * blank10 + (97 - 10 * blank10) / 2, (97 - 16 * blank10) / 2},
        {"未登録", 97, 97}, // no such size: the sketched template's 195 / 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        m().Combo1->setEditText(QString::fromUtf8(c.size));
        forms::setText(m().Combo2, QStringLiteral("御中元"));
        forms::setText(m().Text2, QStringLiteral("山田"));
        EXPECT_NEAR(m().RichTextBox1->rightMarginMm(), c.omote, 1e-9);
        EXPECT_NEAR(m().RichTextBox2->rightMarginMm(), c.name, 1e-9);
    }

    // A name of twelve characters runs past the small sheet's column: two
    // columns, none longer than the column.
    m().Combo1->setEditText(QStringLiteral("中"));
    forms::setText(m().Text2, QStringLiteral("山田太郎左衛門之助右衛門"));
    const double column = m().RichTextBox2->rightMarginMm();
    const QString text = m().RichTextBox2->text();
    int textColumns = 0;
    for (const rt::LaidLine& line : m().RichTextBox2->layout()->lines()) {
        if (!text.mid(line.start, line.length).trimmed().isEmpty())
            ++textColumns;
        EXPECT_LE(line.stops.last(), column + 1e-9);
    }
    EXPECT_GE(textColumns, 2);
}
