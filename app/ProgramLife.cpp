#include "app/ProgramLife.h"

#include "app/NoshiMain.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>

namespace app {

ProgramLife::ProgramLife(NoshiMain& main, SingleInstance* instance, QObject* parent)
    : QObject(parent), main_(main)
{
    if (instance) {
        // The front window, not necessarily the main window: once closed it
        // has saved its settings and must not come back.
        connect(instance, &SingleInstance::activateRequested, this, [this] { windows_.bringFrontForward(); });
    }
    connect(&term_, &shell::TermSignal::terminateRequested, this, &ProgramLife::endSession);
}

void ProgramLife::endSession()
{
    if (!main_.isClosed())
        main_.close();
    QCoreApplication::exit(0);
}

} // namespace app
