#pragma once

#include <optional>
#include <string>

namespace platform {

// The file a save to `path` is to write: an absolute path with every symbolic link on the way
// followed, "." and ".." taken as they come. A link in a sticky folder anyone may write (as
// /tmp) is followed only when it is the user's own or the folder owner's, as the kernel's
// protected_symlinks rule has it: another user's link there may lead anywhere the user may
// write. Nothing when such a link is met, for a loop, or when a folder on the way is missing
// or cannot be looked into; a last part that does not exist yet is a new file and stands.
std::optional<std::string> ResolveForWriting(const std::string& path);

}  // namespace platform
