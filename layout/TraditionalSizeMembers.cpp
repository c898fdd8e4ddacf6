// The parameter sets of the traditional sizes 美濃判, 半紙判 and 切手判, plain
// and bold. Sizes marked "+ delta" by the engine (the short name and joint
// rows, the company base, the measuring bases) hold the constant added.
#include "layout/LayoutMembers.h"
#include "layout/MemberTable.h"

namespace layout {

namespace {

using P = TemplateParameterSet;
using Step = NameIndentStep;
enum Column { Minoban, MinobanBold, Hanshiban, HanshibanBold, Kitteban, KittebanBold, Columns };
using Row = MemberRow<Columns>;

// clang-format off
// Column order: Minoban, MinobanBold, Hanshiban, HanshibanBold, Kitteban, KittebanBold
const Row Rows[] = {
    {&P::OmoteDeltaLarger,         {8, 4, 6, 4, 4, 4}},
    {&P::OmoteDeltaSmaller,        {-8, -4, -6, -4, -4, -4}},
    {&P::OmoteDeltaExtra,          {24, 8, 18, 8, 12, 8}},
    {&P::OmoteDeltaExtraLong,      {8, 4, 6, 4, 4, 2}},
    {&P::TwoLineOmoteMeasureBase,  {40, 40, 32, 36, 28, 28}},
    {&P::ShoulderTitleMeasureBase, {32, 40, 28, 34, 20, 20}},
    {&P::ShoulderTitleWriteBase,   {32, 40, 28, 34, 20, 20}},
    {&P::ShoulderTitleIndent,      {9, 4, 6, 3, 4, 4}},
    {&P::TwoLineOmoteWriteBase,    {40, 40, 32, 36, 28, 28}},
    {&P::TwoLineOmoteIndent,       {15, 4, 10, 4, 8, 8}},
    {&P::OmoteIndentLen1,          {22, 12, 16, 12, 14, 14}},
    {&P::OmoteIndentLen2,          {18, 8, 13, 8, 12, 9}},
    {&P::OmoteIndentLen3,          {14, 6, 11, 7, 10, 6}},
    {&P::OmoteIndentLong,          {10, 4, 8, 5, 8, 4}},
    {&P::OmoteIndentExtraCut,      {4, 1, 2, 1, 2, 1}},
    {&P::OmoteIndentLargerCut,     {0, 0, 0, 0, 0, 0}},
    {&P::NameDeltaLargerShort,     {8, 4, 11, 6, 4, 2}},
    {&P::NameDeltaLarger5Short,    {7, 4, 7, 3, 2, 2}},
    {&P::NameDeltaSmallerShort,    {-8, -4, -6, -3, -4, -4}},
    {&P::NameDeltaLargerLong,      {4, 4, 6, 3, 2, 2}},
    {&P::NameDeltaSmallerLong,     {-8, -4, -6, -3, -4, -4}},
    {&P::NameDeltaExtra,           {22, 8, 22, 10, 12, 10}},
    {&P::NameDeltaExtra4,          {12, 4, 11, 6, 6, 2}},
    {&P::NameDeltaExtra5,          {10, 4, 7, 3, 4, 4}},
    {&P::NameSizeLen1,             {60, 95, 52, 70, 46, 62}},
    {&P::NameSizeLen2,             {60, 90, 48, 68, 44, 62}},
    {&P::NameSizeLen3,             {60, 86, 48, 68, 44, 58}},
    {&P::NameSizeLen4,             {52, 68, 46, 58, 40, 50}},
    {&P::NameSizeLen5,             {48, 58, 42, 48, 36, 38}},
    {&P::NameSizeLen6,             {38, 48, 38, 40, 32, 32}},
    {&P::NameSizeLen7,             {36, 40, 36, 30, 28, 28}},
    {&P::NameSizeLen8,             {36, 38, 32, 28, 26, 26}},
    {&P::NameSizeLen9,             {34, 34, 29, 26, 24, 24}},
    {&P::NameSizeLong,             {30, 30, 26, 23, 22, 22}},
    {&P::FuriganaLineCut,          {6, 5, 5, 5, 5, 5}},
    {&P::FuriganaSize,             {16, 14, 14, 14, 14, 14}},
    {&P::FuriganaIndent,           {15, 18, 13, 12, 12, 12}},
    {&P::FuriganaGapSize,          {8, 6, 6, 6, 6, 6}},
    {&P::NameIndentBase,           {14, 6, 8, 6, 10, 8}},
    {&P::NameIndentExtraCut,       {4, 2, 2, 2, 2, 2}},
    {&P::NameIndentFloor,          {0, 0, 0, 0, 0, 0}},
    {&P::NameWriteSizeLen1,        {60, 95, 52, 70, 46, 62}},
    {&P::NameWriteSizeLen2,        {60, 90, 48, 68, 44, 62}},
    {&P::NameWriteSizeLen3,        {60, 86, 48, 68, 44, 58}},
    {&P::NameWriteSizeLen4,        {52, 68, 46, 58, 40, 50}},
    {&P::NameWriteSizeLen5,        {48, 58, 42, 48, 36, 38}},
    {&P::NameWriteSizeLen6,        {38, 48, 38, 40, 32, 32}},
    {&P::NameWriteSizeLen7,        {36, 40, 36, 30, 28, 28}},
    {&P::NameWriteSizeLen8,        {36, 38, 32, 28, 26, 26}},
    {&P::NameWriteSizeLen9,        {34, 34, 29, 26, 24, 24}},
    {&P::NameWriteSizeLong,        {30, 30, 26, 23, 22, 22}},
    // 0: the member writes every name whole (NoNameLetterSpacing)
    {&P::NameLetterGapSize,        {10, 10, 10, 0, 10, 0}},
    {&P::NameLetterGap,            {2, 1, 1, 0, 1, 0}},
    {&P::TwoLineDeltaLarger,       {4, 2, 2, 2, 4, 0}},
    {&P::TwoLineDeltaSmaller,      {-4, -4, -4, -2, -4, -4}},
    {&P::TwoLineDeltaExtra,        {4, 2, 2, 2, 4, 0}},
    {&P::TwoLineMeasureBase,       {63, 63, 61, 90, 54, 58}},
    {&P::CompanyIndentBase,        {15, 13, 12, 11, 10, 10}},
    {&P::CompanyIndentFloor,       {0, 0, 0, 0, 0, 0}},
    {&P::CompanySizeBase,          {25, 25, 24, 20, 20, 24}},
    {&P::CompanySizeLen11,         {24, 24, 23, 18, 19, 19}},
    {&P::CompanySizeLen12,         {22, 22, 20, 16, 18, 18}},
    {&P::CompanySizeLen13,         {20, 20, 18, 15, 16, 16}},
    {&P::CompanySizeLen14,         {18, 18, 17, 14, 15, 15}},
    {&P::CompanySizeLong,          {17, 17, 16, 13, 14, 14}},
    {&P::TitleIndentSize,          {10, 10, 10, 10, 10, 10}},
    {&P::TitleSize,                {14, 14, 13, 14, 11, 11}},
    // 0: not used; the three-column bold name writes the person whole at
    // BoldPersonSize, led at PersonIndentSize
    {&P::PersonCharSize,           {28, 0, 26, 0, 23, 23}},
    {&P::PersonGapSize,            {10, 0, 12, 0, 10, 10}},
    {&P::TwoLineLeadCut,           {0, 12, 0, 3, 0, 0}},
    {&P::PersonIndentSize,         {0, 10, 0, 10, 0, 0}},
    {&P::PersonIndentBlanks,       {0, 2, 0, 3, 0, 0}},
    {&P::JointDeltaLarger,         {8, 4, 6, 4, 4, 0}},
    {&P::JointDeltaSmaller,        {-8, -4, -6, -4, -4, -4}},
    {&P::JointDeltaExtra,          {20, 8, 12, 4, 8, 0}},
    {&P::JointSpacingNormal,       {12, 12, 10, 10, 10, 10}},
    {&P::JointSpacingNarrow,       {3, 3, 3, 3, 3, 3}},
    {&P::BowIndentBase,            {27, 26, 26, 22, 24, 24}},
    {&P::TieIndentBase,            {22, 16, 12, 13, 13, 13}},
    {&P::BowIndentCutMany,         {4, 4, 3, 4, 4, 4}},
    {&P::BowIndentCutFour,         {2, 2, 3, 2, 2, 2}},
    {&P::JointIndentFloor,         {0, 0, 0, 0, 0, 0}},
    {&P::AddressIndentBase,        {21, 27, 18, 17, 15, 15}},
    {&P::AddressPostalSize,        {9, 9, 8, 7, 7, 7}},
    {&P::AddressLineSize,          {14, 12, 12, 11, 10, 10}},
    {&P::AddressText1Size,         {12, 10, 10, 10, 9, 9}},
    {&P::AddressText9Size,         {12, 10, 10, 10, 9, 9}},
    {&P::TrailingLineSize,         {12, 12, 12, 12, 12, 12}},
    {&P::TrailingLinesOmote,       {40, 50, 20, 20, 30, 30}},
    {&P::TrailingLinesName,        {40, 50, 20, 20, 30, 30}},
};

// Joint-name sizes: 蝶結び measuring and writing, then 結び切り.
const JointSizeRows<Columns> JointSizes = {{{
    {52, 64, 46, 58, 38, 48}, // BowSizeShort
    {42, 54, 40, 48, 32, 38}, // BowSizeLen4
    {40, 43, 35, 36, 28, 28}, // BowSizeLen5
    {36, 36, 29, 29, 24, 24}, // BowSizeLen6
    {31, 31, 25, 25, 20, 20}, // BowSizeLen7
    {28, 26, 22, 20, 18, 18}, // BowSizeLen8
    {25, 23, 19, 18, 16, 16}, // BowSizeLen9
    {22, 21, 17, 17, 14, 14}, // BowSizeLong
}}, {{
    {52, 64, 46, 58, 38, 48}, // BowWriteSizeShort
    {42, 54, 40, 48, 32, 38}, // BowWriteSizeLen4
    {40, 43, 35, 36, 28, 28}, // BowWriteSizeLen5
    {36, 36, 29, 29, 24, 24}, // BowWriteSizeLen6
    {30, 31, 25, 25, 20, 20}, // BowWriteSizeLen7
    {28, 26, 22, 20, 18, 18}, // BowWriteSizeLen8
    {25, 23, 19, 18, 16, 16}, // BowWriteSizeLen9
    {22, 21, 17, 17, 14, 14}, // BowWriteSizeLong
}}, {{
    {52, 70, 46, 60, 38, 48}, // TieSizeShort
    {42, 60, 42, 50, 32, 38}, // TieSizeLen4
    {42, 50, 42, 40, 32, 32}, // TieSizeLen5
    {40, 42, 38, 35, 30, 30}, // TieSizeLen6
    {34, 36, 32, 30, 27, 27}, // TieSizeLen7
    {30, 31, 28, 26, 24, 24}, // TieSizeLen8
    {26, 28, 24, 23, 21, 21}, // TieSizeLen9
    {24, 25, 22, 21, 19, 19}, // TieSizeLong
}}, {{
    {52, 70, 46, 60, 38, 48}, // TieWriteSizeShort
    {42, 60, 42, 50, 32, 38}, // TieWriteSizeLen4
    {42, 50, 42, 40, 32, 32}, // TieWriteSizeLen5
    {40, 42, 38, 35, 30, 30}, // TieWriteSizeLen6
    {34, 36, 32, 30, 27, 27}, // TieWriteSizeLen7
    {30, 31, 28, 26, 24, 24}, // TieWriteSizeLen8
    {26, 28, 24, 23, 21, 21}, // TieWriteSizeLen9
    {24, 25, 22, 21, 19, 19}, // TieWriteSizeLong
}}};
// clang-format on

const VariantFlags BoldFlags = {.BoldLayout = true, .UnsplitTwoCharOmote = true};
const VariantFlags BoldWholeNameFlags = {.BoldLayout = true, .UnsplitTwoCharOmote = true,
                                         .NoNameLetterSpacing = true};
const NameIndentStepList ThreeEvenSteps = {{Step::eq(1, 3), Step::atMost(3, 3), Step::atMost(7, 3)}, 3};

const MemberExtras Extras[Columns] = {
    {.name = "LayoutMinoban",
     .steps = {{Step::eq(1, 2), Step::atMost(2, 2), Step::atMost(3, 3), Step::atMost(7, 3)}, 4},
     .companyGapSize = 14},
    {.name = "LayoutMinobanBold",
     .flags = BoldFlags,
     .steps = {{Step::eq(1, 2), Step::atMost(2, 2), Step::atMost(3, 2), Step::atMost(5, 2), Step::atMost(7, 2)}, 5},
     .companyGapSize = 6,
     .boldPersonSize = {60, 50, 40, 36, 30, 26, 24}},
    {.name = "LayoutHanshiban",
     .steps = {{Step::eq(1, 3), Step::atMost(2, 3), Step::atMost(3, 3), Step::atMost(5, 2), Step::atMost(7, 2)}, 5},
     .companyGapSize = 14},
    {.name = "LayoutHanshibanBold",
     .flags = BoldWholeNameFlags,
     .steps = ThreeEvenSteps,
     .titleGapSize = 4, // no gap line after the company; a 4-point one after the title
     .boldPersonSize = {46, 39, 32, 28, 24, 22, 20}},
    {.name = "LayoutKitteban", .steps = ThreeEvenSteps, .companyGapSize = 12},
    // Bold text and measuring, but the plain two-column name and top lines.
    {.name = "LayoutKittebanBold",
     .flags = {.BoldLayout = true, .BoldTwoColumnName = true, .UnsplitTwoCharOmote = true,
               .NoNameLetterSpacing = true},
     .steps = ThreeEvenSteps,
     .companyGapSize = 12},
};

TemplateParameterSet member(Column column)
{
    return memberFromColumn<Columns>(Rows, JointSizes, column, Extras[column]);
}

// Fields of flags no member here carries: the bold inscription cut and the card's trailing lines.
const NumberField Unused[] = {&P::OmoteIndentBoldCut, &P::TrailingLinesCard};

} // namespace

const TemplateParameterSet LayoutMinoban = member(Minoban);
const TemplateParameterSet LayoutMinobanBold = member(MinobanBold);
const TemplateParameterSet LayoutHanshiban = member(Hanshiban);
const TemplateParameterSet LayoutHanshibanBold = member(HanshibanBold);
const TemplateParameterSet LayoutKitteban = member(Kitteban);
const TemplateParameterSet LayoutKittebanBold = member(KittebanBold);

std::span<const TemplateParameterSet* const> traditionalSizeMembers()
{
    static const TemplateParameterSet* const members[] = {
        &LayoutMinoban, &LayoutMinobanBold, &LayoutHanshiban, &LayoutHanshibanBold, &LayoutKitteban,
        &LayoutKittebanBold,
    };
    return members;
}

MemberTableFields traditionalSizeTable()
{
    return tableFields<Columns>("traditional sizes", Rows, Unused, traditionalSizeMembers());
}

} // namespace layout
