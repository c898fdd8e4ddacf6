#include "platform/richtext/RichTextEditFileObject.h"

#include "platform/files/PictureFile.h"
#include "platform/files/SafeFile.h"
#include "platform/richtext/RichDocument.h"
#include "platform/richtext/RichTextEditClipboard.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>
#include <algorithm>

namespace rt {

namespace {

// The package's face is drawn finely enough to print legibly.
constexpr double FaceDotsPerMm = 300 / 25.4;
const QSizeF PackageFaceMm(50, 40);

QSizeF scaledDown(const QSizeF& size, const QSizeF& fit)
{
    if (size.width() <= 0 || size.height() <= 0)
        return fit;
    const double k = std::min({1.0, fit.width() / size.width(), fit.height() / size.height()});
    return size * k;
}

QByteArray packageFace(const QSizeF& mm, const QString& fileName)
{
    QImage img(qMax(1, qRound(mm.width() * FaceDotsPerMm)), qMax(1, qRound(mm.height() * FaceDotsPerMm)),
               QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setDotsPerMeterX(qRound(FaceDotsPerMm * 1000));
    img.setDotsPerMeterY(qRound(FaceDotsPerMm * 1000));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const double line = 0.3 * FaceDotsPerMm;
        p.setPen(QPen(Qt::black, line));
        p.drawRect(QRectF(img.rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2));
        QFont f(QStringLiteral("IPAGothic"));
        f.setPixelSize(qRound(3.5 * FaceDotsPerMm));
        p.setFont(f);
        const QRectF inner = QRectF(img.rect()).adjusted(2 * FaceDotsPerMm, 2 * FaceDotsPerMm, -2 * FaceDotsPerMm,
                                                          -2 * FaceDotsPerMm);
        p.drawText(inner, Qt::AlignCenter | Qt::TextWrapAnywhere, fileName);
    }
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return png;
}

void fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

std::shared_ptr<EmbeddedObject> objectFromFile(const QString& path, const QSizeF& fitMm, QString* error)
{
    const files::ReadResult file = files::readRegularFile(path, MaxEmbeddedFileBytes);
    if (file.status == files::ReadStatus::Missing) {
        fail(error, QStringLiteral("ファイル「%1」が見つかりません。").arg(path));
        return nullptr;
    }
    if (!file.ok()) {
        fail(error, QStringLiteral("ファイル「%1」を挿入できません。%2").arg(path, file.reason));
        return nullptr;
    }
    const QByteArray& bytes = file.bytes;

    const files::PictureRead picture = files::decodePicture(bytes);
    if (picture.status == files::PictureStatus::TooLarge) {
        // Embedded as a package it would carry the whole file and show a mere frame.
        fail(error, QStringLiteral("ファイル「%1」を挿入できません。%2").arg(path, picture.reason));
        return nullptr;
    }
    if (picture.ok()) {
        std::shared_ptr<EmbeddedObject> pic = clip::pictureFrom(picture.image);
        if (pic) {
            pic->sizeMm = scaledDown(pic->sizeMm, fitMm);
            pic->sourcePath = path;
            return pic;
        }
    }

    auto obj = std::make_shared<EmbeddedObject>();
    obj->kind = EmbeddedObject::Kind::Object;
    obj->objectClass = PackageObjectClass;
    obj->objectData = bytes;
    obj->sourcePath = path;
    obj->sizeMm = scaledDown(PackageFaceMm, fitMm);
    obj->png = packageFace(obj->sizeMm, QFileInfo(path).fileName());
    return obj;
}

QString writeObjectFile(const EmbeddedObject& obj, const QString& dir, QString* error)
{
    const bool package = obj.kind == EmbeddedObject::Kind::Object && !obj.objectData.isEmpty();
    const QByteArray& bytes = package ? obj.objectData : obj.png;
    if (bytes.isEmpty()) {
        fail(error, QStringLiteral("このオブジェクトには開けるファイルがありません。"));
        return {};
    }
    QString name = QFileInfo(obj.sourcePath).fileName();
    if (!package && !name.isEmpty())
        name = QFileInfo(name).completeBaseName() + QStringLiteral(".png");
    if (name.isEmpty()) {
        // A label file keeps the bytes but not the name: the type gives the extension.
        const QString suffix = QMimeDatabase().mimeTypeForData(bytes).preferredSuffix();
        name = QStringLiteral("オブジェクト") + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    }
    const QString path = QDir(dir).filePath(name);
    QString reason;
    if (!files::writeFileSafely(path, bytes, &reason)) {
        fail(error, QStringLiteral("ファイル「%1」を書き出せません。%2").arg(path, reason));
        return {};
    }
    return path;
}

} // namespace rt
