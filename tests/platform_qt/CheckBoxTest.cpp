#include <gtest/gtest.h>

#include "platform/qt/CheckBox.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

TEST(CheckBox, ClickRunsForTheUserAndForTheProgramsChangesOfState) {
    CheckBox box;
    box.resize(120, 20);
    box.show();
    std::vector<bool> seen;  // the state each click handler sees
    QObject::connect(&box, &CheckBox::click, [&] { seen.push_back(box.Checked()); });
    box.SetChecked(true);
    box.SetChecked(true);
    box.SetChecked(false);
    user_input::Click(box, QPoint(8, 10));
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
}

TEST(CheckBox, ClickRunsOnceForEveryChangeOfStateHoweverItComes) {
    CheckBox box;
    box.resize(120, 20);
    box.show();
    std::vector<bool> seen;
    QObject::connect(&box, &CheckBox::click, [&] { seen.push_back(box.Checked()); });
    accessible_actions::Toggle(box);
    user_input::KeyPress(box, Qt::Key_Space, " ");
    user_input::KeyRelease(box, Qt::Key_Space);
    accessible_actions::Toggle(box);
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
}

}  // namespace
}  // namespace platform
