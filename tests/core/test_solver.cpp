// The equation solver: exact answers, refusals before any non-finite number
// is used, and random systems of every profile checked against the
// equations they came from.
#include "analysis/MathMATRIX.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

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

// A diagonally dominant symmetric system whose rows end at random columns
// (a band of any width, with holes of zeros of either sign inside it and
// garbage below the diagonal), or with one unknown that nothing holds.
System randomSystem(std::mt19937_64 &rng, int n, int band, bool freeUnknown)
{
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    System s{New_Matrix(n), Vector(n + 1, 0.0)};
    std::vector<double> rowSum(n + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        const int end = std::min(n, i + int(rng() % std::uint64_t(band + 1)));
        for (int j = i + 1; j <= n; ++j) {
            const double v = j <= end && rng() % 3 ? value(rng) : rng() % 2 ? 0.0 : -0.0;
            s.A(i, j) = v;
            s.A(j, i) = kNaN;
            rowSum[i] += std::abs(v);
            rowSum[j] += std::abs(v);
        }
        s.b[i] = value(rng) * 10;
    }
    for (int i = 1; i <= n; ++i)
        s.A(i, i) = 1.0 + rowSum[i] + std::abs(value(rng));
    if (freeUnknown) {
        const int r = 1 + int(rng() % std::uint64_t(n));
        for (int k = 1; k <= n; ++k)
            s.A(std::min(k, r), std::max(k, r)) = -0.0;
    }
    return s;
}

TEST(GaussUpper, RandomSystemsOfEveryProfile)
{
    std::mt19937_64 rng(7);
    for (int t = 0; t < 1500; ++t) {
        const int n = 1 + int(rng() % 60);
        const bool freeUnknown = t % 5 == 1;
        const System original = randomSystem(rng, n, int(rng() % std::uint64_t(n)), freeUnknown);
        SCOPED_TRACE("system " + std::to_string(t));
        System s = original;
        Vector x(n + 1);
        ASSERT_EQ(gaussUpper(s.A, s.b, x, n), !freeUnknown);
        if (freeUnknown)
            continue;
        for (int i = 1; i <= n; ++i) {
            double lhs = 0.0;
            for (int j = 1; j <= n; ++j)
                lhs += original.A(std::min(i, j), std::max(i, j)) * x[j];
            ASSERT_NEAR(lhs, original.b[i], 1e-9 * (1 + std::abs(original.b[i]))) << "row " << i;
        }
    }
}

} // namespace
