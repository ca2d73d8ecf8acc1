#include "model/Subs.h"
#include "model/AnalysisResults.h"

void Clear_Model(Model &m, AnalysisResults &results)
{
    m.nodeCount = m.elementCount = m.groupCount = 0;
    m.nodes.fill(Node{});
    m.springs.fill(Spring{});
    m.elements.fill(Element{});
    m.groups.fill(ElementGroup{});
    results = AnalysisResults{};
}
