// The example models shipped with the program open, analyse without a
// question or a warning, and are written back byte for byte.
#include "analysis/epilisi.h"
#include "core/FileFixtures.h"
#include "files/Files.h"

namespace {

TEST_F(FilesTest, ExampleModelsOpenAnalyseAndSaveUnchanged)
{
    for (const char *name : {"warren.kel", "roof.kel", "cantilever.kel"}) {
        SCOPED_TRACE(name);
        TestWorkspace example;
        QString source = QStringLiteral(KEL2D_SOURCE_DIR "/examples/") + QLatin1String(name);
        ASSERT_EQ(Read_Model_File(example, source), ReadOutcome::Read);
        ASSERT_GT(example.model.elementCount, 0);
        ASSERT_TRUE(Run_Analysis(example));
        for (const LogEntry &e : example.log.entries())
            EXPECT_NE(e.colour, LogRed) << qPrintable(e.text);
        EXPECT_GT(example.results.extrema.maxAbsN, 0.0);
        // A quiet save (the working copy) changes nothing the user sees.
        EXPECT_FALSE(example.model.modelChanged);
        example.model.modelChanged = true;
        const auto visible = [&] {
            return std::tuple(example.hooks.captions, example.log.entries().size(),
                              example.model.fileName, example.model.modelChanged);
        };
        const auto before = visible();
        QString copy = path(QLatin1String(name));
        ASSERT_TRUE(Write_Model_File(example, copy, true));
        EXPECT_EQ(readBytes(copy), readBytes(source));
        EXPECT_EQ(visible(), before);
    }
}

} // namespace
