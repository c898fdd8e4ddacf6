#include "platform/print/PaperCodes.h"

namespace prn {

namespace {
struct CodeRow {
    int code;
    QPageSize::PageSizeId id;
};
constexpr CodeRow kRows[] = {
    {DMPAPER_A3, QPageSize::A3},
    {DMPAPER_A4, QPageSize::A4},
    {DMPAPER_A5, QPageSize::A5},
    {DMPAPER_B4, QPageSize::JisB4},
    {DMPAPER_B5, QPageSize::JisB5},
    {DMPAPER_JAPANESE_POSTCARD, QPageSize::Postcard},
    {DMPAPER_DBL_JAPANESE_POSTCARD, QPageSize::DoublePostcard},
};
} // namespace

std::optional<QPageSize> pageSizeForCode(int code)
{
    for (const auto& r : kRows)
        if (r.code == code)
            return QPageSize(r.id);
    return std::nullopt;
}

int codeForPageSize(const QPageSize& size)
{
    for (const auto& r : kRows)
        if (size.id() == r.id)
            return r.code;
    return size.isValid() ? size.windowsId() : 0;
}

int driverPaperCode(const QPageSize& size, int indexInDriverList)
{
    const int code = codeForPageSize(size);
    return code != 0 ? code : DMPAPER_USER + 1 + indexInDriverList;
}

} // namespace prn
