#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "platform/qt/SpinEdit.h"
#include "tests/support/qt/AccessibleActions.h"
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

// The accessibility interface writes into the edit even when it is read-only.
TEST_F(SpinEditTest, WithoutItsEditorTextPutInThroughAccessibilityIsPutBack) {
    spin_.SetEditorEnabled(false);
    accessible_actions::InsertText(spin_, 0, "7");
    accessible_actions::ReplaceText(spin_, "3000");
    EXPECT_EQ(Editor().text().toStdString(), "2004");
    EXPECT_EQ(spin_.GetValue(), 2004);
    EXPECT_EQ(spin_.value(), 2004);
    EXPECT_TRUE(values_.empty());
    spin_.stepUp();
    EXPECT_EQ(values_, std::vector<int>{2005});
}

// The column width of the lesson-plan page, 40..340 showing 100, before a button to leave it for.
class TypedSpinEditTest : public ::testing::Test {
  protected:
    TypedSpinEditTest() {
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(spin_);
        layout->addWidget(after_);
        spin_->setRange(40, 340);
        spin_->SetValue(100);
        QObject::connect(spin_, &SpinEdit::changed,
                         [this] { values_.push_back(spin_->GetValue()); });
        window_.show();
        user_input::Activate(window_);
        spin_->setFocus(Qt::TabFocusReason);
    }

    void SelectAll() { QTest::keyClick(spin_, Qt::Key_A, Qt::ControlModifier); }
    std::string Shown() { return spin_->findChild<QLineEdit*>()->text().toStdString(); }

    std::vector<int> values_;  // outlives the window, whose closing the spin may still see
    QWidget window_;
    SpinEdit* spin_ = new SpinEdit(&window_);
    QPushButton* after_ = new QPushButton("Dalej", &window_);
};

TEST_F(TypedSpinEditTest, ATypedValueCountsAsItStandsRaisedToTheMinimum) {
    SelectAll();
    QTest::keyClicks(spin_, "30");
    EXPECT_EQ(spin_->GetValue(), 40);
    ASSERT_FALSE(values_.empty());
    EXPECT_EQ(values_.back(), 40);
    QTest::keyClick(spin_, Qt::Key_0);
    EXPECT_EQ(spin_->GetValue(), 300);
    EXPECT_EQ(values_.back(), 300);
}

TEST_F(TypedSpinEditTest, AnEmptiedFieldIsTheMinimum) {
    SelectAll();
    QTest::keyClick(spin_, Qt::Key_Backspace);
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(spin_->GetValue(), 40);
    EXPECT_EQ(values_, std::vector<int>{40});
}

TEST_F(TypedSpinEditTest, LeavingTheFieldShowsTheValueInUse) {
    SelectAll();
    QTest::keyClicks(spin_, "30");
    QTest::keyClick(spin_, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), after_);
    EXPECT_EQ(Shown(), "40");
    EXPECT_EQ(spin_->GetValue(), 40);

    spin_->setFocus(Qt::TabFocusReason);
    SelectAll();
    QTest::keyClick(spin_, Qt::Key_Delete);
    QTest::keyClick(spin_, Qt::Key_Return);
    EXPECT_EQ(Shown(), "40");
    EXPECT_EQ(values_.back(), 40);
}

TEST_F(TypedSpinEditTest, APastedOrDictatedValueCountsAtOnce) {
    QApplication::clipboard()->setText("25");
    SelectAll();
    QTest::keyClick(spin_, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Shown(), "25");
    EXPECT_EQ(spin_->GetValue(), 40);
    QTest::keyClick(spin_, Qt::Key_V, Qt::ControlModifier);  // 2525 is past the maximum
    EXPECT_EQ(Shown(), "25");
    accessible_actions::ReplaceText(*spin_, "250");
    EXPECT_EQ(spin_->GetValue(), 250);
    EXPECT_EQ(values_.back(), 250);
}

}  // namespace
}  // namespace platform
