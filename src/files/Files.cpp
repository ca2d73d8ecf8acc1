#include "files/Files.h"

#include "common/Interaction.h"
#include "common/SaveFileWrite.h"
#include "common/Settings.h"
#include "drawing/ViewTransform.h"
#include "files/ModelFileFormat.h"
#include "model/AnalysisResults.h"
#include "model/Model.h"
#include "model/Subs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

const QString kSaveFilter = QStringLiteral("Corvane Kel.2D files (*.kel)");
const QString kOpenFilter = QStringLiteral("Corvane Kel.2D Input files (*.kel)");
const QString kExtension = QStringLiteral(".kel");

// The name the save dialog proposes: the current file name without its last
// four characters (".kel", or whatever else ends it), or "Untitled", in the
// current working directory (an absolute current name keeps its own folder).
// A name shorter than four characters loses only itself, never its folder.
QString proposedSavePath(const QString &current)
{
    if (current.isEmpty())
        return QDir::current().filePath(QStringLiteral("Untitled"));
    const qsizetype nameLength = current.size() - (current.lastIndexOf(QLatin1Char('/')) + 1);
    QString base = current;
    base.chop(std::min<qsizetype>(4, nameLength));
    return QDir::current().filePath(base);
}

// Asks for the name to save under. The dialog asked about overwriting the
// name the user typed; when ".kel" has to be added the file actually written
// is another one, so ask again if that one exists. Nothing when cancelled.
std::optional<QString> askSaveName(const FileContext &fc)
{
    const auto chosen = fc.user.prompts().saveFile(QStringLiteral("Save As"), kSaveFilter,
                                                   proposedSavePath(fc.model.fileName));
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    QString name = *chosen;
    if (!name.endsWith(kExtension, Qt::CaseSensitive)) {
        name += kExtension;
        if (QFileInfo::exists(name)) {
            const PromptAnswer a = fc.user.prompts().message(
                QStringLiteral("%1 already exists.\r\nDo you want to replace it?")
                    .arg(QDir::toNativeSeparators(name)),
                kProgramTitle, PromptIcon::Exclamation, PromptButtons::YesNo);
            if (a != PromptAnswer::Yes)
                return std::nullopt;
        }
    }
    return name;
}

// Leaves the model empty and untitled after a failed read, with the
// message in a box and in the log.
void readFailed(const FileContext &fc, const QString &message)
{
    fc.user.reportError(message, true);
    Clear_Model(fc.model, fc.results);
    fc.model.modelChanged = true;
    fc.model.fileName.clear();
    fc.user.hooks().setCaption(captionFor(QString()));
}

} // namespace

QString captionFor(const QString &fileName)
{
    return kProgramTitle + QStringLiteral(" - ")
        + (fileName.isEmpty() ? QStringLiteral("Untitled.kel") : fileName);
}

bool Write_Model_File(const FileContext &fc, QString &fileName, bool quiet)
{
    if (fileName.isEmpty()) {
        const auto name = askSaveName(fc);
        if (!name)
            return false;
        fileName = *name;
    }

    // Written beside the target and renamed over it only when complete, so a
    // failed save never leaves a damaged file where the old one was. Where
    // the folder lets no new file be made but the file itself may be written
    // (a shared folder, the user's file in someone else's folder), it is
    // written in place instead: the save works, without that guarantee.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    const QByteArray bytes = kelfile::modelFileBytes(fc.model, fc.settings, fc.view);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && writeAll(file, bytes) && file.commit();
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fc.user.reportError(QStringLiteral("There was an error saving the file: ") + reason, true);
        return false;
    }

    if (!quiet) {
        fc.user.hooks().setCaption(captionFor(fileName));
        fc.user.log.append(QStringLiteral("Save file: ") + fileName, LogBlack, true);
        fc.model.fileName = fileName;
    }
    return true;
}

ReadOutcome Read_Model_File(const FileContext &fc, QString &fileName)
{
    // Ask first: a cancelled dialog must leave the model, its file name and
    // the caption as they were, or a later save would write an empty model
    // over the file still named in the caption.
    if (fileName.isEmpty()) {
        const auto chosen =
            fc.user.prompts().openFile(QStringLiteral("Open"), kOpenFilter, QDir::currentPath());
        if (!chosen || chosen->isEmpty())
            return ReadOutcome::Cancelled;
        fileName = *chosen;
    }

    Clear_Model(fc.model, fc.results);

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        readFailed(fc,
                   QStringLiteral("There was an error opening the file: ") + file.errorString());
        return ReadOutcome::Failed;
    }
    const auto failure = kelfile::parseModelFile(file, fc.model, fc.settings, fc.view);
    file.close();
    if (failure) {
        readFailed(fc,
                   failure->headerMismatch ? QStringLiteral("There was an error opening the file. "
                                                            "The file could not be read.")
                                           : QStringLiteral("There was an error opening the file: ")
                           + failure->description);
        return ReadOutcome::Failed;
    }

    fc.user.hooks().setCaption(captionFor(fileName));
    fc.model.fileName = fileName;
    fc.user.log.append(QStringLiteral("Open file: ") + fileName, LogBlack, true);
    fc.view.resetHistory();
    return ReadOutcome::Read;
}
