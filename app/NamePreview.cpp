#include "app/NamePreview.h"

#include "model/DataFile.h"
#include "app/InfoPanel.h"
#include "app/InputWindows.h"
#include "model/LiveStore.h"
#include "app/NoshiMain.h"
#include "model/TemplateKeys.h"
#include "platform/richtext/RichTextEdit.h"
#include "app/PreviewPen.h"
#include "app/PreviewStart.h"
#include "preview/RankLabelDocument.h"
#include "model/TemplateCatalogue.h"
#include "app/WindowLayoutHost.h"
#include "platform/forms/Controls.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/text/Graphemes.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace app {

using layout::SizeOption;

namespace {

constexpr int PreviewTemplateRow = 7;

bool largerOrExtra(SizeOption o) { return o == SizeOption::Larger || o == SizeOption::Extra; }

} // namespace

int oneLineNameDelta(SizeOption option, qsizetype omoteLength, qsizetype nameLength)
{
    switch (option) {
    case SizeOption::Standard: return 0;
    case SizeOption::Larger:
        if (omoteLength >= 3)
            return 4;
        return nameLength == 5 ? 6 : 8;
    case SizeOption::Smaller: return -4;
    case SizeOption::Extra:
        if (nameLength == 4)
            return 8;
        return nameLength == 5 ? 6 : 10;
    case SizeOption::None: break;
    }
    return 0;
}

int oneLineNameLeadLines(const QString& osType, qsizetype n)
{
    const int base = n <= 1 ? 7 : n <= 4 ? 8 : n <= 6 ? 9 : 10;
    return osType == QLatin1String("98/Me") ? base + 2 : base;
}

int oneLineNameSize(int d, qsizetype n)
{
    switch (n) {
    case 0: return 0;
    case 1: return d + 46;
    case 2:
    case 3: return d + 44;
    case 4: return d + 40;
    case 5: return d + 36;
    case 6: return 32;
    case 7: return 28;
    case 8: return 26;
    case 9: return 24;
    default: return 22;
    }
}

int jointNameSize(int d, qsizetype n)
{
    if (n <= 3)
        return d + 19;
    if (n <= 5)
        return d + 16;
    switch (n) {
    case 6: return 12;
    case 7: return 10;
    case 8: return 9;
    case 9: return 8;
    default: return 7;
    }
}

int personNameGap(int maxLength, qsizetype length)
{
    const qsizetype spare = maxLength - length;
    if (spare <= 1)
        return 0;
    return spare >= 4 ? 3 : int(spare) - 1;
}

void NamePreview::textStyle(PreviewPen& pen) const
{
    NoshiMain& m = w_.main();
    pen.textStyle(m.Combo4->currentText(), f_.TextColor, forms::checkValue(m.CheckNBold) == 1);
}

bool NamePreview::specialStripTemplate() const
{
    const LiveStore& st = store();
    if (st.LoopPos < 0 || st.LoopPos >= st.RegSizeCount() || st.StyleLoop < 0 || st.StyleLoop >= NameStyleCount)
        return false;
    const QString key = st.size(st.LoopPos).RegSizeTemplate[size_t(st.StyleLoop)];
    return key == TemplateKey::TanzakuSpecial || key == TemplateKey::TanzakuSpecialMedium
           || key == TemplateKey::TanzakuSpecialB;
}

void NamePreview::draw()
{
    NoshiMain& m = w_.main();
    const LiveStore& st = store();
    if (!beginPreview(m, f_))
        return;

    rt::RichTextBox& box = *m.RichTextBox2;
    PreviewPen pen(box);
    pen.font(st.MeasureFontName);
    box.setRightMarginMm(previewColumnMm(m, true));
    box.clear();
    m.RichTextBox2View->show();

    frmTextSub1* ext = w_.sub1();
    if (!ext->Text3->text().isEmpty()) {
        pen.size(10);
        pen.lineBreaks(2);
        pen.write(ext->Text3->text());
        return;
    }
    if (!ext->txtStart->text().isEmpty() && !ext->txtEnd->text().isEmpty()) {
        RankLabelPreview();
        return;
    }
    switch (nameStyleOf(m.Combo3->currentText())) {
    case NameStyle::OneLine: drawOneLine(pen); break;
    case NameStyle::TwoLine: drawTwoLine(pen); break;
    case NameStyle::Joint: drawJoint(pen); break;
    case NameStyle::None: break;
    }
    drawAddress(pen);
}

void NamePreview::drawOneLine(PreviewPen& pen)
{
    NoshiMain& m = w_.main();
    const LiveStore& st = store();
    const QString typed = m.Text2->text();
    const QStringList letters = text::chars(typed);
    const QString furigana = w_.sub1()->Text6->text();
    const SizeOption option = nameSizeOptionOf(m);
    f_.NameText = typed;
    if (option != SizeOption::None)
        f_.NameSizeDelta = oneLineNameDelta(option, text::charCount(m.Combo2->currentText()), letters.size());

    pen.size(2);
    f_.LeadLines = oneLineNameLeadLines(st.OsType, letters.size());
    if (!furigana.isEmpty())
        f_.LeadLines -= st.OsType == QLatin1String("98/Me") ? 4 : 3;
    if (largerOrExtra(option))
        f_.LeadLines -= 1;
    if (f_.LeadLines < 1)
        f_.LeadLines = 1;
    pen.lineBreaks(f_.LeadLines);

    if (!furigana.isEmpty()) {
        pen.size(8);
        pen.blanks(2);
        textStyle(pen);
        pen.write(furigana + QStringLiteral("\r\n"));
        pen.font(st.MeasureFontName);
    }
    pen.size(5);
    textStyle(pen);
    int size = oneLineNameSize(f_.NameSizeDelta, letters.size());
    if (size == 0)
        size = 5; // an empty name keeps the size in force
    pen.size(size);
    if (letters.size() == 2) {
        f_.NameText = letters[0] + u' ' + letters[1];
        pen.size(vb::HalveTrunc(size));
        pen.write(f_.NameText);
    } else if (letters.size() == 3 || letters.size() == 4) {
        f_.NameCharSize = size;
        for (f_.CharPos = 1; f_.CharPos <= letters.size(); f_.CharPos += 1) {
            pen.size(vb::HalveTrunc(f_.NameCharSize));
            pen.write(letters[f_.CharPos - 1]);
            if (f_.CharPos < letters.size()) {
                pen.size(3);
                pen.blanks(1);
            }
        }
    } else {
        pen.size(vb::HalveTrunc(size));
        pen.write(f_.NameText);
    }
    pen.lineBreaks(1);
}

void NamePreview::setNameSizeDelta(SizeOption option, int extraDelta)
{
    switch (option) {
    case SizeOption::Standard: f_.NameSizeDelta = 0; break;
    case SizeOption::Larger: f_.NameSizeDelta = 2; break;
    case SizeOption::Smaller: f_.NameSizeDelta = -2; break;
    case SizeOption::Extra: f_.NameSizeDelta = extraDelta; break;
    case SizeOption::None: break; // no size chosen keeps the last one
    }
}

void NamePreview::drawTwoLine(PreviewPen& pen)
{
    NoshiMain& m = w_.main();
    const LiveStore& st = store();
    frmTextSub2* two = w_.sub2();
    const SizeOption option = nameSizeOptionOf(m);
    setNameSizeDelta(option, 2);
    pen.size(4);
    f_.LeadLines = st.OsType == QLatin1String("98/Me") ? 5 : 4;
    if (largerOrExtra(option))
        f_.LeadLines -= 1;
    pen.lineBreaks(f_.LeadLines);
    pen.size(5);
    f_.ColumnIndent = specialStripTemplate() ? 0 : 5;
    pen.blanks(f_.ColumnIndent);

    forms::setText(two->Text7, companyTrimmed(two->Text7->text()));
    const QString company = two->Text7->text();
    textStyle(pen);
    const qsizetype n = text::charCount(company);
    pen.size(n <= 10 ? f_.NameSizeDelta + 10 : n == 11 ? 10 : n == 12 ? 9 : n == 13 ? 8 : 7);
    pen.write(company + QStringLiteral("\r\n"));

    pen.font(st.MeasureFontName);
    pen.size(5);
    pen.lineBreaks(1);
    pen.size(5);
    pen.blanks(f_.ColumnIndent + 2);
    textStyle(pen);
    pen.size(5);
    pen.write(two->Combo2->currentText() + u' ');

    const QString person = two->Text8->text();
    const QStringList personLetters = text::chars(person);
    const int gap = personNameGap(two->Text8MaxLength, personLetters.size());
    for (qsizetype i = 0; i < personLetters.size(); ++i) {
        pen.size(11);
        pen.write(personLetters[i]);
        if (i + 1 < personLetters.size()) {
            pen.size(5);
            pen.blanks(gap);
        }
    }
    pen.lineBreaks(1);
}

void NamePreview::drawJoint(PreviewPen& pen)
{
    NoshiMain& m = w_.main();
    const LiveStore& st = store();
    frmTextSub3* joint = w_.sub3();
    const SizeOption option = nameSizeOptionOf(m);
    f_.ColumnIndent = 10;
    setNameSizeDelta(option, 4);
    if (joint->Option1->isChecked())
        f_.ColumnIndent = 15;
    if (joint->Option2->isChecked())
        f_.ColumnIndent = 8;
    if (specialStripTemplate())
        f_.ColumnIndent = 0;
    pen.size(4);
    f_.LeadLines = st.OsType == QLatin1String("98/Me") ? 3 : 2;
    if (largerOrExtra(option))
        f_.LeadLines -= 1;
    pen.lineBreaks(f_.LeadLines);

    // Names past the seventh do not exist; a count beyond that draws seven.
    const int count = std::clamp(int(vb::Val(m.Text3->text())), 0, frmTextSub3::NameCount);
    for (int i = 1; i <= count; ++i) {
        const QString name = joint->txtName[size_t(i)]->text();
        pen.font(st.MeasureFontName);
        pen.bold(false);
        pen.size(5);
        pen.blanks(f_.ColumnIndent);
        textStyle(pen);
        pen.size(jointNameSize(f_.NameSizeDelta, text::charCount(name)));
        pen.write(name + QStringLiteral("\r\n"));
        pen.size(5);
        pen.lineBreaks(1);
    }
}

void NamePreview::drawAddress(PreviewPen& pen)
{
    NoshiMain& m = w_.main();
    frmTextSub1* ext = w_.sub1();
    auto item = [&](const QString& text, double size, bool always) {
        if (text.isEmpty() && !always)
            return;
        pen.font(store().MeasureFontName);
        pen.size(2);
        pen.blanks(10);
        textStyle(pen);
        pen.size(size);
        pen.write(text + QStringLiteral("\r\n"));
    };
    item(ext->Text2->text(), 4, false);
    item(ext->Text5[0]->text(), 5, false);
    item(ext->Text5[1]->text(), 5, false);
    item(ext->Text1->text(), 5, true);
    item(ext->Text9->text(), 5, true);
    m.RichTextBox2->setSelStart(0);
    f_.TextColor = 0;
}

void NamePreview::RankLabelPreview()
{
    NoshiMain& m = w_.main();
    frmTextSub1* ext = w_.sub1();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    rt::RichTextBox& box = *m.RichTextBox2;
    box.clear();
    preview::RankLabelSpec spec;
    spec.fontName = m.Combo4->currentText();
    spec.fontSize = vb::HalveTrunc(catalogue().row(PreviewTemplateRow).OmoteSizeLen3);
    spec.rank = ext->txtStart->text();
    spec.text = m.Text2->text();
    spec.fullWidth = forms::checkValue(ext->Check5) == 1;
    spec.pageWidthMm = box.widthMm() + 10;
    const QString path = QFileInfo(dataFilePath()).absolutePath() + u'/' + preview::RankLabelDocument::FileName;
    const auto label = preview::RankLabelDocument(spec).writeFile(path);
    box.clear();
    box.setSelText(QStringLiteral("   "));
    if (label)
        box.insertObject(label);
    box.setSelStart(0);
    QApplication::restoreOverrideCursor();
}

} // namespace app
