#include <gtest/gtest.h>

#include "UserInput.h"
#include "platform/qt/CheckBox.h"

namespace platform {
namespace {

class CheckBoxTest : public ::testing::Test {
  protected:
    CheckBoxTest() {
        box_.setText("Obramowanie");
        box_.resize(120, 20);
        box_.show();
        QObject::connect(&box_, &CheckBox::click, [this] { states_.push_back(box_.Checked()); });
    }

    CheckBox box_;
    std::vector<bool> states_;  // the state seen by each click handler
};

TEST_F(CheckBoxTest, ProgramRunsTheClickOnlyOnAChangeOfState) {
    box_.SetChecked(true);
    box_.SetChecked(true);
    box_.SetChecked(false);
    box_.SetChecked(false);
    EXPECT_EQ(states_, (std::vector<bool>{true, false}));
}

TEST_F(CheckBoxTest, UserClickTogglesThenRunsTheClick) {
    user_input::Click(box_, QPoint(8, 10));
    EXPECT_TRUE(box_.Checked());
    EXPECT_EQ(states_, std::vector<bool>{true});
}

}  // namespace
}  // namespace platform
