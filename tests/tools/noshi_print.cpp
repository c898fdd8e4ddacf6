// noshi_print: one noshi sheet described in JSON (the fields of noshi_trace,
// plus the print options below), printed through the real main window, input
// windows, dispatcher and page printer to a PDF file, so that positions on
// paper can be checked from outside the program.
//   noshi_print sheet.json out.pdf     ("-" reads the sheet from standard input)
//   noshi_print --shown sheet.json out.pdf   prints once the main window has
//                                            drawn its first complete frame
// Print options: "prOffsetX", "prOffsetY" (mm, default 7 and 0), "placement"
// ("center", "trayRight", "trayLeft", "allCenter"), "notifyPaperSize" (tell the
// printer the sheet's own size), "copies" (default 1).
// The PDF printer offers every standard sheet and user sizes, with the whole
// page printable. Exit status: 0 printed, 1 the command ended with a message
// (on standard error), 2 bad input.
#include "app/InputWindows.h"
#include "bench/wholeprocess/FirstFrame.h"
#include "app/NoshiMain.h"
#include "print/PrintDispatcher.h"
#include "common/EditModeRig.h"
#include "common/SheetJson.h"
#include "model/LiveStore.h"
#include "platform/forms/Controls.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterTesting.h"
#include "platform/print/QtPrinterBackend.h"
#include "platform/run/WarmUp.h"
#include "platform/services/ProgramLook.h"
#include "platform/fonts/FontFallback.h"
#include "print/TemplateDispatch.h"
#include "print/frmTanzaku.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

const QStringList PrintFields = {"prOffsetX", "prOffsetY", "placement", "notifyPaperSize", "copies"};

void setPrintOptions(app::NoshiMain& m, const QJsonObject& o)
{
    app::LiveStore& st = app::store();
    st.PrOffsetX = o.contains("prOffsetX") ? sheet::number(o, "prOffsetX") : 7;
    st.PrOffsetY = sheet::number(o, "prOffsetY");
    QRadioButton* placements[] = {m.Option4, m.Option5, m.Option6, m.Option9};
    const int placement = sheet::choice(o, "placement", {"center", "trayRight", "trayLeft", "allCenter"});
    forms::setOptionValue(placements[std::max(0, placement)], true);
    forms::setCheckValue(m.Check3, sheet::flag(o, "notifyPaperSize") ? 1 : 0);
    if (o.contains("copies") && !o["copies"].isDouble())
        throw sheet::BadSheet{QStringLiteral("\"copies\" must be a number")};
    m.Text1->setText(o.contains("copies") ? QString::number(o["copies"].toDouble()) : QStringLiteral("1"));
}

// A strip sheet opens its printer window modally: print every strip from it,
// as the user's click on its print button does.
void printStripSheetsUnasked()
{
    noshi::TanzakuSheetPrinter shown = noshi::tanzakuSheetPrinter();
    noshi::tanzakuSheetPrinter() = [shown](noshi::PrinterChoice sheet, const QString& copies) {
        QTimer::singleShot(0, [] {
            if (auto* w = qobject_cast<noshi::frmTanzaku*>(QApplication::activeModalWidget()))
                w->Command1_Click();
        });
        shown(sheet, copies);
    };
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    sheet::usePrivateFolders(home.path());
    // Started as the program starts: fontconfig read while Qt starts, and
    // the program's face for windows without their own.
    run::WarmUp fontconfig([] { fonts::loadFontconfig(); });
    QApplication qapp(argc, argv);
    fontconfig.wait();
    ui::useProgramLook();
    const bool shown = argc == 4 && qstrcmp(argv[1], "--shown") == 0;
    if (argc != 3 && !shown) {
        std::fprintf(stderr, "usage: noshi_print [--shown] sheet.json out.pdf\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[argc - 2]);
    const QString out = QString::fromLocal8Bit(argv[argc - 1]);

    sheet::MessageLog log;
    EditModeRig rig(home.path());
    try {
        const QJsonObject o = sheet::read(path);
        sheet::fill(rig.main, rig.windows, o, PrintFields);
        setPrintOptions(rig.main, o);
    } catch (const sheet::BadSheet& e) {
        std::fprintf(stderr, "noshi_print: %s: %s\n", qPrintable(path), qPrintable(e.what));
        return 2;
    }
    if (shown)
        showToFirstFrame(&rig.main);
    prn::setCurrentBackend(prn::QtPrinterBackend::forPdf(out));
    printStripSheetsUnasked();
    log.shown.clear(); // start-up's own notes are not the command's
    app::store().EditMode = 0;
    rig.dispatcher.PrintOrPreview();
    prn::setCurrentBackend(prn::QtPrinterBackend::forPdf(QString())); // closes the file

    using Outcome = noshi::PrintDispatcher::Outcome;
    const Outcome outcome = rig.dispatcher.lastOutcome();
    for (const QString& s : log.shown)
        std::fprintf(stderr, "%s\n", s.toUtf8().constData());
    return (outcome == Outcome::Printed || outcome == Outcome::SheetPrinter) && log.shown.isEmpty() ? 0 : 1;
}
