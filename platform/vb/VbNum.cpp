#include "platform/vb/VbNum.h"

#include <cmath>
#include <limits>

namespace vb {

double RoundHalfEven(double v)
{
    return std::nearbyint(v); // default rounding mode: to nearest, ties to even
}

int16_t CInt(double v)
{
    if (std::isnan(v))
        throw OverflowError("overflow");
    const double r = RoundHalfEven(v);
    if (r < -32768.0 || r > 32767.0)
        throw OverflowError("overflow");
    return static_cast<int16_t>(r);
}

int32_t CLng(double v)
{
    if (std::isnan(v))
        throw OverflowError("overflow");
    const double r = RoundHalfEven(v);
    if (r < double(std::numeric_limits<int32_t>::min()) || r > double(std::numeric_limits<int32_t>::max()))
        throw OverflowError("overflow");
    return static_cast<int32_t>(r);
}

Int16& Int16::operator/=(long long o)
{
    if (o == 0)
        throw OverflowError("division by zero");
    *this = checked(static_cast<long long>(v_) / o);
    return *this;
}

namespace {

QChar narrowDigit(QChar c)
{
    if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
        return QChar(u'0' + (c.unicode() - 0xFF10));
    switch (c.unicode()) {
    case 0xFF0B: return u'+';
    case 0xFF0D: return u'-';
    case 0xFF0E: return u'.';
    case 0x3000: return u' ';
    default: return c;
    }
}

// Normalised form for parsing: full-width digits and signs made narrow,
// surrounding blanks removed.
QString normalised(const QString& text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        s.append(narrowDigit(c));
    return s.trimmed();
}

} // namespace

std::optional<double> ToNumber(const QString& text)
{
    const QString s = normalised(text);
    if (s.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    if (s[i] == u'+' || s[i] == u'-')
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i].isDigit() && s[i].unicode() < 128) {
            digits = true;
        } else if (s[i] == u'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        bool expDigits = false;
        while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128) {
            ++j;
            expDigits = true;
        }
        if (!expDigits)
            return std::nullopt;
        i = j;
    }
    if (i != s.size())
        return std::nullopt;
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool IsNumeric(const QString& text)
{
    return ToNumber(text).has_value();
}

double Val(const QString& text)
{
    QString s;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue; // Val skips blanks anywhere
        s.append(c);
    }
    const auto isDigit = [&](qsizetype k) { return k < s.size() && s[k].isDigit() && s[k].unicode() < 128; };
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    bool point = false;
    bool digits = false;
    while (i < s.size() && (isDigit(i) || (s[i] == u'.' && !point))) {
        if (s[i] == u'.')
            point = true;
        else
            digits = true;
        ++i;
    }
    // An exponent counts only when digits follow it ("1e3" -> 1000, "1e" -> 1).
    if (digits && i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        if (isDigit(j)) {
            while (isDigit(j))
                ++j;
            i = j;
        }
    }
    bool ok = false;
    const double v = s.left(i).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

double CDbl(const QString& text)
{
    const auto v = ToNumber(text);
    if (!v)
        throw TypeMismatchError("type mismatch");
    return *v;
}

int16_t CInt(const QString& text) { return CInt(CDbl(text)); }
int32_t CLng(const QString& text) { return CLng(CDbl(text)); }

bool CBool(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return CDbl(t) != 0.0;
}

QString BoolText(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

QString NumberText(double v)
{
    if (v == 0.0)
        return QStringLiteral("0"); // no "-0"
    if (v == std::trunc(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    return QString::number(v, 'g', 15);
}

namespace {
bool isHalfBlank(QChar c) { return c == u' '; }
bool isAnyBlank(QChar c) { return c == u' ' || c.unicode() == 0x3000; }

template <typename Pred>
QString trimIf(const QString& s, bool left, bool right, Pred blank)
{
    qsizetype b = 0, e = s.size();
    if (left)
        while (b < e && blank(s[b]))
            ++b;
    if (right)
        while (e > b && blank(s[e - 1]))
            --e;
    return s.mid(b, e - b);
}
} // namespace

QString TrimHalf(const QString& s) { return trimIf(s, true, true, isHalfBlank); }
QString LTrimHalf(const QString& s) { return trimIf(s, true, false, isHalfBlank); }
QString RTrimHalf(const QString& s) { return trimIf(s, false, true, isHalfBlank); }
QString TrimBoth(const QString& s) { return trimIf(s, true, true, isAnyBlank); }
QString LTrimBoth(const QString& s) { return trimIf(s, true, false, isAnyBlank); }
QString RTrimBoth(const QString& s) { return trimIf(s, false, true, isAnyBlank); }

} // namespace vb
