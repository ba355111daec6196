#include <gtest/gtest.h>

#include <QLineEdit>

#include "platform/qt/ComboBox.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// Records the item index that each change handler sees.
class ComboBoxTest : public ::testing::Test {
  protected:
    ComboBoxTest() {
        QObject::connect(&combo_, &ComboBox::changed,
                         [this] { changes_.push_back(combo_.ItemIndex()); });
        for (const char* name : {"Matematyka", "Fizyka", "Język polski"}) combo_.AddItem(name);
        combo_.show();
    }

    ComboBox combo_;
    std::vector<int> changes_;
};

TEST_F(ComboBoxTest, ProgramChangesSelectNothingUnaskedAndEmitNothing) {
    EXPECT_EQ(combo_.ItemIndex(), -1);
    combo_.SetItemIndex(2);
    EXPECT_EQ(combo_.Text(), "Język polski");
    combo_.SetItemIndex(7);
    EXPECT_EQ(combo_.ItemIndex(), -1);
    combo_.ClearItems();
    EXPECT_TRUE(changes_.empty());
}

TEST_F(ComboBoxTest, UserSelectionEmitsChanged) {
    combo_.SetItemIndex(0);
    user_input::KeyPress(combo_, Qt::Key_Down);
    EXPECT_EQ(changes_, std::vector<int>{1});
}

TEST_F(ComboBoxTest, TypingLeavesNoItemSelectedAndKeepsTheText) {
    combo_.setEditable(true);
    combo_.SetItemIndex(0);
    combo_.lineEdit()->setCursorPosition(4);
    user_input::Type(*combo_.lineEdit(), "Xy");
    EXPECT_EQ(changes_, (std::vector<int>{-1, -1}));
    EXPECT_EQ(combo_.Text(), "MateXymatyka");
    EXPECT_EQ(combo_.lineEdit()->cursorPosition(), 6);
    combo_.SetText("");
    user_input::Type(*combo_.lineEdit(), "Fizyka");  // an item's text, yet typed
    EXPECT_EQ(combo_.ItemIndex(), -1);
}

TEST_F(ComboBoxTest, AddingToAnEditableBoxKeepsItsText) {
    combo_.setEditable(true);
    combo_.ClearItems();
    combo_.SetText("wpisane");
    combo_.AddItem("Sprawdzian");
    EXPECT_EQ(combo_.ItemIndex(), -1);
    EXPECT_EQ(combo_.Text(), "wpisane");
    EXPECT_TRUE(changes_.empty());
}

}  // namespace
}  // namespace platform
