// Saves through symbolic links: written through to the file a link names, except where
// another user's link in a sticky folder anyone may write (as /tmp) could lead the save to
// any file the user may write.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/LinkRule.h"
#include "tests/support/Environment.h"
#include "tests/support/OtherUsers.h"
#include "tests/support/SavedFiles.h"
#include "tests/support/StickyFolder.h"

namespace {

using testing_support::AsOrdinaryUser;
using testing_support::Bytes;
using testing_support::EntriesIn;
using testing_support::kBodyFalse;
using testing_support::kBodyTrue;
using testing_support::ReadBytes;
using testing_support::SaveBytes;
using testing_support::StickyFolderWithLinks;
using testing_support::TempDir;
using testing_support::WriteBytes;

TEST(SaveLinksTest, WritesThroughSymbolicLinksToTheirFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.Path() / "real");
    const std::string target = dir.File("real/plan.ocn");
    WriteBytes(target, {9});
    std::filesystem::create_symlink("real/plan.ocn", dir.Path() / "relative");
    std::filesystem::create_symlink(dir.File("relative"), dir.Path() / "absolute");
    EXPECT_TRUE(SaveBytes(dir.File("absolute"), {1}));
    EXPECT_TRUE(SaveBytes(dir.File("relative"), {2}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("absolute")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("relative")));
    EXPECT_EQ(ReadBytes(target), (Bytes{2}));
    EXPECT_EQ(EntriesIn(dir.Path()), 3);
    EXPECT_EQ(EntriesIn(dir.Path() / "real"), 1);
    // A link to a file not yet there makes the file.
    std::filesystem::create_symlink("real/new.ocn", dir.Path() / "dangling");
    EXPECT_TRUE(SaveBytes(dir.File("dangling"), {3}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("dangling")));
    EXPECT_EQ(ReadBytes(dir.File("real/new.ocn")), (Bytes{3}));
}

TEST(SaveLinksTest, ALinkThatLeadsToItselfFails) {
    TempDir dir;
    std::filesystem::create_symlink("loop", dir.Path() / "loop");
    EXPECT_FALSE(SaveBytes(dir.File("loop"), {1}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("loop")));
}

TEST(SaveLinksTest, APathIsResolvedToTheFileItNamesPartByPart) {
    TempDir dir;
    const std::string real = std::filesystem::canonical(dir.Path()).string();
    std::filesystem::create_directories(dir.Path() / "a" / "b");
    std::filesystem::create_symlink("a/b", dir.Path() / "down");
    std::filesystem::create_symlink("..", dir.Path() / "a" / "b" / "up");
    WriteBytes(dir.File("a/plik"), {1});
    using platform::ResolveForWriting;
    EXPECT_EQ(ResolveForWriting(dir.File("down/up/plik")), real + "/a/plik");
    EXPECT_EQ(ResolveForWriting(dir.File("./a/../down/./nowy.ocn")), real + "/a/b/nowy.ocn");
    EXPECT_EQ(
        ResolveForWriting(dir.File("a//b/../../../") + dir.Path().filename().string() + "/a/plik"),
        real + "/a/plik");
    // From the working folder, as the program's paths may be.
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path() / "a" / "b");
    EXPECT_EQ(ResolveForWriting("up/plik"), real + "/a/plik");
    EXPECT_EQ(ResolveForWriting("../../../" + dir.Path().filename().string()), real);
    std::filesystem::current_path(working);
    // Nothing for what is no file's path.
    EXPECT_EQ(ResolveForWriting(dir.File("no/such.ocn")), std::nullopt);
    EXPECT_EQ(ResolveForWriting(dir.File("a/plik/x.ocn")), std::nullopt);
    EXPECT_EQ(ResolveForWriting(dir.File("a/")), std::nullopt);
    EXPECT_EQ(ResolveForWriting(""), std::nullopt);
    EXPECT_EQ(ResolveForWriting("/"), std::nullopt);
}

TEST(SaveLinksTest, AnotherUsersLinkInAStickyFolderIsNotFollowed) {
    SKIP_UNLESS_ROOT();
    StickyFolderWithLinks folder;
    if (!folder.Plant(testing_support::kStranger, "plan.ocn", folder.UsersFile()))
        GTEST_SKIP() << "this machine runs no process as another user";
    const std::string link = folder.InFolder("plan.ocn");
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveBytes(link, {7}); }), kBodyFalse);
    EXPECT_EQ(ReadBytes(folder.UsersFile()), StickyFolderWithLinks::UsersBytes());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(EntriesIn(folder.InFolder("")), 1);
    EXPECT_EQ(EntriesIn(folder.UsersFolder()), 1);
}

TEST(SaveLinksTest, AnotherUsersDanglingLinkInAStickyFolderCreatesNothing) {
    SKIP_UNLESS_ROOT();
    StickyFolderWithLinks folder;
    const std::string chosen = folder.UsersFolder() + "/nowy.ocn";
    if (!folder.Plant(testing_support::kStranger, "nowy.ocn", chosen))
        GTEST_SKIP() << "this machine runs no process as another user";
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveBytes(folder.InFolder("nowy.ocn"), {7}); }),
              kBodyFalse);
    EXPECT_FALSE(std::filesystem::exists(chosen));
    EXPECT_EQ(EntriesIn(folder.UsersFolder()), 1);
    EXPECT_EQ(EntriesIn(folder.InFolder("")), 1);
}

TEST(SaveLinksTest, AnotherUsersLinkToAFolderOnTheWayIsNotFollowed) {
    SKIP_UNLESS_ROOT();
    StickyFolderWithLinks folder;
    if (!folder.Plant(testing_support::kStranger, "teczka", folder.UsersFolder()))
        GTEST_SKIP() << "this machine runs no process as another user";
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveBytes(folder.InFolder("teczka/plan.ocn"), {7}); }),
              kBodyFalse);
    EXPECT_EQ(ReadBytes(folder.UsersFile()), StickyFolderWithLinks::UsersBytes());
}

TEST(SaveLinksTest, TheUsersOwnLinksAndTheFolderOwnersAreFollowed) {
    SKIP_UNLESS_ROOT();
    StickyFolderWithLinks folder;
    if (!folder.Plant(testing_support::kNobody, "moj.ocn", folder.UsersFile()) ||
        !folder.Plant(testing_support::kTeacher, "nauczyciela.ocn", folder.UsersFile()))
        GTEST_SKIP() << "this machine runs no process as another user";
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveBytes(folder.InFolder("moj.ocn"), {7}); }),
              kBodyTrue);
    EXPECT_EQ(ReadBytes(folder.UsersFile()), (Bytes{7}));
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveBytes(folder.InFolder("nauczyciela.ocn"), {8}); }),
              kBodyTrue);
    EXPECT_EQ(ReadBytes(folder.UsersFile()), (Bytes{8}));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.InFolder("moj.ocn")));
    EXPECT_EQ(EntriesIn(folder.UsersFolder()), 1);
}

TEST(SaveLinksTest, AnotherUsersLinkInAFolderThatIsNotStickyIsFollowedAsTheKernelDoes) {
    SKIP_UNLESS_ROOT();
    StickyFolderWithLinks folder;
    // Anyone may replace anything there: the sticky bit is what guards a folder's names.
    ASSERT_EQ(::chmod(folder.InFolder("").c_str(), 0777), 0);
    if (!folder.Plant(testing_support::kStranger, "plan.ocn", folder.UsersFile()))
        GTEST_SKIP() << "this machine runs no process as another user";
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveBytes(folder.InFolder("plan.ocn"), {7}); }),
              kBodyTrue);
    EXPECT_EQ(ReadBytes(folder.UsersFile()), (Bytes{7}));
}

}  // namespace
