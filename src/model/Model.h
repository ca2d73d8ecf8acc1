#pragma once
// The one truss model of the program: fixed-capacity tables, numbered from 1
// and dense (rows 1..count in use, rows above the count all zero), with the
// file name and the two flags beside them.
//
// Coordinates, constraint flags, loads, springs and element references are
// single precision, E and A double precision, as the model file stores them.
// A constraint flag is exactly 1.0 (fixed) or 0.0 (free).
#include <QString>
#include <array>
#include <cstdint>

inline constexpr int kMaxNodes = 100;
inline constexpr int kMaxElements = 200;
inline constexpr int kMaxGroups = 50;
inline constexpr int kMaxDofs = 2 * kMaxNodes;

struct Node {
    float x = 0, y = 0;
    float cx = 0, cy = 0; // constraint flags: 1 fixed, 0 free
    float fx = 0, fy = 0; // the node's nodal load
    bool operator==(const Node &) const = default;
};

struct Spring {
    float kx = 0, ky = 0; // 0 = no spring; never negative
    bool operator==(const Spring &) const = default;
};

struct Element {
    float ni = 0, nj = 0; // node i, node j (whole numbers)
    float group = 0;      // E,A group (whole number)
    bool operator==(const Element &) const = default;
};

struct ElementGroup {
    double E = 0, A = 0;
    bool operator==(const ElementGroup &) const = default;
};

struct Model {
    // Index 0 is never used; rows are 1..capacity.
    std::array<Node, kMaxNodes + 1> nodes{};
    std::array<Spring, kMaxNodes + 1> springs{};
    std::array<Element, kMaxElements + 1> elements{};
    std::array<ElementGroup, kMaxGroups + 1> groups{};
    std::int16_t nodeCount = 0;
    std::int16_t elementCount = 0;
    std::int16_t groupCount = 0;

    QString fileName;          // empty: untitled
    bool modelChanged = false; // results are out of date
    bool analysisFailed = false;

    // Element references as indices (rounded, halves to even).
    int nodeI(int e) const;
    int nodeJ(int e) const;
    int groupOf(int e) const;

    // Tables and counts equal (file name and flags not compared).
    bool sameData(const Model &other) const;
};
