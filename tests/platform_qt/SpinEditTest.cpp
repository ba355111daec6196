#include <gtest/gtest.h>

#include <QLineEdit>

#include "platform/qt/SpinEdit.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// The school year spin: 1..9000, showing 2004; records the value each change handler sees.
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
    std::vector<int> values_;
};

TEST_F(SpinEditTest, SetValueClampsAndEmitsOnlyOnAChange) {
    spin_.SetValue(2005);
    spin_.SetValue(2005);
    spin_.SetValue(0);
    spin_.SetValue(10000);
    EXPECT_EQ(values_, (std::vector<int>{2005, 1, 9000}));
}

TEST_F(SpinEditTest, TextThatIsNoNumberReadsAsTheMinimum) {
    Editor().setText("abc");
    EXPECT_EQ(spin_.GetValue(), 1);
}

TEST_F(SpinEditTest, WithoutItsEditorOnlyTheArrowsChangeIt) {
    spin_.SetEditorEnabled(false);
    user_input::Type(Editor(), "7");
    user_input::KeyPress(spin_, Qt::Key_Up);
    EXPECT_EQ(values_, std::vector<int>{2005});
}

}  // namespace
}  // namespace platform
