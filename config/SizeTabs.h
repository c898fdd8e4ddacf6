// The settings dialog's two paper-size tabs: registration (choose a
// template, name it, adjust its size, register; delete by name) and the
// status grid of every registered size (change a size, delete one).
#pragma once

#include "config/Noshisettei.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace noshi {
class UpDown;
}

namespace config {

class SizeRegistrationPage : public SettingsTab {
    Q_OBJECT
public:
    explicit SizeRegistrationPage(Noshisettei& dialog);

    // The boxes the registration operations and the template search fill.
    SizeEntryControls entryControls() const;

    void loadTab() override;
    void followStore(app::StoreChange what) override;

    // Refills Combo4 with rows 1..78 (key, blank and size: 16 characters).
    void FillTemplateCombo();
    void Combo4_Click();
    void Command7_Click();  // register
    void Command8_Click();  // delete by name
    void Command17_Click(); // template search
    void UpDown2_Change();
    void UpDown3_Change();

    QLabel* Label16 = nullptr;
    QComboBox* Combo4 = nullptr;   // templates
    QLabel* Label32 = nullptr;
    QLineEdit* Text4 = nullptr;    // hidden key
    QLabel* Label11 = nullptr;
    QLineEdit* Text5 = nullptr;    // name
    QLabel* Label30 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Text20 = nullptr;   // width
    noshi::UpDown* UpDown2 = nullptr;
    QLabel* Label21 = nullptr;
    QLineEdit* Text21 = nullptr;   // height
    noshi::UpDown* UpDown3 = nullptr;
    QLabel* Label25 = nullptr;     // width warning
    QLabel* Label22 = nullptr;     // height warning
    QLabel* Label12 = nullptr;     // done
    QPushButton* Command7 = nullptr;
    QPushButton* Command17 = nullptr;
    QLabel* Label33 = nullptr;
    QComboBox* Combo10 = nullptr;  // delete list
    QPushButton* Command8 = nullptr;
};

class SizeStatusPage : public SettingsTab {
    Q_OBJECT
public:
    explicit SizeStatusPage(Noshisettei& dialog);

    void loadTab() override;
    void followStore(app::StoreChange what) override;
    void sizesRebuilt() override;

    void FillSizeGrid();
    void MSFlexGrid1_Click();
    void Command16_Click(); // update
    void Command21_Click(); // delete

    QTableWidget* MSFlexGrid1 = nullptr;
    QLineEdit* Text3 = nullptr; // name
    QLineEdit* Text6 = nullptr; // width
    QLineEdit* Text9 = nullptr; // height
    QPushButton* Command16 = nullptr;
    QPushButton* Command21 = nullptr;
};

} // namespace config
