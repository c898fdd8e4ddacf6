#include "layout/Placement.h"

#include "layout/LayoutTemplate.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/text/TextMeasure.h"

#include <cmath>

namespace layout {

namespace {
const QString CrLf = QStringLiteral("\r\n");
// Point sizes a rich-text run can carry.
constexpr double MinPoints = 1.0;
constexpr double MaxPoints = 1638.0;
} // namespace

Placement::Placement(const LayoutInputs& inputs, LayoutContext& context, QString printFont)
    : in_(inputs), ctx_(context), printFont_(std::move(printFont))
{
}

void Placement::fail(const QString& why)
{
    throw LayoutAborted(why);
}

float Placement::MeasureExtent(float points) const
{
    const double mm = in_.OsType == QLatin1String("NT/XP")
        ? measure::textWidthMm(in_.MeasureChar, in_.MeasureFontName, points, ctx_.MeasureBold)
        : measure::textHeightMm(in_.MeasureChar, in_.MeasureFontName, points, ctx_.MeasureBold);
    return static_cast<float>(mm);
}

vb::Int16 Placement::CentreLines(float extent) const
{
    const double quotient =
        (double(float(in_.LayoutWidth)) - double(extent)) / 2.0 / double(in_.SpaceExtent);
    try {
        return vb::Int16(vb::CInt(quotient));
    } catch (const vb::OverflowError&) {
        fail(QStringLiteral("文字の配置を計算できません（用紙幅 %1 mm）。").arg(in_.LayoutWidth));
    }
}

void Placement::WriteBlankLines(rt::RichTextBox& box, int n) const
{
    box.setSelFontName(in_.MeasureFontName);
    box.setSelFontSize(in_.GapFontSize);
    if (n > 0)
        box.setSelText(CrLf.repeated(n));
}

void Placement::WriteBlanks(rt::RichTextBox& box, int n, double points) const
{
    box.setSelFontName(in_.MeasureFontName);
    SetSize(box, points);
    InsertBlanks(box, n);
}

void Placement::InsertBlanks(rt::RichTextBox& box, int n) const
{
    // A lead pushed above the top edge by an upward calibration writes no
    // blanks in every member, so the text prints as far up as it can.
    if (n > 0)
        box.setSelText(QString(n, QChar(u' ')));
}

void Placement::SetTextFormat(rt::RichTextBox& box, bool bold) const
{
    box.setSelFontName(printFont_);
    box.setSelColor(in_.TextColor);
    box.setSelBold(bold);
}

void Placement::SetSize(rt::RichTextBox& box, double points) const
{
    if (!(points >= MinPoints && points <= MaxPoints))
        fail(QStringLiteral("文字サイズ %1 ポイントは使えません。").arg(points));
    box.setSelFontSize(points);
}

void Placement::WriteTextRun(rt::RichTextBox& box, const QString& text, double points, bool bold) const
{
    SetTextFormat(box, bold);
    SetSize(box, points);
    if (!text.isEmpty())
        box.setSelText(text);
}

void Placement::EndColumn(rt::RichTextBox& box) const
{
    box.setSelText(CrLf);
}

} // namespace layout
