// The View options dialog and the colour chooser on screen, opened by the
// command over the settings; what the values mean is the core's.
#include "AccessibleNames.h"
#include "MainWindowFixture.h"
#include "drawing/gui/Colours.h"
#include "ui/dialogs/ColourField.h"
#include "ui/dialogs/frmSXEDIASI.h"
#include "ui/dialogs/frmXROMATA.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

class ViewOptionsDialog : public MainWindowTest {
protected:
    // Opens the dialog with the View options command and runs the steps in
    // it; the dialog is cancelled afterwards if the steps left it open.
    void withDialog(const std::function<void(frmSXEDIASI &)> &steps)
    {
        if (!window)
            start();
        bool ran = false;
        QTimer::singleShot(0, window.get(), [&] {
            auto *dialog = qobject_cast<frmSXEDIASI *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ran = true;
            steps(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        trigger("mnuRITHMISEISitem");
        EXPECT_TRUE(ran);
    }
    template <class W = QAbstractButton>
    static W *child(QWidget &d, const char *name)
    {
        W *w = d.findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // The share of the drawing area's pixels in a colour.
    double shareOf(const QColor &colour)
    {
        const QImage shown = area()->grab().toImage();
        qint64 count = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                count += shown.pixelColor(x, y) == colour;
        return double(count) / (double(shown.width()) * shown.height());
    }
};

TEST_F(ViewOptionsDialog, ChosenBackgroundReachesTheDrawingOnApply)
{
    prompts.colours.push_back(0x0000FFu); // red
    const QColor red(255, 0, 0);
    withDialog([&](frmSXEDIASI &d) {
        EXPECT_LT(shareOf(red), 0.01);
        child(d, "xroma_background")->click();
        EXPECT_EQ(ws().settings.xroma_background, -2147483634.0); // not yet applied
        child(d, "applyButton")->click();
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(ws().settings.xroma_background, 255.0);
    EXPECT_GT(shareOf(red), 0.9);
    EXPECT_EQ(prompts.shown.at(0).startColour, 0x8000000Eu);
}

// The grid spacing is checked while "Grid" is cleared: the dialog stays
// open on its tab and selects the field, made editable to be put right.
TEST_F(ViewOptionsDialog, RefusedValueKeepsTheDialogOpenOnItsField)
{
    prompts.answers.push_back(PromptAnswer::Ok);
    withDialog([&](frmSXEDIASI &d) {
        child<QTabWidget>(d, "tabs")->setCurrentIndex(2);
        auto *field = child<QLineEdit>(d, "kannab");
        field->setText(QStringLiteral("-2"));
        child(d, "nai_grid")->click();
        child(d, "okButton")->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(child<QTabWidget>(d, "tabs")->currentIndex(), 0);
        EXPECT_EQ(d.focusWidget(), field);
        EXPECT_TRUE(field->isEnabled());
        EXPECT_EQ(field->selectedText(), QStringLiteral("-2"));
    });
    EXPECT_EQ(prompts.messages().at(0).text, "The value given for grid is unacceptable.");
    EXPECT_EQ(ws().settings, Settings{});
}

TEST_F(ViewOptionsDialog, RestoreReachesTheControlsOnly)
{
    writeStore("[Rithmiseis]\nnai_grid=False\nkannab=5\nShow_STRAIN=True\nShow_FORCE=False\n");
    start();
    const Settings before = ws().settings;
    withDialog([&](frmSXEDIASI &d) {
        child(d, "restoreButton")->click();
        EXPECT_TRUE(child(d, "nai_grid")->isChecked());
        EXPECT_EQ(child<QLineEdit>(d, "kannab")->text(), "1");
        // An option button of an exclusive group, set back from the store's.
        EXPECT_TRUE(child(d, "Show_FORCE")->isChecked());
        child(d, "cancelButton")->click();
    });
    EXPECT_EQ(ws().settings, before);
}

TEST_F(ViewOptionsDialog, DependentFieldsFollowTheirBoxesAndControlsAreNamed)
{
    withDialog([&](frmSXEDIASI &d) {
        const std::pair<const char *, std::vector<const char *>> rules[] = {
            {"nai_grid", {"kannab", "gridEvery", "gridUnits"}},
            {"nai_desmefseis", {"nai_graf_stir", "symbolicConstraints"}},
        };
        for (const auto &[box, dependents] : rules)
            for (bool on : {false, true}) {
                child(d, box)->setChecked(on);
                for (const char *name : dependents)
                    EXPECT_EQ(child<QWidget>(d, name)->isEnabled(), on) << name;
            }
        // 16 check boxes, 5 option buttons, 11 swatches, the direction
        // button, 5 buttons and 8 fields.
        EXPECT_EQ(expectNamedByLabels(d), 46);
    });
    frmXROMATA chooser(0);
    EXPECT_EQ(expectNamedByLabels(chooser), frmXROMATA::kClassicCount + 3);
}

// White along the spectrum's top, black along its bottom, the pure hues
// between; a move without the button held chooses nothing.
TEST(ColourChooser, BoxesAndSpectrumSetTheSelection)
{
    frmXROMATA chooser(0x8000000Eu);
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    EXPECT_EQ(chooser.selection(), 0x8000000Eu);
    chooser.findChild<QToolButton *>(QStringLiteral("classic14"))->click();
    EXPECT_EQ(chooser.selection(), frmXROMATA::classicColour(14));

    auto *spectrum = chooser.findChild<ColourField *>();
    const int right = spectrum->width() - 1, bottom = spectrum->height() - 1;
    const auto move = [&](QPoint at, Qt::MouseButtons held) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), spectrum->mapToGlobal(QPointF(at)),
                      Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(spectrum, &e);
    };
    QTest::mousePress(spectrum, Qt::LeftButton, {}, QPoint(right, 0));
    EXPECT_EQ(chooser.selection(), 0xFFFFFFu);
    move({0, bottom}, Qt::LeftButton);
    EXPECT_EQ(chooser.selection(), 0u);
    move({0, bottom / 2}, Qt::LeftButton);
    const QColor middle = resolveColour(chooser.selection(), chooser.palette());
    EXPECT_TRUE(middle.red() > 200 && std::max(middle.green(), middle.blue()) < 60);
    QTest::mouseRelease(spectrum, Qt::LeftButton, {}, QPoint(0, bottom / 2));
    move({right, 0}, Qt::NoButton);
    EXPECT_EQ(resolveColour(chooser.selection(), chooser.palette()), middle);
    chooser.findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
}

} // namespace
