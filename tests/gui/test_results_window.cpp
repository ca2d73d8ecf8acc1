// The data and results window opened from the main window after the
// re-analysis offer, one export with the sections answered in place of the
// selection dialog, its closing; the selection dialog itself.
#include "AccessibleNames.h"
#include "MainWindowFixture.h"
#include "reports/ReportSelection.h"
#include "reports/gui/ResultsGridView.h"
#include "reports/gui/frmApotelesmata.h"
#include "reports/gui/frmSelect.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QTreeWidget>

namespace {

TEST_F(MainWindowTest, ResultsWindowOpensCopiesTheChosenSectionsAndCloses)
{
    start(writeModel(QStringLiteral("truss.kel")));
    prompts.answers = {PromptAnswer::Yes}; // the re-analysis offer
    trigger("tbAPOTELESMATAitem");
    QApplication::processEvents();
    QPointer<frmApotelesmata> w(window->findChild<frmApotelesmata *>());
    ASSERT_FALSE(w.isNull());
    EXPECT_FALSE(ws().model.modelChanged); // Yes analysed it
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Corvane Kel.2D - Data & Results"));
    EXPECT_EQ(expectNamedByLabels(*w), 7); // the tool buttons and the two options
    const std::pair<QWidget *, const char *> views[] = {
        {w->gridView(GridId::Data), "Analytical model data:"},
        {w->tree(), "Analytical model data:"},
        {w->gridView(GridId::Nodes), "Node displacements"},
        {w->gridView(GridId::Elements), "Element forces"},
        {w->gridView(GridId::Reactions), "Constraint-Spring reactions"},
    };
    for (const auto &[view, name] : views)
        EXPECT_EQ(accessibleName(view), QLatin1String(name));

    ReportSections chosen;
    chosen.chosen = {true, false, true, false};
    QStringList captions;
    w->setSectionChooser([&](const QString &caption) {
        captions << caption;
        return std::optional(chosen);
    });
    w->toolAction(QStringLiteral("keyClipboard"))->trigger();
    EXPECT_EQ(captions, QStringList{"Copy to Clipboard"});
    EXPECT_EQ(QApplication::clipboard()->text(), chosenReport(ws().model, ws().results, chosen));

    w->toolAction(QStringLiteral("Eksodos"))->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

// The selection dialog opens under the action's caption with the middle two
// sections checked; OK gives the checked sections.
TEST(frmSelect, OkGivesTheCheckedSections)
{
    frmSelect d(QStringLiteral("Print"));
    d.show();
    EXPECT_EQ(d.windowTitle() + d.findChild<QGroupBox *>()->title(), "PrintResults");
    EXPECT_EQ(expectNamedByLabels(d), 6);
    QStringList boxes;
    for (int k = 0; k < 4; ++k)
        boxes << d.sectionBox(k)->text() + (d.sectionBox(k)->isChecked() ? "+" : "");
    EXPECT_EQ(boxes,
              (QStringList{"Model data", "Node displacements+", "Element forces+",
                           "Constraint-Spring reactions"}));
    d.sectionBox(0)->click();
    d.sectionBox(1)->click();
    d.okButton()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.sections().chosen, (std::array<bool, 4>{true, false, true, false}));
}

} // namespace
