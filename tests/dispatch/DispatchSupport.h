// A loaded main window with its input sub-windows, the dispatcher installed
// and a recording printer; sizes registered by a helper.
#pragma once

#include "app/MainTestSupport.h"

#include "app/InputWindows.h"
#include "common/LayoutTrace.h"
#include "platform/forms/Controls.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterTesting.h"
#include "platform/print/RecordingBackend.h"
#include "platform/richtext/RichTextBox.h"
#include "preview/frmNoshiPreView.h"
#include "app/MainPrintJob.h"
#include "print/PrintDispatcher.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

class DispatchTest : public MainWindowTest {
protected:
    std::unique_ptr<app::InputWindows> windows;
    std::unique_ptr<app::MainPrintJob> job;
    std::unique_ptr<noshi::PrintDispatcher> dispatcher;
    prn::RecordingBackend* rec = nullptr;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        auto b = std::make_unique<prn::RecordingBackend>();
        rec = b.get();
        prn::setCurrentBackend(std::move(b));
        app::NoshiMain& m = start();
        windows = std::make_unique<app::InputWindows>(m);
        windows->install();
        job = std::make_unique<app::MainPrintJob>(m, *windows);
        dispatcher = std::make_unique<noshi::PrintDispatcher>(*job);
        dispatcher->install();
        dispatcher->setKeepPreviewHidden(true);
        app::store().OsType = QStringLiteral("NT/XP");
        app::store().UsuzumiColor = 0x808080;
        m.Text5->setText(QStringLiteral("6.1"));
        m.Combo4->setEditText(QStringLiteral("ＭＳ Ｐ明朝"));
        forms::setOptionValue(m.Option11, true);
        forms::setOptionValue(m.Option1, true);
    }
    void TearDown() override
    {
        dispatcher.reset();
        job.reset();
        windows.reset();
        MainWindowTest::TearDown();
        prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>());
    }

    // Registers a size under one name for every name style and chooses it.
    void chooseSize(const QString& key, int width = 0, int height = 0, const QString& name = QStringLiteral("テスト"))
    {
        app::RegisteredSize z;
        z.RegSizeTemplate = {key, key, key};
        z.RegSizeName = {name, name, name};
        z.RegSizeWidth = width;
        z.RegSizeHeight = height;
        app::store().addSize(z);
        w->Combo1->addItem(name);
        w->Combo1->setEditText(name);
        w->Combo3->setCurrentIndex(0);
    }
    noshi::PrintDispatcher::Outcome run(int editMode)
    {
        app::store().EditMode = editMode;
        ui::clearShownMessages();
        dispatcher->PrintOrPreview();
        return dispatcher->lastOutcome();
    }
    preview::frmNoshiPreView* pv() { return preview::NoshiPreView().peek(); }
    QString omote() { return traceBox(pv()->RichTextBox1->document()); }
    QString name() { return traceBox(pv()->RichTextBox2->document()); }
    QStringList messages() const
    {
        QStringList out;
        for (const ui::MessageRequest& r : ui::shownMessages())
            out << r.title + u'|' + r.text;
        return out;
    }
    // Copies printed: bands drawn from the preview's inscription box.
    int omoteBands() const
    {
        int n = 0;
        for (const auto& call : rec->boxes())
            n += call.box == QStringLiteral("RichTextBox1");
        return n;
    }
    // What every way out of a command after the copies check leaves behind.
    void expectClosingReset()
    {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(w->TextColor, 0u);
        EXPECT_EQ(w->Text1->text(), "1");
        EXPECT_TRUE(w->ProgressBar1->isHidden());
        EXPECT_EQ(dispatcher->inputs().TextColor, 0u);
    }
};
