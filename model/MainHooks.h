// Where the main window meets windows and commands that live elsewhere: the
// print dispatcher, the preview editor, the configuration windows and the
// input sub-windows. Each is a hook that its owner sets when it starts; a
// command whose hook is empty stays disabled in the main window.
#pragma once

#include <QString>
#include <array>
#include <functional>

namespace forms {
class Unloadable;
}
namespace rt {
class RichTextBox;
}

namespace app {

struct MainHooks {
    // Print dispatcher: lays the current choices out and prints or edits by EditMode.
    std::function<void()> PrintOrPreview;
    // Inscription and name previews of the main window.
    std::function<void()> DrawOmotegakiPreview;
    std::function<void()> DrawNameWritingPreview;

    // Input sub-windows frmTextSub0..4, the settings dialog and the preview
    // window, unloaded in this order when the main window closes or resets.
    std::array<forms::Unloadable*, 5> frmTextSub{};
    forms::Unloadable* Noshisettei = nullptr;
    forms::Unloadable* frmNoshiPreView = nullptr;

    // Modal input sub-windows, owned by the main window.
    std::function<void()> showTextSub0; // inscription extension
    std::function<void()> showTextSub1; // name extension (after setting its rank frame)
    std::function<void()> showTextSub2; // two-line name
    std::function<void()> showTextSub3; // joint names
    std::function<void()> showTextSub4; // bulk label editor, modal without an owner
    // Joint names window: limit to three names, or enable names 4 to 7.
    std::function<void()> LimitJointNames;
    std::function<void()> enableAllJointNames;
    // frmTextSub1.Check4 (bulk label): reading it loads the window hidden.
    std::function<int()> bulkLabelChecked;
    // frmTextSub4.RichTextBox1, the bulk label: reading it loads the editor hidden.
    std::function<rt::RichTextBox*()> bulkLabelBox;
    // Names read for the name-file list's search text.
    std::function<QString()> twoLineCompanyName;   // frmTextSub2.Text7
    std::function<QString()> firstJointName;       // frmTextSub3.txtName(1)
    // Hidden fields of the preview window (reading loads it hidden).
    std::function<QString()> previewTxtFile1;
    std::function<QString()> previewTxtFile2;

    // Windows opened from the main window's buttons and menus.
    std::function<void()> showSplash;                // first wizard page, modal
    std::function<void(const QString& seed)> showDatabase2; // name-file list, modal
    std::function<void()> showDatabase1;             // inscription-file list, modal
    std::function<void()> showPrinterDialog;         // modal
    std::function<void(int tab)> showSettings;       // Noshisettei, modeless, at a tab
    std::function<bool(int tab)> settingsTabBuilt;   // the dialog has that tab's content
    std::function<void()> showFreeSize;              // modeless
    std::function<void()> showHagaki;                // modeless
    std::function<void()> showNoshiLike;             // inscription guide, modeless
};

// The hooks of the installed program context (model/ProgramContext.h).
MainHooks& hooks();

} // namespace app
