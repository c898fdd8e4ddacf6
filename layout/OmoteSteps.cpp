// Steps A1 to A10: the inscription column with its shoulder titles or its
// two-line form, in the inscription box.
#include "layout/LayoutRun.h"

#include "layout/SizeTable.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/text/Graphemes.h"

namespace layout {

namespace {
const QString PlainSheet = QStringLiteral("無　地");
} // namespace

void LayoutRun::BeginOmoteBox()
{
    // The blank lines' font; bold members write bold from here on.
    omoteBox_.setSelFontName(in_.MeasureFontName);
    omoteBox_.setSelFontSize(in_.GapFontSize);
    if (p_.Flags.BoldLayout)
        omoteBox_.setSelBold(true);
}

void LayoutRun::WriteOmoteTopLines()
{
    place_.WriteBlankLines(omoteBox_, add16(ctx_.LeadLines, in_.CurOffsetX));
}

bool LayoutRun::StopForObjectFile() const
{
    // A document to embed takes the place of the name part.
    return !host_.objectFilePath().isEmpty();
}

void LayoutRun::ReadOmoteSizeOption()
{
    const bool longOmote = text::charCount(host_.omoteText()) > 4;
    applySizeOption(ctx_.OmoteSizeDelta, host_.omoteSizeOption(), p_.OmoteDeltaLarger, p_.OmoteDeltaSmaller,
                    longOmote ? p_.OmoteDeltaExtraLong : p_.OmoteDeltaExtra);
}

int LayoutRun::omoteSizeForLength(qsizetype length) const
{
    std::array<int16_t, 4> sizes{};
    host_.omoteSizes(in_.TemplateIndex, sizes);
    if (length <= 0)
        return 0;
    return sizes[std::min<qsizetype>(length, 4) - 1];
}

void LayoutRun::MeasureOmote()
{
    if (!host_.twoLineOmoteRight().isEmpty() || !host_.twoLineOmoteLeft().isEmpty()) {
        ctx_.TwoLineOmoteSize = add16(ctx_.OmoteSizeDelta, p_.TwoLineOmoteMeasureBase);
        ext_.MeasureTwoLineOmote();
        ctx_.LeadLines = place_.CentreLines(ctx_.MeasuredExtent);
        return;
    }
    const qsizetype length = text::charCount(host_.omoteText());
    if (length > 0) // an empty inscription keeps the earlier size
        ctx_.ColumnFontSize = add16(ctx_.OmoteSizeDelta, omoteSizeForLength(length));
    ctx_.CharExtent = place_.MeasureExtent(ctx_.ColumnFontSize);
    ctx_.LeadLines = place_.CentreLines(ctx_.CharExtent);
}

void LayoutRun::AdjustForShoulderTitles()
{
    if (host_.shoulderTitleRight().isEmpty() && host_.shoulderTitleLeft().isEmpty())
        return;
    ctx_.ShoulderTitleSize = add16(vb::HalveTrunc(ctx_.OmoteSizeDelta), p_.ShoulderTitleMeasureBase);
    ext_.MeasureShoulderTitles();
    // The titles stand to the right of the centred group: their whole
    // width comes off the lead.
    const float lines = ctx_.MeasuredExtent / in_.SpaceExtent;
    ctx_.LeadLines = add16(ctx_.LeadLines, -vb::CInt(lines));
}

void LayoutRun::PlaceShoulderTitles()
{
    if (host_.shoulderTitleRight().isEmpty() && host_.shoulderTitleLeft().isEmpty())
        return;
    ctx_.ShoulderTitleSize = add16(vb::HalveTrunc(ctx_.OmoteSizeDelta), p_.ShoulderTitleWriteBase);
    ctx_.OmoteExtIndent = p_.ShoulderTitleIndent;
    ext_.WriteShoulderTitles();
}

void LayoutRun::PlaceTwoLineOmote()
{
    if (host_.twoLineOmoteRight().isEmpty() && host_.twoLineOmoteLeft().isEmpty())
        return;
    ctx_.TwoLineOmoteSize = add16(ctx_.OmoteSizeDelta, p_.TwoLineOmoteWriteBase);
    ctx_.OmoteExtIndent = p_.TwoLineOmoteIndent;
    ext_.WriteTwoLineOmote();
}

void LayoutRun::IndentOmote()
{
    const qsizetype length = text::charCount(host_.omoteText());
    if (length == 1)
        ctx_.ColumnIndent = p_.OmoteIndentLen1;
    else if (length == 2)
        ctx_.ColumnIndent = p_.OmoteIndentLen2;
    else if (length == 3)
        ctx_.ColumnIndent = p_.OmoteIndentLen3;
    else if (length >= 4)
        ctx_.ColumnIndent = p_.OmoteIndentLong;
    const SizeOption option = host_.omoteSizeOption();
    if (option == SizeOption::Extra)
        ctx_.ColumnIndent = add16(ctx_.ColumnIndent, -p_.OmoteIndentExtraCut);
    if (option == SizeOption::Larger)
        ctx_.ColumnIndent = add16(ctx_.ColumnIndent, -p_.OmoteIndentLargerCut);
    if (p_.Flags.BoldOmoteIndent && host_.omoteBold())
        ctx_.ColumnIndent = add16(ctx_.ColumnIndent, -p_.OmoteIndentBoldCut);
    ctx_.ColumnIndent = add16(ctx_.ColumnIndent, in_.CurOffsetOmote);
    if (ctx_.ColumnIndent < 0)
        ctx_.ColumnIndent = 0;
    place_.WriteBlanks(omoteBox_, ctx_.ColumnIndent, 10);
}

void LayoutRun::WriteOmote()
{
    omoteBox_.setSelFontName(place_.printFont());
    omoteBox_.setSelColor(in_.TextColor);
    // Bold members write the inscription bold whatever the box and the
    // shoulder titles before it say.
    omoteBox_.setSelBold(bold(host_.omoteBold()));

    const QString omote = host_.omoteText();
    const qsizetype length = text::charCount(omote);
    if (omote == PlainSheet) {
        // The plain sheet keeps an empty column where a three-character
        // inscription would stand.
        place_.SetSize(omoteBox_, add16(ctx_.OmoteSizeDelta, omoteSizeForLength(3)));
        omoteBox_.setSelText(ThreeBlanks);
    } else if (length > 0) {
        place_.SetSize(omoteBox_, add16(ctx_.OmoteSizeDelta, omoteSizeForLength(length)));
        const bool split = length == 2 && !p_.Flags.UnsplitTwoCharOmote && !p_.Flags.BoldLayout;
        omoteBox_.setSelText(split ? text::leftChars(omote, 1) + u' ' + text::midChars(omote, 1) : omote);
    }
    place_.EndColumn(omoteBox_);
    omoteBox_.setSelBold(false);
}

} // namespace layout
