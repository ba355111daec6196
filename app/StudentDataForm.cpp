#include "app/StudentDataForm.h"

#include <QMenu>
#include <algorithm>
#include <climits>

#include "app/MainServices.h"
#include "core/DataFile.h"
#include "platform/Cp1250.h"
#include "platform/qt/PopupMenu.h"
#include "ui_StudentDataForm.h"

namespace {

// The letters a class can have: "a" to "z" without "v", each with its item's name.
constexpr const char* kClassLetters[][2] = {
    {"a", "a1"}, {"b", "b1"}, {"c", "c11"}, {"d", "d1"}, {"e", "e1"}, {"f", "f1"}, {"g", "g1"},
    {"h", "h1"}, {"i", "i1"}, {"j", "j1"},  {"k", "k1"}, {"l", "l1"}, {"m", "m1"}, {"n", "n1"},
    {"o", "o1"}, {"p", "p1"}, {"q", "q1"},  {"r", "r1"}, {"s", "s1"}, {"t", "t1"}, {"u", "u1"},
    {"w", "w1"}, {"x", "i2"}, {"y", "y1"},  {"z", "z1"},
};

// The class letter is one code-page byte; a zero byte is no letter at all.
std::string ClassCharText(char classChar) {
    if (classChar == '\0') return {};
    return platform::Cp1250ToUtf8(std::string(1, classChar));
}

}  // namespace

TStudentDataForm::TStudentDataForm(TDataFile& dataFile, TMainServices& main, QWidget* parent)
    : QDialog(parent),
      DataFile(dataFile),
      Main(main),
      ui(std::make_unique<Ui::TStudentDataForm>()) {
    ui->setupUi(this);
    ui->CSpinSchoolYear1->SetEditorEnabled(false);
    ui->CSpinSchoolYear2->SetEditorEnabled(false);
    CreateMenus();
    for (platform::Edit* edit :
         {ui->editStudentName, ui->editStudentSurname, ui->editSchoolType, ui->editClass,
          ui->editClassChar, ui->editTerm, ui->editSchoolName})
        connect(edit, &platform::Edit::changed, this, &TStudentDataForm::memoCommentChange);
    connect(ui->memoComment, &platform::Memo::changed, this, &TStudentDataForm::memoCommentChange);
    connect(ui->dtpEndOfSchoolYear, &platform::DatePicker::changed, this,
            &TStudentDataForm::memoCommentChange);
    connect(ui->CSpinSchoolYear1, &platform::SpinEdit::changed, this,
            &TStudentDataForm::CSpinSchoolYear1Change);
    connect(ui->CSpinSchoolYear2, &platform::SpinEdit::changed, this,
            &TStudentDataForm::CSpinSchoolYear2Change);
    connect(ui->editClass, &platform::Edit::dropDown, this, &TStudentDataForm::editClassClick);
    connect(ui->editClassChar, &platform::Edit::dropDown, this,
            &TStudentDataForm::editClassCharClick);
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TStudentDataForm::btnOKClick);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &TStudentDataForm::btnCancelClick);
}

TStudentDataForm::~TStudentDataForm() = default;

void TStudentDataForm::CreateMenus() {
    ClassMenu = std::make_unique<QMenu>(this);
    for (int number = 1; number <= 10; ++number) {
        QAction* item = ClassMenu->addAction(QString::fromStdString(ClassNumberToRoman(number)));
        item->setObjectName(QString("c%1").arg(number));
        connect(item, &QAction::triggered, this, [this, item] { c1Click(*item); });
    }
    ClassCharMenu = std::make_unique<QMenu>(this);
    for (const auto& [letter, name] : kClassLetters) {
        QAction* item = ClassCharMenu->addAction(letter);
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, [this, item] { a1Click(*item); });
    }
}

void TStudentDataForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TStudentDataForm::FormShow() {
    const TStudent& student = DataFile.Student;
    ui->editStudentName->SetText(student.Name);
    ui->editStudentSurname->SetText(student.Surname);
    ui->editSchoolType->SetText(student.SchoolType);
    ui->editSchoolName->SetText(student.SchoolName);
    ui->editTerm->SetText(student.Term);
    ui->dtpEndOfSchoolYear->SetDate(student.EndOfSchoolYear);
    // Each spin's handler moves the other one along.
    ui->CSpinSchoolYear1->SetValue(student.SchoolYear);
    ui->CSpinSchoolYear2->SetValue(
        static_cast<int>(std::min<std::int64_t>(std::int64_t{student.SchoolYear} + 1, INT_MAX)));
    ui->editClass->SetText(ClassNumberToRoman(student.Class));
    ui->editClassChar->SetText(ClassCharText(student.ClassChar));
    ui->memoComment->SetText(student.Comment);
    FModified = 0;
}

void TStudentDataForm::memoCommentChange() {
    FModified = 1;
}

void TStudentDataForm::CSpinSchoolYear1Change() {
    ui->CSpinSchoolYear2->SetValue(ui->CSpinSchoolYear1->GetValue() + 1);
    FModified = 1;
}

void TStudentDataForm::CSpinSchoolYear2Change() {
    ui->CSpinSchoolYear1->SetValue(ui->CSpinSchoolYear2->GetValue() - 1);
    FModified = 1;
}

void TStudentDataForm::PopupOver(QMenu& menu, const platform::Edit& edit) {
    platform::PopupAt(menu, pos() + edit.mapTo(this, QPoint(0, 0)));
}

void TStudentDataForm::editClassClick() {
    PopupOver(*ClassMenu, *ui->editClass);
}

void TStudentDataForm::editClassCharClick() {
    PopupOver(*ClassCharMenu, *ui->editClassChar);
}

void TStudentDataForm::c1Click(const QAction& item) {
    ui->editClass->SetText(item.text().toStdString());
    FModified = 1;
}

void TStudentDataForm::a1Click(const QAction& item) {
    ui->editClassChar->SetText(item.text().toStdString());
    FModified = 1;
}

void TStudentDataForm::btnOKClick() {
    if (FModified != 1) {
        close();
        return;
    }
    TStudent& student = DataFile.Student;
    student.Name = ui->editStudentName->Text();
    student.Surname = ui->editStudentSurname->Text();
    student.SchoolType = ui->editSchoolType->Text();
    student.SchoolName = ui->editSchoolName->Text();
    student.Term = ui->editTerm->Text();
    student.EndOfSchoolYear = ui->dtpEndOfSchoolYear->Date();
    student.SchoolYear = ui->CSpinSchoolYear1->GetValue();
    student.Class = static_cast<std::uint8_t>(RomanToClassNumber(ui->editClass->Text()));
    const QString classChar = ui->editClassChar->text();
    if (!classChar.isEmpty())
        student.ClassChar = platform::Utf8ToCp1250(classChar.left(1).toStdString()).front();
    student.Comment = ui->memoComment->Text();
    Main.SetModified();
    close();
}

void TStudentDataForm::btnCancelClick() {
    close();
}
