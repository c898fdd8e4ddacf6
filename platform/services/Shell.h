// The desktop shell: documents and web pages opened with their associated
// programs, other programs started by name, the clipboard and a desktop
// shortcut. Tests replace the launcher and record what would have started.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace shell {

enum class ActionKind { OpenUrl, OpenDocument, StartProgram };

struct ShellAction {
    ActionKind kind = ActionKind::OpenUrl;
    QString target;           // address, file path, or program as resolved here
    QStringList arguments;    // StartProgram only
};

// Opens a web address in the user's browser. False when nothing took it.
bool OpenUrl(const QString& url);
// Opens a file with the program associated with its type.
bool OpenDocument(const QString& path);
// The same, and when nothing takes the address or file (no browser, no
// program for the type) the user gets a message naming it, so that it can
// be opened by hand.
bool OpenUrlOrTell(const QString& url);
bool OpenDocumentOrTell(const QString& path);
// The program's help: Japanese HTML pages installed with the program
// (share folder, "help/index.html" the contents page).
QString HelpFile(const QString& page = QStringLiteral("index.html"));
// Opens a help page in the desktop's browser; a page that is missing or
// that nothing opens gets a message naming the file. False then.
bool OpenHelpFile(const QString& page = QStringLiteral("index.html"));
// Starts a program by name or path as a separate process. The names of the
// original platform's tools ("notepad.exe", "calc.exe", "Iexplore.exe") are
// mapped to the desktop's own editor, calculator and browser.
bool StartProgram(const QString& program, const QStringList& arguments = {});
// The program that StartProgram would run for a name (empty when none is found).
QString ResolveProgram(const QString& program);

void SetClipboardText(const QString& text);
QString ClipboardText();
void ClearClipboard();

// The user's desktop folder: $XDG_DESKTOP_DIR, else `xdg-user-dir DESKTOP`,
// else $HOME/Desktop.
QString DesktopDir();
// Writes "<name>.desktop" on the desktop, starting target with its icon;
// an existing shortcut of that name is replaced. False, with a message in
// *error, when the desktop folder is missing or the file cannot be written.
bool CreateDesktopShortcut(const QString& name, const QString& target, const QString& iconPath,
                           QString* error = nullptr);

// Test hooks: the launcher replaces QDesktopServices and QProcess; every
// action is recorded whether or not a launcher is set.
using Launcher = std::function<bool(const ShellAction&)>;
void setLauncher(Launcher l);                 // empty function: the real shell again
const std::vector<ShellAction>& actions();
void clearActions();

} // namespace shell
