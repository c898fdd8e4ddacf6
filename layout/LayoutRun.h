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
    // A1..A10; false when the layout ends at A10.
    bool layOutOmote();
    void ReadOmoteSizeOption();
    void MeasureOmote();
    void AdjustForShoulderTitles();
    void PlaceShoulderTitles();
    void PlaceTwoLineOmote();
    void IndentOmote();
    void WriteOmote();
    int omoteSizeForLength(qsizetype length) const; // OmoteSizeLen1..4, 0 for length 0

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
    void WriteCompany();
    void WriteTitleAndPerson();
    void WriteBoldTitleAndPerson();

    // D1..D7 joint names
    void layOutJointNames();
    // The knot's table, or the one table; no value when no row covers the length.
    std::optional<vb::Int16> jointSize(qsizetype length, bool bow, bool writing) const;

    // E1, F1
    void PlaceAddressBlock();
    void PadTrailingLines();

    bool bold(bool box) const { return p_.Flags.BoldLayout || box; }
    // Bold members write the blank lines at the head of the name box bold.
    bool boldNameLines() const { return p_.Flags.BoldLayout && !p_.Flags.BoldTwoColumnName; }
    vb::Int16 nameDeltaPlus(int16_t base) const { return add16(ctx_.NameSizeDelta, base); }

    const TemplateParameterSet& p_;
    LayoutContext& ctx_;
    const LayoutInputs& in_;
    LayoutHost& host_;
    rt::RichTextBox& omoteBox_;
    rt::RichTextBox& nameBox_;
    Placement place_;
    OmoteExtensions ext_;
};

} // namespace layout
