// "Recent files" in the File menu, and model files dropped on the window.
#include "ui/frmMain.h"

#include "common/RecentFiles.h"
#include "common/Registry.h"
#include "files/DesktopRecentFiles.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

// The one local .kel file a drop carries; empty for anything else (other
// files, several files, text, remote addresses).
QString droppedModel(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return QString();
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return QString();
    const QString file = urls.front().toLocalFile();
    return file.endsWith(QStringLiteral(".kel"), Qt::CaseInsensitive) ? file : QString();
}

} // namespace

void frmMain::buildRecentFilesMenu()
{
    auto *fileMenu = findChild<QMenu *>(QStringLiteral("menu_File"));
    if (!fileMenu)
        return;
    m_recentMenu = new QMenu(QStringLiteral("Recent files"), fileMenu);
    m_recentMenu->setObjectName(QStringLiteral("menu_File/Recent files"));
    // After Open, where it is looked for.
    QAction *open = action(QStringLiteral("mnuOPENitem"));
    const QList<QAction *> items = fileMenu->actions();
    const qsizetype at = items.indexOf(open);
    QAction *before = at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
    fileMenu->insertMenu(before, m_recentMenu);
    setAcceptDrops(true);
    fillRecentFilesMenu();
}

void frmMain::fillRecentFilesMenu()
{
    if (!m_recentMenu)
        return;
    m_recentMenu->clear();
    const QStringList files = loadRecentFiles(*m_store);
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString shown = QDir::toNativeSeparators(files[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *item = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        const QString file = files[i];
        connect(item, &QAction::triggered, this, [this, file] { openRecentFile(file); });
    }
    m_recentMenu->menuAction()->setEnabled(!files.isEmpty());
}

void frmMain::openRecentFile(const QString &file)
{
    hideHoverMarkers();
    if (!QFileInfo(file).isFile()) {
        saveRecentFiles(*m_store, withoutRecentFile(loadRecentFiles(*m_store), file));
        fillRecentFilesMenu();
        m_ws.reportWarning(QStringLiteral("The file '%1' cannot be found. It has been removed "
                                          "from the list of recent files.")
                               .arg(QDir::toNativeSeparators(file)));
        return;
    }
    openModelFile(file);
}

void frmMain::rememberFile(const QString &file)
{
    if (file.isEmpty())
        return;
    // Neither list is the user's work: when one cannot be written, the
    // file was still opened or saved, and nothing more is said.
    saveRecentFiles(*m_store, withRecentFile(loadRecentFiles(*m_store), file));
    fillRecentFilesMenu();
    addDesktopRecentFile(m_desktopRecentList, file);
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (droppedModel(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent *event)
{
    const QString file = droppedModel(event->mimeData());
    if (file.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop has ended, so that the offer to save does not
    // hold the program the file came from waiting.
    QTimer::singleShot(0, this, [this, file] {
        hideHoverMarkers();
        openModelFile(QFileInfo(file).absoluteFilePath());
    });
}
