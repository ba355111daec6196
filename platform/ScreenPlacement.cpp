#include "platform/ScreenPlacement.h"

#include <algorithm>

namespace platform {
namespace {

// A window's frame in 64 bits: a stored corner plus the size may pass the range of int.
struct Span {
    std::int64_t left;
    std::int64_t top;
    std::int64_t right;
    std::int64_t bottom;
};

Span Frame(std::int64_t left, std::int64_t top, int width, int height) {
    return {left, top, left + width, top + height};
}

// The length two ranges share, negative when they lie apart.
std::int64_t Shared(std::int64_t low, std::int64_t high, std::int64_t otherLow,
                    std::int64_t otherHigh) {
    return std::min(high, otherHigh) - std::max(low, otherLow);
}

// Within the screen from top to bottom, and across as far as the screen's width allows.
bool LiesOn(const Rect& screen, const Span& span) {
    return span.top >= screen.top && span.bottom <= screen.bottom &&
           Shared(screen.left, screen.right, span.left, span.right) >=
               std::min<std::int64_t>(span.right - span.left, screen.Width());
}

std::int64_t OverlapArea(const Rect& screen, const Span& span) {
    const std::int64_t across = Shared(screen.left, screen.right, span.left, span.right);
    const std::int64_t down = Shared(screen.top, screen.bottom, span.top, span.bottom);
    return across > 0 && down > 0 ? across * down : 0;
}

// The screen holding the most of the frame; null when it reaches none.
const Rect* MostOf(const Span& frame, const std::vector<Rect>& screens) {
    const Rect* best = nullptr;
    std::int64_t bestArea = 0;
    for (const Rect& screen : screens) {
        const std::int64_t area = OverlapArea(screen, frame);
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    return best;
}

// The least move along one axis that puts [start, start + length) within [low, high); the
// start stays at `low` when the length does not fit.
int Within(std::int64_t start, int length, int low, int high) {
    return static_cast<int>(
        std::max<std::int64_t>(low, std::min<std::int64_t>(start, high - length)));
}

WindowPosition MovedOnto(const Rect& screen, std::int64_t left, std::int64_t top, int width,
                         int height) {
    return {Within(left, width, screen.left, screen.right),
            Within(top, height, screen.top, screen.bottom)};
}

}  // namespace

WindowPosition StartPosition(std::int32_t left, std::int32_t top, int width, int height,
                             int titleHeight, const std::vector<Rect>& screens) {
    if (screens.empty()) return {left, top};
    const Span titleStrip = Frame(left, top, width, titleHeight);
    for (const Rect& screen : screens)
        if (LiesOn(screen, titleStrip)) return {left, top};
    if (const Rect* screen = MostOf(Frame(left, top, width, height), screens))
        return MovedOnto(*screen, left, top, width, height);
    // Centred as on a first start: half the difference, rounded toward minus infinity.
    const Rect& primary = screens.front();
    return MovedOnto(primary, primary.left + ((primary.Width() - width) >> 1),
                     primary.top + ((primary.Height() - height) >> 1), width, height);
}

WindowPosition KeptOnScreen(int left, int top, int width, int height,
                            const std::vector<Rect>& screens) {
    if (screens.empty()) return {left, top};
    const Rect* screen = MostOf(Frame(left, top, width, height), screens);
    return MovedOnto(screen != nullptr ? *screen : screens.front(), left, top, width, height);
}

}  // namespace platform
