// File commands: the unsaved-change test against a working copy, the offer to
// save, Open and the re-analysis offer.
#include "core/FileFixtures.h"
#include "files/FileCommands.h"

#include <QDir>
#include <functional>
#include <sys/stat.h>

namespace {

using A = PromptAnswer;

// The working copy goes to a temporary folder of the test's own, so a test
// can see that nothing is left there and can take the folder away.
class FileCommandsTest : public FilesTest {
protected:
    void SetUp() override
    {
        FilesTest::SetUp();
        m_oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        truss::smallExample(ws.model);
    }
    void TearDown() override
    {
        EXPECT_TRUE(
            QDir(temp.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            << "a working copy outlived the comparison";
        m_oldTmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", m_oldTmp);
    }
    // Rewrites the saved file with `edit` applied to its bytes.
    void editFile(const std::function<QByteArray(QByteArray)> &edit)
    {
        ASSERT_TRUE(writeBytes(ws.model.fileName, edit(readBytes(ws.model.fileName))));
    }
    QTemporaryDir temp;
    QByteArray m_oldTmp;
};

TEST_F(FileCommandsTest, ModelEqualsFileFollowsEverythingTheFileHolds)
{
    saveAs(QStringLiteral("m.kel"));
    EXPECT_TRUE(Model_Equals_File(ws));
    const std::vector<std::pair<const char *, std::function<void(bool)>>> changes = {
        {"view", [&](bool on) { ws.view.scale = on ? 150 : 100; }},
        {"settings", [&](bool on) { ws.settings.nai_grid = !on; }},
        {"model", [&](bool on) { ws.model.nodes[2].fy = on ? -11 : -10; }},
    };
    for (const auto &[what, change] : changes) {
        change(true);
        EXPECT_FALSE(Model_Equals_File(ws)) << what;
        change(false);
        EXPECT_TRUE(Model_Equals_File(ws)) << what;
    }
    // Items are compared, not line ends; a file cut short before its end
    // marker differs.
    editFile([](QByteArray b) { return b.replace("\r\n", "\n"); });
    EXPECT_TRUE(Model_Equals_File(ws));
    editFile([](QByteArray b) { return b.left(b.lastIndexOf("END of")); });
    EXPECT_FALSE(Model_Equals_File(ws));
}

// Whatever keeps the comparison from being made counts as a difference, so
// that closing asks to save rather than lose the work.
TEST_F(FileCommandsTest, AComparisonThatCannotBeMadeIsADifference)
{
    const QString locked = path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_EQ(chmod(QFile::encodeName(locked).constData(), 0555), 0);
    const struct {
        const char *what;
        std::function<void()> spoil;
        bool sizeLimit;
        const char *box; // null: none
    } rows[] = {
        // clang-format off
        {"no folder for the working copy", [&] { qputenv("TMPDIR", QFile::encodeName(locked)); }, false, nullptr},
        {"working copy cannot be written", [] {}, true, "There was an error saving the file: File too large"},
        {"model file cannot be read", [&] { ws.model.fileName = dir.path(); }, false, nullptr},
        // clang-format on
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        saveAs(QStringLiteral("m.kel"));
        ASSERT_TRUE(Model_Equals_File(ws));
        row.spoil();
        ws.prompts.answers.assign(row.box ? 1 : 0, A::Ok); // the strict prompts refuse others
        {
            const PermissionsApply permissions;
            std::optional<FileSizeLimit> limit;
            if (row.sizeLimit)
                limit.emplace(100);
            EXPECT_FALSE(permissions.apply() && Model_Equals_File(ws));
        }
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        if (row.box) {
            EXPECT_EQ(ws.prompts.shown.at(0).text, row.box);
        }
        ws.prompts.shown.clear();
    }
}

// The question comes only when work would be lost; Yes saves (or, when the
// save does not happen, keeps the work), No goes on, Cancel stops.
TEST_F(FileCommandsTest, OfferToSaveAsksOnlyWhenSomethingWouldBeLost)
{
    const struct {
        const char *name;
        bool named;   // saved to a file first, then the view changes
        bool changed; // the model holds something (untitled) or differs from the file
        std::vector<PromptAnswer> answers;
        std::optional<QString> saveDialog; // untitled and Yes: the name given
        SaveOffer expected;
    } rows[] = {
        {"untitled empty", false, false, {}, {}, SaveOffer::GoOn},
        {"untitled Cancel", false, true, {A::Cancel}, {}, SaveOffer::Stop},
        {"untitled Yes", false, true, {A::Yes}, QStringLiteral("new"), SaveOffer::GoOn},
        {"untitled Yes, dialog cancelled", false, true, {A::Yes}, std::nullopt, SaveOffer::Stop},
        {"named unchanged", true, false, {}, {}, SaveOffer::GoOn},
        {"named No", true, true, {A::No}, {}, SaveOffer::GoOn},
        {"named Yes", true, true, {A::Yes}, {}, SaveOffer::GoOn},
        {"named Yes, save fails", true, true, {A::Yes, A::Ok}, {}, SaveOffer::Stop},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ws.model = Model{};
        if (row.changed)
            truss::group(ws.model, 1, 1);
        if (row.named) {
            saveAs(QStringLiteral("named.kel"));
            ws.view.offsetY += row.changed;
            if (row.answers.size() > 1)
                ws.model.fileName = path(QStringLiteral("missing-folder/m.kel"));
        }
        ws.prompts.answers.assign(row.answers.begin(), row.answers.end());
        if (!row.named && row.answers == std::vector{A::Yes})
            ws.prompts.files = {row.saveDialog ? std::optional(path(*row.saveDialog))
                                               : std::nullopt};
        ws.prompts.shown.clear();

        EXPECT_EQ(offerToSave(ws, PromptIcon::Exclamation), row.expected);

        if (row.answers.empty()) // the strict prompts fail a box unasked for
            continue;
        const ShownPrompt box = ws.prompts.messages()[0];
        EXPECT_EQ(std::tuple(box.text, box.icon, box.buttons),
                  std::tuple("Do you want to save the changes you made to file: '"
                                 + (row.named ? ws.model.fileName : "Untitled.kel") + "'?",
                             PromptIcon::Exclamation, PromptButtons::YesNoCancel));
        if (row.expected == SaveOffer::GoOn && row.answers[0] == A::Yes) {
            EXPECT_TRUE(Model_Equals_File(ws)); // saved
        }
    }
}

TEST_F(FileCommandsTest, OpenMarksTheModelChangedUnlessCancelled)
{
    const QString name = saveAs(QStringLiteral("m.kel"));
    ws.prompts.files = {std::nullopt, name};
    EXPECT_EQ(openModel(ws), ReadOutcome::Cancelled);
    EXPECT_EQ(
        std::tuple(ws.model.modelChanged, ws.hooks.captions.size(), ws.prompts.shown[0].extra),
        std::tuple(false, 0, QStringLiteral("Corvane Kel.2D Input files (*.kel)")));
    EXPECT_EQ(openModel(ws), ReadOutcome::Read);
    EXPECT_EQ(std::pair(ws.model.fileName, ws.model.modelChanged), std::pair(name, true));
}

TEST(AskReanalyse, OffersOnlyForAChangedModel)
{
    for (const bool changed : {false, true}) {
        TestWorkspace ws;
        ws.model.modelChanged = changed;
        ws.prompts.answers = changed ? std::deque{A::Yes} : std::deque<PromptAnswer>{};
        int ran = 0;
        Ask_Reanalyse(ws, [&] { ++ran; });
        EXPECT_EQ(ran, int(changed));
        for (const ShownPrompt &box : ws.prompts.shown)
            EXPECT_EQ(std::pair(box.text, box.buttons),
                      std::pair(QStringLiteral("Model has been changed. Do you want to reanalyze "
                                               "before the process goes on?"),
                                PromptButtons::YesNo));
    }
}

} // namespace
