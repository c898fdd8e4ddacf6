// The view, format and help menus and the right-click menu that the preview
// editor and the page editors share, caption for caption: built once here.
#pragma once

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace preview {

class PreviewFormatter;

struct EditorMenus {
    QAction* mnuViewStatusBar = nullptr;
    QAction *mnuFontChange = nullptr, *mnuFontB = nullptr, *mnuFontItalic = nullptr, *mnuFontUnder = nullptr;
    QAction *mnuFontst = nullptr, *mnuFontReset = nullptr, *mnuFontColor = nullptr, *mnuUsuzumi = nullptr;
    QAction* mnuFontSize = nullptr;
    QAction *mnuHelpContents = nullptr, *mnuHint = nullptr, *mnuHelpAbout = nullptr;
    QMenu* mnuPopup = nullptr;
    QAction *mnuPopEditUndo = nullptr, *mnuPopEditCut = nullptr, *mnuPopEditCopy = nullptr;
    QAction *mnuPopEditPaste = nullptr, *mnuPopFont = nullptr, *mnuPopColor = nullptr;
    QAction *mnuPopUsuzumi = nullptr, *mnuPopSize = nullptr;

    // Adds 表示, 書式 and ﾍﾙﾌﾟ to the bar, in that order, and builds the
    // right-click menu owned by owner. Connecting them is the window's job.
    void buildSharedMenus(QMenuBar* bar, QWidget* owner);

    // Connects the format menu and the right-click menu to the window's
    // formatter, asked for at each command (a window may replace it).
    void connectFormatCommands(QObject* context, std::function<PreviewFormatter&()> formatter);
};

} // namespace preview
