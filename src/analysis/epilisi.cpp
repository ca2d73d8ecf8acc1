#include "analysis/epilisi.h"

#include "analysis/AnalysisStages.h"
#include "analysis/FreeMotions.h"
#include "analysis/Functions_Bres_Megista.h"
#include "analysis/TimeOfDay.h"
#include "common/Interaction.h"
#include "common/NumberForms.h"
#include "model/AnalysisResults.h"
#include "model/Model.h"

#include <QElapsedTimer>
#include <cmath>
#include <exception>

namespace {

const QString kMechanismText = QStringLiteral(
    "The analysis has been carried out successfully, yet some of the resultant displacements "
    "have excessive values. The structure is probably a mechanism.");

// Warns when the largest displacement is so large that the structure is
// probably a mechanism the solver got through on a tiny pivot. The first DOF
// with the largest value is named; the search starts from 0, so a structure
// that does not move names none. Returns whether it warned.
bool checkForMechanism(const AnalysisContext &context)
{
    const int dofs = 2 * std::clamp<int>(context.model.nodeCount, 0, kMaxNodes);
    double largest = 0.0;
    int at = 0;
    for (int dof = 1; dof <= dofs; ++dof) {
        const double v = std::abs(context.results.U[dof]);
        if (v > largest) {
            largest = v;
            at = dof;
        }
    }
    if (!(largest > std::pow(10.0, 7)))
        return false;
    context.user.log.append(kMechanismText, LogRed);
    context.user.prompts().message(kMechanismText + QStringLiteral("\r\n\r\nmax.(u) = u(")
                                       + QString::number(at) + QStringLiteral(") = ")
                                       + nf::generalDouble(largest),
                                   kProgramTitle, PromptIcon::Critical, PromptButtons::Ok);
    return true;
}

enum class RunOutcome {
    Done,
    // The model check refused the model before assembly.
    Refused,
    // The solution or the recovery failed: the structure may be a mechanism.
    Failed,
};

// The assembly, solution and recovery of one run; on a refusal or failure
// the failure has been told and the flag set.
RunOutcome compute(Epilisi &run, const Model &m)
{
    if (const std::optional<QString> refusal = run.checkModel()) {
        run.fail(*refusal);
        return RunOutcome::Refused;
    }

    // Kff is made empty, in its profile, before the elements are added.
    run.buildSystem();

    if (run.nf > 0) {
        run.Solve_Equations();
        if (m.analysisFailed)
            return RunOutcome::Failed;
    }

    // The end force and reaction tables are empty: they were made with the
    // run.
    run.recoverResults();

    // A solution can pass with finite displacements whose forces, reactions
    // or stresses still overflow; such a run is a failure as well, so that no
    // infinity reaches the results, the report or the drawing.
    if (!run.resultsFinite()) {
        run.fail(kAnalysisErrorText);
        return RunOutcome::Failed;
    }
    if (m.elementCount > 0) {
        run.res.extrema = findExtrema(m, run.res);
        if (!extremaFinite(run.res.extrema)) {
            run.fail(kAnalysisErrorText);
            return RunOutcome::Failed;
        }
    }
    return RunOutcome::Done;
}

// After the failure or the mechanism warning has been told: which motions
// the structure is free to make, in the log and for the caller to draw.
// It adds to what the run has told; if it cannot be done (out of memory),
// the run's own outcome stands alone.
void diagnose(const AnalysisContext &context, std::vector<FreeMotion> *freeMotions)
{
    try {
        std::vector<FreeMotion> motions = reportFreeMotions(context.model, context.user.log);
        if (freeMotions)
            *freeMotions = std::move(motions);
    } catch (const std::exception &) {
    }
}

} // namespace

bool Run_Analysis(const AnalysisContext &context) { return Run_Analysis(context, nullptr); }

bool Run_Analysis(const AnalysisContext &context, std::vector<FreeMotion> *freeMotions)
{
    if (freeMotions)
        freeMotions->clear();
    Model &m = context.model;
    if (m.nodeCount <= 0)
        return false;

    m.analysisFailed = false;
    AnalysisUiGuard ui(context.user.hooks());
    QElapsedTimer timer;
    timer.start();
    const QString start = timeOfDay();
    context.user.log.append(QStringLiteral("ANALYSIS"), LogBlack, true);
    context.user.log.append(QStringLiteral("Start:  ") + start, LogBlack);
    context.user.hooks().repaintLog();
    ui.busyOn();

    // The work arrays live only as long as this block; only a complete run
    // reaches the program's results.
    {
        RunOutcome outcome = RunOutcome::Failed;
        try {
            Epilisi run(m, context.user, &ui);
            outcome = compute(run, m);
            if (outcome == RunOutcome::Done) {
                const ResultExtrema previous = context.results.extrema;
                context.results = run.res;
                // With no elements there was nothing to search: the extrema
                // of the last analysis stay.
                if (m.elementCount == 0)
                    context.results.extrema = previous;
            }
        } catch (const std::exception &) {
            // Out of memory is the only thing that can throw here; tell it
            // like any other failure of the run.
            reportAnalysisFailure(m, context.user, &ui, kAnalysisErrorText);
            return false;
        }
        if (outcome == RunOutcome::Failed)
            diagnose(context, freeMotions);
        if (outcome != RunOutcome::Done)
            return false;
    }

    ui.busyOff();
    context.user.log.append(QStringLiteral("Finish:  ") + timeOfDay(), LogBlack);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    context.user.log.append(QStringLiteral("Total time:  ")
                                + nf::generalDouble(nf::RoundTo(seconds, 3))
                                + QStringLiteral(" sec"),
                            LogBlack);
    ui.enableAnalyse();
    if (checkForMechanism(context))
        diagnose(context, freeMotions);
    if (m.elementCount > 0)
        m.modelChanged = false;
    return true;
}
