#pragma once
// Facts about the model that the text report, the data and results window
// and its tree all state in the same way: which nodes count as constrained,
// loaded or sprung, the constraint code, and the counts of the general data.
#include "model/Model.h"

#include <QString>
#include <algorithm>

// A direction is fixed only by a flag of exactly 1.
inline bool isConstrained(const Node &n) { return n.cx == 1.0f || n.cy == 1.0f; }
inline bool isLoaded(const Node &n) { return n.fx != 0.0f || n.fy != 0.0f; }
inline bool hasSpring(const Spring &s) { return s.kx > 0.0f || s.ky > 0.0f; }

// "x" for a fixed and "o" for a free direction, x first: "xx", "xo", "ox";
// empty when both directions are free.
QString constraintCode(const Node &n);

// The rows a table may list: the count, kept inside the table's capacity.
inline int nodeRows(const Model &m) { return std::clamp<int>(m.nodeCount, 0, kMaxNodes); }
inline int elementRows(const Model &m) { return std::clamp<int>(m.elementCount, 0, kMaxElements); }
inline int groupRows(const Model &m) { return std::clamp<int>(m.groupCount, 0, kMaxGroups); }

struct ModelCounts {
    int groups = 0;
    int nodes = 0;
    int elements = 0;
    int constrained = 0; // nodes with a fixed direction
    int loaded = 0;      // nodes with Fx or Fy not 0
    int sprung = 0;      // nodes with Kx or Ky above 0
    int dofsPerNode = 2;
    int dofs = 0; // twice the node count
};

ModelCounts countModel(const Model &m);
