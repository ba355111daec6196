#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Main.h"
#include "core/ProgramOptions.h"
#include "platform/Files.h"
#include "tests/support/Environment.h"
#include "tests/support/ScriptedDialogs.h"
#include "ui_Main.h"

// A main window in a temporary program folder, with a fixed today and scripted dialogs.
class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() : today(2005, 10, 3) {  // a Monday
        platform::SetProgramDirectory(programDir.Path().string());
    }
    ~MainWindowTest() override {
        window.reset();
        platform::SetProgramDirectory("");
    }

    TMainForm& Open() {
        window = std::make_unique<TMainForm>();
        return *window;
    }
    Ui::TMainForm& ui() { return window->Ui(); }
    std::string SettingsPath() const { return programDir.File("settings.dat"); }
    void WriteSettings(std::uint8_t openLast, const std::string& lastFile, int left, int top) {
        TProgramOptions options;
        options.OpenLastFile = openLast;
        options.LastFile = lastFile;
        options.Left = left;
        options.Top = top;
        ASSERT_EQ(0, options.SaveToFile(SettingsPath()));
    }

    testing_support::TempDir programDir;
    testing_support::FixedToday today;
    testing_support::DecimalSeparatorOverride separator{','};
    testing_support::ScriptedMessageBoxes boxes;
    testing_support::ScriptedFileDialogs files;
    std::unique_ptr<TMainForm> window;
};
