#pragma once
// The nodes' and elements' places on the drawing area, kept from one pointer
// move to the next so that following the pointer does not convert the whole
// model to centimetres on every move. It is worked out again as soon as the
// nodes, the elements, their counts or the view differ from what it was
// built from, whatever changed them.
#include "drawing/ViewTransform.h"
#include "model/Model.h"

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

    // Renews the places when the model or the view moved on.
    void refresh(const Model &model, const ViewTransform &view);

    // Node n's place (cm); n from 1 to the node count.
    double screenX(int n) const { return m_screenX[n]; }
    double screenY(int n) const { return m_screenY[n]; }
    int nodeCount() const { return m_nodeCount; }
    // In element order.
    const std::vector<Segment> &segments() const { return m_segments; }

private:
    bool current(const Model &model, const ViewTransform &view) const;
    void rebuild(const Model &model, const ViewTransform &view);

    bool m_built = false;
    int m_nodeCount = 0;
    int m_elementCount = 0;
    std::vector<Node> m_nodes;       // as built from, rows 1..count
    std::vector<Element> m_elements; // likewise
    float m_scale = 0;
    double m_offsetX = 0, m_offsetY = 0, m_areaHeight = 0;
    std::vector<double> m_screenX, m_screenY;
    std::vector<Segment> m_segments;
};
