#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>

#include "app/ReportContentBox.h"
#include "app/ReportHTMLForm.h"
#include "platform/qt/CheckBox.h"
#include "platform/qt/Panel.h"
#include "reports/HtmlReport.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/ReportFormFixture.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/ModalWatch.h"
#include "ui_ReportContentBox.h"
#include "ui_ReportHTMLForm.h"

namespace {

using B = ContentBox;
using Bytes = std::vector<std::uint8_t>;

class ReportHTMLFormTest : public ReportFormTest {
  protected:
    ReportHTMLFormTest() : form(document) {}

    Ui::TReportContentBox& content() { return form.Ui().GroupBox2->Ui(); }
    bool Checked(B box) { return form.Ui().GroupBox2->Box(box).Checked(); }
    // The boxes' states on screen, in file order.
    Bytes ShownBoxes() {
        Bytes states;
        for (int i = 0; i < kContentBoxes; ++i) states.push_back(Checked(static_cast<B>(i)));
        return states;
    }
    std::string SettingsFile() const { return ProgramFile("RaportHTML.dat"); }

    TReportHTMLForm form;
};

const Bytes kDefaultBoxes = {1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0};

TEST_F(ReportHTMLFormTest, WithoutASettingsFileTheDefaultsAreShown) {
    form.show();
    EXPECT_EQ("Raport HTML", form.windowTitle().toStdString());
    EXPECT_EQ(ShownBoxes(), kDefaultBoxes);
    EXPECT_TRUE(form.Ui().checkBorder->Checked());
    EXPECT_EQ(form.Ui().colorBackground->Color(), 0xFFFFFFu);
    EXPECT_EQ(form.Ui().colorText->Color(), 0x000000u);
    EXPECT_EQ(form.Ui().colorHeaderBackground->Color(), 0x800000u);
    EXPECT_EQ(form.Ui().colorHeaderText->Color(), 0xFFFFFFu);
    EXPECT_EQ(form.Ui().colorHeaderFrame->Color(), 0x000000u);
    EXPECT_EQ(form.Ui().colorBorder->Color(), 0x000000u);
    EXPECT_FALSE(Exists("RaportHTML.dat"));
}

TEST_F(ReportHTMLFormTest, ClicksFollowTheGroupAndSubItemRules) {
    form.show();
    ClickBox(*content().checkTeacher);
    ClickBox(*content().checkSubjectsData);
    for (const B box :
         {B::SubjectsData, B::FinalMarks, B::Marks, B::Average, B::SubjectStatus, B::Teacher})
        EXPECT_FALSE(Checked(box)) << static_cast<int>(box);
    ClickBox(*content().checkDesc);
    EXPECT_FALSE(content().checkDesc->Checked());
    ClickBox(*content().checkSubjectsData);
    EXPECT_EQ(ShownBoxes(), kDefaultBoxes);
    ClickBox(*content().checkMenaces);
    EXPECT_TRUE(content().checkMenaces->Checked());
    EXPECT_TRUE(form.Options().Content.Checked(B::Menaces));
}

TEST_F(ReportHTMLFormTest, ExitSavesFortyBytesTheTitleBarNothing) {
    form.show();
    ClickBox(*content().checkSchool);
    ClickBox(*form.Ui().checkBorder);
    form.close();
    EXPECT_FALSE(Exists("RaportHTML.dat"));

    form.show();
    EXPECT_EQ(ShownBoxes(), kDefaultBoxes);
    ClickBox(*content().checkSchool);
    ClickBox(*form.Ui().checkBorder);
    form.Ui().btnExit->click();
    EXPECT_FALSE(form.isVisible());
    const Bytes saved = testing_support::ReadBytes(SettingsFile());
    ASSERT_EQ(saved.size(), 40u);
    EXPECT_EQ(saved[1], 0);   // checkSchool
    EXPECT_EQ(saved[15], 0);  // checkBorder
}

TEST_F(ReportHTMLFormTest, DefaultsClosedByTheTitleBarLeaveTheFilesSettings) {
    TReportHTMLOptions stored;
    stored.Content.Click(B::Summary);
    stored.BackgroundColor = 0x00FF00;
    ASSERT_EQ(SaveReportHTMLSettings(SettingsFile(), stored), 0);
    form.show();
    EXPECT_FALSE(Checked(B::Summary));
    EXPECT_EQ(form.Ui().colorBackground->Color(), 0x00FF00u);
    form.Ui().btnDefaultSettings->click();
    EXPECT_TRUE(Checked(B::Summary));
    EXPECT_EQ(form.Ui().colorBackground->Color(), 0xFFFFFFu);
    form.close();
    form.show();
    EXPECT_FALSE(Checked(B::Summary));
    EXPECT_EQ(form.Options(), stored);
}

TEST_F(ReportHTMLFormTest, AShortFileSetsWhatItHoldsOverTheStatesShownLast) {
    form.show();
    ClickBox(*content().checkMenaces);
    ClickBox(*form.Ui().checkBorder);
    form.close();
    testing_support::WriteBytes(SettingsFile(), Bytes(10, 0));
    form.show();
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(Checked(static_cast<B>(i))) << i;
    EXPECT_TRUE(Checked(B::Summary));
    EXPECT_TRUE(Checked(B::Menaces));
    EXPECT_FALSE(form.Ui().checkBorder->Checked());
}

TEST_F(ReportHTMLFormTest, AShortFileAtTheFirstShowingLeavesTheBoxesItLacksUnchecked) {
    testing_support::WriteBytes(SettingsFile(), Bytes(10, 1));
    form.show();
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(Checked(static_cast<B>(i))) << i;
    for (int i = 10; i < kContentBoxes; ++i) EXPECT_FALSE(Checked(static_cast<B>(i))) << i;
    EXPECT_FALSE(form.Ui().checkBorder->Checked());
    EXPECT_FALSE(form.Options().Border);
    EXPECT_EQ(form.Ui().colorBackground->Color(), 0xFFFFFFu);
    EXPECT_EQ(form.Ui().colorHeaderBackground->Color(), 0x800000u);
    form.Ui().btnExit->click();
    const Bytes saved = testing_support::ReadBytes(SettingsFile());
    ASSERT_EQ(saved.size(), 40u);
    EXPECT_EQ(Bytes(saved.begin() + 10, saved.begin() + 16), Bytes(6, 0));
}

TEST_F(ReportHTMLFormTest, APanelTakesTheConfirmedColourOnlyAndKeepsAll32Bits) {
    TReportHTMLOptions stored;
    stored.HeaderFrameColor = 0x7F123456;
    ASSERT_EQ(SaveReportHTMLSettings(SettingsFile(), stored), 0);
    form.show();
    colors.ExpectPick(0x0000FF);
    colors.ExpectCancel();
    colors.ExpectPick(0x00FF00);
    user_input::Click(*form.Ui().colorText, form.Ui().colorText->rect().center());
    user_input::Click(*form.Ui().colorBorder, form.Ui().colorBorder->rect().center());
    user_input::Click(*form.Ui().colorHeaderText, form.Ui().colorHeaderText->rect().center());
    EXPECT_EQ(form.Ui().colorText->Color(), 0x0000FFu);
    EXPECT_EQ(form.Ui().colorBorder->Color(), 0x000000u);
    EXPECT_EQ(form.Ui().colorHeaderText->Color(), 0x00FF00u);
    // Never primed from the panel: each opens on the colour confirmed last.
    ASSERT_EQ(colors.OpenedOn().size(), 3u);
    EXPECT_EQ(colors.OpenedOn()[1], 0x0000FFu);
    EXPECT_EQ(colors.OpenedOn()[2], 0x0000FFu);
    form.Ui().btnExit->click();
    const Bytes saved = testing_support::ReadBytes(SettingsFile());
    ASSERT_EQ(saved.size(), 40u);
    EXPECT_EQ(Bytes(saved.begin() + 32, saved.begin() + 36), (Bytes{0x56, 0x34, 0x12, 0x7F}));
}

TEST_F(ReportHTMLFormTest, TheReportIsWrittenWithTheOptionsShownAndTheWindowStaysOpen) {
    testing_support::AddSubject(document, "Fizyka", {12, 9}, 1, 12, "pani Nowak");
    form.show();
    ClickBox(*content().checkTeacher);
    const std::string path = outputDir.File("raport.htm");
    testing_support::WriteBytes(path, Bytes(5000, 'x'));
    files.ExpectSave(path);
    form.Ui().btnSaveReport->click();
    const Bytes written = testing_support::ReadBytes(path);
    const std::string expected = WriteHtmlReport(document, form.Options());
    EXPECT_EQ(std::string(written.begin(), written.end()), expected);
    EXPECT_NE(expected.find("pani Nowak"), std::string::npos);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.SaveDialog.Filter(), "Dokument HTML|*.htm");
    EXPECT_EQ(form.SaveDialog.DefaultExt(), ".htm");
    EXPECT_FALSE(files.Shown().back().AsksBeforeReplacing());  // the old report goes unasked
    EXPECT_FALSE(Exists("RaportHTML.dat"));

    files.ExpectSaveCancelled();
    form.Ui().btnSaveReport->click();
    EXPECT_EQ(testing_support::ReadBytes(path), written);
}

// A screen reader's or voice control's "Toggle" is a change like a click.
TEST_F(ReportHTMLFormTest, TogglesThroughAccessibilityReachTheReportAndTheFile) {
    testing_support::AddSubject(document, "Fizyka", {12, 9}, 1, 12, "pani Nowak");
    form.show();
    accessible_actions::Toggle(*content().checkTeacher);
    accessible_actions::Toggle(*form.Ui().checkBorder);
    EXPECT_TRUE(form.Options().Content.Checked(B::Teacher));
    const std::string path = outputDir.File("raport.htm");
    files.ExpectSave(path);
    form.Ui().btnSaveReport->click();
    const Bytes written = testing_support::ReadBytes(path);
    EXPECT_NE(std::string(written.begin(), written.end()).find("pani Nowak"), std::string::npos);
    form.Ui().btnExit->click();
    const Bytes saved = testing_support::ReadBytes(SettingsFile());
    ASSERT_EQ(saved.size(), 40u);
    EXPECT_EQ(saved[8], 1);   // checkTeacher
    EXPECT_EQ(saved[15], 0);  // checkBorder
}

TEST_F(ReportHTMLFormTest, TogglesThroughAccessibilityFollowTheGroupAndSubItemRules) {
    form.show();
    accessible_actions::Toggle(*content().checkSubjectsData);
    for (const B box : {B::SubjectsData, B::FinalMarks, B::Marks, B::Average, B::SubjectStatus})
        EXPECT_FALSE(Checked(box)) << static_cast<int>(box);
    accessible_actions::Toggle(*content().checkDesc);
    EXPECT_FALSE(content().checkDesc->Checked());
    accessible_actions::Toggle(*content().checkSubjectsData);
    EXPECT_EQ(ShownBoxes(), kDefaultBoxes);
    EXPECT_EQ(form.Options().Content, TReportHTMLOptions().Content);
}

TEST_F(ReportHTMLFormTest, AReportThatCannotBeWrittenIsReported) {
    form.show();
    const std::string path = outputDir.File("brak/raport.htm");
    files.ExpectSave(path);
    boxes.Expect(std::string(kSaveFailedMessage) + "\n" + path, kDocumentCaption,
                 platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    form.Ui().btnSaveReport->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ReportHTMLFormTest, ControlsAreNamedForScreenReaders) {
    form.show();
    for (QWidget* control : std::initializer_list<QWidget*>{
             form.Ui().colorBackground, form.Ui().colorText, form.Ui().colorHeaderBackground,
             form.Ui().colorHeaderText, form.Ui().colorHeaderFrame, form.Ui().colorBorder,
             form.Ui().btnSaveReport, form.Ui().btnDefaultSettings, form.Ui().btnExit,
             form.Ui().checkBorder, content().checkStudentData, content().checkMenaces})
        EXPECT_FALSE(AccessibleName(*control).empty()) << control->objectName().toStdString();
    EXPECT_EQ(AccessibleName(*form.Ui().colorBackground), "Kolor tła");
}

TEST_F(ReportHTMLFormTest, TheColourPanelsTakeTheFocusAndOpenTheirDialogFromTheKeyboard) {
    form.show();
    QApplication::setActiveWindow(&form);
    form.Ui().colorBackground->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.Ui().colorBackground, Qt::Key_Tab);
    EXPECT_EQ(form.Ui().colorText, QApplication::focusWidget());
    TColor pick = 0x102030;
    for (platform::Panel* panel :
         {form.Ui().colorBackground, form.Ui().colorText, form.Ui().colorHeaderBackground,
          form.Ui().colorHeaderText, form.Ui().colorHeaderFrame, form.Ui().colorBorder}) {
        EXPECT_TRUE(panel->focusPolicy() & Qt::TabFocus) << panel->objectName().toStdString();
        colors.ExpectPick(pick);
        QTest::keyClick(panel, Qt::Key_Space);
        colors.ExpectPick(pick + 1);
        QTest::keyClick(panel, Qt::Key_Return);
        colors.ExpectPick(pick + 2);
        accessible_actions::Press(*panel);
        EXPECT_EQ(panel->Color(), pick + 2) << panel->objectName().toStdString();
        pick += 0x10;
    }
    EXPECT_EQ(colors.OpenedOn().size(), 18u);
    EXPECT_EQ(AccessibleName(*form.Ui().colorBackground), "Kolor tła");
    EXPECT_TRUE(form.isVisible());  // Enter on a panel presses no button of the window
}

TEST_F(ReportHTMLFormTest, SubItemsStandIndentedUnderTheirGroups) {
    form.show();
    const auto left = [this](B box) {
        QWidget& widget = form.Ui().GroupBox2->Box(box);
        return widget.mapTo(form.Ui().GroupBox2, QPoint(0, 0)).x();
    };
    const auto top = [this](B box) {
        QWidget& widget = form.Ui().GroupBox2->Box(box);
        return widget.mapTo(form.Ui().GroupBox2, QPoint(0, 0)).y();
    };
    EXPECT_GT(left(B::SchoolYear), left(B::StudentData));
    EXPECT_GT(left(B::Desc), left(B::SubjectsData));
    EXPECT_EQ(left(B::StudentData), left(B::Summary));
    // One column: "Rok szkolny, semestr" above "Nazwa szkoły", the extra subjects above the
    // menaces.
    EXPECT_LT(top(B::StudentData), top(B::SchoolYear));
    EXPECT_LT(top(B::SchoolYear), top(B::School));
    EXPECT_LT(top(B::School), top(B::SubjectsData));
    EXPECT_LT(top(B::Summary), top(B::Statistics));
    EXPECT_LT(top(B::AverageInfo), top(B::ExtraSubjects));
    EXPECT_LT(top(B::ExtraSubjects), top(B::Menaces));
    EXPECT_TRUE(content().checkSummary->font().bold());
    EXPECT_FALSE(content().checkMenaces->font().bold());
}

}  // namespace

TEST_F(MainWindowTest, TheHTMLReportOpensCentredAndIsKept) {
    TMainForm& form = Open();
    form.show();
    QWidget* first = nullptr;
    for (int showing = 0; showing < 2; ++showing)
        testing_support::ExpectModal<TReportHTMLForm>([&] { ui().mReportHTML->trigger(); },
                                                      [&](TReportHTMLForm& report) {
                                                          if (first == nullptr) first = &report;
                                                          EXPECT_EQ(first, &report);
                                                          ExpectCentredHorizontally(form, report);
                                                          report.Ui().btnExit->click();
                                                      });
    EXPECT_TRUE(std::filesystem::exists(programDir.Path() / "RaportHTML.dat"));
    EXPECT_FALSE(form.IsModified());
}
