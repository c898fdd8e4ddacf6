// The setup wizard driven through its pages' controls: the first run from
// the main window's activation to the summary, the refusals, the ways back
// and out, and a second run from the menu on a store that has sizes.
#include "config/ConfigSupport.h"
#include "common/SpinnerArrows.h"

#include <QImage>
#include "app/PrintersTesting.h"

#include "app/MainWizardHost.h"
#include "config/WizardOmotePage.h"
#include "config/WizardPages.h"
#include "config/WizardPrinterPage.h"
#include "config/WizardSizePage.h"
#include "config/CalibrationPage.h"
#include "config/OmotePage.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/forms/SimpleCombo.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/forms/UpDown.h"
#include "common/FontDialogDriver.h"
#include "platform/services/Dialogs.h"

#include <QApplication>
#include <QMouseEvent>

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <functional>

using namespace config;
using Step = SetupWizard::Step;

namespace {
const QString Running = QStringLiteral("初期設定ウィザード実行中");
const QString Plain = QStringLiteral("無　地");
}

class WizardTest : public ConfigTest {
protected:
    std::unique_ptr<app::MainWizardHost> wiz;
    int welcomeShown = 0;

    void SetUp() override
    {
        ConfigTest::SetUp();
        wiz = std::make_unique<app::MainWizardHost>(*w, *host);
        wiz->install();
        // Count the openings of the welcome page around the real hook.
        auto real = app::hooks().showSplash;
        app::hooks().showSplash = [this, real] {
            ++welcomeShown;
            real();
        };
        w->refreshCommandAvailability();
    }
    void TearDown() override
    {
        ui::setDialogAnswerer({});
        wiz.reset();
        ConfigTest::TearDown();
    }

    template <typename T>
    T* at(Step s) const
    {
        return qobject_cast<T*>(wiz->wizard().page(s));
    }
    // Opens the welcome page modal by `open` and runs `inside` while it is up;
    // the welcome page must be closed by then.
    void withWelcome(const std::function<void()>& open, const std::function<void(frmSplash&)>& inside)
    {
        QTimer t;
        t.setSingleShot(true);
        QObject::connect(&t, &QTimer::timeout, [&] {
            frmSplash* s = at<frmSplash>(Step::Welcome);
            ASSERT_NE(s, nullptr);
            EXPECT_TRUE(s->isModal());
            inside(*s);
            if (at<frmSplash>(Step::Welcome))
                s->unload();
        });
        t.start(0);
        open();
    }
    void chooseFontInDialog(const QString& family)
    {
        ui::setDialogAnswerer([family](const ui::DialogRequest&) {
            ui::DialogAnswer a;
            a.accepted = !family.isEmpty();
            a.font.name = family;
            return a;
        });
    }
    // Pages 1/5 to 5/5 open by the wizard's own buttons from the welcome page.
    frmSetupWiz7* openFontPageFromMenu()
    {
        withWelcome([this] { w->mnuWiz->trigger(); }, [](frmSplash& s) { s.Command2->click(); });
        return at<frmSetupWiz7>(Step::Font);
    }
    int openPages() const
    {
        int n = 0;
        for (Step s : {Step::Welcome, Step::Font, Step::Printer, Step::Size, Step::Omote, Step::Summary})
            n += wiz->wizard().page(s) != nullptr;
        return n;
    }
};

TEST_F(WizardTest, TheFirstActivationWithoutSizesOpensTheWelcomeOnceAndTheMenuAlways)
{
    ASSERT_TRUE(w->mnuWiz->isEnabled());
    QString labelWhileShown;
    withWelcome([this] { w->Form_Activate(); }, [&](frmSplash& s) {
        labelWhileShown = w->Label6->text();
        EXPECT_TRUE(s.Command2->isDefault());
        EXPECT_TRUE(s.Label7->text().startsWith(QStringLiteral("はじめに初期設定を行います。") + QString(29, QChar(0x3000))));
        s.Command1->click();
    });
    EXPECT_EQ(welcomeShown, 1);
    EXPECT_EQ(labelWhileShown, Running);
    EXPECT_EQ(w->Text4->text(), QStringLiteral("Null"));
    EXPECT_TRUE(w->Label6->text().isEmpty());
    EXPECT_EQ(openPages(), 0);

    w->Form_Activate();
    EXPECT_EQ(welcomeShown, 1) << "once per run";

    bool enterAsTab = true;
    withWelcome([this] { w->mnuWiz->trigger(); }, [&](frmSplash& s) {
        enterAsTab = forms::EnterAsTab::isInstalled(&s);
        s.reject(); // Escape: its cancel button
    });
    EXPECT_EQ(welcomeShown, 2) << "the menu item opens it whatever the marker says";
    EXPECT_FALSE(enterAsTab) << "Enter presses its default button instead";
    EXPECT_TRUE(w->Label6->text().isEmpty());
    EXPECT_EQ(openPages(), 0);
}

TEST_F(WizardTest, AFirstRunLeavesStoreListsSettingsAndDataFileFilled)
{
    chooseFontInDialog(QStringLiteral("@ＭＳ ゴシック"));
    withWelcome([this] { w->Form_Activate(); }, [](frmSplash& s) { s.Command2->click(); });

    // 1/5: the vertical variant of a font is recorded by its plain name.
    frmSetupWiz7* font = at<frmSetupWiz7>(Step::Font);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->windowTitle(), frmSetupWiz7::Caption);
    EXPECT_EQ(font->Text9->text(), QStringLiteral("ＭＳ 明朝")) << "the main window's font, read at load";
    font->Command1->click();
    EXPECT_EQ(font->Text9->text(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(font->Text5->text(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(font->Text1->font().family(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(font->Text4->text(), QStringLiteral("あぁアァ亜字"));
    EXPECT_EQ(font->Text3->text(), QStringLiteral("亜　字"));
    EXPECT_EQ(font->Text3->font().pointSize(), 20);
    EXPECT_EQ(w->Combo4->currentText(), QStringLiteral("ＭＳ ゴシック")) << "the print font changes at once";
    font->Command4->click();
    EXPECT_EQ(at<frmSetupWiz7>(Step::Font), nullptr);

    // 2/5: a grey, the laser preset, 半紙判 on A4, the second printer.
    frmSetupWiz6* printer = at<frmSetupWiz6>(Step::Printer);
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->Picture2->colour(), 0xC0C0C0u) << "the stored default colour";
    EXPECT_EQ(printer->Combo5->count(), 2);
    EXPECT_EQ(printer->Combo5->currentText(), QStringLiteral("PDF-A"));
    printer->PictureUcolor[9]->click();
    EXPECT_EQ(app::store().UsuzumiColor, 0xBFBFBFu);
    EXPECT_EQ(printer->Picture2->colour(), 0xBFBFBFu);
    EXPECT_EQ(printer->Text1->palette().color(QPalette::Text), QColor(0xBF, 0xBF, 0xBF));
    EXPECT_EQ(printer->Text1->toPlainText(), QStringLiteral("粗\n供\n養"));
    EXPECT_EQ(printer->Text2->font().family(), QStringLiteral("ＭＳ ゴシック"));
    printer->Option2->click();
    EXPECT_TRUE(w->Option9->isChecked());
    EXPECT_EQ(forms::checkValue(w->Check3), 1);
    printer->CheckHanshiban->click();
    EXPECT_EQ(forms::checkValue(w->CheckHanshiban), 1);
    forms::setListIndex(printer->Combo5, 1);
    EXPECT_EQ(app::currentPrinterName(), QStringLiteral("PDF-B"));
    printer->Command1->click();

    // 3/5: one size, written to the data file at once.
    frmSetupWiz2* size = at<frmSetupWiz2>(Step::Size);
    ASSERT_NE(size, nullptr);
    ASSERT_EQ(size->Combo1->count(), 79) << "row 0 included";
    const int row = size->Combo1->findText(QStringLiteral("萌黄（祝大）　"), Qt::MatchStartsWith);
    ASSERT_GE(row, 0);
    EXPECT_TRUE(size->Combo1->itemText(row).contains(QStringLiteral("3142"))) << "with the catalogue numbers";
    forms::setListIndex(size->Combo1, row);
    EXPECT_EQ(size->Text20->text(), QStringLiteral("390"));
    EXPECT_EQ(size->Text21->text(), QStringLiteral("180"));
    forms::setText(size->Text5, QStringLiteral("祝のし大"));
    size->Command5->click();
    EXPECT_TRUE(ui::shownMessages().empty()) << messageTexts().join('|').toStdString();
    EXPECT_FALSE(size->Label6->isHidden());
    EXPECT_EQ(items(size->Combo10), QStringList{QStringLiteral("祝のし大")});
    EXPECT_EQ(items(w->Combo1), QStringList{QStringLiteral("祝のし大")});
    const app::LiveStore disk = onDisk();
    ASSERT_EQ(disk.RegSizeCount(), 1);
    EXPECT_EQ(disk.size(0).RegSizeTemplate[2], QStringLiteral("萌黄（祝大）　"));
    EXPECT_EQ(disk.size(0).RegSizeWidth, 390);
    size->Command1->click();

    // 4/5: a double-click on the standard list registers at once; a typed one by the button.
    frmSetupWiz3* omote = at<frmSetupWiz3>(Step::Omote);
    ASSERT_NE(omote, nullptr);
    ASSERT_EQ(omote->Combo2->count(), 95);
    omote->Combo2->doubleClickItem(1);
    EXPECT_EQ(omote->Text10->text(), QStringLiteral("御中元"));
    EXPECT_EQ(omote->Label16->text(), QStringLiteral("御中元　登録完了"));
    EXPECT_FALSE(omote->Label16->isHidden());
    forms::setText(omote->Text10, QStringLiteral("　御供物 "));
    omote->Command11->click();
    EXPECT_EQ(omote->Label16->text(), QStringLiteral("御供物　登録完了"));
    EXPECT_EQ(items(omote->Combo1), QStringList({QStringLiteral("御中元"), QStringLiteral("御供物")}));
    EXPECT_EQ(items(w->Combo2), QStringList({Plain, QStringLiteral("御中元"), QStringLiteral("御供物")}));
    EXPECT_EQ(onDisk().OmoteList(), QStringList({QStringLiteral("御中元"), QStringLiteral("御供物")}));
    omote->Command1->click();

    // 5/5: what the store holds now.
    frmSetupWiz5* summary = at<frmSetupWiz5>(Step::Summary);
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->Text2->text(), QStringLiteral("ＭＳ ゴシック"));
    ASSERT_EQ(summary->List2->count(), 2);
    EXPECT_EQ(summary->List2->item(1)->text(), QStringLiteral("御供物"));
    ASSERT_EQ(summary->MSFlexGrid1->rowCount(), 1);
    EXPECT_EQ(summary->MSFlexGrid1->horizontalHeaderItem(0)->text(), QStringLiteral("　のし紙サイズ名　　"));
    const QStringList cells = {QStringLiteral("祝のし大"), QStringLiteral("萌黄（祝大）　"), QStringLiteral("390"),
                               QStringLiteral("180"), QString()};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(summary->MSFlexGrid1->item(0, c)->text(), cells[c]) << c;
    EXPECT_TRUE(summary->Text7->styleSheet().contains(QStringLiteral("#bfbfbf")));
    EXPECT_EQ(summary->Command1->text(), QStringLiteral("完了(&F) "));
    w->Label6->setText(Running);
    summary->Command1->click();
    EXPECT_TRUE(w->Label6->text().isEmpty());
    EXPECT_EQ(openPages(), 0);

    // The main window's closing writes the settings the pages set.
    closeWindow();
    EXPECT_EQ(ini(QStringLiteral("Font")), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(ini(QStringLiteral("rtfColor")), QStringLiteral("12566463")); // &HBFBFBF
    EXPECT_EQ(ini(QStringLiteral("Toffset9")), QStringLiteral("True"));
    EXPECT_EQ(ini(QStringLiteral("Printset")), QStringLiteral("1"));
    EXPECT_EQ(ini(QStringLiteral("Hanshiban")), QStringLiteral("1"));
    EXPECT_EQ(ini(QStringLiteral("PrinterName")), QStringLiteral("PDF-B"));
    EXPECT_EQ(onDisk().RegSizeCount(), 1);
}

TEST_F(WizardTest, TheFontAndThinInkPagesRefuseToGoOnWithoutAChoice)
{
    // No print font yet: the box suggests one, next asks for a choice.
    forms::setText(w->Combo4, QString());
    frmSetupWiz7* font = openFontPageFromMenu();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Text9->text(), QStringLiteral("ＭＳ 明朝"));
    EXPECT_TRUE(font->Text5->text().isEmpty());
    font->Command4->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("フォントを選択して下さい。")});
    EXPECT_EQ(ui::shownMessages()[0].title, QStringLiteral("入力事項の確認"));
    EXPECT_EQ(at<frmSetupWiz7>(Step::Font), font) << "the page stays";

    // A cancelled font dialog blanks the first sample and changes nothing.
    chooseFontInDialog(QString());
    font->Command1->click();
    EXPECT_EQ(font->Text4->text(), QStringLiteral(" "));
    EXPECT_TRUE(w->Combo4->currentText().isEmpty());
    EXPECT_TRUE(wiz->wizard().WizardFontName.isEmpty());

    chooseFontInDialog(QStringLiteral("ＭＳ 明朝"));
    font->Command1->click();
    ui::clearShownMessages();
    font->Command4->click();
    frmSetupWiz6* printer = at<frmSetupWiz6>(Step::Printer);
    ASSERT_NE(printer, nullptr);

    // Black counts as no colour; any grey after it lets next pass.
    printer->PictureUcolor[0]->click();
    EXPECT_EQ(app::store().UsuzumiColor, 0u);
    printer->Command1->click();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("薄墨で印刷する色が選択されていません。")});
    EXPECT_EQ(at<frmSetupWiz6>(Step::Printer), printer);
    EXPECT_EQ(at<frmSetupWiz2>(Step::Size), nullptr);
    printer->PictureUcolor[6]->click();
    EXPECT_EQ(app::store().UsuzumiColor, 0x8F8F8Fu);
    printer->Command1->click();
    EXPECT_NE(at<frmSetupWiz2>(Step::Size), nullptr);
    EXPECT_EQ(at<frmSetupWiz6>(Step::Printer), nullptr);
}

TEST_F(WizardTest, BackShowsThePreviousPageAndCancelClosesOnlyThePageItIsOn)
{
    chooseFontInDialog(QStringLiteral("ＭＳ ゴシック"));
    frmSetupWiz7* font = openFontPageFromMenu();
    ASSERT_NE(font, nullptr);
    font->Command1->click();

    // Back from 1/5: the welcome page again, modeless, and on to 1/5 with the font chosen.
    font->Command2->click();
    frmSplash* welcome = at<frmSplash>(Step::Welcome);
    ASSERT_NE(welcome, nullptr);
    EXPECT_FALSE(welcome->isModal());
    EXPECT_EQ(at<frmSetupWiz7>(Step::Font), nullptr);
    welcome->Command2->click();
    font = at<frmSetupWiz7>(Step::Font);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Text9->text(), QStringLiteral("ＭＳ ゴシック"));

    // Forward to the summary, then back page by page: one page open at a time.
    font->Command4->click();
    at<frmSetupWiz6>(Step::Printer)->Command1->click();
    at<frmSetupWiz2>(Step::Size)->Command1->click();
    at<frmSetupWiz3>(Step::Omote)->Command1->click();
    ASSERT_NE(at<frmSetupWiz5>(Step::Summary), nullptr);
    EXPECT_EQ(openPages(), 1);
    at<frmSetupWiz5>(Step::Summary)->Command2->click();
    ASSERT_NE(at<frmSetupWiz3>(Step::Omote), nullptr);
    at<frmSetupWiz3>(Step::Omote)->Command2->click();
    ASSERT_NE(at<frmSetupWiz2>(Step::Size), nullptr);
    at<frmSetupWiz2>(Step::Size)->Command15->click();
    ASSERT_NE(at<frmSetupWiz6>(Step::Printer), nullptr);
    at<frmSetupWiz6>(Step::Printer)->Command2->click();
    ASSERT_NE(at<frmSetupWiz7>(Step::Font), nullptr);
    EXPECT_EQ(openPages(), 1);
    for (Step s : {Step::Font, Step::Printer, Step::Size, Step::Omote, Step::Summary}) {
        wiz->wizard().go(nullptr, s);
        EXPECT_TRUE(forms::EnterAsTab::isInstalled(wiz->wizard().page(s))) << int(s);
        if (s != Step::Font)
            wiz->wizard().page(s)->unload();
    }

    // Cancel on any of the four pages ends the wizard there and undoes nothing.
    using Cancel = std::function<void()>;
    const std::vector<std::pair<Step, Cancel>> cancels = {
        {Step::Font, [this] { at<frmSetupWiz7>(Step::Font)->Command16->click(); }},
        {Step::Printer, [this] { at<frmSetupWiz6>(Step::Printer)->Command16->click(); }},
        {Step::Size, [this] { at<frmSetupWiz2>(Step::Size)->Command16->click(); }},
        {Step::Omote, [this] { at<frmSetupWiz3>(Step::Omote)->Command16->click(); }},
    };
    for (const auto& [step, cancel] : cancels) {
        wiz->wizard().go(nullptr, step);
        w->Label6->setText(Running);
        cancel();
        EXPECT_EQ(openPages(), 0) << int(step);
        EXPECT_EQ(w->Label6->text(), Running) << "only the welcome and the summary clear it";
    }
    EXPECT_EQ(w->Combo4->currentText(), QStringLiteral("ＭＳ ゴシック")) << "the chosen font stays";

    // The summary has no cancel: Escape leaves it open; its close box closes it alone.
    wiz->wizard().go(nullptr, Step::Summary);
    at<frmSetupWiz5>(Step::Summary)->reject();
    ASSERT_NE(at<frmSetupWiz5>(Step::Summary), nullptr);
    at<frmSetupWiz5>(Step::Summary)->close();
    EXPECT_EQ(openPages(), 0);
    EXPECT_EQ(w->Label6->text(), Running);
}

TEST_F(WizardTest, TheMenuOpensItAgainOnAStoreThatHasSizes)
{
    ASSERT_TRUE(app::store().addSize(app::RegisteredSize::make(QStringLiteral("萌黄（祝大）　"), QStringLiteral("大"), 390, 180)));
    ASSERT_TRUE(app::store().addSize(app::RegisteredSize::make(QStringLiteral("萌黄（祝大）　"), QStringLiteral("小"), 0, 0)));
    host->refillSizeNames(app::store().sizeNames());
    w->Form_Activate();
    EXPECT_EQ(welcomeShown, 0) << "sizes registered: no first run";

    openFontPageFromMenu()->Command4->click();
    at<frmSetupWiz6>(Step::Printer)->Command1->click();
    frmSetupWiz2* size = at<frmSetupWiz2>(Step::Size);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(items(size->Combo10), QStringList({QStringLiteral("大"), QStringLiteral("小")}));
    EXPECT_EQ(app::imeMode(size->Text5), app::ImeMode::Hiragana);
    EXPECT_EQ(app::imeMode(size->Text20), app::ImeMode::Off);
    EXPECT_EQ(app::imeMode(size->Text21), app::ImeMode::Off);

    // The test template names the size after its key, which asks the naming question.
    forms::setListIndex(size->Combo1, 0);
    EXPECT_EQ(size->Text5->text(), QStringLiteral("Ａ４　テスト用"));
    answers = {ui::Answer::Yes};
    size->Command5->click();
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_EQ(ui::shownMessages()[0].title, QStringLiteral("のし紙サイズ名登録"));
    EXPECT_EQ(items(w->Combo1), QStringList({QStringLiteral("大"), QStringLiteral("小"), QStringLiteral("Ａ４　テスト用")}));

    // Deleting by name here rebuilds the main window's list too.
    forms::setText(size->Combo10, QStringLiteral("大"));
    size->Command7->click();
    EXPECT_EQ(size->Combo10->currentText(), QStringLiteral("　削除しました。"));
    EXPECT_EQ(items(w->Combo1), QStringList({QStringLiteral("小"), QStringLiteral("Ａ４　テスト用")}));
    EXPECT_EQ(onDisk().sizeNames(), QStringList({QStringLiteral("小"), QStringLiteral("Ａ４　テスト用")}));

    // The template search hands its choice back to this page.
    size->Command17->click();
    frmSetupWiz8* search = templateSearchWindow().peek();
    ASSERT_NE(search, nullptr);
    forms::setText(search->Text1, QStringLiteral("72.5"));
    search->Command1->click();
    search->MSFlexGrid1_Click(0, 0);
    search->Command2->click();
    EXPECT_EQ(size->Combo1->currentText(), app::catalogue().row(17).TemplateName);
    EXPECT_EQ(size->Text4->text(), QStringLiteral("ＮＯ１　　　　"));
    EXPECT_EQ(size->Text20->text(), QStringLiteral("120"));
    EXPECT_EQ(size->Text21->text(), QStringLiteral("75"));

    // The wizard's height check allows 3 mm under the template (297×210 for the test sheet).
    forms::setListIndex(size->Combo1, 0);
    forms::setText(size->Text20, QStringLiteral("214"));
    clickArrow(size->UpDown2, true); // the upper arrow counts up
    EXPECT_EQ(size->Text20->text(), QStringLiteral("215"));
    clickArrow(size->UpDown2, false);
    clickArrow(size->UpDown2, false);
    EXPECT_EQ(size->Text20->text(), QStringLiteral("213"));
    // A refused width shows its warning in red on the group's own background.
    size->show();
    forms::setText(size->Text20, QStringLiteral("30"));
    clickArrow(size->UpDown2, false); // 29: too narrow
    ASSERT_TRUE(size->Text1->isVisible());
    QWidget* group = size->Text1->parentWidget();
    const QImage shot = group->grab().toImage();
    const QRect warning = size->Text1->geometry();
    const QPoint blank(warning.right() - 3, warning.center().y()); // past the text
    ASSERT_GT(warning.width(), group->fontMetrics().horizontalAdvance(size->Text1->text()) + 10);
    EXPECT_EQ(shot.pixel(blank), shot.pixel(warning.left() - 2, warning.center().y()))
        << "the warning's blank matches the group beside it";
    forms::setText(size->Text20, QStringLiteral("214"));
    for (const auto& [height, warns] : std::vector<std::pair<int, bool>>{{207, false}, {206, true}}) {
        size->UpDown3->setValue(height);
        EXPECT_EQ(size->Text21->text(), QString::number(height));
        EXPECT_EQ(!size->Label22->isHidden(), warns) << height;
    }

    size->Command1->click();
    at<frmSetupWiz3>(Step::Omote)->Command1->click();
    frmSetupWiz5* summary = at<frmSetupWiz5>(Step::Summary);
    ASSERT_NE(summary, nullptr);
    ASSERT_EQ(summary->MSFlexGrid1->rowCount(), 2);
    EXPECT_EQ(summary->MSFlexGrid1->item(0, 0)->text(), QStringLiteral("小"));
    EXPECT_EQ(summary->MSFlexGrid1->item(0, 2)->text(), QStringLiteral("0")) << "0: the template's own width";
    EXPECT_EQ(summary->MSFlexGrid1->item(1, 2)->text(), QStringLiteral("297"));
    EXPECT_EQ(summary->List2->count(), 0);
}

TEST_F(WizardTest, ThePrinterPageShowsTheMainWindowsOptionsAndAppliesItsPresets)
{
    forms::setOptionValue(w->Option9, true);
    app::store().PrinterName = QStringLiteral("no such printer");
    app::selectPrinter(QStringLiteral("PDF-B"));
    wiz->wizard().WizardFontName = QStringLiteral("ＭＳ 明朝");
    wiz->wizard().go(nullptr, Step::Printer);
    frmSetupWiz6* p = at<frmSetupWiz6>(Step::Printer);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(forms::checkValue(p->Check1), 1);
    EXPECT_TRUE(p->Option1->isChecked()) << "no preset applied at opening";
    EXPECT_EQ(forms::checkValue(w->Check3), 0);
    EXPECT_TRUE(w->Option9->isChecked());
    EXPECT_EQ(app::currentPrinterName(), QStringLiteral("PDF-A")) << "no printer of the saved name: the first";
    EXPECT_EQ(p->Combo5->currentText(), QStringLiteral("PDF-A"));
    const uint32_t greys[12] = {0x000000, 0x1F1F1F, 0x3F3F3F, 0x5F5F5F, 0x6F6F6F, 0x7F7F7F,
                                0x8F8F8F, 0x9F9F9F, 0xAFAFAF, 0xBFBFBF, 0xCFCFCF, 0xDFDFDF};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(p->PictureUcolor[size_t(i)]->colour(), greys[i]) << i;

    // Laser, then inkjet: the main window is left with no placement option on.
    p->Option2->click();
    p->Option1->click();
    EXPECT_EQ(forms::checkValue(p->Check1), 0);
    EXPECT_EQ(forms::checkValue(p->Check3), 0);
    for (QRadioButton* o : {w->Option4, w->Option5, w->Option6, w->Option9})
        EXPECT_FALSE(o->isChecked()) << o->text().toStdString();
    EXPECT_EQ(forms::checkValue(w->Check3), 0);
    p->Check3->click();
    EXPECT_EQ(forms::checkValue(w->Check3), 1);
    p->Check1->click();
    EXPECT_TRUE(w->Option9->isChecked());
}

TEST_F(WizardTest, WithoutPrintersThePrinterListStaysEmptyAndThePageGoesOn)
{
    app::setPrinterListForTests([] { return QStringList{}; });
    wiz->wizard().go(nullptr, Step::Printer);
    frmSetupWiz6* p = at<frmSetupWiz6>(Step::Printer);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Combo5->count(), 0);
    EXPECT_TRUE(p->Combo5->currentText().isEmpty());
    p->Combo5_Click();
    p->PictureUcolor[11]->click();
    EXPECT_EQ(app::store().UsuzumiColor, 0xDFDFDFu);
    p->Command1->click();
    EXPECT_TRUE(ui::shownMessages().empty()) << messageTexts().join('|').toStdString();
    EXPECT_NE(at<frmSetupWiz2>(Step::Size), nullptr);
}

TEST_F(WizardTest, TheStandardListFillsTheTextWhenLeftOnlyForATypedSlot)
{
    wiz->wizard().go(nullptr, Step::Omote);
    frmSetupWiz3* p = at<frmSetupWiz3>(Step::Omote);
    ASSERT_NE(p, nullptr);
    p->show();
    QApplication::setActiveWindow(p);
    struct Case {
        QString typed;
        QString text10;
    };
    const Case cases[] = {
        {QStringLiteral("　あいうえおかき"), QStringLiteral("あいうえお")},
        {QStringLiteral("　御礼　"), QStringLiteral("御礼")},
        {QStringLiteral("あいうえおかき"), QStringLiteral("前")},
    };
    for (const Case& c : cases) {
        forms::setText(p->Text10, QStringLiteral("前"));
        p->Label16->show();
        p->Combo2->lineEdit()->setFocus();
        p->Combo2->setEditText(c.typed);
        p->Text10->setFocus();
        EXPECT_EQ(p->Text10->text(), c.text10) << c.typed.toStdString();
        EXPECT_TRUE(p->Label16->isHidden());
    }
    // A click puts the item into the box without registering it.
    p->Combo2->clickItem(2);
    EXPECT_EQ(p->Text10->text(), QStringLiteral("御歳暮"));
    EXPECT_EQ(app::store().OmoteCount(), 0);
}

// The font dialog of page 1/5, answered through its own lists: no preset, no
// effects, and the print font takes the name chosen, never the name of the
// face that draws it; the main window keeps it when it closes.
TEST_F(WizardTest, TheFontDialogGivesThePrintFontTheListedName)
{
    frmSetupWiz7* font = openFontPageFromMenu();
    ASSERT_NE(font, nullptr);
    struct Case {
        QString picked;
        QString printFont;
    };
    const Case cases[] = {
        {QStringLiteral("IPA明朝"), QStringLiteral("IPA明朝")},
        {QStringLiteral("@ＭＳ 明朝"), QStringLiteral("ＭＳ 明朝")},
        {QStringLiteral("青柳衡山フォントT"), QStringLiteral("青柳衡山フォントT")},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ 明朝")},
    };
    for (const Case& c : cases) {
        bool bare = false;
        testing_support::FontDialogDriver driver([&](ui::FontDialog& d) {
            bare = d.familyEdit->text().isEmpty() && d.effectsGroup->isHidden();
            testing_support::FontDialogDriver::pick(d.familyList, c.picked);
            d.okButton->click();
        });
        font->Command1->click();
        ASSERT_TRUE(driver.shown()) << c.picked.toStdString();
        EXPECT_TRUE(bare) << "nothing preset, no effects";
        EXPECT_EQ(font->Text9->text(), c.printFont) << c.picked.toStdString();
        EXPECT_EQ(wiz->wizard().WizardFontName, c.printFont) << c.picked.toStdString();
        EXPECT_EQ(w->Combo4->currentText(), c.printFont) << c.picked.toStdString();
        EXPECT_EQ(font->Text4->text(), QStringLiteral("あぁアァ亜字"));
    }
    // Cancelled: the font stays, the first sample is blanked.
    testing_support::FontDialogDriver cancel([](ui::FontDialog& d) {
        testing_support::FontDialogDriver::pick(d.familyList, QStringLiteral("IPA明朝"));
        d.cancelButton->click();
    });
    font->Command1->click();
    ASSERT_TRUE(cancel.shown());
    EXPECT_EQ(font->Text4->text(), QStringLiteral(" "));
    EXPECT_EQ(w->Combo4->currentText(), QStringLiteral("ＭＳ 明朝"));
    font->Command16->click();
    closeWindow();
    EXPECT_EQ(ini(QStringLiteral("Font")), QStringLiteral("ＭＳ 明朝"));
}

namespace {
// A click on a grid cell as the mouse gives it.
void clickCell(QTableWidget* grid, int row, int column)
{
    const QPoint at = grid->visualRect(grid->model()->index(row, column)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, QPointF(at), QPointF(grid->viewport()->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons(),
                      Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &e);
    }
}
} // namespace

TEST_F(WizardTest, TheSettingsDialogsListsFollowASizeDeletedOnTheWizardsPageAndBack)
{
    const QString small = QStringLiteral("小のし"), big = QStringLiteral("祝大のし"), huge = QStringLiteral("巨大サイズ");
    ASSERT_TRUE(app::store().addSize(app::RegisteredSize::make(QStringLiteral("萌黄（祝大）　"), small, 300, 150)));
    ASSERT_TRUE(app::store().addSize(app::RegisteredSize::make(QStringLiteral("萌黄（祝大）　"), big, 390, 180)));
    ASSERT_TRUE(app::store().addSize(app::RegisteredSize::make(QStringLiteral("萌黄（祝大）　"), huge, 900, 600)));
    host->refillSizeNames(app::store().sizeNames());

    // 詳細設定 open at the size grid, then the wizard's page 3/5 deletes the first size.
    SizeStatusPage& grid = status();
    host->window().peek()->show();
    openFontPageFromMenu()->Command4->click();
    at<frmSetupWiz6>(Step::Printer)->Command1->click();
    frmSetupWiz2* page = at<frmSetupWiz2>(Step::Size);
    ASSERT_NE(page, nullptr);
    forms::setText(page->Combo10, small);
    page->Command7->click();
    ASSERT_EQ(app::store().sizeNames(), QStringList({big, huge}));

    ASSERT_EQ(grid.MSFlexGrid1->rowCount(), 2);
    EXPECT_EQ(grid.MSFlexGrid1->item(0, 0)->text(), big);
    Noshisettei& dialog = *host->window().peek();
    EXPECT_EQ(items(dialog.tab<SizeRegistrationPage>(Noshisettei::SizeTab)->Combo10), QStringList({big, huge}));
    EXPECT_EQ(items(dialog.tab<CalibrationPage>(Noshisettei::CalibrationTab)->Combo9), QStringList({big, huge}));

    // The row clicked is the row shown and the row changed.
    clickCell(grid.MSFlexGrid1, 0, 0);
    EXPECT_EQ(grid.Text3->text(), big);
    EXPECT_EQ(grid.Text6->text(), QStringLiteral("390"));
    forms::setText(grid.Text6, QStringLiteral("400"));
    answers = {ui::Answer::Yes};
    grid.Command16->click();
    EXPECT_EQ(app::store().size(0).RegSizeName[0], big);
    EXPECT_EQ(app::store().size(0).RegSizeWidth, 400);
    EXPECT_EQ(app::store().size(1), app::RegisteredSize::make(QStringLiteral("萌黄（祝大）　"), huge, 900, 600));

    // A size registered in the dialog reaches the wizard page's list, once.
    registerSize(QStringLiteral("萌黄（祝大）　"), small);
    EXPECT_EQ(items(page->Combo10), QStringList({big, huge, small}));
    EXPECT_EQ(items(dialog.tab<SizeRegistrationPage>(Noshisettei::SizeTab)->Combo10), QStringList({big, huge, small}));
    EXPECT_EQ(grid.MSFlexGrid1->rowCount(), 3);

    // Inscriptions: one registered on the wizard's page 4/5 shows in the dialog's deletion list.
    page->Command1->click();
    frmSetupWiz3* omote = at<frmSetupWiz3>(Step::Omote);
    ASSERT_NE(omote, nullptr);
    forms::setText(omote->Text10, QStringLiteral("御祝"));
    omote->Command11->click();
    EXPECT_EQ(items(dialog.tab<OmotePage>(Noshisettei::OmoteTab)->Combo5), QStringList{QStringLiteral("御祝")});
    EXPECT_EQ(items(omote->Combo1), QStringList{QStringLiteral("御祝")});
}
