#pragma once
// Why a structure could not be solved: its free motions. A mechanism moves
// without straining any element or spring; those motions are the null space
// (or, with round-off, the near-null space) of the free-free stiffness Kff.
// Told after the analysis' own failure or mechanism message, one red log
// line per motion, and the first one drawn over the model.
#include <QStringList>
#include <vector>

class MessageLog;
struct Model;

struct FreeMotion {
    // Displacement of each global DOF (2n-1 x, 2n y of node n; index 0 is
    // unused), scaled so that its largest component is 1 or -1.
    std::vector<double> u;
    // The nodes that take part, ascending, with the directions that move.
    struct MovingNode {
        int node = 0;
        bool x = false, y = false;
    };
    std::vector<MovingNode> nodes;
};

// The free motions of the supported structure, assembled as the analysis
// assembles it. Nothing when the structure is stable or the model is one the
// analysis refuses before assembly (bad references, zero lengths, ...).
std::vector<FreeMotion> findFreeMotions(const Model &model);

// "Free motion 1: node #4 in x, node #5 in x and y", one per motion.
QStringList freeMotionLines(const std::vector<FreeMotion> &motions);

// Finds the free motions and writes their lines to the log in red; returns
// the motions.
std::vector<FreeMotion> reportFreeMotions(const Model &model, MessageLog &log);
