#include "preview/EditorControls.h"

#include "model/LiveStore.h"
#include "platform/forms/Controls.h"
#include "platform/forms/UpDown.h"
#include "platform/services/Shell.h"
#include "platform/vb/VbNum.h"
#include "preview/CanvasGeometry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

namespace preview {

namespace {

constexpr double MmPerInch = 25.4;

// The font box lists its fonts when it first opens.
class FontCombo : public QComboBox {
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
    noshi::makeArrowsCountUp(s);
    s->setFixedSize(16, 22);
    return s;
}

// A caption in a tool strip: a read-only box just wide enough for its text.
QLineEdit* caption(const QString& text, QWidget* parent)
{
    auto* e = new QLineEdit(text, parent);
    e->setReadOnly(true);
    e->setFrame(false);
    e->setFocusPolicy(Qt::NoFocus);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(text) + 8);
    return e;
}

} // namespace

EditorControls::EditorControls() = default;
EditorControls::~EditorControls() = default;

void EditorControls::buildFrame(QWidget* window)
{
    window_ = window;
    client_ = new QWidget(window);
    auto* all = new QVBoxLayout(window);
    all->setContentsMargins(0, 0, 0, 0);
    all->setSpacing(0);
    MenuBar = new QMenuBar(window);
    all->setMenuBar(MenuBar);
    all->addWidget(client_, 1);
}

double EditorControls::pxPerMm() const { return window_->logicalDpiX() / MmPerInch; }

void EditorControls::placeMm(QWidget* w, double left, double top, double width, double height) const
{
    const double dpm = pxPerMm();
    w->setGeometry(int(std::lround(left * dpm)), int(std::lround(top * dpm)), std::max(1, int(std::lround(width * dpm))),
                   std::max(1, int(std::lround(height * dpm))));
}

QLineEdit* EditorControls::makeMark(QWidget* parent, const QColor& back)
{
    auto* mark = new QLineEdit(parent);
    mark->setReadOnly(true);
    mark->setFocusPolicy(Qt::NoFocus);
    mark->setFrame(false);
    mark->setAlignment(Qt::AlignCenter);
    mark->setText(QStringLiteral("|"));
    QPalette p = mark->palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Text, QApplication::palette().color(QPalette::Base));
    mark->setPalette(p);
    return mark;
}

void EditorControls::buildScrollBars()
{
    VScroll1 = new QScrollBar(Qt::Vertical, client_);
    HScroll1 = new QScrollBar(Qt::Horizontal, client_);
    for (QScrollBar* bar : {VScroll1, HScroll1})
        bar->setRange(0, 0);
}

void EditorControls::buildStatusBar()
{
    StatusBar1 = new QStatusBar(client_);
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusPanel1, 1);
}

void EditorControls::addCopies(QToolBar* strip, int most, int boxWidth)
{
    Text8 = caption(QStringLiteral("印刷部数"), strip);
    Text1 = new QLineEdit(QStringLiteral("1"), strip);
    Text1->setToolTip(QStringLiteral("印刷部数を入力してください。"));
    Text1->setFixedWidth(boxWidth);
    UpDown1 = spinner(strip, 1, most, 1);
    for (QWidget* w : {static_cast<QWidget*>(Text8), static_cast<QWidget*>(Text1), static_cast<QWidget*>(UpDown1)})
        strip->addWidget(w);
    QObject::connect(Text1, &QLineEdit::textChanged, window_, [this] { Text1_Change(); });
    QObject::connect(UpDown1, &QScrollBar::valueChanged, window_, [this] { UpDown1_Change(); });
}

void EditorControls::addPrinterList(QToolBar* strip, int minimumChars)
{
    Combo1 = new QComboBox(strip);
    Combo1->setMinimumContentsLength(minimumChars);
    strip->addWidget(Combo1);
}

void EditorControls::addFontBoxes(QToolBar* strip, int sizeBoxWidth)
{
    Combo2 = new FontCombo(strip);
    forms::makeEditableList(Combo2);
    Combo2->setMinimumContentsLength(14);
    Text7 = new QLineEdit(strip);
    Text7->setFixedWidth(sizeBoxWidth);
    Text7->setToolTip(
        QStringLiteral("選択した文字のフォントサイズを変更します。フォントサイズを入力してください。"));
    UpDown3 = spinner(strip, 4, 500, 4);
    for (QWidget* w : {static_cast<QWidget*>(Combo2), static_cast<QWidget*>(Text7), static_cast<QWidget*>(UpDown3)})
        strip->addWidget(w);
}

void EditorControls::addBaseline(QToolBar* strip)
{
    Text9 = caption(QStringLiteral("ベースラインの移動"), strip);
    Text5 = new QLineEdit(strip);
    Text5->setFixedWidth(50);
    const QString tip = QStringLiteral("文字の位置をベースラインの移動より右へ移動させます");
    Text5->setToolTip(tip);
    Text9->setToolTip(tip);
    UpDown2 = new noshi::UpDown(strip, Text5, -1000, 1000);
    UpDown2->setSingleStep(10);
    UpDown2->setPageStep(10);
    UpDown2->setFixedSize(16, 22);
    for (QWidget* w : {static_cast<QWidget*>(Text9), static_cast<QWidget*>(Text5), static_cast<QWidget*>(UpDown2)})
        strip->addWidget(w);
}

void EditorControls::startFormatting(PreviewFormatter::Controls c)
{
    c.fontBox = Combo2;
    c.sizeBox = Text7;
    c.sizeSpinner = UpDown3;
    c.baselineBox = Text5;
    c.selectionItems = {mnuPopFont, mnuPopColor, mnuPopUsuzumi, mnuPopSize};
    format_ = std::make_unique<PreviewFormatter>(c, [] { return rt::Color(app::store().UsuzumiColor); });
    PreviewFormatter* f = format_.get();
    static_cast<FontCombo*>(Combo2)->onDropDown = [f] { f->fontListDropDown(); };
    QObject::connect(Combo2, &QComboBox::activated, window_, [f] { f->fontChosen(); });
    QObject::connect(Text7, &QLineEdit::textChanged, window_, [f] { f->sizeBoxChanged(); });
    QObject::connect(UpDown3, &QScrollBar::valueChanged, window_, [f] { f->sizeSpinnerChanged(); });
    QObject::connect(Text5, &QLineEdit::textChanged, window_, [f] { f->baselineChanged(); });

    connectFormatCommands(window_, [f]() -> PreviewFormatter& { return *f; });
    QObject::connect(mnuViewStatusBar, &QAction::triggered, window_, [this] { mnuViewStatusBar_Click(); });
    QObject::connect(mnuHelpContents, &QAction::triggered, window_, [this] { mnuHelpContents_Click(); });
}

bool EditorControls::runEditButton(const QString& key)
{
    if (key == QStringLiteral("切り取り"))
        format_->cut();
    else if (key == QStringLiteral("ｺﾋﾟｰ"))
        format_->copy();
    else if (key == QStringLiteral("貼り付け"))
        format_->paste();
    else if (key == QStringLiteral("元に戻す"))
        format_->undoFocused();
    else
        return false;
    return true;
}

int EditorControls::stackStrips(std::initializer_list<QToolBar*> strips)
{
    int y = 0;
    for (QToolBar* strip : strips) {
        const int h = strip->sizeHint().height();
        strip->setGeometry(0, y, client_->width(), h);
        y += h;
    }
    return y;
}

void EditorControls::placeStatusBar()
{
    const int px = int(std::lround(StatusBarMm * pxPerMm()));
    StatusBar1->setGeometry(0, client_->height() - px, client_->width(), px);
}

void EditorControls::Text1_Change()
{
    const auto n = vb::ToNumber(Text1->text());
    if (!n || *n == 0 || *n > UpDown1->maximum())
        return;
    const double whole = vb::RoundHalfEven(*n);
    if (whole < UpDown1->minimum() || whole > UpDown1->maximum())
        return; // the spinner refuses it
    const QSignalBlocker quiet(UpDown1);
    UpDown1->setValue(int(whole));
}

void EditorControls::UpDown1_Change() { Text1->setText(QString::number(UpDown1->value())); }

void EditorControls::mnuViewStatusBar_Click() { StatusBar1->setVisible(mnuViewStatusBar->isChecked()); }

void EditorControls::mnuHelpContents_Click() { shell::OpenHelpFile(); }

} // namespace preview
