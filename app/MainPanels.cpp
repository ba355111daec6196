// The refreshes of the main window's panels: each recomputes its panel from the document,
// the settings and today's date.
#include <QLabel>
#include <QSignalBlocker>

#include "app/Main.h"
#include "app/MainRoutines.h"
#include "app/WindowColors.h"
#include "core/Marks.h"
#include "core/Records.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/Dates.h"
#include "platform/Numbers.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/Edit.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "ui_Main.h"

namespace {

constexpr TColor kSubjectBarAbove = 0xA00000;
constexpr TColor kBlack = 0;
constexpr int kMarkSix = 15;

void SetText(QLabel& label, const std::string& text) {
    label.setText(QString::fromStdString(text));
    label.adjustSize();  // the label's width follows its text
}

// A label of the header strip, sized to its text as far as the strip's right edge, with the
// margin of the strip's left edge; a text longer than that is cut short with an ellipsis.
void SetHeaderText(QLabel& label, const std::string& text, int margin) {
    const int right = label.parentWidget()->width() - margin;
    SetElidedText(label, text, right - label.x());
    label.adjustSize();
}

}  // namespace

std::string TMainForm::GetTodayDayName() const {
    const int weekday = platform::DayOfWeek(platform::Date());
    return weekday >= 1 && weekday <= 7 ? DayNames[weekday - 1] : std::string();
}

void TMainForm::RefreshAll() {
    RefreshSubjectsList();
    RefreshCaption();
    RefreshStudentInfo();
    RefreshToday();
    RefreshLessonPlan();
    RefreshDaysToEndOfSchoolYear();
}

void TMainForm::RefreshSubjectsList() {
    platform::ComboBox& combo = *ui->cbSubject;
    int index = combo.ItemIndex();
    DataFile.Subjects.FillComboBox(combo);
    if (index < 0) index = 0;
    SelectComboBoxItem(combo, index < DataFile.Subjects.Count ? index : 0);
    RefreshAverages();
}

void TMainForm::cbSubjectChange() {
    const int index = ui->cbSubject->ItemIndex();
    if (index < 0) {
        ui->cbSubject->SetText("");
        ui->edMarks->SetText("");
        SetNumberBeforeBar(*ui->lblSubjectAverage, *ui->SubAvBar, "");
        ui->lblFinalMark->clear();
        ui->lblDodatkowy->hide();
        ui->SubAvBarFill->hide();
        return;
    }
    if (index >= DataFile.Subjects.Count) return;

    TSubject& subject = *DataFile.Subjects.Get(index);
    const TDocumentSettings& settings = DataFile.Settings;
    subject.Marks.ShowInControl(*ui->edMarks);
    // A line longer than the edit opens on its first marks, not scrolled to its last.
    ui->edMarks->setCursorPosition(0);
    const double average = TruncTo3Decimals(subject.Average(DataFile.Settings.MarksValues));
    SetNumberBeforeBar(*ui->lblSubjectAverage, *ui->SubAvBar, platform::FloatToStr(average));
    ui->lblFinalMark->setText(QString::fromStdString(
        subject.FinalMark == kNoFinalMark ? "brak" : MarkSymbol(subject.FinalMark)));
    ui->lblDodatkowy->setVisible(subject.InAverage != 1);
    SetBarWithMarker(average, settings.MarksValues[kMarkSix], *ui->SubAvBar, *ui->SubAvBarFill,
                     *ui->SubAvBarImg, settings.AlarmThreshold, kSubjectBarAbove, kRed);
}

void TMainForm::RefreshAverages() {
    const TDocumentSettings& settings = DataFile.Settings;
    const double general =
        TruncTo3Decimals(DataFile.Subjects.MarksAverage(settings.MarksValues, 0));
    const double all = TruncTo3Decimals(DataFile.Subjects.MarksAverage(settings.MarksValues, 1));
    const double finals =
        TruncTo3Decimals(DataFile.Subjects.FinalMarksAverage(settings.MarksValues, 0));
    SetNumberBeforeBar(*ui->lblGeneralAverage, *ui->GenAvBar, platform::FloatToStr(general));
    SetNumberBeforeBar(*ui->lblAllSubjectsAverage, *ui->AllSubAvBar, platform::FloatToStr(all));
    SetNumberBeforeBar(*ui->lblFinalMarksAverage, *ui->FinalMarksAvBar,
                       platform::FloatToStr(finals));

    const double top = settings.MarksValues[kMarkSix];
    const double threshold = settings.AlarmThreshold;
    SetBarWithMarker(general, top, *ui->GenAvBar, *ui->GenAvBarFill, *ui->GenAvBarImg, threshold,
                     kNavy, kRed);
    SetBarWithMarker(all, top, *ui->AllSubAvBar, *ui->AllSubAvBarFill, *ui->AllSubAvBarImg,
                     threshold, kNavy, kRed);
    SetBarWithMarker(finals, top, *ui->FinalMarksAvBar, *ui->FinalMarksAvBarFill,
                     *ui->FinalMarksAvBarImg, threshold, kNavy, kRed);
}

void TMainForm::RefreshStudentInfo() {
    const TStudent& pupil = DataFile.Student;
    QLabel& name = *ui->lblStudentName;
    QLabel& schoolClass = *ui->lblStudentClass;
    QLabel& more = *ui->lblMoreInfo;

    // The strip's width comes from the window's layout, which a hidden window has not run.
    ActivateLayouts(name);
    const int margin = name.x();
    SetHeaderText(name, pupil.Name + " " + pupil.Surname, margin);
    schoolClass.move(name.x() + name.width() + 5, schoolClass.y());
    SetHeaderText(schoolClass,
                  ClassNumberToRoman(pupil.Class) + " " +
                      platform::Cp1250ToUtf8(std::string(1, pupil.ClassChar)) + " " +
                      pupil.SchoolType,
                  margin);
    more.clear();
    more.move(schoolClass.x() + schoolClass.width() + 10, more.y());
    std::string text = "Rok szkolny: " + platform::IntToStr(pupil.SchoolYear) + "/" +
                       platform::IntToStr(std::int64_t{pupil.SchoolYear} + 1) + "   ";
    if (!pupil.Term.empty()) text += "Semestr: " + pupil.Term + "  ";
    if (!pupil.SchoolName.empty()) text += "Szkoła: " + pupil.SchoolName;
    SetHeaderText(more, text, margin);
}

void TMainForm::RefreshCaption() {
    std::string caption = kProgramTitle;
    if (!DataFile.FileName.empty()) caption += " - " + DataFile.FileName;
    setWindowTitle(QString::fromStdString(caption));
}

void TMainForm::RefreshToday() {
    const TDateTime today = platform::Date();
    const int boxWidth = ui->InfoBoxToday->width();

    QLabel& date = *ui->lblActualDate;
    SetText(date, LongDateText(today));
    date.move(CentredLeft(boxWidth, date.width()), date.y());

    QLabel& dayName = *ui->lblDayName;
    SetText(dayName, GetTodayDayName());
    SetFontColor(dayName, platform::DayOfWeek(today) == 1 ? kRed : kNavy);
    dayName.move(CentredLeft(boxWidth, dayName.width()), dayName.y());

    ui->lblImieniny->setText(QString::fromStdString(NameDays.GetNames(today)));
}

void TMainForm::RefreshLessonPlan() {
    // Showing the stored day is no choice of the user's: a stored value other than 1 or 2 is
    // shown as today and kept.
    const QSignalBlocker today(ui->btnSetLessonPlanForToday);
    const QSignalBlocker tomorrow(ui->btnSetLessonPlanForTomorrow);
    if (DataFile.Settings.LessonPlanDay == 2) {
        ui->btnSetLessonPlanForTomorrow->setChecked(true);
    } else {
        ui->btnSetLessonPlanForToday->setChecked(true);
    }
    ShowLessonPlan(*ui->memoLessonPlan, DataFile.Settings.LessonPlanDay);
}

void TMainForm::ShowLessonPlan(platform::Memo& memo, std::uint8_t mode) {
    int weekday = platform::DayOfWeek(platform::Date());
    if (mode == 2 && ++weekday == 8) weekday = 1;
    memo.ClearLines();
    // Weekdays 2..7 are Monday..Saturday, the plan's texts 0..5; Sunday has no lessons.
    if (weekday >= 2 && weekday <= 7) memo.SetText(DataFile.LessonPlan.Days[weekday - 2]);
}

void TMainForm::RefreshDaysToEndOfSchoolYear() {
    const TDateTime end = DataFile.Student.EndOfSchoolYear;
    int endYear = 0, endMonth = 0, endDay = 0;
    platform::DecodeDate(end, endYear, endMonth, endDay);
    const std::int32_t remaining = DaysLeft(platform::Date(), end);
    const std::int32_t total = DaysLeft(platform::EncodeDate(endYear - 1, 9, 1), end);

    QLabel& remain = *ui->lblRemain;
    QLabel& days = *ui->lblDaysToEndOfSchoolYear;
    if (remaining == 0) {
        remain.hide();
        SetText(days, "Wakacje");
        days.move(CentredLeft(ui->InfoBoxToEndOfSchoolYear->width(), days.width()), days.y());
        SetFontColor(days, kRed);
    } else {
        remain.show();
        SetText(remain, remaining == 1 ? "pozostał:" : "pozostało:");
        SetFontColor(days, kBlack);
        SetText(days, platform::IntToStr(remaining) + (remaining == 1 ? " dzień" : " dni"));
        days.move(remain.x() + remain.width() + 4, days.y());
    }
    SetBar(remaining, total, *ui->DaysToEndOfSchoolYearBar, *ui->DaysToEndOfSchoolYearBarFill);
}

void TMainForm::RefreshTimeTable() {
    const TDateTime today = platform::Date();
    DrawTimeTable.SetColors(DataFile.Settings.TimeTableColors);
    DrawTimeTable.Build(today);
    ui->TimeTableDrawGrid->SetRows(DrawTimeTable.RowTexts());
    ui->TimeTableDrawGrid->viewport()->update();

    QLabel& range = *ui->lblTimeTableFromTo;
    switch (DrawTimeTable.Range) {
        case 0:
            range.setText(QString::fromStdString(LongDateText(today)));
            ui->btnSetTimeTableRange->setText("dzień");
            break;
        case 1:
            range.setText(QString::fromStdString(WeekRangeText(today)));
            ui->btnSetTimeTableRange->setText("tydzień");
            break;
        case 2:
            range.setText(QString::fromStdString(MonthRangeText(today)));
            ui->btnSetTimeTableRange->setText("miesiąc");
            break;
        default:
            break;
    }
}
