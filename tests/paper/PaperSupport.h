// Reading a printed PDF back: where each character's box lies on the page, in
// millimetres from the page's top-left corner (pdftotext -bbox).
#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace paper {

constexpr double Pt = 25.4 / 72;
constexpr double Line = 1.5875;  // a 4-pt spacer line: 6 px at 96 dpi
constexpr double Blank = 5 * Pt; // a 10-pt half-width blank down the column

struct Glyph {
    QString text;
    QRectF mm;
};

struct Page {
    QSizeF sizeMm;
    std::vector<Glyph> glyphs; // the first page's

    // The box of the first occurrence of a character; empty when absent.
    QRectF of(const QString& ch, int occurrence = 0) const
    {
        for (const Glyph& g : glyphs)
            if (g.text == ch && occurrence-- == 0)
                return g.mm;
        return {};
    }
    // Every box of a character, from left to right.
    std::vector<QRectF> all(const QString& ch) const
    {
        std::vector<QRectF> out;
        for (const Glyph& g : glyphs)
            if (g.text == ch)
                out.push_back(g.mm);
        std::sort(out.begin(), out.end(), [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
        return out;
    }
};

inline Page readPdf(const QString& path)
{
    constexpr double MmPerPt = 25.4 / 72;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-bbox", "-f", "1", "-l", "1", path, "-"});
    p.waitForFinished(20000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    Page page;
    const auto size = QRegularExpression(R"re(<page width="([-\d.]+)" height="([-\d.]+)")re").match(out);
    page.sizeMm = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) * MmPerPt;
    const QRegularExpression word(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re");
    for (auto it = word.globalMatch(out); it.hasNext();) {
        const auto m = it.next();
        const QRectF pt(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                        QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        page.glyphs.push_back({m.captured(5), QRectF(pt.topLeft() * MmPerPt, pt.size() * MmPerPt)});
    }
    return page;
}

} // namespace paper
