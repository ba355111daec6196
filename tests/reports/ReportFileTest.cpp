#include <gtest/gtest.h>

#include <filesystem>

#include "core/DataFile.h"
#include "reports/ReportFile.h"
#include "tests/support/Environment.h"
#include "tests/support/FileFaults.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

using testing_support::ScriptedMessageBoxes;
using testing_support::TempDir;

int FilesIn(const std::filesystem::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

TEST(ReportFileTest, ASavedReportReplacesTheFileSilently) {
    ScriptedMessageBoxes noBoxes;
    TempDir dir;
    const std::string path = dir.File("raport.htm");
    testing_support::WriteBytes(path, std::vector<std::uint8_t>(100, 'x'));
    EXPECT_TRUE(SaveReportFile(path, std::string("a\r\nb\0c", 6)));
    EXPECT_EQ(testing_support::ReadBytes(path),
              (std::vector<std::uint8_t>{'a', '\r', '\n', 'b', 0, 'c'}));
    EXPECT_TRUE(SaveReportFile(path, ""));
    EXPECT_TRUE(testing_support::ReadBytes(path).empty());
    EXPECT_EQ(FilesIn(dir.Path()), 1);
}

TEST(ReportFileTest, AFailedSaveTellsTheUserAndKeepsTheOldFile) {
    TempDir dir;
    const std::string blocked = dir.File("folder.htm");
    std::filesystem::create_directory(blocked);
    const std::string missing = dir.File("no/such/raport.txt");
    ScriptedMessageBoxes boxes;
    boxes.Expect(std::string(kSaveFailedMessage) + "\n" + blocked, kDocumentCaption,
                 platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    boxes.Expect(std::string(kSaveFailedMessage) + "\n" + missing, kDocumentCaption,
                 platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    EXPECT_FALSE(SaveReportFile(blocked, "page"));
    EXPECT_FALSE(SaveReportFile(missing, "page"));
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
    EXPECT_EQ(FilesIn(dir.Path()), 1);  // no partial file left beside it
}

TEST(ReportFileTest, AFailedSaveThatCouldNotPutTheOldPageBackNamesTheCopyOfIt) {
    TempDir dir;
    const std::string path = dir.File("raport.htm");
    const std::vector<std::uint8_t> old(3000, 'x');
    testing_support::WriteBytes(path, old);
    // A page with a second name is rewritten in place.
    std::filesystem::create_hard_link(path, dir.File("kopia.htm"));
    ScriptedMessageBoxes boxes;
    boxes.Expect(std::string(kSaveFailedMessage) + "\n" + path + "\n\n" + kBackupKeptMessage +
                     "\n" + path + ".poprzedni\n" + kBackupRemovedNote,
                 kDocumentCaption, platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    {
        testing_support::InstalledFileCalls<testing_support::DiskFailsAfter> calls(old.size() + 10);
        EXPECT_FALSE(SaveReportFile(path, std::string(5000, 'y')));
    }
    EXPECT_EQ(old, testing_support::ReadBytes(path + ".poprzedni"));
    EXPECT_TRUE(SaveReportFile(path, "page"));
    EXPECT_EQ(FilesIn(dir.Path()), 2);
}

}  // namespace
