// The setup wizard's paper-size page (3/5): choose a template, name the
// size, adjust it, register it; delete a size by name. The steps are the
// settings dialog's; the page only differs where the wizard does.
#pragma once

#include "config/SetupWizard.h"
#include "config/SizeRegistration.h"

#include <memory>

class QComboBox;
class QLineEdit;

namespace noshi {
class UpDown;
}

namespace config {

class frmSetupWiz2 : public WizardPage {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("初期設定ウィザード≪　のし紙サイズの登録　≫");
    explicit frmSetupWiz2(SetupWizard& wizard);
    ~frmSetupWiz2() override;
    void Form_Load() override;

    SizeEntryControls entryControls() const;

    void Combo1_Click();
    void Command5_Click();  // register
    void Command7_Click();  // delete by name
    void Command17_Click(); // template search
    void UpDown2_Change();
    void UpDown3_Change();
    void Command1_Click();  // next
    void Command15_Click(); // back

    QLabel* Label1 = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* Combo1 = nullptr;   // templates, the whole row text
    QLabel* Label4 = nullptr;
    QLineEdit* Text4 = nullptr;    // hidden key
    QLabel* Label3 = nullptr;
    QLineEdit* Text5 = nullptr;    // name
    QLabel* Label10 = nullptr;
    QLineEdit* Text20 = nullptr;   // width
    noshi::UpDown* UpDown2 = nullptr;
    QLineEdit* Text21 = nullptr;   // height
    noshi::UpDown* UpDown3 = nullptr;
    QLineEdit* Text1 = nullptr;    // width warning
    QLabel* Label22 = nullptr;     // height warning
    QLabel* Label6 = nullptr;      // done
    QPushButton* Command5 = nullptr;
    QPushButton* Command17 = nullptr;
    QComboBox* Combo10 = nullptr;  // delete list
    QPushButton* Command7 = nullptr;
    QPushButton* Command15 = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void followStore(app::StoreChange what) override;

private:
    std::unique_ptr<SizeRegistration> sizes_;
};

} // namespace config
