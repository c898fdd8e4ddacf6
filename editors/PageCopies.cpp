#include "editors/PageCopies.h"

#include "platform/print/Printer.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"
#include "print/PagePrintHost.h"
#include "print/PagePrinter.h"

namespace editors {

int CopiesOf(const QString& text)
{
    noshi::PagePrintSettings s;
    s.EditMode = 0;
    s.MainCopies = text;
    return noshi::CopyCount(s);
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
