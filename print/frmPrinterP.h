// The printer dialog "プリンタの設定": the program's current printer, the
// printer's own settings, the paper frame, the two global print offsets,
// where the sheet lies in the printer and the three paper options. It keeps
// nothing of its own: every change goes at once into the main window's
// controls and the global offsets, and Cancel undoes nothing.
#pragma once

#include "platform/forms/Form.h"

#include <QString>
#include <cstdint>
#include <functional>

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

// The main window's controls and the globals the dialog writes through.
struct PrinterOptionTargets {
    QRadioButton* Option4 = nullptr;  // "プリンタの中央"
    QRadioButton* Option5 = nullptr;  // "用紙トレイの右側"
    QRadioButton* Option6 = nullptr;  // "用紙トレイの左側"
    QRadioButton* Option9 = nullptr;  // "すべての用紙を中央"
    QCheckBox* Check3 = nullptr;      // tell the printer the sheet's size
    QCheckBox* Check4 = nullptr;      // leave the paper to the driver
    QCheckBox* CheckHanshiban = nullptr;
    int* PrOffsetX = nullptr;         // millimetres, 16-bit values
    int* PrOffsetY = nullptr;
    QString OsType = QStringLiteral("NT/XP");
};

class frmPrinterP : public forms::Form {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("プリンタの設定");
    static inline const QString CannotShow = QStringLiteral("表示できません。");

    explicit frmPrinterP(PrinterOptionTargets targets, QWidget* parent = nullptr);

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

    // The index of the printer the dialog makes current; kept from one
    // opening to the next for the whole run.
    static int16_t PrinterIndex;

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

    PrinterOptionTargets t_;
};

// Where the program's openers find the dialog's targets (the main window
// registers them at start-up); without them the dialog is not shown.
void setPrinterDialogTargets(std::function<PrinterOptionTargets()> targets);
bool printerDialogAvailable();
// Shows the dialog modal. With hourglass, the pointer waits until the
// dialog comes up (the main window's, the strip printers' and the settings
// dialog's buttons); the editors' menus show it without.
void ShowPrinterDialog(QWidget* owner, bool hourglass);

} // namespace noshi
