#include "analysis/AnalysisStages.h"
#include "analysis/MathMATRIX.h"
#include "test_analysis_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

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
         makeSystem({{4, -2, 0}, {-2, 4, -2}, {0, -2, 4}}, {2, 0, 2}),
         {1, 1, 1}},
        // Whatever lies below the diagonal is never read.
        {"garbage in the lower triangle",
         makeSystem({{4, -2, 0}, {nan, 4, -2}, {1e300, -7, 4}}, {2, 0, 2}),
         {1, 1, 1}},
        // A(1,3) = 0 skips row 3 for the first pivot; row 2 still reaches it.
        {"zero entry above the diagonal",
         makeSystem({{2, 1, 0}, {1, 3, 1}, {0, 1, 2}}, {3, 5, 3}),
         {1, 1, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        System s = c.sys;
        const int n = s.A.rows;
        Vector x(n + 1, 99.0);
        ASSERT_TRUE(gaussUpper(s.A, s.b, x, n));
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
        EXPECT_FALSE(gaussUpper(s.A, s.b, x, s.A.rows));
        for (double v : x)
            EXPECT_TRUE(std::isfinite(v));
    }
}

// ---------------------------------------------------------------------------
// The solver stops each row at its last nonzero entry. It must give the very
// bits the elimination gave when every update ran to column n: this is that
// elimination, kept as it was.
bool fullRowGaussUpper(Matrix &A, Vector &b, Vector &x, int n)
{
    std::fill(x.begin(), x.end(), 0.0);
    if (n < 1)
        return true;

    for (int k = 1; k <= n - 1; ++k) {
        const double *rowK = A.row(k);
        const double pivot = rowK[k - 1];
        const double bk = b[k];
        for (int i = k + 1; i <= n; ++i) {
            const double aki = rowK[i - 1];
            if (aki == 0.0)
                continue;
            if (pivot == 0.0)
                return false;
            const double f = aki / pivot;
            if (!std::isfinite(f))
                return false;
            double *rowI = A.row(i);
            // v * 0 is 0 for every finite v and NaN otherwise, so one test
            // after the row tells whether any entry overflowed.
            double poison = 0.0;
            for (int j = i; j <= n; ++j) {
                const double v = rowI[j - 1] - rowK[j - 1] * f;
                rowI[j - 1] = v;
                poison += v * 0.0;
            }
            const double bi = b[i] - bk * f;
            b[i] = bi;
            if (!std::isfinite(poison) || !std::isfinite(bi))
                return false;
        }
    }

    for (int i = n; i >= 1; --i) {
        const double *rowI = A.row(i);
        double s = 0.0;
        for (int j = i + 1; j <= n; ++j)
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

bool sameBits(const double *a, const double *b, std::size_t count)
{
    return std::memcmp(a, b, count * sizeof(double)) == 0;
}

enum class Outcome { Solved, FailedBeforeAnyUnknown, FailedInBackSubstitution };

// Solves the system both ways and expects the same outcome and the same
// bits in the solution; after a success also in the reduced loads and in
// every entry of the matrix, where past a row's end a zero may differ in its
// sign only.
Outcome expectSameAsFullRows(const System &sys)
{
    const int n = sys.A.rows;
    System full = sys, cut = sys;
    Vector xFull(n + 1, 7.0), xCut(n + 1, -7.0);
    const bool okFull = fullRowGaussUpper(full.A, full.b, xFull, n);
    const bool okCut = gaussUpper(cut.A, cut.b, xCut, n);
    EXPECT_EQ(okCut, okFull);
    EXPECT_TRUE(sameBits(xCut.data(), xFull.data(), xFull.size())) << "the solutions differ";
    if (okFull && okCut) {
        EXPECT_TRUE(sameBits(cut.b.data(), full.b.data(), full.b.size())) << "the loads differ";
        for (std::size_t e = 0; e < full.A.data.size(); ++e) {
            const double a = cut.A.data[e], b = full.A.data[e];
            if (!(a == 0.0 && b == 0.0) && !sameBits(&a, &b, 1)) {
                ADD_FAILURE() << "matrix entry " << e << ": " << a << " against " << b;
                break;
            }
        }
    }
    if (okFull)
        return Outcome::Solved;
    for (int i = 1; i <= n; ++i)
        if (xFull[i] != 0.0)
            return Outcome::FailedInBackSubstitution;
    return Outcome::FailedBeforeAnyUnknown;
}

// Kff and P of a truss strip of `panels` panels, nodes numbered across the
// strip (a narrow band) or along it, bottom chord first (a band as wide as
// the strip is long); pinned at one end, on a roller at the other, loaded at
// every top node.
System trussStrip(int panels, bool alongTheStrip)
{
    Workspace ws;
    Model &m = ws.model;
    const int g = truss::group(m, 2.0e8, 0.01);
    auto bottom = [&](int i) { return alongTheStrip ? i : 2 * i - 1; };
    auto top = [&](int i) { return alongTheStrip ? panels + i : 2 * i; };
    m.nodeCount = 2 * panels;
    for (int i = 1; i <= panels; ++i) {
        m.nodes[bottom(i)] =
            Node{float(i), 0, i == 1 ? 1.f : 0.f, i == 1 || i == panels ? 1.f : 0.f, 0, 0};
        m.nodes[top(i)] = Node{float(i), 1.25f, 0, 0, 150.f * i, -1000};
    }
    for (int i = 1; i <= panels; ++i)
        truss::element(m, bottom(i), top(i), g);
    for (int i = 1; i < panels; ++i) {
        truss::element(m, bottom(i), bottom(i + 1), g);
        truss::element(m, top(i), top(i + 1), g);
        truss::element(m, i % 2 ? bottom(i) : top(i), i % 2 ? top(i + 1) : bottom(i + 1), g);
    }
    Epilisi run(ws.model, ws);
    run.buildSystem();
    return System{run.Kff, run.P};
}

// A symmetric system with a random profile: row i holds entries up to a
// random end at most `band` columns right of its diagonal, with holes of
// either zero; past the end it holds zeros of either sign, below the
// diagonal garbage. With `oddOneIn` above 0, one entry in about that many is
// replaced by a tiny, huge, infinite or NaN value.
System randomSystem(std::mt19937_64 &rng, int n, int band, int oddOneIn, bool dominant)
{
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
    auto chance = [&](int oneIn) { return oneIn > 0 && rng() % std::uint64_t(oneIn) == 0; };
    auto oddValue = [&]() {
        constexpr double kValues[] = {1e-300,
                                      -1e-300,
                                      1e200,
                                      -1e300,
                                      4.9e-324,
                                      std::numeric_limits<double>::infinity(),
                                      -std::numeric_limits<double>::infinity(),
                                      std::numeric_limits<double>::quiet_NaN()};
        return kValues[rng() % std::size(kValues)];
    };
    auto signedZero = [&]() { return rng() % 2 ? 0.0 : -0.0; };

    System s{New_Matrix(n), Vector(n + 1, 0.0)};
    for (int i = 1; i <= n; ++i) {
        const int end = std::min(n, i + int(rng() % std::uint64_t(band + 1)));
        double rowSum = 0.0;
        for (int j = i + 1; j <= n; ++j) {
            double v = j <= end && !chance(3) ? uniform(-10.0, 10.0) : signedZero();
            if (j <= end && chance(oddOneIn))
                v = oddValue();
            s.A(i, j) = v;
            rowSum += std::abs(v);
        }
        s.A(i, i) = dominant ? 1.0 + rowSum + uniform(0.0, 1.0) : uniform(-10.0, 10.0);
        if (chance(oddOneIn))
            s.A(i, i) = chance(2) ? signedZero() : oddValue();
        for (int j = 1; j < i; ++j)
            s.A(i, j) =
                chance(2) ? std::numeric_limits<double>::quiet_NaN() : uniform(-1e300, 1e300);
        s.b[i] = chance(oddOneIn) ? oddValue() : chance(4) ? signedZero() : uniform(-100.0, 100.0);
    }
    return s;
}

TEST(GaussUpper, GivesTheBitsOfTheFullRowElimination)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    std::mt19937_64 rng(20240614);
    struct Case {
        const char *name;
        System sys;
        Outcome expected;
    };
    const Case cases[] = {
        {"truss, nodes numbered across the strip", trussStrip(30, false), Outcome::Solved},
        {"truss, nodes numbered along the strip", trussStrip(30, true), Outcome::Solved},
        {"banded, half-band 3", randomSystem(rng, 40, 3, 0, true), Outcome::Solved},
        {"wide band with holes that fill in", randomSystem(rng, 60, 30, 0, true), Outcome::Solved},
        {"random symmetric, full", randomSystem(rng, 30, 30, 0, false), Outcome::Solved},
        {"no unknown", makeSystem({}, {}), Outcome::Solved},
        {"one unknown", makeSystem({{-4}}, {-0.0}), Outcome::Solved},
        // Past the pivot row's end the full rows turn these -0 into +0.
        {"negative zeros past the rows' ends",
         makeSystem({{2, -1, 0, 0}, {-1, 2, -0.0, -0.0}, {0, 0, 3, -0.0}, {0, 0, 0, 1}},
                    {1, -0.0, -0.0, 0}),
         Outcome::Solved},
        {"multiplier underflows to zero",
         makeSystem({{1e300, 1e-300, 5}, {0, 1, 1}, {0, 0, 2}}, {1, 1, 1}), Outcome::Solved},
        {"singular: dependent rows", makeSystem({{1, 2, 3}, {2, 4, 6}, {3, 6, 10}}, {1, 2, 4}),
         Outcome::FailedInBackSubstitution},
        {"zero pivot with an empty row", makeSystem({{0, 0}, {0, 1}}, {0, 2}),
         Outcome::FailedInBackSubstitution},
        {"zero pivot met by a nonzero entry", makeSystem({{-0.0, 1}, {1, 1}}, {1, 1}),
         Outcome::FailedBeforeAnyUnknown},
        {"row update overflows at the end of the band",
         makeSystem({{1, 1e200, 1e200, 0}, {0, 1, 0, 0}, {0, 0, 1, 1}, {0, 0, 0, 1}}, {1, 1, 1, 1}),
         Outcome::FailedBeforeAnyUnknown},
        {"load update overflows", makeSystem({{1, 1e10}, {1e10, 1e21}}, {1e300, 1}),
         Outcome::FailedBeforeAnyUnknown},
        {"back substitution overflows", makeSystem({{1e-300, 0}, {0, 1}}, {1e10, 1}),
         Outcome::FailedInBackSubstitution},
        // The full rows meet the infinity when row 1 reduces row 2; the cut
        // rows only when row 2 is the pivot row.
        {"infinity past the pivot row's end",
         makeSystem({{1, 1, 0}, {0, 1, inf}, {0, 0, 1}}, {1, 1, 1}),
         Outcome::FailedBeforeAnyUnknown},
        {"NaN past the pivot row's end",
         makeSystem({{1, 1, 0, 0}, {0, 1, 0, nan}, {0, 0, 1, 0}, {0, 0, 0, 1}}, {1, 1, 1, 1}),
         Outcome::FailedBeforeAnyUnknown},
        {"infinite diagonal no pivot row reaches",
         makeSystem({{1, 0, 0}, {0, inf, 0}, {0, 0, 1}}, {1, 1, 1}),
         Outcome::FailedInBackSubstitution},
        {"NaN load", makeSystem({{1, 1}, {1, 3}}, {nan, 1}), Outcome::FailedBeforeAnyUnknown},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(expectSameAsFullRows(c.sys), c.expected);
    }
}

// Many small systems of every profile, some with tiny, huge, infinite and
// NaN entries, zeros of both signs and zero pivots.
TEST(GaussUpper, GivesTheBitsOfTheFullRowEliminationOnRandomSystems)
{
    std::mt19937_64 rng(7);
    int outcomes[3] = {};
    for (int t = 0; t < 3000; ++t) {
        const int n = 1 + int(rng() % 40);
        const int band = int(rng() % std::uint64_t(n));
        const int oddOneIn = t % 3 == 0 ? 0 : 10 + int(rng() % 200);
        System sys = randomSystem(rng, n, band, oddOneIn, t % 2 == 0);
        // A free unknown held by nothing: its row and column are zeros.
        if (t % 5 == 1) {
            const int r = 1 + int(rng() % std::uint64_t(n));
            for (int k = 1; k <= n; ++k)
                sys.A(std::min(k, r), std::max(k, r)) = rng() % 2 ? 0.0 : -0.0;
        }
        SCOPED_TRACE("system " + std::to_string(t));
        ++outcomes[int(expectSameAsFullRows(sys))];
        if (HasFailure())
            return;
    }
    // Every way out of the solver was taken many times.
    for (int count : outcomes)
        EXPECT_GT(count, 100);
}

} // namespace
