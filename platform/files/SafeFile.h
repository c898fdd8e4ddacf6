// Every file the program writes goes through writeFileSafely, and every file
// it reads whole through readRegularFile. Nothing else opens files for
// writing: a save either replaces the file whole or leaves it as it was.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace files {

// Replaces the file at `path` with `bytes`, whole or not at all. The bytes go
// to a temporary file in the same folder, are synced to the disk and only
// then renamed over the old file. Any failure (a full disk, a write error, a
// failed sync or rename) leaves the old file as it was, removes the
// temporary file and returns false with the reason in *reason, in words for
// the user (the caller names the file). A symbolic link is kept and the file
// it points to replaced; the old file's permissions are kept. The target
// must be a regular file or not exist yet; its folder must exist.
bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

enum class ReadStatus {
    Ok,
    Missing, // no file of that name
    Refused, // not a regular file, larger than allowed, or not readable
};

struct ReadResult {
    ReadStatus status = ReadStatus::Refused;
    QByteArray bytes;
    QString reason; // why it was refused or missing, in words for the user
    bool ok() const { return status == ReadStatus::Ok; }
};

// Reads a whole file, refusing anything that is not a regular file (a
// device or a pipe would hang or never end) and a file larger than maxBytes
// before reading any of it.
ReadResult readRegularFile(const QString& path, qint64 maxBytes);

// A regular file mapped read-only into memory: large files read often and
// in parts (fonts) are paged in as used instead of copied whole. The
// mapping is private, so the bytes stay as they were while the file lives.
class MappedFile {
public:
    MappedFile(const char* data, qint64 size) : data_(data), size_(size) {}
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    const char* data() const { return data_; }
    qint64 size() const { return size_; }
    // The bytes without a copy; valid while this object lives.
    QByteArray bytes() const { return QByteArray::fromRawData(data_, qsizetype(size_)); }

private:
    const char* data_;
    qint64 size_;
};

// Maps a whole file with the checks of readRegularFile; null with the reason
// for a missing, odd, empty or too large file.
std::unique_ptr<MappedFile> mapRegularFile(const QString& path, qint64 maxBytes, QString* reason = nullptr);

// The same checks without reading, for code that hands the path on.
// True when `path` is a regular file of at most maxBytes; else the reason.
bool isReadableRegularFile(const QString& path, qint64 maxBytes, QString* reason = nullptr);

// The reason text for an errno value (shared with callers that report
// their own system errors the same way).
QString reasonForErrno(int err);

} // namespace files
