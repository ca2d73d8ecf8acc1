#include "model/NodeForm.h"

#include "common/NumberForms.h"
#include "model/Model.h"
#include "model/TypedNumbers.h"

namespace {

// A spring box is empty where there is no spring.
QString springText(float k) { return k > 0 ? nf::generalSingle(k) : QString(); }

} // namespace

int NodeForm::entries() const { return m_model.nodeCount + 1; }

int NodeForm::supportPicture() const
{
    return 1 + (fields.fixedX ? 1 : 0) + (fields.fixedY ? 2 : 0);
}

void NodeForm::begin()
{
    focus = NodeField::None;
    selectAll = false;
    effects = {};
}

void NodeForm::open(int node)
{
    begin();
    show(node >= 1 && node <= m_model.nodeCount ? node : entries(), false);
}

void NodeForm::selectNumber(int v)
{
    begin();
    show(v, true);
}

void NodeForm::show(int v, bool moveFocus)
{
    fields.number = entryText(v);
    if (v < 1 || v > m_model.nodeCount) {
        showNew();
    } else {
        isNew = false;
        const Node &n = m_model.nodes[v];
        fields.x = nf::generalSingle(n.x);
        fields.y = nf::generalSingle(n.y);
        fields.kx = springText(m_model.springs[v].kx);
        fields.ky = springText(m_model.springs[v].ky);
        fields.fixedX = n.cx == 1.0f;
        fields.fixedY = n.cy == 1.0f;
    }
    if (moveFocus)
        focus = isNew ? NodeField::X : NodeField::Apply;
}

void NodeForm::showNew()
{
    isNew = true;
    fields.x.clear();
    fields.y.clear();
    fields.kx.clear();
    fields.ky.clear();
    fields.fixedX = fields.fixedY = false;
}

void NodeForm::pressNew()
{
    begin();
    fields.number = entryText(entries());
    showNew();
    focus = NodeField::X;
}

void NodeForm::pressApply()
{
    begin();
    const NodeApplied applied = applyNode(m_model, m_user, fields);
    if (!applied.verdict.ok) {
        focus = applied.verdict.field;
        selectAll = applied.verdict.selectAll;
        return;
    }
    effects.redraw = true;
    if (applied.added) {
        // Ready for the next node at once.
        fields.number = entryText(entries());
        showNew();
        focus = NodeField::X;
    } else {
        show(applied.node + 1, true);
    }
}

void NodeForm::pressDelete()
{
    begin();
    switch (deleteNode(m_model, m_user, fields.number)) {
    case NodeDeletion::Refused:
        focus = NodeField::Number;
        selectAll = true;
        break;
    case NodeDeletion::Cancelled: break;
    case NodeDeletion::Deleted: {
        // The entry of the deleted number now shows the node that followed.
        const int v = static_cast<int>(typed::number(fields.number));
        show(v, true);
        effects.redraw = true;
        effects.modelDrawing = true;
        break;
    }
    }
}

void NodeForm::setFixed(Axis axis, bool fixed)
{
    begin();
    (axis == Axis::X ? fields.fixedX : fields.fixedY) = fixed;
    if (fixed)
        (axis == Axis::X ? fields.kx : fields.ky).clear();
}

void NodeForm::springEdited(Axis axis)
{
    begin();
    if (typed::number(axis == Axis::X ? fields.kx : fields.ky) > 0)
        (axis == Axis::X ? fields.fixedX : fields.fixedY) = false;
}

void NodeForm::clickSupportPicture()
{
    begin();
    // Pictures 1..4 in turn: free, x fixed, y fixed, both fixed.
    const int next = supportPicture() % 4; // 0-based index of the next one
    setFixed(Axis::X, next & 1);
    setFixed(Axis::Y, next & 2);
}
