// The equation solver: exact answers, refusals before any non-finite number
// is used, and the same outcome and bytes as the elimination that runs every
// update to column n, in full rows and in profile form, on hand-made and
// random systems of every profile; whole analyses bit for bit are in
// test_analysis_bits.cpp. And the log's 24-hour times written directly.
#include "analysis/MathMATRIX.h"
#include "analysis/TimeOfDay.h"

#include <QDateTime>
#include <QLocale>
#include <array>
#include <cstring>
#include <ctime>
#include <random>
#include <string>

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

// The elimination as it was before rows stopped at their last nonzero
// entry: every update and every back-substitution sum runs to column n, and
// overflow is caught by one running sum of v * 0 (0 for a finite v, NaN
// otherwise). The solver must give its outcome and its bits on every system.
bool fullRowGaussUpper(Matrix A, Vector b, Vector &x, int n)
{
    std::fill(x.begin(), x.end(), 0.0);
    for (int k = 1; k <= n - 1; ++k) {
        for (int i = k + 1; i <= n; ++i) {
            if (A(k, i) == 0.0)
                continue;
            if (A(k, k) == 0.0)
                return false;
            const double f = A(k, i) / A(k, k);
            if (!std::isfinite(f))
                return false;
            double poison = 0.0;
            for (int j = i; j <= n; ++j) {
                A(i, j) = A(i, j) - A(k, j) * f;
                poison += A(i, j) * 0.0;
            }
            b[i] = b[i] - b[k] * f;
            if (!std::isfinite(poison) || !std::isfinite(b[i]))
                return false;
        }
    }
    for (int i = n; i >= 1; --i) {
        double s = 0.0;
        for (int j = i + 1; j <= n; ++j)
            s += A(i, j) * x[j];
        const double d = A(i, i);
        if (d == 0.0 || !std::isfinite(d) || !std::isfinite((b[i] - s) / d))
            return false;
        x[i] = (b[i] - s) / d;
    }
    return true;
}

// Whether the solver and the full rows agree on `sys`: the same outcome and
// the same bytes in every unknown (written or not); the solver's own result
// is handed back for the test's checks.
bool sameAsFullRows(const Matrix &A, const Vector &b, Vector &x, bool &solved)
{
    const int n = A.rows;
    Matrix a = A;
    Vector bb = b, full(x.size(), 7.0);
    const bool fullSolved = fullRowGaussUpper(A, b, full, n);
    solved = gaussUpper(a, bb, x, n);
    return solved == fullSolved && !std::memcmp(x.data(), full.data(), sizeof(double) * x.size());
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
        bool solved = false;
        EXPECT_TRUE(sameAsFullRows(s.A, s.b, x, solved));
        ASSERT_EQ(solved, solvable);
        for (int i = 1; i <= n; ++i)
            EXPECT_TRUE(std::isfinite(x[i])
                        && (!solvable || std::abs(x[i] - c.expected[i - 1]) < 1e-12))
                << "unknown " << i << ": " << x[i];
    }
}

// Row i ends at a random column; inside it the entries are random, with
// holes of +0 and -0 and, now and then, a value that breaks the solution.
// The profile of each row reaches its end and, at random, a little further.
void randomPair(std::mt19937_64 &rng, int n, Matrix &dense, ProfileMatrix &profile, Vector &b)
{
    // Narrow bands, a third of the system, and full rows.
    const int band = std::array{2, n / 3 + 1, n}[rng() % 3];
    constexpr double kSpoilers[] = {std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::quiet_NaN(), 1e300, 0.0};
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    dense = New_Matrix(n);
    std::vector<int> reach(std::size_t(n) + 1);
    b.assign(std::size_t(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        const int end = std::min(n, i + int(rng() % std::uint64_t(band + 1)));
        reach[std::size_t(i)] = std::min(n, end + int(rng() % 3));
        for (int j = i + 1; j <= end; ++j)
            dense(i, j) = rng() % 4 ? value(rng) : rng() % 2 ? 0.0 : -0.0;
        dense(i, i) = 20.0 * n + value(rng);
        b[std::size_t(i)] = value(rng);
        for (int j = 1; j < i; ++j)
            dense(i, j) = 1e200; // below the diagonal: never read
    }
    if (rng() % 4 == 0) {
        const int i = 1 + int(rng() % std::uint64_t(n));
        const int j = std::min(reach[std::size_t(i)], i + int(rng() % 3));
        dense(i, j) = kSpoilers[rng() % std::size(kSpoilers)];
    }
    profile = ProfileMatrix(reach);
    for (int i = 1; i <= n; ++i)
        for (int j = i; j <= profile.lastColumn(i); ++j)
            profile.at(i, j) = dense(i, j);
}

TEST(ProfileSolver, SameOutcomeAndBytesAsTheFullRowElimination)
{
    std::mt19937_64 rng(11);
    int failures = 0;
    for (int t = 0; t < 2000; ++t) {
        SCOPED_TRACE("system " + std::to_string(t));
        const int n = 1 + int(rng() % 70);
        Matrix dense;
        ProfileMatrix profile;
        Vector bDense;
        randomPair(rng, n, dense, profile, bDense);
        Vector bProfile = bDense, xDense(std::size_t(n) + 1), xProfile(std::size_t(n) + 1);
        bool solved = false;
        ASSERT_TRUE(sameAsFullRows(dense, bDense, xDense, solved));
        ASSERT_EQ(gaussUpper(profile, bProfile, xProfile), solved);
        failures += !solved;
        ASSERT_TRUE(
            !solved
            || !std::memcmp(xDense.data(), xProfile.data(), sizeof(double) * xDense.size()));
    }
    EXPECT_TRUE(failures > 100 && failures < 1000) << failures; // both outcomes are met
}

// The log's times always show the seconds (a run takes less than one) and
// never the time zone; written directly, they equal the locale's 24-hour form.
TEST(TimeOfDay, WithSecondsWithoutZone)
{
    const QString text = timeOfDay(QTime(14, 5, 9));
    EXPECT_TRUE(text.contains(QStringLiteral(":05:09")) && !text.contains(QStringLiteral("UTC"))
                && text == text.trimmed())
        << text.toStdString();
    const QLocale locale = QLocale::system();
    if (!locale.timeFormat(QLocale::LongFormat).startsWith(QLatin1String("HH:mm:ss")))
        return;
    for (const QTime t : {QTime(0, 0, 0), QTime(9, 5, 7), QTime(23, 59, 59)})
        EXPECT_EQ(timeOfDay(t), locale.toString(t, QStringLiteral("HH:mm:ss")));
}

// The kept offset gives the local-time conversion's own answer on either
// side of a change of the zone's offset, whether the second is met first
// or again; a zone given by rule needs no zone files.
TEST(TimeOfDay, LocalTimeAcrossAnOffsetChange)
{
    const QByteArray saved = qgetenv("TZ");
    const bool hadZone = qEnvironmentVariableIsSet("TZ");
    qputenv("TZ", "EET-2EEST,M3.5.0/3,M10.5.0/4");
    tzset();
    // 2026-03-29 01:00 UTC: 03:00 +02:00 becomes 04:00 +03:00.
    const qint64 change = QDateTime(QDate(2026, 3, 29), QTime(1, 0), Qt::UTC).toMSecsSinceEpoch();
    for (const qint64 ms : {change - 1001, change - 1, change - 999, change, change + 999,
                            change + 1000, change + 1, change - 1, qint64(-1500), qint64(-500)})
        EXPECT_EQ(localTimeAt(ms), QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime).time()) << ms;
    EXPECT_EQ(localTimeAt(change - 1), QTime(2, 59, 59, 999));
    EXPECT_EQ(localTimeAt(change), QTime(4, 0));
    if (hadZone)
        qputenv("TZ", saved);
    else
        qunsetenv("TZ");
    tzset();
}

} // namespace
