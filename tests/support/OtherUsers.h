#pragma once

// Parts of a test run as other users of the machine, for files shared between users: each in
// a forked child that takes on another user's id. Only root may take one on; a test that
// needs another user skips, saying why, where the machine lets it take on none.

#include <sys/types.h>

#include <functional>
#include <vector>

namespace testing_support {

// The ordinary user the tests take on, and others who share folders with that one. No
// account is needed for any of them.
inline constexpr uid_t kNobody = 65534;
inline constexpr uid_t kParent = 1000;
inline constexpr uid_t kTeacher = 1001;
inline constexpr uid_t kStranger = 1002;
// A group the parent and the teacher share.
inline constexpr gid_t kFamily = 50;

// Exit statuses of AsUser.
inline constexpr int kBodyTrue = 0;
inline constexpr int kBodyFalse = 1;
inline constexpr int kNoOtherUser = 2;

// Runs `body` in a child process as the user `uid` with the primary group `gid` and the
// further `groups` when the tests run as root (as themselves otherwise), and returns its exit
// status: kBodyTrue when `body` gave true, kBodyFalse when false, kNoOtherUser when the user
// could not be taken on.
int AsUser(uid_t uid, gid_t gid, const std::vector<gid_t>& groups,
           const std::function<bool()>& body);

// As an ordinary user: nobody when the tests run as root, who may write anything.
int AsOrdinaryUser(const std::function<bool()>& body);

// True when the tests run as root, the one user who may make files of other users.
bool RunAsRoot();

}  // namespace testing_support

// Where the tests do not run as root no file of another user can be made.
#define SKIP_UNLESS_ROOT()             \
    if (!testing_support::RunAsRoot()) \
    GTEST_SKIP() << "files of another user can only be made as root"
// A status of kNoOtherUser from AsUser: the machine let the test take on no other user.
#define SKIP_IF_NO_OTHER_USER(status)              \
    if ((status) == testing_support::kNoOtherUser) \
    GTEST_SKIP() << "this machine runs no process as another user"
