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
