#include "config/EnvironmentPage.h"

#include "model/LiveStore.h"
#include "platform/forms/Controls.h"
#include "platform/services/Dialogs.h"
#include "platform/vb/VbNum.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace config {

namespace {

// The colour dialog always starts at pure blue.
constexpr uint32_t ColorDialogStart = vb::Rgb(0, 0, 255);

QGroupBox* sizeFrame(const QString& caption, QWidget* parent, std::array<QRadioButton**, 4> options, QCheckBox** bold)
{
    auto* frame = new QGroupBox(caption, parent);
    auto* row = new QHBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    const QString captions[] = {QStringLiteral("標準"), QStringLiteral("大きめ"), QStringLiteral("小さめ"),
                                QStringLiteral("特大")};
    for (int i = 0; i < 4; ++i) {
        *options[size_t(i)] = new QRadioButton(captions[i], frame);
        group->addButton(*options[size_t(i)]);
        row->addWidget(*options[size_t(i)]);
    }
    *bold = new QCheckBox(QStringLiteral("太字"), frame);
    row->addSpacing(12);
    row->addWidget(*bold);
    row->addStretch();
    return frame;
}

} // namespace

EnvironmentPage::EnvironmentPage(Noshisettei& dialog) : SettingsTab(dialog)
{
    auto* folderFrame = new QGroupBox(QStringLiteral("のし紙ファイルの保存ディレクトリの設定(&P)"), this);
    Text17 = new QLineEdit(folderFrame);
    File1 = new QListWidget(folderFrame);
    File1->setSelectionMode(QAbstractItemView::NoSelection);
    File1->setMinimumHeight(110);
    Command23 = new QPushButton(QStringLiteral("参照(&B)"), folderFrame);
    auto* folderGrid = new QGridLayout(folderFrame);
    folderGrid->addWidget(Text17, 0, 0);
    folderGrid->addWidget(Command23, 0, 1);
    folderGrid->addWidget(File1, 1, 0, 1, 2);

    auto* colourFrame = new QGroupBox(QStringLiteral("薄墨印刷の文字色"), this);
    Text7 = new QLineEdit(colourFrame);
    Text7->setReadOnly(true);
    Text7->setFocusPolicy(Qt::NoFocus);
    Text7->setFixedWidth(80);
    Command19 = new QPushButton(QStringLiteral("色の変更(&C)"), colourFrame);
    auto* colourRow = new QHBoxLayout(colourFrame);
    colourRow->addWidget(Text7);
    colourRow->addWidget(Command19);
    colourRow->addStretch();

    auto* omoteFrame = sizeFrame(QStringLiteral("文字サイズ〈　表書き　〉"), this,
                                 {&Option11, &Option22, &Option33, &OptionOB}, &CheckOBold);
    auto* nameFrame = sizeFrame(QStringLiteral("文字サイズ〈　名書き　〉"), this,
                                {&Option1, &Option2, &Option3, &OptionNB}, &CheckNBold);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folderFrame, 1);
    layout->addWidget(colourFrame);
    layout->addWidget(omoteFrame);
    layout->addWidget(nameFrame);

    connect(Text17, &QLineEdit::textChanged, this, [this] { Text17_Change(); });
    connect(Command23, &QPushButton::clicked, this, [this] { Command23_Click(); });
    connect(Command19, &QPushButton::clicked, this, [this] { Command19_Click(); });
}

void EnvironmentPage::loadTab()
{
    forms::setText(Text17, app::store().FileParth);
    fontSizeControls().apply(dialog_.host().fontSizeOptions());
    showSwatch();
}

void EnvironmentPage::unloadTab() { dialog_.host().setFontSizeOptions(fontSizeControls().read()); }

FontSizeControls EnvironmentPage::fontSizeControls() const
{
    return {{Option11, Option22, Option33, OptionOB}, CheckOBold, {Option1, Option2, Option3, OptionNB}, CheckNBold};
}

void EnvironmentPage::showSwatch()
{
    const QColor c = vb::ToQColor(app::store().UsuzumiColor);
    Text7->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; }").arg(c.name()));
}

void EnvironmentPage::Command19_Click()
{
    const auto chosen = ui::ChooseColor(ColorDialogStart);
    if (!chosen)
        return;
    app::store().UsuzumiColor = *chosen;
    showSwatch();
}

QString EnvironmentPage::GetFolder(const QString& title)
{
    const auto folder = ui::ChooseFolder(title, Text17->text());
    if (!folder)
        return QString();
    forms::setText(Text17, QDir::toNativeSeparators(*folder));
    app::store().FileParth = Text17->text();
    return *folder;
}

void EnvironmentPage::Command23_Click()
{
    GetFolder(QStringLiteral("のし紙ファイルが保存されているフォルダを選択してください。"));
}

void EnvironmentPage::Text17_Change()
{
    // A text that names no folder leaves the list as it was.
    const QString folder = Text17->text();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    File1->clear();
    File1->addItems(QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

} // namespace config
