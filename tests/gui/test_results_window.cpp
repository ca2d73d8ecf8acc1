// The data and results window opened from the main window: one at a time,
// after the re-analysis offer; its views, its grids' copy, its exports with
// the sections answered in place of the selection dialog, and its closing.
#include "MainWindowFixture.h"
#include "reports/ReportSelection.h"
#include "reports/gui/ResultsGridView.h"
#include "reports/gui/frmApotelesmata.h"

#include <QAccessible>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
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
    static ReportSections sections(std::array<bool, 4> chosen)
    {
        ReportSections s;
        s.chosen = chosen;
        return s;
    }
    void runAction(frmApotelesmata &w, const char *key)
    {
        w.toolAction(QString::fromLatin1(key))->trigger();
        QApplication::processEvents();
    }

    QStringList captions;                 // of every selection asked for
    std::optional<ReportSections> answer; // the next selection's answer
};

TEST_F(ResultsWindowTest, OpensAfterTheReanalysisOfferAndReplacesTheOldWindow)
{
    frmApotelesmata &first = open();
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral(
                  "Model has been changed. Do you want to reanalyze before the process goes on?"));
    EXPECT_FALSE(ws().model.modelChanged); // Yes analysed it
    EXPECT_TRUE(first.isVisible());
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Corvane Kel.2D - Data & Results"));
    EXPECT_EQ(first.findChild<QTabWidget *>()->currentIndex(), 0);

    // Opening again asks nothing (the results are current) and leaves one
    // window, a new one.
    QPointer<frmApotelesmata> old(&first);
    frmApotelesmata &second = open();
    EXPECT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(old.isNull());
    EXPECT_NE(&second, &first);
    EXPECT_EQ(window->findChildren<frmApotelesmata *>().size(), 1);
}

TEST_F(ResultsWindowTest, ShowsTheModelAndResultsAsTheyWereWhenItOpened)
{
    frmApotelesmata &w = open();
    const char *general[] = {"1", "3", "2", "2", "1", "0", "2", "6"};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(w.generalValue(k)->text(), QLatin1String(general[k])) << k;

    ResultsGridView *nodes = w.gridView(GridId::Nodes);
    EXPECT_EQ(nodes->objectName(), QStringLiteral("FLEXgrdNODES"));
    EXPECT_EQ(nodes->model()->rowCount(), 3);
    EXPECT_EQ(nodes->model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("x - Displacement"));
    // Node 1 is held in both directions: its cells are empty.
    EXPECT_EQ(nodes->model()->index(0, 0).data().toString(), QString());
    EXPECT_EQ(w.gridView(GridId::Data)->grid().rowCount(), 1 + 3 + 2 + 1 + 7);

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
    QTreeWidget *tree = w.tree();
    ResultsGridView *grid = w.gridView(GridId::Data);
    auto *table = w.findChild<QRadioButton *>(QStringLiteral("optTable"));
    auto *treeOption = w.findChild<QRadioButton *>(QStringLiteral("optTree"));
    EXPECT_TRUE(treeOption->isChecked());
    EXPECT_TRUE(tree->isVisible());
    EXPECT_FALSE(grid->isVisible());

    table->click();
    EXPECT_TRUE(grid->isVisible());
    EXPECT_FALSE(tree->isVisible());
    treeOption->click();
    EXPECT_TRUE(tree->isVisible());
    EXPECT_FALSE(grid->isVisible());

    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem *root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("Model"));
    ASSERT_EQ(root->childCount(), 4);
    EXPECT_EQ(root->child(1)->data(0, Qt::UserRole).toString(), QStringLiteral("komb"));
    EXPECT_TRUE(root->child(1)->font(0).bold());
    EXPECT_EQ(root->child(1)->child(2)->text(0), QStringLiteral("#3 Node"));
    EXPECT_EQ(root->child(1)->child(2)->data(0, Qt::UserRole).toString(), QStringLiteral("komb3"));
    EXPECT_FALSE(root->child(1)->child(2)->font(0).bold());
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
    const QString text = QApplication::clipboard()->text();
    const ResultsGrid &g = view->grid();
    EXPECT_EQ(text,
              g.cell(1, 1).text + QLatin1Char('\t') + g.cell(1, 2).text + QLatin1Char('\n')
                  + g.cell(2, 1).text + QLatin1Char('\t') + g.cell(2, 2).text + QLatin1Char('\n'));
    EXPECT_FALSE(g.cell(1, 2).text.isEmpty());
}

TEST_F(ResultsWindowTest, NoSectionOrACancelledChoiceExportsNothing)
{
    frmApotelesmata &w = open();
    const size_t boxes = prompts.shown.size();
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    for (const char *key : {"keyApothikefsi", "keyClipboard", "keyEktiposi", "keyExcel"}) {
        for (const std::optional<ReportSections> &a :
             {std::optional<ReportSections>(), std::optional<ReportSections>(ReportSections{})}) {
            answer = a;
            runAction(w, key);
        }
    }
    EXPECT_EQ(captions,
              (QStringList{"Save to file", "Save to file", "Copy to Clipboard", "Copy to Clipboard",
                           "Print", "Print", "Export to MS Excel", "Export to MS Excel"}));
    EXPECT_EQ(prompts.shown.size(), boxes);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("untouched"));
    EXPECT_TRUE(services.printed.isEmpty());
    EXPECT_TRUE(services.files.isEmpty());
}

TEST_F(ResultsWindowTest, ReportGoesToAFileTheClipboardAndThePrinter)
{
    frmApotelesmata &w = open();
    const ReportSections chosen = sections({true, false, true, false});
    const QString report = chosenReport(ws().model, ws().results, chosen);
    ASSERT_TRUE(report.startsWith(QStringLiteral("Data\r\n")));

    answer = chosen;
    prompts.files.push_back(path("report"));
    runAction(w, "keyApothikefsi");
    QFile saved(path("report.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), (report + QStringLiteral("\r\n")).toUtf8());
    EXPECT_EQ(prompts.shown.back().location, path("truss.txt"));

    answer = chosen;
    runAction(w, "keyClipboard");
    EXPECT_EQ(QApplication::clipboard()->text(), report);

    answer = chosen;
    runAction(w, "keyEktiposi");
    ASSERT_EQ(services.printed.size(), 1);
    EXPECT_EQ(services.printed[0].join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), report);

    services.printerFound = false;
    prompts.answers.push_back(PromptAnswer::Ok);
    answer = chosen;
    runAction(w, "keyEktiposi");
    EXPECT_EQ(
        prompts.shown.back().text,
        QStringLiteral("An error occured while trying to print. The printing cannot be completed"));
}

TEST_F(ResultsWindowTest, ChosenGridsOpenAsWorkbooksOrSayWhereTheyAre)
{
    frmApotelesmata &w = open();
    answer = sections({true, false, true, false});
    runAction(w, "keyExcel");
    ASSERT_EQ(services.files.size(), 2);
    EXPECT_EQ(QFileInfo(services.files[0]).fileName(), QStringLiteral("Model data.xlsx"));
    EXPECT_EQ(QFileInfo(services.files[1]).fileName(), QStringLiteral("Element forces.xlsx"));
    EXPECT_TRUE(services.files[0].startsWith(dir.path()));
    EXPECT_TRUE(QFileInfo::exists(services.files[1]));

    services.succeed = false;
    prompts.answers.push_back(PromptAnswer::Ok);
    const size_t before = prompts.shown.size();
    answer = sections({false, false, false, true});
    runAction(w, "keyExcel");
    ASSERT_EQ(prompts.shown.size(), before + 1);
    EXPECT_TRUE(
        prompts.shown.back().text.endsWith(QStringLiteral("Constraint-Spring reactions.xlsx")));
    EXPECT_EQ(prompts.shown.back().icon, PromptIcon::Critical);
}

TEST_F(ResultsWindowTest, ClosedByExitAndWithTheMainWindow)
{
    start(); // untitled and empty: the main window closes without a prompt
    QPointer<frmApotelesmata> w(&open());
    EXPECT_TRUE(prompts.shown.empty()); // nothing changed, nothing offered
    runAction(*w, "Eksodos");
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
    QToolBar *bar = w.findChild<QToolBar *>();
    const struct {
        const char *key, *caption, *tip;
    } tools[] = {{"keyApothikefsi", "Save", "Save to file"},
                 {"keyClipboard", "Clipboard", "Copy to Windows Clipboard"},
                 {"keyExcel", "Excel", "Export to MS Excel"},
                 {"keyEktiposi", "Print", "Print"},
                 {"Eksodos", "Exit", "Exit"}};
    QStringList order;
    for (QAction *a : bar->actions())
        order << a->objectName();
    EXPECT_EQ(
        order,
        (QStringList{"keyApothikefsi", "keyClipboard", "keyExcel", "keyEktiposi", "Eksodos"}));
    for (const auto &t : tools) {
        QAction *a = w.toolAction(QString::fromLatin1(t.key));
        EXPECT_EQ(a->toolTip(), QLatin1String(t.tip));
        QWidget *button = bar->widgetForAction(a);
        EXPECT_EQ(static_cast<QToolButton *>(button)->text(), QLatin1String(t.caption));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                  QLatin1String(t.caption));
        EXPECT_FALSE(a->icon().isNull());
    }

    const struct {
        QWidget *widget;
        const char *name;
    } controls[] = {
        {w.findChild<QRadioButton *>(QStringLiteral("optTable")), "Table view"},
        {w.findChild<QRadioButton *>(QStringLiteral("optTree")), "Tree view"},
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
