// Writes the sample inscriptions shipped in share/: the inscription column of
// "タオル" and "お手拭" as the large noshi lays it out, saved as rich text.
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
    return 0;
}
