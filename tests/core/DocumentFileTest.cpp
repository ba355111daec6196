// The ".ocn" file: its byte layout, the sample documents and every way a load can fail.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/DocumentFile.h"
#include "tests/core/ByteBuilder.h"
#include "tests/support/Environment.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

using testing_support::ByteBuilder;
using testing_support::ReadBytes;
using testing_support::SamplePath;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32At(const Bytes& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

void PutU32At(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

Bytes Write(TDataFile& document) {
    platform::VectorSink sink;
    platform::ByteWriter out(sink);
    WriteDocument(out, document, MakeDocumentHeader(document));
    return sink.bytes;
}

Bytes CalendarBlock(TDataFile& document) {
    platform::VectorSink sink;
    platform::ByteWriter out(sink);
    document.Calendar.SaveToStream(out, document.VerificationStrings);
    return sink.bytes;
}

void MakeNew(TDataFile& document) {
    testing_support::ScriptedFileDialogs noDialogs;
    platform::FileDialog unused(platform::FileDialogKind::Save, "", ".ocn");
    ASSERT_EQ(0, document.New(unused));
}

void AddSubjectAbc(TDataFile& document) {
    auto* subject = new TSubject;
    subject->Name = "abc";
    subject->Teacher = "xy";
    subject->InAverage = 1;
    subject->FinalMark = kNoFinalMark;
    subject->Marks.Add(new char(12));
    subject->Marks.Add(new char(9));
    document.Subjects.Add(subject);
}

bool IsClearedAndUnbound(TDataFile& document) {
    return document.FileName.empty() && !document.Named && !document.Modified &&
           document.Subjects.Count == 0 && document.Calendar.Count() == 0 &&
           document.Calendar.CategoriesCount() == 0 && document.Student.Name.empty() &&
           document.LessonPlan.Days[0].empty();
}

class DocumentFileTest : public ::testing::Test {
  protected:
    // The sample documents' new-document dates were made on this day.
    testing_support::FixedToday today_{2005, 10, 1};
    testing_support::TempDir dir_;

    // Loads `bytes` through a file, as the program does.
    std::int32_t LoadBytes(TDataFile& document, const Bytes& bytes) {
        const std::string path = dir_.File("in.ocn");
        WriteBytes(path, bytes);
        return document.LoadFromFile(path);
    }
};

// --- Layout ---

TEST_F(DocumentFileTest, NewDocumentIsTheSampleByteForByte) {
    TDataFile document;
    MakeNew(document);
    EXPECT_EQ(ReadBytes(SamplePath("edge_new_document.ocn")), Write(document));
}

TEST_F(DocumentFileTest, NewDocumentHeaderAndBlockOffsets) {
    TDataFile document;
    MakeNew(document);
    const Bytes bytes = Write(document);
    ASSERT_EQ(515u, bytes.size());
    EXPECT_EQ(0, std::memcmp(bytes.data(), "DF03", 4));
    const std::uint32_t fields[] = {845, 92, 542, 92, 207, 634, 4, 841, 0, 845};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        EXPECT_EQ(fields[i], U32At(bytes, 4 + 4 * i)) << "header field at " << 4 + 4 * i;
    for (std::size_t i = 44; i < 92; ++i) EXPECT_EQ(0, bytes[i]) << i;
    // Pupil at 92: six empty texts, the end of the school year 30.06.2006, 2005, class 0, ' '.
    const Bytes pupil(bytes.begin() + 92, bytes.begin() + 130);
    const Bytes expectedPupil = ByteBuilder()
                                    .Raw(Bytes(24, 0))
                                    .F64(document.Student.EndOfSchoolYear)
                                    .I32(2005)
                                    .U8(0)
                                    .U8(' ')
                                    .Bytes();
    EXPECT_EQ(expectedPupil, pupil);
    EXPECT_EQ(ByteBuilder().F64(1.0).Bytes(), Bytes(bytes.begin() + 130, bytes.begin() + 138));
    EXPECT_EQ(0u, U32At(bytes, 408));
    EXPECT_EQ(ByteBuilder().U32(6).Raw(Bytes(24, 0)).Bytes(),
              Bytes(bytes.begin() + 412, bytes.begin() + 440));
    EXPECT_EQ(8u, U32At(bytes, 440));
    EXPECT_EQ(0, std::memcmp(bytes.data() + 444, "CALENDAR", 8));
}

TEST_F(DocumentFileTest, SubjectIsStoredAsInTheExample) {
    TDataFile document;
    MakeNew(document);
    AddSubjectAbc(document);
    const Bytes bytes = Write(document);
    const Bytes expected = {1, 0, 0, 0,   3,   0, 0,   0, 'a', 'b', 'c', 0, 0, 0, 0,  2,
                            0, 0, 0, 'x', 'y', 1, 100, 0, 0,   0,   2,   0, 0, 0, 12, 9};
    EXPECT_EQ(expected, Bytes(bytes.begin() + 408, bytes.begin() + 408 + expected.size()));
    EXPECT_EQ(32u, U32At(bytes, 28));
    EXPECT_EQ(ReadBytes(SamplePath("edge_subject_abc.ocn")), bytes);
}

TEST_F(DocumentFileTest, HeaderSizesCountCodePageBytes) {
    TDataFile document;
    MakeNew(document);
    document.Student.Name = "Łucja";     // 5 code-page bytes
    document.Student.Term = "półrocze";  // 8
    AddSubjectAbc(document);
    document.Subjects.Get(0)->Comment = "żółw";  // 4
    const Bytes bytes = Write(document);
    const std::uint32_t s1 = 24 + 5 + 8 + 518;
    const std::uint32_t s3 = 4 + 7 + 8 + 6 + 9 + 2;
    EXPECT_EQ(92 + s1 + 207 + s3, U32At(bytes, 4));
    EXPECT_EQ(s1, U32At(bytes, 12));
    EXPECT_EQ(92 + s1, U32At(bytes, 24));
    EXPECT_EQ(s3, U32At(bytes, 28));
    EXPECT_EQ(92 + s1 + 207, U32At(bytes, 32));
    EXPECT_EQ(92 + s1 + 207 + s3, U32At(bytes, 40));
    // The lesson plan follows the subjects; the header counts none of it.
    const std::size_t lessonPlan = 92 + (s1 - 518 + 14) + 278 + s3;
    EXPECT_EQ(6u, U32At(bytes, lessonPlan));
}

TEST_F(DocumentFileTest, SettingsBlockHoldsTheImageAndTheLaterCopies) {
    TDataFile document;
    TDocumentSettings& s = document.Settings;
    for (int i = 0; i < kMarkKinds; ++i) s.MarksValues[i] = i + 0.25;
    s.AlarmThreshold = 2.5;
    s.LessonPlanDay = 2;
    s.TimeTableFormRange = 1;
    s.MainTimeTableRange = 3;
    s.Fill = 0xAB;
    for (int i = 0; i < kTimeTableColors; ++i) s.TimeTableColors[i] = 0x010203u * (i + 1);
    for (int i = 0; i < 12; ++i) s.Reserved[i] = static_cast<std::uint8_t>(0xE0 + i);

    ByteBuilder expected;
    for (const double v : s.MarksValues) expected.F64(v);
    expected.F64(2.5).U8(2).U8(1).U8(3).U8(0xAB);
    for (const TColor c : s.TimeTableColors) expected.U32(c);
    expected.Raw(Bytes(s.Reserved.begin(), s.Reserved.begin() + 11));
    expected.F64(2.5).U8(2);
    for (const TColor c : s.TimeTableColors) expected.U32(c);
    expected.Raw(Bytes(s.Reserved.begin(), s.Reserved.end())).U8(1).U8(3);
    ASSERT_EQ(278u, expected.Bytes().size());

    const Bytes bytes = Write(document);
    EXPECT_EQ(expected.Bytes(), Bytes(bytes.begin() + 130, bytes.begin() + 130 + 278));

    TDataFile loaded;
    ASSERT_EQ(0, LoadBytes(loaded, bytes));
    EXPECT_EQ(s.MarksValues, loaded.Settings.MarksValues);
    EXPECT_EQ(s.TimeTableColors, loaded.Settings.TimeTableColors);
    EXPECT_EQ(s.Reserved, loaded.Settings.Reserved);
    EXPECT_EQ(0xAB, loaded.Settings.Fill);
    EXPECT_EQ(3, loaded.Settings.MainTimeTableRange);
}

TEST_F(DocumentFileTest, LastCopyOfEachSettingWins) {
    const Bytes original = ReadBytes(SamplePath("edge_settings_copies_differ.ocn"));
    TDataFile document;
    ASSERT_EQ(0, document.LoadFromFile(SamplePath("edge_settings_copies_differ.ocn")));
    Bytes lastCopies(original.begin() + 130 + 207, original.begin() + 130 + 278);
    double threshold = 0;
    std::memcpy(&threshold, lastCopies.data(), 8);
    EXPECT_EQ(threshold, document.Settings.AlarmThreshold);
    EXPECT_EQ(lastCopies[8], document.Settings.LessonPlanDay);
    EXPECT_EQ(U32At(lastCopies, 9), document.Settings.TimeTableColors[0]);
    EXPECT_EQ(lastCopies[69], document.Settings.TimeTableFormRange);
    EXPECT_EQ(lastCopies[70], document.Settings.MainTimeTableRange);
    EXPECT_EQ(original[130 + 147], document.Settings.Fill);
    EXPECT_EQ(ReadBytes(SamplePath("edge_settings_copies_differ.resaved.ocn")), Write(document));
}

TEST_F(DocumentFileTest, ReservedHeaderBytesAreWrittenBack) {
    Bytes bytes = ReadBytes(SamplePath("rich_01.ocn"));
    for (std::size_t i = 44; i < 92; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    // Header fields are not checked on reading: a wrong magic and total load all the same.
    bytes[3] = '9';
    PutU32At(bytes, 4, 1);
    TDataFile document;
    ASSERT_EQ(0, LoadBytes(document, bytes));
    const Bytes written = Write(document);
    EXPECT_EQ(Bytes(bytes.begin() + 44, bytes.end()), Bytes(written.begin() + 44, written.end()));
    EXPECT_EQ('3', written[3]);
}

// --- The sample documents ---

class ValidSample : public DocumentFileTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ValidSample, LoadsAndSavesBackByteForByte) {
    const std::string source = SamplePath(GetParam());
    TDataFile document;
    ASSERT_EQ(0, document.LoadFromFile(source));
    EXPECT_TRUE(document.Named);
    EXPECT_FALSE(document.Modified);
    EXPECT_EQ(source, document.FileName);
    const std::string copy = dir_.File("copy.ocn");
    ASSERT_EQ(0, document.SaveToFile(copy));
    EXPECT_EQ(ReadBytes(source), ReadBytes(copy));
}

INSTANTIATE_TEST_SUITE_P(Samples, ValidSample,
                         ::testing::Values("edge_new_document.ocn", "edge_subject_abc.ocn",
                                           "edge_years_2005_2003_2004.ocn", "rich_00.ocn",
                                           "rich_01.ocn",
                                           "edge_settings_copies_differ.resaved.ocn"));

class DamagedSample : public DocumentFileTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DamagedSample, IsRefusedAndLeavesTheDocumentCleared) {
    TDataFile document;
    MakeNew(document);
    AddSubjectAbc(document);
    EXPECT_EQ(-1, document.LoadFromFile(SamplePath(GetParam())));
    EXPECT_TRUE(IsClearedAndUnbound(document));
}

INSTANTIATE_TEST_SUITE_P(Samples, DamagedSample,
                         ::testing::Values("damaged_trunc_subjects_421.ocn",
                                           "damaged_subject_count_7fffffff.ocn",
                                           "damaged_empty_file.ocn"));

TEST_F(DocumentFileTest, YearsSampleIsStoredSortedWithItsBounds) {
    TDataFile document;
    ASSERT_EQ(0, document.LoadFromFile(SamplePath("edge_years_2005_2003_2004.ocn")));
    ASSERT_EQ(3, document.Calendar.Count());
    EXPECT_EQ(2003, document.Calendar.GetChild(0)->GetValue());
    EXPECT_EQ(2005, document.Calendar.GetChild(2)->GetValue());
    EXPECT_EQ(2003, document.Calendar.MinValue);
    EXPECT_EQ(2005, document.Calendar.MaxValue);

    // Built by hand in the order 2005, 2003, 2004, the same diary saves the same bytes.
    TDataFile built;
    MakeNew(built);
    for (const int year : {2005, 2003, 2004}) {
        std::int32_t index = 0;
        TClMonth* month = document.Calendar.Find(year, &index)->GetChild(0);
        TClDay* day = month->GetChild(0);
        for (std::int32_t i = 0; i < day->Count(); ++i)
            built.Calendar.AddEvent(day->GetDay(), month->GetValue(), year,
                                    new TClEvent(*day->GetEvent(i)));
    }
    EXPECT_EQ(CalendarBlock(document), CalendarBlock(built));
}

TEST_F(DocumentFileTest, DamagedYearTagKeepsTheFirstYearAndTheRestOfTheDocument) {
    TDataFile document;
    ASSERT_EQ(0, document.LoadFromFile(SamplePath("damaged_tag_YEAX.ocn")));
    EXPECT_TRUE(document.Named);
    ASSERT_EQ(1, document.Calendar.Count());
    EXPECT_EQ(2004, document.Calendar.GetChild(0)->GetValue());
    EXPECT_EQ(0, document.Calendar.CategoriesCount());
    EXPECT_GT(document.Subjects.Count, 0);
    EXPECT_EQ(0, std::memcmp(document.Header.data(), "DF03", 4));
}

// --- Damage the loader refuses ---

class DocumentDamage : public DocumentFileTest {
  protected:
    // A document with one subject (marks 12, 9) and a diary; offsets of its pieces.
    void SetUp() override {
        MakeNew(source_);
        AddSubjectAbc(source_);
        source_.Calendar.AddEvent(1, 9, 2005, new TClEvent{"a", "b", 0, 0, "Sprawdzian"});
        bytes_ = Write(source_);
        subjects_ = 408;
        finalMark_ = subjects_ + 4 + 7 + 4 + 6 + 1;
        marks_ = finalMark_ + 4;
        lessonPlan_ = marks_ + 4 + 2;
    }

    // Refused whole: cleared, unbound, Header and Settings as before the load.
    void ExpectRefused(const Bytes& bytes) {
        TDataFile document;
        document.Settings.AlarmThreshold = 9.5;
        document.Header[50] = 0x77;
        EXPECT_EQ(-1, LoadBytes(document, bytes));
        EXPECT_TRUE(IsClearedAndUnbound(document));
        EXPECT_EQ(9.5, document.Settings.AlarmThreshold);
        EXPECT_EQ(0x77, document.Header[50]);
        EXPECT_EQ(0, document.Header[0]);
    }

    TDataFile source_;
    Bytes bytes_;
    std::size_t subjects_ = 0, finalMark_ = 0, marks_ = 0, lessonPlan_ = 0;
};

TEST_F(DocumentDamage, OffsetsOfThePiecesAreRight) {
    EXPECT_EQ(100u, U32At(bytes_, finalMark_));
    EXPECT_EQ(2u, U32At(bytes_, marks_));
    EXPECT_EQ(6u, U32At(bytes_, lessonPlan_));
    TDataFile document;
    EXPECT_EQ(0, LoadBytes(document, bytes_));
}

TEST_F(DocumentDamage, MarkCodeAbove16) {
    Bytes bytes = bytes_;
    bytes[marks_ + 5] = 16;
    TDataFile document;
    EXPECT_EQ(0, LoadBytes(document, bytes));
    bytes[marks_ + 5] = 17;
    ExpectRefused(bytes);
}

TEST_F(DocumentDamage, FinalMarkOutside0To16And100) {
    for (const std::uint32_t good : {0u, 16u, 100u}) {
        Bytes bytes = bytes_;
        PutU32At(bytes, finalMark_, good);
        TDataFile document;
        EXPECT_EQ(0, LoadBytes(document, bytes)) << good;
        EXPECT_EQ(static_cast<std::int32_t>(good), document.Subjects.Get(0)->FinalMark);
    }
    for (const std::uint32_t bad : {17u, 99u, 101u, 0xFFFFFFFFu}) {
        Bytes bytes = bytes_;
        PutU32At(bytes, finalMark_, bad);
        ExpectRefused(bytes);
    }
}

TEST_F(DocumentDamage, MoreThanSixLessonPlanTexts) {
    Bytes bytes = bytes_;
    PutU32At(bytes, lessonPlan_, 7);
    ExpectRefused(bytes);
}

TEST_F(DocumentDamage, FewerLessonPlanTextsLeaveTheRestEmpty) {
    const Bytes head(bytes_.begin(), bytes_.begin() + lessonPlan_);
    const Bytes bytes =
        ByteBuilder().Raw(head).U32(2).Str("Pon").Str("Wt").Raw(CalendarBlock(source_)).Bytes();
    TDataFile document;
    ASSERT_EQ(0, LoadBytes(document, bytes));
    EXPECT_EQ("Pon", document.LessonPlan.Days[0]);
    EXPECT_EQ("Wt", document.LessonPlan.Days[1]);
    EXPECT_EQ("", document.LessonPlan.Days[2]);
    EXPECT_EQ(1, document.Calendar.Count());
}

TEST_F(DocumentDamage, CountsAndLengthsBeyondTheData) {
    for (const std::size_t offset : {std::size_t{92}, subjects_ + 4, lessonPlan_ + 4}) {
        Bytes bytes = bytes_;
        PutU32At(bytes, offset, 0xFFFFFFF0u);  // a string length
        ExpectRefused(bytes);
    }
    Bytes marks = bytes_;
    PutU32At(marks, marks_, 0x7FFFFFFF);
    ExpectRefused(marks);
    Bytes subjects = bytes_;
    PutU32At(subjects, subjects_, 0xFFFFFFFF);
    ExpectRefused(subjects);
}

TEST_F(DocumentDamage, EveryTruncationBeforeTheDiaryIsRefused) {
    const std::size_t diary = bytes_.size() - CalendarBlock(source_).size();
    ASSERT_EQ(lessonPlan_ + 28, diary);
    for (std::size_t length = 0; length < diary; ++length)
        ExpectRefused(Bytes(bytes_.begin(), bytes_.begin() + length));
}

TEST_F(DocumentDamage, TruncationInsideTheDiaryKeepsTheRest) {
    const std::size_t diary = bytes_.size() - CalendarBlock(source_).size();
    // The one year is kept once its record is complete, before the categories.
    TDataFile noYears;
    MakeNew(noYears);
    const std::size_t yearEnd = bytes_.size() - (CalendarBlock(noYears).size() - 28);
    for (std::size_t length = diary; length < bytes_.size(); ++length) {
        TDataFile document;
        ASSERT_EQ(0, LoadBytes(document, Bytes(bytes_.begin(), bytes_.begin() + length)));
        EXPECT_EQ(1, document.Subjects.Count);
        EXPECT_EQ(length < yearEnd ? 0 : 1, document.Calendar.Count()) << length;
        EXPECT_EQ(0, std::memcmp(document.Header.data(), "DF03", 4));
    }
}

TEST_F(DocumentDamage, TruncationsOfARichSampleStayInBounds) {
    // In memory, for speed. Every prefix before the diary; inside it every seventh, since the
    // diary's own truncations are covered record by record with the calendar.
    const Bytes bytes = ReadBytes(SamplePath("rich_00.ocn"));
    TDataFile full;
    platform::ByteReader whole(bytes);
    ASSERT_EQ(0, ReadDocument(whole, full));
    const std::size_t diary = bytes.size() - CalendarBlock(full).size();
    for (std::size_t length = 0; length < bytes.size(); length += length < diary ? 1 : 7) {
        TDataFile document;
        platform::ByteReader in(std::span<const std::uint8_t>(bytes).first(length));
        EXPECT_EQ(length < diary ? -1 : 0, ReadDocument(in, document)) << length;
        EXPECT_LE(in.Position(), length);
    }
}

}  // namespace
