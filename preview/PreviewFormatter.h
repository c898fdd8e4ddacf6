// The editor's format and edit commands over its page boxes (two in the
// preview, the inscription and the names; one in a single-page editor, which
// leaves view2 and the two options empty): which box a command acts on, the font, size and baseline boxes that show the last
// clicked selection's format and change it, and the undo, cut, copy and
// paste that go to the box clicked last.
#pragma once

#include "platform/richtext/RichDocument.h"
#include "platform/services/Dialogs.h"

#include <QObject>
#include <QPoint>
#include <functional>

class QAction;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace rt {
class RichTextBox;
class RichTextEdit;
} // namespace rt

namespace preview {

class PreviewFormatter : public QObject {
    Q_OBJECT
public:
    static inline const QString NothingSelectedMessage = QStringLiteral("変更する文字が選択されていません。");

    struct Controls {
        rt::RichTextEdit* view1 = nullptr; // inscription
        rt::RichTextEdit* view2 = nullptr; // names
        QComboBox* fontBox = nullptr;      // Combo2
        QLineEdit* sizeBox = nullptr;      // Text7
        QScrollBar* sizeSpinner = nullptr; // UpDown3
        QLineEdit* baselineBox = nullptr;  // Text5, twips
        QRadioButton* option1 = nullptr;   // inscription clicked last
        QRadioButton* option2 = nullptr;   // names clicked last
        // The pop-up's items that need a selection.
        QList<QAction*> selectionItems;
        // A size shown below this many points is written in the box's
        // background colour, so that it does not show.
        double hiddenSizeBelow = 3;
    };

    PreviewFormatter(const Controls& c, std::function<rt::Color()> usuzumi, QObject* parent = nullptr);

    // --- the boxes ---
    void boxClicked(int which);                  // RichTextBox1_Click / RichTextBox2_Click
    void boxRightPressed(int which);             // MouseDown with the right button
    int lastClicked() const;                     // 1 or 2

    // --- font ---
    void fontListDropDown();                     // Combo2_DropDown
    void fontChosen();                           // Combo2_Click
    void fontDialog();                           // mnuFontChange_Click, mnuPopFont
    void colorDialog();                          // mnuFontColor_Click, mnuPopColor

    // --- size ---
    void sizeCommand();                          // mnuFontSize_Click
    void popupSize();                            // mnuPopSize_Click
    void sizeBoxChanged();                       // Text7_Change
    void sizeSpinnerChanged();                   // UpDown3_Change
    bool sizeBoxHighlighted() const { return highlighted_; }

    // --- attributes ---
    void bold();
    void italic();
    void underline();
    void strikeThrough();
    void plain();                                // mnuFontReset_Click
    void usuzumiFromMenu();
    void usuzumiFromPopup();
    void baselineChanged();                      // Text5_Change

    // --- edit commands on the box clicked last ---
    void undo();
    void cut();
    void copy();
    void paste();
    // The toolbar's undo: whatever control has the focus.
    void undoFocused();

private:
    rt::RichTextEdit* view(int which) const { return which == 1 ? c_.view1 : c_.view2; }
    QList<int> boxes() const { return c_.view2 ? QList<int>{1, 2} : QList<int>{1}; }
    rt::RichTextBox& box(int which) const;
    bool holdsText(int which) const;
    bool anyText() const;
    bool checkSelection() const; // the message when no box holds text
    void focusBox(int which);
    void focusLastClicked();
    void setSizeBoxColours(bool highlighted);
    void setSizeBoxTextColourHidden(bool hidden);
    // Both boxes, inscription first, as one step each.
    void forBoth(const std::function<void(rt::RichTextBox&)>& change);
    void forSelected(const std::function<void(rt::RichTextBox&)>& change);

    Controls c_;
    std::function<rt::Color()> usuzumi_;
    // The common dialog's values, kept between uses: the font dialog starts
    // from its last choice and from the colour the colour dialog left.
    ui::FontChoice dialog_;
    bool highlighted_ = false;
};

} // namespace preview
