#include "platform/TypedDate.h"

#include <charconv>

#include "platform/Dates.h"

namespace platform {
namespace {

bool IsSeparator(char c) {
    return c == '.' || c == '-' || c == '/';
}

int Number(const std::string& digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

bool TypedDate::Type(char c) {
    if (Whole()) return false;
    if (c >= '0' && c <= '9') {
        // A full day or month passes the digit on to the next field.
        if (fields_[field_].size() == kWidths[field_]) ++field_;
        fields_[field_] += c;
    } else if (IsSeparator(c) && field_ < kYear && !fields_[field_].empty()) {
        ++field_;
    } else {
        return false;
    }
    typed_ += c;
    return true;
}

void TypedDate::Erase() {
    if (typed_.empty()) return;
    const std::string kept = typed_.substr(0, typed_.size() - 1);
    Clear();
    for (const char c : kept) Type(c);
}

void TypedDate::Clear() {
    typed_.clear();
    for (std::string& field : fields_) field.clear();
    field_ = 0;
}

bool TypedDate::Date(TDateTime& date) const {
    return Whole() &&
           TryEncodeDate(Number(fields_[kYear]), Number(fields_[1]), Number(fields_[0]), date);
}

std::string TypedDate::Text() const {
    std::string text = fields_[0];
    for (int field = 1; field <= field_; ++field) text += "." + fields_[field];
    return text;
}

}  // namespace platform
