#include "platform/forms/FileLists.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

namespace forms {

namespace {

QString clean(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent)
{
    refresh();
    connect(this, &QComboBox::activated, this, [this] { emit changed(); });
}

void DriveListBox::refresh()
{
    const QString before = drive();
    volumes_ = files::mountedVolumes();
    const QSignalBlocker quiet(this);
    clear();
    for (const files::Volume& v : volumes_)
        addItem(v.name.isEmpty() ? v.rootPath : QStringLiteral("%1 [%2]").arg(v.rootPath, v.name), v.rootPath);
    const int i = findData(before);
    setCurrentIndex(i >= 0 ? i : 0);
}

QString DriveListBox::drive() const
{
    return currentData().toString();
}

void DriveListBox::setDrive(const QString& path)
{
    const QString root = files::volumeRootOf(clean(path), volumes_);
    const int i = findData(root);
    if (i < 0 || i == currentIndex())
        return;
    setCurrentIndex(i);
    emit changed();
}

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(Qt::UserRole).toString()); });
}

bool DirListBox::setPath(const QString& path)
{
    const QString p = clean(path);
    const QFileInfo info(p);
    if (!info.isDir() || !info.isReadable())
        return false;
    path_ = p;
    fill();
    emit changed();
    return true;
}

void DirListBox::fill()
{
    clear();
    // The path from the root down, each step one level further in.
    QStringList chain;
    for (QDir d(path_);; ) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& p : chain) {
        const QString name = depth == 0 ? p : QFileInfo(p).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + QStringLiteral("▾ ") + name, this);
        item->setData(Qt::UserRole, p);
        if (p == path_)
            setCurrentItem(item);
        ++depth;
    }
    const QStringList subs =
        QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& s : subs) {
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + QStringLiteral("▸ ") + s, this);
        item->setData(Qt::UserRole, QDir(path_).filePath(s));
    }
}

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this, [this] { emit clicked(); });
}

void FileListBox::setPath(const QString& path)
{
    path_ = clean(path);
    fill();
}

void FileListBox::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    fill();
}

QString FileListBox::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileListBox::setFileName(const QString& name)
{
    const QList<QListWidgetItem*> found = findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    setCurrentItem(found.first());
    found.first()->setSelected(true);
}

QString FileListBox::filePath() const
{
    const QString name = fileName();
    return name.isEmpty() ? QString() : QDir(path_).filePath(name);
}

void FileListBox::fill()
{
    clear();
    if (path_.isEmpty())
        return;
    const QStringList patterns = pattern_.split(u';', Qt::SkipEmptyParts);
    QDir dir(path_);
    dir.setNameFilters(patterns);
    dir.setFilter(QDir::Files); // hidden files stay out, as system files do
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    addItems(dir.entryList());
}

} // namespace forms
