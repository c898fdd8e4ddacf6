// The box's own history: every change is a step, an edit block makes a
// command of several calls one step and one notification, and the
// notification names the range that changed.
#include "platform/richtext/RichTextBox.h"

#include <gtest/gtest.h>

using rt::EditBlock;
using rt::RichTextBox;

namespace {

struct Change {
    qsizetype from, removed, added;
    bool operator==(const Change&) const = default;
};

// Records the box's notifications.
struct Listener {
    explicit Listener(RichTextBox& box)
    {
        QObject::connect(&box, &RichTextBox::changed, [this] { ++changed; });
        QObject::connect(&box, &RichTextBox::contentsChange, [this](qsizetype f, qsizetype r, qsizetype a) {
            changes.push_back({f, r, a});
        });
    }
    int changed = 0;
    std::vector<Change> changes;
};

} // namespace

TEST(RichTextBoxHistory, EachCallIsAStepAndUndoBringsBackTextAndSelection)
{
    RichTextBox box;
    box.setSelText(QStringLiteral("御中元"));
    box.setSelText(QStringLiteral("山田"));
    EXPECT_EQ(box.undoCount(), 2);

    box.undo();
    EXPECT_EQ(box.text(), QStringLiteral("御中元"));
    EXPECT_EQ(box.selStart(), 3);
    EXPECT_TRUE(box.canRedo());
    box.redo();
    EXPECT_EQ(box.text(), QStringLiteral("御中元山田"));
    box.undo();
    box.undo();
    EXPECT_EQ(box.text(), QString());
    EXPECT_FALSE(box.canUndo());

    // Moving the selection is no step; clearing forgets every step.
    box.setSelText(QStringLiteral("内祝"));
    box.setSelStart(0);
    EXPECT_EQ(box.undoCount(), 1);
    box.clearUndo();
    EXPECT_FALSE(box.canUndo());
    EXPECT_FALSE(box.canRedo());
}

TEST(RichTextBoxHistory, AFormatCommandInABlockIsOneStepAndOneNotification)
{
    RichTextBox box;
    box.setText(QStringLiteral("寿御祝山田"));
    box.clearUndo();
    box.setSelStart(2);
    box.setSelLength(3);
    Listener seen(box);
    {
        EditBlock command(box);
        box.setSelFontName(QStringLiteral("ＭＳ ゴシック"));
        box.setSelFontSize(24);
        box.setSelBold(true);
        EXPECT_EQ(seen.changed, 0); // nothing is told before the command ends
    }
    EXPECT_EQ(seen.changed, 1);
    EXPECT_EQ(seen.changes, (std::vector<Change>{{2, 3, 3}}));
    EXPECT_EQ(box.undoCount(), 1);

    box.undo();
    EXPECT_EQ(box.selFontSize(), 10.0);
    EXPECT_EQ(box.selBold(), false);
    EXPECT_EQ(box.selStart(), 2);
    EXPECT_EQ(box.selLength(), 3);
    EXPECT_FALSE(box.canUndo());
    // The undo itself is one notification over the whole text, and no step.
    EXPECT_EQ(seen.changed, 2);
    EXPECT_EQ(seen.changes.back(), (Change{0, 5, 5}));
}

TEST(RichTextBoxHistory, ChangesInABlockJoinIntoOneRange)
{
    // Worked by hand: positions of the text before and after the block.
    struct Case {
        const char* name;
        QString start;
        std::function<void(RichTextBox&)> edits;
        QString after;
        Change change;
    };
    const Case cases[] = {
        // "abc" typed, then "b" replaced by "XY": nothing old removed, four added.
        {"insert then replace inside", "", [](RichTextBox& b) {
             b.setSelText("abc");
             b.setSelStart(1);
             b.setSelLength(1);
             b.setSelText("XY");
         }, "aXYc", {0, 0, 4}},
        // "e" deleted, then "Z" put in front: old [0,5) "abcde" became "Zabcd".
        {"delete behind then insert in front", "abcdef", [](RichTextBox& b) {
             b.setSelStart(4);
             b.setSelLength(1);
             b.setSelText("");
             b.setSelStart(0);
             b.setSelText("Z");
         }, "Zabcdf", {0, 5, 5}},
        // A new line (two positions) at 2, then "Q" at the very end.
        {"two far apart", "abcd", [](RichTextBox& b) {
             b.setSelStart(2);
             b.setSelText("\r\n");
             b.setSelStart(6);
             b.setSelText("Q");
         }, "ab\r\ncdQ", {2, 2, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RichTextBox box;
        box.setText(c.start);
        box.clearUndo();
        Listener seen(box);
        {
            EditBlock block(box);
            c.edits(box);
        }
        EXPECT_EQ(box.text(), c.after);
        ASSERT_EQ(seen.changes.size(), 1u);
        EXPECT_EQ(seen.changes[0], c.change);
        EXPECT_EQ(seen.changed, 1);
        box.undo();
        EXPECT_EQ(box.text(), c.start);
    }
}

TEST(RichTextBoxHistory, NestedAndEmptyBlocksAndTypingRuns)
{
    RichTextBox box;
    Listener seen(box);
    {
        EditBlock outer(box);
        {
            EditBlock inner(box);
            box.setSelText(QStringLiteral("御"));
        }
        EXPECT_EQ(seen.changed, 0); // the inner end is not the command's end
        box.setSelText(QStringLiteral("礼"));
        box.undo();                         // refused inside a block
    }
    EXPECT_EQ(seen.changed, 1);
    EXPECT_EQ(box.text(), QStringLiteral("御礼"));
    EXPECT_EQ(box.undoCount(), 1);

    // A block that changed nothing is no step and tells nothing.
    { EditBlock nothing(box); }
    EXPECT_EQ(box.undoCount(), 1);
    EXPECT_EQ(seen.changed, 1);

    // Typing joins typing until the run is broken.
    for (const char* ch : {"a", "b"}) {
        EditBlock typed(box, rt::EditHistory::Kind::Typing);
        box.setSelText(QString::fromLatin1(ch));
    }
    box.breakTypingRun();
    {
        EditBlock typed(box, rt::EditHistory::Kind::Typing);
        box.setSelText(QStringLiteral("c"));
    }
    EXPECT_EQ(box.undoCount(), 3);
    box.undo();
    EXPECT_EQ(box.text(), QStringLiteral("御礼ab"));
    box.undo();
    EXPECT_EQ(box.text(), QStringLiteral("御礼"));
}
