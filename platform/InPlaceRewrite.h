#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// Rewrites the file at `target` (a path as ResolveForWriting gives it, naming a regular file
// the user may write) in place with `fresh`, as careful editors do where a file must keep
// what it is (its other names, its owner): before the first byte changes, the old bytes are
// kept whole and flushed in a backup (platform/Backups.h), and room for the new ones is
// reserved, so that a full disk fails the save with the file untouched. The backup is removed
// once the new bytes are flushed, or once a write that failed has put the old ones back; it
// stays where that putting back failed too, and the save then fails with the file cut.
// A file the user may not read, one larger than kLargestReadableFile, or one whose old bytes
// no backup can be made of is not rewritten: its old bytes could not be got back.
//
// The rewrite is not atomic: readers meanwhile see a mix of both, and so does a save killed
// while it writes, but the backup then holds the old bytes whole.
bool RewriteInPlace(const std::string& target, std::span<const std::uint8_t> fresh);

}  // namespace platform
