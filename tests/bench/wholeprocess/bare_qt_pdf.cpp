// The floor for printing a sheet as a whole process: a bare Qt program that
// writes one A3 page to a PDF file with the inscription and the name in the
// Mincho face, upright down two columns, and exits.
//   bare_qt_pdf OUT.pdf
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QPdfWriter pdf(QString::fromLocal8Bit(argv[1]));
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
    column(QStringLiteral("御中元"), 48, 140);
    column(QStringLiteral("山田太郎"), 28, 140);
    return p.end() ? 0 : 1;
}
