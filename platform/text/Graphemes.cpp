#include "platform/text/Graphemes.h"

#include <unicode/ubrk.h>
#include <unicode/utf16.h>

#include <memory>

namespace text {

namespace {

// Text that no cluster rule joins: no surrogates, no combining marks or
// selectors, no Hangul jamo, no CR. Most names and inscriptions are such.
bool oneUnitPerChar(QStringView s)
{
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x0300) {
            if (u == u'\r')
                return false;
            continue;
        }
        // CJK ideographs, kana (but not the combining sound marks 3099/309A),
        // full-width forms and CJK punctuation never join.
        if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3000 && u <= 0x3098) || (u >= 0x309B && u <= 0x30FF)
            || (u >= 0xFF01 && u <= 0xFF9D))
            continue;
        return false;
    }
    return true;
}

struct BreakIteratorCloser {
    void operator()(UBreakIterator* b) const { ubrk_close(b); }
};

// Character boundaries over s, one iterator per thread, reused.
template <typename Visit>
void forEachBoundary(QStringView s, Visit visit)
{
    thread_local std::unique_ptr<UBreakIterator, BreakIteratorCloser> it;
    UErrorCode err = U_ZERO_ERROR;
    if (!it) {
        it.reset(ubrk_open(UBRK_CHARACTER, "", nullptr, 0, &err));
        if (U_FAILURE(err))
            it.reset();
    }
    err = U_ZERO_ERROR;
    if (it)
        ubrk_setText(it.get(), reinterpret_cast<const UChar*>(s.utf16()), int32_t(s.size()), &err);
    if (!it || U_FAILURE(err)) {
        // No break data: whole code points at least, never half a pair.
        qsizetype i = 0;
        while (i < s.size()) {
            qsizetype next = i + 1;
            if (s[i].isHighSurrogate() && next < s.size() && s[next].isLowSurrogate())
                ++next;
            visit(i, next);
            i = next;
        }
        return;
    }
    int32_t from = ubrk_first(it.get());
    for (int32_t to = ubrk_next(it.get()); to != UBRK_DONE; to = ubrk_next(it.get())) {
        visit(qsizetype(from), qsizetype(to));
        from = to;
    }
}

} // namespace

qsizetype charCount(QStringView s)
{
    if (oneUnitPerChar(s))
        return s.size();
    qsizetype n = 0;
    forEachBoundary(s, [&](qsizetype, qsizetype) { ++n; });
    return n;
}

QStringList chars(QStringView s)
{
    QStringList out;
    if (oneUnitPerChar(s)) {
        out.reserve(s.size());
        for (QChar c : s)
            out.append(QString(c));
        return out;
    }
    forEachBoundary(s, [&](qsizetype from, qsizetype to) { out.append(s.mid(from, to - from).toString()); });
    return out;
}

QList<qsizetype> charStarts(QStringView s)
{
    QList<qsizetype> out;
    if (oneUnitPerChar(s)) {
        out.reserve(s.size());
        for (qsizetype i = 0; i < s.size(); ++i)
            out.append(i);
        return out;
    }
    forEachBoundary(s, [&](qsizetype from, qsizetype) { out.append(from); });
    return out;
}

QString leftChars(QStringView s, qsizetype n)
{
    if (oneUnitPerChar(s))
        return s.left(n).toString();
    qsizetype end = 0, seen = 0;
    forEachBoundary(s, [&](qsizetype, qsizetype to) {
        if (seen++ < n)
            end = to;
    });
    return s.left(end).toString();
}

QString midChars(QStringView s, qsizetype n)
{
    if (oneUnitPerChar(s))
        return s.mid(std::min(n, s.size())).toString();
    qsizetype start = s.size(), seen = 0;
    forEachBoundary(s, [&](qsizetype from, qsizetype) {
        if (seen++ == n)
            start = from;
    });
    return s.mid(start).toString();
}

} // namespace text
