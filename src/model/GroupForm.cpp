#include "model/GroupForm.h"

#include "common/NumberForms.h"
#include "model/Model.h"
#include "model/TypedNumbers.h"

int GroupForm::entries() const { return m_model.groupCount + 1; }

void GroupForm::begin()
{
    focus = GroupField::None;
    selectAll = false;
    effects = {};
}

void GroupForm::open(int group)
{
    begin();
    show(group >= 1 && group <= m_model.groupCount ? group : entries(), false);
}

void GroupForm::selectNumber(int v)
{
    begin();
    show(v, true);
}

void GroupForm::show(int v, bool moveFocus)
{
    fields.number = entryText(v);
    isNew = v < 1 || v > m_model.groupCount;
    fields.e = isNew ? QString() : nf::generalDouble(m_model.groups[v].E);
    fields.a = isNew ? QString() : nf::generalDouble(m_model.groups[v].A);
    if (moveFocus)
        focus = isNew ? GroupField::E : GroupField::Apply;
}

void GroupForm::pressNew()
{
    begin();
    show(entries(), true);
}

void GroupForm::pressApply()
{
    begin();
    const GroupApplied applied = applyGroup(m_model, m_user, fields);
    if (!applied.verdict.ok) {
        focus = applied.verdict.field;
        selectAll = applied.verdict.selectAll;
        return;
    }
    // A new group leaves the next new one ready; a changed one moves on.
    show(applied.added ? entries() : applied.group + 1, true);
    effects.redraw = true;
}

void GroupForm::pressDelete()
{
    begin();
    if (!deleteGroup(m_model, m_user, fields.number)) {
        focus = GroupField::Number;
        selectAll = true;
        return;
    }
    show(static_cast<int>(typed::number(fields.number)), true);
    effects.redraw = true;
    effects.hideQuantityButtons = true;
}
