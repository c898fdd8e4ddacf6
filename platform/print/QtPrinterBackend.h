// The printer backend over Qt printing: a system printer reached through
// CUPS, or a PDF file. The QPrinter lives as long as the backend, so the
// paper and orientation set for one job stay set for the next.
#pragma once

#include "platform/print/PrinterBackend.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

namespace prn {

class QtPrinterBackend : public PrinterBackend {
public:
    // A system printer by name; an empty or unknown name gives the default printer.
    static std::unique_ptr<QtPrinterBackend> forPrinter(const QString& name);
    // A PDF file written at endDoc (the printable area is the whole page).
    static std::unique_ptr<QtPrinterBackend> forPdf(const QString& path);

    ~QtPrinterBackend() override;

    QString deviceName() const override;
    QString port() const override;
    bool setPaperCode(int code) override;
    bool setUserPaper(int widthTwips, int heightTwips) override;
    int paperCode() const override { return code_; }
    bool setOrientation(int orientation) override;
    int orientation() const override;
    int paperBin() const override;
    int dpiX() const override;
    int dpiY() const override;
    QSize physicalSizePx() const override;
    QSize printableSizePx() const override;
    QPoint physicalOffsetPx() const override;
    bool startDoc() override;
    void newPage() override;
    void endDoc() override;
    QString errorText() const override { return error_; }
    void drawBox(const rt::RichTextBox& box, const TwipRect& rc, const TwipRect& page) override;

    QPrinter& qprinter() { return *printer_; }

private:
    QtPrinterBackend();
    bool applyLayout(const QPageLayout& layout);
    QMargins marginsPx() const; // the unprintable margins of the current page

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    int code_ = 0;
    QString error_;
};

} // namespace prn
