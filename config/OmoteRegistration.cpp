#include "config/OmoteRegistration.h"

#include "config/SettingsHost.h"
#include "config/StoreSave.h"
#include "model/LiveStore.h"
#include "platform/forms/Controls.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace config {

OmoteRegistration::OmoteRegistration(OmoteEntryControls controls, MainListsPort& mainLists)
    : c_(controls), mainLists_(mainLists)
{
}

bool OmoteRegistration::RegisterOmote()
{
    const QString text = vb::TrimBoth(c_.Text10->text());
    forms::setText(c_.Text10, text);
    if (text.isEmpty()) {
        ui::MsgBox(QStringLiteral("表書きを選択して下さい。"), ui::Buttons::Ok, ui::Icon::Information,
                   ui::InputCheckTitle);
        return false;
    }
    if (app::store().OmoteList().contains(text)) {
        ui::MsgBox(QStringLiteral("この表書きは既に登録されています。確認して下さい。"), ui::Buttons::Ok,
                   ui::Icon::Critical, ui::InputCheckTitle);
        return false;
    }
    const app::StoreResult added = app::store().addOmote(text);
    if (!added) {
        ui::MsgBox(added.message, ui::Buttons::Ok, ui::Icon::Exclamation, ui::InputCheckTitle);
        return false;
    }
    // The page's deletion list follows the store's notice of the new entry.
    mainLists_.appendOmote(text);
    if (c_.doneLabel) {
        c_.doneLabel->setText(text + QStringLiteral("　登録完了"));
        c_.doneLabel->show();
    }
    SaveStoreNow();
    return true;
}

void OmoteRegistration::DeleteOmote()
{
    const int k = int(app::store().OmoteList().indexOf(c_.deleteList->currentText()));
    if (k < 0) {
        ui::MsgBox(QStringLiteral("データが見つかりません。確認して下さい。"), ui::Buttons::Ok, ui::Icon::Information,
                   ui::InputCheckTitle);
        return;
    }
    app::store().deleteOmote(k);
    fillDeleteList();
    mainLists_.refillOmotes(app::store().OmoteList());
    c_.deleteList->setEditText(QStringLiteral("　　　削除しました。"));
    SaveStoreNow();
}

void OmoteRegistration::fillDeleteList() { forms::refillList(c_.deleteList, app::store().OmoteList()); }

} // namespace config
