// A clean start for main-window tests: no settings, an empty store, a data
// folder of the test's own, two fake printers and recorded message boxes.
#pragma once

#include "model/DataFile.h"
#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "app/NoshiMain.h"
#include "app/Printers.h"
#include "app/PrintersTesting.h"
#include "platform/services/MessageBox.h"
#include "platform/settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dataDir;

    void SetUp() override
    {
        QFile::remove(settings::storePath());
        settings::reload();
        app::store().clear();
        app::hooks() = app::MainHooks{};
        app::setDataFolderOverride(dataDir.path());
        app::setPrinterListForTests([] { return QStringList{QStringLiteral("PDF-A"), QStringLiteral("PDF-B")}; });
        ui::clearShownMessages();
        ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    }
    void TearDown() override
    {
        w.reset();
        app::setDataFolderOverride(QString());
        app::setPrinterListForTests({});
        ui::setAnswerer({});
        app::hooks() = app::MainHooks{};
    }

    // A loaded main window, as start-up leaves it.
    app::NoshiMain& start()
    {
        w = std::make_unique<app::NoshiMain>();
        w->Form_Load();
        return *w;
    }
    void closeWindow()
    {
        w->Form_QueryUnload();
        w->Form_Unload();
    }
    // A key as the file holds it now, section "Settings".
    QString ini(const QString& key)
    {
        settings::reload();
        return settings::GetSetting(key, QStringLiteral("<absent>"));
    }
    void preset(const QString& key, const QString& value) { settings::SaveSetting(key, value); }

    std::unique_ptr<app::NoshiMain> w;
};
