#include "app/Main.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

#include "app/AboutForm.h"
#include "app/AddChangeEventForm.h"
#include "app/AddMarkForm.h"
#include "app/AlarmSettingsForm.h"
#include "app/AlarmsForm.h"
#include "app/EventsCategoriesEditorForm.h"
#include "app/FinalMarksEditorForm.h"
#include "app/GeneralStatisticsForm.h"
#include "app/LessonPlanForm.h"
#include "app/LessonPlanHTMLForm.h"
#include "app/MainRoutines.h"
#include "app/MarksEditorForm.h"
#include "app/MarksValuesForm.h"
#include "app/ProgramOptionsForm.h"
#include "app/ReportHTMLForm.h"
#include "app/ReportTXTForm.h"
#include "app/StudentDataForm.h"
#include "app/SubjectInfoForm.h"
#include "app/SubjectModifyForm.h"
#include "app/SubjectStatisticsForm.h"
#include "app/SubjectsAddForm.h"
#include "app/SubjectsDeleteForm.h"
#include "app/TimeTableForm.h"
#include "app/WindowColors.h"
#include "platform/Files.h"
#include "platform/ScreenPlacement.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/SpeedButton.h"
#include "ui_Main.h"

namespace {

const char* const kDocumentFilter = "Plik programu Quirvale 2  (*.ocn)|*.ocn";
const char* const kDocumentExtension = ".ocn";
const char* const kSettingsFile = "settings.dat";
const char* const kOpenFailedText =
    "Nie można otworzyć pliku:\n%1\n\nPlik nie istnieje, jest uszkodzony albo nie jest "
    "dokumentem programu Quirvale 2.";
const char* const kDiaryDamagedText =
    "Terminarz w pliku jest uszkodzony. Wczytano tylko jego część:\n";
// Followed by the name of the copy.
const char* const kDamagedCopyKeptText =
    "\n\nZapisanie dokumentu pominie nieodczytaną część. Niezmienioną kopię pliku zachowano "
    "jako:\n";
const char* const kDamagedCopyFailedText =
    "\n\nNie udało się zachować kopii pliku. Zapisanie dokumentu pod tą samą nazwą usunie "
    "nieodczytaną część; aby ją zachować, zapisz dokument pod inną nazwą.";
constexpr int kTimeTableRowHeight = 16;

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      OpenDialog(platform::FileDialogKind::Open, kDocumentFilter, kDocumentExtension),
      SaveDialog(platform::FileDialogKind::Save, kDocumentFilter, kDocumentExtension,
                 platform::ExistingFile::AskFirst),
      ui(std::make_unique<Ui::TMainForm>()) {
    Q_INIT_RESOURCE(quirvale);
    ui->setupUi(this);
    ui->Panel10->SetColor(kNavy);
    ui->TimeTableTitle->SetColor(kNavy);
    ui->DaysToEndOfSchoolYearBarFill->SetColor(kLightBlue);
    ui->memoLessonPlan->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    CreatePopupMenus();
    ConnectCommands();
    FormCreate();
}

TMainForm::~TMainForm() = default;

platform::ComboBox& TMainForm::cbSubject() {
    return *ui->cbSubject;
}

void TMainForm::SetModified() {
    DataFile.Modified = true;
}

bool TMainForm::IsModified() const {
    return DataFile.Modified;
}

int TMainForm::CurrentSubject() const {
    return ui->cbSubject->ItemIndex();
}

void TMainForm::SetCurrentSubject(int index) {
    ui->cbSubject->SetItemIndex(index);
}

void TMainForm::SaveSettings() {
    SaveSettings(SettingsPath());
}

std::string TMainForm::SettingsPath() const {
    return platform::ProgramDirectory() + kSettingsFile;
}

void TMainForm::FormCreate() {
    InitDateNames();
    LoadSettings(SettingsPath());
    const bool openLastFile = Options.OpenLastFile == 1 && !Options.LastFile.empty();
    if (openLastFile) {
        if (DataFile.LoadFromFile(Options.LastFile) != 0) DataFile.New(SaveDialog);
    } else {
        DataFile.New(SaveDialog);
    }

    DrawTimeTable.SetCalendar(&DataFile.Calendar);
    DrawTimeTable.SetNameTables(&DayNames, &MonthNames, &MonthNamesGen);
    platform::DrawGrid& grid = *ui->TimeTableDrawGrid;
    grid.SetColCount(1);
    grid.SetDefaultRowHeight(kTimeTableRowHeight);
    grid.viewport()->installEventFilter(this);
    ui->Panel10->installEventFilter(this);
    grid.SetDrawCell(
        [this](platform::Canvas& canvas, int col, int row, const platform::Rect& rect,
               bool selected) { DrawTimeTable.DrawCell(canvas, col, row, rect, selected); });

    RefreshAll();
    SetTimeTableRange(DataFile.Settings.MainTimeTableRange, true);
    // Told only now that every painter is bound to the document as it stands.
    if (openLastFile) ReportLoad(Options.LastFile);
}

// After a load the panels have been rebuilt: a box may repaint the window underneath.
void TMainForm::ReportLoad(const std::string& path) {
    if (!DataFile.Named) {
        platform::MessageBox(
            QString(kOpenFailedText).arg(QString::fromStdString(path)).toStdString() +
                BackupsNote(path),
            kProgramTitle, platform::mb::Ok | platform::mb::IconStop);
    } else if (DataFile.DiaryDamaged) {
        const std::string copy = DataFile.DamagedCopy.empty()
                                     ? std::string(kDamagedCopyFailedText)
                                     : kDamagedCopyKeptText + DataFile.DamagedCopy;
        platform::MessageBox(kDiaryDamagedText + path + copy + BackupsNote(path), kProgramTitle,
                             platform::mb::Ok | platform::mb::IconWarning);
    }
}

void TMainForm::InitDateNames() {
    MonthNames = PolishMonthNames();
    MonthNamesGen = PolishMonthNamesGen();
    DayNames = PolishDayNames();
}

int TMainForm::LoadSettings(const std::string& path) {
    if (Options.LoadFromFile(path) != 0) {
        Options.OpenLastFile = 0;
        CentreOnScreen();
        return -1;
    }
    // A position stored on a screen that is gone, or any number the file holds, would leave the
    // window out of reach. Its title strip is the frame's top as far as the platform tells it
    // before the window is shown, and at least the style's title bar.
    const QSize shown = SettleShownSize(*this);
    const int titleHeight = std::max(geometry().top() - frameGeometry().top(),
                                     style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const platform::WindowPosition start = platform::StartPosition(
        Options.Left, Options.Top, shown.width(), shown.height(), titleHeight, ScreenAreas());
    MoveFrameTo(*this, QPoint(start.left, start.top));
    return 0;
}

void TMainForm::CentreOnScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    MoveFrameTo(*this, CentredPosition(screen.topLeft(), screen.size(), SettleShownSize(*this)));
}

int TMainForm::SaveSettings(const std::string& path) {
    Options.LastFile = DataFile.FileName;
    Options.Left = x();
    Options.Top = y();
    Options.SaveToFile(path);
    return 0;
}

void TMainForm::SetTimeTableRange(std::uint8_t range, bool force) {
    if (range != 1 && range != 2) range = 0;
    if (!force && range == DrawTimeTable.Range) return;
    DrawTimeTable.SetRange(range);
    // Follows the view; written with the next save without marking the document modified.
    DataFile.Settings.MainTimeTableRange = range;
    RefreshTimeTable();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The settings are written on every attempt, before the question, and again when the
    // question's save gave the document a file, so that the file is the last one next time.
    SaveSettings();
    const auto recordSavedFile = [this] {
        if (Options.LastFile != DataFile.FileName) SaveSettings();
    };
    if (DataFile.Close(SaveDialog, recordSavedFile) == 2) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // The grid's cells take their size from the window's layout after the window has
    // resized, so the cells' own resize is the moment to widen the column.
    if (watched == ui->TimeTableDrawGrid->viewport() && event->type() == QEvent::Resize)
        FormResize();
    // The header strip's labels show as much of their texts as its width holds.
    if (watched == ui->Panel10 && event->type() == QEvent::Resize) RefreshStudentInfo();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::FormResize() {
    ui->TimeTableDrawGrid->SetDefaultColWidth(ui->TimeTableDrawGrid->viewport()->width());
}

void TMainForm::CreatePopupMenus() {
    popupSubjectsButton = std::make_unique<QMenu>(this);
    popupSubjectsButton->setObjectName("popupSubjectsButton");
    // The pop-up's items run the menu's subject commands under captions of their own.
    const struct {
        const char* caption;
        const char* name;
        QAction* command;
    } subjectItems[] = {{"Nowy...", "pmNewSubject", ui->mSubjectAdd},
                        {"Modyfikuj...", "pmModifySubject", ui->mSubjectModify},
                        {"Usuń...", "pmDeleteSubject", ui->mSubjectDel}};
    for (const auto& item : subjectItems) {
        QAction* action = popupSubjectsButton->addAction(item.caption);
        action->setObjectName(item.name);
        connect(action, &QAction::triggered, item.command, &QAction::trigger);
    }

    popupTimeTableRange = std::make_unique<QMenu>(this);
    popupTimeTableRange->setObjectName("popupTimeTableRange");
    const char* const names[] = {"mTimeTable_Day", "mTimeTable_Week", "mTimeTable_Month"};
    const char* const captions[] = {"dzień", "tydzień", "miesiąc"};
    for (std::uint8_t range = 0; range < 3; ++range) {
        QAction* item = popupTimeTableRange->addAction(captions[range]);
        item->setObjectName(names[range]);
        connect(item, &QAction::triggered, this,
                [this, range] { SetTimeTableRange(range, false); });
    }
}

void TMainForm::ConnectCommands() {
    // Each command is one menu action connected once; the buttons that run the same command
    // trigger its action.
    using Handler = void (TMainForm::*)();
    const struct {
        QAction* action;
        Handler handler;
        std::initializer_list<QAbstractButton*> buttons;
    } commands[] = {
        {ui->mNew, &TMainForm::mNewClick, {ui->btnNew}},
        {ui->mOpen, &TMainForm::mOpenClick, {ui->btnOpen}},
        {ui->mSave, &TMainForm::mSaveClick, {ui->btnSave}},
        {ui->mSaveAs, &TMainForm::mSaveAsClick, {}},
        {ui->mExit, &TMainForm::mExitClick, {}},
        {ui->mAbout, &TMainForm::mAboutClick, {}},
        {ui->mFinalMarks, &TMainForm::mFinalMarksClick, {ui->btnFinalMarks}},
        {ui->mSubjectAdd, &TMainForm::mSubjectAddClick, {}},
        {ui->mSubjectModify, &TMainForm::mSubjectModifyClick, {}},
        {ui->mSubjectDel, &TMainForm::mSubjectDelClick, {}},
        {ui->mSubjectInfo, &TMainForm::mSubjectInfoClick, {ui->SpeedButton3}},
        {ui->mAddMark, &TMainForm::mAddMarkClick, {ui->SpeedButton10}},
        {ui->mAddDelMark, &TMainForm::mAddDelMarkClick, {ui->SpeedButton1}},
        {ui->mSubjectStat, &TMainForm::mSubjectStatClick, {ui->SpeedButton2}},
        {ui->mStat, &TMainForm::mStatClick, {ui->btnStatistcs}},
        {ui->mAlarms, &TMainForm::mAlarmsClick, {ui->btnAlarms}},
        {ui->mSetMarksValues, &TMainForm::mSetMarksValuesClick, {}},
        {ui->mSetAlarm, &TMainForm::mSetAlarmClick, {}},
        {ui->mSetStudentData, &TMainForm::mSetStudentDataClick, {}},
        {ui->mLessonPlan, &TMainForm::smLessonPlanClick, {ui->btnLessonPlan}},
        {ui->mOptions, &TMainForm::mOptionsClick, {ui->btnOptions}},
        {ui->mTimeTable, &TMainForm::mTimeTableClick, {ui->btnTimeTable, ui->SpeedButton6}},
        {ui->mCategoriesEditor, &TMainForm::mCategoriesEditorClick, {ui->SpeedButton4}},
        {ui->mReportHTML, &TMainForm::mReportHTMLClick, {}},
        {ui->mReportTxt, &TMainForm::mReportTxtClick, {}},
        {ui->mExportLessonPlanToHTML, &TMainForm::mExportLessonPlanToHTMLClick, {}},
    };
    for (const auto& command : commands) {
        connect(command.action, &QAction::triggered, this, command.handler);
        for (QAbstractButton* button : command.buttons)
            connect(button, &QAbstractButton::clicked, command.action, &QAction::trigger);
    }

    const struct {
        QAbstractButton* button;
        Handler handler;
    } buttons[] = {
        {ui->btnSubject, &TMainForm::btnSubjectClick},
        {ui->btnSetTimeTableRange, &TMainForm::btnSetTimeTableRangeClick},
        {ui->btnSubjectPrev, &TMainForm::btnSubjectPrevClick},
        {ui->btnSubjectNext, &TMainForm::btnSubjectNextClick},
    };
    for (const auto& button : buttons)
        connect(button.button, &QAbstractButton::clicked, this, button.handler);
    // The lesson plan shown follows the day button that is down, however it came down.
    platform::ConnectDown(*ui->btnSetLessonPlanForToday, *this,
                          &TMainForm::btnSetLessonPlanForTodayClick);
    platform::ConnectDown(*ui->btnSetLessonPlanForTomorrow, *this,
                          &TMainForm::btnSetLessonPlanForTomorrowClick);
    connect(ui->cbSubject, &platform::ComboBox::changed, this, &TMainForm::cbSubjectChange);
    connect(ui->TimeTableDrawGrid, &platform::DrawGrid::doubleClick, this,
            &TMainForm::TimeTableDrawGridDblClick);
}

void TMainForm::RefreshAfterFileCommand() {
    RefreshAll();
    SetTimeTableRange(DataFile.Settings.MainTimeTableRange, true);
    // The diary window, though hidden, keeps a painter over the days that New and Open free.
    if (TimeTableForm) TimeTableForm->RefreshTable();
}

void TMainForm::mNewClick() {
    DataFile.New(SaveDialog);
    RefreshAfterFileCommand();
}

void TMainForm::mOpenClick() {
    // Open clears the document before it loads, freeing the days the time table shows: the
    // panels are rebuilt before a box can let anything repaint.
    const bool opened = DataFile.Open(OpenDialog, SaveDialog) == 0;
    RefreshAfterFileCommand();
    if (opened) ReportLoad(OpenDialog.FileName());
}

void TMainForm::mSaveClick() {
    DataFile.Save(SaveDialog);
    RefreshAfterFileCommand();
}

void TMainForm::mSaveAsClick() {
    DataFile.SaveAs(SaveDialog);
    RefreshAfterFileCommand();
}

void TMainForm::mExitClick() {
    close();
}

void TMainForm::mAboutClick() {
    ShowCentred(AboutForm, this);
}

// The reports only read the document: nothing to refresh after them.
void TMainForm::mReportHTMLClick() {
    ShowCentred(ReportHTMLForm, DataFile, this);
}

void TMainForm::mReportTxtClick() {
    ShowCentred(ReportTXTForm, DataFile, this);
}

void TMainForm::mExportLessonPlanToHTMLClick() {
    ShowCentred(LessonPlanHTMLForm, DataFile, this);
}

void TMainForm::btnSubjectClick() {
    platform::PopupAtCursor(*popupSubjectsButton);
}

void TMainForm::btnSetTimeTableRangeClick() {
    platform::PopupAtCursor(*popupTimeTableRange);
}

void TMainForm::btnSubjectPrevClick() {
    SelectPrevComboBoxItem(*ui->cbSubject);
}

void TMainForm::btnSubjectNextClick() {
    SelectNextComboBoxItem(*ui->cbSubject);
}

void TMainForm::btnSetLessonPlanForTodayClick() {
    DataFile.Settings.LessonPlanDay = 1;
    RefreshLessonPlan();
}

void TMainForm::btnSetLessonPlanForTomorrowClick() {
    DataFile.Settings.LessonPlanDay = 2;
    RefreshLessonPlan();
}
