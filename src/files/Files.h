#pragma once
// The .kel model file: the whole model, a block of display settings and the
// view, one item per line, CR LF line ends.
#include <QString>

class Interaction;
struct ViewTransform;
struct AnalysisResults;
struct Model;
struct Settings;

// What the file operations work on: the model (emptied with its results
// before a read), the display settings and the view that the file stores,
// and the log, prompts and caption through which they report. A Workspace
// converts to one.
struct FileContext {
    Model &model;
    AnalysisResults &results;
    Settings &settings;
    ViewTransform &view;
    Interaction &user;
};

enum class ReadOutcome { Read, Cancelled, Failed };

// Writes the model to fileName. An empty name asks for one (save dialog);
// ".kel" is added when the chosen name lacks it, and the name is stored back.
// Not quiet: sets the caption, logs "Save file:" and makes the name the
// model's file name. The save is atomic: a failed save leaves the file on
// disk as it was (except in a folder where no new file can be made, where
// the file is written in place), and is reported with a message box and a
// red log line.
// Returns true when the file was written.
bool Write_Model_File(const FileContext &fc, QString &fileName, bool quiet);

// Reads a model file. An empty name asks for one (open dialog) before the
// model is touched, so a cancelled dialog leaves everything as it was. On
// success the model, settings, view, file name and caption are replaced and
// "Open file:" is logged; on failure the model is left empty and untitled
// with a message box and a red log line.
ReadOutcome Read_Model_File(const FileContext &fc, QString &fileName);

// "Corvane Kel.2D - <file>" or "Corvane Kel.2D - Untitled.kel".
QString captionFor(const QString &fileName);
