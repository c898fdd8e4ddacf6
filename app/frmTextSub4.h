// The bulk label editor "Sorabeni Print System  一括表示ラベル": the label
// printed beside the name on landscape and business-card sheets, edited in a
// vertical rich-text box and kept in a label file. OK saves and hides,
// Cancel only hides: the page printer prints the box, not the file, so the
// window stays loaded after either until something unloads it.
#pragma once

#include "app/BulkLabel.h"
#include "platform/forms/Form.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace rt {
class RichTextBox;
class RichTextEdit;
}

namespace app {

class frmTextSub4 : public forms::Form {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Sorabeni Print System  一括表示ラベル");

    explicit frmTextSub4(QWidget* parent = nullptr);

    void Form_Load() override;
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void mnuNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click(); // save as
    void mnuExit_Click();
    void mnuOle_Click();
    // Escape presses Cancel, which hides the window rather than unloading it.
    void reject() override { Command2_Click(); }

    const QString& LabelFilePath() const { return label_.LabelFilePath(); }

    rt::RichTextBox* RichTextBox1 = nullptr;
    rt::RichTextEdit* RichTextBox1View = nullptr;
    QMenuBar* MenuBar = nullptr;
    QMenu* mnuClose = nullptr; // ﾌｧｲﾙ(&F)
    QAction* mnuNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuPast = nullptr; // 挿入(&I)
    QAction* mnuOle = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    void buildMenus();
    BulkLabel label_;
};

} // namespace app
