// The selection dialog of the exports, and the report on paper.
#include "AccessibleNames.h"
#include "reports/gui/ReportPrinting.h"
#include "reports/gui/frmSelect.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Opened under the action's caption with the middle two sections checked;
// OK gives the checked sections, Cancel rejects.
TEST(frmSelect, OkGivesTheCheckedSectionsAndCancelRejects)
{
    const char *const boxes[] = {"Model data", "Node displacements", "Element forces",
                                 "Constraint-Spring reactions"};
    frmSelect ok(QStringLiteral("Print"));
    ok.show();
    EXPECT_EQ(ok.windowTitle(), QStringLiteral("Print"));
    EXPECT_EQ(expectNamedByLabels(ok), 6);
    EXPECT_EQ(ok.findChild<QGroupBox *>()->title(), QStringLiteral("Results"));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(ok.sectionBox(k)->text(), QLatin1String(boxes[k]));
        EXPECT_EQ(ok.sectionBox(k)->isChecked(), k == 1 || k == 2) << k;
    }
    ok.sectionBox(0)->click();
    ok.sectionBox(1)->click();
    ok.okButton()->click();
    EXPECT_EQ(ok.result(), QDialog::Accepted);
    EXPECT_EQ(ok.sections().chosen, (std::array<bool, 4>{true, false, true, false}));

    frmSelect cancel(QStringLiteral("Print"));
    cancel.show();
    cancel.cancelButton()->click();
    EXPECT_EQ(cancel.result(), QDialog::Rejected);
}

int pageCount(const QString &pdf)
{
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(f.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

TEST(ReportPrinting, MonospacedTenPointLinesContinueOnTheNextPage)
{
    const QFont font = reportPrintFont();
    EXPECT_EQ(font.pointSizeF(), 10.0);
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << qPrintable(QFontInfo(font).family());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int count : {1, 60, 200}) {
        SCOPED_TRACE(count);
        const QString file = dir.filePath(QStringLiteral("report%1.pdf").arg(count));
        double perPage = 0;
        {
            QPdfWriter pdf(file);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setResolution(300);
            QStringList lines;
            for (int k = 1; k <= count; ++k)
                lines << QStringLiteral("line %1").arg(k);
            ASSERT_TRUE(printReportLines(pdf, lines));
            // 2 cm above and below the lines of a full A4 page.
            const double usable = (29.7 - 4.0) / 2.54 * pdf.logicalDpiY();
            perPage = std::floor(usable / QFontMetricsF(font, &pdf).lineSpacing());
        }
        EXPECT_EQ(pageCount(file), int(std::ceil(count / perPage)));
    }
}

} // namespace
