#include "platform/Backups.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>

#include "platform/KeptCopies.h"
#include "platform/LinkRule.h"

namespace platform {
namespace {

constexpr char kProgramFolder[] = "/quirvale";

// The name of a backup in the user's own folder: the file's whole path, each "/" a "%", as
// editors name what they keep of a file in one folder of their own.
std::string NameInOwnFolder(const std::string& folder, const std::string& target) {
    std::string name = target;
    std::ranges::replace(name, '/', '%');
    return folder + "/" + name + kBackupSuffix;
}

// The first names a backup of `target` can have, beside it and in the user's own folder.
std::vector<std::string> FirstNames(const std::string& target) {
    std::vector<std::string> names = {target + kBackupSuffix};
    const std::string own = OwnBackupFolder(/*make=*/false);
    if (!own.empty()) names.push_back(NameInOwnFolder(own, target));
    return names;
}

// Calls `found` for each name a backup of `target` is under, with what is there, up to the
// first free number: backups are numbered from the first free name on.
void EachBackupName(const std::string& target,
                    const std::function<void(const std::string&, const struct stat&)>& found) {
    for (const std::string& first : FirstNames(target)) {
        for (int number = 1; number <= kCopyNames; ++number) {
            const std::string name = NumberedName(first, number);
            struct stat info {};
            if (::lstat(name.c_str(), &info) != 0) break;
            found(name, info);
        }
    }
}

// Makes each missing folder of `folder` (an absolute path), the user's alone.
void MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        ::mkdir(folder.substr(0, slash).c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
}

}  // namespace

std::vector<std::string> BackupsOf(const std::string& path) {
    std::vector<std::string> backups;
    const std::optional<std::string> target = ResolveForWriting(path);
    if (!target) return backups;
    EachBackupName(*target, [&](const std::string& name, const struct stat& info) {
        if (S_ISREG(info.st_mode)) backups.push_back(name);
    });
    return backups;
}

std::string OwnBackupFolder(bool make) {
    std::string folder;
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    // The standard's rule: a folder given by a relative path is to be ignored.
    if (state != nullptr && state[0] == '/')
        folder = std::string(state) + kProgramFolder;
    else if (home != nullptr && home[0] == '/')
        folder = std::string(home) + "/.local/state" + kProgramFolder;
    else
        return "";
    if (make) MakeFolders(folder);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid() || (info.st_mode & 0077) != 0)
        return "";
    return folder;
}

std::string KeepBackup(const std::string& target, std::span<const std::uint8_t> bytes,
                       mode_t mode) {
    const std::string beside = KeepBytesAs(target + kBackupSuffix, bytes, mode);
    if (!beside.empty()) return beside;
    const std::string own = OwnBackupFolder(/*make=*/true);
    return own.empty() ? "" : KeepBytesAs(NameInOwnFolder(own, target), bytes, mode);
}

void RemoveBackups(const std::string& target) {
    std::vector<std::string> needless;
    EachBackupName(target, [&](const std::string& name, const struct stat& info) {
        if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_nlink == 1)
            needless.push_back(name);
    });
    for (const std::string& name : needless) ::unlink(name.c_str());
}

}  // namespace platform
