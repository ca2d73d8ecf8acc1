#include "common/NumberForms.h"
#include "core/Fixtures.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

// Every writer of one value side by side, so a form that drifts from its
// siblings shows up in one row: file, report signed, report plain, general.
TEST(NumberFormsWrite, AllFormsAgree)
{
    const struct {
        bool single;
        double value;
        const char *forms[4];
    } cases[] = {
        // clang-format off
        {true, -0.25, {"-.25", "-.25", "-0.25", "-0.25"}},
        {true, -0.0, {"0", " 0", "0", "0"}},
        {true, 1e-5, {"1E-05", " 1E-05", "1E-05", "1E-05"}},
        // The float nearest 1E-04 lies just below it: rounding to seven digits
        // lifts it back into the plain form.
        {true, 0.0001, {".0001", " .0001", "0.0001", "0.0001"}},
        {true, 1e7, {"1E+07", " 1E+07", "1E+07", "1E+07"}},
        {true, 9999999, {"9999999", " 9999999", "9999999", "9999999"}},
        {true, 1.0 / 3, {".3333333", " .3333333", "0.3333333", "0.33333334"}},
        {false, -0.25, {"-.25", "-.25", "-0.25", "-0.25"}},
        {false, -0.0, {"0", " 0", "0", "0"}},
        {false, 0.1 + 0.2, {".3", " .3", "0.3", "0.3"}},
        // Rounding to fifteen digits carries into the next power of ten.
        {false, 999999999999999.5, {"1E+15", " 1E+15", "1E+15", "1E+15"}},
        {false, 1234567812345678, {"1.23456781234568E+15", " 1.23456781234568E+15", "1.23456781234568E+15", "1.23456781234568E+15"}},
        {false, DBL_MAX, {"1.79769313486232E+308", " 1.79769313486232E+308", "1.79769313486232E+308", "1.79769313486232E+308"}},
        {false, -2147483634, {"-2147483634", "-2147483634", "-2147483634", "-2147483634"}},
        // clang-format on
    };
    for (const auto &c : cases) {
        const float f = float(c.value);
        const QStringList got = c.single
            ? QStringList{nf::fileSingle(f), nf::reportSignedSingle(f), nf::reportPlainSingle(f),
                          nf::generalSingle(f)}
            : QStringList{nf::fileDouble(c.value), nf::reportSignedDouble(c.value),
                          nf::reportPlainDouble(c.value), nf::generalDouble(c.value)};
        EXPECT_EQ(got, (QStringList{c.forms[0], c.forms[1], c.forms[2], c.forms[3]}));
    }
}

// The leading number of a text; "no number" (nullopt) is told from zero, and
// the reading that falls back takes it as 0.
TEST(NumberFormsRead, LeadingNumber)
{
    // clang-format off
    const std::pair<const char *, std::optional<double>> cases[] = {
        {" 12abc", 12}, {"1e3", 1000}, {"-.5", -0.5}, {"1e+", 1}, {"&HE0E0E0", 14737632}, {"&hAfa", 2810},
        {"&H8000000E", -2147483634.0}, {"&H100000000", 4294967296.0}, {"1e99999999999999999999", DBL_MAX},
        {"-1e400", -DBL_MAX}, {"&H0", 0}, {"-.0", 0}, {"abc", {}}, {"", {}}, {" -", {}}, {".e5", {}}, {"&Hg", {}},
        {"\xd9\xa1", {}}, // an Arabic-Indic digit is no digit of ours
    };
    // clang-format on
    for (const auto &[text, value] : cases) {
        EXPECT_EQ(nf::tryLeadingNumber(QString::fromUtf8(text)), value) << text;
        EXPECT_EQ(nf::readLeadingNumber(QString::fromUtf8(text)), value.value_or(0)) << text;
    }
    // A fraction far below the double range is zero, not the largest number.
    EXPECT_EQ(nf::readLeadingNumber(QStringLiteral("0.") + QString(400, u'0') + u'1'), 0);
}

TEST(NumberFormsRead, StrictItem)
{
    // clang-format off
    const std::pair<const char *, std::optional<double>> cases[] = {
        {" 12 ", 12}, {"2.5E-07", 2.5e-7}, {"1e-400", 0}, {"-1.8E+308", -DBL_MAX}, {"1.79769313486232E+308", DBL_MAX}, {"   ", {}},
        {"12abc", {}}, {"&HFF", {}}, {"1e400", {}}, {"1,5", {}}, {"nan", {}},
    };
    // clang-format on
    for (const auto &[text, value] : cases)
        EXPECT_EQ(nf::parseNumber(QString::fromLatin1(text)), value) << text;
}

// Integers round halves to even; what does not fit is refused, or clamped.
TEST(NumberFormsConvert, HalvesToEvenAndOverflow)
{
    const struct {
        double value;
        std::optional<std::int16_t> i16;
        std::optional<std::int32_t> i32;
        std::int16_t i16Clamped;
    } cases[] = {
        // clang-format off
        {1.5, 2, 2, 2}, {-2.5, -2, -2, -2}, {32767.5, {}, 32768, 32767}, {-32768.5, -32768, -32768, -32768},
        {2147483647.5, {}, {}, 32767}, {NAN, {}, {}, 0}, {-INFINITY, {}, {}, -32768},
        // clang-format on
    };
    for (const auto &c : cases)
        EXPECT_EQ(
            std::tuple(nf::toInt16(c.value), nf::toInt32(c.value), nf::toInt16Clamped(c.value)),
            std::tuple(c.i16, c.i32, c.i16Clamped))
            << c.value;
    EXPECT_EQ(
        std::tuple(nf::toInt32Clamped(1e12), nf::toInt32Clamped(-1e12), nf::toInt32Clamped(NAN)),
        std::tuple(2147483647, -2147483647 - 1, 0));
}

// RoundTo halves to even; a product that overflows a 32-bit integer is
// rounded in double instead.
TEST(NumberFormsConvert, RoundTo)
{
    EXPECT_EQ(
        (std::vector{nf::RoundTo(1.25, 1), nf::RoundTo(-2.5, 0), nf::RoundTo(123456789.125, 2),
                     nf::RoundTo(1e300, 3), nf::RoundTo(1.5, 400), nf::RoundTo(1.5, -400)}),
        (std::vector{1.2, -2.0, 123456789.12, 1e300, 1.5, 1.5}));
    EXPECT_TRUE(std::isnan(nf::RoundTo(NAN, 2)));
}

double referenceRound(double value, int significant)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, value);
    return std::strtod(buf, nullptr);
}

// A model file must hold every value to seven (single) or fifteen (double)
// significant digits, whatever its magnitude.
TEST(NumberFormsRoundTrip, FileFormKeepsSignificantDigits)
{
    std::mt19937_64 rng(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exp32(-37, 37), exp64(-300, 300);
    for (int i = 0; i < 4000; ++i) {
        const double sign = rng() % 2 ? -1 : 1;
        const float f = float(sign * mantissa(rng) * std::pow(10.0, exp32(rng)));
        const double d = sign * mantissa(rng) * std::pow(10.0, exp64(rng));
        const QString text = nf::fileSingle(f), dtext = nf::fileDouble(d);
        ASSERT_EQ(nf::parseNumber(text), referenceRound(f, 7)) << text.toStdString();
        ASSERT_EQ(nf::parseNumber(dtext), referenceRound(d, 15)) << dtext.toStdString();
        // The general form gives back the same float.
        ASSERT_EQ(float(nf::parseNumber(nf::generalSingle(f)).value_or(NAN)), f);
    }
}

} // namespace
