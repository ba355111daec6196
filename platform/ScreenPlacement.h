#pragma once

#include <cstdint>
#include <vector>

#include "platform/Canvas.h"

namespace platform {

// A window's top-left corner, frame included.
struct WindowPosition {
    int left = 0;
    int top = 0;
    bool operator==(const WindowPosition&) const = default;
};

// Where the main window opens when it was kept at (left, top) with a frame of width × height,
// among the screens' free areas (the primary screen's first): where it was when its title strip,
// the frame's top `titleHeight` pixels, lies on one screen (across the whole screen when it is
// the wider); otherwise moved onto the screen holding the most of it, or centred on the primary
// screen when it reaches none. Any stored position is taken, however far out.
WindowPosition StartPosition(std::int32_t left, std::int32_t top, int width, int height,
                             int titleHeight, const std::vector<Rect>& screens);

// A window of width × height wanted at (left, top), moved the least way to lie wholly on the
// screen holding the most of it (the primary one when it reaches none); a window larger than
// that screen has its top-left corner on it. Unmoved when there is no screen at all.
WindowPosition KeptOnScreen(int left, int top, int width, int height,
                            const std::vector<Rect>& screens);

}  // namespace platform
