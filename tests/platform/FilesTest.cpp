#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "platform/Files.h"
#include "tests/support/Environment.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

int EntriesIn(const std::filesystem::path& folder) {
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++entries;
    return entries;
}

// --- Reading -----------------------------------------------------------------------------

TEST(ReadWholeFileTest, ReadsEveryByteAsStored) {
    TempDir dir;
    const std::string path = dir.File("data.bin");
    Bytes content = {0x00, 0x1A, '\r', '\n', 0xFF};
    for (int i = 0; i < 200000; ++i) content.push_back(static_cast<std::uint8_t>(i * 7));
    WriteBytes(path, content);
    Bytes bytes;
    EXPECT_TRUE(platform::ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, content);
}

TEST(ReadWholeFileTest, EmptyFile) {
    TempDir dir;
    const std::string path = dir.File("empty");
    WriteBytes(path, {});
    Bytes bytes = {1, 2};
    EXPECT_TRUE(platform::ReadWholeFile(path, bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(ReadWholeFileTest, MissingFileOrDirectoryFails) {
    TempDir dir;
    Bytes bytes = {1, 2};
    EXPECT_FALSE(platform::ReadWholeFile(dir.File("missing"), bytes));
    EXPECT_FALSE(platform::ReadWholeFile(dir.Path().string(), bytes));
    EXPECT_EQ(bytes, (Bytes{1, 2}));
}

// --- Saving ------------------------------------------------------------------------------

TEST(SaveFileAtomicallyTest, WritesANewFile) {
    TempDir dir;
    const std::string path = dir.File("out.dat");
    EXPECT_TRUE(platform::SaveFileAtomically(path, [](platform::ByteWriter& out) {
        out.WriteI32(258);
        out.WriteBytes("ok", 2);
    }));
    EXPECT_EQ(ReadBytes(path), (Bytes{0x02, 0x01, 0x00, 0x00, 'o', 'k'}));
    EXPECT_EQ(EntriesIn(dir.Path()), 1);
}

TEST(SaveFileAtomicallyTest, ReplacesAnOldFileWhole) {
    TempDir dir;
    const std::string path = dir.File("out.dat");
    WriteBytes(path, Bytes(50, 0xEE));
    EXPECT_TRUE(
        platform::SaveFileAtomically(path, [](platform::ByteWriter& out) { out.WriteU8(1); }));
    EXPECT_EQ(ReadBytes(path), (Bytes{1}));
    EXPECT_EQ(EntriesIn(dir.Path()), 1);
}

TEST(SaveFileAtomicallyTest, NewFileGetsTheUsualPermissions) {
    TempDir dir;
    const std::string path = dir.File("out.dat");
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(platform::SaveFileAtomically(path, [](platform::ByteWriter&) {}));
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(SaveFileAtomicallyTest, MissingFolderFails) {
    TempDir dir;
    EXPECT_FALSE(platform::SaveFileAtomically(dir.File("no/such/file"),
                                              [](platform::ByteWriter& out) { out.WriteU8(1); }));
    EXPECT_EQ(EntriesIn(dir.Path()), 0);
}

TEST(SaveFileAtomicallyTest, DirectoryAtTheTargetFailsAndLeavesNothingBehind) {
    TempDir dir;
    const std::string path = dir.File("target");
    std::filesystem::create_directory(path);
    EXPECT_FALSE(
        platform::SaveFileAtomically(path, [](platform::ByteWriter& out) { out.WriteU8(1); }));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(EntriesIn(dir.Path()), 1);
}

// --- Paths -------------------------------------------------------------------------------

TEST(PathsTest, ExtractFilePathKeepsTheSeparator) {
    EXPECT_EQ(platform::ExtractFilePath("/opt/quirvale/quirvale2"), "/opt/quirvale/");
    EXPECT_EQ(platform::ExtractFilePath("/settings.dat"), "/");
    EXPECT_EQ(platform::ExtractFilePath("settings.dat"), "");
    EXPECT_EQ(platform::ExtractFilePath("dir/"), "dir/");
    EXPECT_EQ(platform::ExtractFilePath(""), "");
}

TEST(PathsTest, ProgramDirectoryCanBeMovedAndRestored) {
    const std::string own = platform::ProgramDirectory();
    ASSERT_FALSE(own.empty());
    EXPECT_EQ(own.back(), '/');
    EXPECT_TRUE(std::filesystem::is_directory(own));

    platform::SetProgramDirectory("/tmp/elsewhere");
    EXPECT_EQ(platform::ProgramDirectory(), "/tmp/elsewhere/");
    platform::SetProgramDirectory("/tmp/other/");
    EXPECT_EQ(platform::ProgramDirectory(), "/tmp/other/");
    platform::SetProgramDirectory("");
    EXPECT_EQ(platform::ProgramDirectory(), own);
}

}  // namespace
