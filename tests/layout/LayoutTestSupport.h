// One page laid out from a fake host, with both boxes traced.
#pragma once

#include "common/FakeLayoutHost.h"
#include "common/LayoutTrace.h"
#include "layout/LayoutMembers.h"
#include "layout/LayoutTemplate.h"
#include "platform/richtext/RichTextBox.h"

#include <QRegularExpression>

struct LayoutPage {
    FakeLayoutHost host;
    layout::LayoutInputs in;
    layout::LayoutContext ctx;
    rt::RichTextBox omoteBox, nameBox;
    layout::LayoutResult result;

    LayoutPage()
    {
        in.LayoutWidth = 100;
        host.printFont = QStringLiteral("ＭＳ Ｐ明朝"); // tells text runs from blanks
    }
    layout::LayoutResult run(const layout::TemplateParameterSet& member)
    {
        for (rt::RichTextBox* box : {&omoteBox, &nameBox}) {
            box->clear();
            box->setVertical(true);
            box->setWidthMm(in.LayoutWidth);
        }
        result = layout::LayoutTemplate(member, ctx, in, host, omoteBox, nameBox);
        return result;
    }
    QString omote() const { return traceBox(omoteBox.document()); }
    QString name() const { return traceBox(nameBox.document()); }
};

// Joins trace lines written one per argument.
// Size of the first text run of a trace.
inline int firstTextSize(const QString& trace)
{
    const auto m = QRegularExpression(QStringLiteral("TX \"[^\"]*\" ＭＳ Ｐ明朝 (\\d+) ")).match(trace);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

inline QString lines(std::initializer_list<const char*> l)
{
    QString s;
    for (const char* x : l)
        s += QString::fromUtf8(x) + u'\n';
    return s;
}
