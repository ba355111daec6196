#include <gtest/gtest.h>

#include "app/Application.h"

// The program's own application object for the whole test binary (its exception handling,
// its translations, the process locale it takes from the environment); the tests run
// offscreen.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
