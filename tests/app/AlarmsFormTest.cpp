#include <QToolButton>

#include "app/AlarmsForm.h"
#include "platform/qt/ListBox.h"
#include "platform/qt/Panel.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_AlarmsForm.h"

namespace {

using testing_support::AddSubject;

std::vector<std::string> Items(const platform::ListBox& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.count(); ++i) items.push_back(list.item(i)->text().toStdString());
    return items;
}

void ClickRow(platform::ListBox& list, int row) {
    user_input::Click(*list.viewport(), list.visualItemRect(list.item(row)).center());
}

class AlarmsTest : public ::testing::Test {
  protected:
    AlarmsTest() {
        testing_support::MakeNew(document);
        document.Settings.AlarmThreshold = 2.0;
    }
    TDataFile document;
    testing_support::DecimalSeparatorOverride separator{','};
};

}  // namespace

TEST_F(AlarmsTest, ListsSubjectsAtOrUnderTheThresholdWithTruncatedAverages) {
    document.Settings.MarksValues[0] = 1.23456;  // "1"
    document.Settings.MarksValues[4] = 2.0001;   // "2-"
    AddSubject(document, "Matematyka", {3});     // exactly 2
    AddSubject(document, "Fizyka", {4});         // 2.0001
    AddSubject(document, "Chemia", {});          // no marks
    AddSubject(document, "Biologia", {0}, 0);    // 1.23456, not in the general average
    AddSubject(document, "Polski", {12});
    TAlarmsForm form(document);
    form.show();

    EXPECT_EQ("Alarmy", form.windowTitle().toStdString());
    EXPECT_EQ("Przedmiot", form.Ui().panelNamesHeader->Caption());
    EXPECT_EQ("Średnia", form.Ui().panelAveragesHeader->Caption());
    EXPECT_EQ((std::vector<std::string>{"Matematyka", "Chemia", "Biologia"}),
              Items(*form.Ui().NamesList));
    EXPECT_EQ((std::vector<std::string>{"2", "0", "1,234"}), Items(*form.Ui().AveragesList));
}

TEST_F(AlarmsTest, AveragesFollowTheUsersDecimalSeparator) {
    testing_support::DecimalSeparatorOverride point('.');
    AddSubject(document, "Fizyka", {3, 4});  // 1.95
    TAlarmsForm form(document);
    form.show();
    EXPECT_EQ((std::vector<std::string>{"1.95"}), Items(*form.Ui().AveragesList));
}

TEST_F(AlarmsTest, EachShowingStartsAfreshAndAnEmptyDocumentListsNothing) {
    AddSubject(document, "Fizyka", {3});
    TAlarmsForm form(document);
    form.show();
    EXPECT_EQ(1, form.Ui().NamesList->count());
    form.Ui().btnOK->click();
    EXPECT_FALSE(form.isVisible());
    testing_support::MakeNew(document);
    form.show();
    EXPECT_EQ(0, form.Ui().NamesList->count());
    EXPECT_EQ(0, form.Ui().AveragesList->count());
}

TEST_F(AlarmsTest, BothListsAlwaysSelectTheSameRow) {
    for (const char* name : {"A", "B", "C"}) AddSubject(document, name, {0});
    TAlarmsForm form(document);
    form.show();
    ClickRow(*form.Ui().NamesList, 1);
    EXPECT_EQ(1, form.Ui().AveragesList->ItemIndex());
    ClickRow(*form.Ui().AveragesList, 2);
    EXPECT_EQ(2, form.Ui().NamesList->ItemIndex());
    user_input::KeyPress(*form.Ui().NamesList, Qt::Key_Up);
    EXPECT_EQ(1, form.Ui().NamesList->ItemIndex());
    EXPECT_EQ(1, form.Ui().AveragesList->ItemIndex());
}

TEST_F(MainWindowTest, AlarmsOpenFromTheMenuAndTheToolBar) {
    TMainForm& form = Open();
    form.show();
    AddSubject(form.DataFile, "Fizyka", {0});
    const auto check = [](TAlarmsForm& alarms) {
        EXPECT_EQ((std::vector<std::string>{"1"}), Items(*alarms.Ui().AveragesList));
        alarms.Ui().btnOK->click();
    };
    testing_support::ExpectModal<TAlarmsForm>([&] { ui().mAlarms->trigger(); }, check);
    testing_support::ExpectModal<TAlarmsForm>([&] { ui().btnAlarms->click(); }, check);
    EXPECT_FALSE(form.IsModified());
}
