#include "drawing/ResultQuantity.h"

#include "analysis/Functions_Bres_Megista.h"
#include "common/NumberForms.h"
#include "common/Settings.h"
#include "model/AnalysisResults.h"

#include <cmath>

double finiteOrZero(double x) { return std::isfinite(x) ? x : 0.0; }

Quantity chosenQuantity(const Settings &s)
{
    if (s.Show_FORCE)
        return Quantity::Force;
    if (s.Show_STRESS)
        return Quantity::Stress;
    if (s.Show_STRAIN)
        return Quantity::Strain;
    return Quantity::Force;
}

void setChosenQuantity(Settings &s, Quantity q)
{
    s.Show_FORCE = q == Quantity::Force;
    s.Show_STRESS = q == Quantity::Stress;
    s.Show_STRAIN = q == Quantity::Strain;
}

double elementValue(const Model &m, const AnalysisResults &r, Quantity q, int e)
{
    if (e < 1 || e > kMaxElements)
        return 0.0;
    switch (q) {
    case Quantity::Force: return finiteOrZero(r.F[e][2]);
    case Quantity::Stress: return finiteOrZero(elementStress(m, r, e));
    case Quantity::Strain: return finiteOrZero(elementStrain(m, r, e));
    }
    return 0.0;
}

float Settings::*quantityScale(Quantity q)
{
    switch (q) {
    case Quantity::Stress: return &Settings::Ena_cm_posa_STRESS;
    case Quantity::Strain: return &Settings::Ena_cm_posa_STRAIN;
    case Quantity::Force: break;
    }
    return &Settings::Ena_cm_posa_FORCE;
}

int quantityDecimals(const Settings &s, Quantity q)
{
    return q == Quantity::Strain ? s.dekadika_strain : s.dekadika_N;
}

QString quantityTitle(Quantity q)
{
    switch (q) {
    case Quantity::Stress: return QStringLiteral("Axial Stress");
    case Quantity::Strain: return QStringLiteral("Axial Strain");
    case Quantity::Force: break;
    }
    return QStringLiteral("Axial Force");
}

QuantityExtremes quantityExtrema(const ResultExtrema &x, Quantity q)
{
    switch (q) {
    case Quantity::Stress:
        return {finiteOrZero(x.maxS), finiteOrZero(x.minS), finiteOrZero(x.maxAbsS)};
    case Quantity::Strain:
        return {finiteOrZero(x.maxE), finiteOrZero(x.minE), finiteOrZero(x.maxAbsE)};
    case Quantity::Force: break;
    }
    return {finiteOrZero(x.maxN), finiteOrZero(x.minN), finiteOrZero(x.maxAbsN)};
}

QString diagramValueText(double value, int decimals)
{
    const double t = nf::RoundTo(value, decimals);
    const QString digits = nf::generalDouble(t);
    return (digits.startsWith(QLatin1Char('-')) ? QString() : QStringLiteral(" ")) + digits
        + QLatin1Char(' ');
}
