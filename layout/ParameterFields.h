// The record's fields by name: the number fields and the variant flags, for
// tools that read a parameter set or a change of one from text, and for the
// check that every table gives each field a value or leaves it out on purpose.
#pragma once

#include "layout/TemplateParameterSet.h"

#include <QStringView>
#include <span>

namespace layout {

using NumberField = int16_t TemplateParameterSet::*;
using FlagField = bool VariantFlags::*;

struct NamedNumberField {
    const char* name;
    NumberField field;
};
struct NamedFlag {
    const char* name;
    FlagField flag;
};

// Every int16_t field of TemplateParameterSet, in the record's order.
std::span<const NamedNumberField> numberFields();
// Every flag of VariantFlags, in the record's order.
std::span<const NamedFlag> flagFields();

// The field or flag of that name; nullptr when there is none.
const NamedNumberField* findNumberField(QStringView name);
const NamedFlag* findFlag(QStringView name);
// The name of a number field ("" when it is not in the list).
const char* numberFieldName(NumberField field);

// Fields of the record that are not number fields: MemberName,
// NameIndentSteps, CompanyGapSize, TitleGapSize, BoldPersonSize, BowSizes,
// TieSizes and Flags.
constexpr int OtherFieldCount = 8;

} // namespace layout
