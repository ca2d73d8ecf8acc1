#include "files/DesktopRecentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <optional>

namespace {

const QString kBookmarkNs =
    QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString kMimeType = QStringLiteral("application/x-kel2d");
const QString kAppName = QStringLiteral("kel2d");
const QString kAppExec = QStringLiteral("'kel2d %f'");

struct Entry {
    QString href;
    QString now;   // ISO 8601, UTC
    QString added; // the first use, kept from an earlier entry
};

void writeEntry(QXmlStreamWriter &w, const Entry &e)
{
    w.writeStartElement(QStringLiteral("bookmark"));
    w.writeAttribute(QStringLiteral("href"), e.href);
    w.writeAttribute(QStringLiteral("added"), e.added.isEmpty() ? e.now : e.added);
    w.writeAttribute(QStringLiteral("modified"), e.now);
    w.writeAttribute(QStringLiteral("visited"), e.now);
    w.writeStartElement(QStringLiteral("info"));
    w.writeStartElement(QStringLiteral("metadata"));
    w.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    w.writeEmptyElement(kMimeNs, QStringLiteral("mime-type"));
    w.writeAttribute(QStringLiteral("type"), kMimeType);
    w.writeStartElement(kBookmarkNs, QStringLiteral("applications"));
    w.writeEmptyElement(kBookmarkNs, QStringLiteral("application"));
    w.writeAttribute(QStringLiteral("name"), kAppName);
    w.writeAttribute(QStringLiteral("exec"), kAppExec);
    w.writeAttribute(QStringLiteral("modified"), e.now);
    w.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    w.writeEndElement(); // applications
    w.writeEndElement(); // metadata
    w.writeEndElement(); // info
    w.writeEndElement(); // bookmark
    w.writeCharacters(QStringLiteral("\n"));
}

QByteArray newList(const Entry &e)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.writeStartDocument();
    w.writeCharacters(QStringLiteral("\n"));
    w.writeStartElement(QStringLiteral("xbel"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    w.writeNamespace(kBookmarkNs, QStringLiteral("bookmark"));
    w.writeNamespace(kMimeNs, QStringLiteral("mime"));
    w.writeCharacters(QStringLiteral("\n"));
    writeEntry(w, e);
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

// The list copied token by token, the entry of the same file left out and
// the new one written last; nothing when the list is not a well-formed
// bookmark list.
std::optional<QByteArray> renewedList(const QByteArray &old, Entry e)
{
    QByteArray out;
    QXmlStreamReader r(old);
    QXmlStreamWriter w(&out);
    int depth = 0;
    bool root = false;
    while (!r.atEnd()) {
        const QXmlStreamReader::TokenType token = r.readNext();
        if (token == QXmlStreamReader::Invalid)
            break;
        if (token == QXmlStreamReader::StartElement) {
            if (depth == 0 && r.name() != QLatin1String("xbel"))
                return std::nullopt;
            root = true;
            if (depth == 1 && r.name() == QLatin1String("bookmark")
                && r.attributes().value(QLatin1String("href")) == e.href) {
                e.added = r.attributes().value(QLatin1String("added")).toString();
                r.skipCurrentElement();
                continue;
            }
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            if (--depth == 0)
                writeEntry(w, e);
        }
        w.writeCurrentToken(r);
    }
    if (r.hasError() || !root)
        return std::nullopt;
    return out;
}

} // namespace

QString desktopRecentFilesPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/recently-used.xbel");
}

bool addDesktopRecentFile(const QString &listPath, const QString &file, const QDateTime &when)
{
    Entry e;
    e.href = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded);
    e.now = when.toUTC().toString(Qt::ISODateWithMs);
    QByteArray text;
    QFile old(listPath);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly))
            return false;
        const std::optional<QByteArray> renewed = renewedList(old.readAll(), e);
        if (!renewed)
            return false;
        text = *renewed;
    } else {
        text = newList(e);
    }
    QDir().mkpath(QFileInfo(listPath).absolutePath());
    QSaveFile out(listPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        return false;
    return out.commit();
}
