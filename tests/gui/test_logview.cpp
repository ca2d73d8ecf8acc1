// The log box follows the message log: its text, colours and weight, and the
// newest line in view.
#include "common/MessageLog.h"
#include "ui/LogView.h"

#include <QScrollBar>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

TEST(LogView, ShowsTheLogsTextInItsColoursAndWeight)
{
    MessageLog log;
    // Entries written before the view exists are shown too.
    log.append(QStringLiteral("Corvane Kel.2D v1.0"), LogDarkBlue, true, true);
    auto view = std::make_unique<LogView>(log, nullptr);
    log.append(QString(), LogBlack, false, false);
    log.append(QStringLiteral("refused"), LogRed, true, true);
    log.append(QStringLiteral("two\r\nlines"), 7, false, false);
    EXPECT_EQ(view->document()->toPlainText().replace(u'\n', QStringLiteral("\r\n")), log.text());

    const struct {
        const char *text;
        QColor colour;
        bool bold;
    } cases[] = {{"Corvane", QColor(0, 0, 128), true},
                 {"refused", QColor(255, 0, 0), true},
                 {"two", QColor(0, 0, 0), false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const QTextCursor at = view->document()->find(QLatin1String(c.text));
        ASSERT_FALSE(at.isNull());
        EXPECT_EQ(at.charFormat().foreground().color(), c.colour);
        EXPECT_EQ(at.charFormat().fontWeight() == QFont::Bold, c.bold);
    }
    // Entries after the view is gone are harmless.
    view.reset();
    log.append(QStringLiteral("after"));
    EXPECT_EQ(log.lastLine(), " after");
}

TEST(LogView, NewestLineStaysInView)
{
    for (const bool hiddenWhileWriting : {false, true}) {
        SCOPED_TRACE(hiddenWhileWriting);
        MessageLog log;
        LogView view(log, nullptr);
        view.resize(300, 80);
        view.show();
        if (hiddenWhileWriting)
            view.hide();
        for (int i = 0; i < 200; ++i)
            log.append(QStringLiteral("line %1").arg(i));
        view.show();
        QScrollBar *bar = view.verticalScrollBar();
        EXPECT_GT(bar->maximum(), 0);
        EXPECT_EQ(bar->value(), bar->maximum());
        EXPECT_TRUE(view.textCursor().atEnd());
    }
}

} // namespace
