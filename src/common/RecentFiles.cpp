#include "common/RecentFiles.h"

#include "common/Registry.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString keyOf(int i) { return QStringLiteral("File%1").arg(i); }

bool usable(const QString &path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    for (const QChar c : path)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}

} // namespace

QString recentFileKey(const QString &file)
{
    return QDir::cleanPath(QFileInfo(file).absoluteFilePath());
}

QStringList loadRecentFiles(const SettingsStore &store)
{
    QStringList files;
    for (int i = 1; i <= kMaxRecentFiles; ++i) {
        const std::optional<QString> value = store.value(kRecentFilesSection, keyOf(i));
        if (!value || !usable(*value))
            continue;
        const QString file = recentFileKey(*value);
        if (!files.contains(file))
            files << file;
    }
    return files;
}

bool saveRecentFiles(SettingsStore &store, const QStringList &files)
{
    for (int i = 1; i <= kMaxRecentFiles; ++i)
        store.setValue(kRecentFilesSection, keyOf(i), i <= files.size() ? files[i - 1] : QString());
    return store.sync();
}

QStringList withRecentFile(QStringList files, const QString &file)
{
    const QString key = recentFileKey(file);
    files.removeAll(key);
    files.prepend(key);
    while (files.size() > kMaxRecentFiles)
        files.removeLast();
    return files;
}

QStringList withoutRecentFile(QStringList files, const QString &file)
{
    files.removeAll(recentFileKey(file));
    return files;
}
