// The parameter sets of the standard paper sizes Ａ５判, Ａ４判, Ａ３判 and
// Ｂ４判, of the bold Ｂ４判 and Ａ４判, and of 和紙（Ｍ）, a sheet near Ａ５判. Sizes marked "+ delta" by the
// engine (the short name and joint rows, the company base, the measuring
// bases) hold the constant added.
#include "layout/LayoutMembers.h"
#include "layout/MemberTable.h"

namespace layout {

namespace {

using P = TemplateParameterSet;
using Step = NameIndentStep;
enum Column { A5, A4, A3, B4, B4Bold, A4Bold, WashiM, Columns };
using Row = MemberRow<Columns>;

// clang-format off
// Column order: A5, A4, A3, B4, B4Bold, A4Bold, WashiM
const Row Rows[] = {
    {&P::OmoteDeltaLarger,         {2, 4, 8, 4, 4, 4, 2}},
    {&P::OmoteDeltaSmaller,        {-2, -4, -8, -4, -4, -4, -2}},
    {&P::OmoteDeltaExtra,          {6, 12, 22, 12, 8, 8, 6}},
    {&P::OmoteDeltaExtraLong,      {2, 4, 8, 4, 4, 4, 2}},
    {&P::TwoLineOmoteMeasureBase,  {28, 36, 42, 40, 40, 36, 28}},
    {&P::ShoulderTitleMeasureBase, {20, 28, 32, 32, 40, 34, 20}},
    {&P::ShoulderTitleWriteBase,   {20, 28, 32, 32, 40, 34, 20}},
    {&P::ShoulderTitleIndent,      {2, 5, 8, 7, 4, 3, 2}},
    {&P::TwoLineOmoteWriteBase,    {28, 36, 40, 40, 40, 36, 28}},
    {&P::TwoLineOmoteIndent,       {4, 10, 16, 14, 4, 4, 4}},
    {&P::OmoteIndentLen1,          {10, 14, 25, 20, 12, 10, 10}},
    {&P::OmoteIndentLen2,          {8, 12, 19, 18, 8, 6, 9}},
    {&P::OmoteIndentLen3,          {7, 11, 17, 17, 6, 5, 8}},
    {&P::OmoteIndentLong,          {5, 8, 12, 12, 4, 3, 5}},
    {&P::OmoteIndentExtraCut,      {1, 1, 4, 3, 1, 1, 1}},
    {&P::OmoteIndentLargerCut,     {0, 0, 0, 0, 0, 0, 0}},
    {&P::NameDeltaLargerShort,     {4, 8, 12, 4, 4, 6, 6}},
    {&P::NameDeltaLarger5Short,    {2, 4, 10, 3, 2, 3, 3}},
    {&P::NameDeltaSmallerShort,    {-3, -4, -8, -4, -4, -3, -3}},
    {&P::NameDeltaLargerLong,      {2, 4, 8, 3, 3, 3, 3}},
    {&P::NameDeltaSmallerLong,     {-3, -4, -8, -4, -4, -3, -3}},
    {&P::NameDeltaExtra,           {10, 16, 28, 16, 12, 8, 10}},
    {&P::NameDeltaExtra4,          {4, 8, 18, 6, 4, 6, 6}},
    {&P::NameDeltaExtra5,          {2, 4, 16, 8, 2, 3, 3}},
    {&P::NameSizeLen1,             {38, 48, 62, 56, 90, 70, 40}},
    {&P::NameSizeLen2,             {36, 44, 60, 54, 85, 64, 38}},
    {&P::NameSizeLen3,             {36, 44, 60, 54, 74, 64, 38}},
    {&P::NameSizeLen4,             {32, 42, 58, 50, 64, 54, 34}},
    {&P::NameSizeLen5,             {30, 40, 52, 46, 56, 45, 32}},
    {&P::NameSizeLen6,             {27, 34, 48, 40, 48, 36, 28}},
    {&P::NameSizeLen7,             {23, 30, 40, 36, 40, 30, 24}},
    {&P::NameSizeLen8,             {21, 28, 38, 34, 38, 28, 22}},
    {&P::NameSizeLen9,             {18, 26, 36, 31, 34, 26, 20}},
    {&P::NameSizeLong,             {16, 23, 30, 26, 30, 23, 18}},
    {&P::FuriganaLineCut,          {4, 5, 6, 5, 5, 5, 4}},
    {&P::FuriganaSize,             {12, 14, 16, 14, 14, 14, 12}},
    {&P::FuriganaIndent,           {9, 12, 18, 18, 18, 12, 9}},
    // 0: the line after the furigana is at GapFontSize (GapFieldFurigana)
    {&P::FuriganaGapSize,          {0, 6, 8, 6, 6, 6, 0}},
    {&P::NameIndentBase,           {6, 10, 10, 13, 6, 6, 6}},
    {&P::NameIndentExtraCut,       {2, 2, 2, 3, 2, 2, 2}},
    {&P::NameIndentFloor,          {0, 0, 0, 0, 0, 0, 0}},
    {&P::NameWriteSizeLen1,        {38, 48, 62, 56, 90, 70, 40}},
    {&P::NameWriteSizeLen2,        {36, 44, 60, 54, 85, 64, 38}},
    {&P::NameWriteSizeLen3,        {36, 44, 60, 54, 74, 64, 38}},
    {&P::NameWriteSizeLen4,        {32, 42, 58, 50, 64, 54, 34}},
    {&P::NameWriteSizeLen5,        {30, 40, 52, 46, 56, 45, 32}},
    {&P::NameWriteSizeLen6,        {27, 34, 48, 40, 48, 36, 28}},
    {&P::NameWriteSizeLen7,        {23, 30, 40, 36, 40, 30, 24}},
    {&P::NameWriteSizeLen8,        {21, 28, 38, 34, 38, 28, 22}},
    {&P::NameWriteSizeLen9,        {18, 26, 36, 31, 34, 26, 20}},
    {&P::NameWriteSizeLong,        {16, 23, 30, 28, 30, 23, 18}},
    // 0: the member writes every name whole (NoNameLetterSpacing)
    {&P::NameLetterGapSize,        {10, 10, 10, 10, 10, 0, 10}},
    {&P::NameLetterGap,            {1, 1, 2, 2, 1, 0, 1}},
    {&P::TwoLineDeltaLarger,       {2, 2, 4, 2, 2, 2, 2}},
    {&P::TwoLineDeltaSmaller,      {-2, -2, -4, -2, -2, -2, -2}},
    {&P::TwoLineDeltaExtra,        {2, 2, 4, 2, 2, 2, 2}},
    {&P::TwoLineMeasureBase,       {44, 52, 66, 63, 63, 90, 44}},
    {&P::CompanyIndentBase,        {7, 14, 17, 17, 13, 11, 7}},
    {&P::CompanyIndentFloor,       {0, 0, 0, 0, 0, 0, 0}},
    {&P::CompanySizeBase,          {16, 20, 26, 25, 25, 20, 16}},
    {&P::CompanySizeLen11,         {15, 18, 26, 24, 24, 18, 15}},
    {&P::CompanySizeLen12,         {13, 16, 24, 22, 22, 16, 13}},
    {&P::CompanySizeLen13,         {13, 15, 22, 20, 20, 15, 13}},
    {&P::CompanySizeLen14,         {12, 14, 20, 18, 18, 14, 12}},
    {&P::CompanySizeLong,          {11, 13, 18, 17, 17, 13, 11}},
    {&P::TitleIndentSize,          {10, 10, 10, 10, 10, 10, 10}},
    {&P::TitleSize,                {9, 12, 16, 14, 14, 14, 9}},
    // 0: not used; the three-column bold name writes the person whole at
    // BoldPersonSize, led at PersonIndentSize
    {&P::PersonCharSize,           {18, 22, 30, 28, 0, 0, 18}},
    {&P::PersonGapSize,            {10, 10, 10, 10, 0, 0, 10}},
    {&P::TwoLineLeadCut,           {0, 0, 0, 0, 12, 3, 0}},
    {&P::PersonIndentSize,         {0, 0, 0, 0, 10, 10, 0}},
    {&P::PersonIndentBlanks,       {0, 0, 0, 0, 2, 3, 0}},
    {&P::JointDeltaLarger,         {4, 4, 8, 4, 4, 4, 4}},
    {&P::JointDeltaSmaller,        {-4, -4, -8, -4, -4, -4, -4}},
    {&P::JointDeltaExtra,          {8, 8, 22, 10, 6, 4, 8}},
    {&P::JointSpacingNormal,       {10, 10, 12, 12, 12, 10, 10}},
    {&P::JointSpacingNarrow,       {3, 3, 3, 3, 3, 3, 3}},
    {&P::BowIndentBase,            {18, 22, 28, 28, 26, 22, 18}},
    {&P::TieIndentBase,            {8, 13, 18, 16, 16, 13, 8}},
    {&P::BowIndentCutMany,         {2, 4, 4, 4, 4, 4, 2}},
    {&P::BowIndentCutFour,         {1, 2, 2, 2, 2, 2, 1}},
    {&P::JointIndentFloor,         {0, 0, 0, 0, 0, 0, 0}},
    {&P::AddressIndentBase,        {9, 17, 27, 27, 27, 17, 9}},
    {&P::AddressPostalSize,        {6, 7, 9, 9, 9, 7, 6}},
    {&P::AddressLineSize,          {8, 11, 14, 12, 12, 11, 8}},
    {&P::AddressText1Size,         {7, 10, 12, 10, 10, 10, 7}},
    {&P::AddressText9Size,         {7, 10, 12, 10, 10, 10, 7}},
    {&P::TrailingLineSize,         {12, 12, 12, 12, 12, 12, 12}},
    {&P::TrailingLinesOmote,       {20, 20, 50, 50, 50, 20, 20}},
    {&P::TrailingLinesName,        {20, 20, 50, 50, 50, 20, 20}},
};

// Joint-name sizes: 蝶結び measuring and writing, then 結び切り.
const JointSizeRows<Columns> JointSizes = {{{
    {32, 46, 62, 54, 66, 50, 32}, // BowSizeShort
    {26, 38, 58, 46, 50, 42, 26}, // BowSizeLen4
    {22, 30, 52, 38, 40, 32, 22}, // BowSizeLen5
    {18, 26, 44, 32, 32, 26, 18}, // BowSizeLen6
    {15, 19, 38, 27, 27, 20, 15}, // BowSizeLen7
    {13, 17, 33, 24, 24, 17, 13}, // BowSizeLen8
    {12, 15, 29, 21, 21, 15, 12}, // BowSizeLen9
    {10, 13, 26, 19, 19, 13, 10}, // BowSizeLong
}}, {{
    {32, 46, 62, 54, 66, 50, 32}, // BowWriteSizeShort
    {26, 38, 58, 46, 50, 42, 26}, // BowWriteSizeLen4
    {22, 30, 52, 38, 40, 32, 22}, // BowWriteSizeLen5
    {18, 26, 44, 32, 32, 25, 18}, // BowWriteSizeLen6
    {15, 19, 38, 27, 27, 20, 15}, // BowWriteSizeLen7
    {13, 17, 33, 24, 24, 17, 13}, // BowWriteSizeLen8
    {12, 15, 29, 21, 21, 15, 12}, // BowWriteSizeLen9
    {10, 13, 26, 19, 19, 13, 10}, // BowWriteSizeLong
}}, {{
    {32, 46, 62, 56, 70, 52, 32}, // TieSizeShort
    {26, 46, 60, 54, 60, 48, 26}, // TieSizeLen4
    {26, 42, 54, 48, 50, 38, 26}, // TieSizeLen5
    {24, 35, 48, 42, 42, 35, 24}, // TieSizeLen6
    {22, 30, 42, 36, 36, 30, 22}, // TieSizeLen7
    {19, 26, 36, 31, 31, 26, 19}, // TieSizeLen8
    {17, 23, 32, 28, 28, 23, 17}, // TieSizeLen9
    {16, 21, 28, 25, 25, 21, 16}, // TieSizeLong
}}, {{
    {32, 46, 62, 56, 70, 52, 32}, // TieWriteSizeShort
    {26, 46, 60, 54, 60, 48, 26}, // TieWriteSizeLen4
    {26, 42, 54, 48, 50, 39, 26}, // TieWriteSizeLen5
    {24, 35, 48, 42, 42, 35, 24}, // TieWriteSizeLen6
    {22, 30, 42, 36, 36, 30, 22}, // TieWriteSizeLen7
    {19, 26, 36, 31, 31, 26, 19}, // TieWriteSizeLen8
    {17, 23, 32, 28, 28, 23, 17}, // TieWriteSizeLen9
    {16, 21, 28, 25, 25, 21, 16}, // TieWriteSizeLong
}}};
// clang-format on

const NameIndentStepList ThreeEvenSteps = {{Step::eq(1, 3), Step::atMost(3, 3), Step::atMost(7, 3)}, 3};
const NameIndentStepList LargeSheetSteps = {
    {Step::eq(1, 2), Step::eq(2, 2), Step::atMost(3, 3), Step::atMost(5, 3), Step::atMost(7, 3)}, 5};

const MemberExtras Extras[Columns] = {
    {.name = "LayoutA5",
     .flags = {.AbortOnError = true, .GapFieldFurigana = true},
     .steps = {{Step::eq(1, 2), Step::atMost(3, 2), Step::atMost(5, 1), Step::atMost(7, 1)}, 4},
     .companyGapSize = 10},
    {.name = "LayoutA4", .flags = {.AbortOnError = true}, .steps = ThreeEvenSteps, .companyGapSize = 12},
    {.name = "LayoutA3", .flags = {.AbortOnError = true}, .steps = LargeSheetSteps, .companyGapSize = 14},
    {.name = "LayoutB4", .steps = LargeSheetSteps, .companyGapSize = 14},
    {.name = "LayoutB4Bold",
     .flags = {.BoldLayout = true, .UnsplitTwoCharOmote = true},
     .steps = {{Step::eq(1, 2), Step::eq(2, 2), Step::atMost(3, 2), Step::atMost(5, 2), Step::atMost(7, 2)}, 5},
     .companyGapSize = 6,
     .boldPersonSize = {60, 50, 40, 36, 30, 26, 24}},
    {.name = "LayoutA4Bold",
     .flags = {.AbortOnError = true, .BoldLayout = true, .UnsplitTwoCharOmote = true, .NoNameLetterSpacing = true},
     .steps = ThreeEvenSteps,
     .titleGapSize = 4, // no gap line after the company; a 4-point one after the title
     .boldPersonSize = {46, 39, 32, 28, 24, 22, 20}},
    // Ａ５判's indent steps and spacer-size furigana gap, but carrying on past errors
    {.name = "LayoutWashiM",
     .flags = {.GapFieldFurigana = true},
     .steps = {{Step::eq(1, 2), Step::atMost(3, 2), Step::atMost(5, 1), Step::atMost(7, 1)}, 4},
     .companyGapSize = 10},
};

TemplateParameterSet member(Column column)
{
    return memberFromColumn<Columns>(Rows, JointSizes, column, Extras[column]);
}

// Fields of flags no member here carries: the bold inscription cut and the card's trailing lines.
const NumberField Unused[] = {&P::OmoteIndentBoldCut, &P::TrailingLinesCard};

} // namespace

const TemplateParameterSet LayoutA5 = member(A5);
const TemplateParameterSet LayoutA4 = member(A4);
const TemplateParameterSet LayoutA3 = member(A3);
const TemplateParameterSet LayoutB4 = member(B4);
const TemplateParameterSet LayoutB4Bold = member(B4Bold);
const TemplateParameterSet LayoutA4Bold = member(A4Bold);
const TemplateParameterSet LayoutWashiM = member(WashiM);

std::span<const TemplateParameterSet* const> standardSizeMembers()
{
    static const TemplateParameterSet* const members[] = {
        &LayoutA5, &LayoutA4, &LayoutA3, &LayoutB4, &LayoutB4Bold, &LayoutA4Bold, &LayoutWashiM,
    };
    return members;
}

MemberTableFields standardSizeTable()
{
    return tableFields<Columns>("standard sizes", Rows, Unused, standardSizeMembers());
}

} // namespace layout
