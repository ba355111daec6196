#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <iterator>
#include <new>
#include <span>
#include <vector>

#include "platform/Files.h"
#include "tests/support/Environment.h"
#include "tests/support/FileFaults.h"
#include "tests/support/OtherUsers.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::AsOrdinaryUser;
using testing_support::EntriesIn;
using testing_support::kNobody;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

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

TEST(SaveFileAtomicallyTest, AFolderThatFailsToFlushAfterTheRenameStillCountsTheSave) {
    TempDir dir;
    const std::string path = dir.File("plan.ocn");
    WriteBytes(path, {9, 9});
    testing_support::InstalledFileCalls<testing_support::FolderFlushFails> calls;
    // The name leads to the new file: that is what the save reports.
    EXPECT_EQ(Saved(path, {1, 2, 3}), (Bytes{1, 2, 3}));
    EXPECT_EQ(Saved(dir.File("new.ocn"), {4}), (Bytes{4}));
    EXPECT_EQ(calls->attempts, 2);
    EXPECT_EQ(EntriesIn(dir.Path()), 2);
}

// Calls that end the process where a save is to rename its file over the old one.
class KilledBeforeRename final : public platform::FileCalls {
  public:
    int Rename(const std::string&, const std::string&) override {
        ::raise(SIGKILL);
        return -1;
    }
};

// The process id of a process that has ended.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

std::string Leftover(pid_t pid, int attempt) {
    return ".quirvale-" + std::to_string(pid) + "-" + std::to_string(attempt);
}

TEST(SaveFileAtomicallyTest, ASaveKilledBeforeItsRenameLeavesAFileTheNextSaveRemoves) {
    TempDir dir;
    const std::string path = dir.File("plan.ocn");
    WriteBytes(path, {9, 9});
    const pid_t child = ::fork();
    if (child == 0) {
        platform::SetFileCalls(std::make_unique<KilledBeforeRename>());
        SaveOneByte(path);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ReadBytes(path), (Bytes{9, 9}));
    EXPECT_EQ(ReadBytes(dir.File(Leftover(child, 0))), (Bytes{7}));

    EXPECT_EQ(Saved(dir.File("other.ocn"), {1}), (Bytes{1}));
    EXPECT_FALSE(std::filesystem::exists(dir.File(Leftover(child, 0))));
    EXPECT_EQ(EntriesIn(dir.Path()), 2);
}

TEST(SaveFileAtomicallyTest, RemovesOnlyTheFilesOfSavesWhoseProcessHasEnded) {
    TempDir dir;
    const pid_t ended = EndedProcess();
    const std::string gone = Leftover(ended, 0);
    const std::string goneToo = Leftover(ended, 99);
    const std::vector<std::string> kept = {
        Leftover(::getpid(), 0),  // a save under way in a running process
        Leftover(1, 3),           // another running process, maybe another user's
        Leftover(ended, 100),     // no save makes so many attempts
        ".quirvale-0-0",
        ".quirvale-0" + std::to_string(ended) + "-0",
        ".quirvale-" + std::to_string(ended) + "-00",
        ".quirvale-+" + std::to_string(ended) + "-0",
        ".quirvale-" + std::to_string(ended) + "-",
        ".quirvale-" + std::to_string(ended),
        ".quirvale-" + std::to_string(ended) + "-0-0",
        ".quirvale-" + std::to_string(ended) + "-0.ocn",
        "quirvale-" + std::to_string(ended) + "-0",
        ".quirvale-99999999999999999999-0",
        ".quirvale-AbC123",
    };
    for (const std::string& name : kept) WriteBytes(dir.File(name), {5});
    WriteBytes(dir.File(gone), {5});
    WriteBytes(dir.File(goneToo), {5});

    EXPECT_EQ(Saved(dir.File("plan.ocn"), {1}), (Bytes{1}));
    EXPECT_FALSE(std::filesystem::exists(dir.File(gone)));
    EXPECT_FALSE(std::filesystem::exists(dir.File(goneToo)));
    for (const std::string& name : kept)
        EXPECT_TRUE(std::filesystem::exists(dir.File(name))) << name;
    EXPECT_EQ(EntriesIn(dir.Path()), static_cast<int>(kept.size()) + 1);
}

TEST(SaveFileAtomicallyTest, RemovesOnlyTheSaversOwnPlainLeftoverFiles) {
    SKIP_UNLESS_ROOT();
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);  // shared, and not sticky
    const pid_t ended = EndedProcess();
    const std::string own = dir.File(Leftover(ended, 0));
    const std::string others = dir.File(Leftover(ended, 1));
    const std::string folder = dir.File(Leftover(ended, 2));
    const std::string link = dir.File(Leftover(ended, 3));
    const std::string linked = dir.File(Leftover(ended, 4));
    WriteBytes(own, {5});
    WriteBytes(others, {5});
    ASSERT_EQ(::chmod(others.c_str(), 0600), 0);
    std::filesystem::create_directory(folder);
    WriteBytes(dir.File("target"), {5});
    std::filesystem::create_symlink("target", link);
    WriteBytes(linked, {5});
    std::filesystem::create_hard_link(linked, dir.File("second-name"));
    for (const std::string& path : {own, folder, link, linked, dir.File("target")})
        ASSERT_EQ(::lchown(path.c_str(), kNobody, kNobody), 0) << path;

    const int status = AsOrdinaryUser([&] { return SaveOneByte(dir.File("plan.ocn")); });
    SKIP_IF_NO_OTHER_USER(status);
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(std::filesystem::exists(own));
    EXPECT_EQ(ReadBytes(others), (Bytes{5}));  // root's
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(linked), (Bytes{5}));
    EXPECT_EQ(ReadBytes(dir.File("target")), (Bytes{5}));
}

volatile sig_atomic_t umaskCalled = 0;

// Makes every later umask(2) of this process raise SIGSYS, which sets umaskCalled and lets
// the call fail; false where the kernel has no filters.
bool TrapUmask() {
    struct sigaction action {};
    action.sa_handler = [](int) { umaskCalled = 1; };
    if (::sigaction(SIGSYS, &action, nullptr) != 0) return false;
    sock_filter program[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_umask, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_TRAP),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog filter{static_cast<unsigned short>(std::size(program)), program};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
}

TEST(SaveFileAtomicallyTest, ANewFileGetsItsModeWithoutTheProcessUmaskChanging) {
    // Another thread making a file meanwhile would get the mode a changed umask gives.
    TempDir dir;
    const std::string path = dir.File("new.ocn");
    const pid_t child = ::fork();
    if (child == 0) {
        ::umask(027);
        if (!TrapUmask()) ::_exit(2);
        if (!SaveOneByte(path)) ::_exit(1);
        ::_exit(umaskCalled ? 3 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "system calls cannot be filtered here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "3: the save set the umask";
    EXPECT_EQ(ModeOf(path) & 07777, 0640u);
}

TEST(SaveFileAtomicallyTest, MemoryRunningOutWhileWritingFailsTheSaveAndKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("plan.ocn");
    WriteBytes(path, {9, 9});
    for (const std::string& target : {path, dir.File("new.ocn")}) {
        bool saved = true;
        EXPECT_NO_THROW(saved = platform::SaveFileAtomically(target, [](platform::ByteWriter& out) {
                            out.WriteU8(1);
                            throw std::bad_alloc();
                        }));
        EXPECT_FALSE(saved) << target;
    }
    EXPECT_EQ(ReadBytes(path), (Bytes{9, 9}));
    EXPECT_EQ(EntriesIn(dir.Path()), 1);
}

TEST(SaveFileAtomicallyTest, AFileLargerThanTheLimitGivenIsNotWritten) {
    TempDir dir;
    const std::string path = dir.File("plan.ocn");
    WriteBytes(path, {9, 9});
    const auto bytes = [](std::size_t count) {
        return
            [count](platform::ByteWriter& out) { out.WriteBytes(Bytes(count, 1).data(), count); };
    };
    EXPECT_FALSE(platform::SaveFileAtomically(path, bytes(11), 10));
    EXPECT_FALSE(platform::SaveFileAtomically(dir.File("new.ocn"), bytes(11), 10));
    EXPECT_EQ(ReadBytes(path), (Bytes{9, 9}));
    EXPECT_EQ(EntriesIn(dir.Path()), 1);
    // Nor in place.
    std::filesystem::create_hard_link(path, dir.File("second.ocn"));
    EXPECT_FALSE(platform::SaveFileAtomically(path, bytes(11), 10));
    EXPECT_EQ(ReadBytes(path), (Bytes{9, 9}));
    EXPECT_EQ(EntriesIn(dir.Path()), 2);
    EXPECT_TRUE(platform::SaveFileAtomically(path, bytes(10), 10));
    EXPECT_EQ(ReadBytes(dir.File("second.ocn")), Bytes(10, 1));
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
