#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Types.h"

namespace testing_support {

// Makes platform::Date() and Now() return a fixed day for the lifetime of the object.
class FixedToday {
  public:
    FixedToday(int year, int month, int day);
    ~FixedToday();
    FixedToday(const FixedToday&) = delete;
    FixedToday& operator=(const FixedToday&) = delete;
    void Set(int year, int month, int day);

  private:
    std::shared_ptr<TDateTime> today_;
    std::unique_ptr<platform::Clock> previous_;
};

// Makes platform::DecimalSeparator() return `separator` for the lifetime of the object.
class DecimalSeparatorOverride {
  public:
    explicit DecimalSeparatorOverride(char separator);
    ~DecimalSeparatorOverride();
    DecimalSeparatorOverride(const DecimalSeparatorOverride&) = delete;
    DecimalSeparatorOverride& operator=(const DecimalSeparatorOverride&) = delete;
};

// A fresh temporary folder, removed with everything in it at the end of the test.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Points the user's own folder for backups (platform::OwnBackupFolder) into `folder`, for this
// process and the children it forks, for the lifetime of the object. The folder is made,
// open to every user, so that a child as another user can make its own folder in it.
class OwnBackupFolderIn {
  public:
    explicit OwnBackupFolderIn(const std::filesystem::path& folder);
    ~OwnBackupFolderIn();
    OwnBackupFolderIn(const OwnBackupFolderIn&) = delete;
    OwnBackupFolderIn& operator=(const OwnBackupFolderIn&) = delete;

  private:
    std::optional<std::string> previous_;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path);
// The number of entries in a folder, hidden ones included.
int EntriesIn(const std::filesystem::path& folder);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// A file of the shared sample documents (valid and damaged ".ocn" files).
std::string SamplePath(const std::string& name);

}  // namespace testing_support
