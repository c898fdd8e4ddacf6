#include "app/LiveStore.h"

#include "platform/vb/VbNum.h"

namespace app {

bool LiveStore::addSize(const RegisteredSize& size, QString* message)
{
    if (RegSizeCount >= RegSizeCapacity) {
        if (message)
            *message = QStringLiteral("登録できるのし紙サイズは%1件までです。").arg(RegSizeCapacity);
        return false;
    }
    sizes[size_t(RegSizeCount)] = size;
    ++RegSizeCount;
    dirty_ = true;
    return true;
}

bool LiveStore::deleteSize(int row)
{
    if (row < 0 || row >= RegSizeCount)
        return false;
    for (int r = row; r < RegSizeCount - 1; ++r)
        sizes[size_t(r)] = sizes[size_t(r + 1)];
    sizes[size_t(RegSizeCount - 1)] = RegisteredSize{};
    --RegSizeCount;
    dirty_ = true;
    return true;
}

bool LiveStore::addOmote(const QString& text, QString* message)
{
    if (OmoteCount >= OmoteCapacity) {
        if (message)
            *message = QStringLiteral("登録できる表書きは%1件までです。").arg(OmoteCapacity);
        return false;
    }
    OmoteList[size_t(OmoteCount)] = text;
    ++OmoteCount;
    dirty_ = true;
    return true;
}

bool LiveStore::deleteOmote(int index)
{
    if (index < 0 || index >= OmoteCount)
        return false;
    for (int i = index; i < OmoteCount - 1; ++i)
        OmoteList[size_t(i)] = OmoteList[size_t(i + 1)];
    OmoteList[size_t(OmoteCount - 1)].clear();
    --OmoteCount;
    dirty_ = true;
    return true;
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
