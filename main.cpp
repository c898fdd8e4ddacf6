// The program: one main window, started as a single instance.
#include "Program.h"

int main(int argc, char** argv) { return app::runProgram(argc, argv); }
