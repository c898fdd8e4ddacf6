#include "config/CompanyNamePage.h"

#include "model/DataFile.h"
#include "model/LiveStore.h"
#include "platform/forms/Controls.h"
#include "platform/forms/UpDown.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace config {

namespace {

const QString BoxFont = QStringLiteral("ＭＳ Ｐ明朝");
constexpr double BoxFontSize = 12;
const QString SaveTitle = QStringLiteral("ファイルに保存");
const QString RtfFilter = QStringLiteral("ﾘｯﾁﾃｷｽﾄ形式のﾌｧｲﾙ (*.rtf)|*.rtf");
constexpr uint32_t ColorDialogStart = vb::Rgb(0, 0, 255);

// Box placement inside the picture box, in millimetres.
constexpr double BoxTopMm = 2.117, BoxHeightMm = 53.181, BoxWidthMm = 15.081;
constexpr double IwaiLeftMm = 10.583, HotokeLeftMm = 38.1;

int mmToPx(double mm) { return forms::twipsToPx(mm * forms::TwipsPerMm); }

const QString& sheetName(CompanyNamePage::Sheet s)
{
    static const QString names[] = {QStringLiteral("祝のし"), QStringLiteral("仏のし")};
    return names[s];
}

} // namespace

CompanyNamePage::CompanyNamePage(Noshisettei& dialog) : SettingsTab(dialog)
{
    Picture1 = new QWidget(this);
    Picture1->setFixedSize(mmToPx(HotokeLeftMm + BoxWidthMm + 10), mmToPx(BoxTopMm * 2 + BoxHeightMm));
    Picture1->setStyleSheet(QStringLiteral("background: #d8d8d8;"));
    RichTextBox2 = new rt::RichTextBox(this);
    RichTextBox1 = new rt::RichTextBox(this);
    for (auto [box, left, view] : {std::tuple{RichTextBox2, IwaiLeftMm, &view2}, std::tuple{RichTextBox1, HotokeLeftMm, &view1}}) {
        *view = new rt::RichTextEdit(box, Picture1);
        (*view)->setPageMarginMm(0);
        (*view)->setGeometry(mmToPx(left), mmToPx(BoxTopMm), mmToPx(BoxWidthMm), mmToPx(BoxHeightMm));
        (*view)->setAttribute(Qt::WA_InputMethodEnabled, true);
    }

    auto* sheetGroup = new QButtonGroup(this);
    Option7 = new QRadioButton(QStringLiteral("祝のし印刷用"), this);
    Option8 = new QRadioButton(QStringLiteral("仏のし印刷用"), this);
    sheetGroup->addButton(Option7);
    sheetGroup->addButton(Option8);
    Option7->setChecked(true);
    auto* edgeFrame = new QGroupBox(QStringLiteral("印刷位置(&P)"), this);
    Option9 = new QRadioButton(QStringLiteral("のし紙の　左端　"), edgeFrame);
    Option10 = new QRadioButton(QStringLiteral("のし紙の　右端"), edgeFrame);
    auto* edgeRow = new QHBoxLayout(edgeFrame);
    edgeRow->addWidget(Option9);
    edgeRow->addWidget(Option10);

    Command2 = new QPushButton(QStringLiteral("書体の変更(&Ｆ)"), this);
    Command10 = new QPushButton(QStringLiteral("色の変更(&C)"), this);
    auto* sizeLabel = new QLabel(QStringLiteral("ﾌｫﾝﾄｻｲｽﾞ"), this);
    Text1 = new QLineEdit(this);
    Text1->setInputMethodHints(Qt::ImhPreferNumbers);
    Text1->setMaximumWidth(60);
    UpDown1 = new noshi::UpDown(this, Text1, 0, 100);
    UpDown1->setFixedSize(18, Text1->sizeHint().height());
    Label2 = new QLabel(this);
    Label2->setMinimumWidth(160);
    Command4 = new QPushButton(QStringLiteral("社名ﾌｧｲﾙを開く(&R)"), this);
    Command3 = new QPushButton(QStringLiteral("社名ﾌｧｲﾙの保存(&S)"), this);
    Command14 = new QPushButton(QStringLiteral("削除(&K)"), this);

    auto* hints = new QVBoxLayout;
    for (const QString& h : {QStringLiteral("のし紙の端に社名を印刷します"),
                             QStringLiteral("社名が印刷されない場合は、文字・画像の位置を左右に移動します。"),
                             QStringLiteral("社名に画像を使用する場合は、画像ソフトなどからコピーして貼り付けます。")}) {
        auto* l = new QLabel(h, this);
        l->setWordWrap(true);
        hints->addWidget(l);
    }
    auto* format = new QGridLayout;
    format->addWidget(Command2, 0, 0);
    format->addWidget(Command10, 0, 1);
    format->addWidget(sizeLabel, 1, 0);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(Text1);
    sizeRow->addWidget(UpDown1);
    sizeRow->addStretch();
    format->addLayout(sizeRow, 1, 1);
    format->addWidget(Label2, 2, 0, 1, 2);
    format->setColumnStretch(2, 1);
    auto* files = new QHBoxLayout;
    files->addWidget(Command4);
    files->addWidget(Command3);
    files->addWidget(Command14);
    files->addStretch();

    auto* right = new QVBoxLayout;
    auto* sheets = new QHBoxLayout;
    sheets->addWidget(Option7);
    sheets->addWidget(Option8);
    sheets->addStretch();
    right->addLayout(sheets);
    right->addWidget(edgeFrame);
    right->addLayout(format);
    right->addLayout(files);
    right->addLayout(hints);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Picture1, 0, Qt::AlignTop);
    layout->addLayout(right, 1);

    for (Sheet s : {Iwai, Hotoke}) {
        connect(box(s), &rt::RichTextBox::changed, this, [this, s] { changedFlag(s) = true; });
        connect(s == Iwai ? view2 : view1, &rt::RichTextEdit::clicked, this, [this, s] { boxClicked(s); });
    }
    connect(Option7, &QRadioButton::clicked, this, [this] { chooseSheet(Iwai); });
    connect(Option8, &QRadioButton::clicked, this, [this] { chooseSheet(Hotoke); });
    connect(Option9, &QRadioButton::clicked, this, [this] { chooseEdge(true); });
    connect(Option10, &QRadioButton::clicked, this, [this] { chooseEdge(false); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command14, &QPushButton::clicked, this, [this] { Command14_Click(); });
}

CompanyNamePage::~CompanyNamePage() = default;

QString& CompanyNamePage::path(Sheet sheet) const
{
    return sheet == Iwai ? app::store().CoNameA : app::store().CoNameB;
}

bool& CompanyNamePage::edge(Sheet sheet) const
{
    return sheet == Iwai ? app::store().CoPrintSetA : app::store().CoPrintSetB;
}

CompanyNamePage::Sheet CompanyNamePage::currentSheet() const { return Option7->isChecked() ? Iwai : Hotoke; }

QString CompanyNamePage::fileFolder() const
{
    // The user's own data folder: the program's folder is not theirs to write here.
    return QFileInfo(app::dataFilePath()).absolutePath();
}

void CompanyNamePage::loadTab()
{
    SetupCompanyNameBoxes();
    // A stored file that is gone or unreadable is reported once; its path stays.
    for (Sheet s : {Iwai, Hotoke}) {
        if (!path(s).isEmpty() && box(s)->text().isEmpty() && !QFileInfo(path(s)).isReadable())
            ui::MsgBox(QStringLiteral("「%1」印刷用の社名ﾌｧｲﾙが読み込めません。\n%2").arg(sheetName(s), path(s)),
                       ui::Buttons::Ok, ui::Icon::Exclamation, ui::InputCheckTitle);
    }
}

void CompanyNamePage::SetupCompanyNameBoxes()
{
    for (Sheet s : {Iwai, Hotoke}) {
        rt::RichTextBox* b = box(s);
        b->clear();
        b->setVertical(true);
        b->setWidthMm(BoxWidthMm);
        b->setHeightMm(BoxHeightMm);
        b->setSelStart(0);
        b->setSelFontName(BoxFont);
        b->setSelFontSize(BoxFontSize);
        if (!path(s).isEmpty() && !b->loadFile(path(s)))
            b->clear();
        // Vertical fonts throughout; the last pass sets what is typed at the end.
        const qsizetype length = b->document().length();
        for (qsizetype p = 0; p <= length; ++p) {
            b->setSelStart(p);
            b->setSelLength(1);
            const auto name = b->selFontName();
            if (name && !name->startsWith(u'@'))
                b->setSelFontName(u'@' + *name);
        }
        b->setSelLength(0);
    }
    showEdge();
    CoNameAChanged = CoNameBChanged = false;
}

void CompanyNamePage::showEdge()
{
    const bool left = edge(currentSheet());
    Option9->setChecked(left);
    Option10->setChecked(!left);
}

void CompanyNamePage::chooseSheet(Sheet sheet)
{
    (sheet == Iwai ? Option7 : Option8)->setChecked(true);
    showEdge();
}

void CompanyNamePage::chooseEdge(bool left)
{
    edge(currentSheet()) = left;
    showEdge();
}

bool CompanyNamePage::showSelectionFont()
{
    const rt::RichTextBox* b = box(currentSheet());
    const auto name = b->selFontName();
    const auto colour = b->selColor();
    if (!name || !colour)
        return false;
    Label2->setText(*name);
    Label2->setStyleSheet(QStringLiteral("color: %1;").arg(vb::ToQColor(*colour).name()));
    return true;
}

void CompanyNamePage::boxClicked(Sheet sheet)
{
    chooseSheet(sheet);
    if (const auto size = box(sheet)->selFontSize()) {
        // Showing the size never changes the text, fraction or not.
        showingSize_ = true;
        forms::setText(Text1, QString::number(*size));
        UpDown1->setValueQuietly(int(vb::RoundHalfEven(*size)));
        showingSize_ = false;
    }
    showSelectionFont();
}

void CompanyNamePage::Text1_Change()
{
    if (showingSize_)
        return;
    const auto n = vb::ToNumber(Text1->text());
    if (!n || std::abs(*n) > 32767)
        return;
    const double size = vb::RoundHalfEven(*n);
    if (size <= 0)
        return;
    box(currentSheet())->setSelFontSize(size);
}

bool CompanyNamePage::selectionChosen()
{
    if (box(currentSheet())->selLength() > 0)
        return true;
    ui::MsgBox(QStringLiteral("変更する文字を選択(反転)してください。"), ui::Buttons::Ok, ui::Icon::Information,
               ui::InputCheckTitle);
    return false;
}

void CompanyNamePage::Command2_Click()
{
    if (!selectionChosen())
        return;
    rt::RichTextBox* b = box(currentSheet());
    const auto name = b->selFontName();
    if (!name || !b->selColor())
        return; // a selection of mixed fonts or colours
    ui::FontChoice preset;
    preset.name = *name;
    preset.color = *b->selColor();
    const auto font = ui::ChooseFont(preset);
    if (!font)
        return;
    b->setSelFontName(font->name);
    b->setSelColor(font->color);
    b->setSelBold(font->bold);
    b->setSelItalic(font->italic);
    b->setSelStrikeThru(font->strikeThru);
    b->setSelUnderline(font->underline);
    showSelectionFont(); // the chosen name, in the chosen colour
}

void CompanyNamePage::Command10_Click()
{
    if (!selectionChosen())
        return;
    const auto colour = ui::ChooseColor(ColorDialogStart);
    if (!colour)
        return;
    box(currentSheet())->setSelColor(*colour);
    Label2->setStyleSheet(QStringLiteral("color: %1;").arg(vb::ToQColor(*colour).name()));
}

void CompanyNamePage::Command3_Click()
{
    const Sheet s = currentSheet();
    ui::MsgBox(QStringLiteral("「%1」印刷用の社名ﾌｧｲﾙを保存します。").arg(sheetName(s)), ui::Buttons::Ok,
               ui::Icon::Information, QStringLiteral("確認"));
    const auto file = ui::GetSaveFileName(QStringLiteral("名前を付けて保存"), fileFolder(), RtfFilter);
    if (!file || file->isEmpty())
        return;
    QString error;
    if (!box(s)->saveFile(*file, &error)) {
        // The old file, the stored path and the changed mark all stay.
        ui::MsgBox(error, ui::Buttons::Ok, ui::Icon::Exclamation, SaveTitle);
        return;
    }
    path(s) = *file;
    changedFlag(s) = false;
}

void CompanyNamePage::Command4_Click()
{
    const Sheet s = currentSheet();
    const auto file = ui::GetOpenFileName(QStringLiteral("開く"), fileFolder(),
                                          QStringLiteral("すべてのファイル (*.*)|*.*|") + RtfFilter, 2);
    if (!file || file->isEmpty())
        return;
    box(s)->clear();
    QString error;
    if (!box(s)->loadFile(*file, &error)) {
        ui::MsgBox(error, ui::Buttons::Ok, ui::Icon::Exclamation, ui::InputCheckTitle);
        return;
    }
    path(s) = *file;
    changedFlag(s) = false;
}

void CompanyNamePage::Command14_Click()
{
    const Sheet s = currentSheet();
    box(s)->clear();
    path(s).clear();
    changedFlag(s) = false;
    SetupCompanyNameBoxes();
}

void CompanyNamePage::queryUnloadTab(bool& cancel)
{
    for (Sheet s : {Hotoke, Iwai}) {
        if (!changedFlag(s))
            continue;
        const ui::Answer a = ui::MsgBox(QStringLiteral("%1印刷用社名をファイルに保存しますか？").arg(sheetName(s)),
                                        ui::Buttons::YesNoCancel, ui::Icon::Information, SaveTitle);
        if (a == ui::Answer::No)
            continue;
        cancel = true;
        if (a == ui::Answer::Yes) {
            chooseSheet(s);
            Command3_Click();
        }
        return;
    }
}

} // namespace config
