// The storage volumes mounted on this machine, as the picture picker's drive
// list shows them: the root folder and the volume's own name. Pseudo file
// systems (proc, sysfs, tmpfs of the system and the like) are left out.
// Tests put a lister of their own in.
#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace files {

struct Volume {
    QString rootPath; // "/" or "/media/user/USB"
    QString name;     // the volume's label; may be empty
    bool operator==(const Volume&) const = default;
};

// Ready volumes, the root file system first, then by root path.
QList<Volume> mountedVolumes();

using VolumeLister = std::function<QList<Volume>()>;
void setVolumeLister(VolumeLister lister); // empty function: the system's list again

// The volume that holds a path: the one with the longest root that is a
// prefix of it; "/" when none is.
QString volumeRootOf(const QString& path, const QList<Volume>& volumes);

} // namespace files
