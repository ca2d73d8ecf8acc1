#pragma once
// The dense matrix of the analysis and the equation solver that works on it.
#include <cstdint>
#include <vector>

// rows x cols doubles addressed (row, column) from (1, 1), stored row by row
// so that a row of the upper triangle is contiguous for the solver.
struct Matrix {
    std::int32_t rows = 0;
    std::int32_t cols = 0;
    std::vector<double> data;

    double &operator()(int r, int c) { return data[index(r, c)]; }
    double operator()(int r, int c) const { return data[index(r, c)]; }
    // First entry of row r (for loops that run along a row).
    double *row(int r) { return data.data() + std::size_t(r - 1) * std::size_t(cols); }
    const double *row(int r) const { return data.data() + std::size_t(r - 1) * std::size_t(cols); }
    void fillZero();

private:
    std::size_t index(int r, int c) const
    {
        return std::size_t(r - 1) * std::size_t(cols) + std::size_t(c - 1);
    }
};

// A matrix of that size filled with zeros; cols = -1 makes it square.
Matrix New_Matrix(int rows, int cols = -1);

// A vector of doubles used from index 1 (index 0 is never read).
using Vector = std::vector<double>;

// The upper triangle, with the diagonal, of a symmetric n x n matrix in
// profile form: row r keeps its entries from the diagonal to its last
// column, rows one after the other; every entry right of a row's last
// column is zero. No row ends before the row above it does, so every entry
// that Gauss elimination fills in lies inside the profile: a truss numbered
// along a narrow band keeps a narrow band of entries instead of n^2.
class ProfileMatrix {
public:
    ProfileMatrix() = default;
    // A profile of zeros in which row r (1 to n) reaches column reach[r] at
    // least (at least its diagonal, at most n; index 0 is not read).
    explicit ProfileMatrix(const std::vector<int> &reach);

    int size() const { return m_n; }
    int lastColumn(int r) const { return m_last[std::size_t(r)]; }
    // Entry (r, r) and, after it, the rest of row r up to its last column.
    double *row(int r) { return m_data.data() + m_start[std::size_t(r)]; }
    const double *row(int r) const { return m_data.data() + m_start[std::size_t(r)]; }
    // Entry (r, c) for r <= c <= lastColumn(r).
    double &at(int r, int c) { return row(r)[c - r]; }
    // Entry (r, c) of the upper triangle (r <= c), 0 right of the profile.
    double operator()(int r, int c) const { return c <= lastColumn(r) ? row(r)[c - r] : 0.0; }

private:
    int m_n = 0;
    std::vector<int> m_last;          // 1..n
    std::vector<std::size_t> m_start; // 1..n: where row r begins in m_data
    std::vector<double> m_data;
};

// Solves A x = b for the n unknowns by Gauss elimination without pivoting on
// the upper triangle of the symmetric matrix A: for each pivot row k, every
// later row i with a nonzero A(k, i) is reduced by f = A(k, i) / A(k, k) from
// its diagonal to the right, and b(i) with it; a zero A(k, i) leaves row i and
// b(i) as they are. Back substitution follows. Entries below the diagonal are
// never read. A and b are overwritten; x (sized n + 1 at least) receives the
// solution.
//
// Each row is worked on only up to its last entry that is not zero (its end,
// which grows as the elimination fills the row in): a banded system costs
// its band, not n^3 / 6. Every entry that is not zero goes through the same
// operations in the same order as with the full rows, so the solution and
// the failures are exactly the same; only the sign of zeros past a row's end
// in the overwritten A may differ.
//
// Returns false as soon as a divisor is zero or a result is not a finite
// number (overflow, or a non-finite entry in A or b), before the failed value
// is used further; x is then incomplete.
bool gaussUpper(Matrix &A, Vector &b, Vector &x, int n);
// The same on a matrix in profile form, n = A.size(): the same operations on
// the same entries, so the same solution and the same failures to the bit.
bool gaussUpper(ProfileMatrix &A, Vector &b, Vector &x);
