// The name extension window "名書き拡張　入力フォーム": furigana, the
// address block, a document to embed instead of the name, the bulk label
// switch and a rank range. OK hides the window so that every reader finds
// the values; Cancel unloads it together with the bulk label editor.
#pragma once

#include "platform/forms/Form.h"

#include <array>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class NoshiMain;

// A rank as OK takes it: a number in half- or full-width digits, rounded to
// a whole one (halves to the even one) from 1 to 32767; nullopt otherwise.
std::optional<int> parseRank(const QString& text);

class frmTextSub1 : public forms::Form {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("名書き拡張　入力フォーム");
    static inline const QString RankMessage =
        QStringLiteral("順位には１から３２７６７までの数字を入力してください。");

    explicit frmTextSub1(NoshiMain* main, QWidget* parent = nullptr);

    void Form_Activate() override;
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Command3_Click(); // choose the document
    void Command4_Click(); // edit the bulk label
    void reject() override { Command2_Click(); }

    QGroupBox* Frame2 = nullptr; // ふりがな
    QLabel* Label2 = nullptr;
    QLineEdit* Text6 = nullptr;
    QGroupBox* Frame3 = nullptr; // 住所
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* LabelText5[2] = {};
    std::array<QLineEdit*, 2> Text5{};
    QCheckBox* Check2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QCheckBox* Check3 = nullptr;
    QLineEdit* Text9 = nullptr;
    QGroupBox* Frame1 = nullptr; // オブジェクトの挿入
    QLabel* LabelText3 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPushButton* Command3 = nullptr;
    QGroupBox* Frame4 = nullptr; // 一括ラベル印刷
    QCheckBox* Check4 = nullptr;
    QPushButton* Command4 = nullptr;
    QGroupBox* Frame5 = nullptr; // 順位
    QLabel* Label3 = nullptr;
    QLineEdit* txtStart = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtEnd = nullptr;
    QLabel* Label6 = nullptr;
    QCheckBox* Check5 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    void prefix(QCheckBox* box, QLineEdit* text, const QString& mark);
    NoshiMain* main_;
};

} // namespace app
