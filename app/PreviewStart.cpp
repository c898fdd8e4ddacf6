#include "app/PreviewStart.h"

#include "app/InfoPanel.h"
#include "model/LiveStore.h"
#include "app/NoshiMain.h"
#include "app/PreviewFields.h"
#include "print/PrintDispatcher.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/Controls.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <algorithm>

namespace app {

namespace {
constexpr int PanelLines = 28; // blank lines that cover the panel's old text
constexpr int SketchTemplateRow = 7; // the template the previews sketch
}

bool beginPreview(NoshiMain& m, PreviewFields& f)
{
    if (m.MonthView1)
        m.MonthView1->hide();
    if (m.Combo1->currentText().isEmpty())
        return false;
    f.TextColor = forms::checkValue(m.Check1) == 1 ? store().UsuzumiColor : 0;
    m.Picture1->clearText();
    for (int i = 0; i < PanelLines; ++i)
        m.Picture1->printLine(QString(), Qt::transparent);
    return true;
}

double previewColumnMm(const NoshiMain& m, bool nameBox)
{
    const LiveStore& st = store();
    const BuiltinTemplateCatalogue& cat = catalogue();
    const int style = std::clamp(m.Combo3->currentIndex(), 0, NameStyleCount - 1);
    const int row = st.findSize(m.Combo1->currentText(), style);
    if (row < 0 || row >= st.RegSizeCount())
        return cat.row(SketchTemplateRow).TemplateHeight / 2;
    const RegisteredSize& z = st.size(row);
    const QString key = z.RegSizeTemplate[size_t(style)];
    int height = z.RegSizeHeight;
    if (z.RegSizeWidth == 0 || height == 0) {
        const int t = cat.find(key);
        if (t == BuiltinTemplateCatalogue::NotFound)
            return cat.row(SketchTemplateRow).TemplateHeight / 2;
        height = cat.row(t).TemplateHeight;
    }
    const noshi::BoxHeights boxes = noshi::BoxHeightsFor(key, height);
    return (nameBox ? boxes.name : boxes.omote) / 2.0;
}

} // namespace app
