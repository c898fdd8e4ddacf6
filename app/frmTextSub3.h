// The joint names window "連名印刷　名書き入力フォーム": up to seven
// givers' names, the knot of the paper and the spacing between the names.
// OK counts the names into the main window and hides the window.
#pragma once

#include "platform/forms/Form.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace app {

class MagnifierButton;
class NoshiMain;

class frmTextSub3 : public forms::Form {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("連名印刷　名書き入力フォーム");
    static constexpr int NameCount = 7;

    explicit frmTextSub3(NoshiMain* main, QWidget* parent = nullptr);

    void Form_Activate() override;
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void PictureClick(int index); // 1..7
    // Strip templates take three names: boxes 4 to 7 off and 狭い chosen.
    void LimitJointNames();
    void enableAllNames();

    // Indices 1..7 as the window numbers them; element 0 stays empty.
    std::array<QLineEdit*, NameCount + 1> txtName{};
    std::array<QLabel*, NameCount + 1> Label{};
    std::array<MagnifierButton*, NameCount + 1> Picture{};
    QGroupBox* Frame2 = nullptr;
    QLabel* LabelKnot = nullptr;
    QRadioButton* Option1 = nullptr; // 蝶結び
    QRadioButton* Option2 = nullptr; // 結び切り
    QGroupBox* Frame3 = nullptr;
    QLabel* LabelSpacing = nullptr;
    QRadioButton* Option3 = nullptr; // 標　準
    QRadioButton* Option4 = nullptr; // 狭い
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    NoshiMain* main_;
};

} // namespace app
