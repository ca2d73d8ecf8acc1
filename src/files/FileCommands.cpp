#include "files/FileCommands.h"
#include "common/Interaction.h"
#include "common/Registry.h"
#include "common/Settings.h"
#include "drawing/ViewTransform.h"
#include "model/AnalysisResults.h"
#include "model/Model.h"
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

bool isEmptyModel(const Model &model)
{
    return model.nodeCount == 0 && model.groupCount == 0 && model.elementCount == 0;
}

QString savePromptText(const QString &fileName)
{
    const QString shown = fileName.isEmpty() ? QStringLiteral("Untitled.kel") : fileName;
    return QStringLiteral("Do you want to save the changes you made to file: '%1'?").arg(shown);
}

bool Model_Equals_File(const FileContext &fc)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    QString copyName = folder.filePath(QStringLiteral("z_bm~vpl.kel"));
    if (!Write_Model_File(fc, copyName, true))
        return false; // the writer has told the user why

    QFile original(fc.model.fileName);
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

SaveOffer offerToSave(const FileContext &fc, PromptIcon icon)
{
    const bool named = !fc.model.fileName.isEmpty();
    if (named ? Model_Equals_File(fc) : isEmptyModel(fc.model))
        return SaveOffer::GoOn;

    switch (fc.user.prompts().message(savePromptText(fc.model.fileName), kProgramTitle, icon,
                                      PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes: {
        QString name = fc.model.fileName;
        return Write_Model_File(fc, name, false) ? SaveOffer::GoOn : SaveOffer::Stop;
    }
    case PromptAnswer::No: return SaveOffer::GoOn;
    default: return SaveOffer::Stop;
    }
}

void newModel(const FileContext &fc, const SettingsStore &store)
{
    Clear_Model(fc.model, fc.results);
    fc.model.modelChanged = true;
    fc.model.fileName.clear();
    fc.user.hooks().setCaption(captionFor(QString()));
    fc.view.resetView();
    Load_Settings(fc.settings, store);
}

ReadOutcome openModel(const FileContext &fc, const QString &fileName)
{
    QString name = fileName;
    const ReadOutcome outcome = Read_Model_File(fc, name);
    if (outcome != ReadOutcome::Cancelled)
        fc.model.modelChanged = true;
    return outcome;
}

bool saveModel(const FileContext &fc)
{
    QString name = fc.model.fileName;
    return Write_Model_File(fc, name, false);
}

bool saveModelAs(const FileContext &fc)
{
    QString name;
    return Write_Model_File(fc, name, false);
}

void Ask_Reanalyse(const FileContext &fc, const std::function<void()> &analyse)
{
    if (!fc.model.modelChanged)
        return;
    const PromptAnswer answer = fc.user.prompts().message(
        QStringLiteral(
            "Model has been changed. Do you want to reanalyze before the process goes on?"),
        kProgramTitle, PromptIcon::Exclamation, PromptButtons::YesNo);
    if (answer == PromptAnswer::Yes && analyse)
        analyse();
}
