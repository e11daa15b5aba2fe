// One QApplication on the offscreen platform, with settings of its own: the person's are
// never read or written.
#include <cstdlib>
#include <filesystem>

#include <QApplication>

#include <gtest/gtest.h>

#include "support/tempdir.h"

int main(int argc, char** argv) {
    const fpw::testing::TempDir home;
    const std::string config = home.path() + "/config";
    const std::string runtime = home.path() + "/runtime";
    std::filesystem::create_directories(config);
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
