// A whole edit-mode command on a large noshi sheet: the dispatcher's checks
// and look-ups, the box preparation and the layout, with the main window's
// own previews reacting as they do for the user; no printing, preview hidden.
#include "app/DataFile.h"
#include "app/InputWindows.h"
#include "app/LiveStore.h"
#include "app/NoshiMain.h"
#include "app/Printers.h"
#include "platform/forms/Controls.h"
#include "platform/print/Printer.h"
#include "platform/print/RecordingBackend.h"
#include "platform/services/MessageBox.h"
#include "print/PrintDispatcher.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void BM_EditCommandLargeNoshi(benchmark::State& state)
{
    QTemporaryDir home;
    app::setDataFolderOverride(home.path());
    app::setPrinterListForTests([] { return QStringList{QStringLiteral("Recorder")}; });
    prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>());
    ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    app::store().clear();
    app::NoshiMain m;
    app::InputWindows windows(m);
    windows.install();
    noshi::PrintDispatcher dispatcher(m, windows);
    dispatcher.install();
    dispatcher.setKeepPreviewHidden(true);
    m.Form_Load();
    app::store().OsType = QStringLiteral("NT/XP");
    app::RegisteredSize z;
    const QString key = QStringLiteral("萌黄（祝大）　"), name = QStringLiteral("大のし");
    z.RegSizeTemplate = {key, key, key};
    z.RegSizeName = {name, name, name};
    app::store().addSize(z);
    m.Combo1->addItem(name);
    m.Combo1->setEditText(name);
    m.Combo3->setCurrentIndex(0);
    m.Combo2->setEditText(QStringLiteral("御中元"));
    m.Text2->setText(QStringLiteral("山田太郎"));
    for (auto _ : state) {
        app::store().EditMode = 1;
        dispatcher.PrintOrPreview();
        if (dispatcher.lastOutcome() != noshi::PrintDispatcher::Outcome::Edited)
            state.SkipWithError("the command did not lay the sheet out");
    }
    ui::setAnswerer({});
    app::setDataFolderOverride(QString());
}
BENCHMARK(BM_EditCommandLargeNoshi)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QTemporaryDir xdg;
    qputenv("XDG_DATA_HOME", (xdg.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (xdg.path() + "/config").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
