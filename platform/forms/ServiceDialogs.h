// Message boxes and the common dialogs (file, folder, font, colour) belong to
// the desktop, not to the program's windows: a window that comes to the front
// again when one of them closes has not been activated by the user. Windows
// whose activation does work (loads, refills) leave such returns out.
#pragma once

class QEvent;

namespace forms {

// Starts watching the focus (once per run); a window that asks below calls
// it when it is built, before any dialog can show over it.
void watchServiceDialogs();

// True for a window activation that only ends a message box or common dialog.
bool isServiceDialogReturn(const QEvent* e);

} // namespace forms
