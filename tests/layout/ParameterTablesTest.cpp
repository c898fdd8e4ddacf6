// The parameter-set tables as the sets grow: every table gives each number
// field of the record a value exactly once, or leaves it out on purpose, and
// only a field that no member of the table can read may be left out.
#include "layout/LayoutMembers.h"
#include "layout/MemberTable.h"
#include "layout/ParameterFields.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

using namespace layout;

namespace {

// The number of fields of an aggregate: the most initialisers it takes.
struct AnyValue {
    template <class T>
    operator T() const;
};
template <class T, std::size_t... I>
constexpr bool takes(std::index_sequence<I...>)
{
    return requires { T{(void(I), AnyValue{})...}; };
}
template <class T, std::size_t N = 0>
constexpr std::size_t fieldCount()
{
    if constexpr (!takes<T>(std::make_index_sequence<N + 1>{}))
        return N;
    else
        return fieldCount<T, N + 1>();
}

TEST(ParameterTables, FieldListsHoldEveryFieldOfTheRecordOnce)
{
    // A field added to the record without a name here fails this first.
    EXPECT_EQ(fieldCount<TemplateParameterSet>(), numberFields().size() + OtherFieldCount);
    EXPECT_EQ(fieldCount<VariantFlags>(), flagFields().size());
    std::set<std::string> names;
    for (const NamedNumberField& f : numberFields()) {
        names.insert(f.name);
        // member pointers have no order: each is counted in the list
        EXPECT_EQ(std::count_if(numberFields().begin(), numberFields().end(),
                                [&](const NamedNumberField& g) { return g.field == f.field; }),
                  1)
            << f.name;
    }
    for (const NamedFlag& f : flagFields())
        names.insert(f.name);
    EXPECT_EQ(names.size(), numberFields().size() + flagFields().size());
    ASSERT_NE(findNumberField(u"JointSpacingNarrow"), nullptr);
    EXPECT_EQ(findNumberField(u"JointSpacingNarrow")->field, &TemplateParameterSet::JointSpacingNarrow);
    EXPECT_EQ(findNumberField(u"NoSuchField"), nullptr);
    ASSERT_NE(findFlag(u"NoIndentSteps"), nullptr);
    EXPECT_EQ(findFlag(u"NoIndentSteps")->flag, &VariantFlags::NoIndentSteps);
}

TEST(ParameterTables, EveryTableNamesEachFieldOnceOrLeavesItOutOnPurpose)
{
    for (const MemberTableFields& t : memberTables()) {
        for (const NamedNumberField& f : numberFields()) {
            const auto named = std::count(t.named.begin(), t.named.end(), f.field);
            const auto unused = std::count(t.unused.begin(), t.unused.end(), f.field);
            EXPECT_EQ(named + unused, 1) << t.table << ": " << f.name << " named " << named << " times, left out "
                                         << unused << " times";
        }
    }
}

// The flags that give a field a role; a field not listed is read by every member.
bool readBy(NumberField field, const VariantFlags& f)
{
    using P = TemplateParameterSet;
    if (field == &P::OmoteIndentBoldCut)
        return f.BoldOmoteIndent;
    if (field == &P::TwoLineLeadCut || field == &P::PersonIndentSize || field == &P::PersonIndentBlanks)
        return f.BoldLayout && !f.BoldTwoColumnName;
    if (field == &P::TrailingLinesCard)
        return f.TemplateTrailingLines;
    if (field == &P::TieIndentBase)
        return !f.KnotlessJointNames && !f.SingleJointIndent;
    return true;
}

TEST(ParameterTables, OnlyFieldsNoMemberReadsAreLeftOut)
{
    for (const MemberTableFields& t : memberTables())
        for (NumberField field : t.unused)
            for (const TemplateParameterSet* member : t.members)
                EXPECT_FALSE(readBy(field, member->Flags))
                    << t.table << " leaves out " << numberFieldName(field) << ", which " << member->MemberName
                    << " reads";
    // The rule itself, on a flag each.
    using P = TemplateParameterSet;
    EXPECT_TRUE(readBy(&P::OmoteIndentBoldCut, {.BoldOmoteIndent = true}));
    EXPECT_TRUE(readBy(&P::PersonIndentBlanks, {.BoldLayout = true}));
    EXPECT_FALSE(readBy(&P::PersonIndentBlanks, {.BoldLayout = true, .BoldTwoColumnName = true}));
    EXPECT_FALSE(readBy(&P::TieIndentBase, {.SingleJointIndent = true}));
    EXPECT_TRUE(readBy(&P::JointSpacingNarrow, {}));
}

TEST(ParameterTables, EveryMemberBelongsToOneTable)
{
    std::multiset<const TemplateParameterSet*> inTables;
    for (const MemberTableFields& t : memberTables())
        inTables.insert(t.members.begin(), t.members.end());
    for (const TemplateParameterSet* member : layoutMembers())
        EXPECT_EQ(inTables.count(member), 1u) << member->MemberName;
    EXPECT_EQ(inTables.size(), layoutMembers().size());
}

// Each flag that changes what the layout writes has a trace case of its own
// on the made-up set. AbortOnError changes nothing written: every member
// already ends at the first failure.
TEST(ParameterTables, EveryFlagHasATraceCaseOfItsOwn)
{
    const QDir dir(QStringLiteral(NOSHI_TEST_FIXTURES "/layout/one_flag"));
    std::set<std::string> tried;
    for (const QString& name : dir.entryList({QStringLiteral("*.json")})) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        for (const QJsonValue& v : QJsonDocument::fromJson(f.readAll()).object()[QStringLiteral("flags")].toArray())
            tried.insert(v.toString().toStdString());
    }
    for (const NamedFlag& flag : flagFields())
        EXPECT_TRUE(std::string(flag.name) == "AbortOnError" || tried.count(flag.name)) << flag.name;
}

} // namespace
