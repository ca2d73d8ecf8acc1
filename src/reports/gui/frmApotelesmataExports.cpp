// The tool bar of the data and results window: the report to a text file,
// the clipboard or the printer, the grids to the spreadsheet, and Exit.
#include "reports/gui/frmApotelesmata.h"

#include "ui_frmApotelesmata.h"

#include "reports/ReportExport.h"
#include "reports/WorkbookExport.h"
#include "reports/gui/ResultsGridView.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <vector>

void frmApotelesmata::connectActions()
{
    connect(m_ui->keyApothikefsi, &QAction::triggered, this, &frmApotelesmata::exportToTextFile);
    connect(m_ui->keyClipboard, &QAction::triggered, this, &frmApotelesmata::exportToClipboard);
    connect(m_ui->keyExcel, &QAction::triggered, this, &frmApotelesmata::exportToSpreadsheet);
    connect(m_ui->keyEktiposi, &QAction::triggered, this, &frmApotelesmata::exportToPrinter);
    connect(m_ui->Eksodos, &QAction::triggered, this, &QWidget::close);
}

std::optional<QString> frmApotelesmata::askReport(const QString &caption, ReportSections *sections)
{
    const std::optional<ReportSections> chosen = m_chooser ? m_chooser(caption) : std::nullopt;
    if (!chosen || !chosen->any())
        return std::nullopt;
    if (sections)
        *sections = *chosen;
    // The report reads the model and the results as they are now.
    return ::chosenReport(m_ws.model, m_ws.results, *chosen);
}

void frmApotelesmata::exportToTextFile()
{
    if (const auto report = askReport(QStringLiteral("Save to file")))
        saveReportToFile(m_ws, m_ws.model.fileName, *report);
}

void frmApotelesmata::exportToClipboard()
{
    const auto report = askReport(QStringLiteral("Copy to Clipboard"));
    if (!report)
        return;
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(*report);
}

void frmApotelesmata::exportToPrinter()
{
    if (const auto report = askReport(QStringLiteral("Print")))
        printReport(m_ws, m_services, *report);
}

void frmApotelesmata::exportToSpreadsheet()
{
    ReportSections sections;
    if (!askReport(QStringLiteral("Export to MS Excel"), &sections))
        return;
    // The grids as the window shows them, each under its own title.
    std::vector<const ResultsGrid *> grids;
    for (int k = 0; k < kGridCount; ++k)
        if (sections.chosen[std::size_t(k)])
            grids.push_back(&gridView(GridId(k))->grid());
    exportGridsToSpreadsheet(m_ws, m_services, grids, m_exportRoot);
}
