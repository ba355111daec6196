// Saves of files shared between users keep each file's owner, group and mode: where the new
// file could not be given them, the file is rewritten in place instead of replaced.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/support/Environment.h"
#include "tests/support/OtherUsers.h"
#include "tests/support/SavedFiles.h"

namespace {

using testing_support::AsOrdinaryUser;
using testing_support::AsUser;
using testing_support::Bytes;
using testing_support::EntriesIn;
using testing_support::kBodyTrue;
using testing_support::kFamily;
using testing_support::kNobody;
using testing_support::kParent;
using testing_support::kTeacher;
using testing_support::ReadBytes;
using testing_support::SaveBytes;
using testing_support::StatOf;
using testing_support::TempDir;
using testing_support::WriteBytes;

// A folder several users may write, not sticky, holding a document of the parent's.
class SharedFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(::chmod(dir_.Path().c_str(), 0777), 0);
        WriteBytes(path_, {9, 9, 9});
    }

    void GiveTo(uid_t owner, gid_t group, mode_t mode) {
        ASSERT_EQ(::chown(path_.c_str(), owner, group), 0);
        ASSERT_EQ(::chmod(path_.c_str(), mode), 0);
    }

    void ExpectOwnedBy(uid_t owner, gid_t group, mode_t mode) {
        const struct stat info = StatOf(path_);
        EXPECT_EQ(info.st_uid, owner);
        EXPECT_EQ(info.st_gid, group);
        EXPECT_EQ(info.st_mode & 07777, mode);
        EXPECT_EQ(EntriesIn(dir_.Path()), 1);
    }

    TempDir dir_;
    std::string path_ = dir_.File("plan.ocn");
};

TEST_F(SharedFolderTest, AnotherUsersDocumentAnyoneMayWriteKeepsItsOwner) {
    SKIP_UNLESS_ROOT();
    GiveTo(kParent, kParent, 0666);
    const ino_t inode = StatOf(path_).st_ino;
    const int status = AsOrdinaryUser([&] { return SaveBytes(path_, {7}); });
    SKIP_IF_NO_OTHER_USER(status);
    EXPECT_EQ(status, kBodyTrue);
    EXPECT_EQ(ReadBytes(path_), (Bytes{7}));
    EXPECT_EQ(StatOf(path_).st_ino, inode);
    ExpectOwnedBy(kParent, kParent, 0666);
    // Its owner still writes it as before.
    EXPECT_EQ(AsUser(kParent, kParent, {}, [&] { return SaveBytes(path_, {1, 2}); }), kBodyTrue);
    EXPECT_EQ(ReadBytes(path_), (Bytes{1, 2}));
    ExpectOwnedBy(kParent, kParent, 0666);
}

TEST_F(SharedFolderTest, AGroupsDocumentKeepsItsOwnerAndGroupWhenAnotherMemberSavesIt) {
    SKIP_UNLESS_ROOT();
    GiveTo(kParent, kFamily, 0664);
    const int status = AsUser(kTeacher, kTeacher, {kFamily}, [&] { return SaveBytes(path_, {7}); });
    SKIP_IF_NO_OTHER_USER(status);
    EXPECT_EQ(status, kBodyTrue);
    EXPECT_EQ(ReadBytes(path_), (Bytes{7}));
    ExpectOwnedBy(kParent, kFamily, 0664);
    EXPECT_EQ(AsUser(kParent, kParent, {kFamily}, [&] { return SaveBytes(path_, {8}); }),
              kBodyTrue);
    EXPECT_EQ(ReadBytes(path_), (Bytes{8}));
    ExpectOwnedBy(kParent, kFamily, 0664);
}

TEST_F(SharedFolderTest, TheUsersOwnDocumentOfAGroupTheUserIsNotInKeepsTheGroup) {
    SKIP_UNLESS_ROOT();
    // The group's members may read it; the saver's own group may not.
    GiveTo(kNobody, kFamily, 0640);
    const int status = AsOrdinaryUser([&] { return SaveBytes(path_, {7}); });
    SKIP_IF_NO_OTHER_USER(status);
    EXPECT_EQ(status, kBodyTrue);
    EXPECT_EQ(ReadBytes(path_), (Bytes{7}));
    ExpectOwnedBy(kNobody, kFamily, 0640);
}

TEST_F(SharedFolderTest, RootKeepsTheOwnerAndGroupOfTheFileItReplaces) {
    SKIP_UNLESS_ROOT();
    GiveTo(kParent, kFamily, 0664);
    EXPECT_TRUE(SaveBytes(path_, {3}));
    EXPECT_EQ(ReadBytes(path_), (Bytes{3}));
    ExpectOwnedBy(kParent, kFamily, 0664);
}

TEST_F(SharedFolderTest, AnotherUsersDocumentInAStickyFolderIsRewrittenInPlace) {
    SKIP_UNLESS_ROOT();
    ASSERT_EQ(::chmod(dir_.Path().c_str(), 01777), 0);  // as /tmp
    GiveTo(0, 0, 0666);
    const ino_t inode = StatOf(path_).st_ino;
    const int status = AsOrdinaryUser([&] { return SaveBytes(path_, {7}); });
    SKIP_IF_NO_OTHER_USER(status);
    EXPECT_EQ(status, kBodyTrue);
    EXPECT_EQ(ReadBytes(path_), (Bytes{7}));
    EXPECT_EQ(StatOf(path_).st_ino, inode);
    ExpectOwnedBy(0, 0, 0666);
}

}  // namespace
