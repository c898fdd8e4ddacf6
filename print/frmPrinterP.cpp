#include "print/frmPrinterP.h"

#include "platform/forms/SubWindowParts.h"
#include "platform/forms/Controls.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterDriver.h"
#include "platform/vb/VbNum.h"
#include "print/PaperPanel.h"
#include "print/PrintContext.h"
#include "platform/forms/UpDown.h"

#include <QApplication>
#include <QPointer>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace noshi {

using app::placeTwips;


frmPrinterP::frmPrinterP(std::shared_ptr<PrinterOptionPort> port, QWidget* parent)
    : forms::Form(parent), port_(std::move(port))
{
    setWindowTitle(Caption);
    setFixedSize(forms::twipsToPx(9540), forms::twipsToPx(6255));
    buildControls();
    forms::EnterAsTab::install(this);
}

void frmPrinterP::buildControls()
{
    Command1 = placeTwips(new QPushButton(QStringLiteral("OK"), this), 8160, 240, 1215, 375);
    Command1->setDefault(true);
    Command5 = placeTwips(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), 8160, 720, 1215, 375);

    Frame2 = placeTwips(new QGroupBox(QStringLiteral("プリンタ"), this), 120, 60, 7920, 1320);
    Frame2->setToolTip(QStringLiteral(
        "プリンタのプロパティ：Windows2000/XPの場合は、コントロールパネル・プリンタとＦＡＸから設定してください。"));
    Label1 = placeTwips(new QLabel(QStringLiteral("名前(&N)："), Frame2), 120, 330, 975, 255);
    Combo3 = placeTwips(new QComboBox(Frame2), 1200, 270, 4455, 330);
    forms::makeEditableList(Combo3);
    Label1->setBuddy(Combo3);
    Command3 = placeTwips(new QPushButton(QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ(&P)..."), Frame2), 5820, 250, 1935, 375);
    Label6 = placeTwips(new QLabel(Frame2), 1200, 780, 4455, 255);
    Label4 = placeTwips(new QLabel(Frame2), 5820, 780, 1935, 255);

    Frame1 = placeTwips(new PaperPanel(this, Label6, [this] { return Combo3->currentText(); }), 120, 1440, 7920, 1380);

    Frame12 = placeTwips(new QGroupBox(QStringLiteral("出力位置の調整"), this), 120, 2880, 3840, 1560);
    Label21 = placeTwips(new QLabel(QStringLiteral("印字位置を調整します"), Frame12), 120, 300, 3000, 255);
    Label25 = placeTwips(new QLabel(QStringLiteral("横方向 左へ"), Frame12), 120, 700, 1215, 255);
    Text1 = placeTwips(new QLineEdit(Frame12), 1440, 640, 735, 330);
    UpDown1 = placeTwips(new UpDown(Frame12, Text1, -100, 100), 2175, 640, 255, 330);
    Label27 = placeTwips(new QLabel(QStringLiteral("㎜"), Frame12), 2520, 700, 375, 255);
    Label26 = placeTwips(new QLabel(QStringLiteral("縦方向 下へ"), Frame12), 120, 1120, 1215, 255);
    Text3 = placeTwips(new QLineEdit(Frame12), 1440, 1060, 735, 330);
    UpDown2 = placeTwips(new UpDown(Frame12, Text3, -100, 100), 2175, 1060, 255, 330);
    Label28 = placeTwips(new QLabel(QStringLiteral("㎜"), Frame12), 2520, 1120, 375, 255);
    for (QLineEdit* box : {Text1, Text3})
        app::setImeMode(box, app::ImeMode::Off);

    Frame16 = placeTwips(new QGroupBox(QStringLiteral("短冊の置く位置"), this), 4080, 2880, 3960, 1560);
    Option5 = placeTwips(new QRadioButton(QStringLiteral("用紙トレイの右側"), Frame16), 120, 340, 1860, 300);
    Option6 = placeTwips(new QRadioButton(QStringLiteral("用紙トレイの左側"), Frame16), 2000, 340, 1860, 300);
    Option4 = placeTwips(new QRadioButton(QStringLiteral("プリンタの中央"), Frame16), 120, 820, 1860, 300);
    Option1 = placeTwips(new QRadioButton(QStringLiteral("すべての用紙を中央"), Frame16), 2000, 820, 1900, 300);
    Option5->setChecked(true);

    Frame3 = placeTwips(new QGroupBox(QStringLiteral("用紙サイズの通知"), this), 120, 4500, 7920, 1680);
    Check3 = placeTwips(new QCheckBox(QStringLiteral("プリンタへ用紙（のし紙）サイズを通知する"), Frame3), 120, 300, 5000, 300);
    Check3->setChecked(true);
    Check3->setToolTip(QStringLiteral("ご使用のプリンタの仕様によりことなります。"));
    CheckHanshiban = placeTwips(new QCheckBox(QStringLiteral("半紙判をA４プリンタで印刷する"), Frame3), 120, 620, 5000, 300);
    Check1 = placeTwips(new QCheckBox(QStringLiteral("プリンタドライバに依存する"), Frame3), 120, 940, 5000, 300);
    Label5 = placeTwips(new QLabel(QStringLiteral("設定はプリンタ メーカーが提供するドライバによって異なります"), Frame3),
                        120, 1300, 7600, 255);
    Label5->setStyleSheet(QStringLiteral("color: rgb(255, 128, 128);"));

    QWidget* order[] = {Command1, Command5, Combo3, Command3, Frame1->Combo2, UpDown1, Text1, UpDown2, Text3,
                        Option5, Option6, Option4, Option1, Check3, CheckHanshiban, Check1};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Check3, &QCheckBox::stateChanged, this, [this] { Check3_Click(); });
    connect(Check1, &QCheckBox::stateChanged, this, [this] { Check1_Click(); });
    connect(CheckHanshiban, &QCheckBox::stateChanged, this, [this] { CheckHanshiban_Click(); });
    const auto onSelected = [this](QRadioButton* option, void (frmPrinterP::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onSelected(Option1, &frmPrinterP::Option1_Click);
    onSelected(Option4, &frmPrinterP::Option4_Click);
    onSelected(Option5, &frmPrinterP::Option5_Click);
    onSelected(Option6, &frmPrinterP::Option6_Click);
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
}

void frmPrinterP::Form_Load()
{
    forms::setText(Text1, QString::number(port_->offsetX()));
    forms::setText(Text3, QString::number(port_->offsetY()));

    forms::setOptionValue(Option4, port_->sheetPlace(SheetPlace::PrinterCentre));
    forms::setOptionValue(Option5, port_->sheetPlace(SheetPlace::TrayRight));
    forms::setOptionValue(Option6, port_->sheetPlace(SheetPlace::TrayLeft));
    forms::setOptionValue(Option1, port_->sheetPlace(SheetPlace::AllCentred));

    forms::setCheckValue(Check3, port_->paperOption(PaperOption::DeclareSheetSize));
    forms::setCheckValue(Check1, port_->paperOption(PaperOption::DriverPaper));
    forms::setCheckValue(CheckHanshiban, port_->paperOption(PaperOption::HanshibanOnA4));

    prn::PrinterDriver& driver = prn::printerDriver();
    const QString current = prn::CurrentPrinter().DeviceName();
    Combo3->clear();
    Combo3->setEditText(current);
    const QStringList names = driver.printerNames();
    for (int i = 0; i < names.size(); ++i) {
        Combo3->addItem(names[i]);
        if (names[i] == current)
            printContext().PrinterIndex = int16_t(i);
    }
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(current);
    selectPrinterIndex();
    Frame1->ListPrinterPapers();
}

void frmPrinterP::Form_Activate()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (Text1->text().isEmpty())
        forms::setText(Text1, QStringLiteral("0"));
    if (Text3->text().isEmpty())
        forms::setText(Text3, QStringLiteral("0"));
}

void frmPrinterP::selectPrinterIndex()
{
    const QStringList names = prn::printerDriver().printerNames();
    const int index = printContext().PrinterIndex;
    if (index >= 0 && index < names.size())
        prn::printerDriver().makeCurrent(names[index]);
}

void frmPrinterP::Combo3_Click()
{
    if (Combo3->currentText().isEmpty())
        return;
    printContext().PrinterIndex = int16_t(Combo3->currentIndex());
    selectPrinterIndex();
    Frame1->ListPrinterPapers();
}

void frmPrinterP::Command3_Click()
{
    const QString printer = port_->osType() == QStringLiteral("NT/XP") ? Combo3->currentText()
                                                                 : prn::CurrentPrinter().DeviceName();
    if (!prn::printerDriver().showDocumentDefaults(this, printer))
        Label4->setText(CannotShow);
    selectPrinterIndex();
    Frame1->ListPrinterPapers();
}

void frmPrinterP::Check3_Click()
{
    port_->setPaperOption(PaperOption::DeclareSheetSize, forms::checkValue(Check3));
    if (forms::checkValue(Check3) == 1)
        forms::setCheckValue(Check1, 0);
}

void frmPrinterP::Check1_Click()
{
    port_->setPaperOption(PaperOption::DriverPaper, forms::checkValue(Check1));
    if (forms::checkValue(Check1) == 1)
        forms::setCheckValue(Check3, 0);
}

void frmPrinterP::CheckHanshiban_Click()
{
    port_->setPaperOption(PaperOption::HanshibanOnA4, forms::checkValue(CheckHanshiban));
}

void frmPrinterP::Option1_Click() { port_->setSheetPlace(SheetPlace::AllCentred, Option1->isChecked()); }
void frmPrinterP::Option4_Click() { port_->setSheetPlace(SheetPlace::PrinterCentre, Option4->isChecked()); }
void frmPrinterP::Option5_Click() { port_->setSheetPlace(SheetPlace::TrayRight, Option5->isChecked()); }
void frmPrinterP::Option6_Click() { port_->setSheetPlace(SheetPlace::TrayLeft, Option6->isChecked()); }

void frmPrinterP::Text1_Change() { OffsetsChanged(); }
void frmPrinterP::Text3_Change() { OffsetsChanged(); }

void frmPrinterP::OffsetsChanged()
{
    // A text that is no 16-bit number leaves its offset as it was; the
    // other box is still taken.
    const auto take = [](const QLineEdit* box, const std::function<void(int)>& store) {
        try {
            store(vb::CInt(box->text()));
        } catch (const std::exception&) {
        }
    };
    take(Text1, [this](int mm) { port_->setOffsetX(mm); });
    take(Text3, [this](int mm) { port_->setOffsetY(mm); });
}

void frmPrinterP::Command1_Click()
{
    port_->setPaperOption(PaperOption::DeclareSheetSize, forms::checkValue(Check3));
    port_->setPaperOption(PaperOption::DriverPaper, forms::checkValue(Check1));
    port_->setPaperOption(PaperOption::HanshibanOnA4, forms::checkValue(CheckHanshiban));
    unload();
}

void frmPrinterP::Command5_Click() { unload(); }

void setPrinterDialogPort(std::function<std::shared_ptr<PrinterOptionPort>()> port) { printContext().printerDialogPort = std::move(port); }

bool printerDialogAvailable() { return bool(printContext().printerDialogPort); }

void ShowPrinterDialog(QWidget* owner, bool hourglass)
{
    if (!printContext().printerDialogPort)
        return;
    if (hourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    // The window the user opened it from (the preview, the settings dialog,
    // an editor) owns it and gets the focus back, not the main window.
    QPointer<QWidget> opener = QApplication::activeWindow();
    QWidget* parent = opener ? opener.data() : owner;
    forms::FormRef<frmPrinterP> dialog([parent] { return new frmPrinterP(printContext().printerDialogPort(), parent); });
    dialog.showModal(parent);
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (opener && opener->isVisible()) {
        opener->raise();
        opener->activateWindow();
    }
}

} // namespace noshi
