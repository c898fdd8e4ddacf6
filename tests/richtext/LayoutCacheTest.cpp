// A box lays out only the paragraphs a change reached and keeps the others:
// after every kind of change its layout must be exactly the layout made
// from scratch, to the last bit of every coordinate. A repaint draws only the
// lines that reach into the exposed part, which must look as a whole drawing.
#include "BoxWriting.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QString num(double v) { return QString::number(v, 'g', 17); }
QString pt(const QPointF& p) { return num(p.x()) + u',' + num(p.y()); }
QString rect(const QRectF& r) { return pt(r.topLeft()) + u' ' + pt(r.bottomRight()); }
QString lineF(const QLineF& l) { return pt(l.p1()) + u'-' + pt(l.p2()); }

// Everything a layout holds, one line of text a laid line.
QString dump(const rt::TextLayout& layout)
{
    QString out = num(layout.extentMm()) + u'\n';
    for (const rt::LaidLine& l : layout.lines()) {
        out += QStringLiteral("p%1 s%2 n%3 e%4 r%5 b%6 |").arg(l.paragraph).arg(l.start).arg(l.length)
                   .arg(l.endsParagraph).arg(rect(l.rectMm), num(l.baselineMm));
        for (double s : l.stops)
            out += u' ' + num(s);
        for (const rt::GlyphRun& r : l.runs) {
            out += QStringLiteral(" [%1 %2 %3 %4%5").arg(r.format.size).arg(num(r.sizeMm), pt(r.originMm))
                       .arg(r.rotated).arg(r.upright);
            for (qsizetype k = 0; k < r.glyphs.size(); ++k)
                out += QStringLiteral(" %1@%2").arg(r.glyphs[k]).arg(pt(r.positionsMm[k]));
            for (const QLineF& d : r.decorationsMm)
                out += u' ' + lineF(d);
            out += u']';
        }
        for (const rt::ObjectBox& o : l.objects)
            out += QStringLiteral(" {%1 %2}").arg(o.position).arg(rect(o.rectMm));
        out += u'\n';
    }
    return out;
}

QString fresh(const rt::RichTextBox& box)
{
    return dump(rt::TextLayout(box.document(), box.widthMm(), box.heightMm(), box.wrapLengthMm(), box.vertical()));
}

void select(rt::RichTextBox& box, qsizetype from, qsizetype length)
{
    box.setSelStart(from);
    box.setSelLength(length);
}

TEST(LayoutCache, EveryChangeGivesTheLayoutMadeFromScratch)
{
    rt::RichTextBox box;
    boxtest::verticalPage(box, 120, 60, 2); // two 4-point blank lines, then
    boxtest::write(box, QStringLiteral("御中元\r\n"), 24);       // paragraph 2 at 7..9
    boxtest::write(box, QStringLiteral("山田太郎様ABC\r\n"), 12); // paragraph 3, wraps at 60 mm
    boxtest::write(box, QStringLiteral("一二三\r\n\r\n"), 10);   // paragraphs 4 and 5
    box.setRightMarginMm(30);

    struct Step {
        const char* what;
        std::function<void(rt::RichTextBox&)> change;
    } const steps[] = {
        {"type in a column", [](rt::RichTextBox& b) { select(b, 8, 0); b.setSelText(QStringLiteral("x")); }},
        {"new column in the middle", [](rt::RichTextBox& b) { select(b, 9, 0); b.setSelText(QStringLiteral("\r\n")); }},
        {"larger text widens a column", [](rt::RichTextBox& b) { select(b, 4, 2); b.setSelFontSize(36); }},
        {"join columns", [](rt::RichTextBox& b) { select(b, 5, 9); b.setSelText(QString()); }},
        {"a paragraph mark's size", [](rt::RichTextBox& b) { select(b, 0, 2); b.setSelFontSize(20); }},
        {"at the very start", [](rt::RichTextBox& b) { select(b, 0, 0); b.setSelText(QStringLiteral("前\r\n")); }},
        {"an object", [](rt::RichTextBox& b) {
             auto o = std::make_shared<rt::EmbeddedObject>();
             o->sizeMm = QSizeF(8, 5);
             select(b, 3, 0);
             b.insertObject(o);
         }},
        {"underlined and raised", [](rt::RichTextBox& b) { select(b, 1, 6); b.setSelUnderline(true); b.setSelCharOffset(3); }},
        {"delete at the end", [](rt::RichTextBox& b) { select(b, b.text().size() - 3, 3); b.setSelText(QString()); }},
        {"undo", [](rt::RichTextBox& b) { b.undo(); }},
        {"a narrower wrap", [](rt::RichTextBox& b) { b.setRightMarginMm(12); }},
        {"horizontal", [](rt::RichTextBox& b) { b.setVertical(false); }},
        {"a whole new text", [](rt::RichTextBox& b) { b.setText(QStringLiteral("甲\r\n乙丙")); }},
    };
    ASSERT_EQ(dump(*box.layout()), fresh(box));
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.change(box);
        EXPECT_EQ(dump(*box.layout()), fresh(box));
    }
}

TEST(LayoutCache, AnExposedStripLooksAsInTheWholeDrawing)
{
    constexpr double Dpm = 10;
    rt::RichTextBox box;
    boxtest::verticalPage(box, 80, 40, 0);
    for (int i = 0; i < 12; ++i)
        boxtest::write(box, QStringLiteral("山田様\r\n"), 12);
    select(box, 5, 2); // 山田 of the second column raised 12 points into the first
    box.setSelCharOffset(12);
    select(box, 21, 3);
    box.setSelUnderline(true);
    const auto layout = box.layout();
    auto draw = [&](const QRectF& exposed) {
        QImage img(800, 400, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        rt::render(*layout, p, QRectF(0, 0, 800, 400), Dpm, exposed);
        return img;
    };
    auto white = [](const QSize& size) {
        QImage w(size, QImage::Format_RGB32);
        w.fill(Qt::white);
        return w;
    };
    const QImage whole = draw(QRectF());
    // Columns are 16 px at 96 dpi (4.23 mm) wide, twelve from the right edge
    // at 80 mm to 29.2 mm; the strips cut through columns, the third only
    // through the first, where the raised text of the second shows.
    for (const QRect strip : {QRect(0, 0, 800, 400), QRect(700, 0, 40, 400), QRect(760, 0, 40, 50),
                              QRect(290, 0, 30, 400)}) {
        SCOPED_TRACE(strip.x());
        const QImage part = draw(strip);
        EXPECT_EQ(part.copy(strip), whole.copy(strip));
        EXPECT_NE(part.copy(strip), white(strip.size())) << "no ink in the strip";
    }
    // Far from the strip nothing is drawn: the lines there were left out.
    EXPECT_EQ(draw(QRect(760, 0, 40, 400)).copy(0, 0, 600, 400), white(QSize(600, 400)));
}

} // namespace
