#include "editors/frmFileLoad.h"

#include "platform/files/PictureFile.h"
#include "platform/forms/FileLists.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"

#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace editors {

namespace {

constexpr int PreviewSidePx = 180;

// A picture larger than the page gets a finer resolution, so that it is
// pasted no larger than the page; its pixels stay as they are.
QImage fittedTo(QImage img, const QSizeF& pageMm)
{
    constexpr double ScreenDotsPerMetre = 96 / 0.0254;
    const double dpmX = img.dotsPerMeterX() > 0 ? img.dotsPerMeterX() : ScreenDotsPerMetre;
    const double dpmY = img.dotsPerMeterY() > 0 ? img.dotsPerMeterY() : ScreenDotsPerMetre;
    if (pageMm.width() <= 0 || pageMm.height() <= 0)
        return img;
    const double k = std::max(img.width() * 1000.0 / dpmX / pageMm.width(),
                              img.height() * 1000.0 / dpmY / pageMm.height());
    if (k > 1) {
        img.setDotsPerMeterX(int(std::ceil(dpmX * k)));
        img.setDotsPerMeterY(int(std::ceil(dpmY * k)));
    }
    return img;
}

} // namespace

frmFileLoad::frmFileLoad(rt::RichTextBox& page, QWidget* parent) : forms::Form(parent), page_(page)
{
    setWindowTitle(QStringLiteral("画像の読み込み"));
    Drive1 = new forms::DriveListBox(this);
    Label1 = new QLabel(QStringLiteral("ファイルの場所(&I)"), this);
    Dir1 = new forms::DirListBox(this);
    Label2 = new QLabel(QStringLiteral("ファイル名(&N)"), this);
    File1 = new forms::FileListBox(this);
    File1->setPattern(Pattern);
    Label3 = new QLabel(QStringLiteral("プレビュー"), this);
    Image1 = new QLabel(this);
    Image1->setFixedSize(PreviewSidePx, PreviewSidePx);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::Box);
    Command1 = new QPushButton(QStringLiteral("コピー(&O)"), this);
    Command2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    Label1->setBuddy(Dir1);
    Label2->setBuddy(File1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(Label3, 0, 2);
    grid->addWidget(Dir1, 1, 0, 2, 1);
    grid->addWidget(File1, 1, 1, 2, 1);
    grid->addWidget(Image1, 1, 2);
    grid->addWidget(Drive1, 3, 0);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 2);
    resize(640, 360);

    connect(Drive1, &forms::DriveListBox::changed, this, &frmFileLoad::Drive1_Change);
    connect(Dir1, &forms::DirListBox::changed, this, &frmFileLoad::Dir1_Change);
    connect(File1, &forms::FileListBox::clicked, this, &frmFileLoad::File1_Click);
    connect(Command1, &QPushButton::clicked, this, &frmFileLoad::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmFileLoad::Command2_Click);

    // The process's current drive and folder.
    const QString here = QDir::currentPath();
    Drive1->setDrive(here);
    Dir1->setPath(here);
}

void frmFileLoad::Drive1_Change()
{
    // A drive that cannot be read leaves the folder list where it was.
    Dir1->setPath(Drive1->drive());
}

void frmFileLoad::Dir1_Change()
{
    File1->setPath(Dir1->path());
}

void frmFileLoad::File1_Click()
{
    const QString path = File1->filePath();
    if (path.isEmpty())
        return;
    // A file that is no picture leaves the previous preview.
    const files::PictureRead pic = files::readPictureFile(path);
    if (!pic.ok())
        return;
    preview_ = pic.image;
    Image1->setPixmap(QPixmap::fromImage(
        pic.image.scaled(Image1->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void frmFileLoad::Command1_Click()
{
    QGuiApplication::clipboard()->clear();
    const QString path = File1->filePath();
    if (path.isEmpty())
        return;
    const files::PictureRead pic = files::readPictureFile(path);
    if (!pic.ok()) {
        // The page stays as it was; the user may choose another file.
        ui::MsgBox(QStringLiteral("画像ファイル「%1」を読み込めません。\n%2").arg(path, pic.reason), ui::Buttons::Ok,
                   ui::Icon::Exclamation, QStringLiteral("Caution"));
        return;
    }
    QGuiApplication::clipboard()->setImage(fittedTo(pic.image, QSizeF(page_.widthMm(), page_.heightMm())));
    page_.setSelText(QStringLiteral(" "));
    unload();
}

void frmFileLoad::Command2_Click()
{
    unload();
}

QImage frmFileLoad::previewImage() const
{
    return preview_;
}

} // namespace editors
