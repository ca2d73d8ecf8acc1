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

struct RecordingServices : PlatformServices {
    QStringList urls, files;
    int calculatorStarts = 0;
    QList<QStringList> printed;
    bool succeed = true, calculatorFound = true;
    bool openUrl(const QString &url) override
    {
        urls << url;
        return succeed;
    }
    bool openLocalFile(const QString &path) override
    {
        files << path;
        return succeed;
    }
    bool startCalculator() override
    {
        ++calculatorStarts;
        return calculatorFound;
    }
    bool printLines(const QStringList &lines) override
    {
        printed << lines;
        return true;
    }
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
    // QSettings caches a store by its name, size and time: a test that
    // starts over with another store takes a new name.
    QString storePath() const { return path(QStringLiteral("store%1.ini").arg(m_store)); }
    void newStore() { ++m_store; }

    void writeStore(const QByteArray &ini)
    {
        QFile f(storePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(ini) > 0);
    }

    // The window as the program makes it, not yet shown.
    frmMain &create(const QString &commandLine = {},
                    const QString &helpDir = QStringLiteral(KEL2D_SOURCE_DIR "/resources/help"))
    {
        frmMainOptions options;
        options.settingsPath = storePath();
        options.prompts = &prompts;
        options.services = &services;
        options.commandLine = commandLine;
        options.helpFallbackDir = helpDir;
        options.desktopRecentList = path(QStringLiteral("recently-used.xbel"));
        window = std::make_unique<frmMain>(options);
        return *window;
    }
    // Made, shown and settled (the model on the command line read).
    frmMain &start(const QString &commandLine = {},
                   const QString &helpDir = QStringLiteral(KEL2D_SOURCE_DIR "/resources/help"))
    {
        create(commandLine, helpDir).show();
        QApplication::processEvents();
        return *window;
    }

    Workspace &ws() { return window->workspace(); }
    void trigger(const char *name) { window->action(QString::fromLatin1(name))->trigger(); }
    // An untitled model holding only one E,A group: work the user could lose.
    void addGroup() { truss::group(ws().model, 1, 1); }
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
    RecordingServices services;
    std::unique_ptr<frmMain> window;
    int m_store = 0;
};
