#include "platform/Clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "platform/Dates.h"

namespace platform {
namespace {

class SystemClock final : public Clock {
  public:
    TDateTime Now() const override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        const TDateTime day = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
        const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
        return day + seconds / 86400.0;
    }
};

std::unique_ptr<Clock>& Installed() {
    static std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    return clock;
}

}  // namespace

std::unique_ptr<Clock> SetClock(std::unique_ptr<Clock> clock) {
    if (!clock) clock = std::make_unique<SystemClock>();
    Installed().swap(clock);
    return clock;
}

TDateTime Now() {
    return Installed()->Now();
}

TDateTime Date() {
    return std::floor(Now());
}

}  // namespace platform
