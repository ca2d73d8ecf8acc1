// The equation solver: exact answers, and refusals before any non-finite
// number is used. (Random systems of every profile: test_profile_solver.cpp;
// whole analyses bit for bit: test_analysis_bits.cpp.)
#include "analysis/MathMATRIX.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A square system from rows given in full (the solver reads the upper
// triangle only; what a test puts below it is up to the test).
struct System {
    Matrix A;
    Vector b;
};

System makeSystem(std::initializer_list<std::initializer_list<double>> rows,
                  std::initializer_list<double> rhs)
{
    System s{New_Matrix(int(rows.size())), Vector(1)};
    int r = 1;
    for (const auto &row : rows) {
        int c = 1;
        for (double v : row)
            s.A(r, c++) = v;
        ++r;
    }
    s.b.insert(s.b.end(), rhs);
    return s;
}

TEST(GaussUpper, SolvesOrRefusesBeforeUsingANonFiniteNumber)
{
    const struct {
        const char *name;
        System sys;
        std::vector<double> expected; // empty: refused
    } cases[] = {
        // clang-format off
        {"no unknown", makeSystem({}, {}), {}},
        {"one unknown: no elimination step", makeSystem({{4}}, {10}), {2.5}},
        {"symmetric positive definite", makeSystem({{4, -2, 0}, {-2, 4, -2}, {0, -2, 4}}, {2, 0, 2}), {1, 1, 1}},
        // Whatever lies below the diagonal is never read.
        {"garbage below the diagonal", makeSystem({{4, -2, 0}, {kNaN, 4, -2}, {1e300, -7, 4}}, {2, 0, 2}), {1, 1, 1}},
        // A(1,3) = 0 skips row 3 for the first pivot; row 2 still reaches it.
        {"zero above the diagonal", makeSystem({{2, 1, 0}, {1, 3, 1}, {0, 1, 2}}, {3, 5, 3}), {1, 1, 1}},
        {"multiplier underflows to zero", makeSystem({{1e300, 1e-300, 5}, {0, 1, 1}, {0, 0, 2}}, {1e300, 2, 8}), {1, 1, 1}},
        {"single zero stiffness", makeSystem({{0}}, {1}), {}},
        {"zero pivot met by a nonzero entry", makeSystem({{-0.0, 1}, {1, 1}}, {1, 1}), {}},
        {"zero pivot with an empty row", makeSystem({{0, 0}, {0, 1}}, {0, 2}), {}},
        {"dependent rows", makeSystem({{1, 2, 3}, {2, 4, 6}, {3, 6, 10}}, {1, 2, 4}), {}},
        {"multiplier overflows", makeSystem({{1e-300, 1e300}, {1e300, 1}}, {1, 1}), {}},
        // Here a back substitution on the rows left as they were would give
        // finite, wrong numbers.
        {"multiplier overflows, loads balance", makeSystem({{1e-300, 1e300}, {1e300, 1}}, {1e300, 1}), {}},
        {"row update overflows", makeSystem({{1, 1e200, 1e200, 0}, {0, 1, 0, 0}, {0, 0, 1, 1}, {0, 0, 0, 1}}, {1, 1, 1, 1}), {}},
        {"load update overflows", makeSystem({{1, 1e10}, {1e10, 1e21}}, {1e300, 1}), {}},
        {"back substitution overflows", makeSystem({{1e-300, 0}, {0, 1}}, {1e10, 1}), {}},
        {"infinite diagonal", makeSystem({{1, 0, 0}, {0, kInf, 0}, {0, 0, 1}}, {1, 1, 1}), {}},
        {"infinity past the pivot row's end", makeSystem({{1, 1, 0}, {0, 1, kInf}, {0, 0, 1}}, {1, 1, 1}), {}},
        {"NaN past the pivot row's end", makeSystem({{1, 1, 0, 0}, {0, 1, 0, kNaN}, {0, 0, 1, 0}, {0, 0, 0, 1}}, {1, 1, 1, 1}), {}},
        {"NaN load", makeSystem({{1, 1}, {1, 3}}, {kNaN, 1}), {}},
        // clang-format on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        System s = c.sys;
        const int n = s.A.rows;
        Vector x(n + 1, 99.0);
        const bool solvable = n == 0 || !c.expected.empty();
        ASSERT_EQ(gaussUpper(s.A, s.b, x, n), solvable);
        for (int i = 1; i <= n; ++i)
            EXPECT_TRUE(std::isfinite(x[i])
                        && (!solvable || std::abs(x[i] - c.expected[i - 1]) < 1e-12))
                << "unknown " << i << ": " << x[i];
    }
}

} // namespace
