#pragma once
// The numbers typed into the editing dialogs, read by the leading-number
// rule (leading blanks skipped, the longest number at the start taken, no
// number reads as 0), and the checks that keep what is stored finite and
// readable from a model file again.
#include <QString>
#include <QStringView>
#include <optional>

namespace typed {

// The leading number of the text.
double number(QStringView text);
// Whether a read value is a whole number (finite, no fraction).
bool isWhole(double value);
// The text as an item number: a whole number within a 16-bit number, or
// nothing.
std::optional<int> itemNumber(QStringView text);
// The value for a single-precision field, or nothing when it lies beyond
// the single-precision range (values that round to the largest float are
// taken, as the model file reader takes them).
std::optional<float> single(QStringView text);
// The same for a value computed in double precision.
std::optional<float> toSingle(double value);
// The value for a double-precision field, or nothing when it lies beyond the
// double range or its model-file form would not read back as a number.
std::optional<double> dbl(QStringView text);

} // namespace typed
