#include <gtest/gtest.h>

#include "UserInput.h"
#include "platform/qt/CheckListBox.h"
#include "platform/qt/ListBox.h"

namespace platform {
namespace {

class ListBoxTest : public ::testing::Test {
  protected:
    ListBoxTest() {
        for (const char* name : {"Matematyka", "Fizyka", "Chemia"}) list_.AddItem(name);
        list_.resize(150, 100);
        list_.show();
        QObject::connect(&list_, &ListBox::click, [this] { clicks_.push_back(list_.ItemIndex()); });
        QObject::connect(&list_, &ListBox::mouseDown,
                         [this] { downs_.push_back(list_.ItemIndex()); });
    }

    QPoint CentreOf(int row) { return list_.visualItemRect(list_.item(row)).center(); }

    ListBox list_;
    std::vector<int> clicks_;  // the item index seen by each handler
    std::vector<int> downs_;
};

TEST_F(ListBoxTest, ProgramSelectionEmitsNothing) {
    EXPECT_EQ(list_.ItemCount(), 3);
    EXPECT_EQ(list_.ItemIndex(), -1);
    list_.SetItemIndex(2);
    EXPECT_EQ(list_.ItemIndex(), 2);
    list_.SetItemIndex(5);
    EXPECT_EQ(list_.ItemIndex(), -1);
    EXPECT_TRUE(list_.selectedItems().isEmpty());
    list_.ClearItems();
    EXPECT_EQ(list_.ItemCount(), 0);
    EXPECT_TRUE(clicks_.empty());
    EXPECT_TRUE(downs_.empty());
}

TEST_F(ListBoxTest, MouseDownThenClickSeeTheNewSelection) {
    user_input::Press(*list_.viewport(), CentreOf(1));
    EXPECT_EQ(downs_, std::vector<int>{1});
    EXPECT_TRUE(clicks_.empty());
    user_input::Release(*list_.viewport(), CentreOf(1));
    EXPECT_EQ(clicks_, std::vector<int>{1});
}

TEST_F(ListBoxTest, KeyboardMoveClicks) {
    list_.SetItemIndex(0);
    user_input::KeyPress(list_, Qt::Key_Down);
    EXPECT_EQ(clicks_, std::vector<int>{1});
    list_.SetItemIndex(2);
    user_input::KeyPress(list_, Qt::Key_Down);  // already on the last item
    EXPECT_EQ(clicks_, std::vector<int>{1});
}

TEST(CheckListBox, ItemsStartUncheckedAndKeepTheirState) {
    CheckListBox years;
    years.AddItem("2003");
    years.AddItem("2004");
    EXPECT_EQ(years.ItemCount(), 2);
    EXPECT_EQ(years.ItemText(1), "2004");
    EXPECT_FALSE(years.IsChecked(0));
    years.SetChecked(1, true);
    EXPECT_FALSE(years.IsChecked(0));
    EXPECT_TRUE(years.IsChecked(1));
    years.SetChecked(1, false);
    EXPECT_FALSE(years.IsChecked(1));
    years.ClearItems();
    EXPECT_EQ(years.ItemCount(), 0);
}

TEST(CheckListBox, OutsideTheListReadsEmptyAndIgnoresChanges) {
    CheckListBox years;
    years.AddItem("2003");
    years.SetChecked(3, true);
    years.SetChecked(-1, true);
    EXPECT_FALSE(years.IsChecked(3));
    EXPECT_EQ(years.ItemText(3), "");
    EXPECT_FALSE(years.IsChecked(0));
}

TEST(CheckListBox, TheUserTicksAnItemWithTheSpaceKey) {
    CheckListBox years;
    years.AddItem("2003");
    years.setCurrentRow(0);
    user_input::KeyPress(years, Qt::Key_Space, " ");
    EXPECT_TRUE(years.IsChecked(0));
}

}  // namespace
}  // namespace platform
