#include "platform/forms/EnterAsTab.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace forms {

namespace {
const char* const Marker = "noshiEnterAsTab";
}

EnterAsTab::EnterAsTab() : QObject(qApp) {}

EnterAsTab* EnterAsTab::instance()
{
    static EnterAsTab* filter = [] {
        auto* f = new EnterAsTab();
        qApp->installEventFilter(f);
        return f;
    }();
    return filter;
}

void EnterAsTab::install(QWidget* window)
{
    instance();
    window->setProperty(Marker, true);
}

bool EnterAsTab::isInstalled(const QWidget* window) { return window->property(Marker).toBool(); }

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (!window || !isInstalled(window))
        return false;
    // Posted, so that the Tab is handled after this key press has finished.
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier));
    return true;
}

} // namespace forms
