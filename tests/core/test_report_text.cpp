// The text report, line by line and character for character, against
// tests/data/report_sections.txt.
#include "core/Fixtures.h"
#include "reports/ReportText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace truss;

// The four sections of the report model, one after the other; the file holds
// them with plain line ends.
TEST(ReportText, SectionsLineByLine)
{
    Workspace ws;
    reportModel(ws);
    QString all;
    for (int section = 1; section <= 4; ++section)
        all += Report_Text(ws.model, ws.results, section);
    const QByteArray expected = readBytes(QStringLiteral(KEL2D_TEST_DATA "/report_sections.txt"));
    ASSERT_FALSE(expected.isEmpty());
    // As lists of lines, so a failure points at the line.
    EXPECT_EQ(all.split(QStringLiteral("\r\n")), QString::fromLatin1(expected).split(u'\n'));
}

// A number longer than its field is cut to the field; a value that is not a
// finite number (a group changed to a zero area after the analysis) leaves
// its field empty instead of printing an infinity.
TEST(ReportText, LongAndNonFiniteValues)
{
    Workspace ws;
    reportModel(ws);
    ws.model.elements[1].ni = 123456789.0f;
    const QStringList elements = Report_Text(ws.model, ws.results, 1).split(QStringLiteral("\r\n"));
    EXPECT_EQ(elements[33], "1        1.23456     2            1       ");

    ws.model.groups[2].A = 0;
    const QStringList forces = Report_Text(ws.model, ws.results, 3).split(QStringLiteral("\r\n"));
    EXPECT_EQ(forces[5], "2       -20" + QString(22 + 50, QLatin1Char(' ')));

    ws.results.U[3] = std::numeric_limits<double>::infinity();
    const QStringList disp = Report_Text(ws.model, ws.results, 2).split(QStringLiteral("\r\n"));
    EXPECT_EQ(disp[5], "2                                -.4" + QString(22 + 25, QLatin1Char(' ')));
}

} // namespace
