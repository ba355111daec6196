// The document's lifecycle: clearing, saving, loading and the commands with the save question.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/DataFile.h"
#include "platform/Dates.h"
#include "tests/support/Environment.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

using testing_support::ReadBytes;
using testing_support::SamplePath;
namespace mb = platform::mb;
namespace answer = platform::answer;

constexpr char kFilter[] = "Plik programu Quirvale 2  (*.ocn)|*.ocn";

class DataFileTest : public ::testing::Test {
  protected:
    void AddSubject(const std::string& name) {
        auto* subject = new TSubject;
        subject->Name = name;
        subject->Marks.Add(new char(3));
        document_.Subjects.Add(subject);
    }

    // A change made through a window: the document is marked modified.
    void Change(const std::string& subject = "Fizyka") {
        AddSubject(subject);
        document_.Modified = true;
    }

    void ExpectSaveQuestion(int reply) {
        boxes_.Expect(kSaveQuestion, kDocumentCaption, mb::YesNoCancel, reply);
    }

    void ExpectSaveFailed(const std::string& path) {
        boxes_.Expect(std::string(kSaveFailedMessage) + "\n" + path, kDocumentCaption,
                      mb::Ok | mb::IconStop, answer::Ok);
    }

    std::string Saved(const std::string& name) {
        TDataFile document;
        platform::FileDialog unused(platform::FileDialogKind::Save, kFilter, ".ocn");
        EXPECT_EQ(0, document.New(unused));
        const std::string path = dir_.File(name);
        EXPECT_EQ(0, document.SaveToFile(path));
        return path;
    }

    testing_support::FixedToday today_{2005, 10, 1};
    testing_support::TempDir dir_;
    testing_support::ScriptedMessageBoxes boxes_;
    testing_support::ScriptedFileDialogs dialogs_;
    platform::FileDialog openDialog_{platform::FileDialogKind::Open, kFilter, ".ocn"};
    platform::FileDialog saveDialog_{platform::FileDialogKind::Save, kFilter, ".ocn"};
    TDataFile document_;
};

// --- Construction and clearing ---

TEST_F(DataFileTest, NewObjectIsClearedWithZeroSettingsAndHeader) {
    EXPECT_TRUE(document_.FileName.empty());
    EXPECT_FALSE(document_.Named);
    EXPECT_FALSE(document_.Modified);
    EXPECT_EQ(0, document_.Calendar.CategoriesCount());
    EXPECT_EQ(platform::EncodeDate(2006, 6, 30), document_.Student.EndOfSchoolYear);
    EXPECT_EQ(2005, document_.Student.SchoolYear);
    EXPECT_EQ(0, document_.Student.Class);
    EXPECT_EQ(' ', document_.Student.ClassChar);
    EXPECT_EQ(0.0, document_.Settings.AlarmThreshold);
    EXPECT_EQ(0.0, document_.Settings.MarksValues[0]);
    for (const std::uint8_t byte : document_.Header) EXPECT_EQ(0, byte);
    EXPECT_EQ("DAY", document_.VerificationStrings.Day);
    EXPECT_EQ("MONTH", document_.VerificationStrings.Month);
    EXPECT_EQ("YEAR", document_.VerificationStrings.Year);
    EXPECT_EQ("CALENDAR", document_.VerificationStrings.Calendar);
}

TEST_F(DataFileTest, ClearEmptiesEverythingButSettingsAndHeader) {
    ASSERT_EQ(0, document_.LoadFromFile(SamplePath("rich_00.ocn")));
    const TDocumentSettings settings = document_.Settings;
    const auto header = document_.Header;
    document_.Student.Comment = "uwaga";
    document_.Student.Class = 3;
    document_.Modified = true;
    document_.Clear();
    EXPECT_TRUE(document_.FileName.empty());
    EXPECT_FALSE(document_.Named);
    EXPECT_FALSE(document_.Modified);
    EXPECT_EQ(0, document_.Subjects.Count);
    EXPECT_EQ(0, document_.Calendar.Count());
    EXPECT_EQ(0, document_.Calendar.CategoriesCount());
    EXPECT_TRUE(document_.Student.Comment.empty());
    EXPECT_TRUE(document_.Student.Name.empty());
    EXPECT_EQ(0, document_.Student.Class);
    EXPECT_EQ(2005, document_.Student.SchoolYear);
    for (const std::string& day : document_.LessonPlan.Days) EXPECT_TRUE(day.empty());
    EXPECT_EQ(settings.MarksValues, document_.Settings.MarksValues);
    EXPECT_EQ(settings.TimeTableColors, document_.Settings.TimeTableColors);
    EXPECT_EQ(header, document_.Header);
}

// --- Named and Modified through the states ---

TEST_F(DataFileTest, NamedAndModifiedFollowTheStateTable) {
    const std::string path = dir_.File("plan.ocn");
    auto state = [&] { return std::pair(document_.Named, document_.Modified); };
    using State = std::pair<bool, bool>;
    EXPECT_EQ(State(false, false), state());
    Change();
    EXPECT_EQ(State(false, true), state());
    ASSERT_EQ(0, document_.SaveToFile(path));
    EXPECT_EQ(State(true, false), state());
    EXPECT_EQ(path, document_.FileName);
    Change();
    EXPECT_EQ(State(true, true), state());
    ASSERT_EQ(0, document_.Save(saveDialog_));  // bound: no dialog
    EXPECT_EQ(State(true, false), state());
    EXPECT_EQ(-1, document_.LoadFromFile(path));  // refused while bound
    EXPECT_EQ(2, document_.Subjects.Count);
    ASSERT_EQ(0, document_.Close(saveDialog_));
    EXPECT_EQ(State(false, false), state());
    ASSERT_EQ(0, document_.LoadFromFile(path));
    EXPECT_EQ(State(true, false), state());
    EXPECT_EQ(2, document_.Subjects.Count);
    ASSERT_EQ(0, document_.New(saveDialog_));
    EXPECT_EQ(State(false, false), state());
    EXPECT_TRUE(document_.FileName.empty());
}

// --- New ---

TEST_F(DataFileTest, NewSetsTheDefaultsAndTwoCategories) {
    document_.Settings.LessonPlanDay = 2;
    document_.Settings.MainTimeTableRange = 1;
    document_.Settings.TimeTableFormRange = 2;
    document_.Settings.Reserved[0] = 9;
    ASSERT_EQ(0, document_.New(saveDialog_));
    TMarksValues defaults{};
    SetDefaultMarksValues(defaults);
    EXPECT_EQ(defaults, document_.Settings.MarksValues);
    EXPECT_EQ(2.0, document_.Settings.AlarmThreshold);
    EXPECT_EQ(0xF0CAA6u, document_.Settings.TimeTableColors[ttSelection]);
    EXPECT_EQ(2, document_.Settings.LessonPlanDay);
    EXPECT_EQ(1, document_.Settings.MainTimeTableRange);
    EXPECT_EQ(2, document_.Settings.TimeTableFormRange);
    EXPECT_EQ(9, document_.Settings.Reserved[0]);
    ASSERT_EQ(2, document_.Calendar.CategoriesCount());
    const TClEventCategory* first = document_.Calendar.Categories.Get(0);
    const TClEventCategory* second = document_.Calendar.Categories.Get(1);
    EXPECT_EQ("Kartkówka", first->Name);
    EXPECT_EQ(0xC0C0C0u, first->Color);
    EXPECT_EQ(0xFF0000u, first->TextColor);
    EXPECT_EQ("Sprawdzian", second->Name);
    EXPECT_EQ(0xC0C0C0u, second->Color);
    EXPECT_EQ(0x0000FFu, second->TextColor);
    EXPECT_FALSE(document_.Named);
    EXPECT_FALSE(document_.Modified);
}

TEST_F(DataFileTest, NewOnAnUnmodifiedDocumentAsksNothing) {
    AddSubject("Fizyka");
    ASSERT_EQ(0, document_.New(saveDialog_));
    EXPECT_EQ(0, document_.Subjects.Count);
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(DataFileTest, SaveQuestionCancelledKeepsEverything) {
    Change();
    ExpectSaveQuestion(answer::Cancel);
    EXPECT_EQ(2, document_.New(saveDialog_));
    EXPECT_EQ(1, document_.Subjects.Count);
    EXPECT_TRUE(document_.Modified);
    ASSERT_EQ(1u, boxes_.Shown().size());
    EXPECT_FALSE(boxes_.Shown()[0].owned);
}

TEST_F(DataFileTest, SaveQuestionAnsweredNoDiscards) {
    Change();
    ExpectSaveQuestion(answer::No);
    EXPECT_EQ(0, document_.New(saveDialog_));
    EXPECT_EQ(0, document_.Subjects.Count);
    EXPECT_EQ(2, document_.Calendar.CategoriesCount());
    EXPECT_FALSE(document_.Modified);
    EXPECT_EQ(0, dialogs_.Runs());
}

TEST_F(DataFileTest, SaveQuestionAnsweredYesWithoutAFileRunsTheSaveDialog) {
    Change("Chemia");
    const std::string path = dir_.File("zapis.ocn");
    ExpectSaveQuestion(answer::Yes);
    dialogs_.ExpectSave(path);
    EXPECT_EQ(0, document_.New(saveDialog_));
    EXPECT_EQ(0, document_.Subjects.Count);
    EXPECT_FALSE(document_.Named);

    TDataFile saved;
    ASSERT_EQ(0, saved.LoadFromFile(path));
    ASSERT_EQ(1, saved.Subjects.Count);
    EXPECT_EQ("Chemia", saved.Subjects.Get(0)->Name);
}

TEST_F(DataFileTest, SaveQuestionAnsweredYesWithAFileWritesItWithoutADialog) {
    const std::string path = dir_.File("plan.ocn");
    ASSERT_EQ(0, document_.SaveToFile(path));
    Change("Biologia");
    ExpectSaveQuestion(answer::Yes);
    EXPECT_EQ(0, document_.New(saveDialog_));
    EXPECT_EQ(0, dialogs_.Runs());
    TDataFile saved;
    ASSERT_EQ(0, saved.LoadFromFile(path));
    EXPECT_EQ(1, saved.Subjects.Count);
}

TEST_F(DataFileTest, SaveDialogCancelledAfterYesKeepsEverything) {
    Change();
    ExpectSaveQuestion(answer::Yes);
    dialogs_.ExpectSaveCancelled();
    EXPECT_EQ(2, document_.New(saveDialog_));
    EXPECT_EQ(1, document_.Subjects.Count);
    EXPECT_TRUE(document_.Modified);
}

// --- Close when the wanted save fails ---

TEST_F(DataFileTest, FailedSaveAfterYesTellsTheUserAndKeepsTheDocument) {
    Change();
    const std::string path = dir_.File("brak/plan.ocn");
    ExpectSaveQuestion(answer::Yes);
    dialogs_.ExpectSave(path);
    ExpectSaveFailed(path);
    EXPECT_EQ(2, document_.Close(saveDialog_));
    EXPECT_EQ(1, document_.Subjects.Count);
    EXPECT_TRUE(document_.Modified);
    EXPECT_FALSE(document_.Named);
    EXPECT_TRUE(document_.FileName.empty());
    ASSERT_EQ(2u, boxes_.Shown().size());
    EXPECT_FALSE(boxes_.Shown()[1].owned);
}

TEST_F(DataFileTest, FailedSaveOfABoundDocumentNamesItsFile) {
    const std::filesystem::path folder = dir_.Path() / "folder";
    std::filesystem::create_directory(folder);
    const std::string path = (folder / "plan.ocn").string();
    ASSERT_EQ(0, document_.SaveToFile(path));
    std::filesystem::remove_all(folder);
    Change();
    ExpectSaveQuestion(answer::Yes);
    ExpectSaveFailed(path);
    EXPECT_EQ(2, document_.New(saveDialog_));
    EXPECT_EQ(path, document_.FileName);
    EXPECT_TRUE(document_.Named);
    EXPECT_TRUE(document_.Modified);
    EXPECT_EQ(1, document_.Subjects.Count);
}

// --- Open ---

TEST_F(DataFileTest, OpenCancelledAsksNothing) {
    Change();
    dialogs_.ExpectOpenCancelled();
    EXPECT_EQ(2, document_.Open(openDialog_, saveDialog_));
    EXPECT_EQ(1, document_.Subjects.Count);
}

TEST_F(DataFileTest, OpenAsksAfterAFileWasChosenAndCancelReadsNothing) {
    Change();
    dialogs_.ExpectOpen(SamplePath("rich_00.ocn"));
    ExpectSaveQuestion(answer::Cancel);
    EXPECT_EQ(2, document_.Open(openDialog_, saveDialog_));
    EXPECT_EQ(1, document_.Subjects.Count);
    EXPECT_FALSE(document_.Named);
}

TEST_F(DataFileTest, OpenLoadsTheChosenFile) {
    const std::string path = SamplePath("edge_subject_abc.ocn");
    dialogs_.ExpectOpen(path);
    EXPECT_EQ(0, document_.Open(openDialog_, saveDialog_));
    EXPECT_EQ(path, document_.FileName);
    EXPECT_TRUE(document_.Named);
    ASSERT_EQ(1, document_.Subjects.Count);
    EXPECT_EQ("abc", document_.Subjects.Get(0)->Name);
}

TEST_F(DataFileTest, OpenOfAFileThatCannotBeReadLeavesAClearedDocument) {
    ASSERT_EQ(0, document_.New(saveDialog_));
    document_.Settings.AlarmThreshold = 3.5;
    dialogs_.ExpectOpen(dir_.File("nie-ma.ocn"));
    EXPECT_EQ(0, document_.Open(openDialog_, saveDialog_));
    EXPECT_FALSE(document_.Named);
    EXPECT_EQ(0, document_.Calendar.CategoriesCount());
    EXPECT_EQ(3.5, document_.Settings.AlarmThreshold);
}

TEST_F(DataFileTest, OpenOfABoundDocumentClosesItFirst) {
    ASSERT_EQ(0, document_.LoadFromFile(SamplePath("rich_00.ocn")));
    dialogs_.ExpectOpen(SamplePath("edge_subject_abc.ocn"));
    EXPECT_EQ(0, document_.Open(openDialog_, saveDialog_));
    EXPECT_EQ(SamplePath("edge_subject_abc.ocn"), document_.FileName);
    EXPECT_EQ(1, document_.Subjects.Count);
}

// --- Save, Save As and failing saves ---

TEST_F(DataFileTest, SaveWithoutAFileIsSaveAs) {
    const std::string path = dir_.File("nowy.ocn");
    dialogs_.ExpectSave(path);
    EXPECT_EQ(0, document_.Save(saveDialog_));
    EXPECT_EQ(path, document_.FileName);
    dialogs_.ExpectSaveCancelled();
    EXPECT_EQ(2, document_.SaveAs(saveDialog_));
    EXPECT_EQ(path, document_.FileName);
}

TEST_F(DataFileTest, SaveIntoAMissingFolderFailsAndChangesNothing) {
    ASSERT_EQ(0, document_.LoadFromFile(SamplePath("rich_01.ocn")));
    document_.Modified = true;
    const auto header = document_.Header;
    document_.Student.Name = "Zmieniony";  // changes the header's sizes
    EXPECT_EQ(-1, document_.SaveToFile(dir_.File("brak/plan.ocn")));
    EXPECT_EQ(SamplePath("rich_01.ocn"), document_.FileName);
    EXPECT_TRUE(document_.Named);
    EXPECT_TRUE(document_.Modified);
    EXPECT_EQ(header, document_.Header);
}

TEST_F(DataFileTest, SaveOntoADirectoryFailsAndLeavesNoTemporaryFile) {
    const std::filesystem::path target = dir_.Path() / "plan.ocn";
    std::filesystem::create_directory(target);
    EXPECT_EQ(-1, document_.SaveToFile(target.string()));
    EXPECT_FALSE(document_.Named);
    EXPECT_TRUE(std::filesystem::is_directory(target));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir_.Path()))
        ++entries;
    EXPECT_EQ(1, entries);
}

TEST_F(DataFileTest, SaveReplacesALongerFileWhole) {
    const std::string path = dir_.File("plan.ocn");
    std::filesystem::copy_file(SamplePath("rich_00.ocn"), path);
    ASSERT_EQ(0, document_.New(saveDialog_));
    ASSERT_EQ(0, document_.SaveToFile(path));
    EXPECT_EQ(ReadBytes(SamplePath("edge_new_document.ocn")), ReadBytes(path));
}

TEST_F(DataFileTest, LoadOfAMissingFileLeavesTheDocumentAsItWas) {
    Change();
    EXPECT_EQ(-1, document_.LoadFromFile(dir_.File("nie-ma.ocn")));
    EXPECT_EQ(1, document_.Subjects.Count);
    EXPECT_TRUE(document_.Modified);
    EXPECT_EQ(-1, document_.LoadFromFile(dir_.Path().string()));  // a folder
    EXPECT_EQ(1, document_.Subjects.Count);
}

TEST_F(DataFileTest, SavedFileRoundTrips) {
    const std::string first = Saved("a.ocn");
    TDataFile document;
    ASSERT_EQ(0, document.LoadFromFile(first));
    const std::string second = dir_.File("b.ocn");
    ASSERT_EQ(0, document.SaveToFile(second));
    EXPECT_EQ(ReadBytes(first), ReadBytes(second));
}

}  // namespace
