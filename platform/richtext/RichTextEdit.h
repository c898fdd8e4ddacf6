// The editing widget of a rich-text box, in vertical and horizontal writing.
// Every page editor of the program edits its boxes through it, and the main
// window's previews show their boxes through it read-only. It draws the box
// with the renderer the printer uses, so the screen shows what is printed.
//
// The box is the one truth: the widget keeps no copy of the text or the
// selection, and changes made through the box's own API (by the layout or
// by a menu command) show at once and can be undone like typing.
//
// Keys: in vertical writing Up and Down move along the column and Left and
// Right to the next and the previous column; Home and End go to the ends of
// the line, with Ctrl to the ends of the text; Page keys move by a view;
// Shift extends. Enter starts a new column. Undo is Ctrl+Z or Alt+Backspace,
// redo Ctrl+Y; cut Ctrl+X or Shift+Delete, copy Ctrl+C or Ctrl+Insert,
// paste Ctrl+V or Shift+Insert.
#pragma once

#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/EditHistory.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPointer>
#include <memory>

namespace rt {

class TextLayout;

class RichTextEdit : public QAbstractScrollArea {
    Q_OBJECT
public:
    // A widget with a box of its own.
    explicit RichTextEdit(QWidget* parent = nullptr);
    // A widget on a box that someone else owns (it may outlive the widget).
    explicit RichTextEdit(RichTextBox* box, QWidget* parent = nullptr);
    ~RichTextEdit() override;

    RichTextBox* box() const { return box_; }
    void setBox(RichTextBox* box);

    // Read-only: shows the box and reports clicks, but neither edits nor
    // moves the box's selection, and draws no caret.
    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool on);

    // Screen scale: 1 shows the paper at its real size.
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    // Space around the page, in millimetres of paper.
    double pageMarginMm() const { return marginMm_; }
    void setPageMarginMm(double mm);
    // Colour around the page; the page itself is white.
    void setCanvasColor(const QColor& c);

    // --- commands, as the menus call them ---
    // The history is the box's: changes made through the box itself (a
    // format command, the layout) are undone like typing.
    bool canUndo() const { return box_ && box_->canUndo(); }
    bool canRedo() const { return box_ && box_->canRedo(); }
    void undo();
    void redo();
    void cut();
    void copy() const;
    void paste();
    void selectAll();
    // Forgets the steps to undo, e.g. after a page was laid out or loaded.
    void clearUndo();
    // Types text at the caret as the keyboard does (replacing the selection).
    void typeText(const QString& text);

    // --- geometry, for the windows and the tests ---
    double dotsPerMm() const;                        // screen pixels per paper millimetre
    QPointF mmAt(const QPoint& viewportPos) const;   // box millimetres under a viewport point
    QPointF viewportPointAt(const QPointF& mm) const;
    QRect caretRect() const;                         // in viewport coordinates
    // The object drawn under a viewport point, or nothing.
    std::shared_ptr<EmbeddedObject> objectAt(const QPoint& viewportPos) const;
    qsizetype caretPosition() const;                 // the moving end of the selection
    qsizetype anchorPosition() const;
    QString preeditText() const { return preedit_; }
    void ensureCaretVisible();
    QSize sizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void changed();                              // the box's content changed
    void selectionChanged();                     // the widget moved the caret or the selection
    void clicked();                              // a left-button click ended (after the selection is made)
    void rightPressed(const QPoint& globalPos);  // for pop-up menus; the selection stays
    void focusIn();
    // A double-click on an object: the object is selected, for the window to open it.
    void objectDoubleClicked(std::shared_ptr<rt::EmbeddedObject> object);
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    bool event(QEvent* e) override;

private:
    enum class Move { Next, Previous, LineStart, LineEnd, TextStart, TextEnd, AcrossForward, AcrossBack,
                      PageForward, PageBack };

    void init();
    void attach();
    void onBoxChanged();
    void syncAnchor() const;
    void setCaret(qsizetype caret, qsizetype anchor);
    void moveCaret(Move m, bool extend);
    bool handleShortcut(QKeyEvent* e);
    bool handleMovement(QKeyEvent* e);
    // Runs one change of the box made by the widget as one step to undo.
    template <typename F>
    void editStep(EditHistory::Kind kind, F change);
    void deleteCharacter(bool forward);
    void stepHistory(bool back);
    void afterRestore();
    std::shared_ptr<const TextLayout> shownLayout() const; // with the pre-edit text when composing
    QRectF pageRectPx() const;      // the page in viewport pixels
    QSizeF contentSizePx() const;
    void updateScrollBars();
    void restartBlink();
    QPoint dragPoint(const QPoint& viewportPos) const;

    QPointer<RichTextBox> box_;
    RichTextBox* ownBox_ = nullptr;
    bool readOnly_ = false;
    double zoom_ = 1.0;
    double marginMm_ = 0.0;
    QColor canvas_;

    // The selection as anchor and caret: the box keeps start and length only.
    mutable qsizetype anchor_ = 0;
    mutable qsizetype caret_ = 0;
    mutable qsizetype seenStart_ = -1, seenLength_ = -1; // the box's selection when these were set
    double goalAlong_ = -1; // kept across line moves so that a short line does not pull the caret

    QString preedit_;
    int preeditCursor_ = 0;
    mutable std::shared_ptr<const TextLayout> preeditLayout_;

    bool selecting_ = false;
    bool pressedLeft_ = false;
    bool wordSelecting_ = false;
    qsizetype wordAnchorFrom_ = 0, wordAnchorTo_ = 0;
    QBasicTimer blink_;
    QBasicTimer dragScroll_;
    QPoint lastDragPos_;
    bool caretOn_ = true;
    QSizeF shownPageMm_;
};

} // namespace rt
