#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "platform/qt/ComboBox.h"
#include "tests/support/qt/AccessibleActions.h"
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

// "Wstaw przedmiot": an editable box whose choice inserts its item; records the item index
// each choice sees.
class ChosenComboBoxTest : public ::testing::Test {
  protected:
    ChosenComboBoxTest() {
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(combo_);
        combo_->setEditable(true);
        for (const char* name : {"Matematyka", "Fizyka", "Chemia", "Biologia"})
            combo_->AddItem(name);
        combo_->SetItemIndex(0);
        QObject::connect(combo_, &ComboBox::chosen,
                         [this] { chosen_.push_back(combo_->ItemIndex()); });
        window_.show();
        user_input::Activate(window_);
        combo_->setFocus(Qt::TabFocusReason);
    }

    QAbstractItemView& List() { return *combo_->view(); }
    QPoint CentreOf(int row) { return List().visualRect(List().model()->index(row, 0)).center(); }

    std::vector<int> chosen_;
    QWidget window_;
    ComboBox* combo_ = new ComboBox(&window_);
};

TEST_F(ChosenComboBoxTest, TheArrowKeysMoveThroughTheItemsAndEnterChoosesOnce) {
    int changes = 0;
    QObject::connect(combo_, &ComboBox::changed, [&] { ++changes; });
    QTest::keyClick(combo_, Qt::Key_Down);
    QTest::keyClick(combo_, Qt::Key_Down);
    QTest::keyClick(combo_, Qt::Key_Down);
    QTest::keyClick(combo_, Qt::Key_Up);
    EXPECT_EQ(combo_->ItemIndex(), 2);
    EXPECT_EQ(changes, 4);  // each move is still a change of the box
    const QPointF centre = QRectF(combo_->rect()).center();
    QWheelEvent wheel(centre, combo_->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo_, &wheel);
    EXPECT_EQ(combo_->ItemIndex(), 3);
    QApplication::sendEvent(combo_, &wheel);  // the last item: no move
    QWheelEvent back(centre, combo_->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo_, &back);
    EXPECT_EQ(combo_->ItemIndex(), 2);
    EXPECT_TRUE(chosen_.empty());
    QTest::keyClick(combo_, Qt::Key_Return);
    QTest::keyClick(combo_, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(chosen_, (std::vector<int>{2, 2}));
}

TEST_F(ChosenComboBoxTest, EnterOnATypedTextChoosesNoItem) {
    combo_->lineEdit()->selectAll();
    QTest::keyClicks(combo_, "Fiz");
    QTest::keyClick(combo_, Qt::Key_Return);
    EXPECT_EQ(chosen_, std::vector<int>{-1});
}

TEST_F(ChosenComboBoxTest, APickInTheOpenedListByKeysOrMouseChoosesOnce) {
    QTest::keyClick(combo_, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(List().isVisible());
    QTest::keyClick(&List(), Qt::Key_Down);
    QTest::keyClick(&List(), Qt::Key_Down);
    EXPECT_TRUE(chosen_.empty());
    QTest::keyClick(&List(), Qt::Key_Return);
    EXPECT_FALSE(List().isVisible());
    EXPECT_EQ(chosen_, std::vector<int>{2});

    combo_->showPopup();
    // The list takes no release that may end the click which opened it.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseMove(List().viewport(), CentreOf(3));
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, CentreOf(3));
    EXPECT_FALSE(List().isVisible());
    EXPECT_EQ(chosen_, (std::vector<int>{2, 3}));
}

// A screen reader or voice control opens the list with the box's own action and selects an
// item of it; the box takes that item as the user's pick.
TEST_F(ChosenComboBoxTest, AnItemSelectedInTheOpenedListThroughAccessibilityIsChosenOnce) {
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(combo_);
    ASSERT_NE(box, nullptr);
    box->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(List().isVisible());
    accessible_actions::ToggleItem(List(), 3);
    QTest::qWait(0);
    EXPECT_EQ(combo_->ItemIndex(), 3);
    EXPECT_EQ(combo_->Text(), "Biologia");
    EXPECT_FALSE(List().isVisible());
    EXPECT_EQ(chosen_, std::vector<int>{3});

    // Over a typed text the list opens with nothing selected.
    combo_->lineEdit()->selectAll();
    QTest::keyClicks(combo_, "Fiz");
    box->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    accessible_actions::ToggleItem(List(), 1);
    QTest::qWait(0);
    EXPECT_EQ(combo_->Text(), "Fizyka");
    EXPECT_EQ(chosen_, (std::vector<int>{3, 1}));

    // Opening and closing the list chooses nothing.
    box->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    box->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QTest::qWait(0);
    EXPECT_FALSE(List().isVisible());
    EXPECT_EQ(chosen_.size(), 2u);
}

}  // namespace
}  // namespace platform
