#include "config/CalibrationPage.h"

#include "config/ListFollow.h"
#include "config/StoreSave.h"
#include "model/LiveStore.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/Controls.h"
#include "platform/forms/MousePointer.h"
#include "platform/forms/UpDown.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace config {

namespace {

const QString SizeNotFound = QStringLiteral("選択されたのし紙サイズが見つかりません。確認してください。");
const QString CheckSizeAndStyle = QStringLiteral("のし紙サイズおよび名書スタイルを確認して下さい。");
const QString DownTip = QStringLiteral("＋１ポイントで下へ、－１ポイントで上へ１．７５㎜移動されます。");

void inform(const QString& text) { ui::MsgBox(text, ui::Buttons::Ok, ui::Icon::Information, ui::InputCheckTitle); }

struct OffsetFrame {
    QLineEdit* box = nullptr;
    noshi::UpDown* spin = nullptr;
    QLabel* current = nullptr;
    QLabel* movement = nullptr;
};

// One offset's frame: the input box with its spinner, the stored value and the movement.
// The spinner runs reversed: its upper arrow lowers the number.
QGroupBox* offsetFrame(const QString& caption, const QString& inputCaption, int lowest, int highest,
                       QWidget* parent, OffsetFrame& f)
{
    auto* frame = new QGroupBox(caption, parent);
    auto* input = new QLabel(inputCaption, frame);
    f.box = new QLineEdit(frame);
    f.box->setInputMethodHints(Qt::ImhPreferNumbers);
    f.box->setMaximumWidth(70);
    input->setBuddy(f.box);
    f.spin = new noshi::UpDown(frame, f.box, lowest, highest, noshi::UpDown::Arrows::Reversed);
    f.spin->setFixedSize(18, f.box->sizeHint().height());
    auto* currentCaption = new QLabel(QStringLiteral("現在の調整値"), frame);
    f.current = new QLabel(frame);
    f.current->setMinimumWidth(50);
    f.movement = new QLabel(frame);
    f.movement->setMinimumWidth(150);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(input, 0, 0);
    grid->addWidget(f.box, 0, 1);
    grid->addWidget(f.spin, 0, 2);
    grid->addWidget(f.movement, 0, 3);
    grid->addWidget(currentCaption, 1, 0);
    grid->addWidget(f.current, 1, 1);
    grid->setColumnStretch(3, 1);
    return frame;
}

} // namespace

std::optional<QString> MovementText(const QString& box, double mmPerStep, const QString& positive,
                                    const QString& negative)
{
    if (box.isEmpty())
        return std::nullopt;
    const auto v = vb::ToNumber(box);
    if (!v || std::isnan(*v))
        return std::nullopt;
    if (*v == 0)
        return QStringLiteral("標準");
    // Two decimals are what a ruler shows; trailing zeros are dropped (3.5, 7).
    const double hundredths = std::round(std::abs(*v * mmPerStep) * 100);
    const QString mm = QString::number(hundredths / 100, 'g', 15);
    return (*v > 0 ? positive : negative) + mm + QStringLiteral("㎜移動");
}

namespace {
// An offset's movement label from its box; a box that holds no number
// leaves the label as it was.
void ShowMovementLabel(const QLineEdit& box, QLabel& label, double mmPerStep, const QString& positive,
                       const QString& negative)
{
    if (const auto text = MovementText(box.text(), mmPerStep, positive, negative))
        label.setText(*text);
}
} // namespace

CalibrationPage::CalibrationPage(Noshisettei& dialog) : SettingsTab(dialog)
{
    auto* sizeLabel = new QLabel(QStringLiteral("のし紙サイズ(&S)"), this);
    Combo9 = new QComboBox(this);
    forms::makeEditableList(Combo9);
    Combo9->setMinimumWidth(280);
    sizeLabel->setBuddy(Combo9);
    auto* styleLabel = new QLabel(QStringLiteral("名書きスタイル(&F)"), this);
    Combo7 = new QComboBox(this);
    forms::makeEditableList(Combo7);
    Combo7->setMinimumWidth(200);
    styleLabel->setBuddy(Combo7);

    OffsetFrame across, omote, name;
    auto* acrossFrame = offsetFrame(QStringLiteral("横方向の移動"), QStringLiteral("調整値入力(&Y)"), -100, 100, this, across);
    auto* omoteFrame =
        offsetFrame(QStringLiteral("表書き　縦方向の移動　"), QStringLiteral("調整値入力(&V)"), -30, 30, this, omote);
    auto* nameFrame =
        offsetFrame(QStringLiteral("名書き　縦方向の移動　"), QStringLiteral("調整値入力(&Z)"), -30, 30, this, name);
    for (QWidget* w : {static_cast<QWidget*>(omoteFrame), static_cast<QWidget*>(nameFrame),
                       static_cast<QWidget*>(omote.box), static_cast<QWidget*>(name.box)})
        w->setToolTip(DownTip);
    Text14 = across.box, UpDown4 = across.spin, Label13 = across.current, Label20 = across.movement;
    Text2 = omote.box, UpDown5 = omote.spin, Label14 = omote.current, Label5 = omote.movement;
    Text8 = name.box, UpDown6 = name.spin, Label15 = name.current, Label9 = name.movement;

    Command5 = new QPushButton(QStringLiteral("登録(&I)"), this);
    Command22 = new QPushButton(QStringLiteral("標準に戻す(&C)"), this);
    Command18 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    Command15 = new QPushButton(QStringLiteral("プリンタの設定(&U)"), this);
    auto* hint = new QLabel(QStringLiteral("すべてのし紙サイズの印字位置を調整する場合は、プリンタの設定で調整します。"), this);
    hint->setWordWrap(true);

    auto* choice = new QGridLayout;
    choice->addWidget(sizeLabel, 0, 0);
    choice->addWidget(Combo9, 0, 1);
    choice->addWidget(styleLabel, 1, 0);
    choice->addWidget(Combo7, 1, 1);
    choice->setColumnStretch(2, 1);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    for (QPushButton* b : {Command5, Command22, Command18})
        commands->addWidget(b);
    auto* printer = new QHBoxLayout;
    printer->addWidget(hint, 1);
    printer->addWidget(Command15);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(acrossFrame);
    layout->addWidget(omoteFrame);
    layout->addWidget(nameFrame);
    layout->addLayout(commands);
    layout->addStretch();
    layout->addLayout(printer);

    connect(Combo9, &QComboBox::activated, this, [this] { ChooseCalibrationSize(); });
    connect(Combo7, &QComboBox::activated, this, [this] { ChooseCalibrationStyle(); });
    const std::tuple<QLineEdit*, QLabel*, double, QString, QString> labels[] = {
        {Text14, Label20, AcrossMmPerStep, QStringLiteral("左へ"), QStringLiteral("右へ")},
        {Text2, Label5, DownMmPerStep, QStringLiteral("下へ"), QStringLiteral("上へ")},
        {Text8, Label9, DownMmPerStep, QStringLiteral("下へ"), QStringLiteral("上へ")},
    };
    for (const auto& row : labels) {
        // The row is copied whole: clang 14 cannot capture structured bindings.
        connect(std::get<0>(row), &QLineEdit::textChanged, this, [row] {
            const auto& [box, label, factor, positive, negative] = row;
            ShowMovementLabel(*box, *label, factor, positive, negative);
        });
    }
    connect(Command5, &QPushButton::clicked, this, [this] { StoreCalibration(); });
    connect(Command22, &QPushButton::clicked, this, [this] { RestoreStandardCalibration(); });
    connect(Command18, &QPushButton::clicked, this, [this] { ClearCalibrationEntry(); });
    connect(Command15, &QPushButton::clicked, this, [this] { Command15_Click(); });
}

void CalibrationPage::loadTab()
{
    forms::refillList(Combo7, QStringList{AllStyles} + app::nameStyleNarrowTexts());
    forms::refillList(Combo9, app::store().sizeNames());
}

void CalibrationPage::followStore(app::StoreChange what)
{
    if (what == app::StoreChange::Sizes)
        followList(Combo9, app::store().sizeNames());
}

void CalibrationPage::sizesRebuilt() { forms::refillList(Combo9, app::store().sizeNames()); }

int CalibrationPage::pickedStyle() const
{
    const int index = Combo7->currentIndex();
    if (index < 1 || Combo7->currentText() != Combo7->itemText(index))
        return -1;
    return index - 1;
}

void CalibrationPage::ChooseCalibrationSize()
{
    for (QLabel* l : {Label13, Label14, Label15})
        l->clear();
    for (QLineEdit* box : {Text14, Text2, Text8})
        forms::setText(box, QStringLiteral("0"));
    for (noshi::UpDown* spin : {UpDown4, UpDown5, UpDown6})
        spin->setValueQuietly(0);
    Combo7->setCurrentIndex(-1);
    Combo7->setEditText(QString());

    const app::BuiltinTemplateCatalogue& cat = app::catalogue();
    const int row = app::store().findSizeExact(Combo9->currentText(), 0);
    const int templ = row < 0 ? app::BuiltinTemplateCatalogue::NotFound
                              : cat.find(app::store().size(row).RegSizeTemplate[0], 1);
    UpDown5->setRangeQuietly(-cat.row(templ).TemplateOmoteUpLimit, 30);
    UpDown6->setRangeQuietly(-cat.row(templ).TemplateNameUpLimit, 30);
}

void CalibrationPage::ChooseCalibrationStyle()
{
    if (Combo7->currentText().isEmpty())
        return;
    for (QLabel* l : {Label13, Label14, Label15})
        l->clear();
    if (Combo7->currentText() == AllStyles || Combo9->currentText() == AllSizes)
        return;
    const int style = pickedStyle();
    const int row = style < 0 ? -1 : app::store().findSizeExact(Combo9->currentText(), style);
    if (row < 0) {
        inform(SizeNotFound);
        return;
    }
    const app::RegisteredSize& z = app::store().size(row);
    const std::tuple<int, QLabel*, QLineEdit*, noshi::UpDown*> shown[] = {
        {z.RegOffsetX[size_t(style)], Label13, Text14, UpDown4},
        {z.RegOffsetOmote[size_t(style)], Label14, Text2, UpDown5},
        {z.RegOffsetName[size_t(style)], Label15, Text8, UpDown6},
    };
    for (const auto& [value, label, box, spin] : shown) {
        label->setText(QString::number(value));
        forms::setText(box, QString::number(value));
        // A stored value beyond the spinner's range shows as stored; the spinner waits at its limit.
        spin->setValueQuietly(value);
    }
}

void CalibrationPage::StoreCalibration()
{
    if (Combo7->currentText().isEmpty()) {
        inform(QStringLiteral("名書スタイルを選択して下さい。"));
        return;
    }
    if (Combo9->currentText().isEmpty()) {
        inform(QStringLiteral("のし紙サイズを選択して下さい。"));
        return;
    }
    const std::pair<QLineEdit*, QString> boxes[] = {
        {Text14, QStringLiteral("横方向の移動")},
        {Text2, QStringLiteral("表書き　縦方向の移動")},
        {Text8, QStringLiteral("名書き　縦方向の移動")},
    };
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        QLineEdit* box = boxes[i].first;
        if (box->text().isEmpty())
            forms::setText(box, QStringLiteral("0"));
        try {
            values[i] = vb::CInt(box->text());
        } catch (const std::exception&) {
            // Never skipped silently: the user learns which box holds what cannot be stored.
            inform(QStringLiteral("「%1」の調整値「%2」は登録できません。-32768～32767の数値を入力して下さい。")
                       .arg(boxes[i].second, box->text()));
            box->setFocus();
            return;
        }
    }

    const bool allSizes = Combo9->currentText() == AllSizes;
    const bool allStyles = Combo7->currentText() == AllStyles;
    if (allSizes || allStyles) {
        const QString question = allSizes && allStyles ? QStringLiteral("既存の設定が全て更新されます。よろしいですか？")
                                                       : QStringLiteral("既存の設定が更新されます。よろしいですか？");
        if (ui::MsgBox(question, ui::Buttons::YesNo, ui::Icon::Information, QStringLiteral("変更の確認"))
            != ui::Answer::Yes)
            return;
    }
    const int style = allStyles ? -1 : pickedStyle();
    if (!allStyles && style < 0) {
        inform(CheckSizeAndStyle); // a style typed instead of picked
        return;
    }
    QList<int> rows;
    if (allSizes) {
        for (int r = 0; r < app::store().RegSizeCount(); ++r)
            rows << r;
    } else {
        const int row = app::store().findSizeExact(Combo9->currentText(), allStyles ? 0 : style);
        if (row < 0) {
            inform(allStyles ? SizeNotFound : CheckSizeAndStyle);
            return;
        }
        rows << row;
    }
    for (int row : rows) {
        for (int st = 0; st < app::NameStyleCount; ++st) {
            if (allStyles || st == style)
                app::store().setOffsets(row, st, values[0], values[1], values[2]);
        }
    }
    if (!rows.isEmpty())
        SaveStoreNow();
    resetEntry();
    if (allSizes && allStyles)
        dialog_.Command1[Noshisettei::CalibrationTab]->setFocus();
}

void CalibrationPage::resetEntry()
{
    for (QLineEdit* box : {Text14, Text2, Text8})
        forms::setText(box, QStringLiteral("0"));
    for (noshi::UpDown* spin : {UpDown4, UpDown5, UpDown6})
        spin->setValueQuietly(0);
    for (QLineEdit* box : {Text14, Text2, Text8})
        forms::setText(box, QString());
    for (QLabel* l : {Label13, Label14, Label15})
        l->clear();
}

void CalibrationPage::RestoreStandardCalibration()
{
    for (QLineEdit* box : {Text14, Text2, Text8})
        forms::setText(box, QStringLiteral("0"));
    StoreCalibration();
}

void CalibrationPage::ClearCalibrationEntry()
{
    for (QLineEdit* box : {Text14, Text2, Text8})
        forms::setText(box, QString());
    for (QComboBox* list : {Combo7, Combo9}) {
        list->setCurrentIndex(-1);
        list->setEditText(QString());
    }
    for (QLabel* l : {Label13, Label14, Label15})
        l->clear();
    Combo9->setFocus();
}

void CalibrationPage::Command15_Click()
{
    const app::Hourglass wait;
    dialog_.host().showPrinterDialog();
}

} // namespace config
