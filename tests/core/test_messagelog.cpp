#include "common/MessageLog.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageLog, TextFollowsTheLineRuleAndUnknownColoursDrawBlack)
{
    const struct {
        std::vector<std::pair<const char *, bool>> entries; // text, stays on the line
        const char *expected;
        const char *lastLine;
    } cases[] = {
        {{{"A", false}, {"B", true}}, "\r\n A B", " A B"},
        {{{"Title", true}, {"Notice", false}, {"", false}, {"Monday 1/2/2023", false}},
         " Title\r\n Notice\r\n \r\n Monday 1/2/2023",
         " Monday 1/2/2023"},
        {{{"Title", true}, {"Notice", true}}, " Title Notice", " Title Notice"},
    };
    for (const auto &c : cases) {
        MessageLog log;
        for (const auto &[text, stay] : c.entries)
            log.append(QString::fromLatin1(text), LogBlack, false, stay);
        EXPECT_EQ(std::pair(log.text(), log.lastLine()),
                  std::pair(QString::fromLatin1(c.expected), QString::fromLatin1(c.lastLine)));
    }
    EXPECT_EQ((std::vector{MessageLog::rgbOf(-1), MessageLog::rgbOf(7), MessageLog::rgbOf(LogRed)}),
              (std::vector{0x000000u, 0x000000u, 0xFF0000u}));
}

} // namespace
