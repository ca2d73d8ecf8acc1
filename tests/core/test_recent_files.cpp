// The recent-files list in the settings store and the desktop's list of
// recently used documents.
#include "common/RecentFiles.h"
#include "common/Registry.h"
#include "core/Fixtures.h"
#include "files/DesktopRecentFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The list's bookmarks, one line each, "href added visited type name exec";
// "(error)" when the list does not parse.
QStringList bookmarks(const QString &path)
{
    QXmlStreamReader r(readBytes(path));
    QStringList out;
    while (!r.atEnd()) {
        if (r.readNext() == QXmlStreamReader::StartElement && r.name() == u"bookmark")
            out << QString();
        for (const char *key : {"href", "added", "visited", "type", "name", "exec"})
            if (r.isStartElement() && r.attributes().hasAttribute(QLatin1String(key)))
                out.last() += r.attributes().value(QLatin1String(key)).toString() + u' ';
    }
    return r.hasError() ? QStringList{"(error)"} : out;
}

} // namespace

// Keys in any case and order; empty, relative and control-character paths,
// repeats once cleaned and keys beyond the eighth are skipped.
TEST(RecentFiles, StoredListSkipsWhatCannotBeAModelPath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeBytes(dir.filePath("store.ini"),
                           "[RecentFiles]\nFile7=/c/three.kel\nfile1=/a/./one.kel\nFile2=\n"
                           "File3=rel/x.kel\nFile4=\"/a/o\\tne.kel\"\nFile5=/a/b/../one.kel\n"
                           "File6=/a/b/../two.kel\nFile8=/d/four.kel\nFile9=/i.kel\n"));
    EXPECT_EQ(loadRecentFiles(SettingsStore(dir.filePath("store.ini"))),
              (QStringList{"/a/one.kel", "/a/two.kel", "/c/three.kel", "/d/four.kel"}));
}

TEST(RecentFiles, MostRecentFirstOnceAndAtMostEight)
{
    QStringList files;
    for (int i = 1; i <= 9; ++i)
        files = withRecentFile(files, QStringLiteral("/m/%1.kel").arg(i));
    files = withRecentFile(files, QStringLiteral("/m/x/../5.kel"));
    files = withoutRecentFile(files, QStringLiteral("/m/9.kel"));
    EXPECT_EQ(files,
              (QStringList{"/m/5.kel", "/m/8.kel", "/m/7.kel", "/m/6.kel", "/m/4.kel", "/m/3.kel",
                           "/m/2.kel"}));

    // Written and read back; a shorter list empties the keys it no longer
    // uses, and the display settings stay.
    QTemporaryDir dir;
    const QString ini = dir.filePath("store.ini");
    SettingsStore store(ini);
    store.setValue(kSettingsSection, QStringLiteral("nai_grid"), QStringLiteral("0"));
    for (const QStringList &list : {files, files.mid(0, 1)}) {
        ASSERT_TRUE(saveRecentFiles(store, list));
        EXPECT_EQ(loadRecentFiles(SettingsStore(ini)), list);
    }
    EXPECT_EQ(SettingsStore(ini).value(kSettingsSection, QStringLiteral("nai_grid")), "0");
}

TEST(DesktopRecentFiles, MakesTheListAndLeavesOneItCannotParseAsItWas)
{
    QTemporaryDir dir;
    const QString list = dir.filePath("share/recently-used.xbel");
    ASSERT_TRUE(addDesktopRecentFile(list, "/models/a b.kel",
                                     QDateTime(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC)));
    EXPECT_EQ(bookmarks(list),
              QStringList{"file:///models/a%20b.kel 2026-03-01T10:00:00.000Z "
                          "2026-03-01T10:00:00.000Z application/x-kel2d kel2d "
                          "'kel2d %f' "});

    // Another file joins the list; the first one, opened again, moves to the
    // end with the date it was first added.
    ASSERT_TRUE(addDesktopRecentFile(list, "/models/c.kel",
                                     QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC)));
    ASSERT_TRUE(addDesktopRecentFile(list, "/models/a b.kel",
                                     QDateTime(QDate(2026, 3, 3), QTime(8, 0), Qt::UTC)));
    EXPECT_EQ(bookmarks(list),
              (QStringList{"file:///models/c.kel 2026-03-02T09:00:00.000Z "
                           "2026-03-02T09:00:00.000Z application/x-kel2d kel2d 'kel2d %f' ",
                           "file:///models/a%20b.kel 2026-03-01T10:00:00.000Z "
                           "2026-03-03T08:00:00.000Z application/x-kel2d kel2d 'kel2d %f' "}));

    const QByteArray broken = readBytes(list).chopped(9);
    ASSERT_TRUE(writeBytes(list, broken));
    EXPECT_FALSE(addDesktopRecentFile(list, "/models/a.kel"));
    EXPECT_EQ(readBytes(list), broken);
}
