#include "ui/frmMain.h"

#include "analysis/epilisi.h"
#include "common/NumberForms.h"
#include "common/Registry.h"
#include "drawing/Sxediastika.h"
#include "drawing/gui/DrawingArea.h"
#include "files/FileCommands.h"
#include "files/Files.h"
#include "model/ModelChecks.h"
#include "ui/DesktopServices.h"
#include "ui/LogView.h"
#include "ui/ModelMouseTool.h"
#include "ui/ModeCursors.h"
#include "ui/QtPrompts.h"
#include "ui/StatusPanel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

// The pictures live in the GUI library, which is linked statically.
static void initResources() { Q_INIT_RESOURCE(kel2d); }

namespace {

const QString kProgramDescription = QStringLiteral("Linear static analysis of plane trusses program");

// The log's heights: the box shows about seven lines.
constexpr int kLogLines = 7;

QString weekdayName(const QDate &date)
{
    // QDate counts Monday as 1 and Sunday as 7.
    static const char *const names[] = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                        "Friday", "Saturday", "Sunday"};
    return QString::fromLatin1(names[(date.dayOfWeek() - 1 + 7) % 7]);
}

} // namespace

frmMain::frmMain(const frmMainOptions &options, QWidget *parent)
    : QMainWindow(parent), m_helpFallbackDir(options.helpFallbackDir)
{
    initResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kel2d.svg")));

    m_store = std::make_unique<SettingsStore>(options.settingsPath.isEmpty()
                                                  ? SettingsStore::defaultPath()
                                                  : options.settingsPath);
    if (options.prompts) {
        m_ws.setPrompts(options.prompts);
    } else {
        m_ownPrompts = std::make_unique<QtPrompts>(this);
        m_ws.setPrompts(m_ownPrompts.get());
    }
    if (options.services) {
        m_services = options.services;
    } else {
        m_ownServices = std::make_unique<DesktopServices>();
        m_services = m_ownServices.get();
    }
    m_ws.setHooks(this);

    // Start-up, in the program's order: the window with its captions, the
    // greeting, the initial view and the stored settings, the model named on
    // the command line, the zoom history, the placement. Nothing is written
    // to the settings store or elsewhere.
    buildWindow();
    writeGreeting();

    m_ws.view.resetView();
    Load_Settings(m_ws.settings, *m_store);
    Apply_View_Colours();
    updateOptionPanels();

    const QString modelName = options.commandLine.trimmed();
    if (modelName.isEmpty()) {
        setCaption(captionFor(QString()));
    } else {
        QString name = QFileInfo(modelName).absoluteFilePath();
        if (Read_Model_File(m_ws, name) == ReadOutcome::Read) {
            // Nothing has analysed this model yet, so the result views must
            // offer an analysis, as after Open.
            m_ws.model.modelChanged = true;
        }
        Apply_View_Colours();
        updateOptionPanels();
    }

    m_ws.view.resetHistory();
    applyPlacement();
}

frmMain::~frmMain()
{
    // The log outlives the view only inside the workspace; stop the view
    // from being told about entries while the window is torn down.
    m_ws.log.setListener({});
    m_ws.setHooks(nullptr);
    while (m_busyDepth > 0)
        setBusy(false);
}

QString frmMain::versionString()
{
    return QStringLiteral("%1.%2").arg(KEL2D_VERSION_MAJOR).arg(KEL2D_VERSION_MINOR);
}

QString frmMain::webAddress()
{
    return QStringLiteral("https://www.corvane.example/kel2d");
}

// ---------------------------------------------------------------- the window

void frmMain::buildWindow()
{
    m_toolBar = new QToolBar(QStringLiteral("Tool bar"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_commands = buildCommands(*this, menuBar(), m_toolBar);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    m_area = new DrawingArea(central);
    m_area->setObjectName(QStringLiteral("drawingArea"));
    m_area->setCursor(Qt::CrossCursor);
    column->addWidget(m_area, 1);

    auto *logRow = new QHBoxLayout;
    logRow->setContentsMargins(0, 0, 0, 0);
    logRow->setSpacing(2);
    m_log = new LogView(m_ws.log, central);
    m_log->setObjectName(QStringLiteral("logView"));
    m_log->setFixedHeight(m_log->fontMetrics().lineSpacing() * kLogLines
                          + 2 * m_log->frameWidth() + 4);
    logRow->addWidget(m_log, 1);
    m_infoButton = new QToolButton(central);
    m_infoButton->setObjectName(QStringLiteral("infoButton"));
    m_infoButton->setText(QStringLiteral("x"));
    m_infoButton->setToolTip(QStringLiteral("Hide or show the messages"));
    m_infoButton->setAutoRaise(true);
    logRow->addWidget(m_infoButton, 0, Qt::AlignTop);
    column->addLayout(logRow);
    setCentralWidget(central);

    connect(m_infoButton, &QToolButton::clicked, this, [this] { setLogShown(!isLogShown()); });

    connect(m_area, &DrawingArea::mousePressed, this, &frmMain::onMousePressed);
    connect(m_area, &DrawingArea::mouseMoved, this, &frmMain::onMouseMoved);
    connect(m_area, &DrawingArea::mouseReleased, this, &frmMain::onMouseReleased);
    connect(m_area, &DrawingArea::doubleClicked, this, &frmMain::onDoubleClicked);
    connect(m_area, &DrawingArea::resized, this, [this] { RedrawDrawingArea(); });

    buildStatusBar();
    buildPopupMenus();

    // Escape stops a running deformation animation.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { m_animationRunning = false; });
}

void frmMain::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setSizeGripEnabled(true);

    m_panelX = new StatusPanel(QStringLiteral("x"), QString(), QString(), bar);
    m_panelY = new StatusPanel(QStringLiteral("y"), QString(), QString(), bar);
    const int coordinateWidth = m_panelX->fontMetrics().horizontalAdvance(QStringLiteral("x = -0000.00000")) + 12;
    m_panelX->setMinimumWidth(coordinateWidth);
    m_panelY->setMinimumWidth(coordinateWidth);
    m_panelMode = new StatusPanel(QStringLiteral("mode"), QString(), QString(), bar);
    m_panelCoords = new StatusPanel(QStringLiteral("sint"), QStringLiteral("COORDS"),
                                    QStringLiteral("Coordinates on/off"), bar);
    m_panelAxes = new StatusPanel(QStringLiteral("Aksones"), QStringLiteral("AXES"),
                                  QStringLiteral("Axes on/off"), bar);
    m_panelGrid = new StatusPanel(QStringLiteral("Kannabos"), QStringLiteral("GRID"),
                                  QStringLiteral("Grid on/off"), bar);
    m_panelLabels = new StatusPanel(QStringLiteral("Times"), QStringLiteral("LABELS"),
                                    QStringLiteral("Labels on/off"), bar);

    bar->addWidget(m_panelX);
    bar->addWidget(m_panelY);
    bar->addWidget(m_panelMode, 1);
    for (StatusPanel *p : {m_panelCoords, m_panelAxes, m_panelGrid, m_panelLabels}) {
        p->setAlignment(Qt::AlignCenter);
        p->setCursor(Qt::PointingHandCursor);
        bar->addPermanentWidget(p);
    }
    setModePanel(QStringLiteral("Model"));

    connect(m_panelCoords, &StatusPanel::clicked, this, [this] {
        m_showCoordinates = !m_showCoordinates;
        m_panelCoords->setLit(m_showCoordinates);
        if (!m_showCoordinates) {
            m_panelX->clear();
            m_panelY->clear();
        }
    });
    connect(m_panelAxes, &StatusPanel::clicked, this, [this] {
        m_ws.settings.nai_aksones = !m_ws.settings.nai_aksones;
        updateOptionPanels();
        RedrawDrawingArea();
    });
    connect(m_panelGrid, &StatusPanel::clicked, this, [this] {
        m_ws.settings.nai_grid = !m_ws.settings.nai_grid;
        updateOptionPanels();
        RedrawDrawingArea();
    });
    connect(m_panelLabels, &StatusPanel::clicked, this, [this] {
        m_labelsMenu->popup(m_panelLabels->mapToGlobal(QPoint(0, 0)));
    });
}

void frmMain::buildPopupMenus()
{
    m_labelsMenu = new QMenu(this);
    m_labelsMenu->setObjectName(QStringLiteral("labelsMenu"));
    struct LabelFlag {
        const char *caption;
        bool Settings::*flag;
    };
    static const LabelFlag flags[] = {
        {"Nodes numbering", &Settings::nai_arithmisi_kombon},
        {"Node coordinates", &Settings::nai_sint_kombon},
        {"Elements numbering", &Settings::nai_arithmisi_stoixeion},
        {"Element groups", &Settings::nai_omades},
        {"Element lengths", &Settings::nai_miki},
        {"Nodal load values", &Settings::nai_times_fortiseon_si},
        {"[N] values", &Settings::nai_times_N},
    };
    for (const LabelFlag &f : flags) {
        QAction *a = m_labelsMenu->addAction(QString::fromLatin1(f.caption));
        a->setCheckable(true);
        const auto flag = f.flag;
        connect(a, &QAction::triggered, this, [this, flag] {
            m_ws.settings.*flag = !(m_ws.settings.*flag);
            RedrawDrawingArea();
        });
        // The check marks follow the settings, which a file or New may change.
        connect(m_labelsMenu, &QMenu::aboutToShow, a, [this, a, flag] {
            a->setChecked(m_ws.settings.*flag);
        });
    }
    m_labelsMenu->addSeparator();
    connect(m_labelsMenu->addAction(QStringLiteral("All labels")), &QAction::triggered, this,
            [this] { applyLabelPreset(LabelPreset::All); });
    connect(m_labelsMenu->addAction(QStringLiteral("Basic labels")), &QAction::triggered, this,
            [this] { applyLabelPreset(LabelPreset::Basic); });
    connect(m_labelsMenu->addAction(QStringLiteral("No labels")), &QAction::triggered, this,
            [this] { applyLabelPreset(LabelPreset::None); });

    m_zoomMenu = new QMenu(this);
    m_zoomMenu->setObjectName(QStringLiteral("zoomMenu"));
    connect(m_zoomMenu->addAction(QStringLiteral("Exit")), &QAction::triggered, this, [this] {
        if (m_zoomWindowMode)
            Button_Zoom_Window();
        else if (m_zoomMode)
            Button_Zoom();
        else if (m_panMode)
            Button_Xeraki();
    });
    m_zoomMenu->addSeparator();
    connect(m_zoomMenu->addAction(QIcon(QStringLiteral(":/icons/pan.svg")), QStringLiteral("Move")),
            &QAction::triggered, this, &frmMain::Button_Xeraki);
    connect(m_zoomMenu->addAction(QIcon(QStringLiteral(":/icons/zoom.svg")), QStringLiteral("Zoom")),
            &QAction::triggered, this, &frmMain::Button_Zoom);
    connect(m_zoomMenu->addAction(QIcon(QStringLiteral(":/icons/zoom_window.svg")),
                                  QStringLiteral("Zoom Window")),
            &QAction::triggered, this, &frmMain::Button_Zoom_Window);
    connect(m_zoomMenu->addAction(QIcon(QStringLiteral(":/icons/zoom_previous.svg")),
                                  QStringLiteral("Zoom Previous")),
            &QAction::triggered, this, &frmMain::Button_Zoom_Previous);
    connect(m_zoomMenu->addAction(QIcon(QStringLiteral(":/icons/zoom_extents.svg")),
                                  QStringLiteral("Zoom Extends")),
            &QAction::triggered, this, &frmMain::Button_Zoom_Best_Fit);
}

void frmMain::writeGreeting()
{
    MessageLog &log = m_ws.log;
    log.append(QStringLiteral("Corvane Kel.2D v") + versionString() + QStringLiteral(" - ")
                   + kProgramDescription,
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

StatusPanel *frmMain::statusPanel(const QString &key) const
{
    for (StatusPanel *p : {m_panelX, m_panelY, m_panelMode, m_panelCoords, m_panelAxes,
                           m_panelGrid, m_panelLabels})
        if (p->key() == key)
            return p;
    return nullptr;
}

// ------------------------------------------------------- placement, closing

void frmMain::applyPlacement()
{
    const WindowPlacement placement = Load_Window_Placement(*m_store);
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect desktop = screen ? screen->availableVirtualGeometry() : available;

    // A damaged store must not give a window of no size or one larger than
    // anything the desktop can show.
    const int width = std::clamp(nf::toInt32Clamped(placement.width), 320, std::max(320, desktop.width()));
    const int height = std::clamp(nf::toInt32Clamped(placement.height), 240, std::max(240, desktop.height()));
    QRect frame(0, 0, width, height);
    if (placement.left && placement.top) {
        frame.moveTopLeft(QPoint(nf::toInt32Clamped(*placement.left), nf::toInt32Clamped(*placement.top)));
        // A window stored on a screen that is no longer there comes back
        // centred instead of out of reach.
        if (!desktop.intersects(frame))
            frame.moveCenter(available.center());
    } else {
        frame.moveCenter(available.center());
    }
    setGeometry(frame);
    if (placement.state == 2)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void frmMain::saveWindowState()
{
    WindowPlacement placement;
    // A minimised window is stored as a normal one.
    placement.state = isMaximized() ? 2 : 0;
    QRect frame = geometry();
    if ((isMaximized() || isMinimized()) && normalGeometry().isValid())
        frame = normalGeometry();
    placement.width = frame.width();
    placement.height = frame.height();
    placement.left = frame.x();
    placement.top = frame.y();
    Save_Window_State(*m_store, placement);
    m_store->sync();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    m_animationRunning = false;
    // The program's other windows close first.
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->isWindow() && w->isVisible() && !qobject_cast<QMenu *>(w))
            w->close();
    }
    saveWindowState();
    if (Offer_To_Save(m_ws, PromptIcon::Exclamation) == SaveOffer::Stop) {
        event->ignore();
        return;
    }
    event->accept();
}

// ------------------------------------------------------------ window hooks

void frmMain::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

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

void frmMain::repaintLog()
{
    m_log->viewport()->repaint();
}

// ----------------------------------------------------------- file commands

void frmMain::runCommand(void (frmMain::*handler)())
{
    hideHoverMarkers();
    (this->*handler)();
}

void frmMain::Button_Neo_arxeio()
{
    if (Offer_To_Save(m_ws, PromptIcon::None) == SaveOffer::Stop)
        return;
    New_Model(m_ws, *m_store);
    Apply_View_Colours();
    returnToModelMode();
    RedrawDrawingArea();
    m_ws.log.append(QStringLiteral("New file"), LogBlack, true);
    m_ws.view.resetHistory();
}

void frmMain::Button_Anagnosi_Arxeiou()
{
    if (Offer_To_Save(m_ws, PromptIcon::None) == SaveOffer::Stop)
        return;
    if (Open_Model(m_ws) == ReadOutcome::Cancelled)
        return;
    Apply_View_Colours();
    returnToModelMode();
    RedrawDrawingArea();
}

void frmMain::Button_Apothikefsi_Arxeiou()
{
    Save_Model(m_ws);
}

void frmMain::Save_As()
{
    Save_Model_As(m_ws);
}

void frmMain::Exit()
{
    close();
}

void frmMain::Ask_Reanalyse()
{
    ::Ask_Reanalyse(m_ws, [this] { Button_Epilisi(); });
}

void frmMain::Apply_View_Colours()
{
    // The controls that lie over the drawing area (diagram legend and
    // quantity buttons) take the same colours when they come.
    m_area->setBackgroundColour(colourValue(m_ws.settings.xroma_background));
}

// ---------------------------------------------------------------- analysis

void frmMain::Button_Epilisi()
{
    m_animationRunning = false;
    if (m_ws.model.nodeCount == 0)
        return;
    if (!Check_Unconnected_Nodes(m_ws, [this] { RedrawDrawingArea(); }))
        return;
    Run_Analysis(m_ws);
}

// ------------------------------------------------------------------ drawing

void frmMain::syncAreaSize()
{
    m_ws.view.areaWidth = m_area->widthCm();
    m_ws.view.areaHeight = m_area->heightCm();
}

void frmMain::RedrawDrawingArea()
{
    syncAreaSize();
    ::RedrawDrawingArea(m_ws, m_area->canvas());
    m_area->update();
}

void frmMain::QuickRedraw()
{
    syncAreaSize();
    ::QuickRedraw(m_ws, m_area->canvas());
    m_area->update();
}

void frmMain::Button_Foreas()
{
    m_animationRunning = false;
    m_ws.drawingMode = ModeModel;
    setModePanel(QStringLiteral("Model"));
    RedrawDrawingArea();
}

void frmMain::returnToModelMode()
{
    m_ws.drawingMode = ModeModel;
    m_panMode = m_zoomMode = m_zoomWindowMode = false;
    updateModeLook();
    setModePanel(QStringLiteral("Model"));
    updateOptionPanels();
}

void frmMain::setModePanel(const QString &name)
{
    m_panelMode->setText(QLatin1Char(' ') + name);
}

void frmMain::updateOptionPanels()
{
    m_panelAxes->setLit(m_ws.settings.nai_aksones);
    m_panelGrid->setLit(m_ws.settings.nai_grid);
    m_panelCoords->setLit(m_showCoordinates);
}

void frmMain::applyLabelPreset(LabelPreset preset)
{
    Settings &s = m_ws.settings;
    const bool all = preset == LabelPreset::All;
    const bool basic = preset == LabelPreset::Basic;
    s.nai_arithmisi_kombon = all || basic;
    s.nai_sint_kombon = all;
    s.nai_arithmisi_stoixeion = all || basic;
    s.nai_omades = all;
    s.nai_miki = all;
    s.nai_times_fortiseon_si = all || basic;
    s.nai_times_N = all || basic;
    RedrawDrawingArea();
}

void frmMain::setLogShown(bool shown)
{
    m_log->setVisible(shown);
    m_infoButton->setText(shown ? QStringLiteral("x") : QStringLiteral("<"));
}

bool frmMain::isLogShown() const
{
    return !m_log->isHidden();
}

// ------------------------------------------------------------- view modes

void frmMain::toggleViewMode(bool &flag)
{
    if (flag) {
        flag = false;
    } else {
        m_panMode = m_zoomMode = m_zoomWindowMode = false;
        flag = true;
        hideHoverMarkers();
    }
    updateModeLook();
}

void frmMain::updateModeLook()
{
    if (m_panMode)
        m_area->setCursor(ModeCursors::pan());
    else if (m_zoomMode)
        m_area->setCursor(ModeCursors::zoom());
    else if (m_zoomWindowMode)
        m_area->setCursor(ModeCursors::zoomWindow());
    else
        m_area->setCursor(Qt::CrossCursor);
    const std::pair<const char *, bool> modes[] = {
        {"Xeraki", m_panMode}, {"Zoom", m_zoomMode}, {"Zoom_Window", m_zoomWindowMode}};
    for (const auto &[key, on] : modes)
        if (QAction *a = toolAction(QString::fromLatin1(key)))
            a->setChecked(on);
}

void frmMain::Button_Xeraki() { toggleViewMode(m_panMode); }
void frmMain::Button_Zoom() { toggleViewMode(m_zoomMode); }
void frmMain::Button_Zoom_Window() { toggleViewMode(m_zoomWindowMode); }

void frmMain::Button_Zoom_Previous()
{
    syncAreaSize();
    if (ZoomPrevious(m_ws.view))
        RedrawDrawingArea();
}

void frmMain::Button_Zoom_Best_Fit()
{
    syncAreaSize();
    FitViewToModel(m_ws.view, m_ws.model);
    PushView(m_ws.view);
    RedrawDrawingArea();
}

void frmMain::Reset_Pointer()
{
    m_panMode = m_zoomMode = m_zoomWindowMode = false;
    updateModeLook();
}

void frmMain::hideHoverMarkers()
{
    if (m_mouseTool)
        m_mouseTool->hideHoverMarkers();
}

// -------------------------------------------------------------- the mouse

void frmMain::showPointerCoordinates(double x, double y)
{
    if (!m_showCoordinates)
        return;
    double wx = m_ws.view.ToWorldX(x);
    double wy = m_ws.view.ToWorldY(y);
    if (m_ws.settings.nai_grid) {
        wx = SnapToGrid(wx, m_ws.settings.kannab);
        wy = SnapToGrid(wy, m_ws.settings.kannab);
    }
    m_panelX->setText(QStringLiteral("x = ") + nf::generalDouble(nf::RoundTo(wx, 5)));
    m_panelY->setText(QStringLiteral("y = ") + nf::generalDouble(nf::RoundTo(wy, 5)));
}

void frmMain::onMousePressed(Qt::MouseButton button, double x, double y)
{
    syncAreaSize();
    if (button == Qt::LeftButton) {
        m_buttonHeld = true;
        m_drag = BeginDrag(m_ws.view, x, y);
        if (m_panMode)
            m_area->setCursor(Qt::ClosedHandCursor);   // the hand grips the drawing
    }
    if (!anyViewMode() && m_ws.drawingMode == ModeModel && m_mouseTool)
        m_mouseTool->pressed(button, x, y);
}

void frmMain::onMouseMoved(Qt::MouseButtons buttons, double x, double y)
{
    syncAreaSize();
    showPointerCoordinates(x, y);
    if (m_buttonHeld && anyViewMode()) {
        if (m_panMode) {
            PanDrag(m_ws.view, m_drag, x, y);
            QuickRedraw();
        } else if (m_zoomMode) {
            ZoomDrag(m_ws.view, m_drag, x, y);
            QuickRedraw();
        } else {
            m_area->setRubberRectangle(QRectF(QPointF(m_drag.downX, m_drag.downY), QPointF(x, y)).normalized());
        }
        return;
    }
    if (m_ws.drawingMode == ModeModel && m_mouseTool)
        m_mouseTool->moved(buttons, x, y);
}

void frmMain::onMouseReleased(Qt::MouseButton button, double x, double y)
{
    syncAreaSize();
    if (anyViewMode()) {
        if (button == Qt::LeftButton && m_buttonHeld) {
            if (m_zoomWindowMode) {
                m_area->setRubberRectangle(QRectF());
                FitViewToRectangle(m_ws.view, x, y, m_drag.downX, m_drag.downY);
            }
            PushView(m_ws.view);
            RedrawDrawingArea();
            updateModeLook();
        } else if (button == Qt::RightButton) {
            m_zoomMenu->popup(QCursor::pos());
        }
    } else if (m_ws.drawingMode == ModeModel && m_mouseTool) {
        m_mouseTool->released(button, x, y);
    }
    m_buttonHeld = false;
}

void frmMain::onDoubleClicked()
{
    if (!anyViewMode() && m_ws.drawingMode == ModeModel && m_mouseTool)
        m_mouseTool->doubleClicked();
}

// ------------------------------------------------------------- help, tools

QString frmMain::helpBookPath() const
{
    QStringList candidates{QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../share/kel2d/help/index.html")};
    if (!m_helpFallbackDir.isEmpty())
        candidates << m_helpFallbackDir + QStringLiteral("/index.html");
    for (const QString &c : candidates)
        if (QFileInfo::exists(c))
            return QFileInfo(c).canonicalFilePath();
    return {};
}

void frmMain::Help_Contents()
{
    const QString book = helpBookPath();
    if (book.isEmpty()) {
        m_ws.reportError(QStringLiteral("The help book could not be found. It is installed with "
                                        "the program in share/kel2d/help."));
        return;
    }
    if (!m_services->openLocalFile(book))
        m_ws.reportError(QStringLiteral("The help book could not be opened: ") + book);
}

void frmMain::Help_Web()
{
    if (!m_services->openUrl(webAddress()))
        m_ws.reportError(QStringLiteral("The web page could not be opened: ") + webAddress());
}

void frmMain::Help_About()
{
    const QString text = QStringLiteral("Corvane Kel.2D v") + versionString() + QStringLiteral("\n")
        + kProgramDescription + QStringLiteral(".\n\n") + webAddress()
        + QStringLiteral("\nCopyright (C) Corvane.\n\n"
                         "This program is provided as is, without warranty of any kind. "
                         "Check every result before you rely on it.");
    m_ws.prompts().message(text, kProgramTitle, PromptIcon::Information, PromptButtons::Ok);
}

void frmMain::Start_Calculator()
{
    if (!m_services->startCalculator())
        m_ws.reportWarning(QStringLiteral("No calculator program was found. Install one of "
                                          "gnome-calculator, kcalc, galculator, mate-calc or xcalc."));
}
