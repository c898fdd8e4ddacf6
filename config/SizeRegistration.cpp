#include "config/SizeRegistration.h"

#include "model/LiveStore.h"
#include "model/TemplateCatalogue.h"
#include "config/SettingsHost.h"
#include "config/StoreSave.h"
#include "model/TemplateKeys.h"
#include "platform/forms/Controls.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

namespace config {

namespace {

const QString TestTemplateKey = app::TemplateKey::A4Test;

void inform(const QString& text, ui::Icon icon = ui::Icon::Information)
{
    ui::MsgBox(text, ui::Buttons::Ok, icon, ui::InputCheckTitle);
}

bool confirmed(const QString& question)
{
    return ui::MsgBox(question, ui::Buttons::YesNoCancel, ui::Icon::Information, QStringLiteral("確認"))
           == ui::Answer::Yes;
}

void setVisible(QWidget* w, bool on)
{
    if (w)
        w->setVisible(on);
}

} // namespace

SizeRegistration::SizeRegistration(SizeEntryControls controls, SizeEntryRules rules, MainListsPort& mainLists)
    : c_(controls), rules_(std::move(rules)), mainLists_(mainLists)
{
}

int SizeRegistration::boxNumber(const QString& text)
{
    const auto n = vb::ToNumber(text);
    if (!n || std::isnan(*n))
        return 0;
    return int(std::clamp(vb::RoundHalfEven(*n), -1.0e6, 1.0e6));
}

void SizeRegistration::ChooseTemplate()
{
    setVisible(c_.doneLabel, false);
    const QString choice = c_.templateList->currentText();
    if (choice.startsWith(QChar(0x3000))) {
        forms::setText(c_.Text4, QString());
        forms::setText(c_.Text5, QString());
        return;
    }
    forms::setText(c_.Text4, app::BuiltinTemplateCatalogue::keyOf(choice));
    forms::setText(c_.Text5, QString());
    const app::BuiltinTemplateCatalogue& cat = app::catalogue();
    const int row = cat.find(c_.Text4->text(), rules_.firstTemplateRow);
    app::store().TemplateIndex = row;
    if (row == app::BuiltinTemplateCatalogue::NotFound) {
        inform(QStringLiteral("選択されたのし紙サイズが見つかりません。"));
        return;
    }
    forms::setText(c_.Text20, QString::number(cat.row(row).TemplateWidth));
    forms::setText(c_.Text21, QString::number(cat.row(row).TemplateHeight));
    if (rules_.testTemplateNamesItself && c_.Text4->text() == TestTemplateKey)
        forms::setText(c_.Text5, c_.Text4->text());
}

void SizeRegistration::RegisterSize()
{
    const QString choice = c_.templateList->currentText();
    if (choice.isEmpty()) {
        inform(QStringLiteral("ひな形を選択して下さい。"));
        return;
    }
    const QString key = app::BuiltinTemplateCatalogue::keyOf(choice);
    // A size bound to no template could never be printed: a typed template
    // text that names none is refused like a choice that names none.
    if (app::catalogue().find(key, 0) == app::BuiltinTemplateCatalogue::NotFound) {
        inform(QStringLiteral("選択されたのし紙サイズが見つかりません。"));
        return;
    }
    if (c_.Text5->text().isEmpty())
        forms::setText(c_.Text5, key);
    QString name = c_.Text5->text();
    if (name == c_.Text4->text()) {
        const ui::Answer a = ui::MsgBox(
            QStringLiteral("のし紙サイズのユーザー登録名は、%1です。確認してください。\n"
                           "「いいえ」を選択した場合は、のし紙サイズ名を入力してください。")
                .arg(name),
            ui::Buttons::YesNoCancel, ui::Icon::Information, QStringLiteral("のし紙サイズ名登録"));
        if (a == ui::Answer::No) {
            forms::setText(c_.Text5, QString());
            c_.Text5->setFocus();
            return;
        }
        if (a != ui::Answer::Yes) {
            for (QLineEdit* box : {c_.Text4, c_.Text5, c_.Text20, c_.Text21})
                forms::setText(box, QString());
            if (rules_.refillTemplates)
                rules_.refillTemplates();
            return;
        }
    }
    if (app::store().findSizeExact(name, 0) >= 0) {
        inform(QStringLiteral("この名称は既に登録されています。ユーザー登録名を変更して下さい。"), ui::Icon::Critical);
        forms::setText(c_.Text5, QString());
        c_.Text5->setFocus();
        return;
    }
    const app::StoreResult added =
        AddRegisteredSize(app::RegisteredSize::make(key, name, boxNumber(c_.Text20->text()), boxNumber(c_.Text21->text())),
                          [this](const QString& n) { mainLists_.appendSizeName(n); });
    if (!added) {
        inform(added.message, ui::Icon::Exclamation);
        return;
    }

    for (QLineEdit* box : {c_.Text4, c_.Text5, c_.Text20, c_.Text21})
        forms::setText(box, QString());
    setVisible(c_.heightWarning, false);
    setVisible(c_.widthWarning, false);
    c_.templateList->setCurrentIndex(-1);
    c_.templateList->setEditText(QString());
    if (rules_.refillTemplates)
        rules_.refillTemplates();
    setVisible(c_.doneLabel, true);
}

app::StoreResult AddRegisteredSize(const app::RegisteredSize& size, const std::function<void(const QString&)>& appendToLists)
{
    const app::StoreResult added = app::store().addSize(size);
    if (!added)
        return added;
    appendToLists(size.RegSizeName[0]);
    SaveStoreNow();
    return added;
}

bool SizeRegistration::deleteRow(int row)
{
    const app::StoreResult r = app::store().deleteSize(row);
    if (!r) {
        inform(r.message);
        return false;
    }
    rebuildPageLists();
    mainLists_.refillSizeNames(app::store().sizeNames());
    SaveStoreNow();
    return true;
}

void SizeRegistration::rebuildPageLists()
{
    if (c_.Combo10)
        forms::refillList(c_.Combo10, app::store().sizeNames());
    if (rules_.sizesRebuilt)
        rules_.sizesRebuilt();
}

void SizeRegistration::DeleteSizeByName()
{
    const QString name = c_.Combo10->currentText();
    const int row = app::store().findSizeExact(name, 0);
    if (row < 0) {
        inform(QStringLiteral("データが見つかりません。確認して下さい。"));
        return;
    }
    if (deleteRow(row))
        c_.Combo10->setEditText(QStringLiteral("　削除しました。"));
}

void SizeRegistration::DeleteSizeConfirmed(const QString& name)
{
    if (name.isEmpty()) {
        inform(QStringLiteral("のし紙サイズ名を入力してください。"));
        return;
    }
    const int row = app::store().findSizeExact(name, 0);
    if (row < 0) {
        inform(QStringLiteral("データが見つかりません。確認して下さい。"));
        return;
    }
    if (!confirmed(QStringLiteral("のし紙サイズ：%1を削除します。よろしいですか？").arg(name)))
        return;
    deleteRow(row);
}

bool SizeRegistration::UpdateSize(int row, const QString& name, const QString& width, const QString& height)
{
    if (name.isEmpty()) {
        inform(QStringLiteral("のし紙サイズ名を入力してください。"));
        return false;
    }
    if (width.isEmpty() || height.isEmpty()) {
        inform(QStringLiteral("のし紙サイズを入力してください。"));
        return false;
    }
    if (row < 0 || row >= app::store().RegSizeCount()) {
        inform(QStringLiteral("データが見つかりません。確認して下さい。"));
        return false;
    }
    if (!confirmed(QStringLiteral("登録内容を変更します。よろしいですか？")))
        return false;
    const app::StoreResult r = app::store().updateSize(row, name, boxNumber(width), boxNumber(height));
    if (!r) {
        inform(r.message, ui::Icon::Exclamation);
        return false;
    }
    rebuildPageLists();
    mainLists_.refillSizeNames(app::store().sizeNames());
    SaveStoreNow();
    return true;
}

void SizeRegistration::CheckWidth()
{
    const bool ok = vb::ToNumber(c_.Text20->text()).value_or(0) >= 30;
    if (!ok)
        ui::Beep();
    setVisible(c_.widthWarning, !ok);
}

void SizeRegistration::CheckHeight()
{
    const int index = app::store().TemplateIndex;
    const int templateHeight = index >= 0 && index < app::BuiltinTemplateCatalogue::Capacity
                                   ? app::catalogue().row(index).TemplateHeight
                                   : 0;
    const double d = vb::ToNumber(c_.Text21->text()).value_or(0) - templateHeight;
    const bool warn = d < -rules_.heightTolerance;
    if (warn)
        ui::Beep();
    setVisible(c_.heightWarning, warn);
}

} // namespace config
