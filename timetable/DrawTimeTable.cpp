#include "timetable/DrawTimeTable.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/Clock.h"
#include "platform/Dates.h"
#include "timetable/TimeTableGeometry.h"

namespace {

// The colours of a painter that was never given the document's.
constexpr TTimeTableColors kPainterColors = {
    0xFFFFFF, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, 0x800080,
    0xFFFFFF, 0x800000, 0x0000FF, 0xF0CAA6, 0x000000, 0x000000,
};

// Date parts of an entry. A value that does not fit (a day number from a damaged file) is
// stored as 0, which never encodes, so its header gets its lines only.
std::uint16_t DatePart(std::int32_t value) {
    return value >= 0 && value <= 0xFFFF ? static_cast<std::uint16_t>(value) : 0;
}

TTimeTableEntry MakeEntry(TClDay* day, int year, int month, int dayNumber) {
    return {day, DatePart(year), DatePart(month), DatePart(dayNumber)};
}

// Whether the day of a day number is one the calendar has (1.1.0001 to 31.12.9999). A day
// beyond either end decodes to that end, so a week there would show the end day again.
bool WithinCalendar(TDateTime date) {
    static const TDateTime first = platform::EncodeDate(1, 1, 1);
    static const TDateTime last = platform::EncodeDate(9999, 12, 31);
    // Truncated as the day of a date is taken: toward zero.
    const double day = std::trunc(date);
    return day >= first && day <= last;
}

TClMonth* FindMonth(TClCalendar& calendar, int year, int month) {
    std::int32_t index = 0;
    TClYear* y = calendar.Find(year, &index);
    return y == nullptr ? nullptr : y->Find(month, &index);
}

// A name table that was never given draws as empty text.
template <std::size_t N>
const std::string& TableText(const std::array<std::string, N>* table, int index) {
    static const std::string kNone;
    return table == nullptr ? kNone : (*table)[index];
}

}  // namespace

TDrawTimeTable::TDrawTimeTable() : Colors(kPainterColors) {}

TDrawTimeTable::~TDrawTimeTable() {
    Reset();
}

int TDrawTimeTable::SetCalendar(TClCalendar* calendar) {
    if (Initialized) return kCalendarAttached;
    if (calendar == nullptr) return kNoCalendar;
    Calendar = calendar;
    Initialized = 1;
    return kDone;
}

int TDrawTimeTable::Reset() {
    Calendar = nullptr;
    Initialized = 0;
    FreeEntries();
    FreeRows();
    return kDone;
}

void TDrawTimeTable::SetNameTables(const std::array<std::string, 7>* dayNames,
                                   const std::array<std::string, 12>* monthNames,
                                   const std::array<std::string, 12>* monthNamesGen) {
    if (dayNames != nullptr) DayNames = dayNames;
    if (monthNames != nullptr) MonthNames = monthNames;
    if (monthNamesGen != nullptr) MonthNamesGen = monthNamesGen;
}

void TDrawTimeTable::SetColors(const TTimeTableColors& colors) {
    Colors = colors;
}

int TDrawTimeTable::Build(TDateTime date) {
    if (!Initialized) return kNoCalendar;
    // Every build starts empty, so a failed one leaves no rows behind.
    FreeEntries();
    FreeRows();
    switch (Range) {
        case 1:
            return BuildWeek(date);
        case 2:
            return BuildMonth(date);
        default:
            return BuildDay(date);
    }
}

int TDrawTimeTable::BuildDay(TDateTime date) {
    int year = 0, month = 0, dayNumber = 0;
    platform::DecodeDate(date, year, month, dayNumber);
    TClMonth* m = FindMonth(*Calendar, year, month);
    std::int32_t index = 0;
    TClDay* day = m == nullptr ? nullptr : m->Find(dayNumber, &index);
    if (day == nullptr) return kNothingForDate;
    const TTimeTableEntry entry = MakeEntry(day, year, month, dayNumber);
    StoreEntries(&entry, 1);
    BuildRows();
    Range = 0;
    return kDone;
}

int TDrawTimeTable::BuildWeek(TDateTime date) {
    // Monday to Sunday: a Sunday closes the week that began six days earlier.
    int offset = platform::DayOfWeek(date) - 1;
    if (offset == 0) offset = 7;
    const TDateTime monday = date - offset + 1;

    std::array<TTimeTableEntry, 7> found;
    std::int32_t count = 0;
    TClMonth* month = nullptr;
    int lastYear = 0, lastMonth = 0;
    for (int i = 0; i < 7; ++i) {
        if (!WithinCalendar(monday + i)) continue;
        int y = 0, m = 0, d = 0;
        platform::DecodeDate(monday + i, y, m, d);
        // A week across a month or year end finds each day in its own month.
        if (i == 0 || y != lastYear || m != lastMonth) {
            month = FindMonth(*Calendar, y, m);
            lastYear = y;
            lastMonth = m;
        }
        if (month == nullptr) continue;
        std::int32_t index = 0;
        TClDay* day = month->Find(d, &index);
        if (day != nullptr && day->Count() >= 1) found[count++] = MakeEntry(day, y, m, d);
    }
    if (count > 0) {
        StoreEntries(found.data(), count);
        BuildRows();
    }
    Range = 1;
    return kDone;
}

int TDrawTimeTable::BuildMonth(TDateTime date) {
    int year = 0, month = 0, dayNumber = 0;
    platform::DecodeDate(date, year, month, dayNumber);
    TClMonth* m = FindMonth(*Calendar, year, month);
    if (m == nullptr) return kNothingForDate;

    // Normally at most 31 days; a damaged file may hold more, so the walk stops where entry
    // indexes end.
    std::vector<TTimeTableEntry> found;
    for (std::int32_t i = 0; i < m->Count() && std::ssize(found) < kMaxEntries; ++i) {
        TClDay* day = m->GetChild(i);
        if (day->Count() >= 1) found.push_back(MakeEntry(day, year, month, day->GetDay()));
    }
    if (!found.empty()) {
        StoreEntries(found.data(), static_cast<std::int32_t>(found.size()));
        BuildRows();
    }
    Range = 2;
    return kDone;
}

int TDrawTimeTable::BuildRows() {
    if (!Initialized) return kNoCalendar;
    if (!Entries) return kNoEntries;

    // Entries whose rows would push the count past i32 are left out; only a damaged file
    // with tens of thousands of crowded days could get there.
    std::int64_t total = 0;
    std::int32_t covered = 0;
    for (std::int32_t i = 0; i < EntryCount; ++i) {
        const std::int32_t events = EventRows(i);
        if (events == 0) continue;
        if (total + events + 1 > std::numeric_limits<std::int32_t>::max()) break;
        total += events + 1;
        covered = i + 1;
    }

    AllocRows(static_cast<std::int32_t>(total));
    std::int32_t r = 0;
    for (std::int32_t i = 0; i < covered; ++i) {
        const std::int32_t events = EventRows(i);
        if (events == 0) continue;
        const auto entry = static_cast<std::uint16_t>(i);
        Rows[r++] = {entry, kTimeTableHeaderRow};
        for (std::int32_t e = 0; e < events; ++e)
            Rows[r++] = {entry, static_cast<std::uint16_t>(e)};
    }
    return kDone;
}

std::int32_t TDrawTimeTable::EventRows(std::int32_t entryIndex) const {
    return std::min(Entries[entryIndex].day->Count(), kMaxEventRows);
}

void TDrawTimeTable::AllocEntries(std::int32_t count) {
    FreeEntries();
    Entries = std::make_unique<TTimeTableEntry[]>(count);
    EntryCount = count;
}

void TDrawTimeTable::FreeEntries() {
    Entries.reset();
    EntryCount = 0;
}

void TDrawTimeTable::AllocRows(std::int32_t count) {
    FreeRows();
    if (count == 0) return;
    Rows = std::make_unique<TTimeTableRow[]>(count);
    RowCount = count;
}

void TDrawTimeTable::FreeRows() {
    Rows.reset();
    RowCount = 0;
}

void TDrawTimeTable::StoreEntries(const TTimeTableEntry* entries, std::int32_t count) {
    AllocEntries(count);
    std::copy(entries, entries + count, Entries.get());
}

TTimeTableRow TDrawTimeTable::Row(int r) const {
    if (r < 0 || r >= RowCount) return {0, kTimeTableHeaderRow};
    return Rows[r];
}

TClDay* TDrawTimeTable::RowDay(int r) const {
    if (r < 0 || r >= RowCount) return nullptr;
    return Entries[Rows[r].entryIndex].day;
}

TClEvent* TDrawTimeTable::RowEvent(int r) const {
    const TTimeTableRow row = Row(r);
    if (row.eventIndex == kTimeTableHeaderRow) return nullptr;
    TClDay* day = RowDay(r);
    if (row.eventIndex >= day->Count()) return nullptr;
    return day->GetEvent(static_cast<std::int16_t>(row.eventIndex));
}

void TDrawTimeTable::DrawCell(platform::Canvas& canvas, int aCol, int aRow,
                              const platform::Rect& rect, bool selected) const {
    if (aCol != 0 || aRow < 0 || aRow >= RowCount) {
        DrawEmptyArea(canvas, rect);
        return;
    }
    const TTimeTableRow row = Rows[aRow];
    if (row.eventIndex == kTimeTableHeaderRow)
        DrawHeader(canvas, Entries[row.entryIndex], rect);
    else
        DrawEvent(canvas, RowEvent(aRow), rect, selected);
    DrawLines(canvas, rect, aRow == RowCount - 1);
}

std::vector<std::vector<std::string>> TDrawTimeTable::RowTexts() const {
    std::vector<std::vector<std::string>> texts;
    texts.reserve(RowCount);
    for (int r = 0; r < RowCount; ++r) {
        const TTimeTableRow row = Rows[r];
        if (row.eventIndex == kTimeTableHeaderRow) {
            const TTimeTableEntry& entry = Entries[row.entryIndex];
            TDateTime date = 0;
            const bool encodes =
                platform::TryEncodeDate(entry.year, entry.month, entry.dayNumber, date);
            texts.push_back(
                {encodes ? HeaderDateText(entry) : std::string(),
                 encodes ? TableText(DayNames, platform::DayOfWeek(date) - 1) : std::string()});
        } else if (const TClEvent* event = RowEvent(r)) {
            TColor color = 0, textColor = 0;
            const bool boxed = FindCategoryBox(event->Category, color, textColor);
            texts.push_back({event->Subject, boxed ? event->Category : std::string()});
        } else {
            texts.push_back({"", ""});
        }
    }
    return texts;
}

std::string TDrawTimeTable::HeaderDateText(const TTimeTableEntry& entry) const {
    return timetable::HeaderDateText(entry.dayNumber, TableText(MonthNamesGen, entry.month - 1),
                                     entry.year);
}

bool TDrawTimeTable::FindCategoryBox(const std::string& category, TColor& color,
                                     TColor& textColor) const {
    // An event keeps the name of a category that was renamed or deleted; it gets no box.
    return !category.empty() && Calendar->GetCategoryInfo(category, &color, &textColor);
}

void TDrawTimeTable::DrawEmptyArea(platform::Canvas& canvas, const platform::Rect& rect) const {
    canvas.SetPenWidth(0);
    canvas.SetPenStyle(platform::PenStyle::Clear);
    canvas.SetBrushColor(Colors[ttBackground]);
    canvas.FillRect(rect);
}

void TDrawTimeTable::DrawHeader(platform::Canvas& canvas, const TTimeTableEntry& entry,
                                const platform::Rect& rect) const {
    TDateTime date = 0;
    if (!platform::TryEncodeDate(entry.year, entry.month, entry.dayNumber, date)) return;
    const int weekday = platform::DayOfWeek(date);
    canvas.SetPenWidth(0);
    canvas.SetPenStyle(platform::PenStyle::Clear);
    canvas.SetFontSize(kFontSize);
    canvas.SetFontBold(true);

    const bool today = date == platform::Date();
    canvas.SetBrushColor(Colors[today ? ttToday : ttDay]);
    canvas.SetFontColor(Colors[today ? ttTodayText : ttDayText]);
    canvas.FillRect(rect);

    const std::string text = HeaderDateText(entry);
    canvas.TextOut(timetable::CentredX(rect, canvas.TextWidth(text)),
                   timetable::CentredY(rect, canvas.TextHeight(text)), text);

    // Today's header keeps its own text colour for the weekday, weekend or not.
    if (!today)
        canvas.SetFontColor(Colors[weekday == 1 || weekday == 7 ? ttDayNameSatSun : ttDayName]);
    const std::string& name = TableText(DayNames, weekday - 1);
    canvas.TextOut(rect.left + timetable::kTextIndent,
                   timetable::CentredY(rect, canvas.TextHeight(name)), name);
}

void TDrawTimeTable::DrawEvent(platform::Canvas& canvas, const TClEvent* event,
                               const platform::Rect& rect, bool selected) const {
    canvas.SetBrushColor(Colors[selected ? ttSelection : ttEvent]);
    canvas.FillRect(rect);
    if (event == nullptr) return;

    const bool boxed = DrawCategoryBox(canvas, event->Category, rect);
    canvas.SetFontSize(kFontSize);
    canvas.SetFontBold(true);
    canvas.SetBrushColor(Colors[selected ? ttSelection : ttEvent]);
    canvas.SetFontColor(Colors[selected ? ttSelectionText : ttEventText]);
    const platform::Rect textRect = timetable::SubjectRect(rect, boxed, CategoryBoxWidth);
    canvas.TextRect(textRect, textRect.left,
                    timetable::CentredY(textRect, canvas.TextHeight(event->Subject)),
                    event->Subject);
}

bool TDrawTimeTable::DrawCategoryBox(platform::Canvas& canvas, const std::string& category,
                                     const platform::Rect& rect) const {
    TColor color = 0, textColor = 0;
    if (!FindCategoryBox(category, color, textColor)) return false;

    const platform::Rect box = timetable::CategoryBox(rect, CategoryBoxWidth);
    canvas.SetBrushColor(color);
    canvas.SetFontColor(textColor);
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(platform::PenStyle::Solid);
    canvas.SetPenColor(Colors[ttGridLines]);
    canvas.Rectangle(box);

    canvas.SetFontSize(kFontSize);
    canvas.SetFontBold(true);
    const int width = canvas.TextWidth(category);
    const int height = canvas.TextHeight(category);
    const platform::Rect clip = timetable::CategoryNameClip(box);
    canvas.TextRect(clip, timetable::CentredX(clip, width), timetable::CentredY(clip, height),
                    category);
    return true;
}

void TDrawTimeTable::DrawLines(platform::Canvas& canvas, const platform::Rect& rect,
                               bool lastRow) const {
    canvas.SetPenStyle(platform::PenStyle::Solid);
    canvas.SetPenWidth(0);
    canvas.SetPenColor(Colors[ttGridLines]);
    const timetable::RowLines lines = timetable::CellLines(rect, lastRow);
    for (int i = 0; i < lines.count; ++i) {
        const timetable::Line& line = lines.lines[i];
        canvas.MoveTo(line.x1, line.y1);
        canvas.LineTo(line.x2, line.y2);
    }
}
