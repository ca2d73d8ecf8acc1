// The .kel model file: what the writer writes byte for byte, what the reader
// accepts and refuses, and the state both leave behind.
#include "core/ScriptedPrompts.h"

#include "analysis/epilisi.h"
#include "files/Files.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#ifdef Q_OS_UNIX
#include <QScopeGuard>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#endif

namespace {

const QString kData = QStringLiteral(KEL2D_TEST_DATA);
const QString kUntitledCaption = QStringLiteral("Corvane Kel.2D - Untitled.kel");
const QString kCouldNotBeRead =
    QStringLiteral("There was an error opening the file. The file could not be read.");

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct CaptionHooks : MainWindowHooks {
    QStringList captions;
    void setCaption(const QString &c) override { captions << c; }
};

// The example model of the file format: one group, two nodes, one element
// and a spring under node 2.
void buildSmallExample(Model &m)
{
    m.groupCount = 1;
    m.groups[1] = {1000.0, 0.5};
    m.nodeCount = 2;
    m.nodes[1] = {0, 0, 1, 1, 0, 0};
    m.nodes[2] = {2, 0, 0, 0, 0, -10};
    m.springs[2] = {0, 500};
    m.elementCount = 1;
    m.elements[1] = {1, 2, 1};
}

#ifdef Q_OS_UNIX
// The process's file-size limit for the life of the object. The signal a
// write beyond it raises is ignored, as the programs ignore it, so the write
// fails with "File too large".
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    bool set() const { return m_set; }

private:
    rlimit m_old{};
    void (*m_previousHandler)(int) = nullptr;
    bool m_set = false;
};
#endif

#ifdef Q_OS_LINUX
// Root passes every permission check through two capabilities. Without them
// in its effective set (for the life of the object) it meets file
// permissions as any user does, so a test can give it a folder it may not
// create files in. Another user has nothing to drop.
class PermissionsApply {
public:
    PermissionsApply() : m_dropped(geteuid() == 0 && setOverride(false)) {}
    ~PermissionsApply()
    {
        if (m_dropped)
            setOverride(true);
    }
    bool apply() const { return m_dropped || geteuid() != 0; }

private:
    static bool setOverride(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &header, data) != 0)
            return false;
        for (unsigned cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
            const unsigned bit = 1u << (cap % 32);
            data[cap / 32].effective =
                on ? data[cap / 32].effective | bit : data[cap / 32].effective & ~bit;
        }
        return syscall(SYS_capset, &header, data) == 0;
    }

    bool m_dropped;
};
#endif

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ws.setPrompts(&prompts);
        ws.setHooks(&hooks);
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    // Writes `bytes` to a file and reads it with the reader.
    ReadOutcome readText(const QByteArray &bytes, QString *name = nullptr)
    {
        QString file = path(QStringLiteral("in.kel"));
        EXPECT_TRUE(writeBytes(file, bytes));
        if (name)
            *name = file;
        return Read_Model_File(ws, file);
    }

    QTemporaryDir dir;
    Workspace ws;
    ScriptedPrompts prompts;
    CaptionHooks hooks;
};

// ------------------------------------------------------------ writing

TEST_F(FilesTest, SmallExampleIsWrittenByteForByteAndReadBack)
{
    buildSmallExample(ws.model);
    QString name = path(QStringLiteral("small.kel"));
    ASSERT_TRUE(Write_Model_File(ws, name, false));
    QString golden = kData + QStringLiteral("/small_example.kel");
    EXPECT_EQ(readBytes(name), readBytes(golden));
    EXPECT_EQ(hooks.captions, QStringList{QStringLiteral("Corvane Kel.2D - ") + name});
    EXPECT_EQ(ws.log.entries().last().text, QStringLiteral("Save file: ") + name);

    Workspace back;
    back.model.modelChanged = false;
    ASSERT_EQ(Read_Model_File(back, golden), ReadOutcome::Read);
    EXPECT_TRUE(back.model.sameData(ws.model));
    EXPECT_EQ(back.settings, Settings{});
    EXPECT_FALSE(back.model.modelChanged); // the open command sets it, not the reader
    EXPECT_EQ(back.log.entries().last().text, QStringLiteral("Open file: ") + golden);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(FilesTest, EmptyModelIsWrittenAndReadBack)
{
    QString name = path(QStringLiteral("empty.kel"));
    ASSERT_TRUE(Write_Model_File(ws, name, false));
    EXPECT_EQ(readBytes(name), readBytes(kData + QStringLiteral("/empty_model.kel")));

    buildSmallExample(ws.model);
    ASSERT_EQ(Read_Model_File(ws, name), ReadOutcome::Read);
    EXPECT_TRUE(ws.model.sameData(Model{}));
}

TEST_F(FilesTest, SpringsListOnlySpringSupportedNodesInOrder)
{
    Model &m = ws.model;
    m.nodeCount = 5;
    m.springs[1] = {0, 0};
    m.springs[2] = {0, 3.5f};
    m.springs[4] = {250, 0};
    m.springs[5] = {0.25f, 1e8f};
    ws.model.modelChanged = true;
    QString name = path(QStringLiteral("springs.kel"));
    ASSERT_TRUE(Write_Model_File(ws, name, true));
    // A quiet save (the working copy) changes nothing visible.
    EXPECT_TRUE(hooks.captions.isEmpty());
    EXPECT_TRUE(ws.log.entries().isEmpty());
    EXPECT_TRUE(ws.model.fileName.isEmpty());
    EXPECT_TRUE(ws.model.modelChanged);

    const QByteArray text = readBytes(name);
    const QByteArray expected = "Springs\r\n3\r\n2\r\n0\r\n3.5\r\n4\r\n250\r\n0\r\n"
                                "5\r\n.25\r\n1E+08\r\nSettings\r\n";
    EXPECT_TRUE(text.contains(expected)) << text.toStdString();

    Workspace back;
    ASSERT_EQ(Read_Model_File(back, name), ReadOutcome::Read);
    EXPECT_TRUE(back.model.sameData(ws.model));
}

TEST_F(FilesTest, ModelAtTheCapacitiesReadsBackIdentically)
{
    Model &m = ws.model;
    m.groupCount = kMaxGroups;
    for (int g = 1; g <= kMaxGroups; ++g)
        m.groups[g] = {2.1e11 + g * 1234.5, g / 64.0};
    m.nodeCount = kMaxNodes;
    for (int n = 1; n <= kMaxNodes; ++n) {
        m.nodes[n] = {n * 0.25f,
                      -n * 1.5f,
                      float(n % 2),
                      float(n % 3 == 0),
                      n % 4 ? 0.f : -1e-5f,
                      n % 5 ? 0.f : 12345.67f};
        if (n % 7 == 0)
            m.springs[n] = {n * 10.f, 0.5f};
    }
    m.elementCount = kMaxElements;
    for (int e = 1; e <= kMaxElements; ++e)
        m.elements[e] = {float(e % kMaxNodes + 1), float((e * 7) % kMaxNodes + 1),
                         float(e % kMaxGroups + 1)};

    // Every setting away from its default, so a swapped line shows.
    Settings &s = ws.settings;
    s.nai_aksones = false, s.nai_sint_kombon = true, s.nai_graf_stir = false;
    s.Nai_Apolites_Sint = true, s.Show_FORCE = false, s.Show_STRAIN = true;
    s.dekadika_N = 5, s.dekadika_strain = 11, s.Animation_Frames = 1000;
    s.Ena_cm_posa_FORCE = 250.5f, s.Ena_cm_posa_STRESS = 1.5e6f, s.Ena_cm_posa_STRAIN = 2.5e-7f;
    s.kannab = 0.25f, s.Ena_cm_posa_m_epi_1000 = 3.75f;
    s.xroma_background = 255, s.xroma_grid = -2147483633.0, s.Xroma_Afortistou = 123456;
    ws.view.scale = 1234.5f, ws.view.offsetX = -3.14159265358979, ws.view.offsetY = 1e-9;
    ws.view.historyIndex = 4;

    QString name = path(QStringLiteral("full.kel"));
    ASSERT_TRUE(Write_Model_File(ws, name, true));

    Workspace back;
    ASSERT_EQ(Read_Model_File(back, name), ReadOutcome::Read);
    EXPECT_TRUE(back.model.sameData(ws.model));
    EXPECT_EQ(back.settings, ws.settings);
    EXPECT_EQ(back.view.scale, ws.view.scale);
    EXPECT_EQ(back.view.offsetX, ws.view.offsetX);
    EXPECT_EQ(back.view.offsetY, ws.view.offsetY);
    EXPECT_EQ(back.view.historyIndex, 0);
    EXPECT_EQ(back.view.history[0].scale, 1234.5);

    // Written again, the file is the same: nothing drifts on a second save.
    QString again = path(QStringLiteral("again.kel"));
    ASSERT_TRUE(Write_Model_File(back, again, true));
    EXPECT_EQ(readBytes(again), readBytes(name));
}

// The dialog proposes the current name without its last four characters
// (never cutting into its folder); a chosen name gets the extension unless it
// already ends in it; a cancelled dialog writes and changes nothing.
TEST_F(FilesTest, SaveDialogProposesAndExtendsNames)
{
    const struct {
        QString current;
        QString proposed;
        const char *typed; // null: cancelled
        const char *written;
    } rows[] = {
        {QString(), QDir::current().filePath(QStringLiteral("Untitled")), nullptr, nullptr},
        {QStringLiteral("/data/bridge.kel"), QStringLiteral("/data/bridge"), "model", "model.kel"},
        {QStringLiteral("/data/bridge.dat"), QStringLiteral("/data/bridge"), "model.KEL",
         "model.KEL.kel"},
        {QStringLiteral("/data/x"), QStringLiteral("/data/"), "model.kel", "model.kel"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.proposed.toStdString());
        ws.model.fileName = row.current;
        prompts.files.push_back(row.typed ? std::optional(path(QLatin1String(row.typed)))
                                          : std::nullopt);
        QString name;
        EXPECT_EQ(Write_Model_File(ws, name, false), row.typed != nullptr);
        EXPECT_EQ(prompts.shown.back().location, row.proposed);
        if (!row.typed) {
            EXPECT_EQ(ws.model.fileName, row.current);
            EXPECT_TRUE(hooks.captions.isEmpty());
            EXPECT_TRUE(QDir(dir.path()).isEmpty());
            continue;
        }
        const QString expected = path(QLatin1String(row.written));
        EXPECT_EQ(name, expected);
        EXPECT_EQ(ws.model.fileName, expected);
        EXPECT_TRUE(QFile::exists(expected));
    }
    EXPECT_EQ(prompts.shown.front().extra, QStringLiteral("Corvane Kel.2D files (*.kel)"));
}

TEST_F(FilesTest, AddedExtensionDoesNotOverwriteUnasked)
{
    const QString existing = path(QStringLiteral("bridge.kel"));
    ASSERT_TRUE(writeBytes(existing, "precious"));
    prompts.files.push_back(path(QStringLiteral("bridge")));
    prompts.answers.push_back(PromptAnswer::No);
    QString name;
    EXPECT_FALSE(Write_Model_File(ws, name, false));
    EXPECT_EQ(readBytes(existing), QByteArray("precious"));

    prompts.files.push_back(path(QStringLiteral("bridge")));
    prompts.answers.push_back(PromptAnswer::Yes);
    EXPECT_TRUE(Write_Model_File(ws, name, false));
    EXPECT_NE(readBytes(existing), QByteArray("precious"));
}

TEST_F(FilesTest, FailedSaveIsReportedAndChangesNothing)
{
    ws.model.fileName = QStringLiteral("/data/model.kel");
    QString name = path(QStringLiteral("missing-folder/model.kel"));
    EXPECT_FALSE(Write_Model_File(ws, name, false));

    const auto boxes = prompts.messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("There was an error saving the file: ")));
    EXPECT_GT(boxes[0].text.size(), 37); // a description follows
    EXPECT_EQ(boxes[0].icon, PromptIcon::Critical);
    EXPECT_EQ(ws.log.entries().last().text, boxes[0].text);
    EXPECT_EQ(ws.log.entries().last().colour, LogRed);
    EXPECT_EQ(ws.model.fileName, QStringLiteral("/data/model.kel"));
    EXPECT_TRUE(hooks.captions.isEmpty());
}

#ifdef Q_OS_UNIX
// A save that fails part-way (here: the file size limit of the process, which
// binds even where permissions would not) leaves the old file as it was and
// is reported, not committed as a truncated file.
TEST_F(FilesTest, SaveFailingPartWayLeavesTheOldFileIntact)
{
    QString name = path(QStringLiteral("model.kel"));
    ASSERT_TRUE(Write_Model_File(ws, name, false));
    const QByteArray before = readBytes(name);

    buildSmallExample(ws.model);
    bool written = true;
    {
        FileSizeLimit limit(100);
        ASSERT_TRUE(limit.set());
        written = Write_Model_File(ws, name, false);
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(name), before);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral("There was an error saving the file: File too large"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("model.kel")});
}
#endif

#ifdef Q_OS_LINUX
// A folder that takes no new file but holds a file the user may write (a
// shared folder): the save cannot be atomic there, so it writes the file in
// place; a failed write in place is reported like any failed save.
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

    buildSmallExample(ws.model);
    QString target = name;
    ASSERT_TRUE(Write_Model_File(ws, target, false));
    EXPECT_EQ(readBytes(name), readBytes(kData + QStringLiteral("/small_example.kel")));
    EXPECT_EQ(ws.model.fileName, name);
    EXPECT_TRUE(prompts.shown.empty());

    {
        FileSizeLimit limit(100);
        ASSERT_TRUE(limit.set());
        EXPECT_FALSE(Write_Model_File(ws, target, false));
    }
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral("There was an error saving the file: File too large"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("model.kel")});
}
#endif

// ------------------------------------------------------------ reading

TEST_F(FilesTest, OpenDialogIsAskedBeforeTheModelIsTouched)
{
    buildSmallExample(ws.model);
    ws.model.fileName = QStringLiteral("/data/model.kel");
    const Model before = ws.model;
    QString name;
    EXPECT_EQ(Read_Model_File(ws, name), ReadOutcome::Cancelled);
    EXPECT_TRUE(ws.model.sameData(before));
    EXPECT_EQ(ws.model.fileName, QStringLiteral("/data/model.kel"));
    EXPECT_TRUE(hooks.captions.isEmpty());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].extra, QStringLiteral("Corvane Kel.2D Input files (*.kel)"));

    // A chosen file is read and its name handed back.
    prompts.files.push_back(kData + QStringLiteral("/empty_model.kel"));
    EXPECT_EQ(Read_Model_File(ws, name), ReadOutcome::Read);
    EXPECT_EQ(name, kData + QStringLiteral("/empty_model.kel"));
    EXPECT_EQ(ws.model.nodeCount, 0);
}

// The small example as lines, for the tables below to damage one at a time.
// Line numbers: 8 group count, 11 E, 15 node count, 18 x of node 1, 20 its
// x flag, 34 element count, 42 spring count, 43 spring node, 44 its Kx,
// 46 "Settings", 47..89 the settings, 68 dekadika_N, 73 scale, 90 END.
QList<QByteArray> exampleLines()
{
    QList<QByteArray> lines = readBytes(kData + QStringLiteral("/small_example.kel")).split('\n');
    lines.removeLast(); // after the last line end
    for (QByteArray &l : lines)
        l.chop(1); // the CR
    return lines;
}

QByteArray joinLines(const QList<QByteArray> &lines, const char *end = "\r\n")
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + end;
    return out;
}

using Edit = std::function<void(QList<QByteArray> &)>;

Edit setLine(int number, QByteArray text)
{
    return [=](QList<QByteArray> &l) { l[number - 1] = text; };
}
Edit keepLines(int count)
{
    return [=](QList<QByteArray> &l) { l = l.mid(0, count); };
}

TEST_F(FilesTest, DamagedFilesLeaveAnEmptyUntitledModel)
{
    const auto error = [](const char *what) {
        return QStringLiteral("There was an error opening the file: ") + QLatin1String(what);
    };
    const struct {
        Edit edit;
        QString message;
    } rows[] = {
        {setLine(2, "*        KEL!2D Input file        *"), kCouldNotBeRead}, // letter case
        {setLine(2, "*       Kel!2D Input file         *"), kCouldNotBeRead}, // spacing
        {keepLines(0), kCouldNotBeRead},
        {setLine(8, "51"), error("line 8: the group count 51 exceeds the limit of 50.")},
        {setLine(8, "-0.6"), error("line 8: the group count -0.6 is negative.")},
        {setLine(15, "101"), error("line 15: the node count 101 exceeds the limit of 100.")},
        {setLine(34, "201"), error("line 34: the element count 201 exceeds the limit of 200.")},
        {setLine(43, "101"), error("line 43: the spring node number 101 is outside 1 to 100.")},
        {setLine(18, "abc"), error("line 18: a number was expected.")},
        {setLine(11, "nan"), error("line 11: a number was expected.")},
        {setLine(11, "1e400"), error("line 11: a number was expected.")},
        {setLine(18, "1e39"),
         error("line 18: the value 1E+39 is too large for a single-precision field.")},
        {setLine(68, "32767.5"),
         error("line 68: a whole number from -32768 to 32767 was expected.")},
        {setLine(18, QByteArray(5000, '1')), error("line 18 is too long.")},
        {keepLines(44), error("the file ends before its springs are complete.")},
        {keepLines(70), error("the file ends before its settings are complete.")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        prompts.shown.clear();
        hooks.captions.clear();
        buildSmallExample(ws.model);
        ws.model.fileName = QStringLiteral("/data/previous.kel");
        ws.model.modelChanged = false;

        QList<QByteArray> lines = exampleLines();
        row.edit(lines);
        QString name;
        EXPECT_EQ(readText(joinLines(lines), &name), ReadOutcome::Failed);

        const auto boxes = prompts.messages();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, row.message);
        EXPECT_EQ(boxes[0].icon, PromptIcon::Critical);
        EXPECT_EQ(ws.log.entries().last().text, row.message);
        EXPECT_TRUE(ws.model.sameData(Model{}));
        EXPECT_TRUE(ws.model.modelChanged);
        EXPECT_TRUE(ws.model.fileName.isEmpty());
        EXPECT_EQ(hooks.captions, QStringList{kUntitledCaption});
    }
}

TEST_F(FilesTest, FilesThatCannotBeOpenedAreReported)
{
    for (const QString &name : {path(QStringLiteral("none.kel")), dir.path()}) {
        SCOPED_TRACE(name.toStdString());
        prompts.shown.clear();
        buildSmallExample(ws.model);
        QString n = name;
        EXPECT_EQ(Read_Model_File(ws, n), ReadOutcome::Failed);
        ASSERT_EQ(prompts.messages().size(), 1u);
        EXPECT_TRUE(prompts.messages()[0].text.startsWith(
            QStringLiteral("There was an error opening the file: ")));
        EXPECT_TRUE(ws.model.sameData(Model{}));
        EXPECT_EQ(hooks.captions.last(), kUntitledCaption);
    }
}

TEST_F(FilesTest, TolerableVariationsAreRead)
{
    Model expected;
    buildSmallExample(expected);
    const struct {
        const char *what;
        Edit edit;
        const char *lineEnd; // null: CR LF, but none after the last line
        // clang-format off
    } rows[] = {
        {"last line missing", keepLines(89), "\r\n"},
        // Whole-number fields are 16-bit integers: fractions round, halves to even.
        {"fractions in whole numbers", [](QList<QByteArray> &l) {
             l[8 - 1] = "1.4"; l[15 - 1] = "2.5"; l[34 - 1] = ".6"; l[42 - 1] = "0.6";
             l[43 - 1] = "2.5"; l[68 - 1] = "3.4"; l[69 - 1] = "13.5"; l[78 - 1] = "100.5";
         }, "\r\n"},
        {"bare LF line ends", [](QList<QByteArray> &) {}, "\n"},
        {"no line end after the last setting", keepLines(89), nullptr},
        // Values the program never gives these fields would stall or break
        // the drawing: each falls back to its default.
        {"out-of-range display values", [](QList<QByteArray> &l) {
             l[68 - 1] = "14"; l[69 - 1] = "-1"; l[70 - 1] = "0"; l[73 - 1] = ".5";
             l[76 - 1] = "-2"; l[78 - 1] = "0";
         }, "\r\n"},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        ws.settings.dekadika_N = 9;
        ws.view.scale = 9;
        QList<QByteArray> lines = exampleLines();
        row.edit(lines);
        QByteArray text = joinLines(lines, row.lineEnd ? row.lineEnd : "\r\n");
        if (!row.lineEnd)
            text.chop(2);
        EXPECT_EQ(readText(text), ReadOutcome::Read);
        EXPECT_TRUE(prompts.shown.empty());
        EXPECT_TRUE(ws.model.sameData(expected));
        EXPECT_EQ(ws.settings, Settings{});
        EXPECT_EQ(ws.view.scale, 100.0f);
    }
}

// A hand-edited file may hold values the program never writes; it opens, so
// they can be mended, and the analysis refuses them with the node's number.
TEST_F(FilesTest, UnusualConstraintsAndSpringsOpenAndTheAnalysisRefusesThem)
{
    const struct {
        int line;
        const char *value;
        const char *refusal;
    } rows[] = {
        {20, "2", "Node #1 has the x-constraint flag 2, which is neither 0 (free) nor 1 (fixed)."},
        {29, "-.5",
         "Node #2 has the y-constraint flag -0.5, which is neither 0 (free) nor 1 "
         "(fixed)."},
        {44, "-5", "Node #2 has the spring constant Kx = -5, which is negative."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        prompts.shown.clear();
        QList<QByteArray> lines = exampleLines();
        lines[row.line - 1] = row.value;
        ASSERT_EQ(readText(joinLines(lines)), ReadOutcome::Read);
        EXPECT_TRUE(prompts.shown.empty());

        EXPECT_FALSE(Run_Analysis(ws));
        ASSERT_EQ(prompts.messages().size(), 1u);
        EXPECT_EQ(prompts.messages()[0].text,
                  QLatin1String(row.refusal)
                      + QStringLiteral(" The analysis cannot be carried out."));
    }
}

} // namespace
