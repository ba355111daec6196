#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/ScreenPlacement.h"

namespace platform {
namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 400;
constexpr int kTitle = 30;
const Rect kLaptop{0, 0, 1366, 728};       // its free area, above a task bar
const Rect kRightOf{1366, 0, 3286, 1080};  // a second screen to its right

bool WhollyOn(const Rect& screen, WindowPosition at, int width, int height) {
    return at.left >= screen.left && at.top >= screen.top && at.left + width <= screen.right &&
           at.top + height <= screen.bottom;
}

TEST(StartPosition, TheIntegerLimitsPutTheWindowOnTheScreen) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (const auto& [left, top] : {std::pair{kMin, kMax}, std::pair{kMax, kMin},
                                    std::pair{kMax, kMax}, std::pair{kMin, kMin}}) {
        EXPECT_TRUE(WhollyOn(kLaptop, StartPosition(left, top, kWidth, kHeight, kTitle, {kLaptop}),
                             kWidth, kHeight))
            << left << ", " << top;
    }
    // Reaching no screen, it opens centred on the primary one as on a first start.
    EXPECT_EQ((WindowPosition{383, 164}),
              StartPosition(kMin, kMax, kWidth, kHeight, kTitle, {kLaptop, kRightOf}));
}

TEST(StartPosition, AWindowWhoseTitleStripLiesOnAScreenStaysWhereItWas) {
    // Most of it below the screen's bottom or past its right edge, the strip still on it.
    EXPECT_EQ((WindowPosition{100, 728 - kTitle}),
              StartPosition(100, 728 - kTitle, kWidth, kHeight, kTitle, {kLaptop}));
    EXPECT_EQ((WindowPosition{1366 - kWidth, 0}),
              StartPosition(1366 - kWidth, 0, kWidth, kHeight, kTitle, {kLaptop}));
    // Wholly on the second screen.
    EXPECT_EQ((WindowPosition{2000, 500}),
              StartPosition(2000, 500, kWidth, kHeight, kTitle, {kLaptop, kRightOf}));
}

TEST(StartPosition, AWindowWithOnlyPartOfItsTitleStripOnAScreenMovesWhollyOntoIt) {
    // One pixel of the strip down on the screen is not enough to grab it.
    EXPECT_EQ((WindowPosition{100, 0}),
              StartPosition(100, -kTitle + 1, kWidth, kHeight, kTitle, {kLaptop}));
    EXPECT_EQ((WindowPosition{100, 728 - kHeight}),
              StartPosition(100, 728 - kTitle + 1, kWidth, kHeight, kTitle, {kLaptop}));
    EXPECT_EQ((WindowPosition{1366 - kWidth, 50}),
              StartPosition(1365, 50, kWidth, kHeight, kTitle, {kLaptop}));
    // Onto the screen that holds the most of it.
    EXPECT_EQ((WindowPosition{1366, 50}),
              StartPosition(1366 - 200, 50, kWidth, kHeight, kTitle, {kLaptop, kRightOf}));
    EXPECT_EQ((WindowPosition{1366 - kWidth, 50}),
              StartPosition(1366 - 400, 50, kWidth, kHeight, kTitle, {kLaptop, kRightOf}));
}

TEST(StartPosition, AWindowLargerThanTheScreenKeepsItsTopLeftCornerOnIt) {
    EXPECT_EQ((WindowPosition{0, 0}), StartPosition(-5000, -5000, 1400, 800, kTitle, {kLaptop}));
    EXPECT_EQ((WindowPosition{0, 0}), StartPosition(-20, -20, 1400, 800, kTitle, {kLaptop}));
    EXPECT_EQ((WindowPosition{0, 0}), StartPosition(20, 50, 1400, 800, kTitle, {kLaptop}));
    // Its title strip across the whole screen's width is on the screen.
    EXPECT_EQ((WindowPosition{-20, 50}), StartPosition(-20, 50, 1400, 800, kTitle, {kLaptop}));
}

TEST(KeptOnScreen, ADialogOverAWindowPartlyOffTheScreenLiesWhollyOnIt) {
    // Centred over a main window hanging off the bottom of a 1366×768 screen.
    EXPECT_EQ((WindowPosition{500, 728 - 300}), KeptOnScreen(500, 600, 300, 300, {kLaptop}));
    EXPECT_EQ((WindowPosition{0, 0}), KeptOnScreen(-50, -50, 300, 300, {kLaptop}));
    EXPECT_EQ((WindowPosition{500, 200}), KeptOnScreen(500, 200, 300, 300, {kLaptop}));
    // On the screen holding the most of it; onto the primary when it reaches none.
    EXPECT_EQ((WindowPosition{1366, 200}), KeptOnScreen(1300, 200, 300, 300, {kLaptop, kRightOf}));
    EXPECT_EQ((WindowPosition{0, 428}), KeptOnScreen(-9000, 9000, 300, 300, {kLaptop, kRightOf}));
    // Larger than the screen: its title bar and left edge stay on it.
    EXPECT_EQ((WindowPosition{0, 0}), KeptOnScreen(-100, -100, 1500, 900, {kLaptop}));
}

}  // namespace
}  // namespace platform
