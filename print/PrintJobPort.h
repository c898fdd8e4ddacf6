// The print command's view of the window it runs from: one snapshot of the
// job as the user set it up, and named calls for what the command writes
// back (the copies box, the progress bar, the previews). The main window
// implements it; tests implement it without any window.
#pragma once

#include "model/NameStyle.h"

#include <QString>
#include <cstdint>

class QWidget;

namespace layout {
class LayoutHost;
}
namespace preview {
class PreviewHost;
}

namespace noshi {

class PagePrintHost;

struct PrintJob {
    QString sizeName;       // the registered size chosen, as shown
    QString copiesText;     // as typed
    int styleIndex = -1;    // the style list's index; -1 none chosen
    app::NameStyle nameStyle = app::NameStyle::None; // the style by its shown text
    QString omoteText;      // the inscription
    QString personName;     // the one-line name
    bool thinInk = false;   // print in the thin-ink colour
    QString systemVersion;  // the platform's version number, as text
};

// What the name extension window adds to a page.
struct PageExtras {
    QString documentPath;       // a document to set into the name box
    QString rankStart, rankEnd; // a range of rank labels
};

class PrintJobPort {
public:
    virtual ~PrintJobPort() = default;

    // Read again after every write-back: a write may change what is chosen.
    virtual PrintJob job() const = 0;
    // Reading the sub-windows loads them (hidden), so each is read only
    // where the command needs it.
    virtual PageExtras extras() const = 0;
    virtual QString twoLineCompany() const = 0; // the company of a two-line name
    virtual QString firstJointName() const = 0; // the first of the joint names

    virtual void setCopiesText(const QString& text) = 0;
    virtual void showPreviews() = 0;
    // The progress bar: shown from 1 to `maximum` at 1; hidden.
    virtual void startProgress(int maximum) = 0;
    virtual void setProgress(int value) = 0;
    virtual void hideProgress() = 0;
    // No name style chosen: the first one, as if the user had picked it.
    virtual void chooseFirstNameStyle() = 0;
    virtual void setOmoteText(const QString& text) = 0;
    // The name written back to itself, so that its preview is drawn again.
    virtual void redrawNamePreview() = 0;
    // The colour the window's previews write in (0 black).
    virtual void setTextColor(uint32_t colour) = 0;
    // The print and edit commands became available (or not).
    virtual void commandsChanged() = 0;

    // The layout's and the page printers' views of the same window.
    virtual layout::LayoutHost& layoutHost() = 0;
    virtual PagePrintHost& printHost() = 0;
    // What the preview editor reads of the window; none: it runs alone.
    virtual preview::PreviewHost* previewHost() { return nullptr; }
    // Owner of the windows the command opens.
    virtual QWidget* window() = 0;
};

} // namespace noshi
