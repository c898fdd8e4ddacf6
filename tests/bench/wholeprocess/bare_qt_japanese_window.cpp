// The least window that shows Japanese captions, for comparison: a bare Qt
// main window with a menu bar and one editable list of Japanese text in the
// program's UI face. What it costs beyond the bare window (fontconfig, Qt's
// font database, the face and its glyphs) any window of Japanese text pays.
//   bare_qt_japanese_window           ends at its first paint
//   bare_qt_japanese_window OUT.pdf   once shown, writes the bare page and ends
#include "BarePage.h"

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdlib>

namespace {
class Window : public QMainWindow {
public:
    bool endAtPaint = true;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (endAtPaint)
            std::_Exit(0);
    }
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    Window w;
    w.endAtPaint = argc < 2;
    w.menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    auto* list = new QComboBox;
    list->setEditable(true);
    list->addItem(QStringLiteral("御中元"));
    w.setCentralWidget(list);
    w.resize(654, 430);
    w.show();
    if (argc < 2)
        return app.exec();
    QApplication::processEvents();
    return writeBarePage(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
