// The parameter sets of the numbered models Ｎｏ０ and ＮＯ１ (ＮＯ１ also
// lays out 赤棒００). The two are twins: same steps, other constants. Their
// joint names ignore the size option (FixedJointSizes), the title line is led
// by one blank less, and four bow-tied names take no extra cut.
#include "layout/LayoutMembers.h"
#include "layout/MemberTable.h"

namespace layout {

namespace {

using P = TemplateParameterSet;
using Step = NameIndentStep;
enum Column { No0, No1, Columns };
using Row = MemberRow<Columns>;

// clang-format off
// Column order: No0, No1
const Row Rows[] = {
    {&P::OmoteDeltaLarger,         {2, 2}},
    {&P::OmoteDeltaSmaller,        {-2, -2}},
    {&P::OmoteDeltaExtra,          {6, 6}},
    {&P::OmoteDeltaExtraLong,      {2, 2}},
    {&P::TwoLineOmoteMeasureBase,  {20, 20}},
    {&P::ShoulderTitleMeasureBase, {16, 16}},
    {&P::ShoulderTitleWriteBase,   {16, 16}},
    {&P::ShoulderTitleIndent,      {1, 1}},
    {&P::TwoLineOmoteWriteBase,    {20, 20}},
    {&P::TwoLineOmoteIndent,       {1, 1}},
    {&P::OmoteIndentLen1,          {4, 4}},
    {&P::OmoteIndentLen2,          {2, 2}},
    {&P::OmoteIndentLen3,          {2, 2}},
    {&P::OmoteIndentLong,          {1, 2}},
    {&P::OmoteIndentExtraCut,      {1, 1}},
    {&P::NameDeltaLargerShort,     {3, 3}},
    {&P::NameDeltaSmallerShort,    {-2, -2}},
    {&P::NameDeltaLarger5Short,    {2, 2}},
    {&P::NameDeltaLargerLong,      {2, 2}},
    {&P::NameDeltaSmallerLong,     {-2, -2}},
    {&P::NameDeltaExtra,           {6, 6}},
    {&P::NameDeltaExtra4,          {3, 3}},
    {&P::NameDeltaExtra5,          {2, 2}},
    {&P::NameSizeLen1,             {22, 24}},
    {&P::NameSizeLen2,             {20, 22}},
    {&P::NameSizeLen3,             {20, 22}},
    {&P::NameSizeLen4,             {16, 16}},
    {&P::NameSizeLen5,             {13, 14}},
    {&P::NameSizeLen6,             {12, 13}},
    {&P::NameSizeLen7,             {11, 12}},
    {&P::NameSizeLen8,             {10, 11}},
    {&P::NameSizeLen9,             {9, 10}},
    {&P::NameSizeLong,             {8, 8}},
    {&P::FuriganaLineCut,          {4, 4}},
    {&P::FuriganaSize,             {10, 10}},
    {&P::FuriganaIndent,           {5, 5}},
    {&P::FuriganaGapSize,          {4, 4}},
    {&P::NameIndentBase,           {1, 2}},
    // 0: 特大 does not raise the one-line name
    {&P::NameIndentExtraCut,       {0, 0}},
    {&P::NameIndentFloor,          {0, 0}},
    {&P::NameWriteSizeLen1,        {22, 24}},
    {&P::NameWriteSizeLen2,        {20, 22}},
    {&P::NameWriteSizeLen3,        {20, 22}},
    {&P::NameWriteSizeLen4,        {16, 16}},
    // Ｎｏ０ measures a five-character name at 13 and writes it at 14
    {&P::NameWriteSizeLen5,        {14, 14}},
    {&P::NameWriteSizeLen6,        {12, 13}},
    {&P::NameWriteSizeLen7,        {11, 12}},
    {&P::NameWriteSizeLen8,        {10, 11}},
    {&P::NameWriteSizeLen9,        {9, 10}},
    {&P::NameWriteSizeLong,        {8, 8}},
    {&P::NameLetterGapSize,        {5, 5}},
    {&P::NameLetterGap,            {1, 1}},
    {&P::TwoLineDeltaLarger,       {0, 0}},
    {&P::TwoLineDeltaSmaller,      {-1, -1}},
    {&P::TwoLineDeltaExtra,        {0, 0}},
    {&P::TwoLineMeasureBase,       {30, 30}},
    {&P::CompanyIndentBase,        {1, 2}},
    {&P::CompanyIndentFloor,       {0, 0}},
    {&P::CompanySizeBase,          {9, 9}},
    {&P::CompanySizeLen11,         {9, 9}},
    {&P::CompanySizeLen12,         {8, 8}},
    {&P::CompanySizeLen13,         {7, 7}},
    {&P::CompanySizeLen14,         {7, 7}},
    {&P::CompanySizeLong,          {6, 6}},
    {&P::TitleIndentSize,          {10, 10}},
    {&P::TitleSize,                {6, 6}},
    {&P::PersonCharSize,           {10, 10}},
    {&P::PersonGapSize,            {5, 5}},
    // D1 still reads the option, but no joint size takes the delta
    {&P::JointDeltaLarger,         {4, 4}},
    {&P::JointDeltaSmaller,        {-4, -4}},
    {&P::JointDeltaExtra,          {8, 8}},
    {&P::JointSpacingNormal,       {7, 7}},
    {&P::JointSpacingNarrow,       {3, 3}},
    {&P::BowIndentBase,            {1, 2}},
    {&P::TieIndentBase,            {1, 2}},
    {&P::BowIndentCutMany,         {1, 1}},
    {&P::BowIndentCutFour,         {0, 0}},
    {&P::JointIndentFloor,         {0, 0}},
    {&P::AddressIndentBase,        {3, 3}},
    // the postcode at the spacer-line size, which is 4 pt in every layout
    {&P::AddressPostalSize,        {4, 4}},
    {&P::AddressLineSize,          {5, 5}},
    {&P::AddressText1Size,         {5, 5}},
    {&P::AddressText9Size,         {5, 5}},
    {&P::TrailingLineSize,         {12, 12}},
    {&P::TrailingLinesOmote,       {10, 10}},
    {&P::TrailingLinesName,        {10, 10}},
};

// Joint-name sizes: 蝶結び measuring and writing, then 結び切り; every
// value is used as it stands (FixedJointSizes).
const JointSizeRows<Columns> JointSizes = {{{
    {20, 24}, // BowSizeShort
    {18, 18}, // BowSizeLen4
    {16, 16}, // BowSizeLen5
    {13, 13}, // BowSizeLen6
    {11, 11}, // BowSizeLen7
    {9, 9},   // BowSizeLen8
    {8, 8},   // BowSizeLen9
    {7, 7},   // BowSizeLong
}}, {{
    {20, 24}, // BowWriteSizeShort
    {18, 18}, // BowWriteSizeLen4
    {16, 16}, // BowWriteSizeLen5
    {13, 13}, // BowWriteSizeLen6
    {11, 11}, // BowWriteSizeLen7
    {9, 9},   // BowWriteSizeLen8
    {8, 8},   // BowWriteSizeLen9
    {7, 7},   // BowWriteSizeLong
}}, {{
    {20, 24}, // TieSizeShort
    {18, 18}, // TieSizeLen4
    {16, 16}, // TieSizeLen5
    {13, 13}, // TieSizeLen6
    {11, 11}, // TieSizeLen7
    {9, 9},   // TieSizeLen8
    {8, 8},   // TieSizeLen9
    {7, 7},   // TieSizeLong
}}, {{
    {20, 24}, // TieWriteSizeShort
    {18, 18}, // TieWriteSizeLen4
    {16, 16}, // TieWriteSizeLen5
    {13, 13}, // TieWriteSizeLen6
    {11, 11}, // TieWriteSizeLen7
    {9, 9},   // TieWriteSizeLen8
    {8, 8},   // TieWriteSizeLen9
    {7, 7},   // TieWriteSizeLong
}}};
// clang-format on

constexpr VariantFlags TwinFlags = {.FixedJointSizes = true, .NarrowTitleIndent = true, .NoFourNameCut = true};

const MemberExtras Extras[Columns] = {
    {.name = "LayoutModelNo0",
     .flags = TwinFlags,
     .steps = {{Step::eq(1, 1), Step::atMost(2, 1), Step::atMost(7, 1)}, 3},
     .companyGapSize = 6},
    {.name = "LayoutModelNo1",
     .flags = TwinFlags,
     .steps = {{Step::eq(1, 1), Step::atMost(3, 1), Step::atMost(7, 1)}, 3},
     .companyGapSize = 9},
};

TemplateParameterSet member(Column column)
{
    return memberFromColumn<Columns>(Rows, JointSizes, column, Extras[column]);
}

} // namespace

const TemplateParameterSet LayoutModelNo0 = member(No0);
const TemplateParameterSet LayoutModelNo1 = member(No1);

std::span<const TemplateParameterSet* const> numberedModelMembers()
{
    static const TemplateParameterSet* const members[] = {&LayoutModelNo0, &LayoutModelNo1};
    return members;
}

} // namespace layout
