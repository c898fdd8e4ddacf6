// Rich-text files of a box. A load reads into a separate document so that a
// damaged file leaves the box as it was; a save goes through a temporary file
// so that a failed write never destroys the file it replaces.
#include "platform/files/SafeFile.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/Rtf.h"
#include "platform/richtext/RtfReader.h"


namespace rt {

namespace {
void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}
} // namespace

bool RichTextBox::loadFile(const QString& path, QString* error)
{
    const files::ReadResult file = files::readRegularFile(path, RtfReader::kMaxInput);
    if (!file.ok()) {
        setError(error, QStringLiteral("ファイル「%1」を開けません。%2").arg(path, file.reason));
        return false;
    }
    return setTextRtf(file.bytes, error);
}

bool RichTextBox::saveFile(const QString& path, QString* error) const
{
    QString reason;
    if (!files::writeFileSafely(path, textRtf(), &reason)) {
        setError(error, QStringLiteral("ファイル「%1」に保存できません。%2").arg(path, reason));
        return false;
    }
    return true;
}

QByteArray RichTextBox::textRtf() const
{
    return writeRtf(doc_);
}

bool RichTextBox::setTextRtf(const QByteArray& rtf, QString* error)
{
    RichDocument loaded;
    if (!readRtf(rtf, loaded, error))
        return false;
    setDocument(loaded);
    return true;
}

} // namespace rt
