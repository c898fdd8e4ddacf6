// Writing into a preview box at its insertion point: every call sets one
// part of the insertion format or writes text in the format in force.
#pragma once

#include "platform/richtext/RichTextBox.h"

#include <QString>

namespace app {

class PreviewPen {
public:
    explicit PreviewPen(rt::RichTextBox& box) : box_(box) {}

    void size(double points) { box_.setSelFontSize(points); }
    // An empty name (the measuring font before the first print) keeps the font in force.
    void font(const QString& name)
    {
        if (!name.isEmpty())
            box_.setSelFontName(name);
    }
    void color(rt::Color c) { box_.setSelColor(c); }
    void bold(bool on) { box_.setSelBold(on); }
    void write(const QString& text) { box_.setSelText(text); }
    void blanks(int n)
    {
        if (n > 0)
            write(QString(n, u' '));
    }
    void lineBreaks(int n)
    {
        for (int i = 0; i < n; ++i)
            write(QStringLiteral("\r\n"));
    }
    // Font, colour and bold of the text itself.
    void textStyle(const QString& fontName, rt::Color c, bool isBold)
    {
        font(fontName);
        color(c);
        bold(isBold);
    }

private:
    rt::RichTextBox& box_;
};

} // namespace app
