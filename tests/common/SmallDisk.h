// A real, tiny file system for tests of full disks: a tmpfs of a few pages
// mounted on a temporary folder. Mounting needs root; without it the disk
// is not available and the test skips.
#pragma once

#include <QString>
#include <QTemporaryDir>

class SmallDisk {
public:
    explicit SmallDisk(int kilobytes = 64);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }
    // Fills the remaining space with a filler file so that the next block
    // written fails with "no space".
    void fill();

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
