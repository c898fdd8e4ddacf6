// The drive, folder and file lists of a file-picking window. The drive list
// shows the mounted volumes; the folder list the chosen folder's path from
// its volume's root down, then its subfolders (double-click or Enter opens
// one); the file list the chosen folder's files that match a pattern such as
// "*.gif;*.jpg;*.bmp", compared without regard to case.
#pragma once

#include "platform/files/Volumes.h"

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

namespace forms {

class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent = nullptr);
    // Reads the volumes again.
    void refresh();
    // The chosen volume's root folder.
    QString drive() const;
    // Chooses the volume that holds the path; changed() follows when the volume differs.
    void setDrive(const QString& path);

signals:
    void changed();

private:
    QList<files::Volume> volumes_;
};

class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);
    QString path() const { return path_; }
    // An existing folder becomes the list's folder and changed() follows;
    // false, and nothing changes, for a folder that cannot be read.
    bool setPath(const QString& path);

signals:
    void changed();

private:
    void fill();
    QString path_;
};

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);
    QString path() const { return path_; }
    void setPath(const QString& path);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // The selected file's name; empty when none is selected.
    QString fileName() const;
    void setFileName(const QString& name);
    // Folder and file name joined; empty when no file is selected.
    QString filePath() const;

signals:
    void clicked();

private:
    void fill();
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

} // namespace forms
