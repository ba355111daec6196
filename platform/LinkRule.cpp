#include "platform/LinkRule.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <vector>

namespace platform {
namespace {

// As the kernel: a path of more links than this is a loop.
constexpr int kMostLinks = 40;

// Puts the parts of `path` on `pending` so that the first is taken first.
void PushParts(const std::string& path, std::vector<std::string>& pending) {
    std::size_t end = path.size();
    while (end > 0) {
        const std::size_t slash = path.rfind('/', end - 1);
        const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
        if (end > start) pending.emplace_back(path, start, end - start);
        if (slash == std::string::npos) break;
        end = slash;
    }
}

// True when a link owned by `linkOwner` in the folder `folder` may be followed.
bool MayFollow(const std::string& folder, uid_t linkOwner) {
    struct stat info {};
    if (::stat(folder.empty() ? "/" : folder.c_str(), &info) != 0) return false;
    const bool shared = (info.st_mode & S_ISVTX) != 0 && (info.st_mode & S_IWOTH) != 0;
    return !shared || linkOwner == ::geteuid() || linkOwner == info.st_uid;
}

std::optional<std::string> ReadLink(const std::string& link) {
    std::array<char, PATH_MAX> target;
    const ssize_t n = ::readlink(link.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return std::nullopt;
    return std::string(target.data(), static_cast<std::size_t>(n));
}

}  // namespace

std::optional<std::string> ResolveForWriting(const std::string& path) {
    // A name ending in a separator is a folder's, never a file's.
    if (path.empty() || path.back() == '/') return std::nullopt;
    // The folders met so far, each a real one: "" is the root.
    std::string resolved;
    if (path.front() != '/') {
        std::array<char, PATH_MAX> cwd;
        if (::getcwd(cwd.data(), cwd.size()) == nullptr) return std::nullopt;
        resolved = cwd.data();
        if (resolved == "/") resolved.clear();
    }
    std::vector<std::string> pending;
    PushParts(path, pending);
    int links = 0;
    while (!pending.empty()) {
        const std::string part = std::move(pending.back());
        pending.pop_back();
        if (part == ".") continue;
        if (part == "..") {
            if (!resolved.empty()) resolved.erase(resolved.rfind('/'));
            continue;
        }
        const std::string next = resolved + "/" + part;
        struct stat info {};
        if (::lstat(next.c_str(), &info) != 0) {
            if (errno == ENOENT && pending.empty()) return next;
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) {
            // Only a folder has parts after it.
            if (!S_ISDIR(info.st_mode) && !pending.empty()) return std::nullopt;
            resolved = next;
            continue;
        }
        if (++links > kMostLinks || !MayFollow(resolved, info.st_uid)) return std::nullopt;
        const std::optional<std::string> target = ReadLink(next);
        if (!target) return std::nullopt;
        if (target->front() == '/') resolved.clear();
        PushParts(*target, pending);
    }
    return resolved.empty() ? "/" : resolved;
}

}  // namespace platform
