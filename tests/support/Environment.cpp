#include "tests/support/Environment.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/Dates.h"
#include "platform/Numbers.h"

namespace testing_support {
namespace {

class SharedClock final : public platform::Clock {
  public:
    explicit SharedClock(std::shared_ptr<TDateTime> today) : today_(std::move(today)) {}
    TDateTime Now() const override { return *today_ + 0.5; }  // noon of the fixed day

  private:
    std::shared_ptr<TDateTime> today_;
};

}  // namespace

FixedToday::FixedToday(int year, int month, int day)
    : today_(std::make_shared<TDateTime>(platform::EncodeDate(year, month, day))) {
    previous_ = platform::SetClock(std::make_unique<SharedClock>(today_));
}

FixedToday::~FixedToday() {
    platform::SetClock(std::move(previous_));
}

void FixedToday::Set(int year, int month, int day) {
    *today_ = platform::EncodeDate(year, month, day);
}

DecimalSeparatorOverride::DecimalSeparatorOverride(char separator) {
    platform::SetDecimalSeparatorSource([separator] { return separator; });
}

DecimalSeparatorOverride::~DecimalSeparatorOverride() {
    platform::SetDecimalSeparatorSource({});
}

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quirvale-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create a temporary folder";
    path_ = pattern;
}

TempDir::~TempDir() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    // A test may have made folders in it read-only; give the permissions back before removing
    // (as root the removal needs none, but the tests may run as anyone).
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto entry = fs::recursive_directory_iterator(
             path_, fs::directory_options::skip_permission_denied, ignored);
         entry != fs::recursive_directory_iterator(); entry.increment(ignored))
        if (entry->is_directory(ignored) && !entry->is_symlink(ignored))
            fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

OwnBackupFolderIn::OwnBackupFolderIn(const std::filesystem::path& folder) {
    if (const char* previous = std::getenv("XDG_STATE_HOME")) previous_ = previous;
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::all);
    ::setenv("XDG_STATE_HOME", folder.c_str(), 1);
}

OwnBackupFolderIn::~OwnBackupFolderIn() {
    if (previous_)
        ::setenv("XDG_STATE_HOME", previous_->c_str(), 1);
    else
        ::unsetenv("XDG_STATE_HOME");
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int EntriesIn(const std::filesystem::path& folder) {
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++entries;
    return entries;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << "cannot write " << path;
}

std::string SamplePath(const std::string& name) {
    return std::string(QV_FIXTURES_DIR) + "/ocn-samples/" + name;
}

}  // namespace testing_support
