// The program's run: one instance per user, the main window, the event loop.
#pragma once

namespace app {

int runProgram(int argc, char** argv);

} // namespace app
