#pragma once
// The extrema of the results that the legends and reports show: one search
// per quantity, each returning the value only (never where it occurs).
// Node searches run over nodes 1..N of U, element searches over elements
// 1..M of F with E and A of each element's own group. With no nodes (or no
// elements) a search returns 0.
#include "model/AnalysisResults.h"

double Bres_maxAbsUx(const Model &m, const AnalysisResults &r);
double Bres_maxUx(const Model &m, const AnalysisResults &r);
double Bres_minUx(const Model &m, const AnalysisResults &r);
double Bres_maxAbsUy(const Model &m, const AnalysisResults &r);
double Bres_maxUy(const Model &m, const AnalysisResults &r);
double Bres_minUy(const Model &m, const AnalysisResults &r);
double Bres_maxU(const Model &m, const AnalysisResults &r);
double Bres_minU(const Model &m, const AnalysisResults &r);
double Bres_maxAbsN(const Model &m, const AnalysisResults &r);
double Bres_maxN(const Model &m, const AnalysisResults &r);
double Bres_minN(const Model &m, const AnalysisResults &r);
double Bres_maxAbsS(const Model &m, const AnalysisResults &r);
double Bres_maxS(const Model &m, const AnalysisResults &r);
double Bres_minS(const Model &m, const AnalysisResults &r);
double Bres_maxAbsE(const Model &m, const AnalysisResults &r);
double Bres_maxE(const Model &m, const AnalysisResults &r);
double Bres_minE(const Model &m, const AnalysisResults &r);

// All seventeen, computed in the order of the fields.
ResultExtrema Bres_Megista(const Model &m, const AnalysisResults &r);

// Whether every one of the seventeen is a finite number.
bool Extrema_Finite(const ResultExtrema &x);

// Axial stress N / A and strain N / A / E of element e, with A and E of its
// own group; NaN when the element's group is outside the model.
double Element_Stress(const Model &m, const AnalysisResults &r, int e);
double Element_Strain(const Model &m, const AnalysisResults &r, int e);
