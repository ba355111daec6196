#include <gtest/gtest.h>

#include "app/MainRoutines.h"
#include "platform/qt/ComboBox.h"

TEST(CentredPosition, HalvesTheDifferenceRoundingTowardMinusInfinity) {
    EXPECT_EQ(QPoint(150, 125), CentredPosition({100, 100}, {300, 250}, {200, 200}));
    // A dialog wider than its owner starts left of it by half the difference, rounded down.
    EXPECT_EQ(QPoint(100 - 51, 100 - 1), CentredPosition({100, 100}, {200, 200}, {301, 201}));
}

TEST(BarWidth, ClampsTruncatesAndRefusesANonPositiveTop) {
    EXPECT_EQ(68, BarWidth(4.133, 6.0, 100));
    EXPECT_EQ(100, BarWidth(7.5, 6.0, 100));
    EXPECT_EQ(0, BarWidth(3.0, 0.0, 100));
    EXPECT_EQ(0, BarWidth(3.0, -1.0, 100));
    EXPECT_EQ(0, BarWidth(-2.0, 6.0, 100));
}

TEST(CentredLeft, TruncatesTowardZero) {
    EXPECT_EQ(5, CentredLeft(200, 189));
    EXPECT_EQ(-5, CentredLeft(200, 211));
}

TEST(DayName, NamesSundayFirstAndNothingOutsideTheWeek) {
    EXPECT_EQ("Niedziela", DayName(0));
    EXPECT_EQ("Środa", DayName(3));
    EXPECT_EQ("Sobota", DayName(6));
    EXPECT_EQ("", DayName(7));
    EXPECT_EQ("", DayName(-1));
}

class ComboRoutines : public ::testing::Test {
  protected:
    ComboRoutines() {
        QObject::connect(&combo, &platform::ComboBox::changed, [this] { ++changes; });
    }
    void Fill(int items) {
        combo.ClearItems();
        for (int i = 0; i < items; ++i) combo.AddItem("item " + std::to_string(i));
    }

    platform::ComboBox combo;
    int changes = 0;
};

TEST_F(ComboRoutines, FillDaysComboBoxListsTheDaysAndSelectsOnlyAnItem) {
    FillDaysComboBox(1, 6, combo, 0);
    ASSERT_EQ(6, combo.ItemCount());
    EXPECT_EQ(0, combo.ItemIndex());
    EXPECT_EQ("Poniedziałek", combo.itemText(0).toStdString());
    EXPECT_EQ("Sobota", combo.itemText(5).toStdString());
    FillDaysComboBox(3, 2, combo, 0);
    EXPECT_EQ(0, combo.ItemCount());
    EXPECT_EQ(-1, combo.ItemIndex());
    EXPECT_EQ(0, changes);
}

TEST_F(ComboRoutines, SelectComboBoxItemRunsTheHandlerEvenOutOfRange) {
    Fill(3);
    SelectComboBoxItem(combo, 2);
    EXPECT_EQ(2, combo.ItemIndex());
    SelectComboBoxItem(combo, 3);
    EXPECT_EQ(-1, combo.ItemIndex());
    SelectComboBoxItem(combo, -4);
    EXPECT_EQ(-1, combo.ItemIndex());
    EXPECT_EQ(3, changes);
}

TEST_F(ComboRoutines, PreviousAndNextWrapAndDoNothingWithoutASelection) {
    Fill(3);
    SelectNextComboBoxItem(combo);
    SelectPrevComboBoxItem(combo);
    EXPECT_EQ(-1, combo.ItemIndex());
    EXPECT_EQ(0, changes);

    combo.SetItemIndex(2);
    SelectNextComboBoxItem(combo);
    EXPECT_EQ(0, combo.ItemIndex());
    SelectPrevComboBoxItem(combo);
    EXPECT_EQ(2, combo.ItemIndex());
    EXPECT_EQ(2, changes);

    Fill(1);
    combo.SetItemIndex(0);
    SelectNextComboBoxItem(combo);
    SelectPrevComboBoxItem(combo);
    EXPECT_EQ(0, combo.ItemIndex());
    EXPECT_EQ(4, changes);
}
