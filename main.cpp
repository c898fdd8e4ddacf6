// The program: one main window, started as a single instance.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Sorabeni Print System"));
    w.show();
    return app.exec();
}
