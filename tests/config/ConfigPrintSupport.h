// The settings-dialog fixture with the print path of the main window wired
// as the program wires it: input windows, print job and dispatcher over a
// recording printer, the preview kept hidden, an "NT/XP" system.
#pragma once

#include "config/ConfigSupport.h"

#include "app/InputWindows.h"
#include "app/MainPrintJob.h"
#include "platform/print/PrinterTesting.h"
#include "platform/print/RecordingBackend.h"
#include "print/PrintDispatcher.h"

class ConfigPrintTest : public ConfigTest {
protected:
    prn::RecordingBackend* rec = nullptr; // the current printer's backend
    std::unique_ptr<app::InputWindows> windows;
    std::unique_ptr<app::MainPrintJob> job;
    std::unique_ptr<noshi::PrintDispatcher> dispatcher;

    void SetUp() override
    {
        ConfigTest::SetUp();
        auto backend = std::make_unique<prn::RecordingBackend>();
        rec = backend.get();
        prn::setCurrentBackend(std::move(backend));
        windows = std::make_unique<app::InputWindows>(*w);
        windows->install();
        job = std::make_unique<app::MainPrintJob>(*w, *windows);
        dispatcher = std::make_unique<noshi::PrintDispatcher>(*job);
        dispatcher->install();
        dispatcher->setKeepPreviewHidden(true);
        app::store().OsType = QStringLiteral("NT/XP");
        w->Text5->setText(QStringLiteral("6.1"));
    }
    void TearDown() override
    {
        dispatcher.reset();
        job.reset();
        windows.reset();
        ConfigTest::TearDown();
    }
};
