#include "platform/services/Shell.h"

#include "platform/files/SafeFile.h"
#include "platform/paths/AppPaths.h"
#include "platform/services/MessageBox.h"
#include "platform/services/ScriptedService.h"
#include "platform/run/RunState.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace shell {

namespace {

ui::ScriptedService<ShellAction, bool>& service() { return run::slot<ui::ScriptedService<ShellAction, bool>>(); }

bool realLaunch(const ShellAction& a)
{
    switch (a.kind) {
    case ActionKind::OpenUrl:
        return QDesktopServices::openUrl(QUrl(a.target));
    case ActionKind::OpenDocument:
        return QDesktopServices::openUrl(QUrl::fromLocalFile(a.target));
    case ActionKind::StartProgram:
        return !a.target.isEmpty() && QProcess::startDetached(a.target, a.arguments);
    }
    return false;
}

bool launch(const ShellAction& a)
{
    return service().run(a, realLaunch);
}

// Quotes one argument of a desktop entry's Exec line: inside double quotes
// the characters " ` $ \ take a backslash, and "%" is written "%%".
QString execArgument(const QString& arg)
{
    QString q;
    for (QChar c : arg) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            q += QLatin1Char('\\');
        if (c == u'%')
            q += QLatin1Char('%');
        q += c;
    }
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// A desktop entry's string value escapes backslashes and line breaks.
QString entryValue(const QString& s)
{
    QString out;
    for (QChar c : s) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

bool OpenUrl(const QString& url)
{
    return launch({ActionKind::OpenUrl, url, {}});
}

bool OpenDocument(const QString& path)
{
    return launch({ActionKind::OpenDocument, path, {}});
}

bool OpenUrlOrTell(const QString& url)
{
    if (OpenUrl(url))
        return true;
    ui::MsgBox(QStringLiteral("ウェブページを開けませんでした。\nブラウザーで次のアドレスを開いてください。\n\n%1").arg(url),
               ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Information"));
    return false;
}

bool OpenDocumentOrTell(const QString& path)
{
    if (OpenDocument(path))
        return true;
    ui::MsgBox(QStringLiteral("ファイルを開けませんでした。\nこのファイルを開くプログラムが見つかりません。\n\n%1").arg(path),
               ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Information"));
    return false;
}

QString HelpFile(const QString& page)
{
    return QDir(paths::shippedDir()).filePath(QStringLiteral("help/") + page);
}

bool OpenHelpFile(const QString& page)
{
    const QString help = HelpFile(page);
    if (!QFileInfo::exists(help)) {
        ui::MsgBox(QStringLiteral("ヘルプファイルが見つかりません。\n%1").arg(help), ui::Buttons::Ok,
                   ui::Icon::Exclamation, QStringLiteral("Information"));
        return false;
    }
    if (OpenDocument(help))
        return true;
    ui::MsgBox(QStringLiteral("ヘルプを開けませんでした。\nブラウザーで次のファイルを開いてください。\n\n%1").arg(help),
               ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Information"));
    return false;
}

QString ResolveProgram(const QString& program)
{
    struct Alias {
        const char* windowsName;
        QStringList candidates;
    };
    static const std::vector<Alias> aliases = {
        {"notepad.exe", {"gnome-text-editor", "gedit", "mousepad", "kate", "kwrite", "pluma", "xed", "leafpad"}},
        {"calc.exe", {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"}},
        {"iexplore.exe", {"xdg-open"}},
    };
    const QString base = QFileInfo(program).fileName();
    for (const Alias& a : aliases) {
        if (base.compare(QLatin1String(a.windowsName), Qt::CaseInsensitive) != 0
            && base.compare(QString::fromLatin1(a.windowsName).chopped(4), Qt::CaseInsensitive) != 0)
            continue;
        for (const QString& c : a.candidates) {
            const QString found = QStandardPaths::findExecutable(c);
            if (!found.isEmpty())
                return found;
        }
        return {};
    }
    if (program.contains(u'/'))
        return QFileInfo(program).isExecutable() ? program : QString();
    return QStandardPaths::findExecutable(program);
}

bool StartProgram(const QString& program, const QStringList& arguments)
{
    return launch({ActionKind::StartProgram, ResolveProgram(program), arguments});
}

void SetClipboardText(const QString& text)
{
    if (QClipboard* c = QGuiApplication::clipboard())
        c->setText(text);
}

QString ClipboardText()
{
    const QClipboard* c = QGuiApplication::clipboard();
    return c ? c->text() : QString();
}

void ClearClipboard()
{
    if (QClipboard* c = QGuiApplication::clipboard())
        c->clear();
}

QString DesktopDir()
{
    const QString env = qEnvironmentVariable("XDG_DESKTOP_DIR");
    if (!env.isEmpty())
        return env;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-user-dir"));
    if (!tool.isEmpty()) {
        QProcess p;
        p.start(tool, {QStringLiteral("DESKTOP")});
        if (p.waitForFinished(3000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) {
            const QString dir = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
            if (!dir.isEmpty())
                return dir;
        }
    }
    return QDir::homePath() + QStringLiteral("/Desktop");
}

bool CreateDesktopShortcut(const QString& name, const QString& target, const QString& iconPath, QString* error)
{
    const auto fail = [&](const QString& msg) {
        if (error)
            *error = msg;
        return false;
    };
    const QString dir = DesktopDir();
    if (!QFileInfo(dir).isDir())
        return fail(QStringLiteral("デスクトップのフォルダが見つかりません: %1").arg(dir));

    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\n");
    text += QStringLiteral("Name=") + entryValue(name) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + entryValue(execArgument(target)) + QLatin1Char('\n');
    if (!iconPath.isEmpty())
        text += QStringLiteral("Icon=") + entryValue(iconPath) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n");

    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".desktop");
    QString reason;
    if (!files::writeFileSafely(path, text.toUtf8(), &reason))
        return fail(QStringLiteral("ショートカットを書き込めません: %1（%2）").arg(path, reason));
    // Desktops start only launchers that are marked executable.
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return true;
}

void setLauncher(Launcher l) { service().setScript(std::move(l)); }
const std::vector<ShellAction>& actions() { return service().shown(); }
void clearActions() { service().clear(); }

} // namespace shell
