// The main window's commands for statistics, alarms, mark values, the alarm threshold, the
// pupil's data, the lesson plan and the options, with the refreshes each needs afterwards.
#include "app/AlarmSettingsForm.h"
#include "app/AlarmsForm.h"
#include "app/GeneralStatisticsForm.h"
#include "app/LessonPlanForm.h"
#include "app/Main.h"
#include "app/MarksValuesForm.h"
#include "app/ProgramOptionsForm.h"
#include "app/StudentDataForm.h"
#include "app/SubjectStatisticsForm.h"

void TMainForm::mSubjectStatClick() {
    if (CurrentSubject() < 0) return;
    ShowCentred(SubjectStatisticsForm, DataFile, *this, this);
}

void TMainForm::mStatClick() {
    ShowCentred(GeneralStatisticsForm, DataFile, this);
}

void TMainForm::mAlarmsClick() {
    ShowCentred(AlarmsForm, DataFile, this);
}

void TMainForm::mSetMarksValuesClick() {
    ShowCentred(MarksValuesForm, DataFile, *this, this);
    RefreshSubjectsList();
}

void TMainForm::mSetAlarmClick() {
    ShowCentred(AlarmSettingsForm, DataFile, *this, this);
    RefreshSubjectsList();
}

void TMainForm::mSetStudentDataClick() {
    ShowCentred(StudentDataForm, DataFile, *this, this);
    RefreshStudentInfo();
    RefreshDaysToEndOfSchoolYear();
}

void TMainForm::smLessonPlanClick() {
    ShowCentred(LessonPlanForm, DataFile, *this, this);
    RefreshLessonPlan();
}

void TMainForm::mOptionsClick() {
    ShowCentred(ProgramOptionsForm, DataFile, *this, this);
    RefreshAll();
}
