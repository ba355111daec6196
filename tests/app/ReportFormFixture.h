#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/DataFile.h"
#include "platform/Files.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/Environment.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/UserInput.h"

// The window opened centred over its owner, as far as the frames' rounding allows.
inline void ExpectCentredHorizontally(const QWidget& owner, const QWidget& window) {
    const int ownerCentre = owner.frameGeometry().center().x();
    const int windowCentre = window.frameGeometry().center().x();
    EXPECT_LE(std::abs(ownerCentre - windowCentre), 2)
        << "owner centre " << ownerCentre << ", window centre " << windowCentre;
}

// A report dialog's surroundings: a program folder of its own for the settings files, a new
// document and scripted dialogs.
class ReportFormTest : public ::testing::Test {
  protected:
    ReportFormTest() {
        platform::SetProgramDirectory(programDir.Path().string());
        testing_support::MakeNew(document);
    }
    ~ReportFormTest() override { platform::SetProgramDirectory(""); }

    std::string ProgramFile(const std::string& name) const { return programDir.File(name); }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(programDir.Path() / name);
    }

    // A user's click on the box's indicator.
    static void ClickBox(QCheckBox& box) { user_input::Click(box, QPoint(6, box.height() / 2)); }

    static std::string AccessibleName(QWidget& control) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
        return accessible != nullptr ? accessible->text(QAccessible::Name).toStdString() : "";
    }

    testing_support::TempDir programDir;
    testing_support::TempDir outputDir;
    testing_support::ScriptedMessageBoxes boxes;
    testing_support::ScriptedFileDialogs files;
    testing_support::ScriptedColorDialogs colors;
    TDataFile document;
};
