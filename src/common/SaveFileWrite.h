#pragma once
// Writing a whole byte array into a save file that was opened unbuffered.
#include <QByteArray>

class QSaveFile;

// A buffered QSaveFile can lose a short write (a full disk, a size limit)
// and still commit a truncated file, and a file written in place commits
// whatever happened; so every save writes unbuffered and goes on until each
// byte is taken or the device reports why it is not. False leaves the reason
// in the file's errorString(); the caller must not commit then.
bool writeAll(QSaveFile &file, const QByteArray &bytes);
