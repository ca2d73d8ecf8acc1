#include "model/ElementForm.h"

#include "model/Model.h"
#include "model/TypedNumbers.h"

int ElementForm::entries() const { return m_model.elementCount + 1; }
int ElementForm::nodeEntries() const { return m_model.nodeCount; }
int ElementForm::groupEntries() const { return m_model.groupCount; }

void ElementForm::begin()
{
    focus = ElementField::None;
    selectAll = false;
    effects = {};
}

void ElementForm::open(int element)
{
    begin();
    show(element >= 1 && element <= m_model.elementCount ? element : entries(), false);
}

void ElementForm::selectNumber(int v)
{
    begin();
    show(v, true);
}

void ElementForm::show(int v, bool moveFocus)
{
    fields.number = entryText(v);
    if (v < 1 || v > m_model.elementCount) {
        showNew();
    } else {
        isNew = false;
        fields.group = entryText(m_model.groupOf(v));
        fields.nodeI = entryText(m_model.nodeI(v));
        fields.nodeJ = entryText(m_model.nodeJ(v));
    }
    if (moveFocus)
        focus = isNew ? ElementField::NodeI : ElementField::Apply;
}

void ElementForm::showNew()
{
    isNew = true;
    fields.group = m_model.groupCount > 0 ? entryText(1) : QString();
    fields.nodeI.clear();
    fields.nodeJ.clear();
}

void ElementForm::chooseGroup()
{
    begin();
    focus = ElementField::NodeI;
}

void ElementForm::chooseNodeI()
{
    begin();
    focus = ElementField::NodeJ;
}

void ElementForm::chooseNodeJ()
{
    begin();
    focus = ElementField::Apply;
}

void ElementForm::pressNew()
{
    begin();
    fields.number = entryText(entries());
    showNew();
    focus = ElementField::NodeI;
}

void ElementForm::pressApply()
{
    begin();
    const ElementApplied applied = applyElement(m_model, m_user, fields);
    if (!applied.verdict.ok) {
        focus = applied.verdict.field;
        selectAll = applied.verdict.selectAll;
        return;
    }
    effects.redraw = true;
    if (applied.added) {
        // Ready for the next new element.
        fields.number = entryText(entries());
        showNew();
        focus = ElementField::NodeI;
    } else {
        show(applied.element + 1, true);
    }
}

void ElementForm::pressDelete()
{
    begin();
    if (!deleteElement(m_model, m_user, fields.number)) {
        focus = ElementField::Number;
        selectAll = true;
        return;
    }
    show(static_cast<int>(typed::number(fields.number)), true);
    effects.redraw = true;
    effects.modelDrawing = true;
}
