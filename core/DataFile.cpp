#include "core/DataFile.h"

#include <new>
#include <vector>

#include "core/DocumentFile.h"
#include "platform/Backups.h"
#include "platform/Dates.h"
#include "platform/Files.h"
#include "platform/KeptCopies.h"

namespace {

// A save the user asked for never fails quietly: the document stays modified and says so,
// and why when the document is one the program could not open again.
void ReportSaveFailure(const std::string& path, const std::string& excess) {
    std::string message = std::string(kSaveFailedMessage) + "\n" + path;
    if (!excess.empty()) message += "\n" + excess;
    platform::MessageBox(message + BackupsNote(path), kDocumentCaption,
                         platform::mb::Ok | platform::mb::IconStop, /*owned=*/false);
}

}  // namespace

std::string BackupsNote(const std::string& path) {
    const std::vector<std::string> backups = platform::BackupsOf(path);
    if (backups.empty()) return "";
    std::string note = std::string("\n\n") + kBackupKeptMessage;
    for (const std::string& name : backups) note += "\n" + name;
    return note + "\n" + (backups.size() == 1 ? kBackupRemovedNote : kBackupsRemovedNote);
}

TDataFile::TDataFile() {
    Clear();
}

TDataFile::~TDataFile() = default;

void TDataFile::Clear() {
    FileName.clear();
    Subjects.Clear();
    Student = TStudent{};
    Student.EndOfSchoolYear = ::EndOfSchoolYear();
    int year = 0, month = 0, day = 0;
    platform::DecodeDate(Student.EndOfSchoolYear, year, month, day);
    Student.SchoolYear = year - 1;
    Calendar.Categories.Clear();
    Calendar.Clear();
    LessonPlan = TLessonPlan{};
    Named = false;
    Modified = false;
    DiaryDamaged = false;
    DamagedCopy.clear();
}

std::int32_t TDataFile::SaveToFile(const std::string& path) {
    // A file the program would refuse to open does not replace the old one, still a year: the
    // records are counted first, the file's size as it is written (one pass, no count of it).
    if (!RecordsExcess(*this).empty()) return -1;
    const TDocumentHeader header = MakeDocumentHeader(*this);
    // Gathered into blocks: the file takes a few large writes instead of one per field, and
    // no image of the whole file is built (except by a save in place, which must know its size
    // before it changes the old file).
    const bool saved = platform::SaveFileAtomically(
        path,
        [&](platform::ByteWriter& file) {
            platform::BufferedSink blocks(file);
            platform::ByteWriter out(blocks);
            WriteDocument(out, *this, header);
            blocks.Flush();
        },
        platform::kLargestReadableFile);
    if (!saved) return -1;
    Header = header;
    FileName = path;
    Named = true;
    Modified = false;
    return 0;
}

std::int32_t TDataFile::SaveToCurrentFile() {
    return SaveToFile(FileName);
}

std::int32_t TDataFile::LoadFromFile(const std::string& path) {
    if (Named) return -1;
    platform::FileSource file;
    if (!file.Open(path)) return -1;
    platform::ByteReader in(file, file.Size());
    std::int32_t read = -1;
    try {
        read = ReadDocument(in, *this);
    } catch (const std::bad_alloc&) {
        // Counts are checked against the bytes left, but a load never ends the program.
    }
    // A file that could not be read is no damaged diary: it is refused like any unreadable one.
    if (file.Failed()) read = -1;
    if (read < 0) {
        // Nothing half-loaded: a document damaged before its diary is refused whole.
        Clear();
        return -1;
    }
    DiaryDamaged = read != 0;
    if (DiaryDamaged) DamagedCopy = platform::KeepCopyBeside(path, kDamagedCopySuffix);
    FileName = path;
    Named = true;
    Modified = false;
    return 0;
}

std::int32_t TDataFile::New(platform::FileDialog& saveDialog) {
    if (Modified && Close(saveDialog) == 2) return 2;
    Clear();
    SetDefaultMarksValues(Settings.MarksValues);
    SetDefaultTimeTableColors(Settings.TimeTableColors);
    Settings.AlarmThreshold = 2.0;
    Calendar.AddCategory({"Kartkówka", 0xC0C0C0, 0xFF0000});
    Calendar.AddCategory({"Sprawdzian", 0xC0C0C0, 0x0000FF});
    return 0;
}

std::int32_t TDataFile::Open(platform::FileDialog& openDialog, platform::FileDialog& saveDialog) {
    if (!openDialog.Execute()) return 2;
    if (Close(saveDialog) == 2) return 2;
    // A file that cannot be read leaves the cleared document; the command still succeeded.
    if (LoadFromFile(openDialog.FileName()) == 0) openDialog.RememberFolder();
    return 0;
}

std::int32_t TDataFile::Save(platform::FileDialog& saveDialog) {
    if (!Named) return SaveAs(saveDialog);
    const std::int32_t saved = SaveToCurrentFile();
    if (saved != 0) ReportSaveFailure(FileName, DocumentExcess(*this));
    return saved;
}

std::int32_t TDataFile::SaveAs(platform::FileDialog& saveDialog) {
    if (!saveDialog.Execute()) return 2;
    const std::int32_t saved = SaveToFile(saveDialog.FileName());
    if (saved == 0)
        saveDialog.RememberFolder();
    else
        ReportSaveFailure(saveDialog.FileName(), DocumentExcess(*this));
    return saved;
}

std::int32_t TDataFile::Close(platform::FileDialog& saveDialog,
                              const std::function<void()>& saved) {
    if (Modified) {
        const int answer = platform::MessageBox(kSaveQuestion, kDocumentCaption,
                                                platform::mb::YesNoCancel, /*owned=*/false);
        if (answer != platform::answer::Yes && answer != platform::answer::No) return 2;
        if (answer == platform::answer::Yes) {
            // A failed save has told the user; clearing now would lose the data they asked
            // to keep, so New, Open and closing the program stop as if cancelled.
            if (Save(saveDialog) != 0) return 2;
            if (saved) saved();
        }
    }
    Clear();
    return 0;
}
