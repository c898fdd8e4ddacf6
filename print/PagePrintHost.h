// What the page printers read of the main window, the preview and the input
// sub-windows, and the few things they write back there. The main window
// implements it; tests use a fake. The values are taken once at the start
// of a print: nothing changes them while it runs.
#pragma once

#include <QString>
#include <cstdint>

namespace rt {
class RichTextBox;
}

namespace noshi {

struct PagePrintSettings {
    int16_t EditMode = 0;          // 0 print from the main window, 1 from the preview
    bool Check2 = false;           // NoshiMain.Check2: print the company name
    bool Check3 = false;           // NoshiMain.Check3: tell the printer the sheet's own size
    bool Check4 = false;           // NoshiMain.Check4: leave the paper to the driver
    bool CheckHanshiban = false;   // NoshiMain.CheckHanshiban: tall sheets on A4
    bool Option4 = true;           // "プリンタの中央"
    bool Option5 = false;          // "用紙トレイの右側"
    bool Option6 = false;          // "用紙トレイの左側"
    bool Option9 = false;          // "すべての用紙を中央"
    bool Option7 = true;           // "祝のし"
    bool Option8 = false;          // "仏のし"
    bool BulkLabel = false;        // frmTextSub1.Check4: print the bulk label
    QString MainCopies;            // NoshiMain.Text1, as typed
    QString PreviewCopies;         // frmNoshiPreView.Text1, as typed
    int16_t PaperWidth = 0;        // millimetres
    int16_t PaperHeight = 0;
    int16_t LayoutWidth = 0;
    int16_t PrOffsetX = 7;
    int16_t PrOffsetY = 0;
    QString CoNameA;               // company-name file for 祝のし
    QString CoNameB;               // company-name file for 仏のし
    int16_t CoPrintSetA = -1;      // placement: True (-1) left side, False (0) right edge
    int16_t CoPrintSetB = -1;
    QString CurrentKey;            // the current size's template key in the current name style
    QString MeasureFontName = QStringLiteral("ＭＳ 明朝");
};

class PagePrintHost {
public:
    virtual ~PagePrintHost() = default;

    virtual PagePrintSettings printSettings() const = 0;

    virtual rt::RichTextBox& omoteBox() = 0;        // frmNoshiPreView.RichTextBox1
    virtual rt::RichTextBox& nameBox() = 0;         // frmNoshiPreView.RichTextBox2
    virtual rt::RichTextBox& companyNameBox() = 0;  // NoshiMain.RichTextBox3
    virtual rt::RichTextBox& bulkLabelBox() = 0;    // frmTextSub4.RichTextBox1

    virtual void setStatusText(const QString& text) = 0;  // NoshiMain.Label6
    virtual void setProgressValue(double value) = 0;      // NoshiMain.ProgressBar1
};

} // namespace noshi
