// The View options dialog and the colour chooser on screen, opened by the
// command over the settings; what the values mean is the core's.
#include "AccessibleNames.h"
#include "MainWindowFixture.h"
#include "ui/dialogs/frmSXEDIASI.h"
#include "ui/dialogs/frmXROMATA.h"

#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

// The share of the drawing area's pixels in a colour.
double shareOf(QWidget *area, const QColor &colour)
{
    const QImage shown = area->grab().toImage();
    qint64 count = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            count += shown.pixelColor(x, y) == colour;
    return double(count) / (double(shown.width()) * shown.height());
}

// The colour chosen for the background reaches the drawing on Apply, the
// dialog staying open; its controls are named by their labels.
TEST_F(MainWindowTest, ViewOptionsBackgroundReachesTheDrawingOnApply)
{
    start();
    prompts.colours.push_back(0x0000FFu); // red
    const QColor red(255, 0, 0);
    bool ran = false;
    QTimer::singleShot(0, window.get(), [&] {
        auto *d = qobject_cast<frmSXEDIASI *>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ran = true;
        // 16 check boxes, 5 option buttons, 11 swatches, the direction
        // button, 5 buttons and 8 fields.
        EXPECT_EQ(expectNamedByLabels(*d), 46);
        EXPECT_LT(shareOf(area(), red), 0.01);
        d->findChild<QAbstractButton *>(QStringLiteral("xroma_background"))->click();
        EXPECT_EQ(ws().settings.xroma_background, -2147483634.0); // not yet applied
        d->findChild<QAbstractButton *>(QStringLiteral("applyButton"))->click();
        EXPECT_TRUE(d->isVisible());
        d->reject();
    });
    trigger("mnuRITHMISEISitem");
    EXPECT_TRUE(ran);
    EXPECT_EQ(ws().settings.xroma_background, 255.0);
    EXPECT_GT(shareOf(area(), red), 0.9);
    EXPECT_EQ(prompts.shown.at(0).startColour, 0x8000000Eu);
}

TEST(ColourChooser, BoxChoosesTheColourAndCancelRejects)
{
    frmXROMATA chooser(0x8000000Eu);
    chooser.show();
    EXPECT_EQ(expectNamedByLabels(chooser), frmXROMATA::kClassicCount + 3);
    EXPECT_EQ(chooser.selection(), 0x8000000Eu);
    chooser.findChild<QToolButton *>(QStringLiteral("classic14"))->click();
    EXPECT_EQ(chooser.selection(), frmXROMATA::classicColour(14));
    chooser.findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
}

} // namespace
