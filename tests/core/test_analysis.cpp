// Results of whole analyses against answers worked out by hand, and the
// extrema of results set by hand.
#include "analysis/Functions_Bres_Megista.h"
#include "analysis/epilisi.h"
#include "core/Fixtures.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace truss;

const double r2 = std::sqrt(2.0);

struct Expect {
    int index; // DOF for U, element for N, node for R
    int dir;   // R only: 1 x, 2 y
    double value;
};

// A two-panel Pratt truss, pinned at node 1 and on a roller at node 3, with
// 12 hanging from the middle bottom node. By the method of joints: bottom
// chords +8, diagonals -10, the post +12; reactions 6 up at each support.
// By virtual work the loaded node sinks sum(N^2 L)/(12 EA) = 1944/12/1000.
void pratt(Model &m)
{
    group(m, 1000, 1);
    node(m, 0, 0, 1, 1);
    node(m, 4, 0, 0, 0, 0, -12);
    node(m, 8, 0, 0, 1);
    node(m, 4, 3);
    for (auto [i, j] : {std::pair{1, 2}, {2, 3}, {1, 4}, {4, 3}, {2, 4}})
        element(m, i, j);
}

TEST(AnalysisResults, TrussesSolvedByHand)
{
    const std::vector<Expect> apexU = {{5, 0, 0}, {6, 0, -10 * r2}};
    const std::vector<Expect> apexN = {{1, 0, -5 * r2}, {2, 0, -5 * r2}};
    const struct {
        const char *name;
        std::function<void(Model &)> build;
        std::vector<Expect> U, N, R;
    } cases[] = {
        // clang-format off
        // Node 2 held in x, pushed down by 10 on a bar of EA/L = 6.
        {"single bar",
         [](Model &m) { group(m, 2, 3); node(m, 0, 0, 1, 1); node(m, 0, 1, 1, 0, 0, -10); element(m, 1, 2); },
         {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, -10.0 / 6}}, {{1, 0, -10}},
         {{1, 1, 0}, {1, 2, 10}, {2, 1, 0}}},
        {"apex truss with element 1 reversed",
         [](Model &m) { apex(m); m.elements[1] = Element{3, 1, 1}; },
         apexU, apexN, {{1, 1, 5}, {1, 2, 5}, {2, 1, -5}, {2, 2, 5}}},
        // A load on a held DOF moves nothing and only lowers that reaction.
        {"load on a fixed DOF", [](Model &m) { apex(m); m.nodes[1].fx = 7; },
         apexU, apexN, {{1, 1, 5 - 7}, {1, 2, 5}, {2, 1, -5}, {2, 2, 5}}},
        {"Pratt truss by the method of joints", pratt,
         {{1, 0, 0}, {2, 0, 0}, {4, 0, -1944.0 / 12 / 1000}, {6, 0, 0}},
         {{1, 0, 8}, {2, 0, 8}, {3, 0, -10}, {4, 0, -10}, {5, 0, 12}},
         {{1, 1, 0}, {1, 2, 6}, {3, 2, 6}}},
        // A bar of EA/L = 500 and a spring of 500 share the 10 pulling node 2;
        // the spring's share is no reaction: only the bar pushes node 1.
        {"bar beside a spring",
         [](Model &m) { group(m, 1000, 1); node(m, 0, 0, 1, 1); node(m, 2, 0, 0, 1, 10, 0);
                        element(m, 1, 2); spring(m, 2, 500, 0); },
         {{3, 0, 0.01}, {4, 0, 0}}, {{1, 0, 5}}, {{1, 1, -5}, {1, 2, 0}, {2, 2, 0}}},
        // clang-format on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TestWorkspace ws;
        c.build(ws.model);
        ASSERT_TRUE(Run_Analysis(ws));
        const AnalysisResults &r = ws.results;
        const auto near = [](double a, double b) {
            return std::abs(a - b) <= 1e-9 * (1 + std::abs(b));
        };
        for (const Expect &x : c.U)
            EXPECT_TRUE(near(r.U[x.index], x.value)) << "U(" << x.index << ") " << r.U[x.index];
        for (const Expect &x : c.N)
            EXPECT_TRUE(near(r.F[x.index][2], x.value) && r.F[x.index][1] == -r.F[x.index][2])
                << "N of " << x.index;
        for (const Expect &x : c.R)
            EXPECT_TRUE(near(r.R[x.index][x.dir], x.value))
                << "R(" << x.index << ", " << x.dir << ") " << r.R[x.index][x.dir];
    }
}

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
