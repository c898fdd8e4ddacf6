// The inscription guide as the main window's help menu opens it: a pick
// lands in the inscription box and redraws its preview, OK goes on to the
// name box, Cancel empties the inscription box and goes back to it.
#include "MainTestSupport.h"

#include "app/GuideHook.h"
#include "app/InputWindows.h"
#include "app/guide/NoshiLike.h"
#include "platform/richtext/RichTextBox.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

using namespace app;

namespace {
guide::NoshiLike* openGuide()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* g = qobject_cast<guide::NoshiLike*>(w); g && g->isVisible())
            return g;
    }
    return nullptr;
}
void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}
} // namespace

TEST_F(MainWindowTest, TheGuideFromTheHelpMenuWritesItsPickIntoTheInscriptionBox)
{
    NoshiMain& m = start();
    InputWindows inputs(m);
    inputs.install();
    installGuide(m);
    m.refreshCommandAvailability();
    m.show();
    ASSERT_TRUE(m.mnuHelpOmote->isEnabled());

    m.mnuHelpOmote->trigger();
    guide::NoshiLike* g = openGuide();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->windowTitle(), QStringLiteral("表書きの検索"));
    EXPECT_EQ(g->parentWidget(), nullptr); // it stays when the main window closes

    m.Combo1->setEditText(QStringLiteral("Ａ４")); // a size chosen: the preview draws
    emit g->MSFlexGrid(1)->cellClicked(6, 0); // "　御中元　　"
    EXPECT_EQ(m.Combo2->currentText(), QStringLiteral("御中元"));
    EXPECT_FALSE(m.RichTextBox1->text().isEmpty()); // the preview follows the box
    EXPECT_TRUE(m.RichTextBox1->text().contains(QStringLiteral("御中元")));

    g->Command4(0)->click(); // OK
    settle();
    EXPECT_EQ(m.Combo2->currentText(), QStringLiteral("御中元"));
    EXPECT_EQ(QApplication::focusWidget(), m.Text2);
    EXPECT_EQ(openGuide(), nullptr);

    // Opened again: Cancel empties the box and goes back to it.
    m.mnuHelpOmote->trigger();
    g = openGuide();
    ASSERT_NE(g, nullptr);
    emit g->MSFlexGrid(1)->cellClicked(41, 0); // "　寿　　　　"
    EXPECT_EQ(m.Combo2->currentText(), QStringLiteral("寿"));
    g->Command8(0)->click();
    settle();
    EXPECT_TRUE(m.Combo2->currentText().isEmpty());
    EXPECT_TRUE(QApplication::focusWidget() == m.Combo2 || QApplication::focusWidget() == m.Combo2->lineEdit());
    EXPECT_EQ(openGuide(), nullptr);
}
