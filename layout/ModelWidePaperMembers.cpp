// The parameter sets of ＮＯ１６ (also Ｂ５判, 赤棒０４ and the upright
// Ｂ６判), of Ｂ６判 (also 赤棒０２), of the wide papers 反物判 and their kin
// (also the upright Ｂ４判 and Ａ３判), and of Ｂ５判（特殊）. None looks at
// the template key and none changes a step: they differ from each other only
// in their values, and all carry on past a failing statement.
#include "layout/LayoutMembers.h"
#include "layout/MemberTable.h"

namespace layout {

namespace {

using P = TemplateParameterSet;
using Step = NameIndentStep;
enum Column { No16, B6, Tanmonoban, B5Special, Columns };
using Row = MemberRow<Columns>;

// clang-format off
// Column order: No16, B6, Tanmonoban, B5Special
const Row Rows[] = {
    {&P::OmoteDeltaLarger,         {4, 2, 8, 2}},
    {&P::OmoteDeltaSmaller,        {-4, -2, -8, -2}},
    {&P::OmoteDeltaExtra,          {12, 6, 24, 6}},
    {&P::OmoteDeltaExtraLong,      {4, 2, 8, 2}},
    {&P::TwoLineOmoteMeasureBase,  {24, 28, 40, 20}},
    {&P::ShoulderTitleMeasureBase, {20, 20, 32, 16}},
    {&P::ShoulderTitleWriteBase,   {20, 20, 32, 16}},
    {&P::ShoulderTitleIndent,      {2, 1, 10, 2}},
    {&P::TwoLineOmoteWriteBase,    {24, 28, 40, 20}},
    {&P::TwoLineOmoteIndent,       {4, 2, 20, 1}},
    {&P::OmoteIndentLen1,          {11, 8, 28, 11}},
    {&P::OmoteIndentLen2,          {9, 7, 24, 9}},
    {&P::OmoteIndentLen3,          {8, 6, 20, 7}},
    {&P::OmoteIndentLong,          {5, 3, 14, 5}},
    // 0: Ｂ５判（特殊） tests 特大 but takes nothing off
    {&P::OmoteIndentExtraCut,      {1, 1, 6, 0}},
    {&P::OmoteIndentLargerCut,     {0, 0, 0, 0}},
    {&P::NameDeltaLargerShort,     {5, 4, 10, 4}},
    {&P::NameDeltaSmallerShort,    {-4, -2, -8, -2}},
    {&P::NameDeltaLarger5Short,    {5, 3, 8, 2}},
    {&P::NameDeltaLargerLong,      {2, 2, 8, 2}},
    {&P::NameDeltaSmallerLong,     {-4, -2, -8, -2}},
    {&P::NameDeltaExtra,           {12, 8, 20, 6}},
    {&P::NameDeltaExtra4,          {5, 4, 10, 4}},
    {&P::NameDeltaExtra5,          {5, 3, 8, 2}},
    {&P::NameSizeLen1,             {46, 34, 72, 30}},
    {&P::NameSizeLen2,             {44, 32, 70, 28}},
    {&P::NameSizeLen3,             {44, 32, 70, 28}},
    {&P::NameSizeLen4,             {40, 28, 60, 23}},
    {&P::NameSizeLen5,             {34, 26, 56, 20}},
    {&P::NameSizeLen6,             {30, 24, 56, 19}},
    {&P::NameSizeLen7,             {28, 20, 48, 16}},
    {&P::NameSizeLen8,             {24, 18, 38, 14}},
    {&P::NameSizeLen9,             {22, 16, 38, 13}},
    {&P::NameSizeLong,             {20, 14, 34, 11}},
    {&P::FuriganaLineCut,          {5, 4, 6, 4}},
    {&P::FuriganaSize,             {14, 12, 16, 10}},
    {&P::FuriganaIndent,           {10, 7, 19, 10}},
    {&P::FuriganaGapSize,          {6, 4, 8, 6}},
    {&P::NameIndentBase,           {8, 4, 15, 8}},
    {&P::NameIndentExtraCut,       {2, 1, 4, 2}},
    {&P::NameIndentFloor,          {0, 0, 0, 0}},
    {&P::NameWriteSizeLen1,        {46, 34, 72, 30}},
    {&P::NameWriteSizeLen2,        {44, 32, 70, 28}},
    {&P::NameWriteSizeLen3,        {44, 32, 70, 28}},
    {&P::NameWriteSizeLen4,        {40, 28, 60, 23}},
    {&P::NameWriteSizeLen5,        {34, 26, 56, 20}},
    {&P::NameWriteSizeLen6,        {30, 24, 56, 19}},
    {&P::NameWriteSizeLen7,        {28, 20, 48, 16}},
    {&P::NameWriteSizeLen8,        {24, 18, 38, 14}},
    {&P::NameWriteSizeLen9,        {22, 16, 38, 13}},
    {&P::NameWriteSizeLong,        {20, 14, 34, 11}},
    {&P::NameLetterGapSize,        {10, 10, 10, 7}},
    {&P::NameLetterGap,            {1, 1, 2, 1}},
    {&P::TwoLineDeltaLarger,       {2, 0, 4, 1}},
    {&P::TwoLineDeltaSmaller,      {-4, -2, -4, -1}},
    {&P::TwoLineDeltaExtra,        {2, 0, 4, 1}},
    {&P::TwoLineMeasureBase,       {49, 38, 66, 40}},
    {&P::CompanyIndentBase,        {10, 6, 20, 10}},
    {&P::CompanyIndentFloor,       {0, 0, 0, 0}},
    {&P::CompanySizeBase,          {19, 14, 28, 14}},
    {&P::CompanySizeLen11,         {17, 13, 26, 13}},
    {&P::CompanySizeLen12,         {16, 12, 24, 12}},
    {&P::CompanySizeLen13,         {14, 11, 22, 11}},
    {&P::CompanySizeLen14,         {13, 10, 20, 10}},
    {&P::CompanySizeLong,          {13, 10, 18, 10}},
    {&P::TitleIndentSize,          {10, 10, 10, 10}},
    {&P::TitleSize,                {11, 9, 14, 9}},
    {&P::PersonCharSize,           {20, 14, 30, 16}},
    {&P::PersonGapSize,            {10, 10, 10, 10}},
    {&P::JointDeltaLarger,         {4, 4, 16, 2}},
    {&P::JointDeltaSmaller,        {-4, -4, -8, -2}},
    {&P::JointDeltaExtra,          {8, 6, 24, 4}},
    {&P::JointSpacingNormal,       {10, 10, 12, 10}},
    {&P::JointSpacingNarrow,       {3, 3, 3, 3}},
    {&P::BowIndentBase,            {24, 15, 28, 24}},
    {&P::TieIndentBase,            {11, 6, 21, 11}},
    {&P::BowIndentCutMany,         {4, 3, 4, 4}},
    {&P::BowIndentCutFour,         {2, 1, 2, 2}},
    {&P::JointIndentFloor,         {0, 0, 0, 0}},
    {&P::AddressIndentBase,        {13, 9, 30, 13}},
    {&P::AddressPostalSize,        {7, 6, 9, 6}},
    {&P::AddressLineSize,          {10, 7, 14, 8}},
    {&P::AddressText1Size,         {9, 7, 12, 7}},
    {&P::AddressText9Size,         {9, 7, 12, 7}},
    {&P::TrailingLineSize,         {12, 12, 12, 12}},
    {&P::TrailingLinesOmote,       {20, 15, 50, 20}},
    {&P::TrailingLinesName,        {20, 15, 50, 20}},
};

// Joint-name sizes: 蝶結び measuring and writing, then 結び切り.
const JointSizeRows<Columns> JointSizes = {{{
    {38, 30, 70, 24}, // BowSizeShort
    {30, 22, 68, 20}, // BowSizeLen4
    {24, 19, 60, 17}, // BowSizeLen5
    {20, 16, 48, 13}, // BowSizeLen6
    {17, 14, 40, 11}, // BowSizeLen7
    {15, 12, 36, 10}, // BowSizeLen8
    {13, 10, 32, 9},  // BowSizeLen9
    {12, 10, 28, 8},  // BowSizeLong
}}, {{
    {38, 30, 70, 24}, // BowWriteSizeShort
    {30, 22, 68, 20}, // BowWriteSizeLen4
    {24, 19, 60, 17}, // BowWriteSizeLen5
    {20, 16, 48, 13}, // BowWriteSizeLen6
    {17, 14, 40, 11}, // BowWriteSizeLen7
    {15, 12, 36, 10}, // BowWriteSizeLen8
    {13, 10, 32, 9},  // BowWriteSizeLen9
    {12, 10, 28, 8},  // BowWriteSizeLong
}}, {{
    {38, 30, 70, 24}, // TieSizeShort
    {34, 24, 68, 20}, // TieSizeLen4
    {34, 24, 60, 20}, // TieSizeLen5
    {30, 22, 50, 18}, // TieSizeLen6
    {26, 19, 42, 16}, // TieSizeLen7
    {23, 16, 36, 13}, // TieSizeLen8
    {21, 14, 32, 12}, // TieSizeLen9
    {19, 13, 30, 11}, // TieSizeLong
}}, {{
    {38, 30, 70, 24}, // TieWriteSizeShort
    {34, 24, 68, 20}, // TieWriteSizeLen4
    {34, 24, 60, 20}, // TieWriteSizeLen5
    {30, 22, 50, 18}, // TieWriteSizeLen6
    {26, 19, 42, 16}, // TieWriteSizeLen7
    {23, 16, 36, 13}, // TieWriteSizeLen8
    {21, 14, 32, 12}, // TieWriteSizeLen9
    {19, 13, 30, 11}, // TieWriteSizeLong
}}};
// clang-format on

// ＮＯ１６ and Ｂ５判（特殊） share their name indent steps.
const NameIndentStepList ModelSteps = {{Step::eq(1, 2), Step::atMost(2, 2), Step::atMost(3, 3), Step::atMost(7, 2)}, 4};

const MemberExtras Extras[Columns] = {
    {.name = "LayoutModelNo16", .steps = ModelSteps, .companyGapSize = 12},
    {.name = "LayoutB6", .steps = {{Step::eq(1, 2), Step::atMost(3, 2), Step::atMost(5, 2)}, 3}, .companyGapSize = 10},
    {.name = "LayoutTanmonoban",
     .steps = {{Step::eq(1, 3), Step::atMost(2, 3), Step::atMost(3, 3), Step::atMost(5, 3), Step::atMost(7, 3)}, 5},
     .companyGapSize = 14},
    {.name = "LayoutB5Special", .steps = ModelSteps, .companyGapSize = 10},
};

TemplateParameterSet member(Column column)
{
    return memberFromColumn<Columns>(Rows, JointSizes, column, Extras[column]);
}

// Fields of flags no member here carries: the bold inscription cut, the
// three-column bold name and the card's trailing lines.
const NumberField Unused[] = {&P::OmoteIndentBoldCut, &P::TwoLineLeadCut, &P::PersonIndentSize,
                              &P::PersonIndentBlanks, &P::TrailingLinesCard};

} // namespace

const TemplateParameterSet LayoutModelNo16 = member(No16);
const TemplateParameterSet LayoutB6 = member(B6);
const TemplateParameterSet LayoutTanmonoban = member(Tanmonoban);
const TemplateParameterSet LayoutB5Special = member(B5Special);

std::span<const TemplateParameterSet* const> modelWidePaperMembers()
{
    static const TemplateParameterSet* const members[] = {&LayoutModelNo16, &LayoutB6, &LayoutTanmonoban,
                                                          &LayoutB5Special};
    return members;
}

MemberTableFields modelWidePaperTable()
{
    return tableFields<Columns>("model and wide papers", Rows, Unused, modelWidePaperMembers());
}

} // namespace layout
