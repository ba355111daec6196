#include "app/TimeTableForm.h"

#include <QButtonGroup>
#include <QMenu>
#include <QShowEvent>
#include <string>

#include "app/AddChangeEventForm.h"
#include "app/EventsCategoriesEditorForm.h"
#include "app/MainRoutines.h"
#include "app/MainServices.h"
#include "app/RemoveOldEntriesForm.h"
#include "app/WindowColors.h"
#include "core/CommonTexts.h"
#include "core/DataFile.h"
#include "platform/Clock.h"
#include "platform/Dates.h"
#include "platform/Dialogs.h"
#include "platform/qt/CheckBox.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/Label.h"
#include "platform/qt/Memo.h"
#include "platform/qt/MonthCalendar.h"
#include "platform/qt/Panel.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/SpeedButton.h"
#include "timetable/NameDays.h"
#include "ui_TimeTableForm.h"

namespace {

const char* const kDeleteQuestion = "Czy na pewno chcesz usunąć ten wpis z terminarza?";
const char* const kDeleteCaption = "Kasowanie zdarzenia";
const char* const kPreviewRule = "============================================";
constexpr int kRowHeight = 16;
// The preview shows the subject, the category, the rule, a blank line and the description's
// first line without scrolling.
constexpr int kPreviewLines = 5;
constexpr int kTodayMargin = 2;
constexpr int kTodayLineHeight = 24;
constexpr TColor kNameDaysColor = 0x000080;

}  // namespace

TTimeTableForm::TTimeTableForm(TDataFile& dataFile, TMainServices& main,
                               TAddChangeEventForm& addChangeEvent,
                               TEventsCategoriesEditorForm& categoriesEditor,
                               const CImieninyBase& nameDays, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      DataFile(dataFile),
      Main(main),
      AddChangeEventForm(addChangeEvent),
      EventsCategoriesEditorForm(categoriesEditor),
      NameDays(nameDays),
      ui(std::make_unique<Ui::TTimeTableForm>()) {
    ui->setupUi(this);
    for (platform::Panel* bar : {ui->TodayBar, ui->ShowBar, ui->EventBar}) bar->SetColor(kNavy);
    ui->panelEventDataBar->SetColor(kLightBlue);
    // A double click on the bar's caption or image is one on the bar.
    ui->lblSelectionType->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->Image6->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetFontColor(*ui->lblImieniny, kNameDaysColor);
    // The rule stays on one line whatever the font.
    ui->memoEventDesc->setMinimumWidth(MemoWidthFor(*ui->memoEventDesc, kPreviewRule));
    CreatePopupTools();
    ConnectHandlers();
    FormCreate();
}

TTimeTableForm::~TTimeTableForm() = default;

void TTimeTableForm::CreatePopupTools() {
    popupTools = std::make_unique<QMenu>(this);
    popupTools->setObjectName("PopupTools");
    QAction* oldEntries = popupTools->addAction("Usuń dawne wpisy...");
    oldEntries->setObjectName("mOldEntries");
    connect(oldEntries, &QAction::triggered, this, &TTimeTableForm::mOldEntriesClick);
    QAction* categories = popupTools->addAction("Kategorie...");
    categories->setObjectName("mCategories");
    connect(categories, &QAction::triggered, this, &TTimeTableForm::mCategoriesClick);
}

void TTimeTableForm::ConnectHandlers() {
    using Handler = void (TTimeTableForm::*)();
    const struct {
        QAbstractButton* button;
        Handler handler;
    } buttons[] = {
        {ui->btnSelectToday, &TTimeTableForm::btnSelectTodayClick},
        {ui->btnAddEvent, &TTimeTableForm::btnAddEventClick},
        {ui->SpeedButton1, &TTimeTableForm::SpeedButton1Click},
        {ui->btnDeleteEvent, &TTimeTableForm::btnDeleteEventClick},
        {ui->btnTools, &TTimeTableForm::btnToolsClick},
        {ui->btnExit, &TTimeTableForm::btnExitClick},
    };
    for (const auto& button : buttons)
        connect(button.button, &QAbstractButton::clicked, this, button.handler);
    // The range follows the button that is down, however it came down.
    platform::ConnectDown(*ui->btnRngDay, *this, &TTimeTableForm::btnRngDayClick);
    platform::ConnectDown(*ui->btnRngWeek, *this, &TTimeTableForm::btnRngWeekClick);
    platform::ConnectDown(*ui->btnRngMonth, *this, &TTimeTableForm::btnRngMonthClick);
    // The date may change by the mouse or the keyboard; both must rebuild the grid, so that
    // "Dodaj" never adds on a date the grid does not show.
    connect(ui->MonthCalendar, &QCalendarWidget::selectionChanged, this,
            &TTimeTableForm::MonthCalendarClick);
    connect(ui->MonthCalendar, &platform::MonthCalendar::click, this,
            &TTimeTableForm::MonthCalendarClick);
    connect(ui->DrawGrid, &platform::DrawGrid::keyUp, this, &TTimeTableForm::DrawGridKeyUp);
    connect(ui->DrawGrid, &platform::DrawGrid::click, this, &TTimeTableForm::DrawGridClick);
    connect(ui->DrawGrid, &platform::DrawGrid::doubleClick, this,
            &TTimeTableForm::DrawGridDblClick);
    connect(ui->checkEventDataVisible, &platform::CheckBox::click, this,
            &TTimeTableForm::checkEventDataVisibleClick);
    connect(ui->panelEventDataBar, &platform::Panel::doubleClick, this,
            &TTimeTableForm::panelEventDataBarDblClick);
}

void TTimeTableForm::FormCreate() {
    platform::DrawGrid& grid = *ui->DrawGrid;
    grid.SetColCount(1);
    grid.SetDefaultRowHeight(kRowHeight);
    grid.viewport()->installEventFilter(this);
    DrawTimeTable.SetCalendar(&DataFile.Calendar);
    DrawTimeTable.SetNameTables(&PolishDayNames(), &PolishMonthNames(), &PolishMonthNamesGen());
    grid.SetDrawCell(
        [this](platform::Canvas& canvas, int col, int row, const platform::Rect& rect,
               bool selected) { DrawTimeTable.DrawCell(canvas, col, row, rect, selected); });
    GoToDate(platform::Date());
}

void TTimeTableForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TTimeTableForm::FormShow() {
    ShowToday();
    DrawTimeTable.SetColors(DataFile.Settings.TimeTableColors);
    SetPreviewVisible(true);
    SetRange(DataFile.Settings.TimeTableFormRange);
    RefreshTable();
    PreviewFollowsRows = true;
}

bool TTimeTableForm::eventFilter(QObject* watched, QEvent* event) {
    // The cells' own resize follows the window's layout, so it is the moment to widen the
    // column to the grid.
    if (watched == ui->DrawGrid->viewport() && event->type() == QEvent::Resize) FormResize();
    return QDialog::eventFilter(watched, event);
}

void TTimeTableForm::FormResize() {
    ui->DrawGrid->SetDefaultColWidth(ui->DrawGrid->viewport()->width());
}

// Esc, the title bar and "Wyjście" all end here.
void TTimeTableForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TTimeTableForm::FormClose() {
    if (DrawTimeTable.Range == DataFile.Settings.TimeTableFormRange) return;
    DataFile.Settings.TimeTableFormRange = DrawTimeTable.Range;
    Main.SetModified();
}

void TTimeTableForm::SetRange(std::uint8_t range) {
    DrawTimeTable.SetRange(range);
    QAbstractButton* down = range == 1   ? ui->btnRngWeek
                            : range == 2 ? ui->btnRngMonth
                                         : ui->btnRngDay;
    down->setChecked(true);
}

void TTimeTableForm::RefreshTable() {
    if (DrawTimeTable.Initialized != 0) {
        DrawTimeTable.Build(ui->MonthCalendar->Date());
        ui->DrawGrid->SetRows(DrawTimeTable.RowTexts());
    } else {
        ui->DrawGrid->SetRows({});
    }
    ui->DrawGrid->Invalidate();
    // Where the selection stays, the new rows may hold another event or none; the preview
    // follows, so that "Usuń" never deletes an event other than the one it shows.
    if (PreviewFollowsRows) DrawGridClick();
}

void TTimeTableForm::GoToDate(TDateTime date) {
    if (ui->MonthCalendar->Date() == date) return;
    // Recorded first, so the calendar's own change signal finds nothing new to build.
    LastDate = date;
    ui->MonthCalendar->SetDate(date);
    RefreshTable();
}

void TTimeTableForm::MonthCalendarClick() {
    const TDateTime date = ui->MonthCalendar->Date();
    if (date == LastDate) return;
    LastDate = date;
    RefreshTable();
}

void TTimeTableForm::AddEvent() {
    if (!AddChangeEventForm.ExecuteAdd(ui->MonthCalendar->Date(), &DataFile.Calendar)) return;
    RefreshTable();
    Main.SetModified();
}

void TTimeTableForm::DeleteSelectedEvent() {
    // The painter's rows are the only map from the grid to the events; RowEvent checks the row
    // against the rows built and the day's event count.
    const int row = ui->DrawGrid->Row();
    if (DrawTimeTable.RowEvent(row) == nullptr) return;
    if (platform::MessageBox(kDeleteQuestion, kDeleteCaption, platform::mb::YesNo) !=
        platform::answer::Yes)
        return;
    DrawTimeTable.RowDay(row)->Events.Delete(DrawTimeTable.Row(row).eventIndex);
    Main.SetModified();
    // Both painters hold rows of the changed day; the preview follows the row now selected.
    RefreshTable();
    Main.RefreshTimeTable();
}

// The today panel places its three lines itself: the weekday is centred on its own width,
// which changes with the day.
void TTimeTableForm::ShowToday() {
    const TDateTime today = platform::Date();
    const int width = ui->gbToday->width();
    const int lineWidth = width - 2 * kTodayMargin;
    ui->btnSelectToday->setText(QString::fromStdString(LongDateText(today)));
    ui->btnSelectToday->setGeometry(kTodayMargin, kTodayMargin, lineWidth, kTodayLineHeight);
    platform::Label& dayOfWeek = *ui->lblDayOfWeek;
    const int weekday = platform::DayOfWeek(today);
    dayOfWeek.SetText(PolishDayNames()[weekday - 1]);
    dayOfWeek.SetFontColor(weekday == 1 ? kRed : kNavy);
    dayOfWeek.move(CentredLeft(width, dayOfWeek.width()), ui->btnSelectToday->geometry().bottom());
    const int namesTop = dayOfWeek.geometry().bottom() + kTodayMargin;
    ui->lblImieniny->SetText(NameDays.GetNames(today));
    ui->lblImieniny->setGeometry(kTodayMargin, namesTop, lineWidth,
                                 ui->gbToday->height() - namesTop - kTodayMargin);
}

void TTimeTableForm::ShowEventPreview(const TClEvent& event) {
    ui->memoEventDesc->SetText("Temat: " + event.Subject + "\r\nKategoria: " + event.Category +
                               "\r\n" + kPreviewRule + "\r\n\r\n" + event.Description);
}

void TTimeTableForm::ClearPreview() {
    ui->memoEventDesc->ClearLines();
}

void TTimeTableForm::SetPreviewVisible(bool visible) {
    ui->checkEventDataVisible->SetChecked(visible);
    checkEventDataVisibleClick();
}

void TTimeTableForm::ShowRange(std::uint8_t range) {
    if (DrawTimeTable.Range == range) return;
    SetRange(range);
    RefreshTable();
}

void TTimeTableForm::btnRngDayClick() {
    ShowRange(0);
}

void TTimeTableForm::btnRngWeekClick() {
    ShowRange(1);
}

void TTimeTableForm::btnRngMonthClick() {
    ShowRange(2);
}

void TTimeTableForm::btnSelectTodayClick() {
    GoToDate(platform::Date());
}

void TTimeTableForm::btnAddEventClick() {
    AddEvent();
}

void TTimeTableForm::SpeedButton1Click() {
    AddEvent();
}

void TTimeTableForm::btnDeleteEventClick() {
    DeleteSelectedEvent();
}

void TTimeTableForm::DrawGridKeyUp(int key) {
    if (key == Qt::Key_Delete) DeleteSelectedEvent();
}

void TTimeTableForm::DrawGridClick() {
    if (const TClEvent* event = DrawTimeTable.RowEvent(ui->DrawGrid->Row())) {
        ShowEventPreview(*event);
    } else {
        ClearPreview();
    }
}

void TTimeTableForm::DrawGridDblClick() {
    TClEvent* event = DrawTimeTable.RowEvent(ui->DrawGrid->Row());
    if (event != nullptr && AddChangeEventForm.ExecuteChange(event)) {
        RefreshTable();
        Main.SetModified();
    }
    DrawGridClick();
}

void TTimeTableForm::checkEventDataVisibleClick() {
    const bool visible = ui->checkEventDataVisible->Checked();
    ui->panelEventData->setVisible(visible);
    // The bar has a fixed height in the layout; closed, only the bar remains.
    const int barHeight = ui->panelEventDataBar->minimumHeight();
    ui->panelEvent->setFixedHeight(
        visible ? barHeight + MemoHeightFor(*ui->memoEventDesc, kPreviewLines) : barHeight);
}

void TTimeTableForm::panelEventDataBarDblClick() {
    SetPreviewVisible(!ui->checkEventDataVisible->Checked());
}

void TTimeTableForm::btnToolsClick() {
    platform::PopupAtCursor(*popupTools);
}

void TTimeTableForm::mOldEntriesClick() {
    if (!RemoveOldEntriesForm) {
        RemoveOldEntriesForm = std::make_unique<TRemoveOldEntriesForm>(DataFile, Main, this);
        // The deleted days must leave this painter before anything paints it again.
        connect(RemoveOldEntriesForm.get(), &TRemoveOldEntriesForm::yearsDeleted, this,
                &TTimeTableForm::RefreshTable);
    }
    ShowCentredModal(*RemoveOldEntriesForm, Main.Window());
    RefreshTable();
}

void TTimeTableForm::mCategoriesClick() {
    EventsCategoriesEditorForm.Execute(*this, &DataFile.Calendar);
    RefreshTable();
}

void TTimeTableForm::btnExitClick() {
    close();
}
