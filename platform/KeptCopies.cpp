#include "platform/KeptCopies.h"

#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "platform/FileSteps.h"
#include "platform/Files.h"

namespace platform {
namespace {

bool Exists(const std::string& name) {
    struct stat info {};
    return ::lstat(name.c_str(), &info) == 0;
}

// True when `name` is a plain file (no link) holding exactly `bytes`.
bool Holds(const std::string& name, std::span<const std::uint8_t> bytes) {
    struct stat held {};
    std::vector<std::uint8_t> heldBytes;
    return ::lstat(name.c_str(), &held) == 0 && S_ISREG(held.st_mode) &&
           static_cast<std::uint64_t>(held.st_size) == bytes.size() &&
           ReadWholeFile(name, heldBytes) && std::ranges::equal(heldBytes, bytes);
}

}  // namespace

std::string NumberedName(const std::string& name, int number) {
    return number == 1 ? name : name + "." + std::to_string(number);
}

std::string KeepBytesAs(const std::string& name, std::span<const std::uint8_t> bytes, mode_t mode) {
    for (int number = 1; number <= kCopyNames; ++number) {
        const std::string numbered = NumberedName(name, number);
        if (!Exists(numbered)) {
            if (files::CreateNewFile(numbered, bytes, mode)) return numbered;
            // Made meanwhile by someone else: the next name. Otherwise none can be made here.
            if (!Exists(numbered)) return "";
        }
        if (Holds(numbered, bytes)) return numbered;
    }
    return "";
}

std::string KeepCopyBeside(const std::string& path, const std::string& suffix) {
    struct stat info {};
    std::vector<std::uint8_t> bytes;
    if (::stat(path.c_str(), &info) != 0 || !ReadWholeFile(path, bytes)) return "";
    return KeepBytesAs(path + suffix, bytes, info.st_mode & 0777);
}

}  // namespace platform
