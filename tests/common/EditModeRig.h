// The main window, its input windows and the print dispatcher wired as at
// start-up, over a data folder of the caller's, a recording printer and an
// empty store: ready to run sheets through the real print path in edit mode
// with the preview kept hidden.
#pragma once

#include "app/InputWindows.h"
#include "app/NoshiMain.h"
#include "app/MainPrintJob.h"
#include "print/PrintDispatcher.h"

#include <QString>

class EditModeRig {
    // Set up before the windows exist, as the program's start does.
    struct Environment {
        explicit Environment(const QString& dataFolder);
    };
    Environment env_;

public:
    explicit EditModeRig(const QString& dataFolder);

    // A large noshi sheet (萌黄（祝大）, "大のし") registered and chosen, with
    // an inscription and a one-line name typed.
    void chooseLargeNoshi();

    app::NoshiMain main;
    app::InputWindows windows;
    app::MainPrintJob job;
    noshi::PrintDispatcher dispatcher;
};
