// The floor for starting the program: a bare Qt window shown and ended at
// its first complete frame.
#include "FirstFrame.h"

#include <QApplication>
#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(654, 430);
    atFirstFrame(&w, [] { std::_Exit(0); });
    w.show();
    return app.exec();
}
