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

namespace {

// The usual group, node and spring pass at a glance, in the order of the
// full checks; only an item that does not is looked at in full, for its
// message.
bool usableGroup(const ElementGroup &g)
{
    return std::isfinite(g.E) && g.E > 0 && std::isfinite(g.A) && g.A > 0;
}

bool usableNode(const Node &nd, const Spring &sp)
{
    const auto flag = [](float f) { return f == 0.0f || f == 1.0f; };
    const auto spring = [](float k) { return std::isfinite(k) && !(k < 0); };
    return flag(nd.cx) && flag(nd.cy) && std::isfinite(nd.fx) && std::isfinite(nd.fy)
        && spring(sp.kx) && spring(sp.ky);
}

} // namespace

std::optional<QString> Epilisi::checkModel() const
{
    const Model &m = m_model;
    if (auto refusal = checkCounts(m))
        return refusal;
    // Only the groups that elements use enter the stiffness and the
    // results; an unused group may hold anything until it is used.
    std::array<bool, kMaxGroups + 1> used{};
    for (int e = 1; e <= m.elementCount; ++e) {
        const ElementRefs &r = m_refs[e];
        const Element &el = m.elements[e];
        const bool usable = std::isfinite(el.ni) && r.rawI >= 1 && r.rawI <= m.nodeCount
            && std::isfinite(el.nj) && r.rawJ >= 1 && r.rawJ <= m.nodeCount
            && std::isfinite(el.group) && r.rawG >= 1 && r.rawG <= m.groupCount && r.length != 0.0
            && std::isfinite(r.length);
        if (!usable) {
            if (auto refusal = checkElement(e))
                return refusal;
        }
        used[size_t(r.g)] = true;
    }
    for (int g = 1; g <= m.groupCount; ++g) {
        if (!used[size_t(g)] || usableGroup(m.groups[g]))
            continue;
        if (auto refusal = checkGroup(m, g))
            return refusal;
    }
    for (int n = 1; n <= m.nodeCount; ++n) {
        if (usableNode(m.nodes[n], m.springs[n]))
            continue;
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
    m_dofIndex.assign(dofs + 1, 0);
    m_position.assign(dofs + 1, 0);
    // The element references as indices, converted once for the run. The
    // model check refuses any that lie outside the model; until then they
    // are kept inside the tables so that no stage reads past them.
    // Every entry of an element's record is written before it is read:
    // its DOFs' positions once they are numbered, the rest here.
    m_refs = std::make_unique_for_overwrite<ElementRefs[]>(std::size_t(m_elements) + 1);
    for (int e = 1; e <= m_elements; ++e) {
        ElementRefs &r = m_refs[e];
        r.rawI = reference(m.elements[e].ni, [&] { return m.nodeI(e); });
        r.rawJ = reference(m.elements[e].nj, [&] { return m.nodeJ(e); });
        r.rawG = reference(m.elements[e].group, [&] { return m.groupOf(e); });
        r.i = std::clamp(r.rawI, 0, kMaxNodes);
        r.j = std::clamp(r.rawJ, 0, kMaxNodes);
        r.g = std::clamp(r.rawG, 0, kMaxGroups);
        // The model check needs every length, and the assembly and the
        // recovery the same length, cosines and E.A / L: they are found
        // once, here. Those of an element the check refuses are never used.
        const Node &ni = m.nodes[r.i];
        const Node &nj = m.nodes[r.j];
        // The differences are taken in the precision of the stored coordinates.
        const float dx = nj.x - ni.x;
        const float dy = nj.y - ni.y;
        const double ddx = dx, ddy = dy;
        r.length = std::sqrt(ddx * ddx + ddy * ddy);
        r.c = ddx / r.length;
        r.s = ddy / r.length;
        const ElementGroup &g = m.groups[r.g];
        r.ka = (g.E * g.A) / r.length;
    }
}

namespace {

// The upper triangle of an element's global stiffness Ke = T' k T, with
// T = [c s 0 0; 0 0 c s] and k = ka [1 -1; -1 1], entry (r, q) at
// [4 r + q] for r <= q (from 0).
using ElementStiffness = std::array<double, 16>;

// Every product of T' k T formed, the zeros of T and T' included: with an
// infinite ka a structural zero times ka is not zero but NaN, and so is
// every entry.
void allProducts(double c, double s, double ka, ElementStiffness &ke)
{
    const double t[2][4] = {{c, s, 0, 0}, {0, 0, c, s}};
    const double k[2][2] = {{ka, -ka}, {-ka, ka}};
    double w[4][2]; // T' k
    for (int r = 0; r < 4; ++r)
        for (int q = 0; q < 2; ++q)
            w[r][q] = t[0][r] * k[0][q] + t[1][r] * k[1][q];
    for (int r = 0; r < 4; ++r)
        for (int q = r; q < 4; ++q)
            ke[std::size_t(4 * r + q)] = w[r][0] * t[0][q] + w[r][1] * t[1][q];
}

// The same entries from the products that are not structurally zero. With
// c, s and ka finite (|c|, |s| <= 1) every product is finite, and a sum
// with a product of a structural zero, x + 0 * y, is x itself but for the
// sign of a zero x. Kff never holds a -0 (it starts at +0, and +0 + -0 is
// +0), so no entry of Kff can tell the two apart: these entries add the
// same bits to Kff as all of the products do. Each remaining product is
// the one T' k T forms, in the same order: (c ka) c, (c ka) s, (s ka) s,
// (s ka) c, negated where k's -ka enters (a sign change rounds the same).
void nonZeroProducts(double c, double s, double ka, ElementStiffness &ke)
{
    const double a = c * ka, b = s * ka;
    const double ac = a * c, as = a * s, bs = b * s, bc = b * c;
    ke[0] = ac, ke[1] = as, ke[2] = -ac, ke[3] = -as;
    ke[5] = bs, ke[6] = -bc, ke[7] = -bs;
    ke[10] = ac, ke[11] = as;
    ke[15] = bs;
}

} // namespace

void Epilisi::Assemble_Element(int e)
{
    const ElementRefs &r = m_refs[e];
    // E.A / L may overflow; c and s are finite for every length the model
    // check lets through.
    ElementStiffness ke;
    if (std::isfinite(r.ka))
        nonZeroProducts(r.c, r.s, r.ka, ke);
    else
        allProducts(r.c, r.s, r.ka, ke);

    // Ke(r, q) belongs at K(DOF of r, DOF of q); the free DOFs keep their
    // order in the map, so its upper triangle is the part of Kff's, and each
    // entry receives the same additions in the same element order as K's.
    // Ke is symmetric: an entry below its diagonal is the one above it.
    const std::array<int, 4> &at = r.at;
    // The usual element, all four DOFs free and node i numbered before
    // node j: Ke's upper triangle lands in Kff's entry for entry.
    if (at[0] != 0 && at[1] != 0 && at[2] != 0 && at[3] != 0 && at[0] < at[2]) {
        for (int a = 0; a < 4; ++a) {
            const int p = at[std::size_t(a)];
            double *row = Kff.row(p);
            for (int b = a; b < 4; ++b)
                row[at[std::size_t(b)] - p] += ke[std::size_t(4 * a + b)];
        }
        return;
    }
    for (int a = 0; a < 4; ++a) {
        const int p = at[std::size_t(a)];
        if (p == 0)
            continue;
        double *row = Kff.row(p);
        for (int b = 0; b < 4; ++b) {
            const int col = at[std::size_t(b)];
            if (col >= p)
                row[col - p] += ke[std::size_t(a <= b ? 4 * a + b : 4 * b + a)];
        }
    }
}

void Epilisi::buildSystem()
{
    Number_DOFs();
    Partition_Stiffness();
    for (int e = 1; e <= m_elements; ++e)
        Assemble_Element(e);
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
    bool finite = true;
    for (int p = 1; p <= dofs; ++p) {
        const double u = p <= nf ? Uf[p] : 0.0;
        res.U[m_dofIndex[p]] = u;
        finite &= std::isfinite(u);
    }
    m_finite = finite;
}

// With d the end displacements (x, y of node i, x, y of node j), the axial
// end displacements are dl = T d, the end forces F = k dl (onto the empty
// row) and the end forces in global axes Fg = T' F. Only the products that
// are not structurally zero are formed, in the order of those sums: the
// displacements are finite numbers (the solution refuses any other), so a
// dropped product is a zero, and adding a zero changes no number but the
// sign of a zero. F and the reactions start at +0 and so never hold a -0;
// the "+ 0.0" gives F's entries the +0 that the addition onto the empty
// row gives. An infinite ka makes both end forces non-finite either way,
// which fails the run.
void Epilisi::Element_End_Forces(int e)
{
    const ElementRefs &r = m_refs[e];
    const Model &m = m_model;
    const double c = r.c, s = r.s, ka = r.ka;
    const double dl1 = c * res.U[2 * r.i - 1] + s * res.U[2 * r.i];
    const double dl2 = c * res.U[2 * r.j - 1] + s * res.U[2 * r.j];
    const double p1 = ka * dl1, p2 = ka * dl2;
    const double f1 = (p1 - p2) + 0.0;
    const double f2 = (p2 - p1) + 0.0;
    res.F[e][1] = f1;
    res.F[e][2] = f2;
    m_finite = m_finite && std::isfinite(f1) && std::isfinite(f2);
    // Fg(e) = (c f1, s f1, c f2, s f2), added where its node is held.
    const Node &ni = m.nodes[r.i];
    const Node &nj = m.nodes[r.j];
    if (ni.cx == 1.0f)
        res.R[r.i][1] += c * f1;
    if (ni.cy == 1.0f)
        res.R[r.i][2] += s * f1;
    if (nj.cx == 1.0f)
        res.R[r.j][1] += c * f2;
    if (nj.cy == 1.0f)
        res.R[r.j][2] += s * f2;
}

void Epilisi::Node_Reactions()
{
    const Model &m = m_model;
    bool finite = true;
    for (int n = 1; n <= m_nodes; ++n) {
        const double rx = res.R[n][1] - m.nodes[n].fx;
        const double ry = res.R[n][2] - m.nodes[n].fy;
        res.R[n][1] = rx;
        res.R[n][2] = ry;
        finite = finite && std::isfinite(rx) && std::isfinite(ry);
    }
    m_finite &= finite;
}

void Epilisi::recoverResults()
{
    Expand_Displacements();
    for (int e = 1; e <= m_elements; ++e)
        Element_End_Forces(e);
    Node_Reactions();
}

bool Epilisi::resultsFinite() const { return m_finite; }
