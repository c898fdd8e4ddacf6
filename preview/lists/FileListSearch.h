// Searches of a saved-file list on a thread of its own, so that typing in
// the search box never waits for a scan of a long list. One search runs at
// a time: text typed meanwhile waits, and only the newest of it is searched
// next; a result that newer text or a cancel has overtaken is dropped.
#pragma once

#include "preview/lists/FileListStore.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>
#include <optional>

namespace preview {

class FileListSearch : public QObject {
public:
    // `found` gets each result that is still wanted, on this object's thread.
    explicit FileListSearch(std::function<void(QList<FileListRow>)> found, QObject* parent = nullptr);
    ~FileListSearch() override; // waits for a running search
    FileListSearch(const FileListSearch&) = delete;
    FileListSearch& operator=(const FileListSearch&) = delete;

    // Searches `text` in the list database at `databasePath`.
    void request(const QString& databasePath, const QString& text);
    // Drops the results of the running and the waiting search.
    void cancel();
    // A result is still to come.
    bool pending() const;

private:
    struct Job {
        QString path, text;
    };
    void start(Job job);
    void finished(quint64 generation, QList<FileListRow> rows);

    std::function<void(QList<FileListRow>)> found_;
    QThread thread_;
    std::unique_ptr<QObject> worker_; // lives on thread_
    bool running_ = false;
    quint64 runningGeneration_ = 0;
    quint64 generation_ = 0; // moved on by every cancel
    std::optional<Job> waiting_;
};

} // namespace preview
