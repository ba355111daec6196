#include <gtest/gtest.h>

#include <stdexcept>

#include "app/Application.h"
#include "platform/Dialogs.h"
#include "tests/support/ScriptedDialogs.h"

TEST(ApplicationTest, AnEscapedExceptionIsShownWithItsMessage) {
    testing_support::ScriptedMessageBoxes boxes;
    boxes.Expect("'x' is not a valid integer value", "Quirvale 2",
                 platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    const std::invalid_argument error("'x' is not a valid integer value");
    Application::ShowException(&error);
}

TEST(ApplicationTest, AnExceptionOfAnotherKindIsShownWithAnEmptyMessage) {
    testing_support::ScriptedMessageBoxes boxes;
    boxes.Expect("", "Quirvale 2", platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    Application::ShowException(nullptr);
}

TEST(ApplicationTest, AnExceptionEscapingStartUpIsShownAndEndsWithFailure) {
    testing_support::ScriptedMessageBoxes boxes;
    boxes.Expect("window broken", "Quirvale 2", platform::mb::Ok | platform::mb::IconStop,
                 platform::answer::Ok);
    boxes.Expect("", "Quirvale 2", platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    EXPECT_EQ(1, Application::Run([]() -> int { throw std::runtime_error("window broken"); }));
    EXPECT_EQ(1, Application::Run([]() -> int { throw 42; }));
    EXPECT_EQ(7, Application::Run([] { return 7; }));
}
