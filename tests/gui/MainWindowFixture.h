#pragma once
// A main window for tests: its own settings store in a temporary folder,
// scripted message boxes and a desktop that launches nothing.
#include "common/NumberForms.h"
#include "common/PlatformServices.h"
#include "common/Registry.h"
#include "core/Fixtures.h"
#include "drawing/gui/DrawingArea.h"
#include "files/Files.h"
#include "ui/MainStatusBar.h"
#include "ui/StatusPanel.h"
#include "ui/StatusSwitch.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Nothing reaches the desktop: every launch "succeeds" without starting
// anything.
struct QuietServices : PlatformServices {
    bool openUrl(const QString &) override { return true; }
    bool openLocalFile(const QString &) override { return true; }
    bool startCalculator() override { return true; }
    bool printLines(const QStringList &) override { return true; }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override
    {
        // Destroying the window does not run the closing step, so no box
        // is left waiting.
        window.reset();
        QApplication::processEvents();
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QString storePath() const { return path(QStringLiteral("store.ini")); }
    void writeStore(const QByteArray &ini)
    {
        QFile f(storePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(ini) > 0);
    }

    // The window as the program makes it, not yet shown.
    frmMain &create(const QString &commandLine = {})
    {
        frmMainOptions options;
        options.settingsPath = storePath();
        options.prompts = &prompts;
        options.services = &services;
        options.commandLine = commandLine;
        options.helpFallbackDir = QStringLiteral(KEL2D_SOURCE_DIR "/resources/help");
        options.desktopRecentList = path(QStringLiteral("recently-used.xbel"));
        window = std::make_unique<frmMain>(options);
        return *window;
    }
    // Made, shown and settled (the model on the command line read).
    frmMain &start(const QString &commandLine = {})
    {
        create(commandLine).show();
        QApplication::processEvents();
        return *window;
    }

    Workspace &ws() { return window->workspace(); }
    void trigger(const char *name) { window->action(QString::fromLatin1(name))->trigger(); }
    DrawingArea *area() { return window->drawingArea(); }
    StatusPanel *panel(const char *key) { return window->statusPanels()->panel(key); }
    StatusSwitch *statusSwitch(const char *key)
    {
        return window->statusPanels()->switchButton(key);
    }

    // The apex truss written to `name` with a separate workspace.
    QString writeModel(const QString &name, float scale = 100.0f)
    {
        Workspace other;
        truss::apex(other.model, 1000, 0.5);
        other.view.scale = scale;
        QString file = path(name);
        EXPECT_TRUE(Write_Model_File(other, file, true));
        return file;
    }

    // Pixels of the drawing area for a length in centimetres.
    double pxPerCm() { return area()->width() / area()->widthCm(); }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    QuietServices services;
    std::unique_ptr<frmMain> window;
};
