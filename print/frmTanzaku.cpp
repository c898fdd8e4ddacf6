#include "print/frmTanzaku.h"

#include "platform/forms/SubWindowParts.h"
#include "platform/forms/Controls.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "platform/settings/SettingsStore.h"
#include "platform/vb/VbNum.h"
#include "print/PagePrintHost.h"
#include "print/TemplateDispatch.h"
#include "platform/forms/UpDown.h"
#include "print/frmPrinterP.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace noshi {

using app::placeTwips;

namespace {

const QString KeyAdjustX = QStringLiteral("PrOffsetT3X");
const QString KeyAdjustY = QStringLiteral("PrOffsetT3Y");

// Whole number of a typed field, halves to even; nullopt when it is none.
std::optional<int> wholeNumber(const QLineEdit* box)
{
    try {
        return vb::CInt(box->text());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

frmTanzaku::frmTanzaku(const TanzakuSheetLayout& layout, PagePrintHost& host, QWidget* parent)
    : forms::Form(parent), layout_(layout), host_(host)
{
    const bool three = layout.strips == 3;
    const bool five = layout.strips == 5;
    setWindowTitle(Caption);
    setFixedSize(forms::twipsToPx(7080), forms::twipsToPx(3120));

    Option1 = placeTwips(new QRadioButton(QStringLiteral("すべての短冊に印刷(&F)"), this), 240, 180, 3600, 300);
    Option2 = placeTwips(new QRadioButton(five ? QStringLiteral("指定した短冊に印刷(&N)")
                                               : QStringLiteral("１枚の短冊に印刷(N)"), this),
                         240, 540, 3600, 300);
    Option1->setChecked(true);
    Text1 = placeTwips(new QLineEdit(three ? QStringLiteral("1") : QString(), this), 480, 900, 495, 330);
    UpDown1 = placeTwips(new UpDown(this, Text1, 1, layout.strips), 975, 900, 255, 330);
    Label1 = placeTwips(new QLabel(five ? QStringLiteral("行目(&S)") : QStringLiteral("行目(W)"), this), 1290, 960, 855, 255);
    Label3 = placeTwips(new QLabel(QStringLiteral("～"), this), 2160, 960, 255, 255);
    Text3 = placeTwips(new QLineEdit(three ? QStringLiteral("1") : QString(), this), 2460, 900, 495, 330);
    UpDown3 = placeTwips(new UpDown(this, Text3, 1, layout.strips), 2955, 900, 255, 330);
    Label2 = placeTwips(new QLabel(QStringLiteral("行目(&E)"), this), 3270, 960, 855, 255);
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text3);

    FrameCopies = placeTwips(new QGroupBox(QStringLiteral("印刷部数"), this), 240, 1440, 2520, 840);
    Label9 = placeTwips(new QLabel(QStringLiteral("印刷部数(&C)"), FrameCopies), 120, 390, 1215, 255);
    Text2 = placeTwips(new QLineEdit(QStringLiteral("1"), FrameCopies), 1380, 330, 615, 330);
    Text2->setToolTip(QStringLiteral("印刷部数を入力してください。"));
    UpDown2 = placeTwips(new UpDown(FrameCopies, Text2, 1, 1000), 1995, 330, 255, 330);
    Label9->setBuddy(Text2);

    if (layout.ownAdjustment) {
        FrameAdjust = placeTwips(new QGroupBox(QStringLiteral("出力位置の調整"), this), 2880, 1440, 2520, 1200);
        Label25 = placeTwips(new QLabel(QStringLiteral("横方向 左へ"), FrameAdjust), 120, 390, 1095, 255);
        Text4 = placeTwips(new QLineEdit(QStringLiteral("0"), FrameAdjust), 1260, 330, 615, 330);
        UpDown4 = placeTwips(new UpDown(FrameAdjust, Text4, -100, 100), 1875, 330, 255, 330);
        Label27 = placeTwips(new QLabel(QStringLiteral("㎜"), FrameAdjust), 2160, 390, 300, 255);
        Label26 = placeTwips(new QLabel(QStringLiteral("縦方向 下へ"), FrameAdjust), 120, 810, 1095, 255);
        Text5 = placeTwips(new QLineEdit(QStringLiteral("0"), FrameAdjust), 1260, 750, 615, 330);
        UpDown5 = placeTwips(new UpDown(FrameAdjust, Text5, -100, 100), 1875, 750, 255, 330);
        Label28 = placeTwips(new QLabel(QStringLiteral("㎜"), FrameAdjust), 2160, 810, 300, 255);
        for (QLineEdit* box : {Text4, Text5})
            app::setImeMode(box, app::ImeMode::Off);
    }
    for (QLineEdit* box : {Text1, Text3, Text2})
        app::setImeMode(box, app::ImeMode::Off);

    ProgressBar1 = placeTwips(new QProgressBar(this), 240, 2700, 5160, 255);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    Command1 = placeTwips(new QPushButton(QStringLiteral("印刷(&P)"), this), 5640, 180, 1335, 375);
    Command1->setDefault(true);
    Command2 = placeTwips(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), 5640, 660, 1335, 375);
    Command3 = placeTwips(new QPushButton(QStringLiteral("ﾌﾟﾘﾝﾀの設定(&U)"), this), 5640, 1140, 1335, 375);
    Command3->setEnabled(printerDialogAvailable());

    connect(Option1, &QRadioButton::toggled, this, [this](bool on) { if (on) Option1_Click(); });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) { if (on) Option2_Click(); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    setRangeEnabled(false);
    forms::EnterAsTab::install(this);
}

void frmTanzaku::Form_Load()
{
    if (!layout_.ownAdjustment)
        return;
    forms::setText(Text4, settings::GetSetting(KeyAdjustX, QStringLiteral("0")));
    forms::setText(Text5, settings::GetSetting(KeyAdjustY, QStringLiteral("0")));
}

void frmTanzaku::Form_Unload(bool& cancel)
{
    Q_UNUSED(cancel);
    if (!layout_.ownAdjustment)
        return;
    // Stored as typed, so that the next opening shows what the user left.
    QString error;
    if (!settings::SaveSettings({{KeyAdjustX, Text4->text()}, {KeyAdjustY, Text5->text()}}, settings::Section, &error))
        ui::MsgBox(error, ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
}

void frmTanzaku::setRangeEnabled(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text3), static_cast<QWidget*>(Label1),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3)})
        w->setEnabled(on);
}

void frmTanzaku::Option1_Click() { setRangeEnabled(false); }
void frmTanzaku::Option2_Click() { setRangeEnabled(true); }

void frmTanzaku::Text1_Change()
{
    // Compared as texts, as the fields hold them.
    if (Text3->text() < Text1->text())
        forms::setText(Text3, Text1->text());
    if (const auto first = wholeNumber(Text1))
        UpDown3->setRangeQuietly(*first, UpDown3->maximum());
}

bool frmTanzaku::makeRequest(TanzakuPrintRequest& request)
{
    if (Option1->isChecked()) {
        forms::setText(Text1, QStringLiteral("1"));
        forms::setText(Text3, QString::number(layout_.strips));
    }
    if (Text1->text().isEmpty())
        forms::setText(Text1, QStringLiteral("1"));
    if (Text3->text().isEmpty())
        forms::setText(Text3, Text1->text());
    if (Text2->text().isEmpty())
        forms::setText(Text2, QStringLiteral("1"));

    // A strip number outside the sheet has no place on it: refused before
    // anything goes to the printer.
    const auto first = wholeNumber(Text1);
    const auto last = wholeNumber(Text3);
    const auto inSheet = [this](std::optional<int> n) { return n && *n >= 1 && *n <= layout_.strips; };
    if (!inSheet(first) || !inSheet(last)) {
        ui::MsgBox(StripRangeMessage(layout_), ui::Buttons::Ok, ui::Icon::Exclamation, ui::InputCheckTitle);
        return false;
    }
    const PagePrintSettings s = host_.printSettings();
    request.firstStrip = *first;
    request.lastStrip = *last;
    request.copies = wholeNumber(Text2).value_or(0);
    request.userSize = s.Check3;
    if (layout_.ownAdjustment) {
        request.adjustX = vb::ToNumber(Text4->text());
        request.adjustY = vb::ToNumber(Text5->text());
    } else {
        request.adjustX = s.PrOffsetX;
        request.adjustY = s.PrOffsetY;
    }
    return true;
}

void frmTanzaku::Command1_Click()
{
    TanzakuPrintRequest request;
    if (!makeRequest(request))
        return;
    ProgressBar1->setRange(0, std::max(request.copies, 1));
    ProgressBar1->show();
    result_ = PrintTanzakuSheet(layout_, request, host_.omoteBox(), host_.nameBox(), prn::CurrentPrinter(),
                                [this](int copy) { ProgressBar1->setValue(copy); });
    ProgressBar1->hide();
    if (!result_.error.isEmpty())
        ui::MsgBox(QStringLiteral("印刷を開始できません。プリンタの設定を確認してください。\n%1").arg(result_.error),
                   ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
    unload();
}

void frmTanzaku::Command2_Click() { unload(); }

void frmTanzaku::Command3_Click() { ShowPrinterDialog(this, true); }

bool IsTanzakuSheetKey(const QString& key) { return TanzakuLayoutForKey(key) != nullptr; }

frmTanzaku* CreateTanzakuSheetPrinter(const QString& key, PagePrintHost& host, const QString& copiesText,
                                      QWidget* owner)
{
    const TanzakuSheetLayout* layout = TanzakuLayoutForKey(key);
    if (!layout)
        return nullptr;
    frmTanzaku* w = nullptr;
    if (layout == &Tanzaku3Layout())
        w = new frmTanzaku3(host, owner);
    else if (layout == &Tanzaku5Layout())
        w = new frmTanzaku5(host, owner);
    else
        w = new frmTanzaku6(host, owner);
    if (owner)
        w->setWindowFlags(w->windowFlags() | Qt::Dialog);
    w->Form_Load();
    forms::setText(w->Text2, copiesText);
    return w;
}

bool ShowTanzakuSheetPrinter(const QString& key, PagePrintHost& host, const QString& copiesText, QWidget* owner)
{
    QPointer<frmTanzaku> w = CreateTanzakuSheetPrinter(key, host, copiesText, owner);
    if (!w)
        return false;
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->setWindowModality(Qt::ApplicationModal);
    w->exec();
    // The window deletes itself once it has unloaded; one closed some other way goes now.
    if (w && !w->isUnloaded())
        w->unload();
    return true;
}

} // namespace noshi

namespace noshi {

void InstallTanzakuSheetPrinter(PagePrintHost& host, QWidget* owner)
{
    QPointer<QWidget> window(owner);
    tanzakuSheetPrinter() = [&host, window](PrinterChoice sheet, const QString& copiesText) {
        const TanzakuSheetLayout& layout = sheet == PrinterChoice::TanzakuSheet3   ? Tanzaku3Layout()
                                           : sheet == PrinterChoice::TanzakuSheet5 ? Tanzaku5Layout()
                                                                                    : Tanzaku6Layout();
        ShowTanzakuSheetPrinter(layout.key, host, copiesText, window);
    };
}

} // namespace noshi
