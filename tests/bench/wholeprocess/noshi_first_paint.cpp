// The program's own start-up, ended when the main window first paints: the
// figure that the bare Qt window is paired with.
#include "Program.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cstdlib>

namespace {
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            std::_Exit(0);
        return false;
    }
};
} // namespace

int main(int argc, char** argv)
{
    static FirstPaint watch;
    return app::runProgram(argc, argv, [](QWidget& mainWindow) { mainWindow.installEventFilter(&watch); });
}
