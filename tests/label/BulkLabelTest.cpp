// The bulk label editor: where its label comes from, what OK and Cancel keep,
// who unloads it, and how its file commands fail without losing the label.
#include "app/MainTestSupport.h"

#include "app/BulkLabel.h"
#include "platform/richtext/RichTextEditFileObject.h"
#include "app/InputWindows.h"
#include "app/MainPagePrintHost.h"
#include "app/frmTextSub4.h"
#include "platform/forms/Controls.h"
#include "platform/paths/AppPaths.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/services/Dialogs.h"
#include "platform/services/Shell.h"
#include "platform/richtext/TextLayout.h"
#include "common/FileBytes.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QMouseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QDir>
#include <QImage>
#include <QSignalBlocker>
#include <QTimer>
#include <functional>

using app::frmTextSub4;

namespace {

const QString Saved = QStringLiteral("原材料名　保存済み");
const QString Unsaved = QStringLiteral("未保存の変更");

void writeLabel(const QString& path, const QString& text)
{
    rt::RichTextBox box;
    box.setText(text);
    ASSERT_TRUE(box.saveFile(path));
}

QString labelText(const QString& path)
{
    rt::RichTextBox box;
    if (!box.loadFile(path))
        return QStringLiteral("<unreadable>");
    return box.text();
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class BulkLabelTest : public MainWindowTest {
protected:
    std::unique_ptr<app::InputWindows> windows;
    std::unique_ptr<app::MainPagePrintHost> host;
    QTemporaryDir files;
    QString defaultPath;
    QStringList messages;
    ui::Answer confirmAnswer = ui::Answer::Yes;
    std::optional<QString> dialogPath; // nothing: the user cancels the dialog

    void SetUp() override
    {
        MainWindowTest::SetUp();
        defaultPath = app::defaultLabelFilePath(paths::programDir());
        QFile::remove(defaultPath);
        ui::setAnswerer([this](const ui::MessageRequest& r) {
            messages << r.text;
            return r.buttons == ui::Buttons::YesNo ? confirmAnswer : ui::Answer::Ok;
        });
        ui::clearShownDialogs();
        ui::setDialogAnswerer([this](const ui::DialogRequest&) {
            ui::DialogAnswer a;
            a.accepted = dialogPath.has_value();
            a.path = dialogPath.value_or(QString());
            return a;
        });
        start();
        windows = std::make_unique<app::InputWindows>(*w);
        windows->install();
        host = std::make_unique<app::MainPagePrintHost>(*w, [] { return nullptr; });
    }
    void TearDown() override
    {
        host.reset();
        windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ui::setDialogAnswerer({});
        QFile::remove(defaultPath);
        MainWindowTest::TearDown();
    }

    frmTextSub4* editor() { return windows->sub4(); }
    bool loaded() const { return windows->ref4().isLoaded(); }
    // What the page printer prints.
    rt::RichTextBox& printed() { return host->bulkLabelBox(); }
    QString file(const QString& name) const { return files.filePath(name); }

    // Shows the editor as the name window does (modal, no owner) and runs
    // what the user does there.
    void showAndDo(const std::function<void(frmTextSub4&)>& act)
    {
        QTimer::singleShot(0, w.get(), [this, act] { act(*editor()); });
        app::hooks().showTextSub4();
    }
};

TEST_F(BulkLabelTest, DefaultFileIsInTheProgramFolderWithOneSeparator)
{
    EXPECT_EQ(app::defaultLabelFilePath(QStringLiteral("/home/u/data")), QStringLiteral("/home/u/data/一括表示.rtf"));
    EXPECT_EQ(app::defaultLabelFilePath(QStringLiteral("/")), QStringLiteral("/一括表示.rtf"));
    EXPECT_EQ(app::defaultLabelFilePath(QStringLiteral("/home/u/data/")), QStringLiteral("/home/u/data/一括表示.rtf"));
}

TEST_F(BulkLabelTest, FirstUseStartsEmptyAndOkCreatesTheDefaultFile)
{
    frmTextSub4* e = editor();
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Sorabeni Print System  一括表示ラベル"));
    EXPECT_TRUE(e->RichTextBox1->vertical());
    EXPECT_TRUE(e->RichTextBox1->document().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(e->LabelFilePath(), defaultPath);

    e->show();
    e->RichTextBox1->setText(Saved);
    e->Command1_Click();
    EXPECT_FALSE(e->isVisible());
    EXPECT_TRUE(loaded());
    EXPECT_EQ(labelText(defaultPath), Saved);
    EXPECT_EQ(ini(app::LabelFileKey), defaultPath);
}

TEST_F(BulkLabelTest, SettingNamingAFileThatIsGoneGivesAnEmptyLabelAndOkWritesThere)
{
    const QString gone = file(QStringLiteral("消えたラベル.rtf"));
    preset(app::LabelFileKey, gone);
    EXPECT_TRUE(printed().document().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
    printed().setText(Saved);
    editor()->Command1_Click();
    EXPECT_EQ(labelText(gone), Saved);
    EXPECT_EQ(ini(app::LabelFileKey), gone);
}

TEST_F(BulkLabelTest, PrinterReadingTheBoxLoadsTheEditorHiddenFromTheSettingsFile)
{
    const QString path = file(QStringLiteral("label.rtf"));
    writeLabel(path, Saved);
    preset(app::LabelFileKey, path);
    ASSERT_FALSE(loaded());
    EXPECT_EQ(printed().text(), Saved);
    EXPECT_TRUE(printed().vertical());
    EXPECT_TRUE(loaded());
    EXPECT_FALSE(editor()->isVisible());
}

TEST_F(BulkLabelTest, CancelAndEscapeOnlyHideAndTheUnsavedEditsArePrinted)
{
    writeLabel(defaultPath, Saved);
    showAndDo([](frmTextSub4& e) {
        EXPECT_TRUE(e.isVisible());
        EXPECT_TRUE(e.isModal());
        EXPECT_EQ(e.parentWidget(), nullptr);
        e.RichTextBox1->setText(Unsaved);
        e.Command2_Click();
    });
    EXPECT_TRUE(loaded());
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(printed().text(), Unsaved);
    EXPECT_EQ(labelText(defaultPath), Saved);
    EXPECT_EQ(ini(app::LabelFileKey), QStringLiteral("<absent>"));

    // Shown again: the same edits, not the file; Escape hides it the same way.
    showAndDo([](frmTextSub4& e) {
        EXPECT_EQ(e.RichTextBox1->text(), Unsaved);
        e.reject();
    });
    EXPECT_TRUE(loaded());
    EXPECT_EQ(printed().text(), Unsaved);
}

TEST_F(BulkLabelTest, EveryUnloadDiscardsUnsavedEditsAndTheNextReferenceReadsTheFile)
{
    struct Case {
        const char* who;
        std::function<void()> unload;
    };
    const std::vector<Case> cases = {
        {"close command", [this] { editor()->mnuExit_Click(); }},
        {"frame close box", [this] { editor()->close(); }},
        {"label box of the name window cleared",
         [this] {
             QCheckBox* check = windows->sub1()->Check4;
             {
                 const QSignalBlocker quiet(check); // ticked earlier
                 check->setChecked(true);
             }
             forms::setCheckValue(check, 0);
         }},
        {"name window's cancel", [this] { windows->sub1()->Command2_Click(); }},
        {"main window's reset", [this] { w->Command3_Click(); }},
        {"main window closing", [this] { closeWindow(); }},
    };
    writeLabel(defaultPath, Saved);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.who);
        printed().setText(Unsaved);
        editor()->show();
        c.unload();
        EXPECT_FALSE(loaded());
        EXPECT_EQ(labelText(defaultPath), Saved);
        EXPECT_EQ(printed().text(), Saved);
    }
}

TEST_F(BulkLabelTest, TickingTheNameWindowsLabelBoxShowsTheEditorAndItsButtonShowsItAgain)
{
    writeLabel(defaultPath, Saved);
    QTimer::singleShot(0, w.get(), [this] {
        EXPECT_TRUE(editor()->isVisible());
        editor()->RichTextBox1->setText(Unsaved);
        editor()->Command2_Click();
    });
    forms::setCheckValue(windows->sub1()->Check4, 1);
    EXPECT_TRUE(loaded());
    QTimer::singleShot(0, w.get(), [this] {
        EXPECT_EQ(editor()->RichTextBox1->text(), Unsaved);
        editor()->Command1_Click();
    });
    windows->sub1()->Command4_Click();
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(labelText(defaultPath), Unsaved);
}

TEST_F(BulkLabelTest, UnreadableLabelFileIsReportedAndNotReplacedUnasked)
{
    const QByteArray damaged("this is no rich text");
    writeFileBytes(defaultPath, damaged);
    frmTextSub4* e = editor();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("読み込めませんでした")));
    EXPECT_TRUE(e->RichTextBox1->document().isEmpty());

    e->show();
    e->RichTextBox1->setText(Saved);
    confirmAnswer = ui::Answer::No;
    e->Command1_Click();
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(bytesOf(defaultPath), damaged);
    EXPECT_EQ(ini(app::LabelFileKey), QStringLiteral("<absent>"));

    confirmAnswer = ui::Answer::Yes;
    e->Command1_Click();
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(labelText(defaultPath), Saved);
    EXPECT_EQ(ini(app::LabelFileKey), defaultPath);
}

TEST_F(BulkLabelTest, FailedSavesAreReportedAndChangeNothing)
{
    const QString nowhere = file(QStringLiteral("no-such-folder/label.rtf"));
    preset(app::LabelFileKey, nowhere);
    frmTextSub4* e = editor();
    e->show();
    e->RichTextBox1->setText(Saved);
    e->Command1_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("保存できませんでした")));
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->RichTextBox1->text(), Saved);

    dialogPath = file(QStringLiteral("also-missing/other.rtf"));
    e->mnuFileSave_Click();
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(e->LabelFilePath(), nowhere);
}

TEST_F(BulkLabelTest, OpenReplacesTheLabelOnlyWhenAFileLoaded)
{
    frmTextSub4* e = editor();
    e->RichTextBox1->setText(Saved);

    dialogPath.reset();
    e->mnuFileOpen_Click();
    ASSERT_EQ(ui::shownDialogs().size(), 1u);
    const ui::DialogRequest& r = ui::shownDialogs()[0];
    EXPECT_EQ(r.kind, ui::DialogKind::OpenFile);
    EXPECT_EQ(r.title, QStringLiteral("開く"));
    EXPECT_EQ(r.initialPath, paths::programDir());
    EXPECT_EQ(r.filters, ui::VbFilterToQt(QStringLiteral("すべてのファイル (*.*)|*.*|ﾘｯﾁﾃｷｽﾄ形式のﾌｧｲﾙ (*.rtf)|*.rtf")));
    EXPECT_EQ(r.filterIndex, 2);
    EXPECT_EQ(e->RichTextBox1->text(), Saved);

    const QString damaged = file(QStringLiteral("damaged.rtf"));
    writeFileBytes(damaged, "garbage");
    dialogPath = damaged;
    e->mnuFileOpen_Click();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(e->RichTextBox1->text(), Saved);
    EXPECT_EQ(e->LabelFilePath(), defaultPath);

    const QString other = file(QStringLiteral("other.rtf"));
    writeLabel(other, Unsaved);
    dialogPath = other;
    e->mnuFileOpen_Click();
    EXPECT_EQ(e->RichTextBox1->text(), Unsaved);
    EXPECT_TRUE(e->RichTextBox1->vertical());
    EXPECT_EQ(e->LabelFilePath(), other);
    EXPECT_EQ(ini(app::LabelFileKey), QStringLiteral("<absent>"));
    e->Command1_Click();
    EXPECT_EQ(ini(app::LabelFileKey), other);
}

TEST_F(BulkLabelTest, SaveAsKeepsTheSettingUntilOk)
{
    preset(app::LabelFileKey, defaultPath);
    frmTextSub4* e = editor();
    e->RichTextBox1->setText(Saved);
    const QString copy = file(QStringLiteral("copy"));
    dialogPath = copy;
    e->mnuFileSave_Click();
    const ui::DialogRequest& r = ui::shownDialogs().back();
    EXPECT_EQ(r.kind, ui::DialogKind::SaveFile);
    EXPECT_EQ(r.title, QStringLiteral("名前を付けて保存"));
    EXPECT_TRUE(r.defaultExt.isEmpty()); // a name without extension stays so
    EXPECT_EQ(labelText(copy), Saved);
    EXPECT_EQ(e->LabelFilePath(), copy);

    e->Command2_Click();
    EXPECT_EQ(ini(app::LabelFileKey), defaultPath);
    EXPECT_EQ(e->LabelFilePath(), copy);
    e->Command1_Click();
    EXPECT_EQ(ini(app::LabelFileKey), copy);
}

TEST_F(BulkLabelTest, NewThenOkEmptiesTheLabelFile)
{
    writeLabel(defaultPath, Saved);
    frmTextSub4* e = editor();
    e->mnuNew_Click();
    EXPECT_TRUE(e->RichTextBox1->document().isEmpty());
    EXPECT_TRUE(e->RichTextBox1->vertical());
    e->Command1_Click();
    EXPECT_EQ(labelText(defaultPath), QString());
}

TEST_F(BulkLabelTest, InsertObjectReplacesTheLabelWithSixBlanksAndTheObject)
{
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.setDotsPerMeterX(1000); // 400 mm wide at its own resolution: scaled down to fit
    picture.setDotsPerMeterY(1000);
    const QString png = file(QStringLiteral("label.png"));
    ASSERT_TRUE(picture.save(png));
    const QString doc = file(QStringLiteral("一括表示.doc"));
    const QByteArray docBytes("\xD0\xCF\x11\xE0 a word-processor document", 30);
    writeFileBytes(doc, docBytes);

    frmTextSub4* e = editor();
    const auto only = [&]() -> const rt::EmbeddedObject& {
        const rt::RichDocument& d = e->RichTextBox1->document();
        EXPECT_EQ(d.plainText(), QStringLiteral("      ") + QChar(0xFFFC));
        return *d.paragraphs[0].items.back().object;
    };

    e->RichTextBox1->setText(Saved);
    dialogPath = png;
    e->mnuOle_Click();
    const ui::DialogRequest& r = ui::shownDialogs().back();
    EXPECT_EQ(r.filters, ui::VbFilterToQt(QStringLiteral("すべてのファイル (*.*)|*.*|ﾜｰﾄﾞ形式のﾌｧｲﾙ (*.doc)|*.doc")));
    EXPECT_EQ(r.filterIndex, 2);
    const rt::EmbeddedObject& pic = only();
    EXPECT_EQ(pic.kind, rt::EmbeddedObject::Kind::Picture);
    EXPECT_LE(pic.sizeMm.width(), app::BulkLabel::BoxSideMm);
    EXPECT_NEAR(pic.sizeMm.width() / pic.sizeMm.height(), 2.0, 1e-6);

    dialogPath = doc;
    e->mnuOle_Click();
    const rt::EmbeddedObject& obj = only();
    EXPECT_EQ(obj.kind, rt::EmbeddedObject::Kind::Object);
    EXPECT_EQ(obj.objectClass, rt::PackageObjectClass);
    EXPECT_EQ(obj.objectData, docBytes);
    EXPECT_FALSE(obj.png.isEmpty()); // the framed face with the file's name

    // The document travels inside the label file.
    e->Command1_Click();
    rt::RichTextBox reread;
    ASSERT_TRUE(reread.loadFile(defaultPath));
    ASSERT_EQ(reread.document().paragraphs[0].items.back().object->objectData, docBytes);

    // A cancelled dialog and a file that cannot be read change nothing.
    const QByteArray before = e->RichTextBox1->textRtf();
    dialogPath.reset();
    e->mnuOle_Click();
    dialogPath = file(QStringLiteral("not-there.doc"));
    e->mnuOle_Click();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(e->RichTextBox1->textRtf(), before);
}

TEST_F(BulkLabelTest, DoubleClickOnAnObjectHandsItsFileToTheDesktop)
{
    const QString pdf = file(QStringLiteral("原材料表.pdf"));
    const QByteArray pdfBytes("%PDF-1.4\n% a label sheet\n");
    writeFileBytes(pdf, pdfBytes);
    std::vector<shell::ShellAction> launched;
    bool opens = true;
    shell::setLauncher([&](const shell::ShellAction& a) {
        launched.push_back(a);
        return opens;
    });

    frmTextSub4* e = editor();
    const auto doubleClickObject = [&] {
        rt::RichTextEdit* view = e->RichTextBox1View;
        const rt::LaidLine* withObject = nullptr;
        for (const rt::LaidLine& l : e->RichTextBox1->layout()->lines())
            if (!l.objects.isEmpty())
                withObject = &l;
        ASSERT_NE(withObject, nullptr);
        const QPoint at = view->viewportPointAt(withObject->objects[0].rectMm.center()).toPoint();
        // A double-click on the blanks before the object opens nothing.
        const QPoint blank = view->viewportPointAt(QPointF(withObject->rectMm.center().x(), 1.0)).toPoint();
        EXPECT_EQ(view->objectAt(blank), nullptr);
        for (QPoint p : {blank, at})
            for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                   QEvent::MouseButtonRelease}) {
                QMouseEvent ev(t, QPointF(p), QPointF(view->viewport()->mapToGlobal(p)), Qt::LeftButton,
                               t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
                QApplication::sendEvent(view->viewport(), &ev);
            }
    };

    dialogPath = pdf;
    e->mnuOle_Click();
    doubleClickObject();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0].kind, shell::ActionKind::OpenDocument);
    EXPECT_EQ(QFileInfo(launched[0].target).fileName(), QStringLiteral("原材料表.pdf"));
    EXPECT_NE(launched[0].target, pdf); // a copy of what the label carries, not the file it came from
    EXPECT_EQ(bytesOf(launched[0].target), pdfBytes);
    EXPECT_EQ(e->RichTextBox1->selStart(), app::BulkLabel::ObjectLeadBlanks); // the object is selected
    EXPECT_EQ(e->RichTextBox1->selLength(), 1);

    // Read back from the label file the name is gone; the type names the copy.
    e->Command1_Click();
    QFile::remove(pdf);
    e->mnuExit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    e = editor();
    opens = false; // and nothing on the desktop takes it
    doubleClickObject();
    ASSERT_EQ(launched.size(), 2u);
    EXPECT_EQ(QFileInfo(launched[1].target).fileName(), QStringLiteral("オブジェクト.pdf"));
    EXPECT_EQ(bytesOf(launched[1].target), pdfBytes);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(launched[1].target));
    shell::setLauncher({});
}
