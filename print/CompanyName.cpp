#include "print/CompanyName.h"

#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"
#include "print/PagePrintHost.h"

namespace noshi {

namespace {
// The box is emptied before the load, so a file that cannot be read leaves
// it empty rather than printing an earlier company name.
bool loadInto(rt::RichTextBox& box, const QString& path)
{
    QString error;
    if (box.loadFile(path, &error))
        return true;
    ui::MsgBox(QStringLiteral("社名ファイルを読み込めません。\n%1\n%2").arg(path, error), ui::Buttons::Ok,
               ui::Icon::Exclamation, QStringLiteral("Caution"));
    return false;
}
} // namespace

void LoadCompanyName(PagePrintHost& host, const PagePrintSettings& s)
{
    host.setStatusText(QString());
    if (!s.Check2)
        return;
    if (s.CoNameA.isEmpty() || s.CoNameB.isEmpty()) {
        ui::MsgBox(QStringLiteral("社名を印刷する場合は、詳細設定・社名の登録をしてください。"), ui::Buttons::Ok,
                   ui::Icon::Information, ui::InputCheckTitle);
        return;
    }
    rt::RichTextBox& box = host.companyNameBox();
    box.clear();
    if (s.Option7 && !loadInto(box, s.CoNameA))
        return;
    if (s.Option8 && !loadInto(box, s.CoNameB))
        return;
    box.setSelStart(box.document().length());
    box.setSelFontName(s.MeasureFontName);
    box.setSelFontSize(16);
    for (int i = 0; i < 51; ++i)
        box.setSelText(QStringLiteral("\r\n"));
}

} // namespace noshi
