#include "platform/print/RecordingBackend.h"

#include "platform/print/PaperCodes.h"
#include "platform/richtext/RichTextBox.h"

#include <cmath>

namespace prn {

RecordingBackend::RecordingBackend() = default;
RecordingBackend::RecordingBackend(Device device)
    : device_(std::move(device)), code_(device_.initialCode), uprightMm_(device_.initialMm)
{
}

namespace {
QString rectText(const TwipRect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}
} // namespace

QStringList RecordingBackend::log() const
{
    QStringList out;
    for (const auto& c : calls_) {
        if (c.op == QLatin1String("box"))
            out << QStringLiteral("box %1 %2 page %3").arg(c.box, rectText(c.rc), rectText(c.page));
        else if (c.op == QLatin1String("release"))
            out << QStringLiteral("release %1").arg(c.box);
        else if (c.op == QLatin1String("userPaper"))
            out << QStringLiteral("userPaper %1x%2").arg(c.a).arg(c.b);
        else if (c.op == QLatin1String("paper") || c.op == QLatin1String("orientation"))
            out << QStringLiteral("%1 %2").arg(c.op).arg(c.a);
        else
            out << c.op;
    }
    return out;
}

void RecordingBackend::record(const QString& op, const QString& box, int a, int b)
{
    Call c;
    c.op = op;
    c.box = box;
    c.a = a;
    c.b = b;
    calls_.push_back(c);
}

std::vector<RecordingBackend::Call> RecordingBackend::boxes() const
{
    std::vector<Call> out;
    for (const auto& c : calls_)
        if (c.op == QLatin1String("box"))
            out.push_back(c);
    return out;
}

int RecordingBackend::count(const QString& op) const
{
    int n = 0;
    for (const auto& c : calls_)
        n += c.op == op;
    return n;
}

bool RecordingBackend::setPaperCode(int code)
{
    const auto size = pageSizeForCode(code);
    if (!size || device_.refusedCodes.contains(code))
        return false;
    record(QStringLiteral("paper"), {}, code);
    code_ = code;
    uprightMm_ = size->size(QPageSize::Millimeter);
    return true;
}

bool RecordingBackend::setUserPaper(int widthTwips, int heightTwips)
{
    if (device_.refuseUserPaper)
        return false;
    record(QStringLiteral("userPaper"), {}, widthTwips, heightTwips);
    code_ = DMPAPER_USER;
    uprightMm_ = QSizeF(widthTwips * 25.4 / TwipsPerInch, heightTwips * 25.4 / TwipsPerInch);
    return true;
}

bool RecordingBackend::setOrientation(int orientation)
{
    record(QStringLiteral("orientation"), {}, orientation);
    orientation_ = orientation;
    return true;
}

QSize RecordingBackend::physicalSizePx() const
{
    const auto px = [this](double mm) { return int(std::lround(mm / 25.4 * device_.dpi)); };
    const QSize upright(px(uprightMm_.width()), px(uprightMm_.height()));
    return orientation_ == vbPRORLandscape ? upright.transposed() : upright;
}

QSize RecordingBackend::printableSizePx() const
{
    const QSize phys = physicalSizePx();
    return QSize(phys.width() - 2 * device_.marginPx.x(), phys.height() - 2 * device_.marginPx.y());
}

bool RecordingBackend::startDoc()
{
    if (device_.failStart)
        return false;
    record(QStringLiteral("startDoc"));
    return true;
}

QString RecordingBackend::errorText() const
{
    return device_.failStart ? QStringLiteral("the recording device refuses to start") : QString();
}

void RecordingBackend::newPage() { record(QStringLiteral("newPage")); }
void RecordingBackend::endDoc() { record(QStringLiteral("endDoc")); }

void RecordingBackend::drawBox(const rt::RichTextBox& box, const TwipRect& rc, const TwipRect& page)
{
    record(QStringLiteral("box"), box.objectName());
    calls_.back().rc = rc;
    calls_.back().page = page;
}

void RecordingBackend::releaseBox(const rt::RichTextBox& box)
{
    record(QStringLiteral("release"), box.objectName());
}

} // namespace prn
