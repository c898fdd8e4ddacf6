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

} // namespace rt
