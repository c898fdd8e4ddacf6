// Rich-text files of a box. A load reads into a separate document so that a
// damaged file leaves the box as it was; a save goes through a temporary file
// so that a failed write never destroys the file it replaces.
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/Rtf.h"

#include <QFile>
#include <QSaveFile>

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
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("ファイル「%1」を開けません。%2").arg(path, f.errorString()));
        return false;
    }
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("ファイル「%1」を読めません。%2").arg(path, f.errorString()));
        return false;
    }
    return setTextRtf(data, error);
}

bool RichTextBox::saveFile(const QString& path, QString* error) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        setError(error, QStringLiteral("ファイル「%1」に保存できません。%2").arg(path, f.errorString()));
        return false;
    }
    const QByteArray data = textRtf();
    if (f.write(data) != data.size() || !f.commit()) {
        setError(error, QStringLiteral("ファイル「%1」に保存できません。%2").arg(path, f.errorString()));
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
