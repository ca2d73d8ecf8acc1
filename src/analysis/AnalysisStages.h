#pragma once
// The stages of one analysis run and the work arrays they share. An Epilisi
// object lives for one run of Run_Analysis (or one test): it reads the model
// it is given, builds and solves the truss equations in its own arrays,
// and recovers the displacements, end forces and reactions into its own
// AnalysisResults. Run_Analysis copies those into the program's results only
// when the whole run succeeded, so a failed run leaves the previous results
// as they were.
//
// Each stage is one step of the method and carries its name; the element
// stages take the element number. They assume a model that passed
// checkModel (valid references, lengths above 0, constraint flags exactly 0
// or 1). Element references and lengths are taken when the object is made.
#include "analysis/MathMATRIX.h"
#include "model/AnalysisResults.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>

class Interaction;
class MainWindowHooks;

// Keeps the analyse button disabled and the busy pointer on for the length
// of one run, and gives both back on every way out of it.
class AnalysisUiGuard {
public:
    explicit AnalysisUiGuard(MainWindowHooks &hooks);
    ~AnalysisUiGuard();
    AnalysisUiGuard(const AnalysisUiGuard &) = delete;
    AnalysisUiGuard &operator=(const AnalysisUiGuard &) = delete;

    void busyOn();
    void busyOff();
    void enableAnalyse();

private:
    MainWindowHooks &m_hooks;
    bool m_busy = false;
    bool m_disabled = false;
};

// The text of the failure message of the analysis.
extern const QString kAnalysisErrorText;

// Ends a run as failed: sets the analysis-failed flag, continues the start
// line with ", Termination:" and the time, shows the message box (critical
// icon) and writes the same text on a new red line. The busy pointer (if a
// guard is given) goes off before the box appears.
void reportAnalysisFailure(Model &model, Interaction &user, AnalysisUiGuard *ui,
                           const QString &text);

class Epilisi {
public:
    // ui may be null (tests calling the stages one by one).
    Epilisi(Model &model, Interaction &user, AnalysisUiGuard *ui = nullptr);

    // Why the model cannot be analysed, naming the item and the problem; or
    // nothing when every element reference and length, the E and A of every
    // group an element uses, and every flag, load and spring is usable.
    std::optional<QString> checkModel() const;

    // Assembly, straight into the free-free block: the DOF map first, then
    // the shape of Kff, then the element stiffnesses and the springs, each
    // added where it belongs in Kff. Entries of fixed DOFs are not kept at
    // all: the solution never reads them, and the reactions come from the
    // element end forces.
    void Number_DOFs();
    void Partition_Stiffness();
    // One element from its geometry to its part of Kff in one pass: its
    // length, direction cosines and E.A / L, and the entries of its global
    // stiffness that land in Kff. No transformation or element matrix is
    // built: only the products that are not structurally zero are formed,
    // each in the order of T' k T, so every entry gets the same bits.
    void Assemble_Element(int e);
    void addSprings();
    void Build_Load_Vector();
    // The whole system Kff Uf = P: the numbering, the shape of Kff, every
    // element in element order, the springs and the loads.
    void buildSystem();

    // Solution of Kff Uf = P. On failure: the analysis-failed flag, the
    // termination time on the start line, the message box and the red line.
    void Solve_Equations();

    // Recovery, after the solution: U from Uf; then, element by element in
    // element order, its end forces and their share of the reactions at its
    // held DOFs (end displacements, axial ones and forces in one pass, with
    // the cosines and E.A / L its assembly found); then the loads at the
    // held DOFs. The end force tables are empty from the start of the run.
    void Expand_Displacements();
    void Element_End_Forces(int e);
    void Node_Reactions();
    // All of the recovery.
    void recoverResults();

    // Whether every displacement, end force and reaction is a finite number
    // (noted as the recovery finds them).
    bool resultsFinite() const;

    // reportAnalysisFailure for this run.
    void fail(const QString &text);

    // The DOF map as an index: global DOF at position p.
    int mapAt(int p) const { return m_dofIndex[p]; }

    // Work arrays, open to tests.
    ProfileMatrix Kff; // nf x nf, upper triangle with the
                       // diagonal; overwritten by the solution
    Vector P, Uf;      // 1..nf
    int nc = 0, nf = 0;
    AnalysisResults res; // U, F, R of this run

private:
    double elementLength(int e) const { return m_refs[e].length; }
    std::optional<QString> checkElement(int e) const;

    Model &m_model;
    Interaction &m_user;
    AnalysisUiGuard *m_ui;
    int m_nodes = 0, m_elements = 0;
    bool m_finite = false;       // every result so far is a finite number
    std::vector<int> m_dofIndex; // position p -> global DOF, 1..2N
    std::vector<int> m_position; // global DOF -> its position p in Kff; 0 when fixed
    // Node i, node j and group of each element as read from the model
    // (raw, for the check) and kept inside the tables (for indexing), with
    // the element's length, direction cosines and E.A / L. Taken once, when
    // the run is made: a run reads the model as it was then.
    // With the positions in Kff of its DOFs in the order x, y of node i,
    // x, y of node j (0 for a fixed DOF), once the DOFs are numbered.
    struct ElementRefs {
        int rawI, rawJ, rawG;
        int i, j, g;
        double length;
        std::array<int, 4> at;
        double c, s, ka;
    };
    std::unique_ptr<ElementRefs[]> m_refs; // 1..M
};
