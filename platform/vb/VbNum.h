// Number rules the program's stored files and layouts were designed around:
// whole numbers from reals round half to even, 16-bit fields whose overflow
// is an error the caller sees, and the numeric-text tests and conversions.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace vb {

// Raised when a 16-bit field would leave -32768..32767 or a conversion fails.
class OverflowError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised when a text does not convert to the type asked for ("abc" as a number).
class TypeMismatchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
double RoundHalfEven(double v);
// RoundHalfEven to a 16-bit value; throws OverflowError outside the range or for NaN.
int16_t CInt(double v);
// RoundHalfEven to a 32-bit value; throws OverflowError outside the range or for NaN.
int32_t CLng(double v);
// Whole-number halving that truncates toward zero.
inline int HalveTrunc(int v) { return v / 2; }

// A 16-bit signed field with checked arithmetic.
class Int16 {
public:
    constexpr Int16() = default;
    // From any whole number, checked: a value outside the range is an error,
    // never a silent wrap (so "Int16 x = a + b" is checked too).
    constexpr Int16(long long v) : v_(inRange(v)) {}
    static Int16 checked(long long v) { return Int16(v); }
    constexpr int16_t value() const { return v_; }
    constexpr operator int() const { return v_; }
    Int16& operator+=(long long o) { *this = checked(static_cast<long long>(v_) + o); return *this; }
    Int16& operator-=(long long o) { *this = checked(static_cast<long long>(v_) - o); return *this; }
    Int16& operator*=(long long o) { *this = checked(static_cast<long long>(v_) * o); return *this; }
    // Whole-number division truncating toward zero; dividing by 0 is an error.
    Int16& operator/=(long long o);
private:
    static constexpr int16_t inRange(long long v)
    {
        if (v < -32768 || v > 32767)
            throw OverflowError("overflow");
        return static_cast<int16_t>(v);
    }
    int16_t v_ = 0;
};

// True when the text reads as a number the way the dialogs accept it:
// optional blanks, sign, digits with one decimal point, optional exponent;
// full-width digits count as digits.
bool IsNumeric(const QString& text);
// The number of a numeric text; nullopt when IsNumeric is false.
std::optional<double> ToNumber(const QString& text);
// Leading number of a text, 0 when there is none ("12abc" -> 12).
double Val(const QString& text);

// Conversions of stored and typed texts; each throws TypeMismatchError for a
// text that is no number (or no Boolean) and OverflowError out of range.
double CDbl(const QString& text);
int16_t CInt(const QString& text);   // "2.5" -> 2, "3.5" -> 4
int32_t CLng(const QString& text);
// "True"/"False" in any case, or a number (non-zero is true).
bool CBool(const QString& text);

// Text forms the settings keep: "True"/"False", numbers in decimal without
// blanks ("-7", "1.5", "12632256").
QString BoolText(bool b);
QString NumberText(double v);

// Trimming: half-width blanks only, or half- and full-width blanks.
QString TrimHalf(const QString& s);
QString LTrimHalf(const QString& s);
QString RTrimHalf(const QString& s);
QString TrimBoth(const QString& s);
QString LTrimBoth(const QString& s);
QString RTrimBoth(const QString& s);

// Colours are stored as &H00BBGGRR values: red in the low byte.
constexpr uint32_t Rgb(int r, int g, int b) { return uint32_t(r & 255) | (uint32_t(g & 255) << 8) | (uint32_t(b & 255) << 16); }
constexpr int Red(uint32_t c) { return int(c & 255); }
constexpr int Green(uint32_t c) { return int((c >> 8) & 255); }
constexpr int Blue(uint32_t c) { return int((c >> 16) & 255); }
inline QColor ToQColor(uint32_t c) { return QColor(Red(c), Green(c), Blue(c)); }
inline uint32_t FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

} // namespace vb
