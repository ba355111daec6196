#pragma once

// What a save in place keeps of a file's old bytes until its new ones are on disk: a backup
// named after the file with kBackupSuffix, beside it or, where its folder cannot hold one, in
// a folder of the user's own. A save that could not put the old bytes back leaves it there
// for the user; the next whole save of the file removes it.

#include <sys/types.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Added to a file's name for its backup ("plan.ocn.poprzedni"); where that name is taken,
// ".2", ".3" ... follow it, as for every copy kept (platform/KeptCopies.h).
inline constexpr char kBackupSuffix[] = ".poprzedni";

// The backups that lie beside the file a save to `path` writes, or in the user's own folder,
// in the order of their numbers; empty when there are none.
std::vector<std::string> BackupsOf(const std::string& path);

// The user's own folder for the backups a file's folder cannot hold: "quirvale" in
// $XDG_STATE_HOME, or in ~/.local/state where that is not set, made (mode 0700) when `make`
// is set. "" when it is missing or is not a folder of the user's alone. A backup there is
// named after the file's whole path, each "/" a "%": "%home%ania%plan.ocn.poprzedni".
std::string OwnBackupFolder(bool make);

// Keeps `bytes`, the old content of the file at `target` (a path as ResolveForWriting gives
// it) with the permission bits `mode`, as its backup: made new, whole and flushed, beside the
// file or else in OwnBackupFolder. Its name, or "" when none could be kept.
std::string KeepBackup(const std::string& target, std::span<const std::uint8_t> bytes, mode_t mode);

// Removes the backups of the file at `target` that are the user's own plain files with one
// name: once a whole save has put the new bytes on disk they hold nothing needed.
void RemoveBackups(const std::string& target);

}  // namespace platform
