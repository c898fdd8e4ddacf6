#include "model/LiveStore.h"

#include "model/StoreWatch.h"

#include "platform/text/Cp932.h"
#include "platform/vb/VbNum.h"

namespace app {

namespace {

const QString SizeWhat = QStringLiteral("のし紙サイズ");
const QString OmoteWhat = QStringLiteral("表書き");

StoreResult fullTable(const QString& what, int capacity)
{
    return StoreResult::refused(QStringLiteral("登録できる%1は%2件までです。").arg(what).arg(capacity));
}

bool fitsInt16(int v) { return v >= -32768 && v <= 32767; }

StoreResult checkNumbers(std::initializer_list<int> values)
{
    for (int v : values) {
        if (!fitsInt16(v))
            return StoreResult::refused(
                QStringLiteral("数値 %1 は登録できません（-32768～32767の範囲で入力して下さい）。").arg(v));
    }
    return {};
}

StoreResult checkSizeTexts(const RegisteredSize& z)
{
    for (int st = 0; st < NameStyleCount; ++st) {
        if (auto r = LiveStore::checkStorable(z.RegSizeName[size_t(st)], QStringLiteral("のし紙サイズ名")); !r)
            return r;
        if (auto r = LiveStore::checkStorable(z.RegSizeTemplate[size_t(st)], QStringLiteral("ひな形")); !r)
            return r;
    }
    return {};
}

// The character (a whole surrogate pair) at a UTF-16 index.
QString characterAt(const QString& text, qsizetype i)
{
    if (i < 0 || i >= text.size())
        return QString();
    if (text.at(i).isHighSurrogate() && i + 1 < text.size())
        return text.mid(i, 2);
    return text.mid(i, 1);
}

const RegisteredSize& emptySize()
{
    static const RegisteredSize z;
    return z;
}

} // namespace

RegisteredSize RegisteredSize::make(const QString& templateKey, const QString& name, int width, int height)
{
    RegisteredSize z;
    z.RegSizeTemplate.fill(templateKey);
    z.RegSizeName.fill(name);
    z.RegSizeWidth = width;
    z.RegSizeHeight = height;
    return z;
}

StoreResult LiveStore::checkStorable(const QString& text, const QString& what)
{
    if (text.contains(u'\r') || text.contains(u'\n'))
        return StoreResult::refused(QStringLiteral("%1に改行は使えません。").arg(what));
    cp932::Error err;
    cp932::encode(text, &err);
    if (err.failed) {
        const QString ch = characterAt(text, err.position);
        const uint cp = ch.isEmpty() ? 0 : ch.toUcs4().value(0);
        return StoreResult::refused(
            QStringLiteral("%1に保存できない文字「%2」（U+%3）があります。別の文字に変えて下さい。")
                .arg(what, ch, QStringLiteral("%1").arg(cp, 4, 16, QChar(u'0')).toUpper()));
    }
    return {};
}

const RegisteredSize& LiveStore::size(int row) const
{
    return validRow(row) ? sizes_[size_t(row)] : emptySize();
}

QStringList LiveStore::sizeNames(int style) const
{
    QStringList names;
    if (style < 0 || style >= NameStyleCount)
        return names;
    for (int r = 0; r < regSizeCount_; ++r)
        names << sizes_[size_t(r)].RegSizeName[size_t(style)];
    return names;
}

int LiveStore::findSize(const QString& name, int style) const
{
    if (style < 0 || style >= NameStyleCount)
        return regSizeCount_;
    const QString wanted = vb::TrimBoth(name);
    for (int r = 0; r < regSizeCount_; ++r) {
        if (vb::TrimBoth(sizes_[size_t(r)].RegSizeName[size_t(style)]) == wanted)
            return r;
    }
    return regSizeCount_;
}

int LiveStore::findSizeExact(const QString& name, int style) const
{
    if (style < 0 || style >= NameStyleCount)
        return -1;
    for (int r = 0; r < regSizeCount_; ++r) {
        if (sizes_[size_t(r)].RegSizeName[size_t(style)] == name)
            return r;
    }
    return -1;
}

StoreResult LiveStore::addSize(const RegisteredSize& z)
{
    if (regSizeCount_ >= RegSizeCapacity)
        return fullTable(SizeWhat, RegSizeCapacity);
    if (auto r = checkSizeTexts(z); !r)
        return r;
    for (int st = 0; st < NameStyleCount; ++st) {
        if (auto r = checkNumbers({z.RegOffsetX[size_t(st)], z.RegOffsetOmote[size_t(st)], z.RegOffsetName[size_t(st)]}); !r)
            return r;
    }
    if (auto r = checkNumbers({z.RegSizeWidth, z.RegSizeHeight}); !r)
        return r;
    sizes_[size_t(regSizeCount_++)] = z;
    dirty_ = true;
    notifyStoreChanged(StoreChange::Sizes);
    return {};
}

StoreResult LiveStore::deleteSize(int row)
{
    if (!validRow(row))
        return StoreResult::refused(QStringLiteral("データが見つかりません。確認して下さい。"));
    for (int r = row; r < regSizeCount_ - 1; ++r)
        sizes_[size_t(r)] = sizes_[size_t(r + 1)];
    sizes_[size_t(--regSizeCount_)] = RegisteredSize{};
    dirty_ = true;
    notifyStoreChanged(StoreChange::Sizes);
    return {};
}

StoreResult LiveStore::updateSize(int row, const QString& name, int width, int height)
{
    if (!validRow(row))
        return StoreResult::refused(QStringLiteral("データが見つかりません。確認して下さい。"));
    if (auto r = checkStorable(name, QStringLiteral("のし紙サイズ名")); !r)
        return r;
    if (auto r = checkNumbers({width, height}); !r)
        return r;
    RegisteredSize& z = sizes_[size_t(row)];
    z.RegSizeName.fill(name);
    z.RegSizeWidth = width;
    z.RegSizeHeight = height;
    dirty_ = true;
    notifyStoreChanged(StoreChange::Sizes);
    return {};
}

StoreResult LiveStore::setOffsets(int row, int style, int offsetX, int offsetOmote, int offsetName)
{
    if (!validRow(row) || style < 0 || style >= NameStyleCount)
        return StoreResult::refused(QStringLiteral("データが見つかりません。確認して下さい。"));
    if (auto r = checkNumbers({offsetX, offsetOmote, offsetName}); !r)
        return r;
    RegisteredSize& z = sizes_[size_t(row)];
    z.RegOffsetX[size_t(style)] = offsetX;
    z.RegOffsetOmote[size_t(style)] = offsetOmote;
    z.RegOffsetName[size_t(style)] = offsetName;
    dirty_ = true;
    notifyStoreChanged(StoreChange::Sizes);
    return {};
}

const QString& LiveStore::omote(int index) const
{
    static const QString none;
    return index >= 0 && index < omoteCount_ ? omotes_[size_t(index)] : none;
}

QStringList LiveStore::OmoteList() const
{
    QStringList list;
    for (int i = 0; i < omoteCount_; ++i)
        list << omotes_[size_t(i)];
    return list;
}

StoreResult LiveStore::addOmote(const QString& text)
{
    if (omoteCount_ >= OmoteCapacity)
        return fullTable(OmoteWhat, OmoteCapacity);
    if (auto r = checkStorable(text, OmoteWhat); !r)
        return r;
    omotes_[size_t(omoteCount_++)] = text;
    dirty_ = true;
    notifyStoreChanged(StoreChange::Omotes);
    return {};
}

StoreResult LiveStore::deleteOmote(int index)
{
    if (index < 0 || index >= omoteCount_)
        return StoreResult::refused(QStringLiteral("データが見つかりません。確認して下さい。"));
    for (int i = index; i < omoteCount_ - 1; ++i)
        omotes_[size_t(i)] = omotes_[size_t(i + 1)];
    omotes_[size_t(--omoteCount_)].clear();
    dirty_ = true;
    notifyStoreChanged(StoreChange::Omotes);
    return {};
}

void LiveStore::restoreTables(const QList<RegisteredSize>& sizes, const QStringList& omotes)
{
    regSizeCount_ = int(qMin<qsizetype>(sizes.size(), RegSizeCapacity));
    for (int r = 0; r < RegSizeCapacity; ++r)
        sizes_[size_t(r)] = r < regSizeCount_ ? sizes[r] : RegisteredSize{};
    omoteCount_ = int(qMin<qsizetype>(omotes.size(), OmoteCapacity));
    for (int i = 0; i < OmoteCapacity; ++i)
        omotes_[size_t(i)] = i < omoteCount_ ? omotes[i] : QString();
    notifyStoreChanged(StoreChange::Sizes);
    notifyStoreChanged(StoreChange::Omotes);
}

QString currentTemplateKey()
{
    const LiveStore& st = store();
    if (st.LoopPos < 0 || st.LoopPos >= st.RegSizeCount() || st.StyleLoop < 0 || st.StyleLoop >= NameStyleCount)
        return {};
    return st.size(st.LoopPos).RegSizeTemplate[size_t(st.StyleLoop)];
}

} // namespace app
