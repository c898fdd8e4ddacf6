#include "preview/lists/FileListWindow.h"

#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/Controls.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/forms/ServiceDialogs.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/settings/SettingsStore.h"
#include "preview/PreviewHost.h"
#include "preview/frmNoshiPreView.h"
#include "preview/lists/FileListSearch.h"
#include "platform/run/RunState.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableView>
#include <utility>

namespace preview {

namespace {

const QString CompactFailed = QStringLiteral("データベースの最適化に失敗しました。");

// A label that runs a command when clicked, drawn as a link.
class CommandLabel : public QLabel {
public:
    CommandLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent), onClick_(std::move(onClick))
    {
        setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick_)
            onClick_();
    }

private:
    std::function<void()> onClick_;
};

void caution(const QString& text) { ui::MsgBox(text, ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution")); }

} // namespace

// --- the grid's rows -----------------------------------------------------------

void FileListModel::setRows(QList<FileListRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const FileListRow& r = rows_[index.row()];
    switch (index.column()) {
    case 0: return r.id;
    case 1: return r.fileName;
    case 2: return r.sizeName;
    case 3: return r.templateKey;
    default: return r.folder;
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList names = {QStringLiteral("ID"), QStringLiteral("ファイル名"), QStringLiteral("のし紙サイズ名"),
                                      QStringLiteral("使用するひな型"), QStringLiteral("ディレクトリ")};
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < names.size() ? names[section] : QVariant();
    return section + 1;
}

// --- the window ------------------------------------------------------------------

FileListWindow::FileListWindow(FileListSpec spec, QString databasePath, QWidget* parent)
    : forms::Form(parent), spec_(std::move(spec)),
      databasePath_(databasePath.isEmpty() ? FileListStore::defaultPath(spec_.kind) : std::move(databasePath))
{
    using app::placeTwips;
    setWindowTitle(spec_.caption);
    setFixedSize(forms::twipsToPx(9360), forms::twipsToPx(4920));

    auto* frame = placeTwips(new QFrame(this), 120, 120, 2655, 4215);
    frame->setFrameShape(QFrame::StyledPanel);
    Label5 = placeTwips(new QLabel(QStringLiteral("ファイル名(&F)"), frame), 120, 180, 2415, 255);
    Text1 = placeTwips(new QLineEdit(frame), 120, 420, 2415, 345);
    Label5->setBuddy(Text1);
    app::setImeMode(Text1, app::ImeMode::Hiragana);
    Label6 = placeTwips(new QLabel(QStringLiteral("登録なし"), frame), 120, 840, 2415, 255);
    Label6->setStyleSheet(QStringLiteral("color: #c00000;"));
    Label6->hide();
    Label3 = placeTwips(new CommandLabel(QStringLiteral("ファイルリストを更新する"), frame, [this] { Label3_Click(); }),
                        120, 1440, 2415, 255);
    Label4 = placeTwips(new CommandLabel(QStringLiteral("ファイルリストに追加する"), frame, [this] { Label4_Click(); }),
                        120, 1860, 2415, 255);
    Label2 = placeTwips(new QLabel(QStringLiteral("更新件数　　件"), frame), 120, 2280, 2415, 255);
    Label2->hide();
    Label1 = placeTwips(new CommandLabel(QStringLiteral("ファイルリストから削除する"), frame, [this] { Label1_Click(); }),
                        120, 3780, 2415, 255);
    Label1->setToolTip(spec_.deleteTip);

    model_ = new FileListModel(this);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { markEmptyList(); });
    DataGrid1 = placeTwips(new QTableView(this), 2895, 120, 6345, 4215 - 60);
    DataGrid1->setModel(model_);
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->verticalHeader()->setDefaultSectionSize(forms::twipsToPx(285));

    Command1 = placeTwips(new QPushButton(QStringLiteral("OK"), this), 6585, 4425, 1215, 375);
    CancelButton = placeTwips(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), 7965, 4425, 1215, 375);
    for (QPushButton* b : {Command1, CancelButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    setTabOrder(Text1, DataGrid1);
    setTabOrder(DataGrid1, Command1);
    setTabOrder(Command1, CancelButton);

    search_ = std::make_unique<FileListSearch>([this](QList<FileListRow> rows) { showList(std::move(rows)); });
    // The user's edits reach textEdited just before textChanged, which then
    // has nothing more to do.
    connect(Text1, &QLineEdit::textEdited, this, [this] {
        typed_ = true;
        Text1_Edited();
    });
    connect(Text1, &QLineEdit::textChanged, this, [this] {
        if (!std::exchange(typed_, false))
            Text1_Change();
    });
    connect(DataGrid1, &QTableView::doubleClicked, this, [this] { Command1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    forms::EnterAsTab::install(this);
    forms::watchServiceDialogs();
}

FileListWindow::~FileListWindow() = default;

void FileListWindow::Form_Load()
{
    // A value that is no number leaves the window where it is designed to be.
    bool okLeft = false, okTop = false;
    const int left = settings::GetSetting(spec_.leftKey, QStringLiteral("0")).trimmed().toInt(&okLeft);
    const int top = settings::GetSetting(spec_.topKey, QStringLiteral("0")).trimmed().toInt(&okTop);
    move(okLeft ? forms::twipsToPx(left) : x(), okTop ? forms::twipsToPx(top) : y());
    OpenFileListStore();
}

void FileListWindow::OpenFileListStore()
{
    store_ = std::make_unique<FileListStore>(databasePath_, spec_.kind);
    const FileListStore::OpenResult opened = store_->OpenFileListStore();
    if (opened == FileListStore::OpenResult::Unavailable)
        caution(store_->error());
    if (opened == FileListStore::OpenResult::Damaged) {
        // The damaged file stays as it is unless the user agrees to set it aside.
        const ui::Answer a = ui::MsgBox(
            store_->error() +
                QStringLiteral("\n\n新しい空のファイルリストを作りますか？\n元のファイルは「%1.damaged」として残します。")
                    .arg(databasePath_),
            ui::Buttons::YesNo, ui::Icon::Exclamation, QStringLiteral("Caution"));
        if (a == ui::Answer::Yes) {
            store_->setDamagedFileAside();
            if (!store_->isOpen())
                caution(store_->error());
        }
    }
    showList(store_->OpenFileList());
}

void FileListWindow::showList(QList<FileListRow> rows)
{
    // Whatever replaces the rows overtakes a search still running.
    search_->cancel();
    model_->setRows(std::move(rows));
    // The user sees the file name and the size name.
    DataGrid1->setColumnHidden(0, true);
    DataGrid1->setColumnHidden(3, true);
    DataGrid1->setColumnHidden(4, true);
    DataGrid1->setColumnWidth(1, forms::twipsToPx(3940));
    setCurrentRow(0);
}

int FileListWindow::currentRow() const
{
    if (model_->rows().isEmpty())
        return -1;
    const QModelIndex i = DataGrid1->currentIndex();
    return i.isValid() ? i.row() : 0;
}

void FileListWindow::setCurrentRow(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    DataGrid1->setCurrentIndex(model_->index(row, 1));
    DataGrid1->selectRow(row);
}

void FileListWindow::Form_Activate()
{
    update();
    if (spec_.nameList && rows().isEmpty())
        forms::setText(Text1, QString());
    if (!app::store().FileParth.isEmpty() && rows().isEmpty())
        AddSaveFolderFiles();
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

bool FileListWindow::event(QEvent* e)
{
    // Back from a message box or the folder dialog is no activation: a list
    // the user has just emptied must not fill itself again.
    if (forms::isServiceDialogReturn(e))
        return QDialog::event(e);
    return forms::Form::event(e);
}

void FileListWindow::Text1_Change() { showList(store_ ? store_->SearchFileList(Text1->text()) : QList<FileListRow>()); }

void FileListWindow::Text1_Edited()
{
    if (store_ && store_->isOpen())
        search_->request(store_->path(), Text1->text());
    else
        Text1_Change();
}

bool FileListWindow::searchPending() const { return search_->pending(); }

void FileListWindow::markEmptyList() { Label6->setVisible(rows().isEmpty()); }

void FileListWindow::showCount(const QString& what, int n)
{
    Label2->setText(what + QStringLiteral("　%1件").arg(n));
    Label2->show();
}

std::optional<QString> FileListWindow::BrowseFolder()
{
    const auto folder = ui::ChooseFolder(spec_.folderDialogTitle, app::store().FileParth);
    if (!folder || folder->isEmpty())
        return std::nullopt;
    return folder;
}

void FileListWindow::AddSaveFolderFiles()
{
    const QString folder = app::store().FileParth;
    showCount(QStringLiteral("追加件数"), 0);
    if (folder.isEmpty() || !store_->isOpen())
        return;
    if (store_->AppendFolderRows(folder) < 0)
        caution(QStringLiteral("ファイルリストに追加できません。\n%1").arg(store_->error()));
    showList(store_->OpenFileList());
    showCount(QStringLiteral("追加件数"), int(rows().size()));
}

void FileListWindow::Label4_Click()
{
    forms::setText(Text1, QString());
    const auto folder = BrowseFolder();
    showCount(QStringLiteral("追加件数"), 0);
    if (!folder || !store_->isOpen())
        return;
    const qsizetype before = rows().size();
    if (store_->AppendFolderRows(*folder) < 0)
        caution(QStringLiteral("ファイルリストに追加できません。\n%1").arg(store_->error()));
    showList(store_->OpenFileList());
    showCount(QStringLiteral("追加件数"), int(rows().size() - before));
}

void FileListWindow::Label3_Click()
{
    Text1->setFocus();
    forms::setText(Text1, QString());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool compacted = store_->isOpen() && store_->CompactDataBase();
    QApplication::restoreOverrideCursor();
    if (!compacted)
        caution(CompactFailed);
    showList(store_->OpenFileList());

    const auto folder = BrowseFolder();
    showCount(QStringLiteral("更新件数"), 0);
    if (!folder)
        return;
    app::store().FileParth = *folder;
    if (!store_->isOpen())
        return;
    if (store_->replaceWithFolder(*folder) < 0)
        caution(QStringLiteral("ファイルリストを更新できません。元のリストのままです。\n%1").arg(store_->error()));
    showList(store_->OpenFileList());
    showCount(QStringLiteral("更新件数"), int(rows().size()));
}

void FileListWindow::Label1_Click()
{
    const int r = currentRow();
    if (r < 0)
        return;
    // The row asked about stays where it is while the question is open; a
    // search typed before may have read it still, so it runs again after.
    const bool typing = search_->pending();
    search_->cancel();
    const auto searchAgain = qScopeGuard([&] {
        if (typing)
            Text1_Edited();
    });
    const FileListRow row = rows()[r];
    if (ui::MsgBox(row.fileName + QStringLiteral("を削除します。よろしいですか？"), ui::Buttons::YesNo, ui::Icon::Question,
                   QStringLiteral("Question")) == ui::Answer::No)
        return;
    if (!store_->DeleteCurrentRow(row.id)) {
        caution(QStringLiteral("ファイルリストから削除できません。\n%1").arg(store_->error()));
        return;
    }
    // Only this row goes; the list is not read again.
    QList<FileListRow> rest = rows();
    rest.removeAt(r);
    model_->setRows(std::move(rest));
    setCurrentRow(std::min(r, int(rows().size()) - 1));
}

void FileListWindow::Command1_Click()
{
    const int r = currentRow();
    if (r < 0)
        return;
    const FileListRow row = rows()[r];
    const QString& N = row.sizeName;
    const QString& K = row.templateKey;
    app::LiveStore& st = app::store();
    const QString info = QStringLiteral("Information");

    if (st.findSize(N, 0) >= st.RegSizeCount()) {
        if (ui::MsgBox(QStringLiteral("のし紙サイズ名「%1」は登録されていません。のし紙サイズ名に登録しますか？　　　").arg(N),
                       ui::Buttons::YesNo, ui::Icon::Information, info) != ui::Answer::Yes)
            return;
        const int t = app::catalogue().find(K.left(7), 0);
        if (t == app::BuiltinTemplateCatalogue::NotFound) {
            ui::MsgBox(QStringLiteral("選択されたのし紙サイズが見つかりません。"), ui::Buttons::Ok, ui::Icon::Information,
                       ui::InputCheckTitle);
            return;
        }
        st.TemplateIndex = t;
        const app::BuiltinTemplate& tr = app::catalogue().row(t);
        // A full size table refuses the row with its message; nothing is handed over.
        const app::StoreResult added =
            previewHost().registerSize(app::RegisteredSize::make(K.left(7), N, tr.TemplateWidth, tr.TemplateHeight));
        if (!added) {
            caution(added.message);
            return;
        }
        ui::MsgBox(QStringLiteral("のし紙サイズ名「%1」の登録が完了しました。「詳細設定」「のし紙サイズの登録状況」をご確認ください。　　　")
                       .arg(N),
                   ui::Buttons::Ok, ui::Icon::Information, info);
    }

    previewHost().setMainSize(N);
    PreviewMailbox& mail = NoshiPreView()->mailbox();
    if (spec_.nameList) {
        mail.setNameFile(row.partPath(spec_.kind.extension));
        mail.setChosenFileName(row.fileName);
    } else {
        mail.setInscriptionFile(row.partPath(spec_.kind.extension));
    }
    mail.setFileSizeName(N);
    mail.setFileTemplateKey(K);
    unload();
}

void FileListWindow::CancelButton_Click() { unload(); }

void FileListWindow::Form_QueryUnload(bool& cancel)
{
    Q_UNUSED(cancel);
    Text1->setFocus();
    search_->cancel();
    if (store_)
        store_->CloseFileListStore();
}

void FileListWindow::Form_Unload(bool& cancel)
{
    Q_UNUSED(cancel);
    settings::SaveSettings({{spec_.leftKey, QString::number(qRound(forms::pxToTwips(x())))},
                            {spec_.topKey, QString::number(qRound(forms::pxToTwips(y())))}});
}

// --- the two lists -----------------------------------------------------------------

frmDatabase1::frmDatabase1(QString databasePath, QWidget* parent)
    : FileListWindow({OmoteFileListKind(), QStringLiteral("表書き　ファイルリスト"), QStringLiteral("DataBase1Left"),
                      QStringLiteral("DataBase1Top"),
                      QStringLiteral("表書きファイルが保存されているフォルダを選択してください"),
                      QStringLiteral("表書きファイル自体は削除されません"), false},
                     std::move(databasePath), parent)
{
}

frmDatabase2::frmDatabase2(QString databasePath, QWidget* parent)
    : FileListWindow({NameFileListKind(), QStringLiteral("名書き　ファイルリスト"), QStringLiteral("DataBase2Left"),
                      QStringLiteral("DataBase2Top"),
                      QStringLiteral("名書きファイルが保存されているフォルダを選択してください"),
                      QStringLiteral("名書きファイル自体は削除されません"), true},
                     std::move(databasePath), parent)
{
}

namespace {
// The run's two list windows, each on its database in `folder` (the default
// place when empty).
struct ListWindows {
    QString folder;
    QString databaseOf(const FileListKind& k) const
    {
        return folder.isEmpty() ? QString() : folder + u'/' + k.databaseName;
    }
    forms::FormRef<frmDatabase1> omote{[this] { return new frmDatabase1(databaseOf(OmoteFileListKind())); }};
    forms::FormRef<frmDatabase2> names{[this] { return new frmDatabase2(databaseOf(NameFileListKind())); }};
};
} // namespace

void installFileLists(QWidget* owner, const QString& folder)
{
    ListWindows& lists = run::slot<ListWindows>();
    lists.folder = folder;
    app::MainHooks& h = app::hooks();
    h.showDatabase1 = [owner, &lists] { lists.omote.showModal(owner); };
    h.showDatabase2 = [owner, &lists](const QString& seed) {
        // The window loads first (whole list), then the name narrows it.
        if (!seed.isEmpty())
            forms::setText(lists.names->Text1, seed);
        lists.names.showModal(owner);
    };
}

} // namespace preview
