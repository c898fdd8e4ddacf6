#include "MainTestSupport.h"

#include "app/InfoPanel.h"
#include "app/SingleInstance.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/Controls.h"
#include "platform/text/Cp932.h"
#include "common/FileBytes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QUuid>

using namespace app;

namespace {
// A data file as an earlier run left it: one size, the given inscriptions.
QByteArray seedDataFile(const std::array<QString, 3>& names, const QStringList& omote = {})
{
    LiveStore seed;
    RegisteredSize z;
    z.RegSizeTemplate = {QStringLiteral("Ａ４判　　　　"), QStringLiteral("Ａ４判　　　　"), QStringLiteral("Ａ４判　　　　")};
    z.RegSizeName = names;
    seed.addSize(z);
    for (const QString& o : omote)
        seed.addOmote(o);
    EXPECT_TRUE(WriteDataFile(seed).ok);
    return fileBytes(dataFilePath());
}
const std::array<QString, 3> A4 = {QStringLiteral("Ａ４"), QStringLiteral("Ａ４"), QStringLiteral("Ａ４")};
} // namespace

TEST_F(MainWindowTest, FirstRunStartsWithTheDefaultsAndWritesThemAtClose)
{
    int splash = 0;
    hooks().showSplash = [&] { ++splash; };
    NoshiMain& m = start();
    const LiveStore& st = store();

    EXPECT_EQ(m.windowTitle(), QStringLiteral("そらべに　Sorabeni Print System Ver.6.0"));
    EXPECT_EQ(m.Combo4->currentText(), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(st.UsuzumiColor, 12632256u);
    EXPECT_EQ(st.OsType, QStringLiteral("NT/XP"));
    EXPECT_EQ(st.PrOffsetX, 0);
    EXPECT_EQ(st.PrOffsetY, 0);
    EXPECT_TRUE(m.Option1->isChecked());
    EXPECT_TRUE(m.Option11->isChecked());
    EXPECT_TRUE(m.Option5->isChecked());
    EXPECT_TRUE(m.Option7->isChecked());
    for (QCheckBox* c : {m.Check1, m.Check2, m.Check3, m.Check4, m.CheckOBold, m.CheckNBold, m.CheckHanshiban})
        EXPECT_EQ(forms::checkValue(c), 0);
    EXPECT_TRUE(m.Option7->isHidden()); // company name off
    EXPECT_EQ(m.Combo1->count(), 0);
    EXPECT_TRUE(m.Combo1->currentText().isEmpty());
    ASSERT_EQ(m.Combo2->count(), 1);
    EXPECT_EQ(m.Combo2->itemText(0), QStringLiteral("無　地"));
    EXPECT_TRUE(m.Combo2->currentText().isEmpty());
    EXPECT_EQ(m.Combo3->currentText(), QStringLiteral("１行印刷"));
    EXPECT_EQ(m.Combo3->currentIndex(), 0);
    EXPECT_EQ(m.Combo5->count(), 2);
    EXPECT_EQ(m.Combo5->currentText(), QStringLiteral("PDF-A")); // the first printer, no saved one
    EXPECT_TRUE(catalogue().isBuilt());

    // The wizard is offered once per run.
    m.Form_Activate();
    m.Form_Activate();
    EXPECT_EQ(splash, 1);
    EXPECT_EQ(m.Text4->text(), QStringLiteral("Null"));

    closeWindow();
    EXPECT_EQ(ini(QStringLiteral("Font")), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(ini(QStringLiteral("rtfColor")), QStringLiteral("12632256"));
    EXPECT_EQ(ini(QStringLiteral("NFontSize")), QStringLiteral("1"));
    EXPECT_EQ(ini(QStringLiteral("OFontSize")), QStringLiteral("1"));
    EXPECT_EQ(ini(QStringLiteral("Toffset5")), QStringLiteral("True"));
    EXPECT_EQ(ini(QStringLiteral("Toffset4")), QStringLiteral("False"));
    EXPECT_EQ(ini(QStringLiteral("Set7")), QStringLiteral("True"));
    EXPECT_EQ(ini(QStringLiteral("PrinterName")), QStringLiteral("PDF-A"));
    EXPECT_EQ(ini(QStringLiteral("PrOffsetX")), QStringLiteral("0"));
    EXPECT_EQ(ini(QStringLiteral("CoPrintSetA")), QStringLiteral("True"));
    EXPECT_EQ(ini(QStringLiteral("Hanshiban")), QStringLiteral("0"));
    EXPECT_NE(ini(QStringLiteral("MainWidth")), QStringLiteral("<absent>"));
    // No size registered: the data file is not written.
    EXPECT_FALSE(QFile::exists(dataFilePath()));
}

TEST_F(MainWindowTest, StoredValuesAreAppliedThroughTheControlsHandlers)
{
    preset(QStringLiteral("Printset"), QStringLiteral("1"));
    preset(QStringLiteral("PrintUnset"), QStringLiteral("1"));
    for (const char* k : {"Toffset4", "Toffset5", "Toffset6", "Toffset9"})
        preset(QLatin1String(k), QStringLiteral("False"));
    preset(QStringLiteral("Set7"), QStringLiteral("True"));
    preset(QStringLiteral("Set8"), QStringLiteral("True"));
    preset(QStringLiteral("rtfColor"), QString());
    preset(QStringLiteral("NFontSize"), QStringLiteral("4"));
    preset(QStringLiteral("OFontSize"), QStringLiteral("9"));
    preset(QStringLiteral("PrOffsetX"), QStringLiteral("-3"));
    preset(QStringLiteral("CoPrint"), QStringLiteral("1"));
    preset(QStringLiteral("OBold"), QStringLiteral("7"));     // not a check state: skipped
    preset(QStringLiteral("PrinterName"), QStringLiteral("PDF-B"));
    preset(QStringLiteral("Font"), QStringLiteral("@ＭＳ 明朝"));
    NoshiMain& m = start();

    EXPECT_EQ(forms::checkValue(m.Check4), 1);
    EXPECT_EQ(forms::checkValue(m.Check3), 0);
    for (QRadioButton* o : {m.Option4, m.Option5, m.Option6, m.Option9})
        EXPECT_FALSE(o->isChecked());
    EXPECT_TRUE(m.Option8->isChecked());
    EXPECT_FALSE(m.Option7->isChecked());
    EXPECT_FALSE(m.Option8->isHidden());
    EXPECT_EQ(store().UsuzumiColor, 12632256u);
    EXPECT_TRUE(m.OptionNB->isChecked());
    EXPECT_TRUE(m.Option11->isChecked() == false && m.Option22->isChecked() == false
                && m.Option33->isChecked() == false && m.OptionOB->isChecked() == false);
    EXPECT_EQ(store().PrOffsetX, -3);
    EXPECT_EQ(forms::checkValue(m.CheckOBold), 0);
    EXPECT_EQ(m.Combo5->currentText(), QStringLiteral("PDF-B"));
    m.Form_Activate();
    EXPECT_EQ(m.Combo4->currentText(), QStringLiteral("ＭＳ 明朝"));

    closeWindow();
    for (const char* k : {"Toffset4", "Toffset5", "Toffset6", "Toffset9"})
        EXPECT_EQ(ini(QLatin1String(k)), QStringLiteral("False")) << k;
    EXPECT_EQ(ini(QStringLiteral("rtfColor")), QStringLiteral("12632256"));
    EXPECT_EQ(ini(QStringLiteral("OFontSize")), QStringLiteral("9")); // none on: the value read stays
    EXPECT_EQ(ini(QStringLiteral("NFontSize")), QStringLiteral("4"));
    EXPECT_EQ(ini(QStringLiteral("PrOffsetX")), QStringLiteral("-3"));
}

TEST_F(MainWindowTest, ASavedPrinterThatIsGoneMakesTheFirstPrinterCurrent)
{
    preset(QStringLiteral("PrinterName"), QStringLiteral("Gone"));
    NoshiMain& m = start();
    EXPECT_EQ(currentPrinterName(), QStringLiteral("PDF-A"));
    EXPECT_EQ(m.Combo5->currentText(), QStringLiteral("PDF-A"));
}

TEST_F(MainWindowTest, ClosingWithAnEmptyFontWritesNothing)
{
    const QByteArray before = seedDataFile(A4);

    NoshiMain& m = start();
    m.Combo4->setEditText(QString());
    store().addOmote(QStringLiteral("御礼"));
    closeWindow();
    EXPECT_EQ(ini(QStringLiteral("Font")), QStringLiteral("<absent>"));
    EXPECT_EQ(fileBytes(dataFilePath()), before);
}

TEST_F(MainWindowTest, RegisteredSizesFillTheListsAndAreSavedAtClose)
{
    seedDataFile({QStringLiteral("Ａ４ 横"), QStringLiteral("Ａ４ 二行"), QStringLiteral("Ａ４ 連名")},
                 {QStringLiteral("御中元")});

    NoshiMain& m = start();
    ASSERT_EQ(m.Combo1->count(), 1);
    EXPECT_EQ(m.Combo1->itemText(0), QStringLiteral("Ａ４ 横"));
    ASSERT_EQ(m.Combo2->count(), 2);
    EXPECT_EQ(m.Combo2->itemText(1), QStringLiteral("御中元"));
    EXPECT_EQ(store().LoopPos, 1);

    store().addOmote(QStringLiteral("御歳暮"));
    closeWindow();
    LiveStore back;
    ReadDataFile(back);
    EXPECT_EQ(back.OmoteCount(), 2);
    EXPECT_EQ(back.omote(1), QStringLiteral("御歳暮"));
}

TEST_F(MainWindowTest, ADamagedDataFileIsReportedAndKeptUnlessTheUserChangesSomething)
{
    QByteArray damaged = seedDataFile(A4);
    damaged.chop(10);
    {
        QFile f(dataFilePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(damaged);
    }
    start();
    ASSERT_FALSE(ui::shownMessages().empty());
    EXPECT_TRUE(ui::shownMessages().front().text.contains(QStringLiteral("壊れています")));
    EXPECT_EQ(store().RegSizeCount(), 1);
    closeWindow();
    EXPECT_EQ(fileBytes(dataFilePath()), damaged);

    // Once something changed, the store is saved.
    store().clear();
    start();
    store().addOmote(QStringLiteral("御礼"));
    closeWindow();
    EXPECT_NE(fileBytes(dataFilePath()), damaged);
    LiveStore back;
    EXPECT_TRUE(ReadDataFile(back).ok);
    EXPECT_EQ(back.OmoteCount(), 1);
}

TEST_F(MainWindowTest, PendingOpenRunsTheDispatcherOnlyWhenAFileWasHandedOver)
{
    int runs = 0;
    QString file1;
    hooks().PrintOrPreview = [&] { ++runs; };
    hooks().previewTxtFile1 = [&] { return file1; };
    hooks().previewTxtFile2 = [] { return QString(); };
    NoshiMain& m = start();
    store().PendingOpen = 1;
    m.Form_Activate();
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(store().PendingOpen, 0);
    file1 = QStringLiteral("/tmp/a.nd1");
    store().PendingOpen = 1;
    store().EditMode = 0;
    m.Form_Activate();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(store().EditMode, 1);
    EXPECT_EQ(store().PendingOpen, 0);
    store().PendingOpen = 2;
    m.Form_Activate();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(store().PendingOpen, 0);
}

TEST(SingleInstance, ASecondStartAsksTheFirstToComeForwardAndEnds)
{
    const QString name = QStringLiteral("noshi-test-") + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(name);
    ASSERT_TRUE(first.tryBecomePrimary());
    int asked = 0;
    QObject::connect(&first, &SingleInstance::activateRequested, [&] { ++asked; });

    SingleInstance second(name);
    EXPECT_FALSE(second.tryBecomePrimary());
    QElapsedTimer t;
    t.start();
    while (asked == 0 && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(asked, 1);
}

TEST(SingleInstance, ALeftoverSocketOfAnEndedProgramIsTakenOver)
{
    const QString name = QStringLiteral("noshi-test-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        SingleInstance gone(name);
        ASSERT_TRUE(gone.tryBecomePrimary());
    }
    SingleInstance next(name);
    EXPECT_TRUE(next.tryBecomePrimary());
}

TEST_F(MainWindowTest, ShowingTheWindowActivatesItOnce)
{
    int splash = 0;
    hooks().showSplash = [&] { ++splash; };
    NoshiMain& m = start();
    m.show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(splash, 1);
    EXPECT_EQ(m.Text4->text(), QStringLiteral("Null"));
    EXPECT_TRUE(m.Label6->isHidden());
    EXPECT_FALSE(m.Picture1->lines().isEmpty());
}

// A first run paints the window before the welcome opens over it; the
// status line shows nothing until the welcome puts its marker there.
TEST_F(MainWindowTest, AFirstRunPaintsTheWindowBeforeTheWelcomeOpens)
{
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } watch;
    NoshiMain& m = start();
    m.installEventFilter(&watch);
    int paintsBeforeWelcome = -1;
    QString labelBeforeWelcome = QStringLiteral("unset");
    bool markerShown = false;
    int welcomes = 0;
    hooks().showSplash = [&] {
        ++welcomes;
        paintsBeforeWelcome = watch.paints;
        labelBeforeWelcome = m.Label6->text();
        m.Label6->setText(QStringLiteral("初期設定ウィザード実行中")); // as the welcome does
        markerShown = m.Label6->isVisible();
    };
    m.show();
    for (int i = 0; i < 10 && welcomes == 0; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(welcomes, 1);
    EXPECT_GE(paintsBeforeWelcome, 1);
    EXPECT_EQ(labelBeforeWelcome, QString());
    EXPECT_TRUE(markerShown);
    // The activation ends after the welcome as before: its marker is cleared.
    EXPECT_TRUE(m.Label6->text().isEmpty());
    EXPECT_TRUE(m.Label6->isHidden());
    EXPECT_EQ(m.Text4->text(), QStringLiteral("Null"));
    m.Form_Activate();
    EXPECT_EQ(welcomes, 1);
}

// A stored position off every screen (a negative top after a restart, a
// screen that is gone) still opens the window with its title bar on a screen.
TEST_F(MainWindowTest, AStoredPositionOffTheScreenStillShowsTheTitleBar)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char *left, *top;
        int x, y; // expected corner in pixels, 15 twips each; -1: only "on the screen"
    };
    const Case cases[] = {
        {"1500", "1500", 100, 100}, // on the screen: kept
        {"0", "-300", 0, 0},        // 20 px above the top: brought down to it
        {"-99999", "1500", 0, 100}, // far to the left: to the left edge
        {"99999", "99999", -1, -1}, // far beyond the bottom right
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.left) + "," + c.top);
        preset(QStringLiteral("MainLeft"), QString::fromLatin1(c.left));
        preset(QStringLiteral("MainTop"), QString::fromLatin1(c.top));
        NoshiMain& m = start();
        m.show();
        QCoreApplication::processEvents();
        const QRect frame = m.frameGeometry();
        if (c.x >= 0) {
            EXPECT_EQ(frame.topLeft(), QPoint(c.x + screen.left(), c.y + screen.top()));
        }
        // The title bar: the frame's top strip lies on the screen, wide enough to grab.
        EXPECT_GE(frame.top(), screen.top());
        EXPECT_LE(frame.top() + 30, screen.bottom() + 1);
        EXPECT_GE(frame.left(), screen.left() - frame.width() + 100);
        EXPECT_LE(frame.left(), screen.right() - 100);
        w.reset();
    }
}
