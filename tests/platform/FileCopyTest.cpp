// Copies kept beside a file: whole, flushed, and never in place of anything already there.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/KeptCopies.h"
#include "tests/support/Environment.h"
#include "tests/support/FileFaults.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::EntriesIn;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

constexpr char kSuffix[] = ".uszkodzony";

Bytes Document(std::uint8_t seed) {
    Bytes bytes;
    for (int i = 0; i < 1733; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 31 + seed));
    return bytes;
}

mode_t PermissionBits(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(0, ::stat(path.c_str(), &info)) << path;
    return info.st_mode & 0777;
}

TEST(KeepCopyBesideTest, CopiesEveryByteAndThePermissionBitsUnderTheSuffix) {
    TempDir dir;
    const std::string path = dir.File("klasa.ocn");
    WriteBytes(path, Document(1));
    ASSERT_EQ(0, ::chmod(path.c_str(), 0640));
    const std::string copy = platform::KeepCopyBeside(path, kSuffix);
    EXPECT_EQ(path + ".uszkodzony", copy);
    EXPECT_EQ(Document(1), ReadBytes(copy));
    EXPECT_EQ(0640u, PermissionBits(copy));
    EXPECT_EQ(Document(1), ReadBytes(path));
    EXPECT_EQ(2, EntriesIn(dir.Path()));  // nothing else left behind
}

TEST(KeepCopyBesideTest, ACopyHoldingTheSameBytesIsKeptAgainAsItIs) {
    TempDir dir;
    const std::string path = dir.File("klasa.ocn");
    WriteBytes(path, Document(1));
    const std::string first = platform::KeepCopyBeside(path, kSuffix);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first, platform::KeepCopyBeside(path, kSuffix));
    EXPECT_EQ(2, EntriesIn(dir.Path()));
}

TEST(KeepCopyBesideTest, NothingUnderATakenNameIsReplacedOrWrittenThrough) {
    TempDir dir;
    const std::string path = dir.File("klasa.ocn");
    WriteBytes(path, Document(1));
    WriteBytes(path + ".uszkodzony", Document(2));
    std::filesystem::create_directory(path + ".uszkodzony.2");
    // A link, even to nothing, is no copy and is not followed.
    std::filesystem::create_symlink(dir.File("nowhere"), path + ".uszkodzony.3");
    WriteBytes(dir.File("same"), Document(1));
    std::filesystem::create_symlink(dir.File("same"), path + ".uszkodzony.4");

    EXPECT_EQ(path + ".uszkodzony.5", platform::KeepCopyBeside(path, kSuffix));
    EXPECT_EQ(Document(1), ReadBytes(path + ".uszkodzony.5"));
    EXPECT_EQ(Document(2), ReadBytes(path + ".uszkodzony"));
    EXPECT_TRUE(std::filesystem::is_empty(path + ".uszkodzony.2"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("nowhere")));
}

TEST(KeepCopyBesideTest, WithEveryNameTakenNoCopyIsKept) {
    TempDir dir;
    const std::string path = dir.File("klasa.ocn");
    WriteBytes(path, Document(1));
    WriteBytes(path + ".uszkodzony", Document(2));
    for (int number = 2; number <= 99; ++number)
        WriteBytes(path + ".uszkodzony." + std::to_string(number), Document(2));
    EXPECT_EQ("", platform::KeepCopyBeside(path, kSuffix));
    EXPECT_EQ(100, EntriesIn(dir.Path()));
}

TEST(KeepCopyBesideTest, ACopyThatCannotBeWrittenWholeLeavesNothingBehind) {
    TempDir dir;
    const std::string path = dir.File("klasa.ocn");
    WriteBytes(path, Document(1));
    {
        testing_support::InstalledFileCalls<testing_support::DiskFullAfter> calls(1000);
        EXPECT_EQ("", platform::KeepCopyBeside(path, kSuffix));
    }
    EXPECT_EQ(1, EntriesIn(dir.Path()));
    EXPECT_EQ(Document(1), ReadBytes(path));
}

TEST(KeepCopyBesideTest, AMissingFileOrANameTooLongForTheFolderKeepsNoCopy) {
    TempDir dir;
    EXPECT_EQ("", platform::KeepCopyBeside(dir.File("brak.ocn"), kSuffix));
    const std::string longest = dir.File(std::string(250, 'a') + ".ocn");
    WriteBytes(longest, Document(1));
    EXPECT_EQ("", platform::KeepCopyBeside(longest, kSuffix));
    EXPECT_EQ(1, EntriesIn(dir.Path()));
}

}  // namespace
