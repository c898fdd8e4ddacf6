#include "config/StoreSave.h"

#include "model/DataFile.h"
#include "platform/services/MessageBox.h"

namespace config {

bool SaveStoreNow()
{
    // The exit's rule: an empty store, or one loaded from a damaged file and
    // not changed since, never replaces the file.
    if (!app::store().mayWriteDataFile())
        return true;
    const app::DataFileResult r = app::WriteDataFile(app::store());
    if (!r.ok)
        ui::MsgBox(r.problem, ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
    return r.ok;
}

} // namespace config
