#include "drawing/DiagramScaleSteps.h"

#include "common/NumberForms.h"
#include "common/Settings.h"
#include "drawing/DrawingContext.h"
#include "drawing/ResultQuantity.h"
#include "model/AnalysisResults.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

// The longest ordinate changes by 0.2 cm; a displacement u is drawn as
// 1000 u / f model units, so the magnification's step is 0.2 / 1000.
constexpr double kOrdinateStep = 0.2;

bool positive(double v) { return std::isfinite(v) && v > 0; }

bool step(float &scale, double m, double stepLength, ScaleStep direction, int decimals)
{
    const auto next = steppedScale(scale, m, stepLength, direction, decimals);
    if (next)
        scale = *next;
    return next.has_value();
}

} // namespace

std::optional<float> steppedScale(double f, double m, double step, ScaleStep direction,
                                  int decimals)
{
    if (!positive(f) || !positive(m))
        return std::nullopt;
    const double denominator = direction == ScaleStep::Plus ? f * step + m : m - f * step;
    if (!positive(denominator))
        return std::nullopt;
    const double next = nf::RoundTo(f * m / denominator, decimals);
    if (!positive(next) || next > std::numeric_limits<float>::max())
        return std::nullopt;
    const float stored = static_cast<float>(next);
    if (!(stored > 0))
        return std::nullopt;
    return stored;
}

bool stepDiagramScale(Settings &s, const ResultExtrema &x, std::int16_t drawingMode,
                      ScaleStep direction)
{
    switch (drawingMode) {
    case ModeAxialForce: {
        bool stored = false;
        const std::pair<bool Settings::*, Quantity> shown[] = {
            {&Settings::Show_FORCE, Quantity::Force},
            {&Settings::Show_STRESS, Quantity::Stress},
            {&Settings::Show_STRAIN, Quantity::Strain}};
        for (const auto &[flag, q] : shown) {
            if (!(s.*flag))
                continue;
            const int decimals = q == Quantity::Strain ? 7 : 3;
            stored |= step(s.*quantityScale(q), quantityExtrema(x, q).largestAbsolute,
                           kOrdinateStep, direction, decimals);
        }
        return stored;
    }
    case ModeDeformed:
    case ModeAnimation:
        return step(s.Ena_cm_posa_m_epi_1000, finiteOrZero(x.maxU), kOrdinateStep / 1000, direction,
                    4);
    default: return false;
    }
}
