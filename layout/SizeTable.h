// Sizes chosen by text length: the first row serves every length up to its
// own, the last every length from its own on, the rows between one length
// each. The first rows add the size option's delta, the rest are absolute.
#pragma once

#include "layout/Placement.h"
#include "layout/LayoutHost.h"
#include "layout/TemplateParameterSet.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <span>

namespace layout {

inline vb::Int16 sizeByLength(qsizetype length, int firstRowLength, std::span<const int16_t> rows,
                              int rowsWithDelta, int delta)
{
    const qsizetype row = std::clamp<qsizetype>(length - firstRowLength, 0, qsizetype(rows.size()) - 1);
    return row < rowsWithDelta ? add16(delta, rows[row]) : vb::Int16(rows[row]);
}

inline vb::Int16 sizeByLength(qsizetype length, int firstRowLength, std::initializer_list<int16_t> rows,
                              int rowsWithDelta, int delta)
{
    return sizeByLength(length, firstRowLength, std::span<const int16_t>(rows.begin(), rows.size()),
                        rowsWithDelta, delta);
}

// The size a joint-name table gives a name of that length: every row that
// holds replaces the size of an earlier one; no value when none holds.
inline std::optional<vb::Int16> jointSizeFor(const JointSizeTable& table, qsizetype length, bool writing,
                                             int delta, bool fixedSizes)
{
    std::optional<vb::Int16> size;
    for (const JointSizeRow& row : table) {
        const std::optional<int16_t>& value = writing ? row.write : row.measure;
        if (length < row.minLength || length > row.maxLength || !value)
            continue;
        size = row.addsDelta && !fixedSizes ? add16(delta, *value) : vb::Int16(*value);
    }
    return size;
}

// The size option as a delta: 0 for "標準", the member's value for the
// others; no option on keeps the earlier delta.
inline void applySizeOption(vb::Int16& delta, SizeOption option, int16_t larger, int16_t smaller, int16_t extra)
{
    switch (option) {
    case SizeOption::None: break;
    case SizeOption::Standard: delta = 0; break;
    case SizeOption::Larger: delta = larger; break;
    case SizeOption::Smaller: delta = smaller; break;
    case SizeOption::Extra: delta = extra; break;
    }
}

} // namespace layout
