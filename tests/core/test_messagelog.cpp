#include "common/MessageLog.h"

#include <gtest/gtest.h>

namespace {

struct Append {
    const char *text;
    bool stayOnLine;
};

TEST(MessageLog, TextFollowsTheLineRule)
{
    const struct {
        const char *name;
        std::vector<Append> entries;
        const char *expected;
    } cases[] = {
        {"first entry on the line", {{"Hello", true}}, " Hello"},
        {"first entry on a new line", {{"Hello", false}}, "\r\n Hello"},
        {"new line after an entry", {{"A", true}, {"B", false}}, " A\r\n B"},
        {"two entries on one line", {{"A", false}, {"B", true}}, "\r\n A B"},
        {"empty text on a new line", {{"A", true}, {"", false}}, " A\r\n "},
        {"greeting shape",
         {{"Title", true}, {"Notice", false}, {"", false}, {"Monday 1/2/2023", false}},
         " Title\r\n Notice\r\n \r\n Monday 1/2/2023"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        MessageLog log;
        for (const auto &e : c.entries)
            log.append(QString::fromLatin1(e.text), LogBlack, false, e.stayOnLine);
        EXPECT_EQ(log.text(), QString::fromLatin1(c.expected));
        EXPECT_FALSE(log.text().endsWith(QStringLiteral("\r\n")));
    }
}

TEST(MessageLog, ColourCodes)
{
    const struct {
        int code;
        unsigned rgb;
    } cases[] = {
        {0, 0x000000}, {1, 0x000080}, {2, 0x008000},  {3, 0xFF0000},
        {4, 0x808080}, {7, 0x000000}, {-1, 0x000000}, {5, 0x000000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(MessageLog::rgbOf(c.code), c.rgb);
    }
}

} // namespace
