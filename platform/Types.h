#pragma once

#include <cstdint>

// A colour as the original Windows program stores it: 0x00BBGGRR, red in the low byte.
using TColor = std::uint32_t;

// A date as a day number: day 0 is 30 December 1899; a fraction is the time of day.
using TDateTime = double;
