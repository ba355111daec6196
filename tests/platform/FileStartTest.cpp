#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "platform/FileStart.h"
#include "platform/Files.h"
#include "tests/support/Environment.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::TempDir;
using testing_support::WriteBytes;

TEST(ReadFileStartTest, ReadsTheFirstBytesOfAFileHoweverLarge) {
    TempDir dir;
    const std::string path = dir.File("big");
    WriteBytes(path, {1, 2, 3, 4, 5});
    Bytes bytes;
    ASSERT_TRUE(platform::ReadFileStart(path, 3, bytes));
    EXPECT_EQ(bytes, (Bytes{1, 2, 3}));
    ASSERT_TRUE(platform::ReadFileStart(path, 100, bytes));  // shorter than the limit: whole
    EXPECT_EQ(bytes, (Bytes{1, 2, 3, 4, 5}));
    // Past any size a whole read takes; sparse, so it costs no disk.
    std::filesystem::resize_file(path, 2 * platform::kLargestReadableFile);
    ASSERT_TRUE(platform::ReadFileStart(path, 4, bytes));
    EXPECT_EQ(bytes, (Bytes{1, 2, 3, 4}));
    ASSERT_TRUE(platform::ReadFileStart(path, 0, bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(ReadFileStartTest, RefusesWhatIsNoRegularFileWithoutWaiting) {
    TempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Bytes bytes = {1, 2};
    EXPECT_FALSE(platform::ReadFileStart(fifo, 10, bytes));  // no writer: would wait forever
    EXPECT_FALSE(platform::ReadFileStart("/dev/zero", 10, bytes));
    EXPECT_FALSE(platform::ReadFileStart(dir.Path().string(), 10, bytes));
    EXPECT_FALSE(platform::ReadFileStart(dir.File("missing"), 10, bytes));
    EXPECT_EQ(bytes, (Bytes{1, 2}));
}

}  // namespace
