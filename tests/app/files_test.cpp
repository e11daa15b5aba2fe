#include "app/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/tempdir.h"

namespace fpw::app {
namespace {

// The disk itself refuses the last step (a folder stands where the document goes): the save
// fails and says why, the folder keeps what it held and no temporary file is left.
TEST(DiskFiles, AReplaceTheDiskRefusesIsAFailure) {
    const testing::TempDir dir;
    const std::string target = dir.file("design.fpm");
    std::filesystem::create_directory(target);
    dir.write("design.fpm/inside.txt", "kept");
    std::string error;
    EXPECT_FALSE(writeFileAtomically(target, "new bytes", &error));
    EXPECT_EQ(error.rfind("Cannot replace " + target + ": ", 0), 0u) << error;
    EXPECT_EQ(dir.read("design.fpm/inside.txt"), "kept");
    const auto entries = std::distance(std::filesystem::directory_iterator(dir.path()), {});
    EXPECT_EQ(entries, 1);
}

} // namespace
} // namespace fpw::app
