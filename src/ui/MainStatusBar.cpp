#include "ui/MainStatusBar.h"

#include "common/LabelPresets.h"
#include "common/NumberForms.h"
#include "drawing/ViewOps.h"
#include "ui/StatusPanel.h"
#include "ui/StatusSwitch.h"
#include "workspace/Workspace.h"

#include <QMenu>
#include <QStatusBar>

MainStatusBar::MainStatusBar(QStatusBar *bar, Workspace &ws) : QObject(bar), m_ws(ws)
{
    bar->setSizeGripEnabled(true);
    // The read-outs give way on a narrow window (the coordinates down to an
    // ellipsis, the mode to the width of its shortest name), so that the
    // switches keep their room and nothing is drawn over anything.
    const QString ellipsis(QChar(0x2026));
    m_x = new StatusPanel(QStringLiteral("x"), QStringLiteral("Pointer x"),
                          QStringLiteral("x = -0000.00000"), ellipsis, bar);
    m_y = new StatusPanel(QStringLiteral("y"), QStringLiteral("Pointer y"),
                          QStringLiteral("y = -0000.00000"), ellipsis, bar);
    m_mode = new StatusPanel(QStringLiteral("mode"), QStringLiteral("Drawing mode"), QString(),
                             QStringLiteral(" Model"), bar);
    bar->addWidget(m_x);
    bar->addWidget(m_y);
    bar->addWidget(m_mode, 1);
    buildSwitches(bar);
    buildLabelsMenu();
    setModeName(QStringLiteral("Model"));
}

void MainStatusBar::buildSwitches(QStatusBar *bar)
{
    m_coords = new StatusSwitch(QStringLiteral("sint"), QStringLiteral("COORDS"),
                                QStringLiteral("Coordinates on/off"), true, bar);
    m_axes = new StatusSwitch(QStringLiteral("Aksones"), QStringLiteral("AXES"),
                              QStringLiteral("Axes on/off"), true, bar);
    m_grid = new StatusSwitch(QStringLiteral("Kannabos"), QStringLiteral("GRID"),
                              QStringLiteral("Grid on/off"), true, bar);
    m_labels = new StatusSwitch(QStringLiteral("Times"), QStringLiteral("LABELS"),
                                QStringLiteral("Labels on/off"), false, bar);
    for (StatusSwitch *s : {m_coords, m_axes, m_grid, m_labels})
        bar->addPermanentWidget(s);
    m_coords->setChecked(true);
    syncSwitches();

    connect(m_coords, &StatusSwitch::toggled, this, [this](bool on) {
        if (!on)
            clearPointer();
    });
    const auto follow = [this](StatusSwitch *s, bool Settings::*flag) {
        connect(s, &StatusSwitch::toggled, this, [this, flag](bool on) {
            if (m_ws.settings.*flag == on)
                return;
            m_ws.settings.*flag = on;
            emit redrawNeeded();
        });
    };
    follow(m_axes, &Settings::nai_aksones);
    follow(m_grid, &Settings::nai_grid);
    connect(m_labels, &StatusSwitch::clicked, this,
            [this] { m_labelsMenu->popup(m_labels->mapToGlobal(QPoint(0, 0))); });
}

void MainStatusBar::buildLabelsMenu()
{
    m_labelsMenu = new QMenu(m_labels);
    m_labelsMenu->setObjectName(QStringLiteral("labelsMenu"));
    for (const LabelFlag &f : kLabelFlags) {
        QAction *a = m_labelsMenu->addAction(QString::fromLatin1(f.caption));
        a->setCheckable(true);
        const auto flag = f.flag;
        connect(a, &QAction::triggered, this, [this, flag] {
            m_ws.settings.*flag = !(m_ws.settings.*flag);
            emit redrawNeeded();
        });
        // The check marks follow the settings, which a file or New may change.
        connect(m_labelsMenu, &QMenu::aboutToShow, a,
                [this, a, flag] { a->setChecked(m_ws.settings.*flag); });
    }
    m_labelsMenu->addSeparator();
    const std::pair<const char *, LabelPreset> presets[] = {{"All labels", LabelPreset::All},
                                                            {"Basic labels", LabelPreset::Basic},
                                                            {"No labels", LabelPreset::None}};
    for (const auto &[caption, preset] : presets) {
        connect(m_labelsMenu->addAction(QString::fromLatin1(caption)), &QAction::triggered, this,
                [this, preset] {
                    applyLabelPreset(m_ws.settings, preset);
                    emit redrawNeeded();
                });
    }
}

void MainStatusBar::showPointer(double xCm, double yCm)
{
    if (!m_coords->isChecked())
        return;
    double wx = m_ws.view.ToWorldX(xCm);
    double wy = m_ws.view.ToWorldY(yCm);
    if (m_ws.settings.nai_grid) {
        wx = SnapToGrid(wx, m_ws.settings.kannab);
        wy = SnapToGrid(wy, m_ws.settings.kannab);
    }
    m_x->setText(QStringLiteral("x = ") + nf::generalDouble(nf::RoundTo(wx, 5)));
    m_y->setText(QStringLiteral("y = ") + nf::generalDouble(nf::RoundTo(wy, 5)));
}

void MainStatusBar::clearPointer()
{
    m_x->clear();
    m_y->clear();
}

void MainStatusBar::setModeName(const QString &name) { m_mode->setText(QLatin1Char(' ') + name); }

void MainStatusBar::syncSwitches()
{
    m_axes->setChecked(m_ws.settings.nai_aksones);
    m_grid->setChecked(m_ws.settings.nai_grid);
}

StatusPanel *MainStatusBar::panel(const QString &key) const
{
    for (StatusPanel *p : {m_x, m_y, m_mode})
        if (p->key() == key)
            return p;
    return nullptr;
}

StatusSwitch *MainStatusBar::switchButton(const QString &key) const
{
    for (StatusSwitch *s : {m_coords, m_axes, m_grid, m_labels})
        if (s->key() == key)
            return s;
    return nullptr;
}
