// "Recent files" in the File menu and model files dropped on the window.
#include "MainWindowFixture.h"

#include "common/RecentFiles.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

const QString kUntitledQuestion =
    QStringLiteral("Do you want to save the changes you made to file: 'Untitled.kel'?");

class RecentFilesTest : public MainWindowTest {
protected:
    QStringList menuTexts()
    {
        QStringList texts;
        for (QAction *a : window->recentFilesMenu()->actions())
            texts << a->text();
        return texts;
    }
    void openByDialog(const QString &file)
    {
        prompts.files.push_back(file);
        trigger("mnuOPENitem");
    }
    void chooseRecent(int i) { window->recentFilesMenu()->actions().at(i - 1)->trigger(); }
    // Enter and drop as the desktop sends them; whether the window took them.
    std::pair<bool, bool> drop(QMimeData &mime)
    {
        const QPoint at = window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        QApplication::processEvents();
        return {enter.isAccepted(), dropped.isAccepted()};
    }
};

} // namespace

TEST_F(RecentFilesTest, OpenedAndSavedModelsComeFirst)
{
    const QString a = writeModel(QStringLiteral("a.kel"));
    const QString b = writeModel(QStringLiteral("b&c.kel"));
    start();
    EXPECT_FALSE(window->recentFilesMenu()->menuAction()->isEnabled());

    openByDialog(a);
    openByDialog(b);
    EXPECT_EQ(menuTexts(), (QStringList{"&1 " + QString(b).replace("&", "&&"), "&2 " + a}));
    EXPECT_TRUE(window->recentFilesMenu()->menuAction()->isEnabled());

    // Chosen from the menu: opened as by Open, and first again.
    chooseRecent(2);
    EXPECT_EQ(ws().model.fileName, a);
    EXPECT_EQ(loadRecentFiles(SettingsStore(storePath())), (QStringList{a, b}));

    const QString saved = path(QStringLiteral("saved.kel"));
    prompts.files.push_back(saved);
    trigger("mnuSAVEASitem");
    EXPECT_EQ(loadRecentFiles(SettingsStore(storePath())), (QStringList{saved, a, b}));

    // The desktop's list has each file once.
    QFile list(path(QStringLiteral("recently-used.xbel")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll().count(QUrl::fromLocalFile(a).toEncoded()), 1);
}

TEST_F(RecentFilesTest, MissingFileIsToldAndTakenOff)
{
    const QString a = writeModel(QStringLiteral("a.kel"));
    const QString gone = writeModel(QStringLiteral("gone.kel"));
    start();
    openByDialog(gone);
    openByDialog(a);
    ASSERT_TRUE(QFile::remove(gone));
    prompts.answers = {PromptAnswer::Ok};

    chooseRecent(2);
    const QString text = "The file '" + gone
        + "' cannot be found. It has been removed from the list of recent files.";
    EXPECT_EQ(prompts.messages().at(0).text, text);
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(ws().log.entries().back().text, text);
    EXPECT_EQ(ws().model.fileName, a); // the model on screen stays
    EXPECT_EQ(menuTexts(), QStringList{"&1 " + a});
    EXPECT_EQ(loadRecentFiles(SettingsStore(storePath())), QStringList{a});
}

TEST_F(RecentFilesTest, DroppedModelOpensWithTheOfferToSave)
{
    const QString file = writeModel(QStringLiteral("dropped.kel"));
    const struct {
        PromptAnswer answer;
        bool opened;
    } rows[] = {{PromptAnswer::Cancel, false}, {PromptAnswer::No, true}};
    for (const auto &row : rows) {
        SCOPED_TRACE(int(row.answer));
        start();
        addGroup();
        prompts.shown.clear();
        prompts.answers = {row.answer};
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});

        EXPECT_EQ(drop(mime), std::make_pair(true, true));
        EXPECT_EQ(prompts.messages().at(0).text, kUntitledQuestion);
        EXPECT_EQ(ws().model.fileName, row.opened ? file : QString());
        EXPECT_EQ(loadRecentFiles(SettingsStore(storePath())).contains(file), row.opened);
    }
}

TEST_F(RecentFilesTest, OtherDropsAreRefused)
{
    const QString model = writeModel(QStringLiteral("m.kel"));
    const QString text = path(QStringLiteral("notes.txt"));
    start();
    const struct {
        const char *what;
        QList<QUrl> urls;
        QString plain;
    } rows[] = {
        {"another kind of file", {QUrl::fromLocalFile(text)}, {}},
        {"two models", {QUrl::fromLocalFile(model), QUrl::fromLocalFile(model)}, {}},
        {"a web address", {QUrl(QStringLiteral("https://example.org/m.kel"))}, {}},
        {"plain text", {}, model},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        QMimeData mime;
        if (!row.urls.isEmpty())
            mime.setUrls(row.urls);
        if (!row.plain.isEmpty())
            mime.setText(row.plain);
        EXPECT_EQ(drop(mime), std::make_pair(false, false));
        EXPECT_TRUE(ws().model.fileName.isEmpty());
    }
}
