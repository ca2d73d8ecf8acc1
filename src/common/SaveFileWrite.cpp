#include "common/SaveFileWrite.h"

#include <QSaveFile>

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
