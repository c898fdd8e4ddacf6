#include "editors/OmoteSeed.h"

#include "platform/richtext/RichTextBox.h"
#include "platform/text/TextMeasure.h"
#include "platform/vb/VbNum.h"

#include <cmath>

namespace editors {

int SeedBaseSize(int h)
{
    if (h < 0 || h > 500)
        return 150;
    if (h <= 150)
        return 30;
    // 151..200 40, 201..250 50, ... 451..500 100.
    return 40 + (h - 151) / 50 * 10;
}

int SeedSizeDelta(OmoteSizeOption option, int previous)
{
    switch (option) {
    case OmoteSizeOption::Standard: return 0;
    case OmoteSizeOption::Larger: return 10;
    case OmoteSizeOption::Smaller: return -10;
    case OmoteSizeOption::Extra: return 20;
    case OmoteSizeOption::None: break;
    }
    return previous;
}

int SeedLeadLines(int paperWidth, int paperHeight, double columnExtentMm, double blankLineMm)
{
    if (paperHeight < paperWidth)
        return 5;
    try {
        return vb::CInt((paperWidth - columnExtentMm) / 2 / blankLineMm);
    } catch (const vb::OverflowError&) {
        return 0; // no blank lines
    }
}

int WriteSeed(rt::RichTextBox& page, const SeedInput& in)
{
    const int base = SeedBaseSize(in.paperHeight);
    const int delta = SeedSizeDelta(in.main.omoteSize, in.previousDelta);
    const int size = base + delta;
    const double column = in.measureByHeight ? measure::textHeightMm(QStringLiteral("　"), SeedMeasureFont, size)
                                             : measure::textWidthMm(QStringLiteral("　"), SeedMeasureFont, size);
    const int n = SeedLeadLines(in.paperWidth, in.paperHeight, column, in.main.spaceExtent);

    const rt::EditBlock step(page);
    if (n > 1) {
        page.setSelFontName(SeedMeasureFont);
        page.setSelFontSize(4);
        page.setSelText(QStringLiteral("\r\n").repeated(n - 1));
    }
    page.setSelFontName(SeedMeasureFont);
    page.setSelFontSize(base);
    page.setSelText(QStringLiteral("  "));
    page.setSelFontName(in.main.printFont);
    page.setSelColor(in.main.thinInk ? in.usuzumi : rt::Color(0));
    page.setSelBold(in.main.omoteBold);
    page.setSelFontSize(size);
    page.setSelText(in.main.omote.isEmpty() ? SeedPlaceholder : in.main.omote);
    page.setSelBold(false);
    return delta;
}

} // namespace editors
