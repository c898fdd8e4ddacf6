// The program's own start-up, ended at the main window's first complete
// frame: the figure that the bare Qt windows are paired with.
#include "FirstFrame.h"
#include "Program.h"

#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv)
{
    return app::runProgram(argc, argv, [](QWidget& mainWindow) { atFirstFrame(&mainWindow, [] { std::_Exit(0); }); });
}
