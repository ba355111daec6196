#pragma once

#include <string>

#include "platform/Types.h"

namespace platform {

// A date typed character by character as it is written, the day, the month and the year in
// this order: "15032024", "15.03.2024" or "1.3.2024". The day and the month take one or two
// digits (a separator ends one early), the year four; the entry is whole with the year's
// fourth digit, and takes nothing more then.
class TypedDate {
  public:
    // False, and the entry unchanged, for a character that goes in no place of the date.
    bool Type(char c);
    // Takes back the last character typed.
    void Erase();
    void Clear();

    bool Empty() const { return typed_.empty(); }
    bool Whole() const { return fields_[kYear].size() == kWidths[kYear]; }
    // The date the whole entry names; false while it is not whole or names no day from
    // 1.1.0001 to 31.12.9999.
    bool Date(TDateTime& date) const;
    // What is typed so far, a dot between the fields begun: "15.0" after "150".
    std::string Text() const;

  private:
    static constexpr int kYear = 2;
    static constexpr std::size_t kWidths[] = {2, 2, 4};

    std::string typed_;
    std::string fields_[3];
    int field_ = 0;
};

}  // namespace platform
