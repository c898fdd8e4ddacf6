#include "app/guide/NoshiLike.h"

#include "app/guide/GuideSearch.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/run/RunState.h"
#include "platform/services/ProgramLook.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace guide {
namespace {

const QString PickedCaption = QStringLiteral("選択された表書き");
const QString GridCaption = QStringLiteral("表書きを選択して下さい。(&Z)");
const std::array<QString, 2> PromptStart = {QStringLiteral("探したい表書きのｷｰﾜｰﾄﾞを入力してください。(&K)"),
                                            QStringLiteral("探したい説明の語句を入力してください。(&K)")};
const std::array<QString, 2> PromptReset = {QStringLiteral("探したい表書きのｷｰﾜｰﾄﾞを入力してください。"),
                                            QStringLiteral("探したい説明の語句を入力してください。")};

QFont boxFont()
{
    return ui::japaneseUiFont(11.25);
}

void chainTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QLineEdit* makeBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setFont(boxFont());
    box->setFixedWidth(220);
    return box;
}

} // namespace

NoshiLike::NoshiLike(GuideHost host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_host(std::move(host)), m_table(GuideTable::build())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("表書きの検索"));
    setFixedSize(530, 400);

    m_tabs = new QTabWidget(this);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(2, 2, 2, 2);
    whole->addWidget(m_tabs);

    for (int i = 0; i < 3; ++i) {
        m_grids[i] = new GuideGrid(this);
        m_ok[i] = new QPushButton(QStringLiteral("OK"), this);
        m_cancel[i] = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
        connect(m_grids[i], &GuideGrid::picked, this, [this, i](const QString& text) { pick(i, text); });
        connect(m_ok[i], &QPushButton::clicked, this, &NoshiLike::Command4_Click);
        connect(m_cancel[i], &QPushButton::clicked, this, &NoshiLike::Command8_Click);
    }

    // Tab 0: the full list and the box with the last pick.
    auto* upper0 = new QWidget(this);
    {
        auto* column = new QVBoxLayout(upper0);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(new QLabel(QStringLiteral("選択された表書き"), upper0));
        m_text2 = makeBox(upper0);
        column->addWidget(m_text2);
    }
    m_tabs->addTab(buildTab(0, upper0, m_grids[0], GridCaption), QStringLiteral("表書き一覧(&C)"));

    // Tabs 1 and 2: a prompt, the search box and its button.
    m_command1 = new QPushButton(QStringLiteral("検索開始(&S)"), this);
    m_command2 = new QPushButton(QStringLiteral("検索開始(&S)"), this);
    const std::array<QPushButton*, 2> searches = {m_command1, m_command2};
    const std::array<QString, 2> captions = {QStringLiteral("表書きの検索(&L)"), QStringLiteral("語句の検索（&W)")};
    for (int k = 0; k < 2; ++k) {
        auto* upper = new QWidget(this);
        auto* column = new QVBoxLayout(upper);
        column->setContentsMargins(0, 0, 0, 0);
        m_label1[k] = new QLabel(PromptStart[k], upper);
        m_text1[k] = makeBox(upper);
        m_label1[k]->setBuddy(m_text1[k]);
        column->addWidget(m_label1[k]);
        auto* row = new QHBoxLayout;
        row->addWidget(m_text1[k]);
        row->addWidget(searches[k]);
        row->addStretch();
        column->addLayout(row);
        m_tabs->addTab(buildTab(k + 1, upper, m_grids[k + 1], GridCaption), captions[k]);
        connect(m_text1[k], &QLineEdit::textChanged, this, &NoshiLike::Text1_Change);
    }
    connect(m_command1, &QPushButton::clicked, this, &NoshiLike::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &NoshiLike::Command2_Click);
    connect(m_tabs, &QTabWidget::currentChanged, this, &NoshiLike::SSTab1_Click);

    // Tab order within each tab, as the user walks it with Tab or Enter.
    chainTabOrder({m_grids[0], m_text2, m_ok[0], m_cancel[0]});
    chainTabOrder({m_text1[0], m_command1, m_grids[1], m_ok[1], m_cancel[1]});
    chainTabOrder({m_text1[1], m_command2, m_grids[2], m_ok[2], m_cancel[2]});

    m_grids[0]->showRows(fullListRows(m_table));
    m_grids[1]->showRows({});
    m_grids[2]->showRows({});
    m_tabs->setCurrentIndex(0);
    SSTab1_Click(0);
    m_grids[0]->setFocus();

    forms::EnterAsTab::install(this);
}

QWidget* NoshiLike::buildTab(int index, QWidget* upper, GuideGrid* grid, const QString& gridCaption)
{
    // No background picture: the tab shows the plain window background.
    auto* page = new QWidget(m_tabs);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 8, 10, 8);

    auto* top = new QHBoxLayout;
    upper->setParent(page);
    top->addWidget(upper, 0, Qt::AlignTop);
    top->addStretch();
    auto* buttons = new QVBoxLayout;
    m_ok[index]->setFixedWidth(90);
    m_cancel[index]->setFixedWidth(90);
    buttons->addWidget(m_ok[index]);
    buttons->addWidget(m_cancel[index]);
    top->addLayout(buttons);
    layout->addLayout(top);

    auto* caption = new QLabel(gridCaption, page);
    caption->setBuddy(grid);
    layout->addWidget(caption);
    grid->setParent(page);
    layout->addWidget(grid, 1);
    return page;
}

NoshiLike* NoshiLike::showGuide(GuideHost host, QWidget* parent)
{
    struct OpenGuide {
        QPointer<NoshiLike> window;
    };
    QPointer<NoshiLike>& open = run::slot<OpenGuide>().window;
    if (!open) {
        open = new NoshiLike(std::move(host), parent);
        const QRect screen = open->screen()->availableGeometry();
        open->move(screen.center() - open->rect().center());
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

void NoshiLike::keyPressEvent(QKeyEvent* event)
{
    // Escape presses the shown tab's Cancel, never the close box's quiet close.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancelButton()->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void NoshiLike::pick(int gridIndex, const QString& inscription)
{
    if (m_host.setInscription)
        m_host.setInscription(inscription);
    if (gridIndex == 0) {
        m_text2->setText(inscription);
        return;
    }
    // Writing the box resets the prompts first; the picked caption comes after.
    m_text1[gridIndex - 1]->setText(inscription);
    m_label1[gridIndex - 1]->setText(PickedCaption);
}

void NoshiLike::Command1_Click()
{
    m_grids[1]->showRows(keywordSearch(m_table, m_text1[0]->text()));
    m_grids[1]->setFocus();
}

void NoshiLike::Command2_Click()
{
    m_grids[2]->showRows(phraseSearch(m_table, m_text1[1]->text()));
    m_grids[2]->setFocus();
}

void NoshiLike::Command4_Click()
{
    if (m_host.focusNameBox)
        m_host.focusNameBox();
    close();
}

void NoshiLike::Command8_Click()
{
    if (m_host.setInscription)
        m_host.setInscription(QString());
    if (m_host.focusInscriptionBox)
        m_host.focusInscriptionBox();
    close();
}

void NoshiLike::SSTab1_Click(int tab)
{
    m_cancelIndex = qBound(0, tab, 2);
}

void NoshiLike::Text1_Change()
{
    const QPalette system = QApplication::palette();
    for (int k = 0; k < 2; ++k) {
        m_label1[k]->setText(PromptReset[k]);
        QPalette pal = m_text1[k]->palette();
        pal.setColor(QPalette::Base, system.color(QPalette::Base));
        pal.setColor(QPalette::Text, system.color(QPalette::ButtonText));
        m_text1[k]->setPalette(pal);
    }
}

} // namespace guide
