// The least window that shows Japanese captions, for comparison: a bare Qt
// main window with a menu bar and one editable list of Japanese text in the
// program's UI face, ended at its first paint. What it costs beyond the bare
// window (fontconfig, Qt's font database, the face and its glyphs) any
// window of Japanese text pays.
#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdlib>

namespace {
class Window : public QMainWindow {
protected:
    void paintEvent(QPaintEvent*) override { std::_Exit(0); }
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    Window w;
    w.menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    auto* list = new QComboBox;
    list->setEditable(true);
    list->addItem(QStringLiteral("御中元"));
    w.setCentralWidget(list);
    w.resize(654, 430);
    w.show();
    return app.exec();
}
