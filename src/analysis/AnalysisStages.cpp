#include "analysis/AnalysisStages.h"

#include "analysis/TimeOfDay.h"
#include "common/Interaction.h"
#include "common/NumberForms.h"

#include <algorithm>
#include <array>
#include <cmath>

const QString kAnalysisErrorText = QStringLiteral(
    "An error occured during the analysis process. Make sure that the structure is well "
    "defined (not a mechanism) and can be analyzed.");

// ---------------------------------------------------------------------------
// AnalysisUiGuard

AnalysisUiGuard::AnalysisUiGuard(MainWindowHooks &hooks) : m_hooks(hooks)
{
    m_hooks.setAnalyseEnabled(false);
    m_disabled = true;
}

AnalysisUiGuard::~AnalysisUiGuard()
{
    busyOff();
    enableAnalyse();
}

void AnalysisUiGuard::busyOn()
{
    if (!m_busy) {
        m_hooks.setBusy(true);
        m_busy = true;
    }
}

void AnalysisUiGuard::busyOff()
{
    if (m_busy) {
        m_hooks.setBusy(false);
        m_busy = false;
    }
}

void AnalysisUiGuard::enableAnalyse()
{
    if (m_disabled) {
        m_hooks.setAnalyseEnabled(true);
        m_disabled = false;
    }
}

// ---------------------------------------------------------------------------
// Model check

namespace {

const QString kCannotAnalyse = QStringLiteral(" The analysis cannot be carried out.");

QString num(int n) { return QString::number(n); }

// Node or group reference of an element, as the stored value says it, for
// the message when it points outside the model.
QString refText(float stored) { return nf::generalSingle(stored); }

} // namespace

namespace {

std::optional<QString> checkCounts(const Model &m)
{
    if (m.nodeCount < 0 || m.nodeCount > kMaxNodes)
        return QStringLiteral("The model holds %1 nodes, but at most %2 can be analysed.")
                   .arg(m.nodeCount)
                   .arg(kMaxNodes)
            + kCannotAnalyse;
    if (m.elementCount < 0 || m.elementCount > kMaxElements)
        return QStringLiteral("The model holds %1 elements, but at most %2 can be analysed.")
                   .arg(m.elementCount)
                   .arg(kMaxElements)
            + kCannotAnalyse;
    if (m.groupCount < 0 || m.groupCount > kMaxGroups)
        return QStringLiteral("The model holds %1 E,A element groups, but at most %2 can be "
                              "analysed.")
                   .arg(m.groupCount)
                   .arg(kMaxGroups)
            + kCannotAnalyse;
    return std::nullopt;
}

std::optional<QString> checkGroup(const Model &m, int g)
{
    const ElementGroup &gr = m.groups[g];
    const struct {
        double value;
        const char *name;
    } fields[] = {{gr.E, "Young's modulus E"}, {gr.A, "section area A"}};
    for (const auto &f : fields) {
        const QLatin1StringView name(f.name);
        if (!std::isfinite(f.value))
            return QStringLiteral("E,A group #%1 has a %2 that is not a finite number.")
                       .arg(num(g), name)
                + kCannotAnalyse;
        if (f.value <= 0)
            return QStringLiteral("E,A group #%1 has %2 = %3, which is not greater than 0.")
                       .arg(num(g), name, nf::generalDouble(f.value))
                + kCannotAnalyse;
    }
    return std::nullopt;
}

std::optional<QString> checkNode(const Model &m, int n)
{
    const Node &nd = m.nodes[n];
    const Spring &sp = m.springs[n];
    const struct {
        float flag;
        const char *name;
    } flags[] = {{nd.cx, "x-constraint"}, {nd.cy, "y-constraint"}};
    for (const auto &f : flags)
        if (f.flag != 0.0f && f.flag != 1.0f)
            return QStringLiteral("Node #%1 has the %2 flag %3, which is neither 0 (free) "
                                  "nor 1 (fixed).")
                       .arg(num(n), QLatin1StringView(f.name), nf::generalSingle(f.flag))
                + kCannotAnalyse;
    if (!std::isfinite(nd.fx) || !std::isfinite(nd.fy))
        return QStringLiteral("Node #%1 has a nodal load that is not a finite number.").arg(num(n))
            + kCannotAnalyse;
    const struct {
        float value;
        const char *name;
    } springs[] = {{sp.kx, "Kx"}, {sp.ky, "Ky"}};
    for (const auto &f : springs) {
        const QLatin1StringView name(f.name);
        if (!std::isfinite(f.value))
            return QStringLiteral("Node #%1 has a spring constant %2 that is not a finite "
                                  "number.")
                       .arg(num(n), name)
                + kCannotAnalyse;
        if (f.value < 0)
            return QStringLiteral("Node #%1 has the spring constant %2 = %3, which is "
                                  "negative.")
                       .arg(num(n), name, nf::generalSingle(f.value))
                + kCannotAnalyse;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> Epilisi::checkElement(int e) const
{
    const Model &m = m_model;
    const Element &el = m.elements[e];
    const int i = m_refs[e].rawI, j = m_refs[e].rawJ, g = m_refs[e].rawG;
    if (!std::isfinite(el.ni) || i < 1 || i > m.nodeCount)
        return QStringLiteral("Element #%1 refers to node #%2 as its node i, but the model "
                              "has nodes #1 to #%3 only.")
                   .arg(num(e), refText(el.ni), num(m.nodeCount))
            + kCannotAnalyse;
    if (!std::isfinite(el.nj) || j < 1 || j > m.nodeCount)
        return QStringLiteral("Element #%1 refers to node #%2 as its node j, but the model "
                              "has nodes #1 to #%3 only.")
                   .arg(num(e), refText(el.nj), num(m.nodeCount))
            + kCannotAnalyse;
    if (!std::isfinite(el.group) || g < 1 || g > m.groupCount) {
        if (m.groupCount < 1)
            return QStringLiteral("Element #%1 refers to E,A group #%2, but the model has "
                                  "no E,A groups.")
                       .arg(num(e), refText(el.group))
                + kCannotAnalyse;
        return QStringLiteral("Element #%1 refers to E,A group #%2, but the model has "
                              "groups #1 to #%3 only.")
                   .arg(num(e), refText(el.group), num(m.groupCount))
            + kCannotAnalyse;
    }
    const double len = elementLength(e);
    if (len == 0.0)
        return QStringLiteral("Element #%1 has zero length (nodes #%2 and #%3).")
                   .arg(num(e), num(i), num(j))
            + kCannotAnalyse;
    if (!std::isfinite(len))
        return QStringLiteral("Element #%1 has a length that is not a finite number "
                              "(nodes #%2 and #%3).")
                   .arg(num(e), num(i), num(j))
            + kCannotAnalyse;
    return std::nullopt;
}

std::optional<QString> Epilisi::checkModel() const
{
    const Model &m = m_model;
    if (auto refusal = checkCounts(m))
        return refusal;
    for (int e = 1; e <= m.elementCount; ++e) {
        if (auto refusal = checkElement(e))
            return refusal;
    }
    // Only the groups that elements use enter the stiffness and the
    // results; an unused group may hold anything until it is used.
    std::array<bool, kMaxGroups + 1> used{};
    for (int e = 1; e <= m.elementCount; ++e)
        used[size_t(m_refs[e].g)] = true;
    for (int g = 1; g <= m.groupCount; ++g) {
        if (!used[size_t(g)])
            continue;
        if (auto refusal = checkGroup(m, g))
            return refusal;
    }
    for (int n = 1; n <= m.nodeCount; ++n) {
        if (auto refusal = checkNode(m, n))
            return refusal;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// Assembly

namespace {

// A stored node or group reference as an index: the model's rounding
// conversion, which a whole number in range (every reference the program
// writes) passes unchanged.
template <typename Convert>
int reference(float stored, Convert convert)
{
    if (stored >= 1.0f && stored <= 32767.0f && stored == float(int(stored)))
        return int(stored);
    return convert();
}

} // namespace

Epilisi::Epilisi(Model &model, Interaction &user, AnalysisUiGuard *ui)
    : m_model(model), m_user(user), m_ui(ui)
{
    const Model &m = model;
    m_nodes = std::clamp<int>(m.nodeCount, 0, kMaxNodes);
    m_elements = std::clamp<int>(m.elementCount, 0, kMaxElements);
    const int dofs = 2 * m_nodes;
    T = New_Matrix(2, 4);
    Tt = New_Matrix(4, 2);
    k = New_Matrix(2, 2);
    Ke = New_Matrix(4, 4);
    dofMap.assign(dofs + 1, 0.0);
    m_dofIndex.assign(dofs + 1, 0);
    m_position.assign(dofs + 1, 0);
    d.assign(5, 0.0);
    dl.assign(3, 0.0);
    Fg = New_Matrix(m_elements, 4);
    // The element references as indices, converted once for the run. The
    // model check refuses any that lie outside the model; until then they
    // are kept inside the tables so that no stage reads past them.
    m_refs.assign(m_elements + 1, ElementRefs{});
    for (int e = 1; e <= m_elements; ++e) {
        ElementRefs &r = m_refs[e];
        r.rawI = reference(m.elements[e].ni, [&] { return m.nodeI(e); });
        r.rawJ = reference(m.elements[e].nj, [&] { return m.nodeJ(e); });
        r.rawG = reference(m.elements[e].group, [&] { return m.groupOf(e); });
        r.i = std::clamp(r.rawI, 0, kMaxNodes);
        r.j = std::clamp(r.rawJ, 0, kMaxNodes);
        r.g = std::clamp(r.rawG, 0, kMaxGroups);
        // Both passes over the elements need every length twice.
        const Node &ni = m.nodes[r.i];
        const Node &nj = m.nodes[r.j];
        // The differences are taken in the precision of the stored coordinates.
        const float dx = nj.x - ni.x;
        const float dy = nj.y - ni.y;
        const double ddx = dx, ddy = dy;
        r.length = std::sqrt(ddx * ddx + ddy * ddy);
    }
}

void Epilisi::Element_Geometry(int e)
{
    // T and T' are refilled in place rather than made anew (this runs twice
    // per element); every entry is written below, row by row.
    const Model &m = m_model;
    const Node &ni = m.nodes[m_refs[e].i];
    const Node &nj = m.nodes[m_refs[e].j];
    const float dx = nj.x - ni.x;
    const float dy = nj.y - ni.y;
    L = elementLength(e);
    c = double(dx) / L;
    s = double(dy) / L;
    const double t[8] = {c, s, 0, 0, 0, 0, c, s};
    const double tt[8] = {c, 0, s, 0, 0, c, 0, s};
    std::copy(t, t + 8, T.data.begin());
    std::copy(tt, tt + 8, Tt.data.begin());
}

void Epilisi::Element_Local_Stiffness(int e)
{
    const Model &m = m_model;
    const double len = elementLength(e);
    const ElementGroup &g = m.groups[m_refs[e].g];
    const double ka = (g.E * g.A) / len;
    k(1, 1) = ka;
    k(2, 1) = -ka;
    k(1, 2) = -ka;
    k(2, 2) = ka;
}

void Epilisi::Element_Global_Stiffness(int /*e*/)
{
    // T, T' and k are read into local tables first, and Ke is written last,
    // so that its stores cannot make them be read again. Every entry of Ke
    // is written, so it needs no emptying first.
    double t[3][5], tt[5][3], kk[3][3];
    for (int r = 1; r <= 2; ++r)
        for (int q = 1; q <= 4; ++q)
            t[r][q] = T(r, q);
    for (int r = 1; r <= 4; ++r)
        for (int q = 1; q <= 2; ++q)
            tt[r][q] = Tt(r, q);
    for (int r = 1; r <= 2; ++r)
        for (int q = 1; q <= 2; ++q)
            kk[r][q] = k(r, q);
    double W[5][3];
    for (int r = 1; r <= 4; ++r)
        for (int q = 1; q <= 2; ++q)
            W[r][q] = tt[r][1] * kk[1][q] + tt[r][2] * kk[2][q];
    // Every product W(r) T(q); Ke takes those on and above the diagonal and
    // mirrors them below it.
    double u[5][5];
    for (int r = 1; r <= 4; ++r)
        for (int q = 1; q <= 4; ++q)
            u[r][q] = W[r][1] * t[1][q] + W[r][2] * t[2][q];
    double *out = Ke.data.data();
    for (int r = 1; r <= 4; ++r)
        for (int q = 1; q <= 4; ++q)
            *out++ = r <= q ? u[r][q] : u[q][r];
}

void Epilisi::Assemble_Element(int e)
{
    // Ke(r, q) belongs at K(DOF of r, DOF of q); the free DOFs keep their
    // order in the map, so its upper triangle is the part of Kff's, and each
    // entry receives the same additions in the same element order as K's.
    const std::array<int, 4> &at = m_refs[e].at;
    const double *ke = Ke.data.data();
    for (int r = 0; r < 4; ++r) {
        const int p = at[std::size_t(r)];
        if (p == 0)
            continue;
        double *row = Kff.row(p);
        for (int q = 0; q < 4; ++q) {
            const int col = at[std::size_t(q)];
            if (col >= p)
                row[col - p] += ke[4 * r + q];
        }
    }
}

void Epilisi::buildSystem()
{
    Number_DOFs();
    Partition_Stiffness();
    for (int e = 1; e <= m_elements; ++e) {
        Element_Geometry(e);
        Element_Local_Stiffness(e);
        Element_Global_Stiffness(e);
        Assemble_Element(e);
    }
    addSprings();
    Build_Load_Vector();
}

void Epilisi::addSprings()
{
    // A spring on a fixed DOF would land in the fixed part of K, which no
    // result reads.
    const Model &m = m_model;
    for (int n = 1; n <= m_nodes; ++n) {
        if (const int p = m_position[2 * n - 1])
            Kff.at(p, p) += m.springs[n].kx;
        if (const int p = m_position[2 * n])
            Kff.at(p, p) += m.springs[n].ky;
    }
}

void Epilisi::Number_DOFs()
{
    // The flags of DOFs 2n - 1 and 2n are node n's x- and y-constraint flags.
    const Model &m = m_model;
    const int dofs = 2 * m_nodes;
    std::fill(m_position.begin(), m_position.end(), 0);
    nc = 0;
    int p = 0;
    for (int n = 1; n <= m_nodes; ++n) {
        const float flags[2] = {m.nodes[n].cx, m.nodes[n].cy};
        for (int dir = 0; dir < 2; ++dir) {
            const int dof = 2 * n - 1 + dir;
            nc += flags[dir] == 1.0f;
            if (flags[dir] == 0.0f) {
                m_dofIndex[++p] = dof;
                m_position[dof] = p;
            }
        }
    }
    nf = dofs - nc;
    for (int n = 1; n <= m_nodes; ++n) {
        if (m.nodes[n].cx == 1.0f)
            m_dofIndex[++p] = 2 * n - 1;
        if (m.nodes[n].cy == 1.0f)
            m_dofIndex[++p] = 2 * n;
    }
    for (int q = 1; q <= dofs; ++q)
        dofMap[q] = m_dofIndex[q];
}

void Epilisi::Partition_Stiffness()
{
    // Kff is the block of K that the free DOFs share, and the only part of
    // K the solution needs. Its shape: row p reaches at least the furthest
    // free DOF that an element joins to DOF p; the profile widens that to
    // hold what the elimination fills in. It starts empty.
    std::vector<int> reach(std::size_t(nf) + 1, 0);
    for (int e = 1; e <= m_elements; ++e) {
        ElementRefs &r = m_refs[e];
        r.at = {m_position[2 * r.i - 1], m_position[2 * r.i], m_position[2 * r.j - 1],
                m_position[2 * r.j]};
        const std::array<int, 4> &at = r.at;
        const int furthest = *std::max_element(at.begin(), at.end());
        for (const int p : at)
            if (p != 0)
                reach[std::size_t(p)] = std::max(reach[std::size_t(p)], furthest);
    }
    Kff = ProfileMatrix(reach);
}

void Epilisi::Build_Load_Vector()
{
    const Model &m = m_model;
    P.assign(nf + 1, 0.0);
    for (int p = 1; p <= nf; ++p) {
        const int dof = m_dofIndex[p];
        const int n = (dof - 1) / 2 + 1;
        P[p] = dof % 2 == 1 ? m.nodes[n].fx : m.nodes[n].fy;
    }
}

// ---------------------------------------------------------------------------
// Solution

void Epilisi::Solve_Equations()
{
    Uf.assign(nf + 1, 0.0);
    if (!gaussUpper(Kff, P, Uf)) {
        fail(kAnalysisErrorText);
        return;
    }
    m_model.analysisFailed = false;
}

void reportAnalysisFailure(Model &model, Interaction &user, AnalysisUiGuard *ui,
                           const QString &text)
{
    model.analysisFailed = true;
    // The box is modal: take the busy pointer off before it appears.
    if (ui)
        ui->busyOff();
    user.log.append(QStringLiteral(", Termination: ") + timeOfDay(), LogBlack, false, true);
    user.prompts().message(text, kProgramTitle, PromptIcon::Critical, PromptButtons::Ok);
    user.log.append(text, LogRed);
}

void Epilisi::fail(const QString &text) { reportAnalysisFailure(m_model, m_user, m_ui, text); }

// ---------------------------------------------------------------------------
// Recovery

void Epilisi::Expand_Displacements()
{
    res.U.fill(0.0);
    const int dofs = 2 * m_nodes;
    for (int p = 1; p <= dofs; ++p)
        res.U[m_dofIndex[p]] = p <= nf ? Uf[p] : 0.0;
}

void Epilisi::Element_End_Displacements(int e)
{
    const int i = m_refs[e].i, j = m_refs[e].j;
    d[1] = res.U[2 * i - 1];
    d[2] = res.U[2 * i];
    d[3] = res.U[2 * j - 1];
    d[4] = res.U[2 * j];
}

// The recovery stages read their inputs into locals before they write, so
// that no store can make an input be read again; every sum keeps its order.
void Epilisi::Element_Local_Displacements(int /*e*/)
{
    const double *t = T.data.data();
    const double d1 = d[1], d2 = d[2], d3 = d[3], d4 = d[4];
    double out[2];
    for (int r = 0; r < 2; ++r) {
        double sum = 0.0;
        sum += t[4 * r] * d1;
        sum += t[4 * r + 1] * d2;
        sum += t[4 * r + 2] * d3;
        sum += t[4 * r + 3] * d4;
        out[r] = sum;
    }
    dl[1] = out[0];
    dl[2] = out[1];
}

void Epilisi::Element_End_Forces(int e)
{
    const double dl1 = dl[1], dl2 = dl[2];
    for (int r = 1; r <= 2; ++r) {
        double sum = 0.0;
        sum += k(r, 1) * dl1;
        sum += k(r, 2) * dl2;
        res.F[e][r] += sum;
    }
}

void Epilisi::Element_Global_End_Forces(int e)
{
    const double f1 = res.F[e][1], f2 = res.F[e][2];
    const double *tt = Tt.data.data();
    double add[4];
    for (int r = 0; r < 4; ++r)
        add[r] = tt[2 * r] * f1 + tt[2 * r + 1] * f2;
    double *fg = Fg.row(e);
    for (int r = 0; r < 4; ++r)
        fg[r] += add[r];
}

void Epilisi::Node_Reactions()
{
    const Model &m = m_model;
    for (auto &row : res.R)
        row.fill(0.0);
    for (int e = 1; e <= m_elements; ++e) {
        const int i = m_refs[e].i, j = m_refs[e].j;
        if (m.nodes[i].cx == 1.0f)
            res.R[i][1] += Fg(e, 1);
        if (m.nodes[i].cy == 1.0f)
            res.R[i][2] += Fg(e, 2);
        if (m.nodes[j].cx == 1.0f)
            res.R[j][1] += Fg(e, 3);
        if (m.nodes[j].cy == 1.0f)
            res.R[j][2] += Fg(e, 4);
    }
    for (int n = 1; n <= m_nodes; ++n) {
        res.R[n][1] -= m.nodes[n].fx;
        res.R[n][2] -= m.nodes[n].fy;
    }
}

bool Epilisi::resultsFinite() const
{
    for (int dof = 1; dof <= 2 * m_nodes; ++dof)
        if (!std::isfinite(res.U[dof]))
            return false;
    for (int e = 1; e <= m_elements; ++e)
        if (!std::isfinite(res.F[e][1]) || !std::isfinite(res.F[e][2]))
            return false;
    for (int n = 1; n <= m_nodes; ++n)
        if (!std::isfinite(res.R[n][1]) || !std::isfinite(res.R[n][2]))
            return false;
    return true;
}
