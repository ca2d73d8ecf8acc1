// The data and results window opened from the main window: one at a time,
// after the re-analysis offer; its views, its grids' copy, its exports with
// the sections answered in place of the selection dialog, and its closing.
#include "AccessibleNames.h"
#include "MainWindowFixture.h"
#include "reports/ReportSelection.h"
#include "reports/gui/ResultsGridView.h"
#include "reports/gui/frmApotelesmata.h"

#include <QAccessible>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

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

ReportSections sections(std::array<bool, 4> chosen)
{
    ReportSections s;
    s.chosen = chosen;
    return s;
}

TEST_F(ResultsWindowTest, OpensAfterTheReanalysisOfferAndReplacesTheOldWindow)
{
    frmApotelesmata &first = open();
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_FALSE(ws().model.modelChanged); // Yes analysed it
    EXPECT_TRUE(first.isVisible());
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Corvane Kel.2D - Data & Results"));

    // Opening again asks nothing (the results are current) and leaves one
    // window, a new one.
    QPointer<frmApotelesmata> old(&first);
    open();
    EXPECT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(window->findChildren<frmApotelesmata *>().size(), 1);
}

TEST_F(ResultsWindowTest, ShowsTheModelAndResultsAsTheyWereWhenItOpened)
{
    frmApotelesmata &w = open();
    const char *general[] = {"1", "3", "2", "2", "1", "0", "2", "6"};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(w.generalValue(k)->text(), QLatin1String(general[k])) << k;

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
    EXPECT_EQ(nodes->data(0, Qt::UserRole).toString(), QStringLiteral("komb"));
    EXPECT_TRUE(nodes->font(0).bold());
    EXPECT_EQ(nodes->child(2)->text(0), QStringLiteral("#3 Node"));
    EXPECT_FALSE(nodes->child(2)->font(0).bold());
}

TEST_F(ResultsWindowTest, CtrlCCopiesTheSelectedCellsAsTabSeparatedText)
{
    frmApotelesmata &w = open();
    w.findChild<QTabWidget *>()->setCurrentIndex(3);
    ResultsGridView *view = w.gridView(GridId::Reactions);
    QApplication::clipboard()->clear();
    view->selectionModel()->select(
        QItemSelection(view->model()->index(0, 0), view->model()->index(1, 1)),
        QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const ResultsGrid &g = view->grid();
    EXPECT_FALSE(g.cell(1, 2).text.isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(),
              g.cell(1, 1).text + QLatin1Char('\t') + g.cell(1, 2).text + QLatin1Char('\n')
                  + g.cell(2, 1).text + QLatin1Char('\t') + g.cell(2, 2).text + QLatin1Char('\n'));
}

TEST_F(ResultsWindowTest, NoSectionOrACancelledChoiceExportsNothing)
{
    frmApotelesmata &w = open();
    const size_t boxes = prompts.shown.size();
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    for (const char *key : {"keyApothikefsi", "keyClipboard", "keyEktiposi", "keyExcel"})
        run(w, key, std::nullopt);
    run(w, "keyClipboard", ReportSections{});
    EXPECT_EQ(captions,
              (QStringList{"Save to file", "Copy to Clipboard", "Print", "Export to MS Excel",
                           "Copy to Clipboard"}));
    EXPECT_EQ(prompts.shown.size(), boxes);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("untouched"));
    EXPECT_TRUE(services.printed.isEmpty());
    EXPECT_TRUE(services.files.isEmpty());
}

// The chosen sections reach the export: the report on the clipboard, and the
// chosen grids as workbooks of their own, opened on the desktop.
TEST_F(ResultsWindowTest, ChosenSectionsReachTheClipboardAndTheSpreadsheet)
{
    frmApotelesmata &w = open();
    const ReportSections chosen = sections({true, false, true, false});
    run(w, "keyClipboard", chosen);
    EXPECT_EQ(QApplication::clipboard()->text(), chosenReport(ws().model, ws().results, chosen));

    run(w, "keyExcel", chosen);
    ASSERT_EQ(services.files.size(), 2);
    EXPECT_EQ(QFileInfo(services.files[0]).fileName(), QStringLiteral("Model data.xlsx"));
    EXPECT_EQ(QFileInfo(services.files[1]).fileName(), QStringLiteral("Element forces.xlsx"));
    EXPECT_TRUE(services.files[0].startsWith(dir.path()));
}

TEST_F(ResultsWindowTest, ClosedByExitAndWithTheMainWindow)
{
    start(); // untitled and empty: the main window closes without a prompt
    QPointer<frmApotelesmata> w(&open());
    EXPECT_TRUE(prompts.shown.empty()); // nothing changed, nothing offered
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
    const struct {
        QWidget *widget;
        const char *name;
    } controls[] = {
        {w.gridView(GridId::Data), "Analytical model data:"},
        {w.tree(), "Analytical model data:"},
        {w.gridView(GridId::Nodes), "Node displacements"},
        {w.gridView(GridId::Elements), "Element forces"},
        {w.gridView(GridId::Reactions), "Constraint-Spring reactions"},
    };
    for (const auto &c : controls)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(c.widget)->text(QAccessible::Name),
                  QLatin1String(c.name));
}

} // namespace
