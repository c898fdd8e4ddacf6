// The printer dialog "プリンタの設定": the program's current printer, the
// printer's own settings, the paper frame, the two global print offsets,
// where the sheet lies in the printer and the three paper options. It keeps
// nothing of its own: every change goes at once through its port into the
// main window's options and the global offsets, and Cancel undoes nothing.
#pragma once

#include "platform/forms/Form.h"
#include "print/PrinterOptionPort.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace noshi {

class PaperPanel;
class UpDown;

class frmPrinterP : public forms::Form {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("プリンタの設定");
    static inline const QString CannotShow = QStringLiteral("表示できません。");

    explicit frmPrinterP(std::shared_ptr<PrinterOptionPort> port, QWidget* parent = nullptr);

    void Form_Load() override;
    void Form_Activate() override;
    void Combo3_Click();
    void Command3_Click(); // the printer's own settings
    void Command1_Click(); // OK
    void Command5_Click(); // Cancel
    void Check3_Click();
    void Check1_Click();
    void CheckHanshiban_Click();
    void Option1_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Text1_Change();
    void Text3_Change();

    QPushButton* Command1 = nullptr;
    QPushButton* Command5 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo3 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label4 = nullptr;
    PaperPanel* Frame1 = nullptr;
    QGroupBox* Frame12 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label25 = nullptr;
    QLineEdit* Text1 = nullptr;
    UpDown* UpDown1 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Label26 = nullptr;
    QLineEdit* Text3 = nullptr;
    UpDown* UpDown2 = nullptr;
    QLabel* Label28 = nullptr;
    QGroupBox* Frame16 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* CheckHanshiban = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label5 = nullptr;

private:
    void buildControls();
    void OffsetsChanged();
    void selectPrinterIndex();

    std::shared_ptr<PrinterOptionPort> port_;
};

// Where the program's openers find the dialog's port (the main window
// registers it at start-up); without it the dialog is not shown.
void setPrinterDialogPort(std::function<std::shared_ptr<PrinterOptionPort>()> port);
bool printerDialogAvailable();
// Shows the dialog modal. With hourglass, the pointer waits until the
// dialog comes up (the main window's, the strip printers' and the settings
// dialog's buttons); the editors' menus show it without.
void ShowPrinterDialog(QWidget* owner, bool hourglass);

} // namespace noshi
