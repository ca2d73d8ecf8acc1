// The solver on a matrix in profile form against the same solver on the
// full rows: random systems of every profile, with zeros of either sign,
// non-finite and overflowing entries, must give the same outcome and the
// same bytes. And the log's 24-hour times written directly.
#include "analysis/MathMATRIX.h"
#include "analysis/TimeOfDay.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

// Row i ends at a random column; inside it the entries are random, with
// holes of +0 and -0 and, now and then, a value that breaks the solution.
// The profile of each row reaches its end and, at random, a little further.
void randomPair(std::mt19937_64 &rng, int n, Matrix &dense, ProfileMatrix &profile, Vector &b)
{
    constexpr double kSpoilers[] = {std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::quiet_NaN(), 1e300, 0.0};
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    dense = New_Matrix(n);
    std::vector<int> reach(std::size_t(n) + 1);
    b.assign(std::size_t(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        const int end = std::min(n, i + int(rng() % std::uint64_t(n / 3 + 2)));
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

TEST(ProfileSolver, SameOutcomeAndBytesAsTheFullRows)
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
        const bool solved = gaussUpper(dense, bDense, xDense, n);
        ASSERT_EQ(gaussUpper(profile, bProfile, xProfile), solved);
        failures += !solved;
        ASSERT_TRUE(
            !solved
            || !std::memcmp(xDense.data(), xProfile.data(), sizeof(double) * xDense.size()));
    }
    EXPECT_TRUE(failures > 100 && failures < 1000) << failures; // both outcomes are met
}

// The log's times always show the seconds (a run takes less than one) and
// never the time zone; in the 24-hour form as the locale writes them.
TEST(TimeOfDay, TwentyFourHourTimesWithSecondsWithoutZone)
{
    const QString text = timeOfDay(QTime(14, 5, 9));
    EXPECT_TRUE(text.contains(QStringLiteral(":05:09")) && !text.contains(QStringLiteral("UTC"))
                && text == text.trimmed())
        << text.toStdString();
    const QLocale locale = QLocale::system();
    if (!locale.timeFormat(QLocale::LongFormat).startsWith(QLatin1String("HH:mm:ss")))
        GTEST_SKIP() << "the platform's time format is not the 24-hour one";
    for (const QTime t : {QTime(0, 0, 0), QTime(9, 5, 7), QTime(23, 59, 59)})
        EXPECT_EQ(timeOfDay(t), locale.toString(t, QStringLiteral("HH:mm:ss")));
}

} // namespace
