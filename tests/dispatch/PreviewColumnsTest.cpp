// The main window's sketches of the inscription and the name show as many
// columns as the paper gets, whatever template is chosen.
#include "DispatchSupport.h"

#include "model/TemplateCatalogue.h"
#include "platform/richtext/TextLayout.h"

namespace {

// Columns of a vertical box that hold text; blank lines and columns of
// blanks only do not count.
int textColumns(const rt::RichTextBox& box)
{
    const QString text = box.text();
    int n = 0;
    for (const rt::LaidLine& line : box.layout()->lines())
        n += !text.mid(line.start, line.length).trimmed().isEmpty();
    return n;
}

// The sketches write at sizes of their own; on every sheet they part the
// text into as many columns as the layout puts on paper: a typical pair,
// and a two-character inscription with a name long enough to wrap on the
// smaller sheets.
TEST_F(DispatchTest, MainWindowPreviewsShowThePapersColumnsForEveryTemplate)
{
    struct Texts {
        const char* omote;
        const char* name;
    } const texts[] = {{"御中元", "山田太郎"}, {"御祝", "山田太郎左衛門之助右衛門"}};
    const app::BuiltinTemplateCatalogue& cat = app::catalogue();
    int checked = 0;
    for (int i = 0; i <= app::BuiltinTemplateCatalogue::TemplateCount; ++i) {
        const QString key = cat.row(i).key();
        if (cat.row(i).isEmpty() || key == noshi::PrintDispatcher::FreeSizeKey)
            continue;
        chooseSize(key, 0, 0, key.trimmed());
        for (const Texts& t : texts) {
            SCOPED_TRACE(key.toStdString() + " " + t.omote + " " + t.name);
            // Typed as the user does: each change redraws its sketch.
            forms::setText(w->Combo2, QString::fromUtf8(t.omote));
            forms::setText(w->Text2, QString::fromUtf8(t.name));
            const int sketchOmote = textColumns(*w->RichTextBox1);
            const int sketchName = textColumns(*w->RichTextBox2);

            ASSERT_EQ(run(1), noshi::PrintDispatcher::Outcome::Edited) << dispatcher->lastMessage().toStdString();
            EXPECT_EQ(sketchOmote, textColumns(*pv()->RichTextBox1)) << "inscription";
            EXPECT_EQ(sketchName, textColumns(*pv()->RichTextBox2)) << "name";
        }
        ++checked;
    }
    EXPECT_EQ(checked, 78); // every row but the free strip
}

} // namespace
