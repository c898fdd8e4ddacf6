#include "preview/lists/FileListSearch.h"

namespace preview {

FileListSearch::FileListSearch(std::function<void(QList<FileListRow>)> found, QObject* parent)
    : QObject(parent), found_(std::move(found)), worker_(std::make_unique<QObject>())
{
    thread_.setObjectName(QStringLiteral("file list search"));
    worker_->moveToThread(&thread_);
}

FileListSearch::~FileListSearch()
{
    thread_.quit();
    thread_.wait();
}

void FileListSearch::request(const QString& databasePath, const QString& text)
{
    Job job{databasePath, text};
    if (running_)
        waiting_ = std::move(job);
    else
        start(std::move(job));
}

void FileListSearch::cancel()
{
    ++generation_;
    waiting_.reset();
}

bool FileListSearch::pending() const { return waiting_ || (running_ && runningGeneration_ == generation_); }

void FileListSearch::start(Job job)
{
    if (!thread_.isRunning())
        thread_.start();
    running_ = true;
    runningGeneration_ = generation_;
    // The destructor waits for the thread, so `this` outlives the search;
    // a result posted back after it is gone is dropped with its event.
    QMetaObject::invokeMethod(
        worker_.get(),
        [this, job = std::move(job), generation = generation_] {
            QList<FileListRow> rows = FileListStore::searchReadOnly(job.path, job.text);
            QMetaObject::invokeMethod(
                this, [this, generation, rows = std::move(rows)]() mutable { finished(generation, std::move(rows)); },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void FileListSearch::finished(quint64 generation, QList<FileListRow> rows)
{
    running_ = false;
    if (waiting_) { // newer text: this result is out of date
        Job next = std::move(*waiting_);
        waiting_.reset();
        start(std::move(next));
        return;
    }
    if (generation == generation_ && found_)
        found_(std::move(rows));
}

} // namespace preview
