#include "app/MarksValuesForm.h"

#include <algorithm>

#include "app/MainServices.h"
#include "core/DataFile.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "ui_MarksValuesForm.h"

namespace {

const char* const kInvalidValueText = "Wpisana wartość jest nieprawidłowa.";
const char* const kInvalidValueCaption = "Zła wartość";

}  // namespace

TMarksValuesForm::TMarksValuesForm(TDataFile& dataFile, TMainServices& main, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      DataFile(dataFile),
      Main(main),
      ui(std::make_unique<Ui::TMarksValuesForm>()) {
    ui->setupUi(this);
    ValueEdits = {ui->editValue1,  ui->editValue1m, ui->editValue1p, ui->editValue2,
                  ui->editValue2m, ui->editValue2p, ui->editValue3,  ui->editValue3m,
                  ui->editValue3p, ui->editValue4,  ui->editValue4m, ui->editValue4p,
                  ui->editValue5,  ui->editValue5m, ui->editValue5p, ui->editValue6,
                  ui->editValue6m};
    for (platform::Edit* edit : ValueEdits) {
        edit->installEventFilter(this);
        connect(edit, &platform::Edit::enter, this, [this, edit] { editValue1Enter(*edit); });
        connect(edit, &platform::Edit::exit, this, [this, edit] { editValue1Exit(*edit); });
    }
    connect(ui->btnSetDefaultMarksValues, &QAbstractButton::clicked, this,
            &TMarksValuesForm::btnSetDefaultMarksValuesClick);
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TMarksValuesForm::btnOKClick);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &TMarksValuesForm::btnCancelClick);
    LoadValues();
}

TMarksValuesForm::~TMarksValuesForm() = default;

void TMarksValuesForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

// Filled once per opening: an error box taking the focus away and giving it back must not
// reload the values typed so far.
void TMarksValuesForm::FormShow() {
    LoadValues();
    FActiveEdit = nullptr;
}

// The edit that holds the focus is always the one entered, however the focus came to it: the
// edit focused as the window opens, and the edit clicked as an error box comes up, get it with
// the window's activation rather than by a move between controls.
bool TMarksValuesForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched != FActiveEdit) {
        const auto edit = std::find(ValueEdits.begin(), ValueEdits.end(), watched);
        if (edit != ValueEdits.end()) editValue1Enter(**edit);
    }
    return QDialog::eventFilter(watched, event);
}

void TMarksValuesForm::LoadValues() {
    for (int k = 0; k < kMarkKinds; ++k)
        ValueEdits[k]->SetText(platform::FloatToStr(DataFile.Settings.MarksValues[k]));
}

void TMarksValuesForm::editValue1Enter(platform::Edit& edit) {
    FActiveEdit = &edit;
    FSavedText = edit.Text();
}

void TMarksValuesForm::editValue1Exit(platform::Edit& edit) {
    if (ReadTypedNumber(edit.Text())) return;
    // The window may get the focus back while the box closes, entering the next edit.
    const std::string savedText = FSavedText;
    ShowInvalidValue();
    edit.SetText(savedText);
}

void TMarksValuesForm::btnSetDefaultMarksValuesClick() {
    TMarksValues defaults{};
    SetDefaultMarksValues(defaults);
    for (int k = 0; k < kMarkKinds; ++k) ValueEdits[k]->SetText(platform::FloatToStr(defaults[k]));
}

// All values or none. The edit being typed in gets back the text it held when entered; any
// other edit holding no number (set through the accessibility interface, or loaded so from the
// file) gets back its stored value. Either takes the focus, so the user sees which one it was.
void TMarksValuesForm::btnOKClick() {
    if (FActiveEdit != nullptr && !ReadTypedNumber(FActiveEdit->Text())) {
        PutBackInvalidValue(*FActiveEdit, FSavedText);
        return;
    }
    TMarksValues values{};
    for (int k = 0; k < kMarkKinds; ++k) {
        const std::optional<double> value = ReadTypedNumber(ValueEdits[k]->Text());
        if (!value) {
            PutBackInvalidValue(*ValueEdits[k],
                                platform::FloatToStr(DataFile.Settings.MarksValues[k]));
            return;
        }
        values[k] = *value;
    }
    DataFile.Settings.MarksValues = values;
    Main.SetModified();
    close();
}

void TMarksValuesForm::btnCancelClick() {
    close();
}

void TMarksValuesForm::PutBackInvalidValue(platform::Edit& edit, const std::string& text) {
    ShowInvalidValue();
    edit.SetText(text);
    edit.setFocus(Qt::OtherFocusReason);
}

void TMarksValuesForm::ShowInvalidValue() {
    platform::MessageBox(kInvalidValueText, kInvalidValueCaption,
                         platform::mb::Ok | platform::mb::IconStop);
}
