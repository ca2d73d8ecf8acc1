// The command table behind the menus and the tool bar.
#include "MainWindowFixture.h"
#include "ui/Commands.h"

#include <QSet>

namespace {

TEST(CommandTable, RowsAreConsistent)
{
    QSet<QString> ids, toolKeys;
    QSet<int> places;
    const auto menus = knownMenus();
    for (const CommandRow &row : commandTable()) {
        SCOPED_TRACE(row.id);
        EXPECT_FALSE(ids.contains(QLatin1String(row.id)));
        ids.insert(QLatin1String(row.id));
        EXPECT_TRUE(!*row.icon || QFile::exists(iconPath(row))) << qPrintable(iconPath(row));
        EXPECT_TRUE(!*row.menu
                    || (*row.caption
                        && std::any_of(menus.begin(), menus.end(),
                                       [&](const char *m) { return qstrcmp(m, row.menu) == 0; })))
            << row.menu;
        // A view mode's switch runs on its checked state, not on a handler.
        EXPECT_FALSE(row.viewMode != ViewMode::None && row.handler);
        if (!*row.toolKey) {
            EXPECT_TRUE(*row.menu); // reachable somewhere
            continue;
        }
        EXPECT_FALSE(toolKeys.contains(QLatin1String(row.toolKey)));
        toolKeys.insert(QLatin1String(row.toolKey));
        EXPECT_GT(row.toolPlace, 0);
        EXPECT_FALSE(places.contains(row.toolPlace));
        places.insert(row.toolPlace);
        EXPECT_TRUE(*row.icon && *row.toolTip);
    }
    EXPECT_EQ(places.size(), 22);
}

} // namespace
