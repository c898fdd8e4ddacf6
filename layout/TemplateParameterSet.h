// The constants and variant flags with which LayoutTemplate lays out one
// group of paper templates. The engine is written once; a member is one
// value of this record. Sizes are points, indents are 10-point half-width
// blanks unless a field says otherwise, counts are lines.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
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

// One row of a joint-name size table (measuring in D4, writing in D7): the
// sizes of names of minLength to maxLength characters. The rows of a table
// are tested in order on the name's length and every row that holds sets the
// size, so a later row replaces an earlier one (a set's "exactly 5" row after
// its "5 or fewer" row). A column left empty is a row that column does not
// have: the size an earlier row gave stays.
struct JointSizeRow {
    static constexpr int16_t AnyLength = std::numeric_limits<int16_t>::max(); // "or more"
    int16_t minLength = 0;
    int16_t maxLength = 0;
    std::optional<int16_t> measure; // points
    std::optional<int16_t> write;   // points
    // The row's sizes are NameSizeDelta + value (ignored under FixedJointSizes).
    bool addsDelta = false;
};

// A joint-name size table of up to 12 rows, chosen per parameter set.
struct JointSizeTable {
    std::array<JointSizeRow, 12> rows{};
    int count = 0;
    const JointSizeRow* begin() const { return rows.data(); }
    const JointSizeRow* end() const { return rows.data() + count; }

    // The common shape, from a set's Short, Len4 .. Len9 and Long values
    // (measure: BowSize*/TieSize*, write: BowWriteSize*/TieWriteSize*):
    // the short row covers names of 0 to shortLimit characters and adds
    // NameSizeDelta; then one row per length up to 9, where lengths up to
    // deltaUpTo add NameSizeDelta too; then 10 or more. shortLimit is the
    // set's JointShortLimit: 3 in most sets, 5 where a set's short row
    // reaches five characters (its Len4 and Len5 values are then unused).
    static constexpr JointSizeTable byLength(int16_t shortLimit, const std::array<int16_t, 8>& measure,
                                             const std::array<int16_t, 8>& write, int16_t deltaUpTo)
    {
        JointSizeTable t;
        t.rows[t.count++] = {0, shortLimit, measure[0], write[0], true};
        for (int16_t length = int16_t(shortLimit + 1); length <= 9; ++length)
            t.rows[t.count++] = {length, length, measure[length - 3], write[length - 3], length <= deltaUpTo};
        t.rows[t.count++] = {10, JointSizeRow::AnyLength, measure[7], write[7], false};
        return t;
    }
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
    // The first failure ends the layout and is reported to the caller. Here
    // every member does so (a 16-bit overflow, a size out of range), so the
    // flag only records the set's failure mode; a negative blank count is no
    // failure in any member: it writes no blanks.
    bool AbortOnError = false;
    // Measures in bold (from the one-line inscription's measuring on) and
    // writes its own text bold whatever the bold boxes say: the inscription,
    // furigana, names, company, title and address items. The blank lines at
    // the head of both boxes are bold too, and so are the blanks written after
    // them. The shoulder titles and the two-line inscription still follow the
    // inscription bold box. Three-column two-line name with BoldPersonSize,
    // TwoLineLeadCut, TitleGapSize, PersonIndentSize and PersonIndentBlanks
    // (see BoldTwoColumnName).
    bool BoldLayout = false;
    // Bold member that keeps the two-column, letter-spaced two-line name and
    // writes the blank lines of the name groups without bold.
    bool BoldTwoColumnName = false;
    // A8 takes OmoteIndentBoldCut off the inscription's indent when the
    // inscription bold box is ticked.
    bool BoldOmoteIndent = false;
    bool UnsplitTwoCharOmote = false;
    bool NameTextUntrimmed = false;
    // Joint names without the knot choice: the 結び切り tables, the
    // BowIndentBase and both cuts whatever the window says, no forced knot.
    bool KnotlessJointNames = false;
    // D4 and D7 size every joint name from TieSizes, the set's one table,
    // whichever knot is chosen; the knot still rules D2 and D6.
    bool SingleJointSizeTable = false;
    // Joint-name rows marked addsDelta are used without NameSizeDelta.
    bool FixedJointSizes = false;
    bool NarrowTitleIndent = false;
    bool NoFourNameCut = false;
    // D6 takes neither BowIndentCutMany nor BowIndentCutFour.
    bool NoJointIndentCuts = false;
    // D6 indents every joint name by BowIndentBase whatever the knot; the
    // knot still rules D2, D4 and D7.
    bool SingleJointIndent = false;
    bool ExtraNameBlanks = false;
    bool NoIndentSteps = false;
    bool TemplateTrailingLines = false;
    bool GapFieldFurigana = false;
    // B7 writes a 3- or 4-character one-line name as one run (also known as
    // NoNameLetterGap); the two-character split stays.
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
    int16_t OmoteIndentExtraCut = 0;  // 特大
    int16_t OmoteIndentLargerCut = 0; // 大きめ, after the 特大 cut
    int16_t OmoteIndentBoldCut = 0;   // BoldOmoteIndent only, after the 大きめ cut

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
    int16_t TwoLineLeadCut = 0; // lines off LeadLines after C3 (BoldTwoLineLeadCut)
    // Size of the empty line after the title column; none: the title's size.
    std::optional<int16_t> TitleGapSize;
    int16_t PersonIndentSize = 10; // points of the blanks that lead the person column
    // Blanks after the ColumnIndent blanks before the person name
    // (also known as PersonExtraBlanks or BoldPersonIndent).
    int16_t PersonIndentBlanks = 2;
    BoldPersonSizeTable BoldPersonSize;

    // D1 to D7 joint names
    int16_t JointDeltaLarger = 0, JointDeltaSmaller = 0, JointDeltaExtra = 0;
    int16_t JointSpacingNormal = 0, JointSpacingNarrow = 3;
    // D4 measuring and D7 writing sizes by name length, one table per knot:
    // BowSizes for 蝶結び, TieSizes for 結び切り (and for every name under
    // KnotlessJointNames or SingleJointSizeTable). The set lists' BowSizeShort ..
    // BowSizeLong are the measure column of BowSizes, BowWriteSizeShort ..
    // BowWriteSizeLong its write column; likewise Tie*.
    JointSizeTable BowSizes, TieSizes;
    // D6. BowIndentCutMany is the cut for 3 or fewer names (also known as
    // BowIndentCutFew).
    int16_t BowIndentBase = 0, TieIndentBase = 0, BowIndentCutMany = 0, BowIndentCutFour = 0;
    int16_t JointIndentFloor = 0;

    // E1 address block, F1 trailing lines
    int16_t AddressIndentBase = 0, AddressPostalSize = 0, AddressLineSize = 0;
    int16_t AddressText1Size = 0, AddressText9Size = 0;
    int16_t TrailingLineSize = 0, TrailingLinesOmote = 0, TrailingLinesName = 0;
    int16_t TrailingLinesCard = 0; // TemplateTrailingLines only

    VariantFlags Flags;
};

} // namespace layout
