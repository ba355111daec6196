#pragma once

#include "platform/Types.h"

// The colours the windows share, red in the low byte.
inline constexpr TColor kNavy = 0x800000;       // title strips, bars, weekday names
inline constexpr TColor kLightBlue = 0xC08000;  // the days-left and preview bars
inline constexpr TColor kRed = 0x0000FF;        // Sundays and alarms
