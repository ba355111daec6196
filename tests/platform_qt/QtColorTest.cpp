#include <gtest/gtest.h>

#include "platform/qt/QtColor.h"

namespace platform {
namespace {

TEST(QtColor, RedIsTheLowByteAndTheHighByteIsIgnored) {
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0xFF8000), QColor(0, 0x80, 0xFF));
    EXPECT_EQ(ToQColor(0xFF800000), QColor(0, 0, 0x80));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(FromQColor(QColor::fromHsv(0, 255, 255)), 0x0000FFu);  // any colour model
}

}  // namespace
}  // namespace platform
