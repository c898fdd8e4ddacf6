// The settings dialog's environment tab: the folder of the user's saved
// files, the thin-ink colour, and the font-size options it mirrors from the
// main window.
#pragma once

#include "config/Noshisettei.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace config {

class EnvironmentPage : public SettingsTab {
    Q_OBJECT
public:
    explicit EnvironmentPage(Noshisettei& dialog);

    void loadTab() override;
    void unloadTab() override;

    void Command19_Click(); // thin-ink colour
    void Command23_Click(); // browse for the folder
    void Text17_Change();
    // The folder browser: the chosen folder, also put into Text17 and FileParth.
    QString GetFolder(const QString& title);

    FontSizeControls fontSizeControls() const;

    QLineEdit* Text17 = nullptr;  // the folder
    QListWidget* File1 = nullptr; // its files
    QPushButton* Command23 = nullptr;
    QLineEdit* Text7 = nullptr;   // colour swatch
    QPushButton* Command19 = nullptr;
    QRadioButton* Option11 = nullptr;
    QRadioButton* Option22 = nullptr;
    QRadioButton* Option33 = nullptr;
    QRadioButton* OptionOB = nullptr;
    QCheckBox* CheckOBold = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* OptionNB = nullptr;
    QCheckBox* CheckNBold = nullptr;

private:
    void showSwatch();
};

} // namespace config
