// The .kel model file: what the writer writes byte for byte, what the reader
// accepts and refuses, and the state both leave behind.
#include "analysis/epilisi.h"
#include "common/SettingsTable.h"
#include "core/FileFixtures.h"

#include <QDir>
#include <QScopeGuard>
#include <sys/stat.h>

namespace {

using namespace truss;

// The one box shown since the last clear: a critical one whose text is
// `text` (or starts with it), which is also the last, red line of the log.
void expectToldOnce(TestWorkspace &ws, const QString &text, bool whole = true)
{
    ASSERT_EQ(ws.prompts.shown.size(), 1u);
    const ShownPrompt &box = ws.prompts.shown[0];
    EXPECT_TRUE(whole ? box.text == text : box.text.startsWith(text)) << box.text.toStdString();
    EXPECT_EQ(box.icon, PromptIcon::Critical);
    EXPECT_EQ(std::pair(ws.log.entries().last().text, ws.log.entries().last().colour),
              std::pair(box.text, int(LogRed)));
}

const QString kData = QStringLiteral(KEL2D_TEST_DATA);
const QString kSmallExample = kData + QStringLiteral("/small_example.kel");
const QString kEmptyModel = kData + QStringLiteral("/empty_model.kel");
const QString kSaveError = QStringLiteral("There was an error saving the file: ");

TEST_F(FilesTest, ModelIsWrittenByteForByteAndReadBack)
{
    smallExample(ws.model);
    const QString name = saveAs(QStringLiteral("out.kel"));
    EXPECT_EQ(readBytes(name), readBytes(kSmallExample));
    EXPECT_EQ(ws.log.entries().last().text, QStringLiteral("Save file: ") + name);

    TestWorkspace back;
    smallExample(back.model); // replaced, not added to
    QString file = kSmallExample;
    ASSERT_EQ(Read_Model_File(back, file), ReadOutcome::Read);
    EXPECT_TRUE(back.model.sameData(ws.model));
    // The open command marks the model changed, not the reader.
    EXPECT_EQ(std::tuple(back.settings, back.model.modelChanged, back.model.fileName,
                         back.hooks.captions),
              std::tuple(Settings{}, false, kSmallExample,
                         QStringList{"Corvane Kel.2D - " + kSmallExample}));
    EXPECT_EQ(back.log.entries().last().text, QStringLiteral("Open file: ") + kSmallExample);
}

TEST_F(FilesTest, ModelAtTheCapacitiesReadsBackIdentically)
{
    Model &m = ws.model;
    for (int g = 1; g <= kMaxGroups; ++g)
        group(m, 2.1e11 + g * 1234.5, g / 64.0);
    for (int n = 1; n <= kMaxNodes; ++n) {
        node(m, n * 0.25f, -n * 1.5f, float(n % 2), float(n % 3 == 0), n % 4 ? 0.f : -1e-5f,
             n % 5 ? 0.f : 12345.67f);
        if (n % 7 == 0)
            spring(m, n, n * 10.f, 0.5f);
    }
    for (int e = 1; e <= kMaxElements; ++e)
        element(m, e % kMaxNodes + 1, (e * 7) % kMaxNodes + 1, e % kMaxGroups + 1);
    ws.view.scale = 1234.5f, ws.view.offsetX = -3.14159265358979, ws.view.offsetY = 1e-9;
    ws.view.historyIndex = 4;
    const QString name = saveAs(QStringLiteral("full.kel"));

    TestWorkspace back;
    QString file = name;
    ASSERT_EQ(Read_Model_File(back, file), ReadOutcome::Read);
    EXPECT_TRUE(back.model.sameData(m));
    const ViewTransform &v = back.view;
    EXPECT_EQ(std::tuple(v.scale, v.offsetX, v.offsetY, v.historyIndex, v.history[0].scale),
              std::tuple(ws.view.scale, ws.view.offsetX, ws.view.offsetY, std::int16_t(0), 1234.5));
    QString again = path(QStringLiteral("again.kel"));
    ASSERT_TRUE(Write_Model_File(back, again, false));
    EXPECT_EQ(readBytes(again), readBytes(name)); // nothing drifts on a second save
}

// The example models shipped with the program open, analyse without a
// question or a warning, and are written back byte for byte.
TEST_F(FilesTest, ExampleModelsOpenAnalyseAndSaveUnchanged)
{
    for (const char *name : {"warren.kel", "roof.kel", "cantilever.kel"}) {
        SCOPED_TRACE(name);
        TestWorkspace example;
        QString source = QStringLiteral(KEL2D_SOURCE_DIR "/examples/") + QLatin1String(name);
        ASSERT_EQ(Read_Model_File(example, source), ReadOutcome::Read);
        ASSERT_TRUE(Run_Analysis(example));
        for (const LogEntry &e : example.log.entries())
            EXPECT_NE(e.colour, LogRed) << qPrintable(e.text);
        EXPECT_GT(example.results.extrema.maxAbsN, 0.0);
        // A quiet save (the working copy) changes nothing the user sees.
        const auto before = std::tuple(example.hooks.captions, example.log.entries().size());
        QString copy = path(QLatin1String(name));
        ASSERT_TRUE(Write_Model_File(example, copy, true));
        EXPECT_EQ(readBytes(copy), readBytes(source));
        EXPECT_EQ(std::tuple(example.hooks.captions, example.log.entries().size(),
                             example.model.fileName),
                  std::tuple(std::get<0>(before), std::get<1>(before), source));
    }
}

// The dialog proposes the current name without its last four characters; a
// chosen name gets the extension unless it already ends in it, and asks again
// before that other file is replaced; a cancelled dialog changes nothing.
TEST_F(FilesTest, SaveDialogProposesAndExtendsNames)
{
    ASSERT_TRUE(writeBytes(path(QStringLiteral("old.kel")), "precious"));
    using A = PromptAnswer;
    const QString untitled = QDir::current().filePath(QStringLiteral("Untitled"));
    const struct {
        QString current, proposed;
        const char *typed; // null: cancelled
        std::vector<PromptAnswer> replace;
        const char *written; // null: nothing
    } rows[] = {
        // clang-format off
        {QString(), untitled, nullptr, {}, nullptr},
        {"/data/bridge.kel", "/data/bridge", "model.KEL", {}, "model.KEL.kel"},
        {QString(), untitled, "old", {A::No}, nullptr},
        {QString(), untitled, "old", {A::Yes}, "old.kel"},
        // clang-format on
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.proposed.toStdString() + " " + (row.typed ? row.typed : "cancelled"));
        ws.model.fileName = row.current;
        ws.prompts.files.push_back(row.typed ? std::optional(path(QLatin1String(row.typed)))
                                             : std::nullopt);
        ws.prompts.answers.assign(row.replace.begin(), row.replace.end());
        ws.hooks.captions.clear();
        QString name;
        EXPECT_EQ(Write_Model_File(ws, name, false), row.written != nullptr);
        const ShownPrompt &dialog = ws.prompts.shown.front();
        EXPECT_EQ(std::pair(dialog.location, dialog.extra),
                  std::pair(row.proposed, QStringLiteral("Corvane Kel.2D files (*.kel)")));
        ws.prompts.shown.clear();
        const QString expected = row.written ? path(QLatin1String(row.written)) : row.current;
        EXPECT_EQ(ws.model.fileName, expected);
        EXPECT_EQ(ws.hooks.captions.isEmpty(), !row.written);
        if (row.written)
            EXPECT_EQ(readBytes(expected), readBytes(kEmptyModel));
        else
            EXPECT_EQ(readBytes(path(QStringLiteral("old.kel"))), QByteArray("precious"));
    }
}

// A save that fails, at the start (no such folder) or part-way (the file
// size limit of the process, which binds even where permissions would not),
// is told, and leaves the old file, the name and the caption as they were.
TEST_F(FilesTest, FailedSavesAreToldAndChangeNothing)
{
    const QString old = saveAs(QStringLiteral("model.kel"));
    smallExample(ws.model);
    ws.model.fileName = QStringLiteral("/data/model.kel");
    for (const auto &[target, sizeLimit, reason] :
         {std::tuple{path(QStringLiteral("missing-folder/model.kel")), rlim_t(0),
                     "No such file or directory"},
          std::tuple{old, rlim_t(100), "File too large"}}) {
        SCOPED_TRACE(reason);
        ws.prompts.answers = {PromptAnswer::Ok};
        ws.prompts.shown.clear();
        QString name = target;
        {
            std::optional<FileSizeLimit> limit;
            if (sizeLimit)
                limit.emplace(sizeLimit);
            EXPECT_FALSE(Write_Model_File(ws, name, false));
        }
        expectToldOnce(ws, kSaveError + reason, false);
        EXPECT_EQ(ws.model.fileName, QStringLiteral("/data/model.kel"));
        EXPECT_TRUE(ws.hooks.captions.isEmpty());
        EXPECT_EQ(readBytes(old), readBytes(kEmptyModel));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"model.kel"});
    }
}

// A folder that takes no new file but holds a file the user may write (a
// shared folder): the save cannot be atomic there, so it writes the file in
// place.
TEST_F(FilesTest, FolderThatTakesNoNewFileIsSavedInPlace)
{
    const QString folder = path(QStringLiteral("shared"));
    const QString name = folder + QStringLiteral("/model.kel");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(writeBytes(name, "old"));
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    const auto restore = qScopeGuard([&] { chmod(QFile::encodeName(folder).constData(), 0755); });
    const PermissionsApply permissions;
    if (!permissions.apply())
        GTEST_SKIP() << "root cannot give up its file-permission override here";

    smallExample(ws.model);
    QString target = name;
    ASSERT_TRUE(Write_Model_File(ws, target, false));
    EXPECT_EQ(readBytes(name), readBytes(kSmallExample));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("model.kel")});
}

// A change to the small example: the line `offset` lines below its block's
// label ("Groups", ..., "Settings") gets `text`; with no text the file ends.
struct Change {
    const char *label;
    int offset;
    QByteArray text;
};
Change at(SettingMember setting, QByteArray text)
{
    return {"Settings", settingRow(setting).fileLine, text};
}

// The changed example, its lines ended by CR LF; `number` gets the number of
// the last line changed.
QByteArray edited(const std::vector<Change> &changes, int *number = nullptr)
{
    QList<QByteArray> lines = readBytes(kSmallExample).split('\n');
    lines.removeLast(); // after the last line end
    for (const Change &c : changes) {
        const qsizetype at = lines.indexOf(c.label + QByteArray("\r")) + 1 + c.offset;
        EXPECT_GE(at, 1 + c.offset) << c.label;
        if (c.text.isNull())
            lines = lines.mid(0, at);
        else
            lines[at - 1] = c.text + '\r';
        if (number)
            *number = int(at);
    }
    return lines.join('\n') + '\n';
}

// Lines below a block's label: its count, then per row a blank line and the
// row's number and fields; the view scale is the 27th line of the settings.
constexpr int kCount = 1, kNode1X = 4, kSpringNode = 2, kSpringKx = 3, kViewScale = 27;

// A damaged file is told with the line at fault and leaves an empty untitled
// model; a file that only varies from what the program writes is read.
TEST_F(FilesTest, DamagedFilesLeaveAnEmptyUntitledModelAndVariationsAreRead)
{
    const QString line = QStringLiteral("There was an error opening the file: line %1");
    using S = Settings;
    const struct {
        std::vector<Change> changes;
        QString message; // %1: the line's number; empty: read
    } rows[] = {
        // clang-format off
        {{{"Groups", -5, "*       Kel!2D Input file         *"}}, // the second line
         "There was an error opening the file. The file could not be read."},
        {{{"Nodes", kCount, "101"}}, line + ": the node count 101 exceeds the limit of 100."},
        {{{"Springs", kSpringNode, "101"}}, line + ": the spring node number 101 is outside 1 to 100."},
        {{{"Nodes", kNode1X, "abc"}}, line + ": a number was expected."},
        {{{"Nodes", kNode1X, "1e39"}}, line + ": the value 1E+39 is too large for a single-precision field."},
        {{{"Nodes", kNode1X, QByteArray(5000, '1')}}, line + " is too long."},
        {{{"Settings", 24, {}}}, "There was an error opening the file: the file ends before its settings are complete."},
        // Whole-number fields are 16-bit integers: fractions round, halves to even.
        {{{"Groups", kCount, "1.4"}, {"Nodes", kCount, "2.5"}, {"Springs", kSpringNode, "2.5"},
          at(&S::dekadika_strain, "13.5")}, {}},
        // Values the program never gives these fields would stall or break the
        // drawing: each falls back to its default.
        {{at(&S::dekadika_N, "14"), at(&S::dekadika_strain, "-1"), at(&S::Ena_cm_posa_FORCE, "0"),
          {"Settings", kViewScale, ".5"}, at(&S::kannab, "-2"), at(&S::Animation_Frames, "0")}, {}},
        {{{"Settings", 43, {}}}, {}}, // no line end after the last setting
        // clang-format on
    };
    Model example;
    smallExample(example);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        ws.prompts.shown.clear(), ws.hooks.captions.clear();
        smallExample(ws.model);
        ws.model.fileName = QStringLiteral("/data/previous.kel"), ws.model.modelChanged = false;
        ws.settings.dekadika_N = 9, ws.view.scale = 9;
        int number = 0;
        QByteArray text = edited(row.changes, &number);
        if (row.changes[0].offset == 43)
            text.chop(2);
        QString name = path(QStringLiteral("in.kel"));
        ASSERT_TRUE(writeBytes(name, text));
        if (row.message.isEmpty()) {
            EXPECT_EQ(Read_Model_File(ws, name), ReadOutcome::Read);
            EXPECT_TRUE(ws.model.sameData(example));
            EXPECT_EQ(std::pair(ws.settings, ws.view.scale), std::pair(Settings{}, 100.0f));
            continue;
        }
        ws.prompts.answers = {PromptAnswer::Ok};
        EXPECT_EQ(Read_Model_File(ws, name), ReadOutcome::Failed);
        expectToldOnce(ws, row.message.contains(u'%') ? row.message.arg(number) : row.message);
        EXPECT_TRUE(ws.model.sameData(Model{}));
        EXPECT_EQ(std::tuple(ws.model.modelChanged, ws.model.fileName, ws.hooks.captions),
                  std::tuple(true, QString(), QStringList{"Corvane Kel.2D - Untitled.kel"}));
    }
}

// A hand-edited file may hold values the program never writes; it opens, so
// they can be mended, and the analysis refuses them with the node's number.
TEST_F(FilesTest, NegativeSpringOpensAndTheAnalysisRefusesIt)
{
    QString name = path(QStringLiteral("in.kel"));
    ASSERT_TRUE(writeBytes(name, edited({{"Springs", kSpringKx, "-5"}})));
    ASSERT_EQ(Read_Model_File(ws, name), ReadOutcome::Read);
    ws.prompts.answers = {PromptAnswer::Ok};
    EXPECT_FALSE(Run_Analysis(ws));
    EXPECT_EQ(ws.prompts.shown.back().text,
              "Node #2 has the spring constant Kx = -5, which is "
              "negative. The analysis cannot be carried out.");
}

} // namespace
