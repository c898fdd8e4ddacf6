#include "app/frmTextSub3.h"

#include "app/Magnifier.h"
#include "app/NoshiMain.h"
#include "platform/forms/CharLimit.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/forms/Controls.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/text/Graphemes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace app {

frmTextSub3::frmTextSub3(NoshiMain* main, QWidget* parent) : forms::Form(parent), main_(main)
{
    setWindowTitle(Caption);
    setFixedSize(forms::twipsToPx(7215), forms::twipsToPx(5100));

    Frame2 = placeTwips(new QGroupBox(this), 240, 120, 3015, 855);
    LabelKnot = placeTwips(new QLabel(QStringLiteral("のし紙の種類(&M)"), Frame2), 120, 120, 1815, 255);
    Option1 = placeTwips(new QRadioButton(QStringLiteral("蝶結び"), Frame2), 120, 480, 1095, 255);
    Option2 = placeTwips(new QRadioButton(QStringLiteral("結び切り"), Frame2), 1440, 480, 1215, 255);
    LabelKnot->setBuddy(Option1);
    Frame3 = placeTwips(new QGroupBox(this), 3480, 120, 2415, 855);
    LabelSpacing = placeTwips(new QLabel(QStringLiteral("行　間(&L)"), Frame3), 120, 120, 1215, 255);
    Option3 = placeTwips(new QRadioButton(QStringLiteral("標　準"), Frame3), 120, 480, 1095, 255);
    Option4 = placeTwips(new QRadioButton(QStringLiteral("狭い"), Frame3), 1320, 480, 855, 255);
    LabelSpacing->setBuddy(Option3);
    Option1->setChecked(true);
    Option3->setChecked(true);

    static const char16_t* const digits = u"１２３４５６７";
    static const char letters[] = "ABCDEFG";
    for (int i = 1; i <= NameCount; ++i) {
        const int top = 1140 + (i - 1) * 480;
        const QString caption = QStringLiteral("（%1）名書き(&%2)").arg(QChar(digits[i - 1])).arg(QChar(letters[i - 1]));
        Label[size_t(i)] = placeTwips(new QLabel(caption, this), 240, top + 60, 1695, 255);
        txtName[size_t(i)] = placeTwips(new QLineEdit(this), 1920, top, 3135, 345);
        forms::limitChars(txtName[size_t(i)], 10);
        setImeMode(txtName[size_t(i)], ImeMode::Hiragana);
        Label[size_t(i)]->setBuddy(txtName[size_t(i)]);
        Picture[size_t(i)] = placeTwips(new MagnifierButton(this, [this, i] { PictureClick(i); }), 5160, top + 60,
                                        240, 225);
    }

    const OkCancel buttons = makeOkCancel(this, 5640, 1140, 1335, 375);
    Command1 = buttons.ok;
    Command2 = buttons.cancel;

    QList<QWidget*> order;
    for (int i = 1; i <= NameCount; ++i)
        order << txtName[size_t(i)];
    order << Command1 << Command2 << Option1 << Option2 << Option3 << Option4;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    forms::EnterAsTab::install(this);
}

void frmTextSub3::Form_Activate() { txtName[1]->setFocus(); }

void frmTextSub3::Command1_Click()
{
    // The count runs to the last filled box, so gaps count as names.
    int n = 0;
    for (int i = 1; i <= NameCount; ++i) {
        if (!txtName[size_t(i)]->text().isEmpty())
            n = i;
    }
    for (int i = 1; i <= n; ++i) {
        QLineEdit* box = txtName[size_t(i)];
        const QStringList letters = text::chars(box->text());
        if (letters.size() == 2)
            forms::setText(box, letters[0] + u' ' + letters[1]);
    }
    forms::setText(main_->Text3, QString::number(n));
    accept();
}

void frmTextSub3::Command2_Click() { unload(); }

void frmTextSub3::PictureClick(int index)
{
    if (index < 1 || index > NameCount)
        return;
    showMagnifier(txtName[size_t(index)]->text(), main_->Combo4->currentText());
}

void frmTextSub3::LimitJointNames()
{
    for (int i = 4; i <= NameCount; ++i) {
        txtName[size_t(i)]->setEnabled(false);
        Label[size_t(i)]->setEnabled(false);
    }
    forms::setOptionValue(Option4, true);
}

void frmTextSub3::enableAllNames()
{
    for (int i = 4; i <= NameCount; ++i) {
        txtName[size_t(i)]->setEnabled(true);
        Label[size_t(i)]->setEnabled(true);
    }
}

} // namespace app
