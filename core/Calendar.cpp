#include "core/Calendar.h"

#include <utility>

#include "core/Strings.h"

TClVerificationStrings::TClVerificationStrings()
    : Day("DAY"), Month("MONTH"), Year("YEAR"), Calendar("CALENDAR") {}

void TClEventsCategoriesList::FillComboBox(platform::ListControl& combo) {
    combo.ClearItems();
    for (std::int32_t i = 0; i < Count; ++i) combo.AddItem(Get(i)->Name);
}

void TClCalendar::Clear() {
    Children.Clear();
    Value = MinValue = MaxValue = 0;
}

TClDay* TClCalendar::GetOrCreateDay(std::int32_t day, std::int32_t month, std::int32_t year) {
    std::int32_t index = 0;
    TClYear* y = Find(year, &index);
    if (y == nullptr) {
        y = new TClYear;
        y->SetValue(year);
        AddSorted(y, &index);
    }
    TClMonth* m = y->Find(month, &index);
    if (m == nullptr) {
        m = new TClMonth;
        m->SetValue(month);
        y->AddSorted(m, &index);
    }
    TClDay* d = m->Find(day, &index);
    if (d == nullptr) {
        d = new TClDay;
        d->SetDay(day);
        m->AddSorted(d, &index);
    }
    return d;
}

void TClCalendar::AddEvent(std::int32_t day, std::int32_t month, std::int32_t year,
                           TClEvent* event) {
    GetOrCreateDay(day, month, year)->Events.Add(event);
}

void TClCalendar::DeleteYear(std::int32_t year) {
    std::int32_t index = 0;
    if (Find(year, &index) != nullptr) Children.Delete(index);
}

bool TClCalendar::FindCategory(const std::string& name, std::int32_t* index) {
    if (name.empty()) return false;
    std::int32_t found = -1;
    for (std::int32_t i = 0; i < Categories.Count; ++i) {
        if (TClStringsEqual(Categories.Get(i)->Name, name)) {
            found = i;
            break;
        }
    }
    if (index != nullptr) *index = found;
    return found >= 0;
}

bool TClCalendar::GetCategoryInfo(const std::string& name, TColor* color, TColor* textColor) {
    std::int32_t index = 0;
    if (!FindCategory(name, &index)) return false;
    const TClEventCategory* category = Categories.Get(index);
    if (color != nullptr) *color = category->Color;
    if (textColor != nullptr) *textColor = category->TextColor;
    return true;
}

bool TClCalendar::AddCategory(TClEventCategory category) {
    if (FindCategory(category.Name, nullptr)) return false;
    Categories.Add(new TClEventCategory(std::move(category)));
    return true;
}

void TClCalendar::DeleteCategory(std::int32_t index) {
    if (index < CategoriesCount()) Categories.Delete(index);
}
