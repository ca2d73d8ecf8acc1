// Typed fields, the settings store and model files all hand untrusted text to
// the number readers. Whatever the bytes, no infinity or NaN may come out,
// and every finite value must survive the writers and read back.
#include "common/NumberForms.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void roundTrip(double value)
{
    check(std::isfinite(value));

    const auto general = nf::parseNumber(nf::generalDouble(value));
    const auto file = nf::parseNumber(nf::fileDouble(value));
    const auto plain = nf::parseNumber(nf::reportPlainDouble(value));
    const auto signedForm = nf::parseNumber(nf::reportSignedDouble(value));
    check(general && file && plain && signedForm);
    check(*file == *general && *plain == *general && *signedForm == *general);
    // Fifteen significant digits keep the value to within a few parts in 1e15.
    check(std::fabs(*file - value) <= std::fabs(value) * 1e-14);
    check(nf::readLeadingNumber(nf::fileDouble(value)) == *file);

    if (std::fabs(value) <= FLT_MAX) {
        const float single = static_cast<float>(value);
        const auto shortest = nf::parseNumber(nf::generalSingle(single));
        check(shortest && static_cast<float>(*shortest) == single);
        const auto seven = nf::parseNumber(nf::fileSingle(single));
        check(seven && std::isfinite(*seven));
        check(nf::parseNumber(nf::reportSignedSingle(single)) == seven);
        check(nf::parseNumber(nf::reportPlainSingle(single)) == seven);
    }

    (void)nf::toInt16(value);
    (void)nf::toInt32(value);
    (void)nf::toInt16Clamped(value);
    (void)nf::toInt32Clamped(value);
    for (int decimals : {-3, 0, 2, 13})
        check(std::isfinite(nf::RoundTo(value, decimals)));
}

void exercise(const QString &text)
{
    const double leading = nf::readLeadingNumber(text);
    roundTrip(leading);
    if (const auto any = nf::tryLeadingNumber(text)) {
        check(*any == leading);
        roundTrip(*any);
    } else {
        check(leading == 0.0);
    }
    if (const auto strict = nf::parseNumber(text)) {
        roundTrip(*strict);
        // A whole-text number is also the leading number of the trimmed text.
        check(nf::readLeadingNumber(text.trimmed()) == *strict);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto *chars = reinterpret_cast<const char *>(data);
    const auto length = static_cast<qsizetype>(size);
    exercise(QString::fromLatin1(chars, length));
    exercise(QString::fromUtf8(chars, length));
    return 0;
}
