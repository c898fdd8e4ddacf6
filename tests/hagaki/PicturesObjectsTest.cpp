// Pictures and objects in a page: the picture picker's lists and its copy
// to the clipboard, pasting the picture into a page and keeping it through a
// save, and embedding files through the object-insertion dialog.
#include "editors/PageInserts.h"
#include "editors/frmFileLoad.h"
#include "editors/frmHagakiSub.h"
#include "platform/files/Volumes.h"
#include "platform/forms/FileLists.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "common/FileBytes.h"
#include "common/PipeRelease.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using editors::frmFileLoad;
using editors::frmHagakiSub;

namespace {

// A small picture with a pattern that a lossy path would spoil.
QImage pattern()
{
    QImage img(24, 16, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x * 10, y * 15, (x + y) % 2 ? 255 : 0));
    return img;
}

QStringList listed(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

struct Messages {
    Messages()
    {
        ui::clearShownMessages();
        ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
    }
    ~Messages() { ui::setAnswerer({}); }
    size_t count() const { return ui::shownMessages().size(); }
};

// The objects of a document, in order.
std::vector<std::shared_ptr<rt::EmbeddedObject>> objectsOf(const rt::RichDocument& doc)
{
    std::vector<std::shared_ptr<rt::EmbeddedObject>> out;
    for (const rt::Paragraph& p : doc.paragraphs)
        for (const rt::Inline& i : p.items)
            if (i.isObject())
                out.push_back(i.object);
    return out;
}

// The picker's "コピー(&O)" on a file of the current folder, then the
// editor's paste-picture command; the page's objects afterwards.
std::vector<std::shared_ptr<rt::EmbeddedObject>> pasteThroughPicker(rt::RichTextEdit& view, const QString& file)
{
    editors::PageInserts inserts(view, view.parentWidget());
    {
        frmFileLoad picker(*view.box());
        picker.File1->setFileName(file);
        picker.Command1_Click();
    }
    inserts.pastePicture();
    return objectsOf(view.box()->document());
}

class PictureFolder : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString oldCurrent;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QImage img = pattern();
        ASSERT_TRUE(img.save(dir.filePath("a.gif"), "PNG")); // content decides, not the name
        ASSERT_TRUE(img.save(dir.filePath("b.JPG"), "JPEG"));
        ASSERT_TRUE(img.save(dir.filePath("c.bmp"), "BMP"));
        ASSERT_TRUE(img.save(dir.filePath("d.png"), "PNG"));
        writeFileBytes(dir.filePath("e.txt"), "text");
        writeFileBytes(dir.filePath("broken.jpg"), "not a picture at all");
        ASSERT_TRUE(QDir(dir.path()).mkdir("写真"));
        oldCurrent = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }
    void TearDown() override { QDir::setCurrent(oldCurrent); }
};

} // namespace

TEST_F(PictureFolder, ListsStartAtTheCurrentFolderAndShowOnlyThePattern)
{
    rt::RichTextBox page;
    frmFileLoad picker(page);
    EXPECT_EQ(picker.windowTitle(), "画像の読み込み");
    EXPECT_EQ(picker.Command1->text(), "コピー(&O)");
    EXPECT_EQ(picker.File1->pattern(), "*.gif;*.jpg;*.jpeg;*.png;*.bmp");
    EXPECT_EQ(picker.Dir1->path(), QDir(dir.path()).canonicalPath());
    // Case does not matter; txt is not listed.
    EXPECT_EQ(listed(picker.File1), (QStringList{"a.gif", "b.JPG", "broken.jpg", "c.bmp", "d.png"}));
    // The folder list ends with the subfolder; opening it empties the file list.
    const QListWidget* dirs = picker.Dir1;
    ASSERT_GT(dirs->count(), 1);
    EXPECT_TRUE(dirs->item(dirs->count() - 1)->text().endsWith("写真"));
    emit picker.Dir1->itemActivated(dirs->item(dirs->count() - 1));
    EXPECT_EQ(picker.Dir1->path(), QDir(dir.path()).canonicalPath() + "/写真");
    EXPECT_TRUE(listed(picker.File1).isEmpty());
}

TEST_F(PictureFolder, DriveListShowsTheMountedVolumesAndOpensTheChosenOne)
{
    QTemporaryDir usb;
    const QString usbRoot = QDir(usb.path()).canonicalPath();
    ASSERT_TRUE(pattern().save(usbRoot + "/card.bmp", "BMP"));
    files::setVolumeLister([&] { return QList<files::Volume>{{"/", ""}, {usbRoot, "USB"}}; });
    {
        rt::RichTextBox page;
        frmFileLoad picker(page);
        ASSERT_EQ(picker.Drive1->count(), 2);
        EXPECT_EQ(picker.Drive1->itemText(1), usbRoot + " [USB]");
        EXPECT_EQ(picker.Drive1->drive(), "/"); // the current folder lies on the root volume
        picker.Drive1->setCurrentIndex(1);
        emit picker.Drive1->activated(1);
        EXPECT_EQ(picker.Dir1->path(), usbRoot);
        EXPECT_EQ(listed(picker.File1), QStringList{"card.bmp"});
    }
    files::setVolumeLister({});
    // The volume that holds a path is the one with the longest root.
    const QList<files::Volume> vols{{"/", ""}, {"/media/u/USB", "USB"}, {"/media/u/USB2", ""}};
    EXPECT_EQ(files::volumeRootOf("/media/u/USB/photos/a.jpg", vols), "/media/u/USB");
    EXPECT_EQ(files::volumeRootOf("/media/u/USB2", vols), "/media/u/USB2");
    EXPECT_EQ(files::volumeRootOf("/media/u/USB22/x", vols), "/");
    EXPECT_FALSE(files::mountedVolumes().isEmpty());
}

TEST_F(PictureFolder, CopyPutsThePictureOnTheClipboardAndLeavesABlankInThePage)
{
    Messages messages;
    rt::RichTextBox page;
    page.setText(QStringLiteral("謹賀新年"));
    page.setSelStart(1);
    page.setSelLength(2);
    auto* picker = new frmFileLoad(page);

    // No file chosen: the clipboard is emptied and the picker stays open.
    picker->Command1_Click();
    EXPECT_FALSE(picker->isUnloaded());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    EXPECT_EQ(page.text(), "謹賀新年");

    // A file that is no picture: a message, the page and the picker as they were.
    picker->File1->setFileName("broken.jpg");
    picker->File1_Click();
    EXPECT_TRUE(picker->previewImage().isNull());
    picker->Command1_Click();
    EXPECT_EQ(messages.count(), 1u);
    EXPECT_FALSE(picker->isUnloaded());
    EXPECT_EQ(page.text(), "謹賀新年");
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());

    picker->File1->setFileName("c.bmp");
    picker->File1_Click();
    EXPECT_EQ(picker->previewImage().convertToFormat(QImage::Format_RGB32), pattern());
    picker->Command1_Click();
    EXPECT_TRUE(picker->isUnloaded());
    EXPECT_EQ(page.text(), "謹 年");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), pattern());
    EXPECT_EQ(messages.count(), 1u);
}

TEST_F(PictureFolder, PastedPictureSurvivesSaveAndReload)
{
    QWidget window;
    rt::RichTextEdit view(&window);
    view.box()->setText(QStringLiteral("宛名"));
    view.box()->setSelStart(2);
    const auto pics = pasteThroughPicker(view, "a.gif");
    ASSERT_EQ(pics.size(), 1u);
    EXPECT_EQ(pics[0]->kind, rt::EmbeddedObject::Kind::Picture);
    EXPECT_EQ(view.box()->text(), QStringLiteral("宛名 ") + QChar(0xFFFC));

    const QString file = dir.filePath("card.rtf");
    QString error;
    ASSERT_TRUE(view.box()->saveFile(file, &error)) << error.toStdString();
    rt::RichTextBox reread;
    ASSERT_TRUE(reread.loadFile(file, &error)) << error.toStdString();
    const auto back = objectsOf(reread.document());
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(QImage::fromData(back[0]->png).convertToFormat(QImage::Format_RGB32), pattern());
    EXPECT_NEAR(back[0]->sizeMm.width(), pics[0]->sizeMm.width(), 0.05);
    EXPECT_NEAR(back[0]->sizeMm.height(), pics[0]->sizeMm.height(), 0.05);
}

// A link named like a photograph that leads to a pipe: clicked and copied,
// it is refused at once with a message, as is a file that is no picture,
// and the picker stays for another file; PNG and JPEG files are copied.
TEST_F(PictureFolder, PngAndJpegAreCopiedAndALinkToAPipeIsRefusedAtOnce)
{
    Messages messages;
    PipeRelease release(dir.filePath("pipe"));
    ASSERT_TRUE(release.made());
    ASSERT_TRUE(QFile::link(dir.filePath("pipe"), dir.filePath("x.jpg")));
    ASSERT_TRUE(pattern().save(dir.filePath("g.jpeg"), "JPEG"));
    rt::RichTextBox page;
    auto* picker = new frmFileLoad(page);
    const auto choose = [&](const QString& name) {
        const QList<QListWidgetItem*> items = picker->File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        picker->File1->setCurrentItem(items[0]);
        emit picker->File1->itemClicked(items[0]);
    };
    ASSERT_NO_FATAL_FAILURE(choose("x.jpg"));
    QElapsedTimer t;
    t.start();
    picker->Command1->click();
    EXPECT_LT(t.elapsed(), 1000);
    EXPECT_FALSE(release.released()) << "the picker waited on the pipe";
    EXPECT_EQ(messages.count(), 1u);
    EXPECT_FALSE(picker->isUnloaded());
    EXPECT_TRUE(picker->previewImage().isNull());

    ASSERT_NO_FATAL_FAILURE(choose("g.jpeg"));
    EXPECT_EQ(picker->previewImage().size(), QSize(24, 16));
    ASSERT_NO_FATAL_FAILURE(choose("d.png"));
    EXPECT_EQ(picker->previewImage().convertToFormat(QImage::Format_RGB32), pattern());
    picker->Command1->click();
    EXPECT_TRUE(picker->isUnloaded());
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), pattern());
    EXPECT_EQ(messages.count(), 1u);
}

// 2000 x 1000 pixels at 96 dpi is 529.2 x 264.6 mm; on a 94 x 142 page it
// comes in 94 mm wide and, kept in proportion, 47 mm high.
TEST_F(PictureFolder, APictureLargerThanThePageComesInAtThePageWidth)
{
    QImage big(2000, 1000, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    big.setDotsPerMeterX(3780);
    big.setDotsPerMeterY(3780);
    ASSERT_TRUE(big.save(dir.filePath("big.bmp"), "BMP"));
    QWidget window;
    rt::RichTextEdit view(&window);
    view.box()->setWidthMm(94);
    view.box()->setHeightMm(142);
    const auto pics = pasteThroughPicker(view, "big.bmp");
    ASSERT_EQ(pics.size(), 1u);
    EXPECT_NEAR(pics[0]->sizeMm.width(), 94, 0.1);
    EXPECT_NEAR(pics[0]->sizeMm.height(), 47, 0.1);
    EXPECT_EQ(QImage::fromData(pics[0]->png).size(), QSize(2000, 1000)); // every pixel kept
}

TEST_F(PictureFolder, EmbeddingTheSameFileTwiceEmbedsItTwiceAndKeepsItsBytes)
{
    Messages messages;
    QWidget window;
    rt::RichTextEdit view(&window);
    view.box()->setWidthMm(94);
    view.box()->setHeightMm(142);
    editors::PageInserts inserts(view, &window);
    EXPECT_EQ(inserts.Text11->text(), "Text11");
    EXPECT_TRUE(inserts.Text11->isHidden());

    const QString doc = dir.filePath("案内.doc");
    const QByteArray docBytes("\xD0\xCF\x11\xE0 a word-processor document", 30);
    writeFileBytes(doc, docBytes);
    ASSERT_TRUE(inserts.embedFile(doc));
    ASSERT_TRUE(inserts.embedFile(doc));
    EXPECT_EQ(inserts.Text11->text(), doc);

    // A path that does not exist: a message, the page as it was.
    const QString before = view.box()->text();
    EXPECT_FALSE(inserts.embedFile(dir.filePath("ない.doc")));
    EXPECT_EQ(messages.count(), 1u);
    EXPECT_EQ(view.box()->text(), before);

    const QString file = dir.filePath("objects.rtf");
    ASSERT_TRUE(view.box()->saveFile(file));
    rt::RichTextBox reread;
    ASSERT_TRUE(reread.loadFile(file));
    const auto objs = objectsOf(reread.document());
    ASSERT_EQ(objs.size(), 2u);
    for (const auto& o : objs) {
        EXPECT_EQ(o->kind, rt::EmbeddedObject::Kind::Object);
        EXPECT_EQ(o->objectData, docBytes);
        EXPECT_LE(o->sizeMm.width(), 94);
    }
}

TEST(ObjectDialog, BrowsesForWordFilesAndHandsThePathOver)
{
    QStringList handed;
    bool accept = false;
    auto* d = new frmHagakiSub([&](const QString& p) {
        handed << p;
        return accept;
    });
    EXPECT_EQ(d->windowTitle(), "ｵﾌﾞｼﾞｪｸﾄの挿入");

    ui::clearShownDialogs();
    ui::setDialogAnswerer([](const ui::DialogRequest&) {
        ui::DialogAnswer a;
        a.accepted = true;
        a.path = "/tmp/案内.doc";
        return a;
    });
    d->Command3_Click();
    ui::setDialogAnswerer({});
    ASSERT_EQ(ui::shownDialogs().size(), 1u);
    const ui::DialogRequest& r = ui::shownDialogs().back();
    EXPECT_EQ(r.title, "開く");
    EXPECT_EQ(r.filters, ui::VbFilterToQt("すべてのファイル (*.*)|*.*|ﾜｰﾄﾞ形式のﾌｧｲﾙ (*.doc)|*.doc"));
    EXPECT_EQ(r.filterIndex, 2);
    EXPECT_EQ(d->Text3->text(), "/tmp/案内.doc");

    // Refused by the editor: the dialog stays for another path.
    d->Command1_Click();
    EXPECT_FALSE(d->isUnloaded());
    accept = true;
    d->Command1_Click();
    EXPECT_TRUE(d->isUnloaded());
    EXPECT_EQ(handed, (QStringList{"/tmp/案内.doc", "/tmp/案内.doc"}));

    // An empty path hands nothing over and closes.
    auto* empty = new frmHagakiSub([&](const QString& p) {
        handed << p;
        return true;
    });
    empty->Command1_Click();
    EXPECT_TRUE(empty->isUnloaded());
    EXPECT_EQ(handed.size(), 2);
}
