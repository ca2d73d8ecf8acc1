#pragma once
// The fixed-width text report of the model data and the results, one section
// at a time: 1 model data, 2 node displacements, 3 element forces,
// 4 constraint and spring reactions. Every line ends with CR LF. It reads the
// model and the results as they are, current or not.
#include <QString>

struct AnalysisResults;
struct Model;

// The text of one section; any other section number gives the empty text.
QString Report_Text(const Model &model, const AnalysisResults &results, int section);

// The sections one by one.
QString reportModelData(const Model &model);
QString reportNodeDisplacements(const Model &model, const AnalysisResults &results);
QString reportElementForces(const Model &model, const AnalysisResults &results);
QString reportReactions(const Model &model, const AnalysisResults &results);
