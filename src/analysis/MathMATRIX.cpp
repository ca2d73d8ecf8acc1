#include "analysis/MathMATRIX.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

void Matrix::fillZero() { std::fill(data.begin(), data.end(), 0.0); }

Matrix New_Matrix(int rows, int cols)
{
    if (cols == -1)
        cols = rows;
    Matrix m;
    m.rows = std::max(rows, 0);
    m.cols = std::max(cols, 0);
    m.data.assign(std::size_t(m.rows) * std::size_t(m.cols), 0.0);
    return m;
}

// The solver works on each row only up to the last entry that is not zero,
// its end. Past the end of pivot row k every A(k, j) is zero, so the update
// A(i, j) - A(k, j) * f there gives back A(i, j) for every value the row can
// hold, except that a -0 may come back as +0. Leaving those entries alone
// therefore changes no number but the sign of some zeros, and a zero's sign
// reaches no result: a zero is only ever compared with zero, multiplied into
// another zero, or added to or subtracted from a number, which a nonzero
// number survives unchanged and which of two zeros gives a zero. The back
// substitution's sums start at +0 and stay +0 when a zero of either sign is
// added, so they, and with them the unknowns, keep every bit they would
// have with the full rows.
//
// An infinite or NaN entry past the end of pivot row k (possible in the
// input only) is not met while row k is eliminated, but it is an entry of
// its own row that is not zero, and the elimination with that row as pivot
// row refuses it as a multiplier: the run fails during the elimination in
// either case, before any unknown is written.
namespace {

// The end of row i: the column of its last entry from the diagonal on that
// is not zero (a NaN is not zero), or the diagonal when there is none.
// Most of a well-numbered row is zeros, and finding the ends reads every
// entry of the upper triangle, so the zeros are passed a block at a time,
// two words per vector: a zero of either sign has no bit set but the sign.
using TwoWords = std::uint64_t __attribute__((vector_size(16)));

int rowEnd(const double *row, int i, int n)
{
    constexpr int kBlock = 16;
    int j = n;
    while (j - kBlock >= i) {
        TwoWords bits = {};
        for (int t = 0; t < kBlock; t += 2) {
            TwoWords w;
            std::memcpy(&w, row + (j - kBlock + t), sizeof w);
            bits |= w;
        }
        if (((bits[0] | bits[1]) << 1) != 0)
            break;
        j -= kBlock;
    }
    while (j > i && row[j - 1] == 0.0)
        --j;
    return j;
}

// Bit 63 is set when v is infinite or NaN: adding one to an exponent whose
// bits are all set carries into the sign position, any other exponent stays
// below it. Or-ing these words along a row checks it without a serial chain
// of floating-point additions.
inline std::uint64_t nonFiniteBit(double v)
{
    constexpr std::uint64_t kExponent = 0x7ff0000000000000u;
    constexpr std::uint64_t kExponentOne = 0x0010000000000000u;
    return (std::bit_cast<std::uint64_t>(v) & kExponent) + kExponentOne;
}

// rowI[j] = rowI[j] - rowK[j] * f for j = 0 .. count - 1; false when a new
// entry is not a finite number. The rows are different rows of the matrix.
bool reduceRow(double *__restrict rowI, const double *__restrict rowK, double f, int count)
{
    std::uint64_t bad = 0;
    for (int j = 0; j < count; ++j) {
        const double v = rowI[j] - rowK[j] * f;
        rowI[j] = v;
        bad |= nonFiniteBit(v);
    }
    return (bad >> 63) == 0;
}

// Forward elimination; end[i] is the end of row i and grows as the pivot
// rows fill row i in.
bool eliminate(Matrix &A, Vector &b, int n, std::vector<int> &end)
{
    for (int k = 1; k <= n - 1; ++k) {
        const double *rowK = A.row(k);
        const double pivot = rowK[k - 1];
        const double bk = b[k];
        const int endK = end[k];
        // Past endK every A(k, i) is zero: those rows stay as they are.
        for (int i = k + 1; i <= endK; ++i) {
            const double aki = rowK[i - 1];
            if (aki == 0.0)
                continue;
            if (pivot == 0.0)
                return false;
            const double f = aki / pivot;
            if (!std::isfinite(f))
                return false;
            const bool rowFinite = reduceRow(A.row(i) + (i - 1), rowK + (i - 1), f, endK - i + 1);
            const double bi = b[i] - bk * f;
            b[i] = bi;
            if (!rowFinite || !std::isfinite(bi))
                return false;
            end[i] = std::max(end[i], endK);
        }
    }
    return true;
}

bool backSubstitute(const Matrix &A, const Vector &b, Vector &x, int n, const std::vector<int> &end)
{
    for (int i = n; i >= 1; --i) {
        const double *rowI = A.row(i);
        double s = 0.0;
        for (int j = i + 1; j <= end[i]; ++j)
            s += rowI[j - 1] * x[j];
        const double d = rowI[i - 1];
        // An infinite stiffness would quietly give a zero displacement.
        if (d == 0.0 || !std::isfinite(d))
            return false;
        const double xi = (b[i] - s) / d;
        if (!std::isfinite(xi))
            return false;
        x[i] = xi;
    }
    return true;
}

} // namespace

bool gaussUpper(Matrix &A, Vector &b, Vector &x, int n)
{
    std::fill(x.begin(), x.end(), 0.0);
    if (n < 1)
        return true;
    std::vector<int> end(std::size_t(n) + 1);
    for (int i = 1; i <= n; ++i)
        end[i] = rowEnd(A.row(i), i, n);
    return eliminate(A, b, n, end) && backSubstitute(A, b, x, n, end);
}
