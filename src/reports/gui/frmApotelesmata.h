#pragma once
// The data and results window: the general data, the model as a grid or a
// tree, and the grids of the displacements, element forces and reactions,
// built once from the model and the results when it opens. Its tool bar
// saves, copies or prints the text report and sends the grids to the
// spreadsheet application. It only shows; nothing in it changes the model.
#include "reports/ReportSelection.h"
#include "reports/ResultsGrid.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class frmApotelesmata;
}
class PlatformServices;
class QLabel;
class QTreeWidget;
class ResultsGridView;
class Workspace;

class frmApotelesmata : public QMainWindow {
    Q_OBJECT
public:
    // Asks which sections an export takes, under the action's caption;
    // nothing when the user cancelled.
    using SectionChooser = std::function<std::optional<ReportSections>(const QString &caption)>;

    // Built from the workspace's model and results as they are now. The
    // workspace and the services must outlive the window's use; the window
    // reads neither when it is destroyed.
    frmApotelesmata(Workspace &ws, PlatformServices &services, QWidget *parent = nullptr);
    ~frmApotelesmata() override;

    // The tool bar's actions: each asks for the sections first; a cancelled
    // choice, or none checked, does nothing and says nothing.
    void exportToTextFile();
    void exportToClipboard();
    void exportToPrinter();
    void exportToSpreadsheet();

    // The selection dialog by default; tests answer in its place.
    void setSectionChooser(SectionChooser chooser) { m_chooser = std::move(chooser); }
    // Where the spreadsheet export makes its folders: the system's
    // temporary folder by default.
    void setExportRoot(const QString &folder) { m_exportRoot = folder; }

    // For the tests.
    ResultsGridView *gridView(GridId id) const;
    QTreeWidget *tree() const;
    QAction *toolAction(const QString &key) const;
    QLabel *generalValue(int k) const; // 0 to 7, in the frame's order
    void showTreeView(bool tree);
    bool isTreeViewShown() const;

private:
    void fillGeneralData();
    void fillGrids();
    void fillTree();
    void connectActions();
    std::optional<QString> askReport(const QString &caption, ReportSections *sections = nullptr);

    std::unique_ptr<Ui::frmApotelesmata> m_ui;
    Workspace &m_ws;
    PlatformServices &m_services;
    SectionChooser m_chooser;
    QString m_exportRoot;
};
