// The program's life around its main window: it ends when its last window
// has closed, a second start brings its front window forward, and a session
// that ends (SIGTERM) closes the main window as its close box would, so that
// the settings and the data file are saved, before the program ends.
#pragma once

#include "platform/forms/ProgramWindows.h"
#include "platform/services/TermSignal.h"

#include <QObject>

namespace app {

class NoshiMain;
class SingleInstance;

class ProgramLife : public QObject {
    Q_OBJECT
public:
    ProgramLife(NoshiMain& main, SingleInstance* instance, QObject* parent = nullptr);

    // Once the main window is shown: from now on the last window closing ends the program.
    void arm() { windows_.arm(); }
    // The session ends: the main window's closing runs (unless it has run), then the loop ends.
    void endSession();

    forms::ProgramWindows& windows() { return windows_; }

private:
    NoshiMain& main_;
    forms::ProgramWindows windows_;
    shell::TermSignal term_;
};

} // namespace app
