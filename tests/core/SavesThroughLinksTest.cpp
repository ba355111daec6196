// The document and "settings.dat" are saved through a symbolic link only where the link rule
// allows: never through another user's link in a sticky folder anyone may write.

#include <gtest/gtest.h>

#include <string>

#include "core/DataFile.h"
#include "core/ProgramOptions.h"
#include "tests/support/OtherUsers.h"
#include "tests/support/StickyFolder.h"

namespace {

using testing_support::AsOrdinaryUser;
using testing_support::kBodyFalse;
using testing_support::kBodyTrue;
using testing_support::ReadBytes;
using testing_support::StickyFolderWithLinks;

bool SaveDocument(const std::string& path) {
    TDataFile document;
    return document.SaveToFile(path) == 0;
}

bool SaveSettings(const std::string& path) {
    TProgramOptions options;
    options.LastFile = "/home/ania/plan.ocn";
    return options.SaveToFile(path) == 0;
}

TEST(SavesThroughLinksTest, TheDocumentAndTheSettingsFollowNoOtherUsersLinkInAStickyFolder) {
    SKIP_UNLESS_ROOT();
    StickyFolderWithLinks folder;
    if (!folder.Plant(testing_support::kStranger, "plan.ocn", folder.UsersFile()) ||
        !folder.Plant(testing_support::kStranger, "settings.dat", folder.UsersFile()) ||
        !folder.Plant(testing_support::kNobody, "moj.ocn", folder.UsersFile()))
        GTEST_SKIP() << "this machine runs no process as another user";
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveDocument(folder.InFolder("plan.ocn")); }),
              kBodyFalse);
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveSettings(folder.InFolder("settings.dat")); }),
              kBodyFalse);
    EXPECT_EQ(ReadBytes(folder.UsersFile()), StickyFolderWithLinks::UsersBytes());
    // The user's own link leads the save to the user's file.
    EXPECT_EQ(AsOrdinaryUser([&] { return SaveDocument(folder.InFolder("moj.ocn")); }), kBodyTrue);
    EXPECT_GT(ReadBytes(folder.UsersFile()).size(), kHeaderSize);
}

}  // namespace
