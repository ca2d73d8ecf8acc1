#pragma once
// The text of a .kel model file, apart from any file on disk: the writer
// builds the bytes in memory and the reader parses any QIODevice or the bytes
// themselves, so the file commands, the batch tool, the tests and the fuzzer
// share one parser.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

class QIODevice;
struct Model;
struct Settings;
struct ViewTransform;

namespace kelfile {

// Longest line the reader accepts (without its line end). The longest line
// the program writes is the 35-character header; the limit only keeps a
// damaged or hostile file from making the reader hold a huge line.
inline constexpr int kMaxLineLength = 1024;

// The whole file, CR LF after every line including the last.
QByteArray modelFileBytes(const Model &model, const Settings &settings, const ViewTransform &view);

struct ParseFailure {
    // The first five lines are not the header: the file is not a model file.
    bool headerMismatch = false;
    // What went wrong, for "There was an error opening the file: ...".
    QString description;
};

// Reads a model file from `in` line by line. Counts and records go straight
// into `model`, the settings block into `settings` and the view scale and
// offsets into `view`, in file order, so on a failure the values read before
// it are already in place (the caller decides what to keep). `model` should
// be cleared beforehand: rows that the file does not list are not touched.
// Returns nothing on success.
std::optional<ParseFailure> parseModelFile(QIODevice &in, Model &model, Settings &settings,
                                           ViewTransform &view);
// The same for the whole text of a file held in memory.
std::optional<ParseFailure> parseModelFile(QByteArrayView text, Model &model, Settings &settings,
                                           ViewTransform &view);

} // namespace kelfile
