#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "platform/qt/CheckListBox.h"
#include "platform/qt/ListBox.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/UserInput.h"

namespace platform {
namespace {

// Records, per signal, the item index its handler sees.
class ListBoxTest : public ::testing::Test {
  protected:
    ListBoxTest() {
        for (const char* name : {"Matematyka", "Fizyka", "Chemia"}) list_.AddItem(name);
        list_.resize(150, 100);
        list_.show();
        QObject::connect(&list_, &ListBox::click, [this] { seen_.push_back(list_.ItemIndex()); });
        QObject::connect(&list_, &ListBox::mouseDown,
                         [this] { seen_.push_back(100 + list_.ItemIndex()); });
    }

    QPoint CentreOf(int row) { return list_.visualItemRect(list_.item(row)).center(); }

    ListBox list_;
    std::vector<int> seen_;  // click: index; mouseDown: 100 + index
};

TEST_F(ListBoxTest, ProgramSelectionEmitsNothing) {
    list_.SetItemIndex(2);
    EXPECT_EQ(list_.ItemIndex(), 2);
    list_.SetItemIndex(5);
    EXPECT_EQ(list_.ItemIndex(), -1);
    EXPECT_TRUE(list_.selectedItems().isEmpty());
    EXPECT_TRUE(seen_.empty());
}

TEST_F(ListBoxTest, MouseDownThenClickSeeTheNewSelection) {
    user_input::Click(*list_.viewport(), CentreOf(1));
    EXPECT_EQ(seen_, (std::vector<int>{101, 1}));
}

TEST_F(ListBoxTest, APressBelowTheItemsKeepsTheChosenOne) {
    user_input::Click(*list_.viewport(), CentreOf(1));
    const QPoint below(5, list_.viewport()->height() - 3);
    ASSERT_EQ(list_.itemAt(below), nullptr);
    user_input::Click(*list_.viewport(), below);
    EXPECT_EQ(list_.ItemIndex(), 1);
    EXPECT_EQ(seen_, (std::vector<int>{101, 1, 101}));
}

TEST_F(ListBoxTest, KeyboardMovesClick) {
    list_.SetItemIndex(1);
    user_input::KeyPress(list_, Qt::Key_Down);
    user_input::KeyPress(list_, Qt::Key_Down);  // already on the last item
    EXPECT_EQ(seen_, std::vector<int>{2});
}

TEST_F(ListBoxTest, TheRowTheFocusMakesCurrentIsNotChosen) {
    QApplication::setActiveWindow(&list_);
    list_.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(list_.hasFocus());
    EXPECT_EQ(list_.currentRow(), 0);
    EXPECT_EQ(list_.ItemIndex(), -1);
    list_.SetItemIndex(1);
    list_.SetItemIndex(-1);
    EXPECT_EQ(list_.ItemIndex(), -1);
    EXPECT_TRUE(seen_.empty());
}

TEST_F(ListBoxTest, AnItemSelectedThroughAccessibilityIsChosenAndClicks) {
    accessible_actions::ToggleItem(list_, 2);
    EXPECT_EQ(list_.ItemIndex(), 2);
    accessible_actions::ToggleItem(list_, 0);
    EXPECT_EQ(list_.ItemIndex(), 0);
    EXPECT_EQ(seen_, (std::vector<int>{2, 0}));
}

TEST_F(ListBoxTest, ClickingTheChosenItemClicksAgain) {
    list_.SetItemIndex(1);
    user_input::Click(*list_.viewport(), CentreOf(1));
    EXPECT_EQ(seen_, (std::vector<int>{101, 1}));
}

// A button and the list after it, in a shown window; the list's clicks record its index.
class ListBoxKeysTest : public ::testing::Test {
  protected:
    ListBoxKeysTest() {
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(before_);
        layout->addWidget(list_);
        for (const char* name : {"Matematyka", "Fizyka", "Chemia"}) list_->AddItem(name);
        QObject::connect(list_, &ListBox::click, [this] { seen_.push_back(list_->ItemIndex()); });
        window_.show();
        user_input::Activate(window_);
        before_->setFocus(Qt::OtherFocusReason);
    }

    // Tab from the button: Qt makes the first row current, and nothing is chosen yet.
    void TabIntoTheList() {
        QTest::keyClick(before_, Qt::Key_Tab);
        ASSERT_TRUE(list_->hasFocus());
        ASSERT_EQ(list_->ItemIndex(), -1);
    }

    QWidget window_;
    QPushButton* before_ = new QPushButton("Przed", &window_);
    ListBox* list_ = new ListBox(&window_);
    std::vector<int> seen_;
};

TEST_F(ListBoxKeysTest, TheFirstArrowKeySelectsTheRowTheFocusIsOn) {
    TabIntoTheList();
    QTest::keyClick(list_, Qt::Key_Down);
    EXPECT_EQ(list_->ItemIndex(), 0);
    QTest::keyClick(list_, Qt::Key_Down);
    EXPECT_EQ(list_->ItemIndex(), 1);
    EXPECT_EQ(seen_, (std::vector<int>{0, 1}));
}

TEST_F(ListBoxKeysTest, UpOnTheFocusedFirstRowSelectsIt) {
    TabIntoTheList();
    QTest::keyClick(list_, Qt::Key_Up);
    EXPECT_EQ(list_->ItemIndex(), 0);
    EXPECT_EQ(seen_, std::vector<int>{0});
}

TEST_F(ListBoxKeysTest, SpaceSelectsTheRowTheFocusIsOn) {
    TabIntoTheList();
    QTest::keyClick(list_, Qt::Key_Space);
    EXPECT_EQ(list_->ItemIndex(), 0);
    QTest::keyClick(list_, Qt::Key_Space);  // a second press keeps the choice
    EXPECT_EQ(list_->ItemIndex(), 0);
    EXPECT_EQ(seen_, std::vector<int>{0});
}

TEST_F(ListBoxKeysTest, AfterTheProgramClearedTheChoiceDownStartsAtTheFirstRow) {
    TabIntoTheList();
    QTest::keyClick(list_, Qt::Key_Down);
    QTest::keyClick(list_, Qt::Key_Down);
    list_->SetItemIndex(-1);
    QTest::keyClick(list_, Qt::Key_Down);
    EXPECT_EQ(list_->ItemIndex(), 0);
}

TEST(CheckListBox, ItemsStartUncheckedAndOutOfRangeIsIgnored) {
    CheckListBox years;
    years.AddItem("2003");
    years.AddItem("2004");
    years.SetChecked(1, true);
    years.SetChecked(5, true);
    EXPECT_EQ(years.ItemText(1), "2004");
    EXPECT_FALSE(years.IsChecked(0));
    EXPECT_TRUE(years.IsChecked(1));
    EXPECT_FALSE(years.IsChecked(5));
    EXPECT_EQ(years.ItemText(5), "");
    years.setCurrentRow(0);
    user_input::KeyPress(years, Qt::Key_Space, " ");
    EXPECT_TRUE(years.IsChecked(0));
}

TEST(CheckListBox, ItemsAreTickedThroughTheAccessibilityInterfaceAndSayTheirState) {
    CheckListBox years;
    years.AddItem("2003");
    years.AddItem("2004");
    years.show();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&years);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 2);
    QAccessibleInterface* item = list->child(1);
    EXPECT_EQ(item->role(), QAccessible::ListItem);
    EXPECT_EQ(item->text(QAccessible::Name), "2004");
    EXPECT_TRUE(item->state().checkable);
    EXPECT_FALSE(item->state().checked);

    accessible_actions::ToggleItem(years, 1);
    EXPECT_TRUE(years.IsChecked(1));
    EXPECT_TRUE(item->state().checked);
    EXPECT_TRUE(years.selectedItems().isEmpty());  // ticked, not selected
    accessible_actions::ToggleItem(years, 1);
    EXPECT_FALSE(years.IsChecked(1));
    years.setCurrentRow(0);
    user_input::KeyPress(years, Qt::Key_Space, " ");
    EXPECT_TRUE(list->child(0)->state().checked);

    // Choosing an item through the list makes it the current one and ticks nothing.
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->selectRow(1));
    EXPECT_EQ(years.currentRow(), 1);
    EXPECT_EQ(table->selectedRows(), QList<int>{1});
    EXPECT_EQ(list->focusChild(), item);
    EXPECT_FALSE(years.IsChecked(1));
    EXPECT_EQ(table->cellAt(2, 0), nullptr);
}

}  // namespace
}  // namespace platform
