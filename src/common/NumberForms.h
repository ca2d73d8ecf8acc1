#pragma once
// Every number the program reads from text or writes as text goes through
// here, so the log, the fields, the settings store, the model file, the
// report and the drawing labels agree character for character.
//
// Forms written:
//   general  - "." as point, no leading space, zero before the point (0.5);
//              single: the shortest text that reads back to the same float;
//              double: at most 15 significant digits. Negative zero writes 0.
//   file     - rounded to 7 (single) / 15 (double) significant digits,
//              trailing zeros dropped, no zero before the point (.5, -.25).
//   reportSigned - a space for values >= 0 or "-", then the file-form digits
//              (" .5", "-.25", " 2").
//   reportPlain  - the general form limited to 7 / 15 significant digits.
//   Every form switches to the exponent form (mantissa, "E", sign, at least
//   two exponent digits: 1E+08, 2.5E-07) for magnitudes >= 1E+07 (single) /
//   1E+15 (double) or below 1E-04 (nonzero).
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace nf {

// Leading-number rule: skip leading blanks, take the longest prefix that is a
// number (sign, digits with an optional ".", optional exponent E/e with sign
// and digits; or "&H" and hex digits). No number reads as 0. Never throws,
// never reads past the text. A number too large for a double reads as
// +/-DBL_MAX, so no infinity leaves this module.
double readLeadingNumber(QStringView text);
// The same, but nothing when the text does not start with a number, for
// readers that must tell "0" from text that holds no number at all.
std::optional<double> tryLeadingNumber(QStringView text);

// Strict reading of one item of a model file: after trimming blanks the whole
// text must be one decimal number (sign, digits, optional point, optional
// exponent). Returns nothing for an empty text, text that is not a number, or
// a value that is not finite.
std::optional<double> parseNumber(QStringView text);

QString generalSingle(float value);
QString generalDouble(double value);
QString fileSingle(float value);
QString fileDouble(double value);
QString reportSignedSingle(float value);
QString reportSignedDouble(double value);
QString reportPlainSingle(float value);
QString reportPlainDouble(double value);

// Whole-number conversions: round halves to even; nothing when the value is
// not finite or does not fit the integer type.
std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);
// The same, clamped into the type's range (NaN gives 0). For indices and
// counts read from data that was validated elsewhere.
std::int16_t toInt16Clamped(double value);
std::int32_t toInt32Clamped(double value);

// value rounded to `decimals` places: value * 10^decimals converted to a
// 32-bit integer (halves to even), divided by the same power. Where the
// product does not fit a 32-bit integer the value is rounded in double
// precision instead.
double RoundTo(double value, int decimals);

} // namespace nf
