#include "platform/files/Volumes.h"
#include "platform/run/RunState.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace files {

namespace {

struct ListerSlot {
    VolumeLister lister;
};

VolumeLister& lister() { return run::slot<ListerSlot>().lister; }

// File systems that hold no user files.
bool isPseudo(const QStorageInfo& s)
{
    static const QList<QByteArray> types{"proc",   "sysfs",  "devtmpfs", "devpts",  "cgroup",   "cgroup2",
                                          "securityfs", "debugfs", "tracefs", "pstore", "bpf",  "mqueue",
                                          "hugetlbfs",  "configfs", "fusectl", "autofs", "binfmt_misc", "nsfs",
                                          "overlay", "squashfs"};
    if (types.contains(s.fileSystemType()))
        return true;
    const QString root = s.rootPath();
    return root.startsWith(QLatin1String("/proc")) || root.startsWith(QLatin1String("/sys")) ||
           root.startsWith(QLatin1String("/dev")) || root.startsWith(QLatin1String("/run")) ||
           root.startsWith(QLatin1String("/snap"));
}

QList<Volume> systemVolumes()
{
    QList<Volume> out;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        // A file mounted on its own (a container's /etc/hosts) is no volume to browse.
        if (!s.isValid() || !s.isReady() || (isPseudo(s) && !s.isRoot()) || !QFileInfo(s.rootPath()).isDir())
            continue;
        const Volume v{s.rootPath(), s.name()};
        if (!out.contains(v))
            out.append(v);
    }
    if (std::none_of(out.begin(), out.end(), [](const Volume& v) { return v.rootPath == QLatin1String("/"); }))
        out.append(Volume{QStringLiteral("/"), QString()});
    std::sort(out.begin(), out.end(), [](const Volume& a, const Volume& b) {
        if ((a.rootPath == QLatin1String("/")) != (b.rootPath == QLatin1String("/")))
            return a.rootPath == QLatin1String("/");
        return a.rootPath < b.rootPath;
    });
    return out;
}

} // namespace

QList<Volume> mountedVolumes()
{
    return lister() ? lister()() : systemVolumes();
}

void setVolumeLister(VolumeLister l)
{
    lister() = std::move(l);
}

QString volumeRootOf(const QString& path, const QList<Volume>& volumes)
{
    QString best = QStringLiteral("/");
    for (const Volume& v : volumes) {
        const QString root = v.rootPath;
        const bool holds = path == root || root == QLatin1String("/") ||
                           path.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (holds && root.size() > best.size())
            best = root;
    }
    return best;
}

} // namespace files
