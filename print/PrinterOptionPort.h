// What the printer dialog reads from and writes into the window it serves:
// where the sheet lies in the printer, the three paper options and the two
// global print offsets. The main window implements it; tests implement it
// without any window.
#pragma once

#include <QString>

namespace noshi {

// The sheet's place in the printer, one option button each.
enum class SheetPlace {
    PrinterCentre, // "プリンタの中央"
    TrayRight,     // "用紙トレイの右側"
    TrayLeft,      // "用紙トレイの左側"
    AllCentred,    // "すべての用紙を中央"
};

// The paper options; their values are check-box values (0, 1, 2 greyed).
enum class PaperOption {
    DeclareSheetSize, // tell the printer the sheet's size
    DriverPaper,      // leave the paper to the driver
    HanshibanOnA4,    // print 半紙判 on A4 paper
};

class PrinterOptionPort {
public:
    virtual ~PrinterOptionPort() = default;

    virtual bool sheetPlace(SheetPlace place) const = 0; // that place's button is on
    virtual void setSheetPlace(SheetPlace place, bool on) = 0;
    virtual int paperOption(PaperOption option) const = 0;
    virtual void setPaperOption(PaperOption option, int value) = 0;
    // The global print offsets, millimetres.
    virtual int offsetX() const = 0;
    virtual int offsetY() const = 0;
    virtual void setOffsetX(int mm) = 0;
    virtual void setOffsetY(int mm) = 0;
    virtual QString osType() const = 0;
};

} // namespace noshi
