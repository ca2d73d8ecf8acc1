// The text report, line by line and character for character.
#include "core/Fixtures.h"
#include "reports/ReportText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace truss;

template <std::size_t n>
QString joined(const char *const (&lines)[n])
{
    QString out;
    for (const char *line : lines)
        out += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return out;
}

// Compared line by line first, so a failure points at the line.
void expectText(const QString &actual, const QString &expected)
{
    const QStringList a = actual.split(QStringLiteral("\r\n"));
    const QStringList e = expected.split(QStringLiteral("\r\n"));
    for (int i = 0; i < std::min(a.size(), e.size()); ++i)
        EXPECT_EQ(a[i], e[i]) << "line " << i + 1;
    EXPECT_EQ(a.size(), e.size());
    EXPECT_EQ(actual, expected);
}

const char *const kSection1[] = {
    "Data",
    "",
    "General data",
    "",
    "E,A Element Groups:         2",
    "Nodes:                      4",
    "Elements:                   4",
    "Constrained nodes:          3",
    "Nodes with loads on:        2",
    "Nodes with springs on:      2",
    "DOFs per node:              2",
    "Degrees Of Freedom:         8",
    "",
    "E,A Element Groups",
    "",
    "Group    Youngs Modulus E         Section area A           ",
    "-------------------------------------------------------------------------------------",
    "1        210000000                .5                      ",
    "2        70000                    2                       ",
    "",
    "Nodes",
    "",
    "Node           x              y              Constraints    Kx             Ky             ",
    "----------------------------------------------------------------------------------------",
    "1               0              0             xx                                           ",
    "2               .5             3                                                          ",
    "3               4             -2.25          ox             0.5                           ",
    "4               2              1             xo             100                           ",
    "",
    "Elements",
    "",
    "Element  Node i      Node j       Group   ",
    "----------------------------------------------------------------",
    "1        1           2            1       ",
    "2        2           3            2       ",
    "3        3           4            1       ",
    "4        1           4            2       ",
    "",
    "Nodal loads",
    "",
    "Node     Force Fx                 Force Fy                 ",
    "-----------------------------------------------------------------",
    "2                                 5                       ",
    "3       -1.5                                              ",
    "",
    "",
};
const char *const kSection2[] = {
    "Node displacements",
    "",
    "Node   x-Displacement           y-Displacement           Total Displacement",
    "-------------------------------------------------------------------------------",
    "1        0                        0                       0                        ",
    "2        .3                      -.4                      0.5                      ",
    "3        2                        0                       2                        ",
    "4        0                        3                       3                        ",
    "",
    "",
};
const char *const kSection3[] = {
    "Element forces",
    "",
    "Element Axial force              Axial stress             Axial strain             ",
    "-------------------------------------------------------------------------------",
    "1        10                       20                       9.52380952380952E-08    ",
    "2       -20                      -10                      -.000142857142857143     ",
    "3        .5                       1                        4.76190476190476E-09    ",
    "4        4                        2                        2.85714285714286E-05    ",
    "",
};
const char *const kSection4[] = {
    "Constraint-Spring reactions",
    "",
    "Node     Force Fx                Force Fy                ",
    "--------------------------------------------------",
    "1        1.5                     -5                       ",
    "3       -1                        2                       ",
    "4        0                                                ",
};

TEST(ReportText, SectionsLineByLine)
{
    Workspace ws;
    reportModel(ws);
    struct Case {
        int section;
        QString expected;
    };
    const Case cases[] = {
        {1, joined(kSection1)},
        {2, joined(kSection2)},
        {3, joined(kSection3)},
        {4, joined(kSection4)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.section);
        expectText(Report_Text(ws.model, ws.results, c.section), c.expected);
    }
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
