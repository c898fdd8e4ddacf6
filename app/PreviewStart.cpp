#include "app/PreviewStart.h"

#include "app/InfoPanel.h"
#include "model/LiveStore.h"
#include "app/NoshiMain.h"
#include "app/PreviewFields.h"
#include "app/NamePreview.h"
#include "app/OmotePreview.h"
#include "print/PrintDispatcher.h"
#include "print/TemplateDispatch.h"
#include "layout/TemplateParameterSet.h"
#include "platform/text/Graphemes.h"
#include "platform/vb/VbNum.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/Controls.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
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

namespace {

// A half-width blank is half an em of its size.
double blankMm(double points) { return points / 2 * 25.4 / 72; }

// Sizes by the length of the text: 1, 2, 3 characters, then the longer ones.
template <typename T>
T byLength(qsizetype n, T len1, T len2, T len3, T longer)
{
    return n <= 1 ? len1 : n == 2 ? len2 : n == 3 ? len3 : longer;
}

// A column holds blanks and gaps of fixed sizes, the sketch's and the
// paper's each their own, and the text, which the sketch writes smaller by
// the ratio of its size to the paper's. The sketch's column is then its own
// fixed part plus the paper's room for the text at that ratio: text that
// wraps on paper wraps in the sketch, and only then.
double sketchColumn(double paperBoxMm, double paperFixedMm, double sketchFixedMm, int sketchSize, int paperSize)
{
    if (sketchSize <= 0 || paperSize <= 0)
        return paperBoxMm / 2;
    return sketchFixedMm + (paperBoxMm - paperFixedMm) * sketchSize / paperSize;
}

// The one-line inscription (three characters when empty): the sketch's
// indent at 5 points and row 7 halved, the paper's indent at 10 points and
// its own template's sizes. Only its first column is indented, so a text
// that runs to three columns or more may still part at other places.
double omoteColumn(const LiveStore& st, const QString& omote, const BuiltinTemplate& paper,
                   const layout::TemplateParameterSet* p, double boxMm)
{
    const BuiltinTemplate& sketch = catalogue().row(SketchTemplateRow);
    const qsizetype n = omote.isEmpty() ? 3 : text::charCount(omote);
    const auto size = [n](const BuiltinTemplate& t) {
        return byLength(n, t.OmoteSizeLen1, t.OmoteSizeLen2, t.OmoteSizeLen3, t.OmoteSizeLen4);
    };
    const int paperIndent = p ? byLength<int>(n, p->OmoteIndentLen1, p->OmoteIndentLen2, p->OmoteIndentLen3,
                                              p->OmoteIndentLong)
                              : 0;
    const int sketchSize = vb::HalveTrunc(size(sketch));
    double paperFixed = paperIndent * blankMm(10);
    double sketchFixed = omotePlacement(st.OsType, n).ColumnIndent * blankMm(5);
    // Two characters stand a half-width blank of their size apart in the
    // sketch, and on paper unless the template writes them together.
    if (n == 2) {
        sketchFixed += blankMm(sketchSize);
        if (p && !p->Flags.UnsplitTwoCharOmote && !p->Flags.BoldLayout)
            paperFixed += blankMm(size(paper));
    }
    return sketchColumn(boxMm, paperFixed, sketchFixed, sketchSize, size(paper));
}

// The one-line name (four characters when empty): the sketch writes it
// without indent, three or four letters apart by a 3-point blank; the paper
// indents it by its template's blanks and spaces its letters as its template
// says.
double nameColumn(const QString& name, const layout::TemplateParameterSet* p, double boxMm)
{
    if (!p)
        return boxMm / 2;
    const qsizetype n = name.isEmpty() ? 4 : text::charCount(name);
    const int16_t sizes[] = {p->NameWriteSizeLen1, p->NameWriteSizeLen2, p->NameWriteSizeLen3, p->NameWriteSizeLen4,
                             p->NameWriteSizeLen5, p->NameWriteSizeLen6, p->NameWriteSizeLen7, p->NameWriteSizeLen8,
                             p->NameWriteSizeLen9, p->NameWriteSizeLong};
    const bool spaced = n == 3 || n == 4;
    int indent = p->NameIndentBase;
    if (!p->Flags.NoIndentSteps)
        for (const layout::NameIndentStep& step : p->NameIndentSteps)
            if (step.holds(int(n)))
                indent += step.amount;
    double paperFixed = indent * blankMm(10);
    if (spaced && !p->Flags.NoNameLetterSpacing)
        paperFixed += (n - 1) * p->NameLetterGap * blankMm(p->NameLetterGapSize);
    const double sketchFixed = spaced ? (n - 1) * blankMm(3) : 0;
    return sketchColumn(boxMm, paperFixed, sketchFixed, vb::HalveTrunc(oneLineNameSize(0, n)),
                        sizes[std::min<qsizetype>(n, 10) - 1]);
}

} // namespace

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
    const int t = cat.find(key);
    int height = z.RegSizeHeight;
    if (z.RegSizeWidth == 0 || height == 0) {
        if (t == BuiltinTemplateCatalogue::NotFound)
            return cat.row(SketchTemplateRow).TemplateHeight / 2;
        height = cat.row(t).TemplateHeight;
    }
    const noshi::BoxHeights boxes = noshi::BoxHeightsFor(key, height);
    const layout::TemplateParameterSet* p = noshi::TemplateDispatch(key).member;
    if (nameBox)
        return nameColumn(m.Text2->text(), p, boxes.name);
    if (t == BuiltinTemplateCatalogue::NotFound)
        return boxes.omote / 2.0;
    return omoteColumn(st, m.Combo2->currentText(), cat.row(t), p, boxes.omote);
}

} // namespace app
