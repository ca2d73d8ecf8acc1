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

double Element_Stress(const Model &m, const AnalysisResults &r, int e)
{
    const ElementGroup *g = groupOf(m, e);
    if (!g)
        return std::numeric_limits<double>::quiet_NaN();
    return r.F[e][2] / g->A;
}

double Element_Strain(const Model &m, const AnalysisResults &r, int e)
{
    const ElementGroup *g = groupOf(m, e);
    if (!g)
        return std::numeric_limits<double>::quiet_NaN();
    return r.F[e][2] / g->A / g->E;
}

#define KEL2D_NODE_SEARCH(name, seek, expr)                                                  \
    double name(const Model &m, const AnalysisResults &r)                                    \
    {                                                                                        \
        return overNodes(m, Seek::seek, [&](int n) { return expr; });                        \
    }
#define KEL2D_ELEMENT_SEARCH(name, seek, expr)                                               \
    double name(const Model &m, const AnalysisResults &r)                                    \
    {                                                                                        \
        return overElements(m, Seek::seek, [&](int e) { return expr; });                     \
    }

KEL2D_NODE_SEARCH(Bres_maxAbsUx, Largest, std::abs(ux(r, n)))
KEL2D_NODE_SEARCH(Bres_maxUx, Largest, ux(r, n))
KEL2D_NODE_SEARCH(Bres_minUx, Smallest, ux(r, n))
KEL2D_NODE_SEARCH(Bres_maxAbsUy, Largest, std::abs(uy(r, n)))
KEL2D_NODE_SEARCH(Bres_maxUy, Largest, uy(r, n))
KEL2D_NODE_SEARCH(Bres_minUy, Smallest, uy(r, n))
KEL2D_NODE_SEARCH(Bres_maxU, Largest, total(r, n))
KEL2D_NODE_SEARCH(Bres_minU, Smallest, total(r, n))
KEL2D_ELEMENT_SEARCH(Bres_maxAbsN, Largest, std::abs(r.F[e][2]))
KEL2D_ELEMENT_SEARCH(Bres_maxN, Largest, r.F[e][2])
KEL2D_ELEMENT_SEARCH(Bres_minN, Smallest, r.F[e][2])
KEL2D_ELEMENT_SEARCH(Bres_maxAbsS, Largest, std::abs(Element_Stress(m, r, e)))
KEL2D_ELEMENT_SEARCH(Bres_maxS, Largest, Element_Stress(m, r, e))
KEL2D_ELEMENT_SEARCH(Bres_minS, Smallest, Element_Stress(m, r, e))
KEL2D_ELEMENT_SEARCH(Bres_maxAbsE, Largest, std::abs(Element_Strain(m, r, e)))
KEL2D_ELEMENT_SEARCH(Bres_maxE, Largest, Element_Strain(m, r, e))
KEL2D_ELEMENT_SEARCH(Bres_minE, Smallest, Element_Strain(m, r, e))

#undef KEL2D_NODE_SEARCH
#undef KEL2D_ELEMENT_SEARCH

ResultExtrema Bres_Megista(const Model &m, const AnalysisResults &r)
{
    ResultExtrema x;
    x.maxAbsUx = Bres_maxAbsUx(m, r);
    x.maxUx = Bres_maxUx(m, r);
    x.minUx = Bres_minUx(m, r);
    x.maxAbsUy = Bres_maxAbsUy(m, r);
    x.maxUy = Bres_maxUy(m, r);
    x.minUy = Bres_minUy(m, r);
    x.maxU = Bres_maxU(m, r);
    x.minU = Bres_minU(m, r);
    x.maxAbsN = Bres_maxAbsN(m, r);
    x.maxN = Bres_maxN(m, r);
    x.minN = Bres_minN(m, r);
    x.maxAbsS = Bres_maxAbsS(m, r);
    x.maxS = Bres_maxS(m, r);
    x.minS = Bres_minS(m, r);
    x.maxAbsE = Bres_maxAbsE(m, r);
    x.maxE = Bres_maxE(m, r);
    x.minE = Bres_minE(m, r);
    return x;
}

bool Extrema_Finite(const ResultExtrema &x)
{
    for (double v : {x.maxAbsUx, x.maxUx, x.minUx, x.maxAbsUy, x.maxUy, x.minUy, x.maxU,
                     x.minU, x.maxAbsN, x.maxN, x.minN, x.maxAbsS, x.maxS, x.minS, x.maxAbsE,
                     x.maxE, x.minE})
        if (!std::isfinite(v))
            return false;
    return true;
}
