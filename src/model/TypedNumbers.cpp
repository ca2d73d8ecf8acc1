#include "model/TypedNumbers.h"

#include "common/NumberForms.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace typed {

double number(QStringView text) { return nf::readLeadingNumber(text); }

bool isWhole(double value) { return std::isfinite(value) && value == std::floor(value); }

std::optional<int> itemNumber(QStringView text)
{
    const double v = number(text);
    if (!isWhole(v))
        return std::nullopt;
    const auto n = nf::toInt16(v);
    return n ? std::optional<int>(*n) : std::nullopt;
}

std::optional<float> single(QStringView text) { return toSingle(number(text)); }

std::optional<float> toSingle(double v)
{
    // Half a unit in the last place above the largest float still rounds
    // down to it; anything beyond would be stored as an infinity.
    static const double limit = double(FLT_MAX) + std::ldexp(1.0, 103);
    if (!(std::fabs(v) < limit))
        return std::nullopt;
    return static_cast<float>(std::clamp(v, double(-FLT_MAX), double(FLT_MAX)));
}

std::optional<double> dbl(QStringView text)
{
    // The reader gives the largest double for a number beyond the range.
    const double v = number(text);
    if (!std::isfinite(v) || std::fabs(v) == DBL_MAX || !nf::parseNumber(nf::fileDouble(v)))
        return std::nullopt;
    return v;
}

} // namespace typed
