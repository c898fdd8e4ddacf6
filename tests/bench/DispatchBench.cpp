// A whole edit-mode command on a large noshi sheet: the dispatcher's checks
// and look-ups, the box preparation and the layout, with the main window's
// own previews reacting as they do for the user; no printing, preview hidden.
#include "model/DataFile.h"
#include "model/LiveStore.h"
#include "platform/services/MessageBox.h"
#include "common/BenchMain.h"
#include "common/EditModeRig.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

static void BM_EditCommandLargeNoshi(benchmark::State& state)
{
    QTemporaryDir home;
    ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    EditModeRig rig(home.path());
    rig.chooseLargeNoshi();
    for (auto _ : state) {
        app::store().EditMode = 1;
        rig.dispatcher.PrintOrPreview();
        if (rig.dispatcher.lastOutcome() != noshi::PrintDispatcher::Outcome::Edited)
            state.SkipWithError("the command did not lay the sheet out");
    }
    ui::setAnswerer({});
    app::setDataFolderOverride(QString());
}
BENCHMARK(BM_EditCommandLargeNoshi)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
