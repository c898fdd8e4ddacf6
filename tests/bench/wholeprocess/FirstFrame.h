// The first complete frame of a top-level window: its own paint, its
// children's and the flush to the screen. A window is painted in one pass,
// itself first and its children after; a call posted at its own first paint
// runs once that pass is over.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <functional>
#include <utility>

inline void atFirstFrame(QWidget* window, std::function<void()> then)
{
    class Watch : public QObject {
    public:
        explicit Watch(std::function<void()> f) : then_(std::move(f)) {}

    protected:
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint && then_) {
                QMetaObject::invokeMethod(this, std::exchange(then_, {}), Qt::QueuedConnection);
            }
            return false;
        }

    private:
        std::function<void()> then_;
    };
    auto* watch = new Watch(std::move(then));
    watch->setParent(window);
    window->installEventFilter(watch);
}

// Shows `window` and returns once its first complete frame is drawn.
inline void showToFirstFrame(QWidget* window)
{
    bool drawn = false;
    atFirstFrame(window, [&drawn] { drawn = true; });
    window->show();
    while (!drawn)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
