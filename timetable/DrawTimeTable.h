#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Calendar.h"
#include "core/Records.h"
#include "platform/Canvas.h"
#include "platform/Types.h"

// One day shown: the calendar's own day object and the date it stands for.
struct TTimeTableEntry {
    TClDay* day = nullptr;  // not owned
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayNumber = 0;
};

// One grid row: a day's header or one of its events.
struct TTimeTableRow {
    std::uint16_t entryIndex = 0;
    std::uint16_t eventIndex = 0;
};

// The eventIndex of a day's header row.
inline constexpr std::uint16_t kTimeTableHeaderRow = 0xFFFF;

// The model and painter of a one-column time-table grid: the events of a day, a Monday-to-
// Sunday week or a month flattened into rows (a header per day, then its events), and the
// grid's owner-draw handler. A window attaches the document's calendar once, then rebuilds
// after every change and sets its grid's row count to RowCount.
class TDrawTimeTable {
  public:
    // Build and BuildRows results.
    static constexpr int kDone = 1;
    static constexpr int kNoCalendar = -1;
    static constexpr int kCalendarAttached = -2;
    static constexpr int kNothingForDate = -3;
    static constexpr int kNoEntries = -4;

    // Rows index entries by u16; event indexes reach the calendar as signed 16-bit values.
    static constexpr std::int32_t kMaxEntries = 0xFFFF;
    static constexpr std::int32_t kMaxEventRows = 0x8000;

    static constexpr std::int32_t kCategoryBoxWidth = 90;
    static constexpr int kFontSize = 9;

    std::uint8_t Initialized = 0;
    std::int32_t RowCount = 0;
    std::int32_t EntryCount = 0;
    TClCalendar* Calendar = nullptr;  // not owned
    // 0 day, 1 week, 2 month; any other value is built as a day.
    std::uint8_t Range = 0;
    std::unique_ptr<TTimeTableEntry[]> Entries;  // in date order; null when none
    std::unique_ptr<TTimeTableRow[]> Rows;       // null when none
    TTimeTableColors Colors;
    std::int32_t CategoryBoxWidth = kCategoryBoxWidth;
    // Not owned; Sunday first.
    const std::array<std::string, 7>* DayNames = nullptr;
    const std::array<std::string, 12>* MonthNames = nullptr;
    // Genitive month names, for the date of a header row.
    const std::array<std::string, 12>* MonthNamesGen = nullptr;

    TDrawTimeTable();
    ~TDrawTimeTable();
    TDrawTimeTable(const TDrawTimeTable&) = delete;
    TDrawTimeTable& operator=(const TDrawTimeTable&) = delete;

    // kCalendarAttached (keeping the first calendar) when one is attached already.
    int SetCalendar(TClCalendar* calendar);
    // Detaches the calendar and drops entries and rows.
    int Reset();
    // A null table leaves the one stored before.
    void SetNameTables(const std::array<std::string, 7>* dayNames,
                       const std::array<std::string, 12>* monthNames,
                       const std::array<std::string, 12>* monthNamesGen);
    void SetColors(const TTimeTableColors& colors);
    void SetRange(std::uint8_t range) { Range = range; }

    // Rebuilds entries and rows for the day, week or month of the date; a successful build
    // sets Range to what was built. A failed build leaves the table empty.
    int Build(TDateTime date);
    // Rows from the current entries: per day with events, its header and one row per event.
    int BuildRows();

    // The grid's owner-draw handler for one cell.
    void DrawCell(platform::Canvas& canvas, int aCol, int aRow, const platform::Rect& rect,
                  bool selected) const;
    // The texts each row paints, as a screen reader reads the grid: a header's date and
    // weekday name, an event's subject and the category its box shows. A text not painted is
    // empty.
    std::vector<std::vector<std::string>> RowTexts() const;

    // Row r as built; outside 0..RowCount-1 a header row, which names no event.
    TTimeTableRow Row(int r) const;
    // The day of row r; null outside 0..RowCount-1.
    TClDay* RowDay(int r) const;
    // The event of row r; null for a header row, outside the rows, or when the day no longer
    // holds that event.
    TClEvent* RowEvent(int r) const;

  private:
    void AllocEntries(std::int32_t count);
    void FreeEntries();
    void AllocRows(std::int32_t count);
    void FreeRows();
    // Replaces the entries by these; no array when there are none.
    void StoreEntries(const TTimeTableEntry* entries, std::int32_t count);

    int BuildDay(TDateTime date);
    int BuildWeek(TDateTime date);
    int BuildMonth(TDateTime date);

    // Event rows of an entry's day, capped at what a row can address.
    std::int32_t EventRows(std::int32_t entryIndex) const;

    void DrawEmptyArea(platform::Canvas& canvas, const platform::Rect& rect) const;
    void DrawHeader(platform::Canvas& canvas, const TTimeTableEntry& entry,
                    const platform::Rect& rect) const;
    // "7 marca 2004" of a header whose date encodes.
    std::string HeaderDateText(const TTimeTableEntry& entry) const;
    // Whether an event's category gets its box, and its colours when it does.
    bool FindCategoryBox(const std::string& category, TColor& color, TColor& textColor) const;
    void DrawEvent(platform::Canvas& canvas, const TClEvent* event, const platform::Rect& rect,
                   bool selected) const;
    // Returns whether the category exists, and so whether its box was drawn.
    bool DrawCategoryBox(platform::Canvas& canvas, const std::string& category,
                         const platform::Rect& rect) const;
    void DrawLines(platform::Canvas& canvas, const platform::Rect& rect, bool lastRow) const;
};
