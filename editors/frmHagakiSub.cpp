#include "editors/frmHagakiSub.h"

#include "platform/services/Dialogs.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace editors {

frmHagakiSub::frmHagakiSub(HandOver handOver, QWidget* parent)
    : forms::Form(parent), handOver_(std::move(handOver))
{
    setWindowTitle(QStringLiteral("ｵﾌﾞｼﾞｪｸﾄの挿入"));
    Label1 = new QLabel(QStringLiteral("ファイル名(&O)"), this);
    Text3 = new QLineEdit(this);
    Label1->setBuddy(Text3);
    Command3 = new QPushButton(QStringLiteral("参照(&B)"), this);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    Command1->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Text3, 1, 0);
    grid->addWidget(Command3, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    grid->addLayout(buttons, 2, 0, 1, 2);
    resize(480, 130);

    connect(Command3, &QPushButton::clicked, this, &frmHagakiSub::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &frmHagakiSub::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmHagakiSub::Command2_Click);
}

void frmHagakiSub::Command3_Click()
{
    const std::optional<QString> name = ui::GetOpenFileName(
        QStringLiteral("開く"), QString(),
        QStringLiteral("すべてのファイル (*.*)|*.*|ﾜｰﾄﾞ形式のﾌｧｲﾙ (*.doc)|*.doc"), 2);
    if (name && !name->isEmpty())
        Text3->setText(*name);
}

void frmHagakiSub::Command1_Click()
{
    const QString path = Text3->text();
    // An empty path embeds nothing.
    if (!path.isEmpty() && handOver_ && !handOver_(path))
        return;
    unload();
}

void frmHagakiSub::Command2_Click()
{
    unload();
}

} // namespace editors
