#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/ProgramOptions.h"
#include "tests/support/Environment.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

// The 21-byte file of the settings: flag set, "C:\a.ocn", left 100, top 50.
const Bytes kExampleFile = {0x01, 0x08, 0x00, 0x00, 0x00, 'C',  ':',  '\\', 'a',  '.', 'o',
                            'c',  'n',  0x64, 0x00, 0x00, 0x00, 0x32, 0x00, 0x00, 0x00};

TProgramOptions Example() {
    TProgramOptions options;
    options.OpenLastFile = 1;
    options.LastFile = "C:\\a.ocn";
    options.Left = 100;
    options.Top = 50;
    return options;
}

TProgramOptions Sentinel() {
    TProgramOptions options;
    options.OpenLastFile = 1;
    options.LastFile = "/home/uczeń/plan.ocn";
    options.Left = -3;
    options.Top = 7;
    return options;
}

void ExpectSame(const TProgramOptions& actual, const TProgramOptions& expected) {
    EXPECT_EQ(actual.OpenLastFile, expected.OpenLastFile);
    EXPECT_EQ(actual.LastFile, expected.LastFile);
    EXPECT_EQ(actual.Left, expected.Left);
    EXPECT_EQ(actual.Top, expected.Top);
}

TEST(ProgramOptionsTest, StartsZeroFilled) {
    const TProgramOptions options;
    EXPECT_EQ(options.OpenLastFile, 0);
    EXPECT_EQ(options.LastFile, "");
    EXPECT_EQ(options.Left, 0);
    EXPECT_EQ(options.Top, 0);
}

// --- Saving ------------------------------------------------------------------------------

TEST(ProgramOptionsSaveTest, ByteExactFile) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    EXPECT_EQ(Example().SaveToFile(path), 0);
    EXPECT_EQ(ReadBytes(path), kExampleFile);
}

TEST(ProgramOptionsSaveTest, EmptyPathAndNegativePosition) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    TProgramOptions options;
    options.Left = -8;
    options.Top = -1;
    EXPECT_EQ(options.SaveToFile(path), 0);
    EXPECT_EQ(ReadBytes(path), (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0xFF, 0xFF, 0xFF, 0xFF,
                                      0xFF, 0xFF, 0xFF}));
}

TEST(ProgramOptionsSaveTest, PathIsStoredInTheCodePage) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    TProgramOptions options;
    options.LastFile = "/ó/ż";
    EXPECT_EQ(options.SaveToFile(path), 0);
    EXPECT_EQ(ReadBytes(path),
              (Bytes{0x00, 0x04, 0x00, 0x00, 0x00, '/', 0xF3, '/', 0xBF, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(ProgramOptionsSaveTest, ReplacesAnOlderFile) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    WriteBytes(path, Bytes(100, 0xEE));
    EXPECT_EQ(Example().SaveToFile(path), 0);
    EXPECT_EQ(ReadBytes(path), kExampleFile);
}

TEST(ProgramOptionsSaveTest, MissingFolderFails) {
    TempDir dir;
    EXPECT_EQ(Example().SaveToFile(dir.File("missing/settings.dat")), -1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
}

TEST(ProgramOptionsSaveTest, DirectoryAtThePathFailsAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    std::filesystem::create_directory(path);
    EXPECT_EQ(Example().SaveToFile(path), -1);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

// --- Loading -----------------------------------------------------------------------------

TEST(ProgramOptionsLoadTest, ReadsTheExampleFile) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    WriteBytes(path, kExampleFile);
    TProgramOptions options = Sentinel();
    EXPECT_EQ(options.LoadFromFile(path), 0);
    ExpectSame(options, Example());
}

TEST(ProgramOptionsLoadTest, RoundTrip) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    const TProgramOptions saved = Sentinel();
    ASSERT_EQ(saved.SaveToFile(path), 0);
    TProgramOptions loaded;
    EXPECT_EQ(loaded.LoadFromFile(path), 0);
    ExpectSame(loaded, saved);
}

TEST(ProgramOptionsLoadTest, TrailingBytesAreIgnored) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    Bytes bytes = kExampleFile;
    bytes.insert(bytes.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
    WriteBytes(path, bytes);
    TProgramOptions options;
    EXPECT_EQ(options.LoadFromFile(path), 0);
    ExpectSame(options, Example());
}

TEST(ProgramOptionsLoadTest, MissingFileChangesNothing) {
    TempDir dir;
    TProgramOptions options = Sentinel();
    EXPECT_EQ(options.LoadFromFile(dir.File("settings.dat")), -1);
    ExpectSame(options, Sentinel());
}

TEST(ProgramOptionsLoadTest, DirectoryAtThePathChangesNothing) {
    TempDir dir;
    TProgramOptions options = Sentinel();
    EXPECT_EQ(options.LoadFromFile(dir.Path().string()), -1);
    ExpectSame(options, Sentinel());
}

TEST(ProgramOptionsLoadTest, EveryTruncationChangesNothing) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    for (std::size_t size = 0; size < kExampleFile.size(); ++size) {
        WriteBytes(path, Bytes(kExampleFile.begin(),
                               kExampleFile.begin() + static_cast<std::ptrdiff_t>(size)));
        TProgramOptions options = Sentinel();
        EXPECT_EQ(options.LoadFromFile(path), -1) << size << " bytes";
        ExpectSame(options, Sentinel());
    }
}

TEST(ProgramOptionsLoadTest, PathCountBeyondTheFileChangesNothing) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    for (const std::uint8_t top : {0x09, 0xFF}) {
        Bytes bytes = kExampleFile;
        bytes[1] = top;  // 9 path bytes, or nearly 4 GB of them
        bytes[4] = top;
        WriteBytes(path, bytes);
        TProgramOptions options = Sentinel();
        EXPECT_EQ(options.LoadFromFile(path), -1);
        ExpectSame(options, Sentinel());
    }
}

TEST(ProgramOptionsLoadTest, GarbageLoadsWhateverItSpellsOrNothing) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    // A flag byte other than 0 and 1 is kept as it is; callers compare it with 1.
    WriteBytes(path, {0x07, 0x00, 0x00, 0x00, 0x00, 1, 0, 0, 0, 2, 0, 0, 0});
    TProgramOptions options;
    EXPECT_EQ(options.LoadFromFile(path), 0);
    EXPECT_EQ(options.OpenLastFile, 7);
    EXPECT_EQ(options.Left, 1);
    EXPECT_EQ(options.Top, 2);

    // Text that is not a settings file at all: its count runs far past the end.
    const std::string text = "Hello, this is not a settings file.\n";
    WriteBytes(path, Bytes(text.begin(), text.end()));
    options = Sentinel();
    EXPECT_EQ(options.LoadFromFile(path), -1);
    ExpectSame(options, Sentinel());
}

}  // namespace
