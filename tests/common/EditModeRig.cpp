#include "common/EditModeRig.h"

#include "model/DataFile.h"
#include "model/LiveStore.h"
#include "app/Printers.h"
#include "platform/print/Printer.h"
#include "platform/print/RecordingBackend.h"

#include <memory>

EditModeRig::Environment::Environment(const QString& dataFolder)
{
    app::setDataFolderOverride(dataFolder);
    app::setPrinterListForTests([] { return QStringList{QStringLiteral("Recorder")}; });
    prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>());
    app::store().clear();
}

EditModeRig::EditModeRig(const QString& dataFolder) : env_(dataFolder), windows(main), job(main, windows), dispatcher(job)
{
    windows.install();
    dispatcher.install();
    dispatcher.setKeepPreviewHidden(true);
    main.Form_Load();
    app::store().OsType = QStringLiteral("NT/XP");
}
