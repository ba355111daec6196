#pragma once

#include <memory>

#include "platform/Types.h"

namespace platform {

// Where "now" comes from. The program uses the system clock; tests install a fixed one.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual TDateTime Now() const = 0;
};

// Installs a clock; nullptr restores the system clock. Returns the clock it replaced.
std::unique_ptr<Clock> SetClock(std::unique_ptr<Clock> clock);

// The current local date and time.
TDateTime Now();
// Today's date without a time of day.
TDateTime Date();

}  // namespace platform
