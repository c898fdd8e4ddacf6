// The parameter sets of the numbered models: Ｎｏ０ and ＮＯ１ (ＮＯ１ also
// lays out 赤棒００), ＮＯ２ with the business cards, ＮＯ３ and ＮＯ４.
// Ｎｏ０ and ＮＯ１ are twins whose joint names ignore the size option
// (FixedJointSizes); Ｎｏ０ to ＮＯ３ lead the title line by one blank less
// and give four bow-tied names no extra cut; ＮＯ２ writes its name blanks
// by length apart from ColumnIndent and pads the business cards longer.
#include "layout/LayoutMembers.h"
#include "layout/MemberTable.h"

namespace layout {

namespace {

using P = TemplateParameterSet;
using Step = NameIndentStep;
enum Column { No0, No1, No2, No3, No4, Columns };
using Row = MemberRow<Columns>;

// clang-format off
// Column order: No0, No1, No2, No3, No4
const Row Rows[] = {
    {&P::OmoteDeltaLarger,         {2, 2, 2, 2, 2}},
    {&P::OmoteDeltaSmaller,        {-2, -2, -2, -2, -2}},
    {&P::OmoteDeltaExtra,          {6, 6, 6, 6, 6}},
    {&P::OmoteDeltaExtraLong,      {2, 2, 2, 2, 2}},
    {&P::TwoLineOmoteMeasureBase,  {20, 20, 20, 20, 28}},
    {&P::ShoulderTitleMeasureBase, {16, 16, 16, 16, 20}},
    {&P::ShoulderTitleWriteBase,   {16, 16, 16, 16, 20}},
    {&P::ShoulderTitleIndent,      {1, 1, 0, 0, 1}},
    {&P::TwoLineOmoteWriteBase,    {20, 20, 20, 20, 28}},
    {&P::TwoLineOmoteIndent,       {1, 1, 1, 1, 2}},
    {&P::OmoteIndentLen1,          {4, 4, 5, 6, 7}},
    {&P::OmoteIndentLen2,          {2, 2, 4, 4, 6}},
    {&P::OmoteIndentLen3,          {2, 2, 3, 3, 5}},
    {&P::OmoteIndentLong,          {1, 2, 2, 2, 3}},
    {&P::OmoteIndentExtraCut,      {1, 1, 1, 1, 1}},
    {&P::OmoteIndentLargerCut,     {0, 0, 0, 0, 0}},
    {&P::NameDeltaLargerShort,     {3, 3, 3, 2, 2}},
    {&P::NameDeltaSmallerShort,    {-2, -2, -2, -2, -3}},
    {&P::NameDeltaLarger5Short,    {2, 2, 2, 2, 3}},
    {&P::NameDeltaLargerLong,      {2, 2, 2, 2, 2}},
    {&P::NameDeltaSmallerLong,     {-2, -2, -2, -2, -3}},
    {&P::NameDeltaExtra,           {6, 6, 4, 2, 7}},
    {&P::NameDeltaExtra4,          {3, 3, 3, 2, 2}},
    {&P::NameDeltaExtra5,          {2, 2, 2, 2, 3}},
    {&P::NameSizeLen1,             {22, 24, 28, 30, 36}},
    {&P::NameSizeLen2,             {20, 22, 26, 26, 34}},
    {&P::NameSizeLen3,             {20, 22, 26, 26, 34}},
    {&P::NameSizeLen4,             {16, 16, 22, 22, 30}},
    {&P::NameSizeLen5,             {13, 14, 20, 20, 26}},
    {&P::NameSizeLen6,             {12, 13, 17, 19, 24}},
    {&P::NameSizeLen7,             {11, 12, 15, 16, 20}},
    {&P::NameSizeLen8,             {10, 11, 13, 14, 18}},
    {&P::NameSizeLen9,             {9, 10, 12, 13, 16}},
    {&P::NameSizeLong,             {8, 8, 10, 11, 14}},
    {&P::FuriganaLineCut,          {4, 4, 4, 4, 4}},
    {&P::FuriganaSize,             {10, 10, 10, 10, 12}},
    {&P::FuriganaIndent,           {5, 5, 5, 5, 6}},
    // 0: the line after the furigana is at GapFontSize (GapFieldFurigana)
    {&P::FuriganaGapSize,          {4, 4, 6, 6, 0}},
    {&P::NameIndentBase,           {1, 2, 3, 3, 3}},
    // 0: 特大 does not raise the one-line name (ＮＯ２ reads no 特大 cut)
    {&P::NameIndentExtraCut,       {0, 0, 0, 1, 1}},
    {&P::NameIndentFloor,          {0, 0, 0, 0, 0}},
    {&P::NameWriteSizeLen1,        {22, 24, 28, 30, 36}},
    {&P::NameWriteSizeLen2,        {20, 22, 26, 26, 34}},
    {&P::NameWriteSizeLen3,        {20, 22, 26, 26, 34}},
    {&P::NameWriteSizeLen4,        {16, 16, 22, 22, 30}},
    // Ｎｏ０ measures a five-character name at 13 and writes it at 14
    {&P::NameWriteSizeLen5,        {14, 14, 20, 20, 26}},
    {&P::NameWriteSizeLen6,        {12, 13, 17, 19, 24}},
    {&P::NameWriteSizeLen7,        {11, 12, 15, 16, 20}},
    {&P::NameWriteSizeLen8,        {10, 11, 13, 14, 18}},
    {&P::NameWriteSizeLen9,        {9, 10, 12, 13, 16}},
    {&P::NameWriteSizeLong,        {8, 8, 10, 11, 14}},
    {&P::NameLetterGapSize,        {5, 5, 5, 7, 10}},
    {&P::NameLetterGap,            {1, 1, 1, 1, 1}},
    {&P::TwoLineDeltaLarger,       {0, 0, 1, 1, 2}},
    {&P::TwoLineDeltaSmaller,      {-1, -1, -1, -1, -4}},
    {&P::TwoLineDeltaExtra,        {0, 0, 1, 1, 2}},
    {&P::TwoLineMeasureBase,       {30, 30, 33, 33, 40}},
    {&P::CompanyIndentBase,        {1, 2, 2, 2, 2}},
    {&P::CompanyIndentFloor,       {0, 0, 0, 0, 0}},
    {&P::CompanySizeBase,          {9, 9, 11, 11, 14}},
    {&P::CompanySizeLen11,         {9, 9, 10, 10, 13}},
    {&P::CompanySizeLen12,         {8, 8, 10, 10, 12}},
    {&P::CompanySizeLen13,         {7, 7, 9, 9, 11}},
    {&P::CompanySizeLen14,         {7, 7, 8, 8, 10}},
    {&P::CompanySizeLong,          {6, 6, 7, 7, 10}},
    {&P::TitleIndentSize,          {10, 10, 10, 10, 10}},
    {&P::TitleSize,                {6, 6, 7, 7, 9}},
    {&P::PersonCharSize,           {10, 10, 12, 12, 16}},
    {&P::PersonGapSize,            {5, 5, 10, 10, 10}},
    // Ｎｏ０, ＮＯ１: D1 still reads the option, but no joint size takes the delta
    {&P::JointDeltaLarger,         {4, 4, 0, 2, 4}},
    {&P::JointDeltaSmaller,        {-4, -4, -2, -4, -4}},
    {&P::JointDeltaExtra,          {8, 8, 0, 2, 8}},
    {&P::JointSpacingNormal,       {7, 7, 7, 10, 10}},
    {&P::JointSpacingNarrow,       {3, 3, 3, 3, 3}},
    {&P::BowIndentBase,            {1, 2, 7, 8, 11}},
    {&P::TieIndentBase,            {1, 2, 3, 3, 6}},
    {&P::BowIndentCutMany,         {1, 1, 1, 1, 2}},
    {&P::BowIndentCutFour,         {0, 0, 0, 0, 1}},
    {&P::JointIndentFloor,         {0, 0, 0, 0, 0}},
    {&P::AddressIndentBase,        {3, 3, 3, 5, 4}},
    // Ｎｏ０, ＮＯ１: the postcode at the spacer-line size, 4 pt in every layout
    {&P::AddressPostalSize,        {4, 4, 5, 5, 6}},
    {&P::AddressLineSize,          {5, 5, 6, 6, 8}},
    {&P::AddressText1Size,         {5, 5, 6, 6, 7}},
    {&P::AddressText9Size,         {5, 5, 6, 6, 7}},
    {&P::TrailingLineSize,         {12, 12, 12, 12, 12}},
    {&P::TrailingLinesOmote,       {10, 10, 10, 10, 10}},
    {&P::TrailingLinesName,        {10, 10, 10, 10, 10}},
    // ＮＯ２ under the keys 名刺 and 名刺（縦） (TemplateTrailingLines)
    {&P::TrailingLinesCard,        {0, 0, 16, 0, 0}},
};

// Joint-name sizes: 蝶結び measuring and writing, then 結び切り; Ｎｏ０ and
// ＮＯ１ use every value as it stands (FixedJointSizes).
const JointSizeRows<Columns> JointSizes = {{{
    {20, 24, 26, 24, 30}, // BowSizeShort
    {18, 18, 20, 20, 24}, // BowSizeLen4
    {16, 16, 17, 17, 21}, // BowSizeLen5
    {13, 13, 14, 13, 17}, // BowSizeLen6
    {11, 11, 11, 11, 14}, // BowSizeLen7
    {9, 9, 10, 10, 13}, // BowSizeLen8
    {8, 8, 9, 9, 11}, // BowSizeLen9
    {7, 7, 8, 8, 10}, // BowSizeLong
}}, {{
    {20, 24, 26, 24, 30}, // BowWriteSizeShort
    {18, 18, 20, 20, 24}, // BowWriteSizeLen4
    {16, 16, 17, 17, 21}, // BowWriteSizeLen5
    {13, 13, 14, 13, 17}, // BowWriteSizeLen6
    {11, 11, 11, 11, 14}, // BowWriteSizeLen7
    {9, 9, 10, 10, 13}, // BowWriteSizeLen8
    {8, 8, 9, 9, 11}, // BowWriteSizeLen9
    {7, 7, 8, 8, 10}, // BowWriteSizeLong
}}, {{
    {20, 24, 26, 24, 30}, // TieSizeShort
    {18, 18, 20, 20, 24}, // TieSizeLen4
    {16, 16, 20, 20, 24}, // TieSizeLen5
    {13, 13, 17, 18, 22}, // TieSizeLen6
    {11, 11, 14, 16, 19}, // TieSizeLen7
    {9, 9, 13, 13, 16}, // TieSizeLen8
    {8, 8, 11, 12, 14}, // TieSizeLen9
    {7, 7, 10, 11, 13}, // TieSizeLong
}}, {{
    {20, 24, 26, 24, 30}, // TieWriteSizeShort
    {18, 18, 20, 20, 24}, // TieWriteSizeLen4
    {16, 16, 20, 20, 24}, // TieWriteSizeLen5
    {13, 13, 17, 18, 22}, // TieWriteSizeLen6
    {11, 11, 14, 16, 19}, // TieWriteSizeLen7
    {9, 9, 13, 13, 16}, // TieWriteSizeLen8
    {8, 8, 11, 12, 14}, // TieWriteSizeLen9
    {7, 7, 10, 11, 13}, // TieWriteSizeLong
}}};
// clang-format on

constexpr VariantFlags TwinFlags = {.FixedJointSizes = true, .NarrowTitleIndent = true, .NoFourNameCut = true};

const NameIndentStepList NumberedSteps = {{Step::eq(1, 2), Step::atMost(3, 2), Step::atMost(7, 1)}, 3};

const MemberExtras Extras[Columns] = {
    {.name = "LayoutModelNo0",
     .flags = TwinFlags,
     .steps = {{Step::eq(1, 1), Step::atMost(2, 1), Step::atMost(7, 1)}, 3},
     .companyGapSize = 6},
    {.name = "LayoutModelNo1",
     .flags = TwinFlags,
     .steps = {{Step::eq(1, 1), Step::atMost(3, 1), Step::atMost(7, 1)}, 3},
     .companyGapSize = 9},
    // The first length that matches only: the entries do not overlap.
    {.name = "LayoutModelNo2",
     .flags = {.NarrowTitleIndent = true, .NoFourNameCut = true, .ExtraNameBlanks = true,
               .TemplateTrailingLines = true},
     .steps = {{Step::eq(1, 4), Step::between(2, 3, 2)}, 2},
     .companyGapSize = 9},
    {.name = "LayoutModelNo3",
     .flags = {.NarrowTitleIndent = true, .NoFourNameCut = true},
     .steps = NumberedSteps,
     .companyGapSize = 7},
    {.name = "LayoutModelNo4", .flags = {.GapFieldFurigana = true}, .steps = NumberedSteps, .companyGapSize = 10},
};

TemplateParameterSet member(Column column)
{
    return memberFromColumn<Columns>(Rows, JointSizes, column, Extras[column]);
}

// Fields of flags no member here carries: the bold inscription cut and the three-column bold name.
const NumberField Unused[] = {&P::OmoteIndentBoldCut, &P::TwoLineLeadCut, &P::PersonIndentSize,
                              &P::PersonIndentBlanks};

} // namespace

const TemplateParameterSet LayoutModelNo0 = member(No0);
const TemplateParameterSet LayoutModelNo1 = member(No1);
const TemplateParameterSet LayoutModelNo2 = member(No2);
const TemplateParameterSet LayoutModelNo3 = member(No3);
const TemplateParameterSet LayoutModelNo4 = member(No4);

std::span<const TemplateParameterSet* const> numberedModelMembers()
{
    static const TemplateParameterSet* const members[] = {&LayoutModelNo0, &LayoutModelNo1, &LayoutModelNo2,
                                                          &LayoutModelNo3, &LayoutModelNo4};
    return members;
}

MemberTableFields numberedModelTable()
{
    return tableFields<Columns>("numbered models", Rows, Unused, numberedModelMembers());
}

} // namespace layout
