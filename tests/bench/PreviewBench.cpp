// The edit command on a large noshi sheet up to the editor shown and
// painted: the dispatcher's layout, the window's canvas and both page boxes
// drawn at real size. Target: well under 100 ms.
#include "model/DataFile.h"
#include "model/LiveStore.h"
#include "common/BenchMain.h"
#include "common/EditModeRig.h"
#include "platform/services/MessageBox.h"
#include "preview/frmNoshiPreView.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

static void BM_EditCommandToEditorPainted(benchmark::State& state)
{
    QTemporaryDir home;
    ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    EditModeRig rig(home.path());
    rig.dispatcher.setKeepPreviewHidden(false);
    rig.chooseLargeNoshi();
    for (auto _ : state) {
        app::store().EditMode = 1;
        rig.dispatcher.PrintOrPreview();
        preview::frmNoshiPreView* p = preview::NoshiPreView().peek();
        if (!p || !p->isVisible()) {
            state.SkipWithError("the editor did not open");
            break;
        }
        p->repaint(); // the whole window drawn now, both pages included
        QApplication::processEvents();
        if (state.range(0) == 1) {
            state.PauseTiming();
            p->mailbox().setPageLoaded(false);
            preview::NoshiPreView().unload();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            state.ResumeTiming();
        }
    }
    if (preview::frmNoshiPreView* p = preview::NoshiPreView().peek())
        p->mailbox().setPageLoaded(false);
    preview::NoshiPreView().unload();
    ui::setAnswerer({});
    app::setDataFolderOverride(QString());
}
// 0: the editor is open already and takes the new page; 1: it opens anew.
BENCHMARK(BM_EditCommandToEditorPainted)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
