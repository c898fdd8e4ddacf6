#include "app/BulkLabel.h"

#include "platform/richtext/RichTextEditFileObject.h"
#include "platform/paths/AppPaths.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Shell.h"
#include "platform/settings/SettingsStore.h"
#include "platform/run/RunState.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace app {

namespace {

const QString RtfFilter = QStringLiteral("ﾘｯﾁﾃｷｽﾄ形式のﾌｧｲﾙ (*.rtf)|*.rtf");
const QString AllFilesFilter = QStringLiteral("すべてのファイル (*.*)|*.*|");
const QString DocFilter = QStringLiteral("ﾜｰﾄﾞ形式のﾌｧｲﾙ (*.doc)|*.doc");

// An inserted object keeps clear of the box's edges and of its lead blanks.
constexpr double ObjectFitMm = BulkLabel::BoxSideMm - 14.0;

void warn(const QString& text)
{
    ui::MsgBox(text, ui::Buttons::Ok, ui::Icon::Exclamation, BulkLabelMessageTitle);
}

bool chosen(const std::optional<QString>& name) { return name && !name->isEmpty(); }

} // namespace

QString defaultLabelFilePath(const QString& programFolder)
{
    if (programFolder.isEmpty() || programFolder.endsWith(QLatin1Char('/')))
        return programFolder + DefaultLabelFileName;
    return programFolder + QLatin1Char('/') + DefaultLabelFileName;
}

void BulkLabel::prepareBox()
{
    box_.setWidthMm(BoxSideMm);
    box_.setHeightMm(BoxSideMm);
    box_.setVertical(true);
}

void BulkLabel::load()
{
    prepareBox();
    LabelFilePath_ = settings::GetSetting(LabelFileKey);
    if (LabelFilePath_.isEmpty())
        LabelFilePath_ = defaultLabelFilePath(paths::programDir());
    unreadFile_.clear();
    // No label file yet is the ordinary first use: an empty label.
    if (!QFileInfo::exists(LabelFilePath_))
        return;
    QString error;
    if (!box_.loadFile(LabelFilePath_, &error)) {
        unreadFile_ = LabelFilePath_;
        warn(QStringLiteral("一括表示ラベルのファイルを読み込めませんでした。ラベルは空のまま開きます。\n%1")
                 .arg(error));
    }
}

bool BulkLabel::mayReplace(const QString& path) const
{
    if (unreadFile_.isEmpty() || path != unreadFile_ || !QFileInfo::exists(path))
        return true;
    return ui::MsgBox(QStringLiteral("一括表示ラベルのファイル「%1」は読み込めなかったファイルです。"
                                     "今の内容で置き換えますか？")
                          .arg(path),
                      ui::Buttons::YesNo, ui::Icon::Exclamation, BulkLabelMessageTitle)
           == ui::Answer::Yes;
}

bool BulkLabel::save()
{
    if (!mayReplace(LabelFilePath_))
        return false;
    QString error;
    if (!box_.saveFile(LabelFilePath_, &error)) {
        warn(QStringLiteral("一括表示ラベルを保存できませんでした。\n%1").arg(error));
        return false;
    }
    unreadFile_.clear();
    // The label itself is saved; a path the setting could not keep only
    // means that the next run starts from the earlier file.
    if (!settings::SaveSetting(LabelFileKey, LabelFilePath_, settings::Section, &error))
        warn(QStringLiteral("一括表示ラベルのファイル名を設定に保存できませんでした。\n%1").arg(error));
    return true;
}

void BulkLabel::newLabel()
{
    box_.clear();
    prepareBox();
}

bool BulkLabel::open()
{
    const std::optional<QString> name =
        ui::GetOpenFileName(QStringLiteral("開く"), paths::programDir(), AllFilesFilter + RtfFilter, 2);
    if (!chosen(name))
        return false;
    QString error;
    if (!box_.loadFile(*name, &error)) { // the box keeps the label it had
        warn(QStringLiteral("ファイルを開けませんでした。\n%1").arg(error));
        return false;
    }
    LabelFilePath_ = *name;
    return true;
}

bool BulkLabel::saveAs()
{
    const std::optional<QString> name =
        ui::GetSaveFileName(QStringLiteral("名前を付けて保存"), paths::programDir(), RtfFilter, 1);
    if (!chosen(name))
        return false;
    QString error;
    if (!box_.saveFile(*name, &error)) {
        warn(QStringLiteral("一括表示ラベルを保存できませんでした。\n%1").arg(error));
        return false;
    }
    // The dialog has asked before replacing a file, that one included.
    if (*name == unreadFile_)
        unreadFile_.clear();
    LabelFilePath_ = *name;
    return true;
}

bool BulkLabel::insertObject()
{
    const std::optional<QString> name =
        ui::GetOpenFileName(QStringLiteral("開く"), paths::programDir(), AllFilesFilter + DocFilter, 2);
    if (!chosen(name))
        return false;
    QString error;
    const std::shared_ptr<rt::EmbeddedObject> obj = rt::objectFromFile(*name, QSizeF(ObjectFitMm, ObjectFitMm), &error);
    if (!obj) {
        warn(QStringLiteral("オブジェクトを挿入できませんでした。\n%1").arg(error));
        return false;
    }
    // The document replaces the label as a whole.
    box_.clear();
    box_.setSelText(QString(ObjectLeadBlanks, QLatin1Char(' ')));
    box_.insertObject(obj);
    return true;
}

bool BulkLabel::openObject(const rt::EmbeddedObject& obj)
{
    // The opened copies stay until the run ends: the program that shows one
    // reads it after this returns.
    struct Opened {
        QTemporaryDir dir;
    };
    QTemporaryDir& opened = run::slot<Opened>().dir;
    QString error;
    const QString path = opened.isValid()
                             ? rt::writeObjectFile(obj, opened.path(), &error)
                             : QString();
    if (path.isEmpty()) {
        warn(QStringLiteral("オブジェクトを開けませんでした。\n%1")
                 .arg(opened.isValid() ? error : opened.errorString()));
        return false;
    }
    return shell::OpenDocumentOrTell(path);
}

} // namespace app
