#include <gtest/gtest.h>

#include <QPushButton>

#include "app/RemoveOldEntriesForm.h"
#include "core/DataFile.h"
#include "platform/qt/CheckListBox.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/Environment.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/FakeMainServices.h"
#include "ui_RemoveOldEntriesForm.h"

namespace {

const char* const kQuestion = "Czy napewno chcesz usunąc wpisy z tych lat?";
const char* const kCaption = "Kasowanie wpisów";
constexpr unsigned kFlags = platform::mb::YesNo | platform::mb::IconWarning;

class RemoveOldEntriesFormTest : public ::testing::Test {
  protected:
    RemoveOldEntriesFormTest() : today(2005, 10, 3), main(&document), form(document, main) {
        for (int year : {2005, 2003, 2004})
            testing_support::AddEvent(document.Calendar, year, 5, 1, "Wpis");
        QObject::connect(&form, &TRemoveOldEntriesForm::yearsDeleted, [this] { ++rebuilds; });
    }

    std::vector<std::string> Listed() {
        std::vector<std::string> years;
        for (int i = 0; i < form.Ui().CheckListBox->ItemCount(); ++i)
            years.push_back(form.Ui().CheckListBox->ItemText(i));
        return years;
    }
    std::vector<int> Years() {
        std::vector<int> years;
        for (std::int32_t i = 0; i < document.Calendar.Count(); ++i)
            years.push_back(document.Calendar.GetChild(i)->GetValue());
        return years;
    }

    testing_support::FixedToday today;
    TDataFile document;
    testing_support::FakeMainServices main;
    testing_support::ScriptedMessageBoxes boxes;
    TRemoveOldEntriesForm form;
    int rebuilds = 0;
};

}  // namespace

TEST_F(RemoveOldEntriesFormTest, OffersTheYearsBeforeTheCurrentOne) {
    form.show();
    EXPECT_EQ("Usuwanie dawnych wpisów", form.windowTitle().toStdString());
    EXPECT_EQ((std::vector<std::string>{"2003", "2004"}), Listed());
    EXPECT_FALSE(form.Ui().CheckListBox->IsChecked(0));
    form.hide();
    today.Set(2003, 12, 31);
    form.show();
    EXPECT_TRUE(Listed().empty());
    form.hide();
    document.Calendar.Clear();
    today.Set(2005, 10, 3);
    form.show();
    EXPECT_TRUE(Listed().empty());
}

TEST_F(RemoveOldEntriesFormTest, TheQuestionComesEvenWithNothingCheckedAndClearsTheChecks) {
    form.show();
    boxes.Expect(kQuestion, kCaption, kFlags, platform::answer::Yes);
    form.Ui().btnDelete->click();
    EXPECT_EQ((std::vector<int>{2003, 2004, 2005}), Years());
    EXPECT_EQ(0, main.modifiedCalls);
    EXPECT_EQ(0, rebuilds);

    form.Ui().CheckListBox->SetChecked(0, true);
    boxes.Expect(kQuestion, kCaption, kFlags, platform::answer::No);
    form.Ui().btnDelete->click();
    EXPECT_EQ((std::vector<int>{2003, 2004, 2005}), Years());
    EXPECT_FALSE(form.Ui().CheckListBox->IsChecked(0));
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(RemoveOldEntriesFormTest, AYearTickedThroughTheAccessibilityInterfaceIsDeleted) {
    form.show();
    accessible_actions::ToggleItem(*form.Ui().CheckListBox, 1);
    boxes.Expect(kQuestion, kCaption, kFlags, platform::answer::Yes);
    accessible_actions::Press(*form.Ui().btnDelete);
    EXPECT_EQ((std::vector<int>{2003, 2005}), Years());
    EXPECT_EQ((std::vector<std::string>{"2003"}), Listed());
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(RemoveOldEntriesFormTest, CheckedYearsGoWithEverythingInThemAndThePaintersRebuild) {
    form.show();
    form.Ui().CheckListBox->SetChecked(0, true);
    form.Ui().CheckListBox->SetChecked(1, true);
    boxes.Expect(kQuestion, kCaption, kFlags, platform::answer::Yes);
    form.Ui().btnDelete->click();
    EXPECT_EQ((std::vector<int>{2005}), Years());
    EXPECT_EQ(2, main.modifiedCalls);  // once for each year
    EXPECT_TRUE(document.Modified);
    EXPECT_EQ(1, main.timeTableRefreshes);
    EXPECT_EQ(1, rebuilds);
    EXPECT_TRUE(Listed().empty());
}
