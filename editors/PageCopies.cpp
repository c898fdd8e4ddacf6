#include "editors/PageCopies.h"

#include "platform/print/Printer.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"
#include "print/PagePrintHost.h"
#include "print/PagePrinter.h"

namespace editors {

std::optional<int> CopiesOf(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 1;
    int n = 0;
    for (const QChar c : t) {
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (c >= u'０' && c <= u'９')
            digit = c.unicode() - u'０';
        if (digit < 0)
            return std::nullopt;
        n = n * 10 + digit;
        if (n > MaxCopies)
            return std::nullopt;
    }
    if (n < 1)
        return std::nullopt;
    return n;
}

QString PrintPageCopies(prn::Printer& printer, const rt::RichTextBox& page,
                        const std::function<PagePlacement()>& setUp, int copies)
{
    // Nothing is printed while a character would come out as an empty box,
    // and a job that will not print leaves the printer as it was.
    QString error = noshi::ReportCharsNoFontHas(page.text());
    if (!error.isEmpty())
        return error;
    const PagePlacement at = setUp();
    for (int copy = 1; copy <= copies; ++copy) {
        if (!printer.BeginPage()) {
            error = printer.lastError();
            break;
        }
        printer.drawBand(page, at.rc, at.pageRect);
        printer.NewPage();
    }
    if (!printer.EndDoc() && error.isEmpty())
        error = printer.lastError();
    if (!error.isEmpty()) {
        ui::MsgBox(QStringLiteral("印刷を開始できません。プリンタの設定を確認してください。\n%1").arg(error),
                   ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
        return error;
    }
    printer.releaseFormatCache(page);
    return {};
}

} // namespace editors
