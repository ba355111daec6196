#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <cstdint>
#include <filesystem>
#include <limits>

#include "core/DataFile.h"
#include "core/DocumentFile.h"
#include "core/DocumentLimits.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/FileFaults.h"

using testing_support::ReadBytes;

namespace {

std::vector<std::uint8_t> LittleEndian(std::int32_t value) {
    std::vector<std::uint8_t> bytes(4);
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    return bytes;
}

// A document with one subject, saved at `path`.
void SaveDocument(const std::string& path, const std::string& subjectName) {
    TDataFile document;
    auto* subject = new TSubject;
    subject->Name = subjectName;
    subject->InAverage = 1;
    document.Subjects.Add(subject);
    ASSERT_EQ(0, document.SaveToFile(path));
}

}  // namespace

TEST_F(MainWindowTest, FirstRunStartsANewDocumentCentredAndRecordsItOnClose) {
    TMainForm& form = Open();
    EXPECT_EQ("Quirvale 2", form.windowTitle().toStdString());
    EXPECT_FALSE(form.DataFile.Named);
    EXPECT_FALSE(form.DataFile.Modified);
    EXPECT_EQ(0, form.Options.OpenLastFile);
    ASSERT_EQ(2, form.DataFile.Calendar.CategoriesCount());

    // Placed centred from the size it is shown at, frame and all, whatever its layout widens
    // it to. The frame's place is taken before showing: a platform may push a window wider
    // than the screen back over its left edge.
    const QPoint placed = form.pos();
    form.show();
    QCoreApplication::processEvents();
    const QPoint offset = QGuiApplication::primaryScreen()->availableGeometry().center() -
                          QRect(placed, form.frameGeometry().size()).center();
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);

    EXPECT_TRUE(form.close());
    std::vector<std::uint8_t> expected = {0, 0, 0, 0, 0};
    for (const auto b : LittleEndian(form.x())) expected.push_back(b);
    for (const auto b : LittleEndian(form.y())) expected.push_back(b);
    EXPECT_EQ(expected, ReadBytes(SettingsPath()));
}

TEST_F(MainWindowTest, OpensTheLastFileAtTheStoredPosition) {
    const std::string document = programDir.File("klasa.ocn");
    SaveDocument(document, "Matematyka");
    WriteSettings(1, document, 0, 40);  // on the screen, however wide the window

    TMainForm& form = Open();
    EXPECT_TRUE(form.DataFile.Named);
    EXPECT_EQ("Quirvale 2 - " + document, form.windowTitle().toStdString());
    EXPECT_EQ("Matematyka", ui().cbSubject->currentText().toStdString());
    EXPECT_EQ(QPoint(0, 40), form.pos());
}

TEST_F(MainWindowTest, ALastFileLargerThanTheProgramHandlesIsRefusedAsOneItCannotOpen) {
    const std::string document = programDir.File("ogromny.ocn");
    TDataFile huge;
    testing_support::AddSubject(huge, "Matematyka", std::vector<char>(kMostMarks + 1, 5));
    // The program saves no such document, so it is written as a file of another program would be.
    ASSERT_TRUE(platform::SaveFileAtomically(document, [&](platform::ByteWriter& out) {
        WriteDocument(out, huge, MakeDocumentHeader(huge));
    }));
    WriteSettings(1, document, 30, 40);
    boxes.Expect("Nie można otworzyć pliku:\n" + document +
                     "\n\nPlik nie istnieje, jest uszkodzony albo nie jest dokumentem programu "
                     "Quirvale 2.",
                 "Quirvale 2", platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    TMainForm& form = Open();
    EXPECT_FALSE(form.DataFile.Named);
    EXPECT_EQ(0, form.DataFile.Subjects.Count);
    EXPECT_EQ("", ui().edMarks->Text());
}

TEST_F(MainWindowTest, AMissingLastFileIsReportedAndGivesANewDocument) {
    WriteSettings(1, programDir.File("gone.ocn"), 30, 40);
    boxes.Expect("Nie można otworzyć pliku:\n" + programDir.File("gone.ocn") +
                     "\n\nPlik nie istnieje, jest uszkodzony albo nie jest dokumentem programu "
                     "Quirvale 2.",
                 "Quirvale 2", platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    TMainForm& form = Open();
    EXPECT_FALSE(form.DataFile.Named);
    EXPECT_EQ(2, form.DataFile.Calendar.CategoriesCount());
    EXPECT_EQ(1, form.Options.OpenLastFile);  // a failed load does not clear the choice
}

TEST_F(MainWindowTest, TheLastFileIsNotOpenedWhenTheFlagIsClear) {
    const std::string document = programDir.File("klasa.ocn");
    SaveDocument(document, "Fizyka");
    WriteSettings(0, document, 30, 40);
    EXPECT_FALSE(Open().DataFile.Named);
}

TEST_F(MainWindowTest, APositionOffEveryScreenIsMovedBackOntoThePrimaryScreen) {
    WriteSettings(0, "", -20000, -20000);
    TMainForm& form = Open();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(form.frameGeometry()));
}

TEST_F(MainWindowTest, APositionAtTheIntegerLimitsOpensTheWindowOnTheScreen) {
    WriteSettings(0, "", std::numeric_limits<std::int32_t>::min(),
                  std::numeric_limits<std::int32_t>::max());
    TMainForm& form = Open();
    form.show();
    QCoreApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = form.frameGeometry();
    EXPECT_TRUE(screen.contains(QRect(frame.topLeft(), frame.size().boundedTo(screen.size()))))
        << frame.x() << ", " << frame.y();
}

// The window is grabbed by its title strip: a window hanging off the screen stays where the user
// left it while the strip lies on the screen, and comes back once less of it does.
TEST_F(MainWindowTest, APositionIsKeptWhileTheTitleStripLiesOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int titleHeight = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QPoint lowest(screen.left(), screen.top() + screen.height() - titleHeight);
    WriteSettings(0, "", lowest.x(), lowest.y());
    EXPECT_EQ(lowest, Open().pos());

    WriteSettings(0, "", lowest.x(), lowest.y() + 1);
    TMainForm& form = Open();
    EXPECT_EQ(lowest.x(), form.x());
    EXPECT_LT(form.y(), lowest.y());
    EXPECT_GE(form.y(), screen.top());
}

TEST_F(MainWindowTest, DamagedSettingsClearTheOpenLastFileFlag) {
    testing_support::WriteBytes(SettingsPath(), {1, 200, 0, 0, 0});
    EXPECT_EQ(0, Open().Options.OpenLastFile);
}

TEST_F(MainWindowTest, ClosingAModifiedDocumentAsksAndCancelKeepsTheProgramRunning) {
    TMainForm& form = Open();
    form.SetModified();
    boxes.ExpectSaveQuestion(platform::answer::Cancel);
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.IsModified());
    EXPECT_FALSE(ReadBytes(SettingsPath()).empty());  // written before the question
}

TEST_F(MainWindowTest, ClosingAndAnsweringNoDiscardsTheChanges) {
    TMainForm& form = Open();
    form.SetModified();
    boxes.ExpectSaveQuestion(platform::answer::No);
    EXPECT_TRUE(form.close());
}

TEST_F(MainWindowTest, YesWithACancelledSaveAsKeepsTheDocumentAndRecordsNoFile) {
    TMainForm& form = Open();
    form.SetModified();
    boxes.ExpectSaveQuestion(platform::answer::Yes);
    files.ExpectSaveCancelled();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(13u, ReadBytes(SettingsPath()).size());  // an empty last file
}

TEST_F(MainWindowTest, ADocumentNamedByTheClosingQuestionIsTheLastFileNextTime) {
    WriteSettings(1, "", 0, 40);  // on the screen, however wide the window
    TMainForm& form = Open();
    auto* subject = new TSubject;
    subject->Name = "Historia";
    form.DataFile.Subjects.Add(subject);
    form.SetModified();
    boxes.ExpectSaveQuestion(platform::answer::Yes);
    const std::string saved = programDir.File("nowy.ocn");
    files.ExpectSave(saved);
    EXPECT_TRUE(form.close());
    TProgramOptions stored;
    ASSERT_EQ(0, stored.LoadFromFile(SettingsPath()));
    EXPECT_EQ(saved, stored.LastFile);
    EXPECT_EQ(1, stored.OpenLastFile);
    EXPECT_EQ(0, stored.Left);
    EXPECT_EQ(40, stored.Top);

    window.reset();
    TMainForm& next = Open();
    EXPECT_TRUE(next.DataFile.Named);
    EXPECT_EQ(saved, next.DataFile.FileName);
    EXPECT_EQ("Historia", ui().cbSubject->currentText().toStdString());
}

TEST_F(MainWindowTest, ANamedDocumentSavedByTheClosingQuestionStaysTheLastFile) {
    const std::string document = programDir.File("klasa.ocn");
    SaveDocument(document, "Biologia");
    WriteSettings(1, document, 30, 40);
    TMainForm& form = Open();
    form.SetModified();
    boxes.ExpectSaveQuestion(platform::answer::Yes);
    EXPECT_TRUE(form.close());
    TProgramOptions stored;
    ASSERT_EQ(0, stored.LoadFromFile(SettingsPath()));
    EXPECT_EQ(document, stored.LastFile);
}

TEST_F(MainWindowTest, EveryDialogThatNamesTheDocumentAsksBeforeReplacingAFile) {
    TMainForm& form = Open();
    form.SetModified();
    files.ExpectSave(programDir.File("pierwszy.ocn"));
    ui().btnSave->click();  // no file yet: "Zapisz jako..."
    files.ExpectSaveCancelled();
    ui().mSaveAs->trigger();
    form.SetModified();
    ui().btnSave->click();  // named: saved without a dialog
    ui().mNew->trigger();
    form.SetModified();
    boxes.ExpectSaveQuestion(platform::answer::Yes);
    files.ExpectSave(programDir.File("drugi.ocn"));
    EXPECT_TRUE(form.close());
    ASSERT_EQ(3u, files.Shown().size());
    for (const platform::FileDialog& dialog : files.Shown())
        EXPECT_TRUE(dialog.AsksBeforeReplacing());
}

TEST_F(MainWindowTest, OpeningAFileThatIsNotADocumentSaysSoAndNamesTheFile) {
    TMainForm& form = Open();
    const std::string damaged = testing_support::SamplePath("damaged_trunc_subjects_421.ocn");
    files.ExpectOpen(damaged);
    boxes.Expect("Nie można otworzyć pliku:\n" + damaged +
                     "\n\nPlik nie istnieje, jest uszkodzony albo nie jest dokumentem programu "
                     "Quirvale 2.",
                 "Quirvale 2", platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    ui().mOpen->trigger();
    EXPECT_FALSE(form.DataFile.Named);
    EXPECT_EQ("Quirvale 2", form.windowTitle().toStdString());
}

TEST_F(MainWindowTest, OpenAndSaveAsRefreshTheCaptionAndThePanels) {
    const std::string document = programDir.File("klasa.ocn");
    SaveDocument(document, "Chemia");
    TMainForm& form = Open();

    files.ExpectOpen(document);
    ui().btnOpen->click();
    EXPECT_EQ("Chemia", ui().cbSubject->currentText().toStdString());
    EXPECT_EQ("Quirvale 2 - " + document, form.windowTitle().toStdString());

    const std::string copy = programDir.File("kopia.ocn");
    files.ExpectSave(copy);
    ui().mSaveAs->trigger();
    EXPECT_EQ("Quirvale 2 - " + copy, form.windowTitle().toStdString());
    EXPECT_EQ(ReadBytes(document), ReadBytes(copy));
}

TEST_F(MainWindowTest, NewAsksFirstWhenModifiedAndCancelKeepsEverything) {
    TMainForm& form = Open();
    auto* subject = new TSubject;
    subject->Name = "Biologia";
    form.DataFile.Subjects.Add(subject);
    form.SetModified();
    boxes.ExpectSaveQuestion(platform::answer::Cancel);
    ui().btnNew->click();
    EXPECT_EQ(1, form.DataFile.Subjects.Count);
    EXPECT_TRUE(form.IsModified());

    boxes.ExpectSaveQuestion(platform::answer::No);
    ui().mNew->trigger();
    EXPECT_EQ(0, form.DataFile.Subjects.Count);
    EXPECT_EQ(-1, ui().cbSubject->ItemIndex());
}

TEST_F(MainWindowTest, ASaveThatFailsSaysSoAndLeavesTheDocumentUnsaved) {
    TMainForm& form = Open();
    form.SetModified();
    const std::string target = programDir.File("katalog.ocn");
    std::filesystem::create_directory(target);
    files.ExpectSave(target);
    boxes.Expect("Nie udało się zapisać pliku.\n" + target, "Quirvale",
                 platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    ui().btnSave->click();
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ("Quirvale 2", form.windowTitle().toStdString());
}

TEST_F(MainWindowTest, ASaveWhoseFolderFailsToFlushShowsTheDocumentSavedUnderItsName) {
    testing_support::InstalledFileCalls<testing_support::FolderFlushFails> calls;
    TMainForm& form = Open();
    form.SetModified();
    const std::string target = programDir.File("plan.ocn");
    files.ExpectSave(target);
    ui().btnSave->click();
    EXPECT_EQ(1, calls->attempts);
    EXPECT_FALSE(form.IsModified());
    EXPECT_EQ("Quirvale 2 - " + target, form.windowTitle().toStdString());
    EXPECT_TRUE(boxes.Shown().empty());
}
