// The preview window: holds the laid-out page in its two vertical boxes in
// both modes. In print mode it stays hidden and is unloaded after the page
// has gone to the printer; in edit mode it is shown. Its hidden fields carry
// the dispatcher's messages to the editor (mode marker, size name, rank-label
// indent and size) and the paths a saved-file list chose; other windows reach
// them through mailbox() only.
#pragma once

#include "platform/forms/Form.h"
#include "preview/PreviewMailbox.h"

#include <QString>

class QLabel;
class QLineEdit;
class QStatusBar;

namespace rt {
class RichTextBox;
class RichTextEdit;
} // namespace rt

namespace preview {

class frmNoshiPreView : public forms::Form {
    Q_OBJECT
public:
    explicit frmNoshiPreView(QWidget* parent = nullptr);
    ~frmNoshiPreView() override;

    // Takes the current size's key and name from the store.
    void Form_Load() override;

    rt::RichTextBox* RichTextBox1 = nullptr; // inscription
    rt::RichTextBox* RichTextBox2 = nullptr; // names
    rt::RichTextEdit* RichTextBox1View = nullptr;
    rt::RichTextEdit* RichTextBox2View = nullptr;

    QLineEdit* Text1 = nullptr;  // copies of a print from here
    QLineEdit* Text2 = nullptr;  // marker boxes of the page canvas
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text12 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel1 = nullptr; // first panel of the status bar

    // The hidden fields, as other windows read and write them.
    PreviewMailbox& mailbox() { return mailbox_; }
    const PreviewMailbox& mailbox() const { return mailbox_; }

    // The marker boxes' width in millimetres (the name box's width).
    void setMarkerWidthMm(double mm);
    double markerWidthMm() const { return markerWidthMm_; }

    // Box geometry in millimetres, as the dispatcher sets it.
    void setBoxVisible(int box, bool on); // 1 or 2

private:
    QLineEdit* Text3 = nullptr;  // mode marker: "Load" while a page is open for editing
    QLineEdit* Text4 = nullptr;  // size name of the page
    QLineEdit* Text10 = nullptr; // blanks before the rank label
    QLineEdit* Text11 = nullptr; // point size of the rank label
    QLineEdit* txtFile1 = nullptr; // inscription file chosen in a list
    QLineEdit* txtFile2 = nullptr; // name file chosen in a list
    // Default file name of the window's file dialog.
    QString dlgCommonDialogFileName;
    PreviewMailbox mailbox_;
    double markerWidthMm_ = 0;
};

// The program's one preview window, created hidden on first reference.
forms::FormRef<frmNoshiPreView>& NoshiPreView();

} // namespace preview
