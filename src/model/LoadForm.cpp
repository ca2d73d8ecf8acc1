#include "model/LoadForm.h"

#include "common/NumberForms.h"
#include "model/Model.h"

namespace {

// A force box is empty where the force is 0.
QString forceText(float f) { return f != 0 ? nf::generalSingle(f) : QString(); }

} // namespace

int LoadForm::nodeEntries() const { return m_model.nodeCount; }
std::vector<int> LoadForm::loaded() const { return loadedNodes(m_model); }

void LoadForm::begin()
{
    focus = LoadField::None;
    selectAll = false;
    effects = {};
}

void LoadForm::open(int node)
{
    begin();
    selectNode(node >= 1 && node <= m_model.nodeCount ? node : 1);
}

void LoadForm::selectNode(int n)
{
    begin();
    fields.node = entryText(n);
    const bool exists = n >= 1 && n <= m_model.nodeCount;
    fields.fx = exists ? forceText(m_model.nodes[n].fx) : QString();
    fields.fy = exists ? forceText(m_model.nodes[n].fy) : QString();
}

void LoadForm::pressApply()
{
    begin();
    afterApply(applyLoad(m_model, m_user, fields));
}

void LoadForm::pressDelete()
{
    begin();
    afterApply(deleteLoad(m_model, m_user, fields));
}

void LoadForm::afterApply(const LoadApplied &applied)
{
    if (!applied.verdict.ok) {
        focus = applied.verdict.field;
        selectAll = applied.verdict.selectAll;
        return;
    }
    // On to the next node, after the last back to node 1.
    selectNode(applied.node < m_model.nodeCount ? applied.node + 1 : 1);
    effects.redraw = true;
}
