#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/Calendar.h"
#include "platform/Cp1250.h"
#include "tests/core/ByteBuilder.h"

namespace {

using testing_support::ByteBuilder;

TClEvent* MakeEvent(const std::string& subject, const std::string& category = "") {
    auto* event = new TClEvent;
    event->Subject = subject;
    event->Category = category;
    return event;
}

TClYear* MakeYear(std::int32_t value) {
    auto* year = new TClYear;
    year->SetValue(value);
    return year;
}

std::vector<std::int32_t> YearsOf(TClCalendar& calendar) {
    std::vector<std::int32_t> years;
    for (std::int32_t i = 0; i < calendar.Count(); ++i)
        years.push_back(calendar.GetChild(i)->GetValue());
    return years;
}

std::vector<std::uint8_t> Save(TClCalendar& calendar) {
    platform::VectorSink sink;
    platform::ByteWriter out(sink);
    EXPECT_EQ(0, calendar.SaveToStream(out, TClVerificationStrings()));
    return sink.bytes;
}

std::int32_t Load(TClCalendar& calendar, const std::vector<std::uint8_t>& bytes,
                  std::size_t* position = nullptr) {
    platform::ByteReader in(bytes);
    const std::int32_t result = calendar.LoadFromStream(in, TClVerificationStrings());
    if (position != nullptr) *position = in.Position();
    return result;
}

// Years 2003, 2004 (two months) and 2005 with events, and two categories.
void FillSample(TClCalendar& calendar) {
    calendar.AddEvent(10, 11, 2003, MakeEvent("Sprawdzian z ułamków", "Sprawdzian"));
    calendar.AddEvent(1, 1, 2004, MakeEvent("Kartkówka", "Kartkówka"));
    calendar.AddEvent(1, 1, 2004, MakeEvent("Drugi wpis"));
    calendar.AddEvent(20, 2, 2004, MakeEvent("Luty"));
    calendar.AddEvent(5, 3, 2005, MakeEvent("Marzec", "brak takiej"));
    calendar.AddCategory({"Kartkówka", 0xC0C0C0, 0xFF0000});
    calendar.AddCategory({"Sprawdzian", 0xC0C0C0, 0x0000FF});
}

class FakeList final : public platform::ListControl {
  public:
    void ClearItems() override { items.clear(); }
    void AddItem(const std::string& text) override { items.push_back(text); }
    int ItemCount() const override { return static_cast<int>(items.size()); }
    int ItemIndex() const override { return index; }
    void SetItemIndex(int i) override { index = i; }
    std::vector<std::string> items;
    int index = -1;
};

// --- The tree and its bounds ---

TEST(CalendarTree, NewCalendarIsEmpty) {
    TClCalendar calendar;
    EXPECT_EQ(0, calendar.Count());
    EXPECT_EQ(0, calendar.GetValue());
    EXPECT_EQ(0, calendar.MinValue);
    EXPECT_EQ(0, calendar.MaxValue);
    EXPECT_EQ(0, calendar.CategoriesCount());
    EXPECT_EQ(nullptr, calendar.GetChild(0));
}

TEST(CalendarTree, FirstEventCreatesYearMonthAndDay) {
    TClCalendar calendar;
    calendar.AddEvent(5, 3, 2004, MakeEvent("Test"));
    ASSERT_EQ(1, calendar.Count());
    EXPECT_EQ(2004, calendar.MinValue);
    EXPECT_EQ(2004, calendar.MaxValue);
    TClYear* year = calendar.GetChild(0);
    EXPECT_EQ(2004, year->GetValue());
    EXPECT_EQ(3, year->MinValue);
    EXPECT_EQ(3, year->MaxValue);
    ASSERT_EQ(1, year->Count());
    TClMonth* month = year->GetChild(0);
    EXPECT_EQ(3, month->GetValue());
    EXPECT_EQ(5, month->MinValue);
    EXPECT_EQ(5, month->MaxValue);
    ASSERT_EQ(1, month->Count());
    TClDay* day = month->GetChild(0);
    EXPECT_EQ(5, day->GetDay());
    ASSERT_EQ(1, day->Count());
    EXPECT_EQ("Test", day->GetEvent(0)->Subject);
    EXPECT_EQ(0, day->GetEvent(0)->Reserved1);
    EXPECT_EQ(0, day->GetEvent(0)->Reserved2);
}

TEST(CalendarTree, EventsOfOneDayKeepTheirOrderAndDuplicates) {
    TClCalendar calendar;
    calendar.AddEvent(5, 3, 2004, MakeEvent("A"));
    calendar.AddEvent(5, 3, 2004, MakeEvent("B"));
    calendar.AddEvent(5, 3, 2004, MakeEvent("A"));
    TClDay* day = calendar.GetOrCreateDay(5, 3, 2004);
    ASSERT_EQ(3, day->Count());
    EXPECT_EQ("A", day->GetEvent(0)->Subject);
    EXPECT_EQ("B", day->GetEvent(1)->Subject);
    EXPECT_EQ("A", day->GetEvent(2)->Subject);
    EXPECT_EQ(1, calendar.GetChild(0)->GetChild(0)->Count());
}

TEST(CalendarTree, GetOrCreateDayReturnsTheExistingDay) {
    TClCalendar calendar;
    TClDay* first = calendar.GetOrCreateDay(1, 2, 2004);
    EXPECT_EQ(first, calendar.GetOrCreateDay(1, 2, 2004));
    EXPECT_EQ(0, first->Count());
}

TEST(CalendarTree, ChildrenStayAscendingAtEveryLevel) {
    TClCalendar calendar;
    for (const int year : {2005, 2003, 2004}) calendar.AddEvent(1, 1, year, MakeEvent("x"));
    EXPECT_EQ((std::vector<std::int32_t>{2003, 2004, 2005}), YearsOf(calendar));
    EXPECT_EQ(2003, calendar.MinValue);
    EXPECT_EQ(2005, calendar.MaxValue);

    for (const int month : {7, 2, 12, 5}) calendar.AddEvent(1, month, 2004, MakeEvent("x"));
    TClYear* year = calendar.GetChild(1);
    std::vector<std::int32_t> months;
    for (std::int32_t i = 0; i < year->Count(); ++i) months.push_back(year->GetChild(i)->Value);
    EXPECT_EQ((std::vector<std::int32_t>{1, 2, 5, 7, 12}), months);

    for (const int day : {30, 2, 15}) calendar.AddEvent(day, 7, 2004, MakeEvent("x"));
    TClMonth* july = year->GetChild(3);
    std::vector<std::int32_t> days;
    for (std::int32_t i = 0; i < july->Count(); ++i) days.push_back(july->GetChild(i)->Day);
    EXPECT_EQ((std::vector<std::int32_t>{1, 2, 15, 30}), days);
    EXPECT_EQ(1, july->MinValue);
    EXPECT_EQ(30, july->MaxValue);
}

TEST(CalendarFind, ReportsPositionOrZero) {
    TClCalendar calendar;
    for (const int year : {2003, 2005, 2007}) calendar.AddEvent(1, 1, year, MakeEvent("x"));
    std::int32_t index = -1;
    EXPECT_EQ(2005, calendar.Find(2005, &index)->GetValue());
    EXPECT_EQ(1, index);
    index = -1;
    EXPECT_EQ(nullptr, calendar.Find(2004, &index));
    EXPECT_EQ(0, index);
}

TEST(CalendarFind, OutsideTheBoundsDoesNotWalk) {
    TClCalendar calendar;
    for (const int year : {2003, 2004, 2005}) calendar.AddEvent(1, 1, year, MakeEvent("x"));
    calendar.GetChild(1);  // rests the cursor on 2004
    std::int32_t index = -1;
    EXPECT_EQ(nullptr, calendar.Find(2006, &index));
    EXPECT_EQ(nullptr, calendar.Find(2002, &index));
    EXPECT_EQ(0, index);
    EXPECT_EQ(1, calendar.Children.CursorIndex);
}

TEST(CalendarFind, StopsAtTheFirstLargerNumber) {
    TClCalendar calendar;
    for (const int year : {2003, 2005, 2007}) calendar.AddEvent(1, 1, year, MakeEvent("x"));
    std::int32_t index = -1;
    EXPECT_EQ(nullptr, calendar.Find(2004, &index));
    EXPECT_EQ(1, calendar.Children.CursorIndex);
}

TEST(CalendarFind, EmptyUnitFindsNothing) {
    TClMonth month;
    std::int32_t index = 7;
    EXPECT_EQ(nullptr, month.Find(0, &index));
    EXPECT_EQ(0, index);
}

TEST(CalendarAddSorted, RefusesATakenNumberAndLeavesTheChildWithTheCaller) {
    TClCalendar calendar;
    for (const int year : {2003, 2004, 2005}) calendar.AddEvent(1, 1, year, MakeEvent("x"));
    TClYear* duplicate = MakeYear(2004);
    std::int32_t index = -1;
    EXPECT_EQ(nullptr, calendar.AddSorted(duplicate, &index));
    EXPECT_EQ(1, index);
    EXPECT_EQ(3, calendar.Count());
    delete duplicate;
}

TEST(CalendarAddSorted, InsertedPositionIsNotReported) {
    TCl_Calendar unit;
    std::int32_t index = -1;
    for (const int year : {2004, 2001, 2009, 2006}) {
        index = -1;
        ASSERT_NE(nullptr, unit.AddSorted(MakeYear(year), &index));
        EXPECT_EQ(0, index) << year;
    }
    EXPECT_EQ(2001, unit.MinValue);
    EXPECT_EQ(2009, unit.MaxValue);
    EXPECT_EQ(2006, unit.GetChild(2)->GetValue());
}

TEST(CalendarAddSorted, GetChildOutsideTheRangeIsNull) {
    TCl_Calendar unit;
    std::int32_t index = 0;
    unit.AddSorted(MakeYear(2004), &index);
    EXPECT_EQ(nullptr, unit.GetChild(-1));
    EXPECT_EQ(nullptr, unit.GetChild(1));
    EXPECT_NE(nullptr, unit.GetChild(0));
}

TEST(CalendarDeleteYear, KeepsTheBounds) {
    TClCalendar calendar;
    for (const int year : {2003, 2004, 2005}) calendar.AddEvent(1, 1, year, MakeEvent("x"));
    calendar.DeleteYear(2005);
    calendar.DeleteYear(2003);
    EXPECT_EQ((std::vector<std::int32_t>{2004}), YearsOf(calendar));
    EXPECT_EQ(2003, calendar.MinValue);
    EXPECT_EQ(2005, calendar.MaxValue);
    const std::vector<std::uint8_t> bytes = Save(calendar);
    std::int32_t stored[2];
    std::memcpy(stored, bytes.data() + 16, sizeof stored);
    EXPECT_EQ(2003, stored[0]);
    EXPECT_EQ(2005, stored[1]);
}

TEST(CalendarDeleteYear, AbsentYearChangesNothing) {
    TClCalendar calendar;
    calendar.AddEvent(1, 1, 2004, MakeEvent("x"));
    calendar.DeleteYear(2010);
    calendar.DeleteYear(2003);
    EXPECT_EQ(1, calendar.Count());
}

TEST(CalendarDeleteYear, ReAddedYearIsAppendedAndFound) {
    TClCalendar calendar;
    for (const int year : {2003, 2004, 2005}) calendar.AddEvent(1, 1, year, MakeEvent("x"));
    calendar.DeleteYear(2005);
    calendar.AddEvent(2, 2, 2005, MakeEvent("again"));
    EXPECT_EQ((std::vector<std::int32_t>{2003, 2004, 2005}), YearsOf(calendar));
    std::int32_t index = 0;
    TClYear* year = calendar.Find(2005, &index);
    ASSERT_NE(nullptr, year);
    EXPECT_EQ(2, index);
    EXPECT_EQ("again", calendar.GetOrCreateDay(2, 2, 2005)->GetEvent(0)->Subject);
}

TEST(CalendarDeleteYear, TailAppendInsideWideBoundsSetsTheLargest) {
    // The stored files follow this: a tail append sets MaxValue to the new number even where
    // a deletion had left the bound wider.
    TClCalendar calendar;
    for (const int year : {2003, 2004, 2005, 2006}) calendar.AddEvent(1, 1, year, MakeEvent("x"));
    calendar.DeleteYear(2006);
    calendar.DeleteYear(2005);
    EXPECT_EQ(2006, calendar.MaxValue);
    calendar.AddEvent(1, 1, 2005, MakeEvent("x"));
    EXPECT_EQ(2005, calendar.MaxValue);
    EXPECT_EQ(2003, calendar.MinValue);
}

TEST(CalendarDeleteYear, EmptiedDayStaysAndIsSavedEmpty) {
    TClCalendar calendar;
    calendar.AddEvent(5, 3, 2004, MakeEvent("only"));
    TClDay* day = calendar.GetOrCreateDay(5, 3, 2004);
    EXPECT_EQ(0, day->Events.Delete(0));
    EXPECT_EQ(0, day->Count());

    TClCalendar loaded;
    ASSERT_EQ(0, Load(loaded, Save(calendar)));
    ASSERT_EQ(1, loaded.Count());
    TClDay* read = loaded.GetChild(0)->GetChild(0)->GetChild(0);
    EXPECT_EQ(5, read->GetDay());
    EXPECT_EQ(0, read->Count());
}

TEST(CalendarClear, EmptiesTheYearsAndKeepsTheCategories) {
    TClCalendar calendar;
    FillSample(calendar);
    calendar.Clear();
    EXPECT_EQ(0, calendar.Count());
    EXPECT_EQ(0, calendar.MinValue);
    EXPECT_EQ(0, calendar.MaxValue);
    EXPECT_EQ(2, calendar.CategoriesCount());
}

// --- Categories ---

TEST(CalendarCategories, FindIsExactAndNeverFindsTheEmptyName) {
    TClCalendar calendar;
    FillSample(calendar);
    std::int32_t index = 42;
    EXPECT_FALSE(calendar.FindCategory("", &index));
    EXPECT_EQ(42, index);
    EXPECT_FALSE(calendar.FindCategory("sprawdzian", &index));
    EXPECT_EQ(-1, index);
    EXPECT_FALSE(calendar.FindCategory("Sprawdzian ", &index));
    EXPECT_TRUE(calendar.FindCategory("Sprawdzian", &index));
    EXPECT_EQ(1, index);
    EXPECT_TRUE(calendar.FindCategory("Kartkówka", nullptr));
}

TEST(CalendarCategories, InfoWritesOnlyThroughGivenPointers) {
    TClCalendar calendar;
    FillSample(calendar);
    TColor color = 1, text = 2;
    EXPECT_TRUE(calendar.GetCategoryInfo("Sprawdzian", &color, &text));
    EXPECT_EQ(0xC0C0C0u, color);
    EXPECT_EQ(0x0000FFu, text);
    text = 2;
    EXPECT_TRUE(calendar.GetCategoryInfo("Kartkówka", nullptr, &text));
    EXPECT_EQ(0xFF0000u, text);
    color = 1, text = 2;
    EXPECT_FALSE(calendar.GetCategoryInfo("", &color, &text));
    EXPECT_FALSE(calendar.GetCategoryInfo("KARTKÓWKA", &color, &text));
    EXPECT_EQ(1u, color);
    EXPECT_EQ(2u, text);
}

TEST(CalendarCategories, AddRefusesAnExistingNameButTakesAnEmptyOne) {
    TClCalendar calendar;
    FillSample(calendar);
    EXPECT_FALSE(calendar.AddCategory({"Sprawdzian", 1, 2}));
    EXPECT_EQ(2, calendar.CategoriesCount());
    EXPECT_EQ(0xC0C0C0u, calendar.Categories.Get(1)->Color);
    EXPECT_TRUE(calendar.AddCategory({"", 1, 2}));
    EXPECT_TRUE(calendar.AddCategory({"", 3, 4}));
    EXPECT_EQ(4, calendar.CategoriesCount());
}

TEST(CalendarCategories, DeleteIgnoresIndexesOutOfRange) {
    TClCalendar calendar;
    FillSample(calendar);
    calendar.DeleteCategory(2);
    calendar.DeleteCategory(-1);
    EXPECT_EQ(2, calendar.CategoriesCount());
    calendar.DeleteCategory(0);
    ASSERT_EQ(1, calendar.CategoriesCount());
    EXPECT_EQ("Sprawdzian", calendar.Categories.Get(0)->Name);
}

TEST(CalendarCategories, FillComboBoxReplacesItemsAndLeavesTheSelection) {
    TClCalendar calendar;
    FillSample(calendar);
    FakeList combo;
    combo.items = {"old"};
    combo.index = 0;
    calendar.Categories.FillComboBox(combo);
    EXPECT_EQ((std::vector<std::string>{"Kartkówka", "Sprawdzian"}), combo.items);
    EXPECT_EQ(0, combo.index);
}

// --- The calendar block ---

TEST(CalendarBlock, EmptyCalendarIs32Bytes) {
    TClCalendar calendar;
    const std::vector<std::uint8_t> bytes = Save(calendar);
    const auto expected = ByteBuilder().Str("CALENDAR").I32(0).I32(0).I32(0).I32(0).I32(0).Bytes();
    EXPECT_EQ(expected, bytes);

    TClCalendar loaded;
    loaded.AddCategory({"stale", 0, 0});
    EXPECT_EQ(0, Load(loaded, bytes));
    EXPECT_EQ(0, loaded.Count());
    EXPECT_EQ(0, loaded.CategoriesCount());
}

TEST(CalendarBlock, RecordsAreLaidOutByteForByte) {
    TClCalendar calendar;
    auto* event = MakeEvent("Test", "Kartkówka");
    event->Description = "a\r\nb";
    event->Reserved1 = 0x11223344;
    event->Reserved2 = 0x55;
    calendar.AddEvent(5, 3, 2004, event);
    calendar.AddCategory({"Kartkówka", 0xC0C0C0, 0xFF0000});

    // clang-format off
    const auto expected = ByteBuilder()
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

TEST(CalendarBlock, RoundTripKeepsEverything) {
    TClCalendar calendar;
    FillSample(calendar);
    calendar.GetOrCreateDay(1, 1, 2004)->GetEvent(1)->Reserved1 = -7;
    calendar.GetOrCreateDay(1, 1, 2004)->GetEvent(1)->Reserved2 = 0xFF;
    calendar.DeleteYear(2005);
    const std::vector<std::uint8_t> bytes = Save(calendar);

    TClCalendar loaded;
    std::size_t position = 0;
    ASSERT_EQ(0, Load(loaded, bytes, &position));
    EXPECT_EQ(bytes.size(), position);
    EXPECT_EQ((std::vector<std::int32_t>{2003, 2004}), YearsOf(loaded));
    EXPECT_EQ(2005, loaded.MaxValue);
    TClEvent* event = loaded.GetOrCreateDay(1, 1, 2004)->GetEvent(1);
    EXPECT_EQ("Drugi wpis", event->Subject);
    EXPECT_EQ(-7, event->Reserved1);
    EXPECT_EQ(0xFF, event->Reserved2);
    EXPECT_EQ("Sprawdzian z ułamków", loaded.GetOrCreateDay(10, 11, 2003)->GetEvent(0)->Subject);
    EXPECT_EQ(2, loaded.CategoriesCount());
    EXPECT_EQ(bytes, Save(loaded));
}

TEST(CalendarBlock, YearsLoadInFileOrderWithTheStoredBounds) {
    // clang-format off
    const auto bytes = ByteBuilder()
                           .Str("CALENDAR").I32(9).I32(1990).I32(2100).I32(2)
                           .Str("YEAR").I32(2005).I32(0).I32(0).I32(0)
                           .Str("YEAR").I32(2003).I32(0).I32(0).I32(0)
                           .I32(0)
                           .Bytes();
    // clang-format on
    TClCalendar calendar;
    ASSERT_EQ(0, Load(calendar, bytes));
    EXPECT_EQ((std::vector<std::int32_t>{2005, 2003}), YearsOf(calendar));
    EXPECT_EQ(9, calendar.GetValue());
    EXPECT_EQ(1990, calendar.MinValue);
    EXPECT_EQ(2100, calendar.MaxValue);
    EXPECT_EQ(bytes, Save(calendar));
}

TEST(CalendarBlock, LoadAppendsToTheYearsPresent) {
    TClCalendar source;
    source.AddEvent(1, 1, 2003, MakeEvent("x"));
    TClCalendar calendar;
    calendar.AddEvent(1, 1, 2010, MakeEvent("y"));
    ASSERT_EQ(0, Load(calendar, Save(source)));
    EXPECT_EQ((std::vector<std::int32_t>{2010, 2003}), YearsOf(calendar));
}

TEST(CalendarBlock, NegativeCountsReadAsNone) {
    // clang-format off
    const auto bytes = ByteBuilder()
                           .Str("CALENDAR").I32(0).I32(2004).I32(2005).I32(2)
                           .Str("YEAR").I32(2004).I32(1).I32(1).I32(-1)
                           .Str("YEAR").I32(2005).I32(1).I32(2).I32(2)
                           .Str("MONTH").I32(1).I32(0).I32(0).I32(-7)
                           .Str("MONTH").I32(2).I32(3).I32(3).I32(1)
                           .Str("DAY").I32(3).I32(-1)
                           .I32(-4)
                           .Bytes();
    // clang-format on
    TClCalendar calendar;
    calendar.AddCategory({"stale", 0, 0});
    std::size_t position = 0;
    ASSERT_EQ(0, Load(calendar, bytes, &position));
    EXPECT_EQ(bytes.size(), position);
    ASSERT_EQ(2, calendar.Count());
    EXPECT_EQ(0, calendar.GetChild(0)->Count());
    TClYear* year = calendar.GetChild(1);
    ASSERT_EQ(2, year->Count());
    EXPECT_EQ(0, year->GetChild(0)->Count());
    ASSERT_EQ(1, year->GetChild(1)->Count());
    EXPECT_EQ(0, year->GetChild(1)->GetChild(0)->Count());
    EXPECT_EQ(0, calendar.CategoriesCount());
}

TEST(CalendarBlock, ZeroByteEndsAStoredText) {
    // clang-format off
    const auto bytes = ByteBuilder()
                           .Str("CALENDAR").I32(0).I32(0).I32(0).I32(0)
                           .I32(1).U32(1).U32(2).Str(std::string("Klas\0wka", 8))
                           .Bytes();
    // clang-format on
    TClCalendar calendar;
    ASSERT_EQ(0, Load(calendar, bytes));
    ASSERT_EQ(1, calendar.CategoriesCount());
    EXPECT_EQ("Klas", calendar.Categories.Get(0)->Name);
}

TEST(CalendarBlock, HugeCountsRunIntoTheEndOfTheData) {
    TClCalendar calendar;
    EXPECT_EQ(-1, Load(calendar,
                       ByteBuilder().Str("CALENDAR").I32(0).I32(0).I32(0).I32(0x7fffffff).Bytes()));
    EXPECT_EQ(0, calendar.Count());

    // clang-format off
    const auto events = ByteBuilder()
                            .Str("CALENDAR").I32(0).I32(2004).I32(2004).I32(1)
                            .Str("YEAR").I32(2004).I32(1).I32(1).I32(1)
                            .Str("MONTH").I32(1).I32(1).I32(1).I32(1)
                            .Str("DAY").I32(1).I32(0x7fffffff)
                            .Str("one").Str("").Str("").I32(0).U8(0)
                            .Bytes();
    // clang-format on
    EXPECT_EQ(-1, Load(calendar, events));
    EXPECT_EQ(0, calendar.Count());

    const auto categories =
        ByteBuilder().Str("CALENDAR").I32(0).I32(0).I32(0).I32(0).I32(0x7fffffff).U32(1).Bytes();
    EXPECT_EQ(-1, Load(calendar, categories));
    EXPECT_EQ(0, calendar.CategoriesCount());
}

// A tag at every depth, changed in one byte or in its length.
class CalendarTagMismatch : public ::testing::TestWithParam<const char*> {};

std::size_t NthTag(const std::vector<std::uint8_t>& bytes, const std::string& tag, int n) {
    for (std::size_t at = 4; at + tag.size() <= bytes.size(); ++at) {
        if (std::memcmp(bytes.data() + at, tag.data(), tag.size()) == 0 && n-- == 0) return at;
    }
    ADD_FAILURE() << "tag not found";
    return 0;
}

TEST_P(CalendarTagMismatch, DiscardsTheYearBeingReadAndKeepsTheOnesBefore) {
    const std::string tag = GetParam();
    TClCalendar source;
    FillSample(source);
    const std::vector<std::uint8_t> bytes = Save(source);
    // The record of that tag inside the second year (2004); for the calendar its only tag.
    const int occurrence = tag == "CALENDAR" ? 0 : 1;
    const std::size_t at = NthTag(bytes, tag, occurrence);
    const std::vector<std::int32_t> kept =
        tag == "CALENDAR" ? std::vector<std::int32_t>{} : std::vector<std::int32_t>{2003};

    for (const bool inLength : {false, true}) {
        std::vector<std::uint8_t> damaged = bytes;
        if (inLength)
            --damaged[at - 4];
        else
            damaged[at + tag.size() - 1] ^= 0x20;
        TClCalendar calendar;
        calendar.AddCategory({"stale", 5, 6});
        EXPECT_EQ(-1, Load(calendar, damaged)) << tag;
        EXPECT_EQ(kept, YearsOf(calendar)) << tag;
        ASSERT_EQ(1, calendar.CategoriesCount());
        EXPECT_EQ("stale", calendar.Categories.Get(0)->Name);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDepth, CalendarTagMismatch,
                         ::testing::Values("CALENDAR", "YEAR", "MONTH", "DAY"));

TEST(CalendarBlock, DayWithAWrongTagIsLeftUnchanged) {
    TClDay day;
    day.SetDay(9);
    day.Events.Add(MakeEvent("kept"));
    const auto bytes = ByteBuilder().Str("DAX").I32(1).I32(0).Bytes();
    platform::ByteReader in(bytes);
    EXPECT_EQ(-1, day.LoadFromStream(in, TClVerificationStrings()));
    EXPECT_EQ(9, day.GetDay());
    EXPECT_EQ(1, day.Count());
}

TEST(CalendarBlock, EveryTruncationKeepsTheCompleteYearsAndCategories) {
    TClCalendar source;
    FillSample(source);
    const std::vector<std::uint8_t> bytes = Save(source);

    // Where each year record and each category record ends.
    std::vector<std::size_t> yearEnds, categoryEnds;
    std::size_t end = 28;
    for (std::int32_t i = 0; i < source.Count(); ++i) {
        platform::VectorSink sink;
        platform::ByteWriter out(sink);
        source.GetChild(i)->SaveToStream(out, TClVerificationStrings());
        end += sink.bytes.size();
        yearEnds.push_back(end);
    }
    const std::size_t categoriesStart = end + 4;
    end = categoriesStart;
    for (std::int32_t i = 0; i < source.CategoriesCount(); ++i) {
        end += 8 + 4 + platform::Utf8ToCp1250(source.Categories.Get(i)->Name).size();
        categoryEnds.push_back(end);
    }
    ASSERT_EQ(bytes.size(), end);

    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::vector<std::uint8_t> prefix(bytes.begin(), bytes.begin() + length);
        TClCalendar calendar;
        calendar.AddCategory({"stale", 0, 0});
        ASSERT_EQ(-1, Load(calendar, prefix)) << length;
        std::int32_t years = 0, categories = 0;
        for (const std::size_t e : yearEnds) years += e <= length ? 1 : 0;
        for (const std::size_t e : categoryEnds) categories += e <= length ? 1 : 0;
        EXPECT_EQ(years, calendar.Count()) << length;
        // Before the category count the categories are as they were; after it, those read.
        const std::int32_t expected = length < categoriesStart - 4 ? 1 : categories;
        EXPECT_EQ(expected, calendar.CategoriesCount()) << length;
    }
}

}  // namespace
