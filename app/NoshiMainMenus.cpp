// The main window's menu bar and its commands.
#include "app/NoshiMain.h"

#include "app/InfoPanel.h"
#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "platform/forms/MousePointer.h"
#include "app/SmallDialogs.h"
#include "app/WebPages.h"
#include "platform/forms/Controls.h"
#include "platform/paths/AppPaths.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Shell.h"
#include "platform/run/RunState.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>

namespace app {

namespace {

forms::FormRef<NoshiAbout>& aboutRef() { return run::slot<forms::FormRef<NoshiAbout>>(); }
forms::FormRef<DialogUpdate>& updateRef() { return run::slot<forms::FormRef<DialogUpdate>>(); }
forms::FormRef<DialogSuport>& supportRef() { return run::slot<forms::FormRef<DialogSuport>>(); }

// The edit commands act on the control that has the focus once the menu has closed.
void editFocused(const char* slot)
{
    QMetaObject::invokeMethod(
        qApp,
        [slot] {
            QWidget* w = QApplication::focusWidget();
            if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
                w = combo->lineEdit();
            if (w)
                QMetaObject::invokeMethod(w, slot);
        },
        Qt::QueuedConnection);
}

} // namespace

void NoshiMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const QString& caption, const QKeySequence& key = {}) {
        QAction* a = menu->addAction(caption);
        if (!key.isEmpty())
            a->setShortcut(key);
        Q_UNUSED(this);
        return a;
    };

    QMenu* mnuFile = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuFileList1 = item(mnuFile, QStringLiteral("表書きﾌｧｲﾙﾘｽﾄを開く(&O)"), QKeySequence(QStringLiteral("Ctrl+O")));
    mnuFile->addSeparator();
    mnuFileOpen = item(mnuFile, QStringLiteral("名書きﾌｧｲﾙﾘｽﾄを開く(&N)"), QKeySequence(QStringLiteral("Ctrl+N")));
    mnuFile->addSeparator();
    mnuFilePrint = item(mnuFile, QStringLiteral("印刷(&P)..."), QKeySequence(QStringLiteral("Ctrl+P")));
    mnuPrinterSet = item(mnuFile, QStringLiteral("ﾌﾟﾘﾝﾀの設定(&U)"));
    mnuFile->addSeparator();
    mnuEditNew = item(mnuFile, QStringLiteral("編集印刷(&I)"));
    mnuFilePrintColor = item(mnuFile, QStringLiteral("薄墨印刷(&G)"));
    mnuFilePrintColor->setCheckable(true);
    mnuFile->addSeparator();
    mnuFileExit = item(mnuFile, QStringLiteral("終　　了(&X)"));

    QMenu* mnuEdit = bar->addMenu(QStringLiteral("編集(&E)"));
    mnuEditUndo = item(mnuEdit, QStringLiteral("元に戻す(&U)"));
    mnuEdit->addSeparator();
    mnuEditCut = item(mnuEdit, QStringLiteral("切り取り(&T)"), QKeySequence(QStringLiteral("Ctrl+X")));
    mnuEditCopy = item(mnuEdit, QStringLiteral("ｺﾋﾟｰ(&C)"), QKeySequence(QStringLiteral("Ctrl+C")));
    mnuEditPaste = item(mnuEdit, QStringLiteral("貼り付け(&P)"), QKeySequence(QStringLiteral("Ctrl+V")));
    // The text boxes keep their own Ctrl+X/C/V; the menu shows the keys.
    for (QAction* a : {mnuEditCut, mnuEditCopy, mnuEditPaste})
        a->setShortcutContext(Qt::WidgetShortcut);

    QMenu* mnuView = bar->addMenu(QStringLiteral("表示(&V)"));
    mnuPLoad = item(mnuView, QStringLiteral("画像の差し替え(&O)"));
    mnuPSave = item(mnuView, QStringLiteral("元の画像に戻す(&S)"));
    mnuMonthVew = item(mnuView, QStringLiteral("カレンダー(&C)"));
    mnuMonthVew->setCheckable(true);

    QMenu* mnuViewOptions = bar->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    mnuShortCut = item(mnuViewOptions, QStringLiteral("ﾃﾞｽｸﾄｯﾌﾟにｼｮｰﾄｶｯﾄの作成(&S)"));
    mnuViewOptions->addSeparator();
    mnuViewOptionsMemo = item(mnuViewOptions, QStringLiteral("ﾒﾓ帳の起動(&N)"));
    mnuViewOptionsDentaku = item(mnuViewOptions, QStringLiteral("電卓の起動(&C)"));
    mnuViewOptions->addSeparator();
    mnuHagaki = item(mnuViewOptions, QStringLiteral("はがき印刷(&H)"));
    mnuFreeSize = item(mnuViewOptions, QStringLiteral("フリーサイズ印刷(&F)"));

    QMenu* mnuSettei = bar->addMenu(QStringLiteral("詳細設定(&T)"));
    mnuWiz = item(mnuSettei, QStringLiteral("初期設定ウイザード(W)"));
    mnuSettei->addSeparator();
    mnuSet0 = item(mnuSettei, QStringLiteral("印字位置の調整(&A)"));
    mnuSettei->addSeparator();
    mnuSet1 = item(mnuSettei, QStringLiteral("のし紙ｻｲｽﾞの登録(&N)"));
    mnuSet2 = item(mnuSettei, QStringLiteral("表書きの登録(&O)"));
    mnuSettei->addSeparator();
    mnuSet8 = item(mnuSettei, QStringLiteral("社名の登録(&K)"));
    mnuSet7 = item(mnuSettei, QStringLiteral("動作環境(&D)"));
    mnuList = item(mnuSettei, QStringLiteral("のし紙サイズの登録状況(&C)"));
    mnuSettei->addSeparator();
    mnuFontsize = item(mnuSettei, QStringLiteral("文字サイズの調整(&S)"));

    QMenu* mnuHelp = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuHelpContents = item(mnuHelp, QStringLiteral("目次＆ｷｰﾜｰﾄﾞ(&C)"));
    mnuHelpSearchForHelpOn = item(mnuHelp, QStringLiteral("ｷｰﾜｰﾄﾞ(&S)..."));
    mnuHelpSearchForHelpOn->setVisible(false);
    mnuHelpSearchForHelpOn->setEnabled(false);
    mnuHelpOmote = item(mnuHelp, QStringLiteral("表書きの一覧表(&W)"));
    mnuHelp->addSeparator();
    mnuHelpsuport = item(mnuHelp, QStringLiteral("ｵﾝﾗｲﾝ ｻﾎﾟｰﾄ情報(&T)"));
    mnuHelpsuport->setVisible(false);
    mnuHelpsuport->setEnabled(false);
    mnuCustom = item(mnuHelp, QStringLiteral("ｵﾝﾗｲﾝ ｶｽﾀﾏｻﾎﾟｰﾄ(&O)"));
    mnuHelp->addSeparator();
    mnuUpdate = item(mnuHelp, QStringLiteral("ｱｯﾌﾟﾃﾞｰﾄ(&U)"));
    mnuHelp->addSeparator();
    mnuHelpAbout = item(mnuHelp, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    connect(mnuFileList1, &QAction::triggered, this, [this] { mnuFileList1_Click(); });
    connect(mnuFileOpen, &QAction::triggered, this, [this] { Command2_Click(); });
    connect(mnuFilePrint, &QAction::triggered, this, [this] { mnuFilePrint_Click(); });
    connect(mnuPrinterSet, &QAction::triggered, this, [this] { mnuPrinterSet_Click(); });
    connect(mnuEditNew, &QAction::triggered, this, [this] { mnuEditNew_Click(); });
    // The mark follows Check1, whose handler sets it; the click only flips the box.
    connect(mnuFilePrintColor, &QAction::triggered, this, [this] { mnuFilePrintColor_Click(); });
    connect(mnuFileExit, &QAction::triggered, this, [this] { close(); });
    connect(mnuEditUndo, &QAction::triggered, this, [] { editFocused("undo"); });
    connect(mnuEditCut, &QAction::triggered, this, [] { editFocused("cut"); });
    connect(mnuEditCopy, &QAction::triggered, this, [] { editFocused("copy"); });
    connect(mnuEditPaste, &QAction::triggered, this, [] { editFocused("paste"); });
    connect(mnuPLoad, &QAction::triggered, this, [this] { mnuPLoad_Click(); });
    connect(mnuPSave, &QAction::triggered, this, [this] { mnuPSave_Click(); });
    connect(mnuMonthVew, &QAction::triggered, this, [this] {
        mnuMonthVew->setChecked(!mnuMonthVew->isChecked()); // the command itself flips the mark
        mnuMonthVew_Click();
    });
    connect(mnuShortCut, &QAction::triggered, this, [this] { mnuShortCut_Click(); });
    connect(mnuViewOptionsMemo, &QAction::triggered, this, [] { shell::StartProgram(QStringLiteral("notepad.exe")); });
    connect(mnuViewOptionsDentaku, &QAction::triggered, this, [] { shell::StartProgram(QStringLiteral("calc.exe")); });
    connect(mnuHagaki, &QAction::triggered, this, [] { if (hooks().showHagaki) hooks().showHagaki(); });
    connect(mnuFreeSize, &QAction::triggered, this, [this] { mnuFreeSize_Click(); });
    connect(mnuWiz, &QAction::triggered, this, [] { if (hooks().showSplash) hooks().showSplash(); });
    for (const auto& [action, tab] : settingsMenuItems()) {
        const bool hourglass = action != mnuFontsize;
        // A copy of the binding: clang 14 cannot capture a structured binding.
        connect(action, &QAction::triggered, this, [this, page = tab, hourglass] { openSettingsAt(page, hourglass); });
    }
    connect(mnuHelpContents, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(mnuHelpOmote, &QAction::triggered, this, [] { if (hooks().showNoshiLike) hooks().showNoshiLike(); });
    connect(mnuHelpsuport, &QAction::triggered, this, [] { openWebPage(FaqPage); });
    connect(mnuCustom, &QAction::triggered, this, [] { supportRef().showModeless(); });
    connect(mnuUpdate, &QAction::triggered, this, [this] {
        updateRef().get()->closeMainWindow = [this] { close(); };
        updateRef().showModeless();
    });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { aboutRef().showModal(this); });
}

void NoshiMain::refreshCommandAvailability()
{
    const MainHooks& h = hooks();
    Command1->setEnabled(bool(h.PrintOrPreview));
    Command7->setEnabled(bool(h.PrintOrPreview));
    Command5->setEnabled(bool(h.showTextSub0) && !freeSizeChosen_);
    Command6->setEnabled(bool(h.showTextSub1) && !freeSizeChosen_);
    Command2->setEnabled(bool(h.showDatabase2));
    mnuFileList1->setEnabled(bool(h.showDatabase1));
    mnuFileOpen->setEnabled(bool(h.showDatabase2));
    mnuFilePrint->setEnabled(bool(h.PrintOrPreview));
    mnuEditNew->setEnabled(bool(h.PrintOrPreview));
    mnuPrinterSet->setEnabled(bool(h.showPrinterDialog));
    mnuHagaki->setEnabled(bool(h.showHagaki));
    mnuFreeSize->setEnabled(bool(h.showFreeSize));
    mnuWiz->setEnabled(bool(h.showSplash));
    for (const auto& [action, tab] : settingsMenuItems())
        action->setEnabled(bool(h.showSettings) && (!h.settingsTabBuilt || h.settingsTabBuilt(tab)));
    mnuHelpOmote->setEnabled(bool(h.showNoshiLike));
}

void NoshiMain::mnuFileList1_Click()
{
    if (!hooks().showDatabase1)
        return;
    const Hourglass wait;
    store().PendingOpen = 1;
    hooks().showDatabase1();
}

void NoshiMain::mnuFilePrint_Click() { Command7_Click(); }

void NoshiMain::mnuEditNew_Click() { Command1_Click(); }

void NoshiMain::mnuPrinterSet_Click()
{
    if (!hooks().showPrinterDialog)
        return;
    const Hourglass wait;
    hooks().showPrinterDialog();
}

void NoshiMain::mnuFilePrintColor_Click()
{
    // The triggered action has already flipped its own mark; the box decides.
    forms::setCheckValue(Check1, forms::checkValue(Check1) == 1 ? 0 : 1);
    mnuFilePrintColor->setChecked(forms::checkValue(Check1) == 1);
}

void NoshiMain::mnuPLoad_Click()
{
    const auto path = ui::GetOpenFileName(QStringLiteral("開く"), QString(), QStringLiteral("すべてのﾌｧｲﾙ(*.*)|*.*|"));
    if (!path || path->isEmpty())
        return;
    PictureFile = *path;
    Picture1->clearText();
    if (!Picture1->loadPicture(*path)) {
        ui::MsgBox(QStringLiteral("読み込めない形式のﾌｧｲﾙです。"), ui::Buttons::Ok, ui::Icon::Critical,
                   ui::InputCheckTitle);
        return;
    }
    DrawInfoPanel();
}

void NoshiMain::mnuPSave_Click()
{
    PictureFile.clear();
    ui::MsgBox(QStringLiteral("設定を有効にするには、ｱﾌﾟﾘｹｰｼｮﾝを終了してください。"), ui::Buttons::Ok,
               ui::Icon::Information, ui::InputCheckTitle);
}

void NoshiMain::mnuMonthVew_Click()
{
    monthView()->setSelectedDate(QDate::currentDate());
    mnuMonthVew->setChecked(!mnuMonthVew->isChecked());
    if (mnuMonthVew->isChecked()) {
        MonthView1->resize(MonthView1->size().expandedTo(MonthView1->sizeHint()));
        MonthView1->raise(); // in front of the previews
    }
    MonthView1->setVisible(mnuMonthVew->isChecked());
}

void NoshiMain::mnuShortCut_Click()
{
    QString error;
    const QString program = QCoreApplication::applicationFilePath();
    if (!shell::CreateDesktopShortcut(AppTitle, program, paths::shippedDir() + QStringLiteral("/kazaguru.png"), &error)) {
        ui::MsgBox(QStringLiteral("デスクトップにショートカットを作成できませんでした。\n%1").arg(error),
                   ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("ショートカットの作成"));
        return;
    }
    ui::MsgBox(QStringLiteral("デスクトップにショートカットを作成しました。"), ui::Buttons::Ok,
               ui::Icon::Information, QStringLiteral("ショートカットの作成"));
}

void NoshiMain::mnuFreeSize_Click()
{
    if (!hooks().showFreeSize)
        return;
    store().PaperWidth = 0;
    store().PaperHeight = 0;
    hooks().showFreeSize();
}

void NoshiMain::mnuHelpContents_Click() { shell::OpenHelpFile(); }

std::array<std::pair<QAction*, int>, 7> NoshiMain::settingsMenuItems() const
{
    return {{{mnuSet0, 0}, {mnuSet1, 1}, {mnuSet2, 2}, {mnuSet8, 3}, {mnuSet7, 4}, {mnuFontsize, 4}, {mnuList, 5}}};
}

void NoshiMain::openSettingsAt(int tab, bool hourglass)
{
    if (!hooks().showSettings)
        return;
    const Hourglass wait(hourglass);
    hooks().showSettings(tab);
}

} // namespace app
