#include "analysis/Functions_Bres_Megista.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

enum class Seek { Largest, Smallest };

// The running value starts with the first item's quantity and is replaced
// only by a strictly larger (smaller) one.
template <typename Quantity>
double search(int count, Seek seek, Quantity q)
{
    if (count < 1)
        return 0.0;
    double best = q(1);
    for (int i = 1; i <= count; ++i) {
        const double v = q(i);
        if (seek == Seek::Largest ? v > best : v < best)
            best = v;
    }
    return best;
}

int nodesOf(const Model &m) { return std::clamp<int>(m.nodeCount, 0, kMaxNodes); }
int elementsOf(const Model &m) { return std::clamp<int>(m.elementCount, 0, kMaxElements); }

double ux(const AnalysisResults &r, int n) { return r.U[2 * n - 1]; }
double uy(const AnalysisResults &r, int n) { return r.U[2 * n]; }
double total(const AnalysisResults &r, int n)
{
    return std::sqrt(ux(r, n) * ux(r, n) + uy(r, n) * uy(r, n));
}

template <typename Quantity>
double overNodes(const Model &m, Seek seek, Quantity q)
{
    return search(nodesOf(m), seek, q);
}

template <typename Quantity>
double overElements(const Model &m, Seek seek, Quantity q)
{
    return search(elementsOf(m), seek, q);
}

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

} // namespace

double elementStress(const Model &m, const AnalysisResults &r, int e)
{
    const ElementGroup *g = groupOf(m, e);
    if (!g)
        return std::numeric_limits<double>::quiet_NaN();
    return r.F[e][2] / g->A;
}

double elementStrain(const Model &m, const AnalysisResults &r, int e)
{
    const ElementGroup *g = groupOf(m, e);
    if (!g)
        return std::numeric_limits<double>::quiet_NaN();
    return r.F[e][2] / g->A / g->E;
}

#define KEL2D_NODE_SEARCH(name, seek, expr)                                                        \
    double name(const Model &m, const AnalysisResults &r)                                          \
    {                                                                                              \
        return overNodes(m, Seek::seek, [&](int n) { return expr; });                              \
    }
#define KEL2D_ELEMENT_SEARCH(name, seek, expr)                                                     \
    double name(const Model &m, const AnalysisResults &r)                                          \
    {                                                                                              \
        return overElements(m, Seek::seek, [&](int e) { return expr; });                           \
    }

KEL2D_NODE_SEARCH(findMaxAbsUx, Largest, std::abs(ux(r, n)))
KEL2D_NODE_SEARCH(findMaxUx, Largest, ux(r, n))
KEL2D_NODE_SEARCH(findMinUx, Smallest, ux(r, n))
KEL2D_NODE_SEARCH(findMaxAbsUy, Largest, std::abs(uy(r, n)))
KEL2D_NODE_SEARCH(findMaxUy, Largest, uy(r, n))
KEL2D_NODE_SEARCH(findMinUy, Smallest, uy(r, n))
KEL2D_NODE_SEARCH(findMaxU, Largest, total(r, n))
KEL2D_NODE_SEARCH(findMinU, Smallest, total(r, n))
KEL2D_ELEMENT_SEARCH(findMaxAbsN, Largest, std::abs(r.F[e][2]))
KEL2D_ELEMENT_SEARCH(findMaxN, Largest, r.F[e][2])
KEL2D_ELEMENT_SEARCH(findMinN, Smallest, r.F[e][2])
KEL2D_ELEMENT_SEARCH(findMaxAbsS, Largest, std::abs(elementStress(m, r, e)))
KEL2D_ELEMENT_SEARCH(findMaxS, Largest, elementStress(m, r, e))
KEL2D_ELEMENT_SEARCH(findMinS, Smallest, elementStress(m, r, e))
KEL2D_ELEMENT_SEARCH(findMaxAbsE, Largest, std::abs(elementStrain(m, r, e)))
KEL2D_ELEMENT_SEARCH(findMaxE, Largest, elementStrain(m, r, e))
KEL2D_ELEMENT_SEARCH(findMinE, Smallest, elementStrain(m, r, e))

#undef KEL2D_NODE_SEARCH
#undef KEL2D_ELEMENT_SEARCH

ResultExtrema findExtrema(const Model &m, const AnalysisResults &r)
{
    ResultExtrema x;
    x.maxAbsUx = findMaxAbsUx(m, r);
    x.maxUx = findMaxUx(m, r);
    x.minUx = findMinUx(m, r);
    x.maxAbsUy = findMaxAbsUy(m, r);
    x.maxUy = findMaxUy(m, r);
    x.minUy = findMinUy(m, r);
    x.maxU = findMaxU(m, r);
    x.minU = findMinU(m, r);
    x.maxAbsN = findMaxAbsN(m, r);
    x.maxN = findMaxN(m, r);
    x.minN = findMinN(m, r);
    x.maxAbsS = findMaxAbsS(m, r);
    x.maxS = findMaxS(m, r);
    x.minS = findMinS(m, r);
    x.maxAbsE = findMaxAbsE(m, r);
    x.maxE = findMaxE(m, r);
    x.minE = findMinE(m, r);
    return x;
}

bool extremaFinite(const ResultExtrema &x)
{
    for (double v :
         {x.maxAbsUx, x.maxUx, x.minUx, x.maxAbsUy, x.maxUy, x.minUy, x.maxU, x.minU, x.maxAbsN,
          x.maxN, x.minN, x.maxAbsS, x.maxS, x.minS, x.maxAbsE, x.maxE, x.minE})
        if (!std::isfinite(v))
            return false;
    return true;
}
