#include "app/PreviewStart.h"

#include "app/InfoPanel.h"
#include "model/LiveStore.h"
#include "app/NoshiMain.h"
#include "app/PreviewFields.h"
#include "platform/forms/Controls.h"

#include <QCalendarWidget>
#include <QCheckBox>

namespace app {

namespace {
constexpr int PanelLines = 28; // blank lines that cover the panel's old text
}

bool beginPreview(NoshiMain& m, PreviewFields& f)
{
    m.MonthView1->hide();
    if (m.Combo1->currentText().isEmpty())
        return false;
    f.TextColor = forms::checkValue(m.Check1) == 1 ? store().UsuzumiColor : 0;
    m.Picture1->clearText();
    for (int i = 0; i < PanelLines; ++i)
        m.Picture1->printLine(QString(), Qt::transparent);
    return true;
}

} // namespace app
