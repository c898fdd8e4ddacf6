#include "preview/frmNoshiPreView.h"

#include "model/LiveStore.h"
#include "platform/paths/AppPaths.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Shell.h"
#include "platform/vb/VbNum.h"
#include "preview/PreviewFormatter.h"
#include "preview/PreviewHost.h"
#include "platform/forms/ServiceDialogs.h"
#include "platform/forms/UpDown.h"
#include "platform/run/RunState.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>
#include <QSignalBlocker>
#include <cmath>
#include <functional>

namespace preview {

namespace {

const QColor CanvasColour(0x40, 0x40, 0x40);
const QColor BelowNameMarkColour(0x80, 0x80, 0x80);
constexpr double MarkHeightMm = 4.0;

QLineEdit* hiddenField(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->hide();
    return e;
}

// The page on screen is of the registered size and name style the
// dispatcher stands at; the saves name its paper by them.
void nameCurrentSize(app::LiveStore& st)
{
    if (st.LoopPos >= 0 && st.LoopPos < st.RegSizeCount() && st.StyleLoop >= 0 && st.StyleLoop < app::NameStyleCount) {
        const app::RegisteredSize& z = st.size(st.LoopPos);
        st.CurSizeTemplate = z.RegSizeTemplate[size_t(st.StyleLoop)];
        st.CurSizeName = z.RegSizeName[size_t(st.StyleLoop)];
    }
}

} // namespace

frmNoshiPreView::frmNoshiPreView(QWidget* parent) : forms::Form(parent)
{
    forms::watchServiceDialogs();
    setWindowTitle(QStringLiteral("編　集"));
    setSizeGripEnabled(true);

    buildFrame(this);

    Picture1 = new QWidget(client_);
    Picture1->setAutoFillBackground(true);
    QPalette canvas = Picture1->palette();
    canvas.setColor(QPalette::Window, CanvasColour);
    Picture1->setPalette(canvas);

    RichTextBox1 = new rt::RichTextBox(this);
    RichTextBox2 = new rt::RichTextBox(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox2->setObjectName(QStringLiteral("RichTextBox2"));
    RichTextBox1->setVertical(true);
    RichTextBox2->setVertical(true);
    RichTextBox1View = new rt::RichTextEdit(RichTextBox1, Picture1);
    RichTextBox2View = new rt::RichTextEdit(RichTextBox2, Picture1);
    for (rt::RichTextEdit* view : {RichTextBox1View, RichTextBox2View}) {
        view->setFrameShape(QFrame::NoFrame);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setCanvasColor(CanvasColour);
        view->setPageMarginMm(0);
        view->viewport()->installEventFilter(this);
    }

    Text2 = makeMark(Picture1, CanvasColour);
    Text6 = makeMark(Picture1, CanvasColour);
    Text12 = makeMark(Picture1, BelowNameMarkColour);

    buildScrollBars();
    for (QScrollBar* bar : {VScroll1, HScroll1})
        bar->setTracking(false); // the page moves when the thumb is let go
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    buildStatusBar();

    // The last-clicked box flag.
    Option1 = new QRadioButton(this);
    Option2 = new QRadioButton(this);
    Option1->hide();
    Option2->hide();
    Option2->setChecked(true);

    txtFile1 = hiddenField(this);
    txtFile2 = hiddenField(this);
    txtName = hiddenField(this);
    txtSize = hiddenField(this);
    txtFileName = hiddenField(this);
    Text3 = hiddenField(this);
    Text4 = hiddenField(this);
    Text10 = hiddenField(this);
    Text11 = hiddenField(this);
    mailbox_ = PreviewMailbox(
        {Text3, Text4, Text10, Text11, txtFile1, txtFile2, &dlgCommonDialogFileName, txtName, txtSize, txtFileName});

    buildToolStrips();
    buildMenus();

    PreviewFormatter::Controls c;
    c.view1 = RichTextBox1View;
    c.view2 = RichTextBox2View;
    c.option1 = Option1;
    c.option2 = Option2;
    startFormatting(c);

    for (int which : {1, 2}) {
        rt::RichTextEdit* view = which == 1 ? RichTextBox1View : RichTextBox2View;
        connect(view, &rt::RichTextEdit::clicked, this, [this, which] { format().boxClicked(which); });
        connect(view, &rt::RichTextEdit::rightPressed, this, [this, which](const QPoint& at) {
            format().boxRightPressed(which);
            mnuPopup->popup(at);
        });
        connect(view, &rt::RichTextEdit::changed, this, [this, which] { boxChanged(which); });
        connect(view, &rt::RichTextEdit::focusIn, this, [view] { view->setAttribute(Qt::WA_InputMethodEnabled); });
    }
    // The dispatcher and the loaders change the boxes' size: the page follows.
    for (rt::RichTextBox* box : {RichTextBox1, RichTextBox2})
        connect(box, &rt::RichTextBox::changed, this, [this] { placeBoxes(); });

    const double dpm = pxPerMm();
    resize(int(240 * dpm), int(200 * dpm));
}

frmNoshiPreView::~frmNoshiPreView() = default;

void frmNoshiPreView::buildToolStrips()
{
    Toolbar1 = new QToolBar(client_);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Toolbar1->setMovable(false);
    struct Button {
        QString key, caption, tip;
        QStyle::StandardPixmap icon;
    };
    const Button buttons[] = {
        {QStringLiteral("開く"), QStringLiteral("開く　"), QStringLiteral("名書きファイルリストを開く"), QStyle::SP_DialogOpenButton},
        {QStringLiteral("上書き保存"), QStringLiteral("保存　"), QStringLiteral("名書きを保存"), QStyle::SP_DialogSaveButton},
        {QStringLiteral("印刷"), QStringLiteral("印刷　"), QStringLiteral("印刷"), QStyle::SP_FileIcon},
        {QStringLiteral("切り取り"), QStringLiteral("ｶｯﾄ　"), QStringLiteral("切り取り"), QStyle::SP_DialogDiscardButton},
        {QStringLiteral("ｺﾋﾟｰ"), QStringLiteral("ｺﾋﾟｰ　"), QStringLiteral("ｺﾋﾟｰ"), QStyle::SP_FileDialogContentsView},
        {QStringLiteral("貼り付け"), QStringLiteral("貼付"), QStringLiteral("貼り付け"), QStyle::SP_FileDialogDetailedView},
        {QStringLiteral("元に戻す"), QStringLiteral("戻す　"), QStringLiteral("元に戻す"), QStyle::SP_ArrowBack},
    };
    // The style's pictures take a while to load; a hidden window (a print)
    // never shows them, so they come with the first show. Until then a blank
    // one keeps each button as large as it will be, and the canvas where it is.
    QPixmap blank(Toolbar1->iconSize());
    blank.fill(Qt::transparent);
    const QIcon blankPicture(blank);
    for (const Button& b : buttons) {
        QAction* a = Toolbar1->addAction(blankPicture, b.caption);
        toolPictures_.push_back({a, b.icon});
        a->setToolTip(b.tip);
        a->setData(b.key);
        connect(a, &QAction::triggered, this, [this, key = b.key] { Toolbar1_ButtonClick(key); });
    }
    Toolbar1->addSeparator();
    addBaseline(Toolbar1);

    Toolbar2 = new QToolBar(client_);
    Toolbar2->setMovable(false);
    addCopies(Toolbar2, 1000, 50);
    addPrinterList(Toolbar2, 18);
    addFontBoxes(Toolbar2, 50);
    Command1 = new QPushButton(QStringLiteral("編集画面の更新(&U)"), Toolbar2);
    Toolbar2->addWidget(Command1);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmNoshiPreView::buildMenus()
{
    QMenu* file = MenuBar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuFileLoad1 = addItem(file, QStringLiteral("表書きﾌｧｲﾙﾘｽﾄを開く(&O)　　　　"), QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    mnuList = addItem(file, QStringLiteral("名書きﾌｧｲﾙﾘｽﾄを開く(&N)　　　　"), QKeySequence(Qt::CTRL | Qt::Key_N));
    file->addSeparator();
    mnuOfileOpen = addItem(file, QStringLiteral("表書きﾌｧｲﾙを開く(&O)"));
    mnuFileOpen = addItem(file, QStringLiteral("名書きﾌｧｲﾙを開く(&O)..."));
    file->addSeparator();
    mnuOfileSave = addItem(file, QStringLiteral("表書きの保存(&S)"));
    mnuFileSaveAs = addItem(file, QStringLiteral("名書きの保存(&A)..."), QKeySequence(Qt::CTRL | Qt::Key_A));
    file->addSeparator();
    addPrintItems(file);

    QMenu* edit = MenuBar->addMenu(QStringLiteral("編集(&E)"));
    addEditItems(edit);
    edit->addSeparator();
    mnuUpdate = addItem(edit, QStringLiteral("編集画面の更新(&N)"));

    buildSharedMenus(MenuBar, this);

    auto on = [this](QAction* a, auto f) { connect(a, &QAction::triggered, this, f); };
    on(mnuFileLoad1, [this] { mnuFileLoad1_Click(); });
    on(mnuList, [this] { mnuList_Click(); });
    on(mnuOfileOpen, [this] { mnuOfileOpen_Click(); });
    on(mnuFileOpen, [this] { mnuFileOpen_Click(); });
    on(mnuOfileSave, [this] { mnuOfileSave_Click(); });
    on(mnuFileSaveAs, [this] { mnuFileSaveAs_Click(); });
    on(mnuFilePrint, [this] { mnuFilePrint_Click(); });
    on(mnuPrinterSetup, [] { previewHost().showPrinterDialog(); });
    on(mnuFileExit, [this] { mnuFileExit_Click(); });
    on(mnuUpdate, [this] { Command1_Click(); });
    on(mnuHint, [this] { previewHost().showHints(this); });
    on(mnuHelpAbout, [this] { previewHost().showAbout(this); });
}

void frmNoshiPreView::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QStringLiteral("開く"))
        mnuList_Click();
    else if (key == QStringLiteral("上書き保存"))
        mnuFileSaveAs_Click();
    else if (key == QStringLiteral("印刷"))
        mnuFilePrint_Click();
    else
        runEditButton(key);
}

// --- life of the window ------------------------------------------------------

void frmNoshiPreView::Form_Load()
{
    Form_Resize();
    PreviewHost& host = previewHost();
    Combo1->clear();
    Combo1->addItems(host.printerNames());
    Combo1->setCurrentIndex(Combo1->findText(host.currentPrinterName(), Qt::MatchExactly));
    nameCurrentSize(app::store());
    Combo2->setEditText(host.printFont());
    CurrentRank = 0;
    enableFileLists();
}

void frmNoshiPreView::enableFileLists()
{
    // The saved-file lists come with their own windows; until then their
    // commands stay disabled rather than doing nothing.
    const bool lists = previewHost().hasFileLists();
    mnuFileLoad1->setEnabled(lists);
    mnuList->setEnabled(lists);
    for (QAction* a : Toolbar1->actions())
        if (a->data().toString() == QStringLiteral("開く"))
            a->setEnabled(lists);
}

void frmNoshiPreView::pageLaidOut()
{
    // A new page replaces whatever the user did to the old one; the save
    // names the paper of the page on screen.
    omoteEdited_ = nameEdited_ = false;
    nameCurrentSize(app::store());
    // The layout writes only a placeholder where the rank label goes: the
    // activation that shows the page starts the rank series again and
    // builds the label of the start rank.
    CurrentRank = 0;
}

void frmNoshiPreView::boxChanged(int which)
{
    // Whatever changes a box marks it; only the user's own changes (typing,
    // this window's commands) outlive the next activation.
    const bool byUser = ownWork_ == 0 && isActiveWindow();
    if (which == 1) {
        OmotegakiChanged = true;
        omoteEdited_ = omoteEdited_ || byUser;
    } else {
        NagakiChanged = true;
        nameEdited_ = nameEdited_ || byUser;
    }
}

void frmNoshiPreView::clearChanged(int which)
{
    if (which == 1)
        OmotegakiChanged = omoteEdited_ = false;
    else
        NagakiChanged = nameEdited_ = false;
}

bool frmNoshiPreView::event(QEvent* e)
{
    // Back from a message box or common dialog the caret and the change flags
    // stay. A hidden window is no active window: an activation that reaches
    // it after it hid itself (a message box closing over it) does nothing.
    if (forms::isServiceDialogReturn(e) || (e->type() == QEvent::WindowActivate && !isVisible()))
        return QDialog::event(e);
    return forms::Form::event(e);
}

void frmNoshiPreView::Form_Activate()
{
    if (activating_)
        return;
    activating_ = true;
    const OwnWork own(*this);
    Combo1->setCurrentIndex(Combo1->findText(previewHost().currentPrinterName(), Qt::MatchExactly));
    Toolbar1->update();
    Toolbar2->update();
    enableFileLists();
    placeBoxes();
    RichTextBox1->setSelStart(0);
    RichTextBox2->setSelStart(0);
    OmotegakiChanged = omoteEdited_;
    NagakiChanged = nameEdited_;

    const RankRange ranks = previewHost().rankRange();
    if (!ranks.start.isEmpty() && CurrentRank == 0 && !ranks.end.isEmpty()) {
        try {
            CurrentRank = vb::CInt(ranks.start);
        } catch (const std::exception&) {
            // Not a number: the label shows rank 0.
        }
        BuildRankLabel();
    }
    loadChosenFiles();
    activating_ = false;
}

void frmNoshiPreView::loadChosenFiles()
{
    if (!txtFile1->text().isEmpty())
        LoadOmotegakiFile();
    if (!txtFile2->text().isEmpty())
        LoadNagakiFile();
}

void frmNoshiPreView::Form_QueryUnload(bool& cancel)
{
    if (Text3->text().isEmpty())
        return;
    struct Question {
        bool changed;
        QString text;
        std::function<bool()> save;
    };
    const Question questions[] = {
        {NagakiChanged, QStringLiteral("名書きは変更されています。ファイルに保存しますか？"), [this] { return saveNamePart(); }},
        {OmotegakiChanged, QStringLiteral("表書きは変更されています。ファイルに保存しますか？"), [this] { return saveOmotePart(); }},
    };
    for (const Question& q : questions) {
        if (!q.changed)
            continue;
        const ui::Answer a = ui::MsgBox(q.text, ui::Buttons::YesNoCancel, ui::Icon::Information,
                                        QStringLiteral("ファイルに保存"));
        if (a == ui::Answer::Cancel) {
            cancel = true;
            return;
        }
        // A save the user asked for but that did not happen keeps the page.
        if (a == ui::Answer::Yes && !q.save()) {
            cancel = true;
            return;
        }
    }
}

void frmNoshiPreView::Form_Unload(bool&)
{
    app::LiveStore& st = app::store();
    st.CurSizeTemplate.clear();
    st.CurSizeName.clear();
    for (QLineEdit* field : {Text4, Text10, Text11, txtFile1, txtFile2, txtName, txtSize})
        field->clear();
}

void frmNoshiPreView::Form_Reset()
{
    // Only a window never shown is kept: what the dispatcher, the page
    // printer and the mailbox's writers change goes back; what only the
    // user reaches is as it was made.
    const OwnWork own(*this);
    setWindowTitle(QStringLiteral("編　集"));
    for (rt::RichTextBox* box : {RichTextBox1, RichTextBox2}) {
        box->reset();
        box->setVertical(true);
    }
    setBoxVisible(1, true);
    setBoxVisible(2, true);
    markerWidthMm_ = 0;
    for (QLineEdit* field : {Text3, Text4, Text10, Text11, txtFile1, txtFile2, txtName, txtSize, txtFileName})
        field->clear();
    dlgCommonDialogFileName.clear();
    Text1->setText(QStringLiteral("1"));
    StatusPanel1->clear();
    OmotegakiChanged = NagakiChanged = omoteEdited_ = nameEdited_ = false;
}

void frmNoshiPreView::mnuFileExit_Click()
{
    RichTextBox1->setSelLength(0);
    RichTextBox2->setSelLength(0);
    unload();
    previewHost().showMainWindow();
}

void frmNoshiPreView::Command1_Click()
{
    RichTextBox1->setSelStart(0);
    RichTextBox2->setSelStart(0);
    RichTextBox1View->setFocus(Qt::OtherFocusReason);
}

void frmNoshiPreView::Combo1_Click()
{
    const QString name = Combo1->currentText();
    if (name.isEmpty())
        return;
    if (previewHost().printerNames().contains(name))
        previewHost().selectPrinter(name);
}

// --- the canvas ----------------------------------------------------------------

void frmNoshiPreView::Form_Resize()
{
    const double dpm = pxPerMm();
    const double innerW = client_->width() / dpm;
    const double innerH = client_->height() / dpm;
    const int stripsPx = stackStrips({Toolbar1, Toolbar2});

    CanvasInput in;
    in.innerWidth = innerW;
    in.innerHeight = innerH;
    in.toolbarsHeight = stripsPx / dpm;
    in.boxWidth = RichTextBox1->widthMm();
    in.omoteHeight = RichTextBox1->heightMm();
    in.nameHeight = RichTextBox2->heightMm();
    in.omoteTop = omoteTop_;
    in.vBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent) / dpm;
    in.hBarHeight = in.vBarWidth;
    in.bottomMarkHeight = MarkHeightMm;
    const app::LiveStore& st = app::store();
    in.paperHeight = st.PaperHeight;
    in.layoutWidth = st.LayoutWidth;
    geometry_ = layOutCanvas(in);

    // A window too small for the canvas leaves the controls where they were.
    // The canvas ends at the scroll bars: below and beside them lies the
    // window, so that no part of the page shows around the bars.
    if (geometry_.canvas.width() > 0 && geometry_.canvas.height() > 0) {
        const QRectF& c = geometry_.canvas;
        const double right = geometry_.vBar.height() > 0 ? std::min(c.right(), geometry_.vBar.left()) : c.right();
        const double bottom = geometry_.hBar.width() > 0 ? std::min(c.bottom(), geometry_.hBar.top()) : c.bottom();
        placeMm(Picture1, c.left(), c.top(), right - c.left(), bottom - c.top());
    }
    if (!scrolledAcross_)
        boxLeft_ = geometry_.boxLeft;
    if (geometry_.vBar.height() > 0)
        placeMm(VScroll1, geometry_.vBar.left(), geometry_.vBar.top(), geometry_.vBar.width(), geometry_.vBar.height());
    if (geometry_.hBar.width() > 0)
        placeMm(HScroll1, geometry_.hBar.left(), geometry_.hBar.top(), geometry_.hBar.width(), geometry_.hBar.height());
    placeStatusBar();

    auto applyRange = [](QScrollBar* bar, const ScrollRange& r) {
        // A negative maximum runs the bar from 0 downwards, as the page
        // shorter than its canvas asks.
        const bool down = r.max < 0;
        bar->setInvertedAppearance(down);
        bar->setInvertedControls(down);
        bar->setRange(std::min(0, r.max), std::max(0, r.max));
        if (r.step) {
            bar->setSingleStep(*r.step);
            bar->setPageStep(*r.step);
        }
    };
    applyRange(VScroll1, geometry_.vRange);
    applyRange(HScroll1, geometry_.hRange);
    placeBoxes();
}

void frmNoshiPreView::placeBoxes()
{
    const double width = RichTextBox1->widthMm();
    placeMm(RichTextBox1View, boxLeft_, omoteTop_, width, RichTextBox1->heightMm());
    const double nameTop = nameTopFor(omoteTop_, RichTextBox1->heightMm());
    placeMm(RichTextBox2View, boxLeft_, nameTop, RichTextBox2->widthMm(), RichTextBox2->heightMm());
    const double markW = markerWidthMm_ > 0 ? markerWidthMm_ : width;
    placeMm(Text2, boxLeft_, 0, markW, MarkHeightMm);
    placeMm(Text6, boxLeft_, geometry_.bottomMarkTop, markW, MarkHeightMm);
    placeMm(Text12, boxLeft_, belowNameMarkTopFor(omoteTop_, RichTextBox1->heightMm(), RichTextBox2->heightMm()),
            markW, MarkHeightMm);
    Text2->raise();
    Text6->raise();
}

void frmNoshiPreView::VScroll1_Change()
{
    omoteTop_ = omoteTopFor(VScroll1->value());
    placeBoxes();
}

void frmNoshiPreView::HScroll1_Change()
{
    scrolledAcross_ = true;
    boxLeft_ = boxLeftFor(HScroll1->value());
    placeBoxes();
}

void frmNoshiPreView::resizeEvent(QResizeEvent* e)
{
    forms::Form::resizeEvent(e);
    Form_Resize();
}

void frmNoshiPreView::showEvent(QShowEvent* e)
{
    for (const auto& [action, picture] : toolPictures_)
        action->setIcon(style()->standardIcon(picture));
    toolPictures_.clear();
    forms::Form::showEvent(e);
    Form_Resize();
}

bool frmNoshiPreView::eventFilter(QObject* watched, QEvent* e)
{
    // The wheel over a page box scrolls the canvas.
    if (e->type() == QEvent::Wheel &&
        (watched == RichTextBox1View->viewport() || watched == RichTextBox2View->viewport())) {
        // A notch towards the user moves the page up by one step of the bar.
        const int notches = static_cast<QWheelEvent*>(e)->angleDelta().y() / 120;
        const int towardsMax = VScroll1->invertedControls() ? -1 : 1; // a short page runs below 0
        VScroll1->setValue(VScroll1->value() - towardsMax * notches * VScroll1->singleStep());
        return true;
    }
    return forms::Form::eventFilter(watched, e);
}

void frmNoshiPreView::setMarkerWidthMm(double mm)
{
    markerWidthMm_ = mm;
    placeBoxes();
}

void frmNoshiPreView::setBoxVisible(int box, bool on)
{
    (box == 1 ? RichTextBox1View : RichTextBox2View)->setVisible(on);
}

forms::FormRef<frmNoshiPreView>& NoshiPreView() { return run::slot<forms::FormRef<frmNoshiPreView>>(); }

} // namespace preview
