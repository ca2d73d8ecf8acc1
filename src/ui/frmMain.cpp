#include "ui/frmMain.h"

#include "common/Registry.h"
#include "drawing/Sxediastika.h"
#include "drawing/gui/DrawingArea.h"
#include "files/DesktopRecentFiles.h"
#include "files/FileCommands.h"
#include "files/Files.h"
#include "ui/DeferredIcon.h"
#include "ui/DesktopServices.h"
#include "ui/LogView.h"
#include "ui/MainStatusBar.h"
#include "ui/ModelMouseTool.h"
#include "ui/MouseDefinition.h"
#include "ui/QtPrompts.h"
#include "ui/UndoRecorder.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

// The pictures live in the GUI library, which is linked statically.
static void initResources() { Q_INIT_RESOURCE(kel2d); }

namespace {

// The log's heights: the box shows about seven lines.
constexpr int kLogLines = 7;
// Small enough that the whole tool bar fits the default normal window; the
// build draws the icons' pixels at this size (src/CMakeLists.txt).
constexpr int kToolIconSize = KEL2D_TOOL_ICON_SIZE;

QString weekdayName(const QDate &date)
{
    // QDate counts Monday as 1 and Sunday as 7.
    static const char *const names[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                        "Friday", "Saturday", "Sunday"};
    return QString::fromLatin1(names[(date.dayOfWeek() - 1 + 7) % 7]);
}

} // namespace

frmMain::frmMain(const frmMainOptions &options, QWidget *parent)
    : QMainWindow(parent), m_helpFallbackDir(options.helpFallbackDir),
      m_desktopRecentList(options.desktopRecentList.isEmpty() ? desktopRecentFilesPath()
                                                              : options.desktopRecentList)
{
    initResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(deferredIcon(QStringLiteral(":/icons/kel2d.svg")));

    m_store = std::make_unique<SettingsStore>(
        options.settingsPath.isEmpty() ? SettingsStore::defaultPath() : options.settingsPath);
    if (!options.prompts)
        m_ownPrompts = std::make_unique<QtPrompts>(this);
    m_ws.setPrompts(options.prompts ? options.prompts : m_ownPrompts.get());
    if (!options.services)
        m_ownServices = std::make_unique<DesktopServices>();
    m_services = options.services ? options.services : m_ownServices.get();
    m_ws.setHooks(this);

    // Start-up, in the program's order: the window with its captions, the
    // greeting, the initial view and the stored settings, the zoom history,
    // the placement. The model named on the command line is read once the
    // window is on screen, so that a box about a file that cannot be read
    // sits over its window. Nothing is written to the settings store.
    buildWindow();
    buildUndoHistory();
    buildRecentFilesMenu();
    m_ownMouseTool = std::make_unique<MouseDefinition>(*this);
    setModelMouseTool(m_ownMouseTool.get());
    writeGreeting();
    m_ws.view.resetView();
    Load_Settings(m_ws.settings, *m_store);
    Apply_View_Colours();
    m_status->syncSwitches();
    setCaption(captionFor(QString()));
    m_commandLineModel = options.commandLine.trimmed();
    m_modelReadPending = !m_commandLineModel.isEmpty();
    m_ws.view.resetHistory();
    restorePlacement(*this, *m_store);
}

frmMain::~frmMain()
{
    // The log outlives the view only inside the workspace; stop the view
    // from being told about entries while the window is torn down.
    m_ws.log.setListener({});
    m_ws.setHooks(nullptr);
    m_ws.setEditRecorder(nullptr);
    // Destroyed among the window's members, the stack still signals its
    // emptying: nothing of the window may answer.
    m_undo->stack().disconnect(this);
    while (m_busyDepth > 0)
        setBusy(false);
}

QString frmMain::versionString()
{
    return QStringLiteral("%1.%2").arg(KEL2D_VERSION_MAJOR).arg(KEL2D_VERSION_MINOR);
}

QString frmMain::description()
{
    return QStringLiteral("Linear static analysis of plane trusses program");
}

QString frmMain::webAddress() { return QStringLiteral("https://www.corvane.example/kel2d"); }

// ---------------------------------------------------------------- the window

void frmMain::buildWindow()
{
    m_toolBar = new QToolBar(QStringLiteral("Tool bar"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setIconSize(QSize(kToolIconSize, kToolIconSize));
    m_toolBar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_commands = buildCommands(*this, menuBar(), m_toolBar);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    m_area = new DrawingArea(central);
    m_area->setObjectName(QStringLiteral("drawingArea"));
    m_area->setAccessibleName(QStringLiteral("Drawing"));
    m_area->setCursor(Qt::CrossCursor);
    column->addLayout(buildDrawingRow(central), 1);
    column->addLayout(buildLogRow(central));
    setCentralWidget(central);

    connect(m_area, &DrawingArea::mousePressed, this, &frmMain::onMousePressed);
    connect(m_area, &DrawingArea::mouseMoved, this, &frmMain::onMouseMoved);
    connect(m_area, &DrawingArea::mouseReleased, this, &frmMain::onMouseReleased);
    connect(m_area, &DrawingArea::doubleClicked, this, &frmMain::onDoubleClicked);
    connect(m_area, &DrawingArea::resized, this, &frmMain::onAreaResized);
    connect(m_area, &DrawingArea::aboutToPaint, this, [this] {
        if (m_pictureOwed)
            RedrawDrawingArea();
    });

    m_status = new MainStatusBar(statusBar(), m_ws);
    connect(m_status, &MainStatusBar::redrawNeeded, this, &frmMain::RedrawDrawingArea);
    buildZoomMenu();
    for (const CommandRow &row : commandTable())
        if (row.viewMode != ViewMode::None)
            m_modeActions.emplace_back(action(QString::fromLatin1(row.id)), row.viewMode);

    // Escape stops a running deformation animation.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { stopDeformationAnimation(); });
}

QLayout *frmMain::buildLogRow(QWidget *central)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    m_log = new LogView(m_ws.log, central);
    m_log->setObjectName(QStringLiteral("logView"));
    m_log->setAccessibleName(QStringLiteral("Messages"));
    m_log->setFixedHeight(m_log->fontMetrics().lineSpacing() * kLogLines + 2 * m_log->frameWidth()
                          + 4);
    row->addWidget(m_log, 1);
    m_infoButton = new QToolButton(central);
    m_infoButton->setObjectName(QStringLiteral("infoButton"));
    m_infoButton->setToolTip(QStringLiteral("Hide or show the messages"));
    m_infoButton->setAutoRaise(true);
    // At the right edge, where it stays while the log is hidden.
    row->addWidget(m_infoButton, 0, Qt::AlignTop | Qt::AlignRight);
    setLogShown(true);
    connect(m_infoButton, &QToolButton::clicked, this, [this] { setLogShown(!isLogShown()); });
    return row;
}

void frmMain::setLogShown(bool shown)
{
    m_log->setVisible(shown);
    m_infoButton->setText(shown ? QStringLiteral("x") : QStringLiteral("<"));
    m_infoButton->setAccessibleName(shown ? QStringLiteral("Hide messages")
                                          : QStringLiteral("Show messages"));
}

bool frmMain::isLogShown() const { return !m_log->isHidden(); }

void frmMain::writeGreeting()
{
    MessageLog &log = m_ws.log;
    log.append(QStringLiteral("Corvane Kel.2D v") + versionString() + QStringLiteral(" - ")
                   + description(),
               LogDarkBlue, true, true);
    log.append(webAddress()
                   + QStringLiteral("  -  Copyright (C) Corvane. Provided as is, without warranty "
                                    "of any kind: check every result before you rely on it."),
               LogDarkBlue, true);
    log.append(QString(), LogBlack);
    const QDate today = QDate::currentDate();
    log.append(weekdayName(today) + QLatin1Char(' ')
                   + QLocale::system().toString(today, QLocale::ShortFormat),
               LogBlack);
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Narrower, the status bar would draw its switches over each other. Its
    // size is known once it is laid out with the style's fonts and grip.
    setMinimumWidth(statusBar()->minimumSizeHint().width());
    if (!m_commandLineModel.isEmpty()) {
        QTimer::singleShot(0, this, [this, name = std::exchange(m_commandLineModel, {})] {
            m_modelReadPending = false;
            QString file = QFileInfo(name).absoluteFilePath();
            // Nothing has analysed this model yet, so the result views must
            // offer an analysis, as after Open.
            m_undo->clear();
            if (Read_Model_File(m_ws, file) == ReadOutcome::Read) {
                m_ws.model.modelChanged = true;
                m_fileToRemember = file;
            }
            m_ws.view.resetHistory();
            Apply_View_Colours();
            m_status->syncSwitches();
            RedrawDrawingArea();
        });
    }
}

void frmMain::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    if (!m_fileToRemember.isEmpty())
        QTimer::singleShot(0, this, [this] { rememberFile(std::exchange(m_fileToRemember, {})); });
}

void frmMain::closeEvent(QCloseEvent *event)
{
    rememberFile(std::exchange(m_fileToRemember, {}));
    stopDeformationAnimation();
    // The program's other windows close first.
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->isWindow() && w->isVisible() && !qobject_cast<QMenu *>(w))
            w->close();
    }
    storePlacement(*this, *m_store);
    if (offerToSave(m_ws, PromptIcon::Exclamation) == SaveOffer::Stop) {
        event->ignore();
        return;
    }
    event->accept();
}

// ------------------------------------------------------------ window hooks

void frmMain::setCaption(const QString &caption) { setWindowTitle(caption); }

void frmMain::setAnalyseEnabled(bool enabled)
{
    if (QAction *a = toolAction(QStringLiteral("Epilisi")))
        a->setEnabled(enabled);
    // Show the change at once: the analysis does not return to the event
    // loop before it ends.
    m_toolBar->repaint();
}

void frmMain::setBusy(bool busy)
{
    if (busy) {
        ++m_busyDepth;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_busyDepth > 0) {
        --m_busyDepth;
        QApplication::restoreOverrideCursor();
    }
}

void frmMain::repaintLog() { m_log->viewport()->repaint(); }

// ------------------------------------------------ shared by the commands

void frmMain::runCommand(void (frmMain::*handler)())
{
    hideHoverMarkers();
    (this->*handler)();
}

void frmMain::hideHoverMarkers()
{
    if (m_mouseTool)
        m_mouseTool->hideHoverMarkers();
}

void frmMain::Ask_Reanalyse()
{
    ::Ask_Reanalyse(m_ws, [this] { Button_Epilisi(); });
}

void frmMain::Apply_View_Colours()
{
    m_area->setBackgroundColour(colourValue(m_ws.settings.xroma_background));
    applyResultViewColours();
}

void frmMain::syncAreaSize()
{
    m_ws.view.areaWidth = m_area->widthCm();
    m_ws.view.areaHeight = m_area->heightCm();
}

void frmMain::onAreaResized()
{
    // Laid out as the window first shows, with the model named on the
    // command line still to read: the read draws the picture with its model,
    // so the empty picture would be drawn for nothing. Whatever paints the
    // area before (a box about the file) has it drawn first.
    if (m_modelReadPending) {
        syncAreaSize();
        m_pictureOwed = true;
        m_area->update();
        return;
    }
    RedrawDrawingArea();
}

void frmMain::RedrawDrawingArea()
{
    m_pictureOwed = false;
    syncAreaSize();
    drawPicture();
}

void frmMain::QuickRedraw()
{
    // A quick redraw draws over the whole picture, which must be there.
    if (m_pictureOwed)
        RedrawDrawingArea();
    syncAreaSize();
    ::QuickRedraw(m_ws, m_area->canvas());
    m_area->update();
}

void frmMain::returnToModelMode()
{
    m_ws.drawingMode = ModeModel;
    setViewMode(ViewMode::None);
    m_status->setModeName(QStringLiteral("Model"));
    m_status->syncSwitches();
    // The pointer's last coordinates belonged to the model that went.
    m_status->clearPointer();
}
