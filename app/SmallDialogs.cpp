#include "app/SmallDialogs.h"

#include "app/NoshiMain.h"
#include "app/WebPages.h"
#include "platform/paths/AppPaths.h"
#include "platform/services/MessageBox.h"
#include "platform/services/ProgramLook.h"
#include "platform/services/Shell.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QDir>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

void openWebPage(const QString& path) { shell::OpenUrlOrTell(WebServer + path); }

namespace {

// A label that looks and acts like a web link.
QLabel* linkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
{
    auto* l = new QLabel(text, parent);
    QFont f = ui::japaneseUiFont();
    f.setUnderline(true);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: #000080;"));
    l->setCursor(Qt::PointingHandCursor);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    QObject::connect(l, &QLabel::linkActivated, l, [onClick](const QString&) { onClick(); });
    l->setText(QStringLiteral("<a href=\"#\" style=\"color:#000080\">%1</a>").arg(text.toHtmlEscaped()));
    return l;
}

void backgroundSize(QWidget* w) { w->setFixedSize(600, 402); }

// The web dialogs' common face: the title, a frame for the links, OK and Cancel.
QFrame* webDialogFrame(QWidget* w, QPushButton*& ok, QPushButton*& cancel)
{
    w->setWindowTitle(NoshiMain::AppTitle);
    backgroundSize(w);
    auto* frame = new QFrame(w);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(24, 24, 552, 110);
    ok = new QPushButton(QStringLiteral("OK"), w);
    ok->setDefault(true);
    ok->setGeometry(348, 350, 112, 28);
    cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), w);
    cancel->setGeometry(468, 350, 112, 28);
    return frame;
}

} // namespace

// ---------------------------------------------------------------- about

NoshiAbout::NoshiAbout(QWidget* parent) : forms::Form(parent)
{
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 "));
    backgroundSize(this);
    lblTitle = new QLabel(QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ ﾀｲﾄﾙ"), this);
    QFont title = lblTitle->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    lblTitle->setFont(title);
    lblTitle->setGeometry(24, 24, 552, 40);
    lblVersion = new QLabel(QStringLiteral("ﾊﾞｰｼﾞｮﾝ"), this);
    lblVersion->setGeometry(24, 72, 552, 24);
    lblDescription = new QLabel(QStringLiteral("のし紙の表書き、名前書きをスピーティに印刷するソフトウエアです"), this);
    lblDescription->setGeometry(24, 110, 552, 24);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setGeometry(24, 300, 552, 2);
    lblDisclaimer = new QLabel(QStringLiteral("本ソフトウエアの著作権は作者に帰属します。無断での複製・配布を禁じます。"), this);
    lblDisclaimer->setGeometry(24, 312, 420, 60);
    lblDisclaimer->setWordWrap(true);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(464, 312, 112, 28);
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    cmdSysInfo->setGeometry(464, 348, 112, 28);
    connect(cmdOK, &QPushButton::clicked, this, [this] { unload(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSystemInfo(); });
}

void NoshiAbout::Form_Load()
{
    lblVersion->setText(QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + NoshiMain::VersionText);
    lblTitle->setText(QStringLiteral("そらべに　") + NoshiMain::AppTitle);
}

void NoshiAbout::StartSystemInfo()
{
    ui::MsgBox(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"), ui::Buttons::Ok, ui::Icon::None,
               NoshiMain::AppTitle);
}

// ---------------------------------------------------------------- hints

DialogDoc::DialogDoc(QWidget* parent) : forms::Form(parent)
{
    setWindowTitle(QStringLiteral("印刷イメージ編集のヒント"));
    setFixedSize(695, 350);
    setFont(ui::japaneseUiFont(9.75));
}

QList<std::pair<QString, bool>> DialogDoc::hintLines()
{
    const QString blank = QStringLiteral("　");
    const QList<std::pair<QString, bool>> even = {
        {QStringLiteral("　文字位置の移動"), true},
        {QStringLiteral("　編集画面は、ワープロと同じ操作で編集でき、画面に表示されている文字・空白が印刷されます。"), false},
        {QStringLiteral("　■印字位置を（下）に移動する。移動したい文字の前に空白の部分を挿入（Space Key・INS Key）します。"), false},
        {QStringLiteral("　■印字位置を（上）に移動する。移動したい文字の前の空白の部分を削除(BS Key・DEL Key)します。"), false},
        {QStringLiteral("　■印字位置を（左）に移動する。移動したい文字の前の行（画面右）に空白の行を挿入（Enter Keyで改行）します。"), false},
        {QStringLiteral("　■印字位置を（右）に移動する。移動したい文字の前の行（画面右）を削除（BS Key）します。"), false},
        {QStringLiteral("　■文字位置の微調整は、文字間の空白の部分（スペース）のフォントサイズを変更します。"), false},
        {QStringLiteral("　選択した文字とは"), true},
        {QStringLiteral("　■文字上をドラッグ（左クリックしたまま文字をなぞる）して文字を反転させた状態です。"), false},
    };
    QList<std::pair<QString, bool>> lines;
    for (const auto& e : even) {
        lines.append({blank, false});
        lines.append(e);
    }
    return lines;
}

void DialogDoc::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xfb, 0xf8, 0xf0));
    int y = 0;
    for (const auto& [text, bold] : hintLines()) {
        QFont f = font();
        f.setBold(bold);
        p.setFont(f);
        const QFontMetrics fm(f);
        p.drawText(0, y + fm.ascent(), text);
        y += fm.height();
    }
}

// ---------------------------------------------------------------- update

DialogUpdate::DialogUpdate(QWidget* parent) : forms::Form(parent)
{
    QFrame* frame = webDialogFrame(this, OKButton, CancelButton);
    Label2 = linkLabel(QStringLiteral("そらべに　アップデート版　ダウンロード..."), frame, [this] { Label2_Click(); });
    Label2->setGeometry(16, 20, 520, 24);
    Label3 = linkLabel(QStringLiteral("オンライン　カスタマーサポート..."), frame, [this] { Label3_Click(); });
    Label3->setGeometry(16, 64, 520, 24);
    Label1 = new QLabel(QStringLiteral("プログラムフォルダをクリップボードにコピーしました。"), this);
    Label1->setGeometry(24, 160, 552, 24);
    Text1 = new QLineEdit(this);
    Text1->setReadOnly(true);
    Text1->setGeometry(24, 190, 552, 26);
    connect(OKButton, &QPushButton::clicked, this, [this] { Label2_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void DialogUpdate::Form_Load()
{
    // The folder the running program was started from, as the label says.
    Text1->setText(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    shell::ClearClipboard();
    shell::SetClipboardText(Text1->text());
}

void DialogUpdate::Label2_Click()
{
    openWebPage(UpdatePage);
    const auto closeMain = closeMainWindow;
    unload();
    if (closeMain)
        closeMain();
}

void DialogUpdate::Label3_Click() { openWebPage(SupportPage); }

void DialogUpdate::CancelButton_Click()
{
    shell::ClearClipboard();
    unload();
}

void DialogUpdate::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        CancelButton_Click();
        return;
    }
    forms::Form::keyPressEvent(e);
}

// ---------------------------------------------------------------- support

DialogSuport::DialogSuport(QWidget* parent) : forms::Form(parent)
{
    QFrame* frame = webDialogFrame(this, OKButton, CancelButton);
    Label3 = linkLabel(QStringLiteral("オンライン　カスタマーサポート..."), frame, [this] { Label3_Click(); });
    Label3->setGeometry(16, 20, 520, 24);
    Label4 = new QLabel(QStringLiteral("操作方法などご不明の点がございましたら、お気軽に問い合わせください。"), frame);
    Label4->setGeometry(16, 64, 520, 24);
    connect(OKButton, &QPushButton::clicked, this, [this] { Label3_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { unload(); });
}

void DialogSuport::Label3_Click() { openWebPage(SupportPage); }

} // namespace app
