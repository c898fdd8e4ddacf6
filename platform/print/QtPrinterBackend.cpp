#include "platform/print/QtPrinterBackend.h"

#include "platform/print/BoxPainter.h"
#include "platform/print/PaperCodes.h"

#include <QFileInfo>
#include <QPrinterInfo>

namespace prn {

QtPrinterBackend::QtPrinterBackend() = default;

QtPrinterBackend::~QtPrinterBackend()
{
    if (painter_.isActive())
        painter_.end();
}

std::unique_ptr<QtPrinterBackend> QtPrinterBackend::forPrinter(const QString& name)
{
    std::unique_ptr<QtPrinterBackend> b(new QtPrinterBackend);
    QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        info = QPrinterInfo::defaultPrinter();
    b->printer_ = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    b->printer_->setFullPage(false);
    // A printer made current starts on its driver's default paper (the
    // user's own default included), not on the paper of the last one.
    if (!info.isNull() && info.defaultPageSize().isValid())
        b->printer_->setPageSize(info.defaultPageSize());
    const QPageSize current = b->printer_->pageLayout().pageSize();
    b->code_ = codeForPageSize(current);
    // A paper of the driver's own goes by its place in the driver's list.
    const QList<QPageSize> papers = info.supportedPageSizes();
    for (qsizetype i = 0; b->code_ == 0 && i < papers.size(); ++i)
        if (papers[i].isEquivalentTo(current))
            b->code_ = driverPaperCode(papers[i], int(i));
    return b;
}

std::unique_ptr<QtPrinterBackend> QtPrinterBackend::forPdf(const QString& path)
{
    std::unique_ptr<QtPrinterBackend> b(new QtPrinterBackend);
    b->printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    b->printer_->setOutputFormat(QPrinter::PdfFormat);
    b->printer_->setOutputFileName(path);
    b->printer_->setFullPage(false);
    // A PDF has no unprintable margin.
    b->printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    b->code_ = DMPAPER_A4;
    return b;
}

QString QtPrinterBackend::deviceName() const
{
    if (printer_->outputFormat() == QPrinter::PdfFormat && printer_->printerName().isEmpty())
        return QFileInfo(printer_->outputFileName()).fileName();
    return printer_->printerName();
}

QString QtPrinterBackend::port() const
{
    if (printer_->outputFormat() == QPrinter::PdfFormat)
        return printer_->outputFileName();
    return QStringLiteral("CUPS:") + printer_->printerName();
}

bool QtPrinterBackend::applyLayout(const QPageLayout& layout)
{
    if (painter_.isActive())
        return false; // the paper of an open job stays as it is
    return printer_->setPageLayout(layout) && printer_->pageLayout().pageSize().isEquivalentTo(layout.pageSize());
}

bool QtPrinterBackend::setPaperCode(int code)
{
    const auto size = pageSizeForCode(code);
    if (!size)
        return false;
    QPageLayout layout = printer_->pageLayout();
    layout.setPageSize(*size, layout.minimumMargins());
    if (!applyLayout(layout))
        return false;
    code_ = code;
    return true;
}

bool QtPrinterBackend::setUserPaper(int widthTwips, int heightTwips)
{
    // 20 twips to the point.
    const QPageSize size(QSizeF(widthTwips / 20.0, heightTwips / 20.0), QPageSize::Point,
                         QStringLiteral("User"), QPageSize::ExactMatch);
    QPageLayout layout = printer_->pageLayout();
    layout.setPageSize(size, layout.minimumMargins());
    if (!applyLayout(layout))
        return false;
    code_ = DMPAPER_USER;
    return true;
}

bool QtPrinterBackend::setOrientation(int orientation)
{
    if (painter_.isActive())
        return false;
    return printer_->setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

int QtPrinterBackend::orientation() const
{
    return printer_->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

int QtPrinterBackend::paperBin() const
{
    // Qt numbers the sources as the DMBIN numbers less one, up to the
    // large-capacity feeder; the cassette is DMBIN 14.
    const QPrinter::PaperSource source = printer_->paperSource();
    if (source == QPrinter::Cassette)
        return 14;
    if (source <= QPrinter::LargeCapacity)
        return int(source) + 1;
    return 0;
}

int QtPrinterBackend::dpiX() const { return printer_->resolution(); }
int QtPrinterBackend::dpiY() const { return printer_->resolution(); }

QSize QtPrinterBackend::physicalSizePx() const
{
    return printer_->pageLayout().fullRectPixels(printer_->resolution()).size();
}

QSize QtPrinterBackend::printableSizePx() const
{
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).size();
}

QPoint QtPrinterBackend::physicalOffsetPx() const
{
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).topLeft();
}

bool QtPrinterBackend::startDoc()
{
    error_.clear();
    if (painter_.isActive())
        return true;
    // With no printer installed Qt falls back to a PDF without a file: say
    // what is missing instead of naming an empty file.
    if (printer_->outputFormat() == QPrinter::PdfFormat && printer_->outputFileName().isEmpty()) {
        error_ = QStringLiteral("使用できるプリンタがありません。");
        return false;
    }
    if (!painter_.begin(printer_.get())) {
        error_ = printer_->outputFormat() == QPrinter::PdfFormat
                     ? QStringLiteral("PDF ファイルを作成できません: %1").arg(printer_->outputFileName())
                     : QStringLiteral("プリンタ「%1」で印刷を開始できません。").arg(printer_->printerName());
        return false;
    }
    return true;
}

void QtPrinterBackend::newPage()
{
    if (painter_.isActive())
        printer_->newPage();
}

void QtPrinterBackend::endDoc()
{
    if (painter_.isActive())
        painter_.end();
}

void QtPrinterBackend::drawBox(const rt::RichTextBox& box, const TwipRect& rc, const TwipRect& page)
{
    (void)page;
    if (!painter_.isActive())
        return;
    const double sx = printer_->resolution() / TwipsPerInch;
    const QRectF target(rc.left * sx, rc.top * sx, rc.width() * sx, rc.height() * sx);
    if (target.width() <= 0 || target.height() <= 0)
        return;
    painter_.save();
    painter_.setClipRect(target);
    paintBox(painter_, box, target, printer_->resolution());
    painter_.restore();
}

} // namespace prn
