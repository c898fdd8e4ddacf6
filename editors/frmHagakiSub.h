// The object-insertion dialog "ｵﾌﾞｼﾞｪｸﾄの挿入": a file path, typed or browsed
// for, handed over to the editor that opened the dialog, which embeds the
// file into its page.
#pragma once

#include "platform/forms/Form.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace editors {

class frmHagakiSub : public forms::Form {
    Q_OBJECT
public:
    // Embeds the file into the opening editor's page; false (after telling
    // the user why) when it could not, and the dialog stays open.
    using HandOver = std::function<bool(const QString& path)>;

    explicit frmHagakiSub(HandOver handOver, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;        // "ファイル名(&O)"
    QLineEdit* Text3 = nullptr;      // the file to embed
    QPushButton* Command3 = nullptr; // "参照(&B)"
    QPushButton* Command1 = nullptr; // "OK"
    QPushButton* Command2 = nullptr; // "ｷｬﾝｾﾙ"

    void Command3_Click();
    void Command1_Click();
    void Command2_Click();

private:
    HandOver handOver_;
};

} // namespace editors
