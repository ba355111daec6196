#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/Calendar.h"
#include "core/Marks.h"
#include "core/Records.h"
#include "platform/Dialogs.h"

// The texts of the document's own message boxes.
inline constexpr char kDocumentCaption[] = "Quirvale";
inline constexpr char kSaveQuestion[] = "Czy zachować zmiany?";
// Followed by a line break and the path of the file that could not be written, and for a
// document the program could not open again by a line telling what is too large.
inline constexpr char kSaveFailedMessage[] = "Nie udało się zapisać pliku.";
// After the failed save's message, or the message that a document could not be opened whole,
// where a save that rewrote the file in place could not put its old bytes back: followed by
// the names of the copies it kept of them, one a line, and kBackupRemovedNote
// (kBackupsRemovedNote for several).
inline constexpr char kBackupKeptMessage[] =
    "Zawartość pliku sprzed nieudanego zapisu zachowano jako:";
inline constexpr char kBackupRemovedNote[] = "Kolejny udany zapis pliku usunie tę kopię.";
inline constexpr char kBackupsRemovedNote[] = "Kolejny udany zapis pliku usunie te kopie.";

// "" where no copy of the old bytes of the file at `path` lies beside it or in the user's own
// folder (platform/Backups.h); else two line breaks, kBackupKeptMessage, the copies' names and
// the note, for the end of a message about the file.
std::string BackupsNote(const std::string& path);

inline constexpr std::size_t kHeaderSize = 92;
// Added to a document's file name for the copy kept of it when its diary could not be read
// whole.
inline constexpr char kDamagedCopySuffix[] = ".uszkodzony";

// The open document: one school year of one pupil, stored in a ".ocn" file.
// Results: 0 done, 2 cancelled by the user, -1 a file could not be read or written (or a
// load was asked of a document bound to a file).
class TDataFile {
  public:
    std::string FileName;
    // The file header as last written or read; bytes 44..91 are kept as a loaded file held
    // them.
    std::array<std::uint8_t, kHeaderSize> Header{};
    TStudent Student;
    TSubjectsList Subjects;
    TLessonPlan LessonPlan;
    TDocumentSettings Settings;
    TClCalendar Calendar;
    TClVerificationStrings VerificationStrings;
    // Changed since the last load, save or clearing.
    bool Modified = false;
    // Bound to FileName by a successful save or load.
    bool Named = false;
    // The last load found the diary block damaged and kept only its complete years; the
    // user is to be told. Cleared with the document.
    bool DiaryDamaged = false;
    // Where that load kept the file as it was, since a save writes only what was read; empty
    // when no copy could be kept.
    std::string DamagedCopy;

    TDataFile();
    ~TDataFile();
    TDataFile(const TDataFile&) = delete;
    TDataFile& operator=(const TDataFile&) = delete;

    // Empties the document and unbinds it; Settings and Header stay.
    void Clear();
    // Writes a temporary file beside `path` and renames it over `path` only when complete,
    // so a failed save never loses the previous file; where the file must keep its other
    // names or its owner, or the folder may not be written, the file is rewritten in place
    // after its old bytes were kept in a backup (platform::SaveFileAtomically). -1 on
    // failure, with the document unchanged. Once the new file is at `path` the document is bound
    // to it, though the folder then failed to flush. A document past the limits the reader
    // keeps (DocumentExcess) is refused before its file replaces the old one.
    std::int32_t SaveToFile(const std::string& path);
    std::int32_t SaveToCurrentFile();
    // -1 when bound, when the file cannot be read (not a regular file, over 64 MiB), or when
    // it is damaged before the diary block (then the document is left cleared and unbound).
    // Damage inside the diary keeps the complete years before it, sets DiaryDamaged and keeps
    // a copy of the file beside it (platform::KeepCopyBeside with kDamagedCopySuffix).
    std::int32_t LoadFromFile(const std::string& path);

    // The document commands. New, Open and Close ask the save question when modified.
    std::int32_t New(platform::FileDialog& saveDialog);
    std::int32_t Open(platform::FileDialog& openDialog, platform::FileDialog& saveDialog);
    // A save that fails tells the user (naming the file) and returns -1.
    std::int32_t Save(platform::FileDialog& saveDialog);
    std::int32_t SaveAs(platform::FileDialog& saveDialog);
    // 0 when the document was cleared; 2 when the user cancelled or a wanted save failed
    // (the document then stays as it is, still modified). `saved` runs after the save the
    // user asked for, while the document still names the file it went to.
    std::int32_t Close(platform::FileDialog& saveDialog, const std::function<void()>& saved = {});
};
