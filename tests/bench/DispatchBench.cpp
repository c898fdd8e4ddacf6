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
    app::NoshiMain& m = rig.main;
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
        rig.dispatcher.PrintOrPreview();
        if (rig.dispatcher.lastOutcome() != noshi::PrintDispatcher::Outcome::Edited)
            state.SkipWithError("the command did not lay the sheet out");
    }
    ui::setAnswerer({});
    app::setDataFolderOverride(QString());
}
BENCHMARK(BM_EditCommandLargeNoshi)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
