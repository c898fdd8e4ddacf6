// The program's printer object: the one current printer whose paper,
// orientation and scale stay set between jobs, with the properties and
// methods the print paths use. A job opens with the first output of a page
// (BeginPage or a drawn band); NewPage only asks for a next page, so a page
// end directly followed by EndDoc ejects no empty sheet.
#pragma once

#include "platform/print/PrinterBackend.h"

#include <QStringList>
#include <memory>

namespace prn {

class Printer {
public:
    explicit Printer(std::unique_ptr<PrinterBackend> backend);
    ~Printer();

    QString DeviceName() const { return backend_->deviceName(); }
    QString Port() const { return backend_->port(); }
    int PaperBin() const { return backend_->paperBin(); }

    int ScaleMode() const { return scaleMode_; }
    void setScaleMode(int mode) { scaleMode_ = mode; }

    int PaperSize() const { return backend_->paperCode(); }
    bool setPaperSize(int code);
    // The user size (paper code 256) in twips, upright.
    bool setUserSize(int widthTwips, int heightTwips);
    int Orientation() const { return backend_->orientation(); }
    bool setOrientation(int orientation);

    // The physical page in twips, whole numbers.
    int Width() const;
    int Height() const;
    // The printable area in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;
    // Converts between pixels (3) and twips (1).
    double ScaleX(double value, int fromScale, int toScale) const;
    double ScaleY(double value, int fromScale, int toScale) const;
    int GetDeviceCaps(int index) const;

    // Opens the job on first use, the next page after NewPage; draws nothing.
    bool BeginPage();
    void NewPage();
    // Ends the job; false when the print system did not take it (lastError says why).
    bool EndDoc();
    bool docOpen() const { return docOpen_; }
    // Why the last job could not be opened or handed over; empty when it could.
    QString lastError() const { return lastError_; }

    // One band: the whole box into rc, clipped, on the open page (opened
    // when needed). Rectangles in twips relative to the printable area.
    void drawBand(const rt::RichTextBox& box, const TwipRect& rc, const TwipRect& page);
    void releaseFormatCache(const rt::RichTextBox& box) { backend_->releaseBox(box); }

    PrinterBackend& backend() { return *backend_; }
    const PrinterBackend& backend() const { return *backend_; }

private:
    std::unique_ptr<PrinterBackend> backend_;
    int scaleMode_ = vbTwipsDefault;
    bool docOpen_ = false;
    bool pageWanted_ = false;
    QString lastError_;
    static constexpr int vbTwipsDefault = 1;
};

// The run's current printer: the system's default printer until another is
// chosen.
Printer& CurrentPrinter();
// The system's printers by name (through CUPS) and the default's name.
QStringList PrinterNames();
QString DefaultPrinterName();
// Makes the named system printer current; false when there is none of that name.
bool SelectPrinter(const QString& deviceName);

} // namespace prn
