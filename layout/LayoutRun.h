// One run of LayoutTemplate: the steps A1 to F1 over one parameter set.
// Internal to the layout area; callers use LayoutTemplate().
#pragma once

#include "layout/LayoutContext.h"
#include "layout/LayoutHost.h"
#include "layout/LayoutInputs.h"
#include "layout/OmoteExtensions.h"
#include "layout/Placement.h"
#include "layout/TemplateParameterSet.h"

#include <optional>

namespace rt { class RichTextBox; }

namespace layout {

class LayoutRun {
public:
    LayoutRun(const TemplateParameterSet& p, LayoutContext& ctx, const LayoutInputs& in,
              LayoutHost& host, rt::RichTextBox& omoteBox, rt::RichTextBox& nameBox);

    void run();

private:
    // A1..A10: the inscription column.
    void ReadOmoteSizeOption();
    void MeasureOmote();
    void BeginOmoteBox();
    void AdjustForShoulderTitles();
    void WriteOmoteTopLines();
    void PlaceShoulderTitles();
    void PlaceTwoLineOmote();
    void IndentOmote();
    void WriteOmote();
    // True when the layout ends after the inscription.
    bool StopForObjectFile() const;
    int omoteSizeForLength(qsizetype length) const; // OmoteSizeLen1..4, 0 for length 0

    // B0: the branch on the name style.
    void ChooseNameStyle();

    // B1..B7 one-line name
    void layOutOneLineName();
    void PrepareNameText();
    void ReadNameSizeOption();
    void MeasureName();
    void WriteNameTopLines(bool furigana);
    void PlaceFurigana();
    void IndentName();
    void WriteName();

    // C1..C8 two-line name
    void layOutTwoLineName();
    void PrepareTwoLineName();
    void ReadTwoLineSizeOption();
    void MeasureTwoLineName();
    void WriteTwoLineTopLines();
    void IndentCompany();
    void WriteCompany();
    void WriteTitle();
    void WritePersonName();
    // Bold sets without BoldTwoColumnName give the title and the person a
    // column each.
    bool threeNameColumns() const { return p_.Flags.BoldLayout && !p_.Flags.BoldTwoColumnName; }

    // D1..D7 joint names
    void layOutJointNames();
    void ReadJointSizeOption();
    void ForceKnotForTwoNames();
    void ReadJointSpacing();
    void MeasureJointNames();
    void WriteJointTopLines();
    void IndentJointNames();
    void WriteJointNames();
    // The knot's table, or the one table; no value when no row covers the length.
    std::optional<vb::Int16> jointSize(qsizetype length, bool bow, bool writing) const;
    // 蝶結び chosen, on a set that has the knot choice.
    bool jointBow() const;

    // E1, F1
    void PlaceAddressBlock();
    void PadTrailingLines();

    bool bold(bool box) const { return p_.Flags.BoldLayout || box; }
    // Bold members write the blank lines at the head of the name box bold.
    bool boldNameLines() const { return threeNameColumns(); }
    vb::Int16 nameDeltaPlus(int16_t base) const { return add16(ctx_.NameSizeDelta, base); }

    const TemplateParameterSet& p_;
    LayoutContext& ctx_;
    const LayoutInputs& in_;
    LayoutHost& host_;
    rt::RichTextBox& omoteBox_;
    rt::RichTextBox& nameBox_;
    Placement place_;
    OmoteExtensions ext_;

    // Belong to one run of the joint-name steps D1 to D7.
    int jointCount_ = 0;
    int JointSpacingSize = 0;
};

} // namespace layout
