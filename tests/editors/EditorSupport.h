// The free-size editor opened as the main window's menu or the dispatcher
// opens it, over a host with the main window's choices and a recording
// printer; message boxes and file dialogs answered by the test.
#pragma once

#include "editors/EditorHost.h"
#include "editors/frmFreeSize.h"
#include "model/LiveStore.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterTesting.h"
#include "platform/print/RecordingBackend.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

struct FakeEditorHost : editors::EditorHost {
    editors::MainChoices c;
    editors::MainChoices mainChoices() const override { return c; }
    QStringList printerNames() const override { return {QStringLiteral("Recorder")}; }
    QString currentPrinterName() const override { return QStringLiteral("Recorder"); }
    bool selectPrinter(const QString&) override { return true; }
};

class FreeSizeTest : public ::testing::Test {
protected:
    FakeEditorHost host;
    prn::RecordingBackend* rec = nullptr;
    std::vector<ui::MessageRequest> asked;
    ui::Answer answer = ui::Answer::Ok;

    void SetUp() override
    {
        QFile::remove(settings::storePath());
        settings::reload();
        app::LiveStore& st = app::store();
        st.clear();
        st.OsType = QStringLiteral("NT/XP");
        st.UsuzumiColor = 0x808080;
        host.c.omote = QStringLiteral("御中元");
        host.c.printFont = QStringLiteral("ＭＳ Ｐ明朝");
        editors::setEditorHost(&host);
        useRecorder({});
        ui::setAnswerer([this](const ui::MessageRequest& r) {
            asked.push_back(r);
            return answer;
        });
    }
    void TearDown() override
    {
        if (editors::frmFreeSize* f = editors::FreeSize().peek()) {
            f->IsDirty = false;
            f->unload();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        editors::setEditorHost(nullptr);
        ui::setAnswerer({});
        ui::setDialogAnswerer({});
        prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>());
    }

    void useRecorder(prn::RecordingBackend::Device d)
    {
        auto b = std::make_unique<prn::RecordingBackend>(std::move(d));
        rec = b.get();
        prn::setCurrentBackend(std::move(b));
    }

    // The editor as the main window's menu (0 x 0) or the dispatcher (a size) shows it.
    editors::frmFreeSize& open(int width = 0, int height = 0)
    {
        app::store().PaperWidth = width;
        app::store().PaperHeight = height;
        editors::showFreeSize();
        return *editors::FreeSize().peek();
    }

    // Every file dialog answered with this path (empty: cancelled).
    static void answerDialogs(const QString& path)
    {
        ui::setDialogAnswerer([path](const ui::DialogRequest&) {
            ui::DialogAnswer a;
            a.accepted = !path.isEmpty();
            a.path = path;
            return a;
        });
    }
};
