#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>

#include "app/LessonPlanHTMLForm.h"
#include "platform/qt/CheckBox.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpinEdit.h"
#include "reports/LessonPlanPage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/ReportFormFixture.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/ModalWatch.h"
#include "ui_LessonPlanHTMLForm.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class LessonPlanHTMLFormTest : public ReportFormTest {
  protected:
    LessonPlanHTMLFormTest() : form(document) {}

    Ui::TLessonPlanHTMLForm& ui() { return form.Ui(); }
    std::string SettingsFile() const { return ProgramFile("LP_HTML.dat"); }

    TLessonPlanHTMLForm form;
};

TEST_F(LessonPlanHTMLFormTest, ShowsTheDefaults) {
    form.show();
    EXPECT_EQ("Plan lekcji HTML", form.windowTitle().toStdString());
    EXPECT_TRUE(ui().checkHeaderFontBold->Checked());
    EXPECT_FALSE(ui().checkHeaderFontItalic->Checked());
    EXPECT_EQ(ui().spinHeaderFontSize->GetValue(), 14);
    EXPECT_EQ(ui().spinPlanFontSize->GetValue(), 12);
    EXPECT_EQ(ui().spinBorderWidth->GetValue(), 1);
    EXPECT_TRUE(ui().checkColsDefaultWidth->Checked());
    EXPECT_FALSE(ui().checkColsUserWidth->Checked());
    EXPECT_EQ(ui().spinColsUserWidth->GetValue(), 100);
    for (platform::CheckBox* day :
         {ui().checkPon, ui().checkWt, ui().checkSr, ui().checkCzw, ui().checkPt})
        EXPECT_TRUE(day->Checked());
    EXPECT_FALSE(ui().checkSob->Checked());
    EXPECT_FALSE(ui().checkIncludeHours->Checked());
    EXPECT_EQ(ui().colorHeaderBG->Color(), 0x008000u);
    EXPECT_EQ(ui().colorPlanBG->Color(), 0xFFFFFFu);
    EXPECT_EQ(form.Options(), TLessonPlanHTMLOptions{});
}

TEST_F(LessonPlanHTMLFormTest, TheWidthPairKeepsOneBoxOnAndResetsTheWidth) {
    form.show();
    ClickBox(*ui().checkColsUserWidth);
    EXPECT_TRUE(ui().checkColsUserWidth->Checked());
    EXPECT_FALSE(ui().checkColsDefaultWidth->Checked());
    EXPECT_EQ(ui().spinColsUserWidth->GetValue(), 100);
    ui().spinColsUserWidth->SetValue(150);
    EXPECT_EQ(form.Options().ColsUserWidth.Value(), 150);
    ClickBox(*ui().checkColsUserWidth);  // unchecking the one on checks the other
    EXPECT_TRUE(ui().checkColsDefaultWidth->Checked());
    EXPECT_FALSE(ui().checkColsUserWidth->Checked());
    EXPECT_EQ(ui().spinColsUserWidth->GetValue(), 150);
    ClickBox(*ui().checkColsUserWidth);
    EXPECT_EQ(ui().spinColsUserWidth->GetValue(), 100);
}

TEST_F(LessonPlanHTMLFormTest, TogglesThroughAccessibilityKeepExactlyOneWidthBoxOn) {
    form.show();
    for (platform::CheckBox* box : {ui().checkColsUserWidth, ui().checkColsUserWidth,
                                    ui().checkColsDefaultWidth, ui().checkColsDefaultWidth}) {
        accessible_actions::Toggle(*box);
        EXPECT_NE(ui().checkColsDefaultWidth->Checked(), ui().checkColsUserWidth->Checked());
        EXPECT_EQ(form.Options().ColsDefaultWidth(), ui().checkColsDefaultWidth->Checked());
    }
    accessible_actions::Toggle(*ui().checkSob);
    EXPECT_TRUE(form.Options().Days[5]);
}

TEST_F(LessonPlanHTMLFormTest, ExitSavesTheControlsTheTitleBarNothing) {
    form.show();
    ClickBox(*ui().checkSob);
    ClickBox(*ui().checkIncludeHours);
    ui().edHours->setFocus();
    user_input::Type(*ui().edHours, "Godz.");
    ui().memoHours->setFocus();
    user_input::Type(*ui().memoHours, "8:00");
    user_input::KeyPress(*ui().memoHours, Qt::Key_Return, "\r");
    user_input::Type(*ui().memoHours, "8:55");
    ui().spinHeaderFontSize->SetValue(30);
    form.close();
    EXPECT_FALSE(Exists("LP_HTML.dat"));

    EXPECT_EQ(form.Options().HoursTitle, "Godz.");
    EXPECT_EQ(form.Options().HoursText, "8:00\r\n8:55");
    form.Ui().btnExit->click();
    ASSERT_TRUE(Exists("LP_HTML.dat"));
    TLessonPlanHTMLOptions loaded;
    ASSERT_EQ(LoadLessonPlanHTMLSettings(SettingsFile(), loaded), 0);
    EXPECT_EQ(testing_support::ReadBytes(SettingsFile()).size(), 57u + 5u + 10u);
    EXPECT_EQ(loaded, form.Options());
}

TEST_F(LessonPlanHTMLFormTest, LoadedSettingsAreClampedAndShown) {
    TLessonPlanHTMLOptions stored;
    stored.IncludeHours = true;
    stored.HoursTitle = "Lekcje";
    stored.HoursText = "1\r\n2";
    stored.SetColsUserWidthChecked(true);
    stored.ColsUserWidth.SetValue(222);
    ASSERT_EQ(SaveLessonPlanHTMLSettings(SettingsFile(), stored), 0);
    Bytes bytes = testing_support::ReadBytes(SettingsFile());
    bytes[2] = 5;    // header font size below its range
    bytes[12] = 20;  // border width above its range
    testing_support::WriteBytes(SettingsFile(), bytes);
    form.show();
    EXPECT_EQ(ui().spinHeaderFontSize->GetValue(), 8);
    EXPECT_EQ(ui().spinBorderWidth->GetValue(), 10);
    EXPECT_TRUE(ui().checkColsUserWidth->Checked());
    EXPECT_EQ(ui().spinColsUserWidth->GetValue(), 222);
    EXPECT_EQ(ui().edHours->Text(), "Lekcje");
    EXPECT_EQ(ui().memoHours->Lines(), (std::vector<std::string>{"1", "2"}));
    ui().btnDefaultSettings->click();
    EXPECT_EQ(ui().edHours->Text(), "");
    EXPECT_TRUE(ui().memoHours->Lines().empty());
    EXPECT_EQ(form.Options(), TLessonPlanHTMLOptions{});
}

// A file that ends early leaves the controls as they were: the defaults at the first showing,
// afterwards what they showed, a typed width included.
TEST_F(LessonPlanHTMLFormTest, AShortSettingsFileLeavesTheOtherControlsAsTheyWere) {
    testing_support::WriteBytes(SettingsFile(), Bytes{0x00, 0x01});
    form.show();
    user_input::Activate(form);
    EXPECT_FALSE(ui().checkHeaderFontBold->Checked());
    EXPECT_TRUE(ui().checkHeaderFontItalic->Checked());
    EXPECT_EQ(ui().spinHeaderFontSize->GetValue(), 14);
    EXPECT_EQ(ui().spinColsUserWidth->GetValue(), 100);

    platform::SpinEdit& width = *ui().spinColsUserWidth;
    width.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&width, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&width, "250");
    form.close();  // the title bar: nothing saved
    form.show();
    EXPECT_EQ(width.GetValue(), 250);
    EXPECT_EQ(ui().spinHeaderFontSize->GetValue(), 14);
}

TEST_F(LessonPlanHTMLFormTest, ThePageIsWrittenFromTheDocumentsPlan) {
    document.LessonPlan.Days[0] = "Matematyka\r\nFizyka";
    document.LessonPlan.Days[2] = "<Chemia>";
    form.show();
    colors.ExpectPick(0x0000FF);
    user_input::Click(*ui().colorHeaderBG, ui().colorHeaderBG->rect().center());
    EXPECT_EQ(form.Options().HeaderBGColor, 0x0000FFu);
    const std::string path = outputDir.File("plan.htm");
    files.ExpectSave(path);
    ui().btnSavePlan->click();
    const Bytes written = testing_support::ReadBytes(path);
    const std::string page(written.begin(), written.end());
    EXPECT_EQ(page, WriteLessonPlanPage(document.LessonPlan, form.Options()));
    EXPECT_NE(page.find("background: #FF0000;"), std::string::npos);
    EXPECT_NE(page.find("Matematyka<br>\r\nFizyka</td>"), std::string::npos);
    EXPECT_NE(page.find("&lt;Chemia&gt;"), std::string::npos);
    EXPECT_TRUE(form.isVisible());

    const std::string blocked = outputDir.File("brak/plan.htm");
    files.ExpectSave(blocked);
    boxes.Expect(std::string(kSaveFailedMessage) + "\n" + blocked, kDocumentCaption,
                 platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    ui().btnSavePlan->click();
    files.ExpectSaveCancelled();
    ui().btnSavePlan->click();
    EXPECT_FALSE(Exists("LP_HTML.dat"));
    // Replaced without a question; the next dialog opens where the page was written, not
    // where writing it failed.
    ASSERT_EQ(files.Shown().size(), 3u);
    EXPECT_FALSE(files.Shown()[0].AsksBeforeReplacing());
    EXPECT_EQ(files.Shown()[2].Folder(), outputDir.Path().string() + "/");
}

// The width typed into the field counts as it stands when the page or the settings are
// written, the field still being typed in: under the spin's minimum, or emptied, it is 40.
TEST_F(LessonPlanHTMLFormTest, ATypedWidthIsWrittenAndStoredAsTheSpinsValue) {
    form.show();
    user_input::Activate(form);
    ClickBox(*ui().checkColsUserWidth);
    platform::SpinEdit& width = *ui().spinColsUserWidth;
    const auto typeWidth = [&](const char* text) {
        width.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&width, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&width, Qt::Key_Backspace);
        QTest::keyClicks(&width, text);
    };
    const auto writtenPage = [&](const std::string& name) {
        const std::string path = outputDir.File(name);
        files.ExpectSave(path);
        user_input::Click(*ui().btnSavePlan, ui().btnSavePlan->rect().center());
        const Bytes written = testing_support::ReadBytes(path);
        return std::string(written.begin(), written.end());
    };
    const auto storedWidth = [&] {
        accessible_actions::Press(*ui().btnExit);
        TLessonPlanHTMLOptions stored;
        EXPECT_EQ(LoadLessonPlanHTMLSettings(SettingsFile(), stored), 0);
        EXPECT_EQ(testing_support::ReadBytes(SettingsFile()).at(24), stored.ColsUserWidth.Value());
        form.show();
        user_input::Activate(form);
        return stored.ColsUserWidth.Value();
    };

    typeWidth("30");
    std::string page = writtenPage("30.htm");
    EXPECT_NE(page.find("<td width=\"40px\" valign=\"top\">"), std::string::npos);
    EXPECT_EQ(page.find("100px"), std::string::npos);
    EXPECT_EQ(storedWidth(), 40);

    typeWidth("");
    page = writtenPage("pusta.htm");
    EXPECT_NE(page.find("width=\"40px\""), std::string::npos);
    EXPECT_EQ(page.find("100px"), std::string::npos);
    EXPECT_EQ(storedWidth(), 40);

    typeWidth("25");
    QTest::keyClick(&width, Qt::Key_Tab);  // leaving the field shows the width used
    EXPECT_EQ(width.findChild<QLineEdit*>()->text().toStdString(), "40");
    typeWidth("250");
    EXPECT_NE(writtenPage("250.htm").find("width=\"250px\""), std::string::npos);
    EXPECT_EQ(storedWidth(), 250);
}

// "Domyślna" leaves the width as the field shows it, typed or not.
TEST_F(LessonPlanHTMLFormTest, ChoosingTheDefaultWidthKeepsATypedWidth) {
    form.show();
    user_input::Activate(form);
    ClickBox(*ui().checkColsUserWidth);
    platform::SpinEdit& width = *ui().spinColsUserWidth;
    width.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&width, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&width, "20");
    ClickBox(*ui().checkColsDefaultWidth);
    EXPECT_EQ(width.GetValue(), 40);
    EXPECT_EQ(form.Options().ColsUserWidth.Value(), 40);
}

TEST_F(LessonPlanHTMLFormTest, SpinsOfFontSizesAndBorderCannotBeTyped) {
    form.show();
    EXPECT_TRUE(ui().spinHeaderFontSize->findChild<QLineEdit*>()->isReadOnly());
    EXPECT_TRUE(ui().spinBorderWidth->findChild<QLineEdit*>()->isReadOnly());
    EXPECT_FALSE(ui().spinColsUserWidth->findChild<QLineEdit*>()->isReadOnly());
}

TEST_F(LessonPlanHTMLFormTest, TheColourPanelsTakeTheFocusAndOpenTheirDialogFromTheKeyboard) {
    form.show();
    QApplication::setActiveWindow(&form);
    ui().colorHeaderBG->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ui().colorHeaderBG, Qt::Key_Tab);
    EXPECT_EQ(ui().colorHeaderText, QApplication::focusWidget());
    TColor pick = 0x102030;
    for (platform::Panel* panel : {ui().colorBorder, ui().colorHeaderBG, ui().colorHeaderText,
                                   ui().colorPlanBG, ui().colorPlanText}) {
        EXPECT_TRUE(panel->focusPolicy() & Qt::TabFocus) << panel->objectName().toStdString();
        colors.ExpectPick(pick);
        QTest::keyClick(panel, Qt::Key_Enter, Qt::KeypadModifier);
        colors.ExpectPick(pick + 1);
        QTest::keyClick(panel, Qt::Key_Space);
        colors.ExpectPick(pick + 2);
        accessible_actions::Press(*panel);
        EXPECT_EQ(panel->Color(), pick + 2) << panel->objectName().toStdString();
        pick += 0x10;
    }
    EXPECT_EQ(colors.OpenedOn().size(), 15u);
    EXPECT_EQ(AccessibleName(*ui().colorBorder), "Kolor obramowania");
}

TEST_F(LessonPlanHTMLFormTest, ControlsAreNamedForScreenReaders) {
    form.show();
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui().colorBorder, ui().colorHeaderBG, ui().colorHeaderText, ui().colorPlanBG,
             ui().colorPlanText, ui().spinBorderWidth, ui().spinHeaderFontSize,
             ui().spinPlanFontSize, ui().spinColsUserWidth, ui().edHours, ui().memoHours,
             ui().btnSavePlan, ui().btnDefaultSettings, ui().btnExit, ui().checkSob})
        EXPECT_FALSE(AccessibleName(*control).empty()) << control->objectName().toStdString();
}

}  // namespace

TEST_F(MainWindowTest, TheLessonPlanPageOpensCentredAndIsKept) {
    TMainForm& form = Open();
    form.show();
    QWidget* first = nullptr;
    for (int showing = 0; showing < 2; ++showing)
        testing_support::ExpectModal<TLessonPlanHTMLForm>(
            [&] { ui().mExportLessonPlanToHTML->trigger(); },
            [&](TLessonPlanHTMLForm& page) {
                if (first == nullptr) first = &page;
                EXPECT_EQ(first, &page);
                ExpectCentredHorizontally(form, page);
                page.Ui().btnExit->click();
            });
    EXPECT_TRUE(std::filesystem::exists(programDir.Path() / "LP_HTML.dat"));
}
