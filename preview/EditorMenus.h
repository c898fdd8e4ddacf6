// The menus and menu items that the preview editor and the page editors
// share, caption for caption: the print and exit items of the file menu, the
// undo, cut, copy and paste items of the edit menu, the view, format and
// help menus and the right-click menu. Built once here.
#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace preview {

class PreviewFormatter;

struct EditorMenus {
    QAction *mnuFilePrint = nullptr, *mnuPrinterSetup = nullptr, *mnuFileExit = nullptr;
    QAction *mnuEditUndo = nullptr, *mnuEditCut = nullptr, *mnuEditCopy = nullptr, *mnuEditPaste = nullptr;
    QAction* mnuViewStatusBar = nullptr;
    QAction *mnuFontChange = nullptr, *mnuFontB = nullptr, *mnuFontItalic = nullptr, *mnuFontUnder = nullptr;
    QAction *mnuFontst = nullptr, *mnuFontReset = nullptr, *mnuFontColor = nullptr, *mnuUsuzumi = nullptr;
    QAction* mnuFontSize = nullptr;
    QAction *mnuHelpContents = nullptr, *mnuHint = nullptr, *mnuHelpAbout = nullptr;
    QMenu* mnuPopup = nullptr;
    QAction *mnuPopEditUndo = nullptr, *mnuPopEditCut = nullptr, *mnuPopEditCopy = nullptr;
    QAction *mnuPopEditPaste = nullptr, *mnuPopFont = nullptr, *mnuPopColor = nullptr;
    QAction *mnuPopUsuzumi = nullptr, *mnuPopSize = nullptr;

    // An item with its caption and shortcut at the end of the menu.
    static QAction* addItem(QMenu* menu, const QString& caption, const QKeySequence& key = {});
    // Adds 印刷, プリンタの設定, a separator and 閉じる to the file menu.
    void addPrintItems(QMenu* file);
    // Adds 元に戻す, a separator, 切り取り, ｺﾋﾟｰ and 貼り付け to the edit menu.
    void addEditItems(QMenu* edit);

    // Adds 表示, 書式 and ﾍﾙﾌﾟ to the bar, in that order, and builds the
    // right-click menu owned by owner. Connecting them is the window's job.
    void buildSharedMenus(QMenuBar* bar, QWidget* owner);

    // Connects the edit items, the format menu and the right-click menu to
    // the window's formatter, asked for at each command.
    void connectFormatCommands(QObject* context, std::function<PreviewFormatter&()> formatter);

    // The window's menu keys come before the own keys of whatever control in
    // it has the focus: Ctrl+A typed in the copies box saves, it does not
    // select the box's text. Keys no menu item has stay with the control.
    static void putMenuKeysFirst(QWidget* window);
};

} // namespace preview
