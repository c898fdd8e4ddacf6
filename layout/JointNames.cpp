// Steps D1 to D7: the "連名印刷" names, one column per name, the first
// rightmost, sized by the knot of the sheet and the name's length.
#include "layout/LayoutRun.h"

#include "layout/SizeTable.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/text/Graphemes.h"

#include <optional>

namespace layout {

std::optional<vb::Int16> LayoutRun::jointSize(qsizetype length, bool bow, bool writing) const
{
    const bool oneTable = p_.Flags.KnotlessJointNames || p_.Flags.SingleJointSizeTable;
    return jointSizeFor(bow && !oneTable ? p_.BowSizes : p_.TieSizes, length, writing, ctx_.NameSizeDelta,
                        p_.Flags.FixedJointSizes);
}

void LayoutRun::layOutJointNames()
{
    ReadJointSizeOption();
    ForceKnotForTwoNames();
    ReadJointSpacing();
    MeasureJointNames();
    WriteJointTopLines();
    IndentJointNames();
    WriteJointNames();
}

void LayoutRun::ReadJointSizeOption()
{
    applySizeOption(ctx_.NameSizeDelta, host_.nameSizeOption(), p_.JointDeltaLarger, p_.JointDeltaSmaller,
                    p_.JointDeltaExtra);
    // Validated as a whole number from 0 to 7 before the layout.
    jointCount_ = int(vb::ToNumber(host_.jointCountText()).value_or(0));
}

void LayoutRun::ForceKnotForTwoNames()
{
    // Two names are always set 結び切り; the window keeps the choice.
    if (!p_.Flags.KnotlessJointNames && jointCount_ == 2)
        host_.selectKnotTie();
}

void LayoutRun::ReadJointSpacing()
{
    JointSpacingSize = 0;
    if (host_.spacingNormal())
        JointSpacingSize = p_.JointSpacingNormal;
    if (host_.spacingNarrow())
        JointSpacingSize = p_.JointSpacingNarrow;
}

bool LayoutRun::jointBow() const
{
    return !p_.Flags.KnotlessJointNames && host_.knotBow();
}

void LayoutRun::MeasureJointNames()
{
    // Each name counts the width of its column, by its size only.
    ctx_.MeasuredExtent = 0.0f;
    for (int i = 1; i <= jointCount_; ++i) {
        // A length no row covers measures at the size measured before.
        if (const auto size = jointSize(text::charCount(host_.jointName(i)), jointBow(), false))
            ctx_.CharExtent = place_.MeasureExtent(*size);
        ctx_.MeasuredExtent = ctx_.MeasuredExtent + ctx_.CharExtent;
    }
    for (int j = 1; j <= jointCount_ - 1; ++j)
        ctx_.MeasuredExtent = ctx_.MeasuredExtent + place_.MeasureExtent(JointSpacingSize);
    ctx_.LeadLines = place_.CentreLines(ctx_.MeasuredExtent);
}

void LayoutRun::WriteJointTopLines()
{
    nameBox_.setSelFontName(in_.MeasureFontName);
    nameBox_.setSelFontSize(in_.GapFontSize);
    if (boldNameLines())
        nameBox_.setSelBold(true);
    place_.WriteBlankLines(nameBox_, add16(ctx_.LeadLines, in_.CurOffsetX));
}

void LayoutRun::IndentJointNames()
{
    // One indent for every column of the group. One base whatever the knot:
    // knotless sets, and sets whose only difference here is that
    // (SingleJointIndent).
    const bool oneBase = p_.Flags.KnotlessJointNames || p_.Flags.SingleJointIndent;
    const bool cuts = oneBase || host_.knotBow();
    if (oneBase || host_.knotBow())
        ctx_.ColumnIndent = add16(in_.CurOffsetName, p_.BowIndentBase);
    if (!oneBase && host_.knotTie())
        ctx_.ColumnIndent = add16(in_.CurOffsetName, p_.TieIndentBase);
    if (cuts && !p_.Flags.NoJointIndentCuts) {
        if (jointCount_ <= 3)
            ctx_.ColumnIndent = add16(ctx_.ColumnIndent, -p_.BowIndentCutMany);
        if (jointCount_ == 4 && !p_.Flags.NoFourNameCut)
            ctx_.ColumnIndent = add16(ctx_.ColumnIndent, -p_.BowIndentCutFour);
    }
    if (ctx_.ColumnIndent < 0)
        ctx_.ColumnIndent = p_.JointIndentFloor;
}

void LayoutRun::WriteJointNames()
{
    for (int i = 1; i <= jointCount_; ++i) {
        const QString name = host_.jointName(i);
        nameBox_.setSelFontName(in_.MeasureFontName);
        nameBox_.setSelBold(false); // the blanks before a name are never bold
        place_.SetSize(nameBox_, 10);
        place_.InsertBlanks(nameBox_, ctx_.ColumnIndent);
        if (const auto size = jointSize(text::charCount(name), jointBow(), true))
            place_.SetSize(nameBox_, *size);
        place_.SetTextFormat(nameBox_, bold(host_.nameBold()));
        nameBox_.setSelText(name + QStringLiteral("\r\n"));
        place_.SetSize(nameBox_, JointSpacingSize);
        place_.EndColumn(nameBox_);
    }
    place_.EndColumn(nameBox_);
}

} // namespace layout
