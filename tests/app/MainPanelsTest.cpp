#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>

#include "app/AddChangeEventForm.h"
#include "app/MainRoutines.h"
#include "core/DocumentLimits.h"
#include "platform/Dates.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/DatePicker.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/qt/AccessibleActions.h"
#include "tests/support/qt/ModalWatch.h"
#include "ui_AddChangeEventForm.h"

namespace {

using testing_support::AddSubject;

int RightEdge(const QWidget& widget) {
    return widget.x() + widget.width();
}

// A number label before its bar shows its whole number, or the number cut short with an
// ellipsis and whole in its hint and name, within its own width and left of its bar, and the
// bar keeps its right end.
void ExpectWholeOrElided(const QLabel& label, const QWidget& bar, int barRight,
                         const QString& number) {
    const QString shown = label.text();
    const QChar ellipsis(0x2026);
    if (shown != number) {
        EXPECT_TRUE(shown.endsWith(ellipsis)) << shown.toStdString();
        EXPECT_TRUE(number.startsWith(shown.chopped(1))) << shown.toStdString();
        EXPECT_EQ(number, label.toolTip());
        EXPECT_EQ(number, label.accessibleName());
    }
    EXPECT_LE(label.fontMetrics().horizontalAdvance(shown), label.contentsRect().width())
        << shown.toStdString() << " in " << label.objectName().toStdString();
    EXPECT_LE(RightEdge(label), bar.x()) << label.objectName().toStdString();
    EXPECT_EQ(barRight, RightEdge(bar)) << bar.objectName().toStdString();
}

}  // namespace

TEST_F(MainWindowTest, AnAverageLabelShowsItsWholeNumberOrElidesIt) {
    TMainForm& form = Open();
    form.show();
    const std::vector<std::pair<QLabel*, QWidget*>> rows = {
        {ui().lblSubjectAverage, ui().SubAvBar},
        {ui().lblGeneralAverage, ui().GenAvBar},
        {ui().lblAllSubjectsAverage, ui().AllSubAvBar},
        {ui().lblFinalMarksAverage, ui().FinalMarksAvBar}};
    std::vector<int> barRights;
    for (const auto& [label, bar] : rows) barRights.push_back(RightEdge(*bar));

    AddSubject(form.DataFile, "A", {12}, 1, 12);  // one "5", final mark "5"
    const std::pair<double, const char*> averages[] = {
        {1073743.8245, "1073743,824"},
        {1.23456789012345e300, "1,23456789012345E300"},
        {4.5, "4,5"}};
    for (const auto& [value, number] : averages) {
        form.DataFile.Settings.MarksValues[12] = value;
        form.RefreshSubjectsList();
        for (std::size_t i = 0; i < rows.size(); ++i)
            ExpectWholeOrElided(*rows[i].first, *rows[i].second, barRights[i], number);
    }
    // An ordinary average stands where the layout has it.
    EXPECT_EQ("4,5", ui().lblGeneralAverage->text().toStdString());
    EXPECT_EQ(ui().lblGeneralAverage->minimumWidth(), ui().lblGeneralAverage->width());
    EXPECT_EQ("", ui().lblGeneralAverage->toolTip().toStdString());
}

TEST_F(MainWindowTest, TheSubjectBrowserShowsMarksAverageAndAMarkedBar) {
    TMainForm& form = Open();
    AddSubject(form.DataFile, "Polski", {12, 11, 7});  // 5, 4+, 3-
    form.RefreshSubjectsList();

    EXPECT_EQ("5,4+,3-", ui().edMarks->Text());
    EXPECT_EQ("4,133", ui().lblSubjectAverage->text().toStdString());
    EXPECT_EQ("brak", ui().lblFinalMark->text().toStdString());
    EXPECT_TRUE(ui().lblDodatkowy->isHidden());
    const int barWidth = ui().SubAvBar->width();
    EXPECT_EQ(static_cast<int>(4.133 / 6.0 * barWidth), ui().SubAvBarFill->width());
    EXPECT_FALSE(ui().SubAvBarFill->isHidden());
    EXPECT_FALSE(ui().SubAvBarImg->isHidden());
    EXPECT_EQ(0xA00000u, ui().SubAvBarFill->Color());
}

TEST_F(MainWindowTest, ASubjectWithoutMarksHidesTheBarWithItsMarker) {
    TMainForm& form = Open();
    form.show();
    AddSubject(form.DataFile, "Polski", {12});
    AddSubject(form.DataFile, "Nowy", {});
    form.RefreshSubjectsList();
    EXPECT_TRUE(ui().SubAvBarImg->isVisible());
    ui().btnSubjectNext->click();
    EXPECT_EQ("0", ui().lblSubjectAverage->text().toStdString());
    EXPECT_FALSE(ui().SubAvBarFill->isVisible());
    EXPECT_FALSE(ui().SubAvBarImg->isVisible());
}

TEST_F(MainWindowTest, AnAverageAtTheThresholdShowsThePlainRedBar) {
    TMainForm& form = Open();
    AddSubject(form.DataFile, "Fizyka", {3}, 0, 9);  // a single "2"; final mark "4"
    form.RefreshSubjectsList();
    EXPECT_EQ("2", ui().lblSubjectAverage->text().toStdString());
    EXPECT_EQ("4", ui().lblFinalMark->text().toStdString());
    EXPECT_FALSE(ui().lblDodatkowy->isHidden());
    EXPECT_TRUE(ui().SubAvBarImg->isHidden());
    EXPECT_EQ(0xFFu, ui().SubAvBarFill->Color());
}

TEST_F(MainWindowTest, AnAverageAboveTheTopFillsTheWholeBar) {
    TMainForm& form = Open();
    form.DataFile.Settings.MarksValues[12] = 9.0;  // "5" now worth more than "6"
    AddSubject(form.DataFile, "WF", {12});
    form.RefreshSubjectsList();
    EXPECT_EQ(ui().SubAvBar->width(), ui().SubAvBarFill->width());
}

TEST_F(MainWindowTest, AveragesFromTheInt32LimitOnShowTheirTruncatedValue) {
    TMainForm& form = Open();
    form.DataFile.Settings.MarksValues[12] = 3000000.0;    // "5"
    form.DataFile.Settings.MarksValues[9] = 2147483.6489;  // "4"
    AddSubject(form.DataFile, "A", {12}, 1, 12);
    AddSubject(form.DataFile, "B", {9}, 0, 9);
    form.RefreshSubjectsList();
    EXPECT_EQ("3000000", ui().lblSubjectAverage->text().toStdString());
    EXPECT_EQ("3000000", ui().lblGeneralAverage->text().toStdString());
    EXPECT_EQ("2573741,824", ui().lblAllSubjectsAverage->text().toStdString());
    EXPECT_EQ("3000000", ui().lblFinalMarksAverage->text().toStdString());
    ui().btnSubjectNext->click();
    EXPECT_EQ("2147483,648", ui().lblSubjectAverage->text().toStdString());
    EXPECT_EQ(ui().SubAvBar->width(), ui().SubAvBarFill->width());
}

TEST_F(MainWindowTest, AnEmptyDocumentShowsTheEmptyBrowserAndZeroAverages) {
    Open();
    EXPECT_EQ(-1, ui().cbSubject->ItemIndex());
    EXPECT_EQ("", ui().edMarks->Text());
    EXPECT_TRUE(ui().SubAvBarFill->isHidden());
    EXPECT_TRUE(ui().lblDodatkowy->isHidden());
    for (QLabel* label :
         {ui().lblGeneralAverage, ui().lblAllSubjectsAverage, ui().lblFinalMarksAverage})
        EXPECT_EQ("0", label->text().toStdString());
    EXPECT_TRUE(ui().GenAvBarFill->isHidden());
    EXPECT_TRUE(ui().AllSubAvBarFill->isHidden());
    EXPECT_TRUE(ui().FinalMarksAvBarFill->isHidden());
}

TEST_F(MainWindowTest, TheAveragesBoxCountsSubjectsByTheirFlag) {
    TMainForm& form = Open();
    AddSubject(form.DataFile, "A", {12}, 1, 12);  // 5, final 5
    AddSubject(form.DataFile, "B", {6}, 0, 6);    // 3, final 3, extra subject
    form.RefreshSubjectsList();
    EXPECT_EQ("5", ui().lblGeneralAverage->text().toStdString());
    EXPECT_EQ("4", ui().lblAllSubjectsAverage->text().toStdString());
    EXPECT_EQ("5", ui().lblFinalMarksAverage->text().toStdString());
    EXPECT_EQ(0x800000u, ui().GenAvBarFill->Color());
}

TEST_F(MainWindowTest, TheSelectionStaysOnItsIndexAndFallsBackToTheFirstSubject) {
    TMainForm& form = Open();
    AddSubject(form.DataFile, "A", {});
    AddSubject(form.DataFile, "B", {});
    AddSubject(form.DataFile, "C", {});
    form.RefreshSubjectsList();
    SelectComboBoxItem(*ui().cbSubject, 2);
    form.RefreshSubjectsList();
    EXPECT_EQ(2, ui().cbSubject->ItemIndex());

    form.DataFile.Subjects.Delete(2);
    form.RefreshSubjectsList();
    EXPECT_EQ(0, ui().cbSubject->ItemIndex());
}

TEST_F(MainWindowTest, PreviousAndNextWrapAround) {
    TMainForm& form = Open();
    AddSubject(form.DataFile, "A", {12});
    AddSubject(form.DataFile, "B", {9});
    form.RefreshSubjectsList();

    ui().btnSubjectPrev->click();
    EXPECT_EQ(1, ui().cbSubject->ItemIndex());
    EXPECT_EQ("4", ui().edMarks->Text());
    ui().btnSubjectNext->click();
    EXPECT_EQ(0, ui().cbSubject->ItemIndex());
    EXPECT_EQ("5", ui().edMarks->Text());
}

TEST_F(MainWindowTest, TheHeaderStripPlacesEachLabelAfterThePreviousOne) {
    TMainForm& form = Open();
    TStudent& pupil = form.DataFile.Student;
    pupil.Name = "Anna";
    pupil.Surname = "Nowak";
    pupil.Class = 2;
    pupil.ClassChar = 'b';
    pupil.SchoolType = "gimnazjum";
    pupil.SchoolYear = 2005;
    form.RefreshStudentInfo();

    EXPECT_EQ("Anna Nowak", ui().lblStudentName->text().toStdString());
    EXPECT_EQ("II b gimnazjum", ui().lblStudentClass->text().toStdString());
    EXPECT_EQ("Rok szkolny: 2005/2006   ", ui().lblMoreInfo->text().toStdString());
    EXPECT_EQ(RightEdge(*ui().lblStudentName) + 5, ui().lblStudentClass->x());
    EXPECT_EQ(RightEdge(*ui().lblStudentClass) + 10, ui().lblMoreInfo->x());

    pupil.Term = "I";
    pupil.SchoolName = "Gimnazjum nr 1";
    form.RefreshStudentInfo();
    EXPECT_EQ("Rok szkolny: 2005/2006   Semestr: I  Szkoła: Gimnazjum nr 1",
              ui().lblMoreInfo->text().toStdString());
}

TEST_F(MainWindowTest, ALongMarksLineOpensOnItsFirstMarks) {
    TMainForm& form = Open();
    form.show();
    AddSubject(form.DataFile, "Polski", std::vector<char>(400, 12));
    form.DataFile.Subjects.Get(0)->Marks.AddMark(0);
    form.RefreshSubjectsList();
    platform::Edit& marks = *ui().edMarks;
    ASSERT_EQ(801u, marks.Text().size());  // "5," 400 times, then "1"
    // The first mark's character stands inside the edit, as a screen reader finds it too.
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(&marks);
    ASSERT_NE(nullptr, line);
    ASSERT_NE(nullptr, line->textInterface());
    const QRect first = line->textInterface()->characterRect(0);
    EXPECT_TRUE(marks.rect().contains(marks.mapFromGlobal(first.center()))) << first.x();
    EXPECT_EQ(0, marks.cursorPosition());
}

TEST_F(MainWindowTest, TheMarksLineOfAHugeSubjectShowsItsFirstMarksOnly) {
    TMainForm& form = Open();
    AddSubject(form.DataFile, "Polski", std::vector<char>(10000, 3));
    form.RefreshSubjectsList();
    EXPECT_EQ(10000u * 2 - 1, ui().edMarks->Text().size());
    form.DataFile.Subjects.Get(0)->Marks.AddMark(12);
    form.RefreshSubjectsList();
    const std::string shown = ui().edMarks->Text();
    EXPECT_EQ(",…", shown.substr(shown.size() - 4));
    EXPECT_EQ(std::string("2,2"), shown.substr(0, 3));
    EXPECT_EQ(10001, form.DataFile.Subjects.Get(0)->Marks.Count);
}

TEST_F(MainWindowTest, TheHeaderStripElidesWhatItsWidthCannotHold) {
    TMainForm& form = Open();
    form.show();
    TStudent& pupil = form.DataFile.Student;
    pupil.Name = "Anna";
    pupil.Surname = "Nowak";
    pupil.SchoolYear = 2005;
    std::string school = "Zespół Szkół Ogólnokształcących";
    for (int i = 0; i < 40; ++i) school += " imienia Marii Skłodowskiej-Curie";
    pupil.SchoolName = school;
    form.RefreshStudentInfo();

    const QWidget& strip = *ui().Panel10;
    QLabel& more = *ui().lblMoreInfo;
    const QString whole = QString::fromStdString("Rok szkolny: 2005/2006   Szkoła: " + school);
    EXPECT_TRUE(more.text().endsWith(QChar(0x2026))) << more.text().toStdString();
    EXPECT_TRUE(whole.startsWith(more.text().chopped(1)));
    EXPECT_LE(RightEdge(more), strip.width() - ui().lblStudentName->x());
    EXPECT_EQ(whole, more.toolTip());
    EXPECT_EQ(whole, more.accessibleName());
    EXPECT_EQ("Anna Nowak", ui().lblStudentName->text().toStdString());
    EXPECT_EQ("", ui().lblStudentName->toolTip().toStdString());

    // A wider window shows more of it.
    const qsizetype narrow = more.text().size();
    form.resize(form.width() + 200, form.height());
    QCoreApplication::processEvents();
    EXPECT_GT(more.text().size(), narrow);
    EXPECT_LE(RightEdge(more), strip.width() - ui().lblStudentName->x());

    // A pupil name of a million characters takes the strip and leaves the rest nothing.
    pupil.Name = std::string(1000000, 'Z');
    form.RefreshStudentInfo();
    QLabel& name = *ui().lblStudentName;
    EXPECT_TRUE(name.text().endsWith(QChar(0x2026)));
    EXPECT_LE(RightEdge(name), strip.width() - name.x());
    EXPECT_EQ(1000000 + 6, name.accessibleName().size());
}

TEST_F(MainWindowTest, TheTodayBoxShowsTheDateTheWeekdayAndTheNameDays) {
    today.Set(2004, 8, 14);  // a Saturday
    TMainForm& form = Open();
    EXPECT_EQ("14 sierpnia 2004", ui().lblActualDate->text().toStdString());
    EXPECT_EQ("Sobota", ui().lblDayName->text().toStdString());
    EXPECT_EQ(0x800000u, FontColor(*ui().lblDayName));
    EXPECT_EQ(form.NameDays.GetNames(platform::EncodeDate(2004, 8, 14)),
              ui().lblImieniny->text().toStdString());
    const int boxWidth = ui().InfoBoxToday->width();
    EXPECT_EQ(CentredLeft(boxWidth, ui().lblActualDate->width()), ui().lblActualDate->x());

    today.Set(2004, 8, 15);  // a Sunday
    form.RefreshToday();
    EXPECT_EQ("Niedziela", ui().lblDayName->text().toStdString());
    EXPECT_EQ(0xFFu, FontColor(*ui().lblDayName));
}

TEST_F(MainWindowTest, TheLessonPlanShowsTodayOrTomorrow) {
    today.Set(2005, 10, 9);  // a Sunday
    TMainForm& form = Open();
    form.DataFile.LessonPlan.Days[0] = "Matematyka\r\nPolski";
    form.DataFile.LessonPlan.Days[5] = "Sobota";
    form.RefreshLessonPlan();
    EXPECT_TRUE(ui().btnSetLessonPlanForToday->isChecked());
    EXPECT_EQ("", ui().memoLessonPlan->Text());

    ui().btnSetLessonPlanForTomorrow->click();
    EXPECT_EQ(2, form.DataFile.Settings.LessonPlanDay);
    EXPECT_EQ("Matematyka\r\nPolski", ui().memoLessonPlan->Text());
    EXPECT_FALSE(form.IsModified());

    today.Set(2005, 10, 8);  // a Saturday: tomorrow is Sunday
    form.RefreshLessonPlan();
    EXPECT_TRUE(ui().btnSetLessonPlanForTomorrow->isChecked());
    EXPECT_EQ("", ui().memoLessonPlan->Text());
    ui().btnSetLessonPlanForToday->click();
    EXPECT_EQ("Sobota", ui().memoLessonPlan->Text());
}

TEST_F(MainWindowTest, TheDayToggledThroughTheAccessibilityInterfaceIsShownAndStored) {
    TMainForm& form = Open();  // a Monday
    form.DataFile.LessonPlan.Days[0] = "Matematyka";
    form.DataFile.LessonPlan.Days[1] = "Chemia";
    form.RefreshLessonPlan();
    QAbstractButton& today = *ui().btnSetLessonPlanForToday;
    QAbstractButton& tomorrow = *ui().btnSetLessonPlanForTomorrow;

    accessible_actions::Toggle(tomorrow);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&tomorrow)->state().checked);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(&today)->state().checked);
    EXPECT_EQ(2, form.DataFile.Settings.LessonPlanDay);
    EXPECT_EQ("Chemia", ui().memoLessonPlan->Text());
    accessible_actions::Toggle(today);
    EXPECT_EQ(1, form.DataFile.Settings.LessonPlanDay);
    EXPECT_EQ("Matematyka", ui().memoLessonPlan->Text());
    EXPECT_FALSE(form.IsModified());

    // A stored day that is neither is shown as today and kept as it was.
    accessible_actions::Toggle(tomorrow);
    form.DataFile.Settings.LessonPlanDay = 0;
    form.RefreshLessonPlan();
    EXPECT_TRUE(today.isChecked());
    EXPECT_EQ(0, form.DataFile.Settings.LessonPlanDay);
    EXPECT_EQ("Matematyka", ui().memoLessonPlan->Text());
}

TEST_F(MainWindowTest, TheDaysLeftBoxCountsDownToTheHolidays) {
    TMainForm& form = Open();
    TStudent& pupil = form.DataFile.Student;
    const TDateTime now = platform::EncodeDate(2005, 10, 3);

    pupil.EndOfSchoolYear = now + 2;
    form.RefreshDaysToEndOfSchoolYear();
    EXPECT_EQ("pozostało:", ui().lblRemain->text().toStdString());
    EXPECT_EQ("2 dni", ui().lblDaysToEndOfSchoolYear->text().toStdString());
    EXPECT_EQ(RightEdge(*ui().lblRemain) + 4, ui().lblDaysToEndOfSchoolYear->x());

    pupil.EndOfSchoolYear = now + 1;
    form.RefreshDaysToEndOfSchoolYear();
    EXPECT_EQ("pozostał:", ui().lblRemain->text().toStdString());
    EXPECT_EQ("1 dzień", ui().lblDaysToEndOfSchoolYear->text().toStdString());
    EXPECT_EQ(0u, FontColor(*ui().lblDaysToEndOfSchoolYear));

    pupil.EndOfSchoolYear = now;
    form.RefreshDaysToEndOfSchoolYear();
    EXPECT_TRUE(ui().lblRemain->isHidden());
    EXPECT_EQ("Wakacje", ui().lblDaysToEndOfSchoolYear->text().toStdString());
    EXPECT_EQ(0xFFu, FontColor(*ui().lblDaysToEndOfSchoolYear));
    EXPECT_TRUE(ui().DaysToEndOfSchoolYearBarFill->isHidden());

    pupil.EndOfSchoolYear = now + 123;
    form.RefreshDaysToEndOfSchoolYear();
    EXPECT_FALSE(ui().lblRemain->isHidden());
    EXPECT_EQ("123 dni", ui().lblDaysToEndOfSchoolYear->text().toStdString());
    EXPECT_EQ(0u, FontColor(*ui().lblDaysToEndOfSchoolYear));
}

TEST_F(MainWindowTest, TheRangeLabelAndButtonFollowTheTimeTableRange) {
    today.Set(2005, 3, 3);
    TMainForm& form = Open();
    EXPECT_EQ("3 marca 2005", ui().lblTimeTableFromTo->text().toStdString());
    EXPECT_EQ("dzień", ui().btnSetTimeTableRange->text().toStdString());

    form.SetTimeTableRange(1, false);
    EXPECT_EQ("Od 28.02.2005 do 06.03.2005", ui().lblTimeTableFromTo->text().toStdString());
    EXPECT_EQ("tydzień", ui().btnSetTimeTableRange->text().toStdString());
    EXPECT_EQ(1, form.DataFile.Settings.MainTimeTableRange);
    EXPECT_FALSE(form.IsModified());

    form.SetTimeTableRange(2, false);
    EXPECT_EQ("Od 01.03.2005 do 31.03.2005", ui().lblTimeTableFromTo->text().toStdString());
    EXPECT_EQ("miesiąc", ui().btnSetTimeTableRange->text().toStdString());

    form.SetTimeTableRange(5, false);  // anything else is a day
    EXPECT_EQ(0, form.DrawTimeTable.Range);
    EXPECT_EQ("dzień", ui().btnSetTimeTableRange->text().toStdString());
}

TEST_F(MainWindowTest, TheTimeTableGridShowsTheWeeksEvents) {
    today.Set(2005, 3, 3);
    TMainForm& form = Open();
    auto* test = new TClEvent;
    test->Subject = "Sprawdzian";
    form.DataFile.Calendar.AddEvent(4, 3, 2005, test);
    form.SetTimeTableRange(1, false);
    EXPECT_EQ(2, form.DrawTimeTable.RowCount);  // the day's header and its event
    EXPECT_EQ(2, ui().TimeTableDrawGrid->RowCount());

    // A range that does not change rebuilds nothing.
    form.DataFile.Calendar.AddEvent(5, 3, 2005, new TClEvent);
    form.SetTimeTableRange(1, false);
    EXPECT_EQ(2, form.DrawTimeTable.RowCount);
    form.SetTimeTableRange(1, true);
    EXPECT_EQ(4, form.DrawTimeTable.RowCount);
}

TEST_F(MainWindowTest, TheTimeTableGridReadsAsATableThatFollowsItsRows) {
    today.Set(2005, 3, 3);
    const std::string path = programDir.File("terminarz.ocn");
    {
        TDataFile stored;
        testing_support::MakeNew(stored);
        testing_support::AddEvent(stored.Calendar, 2005, 3, 4, "Sprawdzian", "Kartkówka");
        testing_support::AddEvent(stored.Calendar, 2005, 3, 4, "Wycieczka");
        stored.Settings.MainTimeTableRange = 1;  // the week
        ASSERT_EQ(0, stored.SaveToFile(path));
    }
    TMainForm& form = Open();
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(ui().TimeTableDrawGrid);
    ASSERT_NE(nullptr, accessible);
    EXPECT_EQ("Terminarz", accessible->text(QAccessible::Name).toStdString());
    QAccessibleTableInterface* table = accessible->tableInterface();
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(0, table->rowCount());
    const auto cell = [&](int row, int column) {
        QAccessibleInterface* found = table->cellAt(row, column);
        return found == nullptr ? "(none)" : found->text(QAccessible::Name).toStdString();
    };

    files.ExpectOpen(path);
    ui().mOpen->trigger();
    EXPECT_EQ(form.DrawTimeTable.RowCount, table->rowCount());
    EXPECT_EQ("4 marca 2005", cell(0, 0));
    EXPECT_EQ("Piątek", cell(0, 1));
    EXPECT_EQ("Sprawdzian", cell(1, 0));
    EXPECT_EQ("Kartkówka", cell(1, 1));
    EXPECT_EQ("Wycieczka", cell(2, 0));

    EXPECT_TRUE(table->selectRow(2));
    EXPECT_EQ(2, ui().TimeTableDrawGrid->Row());
    EXPECT_EQ(QList<int>{2}, table->selectedRows());
    EXPECT_EQ(table->cellAt(2, 0), accessible->focusChild());
    // "Press" on a row is a double click: the event dialog opens for today.
    testing_support::ExpectModal<TAddChangeEventForm>(
        [&] { accessible_actions::PressItem(*ui().TimeTableDrawGrid, 1); },
        [](TAddChangeEventForm& dialog) {
            EXPECT_EQ(platform::EncodeDate(2005, 3, 3), dialog.Ui().DatePicker->Date());
            dialog.Ui().btnCancel->click();
        });
    EXPECT_EQ(1, ui().TimeTableDrawGrid->Row());

    form.SetTimeTableRange(0, false);  // Thursday holds nothing
    EXPECT_EQ(0, table->rowCount());
    form.SetTimeTableRange(1, false);
    EXPECT_EQ(3, table->rowCount());
    ui().mNew->trigger();
    EXPECT_EQ(0, table->rowCount());
}
