// What the preview editor needs of the windows around it: the main window's
// print font, copies and name, the name-extension window's rank range, the
// printers, and the dialogs it opens. The application installs its host;
// without one the editor runs alone (tests, tools) on the system's printers.
#pragma once

#include "model/LiveStore.h"
#include "platform/print/PrinterChoice.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace preview {

struct RankRange {
    QString start;          // "位から", as typed
    QString end;            // "位まで"
    bool fullWidth = false; // "全角で印刷"
    bool active() const { return !start.isEmpty() && !end.isEmpty(); }
};

// What a print of the page did.
struct PagePrintOutcome {
    bool sheetPrinter = false; // a B5 strip-sheet printer took the page
    QString error;             // the user has been told
};

class PreviewHost : public prn::PrinterChoice {
public:
    virtual QString printFont() const { return QStringLiteral("ＭＳ 明朝"); } // NoshiMain.Combo4
    virtual QString mainCopies() const { return QStringLiteral("1"); }    // NoshiMain.Text1
    virtual QString rankText() const { return {}; }                        // NoshiMain.Text2
    // The name typed for the current name style, for the name-file list's search.
    virtual QString nameSearchText() const { return {}; }
    virtual RankRange rankRange() const { return {}; }                     // frmTextSub1

    // How far one 4-point blank line moves the next column, millimetres.
    virtual double spaceExtent() const { return 1.587502; }
    // Prints the preview's page by the current size's printer rule.
    virtual PagePrintOutcome printPage() { return {false, QStringLiteral("印刷できません。")}; }

    // The main window shown in front and activated.
    virtual void showMainWindow() {}
    // Puts a size name into the main window's size list (a re-layout follows).
    virtual void setMainSize(const QString& sizeName) { Q_UNUSED(sizeName); }
    virtual void hideProgress() {}
    virtual void showPrinterDialog() {}
    virtual void showAbout(QWidget* owner) { Q_UNUSED(owner); }
    virtual void showHints(QWidget* owner) { Q_UNUSED(owner); }
    // The saved-file lists; false while they are not available.
    virtual bool hasFileLists() const { return false; }
    virtual void showOmoteFileList() {}
    virtual void showNameFileList(const QString& search) { Q_UNUSED(search); }
    // A paper size registered for a file chosen in a saved-file list: into
    // the store, the main window's size list and the data file.
    virtual app::StoreResult registerSize(const app::RegisteredSize& size);
};

PreviewHost& previewHost();
// The application's host; nullptr restores the stand-alone one.
void setPreviewHost(PreviewHost* host);

} // namespace preview
