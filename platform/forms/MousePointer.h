// The hourglass while a slow window loads. The opened window may put the
// normal pointer back itself when it is activated; the guard then finds
// nothing left to undo.
#pragma once

#include <QGuiApplication>

namespace app {

class Hourglass {
public:
    explicit Hourglass(bool on = true) : on_(on)
    {
        if (on_)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~Hourglass()
    {
        if (on_ && QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    bool on_;
};

} // namespace app
