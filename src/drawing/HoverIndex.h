#pragma once
// The nodes' and elements' places on the drawing area, kept from one pointer
// move to the next so that following the pointer does not convert the whole
// model to centimetres on every move, nor look at every item: the area is cut
// into cells, each listing the items that can be picked from a point in it.
// It is worked out again as soon as the nodes, the elements, their counts or
// the view differ from what it was built from, whatever changed them.
#include "drawing/ViewTransform.h"
#include "model/Model.h"

#include <span>
#include <vector>

class HoverIndex {
public:
    // An element whose two nodes exist, on screen (cm), with the box of its
    // ends.
    struct Segment {
        int element;
        double x1, y1, x2, y2;
        double minX, maxX, minY, maxY;
    };

    // `nodeReach`: how far (cm) from a node in x and in y a pointer picks
    // it; `segmentReach`: how far beyond an element's box.
    HoverIndex(double nodeReach, double segmentReach);

    // Renews the places when the model or the view moved on.
    void refresh(const Model &model, const ViewTransform &view);

    // Node n's place (cm); n from 1 to the node count.
    double screenX(int n) const { return m_screenX[n]; }
    double screenY(int n) const { return m_screenY[n]; }
    int nodeCount() const { return m_nodeCount; }
    // In element order.
    const std::vector<Segment> &segments() const { return m_segments; }

    // In ascending order, the nodes (numbers) and the segments (indices into
    // segments()) that can be within reach of the point (x, y) (cm): a few
    // near it inside the area the places were worked out for, every one
    // elsewhere.
    std::span<const int> nodesNear(double x, double y) const;
    std::span<const int> segmentsNear(double x, double y) const;

private:
    // Items listed by the cells their reach touches, cell after cell.
    struct Cells {
        std::vector<int> start; // per cell, where its items begin; one more at the end
        std::vector<int> items;
        std::vector<int> all; // every item, for points outside the cells
    };

    bool current(const Model &model, const ViewTransform &view) const;
    void rebuild(const Model &model, const ViewTransform &view);
    void placeCells(const ViewTransform &view);
    // The cell of (x, y), or -1 outside the cells.
    int cellOf(double x, double y) const;
    // Lists every item of `cells.all` by the cells its box (`boxOf(item)`)
    // touches.
    template <typename BoxOf>
    void fill(Cells &cells, BoxOf boxOf) const;
    std::span<const int> near(const Cells &cells, double x, double y) const;

    double m_nodeReach, m_segmentReach;
    bool m_built = false;
    int m_nodeCount = 0;
    int m_elementCount = 0;
    std::vector<Node> m_nodes;       // as built from, rows 1..count
    std::vector<Element> m_elements; // likewise
    float m_scale = 0;
    double m_offsetX = 0, m_offsetY = 0, m_areaHeight = 0;
    std::vector<double> m_screenX, m_screenY;
    std::vector<Segment> m_segments;

    double m_cellSize = 1; // cm
    int m_columns = 0, m_rows = 0;
    Cells m_nodeCells, m_segmentCells;
};
