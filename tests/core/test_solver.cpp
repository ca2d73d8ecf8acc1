#include "analysis/AnalysisStages.h"
#include "analysis/MathMATRIX.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A square system from rows given in full (the solver reads the upper
// triangle only; what the tests put below it is up to them).
struct System {
    Matrix A;
    Vector b;
};

System makeSystem(std::initializer_list<std::initializer_list<double>> rows,
                  std::initializer_list<double> rhs)
{
    System s;
    const int n = int(rows.size());
    s.A = New_Matrix(n);
    int r = 1;
    for (const auto &row : rows) {
        int c = 1;
        for (double v : row)
            s.A(r, c++) = v;
        ++r;
    }
    s.b.assign(n + 1, 0.0);
    int i = 1;
    for (double v : rhs)
        s.b[i++] = v;
    return s;
}

// Systems the solver must get through, compared with their exact solutions.
TEST(GaussUpper, SolvesWellDefinedSystems)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char *name;
        System sys;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {"one unknown: no elimination step", makeSystem({{4}}, {10}), {2.5}},
        {"symmetric positive definite 3x3",
         makeSystem({{4, -2, 0}, {-2, 4, -2}, {0, -2, 4}}, {2, 0, 2}), {1, 1, 1}},
        // Whatever lies below the diagonal is never read.
        {"garbage in the lower triangle",
         makeSystem({{4, -2, 0}, {nan, 4, -2}, {1e300, -7, 4}}, {2, 0, 2}), {1, 1, 1}},
        // A(1,3) = 0 skips row 3 for the first pivot; row 2 still reaches it.
        {"zero entry above the diagonal",
         makeSystem({{2, 1, 0}, {1, 3, 1}, {0, 1, 2}}, {3, 5, 3}), {1, 1, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        System s = c.sys;
        const int n = s.A.rows;
        Vector x(n + 1, 99.0);
        ASSERT_TRUE(Gauss_Upper(s.A, s.b, x, n));
        for (int i = 1; i <= n; ++i)
            EXPECT_NEAR(x[i], c.expected[i - 1], 1e-12) << "unknown " << i;
    }
}

// Systems the solver must refuse, each before a non-finite number is used.
TEST(GaussUpper, FailsOnZeroDivisorsAndOverflow)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char *name;
        System sys;
    };
    const Case cases[] = {
        {"single zero stiffness", makeSystem({{0}}, {1})},
        {"zero pivot met by a nonzero entry", makeSystem({{0, 1}, {1, 1}}, {1, 1})},
        // Row 1 holds nothing to the right: the elimination passes, the back
        // substitution meets the zero.
        {"zero pivot with an empty row", makeSystem({{0, 0}, {0, 1}}, {0, 2})},
        {"multiplier overflows", makeSystem({{1e-300, 1e300}, {1e300, 1}}, {1, 1})},
        {"row update overflows", makeSystem({{1, 1e200}, {1e200, 1}}, {1, 1})},
        {"load update overflows", makeSystem({{1, 1e10}, {1e10, 1e21}}, {1e300, 1})},
        {"back substitution overflows", makeSystem({{1e-300, 0}, {0, 1}}, {1e10, 1})},
        {"non-finite input", makeSystem({{1, 0}, {0, inf}}, {1, 1})},
        {"NaN load", makeSystem({{1, 0}, {0, 1}}, {1, std::nan("")})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        System s = c.sys;
        Vector x(s.A.rows + 1);
        EXPECT_FALSE(Gauss_Upper(s.A, s.b, x, s.A.rows));
        for (double v : x)
            EXPECT_TRUE(std::isfinite(v));
    }
}

} // namespace
