// Saves that rewrite a file in place, where no new file may take its place (it has other
// names, or its folder may not be written): its old bytes are kept whole in a backup,
// flushed, before the first of them changes, and the backup goes once the new ones are on
// disk or the old ones are back.

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Backups.h"
#include "platform/Files.h"
#include "tests/support/Environment.h"
#include "tests/support/FileFaults.h"
#include "tests/support/OtherUsers.h"
#include "tests/support/SavedFiles.h"

namespace {

using testing_support::AsOrdinaryUser;
using testing_support::Bytes;
using testing_support::EntriesIn;
using testing_support::Pattern;
using testing_support::ReadBytes;
using testing_support::SaveBytes;
using testing_support::StatOf;
using testing_support::TempDir;
using testing_support::WriteBytes;

// A document with a second name (a hard link, which is to see the new bytes too).
class HardLinkedSaveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(path_, old_);
        ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
        std::filesystem::create_hard_link(path_, other_);
    }

    // The document as it was, under both names, and nothing else beside it.
    void ExpectTheOldFileAlone() {
        EXPECT_TRUE(ReadBytes(path_) == old_);
        EXPECT_TRUE(ReadBytes(other_) == old_);
        EXPECT_EQ(EntriesIn(dir_.Path()), 2);
    }

    TempDir dir_;
    std::string path_ = dir_.File("plan.ocn");
    std::string other_ = dir_.File("drugi.ocn");
    std::string backup_ = path_ + ".poprzedni";
    Bytes old_ = Pattern(6000, 1);
    Bytes longer_ = Pattern(20000, 2);
};

TEST_F(HardLinkedSaveTest, EveryNameSeesTheNewBytesAndNothingIsLeftBeside) {
    const ino_t inode = StatOf(path_).st_ino;
    EXPECT_TRUE(SaveBytes(path_, longer_));
    EXPECT_TRUE(ReadBytes(other_) == longer_);
    EXPECT_TRUE(SaveBytes(other_, {4}));
    EXPECT_EQ(ReadBytes(path_), (Bytes{4}));
    EXPECT_EQ(StatOf(path_).st_ino, inode);
    EXPECT_EQ(StatOf(path_).st_nlink, 2u);
    EXPECT_EQ(StatOf(path_).st_mode & 07777, 0640u);
    EXPECT_EQ(EntriesIn(dir_.Path()), 2);
}

TEST_F(HardLinkedSaveTest, AWriteThatFailsOncePutsTheOldBytesBackAndDropsTheBackup) {
    // The backup takes the first old_.size() bytes the disk has room for.
    for (const std::size_t room : {0u, 1u, 4096u, 6000u, 19999u}) {
        testing_support::InstalledFileCalls<testing_support::DiskFullAfter> calls(old_.size() +
                                                                                  room);
        EXPECT_FALSE(SaveBytes(path_, longer_)) << room;
        ExpectTheOldFileAlone();
    }
}

TEST_F(HardLinkedSaveTest, ADiskThatKeepsFailingLeavesTheOldBytesWholeInTheBackup) {
    for (const std::size_t room : {0u, 1u, 4096u, 5999u, 6000u, 19999u}) {
        {
            testing_support::InstalledFileCalls<testing_support::DiskFailsAfter> calls(old_.size() +
                                                                                       room);
            EXPECT_FALSE(SaveBytes(path_, longer_)) << room;
        }
        EXPECT_FALSE(ReadBytes(path_) == longer_);
        EXPECT_EQ(platform::BackupsOf(path_), std::vector<std::string>{backup_}) << room;
        EXPECT_TRUE(ReadBytes(backup_) == old_) << room;
        EXPECT_EQ(StatOf(backup_).st_mode & 07777, 0640u);
        EXPECT_EQ(EntriesIn(dir_.Path()), 3);
        // The next whole save takes the backup away.
        EXPECT_TRUE(SaveBytes(path_, old_));
        ExpectTheOldFileAlone();
    }
}

TEST_F(HardLinkedSaveTest, AFailedSaveOverAnEarlierFailuresFileKeepsBothBackups) {
    {
        testing_support::InstalledFileCalls<testing_support::DiskFailsAfter> calls(old_.size() +
                                                                                   10);
        EXPECT_FALSE(SaveBytes(path_, longer_));
    }
    const Bytes cut = ReadBytes(path_);
    {
        testing_support::InstalledFileCalls<testing_support::DiskFailsAfter> calls(cut.size() + 10);
        EXPECT_FALSE(SaveBytes(path_, longer_));
    }
    EXPECT_EQ(platform::BackupsOf(path_), (std::vector<std::string>{backup_, backup_ + ".2"}));
    EXPECT_TRUE(ReadBytes(backup_) == old_);
    EXPECT_TRUE(ReadBytes(backup_ + ".2") == cut);
    EXPECT_TRUE(SaveBytes(path_, old_));
    ExpectTheOldFileAlone();
}

// Records the order of the writes and flushes of a save, by the file they go to, and whether
// the backup held the old bytes when the document's first byte was written.
class OrderOfWrites final : public platform::FileCalls {
  public:
    OrderOfWrites(ino_t document, std::string backup, Bytes old)
        : document_(document), backup_(std::move(backup)), old_(std::move(old)) {}

    std::ptrdiff_t WriteAt(int fd, const std::uint8_t* data, std::size_t size,
                           std::int64_t offset) override {
        const bool toDocument = InodeOf(fd) == document_;
        if (toDocument && !Seen("write document")) backupWhole = ReadBytes(backup_) == old_;
        events.push_back(toDocument ? "write document" : "write backup");
        return FileCalls::WriteAt(fd, data, size, offset);
    }
    int SyncFile(int fd) override {
        events.push_back(InodeOf(fd) == document_ ? "flush document" : "flush backup");
        if (InodeOf(fd) == document_) backupAtFlush = std::filesystem::exists(backup_);
        return FileCalls::SyncFile(fd);
    }
    int SyncFolder(int fd) override {
        events.push_back("flush folder");
        return FileCalls::SyncFolder(fd);
    }

    std::vector<std::string> events;
    bool backupWhole = false;
    bool backupAtFlush = false;

  private:
    static ino_t InodeOf(int fd) {
        struct stat info {};
        return ::fstat(fd, &info) == 0 ? info.st_ino : 0;
    }
    bool Seen(const std::string& event) const {
        return std::find(events.begin(), events.end(), event) != events.end();
    }

    ino_t document_;
    std::string backup_;
    Bytes old_;
};

TEST_F(HardLinkedSaveTest, TheBackupIsWholeAndFlushedBeforeTheFirstByteChanges) {
    testing_support::InstalledFileCalls<OrderOfWrites> calls(StatOf(path_).st_ino, backup_, old_);
    EXPECT_TRUE(SaveBytes(path_, longer_));
    const std::vector<std::string> expected = {"write backup", "flush backup", "flush folder",
                                               "write document", "flush document"};
    EXPECT_EQ(calls->events, expected);
    EXPECT_TRUE(calls->backupWhole);
    // Removed only once the new bytes were on disk.
    EXPECT_TRUE(calls->backupAtFlush);
    EXPECT_EQ(EntriesIn(dir_.Path()), 2);
}

TEST_F(HardLinkedSaveTest, AWholeSaveRemovesTheBackupsAnEarlierSaveLeftThatAreTheUsersAlone) {
    WriteBytes(backup_, {1});
    WriteBytes(backup_ + ".2", {2});
    std::filesystem::create_hard_link(backup_ + ".2", dir_.File("zachowana"));
    std::filesystem::create_directory(backup_ + ".3");
    WriteBytes(backup_ + ".4", {4});
    EXPECT_EQ(platform::BackupsOf(path_),
              (std::vector<std::string>{backup_, backup_ + ".2", backup_ + ".4"}));
    EXPECT_TRUE(SaveBytes(path_, longer_));
    EXPECT_FALSE(std::filesystem::exists(backup_));
    EXPECT_FALSE(std::filesystem::exists(backup_ + ".4"));
    // A file with another name is not the save's to remove, nor a folder.
    EXPECT_EQ(ReadBytes(backup_ + ".2"), (Bytes{2}));
    EXPECT_TRUE(std::filesystem::is_directory(backup_ + ".3"));
    // A save that renames its new file over the old one ends what a backup was kept for too.
    const std::string single = dir_.File("jeden.ocn");
    WriteBytes(single, {9});
    WriteBytes(single + ".poprzedni", {8});
    EXPECT_TRUE(SaveBytes(single, {7}));
    EXPECT_FALSE(std::filesystem::exists(single + ".poprzedni"));
}

// --- A folder the user may not write ---------------------------------------------------------

// An old file the user may write in a folder the user may not: a save there rewrites the
// file in place, keeping the backup in the user's own folder.
class SaveInPlaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(::chmod(dir_.Path().c_str(), 0755), 0);
        std::filesystem::create_directory(folder_);
        WriteBytes(path_, old_);
        ASSERT_EQ(::chmod(path_.c_str(), 0666), 0);
        ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    }

    // Saves `content` over the old file as an ordinary user; true when the save succeeded.
    bool Save(const Bytes& content) {
        const int status = AsOrdinaryUser([&] { return SaveBytes(path_, content); });
        EXPECT_TRUE(status == 0 || status == 1) << status;
        return status == 0;
    }

    void ExpectTheOldFileWhole() {
        EXPECT_EQ(ReadBytes(path_).size(), old_.size());
        EXPECT_TRUE(ReadBytes(path_) == old_);
        EXPECT_EQ(EntriesIn(folder_), 1);
    }

    // The backups in the user's own folder.
    int Backups() {
        const std::filesystem::path own = state_ / "quirvale";
        return std::filesystem::exists(own) ? EntriesIn(own) : 0;
    }

    TempDir dir_;
    std::filesystem::path folder_ = dir_.Path() / "shared";
    std::filesystem::path state_ = dir_.Path() / "state";
    testing_support::OwnBackupFolderIn ownFolder_{state_};
    std::string path_ = (folder_ / "plan.ocn").string();
    Bytes old_ = Pattern(6000, 1);
};

TEST_F(SaveInPlaceTest, TheFileIsWrittenInPlaceAndAFileNewThereHasNoPlace) {
    const ino_t inode = StatOf(path_).st_ino;
    EXPECT_TRUE(Save({7}));
    EXPECT_EQ(ReadBytes(path_), (Bytes{7}));
    EXPECT_EQ(StatOf(path_).st_ino, inode);
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveBytes((folder_ / "new.ocn").string(), {7}); }), 1);
    EXPECT_EQ(EntriesIn(folder_), 1);
    EXPECT_EQ(Backups(), 0);
}

TEST_F(SaveInPlaceTest, TheBackupStaysInTheUsersOwnFolderWhereTheOldBytesCannotBePutBack) {
    // Named after the file's whole path.
    std::string expected = (state_ / "quirvale").string() + "/";
    for (const char c : std::filesystem::weakly_canonical(path_).string())
        expected += c == '/' ? '%' : c;
    expected += ".poprzedni";
    const int status = AsOrdinaryUser([&] {
        {
            testing_support::InstalledFileCalls<testing_support::DiskFailsAfter> calls(old_.size() +
                                                                                       100);
            if (SaveBytes(path_, Pattern(20000, 2))) return false;
        }
        // Told where the old bytes are, as the user that saved.
        return platform::BackupsOf(path_) == std::vector<std::string>{expected};
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(ReadBytes(expected) == old_);
    EXPECT_EQ(StatOf((state_ / "quirvale").string()).st_mode & 07777, 0700u);
    EXPECT_EQ(EntriesIn(folder_), 1);
    // The next whole save takes it away.
    EXPECT_TRUE(Save(old_));
    ExpectTheOldFileWhole();
    EXPECT_EQ(Backups(), 0);
}

TEST_F(SaveInPlaceTest, WhereNoBackupCanBeKeptTheFileIsNotRewritten) {
    ASSERT_EQ(::chmod(state_.c_str(), 0555), 0);
    EXPECT_FALSE(Save(Pattern(20000, 2)));
    ExpectTheOldFileWhole();
    EXPECT_EQ(Backups(), 0);
}

// Reserving fails as on a full disk; a write to the file after that ends the save's process
// with 3.
class NoRoomToReserve final : public platform::FileCalls {
  public:
    int Reserve(int, std::int64_t) override {
        reserved_ = true;
        return ENOSPC;
    }
    std::ptrdiff_t WriteAt(int fd, const std::uint8_t* data, std::size_t size,
                           std::int64_t offset) override {
        if (reserved_) ::_exit(3);
        return FileCalls::WriteAt(fd, data, size, offset);
    }

  private:
    bool reserved_ = false;
};

TEST_F(SaveInPlaceTest, NoRoomForTheNewBytesFailsBeforeAnOldByteChanges) {
    testing_support::InstalledFileCalls<NoRoomToReserve> calls;
    EXPECT_FALSE(Save(Bytes(20000, 0xAB)));
    ExpectTheOldFileWhole();
    EXPECT_FALSE(Save(Bytes(10, 0xAB)));
    ExpectTheOldFileWhole();
    EXPECT_EQ(Backups(), 0);
}

TEST_F(SaveInPlaceTest, AWriteFailingMidwayPutsTheOldBytesBack) {
    const Bytes longer(20000, 0xAB);
    const Bytes shorter(100, 0xCD);
    for (const std::size_t room : {std::size_t{0}, std::size_t{1}, std::size_t{4096},
                                   std::size_t{6000}, longer.size() - 1}) {
        // The backup takes the first old_.size() bytes the disk has room for.
        testing_support::InstalledFileCalls<testing_support::DiskFullAfter> calls(old_.size() +
                                                                                  room);
        EXPECT_FALSE(Save(longer)) << room;
        ExpectTheOldFileWhole();
        if (room < shorter.size()) {
            EXPECT_FALSE(Save(shorter)) << room;
            ExpectTheOldFileWhole();
        }
    }
    EXPECT_EQ(Backups(), 0);
    EXPECT_TRUE(Save(longer));
    EXPECT_TRUE(ReadBytes(path_) == longer);
    EXPECT_TRUE(Save(shorter));
    EXPECT_EQ(ReadBytes(path_), shorter);
}

TEST_F(SaveInPlaceTest, AFileTheUserMayNotReadIsNotRewritten) {
    // Its old bytes could not be put back after a failed write.
    ASSERT_EQ(::chmod(path_.c_str(), 0222), 0);
    EXPECT_FALSE(Save(Bytes(10, 0xAB)));
    ASSERT_EQ(::chmod(path_.c_str(), 0644), 0);
    ExpectTheOldFileWhole();
}

// A small file system of its own mounted over a folder, seen only by this process and its
// children and gone with them; Mounted() is false where the machine allows no mounting, and
// WhyNot() tells which step it refused and why.
class SmallFileSystem {
  public:
    SmallFileSystem(const std::filesystem::path& folder, const char* options) : folder_(folder) {
        if (::unshare(CLONE_NEWNS) != 0)
            Refused("a mount namespace of its own");
        else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            Refused("private mounts");
        else if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options) != 0)
            Refused("a tmpfs");
        else
            mounted_ = true;
    }
    ~SmallFileSystem() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool Mounted() const { return mounted_; }
    const std::string& WhyNot() const { return whyNot_; }

  private:
    void Refused(const std::string& step) {
        whyNot_ = "no small file system can be mounted here: " + step + " was refused (" +
                  std::strerror(errno) + ")";
        // Only root may mount; as root, the sandbox the tests run in refused it.
        if (::geteuid() != 0) whyNot_ += "; mounting needs root";
    }

    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string whyNot_;
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

TEST_F(SaveInPlaceTest, OnAFullDiskFailsAndLeavesTheOldFileByteForByte) {
    SmallFileSystem disk(folder_, "size=64k,mode=0755");
    if (!disk.Mounted()) GTEST_SKIP() << disk.WhyNot();
    WriteBytes(path_, old_);
    ASSERT_EQ(::chmod(path_.c_str(), 0666), 0);
    FillUp((folder_ / "filler").string());
    ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    EXPECT_FALSE(Save(Bytes(40000, 0xAB)));
    EXPECT_TRUE(ReadBytes(path_) == old_);
    EXPECT_EQ(EntriesIn(folder_), 2);
    EXPECT_EQ(Backups(), 0);
}

}  // namespace
