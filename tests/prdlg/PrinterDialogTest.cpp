// The printer dialog and its paper panel against a fake driver of two
// recording printers and the real main window's controls: every change goes
// at once into the main window and the global offsets and survives Cancel.
// One test runs the dialog over a recording port with no window behind it.
#include "common/FakeDriver.h"
#include "platform/print/PrinterDriverTesting.h"

#include "model/LiveStore.h"
#include "app/NoshiMain.h"
#include "platform/forms/Controls.h"
#include "platform/services/MessageBox.h"
#include "print/PaperPanel.h"
#include "app/PrinterDialogSetup.h"
#include "print/PrintContext.h"
#include "print/frmPrinterP.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace noshi;

namespace {

class PrinterDialogTest : public ::testing::Test {
protected:
    FakeDriver* driver = nullptr;
    std::unique_ptr<app::NoshiMain> main;
    QPointer<frmPrinterP> dlg;

    void SetUp() override
    {
        auto d = std::make_unique<FakeDriver>();
        driver = d.get();
        FakePrinter& a = driver->add("PDF-A");
        a.device.bin = 7;
        a.codes = std::vector<uint16_t>{9, 56, 300, 40000};
        a.names = QStringList{"A4", "Paper 56", "Own 300", "Big"};
        FakePrinter& b = driver->add("PDF-B");
        b.device.bin = 15;
        b.device.initialCode = 256;
        b.device.initialMm = QSizeF(100, 148);
        b.codes = std::vector<uint16_t>{13};
        b.names = QStringList{"B5 (JIS)"};
        b.maxCopies = -1;
        prn::setPrinterDriver(std::move(d));
        driver->makeCurrent("PDF-A");
        printContext().PrinterIndex = 0;
        app::store().clear();
        app::store().PrOffsetX = 7;
        app::store().PrOffsetY = -2;
        main = std::make_unique<app::NoshiMain>();
        ui::clearShownMessages();
        ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    }
    void TearDown() override
    {
        delete dlg.data();
        main.reset();
        prn::setPrinterDriver(nullptr);
        prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>());
        ui::setAnswerer({});
    }

    frmPrinterP& open()
    {
        dlg = new frmPrinterP(MainWindowPrinterPort(*main));
        dlg->Form_Load();
        dlg->Form_Activate();
        return *dlg;
    }
    PaperPanel& panel() { return *dlg->Frame1; }
    QStringList items(const QComboBox* c)
    {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }
};

TEST_F(PrinterDialogTest, OpeningCopiesTheMainWindowsOptions)
{
    forms::setCheckValue(main->Check3, 1);
    // The main window's own handlers keep the two exclusive; both on can
    // only come from settings, so set the second without its handler.
    {
        const QSignalBlocker quiet(main->Check4);
        forms::setCheckValue(main->Check4, 1);
    }
    forms::setOptionValue(main->Option6, true);
    forms::setCheckValue(main->CheckHanshiban, 1);
    frmPrinterP& d = open();
    EXPECT_EQ(forms::checkValue(d.Check1), 1);
    EXPECT_EQ(forms::checkValue(main->Check4), 1);
    EXPECT_EQ(forms::checkValue(d.Check3), 0);
    EXPECT_EQ(forms::checkValue(main->Check3), 0);
    EXPECT_EQ(forms::checkValue(d.CheckHanshiban), 1);
    EXPECT_TRUE(d.Option6->isChecked());
    EXPECT_FALSE(d.Option5->isChecked()); // selected at design, replaced
    EXPECT_EQ(d.Text1->text(), "7");
    EXPECT_EQ(d.Text3->text(), "-2");
    EXPECT_EQ(app::store().PrOffsetY, -2);
}

TEST_F(PrinterDialogTest, ClearMainCheck3ClearsTheDesignTick)
{
    forms::setCheckValue(main->Check3, 0);
    EXPECT_EQ(forms::checkValue(open().Check3), 0);
}

TEST_F(PrinterDialogTest, OffsetsTakeEachTypedNumberAtOnce)
{
    frmPrinterP& d = open();
    const std::pair<const char*, int> cases[] = {{"7.5", 8}, {"6.5", 6}, {"abc", 6}, {"150", 150}, {"", 150},
                                                 {"-3", -3}, {"40000", -3}};
    for (const auto& [text, want] : cases) {
        d.Text1->setText(QString::fromLatin1(text));
        EXPECT_EQ(app::store().PrOffsetX, want) << text;
    }
    // A box holding no number leaves its own global; the other is still taken.
    d.Text3->setText("x");
    d.Text1->setText("5");
    EXPECT_EQ(app::store().PrOffsetX, 5);
    EXPECT_EQ(app::store().PrOffsetY, -2);
    // Empty at activation: "0" and the global follows.
    d.Text3->clear();
    d.Form_Activate();
    EXPECT_EQ(d.Text3->text(), "0");
    EXPECT_EQ(app::store().PrOffsetY, 0);
    // Cancel undoes nothing.
    d.Command5_Click();
    EXPECT_EQ(app::store().PrOffsetX, 5);
}

TEST_F(PrinterDialogTest, OptionsGoToTheMainWindowAndSurviveCancel)
{
    forms::setOptionValue(main->Option5, true);
    forms::setCheckValue(main->Check3, 1);
    frmPrinterP& d = open();
    d.Option1->click();
    EXPECT_TRUE(main->Option9->isChecked());
    EXPECT_FALSE(main->Option5->isChecked());
    d.Check1->click();
    EXPECT_EQ(forms::checkValue(main->Check4), 1);
    EXPECT_EQ(forms::checkValue(d.Check3), 0);
    EXPECT_EQ(forms::checkValue(main->Check3), 0);
    d.CheckHanshiban->click();
    EXPECT_EQ(forms::checkValue(main->CheckHanshiban), 1);
    d.Check3->click();
    EXPECT_EQ(forms::checkValue(main->Check3), 1);
    EXPECT_EQ(forms::checkValue(d.Check1), 0);
    EXPECT_EQ(forms::checkValue(main->Check4), 0);
    d.Command5_Click();
    EXPECT_TRUE(d.isUnloaded());
    EXPECT_TRUE(main->Option9->isChecked());
    EXPECT_EQ(forms::checkValue(main->Check3), 1);
    EXPECT_EQ(forms::checkValue(main->CheckHanshiban), 1);
}

TEST_F(PrinterDialogTest, PrinterChoiceIsImmediateAndKeptAcrossOpenings)
{
    frmPrinterP& d = open();
    EXPECT_EQ(items(d.Combo3), (QStringList{"PDF-A", "PDF-B"}));
    EXPECT_EQ(d.Combo3->currentText(), "PDF-A");
    d.Combo3->setCurrentIndex(1);
    d.Combo3_Click();
    EXPECT_EQ(prn::CurrentPrinter().DeviceName(), "PDF-B");
    EXPECT_EQ(printContext().PrinterIndex, 1);
    EXPECT_EQ(items(panel().Combo2), (QStringList{"B5 (JIS)"}));
    d.Command5_Click();
    EXPECT_EQ(prn::CurrentPrinter().DeviceName(), "PDF-B");

    // A current printer that is not installed: the last index is made current.
    prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>());
    open();
    EXPECT_EQ(prn::CurrentPrinter().DeviceName(), "PDF-B");

    // An erased printer box: a pick does nothing.
    dlg->Combo3->setEditText("");
    dlg->Combo3_Click();
    EXPECT_EQ(printContext().PrinterIndex, 1);
}

TEST_F(PrinterDialogTest, SettingsButtonOpensThePrinterInTheBoxAndRefills)
{
    frmPrinterP& d = open();
    d.Command3_Click();
    EXPECT_EQ(driver->settingsShownFor, QStringList{"PDF-A"});
    EXPECT_TRUE(d.Label4->text().isEmpty());
    driver->printers["PDF-A"].settingsWindow = false;
    d.Combo3->setEditText("PDF-Z");
    d.Command3_Click();
    EXPECT_EQ(driver->settingsShownFor.last(), "PDF-Z");
    EXPECT_EQ(d.Label4->text(), frmPrinterP::CannotShow);
    EXPECT_EQ(prn::CurrentPrinter().DeviceName(), "PDF-A");
}

TEST_F(PrinterDialogTest, PanelListsPapersSourceOrientationAndCopies)
{
    frmPrinterP& d = open();
    PaperPanel& p = panel();
    EXPECT_EQ(items(p.Combo1), (QStringList{"A4", "UNKNOWN(56)", "USER(300)", "UNKNOWN(-25536)"}));
    EXPECT_EQ(p.Combo1->itemData(3).toInt(), -25536);
    EXPECT_EQ(items(p.Combo2), (QStringList{"A4", "Paper 56", "Own 300", "Big"}));
    EXPECT_EQ(p.Combo2->currentText(), "A4、210 x 297 mm");
    EXPECT_EQ(d.Label6->text(), "このプリンターの最大印刷部数は　999枚です。");
    EXPECT_EQ(p.Label7->text(), "現在の既定値のトレーの用紙を使います。");
    EXPECT_EQ(p.Label8->text(), "用紙幅の狭い側を上にして印刷されます。");
    for (QLabel* l : {p.Label2, p.Label3, p.Label7, p.Label8})
        EXPECT_TRUE(l->isEnabled());

    // A printer on a user size, an unknown bin and no copies limit.
    d.Combo3->setCurrentIndex(1);
    d.Combo3_Click();
    EXPECT_EQ(p.Combo2->currentText(), "ユーザー定義サイズ  H 100 × W 148㎜");
    EXPECT_EQ(d.Label6->text(), "このプリンターの最大印刷部数は　-1枚です。");
    EXPECT_TRUE(p.Label7->text().isEmpty());
}

TEST_F(PrinterDialogTest, PrinterWithoutPapersDisablesThePanelLabels)
{
    frmPrinterP& d = open();
    driver->printers["PDF-B"].codes = std::vector<uint16_t>{};
    d.Combo3->setCurrentIndex(1);
    d.Combo3_Click();
    PaperPanel& p = panel();
    EXPECT_EQ(p.Combo1->count(), 0);
    EXPECT_EQ(p.Combo2->count(), 0);
    EXPECT_TRUE(p.Combo2->currentText().isEmpty());
    EXPECT_EQ(d.Label6->text(), "このプリンターの最大印刷部数は　999枚です。"); // the earlier printer's
    for (QLabel* l : {p.Label2, p.Label3, p.Label7, p.Label8})
        EXPECT_FALSE(l->isEnabled());
    EXPECT_TRUE(p.isEnabled());

    // Codes but no names: the code list stays, no description.
    driver->printers["PDF-B"].codes = std::vector<uint16_t>{13};
    driver->printers["PDF-B"].names = std::nullopt;
    p.ListPrinterPapers();
    EXPECT_EQ(items(p.Combo1), QStringList{"B5"});
    EXPECT_EQ(p.Combo2->count(), 0);
    EXPECT_FALSE(p.Label2->isEnabled());
}

TEST_F(PrinterDialogTest, PickingAPaperStoresTheDefaultAndKeepsTheDescription)
{
    frmPrinterP& d = open();
    PaperPanel& p = panel();
    p.Combo2->setCurrentIndex(2);
    p.Combo2_Click(2);
    ASSERT_EQ(driver->defaultsStored.size(), 1u);
    EXPECT_EQ(driver->defaultsStored[0], std::make_pair(QStringLiteral("PDF-A"), 300));
    EXPECT_EQ(p.Combo2->currentText(), "A4、210 x 297 mm");

    // Typing a name changes nothing; an empty printer box neither.
    p.Combo2->setEditText("B5");
    d.Combo3->setEditText("");
    p.Combo2_Click(0);
    EXPECT_EQ(driver->defaultsStored.size(), 1u);

    // A default that cannot be stored is said.
    d.Combo3->setEditText("PDF-A");
    driver->storeError = "cannot write";
    p.Combo2_Click(0);
    EXPECT_EQ(p.lastError(), "cannot write");
    EXPECT_EQ(ui::shownMessages().size(), 1u);
}

TEST_F(PrinterDialogTest, OkCopiesThePaperOptionsAndCloses)
{
    frmPrinterP& d = open();
    {
        // Out of step with the dialog, as only a second window could leave it.
        const QSignalBlocker quiet(main->CheckHanshiban);
        forms::setCheckValue(main->CheckHanshiban, 1);
    }
    d.Command1_Click();
    EXPECT_TRUE(d.isUnloaded());
    EXPECT_EQ(forms::checkValue(main->CheckHanshiban), 0);
}

// A port with no window behind it, recording every write.
struct RecordingPort : PrinterOptionPort {
    bool places[4] = {false, false, true, false};
    int papers[3] = {1, 0, 1};
    int x = 3, y = -1;
    QStringList log;
    bool sheetPlace(SheetPlace p) const override { return places[int(p)]; }
    void setSheetPlace(SheetPlace p, bool on) override
    {
        places[int(p)] = on;
        log << QStringLiteral("place %1 %2").arg(int(p)).arg(on);
    }
    int paperOption(PaperOption o) const override { return papers[int(o)]; }
    void setPaperOption(PaperOption o, int v) override
    {
        papers[int(o)] = v;
        log << QStringLiteral("paper %1 %2").arg(int(o)).arg(v);
    }
    int offsetX() const override { return x; }
    int offsetY() const override { return y; }
    void setOffsetX(int mm) override { x = mm, log << QStringLiteral("x %1").arg(mm); }
    void setOffsetY(int mm) override { y = mm, log << QStringLiteral("y %1").arg(mm); }
    QString osType() const override { return QStringLiteral("NT/XP"); }
};

TEST_F(PrinterDialogTest, ReadsAndWritesThroughItsPortAlone)
{
    auto port = std::make_shared<RecordingPort>();
    dlg = new frmPrinterP(port);
    frmPrinterP& d = *dlg;
    d.Form_Load();
    d.Form_Activate();
    EXPECT_TRUE(d.Option6->isChecked()); // the tray's left side
    EXPECT_EQ(forms::checkValue(d.Check3), 1);
    EXPECT_EQ(forms::checkValue(d.Check1), 0);
    EXPECT_EQ(forms::checkValue(d.CheckHanshiban), 1);
    EXPECT_EQ(d.Text1->text(), "3");
    EXPECT_EQ(d.Text3->text(), "-1");

    port->log.clear();
    d.Option4->click();
    d.Text1->setText("12");
    d.Command1_Click();
    // place 0: the printer's centre; papers 0..2: size, driver, 半紙判
    EXPECT_EQ(port->log.join(u'|'), "place 0 1|x 12|y -1|paper 0 1|paper 1 0|paper 2 1");
    EXPECT_TRUE(d.isUnloaded());
}

} // namespace
