// The inscription extension window "表書き拡張　入力フォーム": shoulder
// titles, a two-line inscription and the two ready-made inscriptions. Its
// boxes are the program's store of these extras: OK only hides the window,
// Cancel unloads it and so discards them.
#pragma once

#include "platform/forms/Form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace rt {
class RichTextBox;
class RichTextEdit;
} // namespace rt

namespace app {

class MagnifierButton;
class NoshiMain;

class frmTextSub0 : public forms::Form {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("表書き拡張　入力フォーム");

    explicit frmTextSub0(NoshiMain* main, QWidget* parent = nullptr);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Check1_Click();
    void Check2_Click();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void PictureClick(int index); // 1..4: Text4, Text5, Text1, Text2

    // The help lines of the window, in order.
    static const QStringList& helpLines();

    QGroupBox* FrameTitles = nullptr;
    QGroupBox* FrameTwoLine = nullptr;
    QGroupBox* FrameSpecial = nullptr;
    QLabel* LabelText4 = nullptr;
    QLabel* LabelText5 = nullptr;
    QLabel* LabelText1 = nullptr;
    QLabel* LabelText2 = nullptr;
    QLineEdit* Text4 = nullptr; // right shoulder title
    QLineEdit* Text5 = nullptr; // left shoulder title
    QLineEdit* Text1 = nullptr; // right line of the two-line inscription
    QLineEdit* Text2 = nullptr; // left line
    QCheckBox* Check1 = nullptr; // タオル
    QCheckBox* Check2 = nullptr; // お手拭
    MagnifierButton* Picture1 = nullptr;
    MagnifierButton* Picture2 = nullptr;
    MagnifierButton* Picture3 = nullptr;
    MagnifierButton* Picture4 = nullptr;
    rt::RichTextBox* RichTextBox1 = nullptr; // help text
    rt::RichTextEdit* RichTextBox1View = nullptr;
    QScrollArea* HelpArea = nullptr; // scrolls the help, which is longer than its place
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    void fitHelpBox();
    NoshiMain* main_;
};

} // namespace app
