#include "ui/UndoRecorder.h"

#include <QUndoCommand>

namespace {

// One edit step: the model before and after it.
class ModelStepCommand : public QUndoCommand {
public:
    ModelStepCommand(UndoRecorder &recorder, const QString &label, Model before, Model after)
        : QUndoCommand(label), m_recorder(recorder), m_before(std::move(before)),
          m_after(std::move(after))
    {
    }
    void undo() override { m_recorder.restore(m_before, text(), true); }
    void redo() override
    {
        // Pushing redoes the command; the step has already been done.
        if (m_done)
            m_recorder.restore(m_after, text(), false);
        m_done = true;
    }

private:
    UndoRecorder &m_recorder;
    Model m_before, m_after;
    bool m_done = false;
};

EditEffects effectsOf(const Model &from, const Model &to)
{
    EditEffects effects;
    effects.redraw = true;
    effects.modelDrawing = from.nodeCount != to.nodeCount || from.elementCount != to.elementCount;
    effects.hideQuantityButtons = from.groupCount != to.groupCount;
    return effects;
}

} // namespace

UndoRecorder::UndoRecorder(Model &model, RestoredHandler onRestored)
    : m_model(model), m_onRestored(std::move(onRestored))
{
    m_stack.setUndoLimit(kUndoLimit);
}

void UndoRecorder::begin(const QString &label)
{
    m_before = m_model;
    m_label = label;
}

void UndoRecorder::end()
{
    if (!m_before)
        return;
    Model before = std::move(*m_before);
    m_before.reset();
    if (before.sameData(m_model))
        return;
    m_stack.push(new ModelStepCommand(*this, m_label, std::move(before), m_model));
}

void UndoRecorder::restore(const Model &state, const QString &label, bool undone)
{
    const EditEffects effects = effectsOf(m_model, state);
    const QString fileName = m_model.fileName;
    const bool failed = m_model.analysisFailed;
    m_model = state;
    m_model.fileName = fileName;
    m_model.analysisFailed = failed;
    m_model.modelChanged = true;
    if (m_onRestored)
        m_onRestored(label, undone, effects);
}

QString undoActionText(const QString &verb, const QString &label)
{
    if (label.isEmpty())
        return verb;
    qsizetype end = label.size();
    for (const QString &stop : {QStringLiteral(","), QStringLiteral(". ")}) {
        const qsizetype at = label.indexOf(stop);
        if (at > 0 && at < end)
            end = at;
    }
    QString name = label.left(end);
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    // A menu caption takes "&" as the mark of its access key.
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return verb + QLatin1Char(' ') + name;
}
