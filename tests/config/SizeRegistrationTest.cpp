#include "config/ConfigSupport.h"

#include "common/FileBytes.h"
#include "platform/forms/UpDown.h"

using namespace config;

namespace {

const QString Iwai = QStringLiteral("萌黄（祝大）　");
const QString No1 = QStringLiteral("ＮＯ１　　　　");
const QString InputTitle = QStringLiteral("入力事項の確認");

app::RegisteredSize tagged(int tag)
{
    app::RegisteredSize z = app::RegisteredSize::make(QStringLiteral("Ａ４判　　　　"), QStringLiteral("S%1").arg(tag),
                                                      100 + tag, 200 + tag);
    for (int st = 0; st < app::NameStyleCount; ++st) {
        z.RegOffsetX[size_t(st)] = 10 * tag + st;
        z.RegOffsetOmote[size_t(st)] = -(10 * tag + st);
        z.RegOffsetName[size_t(st)] = 5 * tag;
    }
    return z;
}

} // namespace

TEST_F(ConfigTest, RegisteringThroughTheTabReachesTheDataFileAndEveryList)
{
    w->Combo1->setEditText(QStringLiteral("いまの選択"));
    SizeRegistrationPage& r = reg();
    EXPECT_EQ(r.Combo4->count(), 78) << "rows 1 to 78, the test template not offered";
    EXPECT_EQ(r.Combo4->itemText(0), QStringLiteral("萌黄（祝大）　　390×180㎜"));

    pick(r, Iwai);
    EXPECT_EQ(r.Text4->text(), Iwai);
    EXPECT_EQ(r.Text20->text(), QStringLiteral("390"));
    EXPECT_EQ(r.Text21->text(), QStringLiteral("180"));
    EXPECT_EQ(app::store().TemplateIndex, 1);
    forms::setText(r.Text5, QStringLiteral("お祝い大"));
    forms::setText(r.Text20, QStringLiteral("389.5")); // halves go to the even neighbour
    r.Command7->click();

    EXPECT_TRUE(ui::shownMessages().empty()) << messageTexts().join('|').toStdString();
    const app::RegisteredSize want = app::RegisteredSize::make(Iwai, QStringLiteral("お祝い大"), 390, 180);
    ASSERT_EQ(app::store().RegSizeCount(), 1);
    EXPECT_EQ(app::store().size(0), want);
    const app::LiveStore disk = onDisk();
    ASSERT_EQ(disk.RegSizeCount(), 1) << "written at once, not only at exit";
    EXPECT_EQ(disk.size(0), want);

    EXPECT_EQ(items(w->Combo1), QStringList{QStringLiteral("お祝い大")});
    EXPECT_EQ(w->Combo1->currentText(), QStringLiteral("いまの選択")) << "the main window's choice stays";
    EXPECT_EQ(items(r.Combo10), QStringList{QStringLiteral("お祝い大")});
    EXPECT_TRUE(r.Combo10->currentText().isEmpty());
    QTableWidget* grid = host->window().peek()->tab<SizeStatusPage>(Noshisettei::SizeStatusTab)->MSFlexGrid1;
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("お祝い大"));
    EXPECT_EQ(grid->item(0, 1)->text(), Iwai);
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("390"));
    // The inputs are reset for the next size.
    for (QLineEdit* box : {r.Text4, r.Text5, r.Text20, r.Text21})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(r.Combo4->currentText().isEmpty());
    EXPECT_EQ(r.Combo4->count(), 78);
    EXPECT_TRUE(r.Label12->isVisibleTo(&r));
    // The next template choice hides the done label again.
    pick(r, No1);
    EXPECT_FALSE(r.Label12->isVisibleTo(&r));
}

TEST_F(ConfigTest, ANameEqualToTheKeyAsksAndEachAnswerActs)
{
    const QString question = QStringLiteral("のし紙サイズのユーザー登録名は、ＮＯ１　　　　です。確認してください。\n"
                                            "「いいえ」を選択した場合は、のし紙サイズ名を入力してください。");
    struct Case {
        const char* what;
        ui::Answer answer;
        int stored;
        bool keyKept;
    };
    const Case cases[] = {
        {"yes", ui::Answer::Yes, 1, false},
        {"no", ui::Answer::No, 0, true},
        {"cancel", ui::Answer::Cancel, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app::store().clear();
        ui::clearShownMessages();
        SizeRegistrationPage& r = reg();
        pick(r, No1);
        forms::setText(r.Text5, QString()); // an empty name becomes the key, blanks included
        answers = {c.answer};
        r.Command7->click();

        ASSERT_EQ(ui::shownMessages().size(), 1u);
        const ui::MessageRequest& m = ui::shownMessages().front();
        EXPECT_EQ(m.text, question);
        EXPECT_EQ(m.title, QStringLiteral("のし紙サイズ名登録"));
        EXPECT_EQ(m.buttons, ui::Buttons::YesNoCancel);
        ASSERT_EQ(app::store().RegSizeCount(), c.stored);
        if (c.stored) {
            EXPECT_EQ(app::store().size(0).RegSizeName[0], No1);
        }
        if (c.answer == ui::Answer::No) {
            EXPECT_TRUE(r.Text5->text().isEmpty());
            EXPECT_EQ(r.Text4->text(), No1);
            EXPECT_EQ(r.Text20->text(), QStringLiteral("120"));
        }
        if (c.answer == ui::Answer::Cancel) {
            for (QLineEdit* box : {r.Text4, r.Text5, r.Text20, r.Text21})
                EXPECT_TRUE(box->text().isEmpty());
            EXPECT_TRUE(r.Combo4->currentText().isEmpty());
        }
    }
    // The key typed without its filling blanks is a name of its own: no question.
    app::store().clear();
    ui::clearShownMessages();
    registerSize(No1, QStringLiteral("ＮＯ１"));
    EXPECT_TRUE(ui::shownMessages().empty());
    EXPECT_EQ(app::store().RegSizeCount(), 1);
}

TEST_F(ConfigTest, DuplicateNamesAreComparedCharacterForCharacter)
{
    registerSize(No1, QStringLiteral("Ａ箱"));
    registerSize(No1, QStringLiteral("Ａ箱"));
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_EQ(ui::shownMessages()[0].text, QStringLiteral("この名称は既に登録されています。ユーザー登録名を変更して下さい。"));
    EXPECT_EQ(ui::shownMessages()[0].icon, ui::Icon::Critical);
    EXPECT_TRUE(reg().Text5->text().isEmpty());
    EXPECT_EQ(app::store().RegSizeCount(), 1);

    // A trailing blank or a half-width letter makes another name.
    registerSize(No1, QStringLiteral("Ａ箱 "));
    registerSize(No1, QStringLiteral("A箱"));
    EXPECT_EQ(app::store().sizeNames(),
              QStringList({QStringLiteral("Ａ箱"), QStringLiteral("Ａ箱 "), QStringLiteral("A箱")}));
    EXPECT_EQ(items(w->Combo1), app::store().sizeNames());
}

TEST_F(ConfigTest, MissingOrUnknownTemplatesAndUnstorableNamesAreRefused)
{
    SizeRegistrationPage& r = reg();
    r.Command7->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("ひな形を選択して下さい。")});

    // A template text that names no template: the choice says so and keeps the size boxes.
    ui::clearShownMessages();
    forms::setText(r.Text20, QStringLiteral("77"));
    r.Combo4->setEditText(QStringLiteral("存在しない型です"));
    r.Combo4_Click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("選択されたのし紙サイズが見つかりません。")});
    EXPECT_EQ(ui::shownMessages()[0].title, InputTitle);
    EXPECT_EQ(r.Text4->text(), QStringLiteral("存在しない型で"));
    EXPECT_EQ(r.Text20->text(), QStringLiteral("77"));
    // Registering it would bind a size to nothing printable.
    ui::clearShownMessages();
    forms::setText(r.Text5, QStringLiteral("名前"));
    r.Command7->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("選択されたのし紙サイズが見つかりません。")});

    // A name the data file cannot hold.
    ui::clearShownMessages();
    registerSize(No1, QStringLiteral("箱😀"));
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_TRUE(ui::shownMessages()[0].text.contains(QStringLiteral("「😀」")));
    EXPECT_EQ(app::store().RegSizeCount(), 0);
    EXPECT_TRUE(w->Combo1->count() == 0 && reg().Combo10->count() == 0);
}

TEST_F(ConfigTest, TheHundredAndSecondSizeIsRefusedAndNothingChanges)
{
    for (int i = 0; i < app::LiveStore::RegSizeCapacity; ++i)
        ASSERT_TRUE(app::store().addSize(app::RegisteredSize::make(No1, QString::number(i), 0, 0)));
    SizeRegistrationPage& r = reg();
    ASSERT_EQ(r.Combo10->count(), 101);
    registerSize(No1, QStringLiteral("もう一つ"));
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("登録できるのし紙サイズは101件までです。")});
    EXPECT_EQ(app::store().RegSizeCount(), 101);
    EXPECT_EQ(r.Combo10->count(), 101);
    EXPECT_EQ(r.Text5->text(), QStringLiteral("もう一つ")) << "the typed name stays for another try";
}

TEST_F(ConfigTest, EmptyOrNonNumericSizeBoxesStoreTheTemplatesOwnSize)
{
    SizeRegistrationPage& r = reg();
    pick(r, No1);
    forms::setText(r.Text5, QStringLiteral("箱"));
    forms::setText(r.Text20, QString());
    forms::setText(r.Text21, QStringLiteral("abc"));
    r.Command7->click();
    ASSERT_EQ(app::store().RegSizeCount(), 1);
    EXPECT_EQ(app::store().size(0).RegSizeWidth, 0);
    EXPECT_EQ(app::store().size(0).RegSizeHeight, 0);
}

TEST_F(ConfigTest, DeletingByNameMovesTheLaterRowsUpAndRebuildsEveryList)
{
    for (int tag = 1; tag <= 3; ++tag)
        ASSERT_TRUE(app::store().addSize(tagged(tag)));
    host->refillSizeNames(app::store().sizeNames()); // as the main window's start fills it
    SizeRegistrationPage& r = reg();
    r.Combo10->setEditText(QStringLiteral("S2"));
    r.Command8->click();

    EXPECT_TRUE(ui::shownMessages().empty()) << "deleting by name asks nothing";
    ASSERT_EQ(app::store().RegSizeCount(), 2);
    EXPECT_EQ(app::store().size(1), tagged(3));
    EXPECT_EQ(onDisk().size(1), tagged(3));
    const QStringList left{QStringLiteral("S1"), QStringLiteral("S3")};
    EXPECT_EQ(items(r.Combo10), left);
    EXPECT_EQ(r.Combo10->currentText(), QStringLiteral("　削除しました。"));
    EXPECT_EQ(items(w->Combo1), left);
    EXPECT_TRUE(w->Combo1->currentText().isEmpty());
    EXPECT_EQ(host->window().peek()->tab<SizeStatusPage>(Noshisettei::SizeStatusTab)->MSFlexGrid1->rowCount(), 2);

    // Pressing delete again finds nothing.
    r.Command8->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("データが見つかりません。確認して下さい。")});

    // The last sizes: the lists end empty, and the file says so.
    for (const QString& n : left) {
        r.Combo10->setEditText(n);
        r.Command8->click();
    }
    EXPECT_EQ(app::store().RegSizeCount(), 0);
    EXPECT_EQ(w->Combo1->count(), 0);
    EXPECT_EQ(onDisk().RegSizeCount(), 0);
}

TEST_F(ConfigTest, TheStatusGridUpdatesAndDeletesAfterItsQuestions)
{
    for (int tag = 1; tag <= 2; ++tag)
        ASSERT_TRUE(app::store().addSize(tagged(tag)));
    SizeStatusPage& s = status();
    ASSERT_EQ(s.MSFlexGrid1->rowCount(), 2);
    EXPECT_EQ(s.MSFlexGrid1->horizontalHeaderItem(0)->text(), QStringLiteral("　のし紙サイズ名　　　　"));
    EXPECT_EQ(s.MSFlexGrid1->horizontalHeaderItem(4)->text(), QString(8, QChar(0x3000)));

    s.MSFlexGrid1->setCurrentCell(1, 2);
    s.MSFlexGrid1_Click();
    EXPECT_EQ(s.Text3->text(), QStringLiteral("S2"));
    EXPECT_EQ(s.Text6->text(), QStringLiteral("102"));
    EXPECT_EQ(s.Text9->text(), QStringLiteral("202"));

    // Missing inputs are named before any question.
    struct Missing {
        QString name, width, height, message;
    };
    const Missing missing[] = {
        {QString(), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("のし紙サイズ名を入力してください。")},
        {QStringLiteral("n"), QString(), QStringLiteral("1"), QStringLiteral("のし紙サイズを入力してください。")},
        {QStringLiteral("n"), QStringLiteral("1"), QString(), QStringLiteral("のし紙サイズを入力してください。")},
    };
    for (const Missing& m : missing) {
        ui::clearShownMessages();
        forms::setText(s.Text3, m.name);
        forms::setText(s.Text6, m.width);
        forms::setText(s.Text9, m.height);
        s.Command16->click();
        EXPECT_EQ(messageTexts(), QStringList{m.message});
    }

    // Update: No keeps the row; Yes changes name, width and height only. It may
    // give a row the name of another.
    s.MSFlexGrid1->setCurrentCell(1, 0);
    forms::setText(s.Text3, QStringLiteral("S1"));
    forms::setText(s.Text6, QStringLiteral("60"));
    forms::setText(s.Text9, QStringLiteral("270"));
    ui::clearShownMessages();
    answers = {ui::Answer::No};
    s.Command16->click();
    EXPECT_EQ(app::store().size(1), tagged(2));
    answers = {ui::Answer::Yes};
    s.Command16->click();
    EXPECT_EQ(messageTexts(), QStringList(2, QStringLiteral("登録内容を変更します。よろしいですか？")));
    app::RegisteredSize want = tagged(2);
    want.RegSizeName.fill(QStringLiteral("S1"));
    want.RegSizeWidth = 60;
    want.RegSizeHeight = 270;
    EXPECT_EQ(app::store().size(1), want);
    EXPECT_EQ(onDisk().size(1), want);
    EXPECT_EQ(items(w->Combo1), QStringList({QStringLiteral("S1"), QStringLiteral("S1")}));
    EXPECT_TRUE(s.Text3->text().isEmpty()) << "the grid was refilled";

    // Delete: the question names the size; only Yes deletes, the first row of that name.
    ui::clearShownMessages();
    forms::setText(s.Text3, QStringLiteral("S1"));
    answers = {ui::Answer::Cancel};
    s.Command21->click();
    EXPECT_EQ(app::store().RegSizeCount(), 2);
    forms::setText(s.Text3, QStringLiteral("S1"));
    answers = {ui::Answer::Yes};
    s.Command21->click();
    EXPECT_EQ(messageTexts(), QStringList(2, QStringLiteral("のし紙サイズ：S1を削除します。よろしいですか？")));
    ASSERT_EQ(app::store().RegSizeCount(), 1);
    EXPECT_EQ(app::store().size(0), want);
    EXPECT_EQ(s.MSFlexGrid1->rowCount(), 1);
    EXPECT_EQ(items(reg().Combo10), QStringList{QStringLiteral("S1")});

    ui::clearShownMessages();
    forms::setText(s.Text3, QString());
    s.Command21->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("のし紙サイズ名を入力してください。")});
}

TEST_F(ConfigTest, SpinButtonsWarnByBeepAndRedTextButNeverBlock)
{
    SizeRegistrationPage& r = reg();
    pick(r, QStringLiteral("短冊（大）　　")); // 60 x 265
    struct Step {
        noshi::UpDown* spin;
        int value;
        QLabel* warning;
        bool warns;
    };
    const Step steps[] = {
        {r.UpDown2, 30, r.Label25, false}, {r.UpDown2, 29, r.Label25, true}, {r.UpDown2, 31, r.Label25, false},
        {r.UpDown3, 260, r.Label22, false}, {r.UpDown3, 259, r.Label22, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.value);
        const int beeps = ui::beepCount();
        s.spin->setValue(s.value);
        EXPECT_EQ(s.spin->buddy()->text(), QString::number(s.value));
        EXPECT_EQ(s.warning->isVisibleTo(&r), s.warns);
        EXPECT_EQ(ui::beepCount() - beeps, s.warns ? 1 : 0);
    }
    // Typing does not check.
    forms::setText(r.Text20, QStringLiteral("5"));
    EXPECT_FALSE(r.Label25->isVisibleTo(&r));
    // The warning does not block; the boxes are stored as they are, and the warnings hide.
    forms::setText(r.Text5, QStringLiteral("低い短冊"));
    r.Command7->click();
    ASSERT_EQ(app::store().RegSizeCount(), 1);
    EXPECT_EQ(app::store().size(0).RegSizeWidth, 5);
    EXPECT_EQ(app::store().size(0).RegSizeHeight, 259);
    EXPECT_FALSE(r.Label22->isVisibleTo(&r));
}

// A data file of three sizes whose count line is spoilt loads none of them;
// the first save over it, a registration, keeps the old bytes aside.
class DamagedDataFileTest : public ConfigTest {
protected:
    QByteArray damaged;
    QString path() const { return dataDir.filePath(QStringLiteral("NoshiData4.log")); }
    void SetUp() override
    {
        app::LiveStore three;
        for (int i = 0; i < 3; ++i)
            three.addSize(tagged(i));
        ASSERT_TRUE(app::WriteDataFile(three, path()).ok);
        QList<QByteArray> lines = fileBytes(path()).split('\n');
        ASSERT_EQ(lines[1], " 3 \r");
        lines[1] = " x \r";
        damaged = lines.join('\n');
        writeFileBytes(path(), damaged);
        ConfigTest::SetUp();
    }
};

TEST_F(DamagedDataFileTest, IsKeptAsDamagedBeforeTheFirstSaveOverIt)
{
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts()[0].contains(QStringLiteral("「NoshiData4.log.damaged」として残します")))
        << messageTexts()[0].toStdString();
    EXPECT_EQ(app::store().RegSizeCount(), 0);

    registerSize(Iwai, QStringLiteral("祝のし大"));
    EXPECT_EQ(fileBytes(path() + ".damaged"), damaged);
    EXPECT_EQ(onDisk().RegSizeCount(), 1);
    // Later saves write over the program's own file and keep no more copies.
    registerSize(No1, QStringLiteral("ＮＯ１"));
    EXPECT_EQ(onDisk().RegSizeCount(), 2);
    EXPECT_FALSE(QFileInfo::exists(path() + ".damaged.1"));
}
