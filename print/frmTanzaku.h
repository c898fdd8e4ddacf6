// The tanzaku-sheet printers "短冊シート印刷": one window design for the B5
// sheets of three, five and six strips. The user prints the laid-out page on
// all strips or a range of them, in a number of copies; the three-strip
// window keeps its own position adjustment. The window closes itself after
// printing.
#pragma once

#include "platform/forms/Form.h"
#include "print/TanzakuSheet.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace noshi {

class PagePrintHost;
class UpDown;

class frmTanzaku : public forms::Form {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("短冊シート印刷");

    frmTanzaku(const TanzakuSheetLayout& layout, PagePrintHost& host, QWidget* parent = nullptr);

    const TanzakuSheetLayout& layout() const { return layout_; }

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Option1_Click();
    void Option2_Click();
    void Text1_Change();
    void Command1_Click(); // print
    void Command2_Click(); // cancel
    void Command3_Click(); // printer settings
    // The last print's result (the job could not be opened, or the range was refused).
    const TanzakuPrintResult& lastResult() const { return result_; }

    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLineEdit* Text1 = nullptr;
    UpDown* UpDown1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text3 = nullptr;
    UpDown* UpDown3 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* FrameCopies = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Text2 = nullptr;
    UpDown* UpDown2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    // The three-strip sheet's own adjustment (nullptr on the others).
    QGroupBox* FrameAdjust = nullptr;
    QLabel* Label25 = nullptr;
    QLineEdit* Text4 = nullptr;
    UpDown* UpDown4 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Label26 = nullptr;
    QLineEdit* Text5 = nullptr;
    UpDown* UpDown5 = nullptr;
    QLabel* Label28 = nullptr;

private:
    void setRangeEnabled(bool on);
    // The request from the fields; false (the user told) when the strips are outside the sheet.
    bool makeRequest(TanzakuPrintRequest& request);

    const TanzakuSheetLayout& layout_;
    PagePrintHost& host_;
    TanzakuPrintResult result_;
};

class frmTanzaku3 : public frmTanzaku {
    Q_OBJECT
public:
    explicit frmTanzaku3(PagePrintHost& host, QWidget* parent = nullptr) : frmTanzaku(Tanzaku3Layout(), host, parent) {}
};
class frmTanzaku5 : public frmTanzaku {
    Q_OBJECT
public:
    explicit frmTanzaku5(PagePrintHost& host, QWidget* parent = nullptr) : frmTanzaku(Tanzaku5Layout(), host, parent) {}
};
class frmTanzaku6 : public frmTanzaku {
    Q_OBJECT
public:
    explicit frmTanzaku6(PagePrintHost& host, QWidget* parent = nullptr) : frmTanzaku(Tanzaku6Layout(), host, parent) {}
};

// True when the template key prints on a tanzaku sheet.
bool IsTanzakuSheetKey(const QString& key);
// The strip-sheet printer for the key, shown modal with the main window's
// copies text in its copies box; returns when it has printed or been
// closed. False (nothing shown) when the key prints on no strip sheet.
bool ShowTanzakuSheetPrinter(const QString& key, PagePrintHost& host, const QString& copiesText,
                             QWidget* owner = nullptr);
// The window for a key, loaded and filled, not shown (tests drive it
// without a modal loop); nullptr for other keys.
frmTanzaku* CreateTanzakuSheetPrinter(const QString& key, PagePrintHost& host, const QString& copiesText,
                                      QWidget* owner = nullptr);
// Sets the print dispatcher's strip-sheet entry to these windows, printing
// the host's boxes.
void InstallTanzakuSheetPrinter(PagePrintHost& host, QWidget* owner);

} // namespace noshi
