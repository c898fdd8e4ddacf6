#include "app/frmTextSub1.h"

#include "model/MainHooks.h"
#include "model/NameStyle.h"
#include "app/NoshiMain.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/forms/Controls.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace app {

std::optional<int> parseRank(const QString& text)
{
    try {
        const int rank = vb::CInt(text); // rounds as the rank printing does: 2.5 -> 2, 3.5 -> 4
        if (rank < 1)
            return std::nullopt;
        return rank;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

frmTextSub1::frmTextSub1(NoshiMain* main, QWidget* parent) : forms::Form(parent), main_(main)
{
    setWindowTitle(Caption);
    setFixedSize(forms::twipsToPx(7950), forms::twipsToPx(7860));

    Frame2 = placeTwips(new QGroupBox(QStringLiteral("ふりがな"), this), 120, 60, 6015, 735);
    Label2 = placeTwips(new QLabel(QStringLiteral("ふり仮名(&F)"), Frame2), 120, 330, 1215, 255);
    Text6 = placeTwips(new QLineEdit(Frame2), 1440, 270, 4335, 345);
    Label2->setBuddy(Text6);

    Frame3 = placeTwips(new QGroupBox(QStringLiteral("住　所"), this), 120, 840, 6015, 2415);
    Check1 = placeTwips(new QCheckBox(QStringLiteral("郵便番号(&Z)"), Frame3), 120, 300, 1275, 300);
    Text2 = placeTwips(new QLineEdit(Frame3), 1440, 270, 2175, 345);
    LabelText5[0] = placeTwips(new QLabel(QStringLiteral("住　　所(&A)"), Frame3), 120, 720, 1275, 255);
    Text5[0] = placeTwips(new QLineEdit(Frame3), 1440, 660, 4335, 345);
    LabelText5[1] = placeTwips(new QLabel(QStringLiteral("住　　所(&S)"), Frame3), 120, 1110, 1275, 255);
    Text5[1] = placeTwips(new QLineEdit(Frame3), 1440, 1050, 4335, 345);
    LabelText5[0]->setBuddy(Text5[0]);
    LabelText5[1]->setBuddy(Text5[1]);
    Check2 = placeTwips(new QCheckBox(QStringLiteral("ＴＥＬ(&T)"), Frame3), 120, 1470, 1275, 300);
    Text1 = placeTwips(new QLineEdit(Frame3), 1440, 1440, 3015, 345);
    Check3 = placeTwips(new QCheckBox(QStringLiteral("ＦＡＸ(&F)"), Frame3), 120, 1860, 1275, 300);
    Text9 = placeTwips(new QLineEdit(Frame3), 1440, 1830, 3015, 345);

    Frame1 = placeTwips(new QGroupBox(QStringLiteral("オブジェクトの挿入"), this), 120, 3300, 6015, 735);
    LabelText3 = placeTwips(new QLabel(QStringLiteral("ファイル名(&O)"), Frame1), 120, 330, 1215, 255);
    Text3 = placeTwips(new QLineEdit(Frame1), 1440, 270, 3375, 345);
    Command3 = placeTwips(new QPushButton(QStringLiteral("参照(&B)"), Frame1), 4920, 255, 975, 375);
    LabelText3->setBuddy(Text3);

    Frame4 = placeTwips(new QGroupBox(QStringLiteral("一括ラベル印刷"), this), 120, 4080, 6015, 1215);
    Check4 = placeTwips(new QCheckBox(QStringLiteral("のし紙に一括表示ラベルを印刷(&L)"), Frame4), 120, 300, 3615, 300);
    Command4 = placeTwips(new QPushButton(QStringLiteral("表示内容の編集(&W)"), Frame4), 3840, 720, 2055, 375);

    Frame5 = placeTwips(new QGroupBox(QStringLiteral("順位"), this), 120, 5340, 6015, 1215);
    Label3 = placeTwips(new QLabel(QStringLiteral("順位(&M)"), Frame5), 120, 330, 855, 255);
    txtStart = placeTwips(new QLineEdit(Frame5), 1080, 270, 855, 345);
    Label4 = placeTwips(new QLabel(QStringLiteral("位から"), Frame5), 2040, 330, 735, 255);
    txtEnd = placeTwips(new QLineEdit(Frame5), 2880, 270, 855, 345);
    Label6 = placeTwips(new QLabel(QStringLiteral("位まで"), Frame5), 3840, 330, 735, 255);
    Check5 = placeTwips(new QCheckBox(QStringLiteral("全角で印刷(&C)"), Frame5), 120, 780, 2175, 300);
    Label3->setBuddy(txtStart);

    const OkCancel buttons = makeOkCancel(this, 6360, 180);
    Command1 = buttons.ok;
    Command2 = buttons.cancel;

    for (QLineEdit* box : {Text6, Text2, Text5[0], Text5[1], Text1, Text9})
        setImeMode(box, ImeMode::Hiragana);
    setImeMode(txtStart, ImeMode::Off);
    setImeMode(txtEnd, ImeMode::Off);
    setImeMode(Text3, ImeMode::Unchanged);

    const QList<QWidget*> order = {Text6, Check1, Text2, Text5[0], Text5[1], Check2, Text1, Check3, Text9,
                                   Text3, Command3, Check4, Command4, txtStart, txtEnd, Check5, Command1,
                                   Command2};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(Check1, &QCheckBox::stateChanged, this, [this] { Check1_Click(); });
    connect(Check2, &QCheckBox::stateChanged, this, [this] { Check2_Click(); });
    connect(Check3, &QCheckBox::stateChanged, this, [this] { Check3_Click(); });
    connect(Check4, &QCheckBox::stateChanged, this, [this] { Check4_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    forms::EnterAsTab::install(this);
}

void frmTextSub1::prefix(QCheckBox* box, QLineEdit* text, const QString& mark)
{
    if (forms::checkValue(box) == 1)
        forms::setText(text, mark + text->text());
}

void frmTextSub1::Check1_Click() { prefix(Check1, Text2, QStringLiteral("〒")); }
void frmTextSub1::Check2_Click() { prefix(Check2, Text1, QStringLiteral("ＴＥＬ ")); }
void frmTextSub1::Check3_Click() { prefix(Check3, Text9, QStringLiteral("ＦＡＸ ")); }

void frmTextSub1::Check4_Click()
{
    if (forms::checkValue(Check4) == 1) {
        if (hooks().showTextSub4)
            hooks().showTextSub4();
    } else if (forms::Unloadable* label = hooks().frmTextSub[4]) {
        label->unload();
    }
}

void frmTextSub1::Command4_Click()
{
    if (hooks().showTextSub4)
        hooks().showTextSub4();
}

void frmTextSub1::Command3_Click()
{
    const std::optional<QString> chosen = ui::GetOpenFileName(
        QStringLiteral("開く"), QString(),
        QStringLiteral("すべてのファイル (*.*)|*.*|") + QStringLiteral("ﾜｰﾄﾞ形式のﾌｧｲﾙ (*.doc)|*.doc"), 2);
    if (!chosen || chosen->isEmpty())
        return; // a cancel changes nothing
    forms::setText(Text3, *chosen);
    main_->Label6->setText(*chosen);
}

void frmTextSub1::Command1_Click()
{
    if (txtStart->text().isEmpty())
        forms::setText(txtEnd, QString());
    if (!txtStart->text().isEmpty() && txtEnd->text().isEmpty())
        forms::setText(txtEnd, txtStart->text());
    if (txtStart->text().isEmpty() || txtEnd->text().isEmpty()) {
        accept();
        return;
    }
    // The comparison rounds both ranks to whole numbers. A rank that is no
    // number, or is out of the 16-bit range, would print "0位" labels, and
    // one below 1 a rank no label should carry: those are refused here
    // instead of being copied into the end rank.
    const std::optional<int> start = parseRank(txtStart->text());
    const std::optional<int> end = parseRank(txtEnd->text());
    if (!start || !end) {
        ui::MsgBox(RankMessage, ui::Buttons::Ok, ui::Icon::Exclamation, ui::InputCheckTitle);
        QLineEdit* bad = start ? txtEnd : txtStart;
        bad->setFocus();
        bad->selectAll();
        return;
    }
    if (*start > *end)
        forms::setText(txtEnd, txtStart->text());
    QApplication::setOverrideCursor(Qt::WaitCursor); // the opening command puts it back
    accept();
    forms::setText(main_->Text2, QStringLiteral("位"));
}

void frmTextSub1::Command2_Click()
{
    if (!unload())
        return;
    if (forms::Unloadable* label = hooks().frmTextSub[4])
        label->unload();
}

void frmTextSub1::Form_Activate()
{
    const bool oneLine = app::nameStyleOf(main_->Combo3->currentText()) == app::NameStyle::OneLine;
    for (QWidget* w : std::initializer_list<QWidget*>{Frame2, Label2, Frame5, Label3, Label4, Label6, Check5})
        w->setEnabled(oneLine);
}

} // namespace app
