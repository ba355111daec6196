#include <QToolButton>
#include <cstdlib>
#include <filesystem>

#include "app/ReportContentBox.h"
#include "app/ReportTXTForm.h"
#include "platform/qt/CheckBox.h"
#include "reports/ReportSettings.h"
#include "reports/TextReport.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/ReportFormFixture.h"
#include "tests/support/qt/ModalWatch.h"
#include "ui_ReportContentBox.h"
#include "ui_ReportTXTForm.h"

namespace {

using B = ContentBox;
using Bytes = std::vector<std::uint8_t>;

class ReportTXTFormTest : public ReportFormTest {
  protected:
    ReportTXTFormTest() : form(document) {}

    Ui::TReportContentBox& content() { return form.Ui().GroupBox2->Ui(); }
    std::string SettingsFile() const { return ProgramFile("RaportTXT.dat"); }

    TReportTXTForm form;
};

TEST_F(ReportTXTFormTest, ShowsTheDefaultsAndSavesFifteenBytesOnExit) {
    form.show();
    EXPECT_EQ("Raport TXT", form.windowTitle().toStdString());
    EXPECT_EQ("Zapisz raport TXT", form.Ui().btnSaveReport->text().toStdString());
    EXPECT_EQ(form.Content(), TReportContent{});
    EXPECT_TRUE(content().checkSchoolYear->Checked());
    EXPECT_FALSE(content().checkTeacher->Checked());
    ClickBox(*content().checkStudentData);
    EXPECT_FALSE(content().checkSchool->Checked());
    form.close();
    EXPECT_FALSE(Exists("RaportTXT.dat"));
    form.show();
    EXPECT_TRUE(content().checkStudentData->Checked());
    ClickBox(*content().checkStudentData);
    form.Ui().btnExit->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(testing_support::ReadBytes(SettingsFile()),
              (Bytes{0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0}));
}

TEST_F(ReportTXTFormTest, AGroupStoredOffTurnsItsStoredSubItemsOff) {
    testing_support::WriteBytes(SettingsFile(), {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1});
    form.show();
    EXPECT_TRUE(content().checkTeacher->Checked());
    EXPECT_TRUE(content().checkDesc->Checked());
    for (platform::CheckBox* box :
         {content().checkSummary, content().checkStatistics, content().checkAverageInfo,
          content().checkMenaces, content().checkExtraSubjects})
        EXPECT_FALSE(box->Checked()) << box->objectName().toStdString();
}

TEST_F(ReportTXTFormTest, AShortFileAtTheFirstShowingLeavesTheBoxesItLacksUnchecked) {
    testing_support::WriteBytes(SettingsFile(), {1, 0, 1, 0, 0});
    form.show();
    EXPECT_TRUE(content().checkStudentData->Checked());
    EXPECT_FALSE(content().checkSchool->Checked());
    EXPECT_TRUE(content().checkSchoolYear->Checked());
    for (int i = 3; i < kContentBoxes; ++i)
        EXPECT_FALSE(form.Ui().GroupBox2->Box(static_cast<B>(i)).Checked()) << i;
    form.Ui().btnExit->click();
    EXPECT_EQ(testing_support::ReadBytes(SettingsFile()),
              (Bytes{1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(ReportTXTFormTest, DefaultsResetSubItemsOfGroupsAlreadyOn) {
    form.show();
    ClickBox(*content().checkDesc);
    ClickBox(*content().checkMarks);
    form.Ui().btnDefaultSettings->click();
    EXPECT_EQ(form.Content(), TReportContent{});
    EXPECT_FALSE(content().checkDesc->Checked());
    EXPECT_TRUE(content().checkMarks->Checked());
}

TEST_F(ReportTXTFormTest, TheReportIsWrittenAndTheWindowStaysOpen) {
    testing_support::AddSubject(document, "Chemia", {3, 6}, 1, kNoFinalMark, "", "raz\r\ndwa");
    form.show();
    ClickBox(*content().checkDesc);
    const std::string path = outputDir.File("raport.txt");
    files.ExpectSave(path);
    form.Ui().btnSaveReport->click();
    const Bytes written = testing_support::ReadBytes(path);
    const std::string text(written.begin(), written.end());
    EXPECT_EQ(text, WriteTextReport(document, form.Content()));
    EXPECT_NE(text.find("Notatka: raz\r\ndwa\r\n"), std::string::npos);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.SaveDialog.Filter(), "Dokument tekstowy|*.txt");
    EXPECT_EQ(form.SaveDialog.DefaultExt(), ".txt");
    EXPECT_FALSE(files.Shown().back().AsksBeforeReplacing());

    // All groups off: the file is replaced by an empty one.
    for (platform::CheckBox* group :
         {content().checkStudentData, content().checkSubjectsData, content().checkSummary})
        ClickBox(*group);
    files.ExpectSave(path);
    form.Ui().btnSaveReport->click();
    EXPECT_TRUE(testing_support::ReadBytes(path).empty());
}

TEST_F(ReportTXTFormTest, AReportThatCannotBeWrittenIsReported) {
    form.show();
    const std::string path = outputDir.Path().string();  // a folder
    files.ExpectSave(path);
    boxes.Expect(std::string(kSaveFailedMessage) + "\n" + path, kDocumentCaption,
                 platform::mb::Ok | platform::mb::IconStop, platform::answer::Ok);
    form.Ui().btnSaveReport->click();
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(ReportTXTFormTest, ControlsAreNamedForScreenReaders) {
    form.show();
    for (QWidget* control : std::initializer_list<QWidget*>{
             form.Ui().btnSaveReport, form.Ui().btnDefaultSettings, form.Ui().btnExit,
             content().checkSchool, content().checkExtraSubjects})
        EXPECT_FALSE(AccessibleName(*control).empty()) << control->objectName().toStdString();
}

}  // namespace

TEST_F(MainWindowTest, TheTextReportOpensCentredAndIsKept) {
    TMainForm& form = Open();
    form.show();
    QWidget* first = nullptr;
    for (int showing = 0; showing < 2; ++showing)
        testing_support::ExpectModal<TReportTXTForm>([&] { ui().mReportTxt->trigger(); },
                                                     [&](TReportTXTForm& report) {
                                                         if (first == nullptr) first = &report;
                                                         EXPECT_EQ(first, &report);
                                                         ExpectCentredHorizontally(form, report);
                                                         report.close();
                                                     });
    EXPECT_FALSE(std::filesystem::exists(programDir.Path() / "RaportTXT.dat"));
}
