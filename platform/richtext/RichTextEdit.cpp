#include "platform/richtext/RichTextEdit.h"

#include "platform/richtext/DocumentEdit.h"
#include "platform/richtext/Render.h"
#include "platform/richtext/RichTextEditClipboard.h"
#include "platform/richtext/RichTextEditCursor.h"
#include "platform/richtext/TextLayout.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextCharFormat>
#include <cmath>

namespace rt {

namespace {

constexpr double MmPerInch = 25.4;
constexpr double MinZoom = 0.1, MaxZoom = 10.0;
constexpr double WheelZoomStep = 1.1;
constexpr int CaretPx = 2;
constexpr int DragScrollMs = 50;
constexpr int ScrollStepPx = 20;

bool isTextInput(const QKeyEvent* e)
{
    const QString t = e->text();
    if (t.isEmpty())
        return false;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    // AltGr arrives as Ctrl+Alt on some systems and still types.
    if (mods != Qt::NoModifier && mods != (Qt::ControlModifier | Qt::AltModifier))
        return false;
    for (QChar c : t)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}

bool isKey(const QKeyEvent* e, Qt::Key key, Qt::KeyboardModifiers mods)
{
    return e->key() == key && (e->modifiers() & ~Qt::KeypadModifier) == mods;
}

} // namespace

RichTextEdit::RichTextEdit(QWidget* parent) : QAbstractScrollArea(parent)
{
    ownBox_ = new RichTextBox(this);
    box_ = ownBox_;
    init();
}

RichTextEdit::RichTextEdit(RichTextBox* box, QWidget* parent) : QAbstractScrollArea(parent), box_(box)
{
    init();
}

RichTextEdit::~RichTextEdit() = default;

void RichTextEdit::init()
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, true);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(false);
    canvas_ = palette().color(QPalette::Window);
    horizontalScrollBar()->setSingleStep(ScrollStepPx);
    verticalScrollBar()->setSingleStep(ScrollStepPx);
    attach();
}

void RichTextEdit::setBox(RichTextBox* box)
{
    if (box == box_)
        return;
    if (box_)
        disconnect(box_, nullptr, this, nullptr);
    box_ = box;
    preedit_.clear();
    preeditLayout_.reset();
    attach();
    update();
}

void RichTextEdit::attach()
{
    seenStart_ = seenLength_ = -1;
    if (!box_)
        return;
    // What was done to the box before it was shown here is not undone here.
    box_->clearUndo();
    connect(box_, &RichTextBox::changed, this, &RichTextEdit::onBoxChanged);
    // A selection set by code (a command, the other box's click) shows at once.
    connect(box_, &RichTextBox::selectionMoved, this, [this] { viewport()->update(); });
    syncAnchor();
    updateScrollBars();
}

void RichTextEdit::setReadOnly(bool on)
{
    if (on != readOnly_ && box_)
        box_->clearUndo();
    readOnly_ = on;
    setAttribute(Qt::WA_InputMethodEnabled, !on);
    viewport()->setCursor(on ? Qt::ArrowCursor : Qt::IBeamCursor);
    if (on)
        preedit_.clear();
    update();
}

void RichTextEdit::setZoom(double zoom)
{
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    updateScrollBars();
    updateGeometry();
    viewport()->update();
    emit zoomChanged(zoom_);
}

void RichTextEdit::setPageMarginMm(double mm)
{
    marginMm_ = std::max(0.0, mm);
    updateScrollBars();
    updateGeometry();
    viewport()->update();
}

void RichTextEdit::setCanvasColor(const QColor& c)
{
    canvas_ = c;
    viewport()->update();
}

// --- the box and its changes ---

void RichTextEdit::onBoxChanged()
{
    preeditLayout_.reset();
    if (box_ && shownPageMm_ != QSizeF(box_->widthMm(), box_->heightMm()))
        updateScrollBars();
    viewport()->update();
    emit changed();
}

template <typename F>
void RichTextEdit::editStep(EditHistory::Kind kind, F change)
{
    if (!box_ || readOnly_)
        return;
    box_->beginEdit(kind);
    change();
    box_->endEdit();
    seenStart_ = seenLength_ = -1;
    syncAnchor();
    caretOn_ = true;
    goalAlong_ = -1;
    ensureCaretVisible();
    viewport()->update();
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImQueryInput);
}

void RichTextEdit::afterRestore()
{
    seenStart_ = seenLength_ = -1;
    syncAnchor();
    ensureCaretVisible();
    viewport()->update();
    emit selectionChanged();
}

void RichTextEdit::syncAnchor() const
{
    if (!box_)
        return;
    if (box_->selStart() == seenStart_ && box_->selLength() == seenLength_)
        return;
    // Someone set the selection through the box: it runs forward from its start.
    anchor_ = box_->selStart();
    caret_ = box_->selStart() + box_->selLength();
    seenStart_ = box_->selStart();
    seenLength_ = box_->selLength();
}

void RichTextEdit::setCaret(qsizetype caret, qsizetype anchor)
{
    if (!box_ || readOnly_)
        return;
    const qsizetype total = box_->document().length();
    caret = std::clamp<qsizetype>(caret, 0, total);
    anchor = std::clamp<qsizetype>(anchor, 0, total);
    const qsizetype start = std::min(caret, anchor);
    const qsizetype length = std::abs(caret - anchor);
    const bool moved = start != box_->selStart() || length != box_->selLength() || caret != caret_;
    box_->setSelStart(start);
    box_->setSelLength(length);
    caret_ = caret;
    anchor_ = anchor;
    seenStart_ = box_->selStart();
    seenLength_ = box_->selLength();
    goalAlong_ = -1;
    if (box_)
        box_->breakTypingRun();
    restartBlink();
    ensureCaretVisible();
    viewport()->update();
    if (moved) {
        if (hasFocus())
            QGuiApplication::inputMethod()->update(Qt::ImQueryInput);
        emit selectionChanged();
    }
}

qsizetype RichTextEdit::caretPosition() const
{
    syncAnchor();
    return caret_;
}

qsizetype RichTextEdit::anchorPosition() const
{
    syncAnchor();
    return anchor_;
}

// --- commands ---

void RichTextEdit::typeText(const QString& text)
{
    if (!box_ || readOnly_)
        return;
    const auto kind = box_->selLength() > 0 ? EditHistory::Kind::Other : EditHistory::Kind::Typing;
    editStep(kind, [&] { box_->setSelText(text); });
}

void RichTextEdit::deleteCharacter(bool forward)
{
    syncAnchor();
    editStep(EditHistory::Kind::Other, [&] {
        if (box_->selLength() == 0) {
            // Nothing selected: the character (or paragraph end) beside the caret.
            const qsizetype at = box_->selStart();
            const qsizetype other = forward ? caret::next(box_->document(), at) : caret::previous(box_->document(), at);
            if (other == at)
                return;
            box_->setSelStart(std::min(at, other));
            box_->setSelLength(std::abs(other - at));
        }
        box_->setSelText(QString());
    });
}

void RichTextEdit::stepHistory(bool back)
{
    if (!box_ || readOnly_)
        return;
    if (!(back ? box_->canUndo() : box_->canRedo()))
        return;
    back ? box_->undo() : box_->redo();
    afterRestore();
}

void RichTextEdit::undo() { stepHistory(true); }
void RichTextEdit::redo() { stepHistory(false); }

void RichTextEdit::clearUndo()
{
    if (box_)
        box_->clearUndo();
}

void RichTextEdit::copy() const
{
    if (!box_ || box_->selLength() == 0)
        return;
    auto mime = clip::mimeFor(box_->document(), box_->selStart(), box_->selStart() + box_->selLength());
    QGuiApplication::clipboard()->setMimeData(mime.release());
}

void RichTextEdit::cut()
{
    if (!box_ || readOnly_ || box_->selLength() == 0)
        return;
    copy();
    editStep(EditHistory::Kind::Other, [&] { box_->setSelText(QString()); });
}

void RichTextEdit::paste()
{
    if (!box_ || readOnly_)
        return;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        return;
    const clip::Pasted pasted = clip::read(*mime);
    if (pasted.isEmpty())
        return;
    editStep(EditHistory::Kind::Other, [&] {
        if (pasted.rich)
            clip::insertFragment(*box_, *pasted.rich);
        else if (pasted.picture)
            box_->insertObject(pasted.picture);
        else
            box_->setSelText(pasted.text);
    });
}

void RichTextEdit::selectAll()
{
    if (box_)
        setCaret(box_->document().length(), 0);
}

// --- movement ---

void RichTextEdit::moveCaret(Move m, bool extend)
{
    if (!box_ || readOnly_)
        return;
    syncAnchor();
    const RichDocument& doc = box_->document();
    const std::shared_ptr<const TextLayout> layout = box_->layout();
    const bool selected = anchor_ != caret_;
    // An arrow along the line without Shift collapses a selection to its end on that side.
    if (!extend && selected && (m == Move::Next || m == Move::Previous)) {
        const qsizetype to = m == Move::Next ? std::max(anchor_, caret_) : std::min(anchor_, caret_);
        setCaret(to, to);
        return;
    }
    double goal = goalAlong_;
    qsizetype pos = caret_;
    switch (m) {
    case Move::Next:
        pos = caret::next(doc, caret_);
        break;
    case Move::Previous:
        pos = caret::previous(doc, caret_);
        break;
    case Move::LineStart:
        pos = caret::lineStart(*layout, caret_);
        break;
    case Move::LineEnd:
        pos = caret::lineEnd(*layout, caret_);
        break;
    case Move::TextStart:
        pos = 0;
        break;
    case Move::TextEnd:
        pos = doc.length();
        break;
    case Move::AcrossForward:
    case Move::AcrossBack:
    case Move::PageForward:
    case Move::PageBack: {
        if (goal < 0)
            goal = caret::alongOf(*layout, caret_);
        const int sign = (m == Move::AcrossForward || m == Move::PageForward) ? 1 : -1;
        int lines = 1;
        if (m == Move::PageForward || m == Move::PageBack) {
            const double viewMm = (layout->vertical() ? viewport()->width() : viewport()->height()) / dotsPerMm();
            lines = caret::linesWithin(*layout, caret_, viewMm, sign);
        }
        pos = caret::acrossLines(*layout, caret_, sign * lines, goal);
        break;
    }
    }
    setCaret(pos, extend ? anchor_ : pos);
    if (m == Move::AcrossForward || m == Move::AcrossBack || m == Move::PageForward || m == Move::PageBack)
        goalAlong_ = goal;
}

bool RichTextEdit::handleMovement(QKeyEvent* e)
{
    const bool vertical = box_->vertical();
    const bool extend = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    switch (e->key()) {
    case Qt::Key_Up:
        moveCaret(vertical ? Move::Previous : Move::AcrossBack, extend);
        return true;
    case Qt::Key_Down:
        moveCaret(vertical ? Move::Next : Move::AcrossForward, extend);
        return true;
    case Qt::Key_Left: // columns run from right to left
        moveCaret(vertical ? Move::AcrossForward : Move::Previous, extend);
        return true;
    case Qt::Key_Right:
        moveCaret(vertical ? Move::AcrossBack : Move::Next, extend);
        return true;
    case Qt::Key_Home:
        moveCaret(ctrl ? Move::TextStart : Move::LineStart, extend);
        return true;
    case Qt::Key_End:
        moveCaret(ctrl ? Move::TextEnd : Move::LineEnd, extend);
        return true;
    case Qt::Key_PageDown:
        moveCaret(Move::PageForward, extend);
        return true;
    case Qt::Key_PageUp:
        moveCaret(Move::PageBack, extend);
        return true;
    default:
        return false;
    }
}

bool RichTextEdit::handleShortcut(QKeyEvent* e)
{
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    if (e->matches(QKeySequence::Undo) || isKey(e, Qt::Key_Backspace, Qt::AltModifier)) {
        undo();
    } else if (e->matches(QKeySequence::Redo) || isKey(e, Qt::Key_Y, Qt::ControlModifier)) {
        redo();
    } else if (e->matches(QKeySequence::Cut) || isKey(e, Qt::Key_Delete, Qt::ShiftModifier)) {
        cut();
    } else if (e->matches(QKeySequence::Copy) || isKey(e, Qt::Key_Insert, Qt::ControlModifier)) {
        copy();
    } else if (e->matches(QKeySequence::Paste) || isKey(e, Qt::Key_Insert, Qt::ShiftModifier)) {
        paste();
    } else if (e->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (isKey(e, Qt::Key_Backspace, none) || isKey(e, Qt::Key_Backspace, Qt::ShiftModifier)) {
        deleteCharacter(false);
    } else if (isKey(e, Qt::Key_Delete, none)) {
        deleteCharacter(true);
    } else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        typeText(QStringLiteral("\r\n")); // a new column
    } else {
        return false;
    }
    return true;
}

// --- events ---

bool RichTextEdit::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride && box_ && !readOnly_) {
        // Keys the box types or moves with win over a window's plain-key
        // shortcuts; Ctrl combinations are left to the menus, which call the
        // same commands.
        auto* k = static_cast<QKeyEvent*>(e);
        const bool plain = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        switch (k->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (plain) {
                e->accept();
                return true;
            }
            break;
        default:
            if (isTextInput(k) && plain) {
                e->accept();
                return true;
            }
        }
    }
    return QAbstractScrollArea::event(e);
}

void RichTextEdit::keyPressEvent(QKeyEvent* e)
{
    if (!box_ || readOnly_) {
        if (box_ && e->matches(QKeySequence::Copy))
            copy();
        else
            QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    if (handleShortcut(e) || handleMovement(e)) {
        e->accept();
        return;
    }
    if (isTextInput(e)) {
        typeText(e->text());
        e->accept();
        return;
    }
    e->ignore();
}

void RichTextEdit::inputMethodEvent(QInputMethodEvent* e)
{
    if (!box_ || readOnly_) {
        e->ignore();
        return;
    }
    if (!e->commitString().isEmpty() || e->replacementLength() > 0) {
        editStep(EditHistory::Kind::Typing, [&] {
            if (e->replacementLength() > 0) {
                const qsizetype from = box_->selStart() + e->replacementStart();
                box_->setSelStart(from);
                box_->setSelLength(e->replacementLength());
            }
            box_->setSelText(e->commitString());
        });
    }
    preedit_ = e->preeditString();
    preeditCursor_ = int(preedit_.size());
    for (const QInputMethodEvent::Attribute& a : e->attributes())
        if (a.type == QInputMethodEvent::Cursor)
            preeditCursor_ = std::clamp(a.start, 0, int(preedit_.size()));
    // Composing over a selection replaces it, as typing does.
    if (!preedit_.isEmpty() && box_->selLength() > 0)
        editStep(EditHistory::Kind::Other, [&] { box_->setSelText(QString()); });
    preeditLayout_.reset();
    caretOn_ = true;
    ensureCaretVisible();
    viewport()->update();
    e->accept();
}

QVariant RichTextEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (!box_)
        return QAbstractScrollArea::inputMethodQuery(query);
    syncAnchor();
    const edit::Location at = edit::locate(box_->document(), caret_);
    const qsizetype paragraphBase = caret_ - at.offset;
    switch (query) {
    case Qt::ImEnabled:
        return !readOnly_;
    case Qt::ImReadOnly:
        return readOnly_;
    case Qt::ImCursorRectangle:
        return QRectF(caretRect().translated(viewport()->pos()));
    case Qt::ImAnchorRectangle:
        return QRectF(caretRect().translated(viewport()->pos()));
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return int(at.offset);
    case Qt::ImAnchorPosition:
        return int(std::clamp<qsizetype>(anchor_ - paragraphBase, 0,
                                         box_->document().paragraphs[at.paragraph].length()));
    case Qt::ImAbsolutePosition:
        return int(caret_);
    case Qt::ImSurroundingText:
        return caret::paragraphText(box_->document().paragraphs[at.paragraph]);
    case Qt::ImCurrentSelection:
        return box_->selText();
    case Qt::ImTextBeforeCursor:
        return caret::paragraphText(box_->document().paragraphs[at.paragraph]).left(at.offset);
    case Qt::ImTextAfterCursor:
        return caret::paragraphText(box_->document().paragraphs[at.paragraph]).mid(at.offset);
    case Qt::ImHints:
        return int(Qt::ImhMultiLine);
    case Qt::ImMaximumTextLength:
        return QVariant();
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

QPoint RichTextEdit::dragPoint(const QPoint& p) const
{
    const QRect r = viewport()->rect();
    return QPoint(std::clamp(p.x(), r.left(), r.right()), std::clamp(p.y(), r.top(), r.bottom()));
}

void RichTextEdit::mousePressEvent(QMouseEvent* e)
{
    if (!box_)
        return;
    if (e->button() == Qt::RightButton) {
        emit rightPressed(e->globalPosition().toPoint());
        e->accept();
        return;
    }
    if (e->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    pressedLeft_ = true;
    if (readOnly_)
        return;
    syncAnchor();
    const qsizetype pos = box_->layout()->positionAt(mmAt(e->position().toPoint()));
    const bool extend = e->modifiers() & Qt::ShiftModifier;
    setCaret(pos, extend ? anchor_ : pos);
    selecting_ = true;
    wordSelecting_ = false;
    e->accept();
}

std::shared_ptr<EmbeddedObject> RichTextEdit::objectAt(const QPoint& viewportPos) const
{
    if (!box_)
        return nullptr;
    const QPointF mm = mmAt(viewportPos);
    for (const LaidLine& line : box_->layout()->lines())
        for (const ObjectBox& b : line.objects)
            if (b.rectMm.contains(mm))
                return b.object;
    return nullptr;
}

void RichTextEdit::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (!box_ || e->button() != Qt::LeftButton)
        return;
    pressedLeft_ = true;
    if (readOnly_)
        return;
    if (std::shared_ptr<EmbeddedObject> obj = objectAt(e->position().toPoint())) {
        for (const LaidLine& line : box_->layout()->lines())
            for (const ObjectBox& b : line.objects)
                if (b.object == obj)
                    setCaret(b.position + 1, b.position);
        e->accept();
        emit objectDoubleClicked(obj);
        return;
    }
    const auto word = caret::wordAt(box_->document(), caret::characterAt(*box_->layout(), mmAt(e->position().toPoint())));
    wordAnchorFrom_ = word.first;
    wordAnchorTo_ = word.second;
    setCaret(word.second, word.first);
    selecting_ = true;
    wordSelecting_ = true;
    e->accept();
}

void RichTextEdit::mouseMoveEvent(QMouseEvent* e)
{
    if (!box_ || !selecting_ || readOnly_)
        return;
    lastDragPos_ = e->position().toPoint();
    const QPointF mm = mmAt(dragPoint(lastDragPos_));
    if (wordSelecting_) {
        // A double-click drag grows by whole words.
        const auto w = caret::wordAt(box_->document(), caret::characterAt(*box_->layout(), mm));
        if (w.first < wordAnchorFrom_)
            setCaret(w.first, wordAnchorTo_);
        else
            setCaret(std::max(w.second, wordAnchorTo_), wordAnchorFrom_);
    } else {
        setCaret(box_->layout()->positionAt(mm), anchor_);
    }
    if (viewport()->rect().contains(lastDragPos_))
        dragScroll_.stop();
    else if (!dragScroll_.isActive())
        dragScroll_.start(DragScrollMs, this);
}

void RichTextEdit::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    selecting_ = false;
    wordSelecting_ = false;
    dragScroll_.stop();
    if (pressedLeft_) {
        pressedLeft_ = false;
        emit clicked();
    }
    e->accept();
}

void RichTextEdit::wheelEvent(QWheelEvent* e)
{
    if (e->modifiers() & Qt::ControlModifier) {
        const double steps = e->angleDelta().y() / 120.0;
        setZoom(zoom_ * std::pow(WheelZoomStep, steps));
        e->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(e);
}

void RichTextEdit::focusInEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusInEvent(e);
    restartBlink();
    viewport()->update();
    emit focusIn();
}

void RichTextEdit::focusOutEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusOutEvent(e);
    blink_.stop();
    if (box_)
        box_->breakTypingRun();
    viewport()->update();
}

void RichTextEdit::restartBlink()
{
    caretOn_ = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        blink_.start(flash / 2, this);
    else
        blink_.stop();
}

void RichTextEdit::timerEvent(QTimerEvent* e)
{
    if (e->timerId() == blink_.timerId()) {
        caretOn_ = !caretOn_;
        viewport()->update(caretRect().adjusted(-CaretPx, -CaretPx, CaretPx, CaretPx));
    } else if (e->timerId() == dragScroll_.timerId()) {
        const QRect r = viewport()->rect();
        const int dx = lastDragPos_.x() < r.left() ? lastDragPos_.x() - r.left()
                       : lastDragPos_.x() > r.right() ? lastDragPos_.x() - r.right() : 0;
        const int dy = lastDragPos_.y() < r.top() ? lastDragPos_.y() - r.top()
                       : lastDragPos_.y() > r.bottom() ? lastDragPos_.y() - r.bottom() : 0;
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
        verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
        if (box_)
            setCaret(box_->layout()->positionAt(mmAt(dragPoint(lastDragPos_))), anchor_);
    } else {
        QAbstractScrollArea::timerEvent(e);
    }
}

// --- geometry and drawing ---

double RichTextEdit::dotsPerMm() const
{
    return logicalDpiX() / MmPerInch * zoom_;
}

QSizeF RichTextEdit::contentSizePx() const
{
    if (!box_)
        return {};
    const double dpm = dotsPerMm();
    return QSizeF((box_->widthMm() + 2 * marginMm_) * dpm, (box_->heightMm() + 2 * marginMm_) * dpm);
}

QRectF RichTextEdit::pageRectPx() const
{
    if (!box_)
        return {};
    const double dpm = dotsPerMm();
    return QRectF(marginMm_ * dpm - horizontalScrollBar()->value(), marginMm_ * dpm - verticalScrollBar()->value(),
                  box_->widthMm() * dpm, box_->heightMm() * dpm);
}

QPointF RichTextEdit::mmAt(const QPoint& p) const
{
    const QRectF page = pageRectPx();
    return (QPointF(p) - page.topLeft()) / dotsPerMm();
}

QPointF RichTextEdit::viewportPointAt(const QPointF& mm) const
{
    return pageRectPx().topLeft() + mm * dotsPerMm();
}

void RichTextEdit::updateScrollBars()
{
    if (box_)
        shownPageMm_ = QSizeF(box_->widthMm(), box_->heightMm());
    const QSizeF content = contentSizePx();
    // A page that fits the whole area needs no bars, even while bars shown
    // for an earlier, larger page still take their room from the viewport.
    const QSize whole = maximumViewportSize();
    const bool fits = std::ceil(content.width()) <= whole.width() && std::ceil(content.height()) <= whole.height();
    const QSize view = fits ? whole : viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, int(std::ceil(content.width())) - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, int(std::ceil(content.height())) - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

QSize RichTextEdit::sizeHint() const
{
    const QSizeF content = contentSizePx();
    const int f = 2 * frameWidth();
    return QSize(int(std::ceil(content.width())) + f, int(std::ceil(content.height())) + f);
}

void RichTextEdit::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    updateScrollBars();
}

void RichTextEdit::scrollContentsBy(int, int)
{
    viewport()->update();
}

void RichTextEdit::ensureCaretVisible()
{
    if (!box_)
        return;
    const QRect c = caretRect();
    const QRect view = viewport()->rect();
    const int pad = CaretPx * 2;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    if (c.left() < view.left())
        h->setValue(h->value() + c.left() - view.left() - pad);
    else if (c.right() > view.right())
        h->setValue(h->value() + c.right() - view.right() + pad);
    if (c.top() < view.top())
        v->setValue(v->value() + c.top() - view.top() - pad);
    else if (c.bottom() > view.bottom())
        v->setValue(v->value() + c.bottom() - view.bottom() + pad);
}

std::shared_ptr<const TextLayout> RichTextEdit::shownLayout() const
{
    if (preedit_.isEmpty())
        return box_->layout();
    if (!preeditLayout_) {
        // The text being composed is laid out in place, underlined, in the
        // format it will take.
        RichDocument shown = box_->document();
        CharFormat f = box_->insertionFormat();
        f.underline = true;
        edit::insertText(shown, box_->selStart(), preedit_, f);
        preeditLayout_ = std::make_shared<const TextLayout>(shown, box_->widthMm(), box_->heightMm(),
                                                            box_->wrapLengthMm(), box_->vertical());
    }
    return preeditLayout_;
}

QRect RichTextEdit::caretRect() const
{
    if (!box_)
        return {};
    syncAnchor();
    const qsizetype pos = preedit_.isEmpty() ? caret_ : box_->selStart() + preeditCursor_;
    const QLineF mm = shownLayout()->caretMm(pos);
    const QPointF a = viewportPointAt(mm.p1()), b = viewportPointAt(mm.p2());
    // The caret lies across the line (horizontal in a column, upright in a
    // row) on the first pixels after the gap, so that it shows at a page edge.
    QRectF r = QRectF(a, b).normalized();
    if (box_->vertical())
        r.setHeight(CaretPx);
    else
        r.setWidth(CaretPx);
    return r.toAlignedRect();
}

void RichTextEdit::paintEvent(QPaintEvent* event)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), canvas_);
    if (!box_)
        return;
    if (shownPageMm_ != QSizeF(box_->widthMm(), box_->heightMm()))
        updateScrollBars();
    const QRectF page = pageRectPx();
    const double dpm = dotsPerMm();
    p.fillRect(page, Qt::white);
    const std::shared_ptr<const TextLayout> layout = shownLayout();

    // The selection behind the text, from its start to its end along each line.
    const qsizetype s = box_->selStart(), e = s + box_->selLength();
    if (e > s && preedit_.isEmpty()) {
        QColor hl = palette().color(QPalette::Highlight);
        hl.setAlpha(110);
        for (const LaidLine& l : layout->lines()) {
            if (l.start > e || l.start + l.length < s)
                continue;
            const qsizetype a = std::max(s, l.start) - l.start, b = std::min(e, l.start + l.length) - l.start;
            double from = l.stops.value(a), to = l.stops.value(b);
            const bool markSelected = l.endsParagraph && e > l.start + l.length && s <= l.start + l.length;
            if (markSelected) // the paragraph end shows as half an em
                to += (layout->vertical() ? l.rectMm.width() : l.rectMm.height()) / 2;
            if (to <= from)
                continue;
            const QRectF mm = layout->vertical() ? QRectF(l.rectMm.left(), from, l.rectMm.width(), to - from)
                                                 : QRectF(from, l.rectMm.top(), to - from, l.rectMm.height());
            p.fillRect(QRectF(viewportPointAt(mm.topLeft()), mm.size() * dpm), hl);
        }
    }

    rt::render(*layout, p, page, dpm, event->rect());

    const bool showCaret = hasFocus() && caretOn_ && !readOnly_ && (e == s || !preedit_.isEmpty());
    if (showCaret)
        p.fillRect(caretRect(), palette().color(QPalette::Text));
}

} // namespace rt
