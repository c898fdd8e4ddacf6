#include "config/StoreSave.h"

#include "model/DataFile.h"
#include "platform/services/MessageBox.h"

namespace config {

bool SaveStoreNow()
{
    const app::DataFileResult r = app::WriteDataFile(app::store());
    if (!r.ok)
        ui::MsgBox(r.problem, ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
    return r.ok;
}

} // namespace config
