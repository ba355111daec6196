#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <span>
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

TEST(ReadWholeFileTest, RefusesWhatIsNoRegularFileWithoutWaiting) {
    TempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Bytes bytes = {1, 2};
    EXPECT_FALSE(platform::ReadWholeFile(fifo, bytes));         // no writer: would wait forever
    EXPECT_FALSE(platform::ReadWholeFile("/dev/zero", bytes));  // would never end
    EXPECT_FALSE(platform::ReadWholeFile("/dev/null", bytes));
    EXPECT_EQ(bytes, (Bytes{1, 2}));
    EXPECT_FALSE(platform::IsRegularFile(fifo));
    EXPECT_FALSE(platform::IsRegularFile(dir.Path().string()));
}

TEST(ReadWholeFileTest, SizeLimitIsSixtyFourMebibytes) {
    TempDir dir;
    const std::string path = dir.File("big");
    WriteBytes(path, {0x42});
    std::filesystem::resize_file(path, platform::kLargestReadableFile);
    Bytes bytes;
    ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes.size(), platform::kLargestReadableFile);
    EXPECT_EQ(bytes.front(), 0x42);
    std::filesystem::resize_file(path, platform::kLargestReadableFile + 1);
    bytes = {1};
    EXPECT_FALSE(platform::ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, (Bytes{1}));
}

TEST(FileSourceTest, ReadsAFileThroughAReaderAsReadWholeFileDoes) {
    TempDir dir;
    const std::string path = dir.File("data.bin");
    Bytes content;
    for (int i = 0; i < 700000; ++i) content.push_back(static_cast<std::uint8_t>(i * 13));
    WriteBytes(path, content);
    platform::FileSource file;
    ASSERT_TRUE(file.Open(path));
    ASSERT_EQ(file.Size(), content.size());
    platform::ByteReader in(file, file.Size());
    Bytes read(content.size());
    EXPECT_TRUE(in.ReadInto(std::span(read).first(10)));
    EXPECT_TRUE(in.ReadInto(std::span(read).subspan(10)));
    EXPECT_EQ(read, content);
    EXPECT_FALSE(file.Failed());
}

TEST(FileSourceTest, RefusesWhatReadWholeFileRefuses) {
    TempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string big = dir.File("big");
    WriteBytes(big, {});
    std::filesystem::resize_file(big, platform::kLargestReadableFile + 1);
    platform::FileSource file;
    for (const std::string& path :
         {dir.File("missing"), dir.Path().string(), fifo, std::string("/dev/zero"), big})
        EXPECT_FALSE(file.Open(path)) << path;
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

Bytes Saved(const std::string& path, const Bytes& content) {
    EXPECT_TRUE(platform::SaveFileAtomically(
        path, [&](platform::ByteWriter& out) { out.WriteBytes(content.data(), content.size()); }));
    return ReadBytes(path);
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0);
    return info.st_mode;
}

TEST(SaveFileAtomicallyTest, KeepsThePermissionBitsOfTheFileItReplaces) {
    TempDir dir;
    for (const mode_t mode : {0600, 0640, 0755}) {
        const std::string path = dir.File("grades.ocn");
        WriteBytes(path, {9});
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        EXPECT_EQ(Saved(path, {1, 2}), (Bytes{1, 2}));
        EXPECT_EQ(ModeOf(path) & 07777, mode);
    }
    EXPECT_EQ(EntriesIn(dir.Path()), 1);
}

TEST(SaveFileAtomicallyTest, WritesThroughSymbolicLinksToTheirFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.Path() / "real");
    const std::string target = dir.File("real/plan.ocn");
    WriteBytes(target, {9});
    std::filesystem::create_symlink("real/plan.ocn", dir.Path() / "relative");
    std::filesystem::create_symlink(dir.File("relative"), dir.Path() / "absolute");
    EXPECT_EQ(Saved(dir.File("absolute"), {1}), (Bytes{1}));
    EXPECT_EQ(Saved(dir.File("relative"), {2}), (Bytes{2}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("absolute")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("relative")));
    EXPECT_EQ(ReadBytes(target), (Bytes{2}));
    EXPECT_EQ(EntriesIn(dir.Path()), 3);
    EXPECT_EQ(EntriesIn(dir.Path() / "real"), 1);
    // A link to a file not yet there makes the file.
    std::filesystem::create_symlink("real/new.ocn", dir.Path() / "dangling");
    EXPECT_EQ(Saved(dir.File("dangling"), {3}), (Bytes{3}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("dangling")));
    EXPECT_EQ(ReadBytes(dir.File("real/new.ocn")), (Bytes{3}));
}

TEST(SaveFileAtomicallyTest, ALinkThatLeadsToItselfFails) {
    TempDir dir;
    std::filesystem::create_symlink("loop", dir.Path() / "loop");
    EXPECT_FALSE(platform::SaveFileAtomically(dir.File("loop"),
                                              [](platform::ByteWriter& out) { out.WriteU8(1); }));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("loop")));
}

// Runs `body` in a child process as an ordinary user (nobody when the tests run as root, who
// may write anything) and returns its exit status.
int AsOrdinaryUser(const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool SaveOneByte(const std::string& path) {
    return platform::SaveFileAtomically(path, [](platform::ByteWriter& out) { out.WriteU8(7); });
}

TEST(SaveFileAtomicallyTest, AFileTheUserMayNotWriteIsNotReplaced) {
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);  // the folder would allow a rename
    const std::string path = dir.File("readonly.ocn");
    WriteBytes(path, {9, 9});
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveOneByte(path); }), 1);
    EXPECT_EQ(ReadBytes(path), (Bytes{9, 9}));
    EXPECT_EQ(ModeOf(path) & 07777, 0444u);
    EXPECT_EQ(EntriesIn(dir.Path()), 1);
}

TEST(SaveFileAtomicallyTest, AFolderTheUserMayNotWriteGetsTheFileWrittenInPlace) {
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    const std::string path = dir.File("shared.ocn");
    WriteBytes(path, {9, 9, 9});
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveOneByte(path); }), 0);
    EXPECT_EQ(ReadBytes(path), (Bytes{7}));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    // A new file has no place to go there.
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveOneByte(dir.File("new.ocn")); }), 1);
    EXPECT_EQ(EntriesIn(dir.Path()), 1);
}

// A small file system of its own mounted over a folder, seen only by this process and its
// children and gone with them; Mounted() is false where the sandbox allows no mounting.
class SmallFileSystem {
  public:
    SmallFileSystem(const std::filesystem::path& folder, const char* options) : folder_(folder) {
        mounted_ = ::unshare(CLONE_NEWNS) == 0 &&
                   ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool Mounted() const { return mounted_; }

  private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

// Fills the file system of `path` with a file there until no byte more fits.
void FillUp(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    const Bytes block(4096, 0x55);
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

TEST(SaveInPlaceTest, OnAFullDiskFailsAndLeavesTheOldFileByteForByte) {
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    const std::filesystem::path folder = dir.Path() / "disk";
    std::filesystem::create_directory(folder);
    SmallFileSystem disk(folder, "size=64k,mode=0755");
    if (!disk.Mounted()) GTEST_SKIP() << "no file system can be mounted here (needs root)";
    const std::string path = (folder / "plan.ocn").string();
    Bytes old;
    for (int i = 0; i < 6000; ++i) old.push_back(static_cast<std::uint8_t>(i * 31 + 7));
    WriteBytes(path, old);
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    FillUp((folder / "filler").string());
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const Bytes larger(40000, 0xAB);
    EXPECT_EQ(AsOrdinaryUser([&] {
                  return platform::SaveFileAtomically(path, [&](platform::ByteWriter& out) {
                      out.WriteBytes(larger.data(), larger.size());
                  });
              }),
              1);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(EntriesIn(folder), 2);
}

TEST(SaveFileAtomicallyTest, ASaveKilledMidwayLeavesOnlyTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("plan.ocn");
    WriteBytes(path, {9, 9});
    for (const bool replacing : {true, false}) {
        const std::string target = replacing ? path : dir.File("new.ocn");
        const pid_t child = ::fork();
        if (child == 0) {
            platform::SaveFileAtomically(target, [](platform::ByteWriter& out) {
                const Bytes chunk(1 << 16, 0xAB);
                for (int i = 0; i < 16; ++i) out.WriteBytes(chunk.data(), chunk.size());
                ::raise(SIGKILL);
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(EntriesIn(dir.Path()), 1) << (replacing ? "replacing" : "new file");
        EXPECT_EQ(ReadBytes(path), (Bytes{9, 9}));
    }
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
