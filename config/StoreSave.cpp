#include "config/StoreSave.h"

#include "model/DataFile.h"
#include "platform/services/MessageBox.h"

namespace config {

bool SaveStoreNow()
{
    // As at exit, a store loaded from a damaged file and not changed since
    // never replaces the file. An emptied store is saved: the deletion of
    // the last size or a registered inscription must not come back.
    const app::LiveStore& st = app::store();
    if (st.loadedDamaged() && !st.isDirty())
        return true;
    const app::DataFileResult r = app::WriteDataFile(app::store());
    if (!r.ok)
        ui::MsgBox(r.problem, ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
    return r.ok;
}

} // namespace config
