#include "reports/ReportSelection.h"

#include "reports/ReportText.h"

const std::array<QString, 4> &sectionCaptions()
{
    static const std::array<QString, 4> captions{
        QStringLiteral("Model data"), QStringLiteral("Node displacements"),
        QStringLiteral("Element forces"), QStringLiteral("Constraint-Spring reactions")};
    return captions;
}

ReportSections defaultSections()
{
    ReportSections s;
    s.chosen = {false, true, true, false};
    return s;
}

QString chosenReport(const Model &m, const AnalysisResults &r, const ReportSections &sections)
{
    QString report;
    for (int k = 0; k < 4; ++k)
        if (sections.chosen[std::size_t(k)])
            report += Report_Text(m, r, k + 1);
    return report;
}
