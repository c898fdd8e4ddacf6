// The editor window: opened by the edit command, its canvas, activation,
// change flags and closing questions, copies and printers.
#include "preview/PreviewSupport.h"
#include "common/SpinnerArrows.h"

#include "model/LiveStore.h"

#include <QFile>
#include <QStatusBar>
#include <QWheelEvent>
#include <QLabel>
#include <QAction>
#include <QToolBar>

using preview::frmNoshiPreView;

namespace {
const QString NameQuestion = QStringLiteral("ファイルに保存|名書きは変更されています。ファイルに保存しますか？");
const QString OmoteQuestion = QStringLiteral("ファイルに保存|表書きは変更されています。ファイルに保存しますか？");
} // namespace

TEST_F(PreviewTest, EditCommandOpensTheEditableEditorAtRealSize)
{
    frmNoshiPreView& p = openLargeNoshi();
    QApplication::processEvents();
    EXPECT_TRUE(p.isVisible());
    EXPECT_FALSE(p.RichTextBox1View->isReadOnly());
    EXPECT_FALSE(p.RichTextBox2View->isReadOnly());
    EXPECT_TRUE(p.mailbox().pageLoaded());
    EXPECT_EQ(p.StatusPanel1->text(), "のし紙サイズ　大のし");
    EXPECT_TRUE(p.windowTitle().endsWith("山田太郎"));
    // The page at real size: the box is as many pixels as its millimetres on this screen.
    const double dpm = p.logicalDpiX() / 25.4;
    EXPECT_NEAR(p.RichTextBox1View->width(), p.RichTextBox1->widthMm() * dpm, 1);
    EXPECT_NEAR(p.RichTextBox2View->height(), p.RichTextBox2->heightMm() * dpm, 1);
    // The name box directly below the inscription box.
    EXPECT_NEAR(p.RichTextBox2View->y() - p.RichTextBox1View->y(), (p.RichTextBox1->heightMm() + 0.5) * dpm, 1);
    // The paper of the page on screen is the paper a save names.
    EXPECT_EQ(app::store().CurSizeTemplate, "萌黄（祝大）　");
    EXPECT_EQ(app::store().CurSizeName, "大のし");
}

TEST_F(PreviewTest, ScrollingMovesTheBoxesAndMarks)
{
    frmNoshiPreView& p = openLargeNoshi();
    p.resize(600, 500); // smaller than the page both ways
    QApplication::processEvents();
    ASSERT_GT(p.HScroll1->maximum(), 0);
    ASSERT_GT(p.VScroll1->maximum(), 0);
    const double dpm = p.pxPerMm();
    const int topMarkY = p.Text2->y();

    p.HScroll1->setValue(10);
    EXPECT_DOUBLE_EQ(p.boxLeftMm(), -6);
    for (QWidget* moved : {static_cast<QWidget*>(p.RichTextBox1View), static_cast<QWidget*>(p.RichTextBox2View),
                           static_cast<QWidget*>(p.Text2), static_cast<QWidget*>(p.Text6),
                           static_cast<QWidget*>(p.Text12)})
        EXPECT_NEAR(moved->x(), -6 * dpm, 1) << moved->objectName().toStdString();

    p.VScroll1->setValue(20);
    EXPECT_DOUBLE_EQ(p.omoteTopMm(), 4.233 - 20);
    EXPECT_NEAR(p.RichTextBox1View->y(), (4.233 - 20) * dpm, 1);
    EXPECT_NEAR(p.RichTextBox2View->y(), (4.233 - 20 + p.RichTextBox1->heightMm() + 0.5) * dpm, 1);
    EXPECT_EQ(p.Text2->y(), topMarkY); // the top and bottom marks stay
    // A new size of the window keeps the scrolled left edge.
    p.resize(650, 520);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(p.boxLeftMm(), -6);

    // The wheel over a page scrolls the canvas down.
    const int before = p.VScroll1->value();
    QWheelEvent wheel(QPointF(10, 10), p.RichTextBox1View->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(p.RichTextBox1View->viewport(), &wheel);
    EXPECT_GT(p.VScroll1->value(), before);
    EXPECT_NEAR(p.RichTextBox1View->y(), (4.233 - p.VScroll1->value()) * dpm, 1);
}

TEST_F(PreviewTest, ActivationBuildsTheRankLabelOnceAndLoadsAfterIt)
{
    windows->sub1()->txtStart->setText("3");
    windows->sub1()->txtEnd->setText("5");
    frmNoshiPreView& p = openLargeNoshi(false);
    // A name file waiting in the mailbox, of the page's own paper.
    rt::RichTextBox saved;
    saved.setText(QStringLiteral("保存した名前"));
    const QString path = dataDir.filePath("name.nd2");
    ASSERT_TRUE(saved.saveFile(path));
    p.mailbox().setNameFile(path);
    p.mailbox().setFileSizeName(QStringLiteral("大のし"));
    p.mailbox().setFileTemplateKey(QStringLiteral("萌黄（祝大）　"));

    p.Form_Activate();
    EXPECT_EQ(int(p.CurrentRank), 3);
    // The file was loaded after the label, over it, and the fields are done with.
    EXPECT_EQ(p.RichTextBox2->text(), "保存した名前");
    EXPECT_FALSE(p.NagakiChanged);
    EXPECT_TRUE(p.mailbox().nameFile().isEmpty());
    EXPECT_TRUE(p.mailbox().fileSizeName().isEmpty());

    // A second activation builds no label: the name box keeps what it has.
    p.Form_Activate();
    EXPECT_EQ(p.RichTextBox2->text(), "保存した名前");
    EXPECT_EQ(int(p.CurrentRank), 3);
}

TEST_F(PreviewTest, ActivationForgetsItsOwnChangesButNotTheUsers)
{
    frmNoshiPreView& p = openLargeNoshi();
    p.activateWindow();
    QApplication::processEvents();
    p.Form_Activate();
    EXPECT_FALSE(p.OmotegakiChanged); // the layout is no change of the user's
    EXPECT_FALSE(p.NagakiChanged);

    // The user bolds the inscription, goes to the main window and comes back.
    p.RichTextBox1->setSelStart(0);
    p.RichTextBox1->setSelLength(1);
    p.format().boxClicked(1);
    if (!p.isActiveWindow())
        GTEST_SKIP() << "this platform does not activate windows";
    p.format().bold();
    p.Form_Activate();
    EXPECT_TRUE(p.OmotegakiChanged);
    EXPECT_FALSE(p.NagakiChanged);

    answers({ui::Answer::No});
    EXPECT_TRUE(p.unload());
    EXPECT_EQ(messages(), QStringList{OmoteQuestion});
}

TEST_F(PreviewTest, ClosingQuestions)
{
    struct Case {
        const char* what;
        bool text3, nameChanged, omoteChanged;
        std::vector<ui::Answer> answers;
        bool saveCancelled;
        bool closed;
        QStringList asked;
    };
    const Case cases[] = {
        {"no edit marker: no question", false, true, true, {}, false, true, {}},
        {"name first; Cancel asks no more", true, true, true, {ui::Answer::Cancel}, false, false, {NameQuestion}},
        {"No to both closes", true, true, true, {ui::Answer::No, ui::Answer::No}, false, true,
         {NameQuestion, OmoteQuestion}},
        {"only the inscription changed", true, false, true, {ui::Answer::No}, false, true, {OmoteQuestion}},
        {"Yes, then the save dialog cancelled: the window stays", true, true, false, {ui::Answer::Yes}, true, false,
         {NameQuestion}},
        {"Yes and saved", true, true, false, {ui::Answer::Yes}, false, true, {NameQuestion}},
    };
    for (const Case& c : cases) {
        frmNoshiPreView& p = *preview::NoshiPreView().get();
        p.mailbox().setPageLoaded(c.text3);
        p.NagakiChanged = c.nameChanged;
        p.OmotegakiChanged = c.omoteChanged;
        answerDialogs(c.saveCancelled ? QString() : dataDir.filePath("saved.nd2"));
        answers(c.answers);
        ui::clearShownMessages();
        EXPECT_EQ(p.unload(), c.closed) << c.what;
        EXPECT_EQ(messages(), c.asked) << c.what;
        if (!c.closed) {
            p.mailbox().setPageLoaded(false);
            p.unload();
        }
    }
    EXPECT_TRUE(QFile::exists(dataDir.filePath("saved.nd2")));
    EXPECT_TRUE(QFile::exists(dataDir.filePath("saved.ndb")));
}

TEST_F(PreviewTest, CloseCommandShowsTheMainWindowEvenWhenCancelled)
{
    frmNoshiPreView& p = openLargeNoshi();
    w->hide();
    p.NagakiChanged = true;
    answers({ui::Answer::Cancel});
    p.mnuFileExit_Click();
    EXPECT_TRUE(preview::NoshiPreView().isLoaded());
    EXPECT_TRUE(w->isVisible());

    p.NagakiChanged = false;
    p.mnuFileExit_Click();
    EXPECT_FALSE(preview::NoshiPreView().isLoaded());
    // Closing empties the mailbox and the page's paper.
    EXPECT_TRUE(app::store().CurSizeName.isEmpty());
    frmNoshiPreView& again = *preview::NoshiPreView().get();
    EXPECT_TRUE(again.mailbox().inscriptionFile().isEmpty());
    EXPECT_TRUE(again.mailbox().sizeName().isEmpty());
    EXPECT_EQ(again.Text1->text(), "1");
    EXPECT_TRUE(again.mnuViewStatusBar->isChecked());
}

TEST_F(PreviewTest, CopiesBoxAndSpinner)
{
    frmNoshiPreView& p = *preview::NoshiPreView().get();
    EXPECT_EQ(p.Text1->text(), "1");
    EXPECT_EQ(p.UpDown1->value(), 1);
    struct Case {
        const char* typed;
        int spinner;
    };
    // Each typed after "7", which moves the spinner to 7.
    const Case cases[] = {{"12", 12}, {"1000", 1000}, {"1001", 7}, {"0", 7}, {"abc", 7}, {"", 7}, {"-3", 7},
                          {"2.5", 2}};
    for (const Case& c : cases) {
        p.Text1->setText("7");
        p.Text1->setText(c.typed);
        EXPECT_EQ(p.UpDown1->value(), c.spinner) << c.typed;
        EXPECT_EQ(p.Text1->text(), c.typed) << c.typed; // the box keeps what was typed
    }
    p.UpDown1->setValue(40);
    EXPECT_EQ(p.Text1->text(), "40");
    clickArrow(p.UpDown1, true); // the upper arrow counts up
    EXPECT_EQ(p.Text1->text(), "41");
    clickArrow(p.UpDown1, false);
    clickArrow(p.UpDown1, false);
    EXPECT_EQ(p.Text1->text(), "39");
}

TEST_F(PreviewTest, PrinterChoice)
{
    frmNoshiPreView& p = *preview::NoshiPreView().get();
    ASSERT_EQ(p.Combo1->count(), 2);
    p.Combo1->setCurrentIndex(1);
    p.Combo1_Click();
    EXPECT_EQ(app::currentPrinterName(), "PDF-B");
    p.Combo1->setEditable(true);
    p.Combo1->setEditText("PDF-Z");
    p.Combo1_Click();
    EXPECT_EQ(app::currentPrinterName(), "PDF-B");
    // Each activation shows the program's current printer.
    app::selectPrinter("PDF-A");
    p.Form_Activate();
    EXPECT_EQ(p.Combo1->currentText(), "PDF-A");
}

TEST_F(PreviewTest, StatusBarItemShowsAndHidesTheBar)
{
    frmNoshiPreView& p = openLargeNoshi();
    QApplication::processEvents();
    EXPECT_TRUE(p.StatusBar1->isVisible());
    p.mnuViewStatusBar->trigger();
    EXPECT_FALSE(p.mnuViewStatusBar->isChecked());
    EXPECT_FALSE(p.StatusBar1->isVisible());
    p.mnuViewStatusBar->trigger();
    EXPECT_TRUE(p.StatusBar1->isVisible());
}

TEST_F(PreviewTest, ALaterLayoutOfAnotherSizeNamesItsOwnPaper)
{
    openLargeNoshi();
    chooseSize(QStringLiteral("萌黄（祝大）　"), 0, 0, QStringLiteral("大のし（店頭）"));
    ASSERT_EQ(run(1), noshi::PrintDispatcher::Outcome::Edited) << messages().join("\n").toStdString();
    EXPECT_EQ(app::store().CurSizeName, "大のし（店頭）");
}

TEST_F(PreviewTest, ToolPicturesComeWithTheFirstShowAndMoveNothing)
{
    // A hidden page (a print) never loads the style's pictures.
    frmNoshiPreView& p = openLargeNoshi(false);
    ASSERT_FALSE(p.isVisible());
    const QList<QAction*> buttons = p.Toolbar1->actions();
    const QStyle::StandardPixmap expected[] = {QStyle::SP_DialogOpenButton,      QStyle::SP_DialogSaveButton,
                                               QStyle::SP_FileIcon,              QStyle::SP_DialogDiscardButton,
                                               QStyle::SP_FileDialogContentsView, QStyle::SP_FileDialogDetailedView,
                                               QStyle::SP_ArrowBack};
    auto picture = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
    auto isBlank = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    return false;
        return true;
    };
    for (int i = 0; i < 7; ++i) {
        ASSERT_FALSE(buttons[i]->icon().isNull()) << i; // a button with no picture would be shorter
        EXPECT_TRUE(isBlank(picture(buttons[i]->icon()))) << i;
    }
    // The window's inner area takes its size when shown: of the canvas only
    // its top, below the strips, is settled before.
    const int stripHeight = p.Toolbar1->sizeHint().height();
    const double canvasTop = p.canvasGeometry().canvas.top();

    p.show();
    QApplication::processEvents();
    for (int i = 0; i < 7; ++i) {
        const QImage shown = picture(buttons[i]->icon());
        EXPECT_FALSE(isBlank(shown)) << i;
        EXPECT_EQ(shown, picture(p.style()->standardIcon(expected[i]))) << i;
    }
    EXPECT_EQ(p.Toolbar1->sizeHint().height(), stripHeight);
    EXPECT_EQ(p.canvasGeometry().canvas.top(), canvasTop);
}

namespace {
// What other windows and the next command can see of the preview window.
struct Seen {
    QString title, omote, name, copies, font, status;
    double omoteWidth = 0, omoteHeight = 0, nameRightMargin = 0, markerWidth = 0;
    bool vertical = false, omoteChanged = false, nameChanged = false, canUndo = false;
    QStringList mailbox;
    QRectF canvas;
    QSize size;

    static Seen of(const frmNoshiPreView& p)
    {
        Seen s;
        s.title = p.windowTitle();
        s.omote = p.RichTextBox1->dump();
        s.name = p.RichTextBox2->dump();
        s.copies = p.Text1->text();
        s.font = p.Combo2->currentText();
        s.status = p.StatusPanel1->text();
        s.omoteWidth = p.RichTextBox1->widthMm();
        s.omoteHeight = p.RichTextBox1->heightMm();
        s.nameRightMargin = p.RichTextBox2->rightMarginMm();
        s.markerWidth = p.markerWidthMm();
        s.vertical = p.RichTextBox1->vertical() && p.RichTextBox2->vertical();
        s.omoteChanged = p.OmotegakiChanged;
        s.nameChanged = p.NagakiChanged;
        s.canUndo = p.RichTextBox1->canUndo() || p.RichTextBox2->canUndo();
        const preview::PreviewMailbox& m = p.mailbox();
        s.mailbox = {m.pageLoaded() ? "loaded" : "", m.sizeName(), QString::number(m.rankLabelIndent().value_or(-1)),
                     m.inscriptionFile(), m.nameFile(), m.fileSizeName(), m.fileTemplateKey(), m.chosenFileName(),
                     m.dialogFileName()};
        s.canvas = p.canvasGeometry().canvas;
        s.size = p.size();
        return s;
    }
    bool operator==(const Seen&) const = default;
};
} // namespace

TEST_F(PreviewTest, APrintKeepsTheHiddenWindowAndTheNextCommandGetsItBackAsNew)
{
    const Seen fresh = Seen::of(*preview::NoshiPreView().get());
    ASSERT_TRUE(preview::NoshiPreView().unload());
    QApplication::processEvents();

    // An edit command laid out into a new window, for comparing.
    const QString laidOut = Seen::of(openLargeNoshi(false)).omote;
    frmNoshiPreView* used = pv();
    used->mailbox().setChosenFileName(QStringLiteral("山田.nd2")); // kept through an unload
    used->mailbox().setDialogFileName(QStringLiteral("山田"));
    used->mailbox().setInscriptionFile(QStringLiteral("/tmp/御中元.nd1"));
    const QPointer<frmNoshiPreView> kept(used);

    ASSERT_EQ(run(0), noshi::PrintDispatcher::Outcome::Printed) << messages().join("\n").toStdString();
    QApplication::processEvents();
    // Unloaded for everyone else.
    EXPECT_FALSE(preview::NoshiPreView().isLoaded());
    EXPECT_EQ(pv(), nullptr);
    EXPECT_TRUE(app::store().CurSizeName.isEmpty());
    ASSERT_FALSE(kept.isNull());

    // The next reference gets the same window, as a new one would be.
    frmNoshiPreView& again = *preview::NoshiPreView().get();
    EXPECT_EQ(&again, kept.data());
    const Seen seen = Seen::of(again);
    EXPECT_EQ(seen.title, fresh.title);
    EXPECT_EQ(seen.omote, fresh.omote);
    EXPECT_EQ(seen.name, fresh.name);
    EXPECT_EQ(seen.mailbox, fresh.mailbox);
    EXPECT_EQ(seen.omoteWidth, fresh.omoteWidth);
    EXPECT_EQ(seen.markerWidth, fresh.markerWidth);
    EXPECT_FALSE(seen.omoteChanged);
    EXPECT_FALSE(seen.nameChanged);
    EXPECT_TRUE(seen == fresh);

    // And lays the same page out.
    EXPECT_EQ(run(1), noshi::PrintDispatcher::Outcome::Edited) << messages().join("\n").toStdString();
    EXPECT_EQ(pv(), kept.data());
    EXPECT_EQ(Seen::of(*pv()).omote, laidOut);
}

TEST_F(PreviewTest, AWindowOnceShownIsNotKeptByAPrint)
{
    const QPointer<frmNoshiPreView> shown(&openLargeNoshi(true));
    QApplication::processEvents();
    shown->hide();
    ASSERT_EQ(run(0), noshi::PrintDispatcher::Outcome::Printed) << messages().join("\n").toStdString();
    EXPECT_FALSE(preview::NoshiPreView().isLoaded());
    ASSERT_FALSE(shown.isNull()); // it goes once control is back in the event loop
    EXPECT_FALSE(shown->isKept());
    EXPECT_NE(preview::NoshiPreView().get(), shown.data());
}
