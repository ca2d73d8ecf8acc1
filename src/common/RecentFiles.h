#pragma once
// The models last opened or saved, most recent first, for the "Recent
// files" menu. Kept in the settings store in a section of their own,
// "RecentFiles", keys "File1" to "File8"; the display settings' section is
// not touched.
#include <QString>
#include <QStringList>

class SettingsStore;

inline constexpr int kMaxRecentFiles = 8;
inline const QString kRecentFilesSection = QStringLiteral("RecentFiles");

// The stored list. A value that cannot be a model file's path (empty, not
// absolute, with a line break or other control character) or repeats an
// earlier one is skipped; at most eight are read.
QStringList loadRecentFiles(const SettingsStore &store);

// Writes the list (keys beyond its length emptied) and syncs the store;
// false when the store could not be written.
bool saveRecentFiles(SettingsStore &store, const QStringList &files);

// `file` as the list keeps it: absolute and clean.
QString recentFileKey(const QString &file);

// The list with `file` first, its earlier place dropped, cut to eight.
QStringList withRecentFile(QStringList files, const QString &file);
// The list without `file`.
QStringList withoutRecentFile(QStringList files, const QString &file);
