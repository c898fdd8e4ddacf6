// Writes the sample inscriptions shipped in share/: the inscription column of
// "タオル" and "お手拭" as the large noshi lays it out (printed pages), and
// the same column at the main window's sketch scale (its preview), saved as
// rich text.
// Run: make_samples <share folder>
#include "common/FakeLayoutHost.h"
#include "layout/LayoutMembers.h"
#include "layout/LayoutTemplate.h"
#include "platform/richtext/RichTextBox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const std::pair<const char*, const char*> samples[] = {{"Sample1xp.nd1", "タオル"}, {"Sample2xp.nd1", "お手拭"}};
    for (const auto& [file, text] : samples) {
        FakeLayoutHost host;
        host.omote = QString::fromUtf8(text);
        host.rowSizes = {60, 54, 48, 40};
        layout::LayoutInputs in;
        in.LayoutWidth = 210;
        in.TemplateKey = QStringLiteral("萌黄（祝大）　");
        layout::LayoutContext ctx;
        rt::RichTextBox omote, name;
        for (rt::RichTextBox* box : {&omote, &name}) {
            box->setVertical(true);
            box->setWidthMm(210);
            box->setHeightMm(148);
            box->setRightMarginMm(148);
        }
        const auto r = layout::LayoutTemplate(layout::LayoutNoshiLarge, ctx, in, host, omote, name);
        QString error;
        if (!r.ok() || !omote.saveFile(folder + u'/' + QString::fromLatin1(file), &error)) {
            std::fprintf(stderr, "%s: %s\n", file, qPrintable(r.ok() ? error : r.message));
            return 1;
        }
    }
    // The main window's sketch: 2-point spacer lines across, 5-point blanks
    // down, the inscription at half the medium noshi's three-character size.
    const std::pair<const char*, const char*> sketches[] = {{"SampleT1.nd1", "タオル"}, {"SampleT2.nd1", "お手拭"}};
    for (const auto& [file, text] : sketches) {
        rt::RichTextBox box;
        box.setVertical(true);
        box.setRightMarginMm(42);
        box.setSelFontName(QStringLiteral("ＭＳ 明朝"));
        box.setSelFontSize(2);
        box.setSelText(QStringLiteral("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
        box.setSelFontSize(5);
        box.setSelText(QString(8, u' '));
        box.setSelFontSize(20);
        box.setSelText(QString::fromUtf8(text));
        QString error;
        if (!box.saveFile(folder + u'/' + QString::fromLatin1(file), &error)) {
            std::fprintf(stderr, "%s: %s\n", file, qPrintable(error));
            return 1;
        }
    }
    return 0;
}
