#include "platform/sysinfo/SysInfo.h"
#include "MainTestSupport.h"

#include "app/InfoPanel.h"
#include "platform/richtext/RichTextEdit.h"
#include "app/Magnifier.h"
#include "app/MagnifierTesting.h"
#include "app/SmallDialogs.h"
#include "app/WebPages.h"
#include "platform/forms/Controls.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/forms/Form.h"
#include "platform/services/Dialogs.h"
#include "platform/paths/AppPaths.h"
#include "platform/services/Shell.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace app;

namespace {

RegisteredSize sizeOf(const QString& name, const QString& key0, const QString& keyOthers = QString())
{
    RegisteredSize z;
    const QString other = keyOthers.isEmpty() ? key0 : keyOthers;
    z.RegSizeTemplate = {key0, other, other};
    z.RegSizeName = {name, name, name};
    return z;
}

// Every window the main window can open exists, so every command is enabled.
void allHooks(int& omote, int& name)
{
    MainHooks& h = hooks();
    h.DrawOmotegakiPreview = [&] { ++omote; };
    h.DrawNameWritingPreview = [&] { ++name; };
    h.PrintOrPreview = [] {};
    h.showTextSub0 = [] {};
    h.showTextSub1 = [] {};
    h.showTextSub2 = [] {};
    h.showTextSub3 = [] {};
    h.showDatabase2 = [](const QString&) {};
}

} // namespace

TEST_F(MainWindowTest, ThinInkMovesTheMenuMarkAndTheCompanyNameChoice)
{
    int omote = 0, name = 0;
    allHooks(omote, name);
    NoshiMain& m = start();
    forms::setOptionValue(m.Option8, true);
    omote = name = 0;

    m.mnuFilePrintColor_Click();
    EXPECT_EQ(forms::checkValue(m.Check1), 1);
    EXPECT_TRUE(m.mnuFilePrintColor->isChecked());
    EXPECT_TRUE(m.Option8->isChecked());
    EXPECT_EQ(omote, 1);
    EXPECT_EQ(name, 1);
    m.mnuFilePrintColor_Click();
    EXPECT_EQ(forms::checkValue(m.Check1), 0);
    EXPECT_FALSE(m.mnuFilePrintColor->isChecked());
    EXPECT_TRUE(m.Option7->isChecked());
    // Ticking the box by hand marks the menu; choosing the menu then unticks.
    forms::setCheckValue(m.Check1, 1);
    EXPECT_TRUE(m.mnuFilePrintColor->isChecked());
    m.mnuFilePrintColor->trigger();
    EXPECT_EQ(forms::checkValue(m.Check1), 0);
    EXPECT_FALSE(m.mnuFilePrintColor->isChecked());
    // The options change even while hidden.
    EXPECT_TRUE(m.Option7->isHidden());
}

TEST_F(MainWindowTest, CompanyNameAndPrinterBoxes)
{
    NoshiMain& m = start();
    forms::setCheckValue(m.Check2, 1);
    EXPECT_FALSE(m.Option7->isHidden());
    EXPECT_FALSE(m.Option8->isHidden());
    forms::setCheckValue(m.Check2, 0);
    EXPECT_TRUE(m.Option7->isHidden());

    forms::setCheckValue(m.Check3, 1);
    forms::setCheckValue(m.Check4, 1);
    EXPECT_EQ(forms::checkValue(m.Check3), 0);
    forms::setCheckValue(m.Check3, 1);
    EXPECT_EQ(forms::checkValue(m.Check4), 0);
    forms::setCheckValue(m.Check3, 0);
    EXPECT_EQ(forms::checkValue(m.Check4), 0);
}

TEST_F(MainWindowTest, CopiesBoxAndSpinner)
{
    NoshiMain& m = start();
    struct Case { const char* typed; int spinner; };
    // The spinner starts at 7 each time; only 1..1000 moves it.
    const Case cases[] = {{"1000", 1000}, {"1001", 7}, {"0", 7}, {"abc", 7}, {"", 7},
                          {"12.5", 12}, {"-4", 7}, {"0.4", 7}, {"3", 3}};
    for (const Case& c : cases) {
        m.UpDown2->setValue(7);
        forms::setText(m.Text1, QString::fromUtf8(c.typed));
        EXPECT_EQ(m.UpDown2->value(), c.spinner) << c.typed;
        EXPECT_EQ(m.Text1->text(), QString::fromUtf8(c.typed)) << "the box keeps the typed text";
    }
    m.UpDown2->setValue(1);
    m.UpDown2->setValue(2);
    EXPECT_EQ(m.Text1->text(), QStringLiteral("2"));
    m.UpDown2->setValue(1000);
    EXPECT_EQ(m.Text1->text(), QStringLiteral("1000"));
}

TEST_F(MainWindowTest, NameBoxRedrawsExceptForTheRankPlaceholder)
{
    int omote = 0, name = 0;
    allHooks(omote, name);
    NoshiMain& m = start();
    name = 0;
    forms::setText(m.Text2, QStringLiteral("山"));
    forms::setText(m.Text2, QStringLiteral("山田"));
    EXPECT_EQ(name, 2);
    forms::setText(m.Text2, QStringLiteral("位"));
    EXPECT_EQ(name, 2);
    // The name takes 18 characters as the user sees them: a surrogate pair
    // or a character with its variation selector counts once.
    const QString yoshi = QString::fromUcs4(U"𠮷");
    const QString kuzu = QString::fromUcs4(U"葛\U000E0100");
    forms::setText(m.Text2, yoshi + kuzu + QStringLiteral("一二三四五六七八九十一二三四五"));
    m.Text2->end(false);
    m.Text2->insert(QStringLiteral("六"));
    EXPECT_EQ(m.Text2->text(), yoshi + kuzu + QStringLiteral("一二三四五六七八九十一二三四五六"));
    m.Text2->insert(QStringLiteral("七"));
    EXPECT_EQ(m.Text2->text(), yoshi + kuzu + QStringLiteral("一二三四五六七八九十一二三四五六"));
}

TEST_F(MainWindowTest, SyncControlsToSizeFindsTheSizeAndHandlesTheFreeSizeTemplate)
{
    int omote = 0, name = 0;
    allHooks(omote, name);
    store().addSize(sizeOf(QStringLiteral("Ａ４"), QStringLiteral("Ａ４判　　　　")));
    store().addSize(sizeOf(QStringLiteral("フリー"), QStringLiteral("短冊（フリー）")));
    NoshiMain& m = start();
    ASSERT_EQ(m.Combo1->count(), 2);

    m.Combo1->setEditText(QStringLiteral(" フリー　"));
    m.Combo1_Click();
    EXPECT_EQ(store().LoopPos, 1);
    EXPECT_EQ(store().StyleLoop, 0);
    for (QWidget* w : {static_cast<QWidget*>(m.Command5), static_cast<QWidget*>(m.Command6),
                       static_cast<QWidget*>(m.Label3), static_cast<QWidget*>(m.Label4),
                       static_cast<QWidget*>(m.Combo3)})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_TRUE(m.Command1->isEnabled());
    EXPECT_TRUE(m.Command7->isEnabled()) << "印刷 opens the free-size editor as 編集 does";
    EXPECT_TRUE(m.Text2->isEnabled());

    m.Combo1->setEditText(QStringLiteral("Ａ４"));
    m.Combo1_Click();
    EXPECT_EQ(store().LoopPos, 0);
    EXPECT_TRUE(m.Command7->isEnabled());
    EXPECT_TRUE(m.Combo3->isEnabled());

    m.Combo1->setEditText(QStringLiteral("どこにもない"));
    m.SyncControlsToSize();
    EXPECT_EQ(store().LoopPos, 2);
    EXPECT_TRUE(m.Command5->isEnabled());
}

TEST_F(MainWindowTest, NameStylePicks)
{
    int omote = 0, name = 0;
    allHooks(omote, name);
    int twoLine = 0, joint = 0, limit = 0, all = 0;
    hooks().showTextSub2 = [&] { ++twoLine; };
    hooks().showTextSub3 = [&] { ++joint; };
    hooks().LimitJointNames = [&] { ++limit; };
    hooks().enableAllJointNames = [&] { ++all; };
    store().addSize(sizeOf(QStringLiteral("短冊"), QStringLiteral("Ａ４判　　　　"), QStringLiteral("短冊（大）　　")));
    store().addSize(sizeOf(QStringLiteral("Ａ４"), QStringLiteral("Ａ４判　　　　")));
    store().addSize(sizeOf(QStringLiteral("欠け"), QStringLiteral("短冊（大）"))); // filling blanks missing
    NoshiMain& m = start();

    // No size chosen: nothing changes.
    forms::setListIndex(m.Combo3, 1);
    EXPECT_TRUE(m.Text2->isEnabled());
    EXPECT_EQ(twoLine, 0);

    m.Combo1->setEditText(QStringLiteral("短冊"));
    name = 0;
    forms::setListIndex(m.Combo3, 1);
    EXPECT_FALSE(m.Text2->isEnabled());
    EXPECT_FALSE(m.Label4->isEnabled());
    EXPECT_TRUE(m.Text2->styleSheet().contains(QStringLiteral("#E0E0E0")));
    EXPECT_EQ(twoLine, 1);
    EXPECT_EQ(name, 1);

    forms::setListIndex(m.Combo3, 2);
    EXPECT_EQ(limit, 1);
    EXPECT_EQ(joint, 1);
    m.Combo1->setEditText(QStringLiteral("Ａ４"));
    forms::setListIndex(m.Combo3, 2);
    EXPECT_EQ(all, 1);
    m.Combo1->setEditText(QStringLiteral("欠け"));
    forms::setListIndex(m.Combo3, 2);
    EXPECT_EQ(limit, 1) << "keys match with all seven characters";

    forms::setListIndex(m.Combo3, 0);
    EXPECT_TRUE(m.Text2->isEnabled());
    EXPECT_TRUE(m.Label4->isEnabled());

    // A size that is not registered.
    ui::clearShownMessages();
    m.Combo1->setEditText(QStringLiteral("なし"));
    forms::setListIndex(m.Combo3, 1);
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_EQ(ui::shownMessages()[0].text, QStringLiteral("選択されたのし紙サイズが見つかりません。"));
    EXPECT_EQ(ui::shownMessages()[0].title, QStringLiteral("入力事項の確認"));
    EXPECT_TRUE(m.Text2->isEnabled());

    // Emptying the style text gives the name box back.
    forms::setListIndex(m.Combo3, 0);
    m.Combo1->setEditText(QStringLiteral("Ａ４"));
    forms::setListIndex(m.Combo3, 1);
    ASSERT_FALSE(m.Text2->isEnabled());
    m.Combo3->setEditText(QString());
    EXPECT_TRUE(m.Text2->isEnabled());
}

TEST_F(MainWindowTest, ResetClearsTheJobAndKeepsTheOptions)
{
    int omote = 0, name = 0;
    allHooks(omote, name);
    struct Sub : forms::Unloadable {
        bool loaded = true;
        int unloads = 0;
        bool isLoaded() const override { return loaded; }
        bool unload() override { ++unloads; loaded = false; return true; }
    } subs[5];
    for (int i = 0; i < 5; ++i)
        hooks().frmTextSub[size_t(i)] = &subs[i];
    store().addSize(sizeOf(QStringLiteral("フリー"), QStringLiteral("短冊（フリー）")));
    NoshiMain& m = start();
    m.Combo1->setEditText(QStringLiteral("フリー"));
    m.Combo1_Click();
    ASSERT_FALSE(m.Command5->isEnabled());
    EXPECT_TRUE(m.Command7->isEnabled()) << "printing a free size opens its editor";
    forms::setText(m.Combo2, QStringLiteral("御中元"));
    forms::setCheckValue(m.Check1, 1);
    forms::setText(m.Text2, QStringLiteral("山田"));
    forms::setText(m.Text1, QStringLiteral("5"));
    forms::setOptionValue(m.OptionNB, true);
    forms::setCheckValue(m.Check3, 1);
    m.Label6->setText(QStringLiteral("x"));

    m.Command3_Click();
    for (const Sub& s : subs)
        EXPECT_EQ(s.unloads, 1);
    EXPECT_EQ(forms::checkValue(m.Check1), 0);
    EXPECT_FALSE(m.mnuFilePrintColor->isChecked());
    EXPECT_TRUE(m.Option7->isChecked());
    EXPECT_TRUE(m.Combo1->currentText().isEmpty());
    EXPECT_TRUE(m.Combo2->currentText().isEmpty());
    EXPECT_EQ(m.Combo3->currentText(), QStringLiteral("１行印刷"));
    EXPECT_TRUE(m.Text2->text().isEmpty());
    EXPECT_TRUE(m.Text2->isEnabled());
    EXPECT_TRUE(m.Label6->text().isEmpty());
    EXPECT_TRUE(m.RichTextBox1View->isHidden());
    for (QWidget* w : {static_cast<QWidget*>(m.Command5), static_cast<QWidget*>(m.Command6),
                       static_cast<QWidget*>(m.Command7), static_cast<QWidget*>(m.Combo3)})
        EXPECT_TRUE(w->isEnabled());
    // Left alone.
    EXPECT_EQ(m.Text1->text(), QStringLiteral("5"));
    EXPECT_TRUE(m.OptionNB->isChecked());
    EXPECT_EQ(forms::checkValue(m.Check3), 1);
    EXPECT_FALSE(m.Picture1->lines().isEmpty()); // the panel is drawn again
}

TEST_F(MainWindowTest, CommandsWithoutTheirWindowStayDisabled)
{
    NoshiMain& m = start();
    for (QPushButton* b : {m.Command1, m.Command2, m.Command5, m.Command6, m.Command7})
        EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    for (QAction* a : {m.mnuFileList1, m.mnuFileOpen, m.mnuFilePrint, m.mnuEditNew, m.mnuPrinterSet,
                       m.mnuHagaki, m.mnuFreeSize, m.mnuWiz, m.mnuSet0, m.mnuList})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    for (QAction* a : {m.mnuFilePrintColor, m.mnuMonthVew, m.mnuPLoad, m.mnuHelpAbout, m.mnuUpdate, m.mnuCustom})
        EXPECT_TRUE(a->isEnabled());
    EXPECT_FALSE(m.mnuHelpsuport->isVisible());

    // A window that arrives later enables its command.
    int tab = -1;
    hooks().showSettings = [&](int t) { tab = t; };
    hooks().PrintOrPreview = [] {};
    m.refreshCommandAvailability();
    EXPECT_TRUE(m.mnuSet0->isEnabled());
    EXPECT_TRUE(m.Command7->isEnabled());
    const std::pair<QAction*, int> tabs[] = {{m.mnuSet0, 0}, {m.mnuSet1, 1}, {m.mnuSet2, 2}, {m.mnuSet8, 3},
                                             {m.mnuSet7, 4}, {m.mnuFontsize, 4}, {m.mnuList, 5}};
    for (const auto& [a, t] : tabs) {
        a->trigger();
        EXPECT_EQ(tab, t) << a->text().toStdString();
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, PrintEditAndFileListCommandsSetTheirFlags)
{
    int omote = 0, name = 0;
    allHooks(omote, name);
    std::vector<int> modes;
    hooks().PrintOrPreview = [&] { modes.push_back(store().EditMode); };
    QString seed = QStringLiteral("<none>");
    hooks().showDatabase2 = [&](const QString& s) { seed = s; };
    hooks().twoLineCompanyName = [] { return QStringLiteral("そらべに商店"); };
    NoshiMain& m = start();
    m.refreshCommandAvailability();
    m.Command7_Click();
    m.Command1_Click();
    m.mnuFilePrint_Click();
    m.mnuEditNew_Click();
    EXPECT_EQ(modes, (std::vector<int>{0, 1, 0, 1}));

    forms::setText(m.Text2, QStringLiteral("山田太郎"));
    m.Command2_Click();
    EXPECT_EQ(store().PendingOpen, 2);
    EXPECT_EQ(seed, QStringLiteral("山田太郎"));
    m.Combo3->setCurrentIndex(1); // text only; the pick handler is not needed here
    m.Command2_Click();
    EXPECT_EQ(seed, QStringLiteral("そらべに商店"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, CalendarPictureAndShortcutMenus)
{
    NoshiMain& m = start();
    EXPECT_EQ(m.MonthView1, nullptr); // built when first shown
    m.mnuMonthVew_Click();
    EXPECT_TRUE(m.mnuMonthVew->isChecked());
    EXPECT_FALSE(m.MonthView1->isHidden());
    EXPECT_EQ(m.MonthView1->selectedDate(), QDate::currentDate());
    m.MonthView1->hide(); // as a preview does
    m.mnuMonthVew_Click();
    EXPECT_FALSE(m.mnuMonthVew->isChecked());
    EXPECT_TRUE(m.MonthView1->isHidden());
    m.mnuMonthVew->trigger();
    EXPECT_TRUE(m.mnuMonthVew->isChecked());
    EXPECT_FALSE(m.MonthView1->isHidden());
    // A whole month, in front of the previews.
    EXPECT_GE(m.MonthView1->width(), m.MonthView1->sizeHint().width());
    EXPECT_GE(m.MonthView1->height(), m.MonthView1->sizeHint().height());
    const QObjectList stack = m.MonthView1->parentWidget()->children();
    EXPECT_EQ(stack.last(), m.MonthView1);

    // A file that is no picture.
    QTemporaryDir tmp;
    const QString text = tmp.filePath(QStringLiteral("a.txt"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }
    ui::setDialogAnswerer([&](const ui::DialogRequest& r) {
        EXPECT_EQ(r.title, QStringLiteral("開く"));
        return ui::DialogAnswer{true, text, {}, 0};
    });
    ui::clearShownMessages();
    m.mnuPLoad_Click();
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_EQ(ui::shownMessages()[0].text, QStringLiteral("読み込めない形式のﾌｧｲﾙです。"));
    EXPECT_EQ(m.PictureFile, text);
    EXPECT_TRUE(m.Picture1->hasBuiltinPicture());
    // A real picture replaces the panel's and is remembered.
    const QString png = tmp.filePath(QStringLiteral("p.png"));
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(png));
    ui::setDialogAnswerer([&](const ui::DialogRequest&) { return ui::DialogAnswer{true, png, {}, 0}; });
    m.mnuPLoad_Click();
    EXPECT_FALSE(m.Picture1->hasBuiltinPicture());
    ui::setDialogAnswerer({});
    ui::clearShownMessages();
    m.mnuPSave_Click();
    EXPECT_TRUE(m.PictureFile.isEmpty());
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_EQ(ui::shownMessages()[0].text, QStringLiteral("設定を有効にするには、ｱﾌﾟﾘｹｰｼｮﾝを終了してください。"));
    EXPECT_FALSE(m.Picture1->hasBuiltinPicture()) << "the restore takes effect at the next start";

    // The shortcut: made twice over, or reported when the desktop is missing.
    ui::clearShownMessages();
    m.mnuShortCut_Click();
    m.mnuShortCut_Click();
    ASSERT_EQ(ui::shownMessages().size(), 2u);
    EXPECT_EQ(ui::shownMessages()[1].text, QStringLiteral("デスクトップにショートカットを作成しました。"));
    const QString link = shell::DesktopDir() + QStringLiteral("/Sorabeni Print System.desktop");
    QFile linkFile(link);
    ASSERT_TRUE(linkFile.open(QIODevice::ReadOnly));
    // The program's own icon, installed with it.
    const QString icon = paths::shippedDir() + QStringLiteral("/kazaguru.png");
    EXPECT_TRUE(QString::fromUtf8(linkFile.readAll()).contains(QStringLiteral("Icon=") + icon));
    EXPECT_FALSE(QImage(icon).isNull());
    const QByteArray desktop = qgetenv("XDG_DESKTOP_DIR");
    qputenv("XDG_DESKTOP_DIR", tmp.filePath(QStringLiteral("no-such-desktop")).toLocal8Bit());
    ui::clearShownMessages();
    m.mnuShortCut_Click();
    qputenv("XDG_DESKTOP_DIR", desktop);
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_NE(ui::shownMessages()[0].text, QStringLiteral("デスクトップにショートカットを作成しました。"));
}

TEST_F(MainWindowTest, ResizeRuleAndOptionsScroll)
{
    NoshiMain& m = start();
    struct Case { int outer; double pictureMm; int max; int step; };
    const Case cases[] = {{9000, 93.398, 93, 9}, {12835, 50.0, 50, 5}, {15375, 93.398, 93, 9}, {20000, 93.398, 93, 9}};
    for (const Case& c : cases) {
        const int frame = std::max(0, m.frameGeometry().width() - m.geometry().width());
        m.resize(forms::twipsToPx(c.outer) - frame, m.height());
        m.Form_Resize();
        EXPECT_GE(outerWidthTwips(&m), 9825 - 15) << c.outer;
        EXPECT_NEAR(m.Picture2->width(), forms::twipsToPx(c.pictureMm * 56.7), 1) << c.outer;
        EXPECT_EQ(m.FlatScrollBar1->width(), m.Picture2->width()) << c.outer;
        EXPECT_EQ(m.FlatScrollBar1->maximum(), c.max) << c.outer;
        EXPECT_EQ(m.FlatScrollBar1->pageStep(), c.step) << c.outer;
    }
    m.FlatScrollBar1->setValue(30);
    EXPECT_EQ(m.Frame8->x(), forms::twipsToPx(-1501));
    m.FlatScrollBar1->setValue(0);
    EXPECT_EQ(m.Frame8->x(), forms::twipsToPx(200));
}

TEST_F(MainWindowTest, InformationPanelReport)
{
    NoshiMain& m = start();
    m.Text5->setText(QStringLiteral("5.1"));
    m.DrawInfoPanel();
    const auto& l = m.Picture1->lines();
    ASSERT_EQ(l.size(), 26 + 3); // one of the two platform lines
    EXPECT_EQ(l[0].text, QString());
    EXPECT_TRUE(sysinfo::SystemName().startsWith(l[1].text.mid(1))) << l[1].text.toStdString();
    EXPECT_FALSE(l[1].text.contains(u'('));
    EXPECT_FALSE(l[1].text.contains(QStringLiteral("Windows")));
    EXPECT_EQ(l[2].text, QStringLiteral(" Sorabeni Print System"));
    EXPECT_EQ(l[3].text, QStringLiteral(" ﾊﾞｰｼﾞｮﾝ 6.0.394"));
    EXPECT_EQ(l[4].text, QStringLiteral(" Printer : "));
    EXPECT_EQ(l[5].text, QStringLiteral(" PDF-A"));
    EXPECT_EQ(l[6].text, QStringLiteral(" Printer Paper Size : "));
    EXPECT_EQ(l[7].text, QStringLiteral(" W 210㎜ ×H 297㎜"));
    EXPECT_EQ(l[26].color, QColor(0x80, 0x80, 0x80));
    EXPECT_NE(l[25].color, QColor(0x80, 0x80, 0x80));
    // The closing lines lie whole inside the panel, and the report above them keeps its place.
    const QList<int> ys = m.Picture1->baselines();
    const QFontMetrics fm(m.Picture1->font());
    EXPECT_LE(ys[28] + fm.descent(), m.Picture1->height());
    EXPECT_EQ(ys[7], fm.ascent() + 7 * fm.height());

    // Without printers the printer and paper lines are missing.
    setPrinterListForTests([] { return QStringList(); });
    m.DrawInfoPanel();
    EXPECT_EQ(m.Picture1->lines().size(), 24 + 3);
    EXPECT_EQ(m.Picture1->lines()[5].text, QStringLiteral(" Printer Paper Size : "));
}

TEST(Magnifier, CodeLines)
{
    struct Case { QString text; QString sjis; QString uni; };
    const Case cases[] = {
        {QStringLiteral("あ"), QStringLiteral("82A0"), QStringLiteral("3042")},
        {QStringLiteral("A"), QStringLiteral("41"), QStringLiteral("41")},
        {QStringLiteral(" "), QStringLiteral("20"), QStringLiteral("20")},
        {QStringLiteral("　"), QStringLiteral("8140"), QStringLiteral("3000")},
        {QStringLiteral("ｱ"), QStringLiteral("B1"), QStringLiteral("FF71")},
        {QStringLiteral("あA"), QStringLiteral("82A0 41"), QStringLiteral("3042 41")},
        {QStringLiteral("é"), QStringLiteral("?"), QStringLiteral("E9")},
    };
    for (const Case& c : cases) {
        const auto [s, u] = magnifierCodeLines(c.text);
        EXPECT_EQ(s, QStringLiteral("shift JIS Code  ") + c.sjis) << c.text.toStdString();
        EXPECT_EQ(u, QStringLiteral("       Unicode  ") + c.uni) << c.text.toStdString();
    }
    EXPECT_EQ(magnifierCodeLines(QString()), (std::pair<QString, QString>{}));
}

TEST_F(MainWindowTest, MagnifierOpensOnTheNameEvenWhenEmpty)
{
    NoshiMain& m = start();
    QStringList seen;
    setMagnifierShowHookForTests([&](frmTip* t) {
        seen << t->Text1->text() << t->Label1->text() << QString::number(t->Text1->font().pointSizeF());
    });
    m.Picture3_Click();
    forms::setText(m.Text2, QStringLiteral("あA"));
    m.Picture3_Click();
    m.Picture3_Click();
    setMagnifierShowHookForTests({});
    ASSERT_EQ(seen.size(), 9);
    EXPECT_EQ(seen[0], QStringLiteral(" "));
    EXPECT_EQ(seen[1], QString());
    EXPECT_EQ(seen[2], QStringLiteral("40"));
    EXPECT_EQ(seen[3], QStringLiteral(" あA"));
    EXPECT_EQ(seen[4], QStringLiteral("shift JIS Code  82A0 41"));
    EXPECT_EQ(seen.mid(3, 3), seen.mid(6, 3)) << "each opening starts anew";
}

TEST_F(MainWindowTest, EnterActsAsTabInTheMainWindow)
{
    int omote = 0, name = 0;
    allHooks(omote, name);
    NoshiMain& m = start();
    m.show();
    QApplication::setActiveWindow(&m);
    m.Combo1->setFocus();
    ASSERT_TRUE(m.Combo1->hasFocus() || m.Combo1->lineEdit()->hasFocus());
    const QString before = m.Combo1->currentText();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(m.Combo1->lineEdit(), &enter);
    QApplication::processEvents();
    EXPECT_TRUE(m.Combo2->hasFocus() || m.Combo2->lineEdit()->hasFocus());
    EXPECT_EQ(m.Combo1->currentText(), before);
    // Text2 then lands on the edit command.
    m.Text2->setFocus();
    QKeyEvent enter2(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"));
    QApplication::sendEvent(m.Text2, &enter2);
    QApplication::processEvents();
    EXPECT_TRUE(m.Command1->hasFocus());
    EXPECT_TRUE(forms::EnterAsTab::isInstalled(&m));
}

namespace {
class Probe : public forms::Form {
public:
    static inline int loads = 0;
    bool refuse = false;
    int unloads = 0;
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(bool& cancel) override { cancel = refuse; }
    void Form_Unload(bool&) override { ++unloads; }
};
} // namespace

TEST(FormRef, LoadsOnFirstReferenceAndAnewAfterAnUnload)
{
    Probe::loads = 0;
    forms::FormRef<Probe> ref;
    EXPECT_FALSE(ref.isLoaded());
    Probe* a = ref.get();
    EXPECT_EQ(ref.get(), a);
    EXPECT_EQ(Probe::loads, 1);
    EXPECT_TRUE(a->isHidden());
    a->refuse = true;
    EXPECT_FALSE(ref.unload());
    EXPECT_TRUE(ref.isLoaded());
    a->refuse = false;
    EXPECT_TRUE(ref.unload());
    EXPECT_FALSE(ref.isLoaded());
    EXPECT_EQ(a->unloads, 1);
    Probe* b = ref.get();
    EXPECT_EQ(Probe::loads, 2);
    EXPECT_NE(b, nullptr);
    EXPECT_TRUE(ref.unload());
    QApplication::processEvents();
}

TEST(SmallDialogs, AboutUpdateSupportAndHints)
{
    ui::clearShownMessages();
    ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    shell::setLauncher([](const shell::ShellAction&) { return true; });
    shell::clearActions();

    forms::FormRef<NoshiAbout> about;
    EXPECT_EQ(about->lblVersion->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 6.0.394"));
    EXPECT_EQ(about->lblTitle->text(), QStringLiteral("そらべに　Sorabeni Print System"));
    about->StartSystemInfo();
    ASSERT_EQ(ui::shownMessages().size(), 1u);
    EXPECT_EQ(ui::shownMessages()[0].text, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
    EXPECT_EQ(ui::shownMessages()[0].title, QStringLiteral("Sorabeni Print System"));
    about.unload();

    shell::SetClipboardText(QStringLiteral("old"));
    forms::FormRef<DialogUpdate> update;
    // Loaded first: the order in which a call's arguments are evaluated is
    // the compiler's choice.
    const QString shown = update->Text1->text();
    EXPECT_EQ(shell::ClipboardText(), shown);
    // The folder of the running program (here the test program's).
    EXPECT_EQ(shown, QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
    bool mainClosed = false;
    update->closeMainWindow = [&] { mainClosed = true; };
    update->Label3_Click();
    EXPECT_TRUE(update.isLoaded());
    update->OKButton->click();
    EXPECT_TRUE(mainClosed);
    EXPECT_FALSE(update.isLoaded());
    update->CancelButton_Click();
    EXPECT_TRUE(shell::ClipboardText().isEmpty());

    forms::FormRef<DialogSuport> support;
    support->OKButton->click();
    support->OKButton->click();
    EXPECT_TRUE(support.isLoaded());
    const auto& acts = shell::actions();
    ASSERT_EQ(acts.size(), 4u);
    EXPECT_EQ(acts[0].target, WebServer + QStringLiteral("/wp_sorabeni/?page_id=8"));
    EXPECT_EQ(acts[1].target, WebServer + QStringLiteral("/wp_sorabeni/?page_id=316"));
    EXPECT_EQ(acts[3].target, WebServer + QStringLiteral("/wp_sorabeni/?page_id=8"));

    const auto lines = DialogDoc::hintLines();
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[0].first, QStringLiteral("　"));
    EXPECT_TRUE(lines[1].second);
    EXPECT_TRUE(lines[15].second);
    EXPECT_FALSE(lines[3].second);
    EXPECT_EQ(lines[15].first, QStringLiteral("　選択した文字とは"));

    shell::setLauncher({});
    ui::setAnswerer({});
    QApplication::processEvents();
}
