// The two saved-file list windows: find a saved inscription or name part by
// its file name, keep the list (add a folder, rebuild from a folder, delete
// a row) and choose a part. OK makes sure the part's paper is registered,
// chooses it in the main window and leaves the part's path, size name and
// template key in the preview's mailbox; the main window or the preview
// loads it from there.
#pragma once

#include "platform/forms/Form.h"
#include "preview/lists/FileListStore.h"

#include <QAbstractTableModel>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace preview {

// Where the two windows differ.
struct FileListSpec {
    FileListKind kind;
    QString caption;
    QString leftKey, topKey; // window position in the settings store, twips
    QString folderDialogTitle;
    QString deleteTip;
    bool nameList = false; // OK also leaves the file name; an empty search list is shown whole
};

// The grid's rows: the table's five columns under their names, read only,
// so that nothing typed in the grid can reach the file.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setRows(QList<FileListRow> rows);
    const QList<FileListRow>& rows() const { return rows_; }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 5; }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<FileListRow> rows_;
};

class FileListSearch;

class FileListWindow : public forms::Form {
    Q_OBJECT
public:
    FileListWindow(FileListSpec spec, QString databasePath = QString(), QWidget* parent = nullptr);
    ~FileListWindow() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel) override;
    void Form_Unload(bool& cancel) override;
    bool event(QEvent* e) override;

    // A change of the search text set from code: the rows at once.
    void Text1_Change();
    // A change the user typed: the search runs on a thread of its own and
    // its rows replace the grid's when they come.
    void Text1_Edited();
    // Typed text whose rows are still to come.
    bool searchPending() const;
    void Label4_Click(); // add a folder's parts
    void Label3_Click(); // rebuild from a folder
    void Label1_Click(); // delete the chosen row
    void Command1_Click(); // OK
    void CancelButton_Click();

    // The folder dialog from the save folder; the chosen folder or nothing.
    std::optional<QString> BrowseFolder();

    const FileListSpec& spec() const { return spec_; }
    FileListStore* store() { return store_.get(); }
    const QList<FileListRow>& rows() const { return model_->rows(); }
    // The grid's current row (the first after every fill); -1 when the list is empty.
    int currentRow() const;
    void setCurrentRow(int row);

    QLabel* Label5 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QTableView* DataGrid1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void OpenFileListStore();
    void showList(QList<FileListRow> rows);
    void AddSaveFolderFiles();
    void showCount(const QString& what, int n);
    // "登録なし" follows the row count of whatever list is shown.
    void markEmptyList();

    FileListSpec spec_;
    QString databasePath_;
    std::unique_ptr<FileListStore> store_;
    FileListModel* model_ = nullptr;
    std::unique_ptr<FileListSearch> search_;
    bool typed_ = false; // the text change under way is the user's
};

// The inscription-file list and the name-file list.
class frmDatabase1 : public FileListWindow {
    Q_OBJECT
public:
    explicit frmDatabase1(QString databasePath = QString(), QWidget* parent = nullptr);
};
class frmDatabase2 : public FileListWindow {
    Q_OBJECT
public:
    explicit frmDatabase2(QString databasePath = QString(), QWidget* parent = nullptr);
};

// Opens the lists modal over `owner`: the main window's commands and the
// preview's File menu reach them through the main window's hooks. The
// databases lie in `folder` (the data folder when empty).
void installFileLists(QWidget* owner, const QString& folder = QString());

} // namespace preview
