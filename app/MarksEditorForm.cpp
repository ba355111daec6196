#include "app/MarksEditorForm.h"

#include <QShowEvent>

#include "app/AddMarkForm.h"
#include "app/MainRoutines.h"
#include "app/MainServices.h"
#include "core/DataFile.h"
#include "ui_MarksEditorForm.h"

TMarksEditorForm::TMarksEditorForm(TDataFile& dataFile, TMainServices& main, TAddMarkForm& keypad,
                                   QWidget* parent)
    : QDialog(parent),
      DataFile(dataFile),
      Main(main),
      AddMarkForm(keypad),
      ui(std::make_unique<Ui::TMarksEditorForm>()) {
    ui->setupUi(this);
    connect(ui->cbSubjectsList, &platform::ComboBox::changed, this,
            &TMarksEditorForm::cbSubjectsListChange);
    connect(ui->btnNewMark, &QAbstractButton::clicked, this, &TMarksEditorForm::btnNewMarkClick);
    connect(ui->btnDeleteMark, &QAbstractButton::clicked, this,
            &TMarksEditorForm::btnDeleteMarkClick);
}

TMarksEditorForm::~TMarksEditorForm() = default;

void TMarksEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TMarksEditorForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TMarksEditorForm::FormShow() {
    DataFile.Subjects.FillComboBox(*ui->cbSubjectsList);
    SelectComboBoxItem(*ui->cbSubjectsList, Main.CurrentSubject());
}

void TMarksEditorForm::FormClose() {
    Main.SetCurrentSubject(ui->cbSubjectsList->ItemIndex());
}

bool TMarksEditorForm::IsSubject(int index) const {
    return index >= 0 && index < DataFile.Subjects.Count;
}

void TMarksEditorForm::cbSubjectsListChange() {
    ShowMarks(ui->cbSubjectsList->ItemIndex());
    UpdateButtons();
}

void TMarksEditorForm::ShowMarks(int index) {
    ui->MarksList->ClearItems();
    if (IsSubject(index)) DataFile.Subjects.Get(index)->Marks.FillListBox(*ui->MarksList);
    ui->MarksList->SetItemIndex(-1);
}

void TMarksEditorForm::UpdateButtons() {
    const int index = ui->cbSubjectsList->ItemIndex();
    ui->btnNewMark->setEnabled(DataFile.Subjects.Count > 0);
    ui->btnDeleteMark->setEnabled(IsSubject(index) &&
                                  DataFile.Subjects.Get(index)->Marks.Count > 0);
}

void TMarksEditorForm::btnNewMarkClick() {
    const int index = ui->cbSubjectsList->ItemIndex();
    // The keypad marks the document modified when it appends.
    if (IsSubject(index)) AddMarkForm.Execute(DataFile.Subjects.Get(index));
    ShowMarks(index);
    UpdateButtons();
}

void TMarksEditorForm::btnDeleteMarkClick() {
    const int index = ui->cbSubjectsList->ItemIndex();
    if (!IsSubject(index)) return;
    TMarksList& marks = DataFile.Subjects.Get(index)->Marks;
    const int mark = ui->MarksList->ItemIndex();
    if (mark < 0 || mark >= marks.Count) return;
    marks.Delete(mark);
    Main.SetModified();
    ShowMarks(index);
    UpdateButtons();
}
