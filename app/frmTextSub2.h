// The two-line name window "２行印刷　名書き入力フォーム": company name,
// title and person's name. The title decides how long the person's name may
// be, and that limit also spaces the name out on the page.
#pragma once

#include "platform/forms/Form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class MagnifierButton;
class NoshiMain;

class frmTextSub2 : public forms::Form {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("２行印刷　名書き入力フォーム");
    static const QStringList& titles();

    explicit frmTextSub2(NoshiMain* main, QWidget* parent = nullptr);

    void Form_Load() override;
    void ApplyNameLengthLimit();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Picture1_Click();
    void Picture2_Click();

    QLabel* LabelText7 = nullptr;
    QLineEdit* Text7 = nullptr;  // company name
    QLabel* LabelCombo2 = nullptr;
    QComboBox* Combo2 = nullptr; // title
    QLabel* LabelText8 = nullptr;
    QLabel* Label7 = nullptr;    // the person's name's limit
    QLineEdit* Text8 = nullptr;  // person's name
    // The person's name's maximum length. It limits typing only: a longer
    // name typed before a longer title was chosen keeps its characters.
    int Text8MaxLength = 10;
    MagnifierButton* Picture1 = nullptr;
    MagnifierButton* Picture2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    NoshiMain* main_;
};

} // namespace app
