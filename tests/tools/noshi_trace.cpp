// noshi_trace: one noshi sheet described in JSON, run through the real print
// path in edit mode with the preview kept hidden; prints both boxes as a
// layout trace, the rank-label indent and any message the command showed.
//   noshi_trace sheet.json     (or "-" / nothing for standard input)
// Besides the sheet's fields, "member" lays its template out with the member
// of that name (one this build lacks shows the "not yet" message).
// Exit status: 0 laid out, 1 the command ended with a message, 2 bad input.
#include "app/InputWindows.h"
#include "app/NoshiMain.h"
#include "model/LiveStore.h"
#include "common/EditModeRig.h"
#include "common/LayoutTrace.h"
#include "common/SheetJson.h"
#include "platform/richtext/RichTextBox.h"
#include "preview/frmNoshiPreView.h"
#include "print/PrintDispatcher.h"
#include "print/TemplateDispatch.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

int main(int argc, char** argv)
{
    // Private folders, so that the run reads and writes none of the user's files.
    QTemporaryDir home;
    sheet::usePrivateFolders(home.path());
    QApplication qapp(argc, argv);

    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("-");
    sheet::MessageLog log;
    EditModeRig rig(home.path());
    noshi::PrintDispatcher& dispatcher = rig.dispatcher;
    // "member": lay the sheet's template out with that member instead of its own.
    std::optional<noshi::ScopedDispatchOverride> member;
    try {
        const QJsonObject o = sheet::read(path);
        sheet::fill(rig.main, rig.windows, o, {QStringLiteral("member")});
        if (o.contains(QStringLiteral("member"))) {
            QString key = sheet::text(o, QStringLiteral("template"));
            while (key.size() < 7)
                key.append(QChar(0x3000)); // as fill() completed it
            member.emplace(key, sheet::text(o, QStringLiteral("member")));
        }
    } catch (const sheet::BadSheet& e) {
        std::fprintf(stderr, "noshi_trace: %s: %s\n", qPrintable(path), qPrintable(e.what));
        return 2;
    }
    log.shown.clear(); // start-up's own notes are not the command's
    app::store().EditMode = 1;
    dispatcher.PrintOrPreview();

    QString out;
    const preview::frmNoshiPreView* pv = preview::NoshiPreView().peek();
    out += QStringLiteral("box1:\n") + (pv ? traceBox(pv->RichTextBox1->document()) : QString());
    out += QStringLiteral("box2:\n") + (pv ? traceBox(pv->RichTextBox2->document()) : QString());
    out += QStringLiteral("ColumnIndent %1\n").arg(int(dispatcher.context().ColumnIndent));
    for (const QString& s : log.shown)
        out += s + u'\n';
    std::fputs(out.toUtf8().constData(), stdout);
    return dispatcher.lastOutcome() == noshi::PrintDispatcher::Outcome::Edited && log.shown.isEmpty() ? 0 : 1;
}
