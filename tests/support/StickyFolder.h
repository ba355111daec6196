#pragma once

// A folder anyone may write with the sticky bit (as /tmp), owned by the teacher, where users
// put symbolic links to a file of the ordinary user's kept elsewhere: a save through a link
// there may follow only the user's own links and the folder owner's.

#include <sys/types.h>

#include <string>

#include "tests/support/Environment.h"
#include "tests/support/SavedFiles.h"

namespace testing_support {

class StickyFolderWithLinks {
  public:
    // Made as root; a test that uses it skips elsewhere (SKIP_UNLESS_ROOT).
    StickyFolderWithLinks();

    // A link named `name` in the folder to `target`, put there by the user `owner` (a child
    // process as that user); false when the machine let the test take on no other user.
    bool Plant(uid_t owner, const std::string& name, const std::string& target);

    // A path in the folder.
    std::string InFolder(const std::string& name) const;
    // The ordinary user's file the links lead to, holding UsersBytes() until a save changes
    // it, and the user's own folder it lies in.
    const std::string& UsersFile() const { return usersFile_; }
    const std::string& UsersFolder() const { return usersFolder_; }
    static Bytes UsersBytes() { return {9, 9, 9}; }

  private:
    TempDir dir_;
    std::string folder_;
    std::string usersFolder_;
    std::string usersFile_;
};

}  // namespace testing_support
