#include "common/MessageLog.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageLog, TextFollowsTheLineRuleAndUnknownColoursDrawBlack)
{
    const struct {
        std::vector<std::pair<const char *, bool>> entries; // text, stays on the line
        const char *expected;
    } cases[] = {
        {{{"A", false}, {"B", true}}, "\r\n A B"},
        {{{"Title", true}, {"Notice", false}, {"", false}, {"Monday 1/2/2023", false}},
         " Title\r\n Notice\r\n \r\n Monday 1/2/2023"},
    };
    for (const auto &c : cases) {
        MessageLog log;
        for (const auto &[text, stay] : c.entries)
            log.append(QString::fromLatin1(text), LogBlack, false, stay);
        EXPECT_EQ(log.text(), QString::fromLatin1(c.expected));
    }
    EXPECT_EQ((std::vector{MessageLog::rgbOf(-1), MessageLog::rgbOf(7), MessageLog::rgbOf(LogRed)}),
              (std::vector{0x000000u, 0x000000u, 0xFF0000u}));
}

} // namespace
