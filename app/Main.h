#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/MainRoutines.h"
#include "app/MainServices.h"
#include "core/CommonTexts.h"
#include "core/DataFile.h"
#include "core/ProgramOptions.h"
#include "platform/Dialogs.h"
#include "timetable/DrawTimeTable.h"
#include "timetable/NameDays.h"

namespace Ui {
class TMainForm;
}
namespace platform {
class ComboBox;
class Memo;
}  // namespace platform
class QMenu;
// The windows the main window opens.
class TAboutForm;
class TAddChangeEventForm;
class TAddMarkForm;
class TAlarmSettingsForm;
class TAlarmsForm;
class TEventsCategoriesEditorForm;
class TFinalMarksEditorForm;
class TGeneralStatisticsForm;
class TLessonPlanForm;
class TLessonPlanHTMLForm;
class TMarksEditorForm;
class TMarksValuesForm;
class TProgramOptionsForm;
class TReportHTMLForm;
class TReportTXTForm;
class TStudentDataForm;
class TSubjectInfoForm;
class TSubjectModifyForm;
class TSubjectStatisticsForm;
class TSubjectsAddForm;
class TSubjectsDeleteForm;
class TTimeTableForm;

// The main window: owns the open document and the installation settings for the whole run,
// shows them in its panels and runs every command of the menu and the tool bar. The windows
// it opens get the document and the main window's services, never the window itself.
class TMainForm : public QMainWindow, public TMainServices {
    Q_OBJECT

  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    TDataFile DataFile;
    TProgramOptions Options;
    TMonthNames MonthNames;
    TMonthNames MonthNamesGen;
    TDayNames DayNames;
    TDrawTimeTable DrawTimeTable;
    CImieninyBase NameDays;
    platform::FileDialog OpenDialog;
    platform::FileDialog SaveDialog;

    void SetModified() override;
    bool IsModified() const override;
    int CurrentSubject() const override;
    void SetCurrentSubject(int index) override;
    TProgramOptions& InstallationSettings() override { return Options; }
    // Writes "settings.dat" in the program's folder.
    void SaveSettings() override;
    QWidget& Window() override { return *this; }
    // Records the document's file name and the window position, then writes the settings
    // file; always 0.
    int SaveSettings(const std::string& path);
    // 0 when the settings file was read (the window then moves to the stored place, or onto a
    // screen when its title strip would not lie on one).
    int LoadSettings(const std::string& path);
    void SetTimeTableRange(std::uint8_t range, bool force);

    void RefreshAll();
    void RefreshSubjectsList();
    void RefreshAverages();
    void RefreshStudentInfo();
    void RefreshCaption();
    void RefreshToday();
    void RefreshLessonPlan();
    void RefreshDaysToEndOfSchoolYear();
    void RefreshTimeTable() override;
    void ShowLessonPlan(platform::Memo& memo, std::uint8_t mode);
    std::string GetTodayDayName() const;

    platform::ComboBox& cbSubject();
    Ui::TMainForm& Ui() { return *ui; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void FormResize();
    void InitDateNames();
    void CreatePopupMenus();
    void ConnectCommands();
    std::string SettingsPath() const;
    void CentreOnScreen();
    void RefreshAfterFileCommand();
    // Shows a window centred over this one, creating it on first use; it is kept for the rest
    // of the run, so what it remembers between showings survives.
    template <class Form, class... Args>
    void ShowCentred(std::unique_ptr<Form>& window, Args&&... args) {
        if (!window) window = std::make_unique<Form>(std::forward<Args>(args)...);
        ShowCentredModal(*window, *this);
    }
    // Tells the user that the file at `path` could not be opened, or that its diary was
    // damaged; silent when it loaded whole.
    void ReportLoad(const std::string& path);

    void mNewClick();
    void mOpenClick();
    void mSaveClick();
    void mSaveAsClick();
    void mExitClick();
    void mAboutClick();
    void mReportHTMLClick();
    void mReportTxtClick();
    void mExportLessonPlanToHTMLClick();
    void btnSubjectClick();
    void btnSetTimeTableRangeClick();
    void btnSubjectPrevClick();
    void btnSubjectNextClick();
    void btnSetLessonPlanForTodayClick();
    void btnSetLessonPlanForTomorrowClick();
    void cbSubjectChange();

    // The grade book: subjects, the subject card, the mark keypad and the marks editors.
    void mSubjectAddClick();
    void mSubjectModifyClick();
    void mSubjectDelClick();
    void mSubjectInfoClick();
    void mAddMarkClick();
    void mAddDelMarkClick();
    void mFinalMarksClick();
    // The one keypad, shared by the main window and both marks editors.
    TAddMarkForm& Keypad();
    // Statistics, alarms, mark values, alarm threshold, pupil data, lesson plan and options
    // (MainToolCommands.cpp).
    void mSubjectStatClick();
    void mStatClick();
    void mAlarmsClick();
    void mSetMarksValuesClick();
    void mSetAlarmClick();
    void mSetStudentDataClick();
    void smLessonPlanClick();
    void mOptionsClick();

    std::unique_ptr<Ui::TMainForm> ui;
    std::unique_ptr<QMenu> popupSubjectsButton;
    std::unique_ptr<QMenu> popupTimeTableRange;

    std::unique_ptr<TAboutForm> AboutForm;

    // The grade book's windows.
    std::unique_ptr<TAddMarkForm> AddMarkForm;
    std::unique_ptr<TSubjectsAddForm> SubjectsAddForm;
    std::unique_ptr<TSubjectsDeleteForm> SubjectsDeleteForm;
    std::unique_ptr<TSubjectModifyForm> SubjectModifyForm;
    std::unique_ptr<TSubjectInfoForm> SubjectInfoForm;
    std::unique_ptr<TMarksEditorForm> MarksEditorForm;
    std::unique_ptr<TFinalMarksEditorForm> FinalMarksEditorForm;
    // The windows of MainToolCommands.cpp.
    std::unique_ptr<TSubjectStatisticsForm> SubjectStatisticsForm;
    std::unique_ptr<TGeneralStatisticsForm> GeneralStatisticsForm;
    std::unique_ptr<TAlarmsForm> AlarmsForm;
    std::unique_ptr<TMarksValuesForm> MarksValuesForm;
    std::unique_ptr<TAlarmSettingsForm> AlarmSettingsForm;
    std::unique_ptr<TStudentDataForm> StudentDataForm;
    std::unique_ptr<TLessonPlanForm> LessonPlanForm;
    std::unique_ptr<TProgramOptionsForm> ProgramOptionsForm;
    // The diary: its window, and the event dialog and categories editor it shares with this
    // window (declared first, so the diary window that refers to them goes before them).
    void mTimeTableClick();
    void mCategoriesEditorClick();
    void TimeTableDrawGridDblClick();
    TAddChangeEventForm& AddChangeEvent();
    TEventsCategoriesEditorForm& CategoriesEditor();
    std::unique_ptr<TAddChangeEventForm> AddChangeEventForm;
    std::unique_ptr<TEventsCategoriesEditorForm> EventsCategoriesEditorForm;
    std::unique_ptr<TTimeTableForm> TimeTableForm;
    std::unique_ptr<TReportHTMLForm> ReportHTMLForm;
    std::unique_ptr<TReportTXTForm> ReportTXTForm;
    std::unique_ptr<TLessonPlanHTMLForm> LessonPlanHTMLForm;
};
