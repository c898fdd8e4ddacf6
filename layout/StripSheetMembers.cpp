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

enum Column { Sheet, Sheet3, Special, SpecialMedium, SpecialB, Columns };
using Row = MemberRow<Columns>;
using J = JointSizeRows<Columns>;

// clang-format off
// Column order: Sheet, Sheet3, Special, SpecialMedium, SpecialB
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

// Joint-name sizes, a column per member; a 0 marks a length the member's
// short row covers (the three-strip sheet sizes both knots from 結び切り).
const J::Rows SheetBowSizes = {{
    {32, 0, 72, 42, 48}, // Short
    {26, 0, 0, 33, 0},   // Len4
    {22, 0, 0, 27, 0},   // Len5
    {18, 0, 70, 21, 46}, // Len6
    {15, 0, 58, 18, 44}, // Len7
    {13, 0, 52, 16, 38}, // Len8
    {12, 0, 46, 14, 23}, // Len9
    {10, 0, 44, 13, 20}, // Long
}};
const J::Rows SheetTieSizes = {{
    {32, 44, 72, 42, 48}, // Short
    {26, 0, 0, 33, 0},    // Len4
    {26, 38, 0, 33, 0},   // Len5: the three-strip sheet's own five-character row
    {24, 32, 70, 30, 46}, // Len6
    {22, 27, 58, 26, 44}, // Len7
    {19, 24, 52, 23, 38}, // Len8
    {17, 21, 46, 20, 23}, // Len9
    {16, 19, 44, 18, 26}, // Long
}};
// Names are written at the sizes they are measured at, but special strip B
// measures long 結び切り names at 26 and writes them at 20.
const J JointSizes = {SheetBowSizes, SheetBowSizes, SheetTieSizes, J::except(SheetTieSizes, {{J::Long, SpecialB, 20}})};
// clang-format on

const MemberExtras Extras[Columns] = {
    {.name = "LayoutTanzakuSheet",
     .steps = {{Step::eq(1, 2), Step::atMost(3, 2), Step::atMost(5, 1), Step::atMost(7, 1)}, 4},
     .companyGapSize = 10},
    {.name = "LayoutTanzakuSheet3",
     .flags = {.SingleJointSizeTable = true},
     .steps = {{Step::eq(1, 2), Step::atMost(2, 2), Step::atMost(3, 3), Step::atMost(5, 3), Step::atMost(7, 3),
                Step::atMost(10, 3)}, 6},
     .companyGapSize = 14,
     .jointShortLimit = 5},
    // The special strips without a list do not step the indent at all.
    {.name = "LayoutTanzakuSpecial",
     .flags = {.UnsplitTwoCharOmote = true, .NoJointIndentCuts = true, .SingleJointIndent = true,
               .NoIndentSteps = true},
     .companyGapSize = 14,
     .jointShortLimit = 5},
    {.name = "LayoutTanzakuSpecialMedium",
     .flags = {.UnsplitTwoCharOmote = true, .NameTextUntrimmed = true, .NoIndentSteps = true},
     .companyGapSize = 12},
    // Special strip B writes its list as blanks of their own.
    {.name = "LayoutTanzakuSpecialB",
     .flags = {.UnsplitTwoCharOmote = true, .NameTextUntrimmed = true, .NoJointIndentCuts = true,
               .ExtraNameBlanks = true},
     .steps = {{Step::atMost(1, 3), Step::atMost(2, 3), Step::atMost(3, 3)}, 3},
     .companyGapSize = 12,
     .jointShortLimit = 5},
};

TemplateParameterSet member(Column column)
{
    TemplateParameterSet p = memberFromColumn<Columns>(SheetRows, JointSizes, column, Extras[column]);
    if (column == Sheet3) {
        // One table for both knots: a five-character name is measured at a
        // fixed size of its own, written from the short row.
        JointSizeTable& t = p.TieSizes;
        t.rows[t.count++] = {5, 5, SheetTieSizes[J::Len5][Sheet3], std::nullopt, false};
    }
    return p;
}

// Fields of flags no member here carries: the bold inscription cut, the three-column bold name
// and the card's trailing lines.
const NumberField Unused[] = {&P::OmoteIndentBoldCut, &P::TwoLineLeadCut, &P::PersonIndentSize,
                              &P::PersonIndentBlanks, &P::TrailingLinesCard};

} // namespace

const TemplateParameterSet LayoutTanzakuSheet = member(Sheet);
const TemplateParameterSet LayoutTanzakuSheet3 = member(Sheet3);
const TemplateParameterSet LayoutTanzakuSpecial = member(Special);
const TemplateParameterSet LayoutTanzakuSpecialMedium = member(SpecialMedium);
const TemplateParameterSet LayoutTanzakuSpecialB = member(SpecialB);

std::span<const TemplateParameterSet* const> stripSheetMembers()
{
    static const TemplateParameterSet* const members[] = {&LayoutTanzakuSheet, &LayoutTanzakuSheet3,
                                                          &LayoutTanzakuSpecial, &LayoutTanzakuSpecialMedium,
                                                          &LayoutTanzakuSpecialB};
    return members;
}

MemberTableFields stripSheetTable()
{
    return tableFields<Columns>("strip sheets", SheetRows, Unused, stripSheetMembers());
}

} // namespace layout
