#pragma once
// The file commands of the main window without their widgets: the offer to
// save before the model is replaced, the unsaved-change test against a
// working copy, New, Open, Save, Save As and the re-analysis offer.
#include "common/UserPrompts.h"
#include "files/Files.h"
#include <QString>
#include <functional>

class SettingsStore;
struct Model;

// No node, no group and no element: there is nothing to lose.
bool isEmptyModel(const Model &model);

// "Do you want to save the changes you made to file: '<path>'?", with
// 'Untitled.kel' for a model that has no file yet.
QString savePromptText(const QString &fileName);

// True when the model file holds exactly what the writer would write now,
// the display settings and the view included. The working copy is written
// into a private temporary folder that is removed on every path. Any failure
// (the model file gone or unreadable, the working copy not writable) counts
// as a difference.
bool Model_Equals_File(const FileContext &fc);

enum class SaveOffer { GoOn, Stop };

// Before New, Open and closing: asks whether to save a model whose file
// differs from it, or an untitled model that is not empty. Cancel stops. A
// Yes whose save did not happen (the save dialog cancelled or the write
// failed) stops as well, so unsaved work is never thrown away after the user
// asked to keep it. `icon` is none for New and Open, exclamation at closing.
SaveOffer offerToSave(const FileContext &fc, PromptIcon icon);

// The model part of New: empties the model, marks it changed and untitled,
// resets the view and takes the stored program defaults for the settings.
// The window then shows the model mode, redraws, logs and resets the zoom
// history.
void newModel(const FileContext &fc, const SettingsStore &store);

// The model part of Open: the reader asks for the file, unless one is
// named (a recent or dropped file). A model that was read (or whose reading
// failed and left an empty model) is marked changed; a cancelled dialog
// changes nothing.
ReadOutcome openModel(const FileContext &fc, const QString &fileName = QString());

// Save writes to the model's own file (asking for a name when untitled);
// Save As always asks. Both return whether the file was written.
bool saveModel(const FileContext &fc);
bool saveModelAs(const FileContext &fc);

// Before a result view of a changed model: offers a new analysis and runs
// `analyse` on Yes. The caller goes on in every case.
void Ask_Reanalyse(const FileContext &fc, const std::function<void()> &analyse);
