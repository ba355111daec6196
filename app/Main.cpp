#include "app/Main.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>

#include "app/MainRoutines.h"
#include "platform/Files.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/Memo.h"
#include "platform/qt/Panel.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/QtCanvas.h"
#include "ui_Main.h"

TMainForm* MainForm = nullptr;

namespace {

const char* const kDocumentFilter = "Plik programu Quirvale 2  (*.ocn)|*.ocn";
const char* const kDocumentExtension = ".ocn";
const char* const kSettingsFile = "settings.dat";
const char* const kOpenFailedText =
    "Nie można otworzyć pliku:\n%1\n\nPlik nie istnieje, jest uszkodzony albo nie jest "
    "dokumentem programu Quirvale 2.";
constexpr int kTimeTableRowHeight = 16;
constexpr TColor kNavy = 0x800000;
constexpr TColor kDaysLeftBarColor = 0xC08000;

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      OpenDialog(platform::FileDialogKind::Open, kDocumentFilter, kDocumentExtension),
      SaveDialog(platform::FileDialogKind::Save, kDocumentFilter, kDocumentExtension),
      ui(std::make_unique<Ui::TMainForm>()) {
    Q_INIT_RESOURCE(quirvale);
    ui->setupUi(this);
    ui->Panel10->SetColor(kNavy);
    ui->TimeTableTitle->SetColor(kNavy);
    ui->DaysToEndOfSchoolYearBarFill->SetColor(kDaysLeftBarColor);
    ui->memoLessonPlan->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    MainForm = this;
    CreatePopupMenus();
    ConnectCommands();
    FormCreate();
}

TMainForm::~TMainForm() {
    if (MainForm == this) MainForm = nullptr;
}

platform::ComboBox& TMainForm::cbSubject() {
    return *ui->cbSubject;
}

void TMainForm::SetModified() {
    DataFile.Modified = true;
}

bool TMainForm::IsModified() const {
    return DataFile.Modified;
}

std::string TMainForm::SettingsPath() const {
    return platform::ProgramDirectory() + kSettingsFile;
}

void TMainForm::FormCreate() {
    InitDateNames();
    LoadSettings(SettingsPath());
    if (Options.OpenLastFile == 1 && !Options.LastFile.empty()) {
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
    grid.SetDrawCell(
        [this](platform::Canvas& canvas, int col, int row, const platform::Rect& rect,
               bool selected) { DrawTimeTable.DrawCell(canvas, col, row, rect, selected); });

    RefreshAll();
    SetTimeTableRange(DataFile.Settings.MainTimeTableRange, true);
}

void TMainForm::InitDateNames() {
    MonthNames = {"Styczeń", "Luty",     "Marzec",   "Kwiecień",    "Maj",      "Czerwiec",
                  "Lipiec",  "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"};
    MonthNamesGen = {"stycznia", "lutego",   "marca",    "kwietnia",     "maja",      "czerwca",
                     "lipca",    "sierpnia", "września", "października", "listopada", "grudnia"};
    for (int i = 0; i < 7; ++i) DayNames[i] = DayName(i);
}

int TMainForm::LoadSettings(const std::string& path) {
    if (Options.LoadFromFile(path) != 0) {
        Options.OpenLastFile = 0;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        move(screen.center() - rect().center());
        return -1;
    }
    // A position stored on a screen that is gone would leave the window out of reach.
    const QRect stored(Options.Left, Options.Top, width(), height());
    bool onScreen = false;
    for (const QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(stored);
    if (onScreen) {
        move(Options.Left, Options.Top);
    } else {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        move(screen.center() - rect().center());
    }
    return 0;
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
    // The settings are written on every attempt, before the question.
    SaveSettings(SettingsPath());
    if (DataFile.Close(SaveDialog) == 2) {
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
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::FormResize() {
    ui->TimeTableDrawGrid->SetDefaultColWidth(ui->TimeTableDrawGrid->viewport()->width());
}

void TMainForm::CreatePopupMenus() {
    popupSubjectsButton = std::make_unique<QMenu>(this);
    popupSubjectsButton->setObjectName("popupSubjectsButton");
    popupSubjectsButton->addAction("Nowy...")->setObjectName("pmNewSubject");
    popupSubjectsButton->addAction("Modyfikuj...")->setObjectName("pmModifySubject");
    popupSubjectsButton->addAction("Usuń...")->setObjectName("pmDeleteSubject");

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
    connect(ui->mNew, &QAction::triggered, this, &TMainForm::mNewClick);
    connect(ui->btnNew, &QToolButton::clicked, this, &TMainForm::mNewClick);
    connect(ui->mOpen, &QAction::triggered, this, &TMainForm::mOpenClick);
    connect(ui->btnOpen, &QToolButton::clicked, this, &TMainForm::mOpenClick);
    connect(ui->mSave, &QAction::triggered, this, &TMainForm::mSaveClick);
    connect(ui->btnSave, &QToolButton::clicked, this, &TMainForm::mSaveClick);
    connect(ui->mSaveAs, &QAction::triggered, this, &TMainForm::mSaveAsClick);
    connect(ui->mExit, &QAction::triggered, this, &TMainForm::mExitClick);
    connect(ui->btnSubject, &QToolButton::clicked, this, &TMainForm::btnSubjectClick);
    connect(ui->btnSetTimeTableRange, &QToolButton::clicked, this,
            &TMainForm::btnSetTimeTableRangeClick);
    connect(ui->btnSubjectPrev, &QToolButton::clicked, this, &TMainForm::btnSubjectPrevClick);
    connect(ui->btnSubjectNext, &QToolButton::clicked, this, &TMainForm::btnSubjectNextClick);
    connect(ui->btnSetLessonPlanForToday, &QToolButton::clicked, this,
            &TMainForm::btnSetLessonPlanForTodayClick);
    connect(ui->btnSetLessonPlanForTomorrow, &QToolButton::clicked, this,
            &TMainForm::btnSetLessonPlanForTomorrowClick);
    connect(ui->cbSubject, &platform::ComboBox::changed, this, &TMainForm::cbSubjectChange);
}

void TMainForm::RefreshAfterFileCommand() {
    RefreshAll();
    SetTimeTableRange(DataFile.Settings.MainTimeTableRange, true);
}

void TMainForm::mNewClick() {
    DataFile.New(SaveDialog);
    RefreshAfterFileCommand();
}

void TMainForm::mOpenClick() {
    // Open clears the document before it loads; a file it could not load leaves it unbound.
    if (DataFile.Open(OpenDialog, SaveDialog) == 0 && !DataFile.Named) {
        platform::MessageBox(QString(kOpenFailedText)
                                 .arg(QString::fromStdString(OpenDialog.FileName()))
                                 .toStdString(),
                             "Quirvale 2", platform::mb::Ok | platform::mb::IconStop);
    }
    RefreshAfterFileCommand();
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
