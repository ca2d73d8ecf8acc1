#include "reports/ReportText.h"

#include "analysis/Functions_Bres_Megista.h"
#include "common/NumberForms.h"
#include "model/AnalysisResults.h"
#include "model/Model.h"
#include "reports/ModelCounts.h"

#include <cmath>

namespace {

// The report is built line by line; every line, the last included, ends
// with CR LF.
class Lines {
public:
    void add(const QString &line = QString())
    {
        m_text += line;
        m_text += QStringLiteral("\r\n");
    }
    QString text() const { return m_text; }

private:
    QString m_text;
};

// Text left in a field of w: padded with spaces, or cut, to exactly w.
QString field(const QString &text, int w) { return text.leftJustified(w, QLatin1Char(' '), true); }

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }
QString rule(int n) { return QString(n, QLatin1Char('-')); }

QString plainInt(int n) { return QString::number(n); }

// A value that is not a finite number (only data the analysis refuses, or a
// division by a zero area of a model changed since, can give one) leaves its
// field empty rather than print "inf" or "nan".
QString signedD(double v) { return std::isfinite(v) ? nf::reportSignedDouble(v) : QString(); }
QString plainD(double v) { return std::isfinite(v) ? nf::reportPlainDouble(v) : QString(); }
QString signedS(float v) { return std::isfinite(v) ? nf::reportSignedSingle(v) : QString(); }
QString plainS(float v) { return std::isfinite(v) ? nf::reportPlainSingle(v) : QString(); }

// The data part of the report, one table at a time.
void addGeneralData(Lines &out, const Model &m)
{
    const ModelCounts c = countModel(m);
    out.add(QStringLiteral("General data"));
    out.add();
    const struct {
        const char *label;
        int count;
    } counts[] = {
        {"E,A Element Groups:", c.groups},  {"Nodes:", c.nodes},
        {"Elements:", c.elements},          {"Constrained nodes:", c.constrained},
        {"Nodes with loads on:", c.loaded}, {"Nodes with springs on:", c.sprung},
        {"DOFs per node:", c.dofsPerNode},  {"Degrees Of Freedom:", c.dofs},
    };
    for (const auto &row : counts)
        out.add(field(QString::fromLatin1(row.label), 28) + plainInt(row.count));
    out.add();
}

void addGroups(Lines &out, const Model &m)
{
    out.add(QStringLiteral("E,A Element Groups"));
    out.add();
    out.add(QStringLiteral("Group") + blanks(4) + field(QStringLiteral("Youngs Modulus E"), 25)
            + field(QStringLiteral("Section area A"), 25));
    out.add(rule(85));
    for (int g = 1; g <= groupRows(m); ++g)
        out.add(field(plainInt(g), 8) + field(signedD(m.groups[g].E), 25)
                + field(signedD(m.groups[g].A), 25));
    out.add();
}

void addNodes(Lines &out, const Model &m)
{
    out.add(QStringLiteral("Nodes"));
    out.add();
    QString header;
    for (const char *h : {"Node", "x", "y", "Constraints", "Kx", "Ky"})
        header += field(QString::fromLatin1(h), 15);
    out.add(header);
    out.add(rule(88));
    for (int n = 1; n <= nodeRows(m); ++n) {
        const Node &nd = m.nodes[n];
        const Spring &sp = m.springs[n];
        out.add(field(plainInt(n), 15) + field(signedS(nd.x), 15) + field(signedS(nd.y), 15)
                + field(constraintCode(nd), 15)
                + field(sp.kx > 0.0f ? plainS(sp.kx) : QString(), 15)
                + field(sp.ky > 0.0f ? plainS(sp.ky) : QString(), 15));
    }
    out.add();
}

void addElements(Lines &out, const Model &m)
{
    out.add(QStringLiteral("Elements"));
    out.add();
    out.add(field(QStringLiteral("Element"), 9) + field(QStringLiteral("Node i"), 8) + blanks(4)
            + field(QStringLiteral("Node j"), 8) + blanks(5) + field(QStringLiteral("Group"), 8));
    out.add(rule(64));
    // The signed form's leading space and the six blanks put each value under
    // the first letter of its heading.
    for (int e = 1; e <= elementRows(m); ++e) {
        const Element &el = m.elements[e];
        out.add(field(plainInt(e), 8) + field(signedS(el.ni), 8) + blanks(4)
                + field(signedS(el.nj), 8) + blanks(6) + field(plainS(el.group), 8));
    }
    out.add();
}

void addNodalLoads(Lines &out, const Model &m)
{
    out.add(QStringLiteral("Nodal loads"));
    out.add();
    out.add(field(QStringLiteral("Node"), 9) + field(QStringLiteral("Force Fx"), 25)
            + field(QStringLiteral("Force Fy"), 25));
    out.add(rule(65));
    for (int n = 1; n <= nodeRows(m); ++n) {
        const Node &nd = m.nodes[n];
        if (!isLoaded(nd))
            continue;
        out.add(field(plainInt(n), 8) + field(nd.fx != 0.0f ? signedS(nd.fx) : QString(), 25)
                + field(nd.fy != 0.0f ? signedS(nd.fy) : QString(), 25));
    }
    out.add();
}

} // namespace

QString reportModelData(const Model &model)
{
    Lines out;
    out.add(QStringLiteral("Data"));
    out.add();
    addGeneralData(out, model);
    addGroups(out, model);
    addNodes(out, model);
    addElements(out, model);
    addNodalLoads(out, model);
    out.add();
    return out.text();
}

QString reportNodeDisplacements(const Model &m, const AnalysisResults &r)
{
    Lines out;
    out.add(QStringLiteral("Node displacements"));
    out.add();
    out.add(QStringLiteral("Node") + blanks(3) + QStringLiteral("x-Displacement") + blanks(11)
            + QStringLiteral("y-Displacement") + blanks(11) + QStringLiteral("Total Displacement"));
    out.add(rule(79));
    for (int n = 1; n <= nodeRows(m); ++n) {
        const double ux = r.U[2 * n - 1], uy = r.U[2 * n];
        out.add(field(plainInt(n), 8) + field(signedD(ux), 25) + field(signedD(uy), 25)
                + field(plainD(std::sqrt(ux * ux + uy * uy)), 25));
    }
    out.add();
    out.add();
    return out.text();
}

QString reportElementForces(const Model &m, const AnalysisResults &r)
{
    Lines out;
    out.add(QStringLiteral("Element forces"));
    out.add();
    out.add(field(QStringLiteral("Element"), 8) + field(QStringLiteral("Axial force"), 25)
            + field(QStringLiteral("Axial stress"), 25)
            + field(QStringLiteral("Axial strain"), 25));
    out.add(rule(79));
    for (int e = 1; e <= elementRows(m); ++e)
        out.add(field(plainInt(e), 8) + field(signedD(r.F[e][2]), 25)
                + field(signedD(elementStress(m, r, e)), 25)
                + field(signedD(elementStrain(m, r, e)), 25));
    out.add();
    return out.text();
}

QString reportReactions(const Model &m, const AnalysisResults &r)
{
    Lines out;
    out.add(QStringLiteral("Constraint-Spring reactions"));
    out.add();
    out.add(field(QStringLiteral("Node"), 9) + QStringLiteral("Force Fx") + blanks(16)
            + QStringLiteral("Force Fy") + blanks(16));
    out.add(rule(50));
    for (int n = 1; n <= nodeRows(m); ++n) {
        const Node &nd = m.nodes[n];
        const Spring &sp = m.springs[n];
        if (!isConstrained(nd) && !hasSpring(sp))
            continue;
        // A spring on a direction replaces the reaction there by the spring
        // force, which pulls the node back against its displacement.
        QString x = nd.cx == 1.0f ? signedD(r.R[n][1]) : QString();
        if (sp.kx > 0.0f)
            x = signedD(-double(sp.kx) * r.U[2 * n - 1]);
        QString y = nd.cy == 1.0f ? signedD(r.R[n][2]) : QString();
        if (sp.ky > 0.0f)
            y = signedD(-double(sp.ky) * r.U[2 * n]);
        out.add(field(plainInt(n), 8) + field(x, 25) + field(y, 25));
    }
    return out.text();
}

QString Report_Text(const Model &model, const AnalysisResults &results, int section)
{
    switch (section) {
    case 1: return reportModelData(model);
    case 2: return reportNodeDisplacements(model, results);
    case 3: return reportElementForces(model, results);
    case 4: return reportReactions(model, results);
    default: return QString();
    }
}
