#include "model/Subs.h"
#include "workspace/Workspace.h"

void Clear_Model(Workspace &ws)
{
    Model &m = ws.model;
    m.nodeCount = m.elementCount = m.groupCount = 0;
    m.nodes.fill(Node{});
    m.springs.fill(Spring{});
    m.elements.fill(Element{});
    m.groups.fill(ElementGroup{});
    ws.results = AnalysisResults{};
}
