#include "SmallDisk.h"

#include <QFile>
#include <sys/mount.h>
#include <unistd.h>

SmallDisk::SmallDisk(int kilobytes)
{
    if (::geteuid() != 0 || !dir_.isValid())
        return;
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk()
{
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

void SmallDisk::fill()
{
    QFile f(dir_.path() + QStringLiteral("/filler"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (f.write(block) == block.size()) {
    }
    // A last partial page may still take single bytes.
    while (f.write("x", 1) == 1) {
    }
}
