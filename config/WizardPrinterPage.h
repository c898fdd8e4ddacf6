// The setup wizard's printer and thin-ink page (2/5): the printer, what
// kind of printer it is and how it takes the paper, and the thin-ink text
// colour chosen from a palette of greys. Every choice applies at once.
#pragma once

#include "config/SetupWizard.h"

#include <QFrame>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QTextEdit;

namespace config {

// A patch of colour that reports a click.
class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);
    // &H00BBGGRR
    uint32_t colour() const { return colour_; }
    void setColour(uint32_t colour);
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    uint32_t colour_ = 0;
};

// The twelve greys of the palette, darkest first, in two rows of six.
extern const std::array<uint32_t, 12> ThinInkPalette;

class frmSetupWiz6 : public WizardPage {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("初期設定ウィザード≪　プリンタの設定　薄墨の登録　≫");
    explicit frmSetupWiz6(SetupWizard& wizard);
    void Form_Load() override;

    void Combo5_Click();
    void Option1_Click();
    void Option2_Click();
    void Check1_Click();
    void Check3_Click();
    void CheckHanshiban_Click();
    void PictureUcolor_Click(int index);
    void Command3_Click();  // register the colour shown
    void Command1_Click();  // next
    void Command2_Click();  // back

    QLabel* Label8 = nullptr;
    QComboBox* Combo5 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* CheckHanshiban = nullptr;
    std::array<ColourSwatch*, 12> PictureUcolor{};
    ColourSwatch* Picture2 = nullptr;
    QLabel* Label1 = nullptr;
    QTextEdit* Text1 = nullptr; // 粗供養, one character a line
    QTextEdit* Text2 = nullptr; // 志
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;

private:
    void paintSamples(uint32_t colour);
    // Handlers run for the user's clicks only, not while the page sets its boxes.
    bool loading_ = false;
};

} // namespace config
