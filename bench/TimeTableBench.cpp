// Cost of a month view: building its rows and painting every one of them, against a walk
// over the same rows that neither builds nor draws.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/Dates.h"
#include "tests/support/RecordingCanvas.h"
#include "timetable/DrawTimeTable.h"

namespace {

const std::array<std::string, 7> kDayNames = {"Niedziela", "Poniedziałek", "Wtorek", "Środa",
                                              "Czwartek",  "Piątek",       "Sobota"};
const std::array<std::string, 12> kMonthNamesGen = {
    "stycznia", "lutego",   "marca",    "kwietnia",     "maja",      "czerwca",
    "lipca",    "sierpnia", "września", "października", "listopada", "grudnia"};

constexpr int kDays = 31;
constexpr int kEventsPerDay = 20;
constexpr int kRowHeight = 18;

// March 2004 with 20 events on every day, every other one in a category.
struct BusyMonth {
    BusyMonth() {
        calendar.AddCategory({"Sprawdzian", 0x0000FF, 0xFFFFFF});
        calendar.AddCategory({"Kartkówka", 0x00FFFF, 0x000000});
        const char* categories[] = {"Sprawdzian", "", "Kartkówka", ""};
        for (int day = 1; day <= kDays; ++day)
            for (int i = 0; i < kEventsPerDay; ++i)
                calendar.AddEvent(
                    day, 3, 2004,
                    new TClEvent{"Zadanie " + std::to_string(i), "Opis", 0, 0, categories[i % 4]});
        painter.SetCalendar(&calendar);
        painter.SetNameTables(&kDayNames, nullptr, &kMonthNamesGen);
        painter.SetRange(2);
    }

    TClCalendar calendar;
    TDrawTimeTable painter;
    const TDateTime date = platform::EncodeDate(2004, 3, 15);
};

platform::Rect RowRect(int row) {
    return {0, row * kRowHeight, 400, (row + 1) * kRowHeight};
}

void BM_BuildAndPaintMonth(benchmark::State& state) {
    BusyMonth month;
    testing_support::RecordingCanvas canvas;
    for (auto _ : state) {
        month.painter.Build(month.date);
        for (int r = 0; r < month.painter.RowCount; ++r)
            month.painter.DrawCell(canvas, 0, r, RowRect(r), r == 1);
        canvas.ClearCalls();
    }
    state.SetItemsProcessed(state.iterations() * month.painter.RowCount);
}
BENCHMARK(BM_BuildAndPaintMonth);

void BM_WalkMonthRows(benchmark::State& state) {
    BusyMonth month;
    month.painter.Build(month.date);
    for (auto _ : state) {
        for (int r = 0; r < month.painter.RowCount; ++r) {
            benchmark::DoNotOptimize(month.painter.RowDay(r));
            benchmark::DoNotOptimize(month.painter.RowEvent(r));
        }
    }
    state.SetItemsProcessed(state.iterations() * month.painter.RowCount);
}
BENCHMARK(BM_WalkMonthRows);

}  // namespace
