// The calendar block of the document file: the diary's records and the categories.

#include "core/Calendar.h"
#include "core/Strings.h"

namespace {

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
                      const TClVerificationStrings& tags) {
    if (!ReadTag(in, tag)) return -1;
    std::int32_t count = 0;
    if (!in.ReadI32(unit.Value) || !in.ReadI32(unit.MinValue) || !in.ReadI32(unit.MaxValue) ||
        !in.ReadI32(count))
        return -1;
    // A negative count reads as none. Children are made one at a time as their records are
    // read, so a count larger than the data only runs into the end of the data.
    for (std::int32_t i = 0; i < count; ++i) {
        auto* child = new Child;
        if (child->LoadFromStream(in, tags) != 0) {
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

bool ReadEvent(platform::ByteReader& in, TClEvent& event) {
    return TClStreamReadString(in, event.Subject) == 0 &&
           TClStreamReadString(in, event.Description) == 0 &&
           TClStreamReadString(in, event.Category) == 0 && in.ReadI32(event.Reserved1) &&
           in.ReadU8(event.Reserved2);
}

bool ReadCategory(platform::ByteReader& in, TClEventCategory& category) {
    return in.ReadU32(category.Color) && in.ReadU32(category.TextColor) &&
           TClStreamReadString(in, category.Name) == 0;
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

std::int32_t TClDay::LoadFromStream(platform::ByteReader& in, const TClVerificationStrings& tags) {
    if (!ReadTag(in, tags.Day)) return -1;
    Events.Clear();
    Day = 0;
    std::int32_t count = 0;
    if (!in.ReadI32(Day) || !in.ReadI32(count)) return -1;
    for (std::int32_t i = 0; i < count; ++i) {
        auto* event = new TClEvent;
        if (!ReadEvent(in, *event)) {
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

std::int32_t TClMonth::LoadFromStream(platform::ByteReader& in,
                                      const TClVerificationStrings& tags) {
    return LoadUnit<TClDay>(*this, in, tags.Month, tags);
}

std::int32_t TClYear::SaveToStream(platform::ByteWriter& out, const TClVerificationStrings& tags) {
    WriteUnitHead(out, tags.Year, Value, MinValue, MaxValue, Count());
    SaveChildren(*this, out, tags);
    return 0;
}

std::int32_t TClYear::LoadFromStream(platform::ByteReader& in, const TClVerificationStrings& tags) {
    return LoadUnit<TClMonth>(*this, in, tags.Year, tags);
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
    if (LoadUnit<TClYear>(*this, in, tags.Calendar, tags) != 0) return -1;
    Categories.Clear();
    std::int32_t count = 0;
    if (!in.ReadI32(count)) return -1;
    for (std::int32_t i = 0; i < count; ++i) {
        auto* category = new TClEventCategory;
        if (!ReadCategory(in, *category)) {
            delete category;
            return -1;
        }
        Categories.Add(category);
    }
    return 0;
}
