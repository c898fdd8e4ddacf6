#include "config/ConfigSupport.h"

#include "config/OmotePage.h"
#include "config/StandardOmote.h"

using namespace config;

namespace {
const QString Plain = QStringLiteral("無　地");
}

TEST(StandardOmote, SlotsHoldSixCharactersAndTheListSkipsEmptySlots)
{
    EXPECT_EQ(StandardOmoteTable(1), QStringLiteral("　御年賀　　"));
    EXPECT_EQ(StandardOmoteTable(41), QStringLiteral("　寿　　　　"));
    EXPECT_EQ(StandardOmoteTable(5), QStringLiteral("　新春御挨拶"));
    for (int empty : {0, 16, 42, 140, 152, 155, 156})
        EXPECT_TRUE(StandardOmoteTable(empty).isEmpty()) << empty;
    const QStringList list = StandardOmoteList();
    ASSERT_EQ(list.size(), 95);
    EXPECT_EQ(list.first(), QStringLiteral("御年賀"));
    EXPECT_EQ(list.last(), QStringLiteral("敢闘賞"));
    EXPECT_EQ(list.count(QStringLiteral("粗供養")), 2);
    EXPECT_EQ(QSet<QString>(list.begin(), list.end()).size(), 94);
}

TEST_F(ConfigTest, InscriptionsAreRegisteredTrimmedOnceAndReachEveryList)
{
    OmotePage* p = open(w->mnuSet2).tab<OmotePage>(Noshisettei::OmoteTab);
    ASSERT_EQ(p->Combo1->count(), 95);
    w->Combo2->setEditText(QStringLiteral("御礼"));

    forms::setText(p->Text10, QStringLiteral("　御中元 　"));
    p->Command11->click();
    EXPECT_TRUE(ui::shownMessages().empty());
    EXPECT_EQ(p->Text10->text(), QStringLiteral("御中元"));
    EXPECT_EQ(app::store().OmoteList(), QStringList{QStringLiteral("御中元")});
    EXPECT_EQ(onDisk().OmoteList(), QStringList{QStringLiteral("御中元")});
    EXPECT_EQ(items(w->Combo2), QStringList({Plain, QStringLiteral("御中元")}));
    EXPECT_EQ(w->Combo2->currentText(), QStringLiteral("御礼")) << "the inscription being typed stays";
    EXPECT_EQ(items(p->Combo5), QStringList{QStringLiteral("御中元")});
    EXPECT_FALSE(p->Label17->isVisibleTo(p));

    p->Command11->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("この表書きは既に登録されています。確認して下さい。")});
    EXPECT_EQ(ui::shownMessages()[0].icon, ui::Icon::Critical);
    EXPECT_EQ(app::store().OmoteCount(), 1);

    for (const QString& blank : {QString(), QStringLiteral(" 　 ")}) {
        ui::clearShownMessages();
        forms::setText(p->Text10, blank);
        p->Command11->click();
        EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("表書きを選択して下さい。")});
        EXPECT_TRUE(p->Text10->text().isEmpty());
    }

    // The standard list: picking fills the box as shown; the second 粗供養 is a duplicate.
    const int first = p->Combo1->findText(QStringLiteral("粗供養"));
    forms::setListIndex(p->Combo1, first);
    EXPECT_EQ(p->Text10->text(), QStringLiteral("粗供養"));
    p->Command11->click();
    EXPECT_EQ(app::store().OmoteCount(), 2);
    int again = -1;
    for (int i = first + 1; i < p->Combo1->count() && again < 0; ++i)
        if (p->Combo1->itemText(i) == QStringLiteral("粗供養"))
            again = i;
    ASSERT_GT(again, first);
    ui::clearShownMessages();
    forms::setListIndex(p->Combo1, again);
    p->Command11->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("この表書きは既に登録されています。確認して下さい。")});
}

TEST_F(ConfigTest, DeletingAnInscriptionClosesTheGapAndRebuildsTheLists)
{
    for (const char* t : {"A", "B", "C"})
        ASSERT_TRUE(app::store().addOmote(QString::fromUtf8(t)));
    host->refillOmotes(app::store().OmoteList());
    w->Combo2->setEditText(QStringLiteral("御礼"));
    OmotePage* p = open(w->mnuSet2).tab<OmotePage>(Noshisettei::OmoteTab);
    ASSERT_EQ(items(p->Combo5), QStringList({"A", "B", "C"}));

    p->Combo5->setEditText(QStringLiteral("B "));
    p->Command13->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("データが見つかりません。確認して下さい。")})
        << "deletion compares the text untrimmed";

    p->Combo5->setEditText(QStringLiteral("B"));
    p->Command13->click();
    EXPECT_EQ(app::store().OmoteList(), QStringList({"A", "C"}));
    EXPECT_EQ(onDisk().OmoteList(), QStringList({"A", "C"}));
    EXPECT_EQ(items(p->Combo5), QStringList({"A", "C"}));
    EXPECT_EQ(p->Combo5->currentText(), QStringLiteral("　　　削除しました。"));
    EXPECT_EQ(items(w->Combo2), QStringList({Plain, "A", "C"}));
    EXPECT_TRUE(w->Combo2->currentText().isEmpty());

    ui::clearShownMessages();
    p->Command13->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("データが見つかりません。確認して下さい。")});
    p->Combo5->setEditText(QStringLiteral("C"));
    p->Command13->click();
    EXPECT_EQ(app::store().OmoteList(), QStringList{"A"});
}

TEST_F(ConfigTest, TheTwoHundredAndSecondInscriptionIsRefusedAndTheListsAgree)
{
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(app::store().addOmote(QString::number(i)));
    host->refillOmotes(app::store().OmoteList());
    OmotePage* p = open(w->mnuSet2).tab<OmotePage>(Noshisettei::OmoteTab);
    forms::setText(p->Text10, QStringLiteral("二百一"));
    p->Command11->click();
    EXPECT_TRUE(ui::shownMessages().empty());
    EXPECT_EQ(app::store().OmoteCount(), 201);

    forms::setText(p->Text10, QStringLiteral("二百二"));
    p->Command11->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("登録できる表書きは201件までです。")});
    EXPECT_EQ(app::store().OmoteCount(), 201);
    EXPECT_EQ(p->Combo5->count(), 201);
    EXPECT_EQ(w->Combo2->count(), 202);
    EXPECT_EQ(w->Combo2->itemText(201), QStringLiteral("二百一"));
}
