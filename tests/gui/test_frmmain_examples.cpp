// The example models shipped with the program open, analyse cleanly and are
// saved back byte for byte.
#include "MainWindowFixture.h"

#include <QDir>

namespace {

class ExampleModels : public MainWindowTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(ExampleModels, OpenAnalyseAndSaveUnchanged)
{
    const QString source =
        QStringLiteral(KEL2D_SOURCE_DIR "/examples/") + QString::fromLatin1(GetParam());
    const QString copy = path(QString::fromLatin1(GetParam()));
    ASSERT_TRUE(QFile::copy(source, copy));

    frmMain &w = start(copy);
    ASSERT_EQ(ws().model.fileName, copy);
    ASSERT_GT(ws().model.elementCount, 0);
    const qsizetype before = ws().log.entries().size();

    w.Button_Epilisi();

    // No question (every node is used), no warning, and the run's lines.
    EXPECT_EQ(prompts.shown.size(), 0u);
    QStringList lines;
    for (qsizetype k = before; k < ws().log.entries().size(); ++k) {
        const LogEntry &e = ws().log.entries()[k];
        EXPECT_NE(e.colour, LogRed) << qPrintable(e.text);
        lines << e.text.section(QLatin1Char(':'), 0, 0);
    }
    EXPECT_EQ(lines, (QStringList{"ANALYSIS", "Start", "Finish", "Total time"}));
    EXPECT_FALSE(ws().model.modelChanged);
    EXPECT_GT(ws().results.extrema.maxAbsN, 0.0);

    // The view stored in the example fits the whole model on screen.
    for (int n = 1; n <= ws().model.nodeCount; ++n) {
        const ViewTransform &v = ws().view;
        EXPECT_GT(v.ToScreenX(ws().model.nodes[n].x), 0.0);
        EXPECT_GT(v.ToScreenY(ws().model.nodes[n].y), 0.0);
    }

    QFile original(source);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    w.Button_Apothikefsi_Arxeiou();
    QFile saved(copy);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), bytes);
    EXPECT_TRUE(w.close());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleModels, ::testing::Values("warren.kel", "roof.kel", "cantilever.kel"),
    [](const auto &info) {
        return QString::fromLatin1(info.param).section(QLatin1Char('.'), 0, 0).toStdString();
    });

} // namespace
