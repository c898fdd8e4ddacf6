// The setup wizard's welcome page, its font page (1/5) and its summary (5/5).
#pragma once

#include "config/SetupWizard.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace config {

class WizardPicture;

class frmSplash : public forms::Form {
    Q_OBJECT
public:
    explicit frmSplash(SetupWizard& wizard);
    void Form_Load() override;
    void Command2_Click(); // next
    void Command1_Click(); // cancel
    // Escape presses the cancel button.
    void reject() override { Command1_Click(); }

    WizardPicture* Picture1 = nullptr;
    WizardPicture* Picture2 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;

private:
    SetupWizard& wizard_;
};

class frmSetupWiz7 : public WizardPage {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("初期設定ウィザード≪　書体（フォント）の登録　≫");
    explicit frmSetupWiz7(SetupWizard& wizard);
    void Form_Load() override;

    void Command1_Click();  // change the font
    void Command4_Click();  // next
    void Command2_Click();  // back

    QLabel* Label2 = nullptr; // page label
    QPushButton* Command1 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Text9 = nullptr; // the chosen font
    QLineEdit* Text4 = nullptr; // kana sample, in Text9's font
    QLineEdit* Text1 = nullptr; // "御中元"
    QLineEdit* Text2 = nullptr; // "御歳暮"
    QLineEdit* Text3 = nullptr; // "亜　字"
    QLineEdit* Text5 = nullptr; // the font of the three inscription samples
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;

private:
    void drawSamples();
};

class frmSetupWiz5 : public WizardPage {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("初期設定ウィザード≪　すべての登録が完了しました　≫");
    explicit frmSetupWiz5(SetupWizard& wizard);
    void Form_Load() override;

    void Command1_Click(); // finish
    void Command2_Click(); // back
    // The summary has no cancel button: Escape does nothing.
    void reject() override {}

    QLabel* Label3 = nullptr; // page label
    QTableWidget* MSFlexGrid1 = nullptr;
    QListWidget* List2 = nullptr;
    QLineEdit* Text2 = nullptr; // the print font
    QLineEdit* Text7 = nullptr; // thin-ink swatch
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void followStore(app::StoreChange what) override;

private:
    void fillGrid();
};

} // namespace config
