// The constants and variant flags with which LayoutTemplate lays out one
// group of paper templates. The engine is written once; a member is one
// value of this record. Sizes are points, indents are 10-point half-width
// blanks unless a field says otherwise, counts are lines.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace layout {

// One entry of NameIndentSteps: a test on the name length and the blanks
// added when it holds. Entries are cumulative: every entry that holds adds.
struct NameIndentStep {
    enum class Test : uint8_t { Equal, AtMost, Between };
    Test test = Test::Equal;
    int16_t low = 0;   // n of =n and <=n, a of a..b
    int16_t high = 0;  // b of a..b
    int16_t amount = 0;

    constexpr bool holds(int length) const
    {
        switch (test) {
        case Test::Equal: return length == low;
        case Test::AtMost: return length <= low;
        case Test::Between: return length >= low && length <= high;
        }
        return false;
    }
    static constexpr NameIndentStep eq(int16_t n, int16_t amount) { return {Test::Equal, n, 0, amount}; }
    static constexpr NameIndentStep atMost(int16_t n, int16_t amount) { return {Test::AtMost, n, 0, amount}; }
    static constexpr NameIndentStep between(int16_t a, int16_t b, int16_t amount) { return {Test::Between, a, b, amount}; }
};

// 0 to 6 entries, in the order they are applied.
struct NameIndentStepList {
    std::array<NameIndentStep, 6> entries{};
    int count = 0;
    const NameIndentStep* begin() const { return entries.data(); }
    const NameIndentStep* end() const { return entries.data() + count; }
};

// Person-name size of the bold three-column two-line name, by its length.
struct BoldPersonSizeTable {
    int16_t Len4OrLess = 0; // + NameSizeDelta
    int16_t Len5 = 0;       // + NameSizeDelta
    int16_t Len6 = 0;
    int16_t Len7 = 0;
    int16_t Len8 = 0;
    int16_t Len9 = 0;
    int16_t Long = 0;       // 10 or more
};

struct VariantFlags {
    // The first failure ends the layout and is reported to the caller;
    // a negative blank count is then a failure instead of writing nothing.
    bool AbortOnError = false;
    // Measures and writes bold whatever the bold boxes say; three-column
    // two-line name with BoldPersonSize (see BoldTwoColumnName).
    bool BoldLayout = false;
    // Bold member that keeps the two-column, letter-spaced two-line name and
    // writes the blank lines of the name groups without bold.
    bool BoldTwoColumnName = false;
    bool UnsplitTwoCharOmote = false;
    bool NameTextUntrimmed = false;
    // Joint names without the knot choice: the 結び切り tables, the
    // BowIndentBase and both cuts whatever the window says, no forced knot.
    bool KnotlessJointNames = false;
    bool FixedJointSizes = false;
    bool NarrowTitleIndent = false;
    bool NoFourNameCut = false;
    bool NoJointIndentCuts = false;
    bool ExtraNameBlanks = false;
    bool NoIndentSteps = false;
    bool TemplateTrailingLines = false;
    bool GapFieldFurigana = false;
    bool NoNameLetterSpacing = false;
};

struct TemplateParameterSet {
    const char* MemberName = ""; // "LayoutNoshiLarge" ...

    // A1 inscription size option
    int16_t OmoteDeltaLarger = 0, OmoteDeltaSmaller = 0, OmoteDeltaExtra = 0, OmoteDeltaExtraLong = 0;
    // A2, A4, A6, A7 two-line inscription and shoulder titles
    int16_t TwoLineOmoteMeasureBase = 0, ShoulderTitleMeasureBase = 0, ShoulderTitleWriteBase = 0;
    int16_t ShoulderTitleIndent = 0, TwoLineOmoteWriteBase = 0, TwoLineOmoteIndent = 0;
    // A8 inscription indent
    int16_t OmoteIndentLen1 = 0, OmoteIndentLen2 = 0, OmoteIndentLen3 = 0, OmoteIndentLong = 0;
    int16_t OmoteIndentExtraCut = 0;

    // B2 name size option
    int16_t NameDeltaLargerShort = 0, NameDeltaLarger5Short = 0, NameDeltaSmallerShort = 0;
    int16_t NameDeltaLargerLong = 0, NameDeltaSmallerLong = 0;
    int16_t NameDeltaExtra = 0, NameDeltaExtra4 = 0, NameDeltaExtra5 = 0;
    // B3 measuring sizes: Len1..Len5 + NameSizeDelta, the rest absolute
    int16_t NameSizeLen1 = 0, NameSizeLen2 = 0, NameSizeLen3 = 0, NameSizeLen4 = 0, NameSizeLen5 = 0;
    int16_t NameSizeLen6 = 0, NameSizeLen7 = 0, NameSizeLen8 = 0, NameSizeLen9 = 0, NameSizeLong = 0;
    // B4, B5 furigana
    int16_t FuriganaLineCut = 0, FuriganaSize = 0, FuriganaIndent = 0, FuriganaGapSize = 0;
    // B6 name indent
    int16_t NameIndentBase = 0, NameIndentExtraCut = 0, NameIndentFloor = 0;
    NameIndentStepList NameIndentSteps;
    // B7 writing sizes: Len1..Len5 + NameSizeDelta, the rest absolute
    int16_t NameWriteSizeLen1 = 0, NameWriteSizeLen2 = 0, NameWriteSizeLen3 = 0, NameWriteSizeLen4 = 0;
    int16_t NameWriteSizeLen5 = 0, NameWriteSizeLen6 = 0, NameWriteSizeLen7 = 0, NameWriteSizeLen8 = 0;
    int16_t NameWriteSizeLen9 = 0, NameWriteSizeLong = 0;
    int16_t NameLetterGapSize = 0, NameLetterGap = 0;

    // C2 to C8 two-line name
    int16_t TwoLineDeltaLarger = 0, TwoLineDeltaSmaller = 0, TwoLineDeltaExtra = 0;
    int16_t TwoLineMeasureBase = 0;
    int16_t CompanyIndentBase = 0, CompanyIndentFloor = 0;
    int16_t CompanySizeBase = 0, CompanySizeLen11 = 0, CompanySizeLen12 = 0, CompanySizeLen13 = 0;
    int16_t CompanySizeLen14 = 0, CompanySizeLong = 0;
    std::optional<int16_t> CompanyGapSize; // only bold sets may leave it out
    int16_t TitleIndentSize = 0, TitleSize = 0;
    int16_t PersonCharSize = 0, PersonGapSize = 0;
    // bold three-column form only
    int16_t BoldTwoLineLeadCut = 0;
    std::optional<int16_t> TitleGapSize;
    std::optional<int16_t> BoldPersonIndent; // 2 when not given
    BoldPersonSizeTable BoldPersonSize;

    // D1 to D7 joint names
    int16_t JointDeltaLarger = 0, JointDeltaSmaller = 0, JointDeltaExtra = 0;
    int16_t JointSpacingNormal = 0, JointSpacingNarrow = 3;
    int16_t BowSizeShort = 0, BowSizeLen4 = 0, BowSizeLen5 = 0, BowSizeLen6 = 0, BowSizeLen7 = 0;
    int16_t BowSizeLen8 = 0, BowSizeLen9 = 0, BowSizeLong = 0;
    int16_t TieSizeShort = 0, TieSizeLen4 = 0, TieSizeLen5 = 0, TieSizeLen6 = 0, TieSizeLen7 = 0;
    int16_t TieSizeLen8 = 0, TieSizeLen9 = 0, TieSizeLong = 0;
    int16_t BowIndentBase = 0, TieIndentBase = 0, BowIndentCutMany = 0, BowIndentCutFour = 0;
    int16_t JointIndentFloor = 0;
    int16_t BowWriteSizeShort = 0, BowWriteSizeLen4 = 0, BowWriteSizeLen5 = 0, BowWriteSizeLen6 = 0;
    int16_t BowWriteSizeLen7 = 0, BowWriteSizeLen8 = 0, BowWriteSizeLen9 = 0, BowWriteSizeLong = 0;
    int16_t TieWriteSizeShort = 0, TieWriteSizeLen4 = 0, TieWriteSizeLen5 = 0, TieWriteSizeLen6 = 0;
    int16_t TieWriteSizeLen7 = 0, TieWriteSizeLen8 = 0, TieWriteSizeLen9 = 0, TieWriteSizeLong = 0;

    // E1 address block, F1 trailing lines
    int16_t AddressIndentBase = 0, AddressPostalSize = 0, AddressLineSize = 0;
    int16_t AddressText1Size = 0, AddressText9Size = 0;
    int16_t TrailingLineSize = 0, TrailingLinesOmote = 0, TrailingLinesName = 0;
    int16_t TrailingLinesCard = 0; // TemplateTrailingLines only

    VariantFlags Flags;
};

} // namespace layout
