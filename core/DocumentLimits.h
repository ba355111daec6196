#pragma once

#include <cstdint>
#include <string>

#include "platform/ByteStream.h"
#include "platform/Cp1250.h"

// What one document may hold. Each bound is far above any school year's (the stress
// document has 100 subjects, 10,000 marks and 18,260 diary events) and keeps the largest
// document the loader takes to a few hundred megabytes and a second or two to open and show.
// A file that goes past one is refused whole, before its records are made.
inline constexpr std::uint32_t kMostSubjects = 1000;
inline constexpr std::uint32_t kMostMarks = 1000000;
// Years, months, days, events and categories counted together.
inline constexpr std::uint32_t kMostDiaryRecords = 2000000;
// Bytes of one text in code page 1250, one a character: what the text fields let the user type.
inline constexpr std::uint32_t kLongestText = platform::kLongestText;

// Counts what a load has taken against the limits. Once a take is refused the load fails
// and Exceeded() tells it from damage.
class TDocumentAllowance {
  public:
    bool TakeSubjects(std::uint32_t count) { return Take(subjects_, count); }
    bool TakeMarks(std::uint32_t count) { return Take(marks_, count); }
    bool TakeDiaryRecords(std::uint32_t count) { return Take(diaryRecords_, count); }
    // A length-prefixed string of at most kLongestText bytes; -1 when the data ends early or
    // the text is longer (nothing is allocated for it then). Only a text whose bytes are
    // there counts as too long: a count past the end of the data is damage.
    std::int32_t ReadString(platform::ByteReader& in, std::string& text);

    bool Exceeded() const { return exceeded_; }

  private:
    bool Take(std::uint32_t& left, std::uint32_t count) {
        if (count > left) {
            exceeded_ = true;
            return false;
        }
        left -= count;
        return true;
    }

    std::uint32_t subjects_ = kMostSubjects;
    std::uint32_t marks_ = kMostMarks;
    std::uint32_t diaryRecords_ = kMostDiaryRecords;
    bool exceeded_ = false;
};
