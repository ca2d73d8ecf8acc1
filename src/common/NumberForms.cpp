#include "common/NumberForms.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>

namespace nf {

namespace {

// ---------------------------------------------------------------- reading

bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// The longest decimal number at `from`: optional sign, digits with an
// optional point (at least one digit in all), optional exponent that is only
// taken when a digit follows the E. The number is copied as ASCII so that the
// conversion never depends on the locale.
struct DecimalScan {
    bool found = false;
    qsizetype end = 0; // one past the last character taken
    bool negative = false;
    std::string ascii;       // without a leading '+'
    long long magnitude = 0; // decimal exponent of the first nonzero digit
    bool allZero = true;
};

// The exponent of a number whose digits end at `i`, taken only when a digit
// follows the E and its sign: appended to s.ascii, with s.end moved past it.
// Returns its value, saturated far beyond the double range; 0 when there is
// none.
long long scanExponent(QStringView text, qsizetype i, DecimalScan &s)
{
    const qsizetype n = text.size();
    if (i >= n || (text[i] != u'e' && text[i] != u'E'))
        return 0;
    qsizetype j = i + 1;
    bool expNegative = false;
    if (j < n && (text[j] == u'+' || text[j] == u'-')) {
        expNegative = text[j] == u'-';
        ++j;
    }
    if (j >= n || !isDigit(text[j]))
        return 0;
    long long exponent = 0;
    std::string exp = expNegative ? "e-" : "e";
    while (j < n && isDigit(text[j])) {
        const int d = text[j].unicode() - '0';
        // Saturate: only the order of magnitude matters past this.
        if (exponent < 1'000'000'000LL)
            exponent = exponent * 10 + d;
        exp += char('0' + d);
        ++j;
    }
    s.ascii += exp;
    s.end = j;
    return expNegative ? -exponent : exponent;
}

DecimalScan scanDecimal(QStringView text, qsizetype from)
{
    DecimalScan s;
    const qsizetype n = text.size();
    qsizetype i = from;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        s.negative = text[i] == u'-';
        if (s.negative)
            s.ascii += '-';
        ++i;
    }
    qsizetype digits = 0;
    long long intDigits = 0;        // digits before the point, after leading zeros
    long long leadingFracZeros = 0; // zeros after the point before the first nonzero
    while (i < n && isDigit(text[i])) {
        const char c = char(text[i].unicode());
        if (c != '0' || !s.allZero) {
            s.allZero = false;
            ++intDigits;
        }
        s.ascii += c;
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        s.ascii += '.';
        ++i;
        while (i < n && isDigit(text[i])) {
            const char c = char(text[i].unicode());
            if (s.allZero) {
                if (c == '0')
                    ++leadingFracZeros;
                else
                    s.allZero = false;
            }
            s.ascii += c;
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return DecimalScan{};
    s.found = true;
    s.end = i;

    const long long exponent = scanExponent(text, i, s);
    s.magnitude = exponent + (intDigits > 0 ? intDigits - 1 : -(leadingFracZeros + 1));
    return s;
}

enum class Range { Ok, Huge, Tiny };

// Converts a scanned number; a value beyond the double range is reported as
// Huge or Tiny instead of becoming an infinity.
double convert(const DecimalScan &s, Range &range)
{
    range = Range::Ok;
    if (s.allZero)
        return s.negative ? -0.0 : 0.0;
    double value = 0;
    const char *first = s.ascii.data();
    const char *last = first + s.ascii.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    (void)ptr;
    if (ec == std::errc() && std::isfinite(value))
        return value;
    range = s.magnitude > 0 ? Range::Huge : Range::Tiny;
    if (range == Range::Huge)
        return s.negative ? -DBL_MAX : DBL_MAX;
    return s.negative ? -0.0 : 0.0;
}

// "&H" and hex digits. Up to eight significant digits make a 32-bit value
// read as a signed integer, so "&H8000000E" is system colour 14 just as its
// signed decimal text -2147483634 is. Longer numbers keep their full
// (positive) value, which no 32-bit field accepts.
std::optional<double> readHex(QStringView text, qsizetype from)
{
    const qsizetype n = text.size();
    qsizetype i = from;
    while (i < n && text[i] == u'0')
        ++i;
    const bool anyZero = i > from;
    std::uint64_t small = 0;
    double large = 0;
    int significant = 0;
    for (; i < n; ++i) {
        const int d = hexValue(text[i]);
        if (d < 0)
            break;
        ++significant;
        if (significant <= 8)
            small = small * 16 + unsigned(d);
        large = std::fmin(large * 16 + d, DBL_MAX);
    }
    if (significant == 0 && !anyZero)
        return std::nullopt;
    if (significant <= 8)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(small));
    return large;
}

// ---------------------------------------------------------------- writing

// A finite value as significant digits (no trailing zeros) and the decimal
// exponent of the first digit: value = d.ddd x 10^exponent.
struct Digits {
    bool negative = false;
    std::string digits; // "0" for zero
    int exponent = 0;
};

Digits fromScientific(const char *first, const char *last)
{
    Digits d;
    const char *p = first;
    if (p < last && *p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < last && *p != 'e'; ++p)
        if (*p != '.')
            d.digits += *p;
    if (p < last) {
        ++p; // 'e'
        if (p < last && *p == '+')
            ++p;
        std::from_chars(p, last, d.exponent);
    }
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits == "0") {
        // Negative zero is written as zero.
        d.negative = false;
        d.exponent = 0;
    }
    return d;
}

// Rounded to `significant` digits. A float widens to a double exactly, so
// this rounds the stored binary value itself, never a shorter text of it.
Digits roundedDigits(double value, int significant)
{
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1);
    return fromScientific(buf, r.ptr);
}

// The fewest digits that read back to the same float.
Digits shortestDigits(float value)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    return fromScientific(buf, r.ptr);
}

struct Style {
    int plainLimit;       // exponent form from 10^plainLimit upwards
    bool zeroBeforePoint; // 0.5 rather than .5
    bool signSpace;       // " 2" rather than "2"
};

QString render(const Digits &d, const Style &style)
{
    std::string out;
    if (d.negative)
        out += '-';
    else if (style.signSpace)
        out += ' ';

    const std::string &s = d.digits;
    const int len = int(s.size());
    const int e = d.exponent;
    if (s == "0") {
        out += '0';
    } else if (e >= style.plainLimit || e < -4) {
        out += s[0];
        if (len > 1) {
            out += '.';
            out.append(s, 1, std::string::npos);
        }
        out += 'E';
        out += e < 0 ? '-' : '+';
        const int a = e < 0 ? -e : e;
        if (a < 10)
            out += '0';
        out += std::to_string(a);
    } else if (e >= 0) {
        if (len <= e + 1) {
            out += s;
            out.append(std::size_t(e + 1 - len), '0');
        } else {
            out.append(s, 0, std::size_t(e + 1));
            out += '.';
            out.append(s, std::size_t(e + 1), std::string::npos);
        }
    } else {
        if (style.zeroBeforePoint)
            out += '0';
        out += '.';
        out.append(std::size_t(-e - 1), '0');
        out += s;
    }
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

// Values that no reader of ours produces; written the way the standard
// library spells them rather than disguised as a number.
QString nonFinite(double value, bool signSpace)
{
    if (std::isnan(value))
        return signSpace ? QStringLiteral(" nan") : QStringLiteral("nan");
    if (value < 0)
        return QStringLiteral("-inf");
    return signSpace ? QStringLiteral(" inf") : QStringLiteral("inf");
}

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

constexpr Style kGeneralSingle{kSingleDigits, true, false};
constexpr Style kGeneralDouble{kDoubleDigits, true, false};
constexpr Style kFileSingle{kSingleDigits, false, false};
constexpr Style kFileDouble{kDoubleDigits, false, false};
constexpr Style kSignedSingle{kSingleDigits, false, true};
constexpr Style kSignedDouble{kDoubleDigits, false, true};

QString writeRounded(double value, int significant, const Style &style)
{
    if (!std::isfinite(value))
        return nonFinite(value, style.signSpace);
    return render(roundedDigits(value, significant), style);
}

// Halves to even without depending on the floating-point rounding mode.
double roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

template <typename Int>
std::optional<Int> toInt(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < double(std::numeric_limits<Int>::min()) || r > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(r);
}

template <typename Int>
Int toIntClamped(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = roundHalfEven(value);
    if (r <= double(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (r >= double(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(r);
}

} // namespace

std::optional<double> tryLeadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    if (i + 1 < n && text[i] == u'&' && (text[i + 1] == u'H' || text[i + 1] == u'h'))
        return readHex(text, i + 2);
    const DecimalScan s = scanDecimal(text, i);
    if (!s.found)
        return std::nullopt;
    Range range;
    return convert(s, range);
}

double readLeadingNumber(QStringView text) { return tryLeadingNumber(text).value_or(0.0); }

std::optional<double> parseNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    const DecimalScan s = scanDecimal(t, 0);
    if (!s.found || s.end != t.size())
        return std::nullopt;
    Range range;
    const double value = convert(s, range);
    // The largest doubles are written rounded up to fifteen digits
    // (1.79769313486232E+308); such a text reads back as the largest double
    // so that a file holding it can be opened again. Beyond that: no number.
    if (range == Range::Huge && s.magnitude > 308)
        return std::nullopt;
    return value;
}

QString generalSingle(float value)
{
    if (!std::isfinite(value))
        return nonFinite(value, false);
    return render(shortestDigits(value), kGeneralSingle);
}

QString generalDouble(double value) { return writeRounded(value, kDoubleDigits, kGeneralDouble); }
QString fileSingle(float value) { return writeRounded(value, kSingleDigits, kFileSingle); }
QString fileDouble(double value) { return writeRounded(value, kDoubleDigits, kFileDouble); }
QString reportSignedSingle(float value)
{
    return writeRounded(value, kSingleDigits, kSignedSingle);
}
QString reportSignedDouble(double value)
{
    return writeRounded(value, kDoubleDigits, kSignedDouble);
}
QString reportPlainSingle(float value)
{
    return writeRounded(value, kSingleDigits, kGeneralSingle);
}
QString reportPlainDouble(double value)
{
    return writeRounded(value, kDoubleDigits, kGeneralDouble);
}

std::optional<std::int16_t> toInt16(double value) { return toInt<std::int16_t>(value); }
std::optional<std::int32_t> toInt32(double value) { return toInt<std::int32_t>(value); }
std::int16_t toInt16Clamped(double value) { return toIntClamped<std::int16_t>(value); }
std::int32_t toInt32Clamped(double value) { return toIntClamped<std::int32_t>(value); }

double RoundTo(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    // 10^0 to 10^22 are exact doubles, as pow gives them; a table spares the
    // call on every pointer move.
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const double scale = decimals >= 0 && decimals < int(std::size(kPowersOfTen))
        ? kPowersOfTen[decimals]
        : std::pow(10.0, decimals);
    if (!(scale > 0) || !std::isfinite(scale))
        return value;
    const double product = value * scale;
    if (const auto whole = toInt32(product))
        return double(*whole) / scale;
    // Too large for the 32-bit rounding: round the product in double
    // precision instead of failing.
    if (!std::isfinite(product))
        return value;
    const double rounded = roundHalfEven(product) / scale;
    return std::isfinite(rounded) ? rounded : value;
}

} // namespace nf
