#include "model/LiveStore.h"

#include "platform/vb/VbNum.h"

namespace app {

namespace {

// Appends to a fixed table; a full table refuses with the message for the user.
template <typename T, size_t N>
bool appendRow(std::array<T, N>& table, int& count, const T& row, const QString& what, QString* message)
{
    if (count >= int(N)) {
        if (message)
            *message = QStringLiteral("登録できる%1は%2件までです。").arg(what).arg(N);
        return false;
    }
    table[size_t(count)] = row;
    ++count;
    return true;
}

// Removes a row; the later rows move up by one.
template <typename T, size_t N>
bool removeRow(std::array<T, N>& table, int& count, int row)
{
    if (row < 0 || row >= count)
        return false;
    for (int r = row; r < count - 1; ++r)
        table[size_t(r)] = table[size_t(r + 1)];
    table[size_t(count - 1)] = T{};
    --count;
    return true;
}

} // namespace

bool LiveStore::addSize(const RegisteredSize& size, QString* message)
{
    const bool ok = appendRow(sizes, RegSizeCount, size, QStringLiteral("のし紙サイズ"), message);
    dirty_ = dirty_ || ok;
    return ok;
}

bool LiveStore::deleteSize(int row)
{
    const bool ok = removeRow(sizes, RegSizeCount, row);
    dirty_ = dirty_ || ok;
    return ok;
}

bool LiveStore::addOmote(const QString& text, QString* message)
{
    const bool ok = appendRow(OmoteList, OmoteCount, text, QStringLiteral("表書き"), message);
    dirty_ = dirty_ || ok;
    return ok;
}

bool LiveStore::deleteOmote(int index)
{
    const bool ok = removeRow(OmoteList, OmoteCount, index);
    dirty_ = dirty_ || ok;
    return ok;
}

int LiveStore::findSize(const QString& name, int style) const
{
    if (style < 0 || style >= NameStyleCount)
        return RegSizeCount;
    const QString wanted = vb::TrimBoth(name);
    for (int r = 0; r < RegSizeCount; ++r) {
        if (vb::TrimBoth(sizes[size_t(r)].RegSizeName[size_t(style)]) == wanted)
            return r;
    }
    return RegSizeCount;
}

LiveStore& store()
{
    static LiveStore s;
    return s;
}

} // namespace app
