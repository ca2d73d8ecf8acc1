#include "common/MessageLog.h"
#include "ui/LogView.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The box's text with its paragraph breaks written the way the log writes
// line breaks.
QString boxText(const LogView &view)
{
    return view.document()->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// The character format at the start of the first fragment holding `text`.
std::optional<QTextCharFormat> formatOf(const LogView &view, const QString &text)
{
    for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
        }
    }
    return std::nullopt;
}

TEST(LogView, EntriesKeepTheirColourAndWeight)
{
    const struct {
        const char *text;
        int colour;
        bool bold;
        QColor shown;
    } cases[] = {
        {"ANALYSIS", LogBlack, true, QColor(0, 0, 0)},
        {"New node #1", LogDarkBlue, false, QColor(0, 0, 128)},
        {"Node deleted: #1.", LogGreen, false, QColor(0, 128, 0)},
        {"The value given for grid is unacceptable.", LogRed, true, QColor(255, 0, 0)},
        {"code seven", 7, false, QColor(0, 0, 0)},
    };
    MessageLog log;
    LogView view(log, nullptr);
    for (const auto &c : cases)
        log.append(QString::fromLatin1(c.text), c.colour, c.bold, false);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto format = formatOf(view, QString::fromLatin1(c.text));
        ASSERT_TRUE(format.has_value());
        EXPECT_EQ(format->foreground().color(), c.shown);
        EXPECT_EQ(format->fontWeight() == QFont::Bold, c.bold);
    }
}

TEST(LogView, TextIsTheLogsText)
{
    MessageLog log;
    // Entries written before the view exists are shown too.
    log.append(QStringLiteral("Corvane Kel.2D v1.0"), LogDarkBlue, true, true);
    log.append(QStringLiteral("notice"), LogDarkBlue, true, false);
    LogView view(log, nullptr);
    log.append(QString(), LogBlack, false, false);
    log.append(QStringLiteral("/tmp/a.kel"), LogBlack, false, true);
    log.append(QStringLiteral("two\r\nlines"), LogRed, false, false);
    EXPECT_EQ(boxText(view), log.text());
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
            log.append(QStringLiteral("line %1").arg(i), LogBlack, false, false);
        view.show();
        QScrollBar *bar = view.verticalScrollBar();
        EXPECT_GT(bar->maximum(), 0);
        EXPECT_EQ(bar->value(), bar->maximum());
        EXPECT_TRUE(view.textCursor().atEnd());
    }
}

TEST(LogView, EntriesAfterTheViewIsGoneAreHarmless)
{
    MessageLog log;
    {
        LogView view(log, nullptr);
        log.append(QStringLiteral("seen"));
    }
    log.append(QStringLiteral("after"));
    EXPECT_EQ(log.lastLine(), " after");
}

} // namespace
