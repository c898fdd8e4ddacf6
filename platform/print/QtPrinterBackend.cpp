#include "platform/print/QtPrinterBackend.h"

#include "platform/print/BoxPainter.h"
#include "platform/print/CupsLibrary.h"
#include "platform/print/PaperCodes.h"

#include <QFileInfo>
#include <QPrinterInfo>

namespace prn {

namespace {

// What the print system says about a queue's state, for a message.
QString stateMessage(const CupsLibrary& c, const QByteArray& name)
{
    char uri[HTTP_MAX_URI];
    c.httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                       name.constData());
    ipp_t* request = c.ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    c.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-state-message", "printer-state-reasons"};
    c.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    QString text;
    if (ipp_t* response = c.cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/")) {
        for (const char* attr : wanted) {
            ipp_attribute_t* a = c.ippFindAttribute(response, attr, IPP_TAG_ZERO);
            const char* value = a ? c.ippGetString(a, 0, nullptr) : nullptr;
            if (value && *value && QByteArray(value) != "none") {
                text = QString::fromUtf8(value);
                break;
            }
        }
        c.ippDelete(response);
    }
    return text;
}

// Why the print system would refuse a job for the queue now; empty when it
// takes jobs. Checked before anything is drawn, so that a refused print
// tells the user instead of vanishing.
QString queueRefusal(const QString& printer)
{
    const CupsLibrary* lib = cupsLibrary();
    if (!lib)
        return cupsMissingText();
    const CupsLibrary& c = *lib;
    const QByteArray name = printer.toUtf8();
    cups_dest_t* dest = c.cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return QStringLiteral("プリンタ「%1」が見つかりません。削除されたか、印刷システムに接続できません。（%2）")
            .arg(printer, QString::fromUtf8(c.cupsLastErrorString()));
    const char* accepting = c.cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting && QByteArray(accepting) == "false";
    c.cupsFreeDests(1, dest);
    if (!refuses)
        return {};
    const QString why = stateMessage(c, name);
    return QStringLiteral("プリンタ「%1」は印刷を受け付けていません。（%2）")
        .arg(printer, why.isEmpty() ? QStringLiteral("理由は示されていません") : why);
}

} // namespace

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
    // Drawn from the page's corner: the printable area is the printer's
    // own (see margins()), never Qt's default page margins.
    b->printer_->setFullPage(true);
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
    b->printer_->setFullPage(true);
    // A PDF has no unprintable margin.
    b->printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                           QPageLayout::Point, QMarginsF(0, 0, 0, 0)));
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

QMargins QtPrinterBackend::marginsPx() const
{
    // The driver's minimum margins for the paper (the PPD's imageable area),
    // given for the sheet as it is fed. On a landscape page they turn with
    // the picture, which the print system turns a quarter anticlockwise: its
    // top lies along the sheet's left edge.
    QPageLayout layout = printer_->pageLayout();
    layout.setUnits(QPageLayout::Point);
    QMarginsF m = layout.minimumMargins();
    if (layout.orientation() == QPageLayout::Landscape)
        m = QMarginsF(m.bottom(), m.left(), m.top(), m.right());
    const double px = printer_->resolution() / 72.0;
    return QMargins(qRound(m.left() * px), qRound(m.top() * px), qRound(m.right() * px), qRound(m.bottom() * px));
}

QSize QtPrinterBackend::printableSizePx() const
{
    const QMargins m = marginsPx();
    const QSize full = physicalSizePx();
    return QSize(full.width() - m.left() - m.right(), full.height() - m.top() - m.bottom());
}

QPoint QtPrinterBackend::physicalOffsetPx() const
{
    const QMargins m = marginsPx();
    return QPoint(m.left(), m.top());
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
    if (printer_->outputFormat() == QPrinter::NativeFormat) {
        error_ = queueRefusal(printer_->printerName());
        if (!error_.isEmpty())
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
    if (!painter_.isActive())
        return;
    const bool toQueue = printer_->outputFormat() == QPrinter::NativeFormat;
    painter_.end();
    // Qt hands the job to the print system while the painter ends and keeps
    // the answer to itself; the print system's last status on this thread
    // is that answer.
    const CupsLibrary* c = toQueue ? cupsLibrary() : nullptr;
    if (c && c->cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        error_ = QStringLiteral("プリンタ「%1」で印刷できませんでした。（%2）")
                     .arg(printer_->printerName(), QString::fromUtf8(c->cupsLastErrorString()));
}

void QtPrinterBackend::drawBox(const rt::RichTextBox& box, const TwipRect& rc, const TwipRect& page)
{
    (void)page;
    if (!painter_.isActive())
        return;
    // rc is relative to the printable area; the painter starts at the page's corner.
    const double sx = printer_->resolution() / TwipsPerInch;
    const QPointF origin = physicalOffsetPx();
    const QRectF target(origin.x() + rc.left * sx, origin.y() + rc.top * sx, rc.width() * sx, rc.height() * sx);
    if (target.width() <= 0 || target.height() <= 0)
        return;
    painter_.save();
    painter_.setClipRect(target);
    paintBox(painter_, box, target, printer_->resolution());
    painter_.restore();
}

} // namespace prn
