// The program's run: one instance per user, the main window, the event loop.
#pragma once

#include <functional>

class QWidget;

namespace app {

// `shown` is called with the main window once it is shown (a start-up
// measurement hooks in there).
int runProgram(int argc, char** argv, const std::function<void(QWidget&)>& shown = {});

} // namespace app
