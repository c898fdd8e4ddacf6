#include "editors/DialogFree.h"

#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace editors {

std::optional<int> FreeSizeFromText(const QString& text)
{
    const auto n = vb::ToNumber(text.trimmed());
    if (!n || !std::isfinite(*n))
        return std::nullopt;
    const double whole = vb::RoundHalfEven(*n);
    if (whole < FreeSizeMinMm || whole > FreeSizeMaxMm)
        return std::nullopt;
    return int(whole);
}

DialogFree::DialogFree(QWidget* parent) : forms::Form(parent)
{
    setWindowTitle(QStringLiteral("ページ設定"));
    auto* frame = new QGroupBox(QStringLiteral("用紙のサイズ"), this);
    auto* grid = new QGridLayout(frame);
    Text1 = new QLineEdit(frame);
    Text2 = new QLineEdit(frame);
    auto* l1 = new QLabel(QStringLiteral("横の長さ(&W)"), frame);
    auto* l2 = new QLabel(QStringLiteral("縦の長さ(&H)"), frame);
    l1->setBuddy(Text1);
    l2->setBuddy(Text2);
    grid->addWidget(l1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm"), frame), 0, 2);
    grid->addWidget(l2, 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm"), frame), 1, 2);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    CancelButton = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    OKButton->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch(1);
    auto* all = new QHBoxLayout(this);
    all->addWidget(frame, 1);
    all->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void DialogFree::OKButton_Click()
{
    const auto w = FreeSizeFromText(Text1->text());
    const auto h = FreeSizeFromText(Text2->text());
    if (!w || !h) {
        ui::MsgBox(OutOfRangeMessage, ui::Buttons::Ok, ui::Icon::Exclamation, ui::InputCheckTitle);
        (w ? Text2 : Text1)->setFocus();
        (w ? Text2 : Text1)->selectAll();
        return;
    }
    width_ = w;
    height_ = h;
    unload();
}

void DialogFree::CancelButton_Click()
{
    width_.reset();
    height_.reset();
    unload();
}

} // namespace editors
