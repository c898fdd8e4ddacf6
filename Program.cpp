#include "Program.h"

#include "app/InputWindows.h"
#include "app/MainEditorHost.h"
#include "app/MainPrintJob.h"
#include "app/MainSettingsHost.h"
#include "app/MainWizardHost.h"
#include "app/NoshiMain.h"
#include "app/SingleInstance.h"
#include "editors/frmFreeSize.h"
#include "editors/frmHagaki.h"
#include "platform/paths/AppPaths.h"
#include "app/PrinterDialogSetup.h"
#include "model/MainHooks.h"
#include "preview/lists/FileListWindow.h"
#include "print/PrintDispatcher.h"

#include <QApplication>

namespace app {

int runProgram(int argc, char** argv, const std::function<void(QWidget&)>& shown)
{
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName(paths::Organization);
    QApplication::setApplicationName(paths::ApplicationName);

    // A second start brings the running window to the front and ends here,
    // before anything is read, shown or written.
    SingleInstance instance;
    if (!instance.tryBecomePrimary())
        return 0;

    NoshiMain w;
    InputWindows inputs(w);
    inputs.install();
    noshi::InstallPrinterDialog(w);
    MainSettingsHost settings(w);
    settings.install();
    MainWizardHost wizard(w, settings);
    wizard.install();
    app::MainPrintJob job(w, inputs);
    noshi::PrintDispatcher dispatcher(job);
    dispatcher.install();
    preview::installFileLists(&w);
    MainEditorHost editorHost(w);
    editors::setEditorHost(&editorHost);
    hooks().showFreeSize = [] { editors::showFreeSize(); };
    hooks().showHagaki = [] { editors::showHagaki(); };
    QObject::connect(&instance, &SingleInstance::activateRequested, &w, &NoshiMain::bringToFront);
    w.Form_Load();
    w.show();
    if (shown)
        shown(w);
    // The platform shutting down closes the window like its close box.
    QObject::connect(&qapp, &QCoreApplication::aboutToQuit, &w, [&w] {
        if (w.isVisible())
            w.close();
    });
    return qapp.exec();
}

} // namespace app
