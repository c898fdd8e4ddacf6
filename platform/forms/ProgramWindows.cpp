#include "platform/forms/ProgramWindows.h"

#include <QApplication>
#include <algorithm>
#include <QEvent>
#include <QTimer>

namespace forms {

namespace {

// Windows the user sees as the program's own (menus and tips do not count).
bool countsAsWindow(const QWidget* w)
{
    if (!w || !w->isWindow() || !w->isVisible())
        return false;
    switch (w->windowType()) {
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::Desktop:
    case Qt::SplashScreen:
        return false;
    default:
        return !w->testAttribute(Qt::WA_DontShowOnScreen);
    }
}

} // namespace

ProgramWindows::ProgramWindows(QObject* parent) : QObject(parent)
{
    QApplication::setQuitOnLastWindowClosed(false);
    qApp->installEventFilter(this);
}

ProgramWindows::~ProgramWindows()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool ProgramWindows::anyWindowShown()
{
    const QWidgetList all = QApplication::topLevelWidgets();
    return std::any_of(all.begin(), all.end(), [](const QWidget* w) { return countsAsWindow(w); });
}

QWidget* ProgramWindows::frontWindow() const
{
    if (QWidget* modal = QApplication::activeModalWidget(); countsAsWindow(modal))
        return modal;
    if (countsAsWindow(lastActive_))
        return lastActive_;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (countsAsWindow(w))
            return w;
    }
    return nullptr;
}

void ProgramWindows::bringFrontForward()
{
    QWidget* w = frontWindow();
    if (!w)
        return;
    if (w->isMinimized())
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->raise();
    w->activateWindow();
}

bool ProgramWindows::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::WindowActivate:
        if (auto* w = qobject_cast<QWidget*>(watched); w && w->isWindow())
            lastActive_ = w;
        break;
    case QEvent::Hide:
    case QEvent::Close:
    case QEvent::Destroy:
        if (armed_ && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            checkSoon();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, e);
}

void ProgramWindows::checkSoon()
{
    if (checkPending_)
        return;
    checkPending_ = true;
    // Later, so that a window that hides itself to show another (a wizard's
    // next page) is not taken for the last one.
    QTimer::singleShot(0, this, [this] {
        checkPending_ = false;
        if (armed_ && !anyWindowShown())
            QCoreApplication::exit(0);
    });
}

} // namespace forms
