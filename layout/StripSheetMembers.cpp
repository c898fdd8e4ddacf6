// The parameter sets of the B5 strip sheets (five, six and three strips) and
// of the three special strips. The values stand in one table, a column per
// member, so that a set reads against its source row by row; a 0 marks a
// value the member's own form of the step leaves without a role.
#include "layout/LayoutMembers.h"
#include "layout/MemberTable.h"

namespace layout {

namespace {

using P = TemplateParameterSet;
using Step = NameIndentStep;

enum Column { Sheet, Sheet3, Special, SpecialMedium, SpecialB };

using Row = MemberRow<5>; // Sheet, Sheet3, Special, SpecialMedium, SpecialB

// clang-format off
const Row SheetRows[] = {
    {&P::OmoteDeltaLarger, {2, 4, 4, 4, 4}},
    {&P::OmoteDeltaSmaller, {-2, -4, -8, -4, -4}},
    {&P::OmoteDeltaExtra, {6, 12, 16, 12, 12}},
    {&P::OmoteDeltaExtraLong, {2, 4, 4, 4, 4}},
    {&P::TwoLineOmoteMeasureBase, {28, 40, 42, 28, 28}},
    {&P::ShoulderTitleMeasureBase, {20, 32, 32, 24, 24}},
    {&P::ShoulderTitleWriteBase, {20, 32, 32, 24, 24}},
    {&P::ShoulderTitleIndent, {2, 7, 8, 3, 3}},
    {&P::TwoLineOmoteWriteBase, {28, 40, 40, 28, 28}},
    {&P::TwoLineOmoteIndent, {4, 14, 16, 5, 5}},
    {&P::OmoteIndentLen1, {15, 10, 1, 3, 3}},
    {&P::OmoteIndentLen2, {13, 8, 1, 3, 3}},
    {&P::OmoteIndentLen3, {12, 8, 1, 1, 1}},
    {&P::OmoteIndentLong, {10, 6, 1, 1, 1}},
    {&P::OmoteIndentExtraCut, {2, 0, 1, 1, 1}},
    {&P::OmoteIndentLargerCut, {0, 0, 1, 0, 0}},
    {&P::NameDeltaLargerShort, {2, 8, 12, 8, 8}},
    {&P::NameDeltaSmallerShort, {-3, -4, -8, -4, -4}},
    {&P::NameDeltaLarger5Short, {0, 10, 10, 4, 4}},
    {&P::NameDeltaLargerLong, {2, 4, 8, 4, 4}},
    {&P::NameDeltaSmallerLong, {-3, -4, -8, -4, -4}},
    {&P::NameDeltaExtra, {5, 16, 28, 12, 12}},
    {&P::NameDeltaExtra4, {2, 8, 18, 6, 6}},
    {&P::NameDeltaExtra5, {0, 10, 10, 4, 4}},
    {&P::NameSizeLen1, {38, 56, 74, 46, 56}},
    {&P::NameSizeLen2, {36, 54, 74, 44, 56}},
    {&P::NameSizeLen3, {36, 54, 74, 44, 56}},
    {&P::NameSizeLen4, {32, 54, 74, 40, 56}},
    {&P::NameSizeLen5, {30, 46, 74, 36, 56}},
    {&P::NameSizeLen6, {27, 40, 70, 32, 52}},
    {&P::NameSizeLen7, {23, 36, 58, 28, 45}},
    {&P::NameSizeLen8, {21, 34, 52, 26, 40}},
    {&P::NameSizeLen9, {18, 31, 46, 24, 34}},
    {&P::NameSizeLong, {16, 26, 44, 22, 30}},
    {&P::FuriganaLineCut, {4, 5, 7, 5, 5}},
    {&P::FuriganaSize, {12, 14, 20, 14, 14}},
    {&P::FuriganaIndent, {9, 18, 7, 9, 9}},
    {&P::FuriganaGapSize, {4, 6, 8, 6, 6}},
    {&P::NameIndentBase, {10, 2, 0, 0, 4}},
    {&P::NameIndentExtraCut, {2, 0, 0, 2, 2}},
    {&P::NameIndentFloor, {0, 0, 0, 0, 0}},
    {&P::NameWriteSizeLen1, {38, 56, 74, 46, 56}},
    {&P::NameWriteSizeLen2, {36, 54, 74, 44, 56}},
    {&P::NameWriteSizeLen3, {36, 54, 74, 44, 56}},
    {&P::NameWriteSizeLen4, {32, 54, 74, 40, 56}},
    {&P::NameWriteSizeLen5, {30, 46, 74, 36, 56}},
    {&P::NameWriteSizeLen6, {27, 40, 70, 32, 52}},
    {&P::NameWriteSizeLen7, {23, 36, 58, 28, 45}},
    {&P::NameWriteSizeLen8, {21, 34, 52, 26, 40}},
    {&P::NameWriteSizeLen9, {18, 31, 46, 24, 34}},
    // The three-strip sheet writes long names 2 points larger than it measures them.
    {&P::NameWriteSizeLong, {16, 28, 44, 22, 30}},
    {&P::NameLetterGapSize, {10, 10, 10, 10, 10}},
    {&P::NameLetterGap, {1, 2, 2, 1, 1}},
    {&P::TwoLineDeltaLarger, {2, 2, 4, 3, 3}},
    {&P::TwoLineDeltaSmaller, {-2, -2, -4, -4, -4}},
    {&P::TwoLineDeltaExtra, {2, 2, 4, 3, 3}},
    {&P::TwoLineMeasureBase, {44, 63, 94, 54, 54}},
    {&P::CompanyIndentBase, {10, 6, 10, 2, 2}},
    {&P::CompanyIndentFloor, {0, 0, 0, 0, 0}},
    {&P::CompanySizeBase, {16, 25, 36, 20, 20}},
    {&P::CompanySizeLen11, {15, 24, 30, 18, 18}},
    {&P::CompanySizeLen12, {13, 22, 28, 17, 17}},
    {&P::CompanySizeLen13, {13, 20, 26, 16, 16}},
    {&P::CompanySizeLen14, {12, 18, 24, 15, 15}},
    {&P::CompanySizeLong, {11, 17, 22, 14, 14}},
    {&P::TitleIndentSize, {10, 10, 10, 10, 10}},
    {&P::TitleSize, {9, 14, 18, 11, 11}},
    {&P::PersonCharSize, {18, 28, 40, 23, 23}},
    {&P::PersonGapSize, {10, 10, 10, 10, 10}},
    {&P::JointDeltaLarger, {4, 4, 8, 4, 4}},
    {&P::JointDeltaSmaller, {-4, -4, -8, -4, -4}},
    {&P::JointDeltaExtra, {8, 8, 22, 6, 6}},
    {&P::JointSpacingNormal, {10, 12, 12, 10, 10}},
    {&P::JointSpacingNarrow, {3, 3, 3, 3, 3}},
    {&P::BowIndentBase, {18, 12, 10, 12, 4}},
    {&P::TieIndentBase, {10, 8, 0, 12, 4}},
    {&P::BowIndentCutMany, {2, 4, 0, 3, 0}},
    {&P::BowIndentCutFour, {1, 2, 0, 3, 0}},
    {&P::JointIndentFloor, {0, 0, 0, 0, 0}},
    {&P::AddressIndentBase, {9, 27, 10, 10, 10}},
    {&P::AddressPostalSize, {6, 9, 18, 7, 7}},
    {&P::AddressLineSize, {8, 12, 26, 10, 10}},
    {&P::AddressText1Size, {7, 10, 22, 9, 9}},
    {&P::AddressText9Size, {7, 10, 22, 9, 9}},
    {&P::TrailingLineSize, {12, 12, 12, 12, 12}},
    {&P::TrailingLinesOmote, {30, 50, 50, 20, 20}},
    {&P::TrailingLinesName, {40, 50, 50, 20, 20}},
};
const std::array<int16_t, 5> SheetCompanyGapSize = {10, 14, 14, 12, 12};

// Joint-name sizes, Short, Len4 .. Len9, Long, a row per member; a 0 marks a
// length the member's short row covers.
using JointRow = std::array<int16_t, 8>;
const JointRow SheetBowSize[5] = {
    {32, 26, 22, 18, 15, 13, 12, 10},
    {0, 0, 0, 0, 0, 0, 0, 0},
    {72, 0, 0, 70, 58, 52, 46, 44},
    {42, 33, 27, 21, 18, 16, 14, 13},
    {48, 0, 0, 46, 44, 38, 23, 20},
};
const JointRow SheetBowWriteSize[5] = {
    {32, 26, 22, 18, 15, 13, 12, 10},
    {0, 0, 0, 0, 0, 0, 0, 0},
    {72, 0, 0, 70, 58, 52, 46, 44},
    {42, 33, 27, 21, 18, 16, 14, 13},
    {48, 0, 0, 46, 44, 38, 23, 20},
};
const JointRow SheetTieSize[5] = {
    {32, 26, 26, 24, 22, 19, 17, 16},
    {44, 0, 38, 32, 27, 24, 21, 19},
    {72, 0, 0, 70, 58, 52, 46, 44},
    {42, 33, 33, 30, 26, 23, 20, 18},
    {48, 0, 0, 46, 44, 38, 23, 26},
};
const JointRow SheetTieWriteSize[5] = {
    {32, 26, 26, 24, 22, 19, 17, 16},
    {44, 0, 0, 32, 27, 24, 21, 19},
    {72, 0, 0, 70, 58, 52, 46, 44},
    {42, 33, 33, 30, 26, 23, 20, 18},
    {48, 0, 0, 46, 44, 38, 23, 20},
};
// Special strip B measures long 結び切り names at 26 and writes them at 20.
// JointShortLimit: the longest name the short rows serve.
const std::array<int16_t, 5> SheetJointShortLimit = {3, 5, 5, 3, 5};
// clang-format on

// Special strip B writes its list as blanks of their own (ExtraNameBlanks);
// the special strips without a list do not step the indent at all.
const NameIndentStepList SheetIndentSteps[5] = {
    {{Step::eq(1, 2), Step::atMost(3, 2), Step::atMost(5, 1), Step::atMost(7, 1)}, 4},
    {{Step::eq(1, 2), Step::atMost(2, 2), Step::atMost(3, 3), Step::atMost(5, 3), Step::atMost(7, 3),
      Step::atMost(10, 3)}, 6},
    {{}, 0},
    {{}, 0},
    {{Step::atMost(1, 3), Step::atMost(2, 3), Step::atMost(3, 3)}, 3},
};

TemplateParameterSet sheetMember(Column column, const char* name, VariantFlags flags)
{
    TemplateParameterSet p;
    p.MemberName = name;
    for (const Row& row : SheetRows)
        p.*row.field = row.value[size_t(column)];
    p.CompanyGapSize = SheetCompanyGapSize[size_t(column)];
    p.NameIndentSteps = SheetIndentSteps[column];
    const int16_t shortLimit = SheetJointShortLimit[size_t(column)];
    p.BowSizes = JointSizeTable::byLength(shortLimit, SheetBowSize[column], SheetBowWriteSize[column], 3);
    p.TieSizes = JointSizeTable::byLength(shortLimit, SheetTieSize[column], SheetTieWriteSize[column], 5);
    if (column == Sheet3) {
        // One table for both knots (SingleJointSizeTable): a five-character
        // name is measured at a fixed size of its own, written from the short row.
        JointSizeTable& t = p.TieSizes;
        t.rows[t.count++] = {5, 5, SheetTieSize[column][2], std::nullopt, false};
    }
    p.Flags = flags;
    return p;
}

// Fields of flags no member here carries: the bold inscription cut, the three-column bold name
// and the card's trailing lines.
const NumberField Unused[] = {&P::OmoteIndentBoldCut, &P::TwoLineLeadCut, &P::PersonIndentSize,
                              &P::PersonIndentBlanks, &P::TrailingLinesCard};

} // namespace

const TemplateParameterSet LayoutTanzakuSheet = sheetMember(Sheet, "LayoutTanzakuSheet", {});
const TemplateParameterSet LayoutTanzakuSheet3 = sheetMember(Sheet3, "LayoutTanzakuSheet3", {.SingleJointSizeTable = true});
const TemplateParameterSet LayoutTanzakuSpecial =
    sheetMember(Special, "LayoutTanzakuSpecial", {.UnsplitTwoCharOmote = true, .NoJointIndentCuts = true,
                                                  .SingleJointIndent = true, .NoIndentSteps = true});
const TemplateParameterSet LayoutTanzakuSpecialMedium =
    sheetMember(SpecialMedium, "LayoutTanzakuSpecialMedium",
                {.UnsplitTwoCharOmote = true, .NameTextUntrimmed = true, .NoIndentSteps = true});
const TemplateParameterSet LayoutTanzakuSpecialB =
    sheetMember(SpecialB, "LayoutTanzakuSpecialB", {.UnsplitTwoCharOmote = true, .NameTextUntrimmed = true,
                                                    .NoJointIndentCuts = true, .ExtraNameBlanks = true});

std::span<const TemplateParameterSet* const> stripSheetMembers()
{
    static const TemplateParameterSet* const members[] = {&LayoutTanzakuSheet, &LayoutTanzakuSheet3,
                                                          &LayoutTanzakuSpecial, &LayoutTanzakuSpecialMedium,
                                                          &LayoutTanzakuSpecialB};
    return members;
}

MemberTableFields stripSheetTable()
{
    const auto members = stripSheetMembers();
    return {"strip sheets", rowFields<5>(SheetRows),
            {std::begin(Unused), std::end(Unused)}, {members.begin(), members.end()}};
}

} // namespace layout
