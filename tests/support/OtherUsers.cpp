#include "tests/support/OtherUsers.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

int AsUser(uid_t uid, gid_t gid, const std::vector<gid_t>& groups,
           const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (RunAsRoot() && (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(gid) != 0 ||
                            ::setuid(uid) != 0))
            ::_exit(kNoOtherUser);
        ::_exit(body() ? kBodyTrue : kBodyFalse);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int AsOrdinaryUser(const std::function<bool()>& body) {
    return AsUser(kNobody, kNobody, {}, body);
}

bool RunAsRoot() {
    return ::geteuid() == 0;
}

}  // namespace testing_support
