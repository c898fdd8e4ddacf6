// The floor for printing a sheet as a whole process: a bare Qt program that
// writes one A3 page to a PDF file with the inscription and the name in the
// Mincho face, upright down two columns, and exits.
//   bare_qt_pdf OUT.pdf
#include "BarePage.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    return writeBarePage(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
