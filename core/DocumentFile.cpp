#include "core/DocumentFile.h"

#include "core/DocumentLimits.h"
#include "core/Strings.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"

namespace {

// The header's sizes are those the earlier Windows program wrote, and stored files hold them:
// the pupil size is its texts plus 518 (the block is the texts plus 14), the settings size
// 207 of the 278 bytes written, and the lesson plan counts nothing. No reader uses them.
constexpr std::uint32_t kPupilSizeExtra = 518;
constexpr std::uint32_t kSettingsSize = 207;
constexpr std::uint32_t kLessonPlanSize = 0;

constexpr std::size_t kLessonPlanDays = 6;
constexpr std::int32_t kHighestMarkCode = kMarkKinds - 1;
// Three empty strings, InAverage, FinalMark and a mark count: the smallest subject record.
constexpr std::size_t kSmallestSubject = 3 * 4 + 1 + 4 + 4;

void PutU32(TDocumentHeader& header, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) header[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t PupilTextsSize(const TStudent& s) {
    return TClStreamStringSize(s.Name) + TClStreamStringSize(s.Surname) +
           TClStreamStringSize(s.Comment) + TClStreamStringSize(s.SchoolType) +
           TClStreamStringSize(s.SchoolName) + TClStreamStringSize(s.Term);
}

std::uint32_t SubjectsBlockSize(TSubjectsList& subjects) {
    std::uint32_t size = 4;
    for (std::int32_t i = 0; i < subjects.Count; ++i) {
        const TSubject& s = *subjects.Get(i);
        size += TClStreamStringSize(s.Name) + TClStreamStringSize(s.Comment) +
                TClStreamStringSize(s.Teacher) + 9 + static_cast<std::uint32_t>(s.Marks.Count);
    }
    return size;
}

void WritePupil(platform::ByteWriter& out, const TStudent& s) {
    for (const std::string* text :
         {&s.Name, &s.Surname, &s.Comment, &s.SchoolType, &s.SchoolName, &s.Term})
        TClStreamWriteString(out, *text);
    out.WriteF64(s.EndOfSchoolYear);
    out.WriteI32(s.SchoolYear);
    out.WriteU8(s.Class);
    out.WriteU8(static_cast<std::uint8_t>(s.ClassChar));
}

// The first 207 bytes are the image of the settings record the earlier program stored, the
// rest its later fields once more; a reader takes the last copy of each.
void WriteSettings(platform::ByteWriter& out, const TDocumentSettings& s) {
    for (const double value : s.MarksValues) out.WriteF64(value);
    out.WriteF64(s.AlarmThreshold);
    out.WriteU8(s.LessonPlanDay);
    out.WriteU8(s.TimeTableFormRange);
    out.WriteU8(s.MainTimeTableRange);
    out.WriteU8(s.Fill);
    for (const TColor color : s.TimeTableColors) out.WriteU32(color);
    out.WriteBytes(s.Reserved.data(), s.Reserved.size() - 1);
    out.WriteF64(s.AlarmThreshold);
    out.WriteU8(s.LessonPlanDay);
    for (const TColor color : s.TimeTableColors) out.WriteU32(color);
    out.WriteBytes(s.Reserved.data(), s.Reserved.size());
    out.WriteU8(s.TimeTableFormRange);
    out.WriteU8(s.MainTimeTableRange);
}

void WriteSubjects(platform::ByteWriter& out, TSubjectsList& subjects) {
    out.WriteU32(static_cast<std::uint32_t>(subjects.Count));
    for (std::int32_t i = 0; i < subjects.Count; ++i) {
        TSubject& s = *subjects.Get(i);
        TClStreamWriteString(out, s.Name);
        TClStreamWriteString(out, s.Comment);
        TClStreamWriteString(out, s.Teacher);
        out.WriteU8(s.InAverage);
        out.WriteI32(s.FinalMark);
        out.WriteU32(static_cast<std::uint32_t>(s.Marks.Count));
        for (std::int32_t m = 0; m < s.Marks.Count; ++m)
            out.WriteU8(static_cast<std::uint8_t>(*s.Marks.Get(m)));
    }
}

void WriteLessonPlan(platform::ByteWriter& out, const TLessonPlan& plan) {
    out.WriteU32(kLessonPlanDays);
    for (const std::string& day : plan.Days) TClStreamWriteString(out, day);
}

bool ReadPupil(platform::ByteReader& in, TStudent& s, TDocumentAllowance& allowance) {
    for (std::string* text :
         {&s.Name, &s.Surname, &s.Comment, &s.SchoolType, &s.SchoolName, &s.Term})
        if (allowance.ReadString(in, *text) != 0) return false;
    std::uint8_t classChar = 0;
    if (!in.ReadF64(s.EndOfSchoolYear) || !in.ReadI32(s.SchoolYear) || !in.ReadU8(s.Class) ||
        !in.ReadU8(classChar))
        return false;
    s.ClassChar = static_cast<char>(classChar);
    return true;
}

// The same pieces in the same order into the same fields as written.
bool ReadSettings(platform::ByteReader& in, TDocumentSettings& s) {
    for (double& value : s.MarksValues) in.ReadF64(value);
    in.ReadF64(s.AlarmThreshold);
    in.ReadU8(s.LessonPlanDay);
    in.ReadU8(s.TimeTableFormRange);
    in.ReadU8(s.MainTimeTableRange);
    in.ReadU8(s.Fill);
    for (TColor& color : s.TimeTableColors) in.ReadU32(color);
    in.ReadInto(std::span(s.Reserved).first(s.Reserved.size() - 1));
    in.ReadF64(s.AlarmThreshold);
    in.ReadU8(s.LessonPlanDay);
    for (TColor& color : s.TimeTableColors) in.ReadU32(color);
    in.ReadInto(s.Reserved);
    in.ReadU8(s.TimeTableFormRange);
    in.ReadU8(s.MainTimeTableRange);
    // The reader's failure is sticky, so one check covers every piece.
    return !in.Failed();
}

bool ReadMarks(platform::ByteReader& in, TMarksList& marks, TDocumentAllowance& allowance) {
    std::uint32_t count = 0;
    if (!in.ReadU32(count) || count > in.Remaining() || !allowance.TakeMarks(count)) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint8_t code = 0;
        in.ReadU8(code);
        if (code > kHighestMarkCode) return false;
        marks.AddMark(code);
    }
    return true;
}

bool ReadSubject(platform::ByteReader& in, TSubject& s, TDocumentAllowance& allowance) {
    if (allowance.ReadString(in, s.Name) != 0 || allowance.ReadString(in, s.Comment) != 0 ||
        allowance.ReadString(in, s.Teacher) != 0 || !in.ReadU8(s.InAverage) ||
        !in.ReadI32(s.FinalMark))
        return false;
    const bool finalMarkValid =
        (s.FinalMark >= 0 && s.FinalMark <= kHighestMarkCode) || s.FinalMark == kNoFinalMark;
    return finalMarkValid && ReadMarks(in, s.Marks, allowance);
}

bool ReadSubjects(platform::ByteReader& in, TSubjectsList& subjects,
                  TDocumentAllowance& allowance) {
    subjects.Clear();
    std::uint32_t count = 0;
    if (!in.ReadU32(count) || count > in.Remaining() / kSmallestSubject ||
        !allowance.TakeSubjects(count))
        return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        auto* subject = new TSubject;
        if (!ReadSubject(in, *subject, allowance)) {
            delete subject;
            return false;
        }
        subjects.Add(subject);
    }
    return true;
}

bool ReadLessonPlan(platform::ByteReader& in, TLessonPlan& plan, TDocumentAllowance& allowance) {
    std::uint32_t count = 0;
    if (!in.ReadU32(count) || count > kLessonPlanDays) return false;
    for (std::uint32_t i = 0; i < count; ++i)
        if (allowance.ReadString(in, plan.Days[i]) != 0) return false;
    return true;
}

// Counts what a writer gives it and keeps nothing.
class CountingSink final : public platform::ByteSink {
  public:
    bool Write(const std::uint8_t*, std::size_t size) override {
        count += size;
        return true;
    }
    std::uint64_t count = 0;
};

bool TooLong(const std::string& text) {
    // The code page never takes more bytes than UTF-8: most texts need no counting.
    return text.size() > kLongestText && platform::Cp1250Length(text) > kLongestText;
}

constexpr char kTooLongText[] = "Tekst dłuższy niż 65536 znaków: ";

std::string DiaryExcess(TClCalendar& calendar) {
    std::uint64_t records = static_cast<std::uint64_t>(calendar.Count()) +
                            static_cast<std::uint64_t>(calendar.CategoriesCount());
    bool tooLong = false;
    for (std::int32_t y = 0; y < calendar.Count(); ++y) {
        TClYear& year = *calendar.GetChild(y);
        records += static_cast<std::uint64_t>(year.Count());
        for (std::int32_t m = 0; m < year.Count(); ++m) {
            TClMonth& month = *year.GetChild(m);
            records += static_cast<std::uint64_t>(month.Count());
            for (std::int32_t d = 0; d < month.Count(); ++d) {
                TClDay& day = *month.GetChild(d);
                records += static_cast<std::uint64_t>(day.Count());
                for (std::int32_t e = 0; e < day.Count(); ++e) {
                    const TClEvent& event = *day.GetEvent(e);
                    tooLong = tooLong || TooLong(event.Subject) || TooLong(event.Description) ||
                              TooLong(event.Category);
                }
            }
        }
    }
    for (std::int32_t c = 0; c < calendar.CategoriesCount(); ++c)
        tooLong = tooLong || TooLong(calendar.Categories.Get(c)->Name);
    if (records > kMostDiaryRecords)
        return "Terminarz ma więcej niż 2000000 wpisów (lat, miesięcy, dni, wydarzeń i kategorii).";
    return tooLong ? std::string(kTooLongText) + "terminarz." : std::string();
}

}  // namespace

std::string RecordsExcess(TDataFile& document) {
    const TStudent& s = document.Student;
    for (const std::string* text :
         {&s.Name, &s.Surname, &s.Comment, &s.SchoolType, &s.SchoolName, &s.Term})
        if (TooLong(*text)) return std::string(kTooLongText) + "dane ucznia.";
    if (static_cast<std::uint32_t>(document.Subjects.Count) > kMostSubjects)
        return "Dokument ma więcej niż 1000 przedmiotów.";
    std::uint64_t marks = 0;
    for (std::int32_t i = 0; i < document.Subjects.Count; ++i) {
        const TSubject& subject = *document.Subjects.Get(i);
        if (TooLong(subject.Name) || TooLong(subject.Comment) || TooLong(subject.Teacher))
            return std::string(kTooLongText) + "przedmiot " + std::to_string(i + 1) + ".";
        marks += static_cast<std::uint64_t>(subject.Marks.Count);
    }
    if (marks > kMostMarks) return "Dokument ma więcej niż 1000000 ocen.";
    for (const std::string& day : document.LessonPlan.Days)
        if (TooLong(day)) return std::string(kTooLongText) + "plan lekcji.";
    return DiaryExcess(document.Calendar);
}

std::string DocumentExcess(TDataFile& document) {
    std::string excess = RecordsExcess(document);
    if (!excess.empty()) return excess;
    CountingSink counted;
    platform::ByteWriter out(counted);
    WriteDocument(out, document, MakeDocumentHeader(document));
    if (counted.count > platform::kLargestReadableFile) return "Plik byłby większy niż 64 MiB.";
    return {};
}

TDocumentHeader MakeDocumentHeader(TDataFile& document) {
    TDocumentHeader header = document.Header;
    const std::uint32_t s1 = PupilTextsSize(document.Student) + kPupilSizeExtra;
    const std::uint32_t s3 = SubjectsBlockSize(document.Subjects);
    const std::uint32_t o1 = kHeaderSize;
    const std::uint32_t o2 = o1 + s1;
    const std::uint32_t o3 = o2 + kSettingsSize;
    const std::uint32_t o4 = o3 + s3;
    header[0] = 'D';
    header[1] = 'F';
    header[2] = '0';
    header[3] = '3';
    PutU32(header, 4, kHeaderSize + s1 + kSettingsSize + s3 + kLessonPlanSize);
    PutU32(header, 8, kHeaderSize);
    PutU32(header, 12, s1);
    PutU32(header, 16, o1);
    PutU32(header, 20, kSettingsSize);
    PutU32(header, 24, o2);
    PutU32(header, 28, s3);
    PutU32(header, 32, o3);
    PutU32(header, 36, kLessonPlanSize);
    PutU32(header, 40, o4);
    return header;
}

void WriteDocument(platform::ByteWriter& out, TDataFile& document, const TDocumentHeader& header) {
    out.WriteBytes(header.data(), header.size());
    WritePupil(out, document.Student);
    WriteSettings(out, document.Settings);
    WriteSubjects(out, document.Subjects);
    WriteLessonPlan(out, document.LessonPlan);
    document.Calendar.SaveToStream(out, document.VerificationStrings);
}

std::int32_t ReadDocument(platform::ByteReader& in, TDataFile& document) {
    TDocumentHeader header{};
    TDocumentSettings settings;
    TDocumentAllowance allowance;
    if (!in.ReadInto(header) || !ReadPupil(in, document.Student, allowance) ||
        !ReadSettings(in, settings) || !ReadSubjects(in, document.Subjects, allowance) ||
        !ReadLessonPlan(in, document.LessonPlan, allowance))
        return -1;
    const std::int32_t diary =
        document.Calendar.LoadFromStream(in, document.VerificationStrings, allowance);
    // A diary larger than the program handles is no damage to work around: the file is
    // refused as a whole.
    if (allowance.Exceeded()) return -1;
    document.Header = header;
    document.Settings = settings;
    // A damaged diary keeps what it read; the document does not depend on it.
    return diary == 0 ? 0 : 1;
}
