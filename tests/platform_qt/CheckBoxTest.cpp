#include <gtest/gtest.h>

#include "platform/qt/CheckBox.h"
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

}  // namespace
}  // namespace platform
