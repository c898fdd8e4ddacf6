// A sheet laid out by the real dispatcher and printed in print mode on a PDF
// queue of a private cupsd, with print offsets 7 mm across and 2 mm down; the
// PDF is read back (PaperSupport.h). A strip-sheet printer shown on the way
// has its print button pressed as a user would.
#pragma once

#include "PaperSupport.h"

#include "app/InputWindows.h"
#include "app/NoshiMain.h"
#include "print/PrintDispatcher.h"
#include "common/CupsTestServer.h"
#include "common/EditModeRig.h"
#include "common/SheetJson.h"
#include "model/LiveStore.h"
#include "platform/forms/Controls.h"
#include "platform/print/Printer.h"
#include "print/TemplateDispatch.h"
#include "print/frmTanzaku.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cups/cups.h>
#include <gtest/gtest.h>

namespace paper {

class SheetsThroughCups : public ::testing::Test {
protected:
    std::unique_ptr<CupsTestServer> server;

    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext is not installed";
        QString whyNot;
        server = CupsTestServer::start(&whyNot);
        if (!server)
            GTEST_SKIP() << "a private cupsd cannot run here: " << whyNot.toStdString();
        QString error;
        ASSERT_TRUE(server->addPdfQueue("NoshiPDF", &error)) << error.toStdString();
        qputenv("CUPS_SERVER", server->address().toUtf8());
        cupsSetServer(server->address().toUtf8().constData());
    }

    void TearDown() override
    {
        // The print tool the other tests start inherits the environment.
        qunsetenv("CUPS_SERVER");
    }

    Page print(const char* json)
    {
        QTemporaryDir home;
        sheet::MessageLog log;
        EditModeRig rig(home.path());
        sheet::fill(rig.main, rig.windows, QJsonDocument::fromJson(json).object());
        app::LiveStore& st = app::store();
        st.PrOffsetX = 7;
        st.PrOffsetY = 2;
        forms::setOptionValue(rig.main.Option4, true); // "center"
        EXPECT_TRUE(prn::SelectPrinter("NoshiPDF"));
        const noshi::TanzakuSheetPrinter shown = noshi::tanzakuSheetPrinter();
        noshi::tanzakuSheetPrinter() = [shown](noshi::PrinterChoice sheet, const QString& copies) {
            QTimer::singleShot(0, [] {
                if (auto* w = qobject_cast<noshi::frmTanzaku*>(QApplication::activeModalWidget()))
                    w->Command1_Click();
            });
            shown(sheet, copies);
        };
        log.shown.clear();
        QFile::remove(server->outputPath()); // an earlier sheet's page
        st.EditMode = 0;
        rig.dispatcher.PrintOrPreview();
        EXPECT_TRUE(log.shown.isEmpty()) << log.shown.join("\n").toStdString();
        EXPECT_TRUE(server->waitForOutput(60000)) << server->errorLog().toStdString();
        return readPdf(server->outputPath());
    }
};

} // namespace paper
