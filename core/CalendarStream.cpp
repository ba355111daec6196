// The calendar block of the document file: the diary's records and the categories.

#include <algorithm>

#include "core/Calendar.h"
#include "core/Strings.h"

namespace {

// The smallest record of the diary, a category with an empty name: a count larger than the
// bytes left could hold is damage, which the reading runs into, not a diary too large.
constexpr std::size_t kSmallestRecord = 12;

// Takes `count` records of the allowance, or as many as the bytes left could hold.
bool TakeRecords(TDocumentAllowance& allowance, std::int32_t count,
                 const platform::ByteReader& in) {
    if (count <= 0) return true;
    const std::size_t possible = in.Remaining() / kSmallestRecord;
    return allowance.TakeDiaryRecords(static_cast<std::uint32_t>(
        std::min<std::size_t>(static_cast<std::size_t>(count), possible)));
}

// Reads a record's tag; false when it is missing or differs from `tag` in any byte.
bool ReadTag(platform::ByteReader& in, const std::string& tag) {
    return TClStreamReadTag(in, tag) == 0;
}

void WriteUnitHead(platform::ByteWriter& out, const std::string& tag, std::int32_t value,
                   std::int32_t minValue, std::int32_t maxValue, std::int32_t count) {
    TClStreamWriteString(out, tag);
    out.WriteI32(value);
    out.WriteI32(minValue);
    out.WriteI32(maxValue);
    out.WriteI32(count);
}

// The part shared by the calendar, a year and a month: tag, number, bounds and the children,
// each appended in file order. A child that fails is deleted and ends the load with -1; the
// children read before it stay.
template <typename Child, typename Unit>
std::int32_t LoadUnit(Unit& unit, platform::ByteReader& in, const std::string& tag,
                      const TClVerificationStrings& tags, TDocumentAllowance& allowance) {
    if (!ReadTag(in, tag)) return -1;
    std::int32_t count = 0;
    if (!in.ReadI32(unit.Value) || !in.ReadI32(unit.MinValue) || !in.ReadI32(unit.MaxValue) ||
        !in.ReadI32(count) || !TakeRecords(allowance, count, in))
        return -1;
    // A negative count reads as none. Children are made one at a time as their records are
    // read, so a count larger than the data only runs into the end of the data.
    for (std::int32_t i = 0; i < count; ++i) {
        auto* child = new Child;
        if (child->LoadFromStream(in, tags, allowance) != 0) {
            delete child;
            return -1;
        }
        unit.Children.Add(child);
    }
    return 0;
}

template <typename Unit>
void SaveChildren(Unit& unit, platform::ByteWriter& out, const TClVerificationStrings& tags) {
    for (std::int32_t i = 0; i < unit.Count(); ++i) unit.GetChild(i)->SaveToStream(out, tags);
}

bool ReadEvent(platform::ByteReader& in, TClEvent& event, TDocumentAllowance& allowance) {
    return allowance.ReadString(in, event.Subject) == 0 &&
           allowance.ReadString(in, event.Description) == 0 &&
           allowance.ReadString(in, event.Category) == 0 && in.ReadI32(event.Reserved1) &&
           in.ReadU8(event.Reserved2);
}

bool ReadCategory(platform::ByteReader& in, TClEventCategory& category,
                  TDocumentAllowance& allowance) {
    return in.ReadU32(category.Color) && in.ReadU32(category.TextColor) &&
           allowance.ReadString(in, category.Name) == 0;
}

}  // namespace

std::int32_t TClDay::SaveToStream(platform::ByteWriter& out, const TClVerificationStrings& tags) {
    TClStreamWriteString(out, tags.Day);
    out.WriteI32(Day);
    out.WriteI32(Events.Count);
    for (std::int32_t i = 0; i < Events.Count; ++i) {
        const TClEvent* event = Events.Get(i);
        TClStreamWriteString(out, event->Subject);
        TClStreamWriteString(out, event->Description);
        TClStreamWriteString(out, event->Category);
        out.WriteI32(event->Reserved1);
        out.WriteU8(event->Reserved2);
    }
    return 0;
}

std::int32_t TClDay::LoadFromStream(platform::ByteReader& in, const TClVerificationStrings& tags,
                                    TDocumentAllowance& allowance) {
    if (!ReadTag(in, tags.Day)) return -1;
    Events.Clear();
    Day = 0;
    std::int32_t count = 0;
    if (!in.ReadI32(Day) || !in.ReadI32(count) || !TakeRecords(allowance, count, in)) return -1;
    for (std::int32_t i = 0; i < count; ++i) {
        auto* event = new TClEvent;
        if (!ReadEvent(in, *event, allowance)) {
            delete event;
            return -1;
        }
        Events.Add(event);
    }
    return 0;
}

std::int32_t TClMonth::SaveToStream(platform::ByteWriter& out, const TClVerificationStrings& tags) {
    WriteUnitHead(out, tags.Month, Value, MinValue, MaxValue, Count());
    SaveChildren(*this, out, tags);
    return 0;
}

std::int32_t TClMonth::LoadFromStream(platform::ByteReader& in, const TClVerificationStrings& tags,
                                      TDocumentAllowance& allowance) {
    return LoadUnit<TClDay>(*this, in, tags.Month, tags, allowance);
}

std::int32_t TClYear::SaveToStream(platform::ByteWriter& out, const TClVerificationStrings& tags) {
    WriteUnitHead(out, tags.Year, Value, MinValue, MaxValue, Count());
    SaveChildren(*this, out, tags);
    return 0;
}

std::int32_t TClYear::LoadFromStream(platform::ByteReader& in, const TClVerificationStrings& tags,
                                     TDocumentAllowance& allowance) {
    return LoadUnit<TClMonth>(*this, in, tags.Year, tags, allowance);
}

std::int32_t TClCalendar::SaveToStream(platform::ByteWriter& out,
                                       const TClVerificationStrings& tags) {
    WriteUnitHead(out, tags.Calendar, Value, MinValue, MaxValue, Count());
    SaveChildren(*this, out, tags);
    out.WriteI32(Categories.Count);
    for (std::int32_t i = 0; i < Categories.Count; ++i) {
        const TClEventCategory* category = Categories.Get(i);
        out.WriteU32(category->Color);
        out.WriteU32(category->TextColor);
        TClStreamWriteString(out, category->Name);
    }
    return 0;
}

std::int32_t TClCalendar::LoadFromStream(platform::ByteReader& in,
                                         const TClVerificationStrings& tags) {
    TDocumentAllowance allowance;
    return LoadFromStream(in, tags, allowance);
}

std::int32_t TClCalendar::LoadFromStream(platform::ByteReader& in,
                                         const TClVerificationStrings& tags,
                                         TDocumentAllowance& allowance) {
    if (LoadUnit<TClYear>(*this, in, tags.Calendar, tags, allowance) != 0) return -1;
    Categories.Clear();
    std::int32_t count = 0;
    if (!in.ReadI32(count) || !TakeRecords(allowance, count, in)) return -1;
    for (std::int32_t i = 0; i < count; ++i) {
        auto* category = new TClEventCategory;
        if (!ReadCategory(in, *category, allowance)) {
            delete category;
            return -1;
        }
        Categories.Add(category);
    }
    return 0;
}
