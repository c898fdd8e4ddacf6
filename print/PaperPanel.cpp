#include "print/PaperPanel.h"

#include "platform/forms/Controls.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/print/PaperCodes.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterDriver.h"
#include "print/PaperTexts.h"
#include "platform/services/MessageBox.h"
#include "platform/services/ProgramLook.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace noshi {

using app::placeTwips;

PaperPanel::PaperPanel(QWidget* parent, QLabel* label6, std::function<QString()> printerBoxText)
    : QGroupBox(Caption, parent), Label6(label6), printerBoxText_(std::move(printerBoxText))
{
    Label2 = placeTwips(new QLabel(QStringLiteral("サイズ(&Z)："), this), 120, 300, 1095, 255);
    Combo2 = placeTwips(new QComboBox(this), 1200, 240, 4455, 330);
    forms::makeEditableList(Combo2);
    Combo2->setFont(ui::japaneseUiFont(9.75));
    Label2->setBuddy(Combo2);
    Combo1 = new QComboBox(this);
    Combo1->hide();
    Label3 = placeTwips(new QLabel(QStringLiteral("給紙方法："), this), 120, 700, 1095, 255);
    Label7 = placeTwips(new QLabel(this), 1200, 700, 4455, 255);
    Label8 = placeTwips(new QLabel(this), 1200, 1000, 4455, 255);
    // Only a pick from the list changes the default; typing changes nothing.
    connect(Combo2, &QComboBox::activated, this, [this](int index) { Combo2_Click(index); });
}

void PaperPanel::setLabelsEnabled(bool on)
{
    for (QLabel* l : {Label2, Label3, Label7, Label8})
        l->setEnabled(on);
}

void PaperPanel::ListPrinterPapers()
{
    Combo1->clear();
    Combo2->clear();
    Combo2->clearEditText();
    description_.clear();
    Label7->clear();
    Label8->clear();
    setEnabled(true);
    setLabelsEnabled(true);

    prn::Printer& printer = prn::CurrentPrinter();
    prn::PrinterDriver& driver = prn::printerDriver();
    const QString device = printer.DeviceName();

    // A driver that cannot name its papers stops the listing here: what was
    // filled stays, the labels show that the panel is incomplete.
    const auto codes = driver.paperCodes(device);
    if (!codes || codes->empty()) {
        setLabelsEnabled(false);
        return;
    }
    for (uint16_t code : *codes) {
        const auto signedCode = int16_t(code);
        Combo1->addItem(PaperCodeNames(signedCode), int(signedCode));
    }
    Label6->setText(MaxCopiesText(driver.maxCopies(device)));
    Label7->setText(PaperBinText(printer.PaperBin()));
    Label8->setText(OrientationText(printer.Orientation()));

    Combo2->clear();
    const auto names = driver.paperNames(device);
    if (!names || names->isEmpty()) {
        setLabelsEnabled(false);
        return;
    }
    Combo2->addItems(*names);
    ShowCurrentPaper();
}

void PaperPanel::ShowCurrentPaper()
{
    const prn::Printer& printer = prn::CurrentPrinter();
    const int W = PhysicalMm(printer.GetDeviceCaps(prn::PHYSICALWIDTH), printer.TwipsPerPixelX());
    const int H = PhysicalMm(printer.GetDeviceCaps(prn::PHYSICALHEIGHT), printer.TwipsPerPixelY());
    description_ = PaperDescription(printer.PaperSize(), W, H);
    Combo2->setCurrentIndex(-1);
    Combo2->setEditText(description_);
}

void PaperPanel::Combo2_Click(int index)
{
    Combo1->setCurrentIndex(index);
    if (Combo1->currentText().isEmpty() || printerBoxText_().isEmpty())
        return;
    QString error;
    const bool changed = prn::printerDriver().setDefaultPaper(prn::CurrentPrinter().DeviceName(),
                                                            Combo1->currentData().toInt(), &error);
    lastError_ = changed ? QString() : error;
    // The panel is not refilled: the new default shows at the next listing.
    Combo2->setEditText(description_);
    // A default that could not be stored is said, not passed over.
    if (!lastError_.isEmpty())
        ui::MsgBox(lastError_, ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
}

} // namespace noshi
