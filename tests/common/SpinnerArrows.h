// Clicking a spinner's arrows as a user does: a press and a release on the
// upper or the lower end of the bar, where the arrows are drawn.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

inline void clickArrow(QScrollBar* spin, bool upper)
{
    const QPointF at(spin->width() / 2.0, upper ? 2.0 : spin->height() - 3.0);
    const QPointF global = spin->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(spin, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(spin, &release);
}
