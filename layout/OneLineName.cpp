// Steps B1 to B7: the "１行印刷" name, one centred column with an optional
// furigana column on its right.
#include "layout/LayoutRun.h"

#include "layout/SizeTable.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/text/Graphemes.h"

namespace layout {

namespace {
const QString RankPlaceholder = QStringLiteral("０位");
} // namespace

void LayoutRun::layOutOneLineName()
{
    PrepareNameText();
    ReadNameSizeOption();
    MeasureName();
    const bool furigana = !host_.furigana().isEmpty();
    WriteNameTopLines(furigana);
    if (furigana)
        PlaceFurigana();
    IndentName();
    WriteName();
}

void LayoutRun::PrepareNameText()
{
    ctx_.NameText.clear();
    const QString typed = host_.nameText();
    host_.setNameText(p_.Flags.NameTextUntrimmed ? typed : vb::RTrimHalf(typed));
    ctx_.NameText = host_.nameText();
    if (!host_.rankStart().isEmpty() && !host_.rankEnd().isEmpty())
        ctx_.NameText = RankPlaceholder;
}

void LayoutRun::ReadNameSizeOption()
{
    const qsizetype nameLength = text::charCount(ctx_.NameText);
    const bool shortOmote = text::charCount(host_.omoteText()) < 3;
    switch (host_.nameSizeOption()) {
    case SizeOption::None: return;
    case SizeOption::Standard: ctx_.NameSizeDelta = 0; break;
    case SizeOption::Larger:
        if (!shortOmote)
            ctx_.NameSizeDelta = p_.NameDeltaLargerLong;
        else
            ctx_.NameSizeDelta = nameLength == 5 ? p_.NameDeltaLarger5Short : p_.NameDeltaLargerShort;
        break;
    case SizeOption::Smaller:
        ctx_.NameSizeDelta = shortOmote ? p_.NameDeltaSmallerShort : p_.NameDeltaSmallerLong;
        break;
    case SizeOption::Extra:
        ctx_.NameSizeDelta = nameLength == 4 ? p_.NameDeltaExtra4
                           : nameLength == 5 ? p_.NameDeltaExtra5
                                             : p_.NameDeltaExtra;
        break;
    }
}

void LayoutRun::MeasureName()
{
    ctx_.ColumnFontSize = sizeByLength(text::charCount(ctx_.NameText), 1,
                                       {p_.NameSizeLen1, p_.NameSizeLen2, p_.NameSizeLen3, p_.NameSizeLen4,
                                        p_.NameSizeLen5, p_.NameSizeLen6, p_.NameSizeLen7, p_.NameSizeLen8,
                                        p_.NameSizeLen9, p_.NameSizeLong},
                                       5, ctx_.NameSizeDelta);
    ctx_.CharExtent = place_.MeasureExtent(ctx_.ColumnFontSize);
    ctx_.LeadLines = place_.CentreLines(ctx_.CharExtent);
}

void LayoutRun::WriteNameTopLines(bool furigana)
{
    nameBox_.setSelFontName(in_.MeasureFontName);
    nameBox_.setSelColor(in_.TextColor);
    nameBox_.setSelFontSize(in_.GapFontSize);
    if (boldNameLines())
        nameBox_.setSelBold(true);
    if (furigana)
        ctx_.LeadLines = add16(ctx_.LeadLines, -p_.FuriganaLineCut);
    place_.WriteBlankLines(nameBox_, add16(ctx_.LeadLines, in_.CurOffsetX));
}

void LayoutRun::PlaceFurigana()
{
    place_.WriteBlanks(nameBox_, add16(in_.CurOffsetName, p_.FuriganaIndent), p_.FuriganaSize);
    place_.SetTextFormat(nameBox_, bold(host_.nameBold()));
    nameBox_.setSelText(host_.furigana() + QStringLiteral("\r\n"));
    place_.SetSize(nameBox_, p_.Flags.GapFieldFurigana ? double(in_.GapFontSize) : double(p_.FuriganaGapSize));
    place_.EndColumn(nameBox_);
}

void LayoutRun::IndentName()
{
    nameBox_.setSelFontName(in_.MeasureFontName);
    place_.SetSize(nameBox_, 10);
    ctx_.ColumnIndent = add16(in_.CurOffsetName, p_.NameIndentBase);
    if (host_.nameSizeOption() == SizeOption::Extra)
        ctx_.ColumnIndent = add16(ctx_.ColumnIndent, -p_.NameIndentExtraCut);
    // The floor comes before the steps, so a name pushed against the top
    // edge still gets its extra blanks.
    if (ctx_.ColumnIndent < 0)
        ctx_.ColumnIndent = p_.NameIndentFloor;
    const int length = int(text::charCount(ctx_.NameText));
    if (!p_.Flags.NoIndentSteps && !p_.Flags.ExtraNameBlanks) {
        for (const NameIndentStep& step : p_.NameIndentSteps)
            if (step.holds(length))
                ctx_.ColumnIndent = add16(ctx_.ColumnIndent, step.amount);
    }
    place_.InsertBlanks(nameBox_, ctx_.ColumnIndent);
    if (p_.Flags.ExtraNameBlanks && !p_.Flags.NoIndentSteps) {
        for (const NameIndentStep& step : p_.NameIndentSteps)
            if (step.holds(length))
                place_.InsertBlanks(nameBox_, step.amount);
    }
}

void LayoutRun::WriteName()
{
    place_.SetTextFormat(nameBox_, bold(host_.nameBold()));
    const QString name = ctx_.NameText;
    const QStringList letters = text::chars(name);
    const qsizetype length = letters.size();
    const vb::Int16 size = sizeByLength(length, 1,
                                        {p_.NameWriteSizeLen1, p_.NameWriteSizeLen2, p_.NameWriteSizeLen3,
                                         p_.NameWriteSizeLen4, p_.NameWriteSizeLen5, p_.NameWriteSizeLen6,
                                         p_.NameWriteSizeLen7, p_.NameWriteSizeLen8, p_.NameWriteSizeLen9,
                                         p_.NameWriteSizeLong},
                                        5, ctx_.NameSizeDelta);
    // An empty name sets no size: its line ends at the indent blanks' 10 points.
    if (length >= 1)
        place_.SetSize(nameBox_, size);

    if (length == 2) {
        // With a rank range this splits the placeholder "０位": the line is
        // replaced by the rank label before anything is printed.
        ctx_.NameText = letters[0] + u' ' + letters[1];
        nameBox_.setSelText(ctx_.NameText);
    } else if ((length == 3 || length == 4) && !p_.Flags.NoNameLetterSpacing) {
        ctx_.NameCharSize = size;
        for (int pos = 1; pos <= length; ++pos) {
            ctx_.CharPos = pos;
            place_.SetSize(nameBox_, ctx_.NameCharSize);
            nameBox_.setSelText(letters[pos - 1]);
            if (pos != length) {
                place_.SetSize(nameBox_, p_.NameLetterGapSize);
                place_.InsertBlanks(nameBox_, p_.NameLetterGap);
            }
        }
    } else if (length > 0) {
        nameBox_.setSelText(name);
    }
    place_.EndColumn(nameBox_);
}

} // namespace layout
