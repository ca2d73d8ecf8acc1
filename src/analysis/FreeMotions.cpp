#include "analysis/FreeMotions.h"

#include "analysis/AnalysisStages.h"
#include "common/Interaction.h"
#include "model/Model.h"

#include <Eigen/Eigenvalues>
#include <algorithm>
#include <cmath>

namespace {

// An eigenvalue of Kff counts as zero when it is at most this fraction of
// Kff's largest diagonal entry. Round-off leaves the zero eigenvalues of a
// mechanism below 1e-15 of that entry. A stable truss stays far above the
// limit: a slender girder of the full 100 nodes, 50 times longer than deep,
// near 2e-6; a truss whose members differ in stiffness by a factor of a
// million near 4e-7. A structure held in some direction only by
// a member or spring a hundred million times softer than the rest (a node on
// a spring of 1e-6 beside bars of 250) is reported as moving: its solution is
// the huge displacement of a mechanism just the same.
constexpr double kZeroEigenvalue = 1e-8;
// The motions' basis is orthonormal; an entry below this cannot lead a
// motion (it is round-off or a negligible part of one).
constexpr double kLeadingEntry = 1e-6;
// A DOF moves in a motion when its share is at least this fraction of the
// motion's largest component.
constexpr double kMovingShare = 1e-4;

// Kff of the run as a full symmetric matrix: the analysis keeps only the
// diagonal and the entries to its right up to date.
bool fullFreeFree(const Epilisi &run, Eigen::MatrixXd &k)
{
    const int nf = run.nf;
    k.resize(nf, nf);
    for (int p = 1; p <= nf; ++p) {
        for (int q = p; q <= nf; ++q) {
            const double v = run.Kff(p, q);
            if (!std::isfinite(v))
                return false;
            k(p - 1, q - 1) = v;
            k(q - 1, p - 1) = v;
        }
    }
    return true;
}

// The motions (rows) of a basis of the near-null space of k.
Eigen::MatrixXd nullSpaceRows(const Eigen::MatrixXd &k)
{
    const double largest = k.diagonal().maxCoeff();
    // Nothing stiffens any free DOF: each one moves on its own.
    if (!(largest > 0.0))
        return Eigen::MatrixXd::Identity(k.rows(), k.cols());
    const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(k);
    if (eigen.info() != Eigen::Success)
        return {};
    // Eigenvalues come in ascending order.
    Eigen::Index zeros = 0;
    while (zeros < k.rows() && eigen.eigenvalues()(zeros) <= kZeroEigenvalue * largest)
        ++zeros;
    return eigen.eigenvectors().leftCols(zeros).transpose();
}

// Any combination of the basis' motions is a motion too, so the basis an
// eigen-solver returns is one choice among many, and often a mix of
// unrelated motions. Reduced to row echelon form over the DOFs in ascending
// order, each motion leads with a DOF that no other motion moves: two free
// nodes give one motion per node and direction, and the same model always
// gives the same motions.
void reduceRows(Eigen::MatrixXd &b)
{
    Eigen::Index lead = 0;
    for (Eigen::Index c = 0; c < b.cols() && lead < b.rows(); ++c) {
        Eigen::Index best = 0;
        const double size = b.col(c).segment(lead, b.rows() - lead).cwiseAbs().maxCoeff(&best);
        if (size < kLeadingEntry)
            continue;
        best += lead;
        if (best != lead)
            b.row(lead).swap(b.row(best));
        const double pivot = b(lead, c);
        b.row(lead) /= pivot;
        for (Eigen::Index r = 0; r < b.rows(); ++r) {
            const double factor = b(r, c);
            if (r != lead && factor != 0.0)
                b.row(r) -= factor * b.row(lead);
        }
        ++lead;
    }
    b.conservativeResize(lead, Eigen::NoChange);
}

FreeMotion motionOf(const Epilisi &run, const Eigen::RowVectorXd &row, int nodes)
{
    FreeMotion motion;
    motion.u.assign(std::size_t(2 * nodes + 1), 0.0);
    const double largest = row.cwiseAbs().maxCoeff();
    for (int p = 1; p <= run.nf; ++p) {
        const double v = row(p - 1) / largest;
        if (std::abs(v) >= kMovingShare)
            motion.u[std::size_t(run.mapAt(p))] = v;
    }
    for (int n = 1; n <= nodes; ++n) {
        const bool x = motion.u[std::size_t(2 * n - 1)] != 0.0;
        const bool y = motion.u[std::size_t(2 * n)] != 0.0;
        if (x || y)
            motion.nodes.push_back({n, x, y});
    }
    return motion;
}

} // namespace

std::vector<FreeMotion> findFreeMotions(const Model &model)
{
    // The stages take a model they may mark as failed; they work on a copy
    // and report to nobody.
    Model copy = model;
    Interaction nobody;
    Epilisi run(copy, nobody);
    if (run.checkModel())
        return {};
    run.buildSystem();
    if (run.nf == 0)
        return {};
    Eigen::MatrixXd k;
    if (!fullFreeFree(run, k))
        return {};
    Eigen::MatrixXd basis = nullSpaceRows(k);
    reduceRows(basis);

    const int nodes = std::clamp<int>(model.nodeCount, 0, kMaxNodes);
    std::vector<FreeMotion> motions;
    for (Eigen::Index r = 0; r < basis.rows(); ++r) {
        FreeMotion motion = motionOf(run, basis.row(r), nodes);
        if (!motion.nodes.empty())
            motions.push_back(std::move(motion));
    }
    return motions;
}

QStringList freeMotionLines(const std::vector<FreeMotion> &motions)
{
    QStringList lines;
    for (std::size_t i = 0; i < motions.size(); ++i) {
        QStringList parts;
        for (const FreeMotion::MovingNode &n : motions[i].nodes) {
            const QString directions = n.x && n.y ? QStringLiteral("x and y")
                : n.x                             ? QStringLiteral("x")
                                                  : QStringLiteral("y");
            parts << QStringLiteral("node #%1 in %2").arg(n.node).arg(directions);
        }
        lines << QStringLiteral("Free motion %1: %2")
                     .arg(i + 1)
                     .arg(parts.join(QStringLiteral(", ")));
    }
    return lines;
}

std::vector<FreeMotion> reportFreeMotions(const Model &model, MessageLog &log)
{
    std::vector<FreeMotion> motions = findFreeMotions(model);
    for (const QString &line : freeMotionLines(motions))
        log.append(line, LogRed);
    return motions;
}
