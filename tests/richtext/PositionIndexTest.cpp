// Positions in a document found through an index kept across edits: each
// edit must leave the index as if it had been built anew.
#include "platform/richtext/DocumentEdit.h"

#include <gtest/gtest.h>

namespace {

using rt::edit::Location;

struct Expect {
    qsizetype pos;
    Location at;         // as a range start or a caret
    Location asRangeEnd; // where a range ending there ends
};

void check(rt::edit::PositionIndex& index, const rt::RichDocument& doc, const QString& text,
           const std::vector<Expect>& cases, qsizetype length)
{
    SCOPED_TRACE(text.toStdString());
    ASSERT_EQ(doc.plainText(), text);
    EXPECT_EQ(index.length(doc), length);
    for (const Expect& c : cases) {
        SCOPED_TRACE(c.pos);
        const Location a = index.locate(doc, c.pos), b = index.locate(doc, c.pos, true);
        EXPECT_EQ(a.paragraph, c.at.paragraph);
        EXPECT_EQ(a.offset, c.at.offset);
        EXPECT_EQ(b.paragraph, c.asRangeEnd.paragraph);
        EXPECT_EQ(b.offset, c.asRangeEnd.offset);
    }
}

TEST(PositionIndex, StaysRightThroughEditsAnywhere)
{
    rt::RichDocument doc;
    rt::edit::PositionIndex index;
    const rt::CharFormat f;
    // Written at the end, as the layout writes: "ab" | "c" | "" | "def".
    qsizetype at = 0;
    for (const QString& s : {QStringLiteral("ab\r\n"), QStringLiteral("c\r\n"), QStringLiteral("\r\n"),
                             QStringLiteral("def")})
        at = rt::edit::insertText(doc, at, s, f, &index);
    EXPECT_EQ(at, 12);
    // Paragraphs start at 0, 4, 7 and 9; a CR LF pair's middle belongs to the
    // paragraph before it, or to the next one as a range's end.
    check(index, doc, QStringLiteral("ab\r\nc\r\n\r\ndef"),
          {{0, {0, 0}, {0, 0}}, {2, {0, 2}, {0, 2}}, {3, {0, 2}, {1, 0}}, {4, {1, 0}, {1, 0}},
           {6, {1, 1}, {2, 0}}, {7, {2, 0}, {2, 0}}, {8, {2, 0}, {3, 0}}, {9, {3, 0}, {3, 0}},
           {12, {3, 3}, {3, 3}}, {99, {3, 3}, {3, 3}}, {-5, {0, 0}, {0, 0}}},
          12);

    // A new paragraph in the middle moves every start after it.
    EXPECT_EQ(rt::edit::insertText(doc, 5, QStringLiteral("X\r\nY"), f, &index), 9);
    check(index, doc, QStringLiteral("ab\r\ncX\r\nY\r\n\r\ndef"),
          {{4, {1, 0}, {1, 0}}, {7, {1, 2}, {2, 0}}, {8, {2, 0}, {2, 0}}, {11, {3, 0}, {3, 0}},
           {13, {4, 0}, {4, 0}}, {16, {4, 3}, {4, 3}}},
          16);

    // A range across three paragraph ends joins them: "ab" + "ef".
    rt::edit::removeRange(doc, 2, 14, &index);
    check(index, doc, QStringLiteral("abef"), {{0, {0, 0}, {0, 0}}, {4, {0, 4}, {0, 4}}, {9, {0, 4}, {0, 4}}},
          4);

    // An object takes one position.
    auto picture = std::make_shared<rt::EmbeddedObject>();
    EXPECT_EQ(rt::edit::insertObject(doc, 0, picture, f, &index), 1);
    EXPECT_EQ(rt::edit::insertText(doc, 5, QStringLiteral("\r\ng"), f, &index), 8);
    check(index, doc, QString(QChar(0xFFFC)) + QStringLiteral("abef\r\ng"),
          {{5, {0, 5}, {0, 5}}, {6, {0, 5}, {1, 0}}, {7, {1, 0}, {1, 0}}, {8, {1, 1}, {1, 1}}}, 8);
    EXPECT_EQ(index.paragraphStart(doc, 1), 7);
    EXPECT_EQ(index.paragraphStart(doc, 2), 10); // where one more would start
}

} // namespace
