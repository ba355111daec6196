#include "tests/support/StickyFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/OtherUsers.h"

namespace testing_support {

StickyFolderWithLinks::StickyFolderWithLinks()
    : folder_(dir_.File("shared")),
      usersFolder_(dir_.File("own")),
      usersFile_(dir_.File("own/plan.ocn")) {
    EXPECT_EQ(::chmod(dir_.Path().c_str(), 0755), 0);
    std::filesystem::create_directory(folder_);
    EXPECT_EQ(::chown(folder_.c_str(), kTeacher, kTeacher), 0);
    EXPECT_EQ(::chmod(folder_.c_str(), 01777), 0);
    std::filesystem::create_directory(usersFolder_);
    WriteBytes(usersFile_, UsersBytes());
    for (const std::string& path : {usersFolder_, usersFile_})
        EXPECT_EQ(::chown(path.c_str(), kNobody, kNobody), 0) << path;
}

bool StickyFolderWithLinks::Plant(uid_t owner, const std::string& name, const std::string& target) {
    const std::string link = InFolder(name);
    const int status =
        AsUser(owner, owner, {}, [&] { return ::symlink(target.c_str(), link.c_str()) == 0; });
    EXPECT_NE(status, kBodyFalse) << "cannot put a link at " << link;
    return status == kBodyTrue;
}

std::string StickyFolderWithLinks::InFolder(const std::string& name) const {
    return folder_ + "/" + name;
}

}  // namespace testing_support
