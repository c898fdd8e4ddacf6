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

constexpr double MmPerInch = 25.4;
const QColor WorkspaceColour(0x80, 0x80, 0x80);
constexpr double TopRulerMm = 105 / 56.7;
constexpr double BottomRulerMm = 300 / 56.7;
const QString SaveTitle = QStringLiteral("ファイルに保存");
const QString OpenFilter = QStringLiteral("すべてのファイル (*.*)|*.*|ﾘｯﾁﾃｷｽﾄ形式のﾌｧｲﾙ (*.rtf)|*.rtf");
const QString SaveFilter = QStringLiteral("ﾘｯﾁﾃｷｽﾄ形式のﾌｧｲﾙ (*.rtf)|*.rtf");

// The font list fills itself when it first opens.
class FontList : public QComboBox {
public:
    std::function<void()> onDropDown;
    using QComboBox::QComboBox;
    void showPopup() override
    {
        if (onDropDown)
            onDropDown();
        QComboBox::showPopup();
    }
};

QScrollBar* spinner(QWidget* parent, int minimum, int maximum, int value)
{
    auto* s = new QScrollBar(Qt::Vertical, parent);
    s->setRange(minimum, maximum);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setValue(value);
    s->setInvertedAppearance(true); // the upper arrow counts up
    s->setInvertedControls(true);
    s->setFixedSize(16, 22);
    return s;
}

QLineEdit* label(const QString& text, QWidget* parent)
{
    auto* e = new QLineEdit(text, parent);
    e->setReadOnly(true);
    e->setFrame(false);
    e->setFocusPolicy(Qt::NoFocus);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(text) + 8);
    return e;
}

QAction* item(QMenu* menu, const QString& caption, const QKeySequence& key = {})
{
    QAction* a = menu->addAction(caption);
    if (!key.isEmpty())
        a->setShortcut(key);
    return a;
}

QColor qColor(rt::Color c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

} // namespace

PageEditor::PageEditor(QWidget* parent) : forms::Form(parent)
{
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

    client_ = new QWidget(this);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 0);
    all->setSpacing(0);
    MenuBar = new QMenuBar(this);
    all->setMenuBar(MenuBar);
    all->addWidget(client_, 1);

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

    Text2 = new QLineEdit(Picture1);
    Text6 = new QLineEdit(Picture1);
    for (QLineEdit* ruler : {Text2, Text6}) {
        ruler->setReadOnly(true);
        ruler->setFocusPolicy(Qt::NoFocus);
        ruler->setFrame(false);
        ruler->setAlignment(Qt::AlignCenter);
        ruler->setText(QStringLiteral("|"));
        QPalette p = ruler->palette();
        p.setColor(QPalette::Base, WorkspaceColour);
        p.setColor(QPalette::Text, QApplication::palette().color(QPalette::Base));
        ruler->setPalette(p);
    }

    VScroll1 = new QScrollBar(Qt::Vertical, client_);
    HScroll1 = new QScrollBar(Qt::Horizontal, client_);
    for (QScrollBar* bar : {VScroll1, HScroll1})
        bar->setRange(0, 0);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });

    StatusBar1 = new QStatusBar(client_);
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusPanel1, 1);

    Text4 = new QLineEdit(this);
    Text4->hide();
    Inserts = new PageInserts(*RichTextBox1View, this);

    buildToolStrips();
    buildMenus();

    preview::PreviewFormatter::Controls c;
    c.view1 = RichTextBox1View;
    c.fontBox = Combo2;
    c.sizeBox = Text7;
    c.sizeSpinner = UpDown3;
    c.baselineBox = Text5;
    c.selectionItems = {mnuPopFont, mnuPopColor, mnuPopUsuzumi, mnuPopSize};
    c.hiddenSizeBelow = 3.75;
    format_ = std::make_unique<preview::PreviewFormatter>(c, [] { return rt::Color(app::store().UsuzumiColor); });
    static_cast<FontList*>(Combo2)->onDropDown = [this] { format_->fontListDropDown(); };
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(Text7, &QLineEdit::textChanged, this, [this] { format_->sizeBoxChanged(); });
    connect(UpDown3, &QScrollBar::valueChanged, this, [this] { format_->sizeSpinnerChanged(); });
    connect(Text5, &QLineEdit::textChanged, this, [this] { format_->baselineChanged(); });

    connect(RichTextBox1View, &rt::RichTextEdit::clicked, this, [this] { RichTextBox1_Click(); });
    connect(RichTextBox1View, &rt::RichTextEdit::rightPressed, this, [this](const QPoint& at) {
        format_->boxRightPressed(1);
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

double PageEditor::pxPerMm() const { return logicalDpiX() / MmPerInch; }

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
    Text8 = label(QStringLiteral("印刷部数"), Toolbar2);
    Text8->setToolTip(QStringLiteral("印刷部数を入力"));
    Text1 = new QLineEdit(QStringLiteral("1"), Toolbar2);
    Text1->setToolTip(QStringLiteral("印刷部数を入力してください。"));
    Text1->setFixedWidth(44);
    UpDown1 = spinner(Toolbar2, 1, 200, 1);
    Combo1 = new QComboBox(Toolbar2);
    Combo1->setMinimumContentsLength(16);
    Combo3 = new QComboBox(Toolbar2);
    Combo3->setMinimumContentsLength(10);
    Combo3->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Toolbar2->addWidget(Text8);
    Toolbar2->addWidget(Text1);
    Toolbar2->addWidget(UpDown1);
    Toolbar2->addSeparator();
    Toolbar2->addWidget(Combo1);
    Toolbar2->addSeparator();
    pageChoiceAction_ = Toolbar2->addWidget(Combo3);
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(UpDown1, &QScrollBar::valueChanged, this, [this] { UpDown1_Change(); });
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    Toolbar3 = new QToolBar(client_);
    Toolbar3->setMovable(false);
    Combo2 = new FontList(Toolbar3);
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setMinimumContentsLength(14);
    Text7 = new QLineEdit(Toolbar3);
    Text7->setFixedWidth(44);
    Text7->setToolTip(
        QStringLiteral("選択した文字のフォントサイズを変更します。フォントサイズを入力してください。"));
    UpDown3 = spinner(Toolbar3, 4, 500, 4);
    Text9 = label(QStringLiteral("ベースラインの移動"), Toolbar3);
    Text5 = new QLineEdit(Toolbar3);
    Text5->setFixedWidth(50);
    const QString baselineTip = QStringLiteral("文字の位置をベースラインの移動より右へ移動させます");
    Text5->setToolTip(baselineTip);
    Text9->setToolTip(baselineTip);
    UpDown2 = new noshi::UpDown(Toolbar3, Text5, -1000, 1000);
    UpDown2->setSingleStep(10);
    UpDown2->setPageStep(10);
    UpDown2->setFixedSize(16, 22);
    Command3 = new QPushButton(QStringLiteral("Color"), Toolbar3);
    Command3->setAutoFillBackground(true);
    for (QWidget* w : {static_cast<QWidget*>(Combo2), static_cast<QWidget*>(Text7), static_cast<QWidget*>(UpDown3),
                       static_cast<QWidget*>(Text9), static_cast<QWidget*>(Text5), static_cast<QWidget*>(UpDown2),
                       static_cast<QWidget*>(Command3)})
        Toolbar3->addWidget(w);
    connect(Command3, &QPushButton::clicked, this, [this] { format_->colorDialog(); });
}

void PageEditor::insertBeforePageChoice(QWidget* w) { Toolbar2->insertWidget(pageChoiceAction_, w); }

void PageEditor::buildMenus()
{
    mnuFile = MenuBar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuFileNew = item(mnuFile, QStringLiteral("新規作成(&N)"));
    mnuFile->addSeparator();
    mnuFileOpen = item(mnuFile, QStringLiteral("ﾌｧｲﾙを開く(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSaveAs = item(mnuFile, QStringLiteral("名前を付けて保存(&A)..."), QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuFile->addSeparator();
    mnuFilePrint = item(mnuFile, QStringLiteral("印刷(&P)..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPrinterSetup = item(mnuFile, QStringLiteral("プリンタの設定(&U)"));
    mnuFile->addSeparator();
    mnuFileExit = item(mnuFile, QStringLiteral("閉じる(&X)"));

    mnuEdit = MenuBar->addMenu(QStringLiteral("編集(&E)"));
    mnuPicload = item(mnuEdit, QStringLiteral("画像ﾌｧｲﾙの読み込み(&L)"));
    mnuEditUndo = item(mnuEdit, QStringLiteral("元に戻す(&U)"));
    mnuEdit->addSeparator();
    mnuEditCut = item(mnuEdit, QStringLiteral("切り取り(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuEditCopy = item(mnuEdit, QStringLiteral("ｺﾋﾟｰ(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPaste = item(mnuEdit, QStringLiteral("貼り付け(&P)"), QKeySequence(Qt::CTRL | Qt::Key_V));

    buildSharedMenus(MenuBar, this);

    auto on = [this](QAction* a, auto f) { connect(a, &QAction::triggered, this, f); };
    on(mnuFileNew, [this] { mnuFileNew_Click(); });
    on(mnuFileOpen, [this] { mnuFileOpen_Click(); });
    on(mnuFileSaveAs, [this] { mnuFileSaveAs_Click(); });
    on(mnuFilePrint, [this] { mnuFilePrint_Click(); });
    on(mnuPrinterSetup, [] { editorHost().showPrinterDialog(); });
    on(mnuFileExit, [this] { mnuFileExit_Click(); });
    on(mnuPicload, [this] { Inserts->showPicturePicker(); });
    on(mnuEditUndo, [this] { format_->undo(); });
    on(mnuEditCut, [this] { format_->cut(); });
    on(mnuEditCopy, [this] { format_->copy(); });
    on(mnuEditPaste, [this] { format_->paste(); });
    connectFormatCommands(this, [this]() -> preview::PreviewFormatter& { return *format_; });
    on(mnuViewStatusBar, [this] { mnuViewStatusBar_Click(); });
    on(mnuHelpContents, [this] { mnuHelpContents_Click(); });
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

void PageEditor::placeMm(QWidget* w, double left, double top, double width, double height) const
{
    const double dpm = pxPerMm();
    w->setGeometry(int(std::lround(left * dpm)), int(std::lround(top * dpm)), std::max(1, int(std::lround(width * dpm))),
                   std::max(1, int(std::lround(height * dpm))));
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
    int y = 0;
    for (QToolBar* bar : {Toolbar1, Toolbar2, Toolbar3}) {
        const int h = bar->sizeHint().height();
        bar->setGeometry(0, y, client_->width(), h);
        y += h;
    }
    const int statusPx = int(std::lround(StatusBarMm * dpm));
    StatusBar1->setGeometry(0, client_->height() - statusPx, client_->width(), statusPx);

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
    format_->boxClicked(1);
    if (const auto c = RichTextBox1->selColor()) {
        QPalette p = Command3->palette();
        p.setColor(QPalette::Button, qColor(*c));
        Command3->setPalette(p);
    }
}

void PageEditor::Combo1_Click()
{
    const QString name = Combo1->currentText();
    if (!name.isEmpty())
        editorHost().selectPrinter(name);
}

void PageEditor::Combo2_Click() { format_->fontChosen(); }

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

int PageEditor::copies() const { return CopiesOf(Text1->text()); }

void PageEditor::Text1_Change()
{
    const auto n = vb::ToNumber(Text1->text());
    if (!n || *n == 0 || *n > 200)
        return;
    const double whole = vb::RoundHalfEven(*n);
    if (whole < UpDown1->minimum())
        return;
    const QSignalBlocker quiet(UpDown1);
    UpDown1->setValue(int(whole));
}

void PageEditor::UpDown1_Change() { Text1->setText(QString::number(UpDown1->value())); }

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
    else if (key == QStringLiteral("切り取り"))
        format_->cut();
    else if (key == QStringLiteral("ｺﾋﾟｰ"))
        format_->copy();
    else if (key == QStringLiteral("貼り付け"))
        format_->paste();
    else if (key == QStringLiteral("元に戻す"))
        format_->undoFocused();
    else
        toggle(key);
}

void PageEditor::mnuViewStatusBar_Click() { StatusBar1->setVisible(mnuViewStatusBar->isChecked()); }

void PageEditor::mnuHelpContents_Click() { shell::OpenHelpFile(); }

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
