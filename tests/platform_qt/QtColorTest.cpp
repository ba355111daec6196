#include <gtest/gtest.h>

#include "platform/qt/QtColor.h"

namespace platform {
namespace {

TEST(QtColor, RedIsTheLowByte) {
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(ToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(0x800000), QColor(0, 0, 0x80));  // navy
    EXPECT_EQ(ToQColor(0xFF8000), QColor(0, 0x80, 0xFF));
}

TEST(QtColor, IgnoresTheHighByte) {
    EXPECT_EQ(ToQColor(0xFF123456), ToQColor(0x123456));
}

TEST(QtColor, RoundTrips) {
    for (const TColor color : {0x000000u, 0xFFFFFFu, 0x008000u, 0xC08000u, 0x123456u}) {
        EXPECT_EQ(FromQColor(ToQColor(color)), color);
    }
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
}

TEST(QtColor, ConvertsFromOtherColourModels) {
    EXPECT_EQ(FromQColor(QColor::fromHsv(0, 255, 255)), 0x0000FFu);
}

}  // namespace
}  // namespace platform
