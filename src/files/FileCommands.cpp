#include "files/FileCommands.h"
#include "common/Registry.h"
#include "workspace/Workspace.h"
#include "model/Subs.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kEndMarker = QStringLiteral("END of Kel!2D Input File");

// One item of a model file: a line without its line end and outer blanks.
// Lines are read in bounded pieces, so a damaged file with an endless line
// cannot exhaust memory; two equal files are cut at the same places.
std::optional<QString> nextItem(QFile &file)
{
    if (file.atEnd())
        return std::nullopt;
    const QByteArray raw = file.readLine(4096);
    if (raw.isEmpty() && file.error() != QFileDevice::NoError)
        return std::nullopt;
    return QString::fromLatin1(raw).trimmed();
}

} // namespace

bool IsEmptyModel(const Model &model)
{
    return model.nodeCount == 0 && model.groupCount == 0 && model.elementCount == 0;
}

QString SavePromptText(const QString &fileName)
{
    const QString shown = fileName.isEmpty() ? QStringLiteral("Untitled.kel") : fileName;
    return QStringLiteral("Do you want to save the changes you made to file: '%1'?").arg(shown);
}

bool Model_Equals_File(Workspace &ws)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    QString copyName = folder.filePath(QStringLiteral("z_bm~vpl.kel"));
    if (!Write_Model_File(ws, copyName, true))
        return false;   // the writer has told the user why

    QFile original(ws.model.fileName);
    QFile copy(copyName);
    if (!original.open(QIODevice::ReadOnly) || !copy.open(QIODevice::ReadOnly))
        return false;

    // The files close, and the temporary folder goes with its working copy,
    // when they leave scope on any of the returns below.
    for (;;) {
        const auto a = nextItem(original);
        const auto b = nextItem(copy);
        if (!a || !b || *a != *b)
            return false;
        if (*a == kEndMarker)
            return true;
    }
}

SaveOffer Offer_To_Save(Workspace &ws, PromptIcon icon)
{
    const bool named = !ws.model.fileName.isEmpty();
    if (named ? Model_Equals_File(ws) : IsEmptyModel(ws.model))
        return SaveOffer::GoOn;

    switch (ws.prompts().message(SavePromptText(ws.model.fileName), kProgramTitle, icon,
                                 PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes: {
        QString name = ws.model.fileName;
        return Write_Model_File(ws, name, false) ? SaveOffer::GoOn : SaveOffer::Stop;
    }
    case PromptAnswer::No:
        return SaveOffer::GoOn;
    default:
        return SaveOffer::Stop;
    }
}

void New_Model(Workspace &ws, const SettingsStore &store)
{
    Clear_Model(ws.model, ws.results);
    ws.model.modelChanged = true;
    ws.model.fileName.clear();
    ws.hooks().setCaption(captionFor(QString()));
    ws.view.resetView();
    Load_Settings(ws.settings, store);
}

ReadOutcome Open_Model(Workspace &ws)
{
    QString name;
    const ReadOutcome outcome = Read_Model_File(ws, name);
    if (outcome != ReadOutcome::Cancelled)
        ws.model.modelChanged = true;
    return outcome;
}

bool Save_Model(Workspace &ws)
{
    QString name = ws.model.fileName;
    return Write_Model_File(ws, name, false);
}

bool Save_Model_As(Workspace &ws)
{
    QString name;
    return Write_Model_File(ws, name, false);
}

void Ask_Reanalyse(Workspace &ws, const std::function<void()> &analyse)
{
    if (!ws.model.modelChanged)
        return;
    const PromptAnswer answer = ws.prompts().message(
        QStringLiteral("Model has been changed. Do you want to reanalyze before the process goes on?"),
        kProgramTitle, PromptIcon::Exclamation, PromptButtons::YesNo);
    if (answer == PromptAnswer::Yes && analyse)
        analyse();
}
