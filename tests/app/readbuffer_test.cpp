#include "app/readbuffer.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/files.h"
#include "support/tempdir.h"

namespace fpw::app {
namespace {

// One buffer over files of changing sizes gives each file's bytes exactly: a smaller file after
// a larger one shows nothing of the larger, a larger one after that grows the buffer.
TEST(ReadBuffer, EachFileReadWholeWhateverCameBefore) {
    const testing::TempDir dir;
    std::string large(70000, '\0');
    for (std::size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>(i * 7 % 251);
    const std::string files[] = {dir.write("a.fpm", large), dir.write("b.fpm", "short"),
                                 dir.write("empty.fpm", ""),
                                 dir.write("c.fpm", large + large.substr(0, 999)),
                                 dir.write("d.fpm", std::string_view("\0x\0", 3))};
    ReadBuffer buffer;
    for (const std::string& file : files) {
        const std::optional<std::string_view> bytes = buffer.readWholeFile(file);
        ASSERT_TRUE(bytes) << file;
        EXPECT_EQ(*bytes, testing::readFile(file)) << file;
        EXPECT_EQ(readWholeFile(file), testing::readFile(file)) << file;
    }
}

// A file whose size says nothing of its contents (the kernel's files give 0) is read to its end.
TEST(ReadBuffer, AFileLongerThanItsSizeIsReadOn) {
    const std::string path = "/proc/self/maps";
    std::ifstream in(path, std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GT(expected.size(), 100u);
    ASSERT_EQ(std::filesystem::file_size(path), 0u);
    ReadBuffer buffer;
    const std::optional<std::string_view> bytes = buffer.readWholeFile(path);
    ASSERT_TRUE(bytes);
    // The maps of the same process differ only where memory came or went since; the first
    // line (the program itself) stays.
    EXPECT_EQ(bytes->substr(0, bytes->find('\n')), expected.substr(0, expected.find('\n')));
    EXPECT_GT(bytes->size(), 100u);
}

// What is no regular file gives nothing, and a pipe without a writer is refused at once
// instead of blocking the reader.
TEST(ReadBuffer, NoRegularFileGivesNothing) {
    const testing::TempDir dir;
    const std::string pipe = dir.file("pipe.fpm");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ReadBuffer buffer;
    for (const std::string& path : {pipe, dir.path(), dir.file("missing.fpm")}) {
        EXPECT_FALSE(buffer.readWholeFile(path)) << path;
        EXPECT_FALSE(readWholeFile(path)) << path;
    }
}

} // namespace
} // namespace fpw::app
