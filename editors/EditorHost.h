// What the page editors need of the main window: a snapshot of the choices
// they read there (copies, print font, inscription, thin ink, the printer
// options) and the windows they open. The application installs its host;
// without one the editors run alone (tests, tools) with the defaults.
#pragma once

#include "platform/print/PrinterChoice.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace editors {

// The main window's inscription-size options.
enum class OmoteSizeOption { None, Standard, Larger, Smaller, Extra };

struct MainChoices {
    QString copies = QStringLiteral("1");            // NoshiMain.Text1
    QString printFont = QStringLiteral("ＭＳ 明朝");    // NoshiMain.Combo4
    QString omote;                                   // NoshiMain.Combo2, the inscription
    bool thinInk = false;                            // NoshiMain.Check1
    bool omoteBold = false;                          // NoshiMain.CheckOBold
    OmoteSizeOption omoteSize = OmoteSizeOption::Standard;
    // How far one 4-point blank line moves the next column, millimetres.
    double spaceExtent = 1.587502;
    // Printer options.
    bool Check3 = false;         // tell the printer the paper's own size
    bool Check4 = false;         // leave the paper size to the driver
    bool CheckHanshiban = false; // wide papers taller than 210 mm on A4
    bool Option4 = true;         // "プリンタの中央"
    bool Option5 = false;        // "用紙トレイの右側"
    bool Option6 = false;        // "用紙トレイの左側"
    bool Option9 = false;        // "すべての用紙を中央"
};

class EditorHost : public prn::PrinterChoice {
public:
    virtual MainChoices mainChoices() const { return {}; }

    virtual void showPrinterDialog() {}
    virtual void showAbout(QWidget* owner) { Q_UNUSED(owner); }
    virtual void showHints(QWidget* owner) { Q_UNUSED(owner); }
    virtual void showMainWindow() {}
};

EditorHost& editorHost();
// The application's host; nullptr restores the stand-alone one.
void setEditorHost(EditorHost* host);

} // namespace editors
