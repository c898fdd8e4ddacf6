// The page the bare programs print: one A3 sheet at 600 dpi with the
// inscription and the name in the Mincho face, upright down a column each,
// the name's to the left of the inscription's.
#pragma once

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

inline bool writeBarePage(const QString& path)
{
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A3));
    pdf.setResolution(600);
    QPainter p(&pdf);
    QFont mincho(QStringLiteral("IPAMincho"));
    auto column = [&](const QString& text, double points, double xMm) {
        mincho.setPointSizeF(points);
        p.setFont(mincho);
        const double dpm = 600 / 25.4;
        double y = 40 * dpm;
        for (const QChar c : text) {
            p.drawText(QPointF(xMm * dpm, y), QString(c));
            y += points / 72 * 600;
        }
    };
    column(QStringLiteral("御中元"), 48, 160);
    column(QStringLiteral("山田太郎"), 28, 120);
    return p.end();
}
