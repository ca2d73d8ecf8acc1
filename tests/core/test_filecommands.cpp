// File commands: the unsaved-change test against a working copy, the offer to
// save, New, Open and the re-analysis offer.
#include "common/Registry.h"
#include "core/ScriptedPrompts.h"
#include "files/FileCommands.h"
#include "files/Files.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CaptionRecorder : MainWindowHooks {
    QStringList captions;
    void setCaption(const QString &c) override { captions << c; }
};

// A small model: one group, two nodes, one element.
void makeModel(Workspace &ws)
{
    ws.model.groups[1] = ElementGroup{1000, 0.5};
    ws.model.groupCount = 1;
    ws.model.nodes[1] = Node{0, 0, 1, 1, 0, 0};
    ws.model.nodes[2] = Node{2, 0, 0, 0, 0, -10};
    ws.model.nodeCount = 2;
    ws.model.elements[1] = Element{1, 2, 1};
    ws.model.elementCount = 1;
}

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ws.setPrompts(&prompts);
        ws.setHooks(&hooks);
    }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Saves the current model under `name` and forgets what the save showed.
    void saveAs(const char *name)
    {
        QString file = path(name);
        ASSERT_TRUE(Write_Model_File(ws, file, false));
        prompts.shown.clear();
    }

    QTemporaryDir dir;
    Workspace ws;
    ScriptedPrompts prompts;
    CaptionRecorder hooks;
};

TEST_F(FileCommandsTest, ModelEqualsFileFollowsEverythingTheFileHolds)
{
    makeModel(ws);
    saveAs("m.kel");
    EXPECT_TRUE(Model_Equals_File(ws));

    ws.view.scale = 150; // the view is part of the file
    EXPECT_FALSE(Model_Equals_File(ws));
    ws.view.scale = 100;
    EXPECT_TRUE(Model_Equals_File(ws));

    ws.settings.nai_grid = !ws.settings.nai_grid; // so are the display settings
    EXPECT_FALSE(Model_Equals_File(ws));
    ws.settings.nai_grid = !ws.settings.nai_grid;

    ws.model.nodes[2].fy = -11;
    EXPECT_FALSE(Model_Equals_File(ws));
    ws.model.nodes[2].fy = -10;

    // Items are compared, not line ends; a file cut short before its end
    // marker differs.
    QFile f(ws.model.fileName);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll().replace("\r\n", "\n");
    f.close();
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    EXPECT_TRUE(Model_Equals_File(ws));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.left(bytes.lastIndexOf("END of")));
    f.close();
    EXPECT_FALSE(Model_Equals_File(ws));

    ASSERT_TRUE(QFile::remove(ws.model.fileName)); // a missing file is a difference
    EXPECT_FALSE(Model_Equals_File(ws));
    EXPECT_EQ(prompts.shown.size(), 0u);
}

TEST_F(FileCommandsTest, WorkingCopyNeverOutlivesTheComparison)
{
    QTemporaryDir privateTemp;
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", privateTemp.path().toLocal8Bit());

    makeModel(ws);
    saveAs("m.kel");
    Model_Equals_File(ws); // equal
    ws.view.offsetX = 7;
    Model_Equals_File(ws); // different
    QFile::remove(ws.model.fileName);
    Model_Equals_File(ws); // model file missing

    if (oldTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTmp);
    EXPECT_TRUE(QDir(privateTemp.path())
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
}

struct OfferCase {
    const char *name;
    bool named;           // saved to a file first
    bool changeAfterSave; // then the view changes
    bool groupOnly;       // untitled: a model holding one E,A group
    std::vector<PromptAnswer> answers;
    std::vector<std::optional<QString>> saveDialog; // file names for the save dialog
    bool expectPrompt;
    SaveOffer expected;
};

class OfferToSave : public FileCommandsTest, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(OfferToSave, AsksOnlyWhenSomethingWouldBeLost)
{
    const OfferCase &c = GetParam();
    if (c.groupOnly) {
        ws.model.groups[1] = ElementGroup{1, 1};
        ws.model.groupCount = 1;
    }
    if (c.named) {
        makeModel(ws);
        saveAs("named.kel");
    }
    if (c.changeAfterSave)
        ws.view.offsetY += 1;
    prompts.answers.assign(c.answers.begin(), c.answers.end());
    for (const auto &f : c.saveDialog)
        prompts.files.push_back(f ? std::optional<QString>(path(qPrintable(*f))) : std::nullopt);

    EXPECT_EQ(offerToSave(ws, PromptIcon::None), c.expected);

    const auto boxes = prompts.messages();
    ASSERT_EQ(boxes.size(), c.expectPrompt ? 1u : 0u);
    if (c.expectPrompt) {
        const QString shown = c.named ? ws.model.fileName : QStringLiteral("Untitled.kel");
        EXPECT_EQ(boxes[0].text,
                  QStringLiteral("Do you want to save the changes you made to file: '") + shown
                      + QStringLiteral("'?"));
        EXPECT_EQ(boxes[0].buttons, PromptButtons::YesNoCancel);
    }
    EXPECT_EQ(prompts.unscripted, 0);
}

using A = PromptAnswer;
INSTANTIATE_TEST_SUITE_P(
    Cases, OfferToSave,
    ::testing::Values(
        OfferCase{"UntitledEmpty", false, false, false, {}, {}, false, SaveOffer::GoOn},
        OfferCase{"UntitledOneGroupNo", false, false, true, {A::No}, {}, true, SaveOffer::GoOn},
        OfferCase{
            "UntitledOneGroupCancel", false, false, true, {A::Cancel}, {}, true, SaveOffer::Stop},
        OfferCase{"UntitledYesSaved",
                  false,
                  false,
                  true,
                  {A::Yes},
                  {QStringLiteral("new")},
                  true,
                  SaveOffer::GoOn},
        // The user asked to keep the work; a save that did not happen must
        // not let it be thrown away.
        OfferCase{"UntitledYesSaveDialogCancelled",
                  false,
                  false,
                  true,
                  {A::Yes},
                  {std::nullopt},
                  true,
                  SaveOffer::Stop},
        OfferCase{"NamedUnchanged", true, false, false, {}, {}, false, SaveOffer::GoOn},
        OfferCase{"NamedChangedNo", true, true, false, {A::No}, {}, true, SaveOffer::GoOn},
        OfferCase{"NamedChangedCancel", true, true, false, {A::Cancel}, {}, true, SaveOffer::Stop},
        OfferCase{"NamedChangedYes", true, true, false, {A::Yes}, {}, true, SaveOffer::GoOn}),
    [](const auto &info) { return std::string(info.param.name); });

// Yes saves the named model so it no longer differs; a save that fails stops.
TEST_F(FileCommandsTest, YesSavesOrStops)
{
    makeModel(ws);
    saveAs("m.kel");
    ws.view.scale = 250;
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    EXPECT_EQ(offerToSave(ws, PromptIcon::Exclamation), SaveOffer::GoOn);
    EXPECT_TRUE(Model_Equals_File(ws));

    ws.model.fileName = path("missing-folder/m.kel"); // cannot be written
    EXPECT_EQ(offerToSave(ws, PromptIcon::None), SaveOffer::Stop);
    EXPECT_EQ(ws.model.nodeCount, 2);
}

TEST_F(FileCommandsTest, OpenMarksTheModelChangedUnlessCancelled)
{
    makeModel(ws);
    saveAs("m.kel");
    const QString name = ws.model.fileName;
    prompts.files = {std::nullopt, name};

    EXPECT_EQ(openModel(ws), ReadOutcome::Cancelled);
    EXPECT_EQ(ws.model.nodeCount, 2);
    EXPECT_FALSE(ws.model.modelChanged);

    EXPECT_EQ(openModel(ws), ReadOutcome::Read);
    EXPECT_TRUE(ws.model.modelChanged);
    EXPECT_EQ(ws.model.fileName, name);
}

TEST(AskReanalyse, OffersOnlyForAChangedModel)
{
    const struct {
        bool changed;
        std::vector<PromptAnswer> answers;
        size_t prompts;
        int analyses;
    } rows[] = {{false, {}, 0, 0}, {true, {A::No}, 1, 0}, {true, {A::Yes}, 1, 1}};
    for (const auto &c : rows) {
        Workspace ws;
        ScriptedPrompts prompts;
        ws.setPrompts(&prompts);
        ws.model.modelChanged = c.changed;
        prompts.answers.assign(c.answers.begin(), c.answers.end());
        int analyses = 0;

        Ask_Reanalyse(ws, [&] { ++analyses; });

        EXPECT_EQ(analyses, c.analyses);
        const auto boxes = prompts.messages();
        ASSERT_EQ(boxes.size(), c.prompts);
        if (c.prompts) {
            EXPECT_EQ(boxes[0].text,
                      QStringLiteral("Model has been changed. Do you want to reanalyze "
                                     "before the process goes on?"));
            EXPECT_EQ(boxes[0].buttons, PromptButtons::YesNo);
        }
    }
}

} // namespace
