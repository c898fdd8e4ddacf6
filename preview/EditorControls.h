// The frame, boxes and bars that the preview editor and the page editors
// share, control for control: the menu bar over a client area, the copies
// box with its spinner, the printer list, the font, size and baseline boxes,
// the scroll bars and the status bar, and the formatter that the format
// boxes and the shared menu items drive. Each window puts the groups into
// its own tool strips, in its own order, and places the page itself.
#pragma once

#include "preview/EditorMenus.h"
#include "preview/PreviewFormatter.h"

#include <QColor>
#include <QString>
#include <initializer_list>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QScrollBar;
class QStatusBar;
class QToolBar;
class QWidget;

namespace noshi {
class UpDown;
}

namespace preview {

struct EditorControls : EditorMenus {
    EditorControls();
    ~EditorControls();

    QMenuBar* MenuBar = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel1 = nullptr; // first panel of the status bar
    QLineEdit* Text8 = nullptr;     // "印刷部数"
    QLineEdit* Text1 = nullptr;     // copies
    QScrollBar* UpDown1 = nullptr;  // copies spinner
    QComboBox* Combo1 = nullptr;    // printers
    QComboBox* Combo2 = nullptr;    // fonts, listed when it first opens
    QLineEdit* Text7 = nullptr;     // size box
    QScrollBar* UpDown3 = nullptr;  // size spinner, 4 to 500
    QLineEdit* Text9 = nullptr;     // "ベースラインの移動"
    QLineEdit* Text5 = nullptr;     // baseline box, twips
    noshi::UpDown* UpDown2 = nullptr;

    PreviewFormatter& format() { return *format_; }

    // Millimetres of this screen (the logical DPI).
    double pxPerMm() const;

    // A number typed into Text1 moves the spinner when the spinner can show
    // it; the spinner writes its value into the box.
    void Text1_Change();
    void UpDown1_Change();
    void mnuViewStatusBar_Click();
    void mnuHelpContents_Click();

protected:
    // The window's menu bar above the client area, which everything else
    // goes into; the window is the one the controls belong to.
    void buildFrame(QWidget* window);
    // A centre mark or ruler box: a read-only "|" on `back`, never focused.
    static QLineEdit* makeMark(QWidget* parent, const QColor& back);
    // Empty scroll bars on the client area, vertical first.
    void buildScrollBars();
    void buildStatusBar();
    // The tool-strip groups, created and added in this order.
    void addCopies(QToolBar* strip, int most, int boxWidth);  // Text8, Text1, UpDown1
    void addPrinterList(QToolBar* strip, int minimumChars);    // Combo1
    void addFontBoxes(QToolBar* strip, int sizeBoxWidth);      // Combo2, Text7, UpDown3
    void addBaseline(QToolBar* strip);                         // Text9, Text5, UpDown2
    // The formatter over the page views in c and the format boxes above,
    // with the thin-ink colour of the store; the boxes, the edit and format
    // items, the right-click menu, the status-bar item and the help
    // contents connected. Comes after the strips and the menus.
    void startFormatting(PreviewFormatter::Controls c);
    // The cut, copy, paste and undo buttons of a window's command strip;
    // false for any other key.
    bool runEditButton(const QString& key);

    // Stacks the strips at the top of the client area; their height in pixels.
    int stackStrips(std::initializer_list<QToolBar*> strips);
    // The status bar along the bottom of the client area.
    void placeStatusBar();
    void placeMm(QWidget* w, double left, double top, double width, double height) const;

    QWidget* client_ = nullptr;

private:
    QWidget* window_ = nullptr;
    std::unique_ptr<PreviewFormatter> format_;
};

} // namespace preview
