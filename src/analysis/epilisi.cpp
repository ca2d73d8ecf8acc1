#include "analysis/epilisi.h"

#include "analysis/AnalysisStages.h"
#include "analysis/Functions_Bres_Megista.h"
#include "analysis/TimeOfDay.h"
#include "common/NumberForms.h"
#include "workspace/Workspace.h"

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
// that does not move names none.
void Mechanism_Check(Workspace &ws)
{
    const int dofs = 2 * std::clamp<int>(ws.model.nodeCount, 0, kMaxNodes);
    double largest = 0.0;
    int at = 0;
    for (int dof = 1; dof <= dofs; ++dof) {
        const double v = std::abs(ws.results.U[dof]);
        if (v > largest) {
            largest = v;
            at = dof;
        }
    }
    if (!(largest > std::pow(10.0, 7)))
        return;
    ws.log.append(kMechanismText, LogRed);
    ws.prompts().message(kMechanismText + QStringLiteral("\r\n\r\nmax.(u) = u(")
                             + QString::number(at) + QStringLiteral(") = ")
                             + nf::generalDouble(largest),
                         kProgramTitle, PromptIcon::Critical, PromptButtons::Ok);
}

// The assembly, solution and recovery of one run; false when the run failed
// (the failure has then been told and the flag set).
bool Compute(Epilisi &run, const Model &m)
{
    if (const std::optional<QString> refusal = run.Check_Model()) {
        run.Fail(*refusal);
        return false;
    }

    // K starts empty: the run object has just been made.
    run.Build_System();

    if (run.nf > 0) {
        run.Solve_Equations();
        if (m.analysisFailed)
            return false;
    }

    run.Expand_Displacements();
    for (auto &row : run.res.F)
        row.fill(0.0);
    run.Fg.fillZero();
    for (int e = 1; e <= m.elementCount; ++e) {
        run.Element_End_Displacements(e);
        run.Element_Geometry(e);
        run.Element_Local_Displacements(e);
        run.Element_Local_Stiffness(e);
        run.Element_End_Forces(e);
        run.Element_Global_End_Forces(e);
    }
    run.Node_Reactions();

    // A solution can pass with finite displacements whose forces, reactions
    // or stresses still overflow; such a run is a failure as well, so that no
    // infinity reaches the results, the report or the drawing.
    if (!run.Results_Finite()) {
        run.Fail(kAnalysisErrorText);
        return false;
    }
    if (m.elementCount > 0) {
        run.res.extrema = Bres_Megista(m, run.res);
        if (!Extrema_Finite(run.res.extrema)) {
            run.Fail(kAnalysisErrorText);
            return false;
        }
    }
    return true;
}

} // namespace

bool Run_Analysis(Workspace &ws)
{
    Model &m = ws.model;
    if (m.nodeCount <= 0)
        return false;

    m.analysisFailed = false;
    AnalysisUiGuard ui(ws.hooks());
    QElapsedTimer timer;
    timer.start();
    const QString start = Time_Of_Day();
    ws.log.append(QStringLiteral("ANALYSIS"), LogBlack, true);
    ws.log.append(QStringLiteral("Start:  ") + start, LogBlack);
    ws.hooks().repaintLog();
    ui.busyOn();

    // The work arrays live only as long as this block; only a complete run
    // reaches the Workspace's results.
    {
        bool ok = false;
        try {
            Epilisi run(ws, &ui);
            ok = Compute(run, m);
            if (ok) {
                const ResultExtrema previous = ws.results.extrema;
                ws.results = run.res;
                // With no elements there was nothing to search: the extrema
                // of the last analysis stay.
                if (m.elementCount == 0)
                    ws.results.extrema = previous;
            }
        } catch (const std::exception &) {
            // Out of memory is the only thing that can throw here; tell it
            // like any other failure of the run.
            Report_Analysis_Failure(ws, &ui, kAnalysisErrorText);
            ok = false;
        }
        if (!ok)
            return false;
    }

    ui.busyOff();
    ws.log.append(QStringLiteral("Finish:  ") + Time_Of_Day(), LogBlack);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    ws.log.append(QStringLiteral("Total time:  ") + nf::generalDouble(nf::RoundTo(seconds, 3))
                      + QStringLiteral(" sec"),
                  LogBlack);
    ui.enableAnalyse();
    Mechanism_Check(ws);
    if (m.elementCount > 0)
        m.modelChanged = false;
    return true;
}
