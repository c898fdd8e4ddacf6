// The guide window driven headless: what a pick, OK, Cancel, Escape and the
// close box do to the main window, and the prompts of the search tabs.
#include "app/guide/NoshiLike.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace guide;

namespace {

// Stands in for the main window: its inscription box and where the focus went.
struct FakeMain {
    QString inscription = QStringLiteral("御中元");
    QStringList writes;
    QString focus;

    GuideHost host()
    {
        return {[this](const QString& text) { inscription = text; writes << text; },
                [this] { focus = QStringLiteral("Text2"); },
                [this] { focus = QStringLiteral("Combo2"); }};
    }
};

class GuideWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = new NoshiLike(main.host());
        window->show();
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
    }
    void TearDown() override { delete window.data(); }

    void key(QWidget* target, int code)
    {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
        QApplication::processEvents();
    }
    // Runs the keyword (tab 1) or phrase (tab 2) search and gives its grid.
    GuideGrid* search(int tab, const QString& text)
    {
        window->SSTab1()->setCurrentIndex(tab);
        window->Text1(tab - 1)->setText(text);
        (tab == 1 ? window->Command1() : window->Command2())->click();
        return window->MSFlexGrid(tab + 1);
    }
    bool closed()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

    FakeMain main;
    QPointer<NoshiLike> window;
};

} // namespace

TEST_F(GuideWindow, OpensOnTheFullListWithEmptyResultGrids)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("表書きの検索"));
    EXPECT_EQ(window->SSTab1()->currentIndex(), 0);
    EXPECT_EQ(window->SSTab1()->tabText(2), QStringLiteral("語句の検索（&W)"));
    EXPECT_EQ(window->MSFlexGrid(1)->rowCount(), 160);
    EXPECT_EQ(window->MSFlexGrid(2)->rowCount(), 0);
    EXPECT_EQ(window->MSFlexGrid(3)->rowCount(), 0);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(window->MSFlexGrid(n)->horizontalHeaderItem(0)->text(), QStringLiteral("表書き　　　　"));
    EXPECT_EQ(window->cancelButton(), window->Command8(0));
    EXPECT_EQ(window->MSFlexGrid(1)->font().family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(window->Text1(0)->font().family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(window->Label1(0)->text(), QStringLiteral("探したい表書きのｷｰﾜｰﾄﾞを入力してください。(&K)"));
    EXPECT_TRUE(main.writes.isEmpty()); // opening picks nothing
}

TEST_F(GuideWindow, OnlyInscriptionCellsPick)
{
    GuideGrid* grid = window->MSFlexGrid(1);
    // second cell of an inscription row, a header, an empty row, the notes
    for (auto [row, column] : {std::pair{1, 1}, {0, 0}, {12, 0}, {152, 0}, {156, 1}, {157, 0}, {159, 1}}) {
        emit grid->cellClicked(row, column);
        grid->setCurrentCell(row, column);
    }
    EXPECT_TRUE(main.writes.isEmpty());
    EXPECT_EQ(main.inscription, QStringLiteral("御中元"));

    emit grid->cellClicked(41, 0);
    EXPECT_EQ(main.inscription, QStringLiteral("寿"));
    EXPECT_EQ(window->Text2()->text(), QStringLiteral("寿"));
    grid->setCurrentCell(119, 0); // moving onto a cell picks as a click does
    EXPECT_EQ(main.inscription, QStringLiteral("○○回忌志"));
    EXPECT_EQ(window->Text2()->text(), QStringLiteral("○○回忌志"));
}

TEST_F(GuideWindow, ArrowKeysPickEachInscriptionOnTheWay)
{
    GuideGrid* grid = window->MSFlexGrid(1);
    grid->setFocus();
    key(grid, Qt::Key_Down); // onto row 1
    key(grid, Qt::Key_Down); // onto row 2
    EXPECT_EQ(main.writes, (QStringList{"御年賀", "御年始"}));
}

TEST_F(GuideWindow, KeywordSearchListsResultsAndPickSetsThePrompt)
{
    GuideGrid* grid = search(1, QStringLiteral("御見舞"));
    ASSERT_EQ(grid->rowCount(), 13);
    EXPECT_EQ(grid->cellText(10, 1), QStringLiteral("検索結果10件見つかりました。"));
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_TRUE(main.writes.isEmpty()); // taking the focus picks nothing

    emit grid->cellClicked(10, 0); // the count row
    EXPECT_TRUE(main.writes.isEmpty());
    emit grid->cellClicked(1, 0);
    EXPECT_EQ(main.inscription, QStringLiteral("暑中御見舞"));
    EXPECT_EQ(window->Text1(0)->text(), QStringLiteral("暑中御見舞"));
    EXPECT_EQ(window->Label1(0)->text(), QStringLiteral("選択された表書き"));
    EXPECT_EQ(window->Label1(1)->text(), QStringLiteral("探したい説明の語句を入力してください。"));

    // Typing returns the prompt; the other tab keeps its results.
    window->Text1(0)->setText(QStringLiteral("暑中"));
    EXPECT_EQ(window->Label1(0)->text(), QStringLiteral("探したい表書きのｷｰﾜｰﾄﾞを入力してください。"));
    EXPECT_EQ(window->MSFlexGrid(3)->rowCount(), 0);
    const QPalette system = QApplication::palette();
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(window->Text1(k)->palette().color(QPalette::Base), system.color(QPalette::Base));
        EXPECT_EQ(window->Text1(k)->palette().color(QPalette::Text), system.color(QPalette::ButtonText));
    }
}

TEST_F(GuideWindow, PhraseSearchWithoutMatchShowsTheMessages)
{
    GuideGrid* grid = search(2, QStringLiteral("ごあいさつ"));
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->cellText(0, 1), QStringLiteral("語句が見つかりませんでした。"));
    EXPECT_EQ(window->MSFlexGrid(2)->rowCount(), 0);
}

TEST_F(GuideWindow, EnterInASearchBoxMovesOnToItsButton)
{
    window->SSTab1()->setCurrentIndex(1);
    window->Text1(0)->setFocus();
    key(window->Text1(0), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), window->Command1());
    EXPECT_TRUE(window->Text1(0)->text().isEmpty());
}

TEST_F(GuideWindow, OkKeepsTheLastPickAndMovesToTheNameBox)
{
    emit window->MSFlexGrid(1)->cellClicked(145, 0);
    window->Command4(0)->click();
    EXPECT_EQ(main.inscription, QStringLiteral("ベスグロ賞"));
    EXPECT_EQ(main.focus, QStringLiteral("Text2"));
    EXPECT_TRUE(closed());
}

TEST_F(GuideWindow, OkWithoutPickLeavesTheInscription)
{
    window->Command4(0)->click();
    EXPECT_EQ(main.inscription, QStringLiteral("御中元"));
    EXPECT_TRUE(main.writes.isEmpty());
    EXPECT_TRUE(closed());
}

TEST_F(GuideWindow, CancelAndEscapeEmptyTheInscriptionBox)
{
    window->Command8(0)->click();
    EXPECT_EQ(main.writes, QStringList{QString()});
    EXPECT_EQ(main.focus, QStringLiteral("Combo2"));
    EXPECT_TRUE(closed());

    FakeMain other;
    window = new NoshiLike(other.host());
    window->show();
    window->SSTab1()->setCurrentIndex(2);
    EXPECT_EQ(window->cancelButton(), window->Command8(2));
    key(window->MSFlexGrid(3), Qt::Key_Escape);
    EXPECT_TRUE(other.inscription.isEmpty());
    EXPECT_EQ(other.focus, QStringLiteral("Combo2"));
    EXPECT_TRUE(closed());
}

TEST_F(GuideWindow, CloseBoxChangesNothing)
{
    window->close();
    EXPECT_TRUE(main.writes.isEmpty());
    EXPECT_TRUE(main.focus.isEmpty());
    EXPECT_TRUE(closed());
}

TEST(GuideWindowOpening, ShowingAnOpenGuideBringsItForwardUnchanged)
{
    FakeMain main;
    QPointer<NoshiLike> first = NoshiLike::showGuide(main.host());
    first->Text2()->setText(QStringLiteral("御礼"));
    NoshiLike* again = NoshiLike::showGuide(main.host());
    EXPECT_EQ(again, first.data());
    EXPECT_EQ(again->Text2()->text(), QStringLiteral("御礼"));
    EXPECT_TRUE(again->isVisible());
    again->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(first.isNull());
    NoshiLike* fresh = NoshiLike::showGuide(main.host());
    EXPECT_TRUE(fresh->Text2()->text().isEmpty());
    delete fresh;
}
