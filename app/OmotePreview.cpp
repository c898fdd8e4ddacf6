#include "app/OmotePreview.h"

#include "model/DataFile.h"
#include "app/InfoPanel.h"
#include "app/InputWindows.h"
#include "model/LiveStore.h"
#include "app/NoshiMain.h"
#include "platform/richtext/RichTextEdit.h"
#include "app/PreviewPen.h"
#include "app/PreviewStart.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/Controls.h"
#include "platform/paths/AppPaths.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/text/Graphemes.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace app {

namespace {

// The previews always sketch this template, at half its sizes.
constexpr int PreviewTemplateRow = 7;
const QString ThreeBlanks = QStringLiteral("　　　");

// A sample the user put into the program's folder wins; otherwise the one
// installed with the program.
QString sampleFile(const QString& name)
{
    const QString own = QFileInfo(dataFilePath()).absolutePath() + u'/' + name;
    if (QFileInfo::exists(own))
        return own;
    return paths::shippedDir() + u'/' + name;
}

} // namespace

OmotePlacement omotePlacement(const QString& osType, qsizetype length)
{
    const bool me = osType == QLatin1String("98/Me");
    switch (length) {
    case 0: return {10, me ? 6 : 5};
    case 1: return {15, me ? 6 : 5};
    case 2: return {8, me ? 9 : 7};
    case 3: return {8, me ? 10 : 8};
    default: return {6, me ? 10 : 8};
    }
}

int omoteExtensionSize(int base, qsizetype length)
{
    if (length >= 9)
        return base - 4;
    if (length >= 6)
        return base - 2;
    return base;
}

void OmotePreview::textStyle(PreviewPen& pen) const
{
    NoshiMain& m = w_.main();
    pen.textStyle(m.Combo4->currentText(), f_.TextColor, forms::checkValue(m.CheckOBold) == 1);
}

void OmotePreview::draw()
{
    NoshiMain& m = w_.main();
    const LiveStore& st = store();
    if (!beginPreview(m, f_))
        return;

    const QString omote = m.Combo2->currentText();
    if (m.Option11->isChecked())
        f_.OmoteSizeDelta = 0;
    if (m.Option22->isChecked())
        f_.OmoteSizeDelta = 1;
    if (m.Option33->isChecked())
        f_.OmoteSizeDelta = -2;
    if (m.OptionOB->isChecked())
        f_.OmoteSizeDelta = text::charCount(omote) > 4 ? 1 : 2;

    rt::RichTextBox& box = *m.RichTextBox1;
    PreviewPen pen(box);
    box.clear();
    pen.font(st.MeasureFontName);
    box.setRightMarginMm(previewColumnMm(m, false));
    m.RichTextBox1View->show();

    if (omote == QStringLiteral("タオル") || omote == QStringLiteral("お手拭")) {
        // A missing or damaged sample leaves the box empty.
        box.loadFile(sampleFile(omote == QStringLiteral("タオル") ? QStringLiteral("SampleT1.nd1")
                                                                  : QStringLiteral("SampleT2.nd1")));
        f_.TextColor = 0;
        return;
    }

    const OmotePlacement place = omotePlacement(st.OsType, text::charCount(omote));
    f_.ColumnIndent = place.ColumnIndent;
    f_.LeadLines = place.LeadLines;
    if (m.Option22->isChecked() || m.OptionOB->isChecked())
        f_.LeadLines -= 1;

    frmTextSub0* ext = w_.sub0();
    if (!ext->Text4->text().isEmpty() || !ext->Text5->text().isEmpty())
        drawShoulderTitles(pen);
    if (!ext->Text1->text().isEmpty() || !ext->Text2->text().isEmpty())
        drawTwoLineOmote(pen);
    else
        drawOneLineOmote(pen, omote);

    pen.lineBreaks(1);
    pen.bold(false);
    f_.TextColor = 0;
}

void OmotePreview::drawShoulderTitles(PreviewPen& pen)
{
    frmTextSub0* ext = w_.sub0();
    f_.ShoulderTitleSize = vb::HalveTrunc(f_.OmoteSizeDelta) + 10;
    f_.OmoteExtIndent = 2;
    textStyle(pen);
    if (ext->Text4->text().isEmpty())
        forms::setText(ext->Text4, ThreeBlanks);
    if (ext->Text5->text().isEmpty())
        forms::setText(ext->Text5, ThreeBlanks);
    for (const QLineEdit* title : {ext->Text4, ext->Text5}) {
        if (title == ext->Text5) {
            pen.size(2);
            pen.lineBreaks(1); // a thin spacer column between the titles
        }
        pen.size(5);
        pen.blanks(f_.OmoteExtIndent);
        pen.size(omoteExtensionSize(f_.ShoulderTitleSize, text::charCount(title->text())));
        pen.write(title->text() + QStringLiteral("\r\n"));
    }
    f_.LeadLines = 0;
}

void OmotePreview::drawTwoLineOmote(PreviewPen& pen)
{
    frmTextSub0* ext = w_.sub0();
    pen.size(2);
    pen.lineBreaks(f_.LeadLines);
    f_.TwoLineOmoteSize = f_.OmoteSizeDelta + 14;
    f_.OmoteExtIndent = 4;
    if (ext->Text1->text().isEmpty())
        forms::setText(ext->Text1, ThreeBlanks);
    if (ext->Text2->text().isEmpty())
        forms::setText(ext->Text2, ThreeBlanks);
    for (const QLineEdit* line : {ext->Text1, ext->Text2}) {
        pen.font(store().MeasureFontName);
        pen.size(5);
        pen.blanks(f_.OmoteExtIndent);
        textStyle(pen);
        pen.size(omoteExtensionSize(f_.TwoLineOmoteSize, text::charCount(line->text())));
        pen.write(line == ext->Text1 ? line->text() + QStringLiteral("\r\n") : line->text());
    }
}

void OmotePreview::drawOneLineOmote(PreviewPen& pen, const QString& omote)
{
    const BuiltinTemplate& row = catalogue().row(PreviewTemplateRow);
    pen.size(2);
    pen.lineBreaks(f_.LeadLines);
    pen.size(5);
    pen.blanks(f_.ColumnIndent);
    textStyle(pen);
    auto sizeFor = [&](int full) { pen.size(vb::HalveTrunc(full) + f_.OmoteSizeDelta); };
    if (omote == QStringLiteral("無　地")) {
        sizeFor(row.OmoteSizeLen3);
        pen.write(ThreeBlanks);
        return;
    }
    switch (text::charCount(omote)) {
    case 0: break;
    case 1: sizeFor(row.OmoteSizeLen1); pen.write(omote); break;
    case 2: sizeFor(row.OmoteSizeLen2); pen.write(text::leftChars(omote, 1) + u' ' + text::midChars(omote, 1)); break;
    case 3: sizeFor(row.OmoteSizeLen3); pen.write(omote); break;
    default: sizeFor(row.OmoteSizeLen4); pen.write(omote); break;
    }
}

} // namespace app
