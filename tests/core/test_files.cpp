// The .kel model file: what the writer writes byte for byte, what the reader
// accepts and refuses, and the state both leave behind.
#include "analysis/epilisi.h"
#include "common/SettingsTable.h"
#include "core/FileFixtures.h"

#include <QDir>
#include <QScopeGuard>
#include <functional>
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
    EXPECT_EQ(ws.log.entries().last().text, box.text);
    EXPECT_EQ(ws.log.entries().last().colour, LogRed);
}

const QString kData = QStringLiteral(KEL2D_TEST_DATA);
const QString kSmallExample = kData + QStringLiteral("/small_example.kel");
const QString kUntitledCaption = QStringLiteral("Corvane Kel.2D - Untitled.kel");
const QString kSaveError = QStringLiteral("There was an error saving the file: ");

// ------------------------------------------------------------ writing

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
    EXPECT_EQ(back.settings, Settings{});
    EXPECT_FALSE(back.model.modelChanged); // the open command sets it, not the reader
    EXPECT_EQ(back.model.fileName, kSmallExample);
    EXPECT_EQ(back.hooks.captions,
              QStringList{QStringLiteral("Corvane Kel.2D - ") + kSmallExample});
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
    // Written again, the file is the same: nothing drifts on a second save. A
    // quiet save (the working copy) changes nothing visible.
    back.model.modelChanged = true;
    const auto visible = [&] {
        return std::tuple(back.hooks.captions, back.log.entries().size(), back.model.fileName);
    };
    const auto before = visible();
    QString again = path(QStringLiteral("again.kel"));
    ASSERT_TRUE(Write_Model_File(back, again, true));
    EXPECT_EQ(readBytes(again), readBytes(name));
    EXPECT_EQ(visible(), before);
    EXPECT_TRUE(back.model.modelChanged);
}

// The dialog proposes the current name without its last four characters
// (never cutting into its folder); a chosen name gets the extension unless it
// already ends in it, and asks again before that other file is replaced; a
// cancelled dialog writes and changes nothing.
TEST_F(FilesTest, SaveDialogProposesAndExtendsNames)
{
    ASSERT_TRUE(writeBytes(path(QStringLiteral("old.kel")), "precious"));
    using A = PromptAnswer;
    const QString untitled = QDir::current().filePath(QStringLiteral("Untitled"));
    const struct {
        QString current;
        QString proposed;
        const char *typed; // null: cancelled
        std::vector<PromptAnswer> replace;
        const char *written; // null: nothing
    } rows[] = {
        // clang-format off
        {QString(), untitled, nullptr, {}, nullptr},
        {QStringLiteral("/data/bridge.kel"), QStringLiteral("/data/bridge"), "model", {}, "model.kel"},
        {QStringLiteral("/data/bridge.dat"), QStringLiteral("/data/bridge"), "model.KEL", {}, "model.KEL.kel"},
        {QStringLiteral("/data/x"), QStringLiteral("/data/"), "model.kel", {}, "model.kel"},
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
        EXPECT_EQ(ws.prompts.shown.front().location, row.proposed);
        EXPECT_EQ(ws.prompts.shown.front().extra, QStringLiteral("Corvane Kel.2D files (*.kel)"));
        ws.prompts.shown.clear();
        if (!row.written) {
            EXPECT_EQ(ws.model.fileName, row.current);
            EXPECT_TRUE(ws.hooks.captions.isEmpty());
            EXPECT_EQ(readBytes(path(QStringLiteral("old.kel"))), QByteArray("precious"));
            continue;
        }
        const QString expected = path(QLatin1String(row.written));
        EXPECT_EQ(name, expected);
        EXPECT_EQ(ws.model.fileName, expected);
        EXPECT_EQ(readBytes(expected), readBytes(kData + QStringLiteral("/empty_model.kel")));
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
    const struct {
        QString target;
        rlim_t sizeLimit; // 0: none
        const char *reason;
    } rows[] = {
        {path(QStringLiteral("missing-folder/model.kel")), 0, "No such file or directory"},
        {old, 100, "File too large"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.reason);
        ws.prompts.answers = {PromptAnswer::Ok};
        ws.prompts.shown.clear();
        QString name = row.target;
        {
            std::optional<FileSizeLimit> limit;
            if (row.sizeLimit)
                limit.emplace(row.sizeLimit);
            EXPECT_FALSE(Write_Model_File(ws, name, false));
        }
        expectToldOnce(ws, kSaveError + row.reason, false);
        EXPECT_EQ(ws.model.fileName, QStringLiteral("/data/model.kel"));
        EXPECT_TRUE(ws.hooks.captions.isEmpty());
        EXPECT_EQ(readBytes(old), readBytes(kData + QStringLiteral("/empty_model.kel")));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"model.kel"});
    }
}

// A folder that takes no new file but holds a file the user may write (a
// shared folder): the save cannot be atomic there, so it writes the file in
// place; a failed write in place is told like any failed save.
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
    ASSERT_FALSE(QFile(folder + QStringLiteral("/new")).open(QIODevice::WriteOnly));

    smallExample(ws.model);
    QString target = name;
    ASSERT_TRUE(Write_Model_File(ws, target, false));
    EXPECT_EQ(readBytes(name), readBytes(kSmallExample));
    {
        FileSizeLimit limit(100);
        ws.prompts.answers = {PromptAnswer::Ok};
        EXPECT_FALSE(Write_Model_File(ws, target, false));
    }
    EXPECT_EQ(ws.prompts.shown.at(0).text, kSaveError + QStringLiteral("File too large"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("model.kel")});
}

// ------------------------------------------------------------ reading

// The small example as lines, each edit finding its line by the label of
// its block ("Groups", "Nodes", ..., "Settings") and returning its number.
using Lines = QList<QByteArray>;
using Edit = std::function<int(Lines &)>;

Lines exampleLines()
{
    Lines lines = readBytes(kSmallExample).split('\n');
    lines.removeLast(); // after the last line end
    for (QByteArray &l : lines)
        l.chop(1); // the CR
    return lines;
}

// The line `offset` lines below the label, e.g. ("Nodes", 1) the node count.
int lineOf(const Lines &lines, const char *label, int offset)
{
    const qsizetype at = lines.indexOf(label);
    EXPECT_GE(at, 0) << label;
    return int(at) + 1 + offset;
}
Edit set(const char *label, int offset, QByteArray text)
{
    return [=](Lines &l) {
        const int n = lineOf(l, label, offset);
        l[n - 1] = text;
        return n;
    };
}
Edit set(SettingMember setting, QByteArray text)
{
    return set("Settings", settingRow(setting).fileLine, text);
}
// Cut after the line `offset` below the label.
Edit cutAfter(const char *label, int offset)
{
    return [=](Lines &l) {
        l = l.mid(0, lineOf(l, label, offset));
        return 0;
    };
}
// Several edits on one file.
Edit all(std::vector<Edit> edits)
{
    return [=](Lines &l) {
        for (const Edit &e : edits)
            e(l);
        return 0;
    };
}

// The edited example, its lines ended by `end`; `number` gets the edited
// line's number.
QByteArray edited(const Edit &edit, const char *end = "\r\n", int *number = nullptr)
{
    Lines lines = exampleLines();
    const int n = edit(lines);
    if (number)
        *number = n;
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + end;
    return out;
}

// Lines below a block's label: its count, then per row a blank line and the
// row's number and fields (node 1's x is 4 below "Nodes", node 2's y flag
// 15); the view scale is the 27th line of the settings block.
constexpr int kCount = 1, kNode1X = 4, kNode1Cx = 6, kNode2Cy = 15, kGroup1E = 4;
constexpr int kSpringNode = 2, kSpringKx = 3, kViewScale = 27;

TEST_F(FilesTest, DamagedFilesLeaveAnEmptyUntitledModel)
{
    const QString unreadable =
        QStringLiteral("There was an error opening the file. The file could not be read.");
    const QString line = QStringLiteral("There was an error opening the file: line %1");
    const QString error = QStringLiteral("There was an error opening the file: ");
    using S = Settings;
    const struct {
        Edit edit;
        QString message; // %1: the line's number
    } rows[] = {
        {[](Lines &l) { return l[1] = "*        KEL!2D Input file        *", 0; }, unreadable},
        {[](Lines &l) { return l[1] = "*       Kel!2D Input file         *", 0; }, unreadable},
        {[](Lines &l) { return l.clear(), 0; }, unreadable},
        {set("Groups", kCount, "51"), line + ": the group count 51 exceeds the limit of 50."},
        {set("Groups", kCount, "-0.6"), line + ": the group count -0.6 is negative."},
        {set("Nodes", kCount, "101"), line + ": the node count 101 exceeds the limit of 100."},
        {set("Elements", kCount, "201"),
         line + ": the element count 201 exceeds the limit of 200."},
        {set("Springs", kSpringNode, "101"),
         line + ": the spring node number 101 is outside 1 to 100."},
        {set("Nodes", kNode1X, "abc"), line + ": a number was expected."},
        {set("Groups", kGroup1E, "nan"), line + ": a number was expected."},
        {set("Groups", kGroup1E, "1e400"), line + ": a number was expected."},
        {set("Nodes", kNode1X, "1e39"),
         line + ": the value 1E+39 is too large for a single-precision field."},
        {set(&S::dekadika_N, "32767.5"),
         line + ": a whole number from -32768 to 32767 was expected."},
        {set("Nodes", kNode1X, QByteArray(5000, '1')), line + " is too long."},
        {cutAfter("Springs", kSpringKx), error + "the file ends before its springs are complete."},
        {cutAfter("Settings", 24), error + "the file ends before its settings are complete."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        ws.prompts.shown.clear();
        ws.hooks.captions.clear();
        smallExample(ws.model);
        ws.model.fileName = QStringLiteral("/data/previous.kel");
        ws.model.modelChanged = false;
        int number = 0;
        QString name = path(QStringLiteral("in.kel"));
        ASSERT_TRUE(writeBytes(name, edited(row.edit, "\r\n", &number)));
        ws.prompts.answers = {PromptAnswer::Ok};
        EXPECT_EQ(Read_Model_File(ws, name), ReadOutcome::Failed);
        expectToldOnce(ws, number ? row.message.arg(number) : row.message);
        EXPECT_TRUE(ws.model.sameData(Model{}));
        EXPECT_TRUE(ws.model.modelChanged);
        EXPECT_TRUE(ws.model.fileName.isEmpty());
        EXPECT_EQ(ws.hooks.captions, QStringList{kUntitledCaption});
    }
    // Files that cannot be opened at all: missing, or a folder.
    for (QString name : {path(QStringLiteral("none.kel")), dir.path()}) {
        smallExample(ws.model);
        ws.prompts.answers = {PromptAnswer::Ok};
        EXPECT_EQ(Read_Model_File(ws, name), ReadOutcome::Failed);
        EXPECT_TRUE(ws.prompts.shown.back().text.startsWith(error)) << name.toStdString();
        EXPECT_TRUE(ws.model.sameData(Model{}));
    }
}

TEST_F(FilesTest, TolerableVariationsAreRead)
{
    Model expected;
    smallExample(expected);
    using S = Settings;
    const struct {
        const char *what;
        Edit edit;
        const char *lineEnd; // null: CR LF, but none after the last line
    } rows[] = {
        {"last line missing", cutAfter("Settings", 43), "\r\n"},
        // Whole-number fields are 16-bit integers: fractions round, halves to even.
        {"fractions in whole numbers",
         all({set("Groups", kCount, "1.4"), set("Nodes", kCount, "2.5"),
              set("Elements", kCount, ".6"), set("Springs", kCount, "0.6"),
              set("Springs", kSpringNode, "2.5"), set(&S::dekadika_N, "3.4"),
              set(&S::dekadika_strain, "13.5"), set(&S::Animation_Frames, "100.5")}),
         "\r\n"},
        {"bare LF line ends", all({}), "\n"},
        {"no line end after the last setting", cutAfter("Settings", 43), nullptr},
        // Values the program never gives these fields would stall or break
        // the drawing: each falls back to its default.
        {"out-of-range display values",
         all({set(&S::dekadika_N, "14"), set(&S::dekadika_strain, "-1"),
              set(&S::Ena_cm_posa_FORCE, "0"), set("Settings", kViewScale, ".5"),
              set(&S::kannab, "-2"), set(&S::Animation_Frames, "0")}),
         "\r\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        ws.settings.dekadika_N = 9;
        ws.view.scale = 9;
        QByteArray text = edited(row.edit, row.lineEnd ? row.lineEnd : "\r\n");
        if (!row.lineEnd)
            text.chop(2);
        QString name = path(QStringLiteral("in.kel"));
        ASSERT_TRUE(writeBytes(name, text));
        EXPECT_EQ(Read_Model_File(ws, name), ReadOutcome::Read);
        EXPECT_TRUE(ws.model.sameData(expected));
        EXPECT_EQ(ws.settings, Settings{});
        EXPECT_EQ(ws.view.scale, 100.0f);
    }
    // Scale 1, the smallest a zoom leaves, is a view like any other.
    QString name = path(QStringLiteral("in.kel"));
    ASSERT_TRUE(writeBytes(name, edited(set("Settings", kViewScale, "1"))));
    EXPECT_EQ(Read_Model_File(ws, name), ReadOutcome::Read);
    EXPECT_EQ(ws.view.scale, 1.0f);
}

// A hand-edited file may hold values the program never writes; it opens, so
// they can be mended, and the analysis refuses them with the node's number.
TEST_F(FilesTest, UnusualConstraintsAndSpringsOpenAndTheAnalysisRefusesThem)
{
    const struct {
        Edit edit;
        const char *refusal;
    } rows[] = {
        {set("Nodes", kNode1Cx, "2"),
         "Node #1 has the x-constraint flag 2, which is neither 0 (free) nor 1 (fixed)."},
        {set("Nodes", kNode2Cy, "-.5"),
         "Node #2 has the y-constraint flag -0.5, which is neither 0 (free) nor 1 (fixed)."},
        {set("Springs", kSpringKx, "-5"),
         "Node #2 has the spring constant Kx = -5, which is negative."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.refusal);
        QString name = path(QStringLiteral("in.kel"));
        ASSERT_TRUE(writeBytes(name, edited(row.edit)));
        ASSERT_EQ(Read_Model_File(ws, name), ReadOutcome::Read);
        ws.prompts.answers = {PromptAnswer::Ok};
        EXPECT_FALSE(Run_Analysis(ws));
        EXPECT_EQ(ws.prompts.shown.back().text,
                  row.refusal + QStringLiteral(" The analysis cannot be carried out."));
    }
}

} // namespace
