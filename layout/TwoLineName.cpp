// Steps C1 to C8: the "２行印刷" name, company name in the right column and
// title with person's name in the next; bold members without
// BoldTwoColumnName give the title and the person a column each.
#include "layout/LayoutRun.h"

#include "layout/SizeTable.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/text/Graphemes.h"

namespace layout {

namespace {
const QString FourBlanks = QStringLiteral("　　　　");
const QString CrLf = QStringLiteral("\r\n");

// Blanks between two characters of the person's name: one fewer than the
// characters the name lacks of its maximum length, 0 to 3.
int personGapBlanks(int maxLength, qsizetype length)
{
    const qsizetype lacking = maxLength - length;
    if (lacking < 2)
        return 0; // also a name over its limit, or no limit at all
    return int(std::min<qsizetype>(lacking - 1, 3));
}
} // namespace

void LayoutRun::layOutTwoLineName()
{
    PrepareTwoLineName();
    ReadTwoLineSizeOption();
    MeasureTwoLineName();
    WriteTwoLineTopLines();
    IndentCompany();
    WriteCompany();
    WriteTitle();
    WritePersonName();
}

void LayoutRun::PrepareTwoLineName()
{
    if (host_.personName().isEmpty())
        host_.setPersonName(FourBlanks);
}

void LayoutRun::ReadTwoLineSizeOption()
{
    applySizeOption(ctx_.NameSizeDelta, host_.nameSizeOption(), p_.TwoLineDeltaLarger, p_.TwoLineDeltaSmaller,
                    p_.TwoLineDeltaExtra);
}

void LayoutRun::MeasureTwoLineName()
{
    // The block is centred as one column of the measuring size.
    ctx_.CharExtent = place_.MeasureExtent(nameDeltaPlus(p_.TwoLineMeasureBase));
    ctx_.LeadLines = place_.CentreLines(ctx_.CharExtent);
    if (threeNameColumns())
        ctx_.LeadLines = add16(ctx_.LeadLines, -p_.TwoLineLeadCut);
}

void LayoutRun::WriteTwoLineTopLines()
{
    nameBox_.setSelFontName(in_.MeasureFontName);
    nameBox_.setSelFontSize(in_.GapFontSize);
    if (threeNameColumns())
        nameBox_.setSelBold(true);
    place_.WriteBlankLines(nameBox_, add16(ctx_.LeadLines, in_.CurOffsetX));
}

void LayoutRun::IndentCompany()
{
    place_.SetSize(nameBox_, 10);
    ctx_.ColumnIndent = add16(in_.CurOffsetName, p_.CompanyIndentBase);
    if (ctx_.ColumnIndent < 0)
        ctx_.ColumnIndent = p_.CompanyIndentFloor;
    place_.InsertBlanks(nameBox_, ctx_.ColumnIndent);
}

void LayoutRun::WriteCompany()
{
    const QString company = vb::TrimHalf(host_.companyName());
    host_.setCompanyName(company);
    const vb::Int16 size = sizeByLength(text::charCount(company), 10,
                                        {p_.CompanySizeBase, p_.CompanySizeLen11, p_.CompanySizeLen12,
                                         p_.CompanySizeLen13, p_.CompanySizeLen14, p_.CompanySizeLong},
                                        1, ctx_.NameSizeDelta);
    place_.WriteTextRun(nameBox_, company + CrLf, size, bold(host_.nameBold()));
    if (p_.CompanyGapSize) {
        place_.SetSize(nameBox_, *p_.CompanyGapSize);
        place_.EndColumn(nameBox_);
    }
}

void LayoutRun::WriteTitle()
{
    const int titleBlanks = p_.Flags.NarrowTitleIndent ? 1 : 2;
    place_.WriteBlanks(nameBox_, add16(ctx_.ColumnIndent, titleBlanks), p_.TitleIndentSize);
    if (!threeNameColumns()) {
        // The person's name goes on in the title's column, in the title's format.
        place_.WriteTextRun(nameBox_, host_.titleText() + u' ', p_.TitleSize, bold(host_.nameBold()));
        return;
    }
    // The title ends its own column, followed by an empty one.
    place_.WriteTextRun(nameBox_, host_.titleText() + CrLf, p_.TitleSize, true);
    place_.SetTextFormat(nameBox_, true);
    if (p_.TitleGapSize)
        place_.SetSize(nameBox_, *p_.TitleGapSize);
    place_.EndColumn(nameBox_);
}

void LayoutRun::WritePersonName()
{
    const QString person = host_.personName();
    if (threeNameColumns()) {
        // A column of its own, written whole at a size by its length.
        place_.WriteBlanks(nameBox_, add16(ctx_.ColumnIndent, p_.PersonIndentBlanks), p_.PersonIndentSize);
        const BoldPersonSizeTable& t = p_.BoldPersonSize;
        const vb::Int16 size = sizeByLength(text::charCount(person), 4,
                                            {t.Len4OrLess, t.Len5, t.Len6, t.Len7, t.Len8, t.Len9, t.Long}, 2,
                                            ctx_.NameSizeDelta);
        place_.WriteTextRun(nameBox_, person, size, true);
        place_.EndColumn(nameBox_);
        return;
    }
    const QStringList letters = text::chars(person);
    const int PersonGapBlanks = personGapBlanks(host_.personNameMaxLength(), letters.size());
    for (int pos = 1; pos <= letters.size(); ++pos) {
        ctx_.CharPos = pos;
        place_.SetSize(nameBox_, p_.PersonCharSize);
        nameBox_.setSelText(letters[pos - 1]);
        if (pos != letters.size()) {
            place_.SetSize(nameBox_, p_.PersonGapSize);
            place_.InsertBlanks(nameBox_, PersonGapBlanks);
        }
    }
    place_.EndColumn(nameBox_);
}

} // namespace layout
