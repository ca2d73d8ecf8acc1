// The recent-files list in the settings store and the desktop's list of
// recently used documents.
#include "common/RecentFiles.h"
#include "common/Registry.h"
#include "files/DesktopRecentFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

struct Bookmark {
    QString href, added, modified, mime, app;
};

// The bookmarks of a list in their order; nothing if it does not parse.
std::optional<QVector<Bookmark>> bookmarks(const QString &path)
{
    QXmlStreamReader r(readAll(path));
    QVector<Bookmark> out;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = r.attributes();
        if (r.name() == QLatin1String("bookmark") && r.namespaceUri().isEmpty())
            out.push_back({a.value("href").toString(),
                           a.value("added").toString(),
                           a.value("modified").toString(),
                           {},
                           {}});
        else if (r.name() == QLatin1String("mime-type"))
            out.back().mime = a.value("type").toString();
        else if (r.name() == QLatin1String("application"))
            out.back().app = a.value("name").toString() + u' ' + a.value("exec").toString();
    }
    if (r.hasError())
        return std::nullopt;
    return out;
}

} // namespace

TEST(RecentFiles, StoredListSkipsWhatCannotBeAModelPath)
{
    const struct {
        const char *what;
        QByteArray ini;
        QStringList files;
    } rows[] = {
        {"none", "", {}},
        {"in key order, keys in any case",
         "[RecentFiles]\nFile2=/b/two.kel\nfile1=/a/one.kel\n",
         {"/a/one.kel", "/b/two.kel"}},
        {"gaps, relative and empty values",
         "[RecentFiles]\nFile1=\nFile2=rel/x.kel\nFile3=/c/three.kel\n",
         {"/c/three.kel"}},
        {"repeats and unclean paths",
         "[RecentFiles]\nFile1=/a/./one.kel\nFile2=/a/b/../one.kel\nFile3=/d/four.kel\n",
         {"/a/one.kel", "/d/four.kel"}},
        {"a control character",
         "[RecentFiles]\nFile1=\"/a/o\\tne.kel\"\nFile2=/e.kel\n",
         {"/e.kel"}},
        {"only eight keys", "[RecentFiles]\nFile8=/h.kel\nFile9=/i.kel\n", {"/h.kel"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        const QString ini = dir.filePath("store.ini");
        writeAll(ini, row.ini);
        EXPECT_EQ(loadRecentFiles(SettingsStore(ini)), row.files);
    }
}

TEST(RecentFiles, MostRecentFirstOnceAndAtMostEight)
{
    QStringList files;
    for (int i = 1; i <= 9; ++i)
        files = withRecentFile(files, QStringLiteral("/m/%1.kel").arg(i));
    EXPECT_EQ(files.size(), kMaxRecentFiles);
    EXPECT_EQ(files.first(), "/m/9.kel");
    EXPECT_EQ(files.last(), "/m/2.kel");

    files = withRecentFile(files, QStringLiteral("/m/x/../5.kel"));
    EXPECT_EQ(files.mid(0, 3), (QStringList{"/m/5.kel", "/m/9.kel", "/m/8.kel"}));
    EXPECT_EQ(files.size(), kMaxRecentFiles);
    files = withoutRecentFile(files, QStringLiteral("/m/9.kel"));
    EXPECT_EQ(files.mid(0, 2), (QStringList{"/m/5.kel", "/m/8.kel"}));

    // Written and read back; a shorter list empties the keys it no longer uses.
    QTemporaryDir dir;
    const QString ini = dir.filePath("store.ini");
    SettingsStore store(ini);
    store.setValue(kSettingsSection, QStringLiteral("nai_grid"), QStringLiteral("0"));
    ASSERT_TRUE(saveRecentFiles(store, files));
    EXPECT_EQ(loadRecentFiles(SettingsStore(ini)), files);
    ASSERT_TRUE(saveRecentFiles(store, files.mid(0, 1)));
    EXPECT_EQ(loadRecentFiles(SettingsStore(ini)), files.mid(0, 1));
    EXPECT_EQ(SettingsStore(ini).value(kSettingsSection, QStringLiteral("nai_grid")), "0");
}

TEST(DesktopRecentFiles, MakesTheListAndRenewsAnEntry)
{
    QTemporaryDir dir;
    const QString list = dir.filePath("share/recently-used.xbel");
    const QDateTime first(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC);
    const QDateTime later(QDate(2026, 3, 2), QTime(11, 30), Qt::UTC);

    ASSERT_TRUE(addDesktopRecentFile(list, "/models/a b.kel", first));
    auto marks = bookmarks(list);
    ASSERT_TRUE(marks);
    ASSERT_EQ(marks->size(), 1);
    EXPECT_EQ(marks->at(0).href, "file:///models/a%20b.kel");
    EXPECT_EQ(marks->at(0).added, "2026-03-01T10:00:00.000Z");
    EXPECT_EQ(marks->at(0).mime, "application/x-kel2d");
    EXPECT_EQ(marks->at(0).app, "kel2d 'kel2d %f'");

    // Another program's entry stays as it was; ours moves to the end, its
    // first use kept.
    QByteArray text = readAll(list);
    const QByteArray foreign =
        "<bookmark href=\"file:///x/other.txt\" added=\"2020-01-01T00:00:00Z\" "
        "modified=\"2020-01-01T00:00:00Z\" visited=\"2020-01-01T00:00:00Z\"><!-- keep -->"
        "<info><metadata owner=\"http://freedesktop.org\"><mime:mime-type type=\"text/plain\"/>"
        "</metadata></info></bookmark>";
    text.replace("</xbel>", foreign + "\n</xbel>");
    writeAll(list, text);
    ASSERT_TRUE(addDesktopRecentFile(list, "/models/a b.kel", later));
    marks = bookmarks(list);
    ASSERT_TRUE(marks);
    ASSERT_EQ(marks->size(), 2);
    EXPECT_EQ(marks->at(0).href, "file:///x/other.txt");
    EXPECT_EQ(marks->at(0).mime, "text/plain");
    EXPECT_EQ(marks->at(1).href, "file:///models/a%20b.kel");
    EXPECT_EQ(marks->at(1).added, "2026-03-01T10:00:00.000Z");
    EXPECT_EQ(marks->at(1).modified, "2026-03-02T11:30:00.000Z");
    EXPECT_TRUE(readAll(list).contains("<!-- keep -->"));
}

TEST(DesktopRecentFiles, LeavesAListItCannotParseUntouched)
{
    const QByteArray rows[] = {
        "<?xml version=\"1.0\"?><xbel version=\"1.0\"><bookmark href=\"file:///a\">",
        "<?xml version=\"1.0\"?><other/>",
        "not xml at all",
        "",
    };
    for (const QByteArray &bytes : rows) {
        SCOPED_TRACE(bytes.toStdString());
        QTemporaryDir dir;
        const QString list = dir.filePath("recently-used.xbel");
        writeAll(list, bytes);
        EXPECT_FALSE(addDesktopRecentFile(list, "/models/a.kel"));
        EXPECT_EQ(readAll(list), bytes);
    }
}
