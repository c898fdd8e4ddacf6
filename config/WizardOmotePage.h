// The setup wizard's inscription page (4/5): register inscriptions picked
// from the standard list (a double-click registers at once) or typed, and
// delete registered ones, with the settings dialog's operations.
#pragma once

#include "config/OmoteRegistration.h"
#include "config/SetupWizard.h"

#include <memory>

class QComboBox;
class QLineEdit;

namespace forms {
class SimpleCombo;
}

namespace config {

class frmSetupWiz3 : public WizardPage {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("初期設定ウィザード≪　表書きの登録　≫");
    explicit frmSetupWiz3(SetupWizard& wizard);
    ~frmSetupWiz3() override;
    void Form_Load() override;

    void Combo2_Click();
    void Combo2_DblClick();
    void Combo2_LostFocus();
    void Command11_Click(); // register
    void Command13_Click(); // delete
    void Command1_Click();  // next
    void Command2_Click();  // back

    QLabel* Label3 = nullptr;  // page label
    QLabel* Label2 = nullptr;
    forms::SimpleCombo* Combo2 = nullptr; // the standard list
    QLabel* Label10 = nullptr;
    QLineEdit* Text10 = nullptr;
    QPushButton* Command11 = nullptr;
    QLabel* Label16 = nullptr; // "<text>　登録完了"
    QLabel* Label1 = nullptr;  // hint
    QComboBox* Combo1 = nullptr; // registered, for deletion
    QPushButton* Command13 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void followStore(app::StoreChange what) override;

private:
    std::unique_ptr<OmoteRegistration> ops_;
};

} // namespace config
