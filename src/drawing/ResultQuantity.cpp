#include "drawing/ResultQuantity.h"

#include "analysis/Functions_Bres_Megista.h"
#include "common/NumberForms.h"
#include "common/Settings.h"
#include "model/AnalysisResults.h"

#include <cmath>

double FiniteOrZero(double x) { return std::isfinite(x) ? x : 0.0; }

Quantity ChosenQuantity(const Settings &s)
{
    if (s.Show_FORCE)
        return Quantity::Force;
    if (s.Show_STRESS)
        return Quantity::Stress;
    if (s.Show_STRAIN)
        return Quantity::Strain;
    return Quantity::Force;
}

void ChooseQuantity(Settings &s, Quantity q)
{
    s.Show_FORCE = q == Quantity::Force;
    s.Show_STRESS = q == Quantity::Stress;
    s.Show_STRAIN = q == Quantity::Strain;
}

double ElementValue(const Model &m, const AnalysisResults &r, Quantity q, int e)
{
    if (e < 1 || e > kMaxElements)
        return 0.0;
    switch (q) {
    case Quantity::Force: return FiniteOrZero(r.F[e][2]);
    case Quantity::Stress: return FiniteOrZero(Element_Stress(m, r, e));
    case Quantity::Strain: return FiniteOrZero(Element_Strain(m, r, e));
    }
    return 0.0;
}

float Settings::*QuantityScale(Quantity q)
{
    switch (q) {
    case Quantity::Stress: return &Settings::Ena_cm_posa_STRESS;
    case Quantity::Strain: return &Settings::Ena_cm_posa_STRAIN;
    case Quantity::Force: break;
    }
    return &Settings::Ena_cm_posa_FORCE;
}

int QuantityDecimals(const Settings &s, Quantity q)
{
    return q == Quantity::Strain ? s.dekadika_strain : s.dekadika_N;
}

QString QuantityTitle(Quantity q)
{
    switch (q) {
    case Quantity::Stress: return QStringLiteral("Axial Stress");
    case Quantity::Strain: return QStringLiteral("Axial Strain");
    case Quantity::Force: break;
    }
    return QStringLiteral("Axial Force");
}

QuantityExtremes QuantityExtrema(const ResultExtrema &x, Quantity q)
{
    switch (q) {
    case Quantity::Stress:
        return {FiniteOrZero(x.maxS), FiniteOrZero(x.minS), FiniteOrZero(x.maxAbsS)};
    case Quantity::Strain:
        return {FiniteOrZero(x.maxE), FiniteOrZero(x.minE), FiniteOrZero(x.maxAbsE)};
    case Quantity::Force: break;
    }
    return {FiniteOrZero(x.maxN), FiniteOrZero(x.minN), FiniteOrZero(x.maxAbsN)};
}

QString DiagramValueText(double value, int decimals)
{
    const double t = nf::RoundTo(value, decimals);
    const QString digits = nf::generalDouble(t);
    return (digits.startsWith(QLatin1Char('-')) ? QString() : QStringLiteral(" ")) + digits
        + QLatin1Char(' ');
}
