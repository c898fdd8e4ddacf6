// The picture picker "画像の読み込み": drive, folder and file lists with a
// preview; "コピー(&O)" puts the chosen picture on the clipboard and leaves
// one blank in place of the opening editor's selection, so that the picture
// is pasted there by the editor's paste-picture command.
#pragma once

#include "platform/forms/Form.h"

class QLabel;
class QPushButton;

namespace forms {
class DriveListBox;
class DirListBox;
class FileListBox;
} // namespace forms
namespace rt {
class RichTextBox;
}

namespace editors {

class frmFileLoad : public forms::Form {
    Q_OBJECT
public:
    static inline const QString Pattern = QStringLiteral("*.gif;*.jpg;*.jpeg;*.png;*.bmp");

    // The page is the opening editor's; the lists start at the process's
    // current folder.
    explicit frmFileLoad(rt::RichTextBox& page, QWidget* parent = nullptr);

    forms::DriveListBox* Drive1 = nullptr;
    forms::DirListBox* Dir1 = nullptr;
    forms::FileListBox* File1 = nullptr;
    QLabel* Label1 = nullptr; // "ファイルの場所(&I)"
    QLabel* Label2 = nullptr; // "ファイル名(&N)"
    QLabel* Label3 = nullptr; // "プレビュー"
    QLabel* Image1 = nullptr;
    QPushButton* Command1 = nullptr; // "コピー(&O)"
    QPushButton* Command2 = nullptr; // "ｷｬﾝｾﾙ"

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();
    void Command2_Click();

    // The picture the preview shows (null before the first one).
    QImage previewImage() const;

private:
    rt::RichTextBox& page_;
    QImage preview_;
};

} // namespace editors
