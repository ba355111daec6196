// What the main window tells about loads, and that nothing can paint freed days meanwhile.

#include <QScreen>
#include <filesystem>
#include <functional>

#include "tests/app/MainWindowFixture.h"
#include "tests/support/FileFaults.h"

namespace {

const char* const kDiaryDamaged = "Terminarz w pliku jest uszkodzony. Wczytano tylko jego część:\n";
const char* const kCopyKept =
    "\n\nZapisanie dokumentu pominie nieodczytaną część. Niezmienioną kopię pliku zachowano "
    "jako:\n";
const char* const kCopyFailed =
    "\n\nNie udało się zachować kopii pliku. Zapisanie dokumentu pod tą samą nazwą usunie "
    "nieodczytaną część; aby ją zachować, zapisz dokument pod inną nazwą.";

const char* const kBackupKept = "\n\nZawartość pliku sprzed nieudanego zapisu zachowano jako:\n";

// A message box that, while it is up, lets the test look at (and repaint) the window.
class BoxThatRepaints final : public platform::MessageBoxService {
  public:
    explicit BoxThatRepaints(std::function<void(const platform::MessageRequest&)> whileShown)
        : whileShown_(std::move(whileShown)) {}
    int Show(const platform::MessageRequest& request) override {
        whileShown_(request);
        return platform::answer::Ok;
    }

  private:
    std::function<void(const platform::MessageRequest&)> whileShown_;
};

std::string DocumentWithTodaysEvents(const std::string& path) {
    platform::FileDialog unused(platform::FileDialogKind::Save, "", "");
    TDataFile document;
    document.New(unused);
    for (int i = 0; i < 3; ++i)
        document.Calendar.AddEvent(3, 10, 2005, new TClEvent{"Sprawdzian", "", 0, 0, ""});
    EXPECT_EQ(0, document.SaveToFile(path));
    return path;
}

// The sample whose diary's second year is damaged (1,733 bytes), copied to `path`.
std::string DamagedDiaryAt(const std::string& path) {
    testing_support::WriteBytes(
        path, testing_support::ReadBytes(testing_support::SamplePath("damaged_tag_YEAX.ocn")));
    return path;
}

}  // namespace

TEST_F(MainWindowTest, AFailedOpenRebuildsTheTimeTableBeforeItsBoxShows) {
    WriteSettings(1, DocumentWithTodaysEvents(programDir.File("events.ocn")), 0, 0);
    TMainForm& form = Open();
    form.show();
    ASSERT_GT(form.DrawTimeTable.RowCount, 0);

    int rowsWhileShown = -1;
    auto previous = platform::SetMessageBoxService(
        std::make_unique<BoxThatRepaints>([&](const platform::MessageRequest& request) {
            EXPECT_EQ("Quirvale 2", request.caption);
            rowsWhileShown = form.DrawTimeTable.RowCount;
            // What a resize or a palette change under the box would do.
            ui().TimeTableDrawGrid->viewport()->grab();
        }));
    files.ExpectOpen(programDir.File("missing.ocn"));
    ui().mOpen->trigger();
    platform::SetMessageBoxService(std::move(previous));

    EXPECT_EQ(0, form.DataFile.Calendar.Count());
    EXPECT_EQ(form.DrawTimeTable.RowCount, rowsWhileShown);
}

TEST_F(MainWindowTest, ADamagedDiaryIsReportedOnOpenWithTheCopyKeptAndTheDocumentStays) {
    TMainForm& form = Open();
    const std::string damaged = DamagedDiaryAt(programDir.File("klasa.ocn"));
    files.ExpectOpen(damaged);
    boxes.Expect(kDiaryDamaged + damaged + kCopyKept + damaged + ".uszkodzony", "Quirvale 2",
                 platform::mb::Ok | platform::mb::IconWarning, platform::answer::Ok);
    ui().mOpen->trigger();
    EXPECT_TRUE(form.DataFile.Named);
    EXPECT_EQ(1, form.DataFile.Calendar.Count());
    EXPECT_GT(form.DataFile.Subjects.Count, 0);
    EXPECT_FALSE(form.IsModified());
}

TEST_F(MainWindowTest, ADamagedDiaryIsReportedAtStartUpWithTheCopyKept) {
    const std::string damaged = DamagedDiaryAt(programDir.File("klasa.ocn"));
    WriteSettings(1, damaged, 0, 0);
    boxes.Expect(kDiaryDamaged + damaged + kCopyKept + damaged + ".uszkodzony", "Quirvale 2",
                 platform::mb::Ok | platform::mb::IconWarning, platform::answer::Ok);
    TMainForm& form = Open();
    EXPECT_TRUE(form.DataFile.Named);
    EXPECT_EQ(damaged, form.DataFile.FileName);
}

TEST_F(MainWindowTest, SavingADamagedDiaryLeavesTheOldBytesInTheCopyTheWarningNamed) {
    const std::string damaged = DamagedDiaryAt(programDir.File("klasa.ocn"));
    const std::vector<std::uint8_t> original = testing_support::ReadBytes(damaged);
    // A copy named so already, of other bytes, stays as it is.
    testing_support::WriteBytes(damaged + ".uszkodzony", {1, 2, 3});
    TMainForm& form = Open();
    files.ExpectOpen(damaged);
    boxes.Expect(kDiaryDamaged + damaged + kCopyKept + damaged + ".uszkodzony.2", "Quirvale 2",
                 platform::mb::Ok | platform::mb::IconWarning, platform::answer::Ok);
    ui().mOpen->trigger();
    ui().btnSave->click();
    EXPECT_FALSE(form.IsModified());
    EXPECT_EQ(976u, testing_support::ReadBytes(damaged).size());
    EXPECT_EQ(original, testing_support::ReadBytes(damaged + ".uszkodzony.2"));
    EXPECT_EQ((std::vector<std::uint8_t>{1, 2, 3}),
              testing_support::ReadBytes(damaged + ".uszkodzony"));
}

TEST_F(MainWindowTest, ACopyThatCannotBeKeptIsSaidInTheWarning) {
    const std::string damaged = DamagedDiaryAt(programDir.File("klasa.ocn"));
    TMainForm& form = Open();
    files.ExpectOpen(damaged);
    boxes.Expect(kDiaryDamaged + damaged + kCopyFailed, "Quirvale 2",
                 platform::mb::Ok | platform::mb::IconWarning, platform::answer::Ok);
    {
        testing_support::InstalledFileCalls<testing_support::DiskFullAfter> full(0);
        ui().mOpen->trigger();
    }
    EXPECT_TRUE(form.DataFile.Named);
    EXPECT_FALSE(std::filesystem::exists(damaged + ".uszkodzony"));
}

// A save that rewrote the file in place and could not put its old bytes back left them in
// copies beside it: the user is told where on opening the file.
TEST_F(MainWindowTest, ADamagedDiaryIsReportedWithTheCopyAnUnfinishedSaveLeft) {
    const std::string damaged = DamagedDiaryAt(programDir.File("klasa.ocn"));
    testing_support::WriteBytes(damaged + ".poprzedni", {1, 2, 3});
    TMainForm& form = Open();
    files.ExpectOpen(damaged);
    boxes.Expect(kDiaryDamaged + damaged + kCopyKept + damaged + ".uszkodzony" + kBackupKept +
                     damaged + ".poprzedni\nKolejny udany zapis pliku usunie tę kopię.",
                 "Quirvale 2", platform::mb::Ok | platform::mb::IconWarning, platform::answer::Ok);
    ui().mOpen->trigger();
    EXPECT_TRUE(form.DataFile.Named);
    // The user may open the copy, or save the document as it was read, which ends the copy.
    ui().btnSave->click();
    EXPECT_FALSE(std::filesystem::exists(damaged + ".poprzedni"));
}

TEST_F(MainWindowTest, AFileThatDoesNotOpenIsReportedWithTheCopiesAnUnfinishedSaveLeft) {
    const std::string broken = programDir.File("plan.ocn");
    testing_support::WriteBytes(broken, {'D', 'F', '0', '3'});
    testing_support::WriteBytes(broken + ".poprzedni", {1});
    testing_support::WriteBytes(broken + ".poprzedni.2", {2});
    WriteSettings(1, broken, 0, 0);
    boxes.Expect("Nie można otworzyć pliku:\n" + broken +
                     "\n\nPlik nie istnieje, jest uszkodzony albo nie jest dokumentem programu "
                     "Quirvale 2." +
                     kBackupKept + broken + ".poprzedni\n" + broken +
                     ".poprzedni.2\nKolejny udany zapis pliku usunie te kopie.",
                 "Quirvale 2", platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    TMainForm& form = Open();
    EXPECT_FALSE(form.DataFile.Named);
}

TEST_F(MainWindowTest, ALastFileOutsideTheCodePageOpensAtStartUp) {
    std::filesystem::create_directory(programDir.Path() / "jørgen");
    const std::string document = DocumentWithTodaysEvents(programDir.File("jørgen/plan.ocn"));
    WriteSettings(1, document, 0, 0);
    TMainForm& form = Open();
    EXPECT_TRUE(form.DataFile.Named);
    EXPECT_EQ(document, form.DataFile.FileName);
}

TEST_F(MainWindowTest, TheWindowCannotShrinkBelowWhatItsLayoutNeeds) {
    TMainForm& form = Open();
    form.show();
    form.resize(700, 480);
    QApplication::processEvents();
    EXPECT_GE(form.width(), form.minimumSizeHint().width());
    EXPECT_GE(form.height(), form.minimumSizeHint().height());
    // The averages box ends above the lesson-plan buttons.
    const QWidget& today = *ui().btnSetLessonPlanForToday;
    const QRect buttons(today.mapTo(&form, QPoint(0, 0)), today.size());
    for (QWidget* child : form.findChildren<QWidget*>()) {
        if (!child->isVisible() || child == &today || child->isAncestorOf(&today) ||
            today.isAncestorOf(child) || !child->objectName().contains("Average"))
            continue;
        const QRect box(child->mapTo(&form, QPoint(0, 0)), child->size());
        EXPECT_FALSE(box.intersects(buttons)) << child->objectName().toStdString();
    }
}
