#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

#include "platform/Types.h"
#include "timetable/DrawTimeTable.h"

namespace Ui {
class TTimeTableForm;
}
class QMenu;
class CImieninyBase;
class TAddChangeEventForm;
class TDataFile;
class TEventsCategoriesEditorForm;
class TMainServices;
class TRemoveOldEntriesForm;

// "Terminarz": the diary. A month calendar picks the date whose day, week or month the grid
// shows; events are added, changed, previewed and deleted here, and the old-years and
// categories tools are reached from it.
class TTimeTableForm : public QDialog {
    Q_OBJECT

  public:
    // The event dialog and the categories editor are shared with the main window.
    TTimeTableForm(TDataFile& dataFile, TMainServices& main, TAddChangeEventForm& addChangeEvent,
                   TEventsCategoriesEditorForm& categoriesEditor, const CImieninyBase& nameDays,
                   QWidget* parent = nullptr);
    ~TTimeTableForm() override;

    Ui::TTimeTableForm& Ui() { return *ui; }
    QMenu& PopupTools() { return *popupTools; }
    const TDrawTimeTable& Painter() const { return DrawTimeTable; }

    void SetRange(std::uint8_t range);
    void RefreshTable();
    void GoToDate(TDateTime date);
    void AddEvent();
    void DeleteSelectedEvent();
    void ShowToday();
    void ShowEventPreview(const TClEvent& event);
    void ClearPreview();
    void SetPreviewVisible(bool visible);

  public slots:
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void FormResize();
    void FormClose();
    void btnRngDayClick();
    void btnRngWeekClick();
    void btnRngMonthClick();
    void MonthCalendarClick();
    void btnSelectTodayClick();
    void btnAddEventClick();
    void SpeedButton1Click();
    void btnDeleteEventClick();
    void DrawGridKeyUp(int key);
    void DrawGridClick();
    void DrawGridDblClick();
    void checkEventDataVisibleClick();
    void panelEventDataBarDblClick();
    void btnToolsClick();
    void mOldEntriesClick();
    void mCategoriesClick();
    void btnExitClick();
    void ConnectHandlers();
    void CreatePopupTools();
    // Switches the shown range when it is not the one shown already.
    void ShowRange(std::uint8_t range);

    TDataFile& DataFile;
    TMainServices& Main;
    TAddChangeEventForm& AddChangeEventForm;
    TEventsCategoriesEditorForm& EventsCategoriesEditorForm;
    const CImieninyBase& NameDays;
    std::unique_ptr<Ui::TTimeTableForm> ui;
    std::unique_ptr<QMenu> popupTools;
    std::unique_ptr<TRemoveOldEntriesForm> RemoveOldEntriesForm;
    TDrawTimeTable DrawTimeTable;
    // The calendar's date the grid was last built for.
    TDateTime LastDate = 0;
    // Every rebuild after the first showing takes the preview to the selected row; until then
    // it keeps its hint.
    bool PreviewFollowsRows = false;
};
