// Saving the picture: the dialog and the extension it adds, the question
// about a file the added extension names, and the failure message.
#include "common/Interaction.h"
#include "core/ScriptedPrompts.h"
#include "drawing/PictureExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

struct SavePictureTest : testing::Test {
    Interaction user;
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    QStringList written;
    std::optional<QString> failure;

    void SetUp() override { user.setPrompts(&prompts); }
    bool save()
    {
        return savePicture(user, bitmapPicture(),
                           [this](const QString &name) -> std::optional<QString> {
                               written << name;
                               return failure;
                           });
    }
};

} // namespace

// A cancelled dialog writes nothing and says nothing; ".bmp" is added unless
// the name ends in exactly that.
TEST_F(SavePictureTest, AsksWithTheBitmapFilterAndWritesTheNameWithItsExtension)
{
    prompts.files = {std::nullopt, dir.filePath(QStringLiteral("bridge")),
                     dir.filePath(QStringLiteral("a.bmp"))};
    EXPECT_FALSE(save());
    EXPECT_TRUE(save() && save());
    EXPECT_EQ(written,
              (QStringList{dir.filePath(QStringLiteral("bridge.bmp")),
                           dir.filePath(QStringLiteral("a.bmp"))}));
    ASSERT_EQ(prompts.shown.size(), 3u);
    EXPECT_EQ(std::pair(prompts.shown[1].extra, prompts.shown[1].location),
              std::pair(QStringLiteral("Bitmap Files (*.bmp)"),
                        QDir::current().filePath(QStringLiteral("Picture"))));
    EXPECT_TRUE(user.log.entries().isEmpty());
}

TEST_F(SavePictureTest, AFailureIsToldWithTheSystemsReasonAndLoggedBoldRed)
{
    prompts.files.push_back(dir.filePath(QStringLiteral("p.bmp")));
    failure = QStringLiteral("Permission denied");
    prompts.answers.push_back(PromptAnswer::Ok);
    EXPECT_FALSE(save());
    const QString text =
        QStringLiteral("An error occured while trying to save the bitmap file: Permission denied");
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, text);
    ASSERT_EQ(user.log.entries().size(), 1);
    const LogEntry &line = user.log.entries()[0];
    EXPECT_EQ(std::tuple(line.text, line.colour, line.bold), std::tuple(text, int(LogRed), true));
}

// The dialog asked about "p.BMP"; "p.BMP.bmp" is another file, which is
// replaced only when the user agrees.
TEST_F(SavePictureTest, AnExistingFileTheAddedExtensionNamesIsReplacedOnlyOnYes)
{
    QFile existing(dir.filePath(QStringLiteral("p.BMP.bmp")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        prompts.files.push_back(dir.filePath(QStringLiteral("p.BMP")));
        prompts.answers.push_back(answer);
        EXPECT_EQ(save(), answer == PromptAnswer::Yes);
    }
    EXPECT_EQ(written, QStringList{existing.fileName()});
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(prompts.messages()[0].text,
              QDir::toNativeSeparators(existing.fileName())
                  + QStringLiteral(" already exists.\r\nDo you want to replace it?"));
}
