// Key and mouse events sent to widgets the way the window system sends them,
// for tests that walk the windows' own controls.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <memory>

// Qt's own entry for a key that may be a shortcut: the focus widget may claim
// it first (ShortcutOverride), otherwise the window's shortcuts get it.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

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

// A key typed into the focus widget `w` as the keyboard delivers it: a menu
// shortcut takes it unless the widget claims it.
inline void typedKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    if (!qt_sendShortcutOverrideEvent(w, 0, key, mods, QString(), false, 1))
        keyClick(w, key, mods);
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
    // A press gives the focus to the first widget from here up that takes it
    // by clicking, as the application does for a press from the window system.
    for (QWidget* f = w; f; f = f->isWindow() ? nullptr : f->parentWidget()) {
        if (f->isEnabled() && (f->focusPolicy() & Qt::ClickFocus)) {
            f->setFocus(Qt::MouseFocusReason);
            break;
        }
    }
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
// A left click in the middle of a control (a button, a label used as a command).
inline void click(QWidget* w) { mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center()); }
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
