#include "analysis/Functions_Bres_Megista.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int nodesOf(const Model &m) { return std::clamp<int>(m.nodeCount, 0, kMaxNodes); }
int elementsOf(const Model &m) { return std::clamp<int>(m.elementCount, 0, kMaxElements); }

double ux(const AnalysisResults &r, int n) { return r.U[2 * n - 1]; }
double uy(const AnalysisResults &r, int n) { return r.U[2 * n]; }
double total(double x, double y) { return std::sqrt(x * x + y * y); }

const ElementGroup *groupOf(const Model &m, int e)
{
    // Stored references are whole numbers; only other values need the
    // rounding conversion.
    const float stored = m.elements[e].group;
    const int g = stored >= 1.0f && stored <= float(kMaxGroups) && stored == float(int(stored))
        ? int(stored)
        : m.groupOf(e);
    if (g < 1 || g > std::min<int>(m.groupCount, kMaxGroups))
        return nullptr;
    return &m.groups[g];
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double stressIn(const ElementGroup *g, double n) { return g ? n / g->A : kNaN; }
double strainIn(const ElementGroup *g, double n) { return g ? n / g->A / g->E : kNaN; }

// The running value of a search starts with the first item's quantity and
// is replaced only by a strictly larger (smaller) one. The first item
// compared with itself again would change nothing, not even with a NaN.
struct Largest {
    double value;
    void see(double v) { value = v > value ? v : value; }
};
struct Smallest {
    double value;
    void see(double v) { value = v < value ? v : value; }
};

// The eight node searches in one pass over the nodes (at least one).
void nodeExtrema(const AnalysisResults &r, int nodes, ResultExtrema &x)
{
    const double x1 = ux(r, 1), y1 = uy(r, 1), t1 = total(x1, y1);
    Largest maxAbsUx{std::abs(x1)}, maxUx{x1}, maxAbsUy{std::abs(y1)}, maxUy{y1}, maxU{t1};
    Smallest minUx{x1}, minUy{y1}, minU{t1};
    for (int n = 2; n <= nodes; ++n) {
        const double vx = ux(r, n), vy = uy(r, n), t = total(vx, vy);
        maxAbsUx.see(std::abs(vx));
        maxUx.see(vx);
        minUx.see(vx);
        maxAbsUy.see(std::abs(vy));
        maxUy.see(vy);
        minUy.see(vy);
        maxU.see(t);
        minU.see(t);
    }
    x.maxAbsUx = maxAbsUx.value;
    x.maxUx = maxUx.value;
    x.minUx = minUx.value;
    x.maxAbsUy = maxAbsUy.value;
    x.maxUy = maxUy.value;
    x.minUy = minUy.value;
    x.maxU = maxU.value;
    x.minU = minU.value;
}

// The nine element searches in one pass over the elements (at least one).
void elementExtrema(const Model &m, const AnalysisResults &r, int elements, ResultExtrema &x)
{
    const ElementGroup *g1 = groupOf(m, 1);
    const double n1 = r.F[1][2], s1 = stressIn(g1, n1), e1 = strainIn(g1, n1);
    Largest maxAbsN{std::abs(n1)}, maxN{n1}, maxAbsS{std::abs(s1)}, maxS{s1};
    Largest maxAbsE{std::abs(e1)}, maxE{e1};
    Smallest minN{n1}, minS{s1}, minE{e1};
    for (int e = 2; e <= elements; ++e) {
        const ElementGroup *g = groupOf(m, e);
        const double n = r.F[e][2], s = stressIn(g, n), strain = strainIn(g, n);
        maxAbsN.see(std::abs(n));
        maxN.see(n);
        minN.see(n);
        maxAbsS.see(std::abs(s));
        maxS.see(s);
        minS.see(s);
        maxAbsE.see(std::abs(strain));
        maxE.see(strain);
        minE.see(strain);
    }
    x.maxAbsN = maxAbsN.value;
    x.maxN = maxN.value;
    x.minN = minN.value;
    x.maxAbsS = maxAbsS.value;
    x.maxS = maxS.value;
    x.minS = minS.value;
    x.maxAbsE = maxAbsE.value;
    x.maxE = maxE.value;
    x.minE = minE.value;
}

} // namespace

double elementStress(const Model &m, const AnalysisResults &r, int e)
{
    return stressIn(groupOf(m, e), r.F[e][2]);
}

double elementStrain(const Model &m, const AnalysisResults &r, int e)
{
    return strainIn(groupOf(m, e), r.F[e][2]);
}

// With no nodes (no elements) a search has nothing to look at and gives 0.
ResultExtrema findExtrema(const Model &m, const AnalysisResults &r)
{
    ResultExtrema x;
    if (nodesOf(m) >= 1)
        nodeExtrema(r, nodesOf(m), x);
    if (elementsOf(m) >= 1)
        elementExtrema(m, r, elementsOf(m), x);
    return x;
}

// Each search is one field of the searches made together.
#define KEL2D_SEARCH(name, field)                                                                  \
    double name(const Model &m, const AnalysisResults &r) { return findExtrema(m, r).field; }

KEL2D_SEARCH(findMaxAbsUx, maxAbsUx)
KEL2D_SEARCH(findMaxUx, maxUx)
KEL2D_SEARCH(findMinUx, minUx)
KEL2D_SEARCH(findMaxAbsUy, maxAbsUy)
KEL2D_SEARCH(findMaxUy, maxUy)
KEL2D_SEARCH(findMinUy, minUy)
KEL2D_SEARCH(findMaxU, maxU)
KEL2D_SEARCH(findMinU, minU)
KEL2D_SEARCH(findMaxAbsN, maxAbsN)
KEL2D_SEARCH(findMaxN, maxN)
KEL2D_SEARCH(findMinN, minN)
KEL2D_SEARCH(findMaxAbsS, maxAbsS)
KEL2D_SEARCH(findMaxS, maxS)
KEL2D_SEARCH(findMinS, minS)
KEL2D_SEARCH(findMaxAbsE, maxAbsE)
KEL2D_SEARCH(findMaxE, maxE)
KEL2D_SEARCH(findMinE, minE)

#undef KEL2D_SEARCH

bool extremaFinite(const ResultExtrema &x)
{
    for (double v :
         {x.maxAbsUx, x.maxUx, x.minUx, x.maxAbsUy, x.maxUy, x.minUy, x.maxU, x.minU, x.maxAbsN,
          x.maxN, x.minN, x.maxAbsS, x.maxS, x.minS, x.maxAbsE, x.maxE, x.minE})
        if (!std::isfinite(v))
            return false;
    return true;
}
