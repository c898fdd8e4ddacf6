// noshi_start_check: starts the real program in private folders and checks,
// when its main window is shown, how it started:
//   - windows without a font of their own get the 9-point Japanese UI face;
//   - no image plugin was loaded to reach the first paint (the window icon
//     is read as PNG, the menu bar's overflow arrow when first drawn);
//   - the overflow arrow still draws, and the window icon is there.
// Exit status 0 when all hold; otherwise each failure on standard error.
#include "Program.h"
#include "common/SheetJson.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QStyle>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

bool imagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

int failures = 0;

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "noshi_start_check: %s\n", what);
        ++failures;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    sheet::usePrivateFolders(home.path());
    // A program already running for the same user would take the start over.
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    app::runProgram(argc, argv, [](QWidget& mainWindow) {
        QWidget plain;
        const QFont f = plain.font();
        check(f.family() == QStringLiteral("IPAPGothic"), "a window without its own font is not in IPAPGothic");
        check(f.pointSizeF() == 9, "the default font is not 9 points");
        check(mainWindow.font().family() == QStringLiteral("IPAPGothic"), "the main window is not in IPAPGothic");
        check(!imagePluginLoaded(), "an image plugin was loaded before the first paint");
        check(!QApplication::windowIcon().isNull(), "the window icon is missing");
        const QIcon arrow = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        check(!arrow.isNull() && !arrow.pixmap(16, 16).isNull(), "the menu bar's overflow arrow does not draw");
        std::fflush(stderr);
        std::_Exit(failures == 0 ? 0 : 1);
    });
    std::fprintf(stderr, "noshi_start_check: the main window was never shown\n");
    return 1;
}
