#include "analysis/Functions_Bres_Megista.h"
#include "core/Fixtures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace truss;

// Three nodes and three elements with results set by hand; two groups with
// different E and A so stress and strain rank differently from N.
struct ResultsByHand {
    Model m;
    AnalysisResults r;
    ResultsByHand(std::initializer_list<double> u, std::initializer_list<double> n)
    {
        group(m, 10, 2);
        group(m, 100, 0.5);
        for (int i = 0; i < 3; ++i)
            node(m, float(i), 0);
        element(m, 1, 2, 1);
        element(m, 2, 3, 2);
        element(m, 1, 3, 1);
        std::copy(u.begin(), u.end(), r.U.begin() + 1);
        int e = 1;
        for (double v : n) {
            r.F[e][1] = -v;
            r.F[e++][2] = v;
        }
        m.elementCount = std::int16_t(n.size());
    }
};

TEST(ResultExtrema, SeventeenSearches)
{
    //                 node 1     node 2     node 3
    ResultsByHand s({3, -4, -6, 0, 1, 1}, {4, -2, -5});
    const ResultExtrema x = findExtrema(s.m, s.r);
    // Stresses 2, -4, -2.5 (element 2 has the small area); strains 0.2,
    // -0.04, -0.25.
    EXPECT_EQ((std::vector{x.maxAbsUx, x.maxUx, x.minUx, x.maxAbsUy, x.maxUy, x.minUy, x.maxU,
                           x.minU, x.maxAbsN, x.maxN, x.minN, x.maxAbsS, x.maxS, x.minS, x.maxAbsE,
                           x.maxE, x.minE}),
              (std::vector<double>{6, 3, -6, 4, 1, -4, 6, std::sqrt(2.0), 5, 4, -5, 4, 2, -4, 0.25,
                                   0.2, -0.25}));
    EXPECT_TRUE(extremaFinite(x));

    // A search that starts from zero instead of the first item gets these wrong.
    ResultsByHand pressed({-1, -2, -3, -4, -5, -6}, {-3, -1, -2});
    const ResultExtrema p = findExtrema(pressed.m, pressed.r);
    EXPECT_EQ((std::vector{p.maxUx, p.maxUy, p.maxN, p.minN, p.maxS}),
              (std::vector<double>{-1, -2, -1, -3, -1}));
    ResultsByHand one({0, 0, 0, 0, 0, 0}, {-7});
    const ResultExtrema o = findExtrema(one.m, one.r);
    EXPECT_EQ((std::vector{o.maxN, o.minN, o.maxS, o.minS}), (std::vector{-7.0, -7.0, -3.5, -3.5}));
}

// A later item replaces the running value only when strictly larger
// (smaller), so of two equal values the first is kept: here zeros of either
// sign, which compare equal.
TEST(ResultExtrema, TiesKeepTheFirst)
{
    //                 node 1      node 2      node 3
    ResultsByHand s({-0.0, 0.0, 0.0, -0.0, 0.0, -0.0}, {-0.0, 0.0, 0.0});
    const ResultExtrema x = findExtrema(s.m, s.r);
    for (double first : {x.maxUx, x.minUx, x.maxN, x.minN, x.maxS, x.minS, x.maxE, x.minE})
        EXPECT_TRUE(std::signbit(first));
    EXPECT_FALSE(std::signbit(x.maxUy) || std::signbit(x.minUy));
}

// An element whose group is outside the model has no stress; the search
// does not read past the group table.
TEST(ResultExtrema, StressOfAnElementWithoutGroupIsNotANumber)
{
    ResultsByHand s({0, 0, 0, 0, 0, 0}, {1, 1, 1});
    s.m.elements[2].group = 9;
    EXPECT_TRUE(std::isnan(elementStress(s.m, s.r, 2)) && std::isnan(elementStrain(s.m, s.r, 2)));
    EXPECT_EQ(elementStress(s.m, s.r, 1), 0.5);
}

} // namespace
