// The parameter sets of the strip templates (短冊). All five lay joint names
// out without the knot choice; 短冊（４：６） adds variants of its own. The
// values stand in one table, a column per member, so that a set reads
// against its source row by row.
#include "layout/LayoutMembers.h"
#include "layout/MemberTable.h"

namespace layout {

namespace {

using P = TemplateParameterSet;
using Step = NameIndentStep;

enum Column { Large, Strip46, Small, SmallB, ExtraLarge, Columns };
using Row = MemberRow<Columns>;
using J = JointSizeRows<Columns>;

// clang-format off
// Column order: Large, 46, Small, SmallB, ExtraLarge
const Row StripRows[] = {
    {&P::OmoteDeltaLarger, {4, 4, 4, 4, 10}},
    {&P::OmoteDeltaSmaller, {-4, -4, -4, -4, -10}},
    {&P::OmoteDeltaExtra, {12, 12, 12, 12, 20}},
    {&P::OmoteDeltaExtraLong, {4, 4, 4, 4, 10}},
    // Large and 46 measure and write at crossed bases: 32/42 and 42/32.
    {&P::TwoLineOmoteMeasureBase, {32, 32, 28, 28, 46}},
    {&P::ShoulderTitleMeasureBase, {42, 42, 28, 28, 32}},
    {&P::ShoulderTitleWriteBase, {32, 32, 28, 28, 32}},
    {&P::ShoulderTitleIndent, {10, 10, 7, 7, 10}},
    {&P::TwoLineOmoteWriteBase, {42, 42, 28, 28, 46}},
    {&P::TwoLineOmoteIndent, {20, 20, 14, 14, 20}},
    {&P::OmoteIndentLen1, {26, 24, 21, 21, 29}},
    {&P::OmoteIndentLen2, {22, 20, 16, 16, 22}},
    {&P::OmoteIndentLen3, {22, 20, 16, 14, 22}},
    {&P::OmoteIndentLong, {18, 14, 13, 12, 18}},
    {&P::OmoteIndentExtraCut, {4, 4, 4, 2, 8}},
    {&P::OmoteIndentLargerCut, {0, 0, 0, 0, 0}},
    {&P::OmoteIndentBoldCut, {0, 2, 0, 0, 0}}, // 46: BoldOmoteIndent
    // The extra-large strip's 1-point deltas are its own, not a slip for 10.
    {&P::NameDeltaLargerShort, {16, 16, 10, 8, 1}},
    {&P::NameDeltaSmallerShort, {-4, -4, -4, -4, -10}},
    {&P::NameDeltaLarger5Short, {8, 8, 6, 10, 1}},
    {&P::NameDeltaLargerLong, {4, 4, 4, 4, 10}},
    {&P::NameDeltaSmallerLong, {-4, -4, -4, -4, -10}},
    {&P::NameDeltaExtra, {24, 24, 18, 16, 10}},
    {&P::NameDeltaExtra4, {16, 16, 10, 8, 1}},
    {&P::NameDeltaExtra5, {8, 8, 6, 10, 1}},
    {&P::NameSizeLen1, {58, 58, 52, 52, 100}},
    {&P::NameSizeLen2, {56, 56, 48, 48, 90}},
    {&P::NameSizeLen3, {56, 56, 48, 48, 90}},
    {&P::NameSizeLen4, {52, 52, 42, 42, 90}},
    {&P::NameSizeLen5, {50, 50, 40, 36, 75}},
    {&P::NameSizeLen6, {42, 42, 36, 34, 65}},
    {&P::NameSizeLen7, {38, 38, 30, 30, 60}},
    {&P::NameSizeLen8, {36, 36, 28, 28, 50}},
    {&P::NameSizeLen9, {32, 32, 26, 26, 45}},
    {&P::NameSizeLong, {28, 28, 24, 24, 40}},
    {&P::FuriganaLineCut, {6, 6, 5, 5, 6}},
    {&P::FuriganaSize, {16, 16, 14, 14, 16}},
    {&P::FuriganaIndent, {11, 11, 10, 10, 17}},
    {&P::FuriganaGapSize, {8, 8, 6, 6, 8}},
    {&P::NameIndentBase, {12, 3, 8, 8, 18}},
    {&P::NameIndentExtraCut, {3, 3, 2, 2, 6}},
    {&P::NameIndentFloor, {0, 1, 0, 0, 0}},
    {&P::NameWriteSizeLen1, {58, 58, 52, 52, 100}},
    {&P::NameWriteSizeLen2, {56, 56, 48, 48, 90}},
    {&P::NameWriteSizeLen3, {56, 56, 48, 48, 90}},
    {&P::NameWriteSizeLen4, {52, 52, 42, 42, 90}},
    {&P::NameWriteSizeLen5, {50, 50, 40, 36, 75}},
    {&P::NameWriteSizeLen6, {42, 42, 36, 34, 65}},
    {&P::NameWriteSizeLen7, {38, 38, 30, 30, 60}},
    {&P::NameWriteSizeLen8, {36, 36, 28, 28, 50}},
    {&P::NameWriteSizeLen9, {32, 32, 26, 26, 45}},
    {&P::NameWriteSizeLong, {28, 28, 24, 24, 40}},
    {&P::NameLetterGapSize, {10, 10, 10, 10, 10}},
    {&P::NameLetterGap, {1, 1, 1, 1, 1}},
    {&P::TwoLineDeltaLarger, {4, 4, 4, 4, 10}},
    {&P::TwoLineDeltaSmaller, {-4, -4, -4, -4, -10}},
    {&P::TwoLineDeltaExtra, {4, 4, 4, 4, 10}},
    {&P::TwoLineMeasureBase, {66, 66, 54, 54, 114}},
    {&P::CompanyIndentBase, {16, 3, 9, 9, 2}},
    {&P::CompanyIndentFloor, {0, 1, 0, 0, 0}},
    {&P::CompanySizeBase, {26, 26, 20, 20, 48}},
    {&P::CompanySizeLen11, {24, 24, 20, 20, 44}},
    {&P::CompanySizeLen12, {22, 22, 18, 18, 40}},
    {&P::CompanySizeLen13, {20, 20, 17, 17, 36}},
    {&P::CompanySizeLen14, {18, 18, 16, 16, 32}},
    {&P::CompanySizeLong, {17, 17, 16, 16, 30}},
    {&P::TitleIndentSize, {10, 10, 10, 10, 10}},
    {&P::TitleSize, {14, 14, 12, 12, 24}},
    {&P::PersonCharSize, {30, 30, 24, 24, 56}},
    {&P::PersonGapSize, {10, 10, 10, 10, 10}},
    // Joint names: the 結び切り tables only (below), measuring and writing alike.
    {&P::JointDeltaLarger, {4, 4, 4, 4, 10}},
    {&P::JointDeltaSmaller, {-4, -4, -4, -4, -10}},
    {&P::JointDeltaExtra, {8, 8, 8, 8, 20}},
    {&P::JointSpacingNormal, {8, 8, 8, 8, 10}},
    {&P::JointSpacingNarrow, {3, 3, 3, 3, 3}},
    {&P::BowIndentBase, {15, 3, 16, 16, 18}},
    {&P::BowIndentCutMany, {4, 0, 4, 4, 4}},
    {&P::BowIndentCutFour, {2, 0, 2, 2, 2}},
    {&P::JointIndentFloor, {0, 1, 0, 0, 0}},
    {&P::AddressIndentBase, {21, 3, 12, 12, 10}},
    {&P::AddressPostalSize, {10, 10, 8, 8, 20}},
    {&P::AddressLineSize, {14, 14, 12, 12, 23}},
    {&P::AddressText1Size, {12, 12, 10, 10, 23}},
    {&P::AddressText9Size, {12, 12, 10, 10, 23}},
    {&P::TrailingLineSize, {20, 20, 20, 20, 20}},
    {&P::TrailingLinesOmote, {30, 30, 20, 20, 20}},
    {&P::TrailingLinesName, {30, 30, 20, 20, 20}},
};
// Joint-name sizes, a column per member, written as measured. Every strip is
// knotless: this 結び切り table serves either knot, and there is no 蝶結び one.
const J::Rows StripTieSizes = {{
    {42, 42, 38, 38, 80}, // Short
    {42, 42, 32, 32, 70}, // Len4
    {42, 42, 32, 32, 70}, // Len5
    {42, 42, 30, 30, 60}, // Len6
    {40, 40, 28, 28, 50}, // Len7
    {34, 34, 24, 24, 50}, // Len8
    {30, 30, 22, 22, 44}, // Len9
    {28, 28, 18, 18, 40}, // Long
}};
const J JointSizes = {{}, {}, StripTieSizes, StripTieSizes};
// clang-format on

const MemberExtras Extras[Columns] = {
    {.name = "LayoutTanzakuLarge",
     .flags = {.KnotlessJointNames = true},
     .steps = {{Step::eq(1, 2), Step::atMost(2, 2), Step::atMost(3, 3)}, 3},
     .companyGapSize = 14},
    // 46: the name's length adds nothing to the indent.
    {.name = "LayoutTanzaku46",
     .flags = {.BoldOmoteIndent = true, .KnotlessJointNames = true, .NoJointIndentCuts = true,
               .NoIndentSteps = true},
     .companyGapSize = 14},
    {.name = "LayoutTanzakuSmall",
     .flags = {.KnotlessJointNames = true},
     .steps = {{Step::eq(1, 3), Step::atMost(3, 3), Step::atMost(7, 2)}, 3},
     .companyGapSize = 12},
    {.name = "LayoutTanzakuSmallB",
     .flags = {.KnotlessJointNames = true},
     .steps = {{Step::eq(1, 3), Step::atMost(3, 3), Step::atMost(7, 2)}, 3},
     .companyGapSize = 12},
    {.name = "LayoutTanzakuExtraLarge",
     .flags = {.KnotlessJointNames = true},
     .steps = {{Step::eq(1, 3), Step::atMost(3, 3), Step::atMost(7, 3)}, 3},
     .companyGapSize = 14},
};

TemplateParameterSet member(Column column)
{
    return memberFromColumn<Columns>(StripRows, JointSizes, column, Extras[column]);
}

// Fields of flags no member here carries: the three-column bold name, the 結び切り indent (every
// strip is knotless) and the card's trailing lines.
const NumberField Unused[] = {&P::TwoLineLeadCut, &P::PersonIndentSize, &P::PersonIndentBlanks,
                              &P::TieIndentBase, &P::TrailingLinesCard};

} // namespace

const TemplateParameterSet LayoutTanzakuLarge = member(Large);
const TemplateParameterSet LayoutTanzaku46 = member(Strip46);
const TemplateParameterSet LayoutTanzakuSmall = member(Small);
const TemplateParameterSet LayoutTanzakuSmallB = member(SmallB);
const TemplateParameterSet LayoutTanzakuExtraLarge = member(ExtraLarge);

std::span<const TemplateParameterSet* const> stripMembers()
{
    static const TemplateParameterSet* const members[] = {
        &LayoutTanzakuLarge, &LayoutTanzaku46, &LayoutTanzakuSmall, &LayoutTanzakuSmallB, &LayoutTanzakuExtraLarge,
    };
    return members;
}

MemberTableFields stripTable()
{
    return tableFields<Columns>("strips", StripRows, Unused, stripMembers());
}

} // namespace layout
