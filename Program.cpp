#include "Program.h"

#include "app/GuideHook.h"
#include "app/InputWindows.h"
#include "app/MainEditorHost.h"
#include "app/MainPrintJob.h"
#include "app/MainSettingsHost.h"
#include "app/MainWizardHost.h"
#include "app/NoshiMain.h"
#include "app/ProgramLife.h"
#include "app/SingleInstance.h"
#include "editors/frmFreeSize.h"
#include "editors/frmHagaki.h"
#include "platform/paths/AppPaths.h"
#include "platform/fonts/FontFallback.h"
#include "platform/print/CupsLibrary.h"
#include "platform/run/WarmUp.h"
#include "app/PrinterDialogSetup.h"
#include "model/ProgramContext.h"
#include "platform/services/Translations.h"
#include "platform/services/ProgramLook.h"
#include "preview/lists/FileListWindow.h"
#include "print/PrintContext.h"
#include "print/PrintDispatcher.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace app {

int runProgram(int argc, char** argv, const std::function<void(QWidget&)>& shown)
{
    // The first text drawn needs fontconfig's set-up, which takes a while to
    // read; it loads while Qt starts.
    run::WarmUp fontconfig([] { fonts::loadFontconfig(); });
    // Built first so that it outlives every window that reaches it.
    ProgramContext context;
    ScopedProgramContext useContext(context);
    noshi::PrintContext printing;
    noshi::ScopedPrintContext usePrinting(printing);
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName(paths::Organization);
    QApplication::setApplicationName(paths::ApplicationName);
    ui::installJapaneseTranslations();
    ui::useProgramLook();
    // Read as PNG and nothing else: left to recognise the file, Qt loads every
    // image plugin to ask each one first.
    QImageReader icon(paths::shippedDir() + QStringLiteral("/kazaguru.png"), "png");
    icon.setAutoDetectImageFormat(false);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));

    // A second start brings the running window to the front and ends here,
    // before anything is read, shown or written.
    SingleInstance instance;
    if (!instance.tryBecomePrimary())
        return 0;
    // The printer list needs CUPS before the first paint: it loads while the
    // window is built.
    run::WarmUp cups([] { prn::cupsLibrary(); });

    fontconfig.wait(); // rather than load it a second time alongside
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
    installGuide(w);
    ProgramLife life(w, &instance);
    w.Form_Load();
    w.show();
    life.arm();
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
