// The data and results window opened from the main window: one at a time,
// after the re-analysis offer; its views, its grids' copy, its exports with
// the sections answered in place of the selection dialog, and its closing;
// the selection dialog itself and the report on paper.
#include "AccessibleNames.h"
#include "MainWindowFixture.h"
#include "reports/ReportSelection.h"
#include "reports/gui/ReportPrinting.h"
#include "reports/gui/ResultsGridView.h"
#include "reports/gui/frmApotelesmata.h"
#include "reports/gui/frmSelect.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPdfWriter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <cmath>

namespace {

class ResultsWindowTest : public MainWindowTest {
protected:
    // The main window with the small truss analysed, and the results window
    // opened from the tool bar.
    frmApotelesmata &open()
    {
        if (!window)
            start(writeModel(QStringLiteral("truss.kel")));
        if (ws().model.modelChanged)
            prompts.answers.push_back(PromptAnswer::Yes);
        trigger("tbAPOTELESMATAitem");
        QApplication::processEvents();
        frmApotelesmata *w = window->findChild<frmApotelesmata *>();
        EXPECT_NE(w, nullptr);
        w->setExportRoot(dir.path());
        w->setSectionChooser([this](const QString &caption) {
            captions << caption;
            return std::exchange(answer, std::nullopt);
        });
        return *w;
    }
    void run(frmApotelesmata &w, const char *key, std::optional<ReportSections> chosen)
    {
        answer = chosen;
        w.toolAction(QString::fromLatin1(key))->trigger();
        QApplication::processEvents();
    }

    QStringList captions;                 // of every selection asked for
    std::optional<ReportSections> answer; // the next selection's answer
};

TEST_F(ResultsWindowTest, OpensAfterTheReanalysisOfferAndReplacesTheOldWindow)
{
    QPointer<frmApotelesmata> first(&open());
    EXPECT_EQ(prompts.messages().size(), 1u);
    EXPECT_FALSE(ws().model.modelChanged); // Yes analysed it
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Corvane Kel.2D - Data & Results"));
    // Again: no offer (the results are current), and one window, a new one.
    open();
    EXPECT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(window->findChildren<frmApotelesmata *>().size(), 1);
}

TEST_F(ResultsWindowTest, ShowsTheModelAndResultsAsTheyWereWhenItOpened)
{
    frmApotelesmata &w = open();
    QStringList general;
    for (int k = 0; k < 8; ++k)
        general << w.generalValue(k)->text();
    EXPECT_EQ(general, (QStringList{"1", "3", "2", "2", "1", "0", "2", "6"}));
    // The data grid's value columns are at least 1500 twips wide.
    ResultsGridView *data = w.gridView(GridId::Data);
    for (int c = 0; c < 5; ++c)
        EXPECT_GE(data->columnWidth(c), data->logicalDpiX() * 1500 / 1440) << c;
    // An edit afterwards does not change the open window.
    ws().model.nodes[3].fy = -99;
    EXPECT_EQ(data->grid().cell(13, 3).text, QStringLiteral("-10"));
}

TEST_F(ResultsWindowTest, TableAndTreeViewTakeTurnsInTheSamePlace)
{
    frmApotelesmata &w = open();
    auto *table = w.findChild<QRadioButton *>(QStringLiteral("optTable"));
    auto *tree = w.findChild<QRadioButton *>(QStringLiteral("optTree"));
    EXPECT_TRUE(tree->isChecked());
    for (QRadioButton *option : {table, tree}) {
        option->click();
        EXPECT_EQ(w.tree()->isVisible(), option == tree);
        EXPECT_EQ(w.gridView(GridId::Data)->isVisible(), option == table);
    }
    // The tree's sections in bold, their items not.
    QTreeWidgetItem *nodes = w.tree()->topLevelItem(0)->child(1);
    EXPECT_TRUE(nodes->font(0).bold());
    EXPECT_EQ(nodes->child(2)->text(0), QStringLiteral("#3 Node"));
    EXPECT_FALSE(nodes->child(2)->font(0).bold());
}

// The view's first row and column are the grid's second ones.
TEST_F(ResultsWindowTest, CtrlCCopiesTheSelectedCells)
{
    frmApotelesmata &w = open();
    w.findChild<QTabWidget *>()->setCurrentIndex(3);
    ResultsGridView *view = w.gridView(GridId::Reactions);
    view->selectionModel()->select(
        QItemSelection(view->model()->index(0, 0), view->model()->index(1, 1)),
        QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const std::pair<int, int> cells[] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}};
    EXPECT_EQ(QApplication::clipboard()->text(), tabSeparatedText(view->grid(), cells));
}

TEST_F(ResultsWindowTest, NoSectionOrACancelledChoiceExportsNothing)
{
    frmApotelesmata &w = open();
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    for (const char *key : {"keyApothikefsi", "keyClipboard", "keyEktiposi", "keyExcel"})
        run(w, key, std::nullopt);
    run(w, "keyClipboard", ReportSections{});
    EXPECT_EQ(captions,
              (QStringList{"Save to file", "Copy to Clipboard", "Print", "Export to MS Excel",
                           "Copy to Clipboard"}));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("untouched"));
    EXPECT_TRUE(services.printed.isEmpty() && services.files.isEmpty());
}

// The chosen sections reach the export: the report on the clipboard, and the
// chosen grids as workbooks of their own, opened on the desktop.
TEST_F(ResultsWindowTest, ChosenSectionsReachTheClipboardAndTheSpreadsheet)
{
    frmApotelesmata &w = open();
    ReportSections chosen;
    chosen.chosen = {true, false, true, false};
    run(w, "keyClipboard", chosen);
    EXPECT_EQ(QApplication::clipboard()->text(), chosenReport(ws().model, ws().results, chosen));
    run(w, "keyExcel", chosen);
    ASSERT_EQ(services.files.size(), 2);
    EXPECT_EQ(QFileInfo(services.files[0]).fileName() + QFileInfo(services.files[1]).fileName(),
              "Model data.xlsxElement forces.xlsx");
    EXPECT_TRUE(services.files[0].startsWith(dir.path()));
}

TEST_F(ResultsWindowTest, ClosedByExitAndWithTheMainWindow)
{
    start(); // untitled and empty: the main window closes without a prompt
    QPointer<frmApotelesmata> w(&open());
    run(*w, "Eksodos", std::nullopt);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    w = &open();
    EXPECT_TRUE(window->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

TEST_F(ResultsWindowTest, ControlsAreNamedByTheirVisibleLabels)
{
    frmApotelesmata &w = open();
    QStringList tools;
    for (QAction *a : w.findChild<QToolBar *>()->actions())
        tools << a->text();
    EXPECT_EQ(tools, (QStringList{"Save", "Clipboard", "Excel", "Print", "Exit"}));
    EXPECT_EQ(expectNamedByLabels(w), 7); // the tool buttons and the two options
    const std::pair<QWidget *, const char *> views[] = {
        {w.gridView(GridId::Data), "Analytical model data:"},
        {w.tree(), "Analytical model data:"},
        {w.gridView(GridId::Nodes), "Node displacements"},
        {w.gridView(GridId::Elements), "Element forces"},
        {w.gridView(GridId::Reactions), "Constraint-Spring reactions"},
    };
    for (const auto &[view, name] : views)
        EXPECT_EQ(accessibleName(view), QLatin1String(name));
}

// The selection dialog opens under the action's caption with the middle two
// sections checked; OK gives the checked sections, Cancel rejects.
TEST(frmSelect, OkGivesTheCheckedSectionsAndCancelRejects)
{
    frmSelect ok(QStringLiteral("Print"));
    ok.show();
    EXPECT_EQ(ok.windowTitle() + ok.findChild<QGroupBox *>()->title(), "PrintResults");
    EXPECT_EQ(expectNamedByLabels(ok), 6);
    QStringList boxes;
    for (int k = 0; k < 4; ++k)
        boxes << ok.sectionBox(k)->text() + (ok.sectionBox(k)->isChecked() ? "+" : "");
    EXPECT_EQ(boxes,
              (QStringList{"Model data", "Node displacements+", "Element forces+",
                           "Constraint-Spring reactions"}));
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

// The report on paper: monospaced 10 point, continued on the next page.
TEST(ReportPrinting, MonospacedTenPointLinesContinueOnTheNextPage)
{
    const QFont font = reportPrintFont();
    EXPECT_EQ(font.pointSizeF(), 10.0);
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << qPrintable(QFontInfo(font).family());
    QTemporaryDir dir;
    for (int count : {1, 60, 200}) {
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
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(f.readAll());
        EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))),
                  int(std::ceil(count / perPage)))
            << count;
    }
}

} // namespace
