#include "app/frmTextSub4.h"

#include "platform/forms/SubWindowParts.h"
#include "platform/forms/Controls.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

frmTextSub4::frmTextSub4(QWidget* parent)
    : forms::Form(parent), RichTextBox1(new rt::RichTextBox(this)), label_(*RichTextBox1)
{
    setWindowTitle(Caption);

    // The menu bar sits above a body laid out in twips like the other windows.
    auto* body = new QWidget(this);
    body->setFixedSize(forms::twipsToPx(8760), forms::twipsToPx(4560));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addWidget(body);
    buildMenus();
    outer->setMenuBar(MenuBar);

    label_.prepareBox();
    RichTextBox1View = placeTwips(new rt::RichTextEdit(RichTextBox1, body), 120, 120, 4260, 4260);
    RichTextBox1View->setCanvasColor(palette().color(QPalette::Window));
    // The whole label square is in view, whatever the screen's resolution.
    RichTextBox1View->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichTextBox1View->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int side = RichTextBox1View->width() - 2 * RichTextBox1View->frameWidth() - 2;
    const double dotsPerMmAtOne = RichTextBox1View->dotsPerMm() / RichTextBox1View->zoom();
    if (dotsPerMmAtOne > 0)
        RichTextBox1View->setZoom(side / (BulkLabel::BoxSideMm * dotsPerMmAtOne));
    // The label is typed in Japanese: the input method comes on with the focus.
    setImeMode(RichTextBox1View, ImeMode::Hiragana);
    connect(RichTextBox1View, &rt::RichTextEdit::objectDoubleClicked, this,
            [this](const std::shared_ptr<rt::EmbeddedObject>& obj) { label_.openObject(*obj); });

    Frame1 = placeTwips(new QGroupBox(QStringLiteral("一括表示ラベル作成について"), body), 4560, 120, 4080, 1815);
    Label1 = placeTwips(
        new QLabel(QStringLiteral("あらかじめワードなどで、一括表示ラベルの原稿を作成してください。"), Frame1), 120,
        300, 3840, 615);
    Label2 = placeTwips(
        new QLabel(QStringLiteral("サンプルは、このディレクトリに「一括表示．doc]ﾌｧｲﾙが保存されています。"), Frame1),
        120, 1020, 3840, 615);
    Frame2 = placeTwips(new QGroupBox(QStringLiteral("編集方法"), body), 4560, 2040, 4080, 1095);
    Label3 = placeTwips(new QLabel(QStringLiteral("ダブルクリックでオブジェクトの編集"), Frame2), 120, 300, 3840, 300);
    Label4 = placeTwips(new QLabel(QStringLiteral("余白をクリックしてオブジェクトの解除"), Frame2), 120, 660, 3840, 300);
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->setWordWrap(true);

    // OK and Cancel side by side below the help frames.
    Command1 = placeTwips(new QPushButton(QStringLiteral("OK"), body), 6000, 3900, 1215, 375);
    Command2 = placeTwips(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), body), 7320, 3900, 1215, 375);
    // Enter belongs to the label box, where it starts a new column.
    Command1->setAutoDefault(false);
    Command2->setAutoDefault(false);

    setTabOrder(RichTextBox1View, Command1);
    setTabOrder(Command1, Command2);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void frmTextSub4::buildMenus()
{
    MenuBar = new QMenuBar(this);
    mnuClose = MenuBar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuNew = mnuClose->addAction(QStringLiteral("新規作成(&N)"), this, [this] { mnuNew_Click(); });
    mnuFileOpen = mnuClose->addAction(QStringLiteral("ﾌｧｲﾙを開く(&O)"), this, [this] { mnuFileOpen_Click(); });
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuClose->addSeparator(); // bar1
    mnuFileSave = mnuClose->addAction(QStringLiteral("名前を付けて保存(&A)"), this, [this] { mnuFileSave_Click(); });
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuClose->addSeparator(); // Bar2
    mnuExit = mnuClose->addAction(QStringLiteral("閉じる(&X)"), this, [this] { mnuExit_Click(); });
    mnuPast = MenuBar->addMenu(QStringLiteral("挿入(&I)"));
    mnuOle = mnuPast->addAction(QStringLiteral("オブジェクトの挿入(&A)"), this, [this] { mnuOle_Click(); });
    // The window is modal: its shortcuts must work while the box has the focus.
    for (QAction* a : {mnuNew, mnuFileOpen, mnuFileSave, mnuExit, mnuOle})
        a->setShortcutContext(Qt::WindowShortcut);
}

void frmTextSub4::Form_Load()
{
    label_.load();
    RichTextBox1View->clearUndo();
}

void frmTextSub4::Command1_Click()
{
    // A label that was not saved keeps the window open, so nothing looks done.
    if (label_.save())
        accept();
}

void frmTextSub4::Command2_Click() { done(QDialog::Rejected); }

void frmTextSub4::mnuExit_Click() { unload(); }

void frmTextSub4::mnuNew_Click() { label_.newLabel(); }

void frmTextSub4::mnuFileOpen_Click()
{
    if (label_.open())
        RichTextBox1View->clearUndo();
}

void frmTextSub4::mnuFileSave_Click() { label_.saveAs(); }

void frmTextSub4::mnuOle_Click() { label_.insertObject(); }

} // namespace app
