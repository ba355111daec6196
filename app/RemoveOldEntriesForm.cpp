#include "app/RemoveOldEntriesForm.h"

#include <QShowEvent>
#include <charconv>
#include <string>

#include "app/MainServices.h"
#include "core/DataFile.h"
#include "platform/Clock.h"
#include "platform/Dates.h"
#include "platform/Dialogs.h"
#include "platform/qt/CheckListBox.h"
#include "ui_RemoveOldEntriesForm.h"

namespace {

const char* const kDeleteQuestion = "Czy napewno chcesz usunąc wpisy z tych lat?";
const char* const kDeleteCaption = "Kasowanie wpisów";

}  // namespace

TRemoveOldEntriesForm::TRemoveOldEntriesForm(TDataFile& dataFile, TMainServices& main,
                                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      DataFile(dataFile),
      Main(main),
      ui(std::make_unique<Ui::TRemoveOldEntriesForm>()) {
    ui->setupUi(this);
    connect(ui->btnDelete, &QAbstractButton::clicked, this, &TRemoveOldEntriesForm::btnDeleteClick);
    connect(ui->btnExit, &QAbstractButton::clicked, this, &TRemoveOldEntriesForm::btnExitClick);
}

TRemoveOldEntriesForm::~TRemoveOldEntriesForm() = default;

void TRemoveOldEntriesForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TRemoveOldEntriesForm::FormShow() {
    FillYears(platform::Date());
}

void TRemoveOldEntriesForm::FillYears(TDateTime date) {
    ui->CheckListBox->ClearItems();
    int currentYear = 0;
    int month = 0;
    int day = 0;
    platform::DecodeDate(date, currentYear, month, day);
    TClCalendar& calendar = DataFile.Calendar;
    // The years ascend, so the old ones are those before the first at or after this year.
    std::int32_t oldYears = calendar.Count();
    for (std::int32_t i = 0; i < calendar.Count(); ++i) {
        if (calendar.GetChild(i)->GetValue() >= currentYear) {
            oldYears = i;
            break;
        }
    }
    for (std::int32_t i = 0; i < oldYears; ++i)
        ui->CheckListBox->AddItem(std::to_string(calendar.GetChild(i)->GetValue()));
}

void TRemoveOldEntriesForm::btnDeleteClick() {
    const int answer = platform::MessageBox(kDeleteQuestion, kDeleteCaption,
                                            platform::mb::YesNo | platform::mb::IconWarning);
    if (answer == platform::answer::Yes) {
        bool deleted = false;
        for (int i = 0; i < ui->CheckListBox->ItemCount(); ++i) {
            if (!ui->CheckListBox->IsChecked(i)) continue;
            const std::string text = ui->CheckListBox->ItemText(i);
            std::int32_t year = 0;
            std::from_chars(text.data(), text.data() + text.size(), year);
            DataFile.Calendar.DeleteYear(year);
            Main.SetModified();
            deleted = true;
        }
        // The painters hold the deleted days: rebuild them before anything can paint.
        if (deleted) {
            Main.RefreshTimeTable();
            emit yearsDeleted();
        }
    }
    FormShow();
}

void TRemoveOldEntriesForm::btnExitClick() {
    close();
}
