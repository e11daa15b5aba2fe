#include "app/recentfiles.h"

#include <gtest/gtest.h>

#include "app/settings.h"

namespace fpw::app {
namespace {

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostEight) {
    MemorySettingsStore store;
    EXPECT_TRUE(readRecentFiles(store).empty());
    for (int i = 1; i <= 9; ++i) {
        addRecentFile(store, "/m/" + std::to_string(i) + ".fpm");
    }
    addRecentFile(store, "/m/5.fpm");
    addRecentFile(store, "");
    EXPECT_EQ(readRecentFiles(store),
              (std::vector<std::string>{"/m/5.fpm", "/m/9.fpm", "/m/8.fpm", "/m/7.fpm", "/m/6.fpm",
                                        "/m/4.fpm", "/m/3.fpm", "/m/2.fpm"}));
    EXPECT_EQ(store.value("Boot\\Recent", "File1"), "/m/5.fpm");
}

} // namespace
} // namespace fpw::app
