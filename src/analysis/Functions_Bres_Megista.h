#pragma once
// The extrema of the results that the legends and reports show: one search
// per quantity, each returning the value only (never where it occurs).
// Node searches run over nodes 1..N of U, element searches over elements
// 1..M of F with E and A of each element's own group. With no nodes (or no
// elements) a search returns 0.
#include "model/AnalysisResults.h"

double findMaxAbsUx(const Model &m, const AnalysisResults &r);
double findMaxUx(const Model &m, const AnalysisResults &r);
double findMinUx(const Model &m, const AnalysisResults &r);
double findMaxAbsUy(const Model &m, const AnalysisResults &r);
double findMaxUy(const Model &m, const AnalysisResults &r);
double findMinUy(const Model &m, const AnalysisResults &r);
double findMaxU(const Model &m, const AnalysisResults &r);
double findMinU(const Model &m, const AnalysisResults &r);
double findMaxAbsN(const Model &m, const AnalysisResults &r);
double findMaxN(const Model &m, const AnalysisResults &r);
double findMinN(const Model &m, const AnalysisResults &r);
double findMaxAbsS(const Model &m, const AnalysisResults &r);
double findMaxS(const Model &m, const AnalysisResults &r);
double findMinS(const Model &m, const AnalysisResults &r);
double findMaxAbsE(const Model &m, const AnalysisResults &r);
double findMaxE(const Model &m, const AnalysisResults &r);
double findMinE(const Model &m, const AnalysisResults &r);

// All seventeen, found together in one pass over the nodes and one over the
// elements (each search alone repeats the whole pass).
ResultExtrema findExtrema(const Model &m, const AnalysisResults &r);

// Whether every one of the seventeen is a finite number.
bool extremaFinite(const ResultExtrema &x);

// Axial stress N / A and strain N / A / E of element e, with A and E of its
// own group; NaN when the element's group is outside the model.
double elementStress(const Model &m, const AnalysisResults &r, int e);
double elementStrain(const Model &m, const AnalysisResults &r, int e);
