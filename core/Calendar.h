#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "core/DocumentLimits.h"
#include "core/FixedPool.h"
#include "core/Lista.h"
#include "platform/ByteStream.h"
#include "platform/Controls.h"
#include "platform/Types.h"

// The diary ("Terminarz"): a sparse tree calendar -> years -> months -> days -> events.
// Only dates that were ever given an event exist. Each level keeps its children ascending
// by number, with bounds on the numbers inserted below it that no deletion narrows.

// The tags that open the records of the calendar block.
struct TClVerificationStrings {
    std::string Day, Month, Year, Calendar;
    TClVerificationStrings();
};

struct TClEvent {
    std::string Subject;
    std::string Description;
    // No meaning to the program; kept as read so that a file is written back unchanged.
    std::int32_t Reserved1 = 0;
    std::uint8_t Reserved2 = 0;
    // A category's name; matched against the categories only when drawn.
    std::string Category;

    // A diary holds tens of thousands of events: they come from a pool, not the heap.
    static void* operator new(std::size_t size) { return PooledNew<TClEvent>(size); }
    static void operator delete(void* pointer, std::size_t size) noexcept {
        PooledDelete<TClEvent>(pointer, size);
    }
};

// A day's events in the order they were added.
class TClEventsList : public TLista<TClEvent> {};

class TClDay {
  public:
    TClEventsList Events;
    std::int32_t Day = 0;

    std::int32_t GetDay() const { return Day; }
    void SetDay(std::int32_t day) { Day = day; }
    std::int32_t Count() const { return Events.Count; }
    // No range check: callers pass 0..Count()-1.
    TClEvent* GetEvent(std::int32_t index) { return Events.Get(index); }

    std::int32_t SaveToStream(platform::ByteWriter& out, const TClVerificationStrings& tags);
    // -1 on a wrong tag (nothing changed), when the data ends early or the allowance is spent.
    std::int32_t LoadFromStream(platform::ByteReader& in, const TClVerificationStrings& tags,
                                TDocumentAllowance& allowance);

    static void* operator new(std::size_t size) { return PooledNew<TClDay>(size); }
    static void operator delete(void* pointer, std::size_t size) noexcept {
        PooledDelete<TClDay>(pointer, size);
    }
};

// A year, a month or the calendar: a numbered unit with sorted, numbered children.
template <typename T>
class TClDateUnit {
  public:
    std::int32_t Value = 0;
    TLista<T> Children;
    // Set by insertions (see AddSorted), never narrowed by a deletion; lookups use them only
    // as a pre-filter, so bounds wider than the children cost a walk and nothing else.
    std::int32_t MinValue = 0;
    std::int32_t MaxValue = 0;

    std::int32_t GetValue() const { return Value; }
    void SetValue(std::int32_t value) { Value = value; }
    std::int32_t Count() const { return Children.Count; }

    // Null outside 0..Count()-1.
    T* GetChild(std::int32_t index) {
        if (index < 0 || index >= Children.Count) return nullptr;
        return Children.Get(index);
    }

    // The child with that number, or null; *index is its position, else 0.
    T* Find(std::int32_t number, std::int32_t* index) {
        *index = 0;
        if (Children.Count == 0 || number < MinValue || number > MaxValue) return nullptr;
        for (std::int32_t i = 0; i < Children.Count; ++i) {
            T* child = Children.Get(i);
            const std::int32_t n = NumberOf(*child);
            if (n == number) {
                *index = i;
                return child;
            }
            if (n > number) return nullptr;
        }
        return nullptr;
    }

    // Inserts the child in order and takes it; null when its number is taken, with *index the
    // holder's position and the child still the caller's. *index is 0 otherwise.
    T* AddSorted(T* child, std::int32_t* index) {
        *index = 0;
        const std::int32_t n = NumberOf(*child);
        if (Children.Count == 0) {
            Children.Add(child);
            MinValue = MaxValue = n;
            return child;
        }
        if (n < MinValue) {
            Children.InsertAt(0, child);
            MinValue = n;
            if (n > MaxValue) MaxValue = n;
            return child;
        }
        if (n > MaxValue) {
            Children.Add(child);
            MaxValue = n;
            if (n < MinValue) MinValue = n;
            return child;
        }
        for (std::int32_t i = 0; i < Children.Count; ++i) {
            const std::int32_t existing = NumberOf(*Children.Get(i));
            if (existing == n) {
                *index = i;
                return nullptr;
            }
            if (existing > n) {
                Children.InsertAt(i, child);
                return child;
            }
        }
        // Bounds left wider than the children by a deleted year: the stored files take the
        // new number as the largest, even where that narrows the bound.
        Children.Add(child);
        MaxValue = n;
        return child;
    }

  private:
    static std::int32_t NumberOf(const T& child) {
        if constexpr (std::is_same_v<T, TClDay>)
            return child.GetDay();
        else
            return child.GetValue();
    }
};

using TCl_Month = TClDateUnit<TClDay>;

class TClMonth : public TCl_Month {
  public:
    std::int32_t SaveToStream(platform::ByteWriter& out, const TClVerificationStrings& tags);
    std::int32_t LoadFromStream(platform::ByteReader& in, const TClVerificationStrings& tags,
                                TDocumentAllowance& allowance);
};

using TCl_Year = TClDateUnit<TClMonth>;

class TClYear : public TCl_Year {
  public:
    std::int32_t SaveToStream(platform::ByteWriter& out, const TClVerificationStrings& tags);
    std::int32_t LoadFromStream(platform::ByteReader& in, const TClVerificationStrings& tags,
                                TDocumentAllowance& allowance);
};

using TCl_Calendar = TClDateUnit<TClYear>;

struct TClEventCategory {
    std::string Name;
    // Background of the category box and colour of its name.
    TColor Color = 0;
    TColor TextColor = 0;
};

class TClEventsCategoriesList : public TLista<TClEventCategory> {
  public:
    // Replaces the items by the names in list order; selection and text are the caller's.
    void FillComboBox(platform::ListControl& combo);
};

class TClCalendar : public TCl_Calendar {
  public:
    TClEventsCategoriesList Categories;

    // Deletes every year and zeroes the bounds; the categories stay.
    void Clear();
    // Never null; creates the year, month and day as needed. Callers pass a valid date.
    TClDay* GetOrCreateDay(std::int32_t day, std::int32_t month, std::int32_t year);
    // Appends the event to the day's events and takes it.
    void AddEvent(std::int32_t day, std::int32_t month, std::int32_t year, TClEvent* event);
    // Deletes the year with everything below it; the bounds stay as they were.
    void DeleteYear(std::int32_t year);

    // Exact, case-sensitive; "" is never found. *index (when given) is the position or -1.
    bool FindCategory(const std::string& name, std::int32_t* index);
    // Writes the colours through the pointers that are not null; false when not found.
    bool GetCategoryInfo(const std::string& name, TColor* color, TColor* textColor);
    // Appends a copy; false (and nothing added) when the name exists.
    bool AddCategory(TClEventCategory category);
    void DeleteCategory(std::int32_t index);
    std::int32_t CategoriesCount() { return Categories.Count; }

    std::int32_t SaveToStream(platform::ByteWriter& out, const TClVerificationStrings& tags);
    // Appends the stored years in file order. -1 on a wrong tag or data that ends early: the
    // complete years before the failure stay. The categories are left as they were unless
    // every year was read; then they are replaced by the complete ones read before the end.
    // The records and texts count against the allowance of the document being read.
    std::int32_t LoadFromStream(platform::ByteReader& in, const TClVerificationStrings& tags,
                                TDocumentAllowance& allowance);
    // Alone, with a document's whole allowance.
    std::int32_t LoadFromStream(platform::ByteReader& in, const TClVerificationStrings& tags);
};
