// The floor for starting the program: a bare Qt window shown and ended at
// its first paint.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

namespace {
class Window : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { std::_Exit(0); }
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Window w;
    w.resize(654, 430);
    w.show();
    return app.exec();
}
