// The report pages and the report settings files are saved through a symbolic link only
// where the link rule allows: never through another user's link in a sticky folder anyone may
// write.

#include <gtest/gtest.h>

#include <string>

#include "core/DataFile.h"
#include "reports/LessonPlanOptions.h"
#include "reports/ReportFile.h"
#include "reports/ReportSettings.h"
#include "tests/support/OtherUsers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/StickyFolder.h"

namespace {

using testing_support::AsOrdinaryUser;
using testing_support::kBodyFalse;
using testing_support::kStranger;
using testing_support::StickyFolderWithLinks;

TEST(ReportLinksTest, NoReportOrReportSettingsFollowAnotherUsersLinkInAStickyFolder) {
    SKIP_UNLESS_ROOT();
    StickyFolderWithLinks folder;
    for (const char* name : {"raport.htm", "RaportHTML.dat", "RaportTXT.dat", "LP_HTML.dat"})
        if (!folder.Plant(kStranger, name, folder.UsersFile()))
            GTEST_SKIP() << "this machine runs no process as another user";
    const std::string page = folder.InFolder("raport.htm");
    // False when the page was not saved and the user was told so.
    EXPECT_EQ(AsOrdinaryUser([&] {
                  testing_support::ScriptedMessageBoxes boxes;
                  boxes.Expect(std::string(kSaveFailedMessage) + "\n" + page, kDocumentCaption,
                               platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
                  return SaveReportFile(page, "<html>") || !boxes.AllAnswered();
              }),
              kBodyFalse);
    EXPECT_EQ(AsOrdinaryUser([&] {
                  return SaveReportHTMLSettings(folder.InFolder("RaportHTML.dat"),
                                                TReportHTMLOptions{}) == 0;
              }),
              kBodyFalse);
    EXPECT_EQ(AsOrdinaryUser([&] {
                  return SaveReportTXTSettings(folder.InFolder("RaportTXT.dat"),
                                               TReportContent{}) == 0;
              }),
              kBodyFalse);
    EXPECT_EQ(AsOrdinaryUser([&] {
                  return SaveLessonPlanHTMLSettings(folder.InFolder("LP_HTML.dat"),
                                                    TLessonPlanHTMLOptions{}) == 0;
              }),
              kBodyFalse);
    EXPECT_EQ(testing_support::ReadBytes(folder.UsersFile()), StickyFolderWithLinks::UsersBytes());
}

}  // namespace
