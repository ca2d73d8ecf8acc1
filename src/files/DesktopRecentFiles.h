#pragma once
// The desktop's list of recently used documents (recently-used.xbel, the
// file desktop environments read for their "Recent" places), so that a model
// the program opened or saved shows there like any other document.
#include <QDateTime>
#include <QString>

// $XDG_DATA_HOME/recently-used.xbel, ~/.local/share by default.
QString desktopRecentFilesPath();

// Adds `file` to the list at `listPath`, or renews its entry (moved to the
// end, times of use renewed, first use kept), keeping every other entry as
// it is. A list that does not exist is made. The list is replaced
// atomically; one that cannot be read or parsed is left untouched. Returns
// whether the list now holds the entry.
bool addDesktopRecentFile(const QString &listPath, const QString &file,
                          const QDateTime &when = QDateTime::currentDateTimeUtc());
