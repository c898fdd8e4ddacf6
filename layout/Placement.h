// The placement primitives: the only ways the layout measures and writes.
// One line of a vertical box is one column on paper; blank lines in the
// measuring font move later columns across the sheet, leading half-width
// blanks move text down its column.
#pragma once

#include "layout/LayoutContext.h"
#include "layout/LayoutInputs.h"

#include <QString>

namespace rt { class RichTextBox; }

namespace layout {

class Placement {
public:
    Placement(const LayoutInputs& inputs, LayoutContext& context, QString printFont);

    // Extent of MeasureChar at that size in the measuring font, mm: its width
    // on "NT/XP", its height otherwise, in the context's measuring weight.
    float MeasureExtent(float points) const;
    // Blank lines that centre a column group of that extent on LayoutWidth.
    vb::Int16 CentreLines(float extent) const;
    // n empty lines in the measuring font at GapFontSize; none for n <= 0.
    void WriteBlankLines(rt::RichTextBox& box, int n) const;
    // n half-width blanks in the measuring font at that size. A negative
    // count writes nothing, in every member.
    void WriteBlanks(rt::RichTextBox& box, int n, double points = 10.0) const;
    // Blanks in the format the box already has (its font is not reset).
    void InsertBlanks(rt::RichTextBox& box, int n) const;
    // The print font, TextColor, the bold flag, then the size, then the text.
    void WriteTextRun(rt::RichTextBox& box, const QString& text, double points, bool bold) const;
    // The print font, TextColor and bold flag for the next insertion.
    void SetTextFormat(rt::RichTextBox& box, bool bold) const;
    void SetSize(rt::RichTextBox& box, double points) const;
    void EndColumn(rt::RichTextBox& box) const;

    const QString& printFont() const { return printFont_; }
    const LayoutInputs& inputs() const { return in_; }

    [[noreturn]] static void fail(const QString& why);

private:
    const LayoutInputs& in_;
    LayoutContext& ctx_;
    QString printFont_;
};

// Checked 16-bit sum of the layout's whole-number fields.
inline vb::Int16 add16(long long a, long long b) { return vb::Int16::checked(a + b); }

} // namespace layout
