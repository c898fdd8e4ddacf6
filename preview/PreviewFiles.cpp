// The editor's files: saving the inscription part (.nd1) and the name part
// (.nd2) with their side file (.ndb), and loading a saved part over the page,
// from a saved-file list through the hidden fields or from the File menu.
#include "preview/frmNoshiPreView.h"

#include "model/LiveStore.h"
#include "model/TemplateCatalogue.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"
#include "preview/PageShape.h"
#include "preview/PreviewHost.h"
#include "preview/SideFile.h"
#include "platform/run/RunState.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace preview {

namespace {

struct LastDialogFolder {
    QString path;
};

const QString NotFoundMessage = QStringLiteral("選択されたのし紙サイズが見つかりません。");
const QString ChangeTitle = QStringLiteral("変更の確認");
const QString CautionTitle = QStringLiteral("Caution");
const QString CaptionPrefix = QStringLiteral("編集  ");
const QString MeasureFont = QStringLiteral("ＭＳ 明朝");

struct PartKind {
    QString extension;   // ".nd1"
    QString saveFilter;
    QString openFilter;
};

const PartKind& partKind(int which)
{
    static const PartKind omote{QStringLiteral(".nd1"), QStringLiteral("表書きのファイル (*.nd1)|*.nd1"),
                                QStringLiteral("すべてのファイル (*.*)|*.*|表書きのファイル (*.nd1)|*.nd1|"
                                               "表書きのファイル (*.nd2)|*.nd2")};
    static const PartKind name{QStringLiteral(".nd2"), QStringLiteral("名書きのファイル (*.nd2)|*.nd2"),
                               QStringLiteral("すべてのファイル (*.*)|*.*|名書きのファイル (*.nd2)|*.nd2")};
    return which == 1 ? omote : name;
}

void caution(const QString& text) { ui::MsgBox(text, ui::Buttons::Ok, ui::Icon::Exclamation, CautionTitle); }

QString statusText(const QString& sizeName)
{
    return QStringLiteral("選択されているのし紙ｻｲｽﾞは、「") + sizeName + QStringLiteral("」です。");
}

// The folder of the file last saved or opened in the editor, for as long as
// the program runs.
QString& lastFolder() { return run::slot<LastDialogFolder>().path; }

// Where the file dialogs start: the file name last held, in the folder last
// used, else in the user's data folder, never in the program's own.
QString dialogStart(const QString& fileName)
{
    if (!fileName.isEmpty() && QFileInfo(fileName).isAbsolute())
        return fileName;
    QString folder = lastFolder();
    if (folder.isEmpty())
        folder = app::store().FileParth;
    if (folder.isEmpty())
        folder = QDir::homePath();
    return fileName.isEmpty() ? folder : QDir(folder).filePath(fileName);
}

} // namespace

// --- saving --------------------------------------------------------------------

void frmNoshiPreView::mnuOfileSave_Click() { saveOmotePart(); }
void frmNoshiPreView::mnuFileSaveAs_Click() { saveNamePart(); }
bool frmNoshiPreView::saveOmotePart() { return savePart(1); }
bool frmNoshiPreView::saveNamePart() { return savePart(2); }

bool frmNoshiPreView::savePart(int which)
{
    const PartKind& kind = partKind(which);
    QString start = dialogStart(dlgCommonDialogFileName);
    QString path;
    for (;;) {
        const auto chosen = ui::GetSaveFileName(QStringLiteral("名前を付けて保存"), start, kind.saveFilter);
        if (!chosen || chosen->isEmpty())
            return false;
        path = *chosen;
        // The side file takes the name minus its last four characters: a name
        // without the part's extension gets it, so no other file is cut into.
        // The dialog asked about the name as typed; the file it becomes is
        // asked about here, and a no goes back to the dialog.
        if (path.endsWith(kind.extension, Qt::CaseInsensitive))
            break;
        path += kind.extension;
        if (!QFileInfo::exists(path) ||
            ui::MsgBox(QStringLiteral("%1 は既に存在します。\n置き換えますか?").arg(QFileInfo(path).fileName()),
                       ui::Buttons::YesNo, ui::Icon::Exclamation,
                       QStringLiteral("名前を付けて保存")) == ui::Answer::Yes)
            break;
        start = path;
    }
    rememberDialogFile(path);

    rt::RichTextBox& box = which == 1 ? *RichTextBox1 : *RichTextBox2;
    QString error;
    if (!box.saveFile(path, &error)) {
        caution(error + QStringLiteral("\n保存されていません。"));
        return false;
    }
    const QString side = SideFilePath(path);
    const app::LiveStore& st = app::store();
    if (!writeSideFile(side, SideFile{st.CurSizeTemplate, st.CurSizeName}, &error)) {
        caution(error + QStringLiteral("\nのし紙サイズのファイルが書けないため、保存は終わっていません。"));
        return false;
    }
    clearChanged(which);
    return true;
}

void frmNoshiPreView::rememberDialogFile(const QString& path)
{
    // The next dialog proposes this file, in its folder.
    dlgCommonDialogFileName = path;
    lastFolder() = QFileInfo(path).absolutePath();
}

// --- loading -------------------------------------------------------------------

struct frmNoshiPreView::LoadRoad {
    int box = 1;              // 1 inscription, 2 name
    bool activation = false;  // from a list through the hidden fields
};

void frmNoshiPreView::LoadOmotegakiFile() { loadPart({1, true}); }
void frmNoshiPreView::LoadNagakiFile() { loadPart({2, true}); }
void frmNoshiPreView::mnuOfileOpen_Click() { loadPart({1, false}); }
void frmNoshiPreView::mnuFileOpen_Click() { loadPart({2, false}); }

void frmNoshiPreView::mnuFileLoad1_Click()
{
    PreviewHost& host = previewHost();
    if (!host.hasFileLists())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    host.showOmoteFileList();
    QApplication::restoreOverrideCursor();
    afterFileList();
}

void frmNoshiPreView::mnuList_Click()
{
    PreviewHost& host = previewHost();
    if (!host.hasFileLists())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    host.showNameFileList(host.nameSearchText());
    QApplication::restoreOverrideCursor();
    afterFileList();
}

void frmNoshiPreView::afterFileList()
{
    // The lists belong to the main window: closing one gives the activation
    // back there, not here. What the list chose is loaded now, as this
    // window's own activation would, and the window comes to the front.
    if (!isVisible() || activating_)
        return;
    activating_ = true;
    {
        const OwnWork own(*this);
        loadChosenFiles();
    }
    activating_ = false;
    if (isVisible())
        activateWindow();
}

void frmNoshiPreView::loadPart(const LoadRoad& road)
{
    const OwnWork own(*this);
    app::LiveStore& st = app::store();
    QLineEdit* pathField = road.box == 1 ? txtFile1 : txtFile2;
    rt::RichTextBox& box = road.box == 1 ? *RichTextBox1 : *RichTextBox2;
    auto clearFields = [&] {
        if (road.activation)
            for (QLineEdit* f : {pathField, txtName, txtSize})
                f->clear();
    };

    // 1. The path and the file's paper.
    QString path, key, sizeName;
    if (road.activation) {
        path = pathField->text();
        setWindowTitle(CaptionPrefix + path);
        dlgCommonDialogFileName = path;
        sizeName = txtName->text();
        key = txtSize->text();
    } else {
        const auto chosen = ui::GetOpenFileName(QStringLiteral("開く"), dialogStart(dlgCommonDialogFileName),
                                                partKind(road.box).openFilter, 2);
        if (!chosen || chosen->isEmpty())
            return;
        path = *chosen;
        rememberDialogFile(path);
        // A part without its side file is loaded all the same; its paper is
        // then not found. A side file that cannot be read is refused.
        const QString sidePath = SideFilePath(path);
        if (QFileInfo::exists(sidePath)) {
            QString error;
            const auto side = readSideFile(sidePath, &error);
            if (!side) {
                caution(error + QStringLiteral("\nファイル「%1」は読み込まれていません。").arg(path));
                return;
            }
            key = side->templateKey;
            sizeName = side->sizeName;
        }
    }

    // 2. The rich text, read aside first so that a damaged file leaves the box as it was.
    rt::RichTextBox loaded;
    QString error;
    if (!loaded.loadFile(path, &error)) {
        caution(error + QStringLiteral("\nファイルは読み込まれていません。"));
        clearFields();
        return;
    }
    setBoxVisible(road.box, false);
    box.setDocument(loaded.document());
    if (road.box == 1) {
        ForceVerticalFonts();
        box.setSelStart(0);
    }
    setBoxVisible(road.box, true);
    (road.box == 1 ? RichTextBox1View : RichTextBox2View)->clearUndo();

    // 3.
    if (!road.activation)
        setWindowTitle(CaptionPrefix + path);
    clearChanged(road.box);

    // 5, 6. Status and look-up in the one-line column.
    const bool nameOpen = !road.activation && road.box == 2;
    if (!nameOpen)
        StatusPanel1->setText(statusText(st.CurSizeName));
    const int row = st.findSize(sizeName, 0);
    if (row >= st.RegSizeCount()) {
        ui::MsgBox(NotFoundMessage, ui::Buttons::Ok, ui::Icon::Information, ui::InputCheckTitle);
        clearFields();
        return;
    }
    st.LoopPos = row;
    if (nameOpen)
        StatusPanel1->setText(statusText(st.CurSizeName));

    // 7. The same paper.
    if (vb::RTrimBoth(Text4->text()) == vb::RTrimBoth(sizeName)) {
        if (road.activation || road.box == 2) {
            clearFields();
            return;
        }
    } else {
        // 8.
        QString question = QStringLiteral("のし紙サイズを、") + sizeName + QStringLiteral("に変更しますか。");
        if (road.activation && road.box == 2)
            question += QStringLiteral("　　");
        if (ui::MsgBox(question, ui::Buttons::YesNo, ui::Icon::Information, ChangeTitle) != ui::Answer::Yes) {
            clearFields();
            return;
        }
    }

    // 9.
    if (!ApplyFileSize(road.box, path, key, sizeName, road.activation))
        return;

    // 10. Offer the other part laid out anew for the paper: the main window does it.
    if (!road.activation)
        return;
    const QString other = road.box == 1 ? QStringLiteral("名書きを、") : QStringLiteral("表書きを、");
    if (ui::MsgBox(other + st.CurSizeName + QStringLiteral("のサイズに修正しますか。　　"), ui::Buttons::YesNo,
                   ui::Icon::Information, ChangeTitle) == ui::Answer::Yes) {
        st.PendingOpen = road.box;
        previewHost().setMainSize(st.CurSizeName);
        hide();
        // The main window lays the page out again when it is activated.
        previewHost().showMainWindow();
    }
}

bool frmNoshiPreView::ApplyFileSize(int ownBox, const QString& path, const QString& templateKey,
                                    const QString& sizeName, bool activationRoad)
{
    app::LiveStore& st = app::store();
    st.CurSizeTemplate = templateKey;
    st.CurSizeName = sizeName;
    const app::RegisteredSize& z = st.size(st.LoopPos);
    st.PaperWidth = z.RegSizeWidth;
    st.PaperHeight = z.RegSizeHeight;
    if (st.PaperWidth == 0 || st.PaperHeight == 0) {
        const QString wanted = vb::RTrimBoth(st.CurSizeTemplate);
        const app::BuiltinTemplateCatalogue& cat = app::catalogue();
        int t = 0;
        for (; t <= app::BuiltinTemplateCatalogue::TemplateCount; ++t) {
            const app::BuiltinTemplate& r = cat.row(t);
            if (!r.isEmpty() && vb::RTrimBoth(r.key()) == wanted)
                break;
        }
        if (t > app::BuiltinTemplateCatalogue::TemplateCount) {
            ui::MsgBox(NotFoundMessage, ui::Buttons::Ok, ui::Icon::Information, ui::InputCheckTitle);
            if (activationRoad)
                for (QLineEdit* f : {ownBox == 1 ? txtFile1 : txtFile2, txtName, txtSize})
                    f->clear();
            return false;
        }
        st.TemplateIndex = t;
        st.PaperWidth = cat.row(t).TemplateWidth;
        st.PaperHeight = cat.row(t).TemplateHeight;
    }
    st.LayoutWidth = std::min(st.PaperWidth, st.PaperHeight < st.PaperWidth ? 210 : 105);

    const QString key = st.StyleLoop >= 0 && st.StyleLoop < app::NameStyleCount
                            ? z.RegSizeTemplate[size_t(st.StyleLoop)]
                            : QString();
    const BoxHeights heights = BoxHeightsFor(key, st.PaperHeight);
    for (int which : {1, 2}) {
        rt::RichTextBox& box = which == 1 ? *RichTextBox1 : *RichTextBox2;
        const float height = which == 1 ? heights.omote : heights.name;
        setBoxVisible(which, false);
        if (which == ownBox) {
            // Loaded again as stored: the fonts keep their own form.
            rt::RichTextBox again;
            QString error;
            if (again.loadFile(path, &error))
                box.setDocument(again.document());
            else
                caution(error);
        }
        box.setWidthMm(st.LayoutWidth);
        box.setHeightMm(height);
        box.setRightMarginMm(height);
        setBoxVisible(which, true);
    }
    (ownBox == 1 ? RichTextBox1View : RichTextBox2View)->clearUndo();
    setMarkerWidthMm(st.LayoutWidth);

    clearChanged(ownBox);
    StatusPanel1->setText(statusText(st.CurSizeName));
    Text4->setText(st.CurSizeName);
    Form_Resize();
    placeBoxes();
    return true;
}

void frmNoshiPreView::ForceVerticalFonts()
{
    // Whole runs at once: the same result as one character at a time, for
    // an inscription of any length.
    rt::RichDocument doc = RichTextBox1->document();
    auto vertical = [](rt::CharFormat& f) {
        if (!f.fontName.startsWith(u'@'))
            f.fontName = u'@' + f.fontName;
    };
    for (rt::Paragraph& p : doc.paragraphs) {
        for (rt::Inline& item : p.items)
            vertical(item.format);
        vertical(p.mark);
    }
    const qsizetype start = RichTextBox1->selStart();
    RichTextBox1->setDocument(doc);
    RichTextBox1->setSelStart(doc.length());
    if (const auto name = RichTextBox1->selFontName(); name && !name->startsWith(u'@'))
        RichTextBox1->setSelFontName(u'@' + *name);
    RichTextBox1->setSelStart(start);
}

} // namespace preview
