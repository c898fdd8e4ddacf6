// The main window's lists, options, checks and commands.
#include "app/NoshiMain.h"
#include "model/TemplateKeys.h"
#include "platform/sysinfo/SysInfo.h"

#include "app/InfoPanel.h"
#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "platform/forms/MousePointer.h"
#include "app/Magnifier.h"
#include "app/Printers.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/fonts/FontCatalog.h"
#include "platform/forms/Controls.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace app {

namespace {

const QString NotFoundMessage = QStringLiteral("選択されたのし紙サイズが見つかりません。");

// Templates on which a joint-name job takes at most three names.
const QStringList JointNameLimitKeys = {
    TemplateKey::MoegiTanzaku, TemplateKey::TanzakuLarge, TemplateKey::TanzakuSmall,
    TemplateKey::TanzakuExtraLarge, TemplateKey::GoreizenFudaLarge, TemplateKey::GoreizenFudaSmall,
    TemplateKey::TanzakuB5Five, TemplateKey::TanzakuB5Six, TemplateKey::TanzakuB5Three};


} // namespace

void NoshiMain::runOmotePreview()
{
    if (hooks().DrawOmotegakiPreview)
        hooks().DrawOmotegakiPreview();
}

void NoshiMain::runNamePreview()
{
    if (hooks().DrawNameWritingPreview)
        hooks().DrawNameWritingPreview();
}

// ---------------------------------------------------------------- panel and resize

namespace {
// The panel is narrow: the release's code name in parentheses is left out.
QString panelSystemName()
{
    const QString name = sysinfo::SystemName();
    const qsizetype paren = name.indexOf(QStringLiteral(" ("));
    return paren > 0 ? name.left(paren) : name;
}
} // namespace

void NoshiMain::DrawInfoPanel()
{
    const LiveStore& st = store();
    const QColor text = palette().color(QPalette::WindowText);
    const QColor grey(0x80, 0x80, 0x80);
    Picture1->clearText();
    Picture1->printLine(QString(), text);
    if (st.OsType == QLatin1String("98/Me"))
        Picture1->printLine(QStringLiteral(" Windows 95/98/Me"), text);
    // The platform line names the system the program really runs on; the
    // version in Text5 only serves the measuring rule.
    if (st.OsType == QLatin1String("NT/XP"))
        Picture1->printLine(QStringLiteral(" ") + panelSystemName(), text);
    Picture1->printLine(QStringLiteral(" ") + AppTitle, text);
    Picture1->printLine(QStringLiteral(" ﾊﾞｰｼﾞｮﾝ ") + VersionText, text);
    Picture1->printLine(QStringLiteral(" Printer : "), text);
    const QString printer = currentPrinterName();
    if (!printer.isEmpty())
        Picture1->printLine(QStringLiteral(" ") + printer, text);
    Picture1->printLine(QStringLiteral(" Printer Paper Size : "), text);
    if (const auto paper = currentPaperTwips(); paper && !printer.isEmpty()) {
        const int w = int(vb::RoundHalfEven(paper->width() / forms::TwipsPerMm));
        const int h = int(vb::RoundHalfEven(paper->height() / forms::TwipsPerMm));
        Picture1->printLine(QStringLiteral(" W %1㎜ ×H %2㎜").arg(w).arg(h), text);
    }
    for (int i = 0; i < 18; ++i)
        Picture1->printLine(QString(), text);
    Picture1->printLine(QStringLiteral("   のし紙の表書き・名書き印刷"), grey);
    Picture1->printLine(QStringLiteral("   サイズと表書きを選んで"), grey);
    Picture1->printLine(QStringLiteral("   「印刷」を押してください。"), grey);
}

void NoshiMain::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    Form_Resize();
}

void NoshiMain::Form_Resize()
{
    constexpr int MinWidth = 9825, FullFrom = 15375;
    constexpr double FullWidthMm = 93.398;
    if (!isMinimized() && outerWidthTwips(this) < MinWidth) {
        const int frame = std::max(0, frameGeometry().width() - geometry().width());
        resize(forms::twipsToPx(MinWidth) - frame, height());
    }
    const int w = outerWidthTwips(this);
    double widthMm = Picture2->width() * 15.0 / forms::TwipsPerMm;
    if (w <= MinWidth || w >= FullFrom)
        widthMm = FullWidthMm;
    else if (w - 10000 > 0)
        widthMm = (w - 10000) / forms::TwipsPerMm;
    // between 9825 and 10000 twips the width would be negative: keep the old one
    Picture2->resize(forms::twipsToPx(widthMm * forms::TwipsPerMm), Picture2->height());
    FlatScrollBar1->resize(forms::twipsToPx(widthMm * forms::TwipsPerMm), FlatScrollBar1->height());
    const int max = int(vb::RoundHalfEven(widthMm));
    FlatScrollBar1->setRange(0, max);
    const int large = max / 10;
    if (large > 0) {
        FlatScrollBar1->setPageStep(large);
        FlatScrollBar1->setSingleStep(large);
    }
    Line4->resize(forms::twipsToPx(w), Line4->height());
}

void NoshiMain::FlatScrollBar1_Change()
{
    const double left = 200 - forms::TwipsPerMm * FlatScrollBar1->value();
    Frame8->move(forms::twipsToPx(left), Frame8->y());
}

// ---------------------------------------------------------------- lists

void NoshiMain::SyncControlsToSize()
{
    LiveStore& st = store();
    st.StyleLoop = Combo3->currentIndex() < 0 ? 0 : Combo3->currentIndex();
    st.LoopPos = st.findSize(Combo1->currentText(), st.StyleLoop);
    freeSizeChosen_ = st.LoopPos < st.RegSizeCount()
                      && st.size(st.LoopPos).RegSizeTemplate[0] == FreeSizeTemplateKey;
    for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4),
                       static_cast<QWidget*>(Combo3)})
        w->setEnabled(!freeSizeChosen_);
    refreshCommandAvailability();
}

void NoshiMain::Combo1_Click()
{
    Label6->setText(QString());
    SyncControlsToSize();
    runOmotePreview();
    runNamePreview();
}

void NoshiMain::Combo2_Change() { runOmotePreview(); }

void NoshiMain::setNameBoxEnabled(bool enabled)
{
    Text2->setStyleSheet(enabled ? QString() : QStringLiteral("QLineEdit { background: #E0E0E0; }"));
    Text2->setEnabled(enabled);
}

void NoshiMain::Combo3_Click()
{
    LiveStore& st = store();
    if (Combo1->currentText().isEmpty())
        return;
    SyncControlsToSize();
    st.StyleLoop = Combo3->currentIndex();
    st.LoopPos = st.findSize(Combo1->currentText(), st.StyleLoop);
    if (st.LoopPos >= st.RegSizeCount()) {
        ui::MsgBox(NotFoundMessage, ui::Buttons::Ok, ui::Icon::Information, ui::InputCheckTitle);
        return;
    }
    const NameStyle style = nameStyleOf(Combo3->currentText());
    if (style == NameStyle::OneLine) {
        Label4->setEnabled(true);
        setNameBoxEnabled(true);
        runNamePreview();
        Text2->setFocus();
    } else if (style == NameStyle::TwoLine) {
        Label4->setEnabled(false);
        setNameBoxEnabled(false);
        if (hooks().showTextSub2)
            hooks().showTextSub2();
        runNamePreview();
    } else if (style == NameStyle::Joint) {
        const QString key = st.size(st.LoopPos).RegSizeTemplate[size_t(st.StyleLoop)];
        if (JointNameLimitKeys.contains(key)) {
            if (hooks().LimitJointNames)
                hooks().LimitJointNames();
        } else if (hooks().enableAllJointNames) {
            hooks().enableAllJointNames();
        }
        Label4->setEnabled(false);
        setNameBoxEnabled(false);
        if (hooks().showTextSub3)
            hooks().showTextSub3();
        runNamePreview();
    }
}

void NoshiMain::Combo3_Change()
{
    if (Combo3->currentText().isEmpty())
        setNameBoxEnabled(true);
}

void NoshiMain::Combo4_DropDown()
{
    if (Combo4->count() == 0) {
        const Hourglass wait;
        const QString keep = Combo4->currentText();
        // The four document fonts, the Japanese fonts, then every other font.
        QStringList names;
        for (const QString& n : fonts::japaneseFontNames()) {
            if (!n.startsWith(QLatin1Char('@')))
                names << n;
        }
        Combo4->addItems(names);
        Combo4->setEditText(keep);
        forms::fitPopupToItems(Combo4);
    }
}

void NoshiMain::Combo4_Click()
{
    if (Combo4->currentText().startsWith(QLatin1Char('@')))
        Combo4->setEditText(Combo4->currentText().mid(1));
    RichTextBox1->setSelFontName(Combo4->currentText());
    RichTextBox2->setSelFontName(Combo4->currentText());
    runOmotePreview();
    runNamePreview();
}

void NoshiMain::Combo5_Click()
{
    const QString name = Combo5->currentText();
    if (name.isEmpty())
        return;
    selectPrinter(name);
}

// ---------------------------------------------------------------- options and checks

void NoshiMain::Check1_Click()
{
    const bool on = forms::checkValue(Check1) == 1;
    if (mnuFilePrintColor)
        mnuFilePrintColor->setChecked(on);
    forms::setOptionValue(on ? Option8 : Option7, true);
    runOmotePreview();
    runNamePreview();
}

void NoshiMain::Check2_Click()
{
    const int v = forms::checkValue(Check2);
    if (v == 1 || v == 0) {
        Option7->setVisible(v == 1);
        Option8->setVisible(v == 1);
    }
}

void NoshiMain::Check3_Click()
{
    if (forms::checkValue(Check3) == 1)
        forms::setCheckValue(Check4, 0);
}

void NoshiMain::Check4_Click()
{
    if (forms::checkValue(Check4) == 1)
        forms::setCheckValue(Check3, 0);
}

void NoshiMain::Text1_Change()
{
    const QString t = Text1->text();
    if (t.isEmpty())
        return;
    const auto n = vb::ToNumber(t);
    if (!n || *n == 0 || *n > 1000)
        return;
    const double whole = vb::RoundHalfEven(*n);
    // Below the spinner's range the spinner stays put; the box keeps the typed text.
    if (whole < UpDown2->minimum())
        return;
    const QSignalBlocker quiet(UpDown2);
    UpDown2->setValue(int(whole));
}

void NoshiMain::UpDown2_Change() { Text1->setText(QString::number(UpDown2->value())); }

void NoshiMain::Text2_Change()
{
    if (Text2->text() == QStringLiteral("位"))
        return;
    runNamePreview();
}

void NoshiMain::Picture3_Click() { showMagnifier(Text2->text(), Combo4->currentText()); }

bool NoshiMain::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Picture3 && e->type() == QEvent::MouseButtonRelease) {
        Picture3_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

// ---------------------------------------------------------------- commands

void NoshiMain::Command1_Click()
{
    if (!hooks().PrintOrPreview)
        return;
    store().EditMode = 1;
    hooks().PrintOrPreview();
}

void NoshiMain::Command7_Click()
{
    if (!hooks().PrintOrPreview)
        return;
    store().EditMode = 0;
    hooks().PrintOrPreview();
}

void NoshiMain::Command2_Click()
{
    if (!hooks().showDatabase2)
        return;
    const Hourglass wait;
    store().PendingOpen = 2;
    QString seed;
    const NameStyle style = nameStyleOf(Combo3->currentText());
    if (style == NameStyle::OneLine)
        seed = Text2->text();
    else if (style == NameStyle::TwoLine && hooks().twoLineCompanyName)
        seed = hooks().twoLineCompanyName();
    else if (style == NameStyle::Joint && hooks().firstJointName)
        seed = hooks().firstJointName();
    // The list puts the normal pointer back when it is activated.
    hooks().showDatabase2(seed);
}

void NoshiMain::Command3_Click()
{
    unloadInputWindows();
    forms::setCheckValue(Check1, 0);
    Combo1->setEditText(QString());
    forms::setText(Combo2, QString());
    forms::setText(Combo3, Combo3->itemText(0));
    forms::setListIndex(Combo3, 0);
    forms::setText(Text2, QString());
    setNameBoxEnabled(true);
    RichTextBox1View->hide();
    RichTextBox2View->hide();
    Label6->setText(QString());
    freeSizeChosen_ = false;
    for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4),
                       static_cast<QWidget*>(Combo3)})
        w->setEnabled(true);
    refreshCommandAvailability();
    DrawInfoPanel();
}

void NoshiMain::Command5_Click()
{
    if (!hooks().showTextSub0)
        return;
    hooks().showTextSub0();
    runOmotePreview();
}

void NoshiMain::Command6_Click()
{
    if (!hooks().showTextSub1)
        return;
    hooks().showTextSub1();
    runNamePreview();
    // The pointer goes back to normal even if the window set the hourglass.
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace app
