#include "app/frmTextSub2.h"

#include "app/Magnifier.h"
#include "app/NoshiMain.h"
#include "platform/forms/CharLimit.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/forms/Controls.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/text/Graphemes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app {

const QStringList& frmTextSub2::titles()
{
    static const QStringList t = {QStringLiteral("代表取締役社長"), QStringLiteral("代表取締役会長"),
                                  QStringLiteral("代表取締役"),     QStringLiteral("取締役社長"),
                                  QStringLiteral("取 締 役"),       QStringLiteral("支 店 長"),
                                  QStringLiteral("代 表 ")};
    return t;
}

frmTextSub2::frmTextSub2(NoshiMain* main, QWidget* parent) : forms::Form(parent), main_(main)
{
    setWindowTitle(Caption);
    setFixedSize(forms::twipsToPx(7695), forms::twipsToPx(2280));

    LabelText7 = placeTwips(new QLabel(QStringLiteral("法人名(&Z)"), this), 240, 180, 1095, 255);
    Text7 = placeTwips(new QLineEdit(this), 240, 420, 5295, 345);
    forms::limitChars(Text7, 15);
    Picture1 = placeTwips(new MagnifierButton(this, [this] { Picture1_Click(); }), 5640, 480, 240, 225);
    LabelCombo2 = placeTwips(new QLabel(QStringLiteral("肩書(&Y)"), this), 240, 960, 1095, 255);
    Combo2 = placeTwips(new QComboBox(this), 240, 1200, 2415, 345);
    forms::makeEditableList(Combo2);
    Combo2->setToolTip(QStringLiteral("該当する肩書がない場合は、テキストに直接入力（７文字以内）します。"));
    LabelText8 = placeTwips(new QLabel(QStringLiteral("氏名(&N)"), this), 2880, 960, 735, 255);
    Label7 = placeTwips(new QLabel(this), 3720, 960, 1815, 255);
    Label7->setStyleSheet(QStringLiteral("color: #000080;"));
    Label7->hide();
    Text8 = placeTwips(new QLineEdit(this), 2880, 1200, 2655, 345);
    Text8->setValidator(new forms::CharLimitValidator(Text8, &Text8MaxLength));
    Picture2 = placeTwips(new MagnifierButton(this, [this] { Picture2_Click(); }), 5640, 1260, 240, 225);
    LabelText7->setBuddy(Text7);
    LabelCombo2->setBuddy(Combo2);
    LabelText8->setBuddy(Text8);

    const OkCancel buttons = makeOkCancel(this, 6120, 420, 1335, 375);
    Command1 = buttons.ok;
    Command2 = buttons.cancel;

    for (QWidget* box : {static_cast<QWidget*>(Text7), static_cast<QWidget*>(Combo2), static_cast<QWidget*>(Text8)})
        setImeMode(box, ImeMode::Hiragana);
    setTabOrder(Text7, Combo2);
    setTabOrder(Combo2, Text8);
    setTabOrder(Text8, Command1);
    setTabOrder(Command1, Command2);

    connect(Combo2, &QComboBox::editTextChanged, this, [this] { ApplyNameLengthLimit(); });
    connect(Combo2, &QComboBox::activated, this, [this] { ApplyNameLengthLimit(); });
    connect(Text8, &QLineEdit::textChanged, this, [this] { ApplyNameLengthLimit(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    forms::EnterAsTab::install(this);
}

void frmTextSub2::Form_Load()
{
    const QSignalBlocker quiet(Combo2); // filling the list is no change of the title
    Combo2->addItems(titles());
    Combo2->setEditText(QString());
}

void frmTextSub2::ApplyNameLengthLimit()
{
    const qsizetype n = text::charCount(Combo2->currentText());
    int limit = 0;
    QString hint;
    if (n == 0)
        limit = 10, hint = QStringLiteral("１０文字まで");
    else if (n <= 3)
        limit = 7, hint = QStringLiteral("７文字まで");
    else if (n <= 5)
        limit = 6, hint = QStringLiteral("６文字まで");
    else if (n <= 7)
        limit = 5, hint = QStringLiteral("５文字まで");
    if (limit > 0) {
        Text8MaxLength = limit;
        Label7->setText(hint);
    }
    Label7->setVisible(true);
}

void frmTextSub2::Command1_Click() { accept(); }
void frmTextSub2::Command2_Click() { unload(); }

void frmTextSub2::Picture1_Click() { showMagnifier(Text7->text(), main_->Combo4->currentText()); }
void frmTextSub2::Picture2_Click() { showMagnifier(Text8->text(), main_->Combo4->currentText()); }

} // namespace app
