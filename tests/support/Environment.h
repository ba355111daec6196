#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
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

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// A file of the shared sample documents (valid and damaged ".ocn" files).
std::string SamplePath(const std::string& name);

}  // namespace testing_support
