#include <gtest/gtest.h>

#include <filesystem>

#include "core/DataFile.h"
#include "reports/ReportFile.h"
#include "tests/support/Environment.h"
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

}  // namespace
