#include "model/Model.h"
#include "common/NumberForms.h"

int Model::nodeI(int e) const { return nf::toInt16Clamped(elements[e].ni); }
int Model::nodeJ(int e) const { return nf::toInt16Clamped(elements[e].nj); }
int Model::groupOf(int e) const { return nf::toInt16Clamped(elements[e].group); }

bool Model::sameData(const Model &o) const
{
    return nodeCount == o.nodeCount && elementCount == o.elementCount && groupCount == o.groupCount
        && nodes == o.nodes && springs == o.springs && elements == o.elements && groups == o.groups;
}
