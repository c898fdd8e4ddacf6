// Parameter sets kept as a table: one row per field, one column per member,
// so that a group of sets reads against its source row by row.
#pragma once

#include "layout/TemplateParameterSet.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace layout {

template <std::size_t Columns>
struct MemberRow {
    int16_t TemplateParameterSet::*field;
    std::array<int16_t, Columns> value;
};

// What a column holds besides its rows.
struct MemberExtras {
    const char* name = "";
    VariantFlags flags = {};
    NameIndentStepList steps = {};
    std::optional<int16_t> companyGapSize = {};
    std::optional<int16_t> titleGapSize = {};
    std::optional<int16_t> boldPersonIndent = {};
    BoldPersonSizeTable boldPersonSize = {};
};

template <std::size_t Columns>
TemplateParameterSet memberFromColumn(std::span<const MemberRow<Columns>> rows, std::size_t column,
                                      const MemberExtras& extras)
{
    TemplateParameterSet p;
    p.MemberName = extras.name;
    for (const MemberRow<Columns>& row : rows)
        p.*row.field = row.value[column];
    p.Flags = extras.flags;
    p.NameIndentSteps = extras.steps;
    p.CompanyGapSize = extras.companyGapSize;
    p.TitleGapSize = extras.titleGapSize;
    p.BoldPersonIndent = extras.boldPersonIndent;
    p.BoldPersonSize = extras.boldPersonSize;
    return p;
}

} // namespace layout
