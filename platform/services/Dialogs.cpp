#include "platform/services/Dialogs.h"

#include "platform/services/FontDialog.h"
#include "platform/services/ScriptedService.h"
#include "platform/services/Translations.h"
#include "platform/vb/VbNum.h"
#include "platform/run/RunState.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace ui {

namespace {

ScriptedService<DialogRequest, DialogAnswer>& service() { return run::slot<ScriptedService<DialogRequest, DialogAnswer>>(); }

QString qtPatterns(const QString& vbPatterns)
{
    QStringList out;
    for (QString p : vbPatterns.split(u';', Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p == QLatin1String("*.*"))
            p = QStringLiteral("*");
        if (!p.isEmpty())
            out << p;
    }
    return out.join(u' ');
}

QString withDefaultExt(const QString& path, const QString& ext)
{
    if (ext.isEmpty() || path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (ext.startsWith(u'.') ? ext : QLatin1Char('.') + ext);
}

DialogAnswer realDialog(const DialogRequest& r)
{
    QWidget* parent = QApplication::activeWindow();
    DialogAnswer a;
    switch (r.kind) {
    case DialogKind::OpenFile:
    case DialogKind::SaveFile: {
        QFileDialog d(parent, r.title);
        const bool save = r.kind == DialogKind::SaveFile;
        d.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        d.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        const QFileInfo start(r.initialPath);
        if (start.isDir()) {
            d.setDirectory(r.initialPath);
        } else if (!r.initialPath.isEmpty()) {
            d.setDirectory(start.absolutePath());
            d.selectFile(start.fileName());
        }
        if (!r.filters.isEmpty()) {
            d.setNameFilters(r.filters);
            d.selectNameFilter(r.filters.value(qBound(1, r.filterIndex, int(r.filters.size())) - 1));
        }
        if (save && !r.defaultExt.isEmpty())
            d.setDefaultSuffix(r.defaultExt.startsWith(u'.') ? r.defaultExt.mid(1) : r.defaultExt);
        fitFileDialogColumns(d);
        if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty()) {
            a.accepted = true;
            a.path = d.selectedFiles().constFirst();
        }
        break;
    }
    case DialogKind::Folder: {
        QFileDialog d(parent, r.title, r.initialPath);
        d.setFileMode(QFileDialog::Directory);
        d.setOption(QFileDialog::ShowDirsOnly);
        fitFileDialogColumns(d);
        if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty())
            a.path = d.selectedFiles().constFirst();
        a.accepted = !a.path.isEmpty();
        break;
    }
    case DialogKind::Font: {
        FontDialog d(r.font, r.fontEffects, parent);
        if (!r.title.isEmpty())
            d.setWindowTitle(r.title);
        a.accepted = d.exec() == QDialog::Accepted;
        a.font = d.choice();
        break;
    }
    case DialogKind::Color: {
        const QColor c = QColorDialog::getColor(vb::ToQColor(r.color), parent, r.title);
        a.accepted = c.isValid();
        a.color = vb::FromQColor(c);
        break;
    }
    }
    return a;
}

DialogAnswer run(const DialogRequest& r)
{
    return service().run(r, realDialog);
}

// The chosen path of a file or folder dialog; nothing when cancelled.
std::optional<QString> chosenPath(const DialogRequest& r)
{
    const DialogAnswer a = run(r);
    if (!a.accepted || a.path.isEmpty())
        return std::nullopt;
    return a.path;
}

DialogRequest fileRequest(DialogKind kind, const QString& title, const QString& initialPath,
                          const QString& vbFilter, int filterIndex)
{
    DialogRequest r;
    r.kind = kind;
    r.title = title;
    r.initialPath = initialPath;
    r.filters = VbFilterToQt(vbFilter);
    r.filterIndex = filterIndex;
    return r;
}

} // namespace

QStringList VbFilterToQt(const QString& vbFilter)
{
    static const QRegularExpression trailingGroup(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = vbFilter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Labels often repeat their pattern in parentheses; Qt adds its own.
        QString label = parts[i];
        label.remove(trailingGroup);
        label = label.trimmed();
        const QString patterns = qtPatterns(parts[i + 1]);
        if (patterns.isEmpty())
            continue;
        out << (label.isEmpty() ? patterns : label) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out;
}

std::optional<QString> GetOpenFileName(const QString& title, const QString& initialPath,
                                       const QString& vbFilter, int filterIndex)
{
    return chosenPath(fileRequest(DialogKind::OpenFile, title, initialPath, vbFilter, filterIndex));
}

std::optional<QString> GetSaveFileName(const QString& title, const QString& initialPath,
                                       const QString& vbFilter, int filterIndex, const QString& defaultExt)
{
    DialogRequest r = fileRequest(DialogKind::SaveFile, title, initialPath, vbFilter, filterIndex);
    r.defaultExt = defaultExt;
    const auto path = chosenPath(r);
    if (!path)
        return std::nullopt;
    return withDefaultExt(*path, defaultExt);
}

std::optional<QString> ChooseFolder(const QString& title, const QString& initialDir)
{
    return chosenPath(fileRequest(DialogKind::Folder, title, initialDir, QString(), 1));
}

std::optional<FontChoice> ChooseFont(const FontChoice& preset, bool effects)
{
    DialogRequest r;
    r.kind = DialogKind::Font;
    r.font = preset;
    r.fontEffects = effects;
    const DialogAnswer a = run(r);
    if (!a.accepted)
        return std::nullopt;
    FontChoice chosen = a.font;
    chosen.color &= 0x00FFFFFFu;
    return chosen;
}

std::optional<uint32_t> ChooseColor(uint32_t initial, const QString& title)
{
    DialogRequest r;
    r.kind = DialogKind::Color;
    r.title = title;
    r.color = initial;
    const DialogAnswer a = run(r);
    return a.accepted ? std::optional<uint32_t>(a.color & 0x00FFFFFFu) : std::nullopt;
}

void setDialogAnswerer(DialogAnswerer a) { service().setScript(std::move(a)); }
const std::vector<DialogRequest>& shownDialogs() { return service().shown(); }
void clearShownDialogs() { service().clear(); }

} // namespace ui
