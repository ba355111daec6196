// The ".ocn" file: its byte layout, the sample documents and every way a load can fail.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/DocumentFile.h"
#include "core/DocumentLimits.h"
#include "tests/core/ByteBuilder.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/Environment.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

using testing_support::ByteBuilder;
using testing_support::ReadBytes;
using testing_support::SamplePath;
using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32At(const Bytes& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

void PutU32At(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t size) {
    return Bytes(bytes.begin() + from, bytes.begin() + from + size);
}

Bytes Write(TDataFile& document) {
    platform::VectorSink sink;
    platform::ByteWriter out(sink);
    WriteDocument(out, document, MakeDocumentHeader(document));
    return sink.bytes;
}

std::size_t DiarySize(TDataFile& document) {
    platform::VectorSink sink;
    platform::ByteWriter out(sink);
    document.Calendar.SaveToStream(out, document.VerificationStrings);
    return sink.bytes.size();
}

using testing_support::MakeNew;

void AddSubjectAbc(TDataFile& document) {
    testing_support::AddSubject(document, "abc", {12, 9}, 1, kNoFinalMark, "xy");
}

class DocumentFileTest : public ::testing::Test {
  protected:
    // The sample documents' new-document dates were made on this day.
    testing_support::FixedToday today_{2005, 10, 1};
    testing_support::TempDir dir_;

    // Each from a file of its own name: a damaged diary's load keeps a copy beside its file.
    std::int32_t LoadBytes(TDataFile& document, const Bytes& bytes) {
        const std::string path = dir_.File("in" + std::to_string(loads_++) + ".ocn");
        testing_support::WriteBytes(path, bytes);
        return document.LoadFromFile(path);
    }

    int loads_ = 0;
};

// --- Layout ---

TEST_F(DocumentFileTest, NewDocumentLayout) {
    TDataFile document;
    MakeNew(document);
    const Bytes bytes = Write(document);
    EXPECT_EQ(ReadBytes(SamplePath("edge_new_document.ocn")), bytes);
    ASSERT_EQ(515u, bytes.size());
    EXPECT_EQ(0, std::memcmp(bytes.data(), "DF03", 4));
    const std::uint32_t fields[] = {845, 92, 542, 92, 207, 634, 4, 841, 0, 845};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        EXPECT_EQ(fields[i], U32At(bytes, 4 + 4 * i)) << "header field at " << 4 + 4 * i;
    EXPECT_EQ(Bytes(48, 0), Slice(bytes, 44, 48));
    const Bytes pupil = ByteBuilder()
                            .Raw(Bytes(24, 0))
                            .F64(document.Student.EndOfSchoolYear)
                            .I32(2005)
                            .U8(0)
                            .U8(' ')
                            .Bytes();
    EXPECT_EQ(pupil, Slice(bytes, 92, 38));
    EXPECT_EQ(ByteBuilder().F64(1.0).Bytes(), Slice(bytes, 130, 8));
    EXPECT_EQ(Bytes(4, 0), Slice(bytes, 408, 4));
    EXPECT_EQ(ByteBuilder().U32(6).Raw(Bytes(24, 0)).Bytes(), Slice(bytes, 412, 28));
    EXPECT_EQ(ByteBuilder().Str("CALENDAR").Bytes(), Slice(bytes, 440, 12));
}

TEST_F(DocumentFileTest, SubjectIsStoredAsInTheExample) {
    TDataFile document;
    MakeNew(document);
    AddSubjectAbc(document);
    const Bytes bytes = Write(document);
    const Bytes subject = {3, 0,   0,   0, 'a', 'b', 'c', 0, 0, 0, 0, 2, 0,  0,
                           0, 'x', 'y', 1, 100, 0,   0,   0, 2, 0, 0, 0, 12, 9};
    EXPECT_EQ(1u, U32At(bytes, 408));
    EXPECT_EQ(subject, Slice(bytes, 412, subject.size()));
    EXPECT_EQ(ReadBytes(SamplePath("edge_subject_abc.ocn")), bytes);
}

TEST_F(DocumentFileTest, SettingsBlockIsTheImageThenTheLaterFieldsAgain) {
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
    expected.Raw(Bytes(s.Reserved.begin(), s.Reserved.begin() + 11)).F64(2.5).U8(2);
    for (const TColor c : s.TimeTableColors) expected.U32(c);
    expected.Raw(Bytes(s.Reserved.begin(), s.Reserved.end())).U8(1).U8(3);
    const Bytes bytes = Write(document);
    EXPECT_EQ(expected.Bytes(), Slice(bytes, 130, 278));

    TDataFile loaded;
    ASSERT_EQ(0, LoadBytes(loaded, bytes));
    EXPECT_EQ(Write(document), Write(loaded));
}

TEST_F(DocumentFileTest, LastCopyOfEachSettingWins) {
    const Bytes original = ReadBytes(SamplePath("edge_settings_copies_differ.ocn"));
    TDataFile document;
    ASSERT_EQ(0, document.LoadFromFile(SamplePath("edge_settings_copies_differ.ocn")));
    const Bytes last = Slice(original, 130 + 207, 71);
    double threshold = 0;
    std::memcpy(&threshold, last.data(), 8);
    const TDocumentSettings& s = document.Settings;
    EXPECT_EQ(threshold, s.AlarmThreshold);
    EXPECT_EQ(last[8], s.LessonPlanDay);
    EXPECT_EQ(U32At(last, 9), s.TimeTableColors[0]);
    EXPECT_EQ(last[69], s.TimeTableFormRange);
    EXPECT_EQ(last[70], s.MainTimeTableRange);
    EXPECT_EQ(original[130 + 147], s.Fill);
    EXPECT_EQ(ReadBytes(SamplePath("edge_settings_copies_differ.resaved.ocn")), Write(document));
}

TEST_F(DocumentFileTest, HeaderIsNotCheckedAndItsReservedBytesAreWrittenBack) {
    Bytes bytes = ReadBytes(SamplePath("rich_01.ocn"));
    for (std::size_t i = 44; i < 92; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    bytes[3] = '9';
    PutU32At(bytes, 4, 1);
    TDataFile document;
    ASSERT_EQ(0, LoadBytes(document, bytes));
    const Bytes written = Write(document);
    EXPECT_EQ(Bytes(bytes.begin() + 44, bytes.end()), Bytes(written.begin() + 44, written.end()));
    EXPECT_EQ('3', written[3]);
    EXPECT_EQ(U32At(ReadBytes(SamplePath("rich_01.ocn")), 4), U32At(written, 4));
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

TEST_P(DamagedSample, IsRefusedAndLeavesTheDocumentClearedAndUnbound) {
    TDataFile document;
    MakeNew(document);
    AddSubjectAbc(document);
    document.Modified = true;
    EXPECT_EQ(-1, document.LoadFromFile(SamplePath(GetParam())));
    EXPECT_FALSE(document.Named);
    EXPECT_FALSE(document.Modified);
    EXPECT_TRUE(document.FileName.empty());
    EXPECT_EQ(0, document.Subjects.Count);
    EXPECT_EQ(0, document.Calendar.CategoriesCount());
}

INSTANTIATE_TEST_SUITE_P(Samples, DamagedSample,
                         ::testing::Values("damaged_trunc_subjects_421.ocn",
                                           "damaged_subject_count_7fffffff.ocn",
                                           "damaged_empty_file.ocn"));

TEST_F(DocumentFileTest, YearsAddedOutOfOrderAreStoredAsTheSampleHoldsThem) {
    TDataFile sample;
    ASSERT_EQ(0, sample.LoadFromFile(SamplePath("edge_years_2005_2003_2004.ocn")));
    TDataFile built;
    MakeNew(built);
    for (const int year : {2005, 2003, 2004}) {
        std::int32_t index = 0;
        TClMonth* month = sample.Calendar.Find(year, &index)->GetChild(0);
        TClDay* day = month->GetChild(0);
        built.Calendar.AddEvent(day->GetDay(), month->GetValue(), year,
                                new TClEvent(*day->GetEvent(0)));
    }
    const Bytes bytes = ReadBytes(SamplePath("edge_years_2005_2003_2004.ocn"));
    EXPECT_EQ(bytes, Write(built));
}

TEST_F(DocumentFileTest, DamagedYearTagKeepsTheFirstYearAndTheRestOfTheDocument) {
    TDataFile document;
    ASSERT_EQ(0, LoadBytes(document, ReadBytes(SamplePath("damaged_tag_YEAX.ocn"))));
    EXPECT_TRUE(document.Named);
    EXPECT_TRUE(document.DiaryDamaged);
    ASSERT_EQ(1, document.Calendar.Count());
    EXPECT_EQ(2004, document.Calendar.GetChild(0)->GetValue());
    EXPECT_EQ(0, document.Calendar.CategoriesCount());
    EXPECT_GT(document.Subjects.Count, 0);
}

// --- Damage the loader refuses ---

class DocumentDamage : public DocumentFileTest {
  protected:
    // A new document with the subject abc (final mark 100, marks 12 and 9) and one event.
    void SetUp() override {
        MakeNew(source_);
        AddSubjectAbc(source_);
        source_.Calendar.AddEvent(1, 9, 2005, new TClEvent{"a", "b", 0, 0, "Sprawdzian"});
        bytes_ = Write(source_);
        ASSERT_EQ(100u, U32At(bytes_, kFinalMark));
        ASSERT_EQ(6u, U32At(bytes_, kLessonPlan));
    }

    // Refused whole: cleared and unbound, Header and Settings as before the load.
    void ExpectRefused(const Bytes& bytes, const std::string& what) {
        TDataFile document;
        AddSubjectAbc(document);
        document.Settings.AlarmThreshold = 9.5;
        document.Header[50] = 0x77;
        EXPECT_EQ(-1, LoadBytes(document, bytes)) << what;
        EXPECT_FALSE(document.Named);
        EXPECT_EQ(0, document.Subjects.Count) << what;
        EXPECT_EQ(0, document.Calendar.Count()) << what;
        EXPECT_TRUE(document.Student.Name.empty() && document.LessonPlan.Days[0].empty());
        EXPECT_EQ(9.5, document.Settings.AlarmThreshold) << what;
        EXPECT_EQ(0x77, document.Header[50]);
        EXPECT_EQ(0, document.Header[0]) << what;
    }

    Bytes Patched(std::size_t offset, std::uint32_t value) {
        Bytes bytes = bytes_;
        PutU32At(bytes, offset, value);
        return bytes;
    }

    static constexpr std::size_t kSubjects = 408, kFinalMark = kSubjects + 4 + 7 + 4 + 6 + 1,
                                 kMarks = kFinalMark + 4, kLessonPlan = kMarks + 4 + 2;
    TDataFile source_;
    Bytes bytes_;
};

TEST_F(DocumentDamage, ValuesTheModelCannotHoldAreRefused) {
    Bytes code = bytes_;
    code[kMarks + 5] = 16;
    TDataFile document;
    EXPECT_EQ(0, LoadBytes(document, code));
    code[kMarks + 5] = 17;
    ExpectRefused(code, "mark code 17");
    for (const std::uint32_t good : {0u, 16u}) {
        TDataFile loaded;
        EXPECT_EQ(0, LoadBytes(loaded, Patched(kFinalMark, good)));
    }
    for (const std::uint32_t bad : {17u, 99u, 101u, 0xFFFFFFFFu})
        ExpectRefused(Patched(kFinalMark, bad), "final mark " + std::to_string(bad));
    ExpectRefused(Patched(kLessonPlan, 7), "seven lesson-plan texts");
}

TEST_F(DocumentDamage, CountsAndLengthsBeyondTheDataAreRefused) {
    ExpectRefused(Patched(92, 0xFFFFFFF0u), "pupil text length");
    ExpectRefused(Patched(kSubjects, 0xFFFFFFFFu), "subject count");
    ExpectRefused(Patched(kSubjects + 4, 0xFFFFFFF0u), "subject text length");
    ExpectRefused(Patched(kMarks, 0x7FFFFFFFu), "mark count");
    ExpectRefused(Patched(kLessonPlan + 4, 0xFFFFFFF0u), "lesson-plan text length");
}

TEST_F(DocumentDamage, FewerLessonPlanTextsLeaveTheRestEmpty) {
    const Bytes bytes = ByteBuilder()
                            .Raw(Slice(bytes_, 0, kLessonPlan))
                            .U32(2)
                            .Str("Pon")
                            .Str("Wt")
                            .Raw(Bytes(bytes_.end() - DiarySize(source_), bytes_.end()))
                            .Bytes();
    TDataFile document;
    ASSERT_EQ(0, LoadBytes(document, bytes));
    EXPECT_EQ("Wt", document.LessonPlan.Days[1]);
    EXPECT_EQ("", document.LessonPlan.Days[2]);
    EXPECT_EQ(1, document.Calendar.Count());
}

TEST_F(DocumentDamage, EveryTruncationBeforeTheDiaryIsRefusedAndInsideItKeepsTheRest) {
    const std::size_t diary = bytes_.size() - DiarySize(source_);
    ASSERT_EQ(kLessonPlan + 28, diary);
    TDataFile noYears;
    MakeNew(noYears);
    const std::size_t yearEnd = bytes_.size() - (DiarySize(noYears) - 28);
    for (std::size_t length = 0; length < bytes_.size(); ++length) {
        const Bytes prefix = Slice(bytes_, 0, length);
        if (length < diary) {
            ExpectRefused(prefix, "truncated at " + std::to_string(length));
            continue;
        }
        TDataFile document;
        ASSERT_EQ(0, LoadBytes(document, prefix)) << length;
        EXPECT_TRUE(document.DiaryDamaged) << length;
        EXPECT_EQ(1, document.Subjects.Count);
        EXPECT_EQ(length < yearEnd ? 0 : 1, document.Calendar.Count()) << length;
    }
    TDataFile whole;
    ASSERT_EQ(0, LoadBytes(whole, bytes_));
    EXPECT_FALSE(whole.DiaryDamaged);
    whole.Clear();
    EXPECT_FALSE(whole.DiaryDamaged);
}

TEST_F(DocumentDamage, TruncationsOfARichSampleStayInBounds) {
    // In memory, for speed. Every prefix before the diary; inside it every seventh, since the
    // diary's own truncations are covered record by record with the calendar.
    const Bytes bytes = ReadBytes(SamplePath("rich_00.ocn"));
    TDataFile full;
    platform::ByteReader whole(bytes);
    ASSERT_EQ(0, ReadDocument(whole, full));
    const std::size_t diary = bytes.size() - DiarySize(full);
    for (std::size_t length = 0; length < bytes.size(); length += length < diary ? 1 : 7) {
        TDataFile document;
        platform::ByteReader in(std::span<const std::uint8_t>(bytes).first(length));
        EXPECT_EQ(length < diary ? -1 : 1, ReadDocument(in, document)) << length;
    }
}

// --- Documents larger than the program handles ---

TEST(DocumentAllowance, TakesUpToEachLimitAndRefusesPastIt) {
    TDocumentAllowance allowance;
    EXPECT_TRUE(allowance.TakeSubjects(kMostSubjects - 1));
    EXPECT_TRUE(allowance.TakeSubjects(1));
    EXPECT_TRUE(allowance.TakeMarks(kMostMarks));
    EXPECT_TRUE(allowance.TakeDiaryRecords(kMostDiaryRecords));
    EXPECT_FALSE(allowance.Exceeded());
    for (auto take : {&TDocumentAllowance::TakeSubjects, &TDocumentAllowance::TakeMarks,
                      &TDocumentAllowance::TakeDiaryRecords}) {
        TDocumentAllowance spent;
        EXPECT_TRUE((spent.*take)(1));
        EXPECT_FALSE((spent.*take)(0xFFFFFFFFu));
        EXPECT_TRUE(spent.Exceeded());
    }
}

class LargeDocument : public DocumentDamage {
  protected:
    // The document up to its diary, then a diary of one day holding `events` empty events.
    Bytes WithDiaryOfEvents(std::uint32_t events) {
        ByteBuilder diary;
        diary.Raw(Slice(bytes_, 0, bytes_.size() - DiarySize(source_)));
        diary.Str("CALENDAR").I32(2005).I32(2005).I32(2005).I32(1);
        diary.Str("YEAR").I32(2005).I32(9).I32(9).I32(1);
        diary.Str("MONTH").I32(9).I32(1).I32(1).I32(1);
        diary.Str("DAY").I32(1).U32(events);
        const Bytes empty = ByteBuilder().Str("").Str("").Str("").I32(0).U8(0).Bytes();
        Bytes all;
        all.reserve(empty.size() * events);
        for (std::uint32_t i = 0; i < events; ++i)
            all.insert(all.end(), empty.begin(), empty.end());
        return diary.Raw(all).I32(0).Bytes();
    }
};

TEST_F(LargeDocument, TextsUpToTheLongestLoadAndALongerOneIsRefusedWherever) {
    const std::string longest(kLongestText, 'x');
    TDataFile written;
    MakeNew(written);
    written.Student.Name = longest;
    written.LessonPlan.Days[5] = longest;
    AddSubjectAbc(written);
    written.Subjects.Get(0)->Comment = longest;
    written.Calendar.AddEvent(1, 9, 2005, new TClEvent{longest, longest, 0, 0, longest});
    const Bytes bytes = Write(written);
    TDataFile loaded;
    ASSERT_EQ(0, LoadBytes(loaded, bytes));
    EXPECT_FALSE(loaded.DiaryDamaged);
    EXPECT_EQ(longest, loaded.Student.Name);
    EXPECT_EQ(bytes, Write(loaded));

    std::string* const texts[] = {
        &written.Student.Name, &written.LessonPlan.Days[5], &written.Subjects.Get(0)->Comment,
        &written.Calendar.GetOrCreateDay(1, 9, 2005)->Events.Get(0)->Category};
    for (std::string* text : texts) {
        *text += 'y';
        // Refused whole, not read as a damaged diary.
        ExpectRefused(Write(written), "a text one character too long");
        text->pop_back();
    }
}

TEST_F(LargeDocument, SubjectsAndMarksUpToTheirLimitsLoadAndOneMoreIsRefused) {
    TDataFile subjects;
    MakeNew(subjects);
    for (std::uint32_t i = 0; i < kMostSubjects; ++i) testing_support::AddSubject(subjects, "s");
    TDataFile loaded;
    ASSERT_EQ(0, LoadBytes(loaded, Write(subjects)));
    EXPECT_EQ(static_cast<std::int32_t>(kMostSubjects), loaded.Subjects.Count);
    testing_support::AddSubject(subjects, "s");
    ExpectRefused(Write(subjects), "one subject too many");

    // The limit is of all subjects' marks together.
    TDataFile marks;
    MakeNew(marks);
    testing_support::AddSubject(marks, "a", std::vector<char>(kMostMarks - 1, 5));
    testing_support::AddSubject(marks, "b", {9});
    const Bytes most = Write(marks);
    TDataFile full;
    ASSERT_EQ(0, LoadBytes(full, most));
    EXPECT_EQ(static_cast<std::int32_t>(kMostMarks) - 1, full.Subjects.Get(0)->Marks.Count);
    EXPECT_EQ(most, Write(full));
    marks.Subjects.Get(1)->Marks.AddMark(9);
    ExpectRefused(Write(marks), "one mark too many");
}

TEST_F(LargeDocument, ADiaryOfMoreRecordsIsRefusedBeforeTheyAreMade) {
    TDataFile document;
    ASSERT_EQ(0, LoadBytes(document, WithDiaryOfEvents(1000)));
    EXPECT_FALSE(document.DiaryDamaged);
    EXPECT_EQ(1000, document.Calendar.GetOrCreateDay(1, 9, 2005)->Count());
    // The year, the month and the day count with their events.
    ExpectRefused(WithDiaryOfEvents(kMostDiaryRecords - 2), "one diary record too many");

    // A count the bytes left cannot hold is damage, read as far as the data goes.
    Bytes damaged = WithDiaryOfEvents(2);
    const std::size_t count = damaged.size() - 4 - 2 * 17 - 4;
    ASSERT_EQ(2u, U32At(damaged, count));
    PutU32At(damaged, count, 0x7FFFFFFF);
    TDataFile partial;
    ASSERT_EQ(0, LoadBytes(partial, damaged));
    EXPECT_TRUE(partial.DiaryDamaged);
    EXPECT_EQ(1, partial.Subjects.Count);
}

}  // namespace
