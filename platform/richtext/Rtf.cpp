#include "platform/richtext/Rtf.h"

#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"

namespace rt {

bool readRtf(const QByteArray& rtf, RichDocument& out, QString* error)
{
    return readRtf(rtf, out, nullptr, error);
}

bool readRtf(const QByteArray& rtf, RichDocument& out, RtfInfo* info, QString* error)
{
    RichDocument doc;
    RtfInfo found;
    QString message;
    if (!RtfReader(rtf).read(doc, found, message)) {
        if (error)
            *error = message;
        return false;
    }
    out = std::move(doc);
    if (info)
        *info = found;
    if (error)
        error->clear();
    return true;
}

QByteArray writeRtf(const RichDocument& doc)
{
    return RtfWriter(doc).write();
}

} // namespace rt
