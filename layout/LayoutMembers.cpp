// The parameter sets of the large, medium and small noshi templates.
// The values stand in one table, a column per member, so that a set reads
// against its source row by row.
#include "layout/LayoutMembers.h"
#include "layout/MemberTable.h"

#include <QString>

#include <vector>

namespace layout {

namespace {

using P = TemplateParameterSet;
using Step = NameIndentStep;

enum Column { Large, Medium, Small, WashiSmall, Columns };
using Row = MemberRow<Columns>;
using J = JointSizeRows<Columns>;

// clang-format off
// Column order: Large, Medium, Small, WashiSmall
const Row NoshiRows[] = {
    {&P::OmoteDeltaLarger, {4, 2, 2, 2}},
    {&P::OmoteDeltaSmaller, {-4, -2, -2, -2}},
    {&P::OmoteDeltaExtra, {12, 6, 6, 6}},
    {&P::OmoteDeltaExtraLong, {4, 2, 2, 2}},
    {&P::TwoLineOmoteMeasureBase, {28, 24, 20, 20}},
    {&P::ShoulderTitleMeasureBase, {24, 20, 16, 16}},
    {&P::ShoulderTitleWriteBase, {24, 20, 16, 16}},
    {&P::ShoulderTitleIndent, {3, 1, 0, 0}},
    {&P::TwoLineOmoteWriteBase, {28, 24, 20, 20}},
    {&P::TwoLineOmoteIndent, {5, 2, 1, 1}},
    {&P::OmoteIndentLen1, {11, 7, 6, 6}},
    {&P::OmoteIndentLen2, {9, 6, 5, 5}},
    {&P::OmoteIndentLen3, {8, 5, 4, 4}},
    {&P::OmoteIndentLong, {5, 4, 3, 2}},
    {&P::OmoteIndentExtraCut, {1, 1, 1, 1}},
    {&P::OmoteIndentLargerCut, {0, 0, 0, 0}}, // 大きめ cuts no blank here
    {&P::NameDeltaLargerShort, {8, 4, 3, 2}},
    {&P::NameDeltaLarger5Short, {4, 2, 2, 2}},
    {&P::NameDeltaSmallerShort, {-4, -3, -3, -2}},
    {&P::NameDeltaLargerLong, {4, 2, 2, 2}},
    {&P::NameDeltaSmallerLong, {-4, -3, -3, -2}},
    {&P::NameDeltaExtra, {12, 8, 6, 4}},
    {&P::NameDeltaExtra4, {6, 2, 3, 2}},
    {&P::NameDeltaExtra5, {4, 2, 2, 2}},
    {&P::NameSizeLen1, {46, 36, 32, 32}},
    {&P::NameSizeLen2, {44, 34, 30, 30}},
    {&P::NameSizeLen3, {44, 34, 30, 30}},
    {&P::NameSizeLen4, {40, 32, 26, 26}},
    {&P::NameSizeLen5, {36, 28, 23, 23}},
    {&P::NameSizeLen6, {32, 24, 20, 20}},
    {&P::NameSizeLen7, {28, 23, 17, 17}},
    {&P::NameSizeLen8, {26, 20, 16, 16}},
    {&P::NameSizeLen9, {24, 18, 14, 14}},
    {&P::NameSizeLong, {22, 16, 13, 13}},
    {&P::FuriganaLineCut, {5, 4, 4, 4}},
    {&P::FuriganaSize, {14, 12, 12, 12}},
    {&P::FuriganaIndent, {9, 8, 6, 5}},
    {&P::FuriganaGapSize, {6, 4, 4, 4}},
    {&P::NameIndentBase, {6, 4, 4, 3}},
    {&P::NameIndentExtraCut, {2, 1, 1, 0}},
    {&P::NameIndentFloor, {0, 0, 0, 0}},
    {&P::NameWriteSizeLen1, {46, 36, 32, 32}},
    {&P::NameWriteSizeLen2, {44, 34, 30, 30}},
    {&P::NameWriteSizeLen3, {44, 34, 30, 30}},
    {&P::NameWriteSizeLen4, {40, 32, 26, 26}},
    {&P::NameWriteSizeLen5, {36, 28, 23, 23}},
    {&P::NameWriteSizeLen6, {32, 24, 20, 20}},
    {&P::NameWriteSizeLen7, {28, 23, 17, 17}},
    {&P::NameWriteSizeLen8, {26, 20, 16, 16}},
    {&P::NameWriteSizeLen9, {24, 18, 14, 14}},
    {&P::NameWriteSizeLong, {22, 16, 13, 13}},
    {&P::NameLetterGapSize, {10, 10, 7, 7}},
    {&P::NameLetterGap, {1, 1, 1, 1}},
    {&P::TwoLineDeltaLarger, {3, 2, 0, 0}},
    {&P::TwoLineDeltaSmaller, {-4, -4, -4, -4}},
    {&P::TwoLineDeltaExtra, {3, 2, 0, 0}},
    {&P::TwoLineMeasureBase, {54, 44, 36, 36}},
    {&P::CompanyIndentBase, {7, 4, 5, 3}},
    {&P::CompanyIndentFloor, {0, 0, 0, 0}},
    {&P::CompanySizeBase, {20, 16, 13, 12}},
    {&P::CompanySizeLen11, {18, 14, 12, 11}},
    {&P::CompanySizeLen12, {17, 13, 11, 10}},
    {&P::CompanySizeLen13, {16, 12, 10, 9}},
    {&P::CompanySizeLen14, {15, 11, 10, 9}},
    {&P::CompanySizeLong, {14, 11, 8, 9}},
    {&P::TitleIndentSize, {10, 10, 10, 7}},
    {&P::TitleSize, {11, 9, 7, 9}},
    {&P::PersonCharSize, {23, 18, 13, 12}},
    {&P::PersonGapSize, {10, 10, 10, 10}},
    {&P::JointDeltaLarger, {4, 3, 4, 3}},
    {&P::JointDeltaSmaller, {-4, -3, -4, -3}},
    {&P::JointDeltaExtra, {6, 6, 4, 3}},
    {&P::JointSpacingNormal, {10, 10, 7, 7}},
    {&P::JointSpacingNarrow, {3, 3, 3, 3}},
    {&P::BowIndentBase, {22, 14, 12, 11}},
    {&P::TieIndentBase, {10, 7, 5, 4}},
    {&P::BowIndentCutMany, {3, 4, 4, 4}},
    {&P::BowIndentCutFour, {3, 2, 2, 2}},
    {&P::JointIndentFloor, {0, 0, 0, 0}},
    {&P::AddressIndentBase, {10, 6, 6, 5}},
    {&P::AddressPostalSize, {7, 6, 5, 5}},
    {&P::AddressLineSize, {10, 8, 7, 6}},
    {&P::AddressText1Size, {9, 7, 6, 7}},
    {&P::AddressText9Size, {9, 7, 6, 7}},
    {&P::TrailingLineSize, {12, 12, 12, 12}},
    {&P::TrailingLinesOmote, {20, 20, 18, 12}},
    {&P::TrailingLinesName, {20, 20, 18, 12}},
};
// Joint-name sizes, a column per member, written as measured but where the
// medium sheet writes five-character 蝶結び names at 21.
const J::Rows NoshiBowSizes = {{
    {42, 34, 27, 27}, // Short
    {33, 26, 20, 20}, // Len4
    {27, 20, 17, 17}, // Len5
    {21, 19, 13, 13}, // Len6
    {18, 16, 12, 11}, // Len7
    {16, 14, 10, 10}, // Len8
    {14, 12, 9, 9},   // Len9
    {13, 11, 8, 7},   // Long
}};
const J::Rows NoshiTieSizes = {{
    {42, 34, 27, 27}, // Short
    {33, 26, 20, 20}, // Len4
    {33, 26, 20, 20}, // Len5
    {30, 23, 19, 18}, // Len6
    {26, 20, 17, 16}, // Len7
    {23, 18, 15, 14}, // Len8
    {20, 16, 13, 13}, // Len9
    {18, 14, 12, 12}, // Long
}};
const J JointSizes = {NoshiBowSizes, J::except(NoshiBowSizes, {{J::Len5, Medium, 21}}), NoshiTieSizes, NoshiTieSizes};
// clang-format on

const MemberExtras Extras[Columns] = {
    {.name = "LayoutNoshiLarge",
     .flags = {.NameTextUntrimmed = true},
     .steps = {{Step::eq(1, 3), Step::atMost(3, 3), Step::atMost(5, 2), Step::atMost(7, 2)}, 4},
     .companyGapSize = 12},
    {.name = "LayoutNoshiMedium",
     .steps = {{Step::eq(1, 2), Step::atMost(3, 2), Step::atMost(5, 2), Step::atMost(6, 1)}, 4},
     .companyGapSize = 10},
    {.name = "LayoutNoshiSmall",
     .steps = {{Step::eq(1, 2), Step::atMost(3, 2), Step::atMost(7, 1)}, 3},
     .companyGapSize = 10},
    {.name = "LayoutWashiSmall",
     .steps = {{Step::eq(1, 2), Step::atMost(3, 2), Step::atMost(7, 1)}, 3},
     .companyGapSize = 10},
};

TemplateParameterSet member(Column column)
{
    return memberFromColumn<Columns>(NoshiRows, JointSizes, column, Extras[column]);
}

// Fields of flags no noshi member carries: the bold inscription cut, the
// three-column bold name and the card's trailing lines.
const NumberField NoshiUnused[] = {&P::OmoteIndentBoldCut, &P::TwoLineLeadCut, &P::PersonIndentSize,
                                   &P::PersonIndentBlanks, &P::TrailingLinesCard};

} // namespace

const TemplateParameterSet LayoutNoshiLarge = member(Large);
const TemplateParameterSet LayoutNoshiMedium = member(Medium);
const TemplateParameterSet LayoutNoshiSmall = member(Small);
const TemplateParameterSet LayoutWashiSmall = member(WashiSmall);

MemberTableFields noshiTable()
{
    static const TemplateParameterSet* const members[] = {&LayoutNoshiLarge, &LayoutNoshiMedium, &LayoutNoshiSmall,
                                                          &LayoutWashiSmall};
    return tableFields<Columns>("noshi", NoshiRows, NoshiUnused, members);
}

std::vector<MemberTableFields> memberTables()
{
    return {noshiTable(), traditionalSizeTable(), standardSizeTable(), stripTable(), stripSheetTable(),
            numberedModelTable(), modelWidePaperTable()};
}

std::span<const TemplateParameterSet* const> layoutMembers()
{
    static const std::vector<const TemplateParameterSet*> members = [] {
        std::vector<const TemplateParameterSet*> all = {
            &LayoutNoshiLarge, &LayoutNoshiMedium, &LayoutNoshiSmall, &LayoutWashiSmall,
        };
        for (std::span<const TemplateParameterSet* const> group :
             {traditionalSizeMembers(), standardSizeMembers(), stripMembers(), stripSheetMembers(),
              numberedModelMembers(), modelWidePaperMembers()})
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    return members;
}

const TemplateParameterSet* findLayoutMember(QStringView name)
{
    for (const TemplateParameterSet* member : layoutMembers())
        if (name == QLatin1String(member->MemberName))
            return member;
    return nullptr;
}

} // namespace layout
