// The printer dialog opened from a window other than the main window gives
// the focus back to that window when it closes.
#include "config/ConfigSupport.h"

#include "app/MainEditorHost.h"
#include "app/PrinterDialogSetup.h"
#include "config/CalibrationPage.h"
#include "editors/EditorHost.h"
#include "editors/frmFreeSize.h"
#include "preview/ModalHand.h"
#include "print/frmPrinterP.h"

#include <QCoreApplication>

namespace {

// Lets the windows take the activations they asked for.
void settleActivation()
{
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Opens the printer dialog by `open`, cancels it as a user would, and
// returns the window active afterwards.
QWidget* activeAfterPrinterDialog(const std::function<void()>& open)
{
    ModalHand hand;
    hand.in<noshi::frmPrinterP>([](noshi::frmPrinterP& p) { p.Command5->click(); });
    open();
    EXPECT_TRUE(hand.settle());
    settleActivation();
    return QApplication::activeWindow();
}

} // namespace

TEST_F(ConfigTest, ThePrinterDialogGivesTheFocusBackToTheWindowThatOpenedIt)
{
    noshi::InstallPrinterDialog(*w);
    w->show();
    settleActivation();

    // From the settings dialog's calibration tab.
    config::Noshisettei& settings = open(w->mnuSet0);
    settleActivation();
    ASSERT_EQ(QApplication::activeWindow(), &settings);
    auto* calibration = settings.tab<config::CalibrationPage>(config::Noshisettei::CalibrationTab);
    EXPECT_EQ(activeAfterPrinterDialog([&] { calibration->Command15->click(); }), &settings);
    settings.unload();

    // From the free-size editor's menu.
    app::MainEditorHost editorHost(*w);
    editors::setEditorHost(&editorHost);
    app::hooks().showFreeSize = [] { editors::showFreeSize(); };
    w->refreshCommandAvailability();
    w->mnuFreeSize->trigger();
    editors::frmFreeSize* editor = editors::FreeSize().peek();
    ASSERT_NE(editor, nullptr);
    settleActivation();
    ASSERT_EQ(QApplication::activeWindow(), editor);
    EXPECT_EQ(activeAfterPrinterDialog([&] { editor->mnuPrinterSetup->trigger(); }), editor);
    editor->IsDirty = false;
    editor->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    editors::setEditorHost(nullptr);
}
