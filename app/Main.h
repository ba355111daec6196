#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

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

// The main window: owns the open document and the installation settings for the whole run,
// shows them in its panels and runs every command of the menu and the tool bar.
class TMainForm : public QMainWindow {
  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    TDataFile DataFile;
    TProgramOptions Options;
    std::array<std::string, 12> MonthNames;
    std::array<std::string, 12> MonthNamesGen;
    std::array<std::string, 7> DayNames;
    TDrawTimeTable DrawTimeTable;
    CImieninyBase NameDays;
    platform::FileDialog OpenDialog;
    platform::FileDialog SaveDialog;

    void SetModified();
    bool IsModified() const;
    // Records the document's file name and the window position, then writes the settings
    // file; always 0.
    int SaveSettings(const std::string& path);
    // 0 when the settings file was read (the window then moves to the stored place).
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
    void RefreshTimeTable();
    void ShowLessonPlan(platform::Memo& memo, std::uint8_t mode);
    std::string GetTodayDayName() const;
    // "14 sierpnia 2004": the day, the genitive month name and the year.
    std::string LongDateText(TDateTime date) const;

    // The subject box, shared with the dialogs that edit the current subject.
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
    void PlaceWindow(bool settingsRead);
    std::string SettingsPath() const;
    void RefreshAfterFileCommand();

    void mNewClick();
    void mOpenClick();
    void mSaveClick();
    void mSaveAsClick();
    void mExitClick();
    void btnSubjectClick();
    void btnSetTimeTableRangeClick();
    void btnSubjectPrevClick();
    void btnSubjectNextClick();
    void btnSetLessonPlanForTodayClick();
    void btnSetLessonPlanForTomorrowClick();
    void cbSubjectChange();

    std::unique_ptr<Ui::TMainForm> ui;
    std::unique_ptr<QMenu> popupSubjectsButton;
    std::unique_ptr<QMenu> popupTimeTableRange;
};

// The one main window, reached by every other window.
extern TMainForm* MainForm;
