// The document's lifecycle: clearing, saving, loading and the commands with the save question.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <iterator>
#include <utility>
#include <vector>

#include "core/DataFile.h"
#include "core/DocumentLimits.h"
#include "platform/Dates.h"
#include "platform/Files.h"
#include "tests/support/Environment.h"
#include "tests/support/FileFaults.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

using testing_support::ReadBytes;
using testing_support::SamplePath;
namespace answer = platform::answer;

constexpr char kFilter[] = "Plik programu Quirvale 2  (*.ocn)|*.ocn";

class DataFileTest : public ::testing::Test {
  protected:
    // A change made through a window: one more subject, and the document marked modified.
    void Change() {
        auto* subject = new TSubject;
        subject->Name = "Fizyka";
        document_.Subjects.Add(subject);
        document_.Modified = true;
    }

    void ExpectSaveQuestion(int reply) {
        boxes_.Expect("Czy zachować zmiany?", "Quirvale", platform::mb::YesNoCancel, reply);
    }

    void ExpectSaveFailed(const std::string& path) {
        boxes_.Expect("Nie udało się zapisać pliku.\n" + path, "Quirvale",
                      platform::mb::Ok | platform::mb::IconStop, answer::Ok);
    }

    // The boxes shown had no owner window.
    void ExpectUnowned() {
        for (const platform::MessageRequest& box : boxes_.Shown()) EXPECT_FALSE(box.owned);
    }

    std::pair<bool, bool> State() const { return {document_.Named, document_.Modified}; }
    // The save is refused with `why` after the usual failure message: the file keeps `saved`
    // and the document stays named and modified.
    void ExpectSaveRefused(const std::string& path, const std::vector<std::uint8_t>& saved,
                           const std::string& why) {
        document_.Modified = true;
        boxes_.Expect("Nie udało się zapisać pliku.\n" + path + "\n" + why, "Quirvale",
                      platform::mb::Ok | platform::mb::IconStop, answer::Ok);
        EXPECT_EQ(-1, document_.Save(saveDialog_));
        EXPECT_EQ(-1, document_.SaveToFile(path));
        EXPECT_EQ(saved, ReadBytes(path));
        EXPECT_EQ(std::pair(true, true), State());
    }

    testing_support::FixedToday today_{2005, 10, 1};
    testing_support::TempDir dir_;
    testing_support::ScriptedMessageBoxes boxes_;
    testing_support::ScriptedFileDialogs dialogs_;
    platform::FileDialog openDialog_{platform::FileDialogKind::Open, kFilter, ".ocn"};
    platform::FileDialog saveDialog_{platform::FileDialogKind::Save, kFilter, ".ocn"};
    TDataFile document_;
};

// --- Clearing and the states ---

TEST_F(DataFileTest, ConstructedDocumentIsClearedWithZeroSettingsAndHeader) {
    EXPECT_EQ(std::pair(false, false), State());
    EXPECT_EQ(platform::EncodeDate(2006, 6, 30), document_.Student.EndOfSchoolYear);
    EXPECT_EQ(2005, document_.Student.SchoolYear);
    EXPECT_EQ(' ', document_.Student.ClassChar);
    EXPECT_EQ(0.0, document_.Settings.MarksValues[0]);
    EXPECT_EQ((std::array<std::uint8_t, 92>{}), document_.Header);
    const TClVerificationStrings& tags = document_.VerificationStrings;
    EXPECT_EQ("DAY MONTH YEAR CALENDAR",
              tags.Day + " " + tags.Month + " " + tags.Year + " " + tags.Calendar);
}

TEST_F(DataFileTest, ClearEmptiesEverythingButSettingsAndHeader) {
    ASSERT_EQ(0, document_.LoadFromFile(SamplePath("rich_00.ocn")));
    const TDocumentSettings settings = document_.Settings;
    const auto header = document_.Header;
    document_.Student.Comment = "uwaga";
    document_.Modified = true;
    document_.Clear();
    EXPECT_EQ(std::pair(false, false), State());
    EXPECT_TRUE(document_.FileName.empty());
    EXPECT_EQ(0, document_.Subjects.Count + document_.Calendar.Count() +
                     document_.Calendar.CategoriesCount());
    EXPECT_TRUE(document_.Student.Comment.empty() && document_.Student.Name.empty());
    EXPECT_EQ(0, document_.Student.Class);
    for (const std::string& day : document_.LessonPlan.Days) EXPECT_TRUE(day.empty());
    EXPECT_EQ(settings.TimeTableColors, document_.Settings.TimeTableColors);
    EXPECT_EQ(header, document_.Header);
}

TEST_F(DataFileTest, NamedAndModifiedFollowTheStateTable) {
    const std::string path = dir_.File("plan.ocn");
    Change();
    EXPECT_EQ(std::pair(false, true), State());
    ASSERT_EQ(0, document_.SaveToFile(path));
    EXPECT_EQ(std::pair(true, false), State());
    EXPECT_EQ(path, document_.FileName);
    Change();
    EXPECT_EQ(std::pair(true, true), State());
    ASSERT_EQ(0, document_.Save(saveDialog_));  // bound: no dialog
    EXPECT_EQ(std::pair(true, false), State());
    EXPECT_EQ(-1, document_.LoadFromFile(SamplePath("rich_00.ocn")));  // refused while bound
    EXPECT_EQ(2, document_.Subjects.Count);
    ASSERT_EQ(0, document_.Close(saveDialog_));
    EXPECT_EQ(std::pair(false, false), State());
    ASSERT_EQ(0, document_.LoadFromFile(path));
    EXPECT_EQ(std::pair(true, false), State());
    EXPECT_EQ(2, document_.Subjects.Count);
    ASSERT_EQ(0, document_.New(saveDialog_));
    EXPECT_EQ(std::pair(false, false), State());
    EXPECT_EQ(0, dialogs_.Runs());
}

// --- New and the save question ---

TEST_F(DataFileTest, NewSetsTheDefaultsAndKeepsTheUsersChoices) {
    document_.Settings.LessonPlanDay = 2;
    document_.Settings.TimeTableFormRange = 1;
    document_.Settings.Reserved[0] = 9;
    Change();
    document_.Modified = false;  // an unmodified document is cleared without a question
    ASSERT_EQ(0, document_.New(saveDialog_));
    EXPECT_EQ(0, document_.Subjects.Count);
    TMarksValues defaults{};
    SetDefaultMarksValues(defaults);
    EXPECT_EQ(defaults, document_.Settings.MarksValues);
    EXPECT_EQ(2.0, document_.Settings.AlarmThreshold);
    EXPECT_EQ(0xF0CAA6u, document_.Settings.TimeTableColors[ttSelection]);
    EXPECT_EQ(2, document_.Settings.LessonPlanDay);
    EXPECT_EQ(1, document_.Settings.TimeTableFormRange);
    EXPECT_EQ(9, document_.Settings.Reserved[0]);
    ASSERT_EQ(2, document_.Calendar.CategoriesCount());
    const TClEventCategory& first = *document_.Calendar.Categories.Get(0);
    const TClEventCategory& second = *document_.Calendar.Categories.Get(1);
    EXPECT_EQ("Kartkówka", first.Name);
    EXPECT_EQ(0xC0C0C0u, first.Color);
    EXPECT_EQ(0xFF0000u, first.TextColor);
    EXPECT_EQ("Sprawdzian", second.Name);
    EXPECT_EQ(0xC0C0C0u, second.Color);
    EXPECT_EQ(0x0000FFu, second.TextColor);
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(DataFileTest, SaveQuestionCancelledKeepsEverything) {
    Change();
    ExpectSaveQuestion(answer::Cancel);
    EXPECT_EQ(2, document_.New(saveDialog_));
    EXPECT_EQ(1, document_.Subjects.Count);
    EXPECT_EQ(std::pair(false, true), State());
    ExpectUnowned();
}

TEST_F(DataFileTest, SaveQuestionAnsweredNoDiscards) {
    Change();
    ExpectSaveQuestion(answer::No);
    EXPECT_EQ(0, document_.Close(saveDialog_));
    EXPECT_EQ(0, document_.Subjects.Count);
    EXPECT_EQ(std::pair(false, false), State());
    EXPECT_EQ(0, dialogs_.Runs());
}

TEST_F(DataFileTest, SaveQuestionAnsweredYesSavesThroughTheDialogOrTheFile) {
    const std::string path = dir_.File("zapis.ocn");
    Change();
    ExpectSaveQuestion(answer::Yes);
    dialogs_.ExpectSave(path);
    EXPECT_EQ(0, document_.New(saveDialog_));
    EXPECT_EQ(0, document_.Subjects.Count);

    ASSERT_EQ(0, document_.LoadFromFile(path));
    EXPECT_EQ(1, document_.Subjects.Count);
    Change();
    ExpectSaveQuestion(answer::Yes);
    EXPECT_EQ(0, document_.Close(saveDialog_));  // bound: written without a dialog
    EXPECT_EQ(1, dialogs_.Runs());
    ASSERT_EQ(0, document_.LoadFromFile(path));
    EXPECT_EQ(2, document_.Subjects.Count);
}

TEST_F(DataFileTest, SaveDialogCancelledAfterYesKeepsEverything) {
    Change();
    ExpectSaveQuestion(answer::Yes);
    dialogs_.ExpectSaveCancelled();
    EXPECT_EQ(2, document_.New(saveDialog_));
    EXPECT_EQ(1, document_.Subjects.Count);
    EXPECT_EQ(std::pair(false, true), State());
}

TEST_F(DataFileTest, CloseTellsOfTheSaveItMadeWhileTheDocumentNamesItsFile) {
    std::vector<std::string> named;
    const auto saved = [&] { named.push_back(document_.FileName); };
    Change();
    ExpectSaveQuestion(answer::No);
    EXPECT_EQ(0, document_.Close(saveDialog_, saved));
    Change();
    ExpectSaveQuestion(answer::Yes);
    dialogs_.ExpectSaveCancelled();
    EXPECT_EQ(2, document_.Close(saveDialog_, saved));
    EXPECT_TRUE(named.empty());

    const std::string path = dir_.File("zapis.ocn");
    ExpectSaveQuestion(answer::Yes);
    dialogs_.ExpectSave(path);
    EXPECT_EQ(0, document_.Close(saveDialog_, saved));
    EXPECT_EQ(named, std::vector<std::string>{path});
    EXPECT_TRUE(document_.FileName.empty());
}

TEST_F(DataFileTest, FailedSaveAfterYesTellsTheUserAndKeepsTheDocument) {
    Change();
    const std::string path = dir_.File("brak/plan.ocn");
    ExpectSaveQuestion(answer::Yes);
    dialogs_.ExpectSave(path);
    ExpectSaveFailed(path);
    EXPECT_EQ(2, document_.Close(saveDialog_));
    EXPECT_EQ(1, document_.Subjects.Count);
    EXPECT_EQ(std::pair(false, true), State());
    EXPECT_TRUE(document_.FileName.empty());
    ExpectUnowned();
}

// A document the program could not open again is not saved: the file keeps the last year
// saved, the document stays modified and the user is told what is too large.
TEST_F(DataFileTest, ADocumentPastTheLimitsIsNotSaved) {
    Change();
    const std::string path = dir_.File("rok.ocn");
    ASSERT_EQ(0, document_.SaveToFile(path));
    const std::vector<std::uint8_t> saved = ReadBytes(path);
    document_.Subjects.Get(0)->Comment = std::string(kLongestText + 1, 'x');
    ExpectSaveRefused(path, saved, "Tekst dłuższy niż 65536 znaków: przedmiot 1.");
    // At the limit the text is saved and read back whole.
    document_.Subjects.Get(0)->Comment = std::string(kLongestText, 'x');
    ASSERT_EQ(0, document_.Save(saveDialog_));
    document_.Clear();
    ASSERT_EQ(0, document_.LoadFromFile(path));
    EXPECT_EQ(kLongestText, document_.Subjects.Get(0)->Comment.size());
}

TEST_F(DataFileTest, SaveNamesWhatIsPastTheLimits) {
    Change();
    const std::string path = dir_.File("rok.ocn");
    ASSERT_EQ(0, document_.SaveToFile(path));
    const std::vector<std::uint8_t> saved = ReadBytes(path);
    document_.Student.Surname = std::string(kLongestText + 1, 'x');
    ExpectSaveRefused(path, saved, "Tekst dłuższy niż 65536 znaków: dane ucznia.");
    document_.Student.Surname.clear();
    document_.LessonPlan.Days[5] = std::string(kLongestText + 1, 'x');
    ExpectSaveRefused(path, saved, "Tekst dłuższy niż 65536 znaków: plan lekcji.");
    document_.LessonPlan.Days[5].clear();
    document_.Calendar.AddCategory({std::string(kLongestText + 1, 'x'), 0, 0});
    ExpectSaveRefused(path, saved, "Tekst dłuższy niż 65536 znaków: terminarz.");
    document_.Calendar.Categories.Clear();
    for (std::uint32_t i = 0; i < kMostSubjects; ++i) Change();
    ExpectSaveRefused(path, saved, "Dokument ma więcej niż 1000 przedmiotów.");
    while (document_.Subjects.Count > 1) document_.Subjects.Delete(document_.Subjects.Count - 1);
    for (std::uint32_t i = 0; i <= kMostMarks; ++i) document_.Subjects.Get(0)->Marks.AddMark(0);
    ExpectSaveRefused(path, saved, "Dokument ma więcej niż 1000000 ocen.");
    document_.Subjects.Get(0)->Marks.Clear();
    // Texts within the limit, but more bytes than the reader takes.
    for (std::uint32_t i = 0; i < 520; ++i) {
        Change();
        document_.Subjects.Get(document_.Subjects.Count - 1)->Comment =
            std::string(kLongestText, 'x');
        document_.Subjects.Get(document_.Subjects.Count - 1)->Teacher =
            std::string(kLongestText, 'x');
    }
    ExpectSaveRefused(path, saved, "Plik byłby większy niż 64 MiB.");
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
    EXPECT_EQ(std::pair(true, true), State());
    EXPECT_EQ(1, document_.Subjects.Count);
}

// --- Open ---

TEST_F(DataFileTest, OpenAsksOnlyAfterAFileWasChosen) {
    Change();
    dialogs_.ExpectOpenCancelled();
    EXPECT_EQ(2, document_.Open(openDialog_, saveDialog_));
    dialogs_.ExpectOpen(SamplePath("rich_00.ocn"));
    ExpectSaveQuestion(answer::Cancel);
    EXPECT_EQ(2, document_.Open(openDialog_, saveDialog_));
    EXPECT_EQ(1, document_.Subjects.Count);
    EXPECT_EQ(std::pair(false, true), State());
}

TEST_F(DataFileTest, ADamagedDiarysFileIsKeptAsItWasBeforeASaveDropsTheUnreadPart) {
    const std::vector<std::uint8_t> original = ReadBytes(SamplePath("damaged_tag_YEAX.ocn"));
    const std::string path = dir_.File("klasa.ocn");
    testing_support::WriteBytes(path, original);
    ASSERT_EQ(0, document_.LoadFromFile(path));
    ASSERT_TRUE(document_.DiaryDamaged);
    EXPECT_EQ(path + ".uszkodzony", document_.DamagedCopy);
    EXPECT_EQ(original, ReadBytes(document_.DamagedCopy));
    // Loaded again unsaved, it names the same copy.
    document_.Clear();
    EXPECT_EQ("", document_.DamagedCopy);
    ASSERT_EQ(0, document_.LoadFromFile(path));
    EXPECT_EQ(path + ".uszkodzony", document_.DamagedCopy);

    ASSERT_EQ(0, document_.Save(saveDialog_));
    EXPECT_EQ(976u, ReadBytes(path).size());
    EXPECT_EQ(original, ReadBytes(path + ".uszkodzony"));
    // What was saved reads whole: nothing more is kept.
    document_.Clear();
    ASSERT_EQ(0, document_.LoadFromFile(path));
    EXPECT_FALSE(document_.DiaryDamaged);
    EXPECT_EQ("", document_.DamagedCopy);
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(dir_.Path()),
                               std::filesystem::directory_iterator()));
}

TEST_F(DataFileTest, OpenClosesTheDocumentAndLoadsTheChosenFile) {
    ASSERT_EQ(0, document_.LoadFromFile(SamplePath("rich_00.ocn")));
    const std::string path = SamplePath("edge_subject_abc.ocn");
    dialogs_.ExpectOpen(path);
    EXPECT_EQ(0, document_.Open(openDialog_, saveDialog_));
    EXPECT_EQ(path, document_.FileName);
    EXPECT_EQ(std::pair(true, false), State());
    ASSERT_EQ(1, document_.Subjects.Count);
    EXPECT_EQ("abc", document_.Subjects.Get(0)->Name);
}

TEST_F(DataFileTest, OpenOfAFileThatCannotBeReadLeavesAClearedDocument) {
    ASSERT_EQ(0, document_.New(saveDialog_));
    document_.Settings.AlarmThreshold = 3.5;
    dialogs_.ExpectOpen(dir_.File("nie-ma.ocn"));
    EXPECT_EQ(0, document_.Open(openDialog_, saveDialog_));
    EXPECT_EQ(std::pair(false, false), State());
    EXPECT_EQ(0, document_.Calendar.CategoriesCount());
    EXPECT_EQ(3.5, document_.Settings.AlarmThreshold);
}

// --- Saving and loading files ---

TEST_F(DataFileTest, SaveWithoutAFileIsSaveAsAndACancelledDialogChangesNothing) {
    const std::string path = dir_.File("nowy.ocn");
    dialogs_.ExpectSave(path);
    EXPECT_EQ(0, document_.Save(saveDialog_));
    EXPECT_EQ(path, document_.FileName);
    Change();
    dialogs_.ExpectSaveCancelled();
    EXPECT_EQ(2, document_.SaveAs(saveDialog_));
    EXPECT_EQ(path, document_.FileName);
    EXPECT_EQ(std::pair(true, true), State());
}

TEST_F(DataFileTest, TheDialogsOpenOnlyInAFolderWhereASaveOrAnOpenSucceeded) {
    // Such a folder (here /proc, where opening the dialog once froze the program) is not
    // gone back to.
    Change();
    dialogs_.ExpectSave("/proc/zapis.ocn");
    ExpectSaveFailed("/proc/zapis.ocn");
    EXPECT_EQ(-1, document_.SaveAs(saveDialog_));
    const std::string path = dir_.File("plan.ocn");
    dialogs_.ExpectSave(path);
    EXPECT_EQ(0, document_.SaveAs(saveDialog_));
    dialogs_.ExpectSaveCancelled();
    EXPECT_EQ(2, document_.SaveAs(saveDialog_));
    ASSERT_EQ(3u, dialogs_.Shown().size());
    EXPECT_EQ("", dialogs_.Shown()[0].Folder());
    EXPECT_EQ("", dialogs_.Shown()[1].Folder());
    EXPECT_EQ(dir_.Path().string() + "/", dialogs_.Shown()[2].Folder());

    dialogs_.ExpectOpen("/proc/version");  // no document
    EXPECT_EQ(0, document_.Open(openDialog_, saveDialog_));
    dialogs_.ExpectOpen(path);
    EXPECT_EQ(0, document_.Open(openDialog_, saveDialog_));
    dialogs_.ExpectOpenCancelled();
    EXPECT_EQ(2, document_.Open(openDialog_, saveDialog_));
    ASSERT_EQ(6u, dialogs_.Shown().size());
    EXPECT_EQ("", dialogs_.Shown()[4].Folder());
    EXPECT_EQ(dir_.Path().string() + "/", dialogs_.Shown()[5].Folder());
}

TEST_F(DataFileTest, SaveIntoAMissingFolderFailsAndChangesNothing) {
    ASSERT_EQ(0, document_.LoadFromFile(SamplePath("rich_01.ocn")));
    const auto header = document_.Header;
    document_.Student.Name = "Zmieniony";  // would change the header's sizes
    document_.Modified = true;
    EXPECT_EQ(-1, document_.SaveToFile(dir_.File("brak/plan.ocn")));
    EXPECT_EQ(SamplePath("rich_01.ocn"), document_.FileName);
    EXPECT_EQ(std::pair(true, true), State());
    EXPECT_EQ(header, document_.Header);
}

TEST_F(DataFileTest, FailedSaveAndSaveAsTellTheUserAndKeepTheDocumentModified) {
    const std::string missing = dir_.File("brak/plan.ocn");
    Change();
    dialogs_.ExpectSave(missing);
    ExpectSaveFailed(missing);
    EXPECT_EQ(-1, document_.Save(saveDialog_));
    EXPECT_EQ(std::pair(false, true), State());

    const std::string path = dir_.File("plan.ocn");
    ASSERT_EQ(0, document_.SaveToFile(path));
    std::filesystem::rename(dir_.Path(), dir_.Path().string() + "-moved");
    Change();
    ExpectSaveFailed(path);
    EXPECT_EQ(-1, document_.Save(saveDialog_));
    std::filesystem::rename(dir_.Path().string() + "-moved", dir_.Path());
    EXPECT_EQ(std::pair(true, true), State());
    ExpectUnowned();
}

// A hard-linked document is rewritten in place; a disk that fails while it writes, and then
// again, leaves the old file only in its copy, which the message names.
TEST_F(DataFileTest, AFailedSaveThatCouldNotPutTheOldFileBackNamesTheCopyOfIt) {
    const std::string path = dir_.File("plan.ocn");
    Change();
    ASSERT_EQ(0, document_.SaveToFile(path));
    const std::vector<std::uint8_t> saved = ReadBytes(path);
    std::filesystem::create_hard_link(path, dir_.File("drugi.ocn"));
    Change();
    boxes_.Expect("Nie udało się zapisać pliku.\n" + path +
                      "\n\nZawartość pliku sprzed nieudanego zapisu zachowano jako:\n" + path +
                      ".poprzedni\nKolejny udany zapis pliku usunie tę kopię.",
                  "Quirvale", platform::mb::Ok | platform::mb::IconStop, answer::Ok);
    {
        testing_support::InstalledFileCalls<testing_support::DiskFailsAfter> calls(saved.size() +
                                                                                   100);
        EXPECT_EQ(-1, document_.Save(saveDialog_));
    }
    EXPECT_EQ(saved, ReadBytes(path + ".poprzedni"));
    EXPECT_EQ(std::pair(true, true), State());
    ExpectUnowned();
    // The next save, whole, takes the copy away.
    EXPECT_EQ(0, document_.Save(saveDialog_));
    EXPECT_FALSE(std::filesystem::exists(path + ".poprzedni"));
    TDataFile reread;
    ASSERT_EQ(0, reread.LoadFromFile(dir_.File("drugi.ocn")));
    EXPECT_EQ(2, reread.Subjects.Count);
}

TEST_F(DataFileTest, ASaveWhoseFolderFailsToFlushIsDoneForTheNewFileIsInPlace) {
    testing_support::InstalledFileCalls<testing_support::FolderFlushFails> calls;
    const std::string path = dir_.File("plan.ocn");
    Change();
    dialogs_.ExpectSave(path);
    EXPECT_EQ(0, document_.Save(saveDialog_));
    EXPECT_EQ(path, document_.FileName);
    EXPECT_EQ(std::pair(true, false), State());
    Change();
    EXPECT_EQ(0, document_.Save(saveDialog_));
    EXPECT_EQ(std::pair(true, false), State());
    EXPECT_EQ(2, calls->attempts);
    EXPECT_TRUE(boxes_.Shown().empty());
    TDataFile saved;
    ASSERT_EQ(0, saved.LoadFromFile(path));
    EXPECT_EQ(2, saved.Subjects.Count);
}

TEST_F(DataFileTest, SaveOntoADirectoryFailsAndLeavesNoTemporaryFile) {
    const std::filesystem::path target = dir_.Path() / "plan.ocn";
    std::filesystem::create_directory(target);
    EXPECT_EQ(-1, document_.SaveToFile(target.string()));
    EXPECT_EQ(std::pair(false, false), State());
    EXPECT_TRUE(std::filesystem::is_directory(target));
    const auto entries = std::distance(std::filesystem::directory_iterator(dir_.Path()),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(1, entries);
}

TEST_F(DataFileTest, SaveReplacesALongerFileWhole) {
    const std::string path = dir_.File("plan.ocn");
    std::filesystem::copy_file(SamplePath("rich_00.ocn"), path);
    ASSERT_EQ(0, document_.New(saveDialog_));
    ASSERT_EQ(0, document_.SaveToFile(path));
    EXPECT_EQ(ReadBytes(SamplePath("edge_new_document.ocn")), ReadBytes(path));
}

TEST_F(DataFileTest, LoadOfAFileThatCannotBeReadLeavesTheDocumentAsItWas) {
    Change();
    EXPECT_EQ(-1, document_.LoadFromFile(dir_.File("nie-ma.ocn")));
    EXPECT_EQ(-1, document_.LoadFromFile(dir_.Path().string()));  // a folder
    // Neither waits for a writer nor reads without end.
    const std::string fifo = dir_.File("fifo.ocn");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    EXPECT_EQ(-1, document_.LoadFromFile(fifo));
    EXPECT_EQ(-1, document_.LoadFromFile("/dev/zero"));
    const std::string huge = dir_.File("huge.ocn");
    std::filesystem::copy_file(SamplePath("rich_00.ocn"), huge);
    std::filesystem::resize_file(huge, platform::kLargestReadableFile + 1);
    EXPECT_EQ(-1, document_.LoadFromFile(huge));
    EXPECT_EQ(1, document_.Subjects.Count);
    EXPECT_EQ(std::pair(false, true), State());
}

}  // namespace
