#include "editors/frmHagaki.h"

#include "editors/EditorHost.h"
#include "editors/PageInserts.h"
#include "editors/PostcardLayout.h"
#include "editors/PostcardPrint.h"
#include "model/LiveStore.h"
#include "platform/print/Printer.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/services/MessageBox.h"
#include "platform/run/RunState.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolBar>
#include <algorithm>

namespace editors {

frmHagaki::frmHagaki(QWidget* parent) : PageEditor(parent), layout_(&defaultPostcardLayout())
{
    setWindowTitle(Caption);
    Text10 = new QLineEdit(QStringLiteral("印刷方向"), Toolbar2);
    Text10->setReadOnly(true);
    Text10->setFrame(false);
    Text10->setFocusPolicy(Qt::NoFocus);
    Text10->setFixedWidth(Text10->fontMetrics().horizontalAdvance(Text10->text()) + 8);
    insertBeforePageChoice(Text10);
    connect(Text10, &QLineEdit::textChanged, this, [this] { Combo3->setFocus(Qt::OtherFocusReason); });

    Command8 = new QPushButton(QStringLiteral("画像ﾌｧｲﾙの読み込み(&L)"), Toolbar2);
    Command9 = new QPushButton(QStringLiteral("画像の挿入(&P)"), Toolbar2);
    Command1 = new QPushButton(QStringLiteral("ｵﾌﾞｼﾞｪｸﾄの挿入(&A)"), Toolbar2);
    Command2 = new QPushButton(QStringLiteral("閉じる(&X)"), Toolbar2);
    Toolbar2->addSeparator();
    for (QPushButton* b : {Command8, Command9, Command1, Command2})
        Toolbar2->addWidget(b);
    connect(Command8, &QPushButton::clicked, this, [this] { Inserts->showPicturePicker(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Inserts->pastePicture(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Inserts->showObjectDialog(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    // Wide enough for the longest layout in pixels: full-width characters are
    // about twice as wide as the average character a count of them assumes.
    int longest = 0;
    for (const QString& text : postcardLayoutTexts())
        longest = std::max(longest, Combo3->fontMetrics().horizontalAdvance(text));
    QStyleOptionComboBox option;
    option.initFrom(Combo3);
    Combo3->setMinimumWidth(
        Combo3->style()
            ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(longest, Combo3->fontMetrics().height()), Combo3)
            .width());
    // Wide enough for the layout list and the four buttons beside it, as the screen allows.
    const int wanted = Toolbar2->sizeHint().width() + 24;
    const int room = screen() ? screen()->availableGeometry().width() - 40 : wanted;
    resize(std::max(width(), std::min(wanted, room)), height());
}

QString frmHagaki::closingQuestion() const { return QStringLiteral("はがきは変更されています。保存しますか？"); }

int frmHagaki::scrollPaperWidth() const { return layout_->widthMm; }
int frmHagaki::scrollPaperHeight() const { return layout_->heightMm; }

void frmHagaki::applyLayout(const PostcardLayout& l)
{
    layout_ = &l;
    app::LiveStore& st = app::store();
    st.LayoutWidth = l.widthMm;
    st.PaperHeight = l.heightMm;
    applyPage(l.widthMm, l.heightMm, l.vertical, PostcardFontName, PostcardFontSize);
}

void frmHagaki::Form_Load()
{
    fillPrinterList();
    applyLayout(defaultPostcardLayout());
    {
        const OwnWork own(*this);
        RichTextBox1->clear();
        RichTextBox1View->clearUndo();
    }
    // The font list shows the main window's print font; the page keeps its own.
    Combo2->setEditText(editorHost().mainChoices().printFont);
    {
        const QSignalBlocker quiet(Combo3);
        Combo3->addItems(postcardLayoutTexts());
        Combo3->setCurrentText(defaultPostcardLayout().text);
    }
    IsDirty = false;
}

void frmHagaki::Form_Activate()
{
    Toolbar1->update();
    Toolbar2->update();
    RichTextBox1->setSelStart(0);
}

void frmHagaki::Combo3_Click()
{
    if (const PostcardLayout* l = findPostcardLayout(Combo3->currentText()))
        applyLayout(*l);
    else
        Form_Resize();
}

void frmHagaki::mnuFilePrint_Click()
{
    const std::optional<int> n = copies();
    if (!n)
        return;
    const MainChoices main = editorHost().mainChoices();
    const app::LiveStore& st = app::store();
    PostcardPrintOptions o;
    o.notifySize = main.Check3;
    o.centreAll = main.Option9;
    o.prOffsetX = st.PrOffsetX;
    o.prOffsetY = st.PrOffsetY;
    printPostcard(prn::CurrentPrinter(), *RichTextBox1, Combo3->currentText(), o, *n);
    Text1->setText(QStringLiteral("1"));
}

void frmHagaki::Command2_Click()
{
    RichTextBox1->setSelLength(0);
    unload();
}

forms::FormRef<frmHagaki>& Hagaki() { return run::slot<forms::FormRef<frmHagaki>>(); }

void showHagaki()
{
    Hagaki().showModeless();
}

} // namespace editors
