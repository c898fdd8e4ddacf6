// The least window that shows Japanese captions, for comparison: a bare Qt
// main window with a menu bar and one editable list of Japanese text in the
// program's UI face. What it costs beyond the bare window (fontconfig, Qt's
// font database, the face and its glyphs) any window of Japanese text pays.
//   bare_qt_japanese_window           ends at its first complete frame
//   bare_qt_japanese_window OUT.pdf   then writes the bare page and ends
#include "BarePage.h"
#include "FirstFrame.h"

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    QMainWindow w;
    w.menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    auto* list = new QComboBox;
    list->setEditable(true);
    list->addItem(QStringLiteral("御中元"));
    w.setCentralWidget(list);
    w.resize(654, 430);
    if (argc < 2) {
        atFirstFrame(&w, [] { std::_Exit(0); });
        w.show();
        return app.exec();
    }
    showToFirstFrame(&w);
    return writeBarePage(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
