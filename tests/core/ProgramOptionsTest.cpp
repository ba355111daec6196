#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
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

TEST(ProgramOptionsSaveTest, ByteExactFile) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    WriteBytes(path, Bytes(100, 0xEE));  // an older, longer file is replaced whole
    EXPECT_EQ(Example().SaveToFile(path), 0);
    EXPECT_EQ(ReadBytes(path), kExampleFile);

    TProgramOptions options;
    options.LastFile = "/ó/ż";  // stored in the code page
    options.Left = -8;
    options.Top = -1;
    EXPECT_EQ(options.SaveToFile(path), 0);
    EXPECT_EQ(ReadBytes(path), (Bytes{0x00, 0x04, 0x00, 0x00, 0x00, '/', 0xF3, '/', 0xBF, 0xF8,
                                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(ProgramOptionsSaveTest, UnwritablePathFails) {
    TempDir dir;
    EXPECT_EQ(Example().SaveToFile(dir.File("missing/settings.dat")), -1);
    const std::string path = dir.File("settings.dat");
    std::filesystem::create_directory(path);
    EXPECT_EQ(Example().SaveToFile(path), -1);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(ProgramOptionsLoadTest, ReadsTheExampleFileIgnoringTrailingBytes) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    WriteBytes(path, kExampleFile);
    TProgramOptions options = Sentinel();
    EXPECT_EQ(options.LoadFromFile(path), 0);
    ExpectSame(options, Example());

    Bytes longer = kExampleFile;
    longer.insert(longer.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
    WriteBytes(path, longer);
    options = Sentinel();
    EXPECT_EQ(options.LoadFromFile(path), 0);
    ExpectSame(options, Example());
}

TEST(ProgramOptionsLoadTest, RoundTrip) {
    TempDir dir;
    const std::string path = dir.File("settings.dat");
    ASSERT_EQ(Sentinel().SaveToFile(path), 0);
    TProgramOptions loaded;
    EXPECT_EQ(loaded.LoadFromFile(path), 0);
    ExpectSame(loaded, Sentinel());
}

TEST(ProgramOptionsLoadTest, UnreadablePathChangesNothing) {
    TempDir dir;
    TProgramOptions options = Sentinel();
    EXPECT_EQ(options.LoadFromFile(dir.File("settings.dat")), -1);
    EXPECT_EQ(options.LoadFromFile(dir.Path().string()), -1);  // a directory
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
    // Nine path bytes leave too few for the position; the other count is nearly 4 GB.
    for (const Bytes& count : {Bytes{0x09, 0, 0, 0}, Bytes{0xFF, 0xFF, 0xFF, 0xFF}}) {
        Bytes bytes = kExampleFile;
        std::copy(count.begin(), count.end(), bytes.begin() + 1);
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

// --- Paths outside the code page ---

Bytes StoredPath(const Bytes& file) {
    return Bytes(file.begin() + 5, file.end() - 8);
}

TEST(ProgramOptionsPathTest, APathTheCodePageHoldsIsStoredInItElseAsUtf8) {
    TempDir dir;
    TProgramOptions options;
    options.LastFile = "/home/ała/plan.ocn";
    ASSERT_EQ(0, options.SaveToFile(dir.File("settings.dat")));
    EXPECT_EQ(StoredPath(ReadBytes(dir.File("settings.dat"))),
              (Bytes{'/', 'h', 'o', 'm', 'e', '/', 'a', 0xB3, 'a', '/', 'p', 'l', 'a', 'n', '.',
                     'o', 'c', 'n'}));
    options.LastFile = "/home/jørgen/a.ocn";
    ASSERT_EQ(0, options.SaveToFile(dir.File("settings.dat")));
    EXPECT_EQ(StoredPath(ReadBytes(dir.File("settings.dat"))),
              (Bytes{'/', 'h', 'o', 'm', 'e', '/', 'j', 0xC3, 0xB8, 'r', 'g', 'e', 'n', '/', 'a',
                     '.', 'o', 'c', 'n'}));
}

TEST(ProgramOptionsPathTest, AStoredPathNamingNoFileInTheCodePageIsTriedAsUtf8) {
    TempDir dir;
    std::filesystem::create_directory(dir.Path() / "jørgen");
    const std::string document = dir.File("jørgen/plan.ocn");
    WriteBytes(document, {1});
    TProgramOptions options;
    options.LastFile = document;
    ASSERT_EQ(0, options.SaveToFile(dir.File("settings.dat")));
    TProgramOptions loaded;
    ASSERT_EQ(0, loaded.LoadFromFile(dir.File("settings.dat")));
    EXPECT_EQ(document, loaded.LastFile);
    // Gone: the path reads as code page 1250, as any other stored path.
    std::filesystem::remove(document);
    ASSERT_EQ(0, loaded.LoadFromFile(dir.File("settings.dat")));
    EXPECT_EQ(dir.File("j\u0102\u00B8rgen/plan.ocn"), loaded.LastFile);
}

TEST(ProgramOptionsPathTest, ASettingsFileThatIsNoRegularFileIsRefused) {
    TempDir dir;
    const std::string fifo = dir.File("settings.dat");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    TProgramOptions options;
    options.Left = 5;
    EXPECT_EQ(-1, options.LoadFromFile(fifo));
    EXPECT_EQ(-1, options.LoadFromFile("/dev/zero"));
    EXPECT_EQ(5, options.Left);
}

}  // namespace
