// The rich-text page editor that the free-size and the postcard editors are
// made of: one page at real size in millimetres inside a frame on a dark
// working area, with ruler boxes and scroll bars; vertical or horizontal
// writing; the copies box, the printer, font, size and baseline boxes; the
// file, edit, format and help commands; rich-text files with the closing
// question. A window of this design sets up its own paper, its list of
// page choices (Combo3), its extra commands and its print placement.
#pragma once

#include "platform/forms/Form.h"
#include "preview/EditorControls.h"

#include <QString>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;

namespace rt {
class RichTextBox;
class RichTextEdit;
} // namespace rt

namespace editors {

class PageInserts;

// The menu bar, the copies, printer, font, size and baseline boxes, the
// scroll bars, the status bar and the formatter come from EditorControls.
class PageEditor : public forms::Form, public preview::EditorControls {
    Q_OBJECT
public:
    explicit PageEditor(QWidget* parent = nullptr);
    ~PageEditor() override;

    // --- the page and its view ---
    rt::RichTextBox* RichTextBox1 = nullptr;
    rt::RichTextEdit* RichTextBox1View = nullptr;
    QWidget* Picture1 = nullptr;   // the working area
    QWidget* Picture2 = nullptr;   // the page's frame
    QLineEdit* Text2 = nullptr;    // ruler boxes above and below the page
    QLineEdit* Text6 = nullptr;

    // --- tool strips ---
    QToolBar* Toolbar1 = nullptr;  // the command buttons
    QToolBar* Toolbar2 = nullptr;  // copies, printer, page choice
    QToolBar* Toolbar3 = nullptr;  // font, size, baseline, colour
    QComboBox* Combo3 = nullptr;   // the page choice: writing direction or layout
    QPushButton* Command3 = nullptr; // colour swatch "Color"
    QLineEdit* Text4 = nullptr;    // hidden: the file last opened
    // Pictures and objects: the picker, pasting, the object dialog, and the
    // hidden hand-over box Text11.
    PageInserts* Inserts = nullptr;

    // --- menus of the window's own ---
    QMenu *mnuFile = nullptr, *mnuEdit = nullptr;
    QAction *mnuFileNew = nullptr, *mnuFileOpen = nullptr, *mnuFileSaveAs = nullptr;
    QAction* mnuPicload = nullptr; // "画像ﾌｧｲﾙの読み込み(&L)", first in the edit menu

    // Changed by the user since the page was opened, saved or started anew.
    // The window's own work (seeding, a change of direction) does not count.
    bool IsDirty = false;

    // The page box at widthMm x heightMm, written vertically or not, wrapping
    // at its height (vertical) or width; the insertion point's font set to
    // fontName at `points`; the rulers as wide as the page; the view laid out
    // again. The text keeps its characters and formats and is reflowed.
    void applyPage(double widthMm, double heightMm, bool vertical, const QString& fontName, double points);

    // Lays the view out for the window's size and the page (also on resize).
    void Form_Resize();
    void HScroll1_Change();
    void VScroll1_Change();
    // Where the frame and the rulers are, in millimetres inside the working area.
    QRectF frameMm() const;
    double rulerLeftMm() const;

    // --- commands ---
    // Asks first when the page has changes, then empties it.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    // False when nothing was saved (cancelled or failed; a failure is reported).
    bool mnuFileSaveAs_Click();
    virtual void mnuFilePrint_Click() = 0;
    void mnuFileExit_Click();
    void Combo1_Click();
    void Toolbar1_ButtonClick(const QString& key);
    void RichTextBox1_Click();

    void Form_QueryUnload(bool& cancel) override;
    void Form_Unload(bool& cancel) override;

    // The printers into Combo1, the current one shown.
    void fillPrinterList();
    // Copies as the print reads them from Text1; none, after telling the
    // user what the box must hold, when it holds no count.
    std::optional<int> copies() const;
    // Before the page is replaced: true when it has no changes, or the user
    // saved them or let them go; false when the page must stay.
    bool mayDiscardPage();

protected:
    // What a window of this design names on its own.
    virtual QString captionBase() const = 0;     // the caption; an opened file's path follows it
    virtual QString closingQuestion() const = 0; // asked when closing with changes
    // The paper the scroll ranges follow, millimetres.
    virtual int scrollPaperWidth() const = 0;
    virtual int scrollPaperHeight() const = 0;
    // A frame wider than the view keeps the scrolled position on a resize.
    virtual bool keepScrolledWhenWide() const { return true; }
    // The new-page command's own step before the page is emptied.
    virtual void newPageSetup() {}

    // Work of the window's own: the changes it makes are not the user's.
    struct OwnWork {
        explicit OwnWork(PageEditor& w) : w_(w) { ++w_.ownWork_; }
        ~OwnWork() { --w_.ownWork_; }
        PageEditor& w_;
    };
    // Puts a widget into the page-choice strip just before Combo3.
    void insertBeforePageChoice(QWidget* w);

    void resizeEvent(QResizeEvent* e) override;

private:
    void buildToolStrips();
    void buildMenus();
    void toggle(const QString& key);
    void placeFrame();

    QAction* pageChoiceAction_ = nullptr;
    QRectF frame_;
    double rulerLeft_ = 0;
    int ownWork_ = 0;
};

} // namespace editors
