#include "editors/PageEditor.h"

#include "editors/EditorHost.h"
#include "editors/PageCopies.h"
#include "editors/PageInserts.h"
#include "editors/PageViewGeometry.h"
#include "model/LiveStore.h"
#include "platform/forms/UpDown.h"
#include "platform/paths/AppPaths.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Shell.h"
#include "platform/vb/VbNum.h"
#include "preview/PreviewFormatter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

namespace editors {

namespace {

const QColor WorkspaceColour(0x80, 0x80, 0x80);
constexpr double TopRulerMm = 105 / 56.7;
constexpr double BottomRulerMm = 300 / 56.7;
const QString SaveTitle = QStringLiteral("ファイルに保存");
const QString OpenFilter = QStringLiteral("すべてのファイル (*.*)|*.*|ﾘｯﾁﾃｷｽﾄ形式のﾌｧｲﾙ (*.rtf)|*.rtf");
const QString SaveFilter = QStringLiteral("ﾘｯﾁﾃｷｽﾄ形式のﾌｧｲﾙ (*.rtf)|*.rtf");

QColor qColor(rt::Color c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

} // namespace

PageEditor::PageEditor(QWidget* parent) : forms::Form(parent)
{
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

    buildFrame(this);

    Picture1 = new QWidget(client_);
    Picture1->setAutoFillBackground(true);
    QPalette work = Picture1->palette();
    work.setColor(QPalette::Window, WorkspaceColour);
    Picture1->setPalette(work);
    Picture2 = new QWidget(Picture1);
    Picture2->setAutoFillBackground(true);
    QPalette frame = Picture2->palette();
    frame.setColor(QPalette::Window, QApplication::palette().color(QPalette::Base));
    Picture2->setPalette(frame);

    RichTextBox1 = new rt::RichTextBox(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1View = new rt::RichTextEdit(RichTextBox1, Picture2);
    RichTextBox1View->setFrameShape(QFrame::NoFrame);
    RichTextBox1View->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichTextBox1View->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichTextBox1View->setPageMarginMm(0);

    Text2 = makeMark(Picture1, WorkspaceColour);
    Text6 = makeMark(Picture1, WorkspaceColour);

    buildScrollBars();
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    buildStatusBar();

    Text4 = new QLineEdit(this);
    Text4->hide();
    Inserts = new PageInserts(*RichTextBox1View, this);

    buildToolStrips();
    buildMenus();

    preview::PreviewFormatter::Controls c;
    c.view1 = RichTextBox1View;
    c.hiddenSizeBelow = 3.75;
    startFormatting(c);

    connect(RichTextBox1View, &rt::RichTextEdit::clicked, this, [this] { RichTextBox1_Click(); });
    connect(RichTextBox1View, &rt::RichTextEdit::rightPressed, this, [this](const QPoint& at) {
        format().boxRightPressed(1);
        mnuPopup->popup(at);
    });
    // Japanese input is on whenever the page has the focus.
    connect(RichTextBox1View, &rt::RichTextEdit::focusIn, this,
            [this] { RichTextBox1View->setAttribute(Qt::WA_InputMethodEnabled); });
    connect(RichTextBox1, &rt::RichTextBox::changed, this, [this] {
        if (ownWork_ == 0)
            IsDirty = true;
    });

    const double dpm = pxPerMm();
    resize(int(240 * dpm), int(220 * dpm));
}

PageEditor::~PageEditor() = default;

void PageEditor::buildToolStrips()
{
    Toolbar1 = new QToolBar(client_);
    Toolbar1->setMovable(false);
    Toolbar1->setFocusPolicy(Qt::NoFocus);
    struct Button {
        QString key, tip, text;
        QStyle::StandardPixmap icon;
    };
    const QStyle::StandardPixmap none = QStyle::SP_CustomBase;
    const Button buttons[] = {
        {QStringLiteral("新規作成"), QStringLiteral("新規作成"), {}, QStyle::SP_FileIcon},
        {QStringLiteral("開く"), QStringLiteral("開く"), {}, QStyle::SP_DialogOpenButton},
        {QStringLiteral("上書き保存"), QStringLiteral("名前を付けて保存"), {}, QStyle::SP_DialogSaveButton},
        {QStringLiteral("印刷"), QStringLiteral("印刷"), QStringLiteral("印刷"), none},
        {},
        {QStringLiteral("切り取り"), QStringLiteral("切り取り"), QStringLiteral("ｶｯﾄ"), none},
        {QStringLiteral("ｺﾋﾟｰ"), QStringLiteral("ｺﾋﾟｰ"), QStringLiteral("ｺﾋﾟｰ"), none},
        {QStringLiteral("貼り付け"), QStringLiteral("貼り付け"), QStringLiteral("貼付"), none},
        {},
        {QStringLiteral("元に戻す"), QStringLiteral("元に戻す"), {}, QStyle::SP_ArrowBack},
        {},
        {QStringLiteral("太字"), QStringLiteral("太字"), QStringLiteral("B"), none},
        {QStringLiteral("斜体"), QStringLiteral("斜体"), QStringLiteral("I"), none},
        {QStringLiteral("下線"), QStringLiteral("下線"), QStringLiteral("U"), none},
        {QStringLiteral("取り消し線"), QStringLiteral("取り消し線"), QStringLiteral("S"), none},
    };
    for (const Button& b : buttons) {
        if (b.key.isEmpty()) {
            Toolbar1->addSeparator();
            continue;
        }
        QAction* a = b.icon == none ? Toolbar1->addAction(b.text)
                                    : Toolbar1->addAction(style()->standardIcon(b.icon), b.tip);
        a->setToolTip(b.tip);
        a->setData(b.key);
        QFont f = Toolbar1->font();
        f.setBold(b.key == QStringLiteral("太字"));
        f.setItalic(b.key == QStringLiteral("斜体"));
        f.setUnderline(b.key == QStringLiteral("下線"));
        f.setStrikeOut(b.key == QStringLiteral("取り消し線"));
        a->setFont(f);
        connect(a, &QAction::triggered, this, [this, key = b.key] { Toolbar1_ButtonClick(key); });
    }
    // The toolbar does not take the focus from the page.
    for (QWidget* w : Toolbar1->findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);

    Toolbar2 = new QToolBar(client_);
    Toolbar2->setMovable(false);
    addCopies(Toolbar2, 200, 44);
    Text8->setToolTip(QStringLiteral("印刷部数を入力"));
    Toolbar2->addSeparator();
    addPrinterList(Toolbar2, 16);
    Toolbar2->addSeparator();
    Combo3 = new QComboBox(Toolbar2);
    Combo3->setMinimumContentsLength(10);
    Combo3->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    pageChoiceAction_ = Toolbar2->addWidget(Combo3);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    Toolbar3 = new QToolBar(client_);
    Toolbar3->setMovable(false);
    addFontBoxes(Toolbar3, 44);
    addBaseline(Toolbar3);
    Command3 = new QPushButton(QStringLiteral("Color"), Toolbar3);
    Command3->setAutoFillBackground(true);
    Toolbar3->addWidget(Command3);
    connect(Command3, &QPushButton::clicked, this, [this] { format().colorDialog(); });
}

void PageEditor::insertBeforePageChoice(QWidget* w) { Toolbar2->insertWidget(pageChoiceAction_, w); }

void PageEditor::buildMenus()
{
    mnuFile = MenuBar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuFileNew = addItem(mnuFile, QStringLiteral("新規作成(&N)"));
    mnuFile->addSeparator();
    mnuFileOpen = addItem(mnuFile, QStringLiteral("ﾌｧｲﾙを開く(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSaveAs = addItem(mnuFile, QStringLiteral("名前を付けて保存(&A)..."), QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuFile->addSeparator();
    addPrintItems(mnuFile);

    mnuEdit = MenuBar->addMenu(QStringLiteral("編集(&E)"));
    mnuPicload = addItem(mnuEdit, QStringLiteral("画像ﾌｧｲﾙの読み込み(&L)"));
    addEditItems(mnuEdit);

    buildSharedMenus(MenuBar, this);

    auto on = [this](QAction* a, auto f) { connect(a, &QAction::triggered, this, f); };
    on(mnuFileNew, [this] { mnuFileNew_Click(); });
    on(mnuFileOpen, [this] { mnuFileOpen_Click(); });
    on(mnuFileSaveAs, [this] { mnuFileSaveAs_Click(); });
    on(mnuFilePrint, [this] { mnuFilePrint_Click(); });
    on(mnuPrinterSetup, [] { editorHost().showPrinterDialog(); });
    on(mnuFileExit, [this] { mnuFileExit_Click(); });
    on(mnuPicload, [this] { Inserts->showPicturePicker(); });
    on(mnuHint, [this] { editorHost().showHints(this); });
    on(mnuHelpAbout, [this] { editorHost().showAbout(this); });
}

// --- the page ------------------------------------------------------------------

void PageEditor::applyPage(double widthMm, double heightMm, bool vertical, const QString& fontName, double points)
{
    const OwnWork own(*this);
    RichTextBox1View->hide();
    RichTextBox1->setVertical(vertical);
    RichTextBox1->setWidthMm(widthMm);
    RichTextBox1->setHeightMm(heightMm);
    RichTextBox1->setRightMarginMm(vertical ? heightMm : widthMm);
    RichTextBox1->setSelFontName(fontName);
    RichTextBox1->setSelFontSize(points);
    RichTextBox1View->show();
    RichTextBox1View->viewport()->update();
    Form_Resize();
}

QRectF PageEditor::frameMm() const { return frame_; }
double PageEditor::rulerLeftMm() const { return rulerLeft_; }

void PageEditor::resizeEvent(QResizeEvent* e)
{
    forms::Form::resizeEvent(e);
    Form_Resize();
}

void PageEditor::Form_Resize()
{
    const double dpm = pxPerMm();
    // The tool strips stacked at the top, the status bar at the bottom.
    const int y = stackStrips({Toolbar1, Toolbar2, Toolbar3});
    placeStatusBar();

    PageViewInput in;
    in.innerWidth = client_->width() / dpm;
    in.innerHeight = client_->height() / dpm;
    in.toolbarsHeight = y / dpm;
    in.pageWidth = RichTextBox1->widthMm();
    in.pageHeight = RichTextBox1->heightMm();
    in.vBarWidth = VScroll1->sizeHint().width() / dpm;
    in.hBarHeight = HScroll1->sizeHint().height() / dpm;
    in.bottomRulerHeight = BottomRulerMm;
    in.paperWidth = scrollPaperWidth();
    in.paperHeight = scrollPaperHeight();
    in.hValue = HScroll1->value();
    in.keepScrolledWhenWide = keepScrolledWhenWide();
    const PageViewGeometry g = layOutPageView(in);
    if (g.work.width() <= 0 || g.work.height() <= 0)
        return; // too small to show anything: the controls stay where they were

    placeMm(Picture1, g.work.left(), g.work.top(), g.work.width(), g.work.height());
    frame_ = g.frame;
    rulerLeft_ = g.rulerLeft;
    placeMm(Text2, g.rulerLeft, 0, in.pageWidth, TopRulerMm);
    placeMm(Text6, g.rulerLeft, g.bottomRulerTop, in.pageWidth, BottomRulerMm);
    placeFrame();
    // The bottom ruler marks the page's extent where the page does not
    // reach down to it; it never covers the page.
    Text6->lower();
    placeMm(VScroll1, g.vBar.left(), g.vBar.top(), g.vBar.width(), g.vBar.height());
    placeMm(HScroll1, g.hBar.left(), g.hBar.top(), g.hBar.width(), g.hBar.height());
    VScroll1->raise();
    HScroll1->raise();
    const auto setRange = [](QScrollBar* bar, const preview::ScrollRange& r) {
        const QSignalBlocker quiet(bar);
        bar->setRange(0, r.max);
        if (r.step) {
            bar->setPageStep(*r.step);
            bar->setSingleStep(*r.step);
        }
    };
    setRange(VScroll1, g.vRange);
    setRange(HScroll1, g.hRange);
}

void PageEditor::placeFrame()
{
    placeMm(Picture2, frame_.left(), frame_.top(), frame_.width(), frame_.height());
    placeMm(RichTextBox1View, PageInFrameMm, PageInFrameMm, RichTextBox1->widthMm(), RichTextBox1->heightMm());
    const double dpm = pxPerMm();
    Text2->move(int(std::lround(rulerLeft_ * dpm)), Text2->y());
    Text6->move(int(std::lround(rulerLeft_ * dpm)), Text6->y());
}

void PageEditor::HScroll1_Change()
{
    frame_.moveLeft(frameLeftFor(HScroll1->value()));
    rulerLeft_ = rulerLeftFor(HScroll1->value());
    placeFrame();
}

void PageEditor::VScroll1_Change()
{
    frame_.moveTop(frameTopFor(VScroll1->value()));
    placeFrame();
}

// --- commands ------------------------------------------------------------------

void PageEditor::RichTextBox1_Click()
{
    format().boxClicked(1);
    if (const auto c = RichTextBox1->selColor()) {
        const QColor back = qColor(*c);
        QPalette p = Command3->palette();
        p.setColor(QPalette::Button, back);
        // The caption stays readable on any colour: white on a dark one.
        p.setColor(QPalette::ButtonText, qGray(back.rgb()) < 128 ? Qt::white : Qt::black);
        Command3->setPalette(p);
    }
}

void PageEditor::Combo1_Click()
{
    const QString name = Combo1->currentText();
    if (!name.isEmpty())
        editorHost().selectPrinter(name);
}

void PageEditor::fillPrinterList()
{
    EditorHost& host = editorHost();
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    Combo1->addItems(host.printerNames());
    const int at = Combo1->findText(host.currentPrinterName(), Qt::MatchExactly);
    if (at >= 0)
        Combo1->setCurrentIndex(at);
}

std::optional<int> PageEditor::copies() const
{
    const std::optional<int> n = CopiesOf(Text1->text());
    if (!n)
        ui::MsgBox(CopiesCheckMessage, ui::Buttons::Ok, ui::Icon::Exclamation, CopiesCheckTitle);
    return n;
}

void PageEditor::toggle(const QString& key)
{
    rt::RichTextBox& b = *RichTextBox1;
    const rt::EditBlock step(b);
    if (key == QStringLiteral("太字"))
        b.setSelBold(b.selBold() != true);
    else if (key == QStringLiteral("斜体"))
        b.setSelItalic(b.selItalic() != true);
    else if (key == QStringLiteral("下線"))
        b.setSelUnderline(b.selUnderline() != true);
    else if (key == QStringLiteral("取り消し線"))
        b.setSelStrikeThru(b.selStrikeThru() != true);
    RichTextBox1View->setFocus(Qt::OtherFocusReason);
}

void PageEditor::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QStringLiteral("新規作成"))
        mnuFileNew_Click();
    else if (key == QStringLiteral("開く"))
        mnuFileOpen_Click();
    else if (key == QStringLiteral("上書き保存"))
        mnuFileSaveAs_Click();
    else if (key == QStringLiteral("印刷"))
        mnuFilePrint_Click();
    else if (!runEditButton(key))
        toggle(key);
}

// --- files ---------------------------------------------------------------------

namespace {
enum class Saved { Yes, Cancelled, Failed };
}

static Saved saveTo(PageEditor& w, bool& dirty)
{
    const auto chosen = ui::GetSaveFileName(QStringLiteral("名前を付けて保存"), app::store().FileParth, SaveFilter);
    if (!chosen || chosen->isEmpty())
        return Saved::Cancelled;
    QString error;
    if (!w.RichTextBox1->saveFile(*chosen, &error)) {
        ui::MsgBox(error + QStringLiteral("\n保存されていません。"), ui::Buttons::Ok, ui::Icon::Exclamation,
                   QStringLiteral("Caution"));
        return Saved::Failed;
    }
    dirty = false;
    return Saved::Yes;
}

bool PageEditor::mnuFileSaveAs_Click() { return saveTo(*this, IsDirty) == Saved::Yes; }

bool PageEditor::mayDiscardPage()
{
    if (!IsDirty)
        return true;
    const ui::Answer a = ui::MsgBox(closingQuestion(), ui::Buttons::YesNoCancel, ui::Icon::Information, SaveTitle);
    if (a == ui::Answer::Cancel)
        return false;
    // A save the user asked for that failed keeps the page; cancelling the
    // file dialog lets it go, as No does.
    return a != ui::Answer::Yes || saveTo(*this, IsDirty) != Saved::Failed;
}

void PageEditor::mnuFileOpen_Click()
{
    if (!mayDiscardPage())
        return;
    const auto chosen = ui::GetOpenFileName(QStringLiteral("開く"), app::store().FileParth, OpenFilter, 2);
    if (!chosen || chosen->isEmpty())
        return;
    const OwnWork own(*this);
    QString error;
    if (!RichTextBox1->loadFile(*chosen, &error)) {
        ui::MsgBox(error + QStringLiteral("\nページはそのままです。"), ui::Buttons::Ok, ui::Icon::Exclamation,
                   QStringLiteral("Caution"));
        return;
    }
    RichTextBox1View->clearUndo();
    setWindowTitle(captionBase() + QStringLiteral("  ") + *chosen);
    Text4->setText(*chosen);
    IsDirty = false;
}

void PageEditor::mnuFileNew_Click()
{
    if (!mayDiscardPage())
        return;
    newPageSetup();
    {
        const OwnWork own(*this);
        RichTextBox1->clear();
        RichTextBox1View->clearUndo();
    }
    IsDirty = false;
    RichTextBox1View->setFocus(Qt::OtherFocusReason);
}

void PageEditor::mnuFileExit_Click()
{
    RichTextBox1->setSelLength(0);
    unload();
    editorHost().showMainWindow();
}

void PageEditor::Form_QueryUnload(bool& cancel)
{
    if (!mayDiscardPage())
        cancel = true;
}

void PageEditor::Form_Unload(bool&)
{
    app::LiveStore& st = app::store();
    st.CurSizeTemplate.clear();
    st.CurSizeName.clear();
    Text4->clear();
    const OwnWork own(*this);
    RichTextBox1->clear();
}

} // namespace editors
