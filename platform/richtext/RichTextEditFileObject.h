// The object that the editors' "オブジェクトの挿入" commands make from a
// chosen file. There is no word processor to embed a document live, so a
// picture file becomes its picture, and any other file is embedded as a
// package: the file's bytes travel inside the document, and a framed box
// with the file's name stands for it on screen and on paper.
#pragma once

#include <QSizeF>
#include <QString>
#include <memory>

namespace rt {

struct EmbeddedObject;

inline const QString PackageObjectClass = QStringLiteral("Package");

// Files above this size are refused: the document carries them as hex text.
inline constexpr qint64 MaxEmbeddedFileBytes = 32 * 1024 * 1024;

// The object for a file, no larger than fit (pictures are scaled down, keeping
// their proportions). Nothing, with a message in *error, when the file cannot be read.
std::shared_ptr<EmbeddedObject> objectFromFile(const QString& path, const QSizeF& fitMm, QString* error);

// The reverse, for opening an object with the desktop: writes what the object
// carries (a package's file, a picture as PNG) into dir, named after the file
// it was made from, or by its content's type when that name was not kept.
// The path written, or nothing with a message naming the file in *error.
QString writeObjectFile(const EmbeddedObject& obj, const QString& dir, QString* error);

} // namespace rt
