#include "analysis/Functions_Bres_Megista.h"
#include "test_analysis_helpers.h"

#include <gtest/gtest.h>

#include <cmath>

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
        int dof = 1;
        for (double v : u)
            r.U[dof++] = v;
        int e = 1;
        for (double v : n) {
            r.F[e][2] = v;
            r.F[e][1] = -v;
            ++e;
        }
    }
};

TEST(ResultExtrema, SeventeenSearches)
{
    //                 node 1     node 2     node 3
    ResultsByHand s({3, -4, -6, 0, 1, 1}, {4, -2, -5});
    const ResultExtrema x = findExtrema(s.m, s.r);
    EXPECT_EQ(x.maxAbsUx, 6);
    EXPECT_EQ(x.maxUx, 3);
    EXPECT_EQ(x.minUx, -6);
    EXPECT_EQ(x.maxAbsUy, 4);
    EXPECT_EQ(x.maxUy, 1);
    EXPECT_EQ(x.minUy, -4);
    EXPECT_EQ(x.maxU, 6);
    EXPECT_EQ(x.minU, std::sqrt(2.0));
    EXPECT_EQ(x.maxAbsN, 5);
    EXPECT_EQ(x.maxN, 4);
    EXPECT_EQ(x.minN, -5);
    // Stresses 2, -4, -2.5: element 2 has the small area.
    EXPECT_EQ(x.maxAbsS, 4);
    EXPECT_EQ(x.maxS, 2);
    EXPECT_EQ(x.minS, -4);
    // Strains 0.2, -0.04, -0.25.
    EXPECT_EQ(x.maxAbsE, 0.25);
    EXPECT_EQ(x.maxE, 0.2);
    EXPECT_EQ(x.minE, -0.25);
    EXPECT_TRUE(extremaFinite(x));
}

// A search that starts from zero instead of the first element gets these wrong.
TEST(ResultExtrema, AllInCompressionAndASingleElement)
{
    ResultsByHand all({0, 0, 0, 0, 0, 0}, {-3, -1, -2});
    EXPECT_EQ(findExtrema(all.m, all.r).maxN, -1);
    EXPECT_EQ(findExtrema(all.m, all.r).minN, -3);

    ResultsByHand one({0, 0, 0, 0, 0, 0}, {-7});
    one.m.elementCount = 1;
    const ResultExtrema x = findExtrema(one.m, one.r);
    EXPECT_EQ(x.maxN, -7);
    EXPECT_EQ(x.minN, -7);
    EXPECT_EQ(x.maxS, -3.5);
    EXPECT_EQ(x.minS, -3.5);
}

// An element whose group is outside the model has no stress; the search
// does not read past the group table.
TEST(ResultExtrema, StressOfAnElementWithoutGroupIsNotANumber)
{
    ResultsByHand s({0, 0, 0, 0, 0, 0}, {1, 1, 1});
    s.m.elements[2].group = 9;
    EXPECT_TRUE(std::isnan(elementStress(s.m, s.r, 2)));
    EXPECT_TRUE(std::isnan(elementStrain(s.m, s.r, 2)));
    EXPECT_EQ(elementStress(s.m, s.r, 1), 0.5);
}

} // namespace
