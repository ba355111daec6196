#include <gtest/gtest.h>

#include <QLineEdit>

#include "UserInput.h"
#include "platform/qt/ComboBox.h"

namespace platform {
namespace {

class ComboBoxTest : public ::testing::Test {
  protected:
    ComboBoxTest() {
        QObject::connect(&combo_, &ComboBox::changed, [this] {
            ++changes_;
            indexAtChange_ = combo_.ItemIndex();
        });
        combo_.AddItem("Matematyka");
        combo_.AddItem("Fizyka");
        combo_.AddItem("Język polski");
        combo_.show();
    }

    ComboBox combo_;
    int changes_ = 0;
    int indexAtChange_ = -2;
};

TEST_F(ComboBoxTest, AddingItemsSelectsNone) {
    EXPECT_EQ(combo_.ItemCount(), 3);
    EXPECT_EQ(combo_.ItemIndex(), -1);
    EXPECT_EQ(combo_.Text(), "");
    EXPECT_EQ(changes_, 0);
}

TEST_F(ComboBoxTest, ProgramChangesEmitNothing) {
    combo_.SetItemIndex(2);
    EXPECT_EQ(combo_.ItemIndex(), 2);
    EXPECT_EQ(combo_.Text(), "Język polski");
    combo_.SetItemIndex(7);
    EXPECT_EQ(combo_.ItemIndex(), -1);
    combo_.setCurrentIndex(1);
    combo_.ClearItems();
    EXPECT_EQ(combo_.ItemCount(), 0);
    EXPECT_EQ(combo_.ItemIndex(), -1);
    EXPECT_EQ(changes_, 0);
}

TEST_F(ComboBoxTest, UserSelectionEmitsChangedWithTheNewIndex) {
    combo_.SetItemIndex(0);
    user_input::KeyPress(combo_, Qt::Key_Down);
    EXPECT_EQ(changes_, 1);
    EXPECT_EQ(indexAtChange_, 1);
}

TEST_F(ComboBoxTest, NonEditableTextSelectsTheMatchingItem) {
    combo_.SetText("Fizyka");
    EXPECT_EQ(combo_.ItemIndex(), 1);
    combo_.SetText("Chemia");
    EXPECT_EQ(combo_.ItemIndex(), -1);
    EXPECT_EQ(changes_, 0);
}

class EditableComboBoxTest : public ComboBoxTest {
  protected:
    EditableComboBoxTest() {
        combo_.setEditable(true);
        combo_.SetItemIndex(0);
    }
};

TEST_F(EditableComboBoxTest, TypingLeavesNoItemSelectedAndKeepsTheText) {
    combo_.lineEdit()->setCursorPosition(4);
    user_input::Type(*combo_.lineEdit(), "X");
    EXPECT_EQ(changes_, 1);
    EXPECT_EQ(indexAtChange_, -1);
    EXPECT_EQ(combo_.ItemIndex(), -1);
    EXPECT_EQ(combo_.Text(), "MateXmatyka");
    EXPECT_EQ(combo_.lineEdit()->cursorPosition(), 5);
    user_input::Type(*combo_.lineEdit(), "y");
    EXPECT_EQ(changes_, 2);
    EXPECT_EQ(combo_.Text(), "MateXymatyka");
}

TEST_F(EditableComboBoxTest, TypingAnItemsExactTextStillSelectsNothing) {
    combo_.SetText("");
    user_input::Type(*combo_.lineEdit(), "Fizyka");
    EXPECT_EQ(combo_.ItemIndex(), -1);
    EXPECT_EQ(combo_.Text(), "Fizyka");
}

TEST_F(EditableComboBoxTest, SetTextAndAddItemLeaveTheSelectionAndEmitNothing) {
    combo_.SetText("coś innego");
    EXPECT_EQ(combo_.Text(), "coś innego");
    EXPECT_EQ(combo_.ItemIndex(), 0);
    combo_.ClearItems();
    combo_.SetText("wpisane");
    combo_.AddItem("Sprawdzian");
    EXPECT_EQ(combo_.ItemIndex(), -1);
    EXPECT_EQ(combo_.Text(), "wpisane");
    EXPECT_EQ(changes_, 0);
}

}  // namespace
}  // namespace platform
