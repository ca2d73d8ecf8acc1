#include "files/Files.h"

#include "workspace/Workspace.h"
#include "files/ModelFileFormat.h"
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
std::optional<QString> askSaveName(Workspace &ws)
{
    const auto chosen = ws.prompts().saveFile(QStringLiteral("Save As"), kSaveFilter,
                                               proposedSavePath(ws.model.fileName));
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    QString name = *chosen;
    if (!name.endsWith(kExtension, Qt::CaseSensitive)) {
        name += kExtension;
        if (QFileInfo::exists(name)) {
            const PromptAnswer a = ws.prompts().message(
                QStringLiteral("%1 already exists.\r\nDo you want to replace it?")
                    .arg(QDir::toNativeSeparators(name)),
                kProgramTitle, PromptIcon::Exclamation, PromptButtons::YesNo);
            if (a != PromptAnswer::Yes)
                return std::nullopt;
        }
    }
    return name;
}

// A buffered QSaveFile can lose a short write (a full disk, a size limit)
// and still commit a truncated file, and a file written in place commits
// whatever happened, so write unbuffered and go on until every byte is taken
// or the device reports why it is not.
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 n = file.write(data, left);
        if (n <= 0)
            return false;
        data += n;
        left -= n;
    }
    return true;
}

// Leaves the model empty and untitled after a failed read, with the
// message in a box and in the log.
void readFailed(Workspace &ws, const QString &message)
{
    ws.reportError(message, true);
    Clear_Model(ws.model, ws.results);
    ws.model.modelChanged = true;
    ws.model.fileName.clear();
    ws.hooks().setCaption(captionFor(QString()));
}

} // namespace

QString captionFor(const QString &fileName)
{
    return kProgramTitle + QStringLiteral(" - ")
        + (fileName.isEmpty() ? QStringLiteral("Untitled.kel") : fileName);
}

bool Write_Model_File(Workspace &ws, QString &fileName, bool quiet)
{
    if (fileName.isEmpty()) {
        const auto name = askSaveName(ws);
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
    const QByteArray bytes = kelfile::modelFileBytes(ws.model, ws.settings, ws.view);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && writeAll(file, bytes) && file.commit();
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        ws.reportError(QStringLiteral("There was an error saving the file: ") + reason, true);
        return false;
    }

    if (!quiet) {
        ws.hooks().setCaption(captionFor(fileName));
        ws.log.append(QStringLiteral("Save file: ") + fileName, LogBlack, true);
        ws.model.fileName = fileName;
    }
    return true;
}

ReadOutcome Read_Model_File(Workspace &ws, QString &fileName)
{
    // Ask first: a cancelled dialog must leave the model, its file name and
    // the caption as they were, or a later save would write an empty model
    // over the file still named in the caption.
    if (fileName.isEmpty()) {
        const auto chosen = ws.prompts().openFile(QStringLiteral("Open"), kOpenFilter,
                                                  QDir::currentPath());
        if (!chosen || chosen->isEmpty())
            return ReadOutcome::Cancelled;
        fileName = *chosen;
    }

    Clear_Model(ws.model, ws.results);

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        readFailed(ws, QStringLiteral("There was an error opening the file: ") + file.errorString());
        return ReadOutcome::Failed;
    }
    const auto failure = kelfile::parseModelFile(file, ws.model, ws.settings, ws.view);
    file.close();
    if (failure) {
        readFailed(ws, failure->headerMismatch
                           ? QStringLiteral("There was an error opening the file. "
                                            "The file could not be read.")
                           : QStringLiteral("There was an error opening the file: ")
                               + failure->description);
        return ReadOutcome::Failed;
    }

    ws.hooks().setCaption(captionFor(fileName));
    ws.model.fileName = fileName;
    ws.log.append(QStringLiteral("Open file: ") + fileName, LogBlack, true);
    ws.view.resetHistory();
    return ReadOutcome::Read;
}
