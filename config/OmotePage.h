// The settings dialog's inscription tab: register an inscription picked
// from the standard list or typed, delete a registered one.
#pragma once

#include "config/Noshisettei.h"
#include "config/OmoteRegistration.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace config {

class OmotePage : public SettingsTab {
    Q_OBJECT
public:
    explicit OmotePage(Noshisettei& dialog);

    void loadTab() override;
    void followStore(app::StoreChange what) override;

    void Combo1_Click();     // a standard inscription picked
    void Command11_Click();  // register
    void Command13_Click();  // delete

    QComboBox* Combo1 = nullptr;  // the standard list
    QLineEdit* Text10 = nullptr;  // the text to register
    QPushButton* Command11 = nullptr;
    QComboBox* Combo5 = nullptr;  // registered inscriptions, for deletion
    QPushButton* Command13 = nullptr;
    QLabel* Label17 = nullptr;    // "登録完了", never shown in the dialog

private:
    std::unique_ptr<OmoteRegistration> ops_;
};

} // namespace config
