// Parameter sets kept as a table: one row per field, one column per member,
// so that a group of sets reads against its source row by row.
#pragma once

#include "layout/ParameterFields.h"
#include "layout/TemplateParameterSet.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

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
    BoldPersonSizeTable boldPersonSize = {};
    // The longest joint name the short rows serve (JointShortLimit).
    int16_t jointShortLimit = 3;
};

// Joint-name sizes as the sets list them, a column per member: the rows
// Short, Len4 .. Len9 and Long of measuring and of writing, for each knot.
// The short row adds NameSizeDelta, under 結び切り also Len4 and Len5.
template <std::size_t Columns>
struct JointSizeRows {
    using Rows = std::array<std::array<int16_t, Columns>, 8>;
    enum Length : std::size_t { Short, Len4, Len5, Len6, Len7, Len8, Len9, Long };
    Rows bowMeasure, bowWrite, tieMeasure, tieWrite;

    // A table as another one but for the cells listed: the write table of a
    // set that writes its names at the sizes it measures them, bar a few.
    struct Cell {
        Length length;
        std::size_t column;
        int16_t size;
    };
    static constexpr Rows except(Rows rows, std::initializer_list<Cell> cells)
    {
        for (const Cell& c : cells)
            rows[c.length][c.column] = c.size;
        return rows;
    }

    static std::array<int16_t, 8> column(const Rows& rows, std::size_t c)
    {
        std::array<int16_t, 8> out{};
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = rows[i][c];
        return out;
    }
};

template <std::size_t Columns>
TemplateParameterSet memberFromColumn(std::span<const MemberRow<Columns>> rows, const JointSizeRows<Columns>& joint,
                                      std::size_t column, const MemberExtras& extras)
{
    TemplateParameterSet p;
    p.MemberName = extras.name;
    for (const MemberRow<Columns>& row : rows)
        p.*row.field = row.value[column];
    p.Flags = extras.flags;
    p.NameIndentSteps = extras.steps;
    p.CompanyGapSize = extras.companyGapSize;
    p.TitleGapSize = extras.titleGapSize;
    p.BoldPersonSize = extras.boldPersonSize;
    using J = JointSizeRows<Columns>;
    const int16_t shortLimit = extras.jointShortLimit;
    // A knotless set sizes every name from its 結び切り table and has no 蝶結び one.
    if (!extras.flags.KnotlessJointNames)
        p.BowSizes = JointSizeTable::byLength(shortLimit, J::column(joint.bowMeasure, column),
                                              J::column(joint.bowWrite, column), 3);
    p.TieSizes = JointSizeTable::byLength(shortLimit, J::column(joint.tieMeasure, column),
                                          J::column(joint.tieWrite, column), 5);
    return p;
}

// What one table says about the record's number fields, for the check that
// it gives each a value exactly once or leaves it out on purpose (a field
// whose flag no member of the table carries keeps the record's default).
struct MemberTableFields {
    const char* table = "";
    std::vector<NumberField> named;  // in row order, repeats kept
    std::vector<NumberField> unused; // left out on purpose
    std::vector<const TemplateParameterSet*> members;
};

template <std::size_t Columns>
std::vector<NumberField> rowFields(std::span<const MemberRow<Columns>> rows)
{
    std::vector<NumberField> out;
    for (const MemberRow<Columns>& row : rows)
        out.push_back(row.field);
    return out;
}

// What a table file says: its name, rows, fields left out and members.
template <std::size_t Columns>
MemberTableFields tableFields(const char* table, std::span<const MemberRow<Columns>> rows,
                              std::span<const NumberField> unused, std::span<const TemplateParameterSet* const> members)
{
    return {table, rowFields<Columns>(rows), {unused.begin(), unused.end()}, {members.begin(), members.end()}};
}

// The tables of each group (one function per table file) and all of them;
// a new table file adds its function here and to memberTables(), or the
// check that every member belongs to a table fails.
MemberTableFields noshiTable();
MemberTableFields traditionalSizeTable();
MemberTableFields standardSizeTable();
MemberTableFields stripTable();
MemberTableFields stripSheetTable();
MemberTableFields numberedModelTable();
MemberTableFields modelWidePaperTable();
std::vector<MemberTableFields> memberTables();

} // namespace layout
