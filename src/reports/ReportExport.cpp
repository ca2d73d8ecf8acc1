#include "reports/ReportExport.h"

#include "common/Interaction.h"
#include "common/PlatformServices.h"
#include "common/SaveFileWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <optional>

namespace {

const QString kTextExtension = QStringLiteral(".txt");

// The name to write to, or nothing when the user cancelled. The dialog asked
// about overwriting the name as typed; when ".txt" has to be added the file
// written is another one, so ask again if that one exists.
std::optional<QString> askReportName(Interaction &user, const QString &modelFileName)
{
    const auto chosen = user.prompts().saveFile(QStringLiteral("Save to file"),
                                                QStringLiteral("Text files (*.txt);;All files (*)"),
                                                defaultReportFileName(modelFileName));
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    QString name = *chosen;
    if (name.endsWith(kTextExtension))
        return name;
    name += kTextExtension;
    if (QFileInfo::exists(name)
        && user.prompts().message(QStringLiteral("%1 already exists.\r\nDo you want to replace it?")
                                      .arg(QDir::toNativeSeparators(name)),
                                  kProgramTitle, PromptIcon::Exclamation, PromptButtons::YesNo)
            != PromptAnswer::Yes)
        return std::nullopt;
    return name;
}

} // namespace

QString defaultReportFileName(const QString &modelFileName)
{
    if (modelFileName.isEmpty())
        return QDir::current().filePath(QStringLiteral("Untitled") + kTextExtension);
    // The last four characters of the name, never of its folder.
    const qsizetype nameLength =
        modelFileName.size() - (modelFileName.lastIndexOf(QLatin1Char('/')) + 1);
    QString base = modelFileName;
    base.chop(std::min<qsizetype>(4, nameLength));
    return QDir::current().filePath(base + kTextExtension);
}

bool saveReportToFile(Interaction &user, const QString &modelFileName, const QString &report)
{
    const auto name = askReportName(user, modelFileName);
    if (!name)
        return false;
    // Written beside the target and renamed over it when complete, so a
    // failed save never leaves half a report where an old one was.
    QSaveFile file(*name);
    file.setDirectWriteFallback(true);
    const QByteArray bytes = (report + QStringLiteral("\r\n")).toUtf8();
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, bytes)
        && file.commit())
        return true;
    const QString reason = file.errorString();
    file.cancelWriting();
    user.reportError(QStringLiteral("There was an error saving the file: ") + reason, true);
    return false;
}

QStringList reportLines(const QString &report)
{
    QStringList lines = report.split(QStringLiteral("\r\n"));
    // The last line's CR LF ends it; it does not start another.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool printReport(Interaction &user, PlatformServices &services, const QString &report)
{
    if (services.printLines(reportLines(report)))
        return true;
    // The print failure is told, not logged.
    user.prompts().error(
        QStringLiteral("An error occured while trying to print. The printing cannot be completed"));
    return false;
}
