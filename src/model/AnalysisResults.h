#pragma once
// The results of the last successful analysis: displacements by global DOF
// (node n: 2n-1 in x, 2n in y), element end forces (F[e][2] = N, tension
// positive; F[e][1] = -N) and node reactions, with the seventeen extrema.
#include "model/Model.h"
#include <array>

struct ResultExtrema {
    double maxAbsUx = 0, maxUx = 0, minUx = 0;
    double maxAbsUy = 0, maxUy = 0, minUy = 0;
    double maxU = 0, minU = 0;
    double maxAbsN = 0, maxN = 0, minN = 0;
    double maxAbsS = 0, maxS = 0, minS = 0;
    double maxAbsE = 0, maxE = 0, minE = 0;
    bool operator==(const ResultExtrema &) const = default;
};

struct AnalysisResults {
    std::array<double, kMaxDofs + 1> U{};                    // 1..2N
    std::array<std::array<double, 3>, kMaxElements + 1> F{}; // [e][1..2]
    std::array<std::array<double, 3>, kMaxNodes + 1> R{};    // [n][1..2]
    ResultExtrema extrema;
};
