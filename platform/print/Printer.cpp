#include "platform/print/Printer.h"
#include "platform/print/PrinterTesting.h"

#include "platform/print/PaperCodes.h"
#include "platform/print/PrinterDriver.h"
#include "platform/print/PrinterState.h"
#include "platform/print/QtPrinterBackend.h"
#include "platform/run/RunState.h"

#include <QPrinterInfo>
#include <cmath>

namespace prn {

Printer::Printer(std::unique_ptr<PrinterBackend> backend) : backend_(std::move(backend)) {}

Printer::~Printer()
{
    EndDoc();
}

bool Printer::setPaperSize(int code)
{
    if (code == DMPAPER_USER)
        return true; // the size follows with setUserSize
    return backend_->setPaperCode(code);
}

bool Printer::setUserSize(int widthTwips, int heightTwips)
{
    if (widthTwips <= 0 || heightTwips <= 0)
        return false;
    return backend_->setUserPaper(widthTwips, heightTwips);
}

bool Printer::setOrientation(int orientation)
{
    if (orientation != vbPRORPortrait && orientation != vbPRORLandscape)
        return false;
    return backend_->setOrientation(orientation);
}

double Printer::TwipsPerPixelX() const { return TwipsPerInch / backend_->dpiX(); }
double Printer::TwipsPerPixelY() const { return TwipsPerInch / backend_->dpiY(); }

int Printer::Width() const { return int(std::lround(backend_->physicalSizePx().width() * TwipsPerPixelX())); }
int Printer::Height() const { return int(std::lround(backend_->physicalSizePx().height() * TwipsPerPixelY())); }
double Printer::ScaleWidth() const { return backend_->printableSizePx().width() * TwipsPerPixelX(); }
double Printer::ScaleHeight() const { return backend_->printableSizePx().height() * TwipsPerPixelY(); }

namespace {
double convert(double value, int from, int to, double twipsPerPixel)
{
    if (from == to)
        return value;
    if (from == vbPixels && to == vbTwips)
        return value * twipsPerPixel;
    if (from == vbTwips && to == vbPixels)
        return value / twipsPerPixel;
    return value;
}
} // namespace

double Printer::ScaleX(double value, int fromScale, int toScale) const
{
    return convert(value, fromScale, toScale, TwipsPerPixelX());
}

double Printer::ScaleY(double value, int fromScale, int toScale) const
{
    return convert(value, fromScale, toScale, TwipsPerPixelY());
}

int Printer::GetDeviceCaps(int index) const
{
    switch (index) {
    case HORZRES: return backend_->printableSizePx().width();
    case VERTRES: return backend_->printableSizePx().height();
    case LOGPIXELSX: return backend_->dpiX();
    case LOGPIXELSY: return backend_->dpiY();
    case PHYSICALWIDTH: return backend_->physicalSizePx().width();
    case PHYSICALHEIGHT: return backend_->physicalSizePx().height();
    case PHYSICALOFFSETX: return backend_->physicalOffsetPx().x();
    case PHYSICALOFFSETY: return backend_->physicalOffsetPx().y();
    default: return 0;
    }
}

bool Printer::BeginPage()
{
    if (!docOpen_) {
        if (!backend_->startDoc()) {
            lastError_ = backend_->errorText();
            return false;
        }
        lastError_.clear();
        docOpen_ = true;
        pageWanted_ = false;
        return true;
    }
    if (pageWanted_) {
        backend_->newPage();
        pageWanted_ = false;
    }
    return true;
}

void Printer::NewPage()
{
    if (docOpen_)
        pageWanted_ = true;
}

bool Printer::EndDoc()
{
    if (!docOpen_)
        return true;
    backend_->endDoc();
    docOpen_ = false;
    pageWanted_ = false;
    lastError_ = backend_->errorText();
    return lastError_.isEmpty();
}

void Printer::drawBand(const rt::RichTextBox& box, const TwipRect& rc, const TwipRect& page)
{
    if (BeginPage())
        backend_->drawBox(box, rc, page);
}

PrinterState::PrinterState() = default;
PrinterState::~PrinterState() = default;

Printer& CurrentPrinter()
{
    auto& printer = printerState().current;
    if (!printer)
        printer = std::make_unique<Printer>(QtPrinterBackend::forPrinter(DefaultPrinterName()));
    return *printer;
}

void setCurrentBackend(std::unique_ptr<PrinterBackend> backend)
{
    printerState().current = std::make_unique<Printer>(std::move(backend));
}

QStringList PrinterNames()
{
    return QPrinterInfo::availablePrinterNames();
}

QString DefaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

bool SelectPrinter(const QString& deviceName)
{
    if (!PrinterNames().contains(deviceName))
        return false;
    setCurrentBackend(QtPrinterBackend::forPrinter(deviceName));
    return true;
}

} // namespace prn
