#include "app/guide/GuideEnterAsTab.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace guide {

GuideEnterAsTab::GuideEnterAsTab(QWidget* window) : QObject(window), m_window(window) {}

void GuideEnterAsTab::install(QWidget* window)
{
    auto* filter = new GuideEnterAsTab(window);
    window->installEventFilter(filter);
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(filter);
}

bool GuideEnterAsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (qobject_cast<QAbstractButton*>(watched))
        return false;
    // Posted, not sent: the focus moves after this key has been dealt with.
    QCoreApplication::postEvent(m_window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    QCoreApplication::postEvent(m_window, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier));
    return true;
}

} // namespace guide
