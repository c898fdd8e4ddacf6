#include "layout/ParameterFields.h"

#include <QLatin1String>

namespace layout {

namespace {

#define F(x) NamedNumberField{#x, &TemplateParameterSet::x}
const NamedNumberField Numbers[] = {
    // clang-format off
    F(OmoteDeltaLarger), F(OmoteDeltaSmaller), F(OmoteDeltaExtra), F(OmoteDeltaExtraLong), F(TwoLineOmoteMeasureBase),
    F(ShoulderTitleMeasureBase), F(ShoulderTitleWriteBase), F(ShoulderTitleIndent), F(TwoLineOmoteWriteBase),
    F(TwoLineOmoteIndent), F(OmoteIndentLen1), F(OmoteIndentLen2), F(OmoteIndentLen3), F(OmoteIndentLong),
    F(OmoteIndentExtraCut), F(OmoteIndentLargerCut), F(OmoteIndentBoldCut), F(NameDeltaLargerShort),
    F(NameDeltaLarger5Short), F(NameDeltaSmallerShort), F(NameDeltaLargerLong), F(NameDeltaSmallerLong),
    F(NameDeltaExtra), F(NameDeltaExtra4), F(NameDeltaExtra5), F(NameSizeLen1), F(NameSizeLen2), F(NameSizeLen3),
    F(NameSizeLen4), F(NameSizeLen5), F(NameSizeLen6), F(NameSizeLen7), F(NameSizeLen8), F(NameSizeLen9),
    F(NameSizeLong), F(FuriganaLineCut), F(FuriganaSize), F(FuriganaIndent), F(FuriganaGapSize), F(NameIndentBase),
    F(NameIndentExtraCut), F(NameIndentFloor), F(NameWriteSizeLen1), F(NameWriteSizeLen2), F(NameWriteSizeLen3),
    F(NameWriteSizeLen4), F(NameWriteSizeLen5), F(NameWriteSizeLen6), F(NameWriteSizeLen7), F(NameWriteSizeLen8),
    F(NameWriteSizeLen9), F(NameWriteSizeLong), F(NameLetterGapSize), F(NameLetterGap), F(TwoLineDeltaLarger),
    F(TwoLineDeltaSmaller), F(TwoLineDeltaExtra), F(TwoLineMeasureBase), F(CompanyIndentBase), F(CompanyIndentFloor),
    F(CompanySizeBase), F(CompanySizeLen11), F(CompanySizeLen12), F(CompanySizeLen13), F(CompanySizeLen14),
    F(CompanySizeLong), F(TitleIndentSize), F(TitleSize), F(PersonCharSize), F(PersonGapSize), F(TwoLineLeadCut),
    F(PersonIndentSize), F(PersonIndentBlanks), F(JointDeltaLarger), F(JointDeltaSmaller), F(JointDeltaExtra),
    F(JointSpacingNormal), F(JointSpacingNarrow), F(BowIndentBase), F(TieIndentBase), F(BowIndentCutMany),
    F(BowIndentCutFour), F(JointIndentFloor), F(AddressIndentBase), F(AddressPostalSize), F(AddressLineSize),
    F(AddressText1Size), F(AddressText9Size), F(TrailingLineSize), F(TrailingLinesOmote), F(TrailingLinesName),
    F(TrailingLinesCard),
    // clang-format on
};
#undef F

#define G(x) NamedFlag{#x, &VariantFlags::x}
const NamedFlag Flags[] = {
    G(AbortOnError), G(BoldLayout), G(BoldTwoColumnName), G(BoldOmoteIndent), G(UnsplitTwoCharOmote),
    G(NameTextUntrimmed), G(KnotlessJointNames), G(SingleJointSizeTable), G(FixedJointSizes), G(NarrowTitleIndent),
    G(NoFourNameCut), G(NoJointIndentCuts), G(SingleJointIndent), G(ExtraNameBlanks), G(NoIndentSteps),
    G(TemplateTrailingLines), G(GapFieldFurigana), G(NoNameLetterSpacing),
};
#undef G

} // namespace

std::span<const NamedNumberField> numberFields() { return Numbers; }
std::span<const NamedFlag> flagFields() { return Flags; }

const NamedNumberField* findNumberField(QStringView name)
{
    for (const NamedNumberField& f : Numbers)
        if (name == QLatin1String(f.name))
            return &f;
    return nullptr;
}

const NamedFlag* findFlag(QStringView name)
{
    for (const NamedFlag& f : Flags)
        if (name == QLatin1String(f.name))
            return &f;
    return nullptr;
}

const char* numberFieldName(NumberField field)
{
    for (const NamedNumberField& f : Numbers)
        if (f.field == field)
            return f.name;
    return "";
}

} // namespace layout
