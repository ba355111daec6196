#include "app/FinalMarksEditorForm.h"

#include <QHeaderView>
#include <QShowEvent>

#include "app/AddMarkForm.h"
#include "app/MainServices.h"
#include "core/DataFile.h"
#include "ui_FinalMarksEditorForm.h"

namespace {

constexpr int kRowsShownWhole = 10;

}  // namespace

TFinalMarksEditorForm::TFinalMarksEditorForm(TDataFile& dataFile, TMainServices& main,
                                             TAddMarkForm& keypad, QWidget* parent)
    : QDialog(parent),
      DataFile(dataFile),
      Main(main),
      AddMarkForm(keypad),
      ui(std::make_unique<Ui::TFinalMarksEditorForm>()) {
    ui->setupUi(this);
    InitGrid();
    connect(ui->SubjectsList, &platform::StringGrid::selectCell, this,
            &TFinalMarksEditorForm::SubjectsListSelectCell);
    connect(ui->btnSelectMark, &QAbstractButton::clicked, this,
            &TFinalMarksEditorForm::btnSelectMarkClick);
    connect(ui->btnDelMark, &QAbstractButton::clicked, this,
            &TFinalMarksEditorForm::btnDelMarkClick);
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TFinalMarksEditorForm::btnOKClick);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &TFinalMarksEditorForm::btnCancelClick);
}

TFinalMarksEditorForm::~TFinalMarksEditorForm() = default;

void TFinalMarksEditorForm::InitGrid() {
    platform::StringGrid& grid = *ui->SubjectsList;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetFixedRows(1);
    grid.SetCells(0, 0, "Przedmiot");
    grid.SetCells(1, 0, "Ocena");
    // The subject column takes what the mark column leaves.
    grid.horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid.horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    // Ten subjects show whole, the window growing for them where its layout is smaller.
    grid.setMinimumHeight(grid.HeightForRows(kRowsShownWhole));
}

void TFinalMarksEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFinalMarksEditorForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TFinalMarksEditorForm::FormShow() {
    FFinalMarks.reset();
    FCurrentRow = 0;
    LoadMarks();
}

void TFinalMarksEditorForm::FormClose() {
    FFinalMarks.reset();
}

std::string TFinalMarksEditorForm::FinalMarkText(std::int32_t value) {
    return value == kNoFinalMark ? "brak" : MarkSymbol(value);
}

void TFinalMarksEditorForm::LoadMarks() {
    SelectRow(0);
    // No row shows as picked while none is.
    ui->SubjectsList->setCurrentCell(-1, -1);
    FFinalMarks.reset();
    const int count = DataFile.Subjects.Count;
    if (count == 0) {
        ShowEmptyGrid();
        return;
    }
    ui->SubjectsList->SetRowCount(count + 1);
    FFinalMarks.emplace();
    for (int i = 0; i < count; ++i) FFinalMarks->push_back(DataFile.Subjects.Get(i)->FinalMark);
    FillGrid();
}

void TFinalMarksEditorForm::ShowEmptyGrid() {
    ui->SubjectsList->SetRowCount(2);
    ui->SubjectsList->SetCells(0, 1, "");
    ui->SubjectsList->SetCells(1, 1, "");
}

void TFinalMarksEditorForm::FillGrid() {
    if (!FFinalMarks) return;
    if (DataFile.Subjects.Count == 0) {
        ShowEmptyGrid();
        return;
    }
    for (int i = 0; i < DataFile.Subjects.Count; ++i) {
        ui->SubjectsList->SetCells(0, i + 1, DataFile.Subjects.Get(i)->Name);
        ui->SubjectsList->SetCells(1, i + 1, FinalMarkText((*FFinalMarks)[i]));
    }
}

void TFinalMarksEditorForm::SubjectsListSelectCell(int /*col*/, int row) {
    SelectRow(row >= 1 && row <= DataFile.Subjects.Count ? row : 0);
}

void TFinalMarksEditorForm::SelectRow(int row) {
    // Only a row that has its value in the working copy: the empty grid's one data row has none.
    const bool inCopy = FFinalMarks && row <= static_cast<int>(FFinalMarks->size());
    if (row > 0 && row < ui->SubjectsList->RowCount() && inCopy) {
        FCurrentRow = row;
        ClearDetails();
        RefreshDetails();
    } else {
        FCurrentRow = 0;
        ClearDetails();
    }
}

void TFinalMarksEditorForm::ClearDetails() {
    ui->edName->SetCaption("");
    ui->edMark->SetCaption("");
}

void TFinalMarksEditorForm::RefreshDetails() {
    if (FCurrentRow < 1 || !FFinalMarks) return;
    ui->edName->SetCaption(DataFile.Subjects.Get(FCurrentRow - 1)->Name);
    ui->edMark->SetCaption(FinalMarkText((*FFinalMarks)[FCurrentRow - 1]));
}

void TFinalMarksEditorForm::btnSelectMarkClick() {
    if (FCurrentRow < 1 || !FFinalMarks) return;
    // The keypad appends to a subject; a blank one shows whether a mark was accepted. Its
    // accept marks the document modified, even when this dialog is then cancelled.
    TSubject picked;
    AddMarkForm.Execute(&picked);
    if (picked.Marks.Count == 1)
        (*FFinalMarks)[FCurrentRow - 1] = static_cast<unsigned char>(*picked.Marks.Get(0));
    RefreshDetails();
    FillGrid();
    // The user goes on from the row in the grid, not from "...".
    ui->SubjectsList->SetRow(FCurrentRow);
    ui->SubjectsList->setFocus(Qt::OtherFocusReason);
}

void TFinalMarksEditorForm::btnDelMarkClick() {
    if (FCurrentRow < 1 || !FFinalMarks) return;
    (*FFinalMarks)[FCurrentRow - 1] = kNoFinalMark;
    RefreshDetails();
    FillGrid();
}

void TFinalMarksEditorForm::btnOKClick() {
    StoreMarks();
    close();
}

void TFinalMarksEditorForm::StoreMarks() {
    if (!FFinalMarks || DataFile.Subjects.Count == 0) return;
    for (int i = 0; i < DataFile.Subjects.Count; ++i)
        DataFile.Subjects.Get(i)->FinalMark = (*FFinalMarks)[i];
    Main.SetModified();
}

void TFinalMarksEditorForm::btnCancelClick() {
    close();
}
