#include "platform/services/FontDialog.h"

#include "platform/fonts/FontCatalog.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ui {

namespace {

struct NamedColor {
    const char16_t* name;
    uint32_t rgb; // 0xRRGGBB
};

// The sixteen basic colours of the effects group.
constexpr NamedColor BasicColors[] = {
    {u"黒", 0x000000},       {u"マルーン", 0x800000}, {u"緑", 0x008000},     {u"オリーブ", 0x808000},
    {u"ネイビー", 0x000080}, {u"紫", 0x800080},       {u"ティール", 0x008080}, {u"グレー", 0x808080},
    {u"シルバー", 0xC0C0C0}, {u"赤", 0xFF0000},       {u"ライム", 0x00FF00},   {u"黄", 0xFFFF00},
    {u"青", 0x0000FF},       {u"フクシア", 0xFF00FF}, {u"水色", 0x00FFFF},     {u"白", 0xFFFFFF},
};

uint32_t bgrOf(uint32_t rgb) { return vb::Rgb(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF); }

QIcon swatch(uint32_t bgr)
{
    QPixmap p(24, 12);
    p.fill(vb::ToQColor(bgr));
    return QIcon(p);
}

constexpr double SmallestSize = 1;
constexpr double LargestSize = 1638;

// The listed entry a typed text names, compared without case.
QListWidgetItem* listed(QListWidget* list, const QString& text)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().compare(text, Qt::CaseInsensitive) == 0)
            return list->item(i);
    return nullptr;
}

} // namespace

const QStringList& FontDialog::styleNames()
{
    static const QStringList names = {QStringLiteral("標準"), QStringLiteral("斜体"), QStringLiteral("太字"),
                                      QStringLiteral("太字 斜体")};
    return names;
}

const QList<int>& FontDialog::sizes()
{
    static const QList<int> s = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    return s;
}

FontDialog::FontDialog(const FontChoice& preset, bool effects, QWidget* parent) : QDialog(parent), preset_(preset)
{
    setWindowTitle(Title);
    build(effects);
    this->preset(preset);
    updateSample();
}

void FontDialog::build(bool effects)
{
    auto* grid = new QGridLayout(this);
    auto column = [&](int col, const QString& caption, QLineEdit*& edit, QListWidget*& list, int width) {
        auto* label = new QLabel(caption, this);
        edit = new QLineEdit(this);
        list = new QListWidget(this);
        label->setBuddy(edit);
        edit->setFixedWidth(width);
        list->setFixedWidth(width);
        list->setFixedHeight(150);
        grid->addWidget(label, 0, col);
        grid->addWidget(edit, 1, col);
        grid->addWidget(list, 2, col);
        followTyping(edit, list);
    };
    column(0, QStringLiteral("フォント名(&F):"), familyEdit, familyList, 220);
    column(1, QStringLiteral("スタイル(&Y):"), styleEdit, styleList, 110);
    column(2, QStringLiteral("サイズ(&S):"), sizeEdit, sizeList, 60);

    familyList->addItems(fonts::fontDialogNames());
    styleList->addItems(styleNames());
    for (int s : sizes())
        sizeList->addItem(QString::number(s));

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    okButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cancelButton = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    okButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &FontDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FontDialog::reject);
    grid->addWidget(buttons, 1, 3, 2, 1, Qt::AlignTop);

    effectsGroup = new QGroupBox(QStringLiteral("文字飾り"), this);
    strikeThruBox = new QCheckBox(QStringLiteral("取り消し線(&K)"), effectsGroup);
    underlineBox = new QCheckBox(QStringLiteral("下線(&U)"), effectsGroup);
    auto* colorLabel = new QLabel(QStringLiteral("色(&C):"), effectsGroup);
    colorList = new QComboBox(effectsGroup);
    colorLabel->setBuddy(colorList);
    for (const NamedColor& c : BasicColors)
        colorList->addItem(swatch(bgrOf(c.rgb)), QString::fromUtf16(c.name), bgrOf(c.rgb));
    auto* effectsBox = new QVBoxLayout(effectsGroup);
    effectsBox->addWidget(strikeThruBox);
    effectsBox->addWidget(underlineBox);
    effectsBox->addWidget(colorLabel);
    effectsBox->addWidget(colorList);
    effectsBox->addStretch();
    auto* lower = new QHBoxLayout;
    lower->addWidget(effectsGroup, 0, Qt::AlignTop);
    effectsGroup->setVisible(effects);

    auto* sampleGroup = new QGroupBox(QStringLiteral("サンプル"), this);
    sample = new QLabel(Sample, sampleGroup);
    sample->setAlignment(Qt::AlignCenter);
    sample->setFixedSize(240, 80);
    auto* sampleBox = new QVBoxLayout(sampleGroup);
    sampleBox->addWidget(sample);
    lower->addWidget(sampleGroup, 0, Qt::AlignTop);
    lower->addStretch();
    grid->addLayout(lower, 3, 0, 1, 4);

    connect(strikeThruBox, &QCheckBox::toggled, this, &FontDialog::updateSample);
    connect(underlineBox, &QCheckBox::toggled, this, &FontDialog::updateSample);
    connect(colorList, &QComboBox::currentIndexChanged, this, &FontDialog::updateSample);
}

// A typed text selects the first entry it begins; choosing an entry writes
// it into the box.
void FontDialog::followTyping(QLineEdit* edit, QListWidget* list)
{
    connect(edit, &QLineEdit::textEdited, this, [this, list](const QString& typed) {
        {
            const QSignalBlocker quiet(list);
            list->clearSelection();
            list->setCurrentItem(nullptr);
            if (!typed.isEmpty()) {
                for (int i = 0; i < list->count(); ++i) {
                    if (list->item(i)->text().startsWith(typed, Qt::CaseInsensitive)) {
                        list->setCurrentRow(i);
                        list->scrollToItem(list->item(i), QAbstractItemView::PositionAtTop);
                        break;
                    }
                }
            }
        }
        updateSample();
    });
    auto take = [this, edit](const QString& text) {
        if (text.isEmpty())
            return;
        edit->setText(text);
        updateSample();
    };
    connect(list, &QListWidget::currentTextChanged, this, take);
    // A click on the entry the typing found changes no current entry.
    connect(list, &QListWidget::itemPressed, this, [take](QListWidgetItem* item) { take(item->text()); });
}

void FontDialog::preset(const FontChoice& c)
{
    auto show = [](QLineEdit* edit, QListWidget* list, const QString& text) {
        if (QListWidgetItem* item = listed(list, text)) {
            list->setCurrentItem(item);
            list->scrollToItem(item, QAbstractItemView::PositionAtTop);
        }
        edit->setText(text);
    };
    if (!c.name.isEmpty())
        show(familyEdit, familyList, c.name);
    show(styleEdit, styleList, styleNames()[(c.bold ? 2 : 0) + (c.italic ? 1 : 0)]);
    if (c.size > 0)
        show(sizeEdit, sizeList, QString::number(c.size, 'g', 6));
    strikeThruBox->setChecked(c.strikeThru);
    underlineBox->setChecked(c.underline);
    selectColor(c.color & 0x00FFFFFFu);
}

// A colour that is none of the sixteen is listed after them as custom.
void FontDialog::selectColor(uint32_t color)
{
    int index = colorList->findData(color);
    if (index < 0) {
        colorList->addItem(swatch(color), QStringLiteral("カスタム"), color);
        index = colorList->count() - 1;
    }
    colorList->setCurrentIndex(index);
}

FontChoice FontDialog::choice() const
{
    FontChoice c = preset_;
    const QListWidgetItem* family = listed(familyList, familyEdit->text().trimmed());
    c.name = family ? family->text() : familyEdit->text().trimmed();
    const int style = styleNames().indexOf(styleEdit->text().trimmed());
    if (style >= 0) {
        c.bold = style >= 2;
        c.italic = style % 2 == 1;
    }
    c.size = vb::ToNumber(sizeEdit->text()).value_or(0);
    if (!effectsGroup->isHidden()) {
        c.strikeThru = strikeThruBox->isChecked();
        c.underline = underlineBox->isChecked();
        c.color = colorList->currentData().toUInt();
    }
    return c;
}

void FontDialog::accept()
{
    auto refuse = [this](const QString& text, QLineEdit* edit) {
        MsgBox(text, Buttons::Ok, Icon::Exclamation, Title);
        edit->setFocus();
        edit->selectAll();
    };
    const QString family = familyEdit->text().trimmed();
    // The preset font is kept when confirmed as it was, installed or not.
    if (!listed(familyList, family) && (family.isEmpty() || family != preset_.name))
        return refuse(QStringLiteral("フォント名を一覧から選んでください。"), familyEdit);
    if (!styleNames().contains(styleEdit->text().trimmed()))
        return refuse(QStringLiteral("スタイルを一覧から選んでください。"), styleEdit);
    if (!sizeEdit->text().trimmed().isEmpty()) {
        const auto size = vb::ToNumber(sizeEdit->text());
        if (!size || *size < SmallestSize || *size > LargestSize)
            return refuse(QStringLiteral("サイズは 1 から 1638 の間で指定してください。"), sizeEdit);
    }
    QDialog::accept();
}

void FontDialog::updateSample()
{
    if (!sample)
        return; // still being built
    const FontChoice c = choice();
    // A name still being typed shows the entry it has found.
    QString name = c.name;
    if (!listed(familyList, name) && familyList->currentItem())
        name = familyList->currentItem()->text();
    QFont f(fonts::resolve(name.isEmpty() ? QStringLiteral("ＭＳ 明朝") : name).family);
    f.setPointSizeF(c.size > 0 ? c.size : 10);
    f.setBold(c.bold);
    f.setItalic(c.italic);
    f.setUnderline(c.underline);
    f.setStrikeOut(c.strikeThru);
    sample->setFont(f);
    QPalette p = sample->palette();
    p.setColor(QPalette::WindowText, vb::ToQColor(c.color));
    sample->setPalette(p);
}

} // namespace ui
