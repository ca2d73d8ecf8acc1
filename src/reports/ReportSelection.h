#pragma once
// The sections the user chose for an export: the four check boxes of the
// selection dialog, in report order, and the report text they make.
#include <QString>
#include <array>

struct AnalysisResults;
struct Model;

struct ReportSections {
    // Model data, node displacements, element forces, constraint and
    // spring reactions.
    std::array<bool, 4> chosen{};

    bool any() const { return chosen[0] || chosen[1] || chosen[2] || chosen[3]; }
    bool operator==(const ReportSections &) const = default;
};

// The check box captions, which are also the sheet titles of the grids.
const std::array<QString, 4> &sectionCaptions();

// What the selection dialog ticks when it opens: node displacements and
// element forces.
ReportSections defaultSections();

// The chosen sections' texts (Report_Text) one after another in report
// order; empty when none is chosen.
QString chosenReport(const Model &m, const AnalysisResults &r, const ReportSections &sections);
