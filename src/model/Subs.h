#pragma once
struct AnalysisResults;
struct Model;

// Empties the model tables and counts, the results and their extrema. Leaves
// the file name, both flags, the settings and the view as they are.
void Clear_Model(Model &model, AnalysisResults &results);
