#include "config/ConfigSupport.h"

#include "config/CompanyNamePage.h"
#include "platform/richtext/RichTextBox.h"
#include "common/FontDialogDriver.h"
#include "platform/services/Dialogs.h"
#include "platform/vb/VbNum.h"
#include "platform/richtext/RichTextEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

using namespace config;

namespace {

class CompanyNameTest : public ConfigTest {
protected:
    QTemporaryDir files;
    std::deque<QString> savePaths; // answers of the file dialogs; empty: cancelled

    void SetUp() override
    {
        ConfigTest::SetUp();
        ui::clearShownDialogs();
        ui::setDialogAnswerer([this](const ui::DialogRequest&) {
            ui::DialogAnswer a;
            if (!savePaths.empty()) {
                a.accepted = !savePaths.front().isEmpty();
                a.path = savePaths.front();
                savePaths.pop_front();
            }
            return a;
        });
    }
    void TearDown() override
    {
        ui::setDialogAnswerer({});
        ConfigTest::TearDown();
    }
    CompanyNamePage* page() { return open(w->mnuSet8).tab<CompanyNamePage>(Noshisettei::CompanyNameTab); }
    // A company-name file written as another program would: fonts without "@".
    QString writeFile(const QString& name, const QString& text, const QString& font)
    {
        rt::RichTextBox b;
        b.setSelFontName(font);
        b.setSelText(text);
        const QString path = files.filePath(name);
        EXPECT_TRUE(b.saveFile(path));
        return path;
    }
    void type(CompanyNamePage* p, CompanyNamePage::Sheet s, const QString& text)
    {
        rt::RichTextBox* b = p->box(s);
        b->setSelStart(b->document().length());
        b->setSelText(text);
    }
    bool closeDialog() { return host->window().unload(); }
};

} // namespace

TEST_F(CompanyNameTest, NewInstallationOpensEmptyVerticalBoxesAtTheLeftEdge)
{
    CompanyNamePage* p = page();
    for (auto s : {CompanyNamePage::Iwai, CompanyNamePage::Hotoke}) {
        EXPECT_TRUE(p->box(s)->text().isEmpty());
        EXPECT_TRUE(p->box(s)->vertical());
        EXPECT_EQ(p->box(s)->insertionFormat().fontName, QStringLiteral("@ＭＳ Ｐ明朝"));
        EXPECT_FALSE(p->changed(s));
    }
    EXPECT_TRUE(p->Option7->isChecked());
    EXPECT_TRUE(p->Option9->isChecked());
    EXPECT_TRUE(ui::shownMessages().empty());

    // Edges are kept per sheet, at once.
    p->Option8->click();
    p->Option10->click();
    EXPECT_FALSE(app::store().CoPrintSetB);
    EXPECT_TRUE(app::store().CoPrintSetA);
    p->Option7->click();
    EXPECT_TRUE(p->Option9->isChecked());
    p->Option8->click();
    EXPECT_TRUE(p->Option10->isChecked());
}

TEST_F(CompanyNameTest, SavedNamesReopenInVerticalFontsAndStrangersGetTheirAt)
{
    const QString plain = writeFile(QStringLiteral("plain.rtf"), QStringLiteral("株式会社"), QStringLiteral("ＭＳ 明朝"));
    app::store().CoNameB = plain;
    CompanyNamePage* p = page();
    rt::RichTextBox* hotoke = p->box(CompanyNamePage::Hotoke);
    EXPECT_EQ(hotoke->text(), QStringLiteral("株式会社"));
    hotoke->setSelStart(0);
    hotoke->setSelLength(4);
    EXPECT_EQ(hotoke->selFontName(), QStringLiteral("@ＭＳ 明朝"));

    type(p, CompanyNamePage::Iwai, QStringLiteral("山田商店"));
    EXPECT_TRUE(p->changed(CompanyNamePage::Iwai));
    const QString saved = files.filePath(QStringLiteral("iwai.rtf"));
    savePaths = {saved};
    p->Command3->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("「祝のし」印刷用の社名ﾌｧｲﾙを保存します。")});
    ASSERT_EQ(ui::shownDialogs().size(), 1u);
    EXPECT_EQ(ui::shownDialogs()[0].kind, ui::DialogKind::SaveFile);
    EXPECT_EQ(ui::shownDialogs()[0].title, QStringLiteral("名前を付けて保存"));
    EXPECT_EQ(app::store().CoNameA, saved);
    EXPECT_FALSE(p->changed(CompanyNamePage::Iwai));

    ASSERT_TRUE(closeDialog());
    p = page();
    EXPECT_EQ(p->box(CompanyNamePage::Iwai)->text(), QStringLiteral("山田商店"));
    EXPECT_EQ(p->box(CompanyNamePage::Hotoke)->text(), QStringLiteral("株式会社"));
}

TEST_F(CompanyNameTest, FontAndColourNeedASelectionWhileTheSizeBoxDoesNot)
{
    CompanyNamePage* p = page();
    for (QPushButton* command : {p->Command2, p->Command10}) {
        ui::clearShownMessages();
        command->click();
        EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("変更する文字を選択(反転)してください。")});
    }
    EXPECT_TRUE(ui::shownDialogs().empty());

    ui::clearShownMessages();
    forms::setText(p->Text1, QStringLiteral("20.5")); // halves to even
    EXPECT_TRUE(ui::shownMessages().empty());
    EXPECT_EQ(p->box(CompanyNamePage::Iwai)->insertionFormat().size, 20);

    type(p, CompanyNamePage::Iwai, QStringLiteral("寿"));
    p->box(CompanyNamePage::Iwai)->setSelStart(0);
    p->box(CompanyNamePage::Iwai)->setSelLength(1);
    p->Command10->click(); // the colour dialog answers cancel
    ASSERT_EQ(ui::shownDialogs().size(), 1u);
    EXPECT_EQ(ui::shownDialogs()[0].color, vb::Rgb(0, 0, 255));
}

TEST_F(CompanyNameTest, ClosingAsksPerChangedSheetHotokeFirst)
{
    CompanyNamePage* p = page();
    type(p, CompanyNamePage::Iwai, QStringLiteral("祝"));
    type(p, CompanyNamePage::Hotoke, QStringLiteral("仏"));
    const QString askHotoke = QStringLiteral("仏のし印刷用社名をファイルに保存しますか？");
    const QString askIwai = QStringLiteral("祝のし印刷用社名をファイルに保存しますか？");
    const QString saveHotoke = QStringLiteral("「仏のし」印刷用の社名ﾌｧｲﾙを保存します。");

    // Yes: only 仏のし is saved, the dialog stays. A cancelled save dialog asks again next time.
    answers = {ui::Answer::Yes};
    savePaths = {QString()};
    EXPECT_FALSE(closeDialog());
    EXPECT_EQ(messageTexts(), QStringList({askHotoke, saveHotoke}));
    EXPECT_TRUE(p->Option8->isChecked());
    ui::clearShownMessages();
    answers = {ui::Answer::Yes};
    savePaths = {files.filePath(QStringLiteral("hotoke.rtf"))};
    EXPECT_FALSE(closeDialog());
    EXPECT_EQ(messageTexts(), QStringList({askHotoke, saveHotoke}));
    EXPECT_FALSE(p->changed(CompanyNamePage::Hotoke));

    // Then only 祝のし is asked about; cancel keeps the dialog, no lets it close.
    ui::clearShownMessages();
    answers = {ui::Answer::Cancel};
    EXPECT_FALSE(closeDialog());
    answers = {ui::Answer::No};
    EXPECT_TRUE(closeDialog());
    EXPECT_EQ(messageTexts(), QStringList({askIwai, askIwai}));
}

TEST_F(CompanyNameTest, ActivationKeepsEditsAndClearReloadsTheOtherSheet)
{
    app::store().CoNameB = writeFile(QStringLiteral("b.rtf"), QStringLiteral("仏具店"), QStringLiteral("@ＭＳ 明朝"));
    app::store().CoNameA = writeFile(QStringLiteral("a.rtf"), QStringLiteral("祝い屋"), QStringLiteral("@ＭＳ 明朝"));
    CompanyNamePage* p = page();
    type(p, CompanyNamePage::Iwai, QStringLiteral("追記"));
    host->window().peek()->Form_Activate(); // back from another window
    EXPECT_TRUE(p->changed(CompanyNamePage::Iwai)) << "an edit is never closed away without the question";

    // Clearing 祝のし drops the unsaved edit of 仏のし without a question.
    type(p, CompanyNamePage::Hotoke, QStringLiteral("追記"));
    p->Command14->click();
    EXPECT_TRUE(ui::shownMessages().empty());
    EXPECT_TRUE(app::store().CoNameA.isEmpty());
    EXPECT_TRUE(p->box(CompanyNamePage::Iwai)->text().isEmpty());
    EXPECT_EQ(p->box(CompanyNamePage::Hotoke)->text(), QStringLiteral("仏具店"));
    EXPECT_FALSE(p->changed(CompanyNamePage::Hotoke));
    EXPECT_TRUE(QFileInfo::exists(files.filePath(QStringLiteral("a.rtf")))) << "the file itself stays";
    EXPECT_TRUE(closeDialog());
}

TEST_F(CompanyNameTest, UnreadableFilesAndFailedSavesAreReportedAndKeepThePaths)
{
    const QString gone = files.filePath(QStringLiteral("gone.rtf"));
    app::store().CoNameA = gone;
    CompanyNamePage* p = page();
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_TRUE(ui::shownMessages()[0].text.contains(gone));
    EXPECT_EQ(app::store().CoNameA, gone);

    // A save that cannot be written: a message, the old path and the changed mark stay.
    type(p, CompanyNamePage::Iwai, QStringLiteral("社名"));
    ui::clearShownMessages();
    savePaths = {files.filePath(QStringLiteral("no/such/folder/a.rtf"))};
    p->Command3->click();
    EXPECT_EQ(ui::shownMessages().size(), 2u);
    EXPECT_EQ(app::store().CoNameA, gone);
    EXPECT_TRUE(p->changed(CompanyNamePage::Iwai));

    // Opening what is no rich-text file leaves the box empty and the path as it was.
    ui::clearShownMessages();
    savePaths = {files.path()};
    p->Command4->click();
    EXPECT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_TRUE(p->box(CompanyNamePage::Iwai)->text().isEmpty());
    EXPECT_EQ(app::store().CoNameA, gone);
}

// The font command opens the font dialog on the selection's font and colour;
// what is picked there reaches the selection, the label and the saved file,
// under the name as listed.
TEST_F(CompanyNameTest, FontDialogStartsFromTheSelectionAndItsChoiceIsSaved)
{
    CompanyNamePage* p = page();
    type(p, CompanyNamePage::Iwai, QStringLiteral("山田商店"));
    rt::RichTextBox* b = p->box(CompanyNamePage::Iwai);
    b->setSelStart(0);
    b->setSelLength(2);
    b->setSelColor(0x808080);
    const auto size = b->selFontSize();
    ui::setDialogAnswerer({}); // the real font dialog
    QString presetName;
    QString presetColour;
    testing_support::FontDialogDriver driver([&](ui::FontDialog& d) {
        presetName = d.familyEdit->text();
        presetColour = d.colorList->currentText();
        testing_support::FontDialogDriver::pick(d.familyList, QStringLiteral("青柳衡山フォントT"));
        testing_support::FontDialogDriver::pick(d.styleList, QStringLiteral("太字 斜体"));
        testing_support::FontDialogDriver::pick(d.sizeList, QStringLiteral("48"));
        d.underlineBox->click();
        testing_support::FontDialogDriver::pickColor(d, QStringLiteral("赤"));
        d.okButton->click();
    });
    p->Command2->click();
    ASSERT_TRUE(driver.shown());
    EXPECT_EQ(presetName, QStringLiteral("@ＭＳ Ｐ明朝"));
    EXPECT_EQ(presetColour, QStringLiteral("グレー"));
    EXPECT_EQ(b->selFontName(), QStringLiteral("青柳衡山フォントT"));
    EXPECT_EQ(b->selColor(), 0x0000FFu);
    EXPECT_EQ(b->selBold(), true);
    EXPECT_EQ(b->selItalic(), true);
    EXPECT_EQ(b->selUnderline(), true);
    EXPECT_EQ(b->selStrikeThru(), false);
    EXPECT_EQ(b->selFontSize(), size) << "sizes are set with the size box";
    EXPECT_EQ(p->Label2->text(), QStringLiteral("青柳衡山フォントT"));
    EXPECT_TRUE(p->Label2->styleSheet().contains(QStringLiteral("#ff0000")));

    const QString saved = files.filePath(QStringLiteral("iwai.rtf"));
    savePaths = {saved};
    ui::setDialogAnswerer([saved](const ui::DialogRequest&) {
        ui::DialogAnswer a;
        a.accepted = true;
        a.path = saved;
        return a;
    });
    p->Command3->click();
    rt::RichTextBox reread;
    ASSERT_TRUE(reread.loadFile(saved));
    reread.setSelStart(0);
    reread.setSelLength(2);
    EXPECT_EQ(reread.selFontName(), QStringLiteral("青柳衡山フォントT"));
    EXPECT_EQ(reread.selColor(), 0x0000FFu);
    EXPECT_EQ(reread.selBold(), true);
    EXPECT_EQ(reread.selUnderline(), true);
}

namespace {
void sendClick(QWidget* target)
{
    const QPoint at(target->width() / 2, 20);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons(),
                      Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
}
void typeKeys(QWidget* target, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}
} // namespace

TEST_F(CompanyNameTest, AnEditTypedSurvivesASwitchToTheMainWindowAndIsAskedAboutAtOk)
{
    CompanyNamePage* p = page();
    Noshisettei& dialog = *host->window().peek();
    w->show();
    QApplication::setActiveWindow(&dialog);
    sendClick(p->view2->viewport());
    typeKeys(p->view2, QStringLiteral("山田商店"));
    rt::RichTextBox* iwai = p->box(CompanyNamePage::Iwai);
    ASSERT_EQ(iwai->text(), QStringLiteral("山田商店"));
    iwai->setSelStart(0);
    iwai->setSelLength(4);
    EXPECT_EQ(iwai->selFontSize(), 12.0) << "an empty box types in 12 pt";
    EXPECT_EQ(iwai->selFontName(), QStringLiteral("@ＭＳ Ｐ明朝"));

    // To the main window and back, then OK: the edit is asked about; cancel keeps the dialog.
    QApplication::setActiveWindow(w.get());
    QApplication::setActiveWindow(&dialog);
    ui::clearShownMessages();
    answers = {ui::Answer::Cancel};
    dialog.Command1[Noshisettei::CompanyNameTab]->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("祝のし印刷用社名をファイルに保存しますか？")});
    EXPECT_NE(host->window().peek(), nullptr) << "the dialog stays open";
    EXPECT_EQ(iwai->text(), QStringLiteral("山田商店"));
}
