#include <gtest/gtest.h>

#include <QLineEdit>

#include "UserInput.h"
#include "platform/qt/SpinEdit.h"

namespace platform {
namespace {

class SpinEditTest : public ::testing::Test {
  protected:
    SpinEditTest() {
        spin_.setRange(1, 9000);
        spin_.SetValue(2004);
        QObject::connect(&spin_, &SpinEdit::changed,
                         [this] { values_.push_back(spin_.GetValue()); });
    }

    QLineEdit& Editor() { return *spin_.findChild<QLineEdit*>(); }

    SpinEdit spin_;
    std::vector<int> values_;  // the value seen by each change handler
};

TEST_F(SpinEditTest, SetValueClampsAndEmitsOnlyOnAChange) {
    spin_.SetValue(2005);
    spin_.SetValue(2005);
    spin_.SetValue(0);
    spin_.SetValue(10000);
    EXPECT_EQ(values_, (std::vector<int>{2005, 1, 9000}));
    EXPECT_EQ(spin_.GetValue(), 9000);
}

TEST_F(SpinEditTest, GetValueIsTheMinimumForTextThatIsNoNumber) {
    EXPECT_EQ(spin_.GetValue(), 2004);
    Editor().setText("abc");
    EXPECT_EQ(spin_.GetValue(), 1);
    Editor().setText("");
    EXPECT_EQ(spin_.GetValue(), 1);
}

TEST_F(SpinEditTest, ArrowKeysChangeTheValue) {
    user_input::KeyPress(spin_, Qt::Key_Up);
    EXPECT_EQ(values_, std::vector<int>{2005});
}

TEST_F(SpinEditTest, WithoutItsEditorOnlyTheArrowsChangeIt) {
    spin_.SetEditorEnabled(false);
    user_input::Type(Editor(), "7");
    EXPECT_EQ(spin_.GetValue(), 2004);
    user_input::KeyPress(spin_, Qt::Key_Down);
    EXPECT_EQ(spin_.GetValue(), 2003);
    spin_.SetEditorEnabled(true);
    EXPECT_FALSE(Editor().isReadOnly());
}

}  // namespace
}  // namespace platform
