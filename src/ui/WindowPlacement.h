#pragma once
// The main window's placement, restored from and stored in the settings
// store's "Startup" section.
class QWidget;
class SettingsStore;

// Size, position and maximised state as stored; a damaged size is kept within
// what the desktop can show, and a window stored off every screen comes back
// centred.
void restorePlacement(QWidget &window, const SettingsStore &store);
// A maximised or minimised window stores its normal size and position.
void storePlacement(const QWidget &window, SettingsStore &store);
