#pragma once
// The View options dialog: every display setting on three tabs, with
// "Apply", "OK", "Cancel", "Default" and "Restore". The controls are named
// after the settings they edit; the dialog gathers them into a
// ViewOptionsInput and leaves checking, applying and storing to the core
// (workspace/ViewOptions.h).
#include "common/ViewOptionsInput.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class frmSXEDIASI;
}
class QAbstractButton;
class QLineEdit;
class QToolButton;
class SettingsStore;
class Workspace;

class frmSXEDIASI : public QDialog {
    Q_OBJECT
public:
    // applied: called after "Apply" or "OK" has changed the settings, to
    // apply the view colours, set the status switches and redraw.
    frmSXEDIASI(Workspace &ws, SettingsStore &store, std::function<void()> applied,
                QWidget *parent = nullptr);
    ~frmSXEDIASI() override;

    // The controls as a record.
    ViewOptionsInput input() const;
    // Shows a record in the controls.
    void setInput(const ViewOptionsInput &input);

    // The buttons' work, for the buttons and for tests.
    bool apply();
    void ok();
    void writeDefaults();
    void restore();
    void pickColour(double Settings::*swatch);
    void toggleDirection();

    // The control that edits a setting (check box, option button, text
    // field or swatch), or null.
    QWidget *control(const SettingRow &row) const;

private:
    void nameFieldsByTheirLabels();
    void connectControls();
    void updateEnabling();
    void showSwatch(double Settings::*swatch);
    void showDirection();
    void showFailure(ViewOptionsCheck check);

    std::unique_ptr<Ui::frmSXEDIASI> m_ui;
    Workspace &m_ws;
    SettingsStore &m_store;
    std::function<void()> m_applied;
    // The colours of the swatches and the drawing direction, which no
    // control holds as a value.
    ViewOptionsInput m_input;
};
