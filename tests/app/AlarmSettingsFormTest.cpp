#include <QApplication>
#include <QToolButton>

#include "app/AlarmSettingsForm.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Panel.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/TypedNumbers.h"
#include "tests/support/qt/FakeMainServices.h"
#include "tests/support/qt/ModalWatch.h"
#include "tests/support/qt/UserInput.h"
#include "ui_AlarmSettingsForm.h"

namespace {

constexpr unsigned kStop = platform::mb::Ok | platform::mb::IconStop;

class AlarmSettingsTest : public ::testing::Test {
  protected:
    AlarmSettingsTest() {
        testing_support::MakeNew(document);
        form.show();
    }
    // Types the text over the edit's and presses OK.
    void Confirm(const QString& text) {
        form.Ui().editMenaceAverage->selectAll();
        if (text.isEmpty()) {
            user_input::KeyPress(*form.Ui().editMenaceAverage, Qt::Key_Delete);
        } else {
            user_input::Type(*form.Ui().editMenaceAverage, text);
        }
        form.Ui().btnOK->click();
    }

    testing_support::DecimalSeparatorOverride separator{','};
    testing_support::ScriptedMessageBoxes boxes;
    TDataFile document;
    testing_support::FakeMainServices main{&document};
    TAlarmSettingsForm form{document, main};
};

// The user's own separator: a point in the C locale, a comma in Polish.
class AlarmSettingsInTheUsersLocaleTest : public AlarmSettingsTest {
  protected:
    AlarmSettingsInTheUsersLocaleTest() { platform::SetDecimalSeparatorSource({}); }
};

}  // namespace

TEST_F(AlarmSettingsTest, ShowsTheThresholdAndStoresAWholeOrDecimalNumber) {
    EXPECT_EQ("Ustawienia alarmu", form.windowTitle().toStdString());
    EXPECT_EQ("2", form.Ui().editMenaceAverage->Text());
    Confirm("3");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(3.0, document.Settings.AlarmThreshold);
    form.show();
    EXPECT_EQ("3", form.Ui().editMenaceAverage->Text());
    Confirm("2,75");
    EXPECT_EQ(2.75, document.Settings.AlarmThreshold);
    EXPECT_EQ(2, main.modifiedCalls);
}

TEST_F(AlarmSettingsTest, OkWithTheSameValueStillMarksTheDocument) {
    form.Ui().btnOK->click();
    EXPECT_EQ(2.0, document.Settings.AlarmThreshold);
    EXPECT_EQ(1, main.modifiedCalls);
}

TEST_F(AlarmSettingsTest, AnyTextThatIsNoNumberKeepsTheWindowOpenWithTheText) {
    const QString tooLong(400, '9');
    for (const QString& text : {QString("2.75"), QString("-1"), QString(""), tooLong}) {
        boxes.Expect("Zła wartość.", "Quirvale 2", kStop, platform::answer::Ok);
        Confirm(text);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(text, form.Ui().editMenaceAverage->text());
    }
    EXPECT_EQ(2.0, document.Settings.AlarmThreshold);
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(AlarmSettingsInTheUsersLocaleTest, EveryThresholdStoredIsShownBackAndStoredAgainAsItWas) {
    for (const std::string& text : testing_support::TypedNumbersOfEveryMagnitude()) {
        form.show();
        Confirm(QString::fromStdString(text));
        ASSERT_FALSE(form.isVisible()) << text;
        const double stored = document.Settings.AlarmThreshold;
        EXPECT_EQ(platform::StrToFloat(text), stored) << text;

        form.show();
        form.Ui().btnOK->click();
        ASSERT_FALSE(form.isVisible())
            << text << " shown as " << form.Ui().editMenaceAverage->Text();
        EXPECT_EQ(stored, document.Settings.AlarmThreshold) << text;
    }
}

TEST_F(AlarmSettingsInTheUsersLocaleTest, ThresholdsThatWouldBeShownBackOtherwiseAreNoValues) {
    for (const std::string& text : testing_support::TypedNumbersShownBackOtherwise()) {
        boxes.Expect("Zła wartość.", "Quirvale 2", kStop, platform::answer::Ok);
        Confirm(QString::fromStdString(text));
        EXPECT_TRUE(form.isVisible()) << text;
        EXPECT_EQ(text, form.Ui().editMenaceAverage->Text());
    }
    EXPECT_EQ(2.0, document.Settings.AlarmThreshold);
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(AlarmSettingsTest, APointIsTheSeparatorWhereTheUserHasIt) {
    testing_support::DecimalSeparatorOverride point('.');
    boxes.Expect("Zła wartość.", "Quirvale 2", kStop, platform::answer::Ok);
    Confirm("2,75");
    Confirm("2.75");
    EXPECT_EQ(2.75, document.Settings.AlarmThreshold);
}

TEST_F(AlarmSettingsTest, EnterPressesNoButtonAndClosingStoresNothing) {
    form.Ui().editMenaceAverage->selectAll();
    user_input::Type(*form.Ui().editMenaceAverage, "4");
    user_input::KeyPress(*form.Ui().editMenaceAverage, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    form.close();
    EXPECT_EQ(2.0, document.Settings.AlarmThreshold);
    EXPECT_EQ(0, main.modifiedCalls);
}

TEST_F(MainWindowTest, ANewThresholdRedrawsTheSubjectBrowser) {
    TMainForm& form = Open();
    form.show();
    testing_support::AddSubject(form.DataFile, "Polski", {6, 8});  // 3, 3+: 3.25
    form.RefreshSubjectsList();
    EXPECT_EQ(0xA00000u, ui().SubAvBarFill->Color());
    testing_support::ExpectModal<TAlarmSettingsForm>(
        [&] { ui().mSetAlarm->trigger(); },
        [](TAlarmSettingsForm& settings) {
            settings.Ui().editMenaceAverage->SetText("3,25");
            settings.Ui().btnOK->click();
        });
    EXPECT_EQ(0xFFu, ui().SubAvBarFill->Color());
    EXPECT_TRUE(form.IsModified());
}
