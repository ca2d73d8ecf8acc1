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

ProfileMatrix::ProfileMatrix(const std::vector<int> &reach)
    : m_n(std::max(int(reach.size()) - 1, 0)), m_last(std::size_t(m_n) + 1),
      m_start(std::size_t(m_n) + 1)
{
    std::size_t entries = 0;
    int last = 0;
    for (int r = 1; r <= m_n; ++r) {
        last = std::clamp(std::max(last, reach[std::size_t(r)]), r, m_n);
        m_last[std::size_t(r)] = last;
        m_start[std::size_t(r)] = entries;
        entries += std::size_t(last - r + 1);
    }
    m_data.assign(entries, 0.0);
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

// Row i of the system as the solver sees it: entry (i, i) and, after it,
// the entries up to column last (the row holds nothing but zeros past it).
struct SolverRow {
    double *diagonal;
    int last;
};

// The end of a row: the column of its last entry from the diagonal on that
// is not zero (a NaN is not zero), or the diagonal when there is none.
// Most of a long row is zeros, so the zeros are passed a block at a time,
// two words per vector: a zero of either sign has no bit set but the sign.
using TwoWords = std::uint64_t __attribute__((vector_size(16)));

int rowEnd(const double *diagonal, int i, int last)
{
    constexpr int kBlock = 16;
    int j = last;
    while (j - kBlock >= i) {
        TwoWords bits = {};
        for (int t = 0; t < kBlock; t += 2) {
            TwoWords w;
            std::memcpy(&w, diagonal + (j - kBlock + 1 - i + t), sizeof w);
            bits |= w;
        }
        if (((bits[0] | bits[1]) << 1) != 0)
            break;
        j -= kBlock;
    }
    while (j > i && diagonal[j - i] == 0.0)
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
// rows fill row i in. A pivot row's end never passes the last column of the
// rows it reduces: a dense row reaches n, and a profile never narrows.
template <typename Rows>
bool eliminate(const Rows &rowAt, Vector &b, int n, std::vector<int> &end)
{
    for (int k = 1; k <= n - 1; ++k) {
        const double *rowK = rowAt(k).diagonal;
        const double pivot = rowK[0];
        const double bk = b[k];
        const int endK = end[k];
        // Past endK every A(k, i) is zero: those rows stay as they are.
        for (int i = k + 1; i <= endK; ++i) {
            const double aki = rowK[i - k];
            if (aki == 0.0)
                continue;
            if (pivot == 0.0)
                return false;
            const double f = aki / pivot;
            if (!std::isfinite(f))
                return false;
            const bool rowFinite = reduceRow(rowAt(i).diagonal, rowK + (i - k), f, endK - i + 1);
            const double bi = b[i] - bk * f;
            b[i] = bi;
            if (!rowFinite || !std::isfinite(bi))
                return false;
            end[i] = std::max(end[i], endK);
        }
    }
    return true;
}

template <typename Rows>
bool backSubstitute(const Rows &rowAt, const Vector &b, Vector &x, int n,
                    const std::vector<int> &end)
{
    for (int i = n; i >= 1; --i) {
        const double *rowI = rowAt(i).diagonal;
        double s = 0.0;
        for (int j = i + 1; j <= end[i]; ++j)
            s += rowI[j - i] * x[j];
        const double d = rowI[0];
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

// The whole solution on rows given by rowAt(i) for i = 1 to n.
template <typename Rows>
bool solve(const Rows &rowAt, Vector &b, Vector &x, int n)
{
    std::fill(x.begin(), x.end(), 0.0);
    if (n < 1)
        return true;
    std::vector<int> end(std::size_t(n) + 1);
    for (int i = 1; i <= n; ++i) {
        const SolverRow row = rowAt(i);
        end[std::size_t(i)] = rowEnd(row.diagonal, i, row.last);
    }
    return eliminate(rowAt, b, n, end) && backSubstitute(rowAt, b, x, n, end);
}

} // namespace

bool gaussUpper(Matrix &A, Vector &b, Vector &x, int n)
{
    return solve([&A, n](int i) { return SolverRow{A.row(i) + (i - 1), n}; }, b, x, n);
}

bool gaussUpper(ProfileMatrix &A, Vector &b, Vector &x)
{
    return solve([&A](int i) { return SolverRow{A.row(i), A.lastColumn(i)}; }, b, x, A.size());
}
