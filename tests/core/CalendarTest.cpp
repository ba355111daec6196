#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#include "core/Calendar.h"
#include "platform/Cp1250.h"
#include "tests/core/ByteBuilder.h"

namespace {

using testing_support::ByteBuilder;
using Bytes = std::vector<std::uint8_t>;
using Numbers = std::vector<std::int32_t>;

TClEvent* MakeEvent(const std::string& subject, const std::string& category = "") {
    return new TClEvent{subject, "", 0, 0, category};
}

template <typename Unit>
Numbers NumbersOf(Unit& unit) {
    Numbers numbers;
    for (std::int32_t i = 0; i < unit.Count(); ++i) {
        if constexpr (std::is_same_v<Unit, TClMonth>)
            numbers.push_back(unit.GetChild(i)->GetDay());
        else
            numbers.push_back(unit.GetChild(i)->GetValue());
    }
    return numbers;
}

void AddYears(TClCalendar& calendar, std::initializer_list<int> years) {
    for (const int year : years) calendar.AddEvent(1, 1, year, MakeEvent("x"));
}

Bytes Save(TClCalendar& calendar) {
    platform::VectorSink sink;
    platform::ByteWriter out(sink);
    EXPECT_EQ(0, calendar.SaveToStream(out, TClVerificationStrings()));
    return sink.bytes;
}

std::int32_t Load(TClCalendar& calendar, const Bytes& bytes, std::size_t* position = nullptr) {
    platform::ByteReader in(bytes);
    const std::int32_t result = calendar.LoadFromStream(in, TClVerificationStrings());
    if (position != nullptr) *position = in.Position();
    return result;
}

// Years 2003, 2004 (two months) and 2005, and two categories.
void FillSample(TClCalendar& calendar) {
    calendar.AddEvent(10, 11, 2003, MakeEvent("Sprawdzian z ułamków", "Sprawdzian"));
    calendar.AddEvent(1, 1, 2004, MakeEvent("Kartkówka", "Kartkówka"));
    calendar.AddEvent(1, 1, 2004, MakeEvent("Drugi wpis"));
    calendar.AddEvent(20, 2, 2004, MakeEvent("Luty"));
    calendar.AddEvent(5, 3, 2005, MakeEvent("Marzec", "brak takiej"));
    calendar.AddCategory({"Kartkówka", 0xC0C0C0, 0xFF0000});
    calendar.AddCategory({"Sprawdzian", 0xC0C0C0, 0x0000FF});
}

// --- The tree ---

TEST(CalendarTree, FirstEventCreatesEachLevelWithTightBounds) {
    TClCalendar calendar;
    EXPECT_EQ(nullptr, calendar.GetChild(0));
    calendar.AddEvent(5, 3, 2004, MakeEvent("Test"));
    TClYear* year = calendar.GetChild(0);
    TClMonth* month = year->GetChild(0);
    TClDay* day = month->GetChild(0);
    EXPECT_EQ((Numbers{2004, 2004, 3, 3, 5, 5}),
              (Numbers{calendar.MinValue, calendar.MaxValue, year->MinValue, year->MaxValue,
                       month->MinValue, month->MaxValue}));
    EXPECT_EQ((Numbers{2004, 3, 5}), (Numbers{year->GetValue(), month->GetValue(), day->Day}));
    ASSERT_EQ(1, day->Count());
    EXPECT_EQ("Test", day->GetEvent(0)->Subject);
    EXPECT_EQ(nullptr, calendar.GetChild(1));
    EXPECT_EQ(nullptr, calendar.GetChild(-1));
}

TEST(CalendarTree, EveryLevelStaysAscendingAndADayKeepsItsEventsInOrder) {
    TClCalendar calendar;
    AddYears(calendar, {2005, 2003, 2004});
    for (const int month : {7, 2, 12, 5}) calendar.AddEvent(3, month, 2004, MakeEvent("x"));
    for (const int day : {30, 2, 15}) calendar.AddEvent(day, 7, 2004, MakeEvent("x"));
    calendar.AddEvent(15, 7, 2004, MakeEvent("x"));  // an identical event is taken as well
    EXPECT_EQ((Numbers{2003, 2004, 2005}), NumbersOf(calendar));
    TClYear* year = calendar.GetChild(1);
    EXPECT_EQ((Numbers{1, 2, 5, 7, 12}), NumbersOf(*year));
    EXPECT_EQ((Numbers{2, 3, 15, 30}), NumbersOf(*year->GetChild(3)));
    EXPECT_EQ(2, calendar.GetOrCreateDay(15, 7, 2004)->Count());
    EXPECT_EQ(calendar.GetOrCreateDay(2, 7, 2004), calendar.GetOrCreateDay(2, 7, 2004));
}

TEST(CalendarTree, FindWalksOnlyInsideTheBoundsAndStopsAtALargerNumber) {
    TClCalendar calendar;
    AddYears(calendar, {2003, 2005, 2007});
    std::int32_t index = -1;
    EXPECT_EQ(2005, calendar.Find(2005, &index)->GetValue());
    EXPECT_EQ(1, index);
    calendar.GetChild(0);
    EXPECT_EQ(nullptr, calendar.Find(2008, &index));
    EXPECT_EQ(nullptr, calendar.Find(2002, &index));
    EXPECT_EQ(0, index);
    EXPECT_EQ(0, calendar.Children.CursorIndex) << "walked although outside the bounds";
    EXPECT_EQ(nullptr, calendar.Find(2004, &index));
    EXPECT_EQ(1, calendar.Children.CursorIndex) << "walked past the first larger year";
    TClMonth empty;
    EXPECT_EQ(nullptr, empty.Find(0, &index));
}

TEST(CalendarTree, AddSortedRefusesATakenNumberAndReportsNoInsertedPosition) {
    TCl_Calendar unit;
    std::int32_t index = -1;
    for (const int value : {2004, 2001, 2009, 2006}) {
        auto* year = new TClYear;
        year->SetValue(value);
        ASSERT_EQ(year, unit.AddSorted(year, &index));
        EXPECT_EQ(0, index);
    }
    TClYear duplicate;
    duplicate.SetValue(2006);
    EXPECT_EQ(nullptr, unit.AddSorted(&duplicate, &index));  // stays the caller's
    EXPECT_EQ(2, index);
    EXPECT_EQ(4, unit.Count());
}

TEST(CalendarTree, DeleteYearNeverNarrowsTheBounds) {
    TClCalendar calendar;
    AddYears(calendar, {2003, 2004, 2005});
    calendar.DeleteYear(2005);
    calendar.DeleteYear(2010);  // absent: nothing
    EXPECT_EQ((Numbers{2003, 2004}), NumbersOf(calendar));
    EXPECT_EQ(2005, calendar.MaxValue);
    const Bytes bytes = Save(calendar);
    EXPECT_EQ(2005, static_cast<std::int32_t>(bytes[20] | bytes[21] << 8));

    calendar.AddEvent(2, 2, 2005, MakeEvent("again"));
    EXPECT_EQ((Numbers{2003, 2004, 2005}), NumbersOf(calendar));
    std::int32_t index = 0;
    ASSERT_NE(nullptr, calendar.Find(2005, &index));
    EXPECT_EQ(2, index);
}

TEST(CalendarTree, TailAppendInsideWideBoundsSetsTheLargestAsStoredFilesDo) {
    TClCalendar calendar;
    AddYears(calendar, {2003, 2004, 2005, 2006});
    calendar.DeleteYear(2006);
    calendar.DeleteYear(2005);
    calendar.AddEvent(1, 1, 2005, MakeEvent("x"));
    EXPECT_EQ(2003, calendar.MinValue);
    EXPECT_EQ(2005, calendar.MaxValue);
}

TEST(CalendarTree, ClearEmptiesTheYearsAndKeepsTheCategories) {
    TClCalendar calendar;
    FillSample(calendar);
    calendar.Clear();
    EXPECT_EQ((Numbers{0, 0, 0, 0}),
              (Numbers{calendar.Count(), calendar.Value, calendar.MinValue, calendar.MaxValue}));
    EXPECT_EQ(2, calendar.CategoriesCount());
}

// --- Categories ---

TEST(CalendarCategories, LookupIsExactAndNeverFindsTheEmptyName) {
    TClCalendar calendar;
    FillSample(calendar);
    std::int32_t index = 42;
    EXPECT_FALSE(calendar.FindCategory("", &index));
    EXPECT_EQ(42, index);
    EXPECT_FALSE(calendar.FindCategory("sprawdzian", &index));
    EXPECT_EQ(-1, index);
    EXPECT_TRUE(calendar.FindCategory("Sprawdzian", &index));
    EXPECT_EQ(1, index);

    TColor color = 1, text = 2;
    EXPECT_FALSE(calendar.GetCategoryInfo("", &color, &text));
    EXPECT_FALSE(calendar.GetCategoryInfo("KARTKÓWKA", &color, &text));
    EXPECT_TRUE(calendar.GetCategoryInfo("Kartkówka", nullptr, &text));
    EXPECT_EQ(1u, color);
    EXPECT_EQ(0xFF0000u, text);
    EXPECT_TRUE(calendar.GetCategoryInfo("Sprawdzian", &color, nullptr));
    EXPECT_EQ(0xC0C0C0u, color);
}

TEST(CalendarCategories, AddRefusesAnExistingNameAndDeleteIgnoresBadIndexes) {
    TClCalendar calendar;
    FillSample(calendar);
    EXPECT_FALSE(calendar.AddCategory({"Sprawdzian", 1, 2}));
    EXPECT_EQ(0x0000FFu, calendar.Categories.Get(1)->TextColor);
    EXPECT_TRUE(calendar.AddCategory({"", 1, 2}));
    EXPECT_TRUE(calendar.AddCategory({"", 3, 4}));
    calendar.DeleteCategory(4);
    calendar.DeleteCategory(-1);
    EXPECT_EQ(4, calendar.CategoriesCount());
    calendar.DeleteCategory(0);
    EXPECT_EQ("Sprawdzian", calendar.Categories.Get(0)->Name);
}

// --- The calendar block ---

TEST(CalendarBlock, EmptyCalendarIs32Bytes) {
    TClCalendar calendar;
    const Bytes bytes = Save(calendar);
    EXPECT_EQ(ByteBuilder().Str("CALENDAR").I32(0).I32(0).I32(0).I32(0).I32(0).Bytes(), bytes);
    TClCalendar loaded;
    loaded.AddCategory({"stale", 0, 0});
    EXPECT_EQ(0, Load(loaded, bytes));
    EXPECT_EQ(0, loaded.Count());
    EXPECT_EQ(0, loaded.CategoriesCount());
}

TEST(CalendarBlock, RecordsAreLaidOutByteForByte) {
    TClCalendar calendar;
    calendar.AddEvent(5, 3, 2004, new TClEvent{"Test", "a\r\nb", 0x11223344, 0x55, "Kartkówka"});
    calendar.AddCategory({"Kartkówka", 0xC0C0C0, 0xFF0000});
    // clang-format off
    const Bytes expected = ByteBuilder()
        .Str("CALENDAR").I32(0).I32(2004).I32(2004).I32(1)
        .Str("YEAR").I32(2004).I32(3).I32(3).I32(1)
        .Str("MONTH").I32(3).I32(5).I32(5).I32(1)
        .Str("DAY").I32(5).I32(1)
        .Str("Test").Str("a\r\nb").Str("Kartk\xf3wka").I32(0x11223344).U8(0x55)
        .I32(1).U32(0xC0C0C0).U32(0xFF0000).Str("Kartk\xf3wka")
        .Bytes();
    // clang-format on
    EXPECT_EQ(expected, Save(calendar));
}

TEST(CalendarBlock, RoundTripKeepsReservedFieldsAndEmptiedDays) {
    TClCalendar calendar;
    FillSample(calendar);
    TClEvent* event = calendar.GetOrCreateDay(1, 1, 2004)->GetEvent(1);
    event->Reserved1 = -7;
    event->Reserved2 = 0xFF;
    calendar.GetOrCreateDay(20, 2, 2004)->Events.Delete(0);
    calendar.DeleteYear(2005);
    const Bytes bytes = Save(calendar);

    TClCalendar loaded;
    std::size_t position = 0;
    ASSERT_EQ(0, Load(loaded, bytes, &position));
    EXPECT_EQ(bytes.size(), position);
    EXPECT_EQ((Numbers{2003, 2004}), NumbersOf(loaded));
    EXPECT_EQ(2005, loaded.MaxValue);
    EXPECT_EQ(-7, loaded.GetOrCreateDay(1, 1, 2004)->GetEvent(1)->Reserved1);
    EXPECT_EQ(0, loaded.GetChild(1)->GetChild(1)->GetChild(0)->Count());
    EXPECT_EQ("Sprawdzian z ułamków", loaded.GetOrCreateDay(10, 11, 2003)->GetEvent(0)->Subject);
    EXPECT_EQ(bytes, Save(loaded));
}

TEST(CalendarBlock, YearsAreAppendedInFileOrderWithTheStoredBounds) {
    // clang-format off
    const Bytes bytes = ByteBuilder()
        .Str("CALENDAR").I32(9).I32(1990).I32(2100).I32(2)
        .Str("YEAR").I32(2005).I32(0).I32(0).I32(0)
        .Str("YEAR").I32(2003).I32(0).I32(0).I32(0)
        .I32(0)
        .Bytes();
    // clang-format on
    TClCalendar calendar;
    AddYears(calendar, {2010});
    ASSERT_EQ(0, Load(calendar, bytes));
    EXPECT_EQ((Numbers{2010, 2005, 2003}), NumbersOf(calendar));
    EXPECT_EQ((Numbers{9, 1990, 2100}),
              (Numbers{calendar.Value, calendar.MinValue, calendar.MaxValue}));
    calendar.DeleteYear(2010);
    EXPECT_EQ(bytes, Save(calendar));
}

TEST(CalendarBlock, NegativeCountsReadAsNoneAndAZeroByteEndsAText) {
    // clang-format off
    const Bytes bytes = ByteBuilder()
        .Str("CALENDAR").I32(0).I32(2004).I32(2005).I32(2)
        .Str("YEAR").I32(2004).I32(1).I32(1).I32(-1)
        .Str("YEAR").I32(2005).I32(1).I32(2).I32(2)
        .Str("MONTH").I32(1).I32(0).I32(0).I32(-7)
        .Str("MONTH").I32(2).I32(3).I32(3).I32(1)
        .Str("DAY").I32(3).I32(-1)
        .I32(1).U32(1).U32(2).Str(std::string("Klas\0wka", 8))
        .Bytes();
    // clang-format on
    TClCalendar calendar;
    std::size_t position = 0;
    ASSERT_EQ(0, Load(calendar, bytes, &position));
    EXPECT_EQ(bytes.size(), position);
    ASSERT_EQ(2, calendar.Count());
    EXPECT_EQ(0, calendar.GetChild(0)->Count());
    TClYear* year = calendar.GetChild(1);
    EXPECT_EQ(0, year->GetChild(0)->Count());
    EXPECT_EQ(0, year->GetChild(1)->GetChild(0)->Count());
    ASSERT_EQ(1, calendar.CategoriesCount());
    EXPECT_EQ("Klas", calendar.Categories.Get(0)->Name);

    const Bytes noCategories =
        ByteBuilder().Str("CALENDAR").I32(0).I32(0).I32(0).I32(0).I32(-4).Bytes();
    ASSERT_EQ(0, Load(calendar, noCategories));
    EXPECT_EQ(0, calendar.CategoriesCount());
}

TEST(CalendarBlock, HugeCountsRunIntoTheEndOfTheData) {
    TClCalendar calendar;
    const auto head = ByteBuilder().Str("CALENDAR").I32(0).I32(2004).I32(2004);
    EXPECT_EQ(-1, Load(calendar, ByteBuilder(head).I32(0x7fffffff).Bytes()));
    // clang-format off
    const Bytes events = ByteBuilder(head).I32(1)
        .Str("YEAR").I32(2004).I32(1).I32(1).I32(1)
        .Str("MONTH").I32(1).I32(1).I32(1).I32(1)
        .Str("DAY").I32(1).I32(0x7fffffff).Str("one").Str("").Str("").I32(0).U8(0)
        .Bytes();
    // clang-format on
    EXPECT_EQ(-1, Load(calendar, events));
    EXPECT_EQ(-1, Load(calendar, ByteBuilder(head).I32(0).I32(0x7fffffff).U32(1).Bytes()));
    EXPECT_EQ(0, calendar.Count());
    EXPECT_EQ(0, calendar.CategoriesCount());
}

std::size_t SecondTag(const Bytes& bytes, const std::string& tag) {
    int seen = 0;
    for (std::size_t at = 4; at + tag.size() <= bytes.size(); ++at)
        if (std::memcmp(bytes.data() + at, tag.data(), tag.size()) == 0 && ++seen == 2) return at;
    ADD_FAILURE() << "no second " << tag;
    return 4;
}

// A wrong tag at each depth, changed in a byte or in its length.
class CalendarTagMismatch : public ::testing::TestWithParam<const char*> {};

TEST_P(CalendarTagMismatch, DiscardsTheYearBeingReadAndLeavesTheCategories) {
    const std::string tag = GetParam();
    TClCalendar source;
    FillSample(source);
    const Bytes bytes = Save(source);
    // The calendar's only tag, or the first record of its kind inside 2004.
    const std::size_t at = tag == "CALENDAR" ? 4 : SecondTag(bytes, tag);
    const Numbers kept = tag == "CALENDAR" ? Numbers{} : Numbers{2003};
    for (const bool inLength : {false, true}) {
        Bytes damaged = bytes;
        if (inLength)
            --damaged[at - 4];
        else
            damaged[at + tag.size() - 1] ^= 0x20;
        TClCalendar calendar;
        calendar.AddCategory({"stale", 5, 6});
        EXPECT_EQ(-1, Load(calendar, damaged));
        EXPECT_EQ(kept, NumbersOf(calendar));
        ASSERT_EQ(1, calendar.CategoriesCount());
        EXPECT_EQ("stale", calendar.Categories.Get(0)->Name);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDepth, CalendarTagMismatch,
                         ::testing::Values("CALENDAR", "YEAR", "MONTH", "DAY"));

TEST(CalendarBlock, EveryTruncationKeepsTheCompleteYearsAndCategories) {
    TClCalendar source;
    FillSample(source);
    const Bytes bytes = Save(source);
    std::vector<std::size_t> yearEnds, categoryEnds;
    std::size_t end = 28;
    for (std::int32_t i = 0; i < source.Count(); ++i) {
        platform::VectorSink sink;
        platform::ByteWriter out(sink);
        source.GetChild(i)->SaveToStream(out, TClVerificationStrings());
        yearEnds.push_back(end += sink.bytes.size());
    }
    const std::size_t countAt = end;
    end += 4;
    for (std::int32_t i = 0; i < source.CategoriesCount(); ++i)
        categoryEnds.push_back(end += 12 + platform::Cp1250Length(source.Categories.Get(i)->Name));
    ASSERT_EQ(bytes.size(), end);

    const auto complete = [](const std::vector<std::size_t>& ends, std::size_t length) {
        return static_cast<std::int32_t>(
            std::count_if(ends.begin(), ends.end(), [&](std::size_t e) { return e <= length; }));
    };
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        TClCalendar calendar;
        calendar.AddCategory({"stale", 0, 0});
        ASSERT_EQ(-1, Load(calendar, Bytes(bytes.begin(), bytes.begin() + length))) << length;
        EXPECT_EQ(complete(yearEnds, length), calendar.Count()) << length;
        // The categories are replaced only once the years were all read.
        const std::int32_t categories = length < countAt ? 1 : complete(categoryEnds, length);
        EXPECT_EQ(categories, calendar.CategoriesCount()) << length;
    }
}

}  // namespace
