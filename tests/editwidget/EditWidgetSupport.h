// A vertical page in an editing widget, shown offscreen and focused, with
// helpers that aim the mouse at a character by the layout's own geometry.
#pragma once

#include "platform/richtext/RichTextEdit.h"
#include "platform/richtext/TextLayout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <memory>

// Key and mouse events sent to a widget the way the window system sends them.
namespace drive {

inline void keyClick(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
{
    QString t = text;
    if (t.isEmpty() && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        if (key == Qt::Key_Return)
            t = QStringLiteral("\r");
        else if (key == Qt::Key_Backspace)
            t = QStringLiteral("\b");
    }
    QKeyEvent press(QEvent::KeyPress, key, mods, t);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, t);
    QApplication::sendEvent(w, &release);
}

inline void keyClicks(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        const int key = c.isLetterOrNumber() && c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        keyClick(w, Qt::Key(key), Qt::NoModifier, QString(c));
    }
}

inline void mouseEvent(QWidget* w, QEvent::Type type, Qt::MouseButton b, Qt::KeyboardModifiers mods, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(b);
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), type == QEvent::MouseMove ? Qt::NoButton : b,
                  type == QEvent::MouseMove ? Qt::MouseButtons(Qt::LeftButton) : held, mods);
    QApplication::sendEvent(w, &e);
}

inline void mousePress(QWidget* w, Qt::MouseButton b, Qt::KeyboardModifiers mods, QPoint at)
{
    mouseEvent(w, QEvent::MouseButtonPress, b, mods, at);
}
inline void mouseRelease(QWidget* w, Qt::MouseButton b, Qt::KeyboardModifiers mods, QPoint at)
{
    mouseEvent(w, QEvent::MouseButtonRelease, b, mods, at);
}
inline void mouseMove(QWidget* w, QPoint at) { mouseEvent(w, QEvent::MouseMove, Qt::NoButton, {}, at); }
inline void mouseClick(QWidget* w, Qt::MouseButton b, Qt::KeyboardModifiers mods, QPoint at)
{
    mousePress(w, b, mods, at);
    mouseRelease(w, b, mods, at);
}
// Press, release, double-click, release: the order a double-click arrives in.
inline void mouseDClick(QWidget* w, Qt::MouseButton b, Qt::KeyboardModifiers mods, QPoint at)
{
    mouseClick(w, b, mods, at);
    mouseEvent(w, QEvent::MouseButtonDblClick, b, mods, at);
    mouseRelease(w, b, mods, at);
}

// Counts the emissions of a signal.
template <typename Obj, typename Signal>
std::shared_ptr<int> count(Obj* obj, Signal signal)
{
    auto n = std::make_shared<int>(0);
    QObject::connect(obj, signal, obj, [n] { ++*n; });
    return n;
}

} // namespace drive

namespace edittest {

struct Page {
    std::unique_ptr<rt::RichTextEdit> edit;
    rt::RichTextBox* box = nullptr;

    explicit Page(bool vertical = true, double widthMm = 60, double heightMm = 60, QSize view = {300, 300})
    {
        edit = std::make_unique<rt::RichTextEdit>();
        box = edit->box();
        box->setVertical(vertical);
        box->setWidthMm(widthMm);
        box->setHeightMm(heightMm);
        box->setSelFontSize(20);
        edit->resize(view);
        edit->show();
        QApplication::setActiveWindow(edit.get());
        edit->setFocus();
        QApplication::processEvents();
    }

    // Text written through the box, as the layout writes a page; not undoable.
    void write(const QString& text)
    {
        box->setSelText(text);
        box->setSelStart(0);
        edit->clearUndo();
    }

    QWidget* view() const { return edit->viewport(); }

    // The middle of the character at pos (or of the gap before it, when `gap`).
    QPoint pointAt(qsizetype pos, bool gap = false) const
    {
        const auto layout = box->layout();
        const rt::LaidLine& l = layout->lines()[layout->lineOf(pos)];
        const qsizetype k = pos - l.start;
        const double along = gap || k >= l.length ? l.stops[k] : (l.stops[k] + l.stops[k + 1]) / 2;
        const QPointF mm = layout->vertical() ? QPointF(l.rectMm.center().x(), along)
                                              : QPointF(along, l.rectMm.center().y());
        return edit->viewportPointAt(mm).toPoint();
    }

    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { drive::keyClick(edit.get(), k, mods); }

    QString text() const { return box->text(); }
};

} // namespace edittest
