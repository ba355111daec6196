#include "app/SubjectInfoForm.h"

#include <QStyle>

#include "app/MainRoutines.h"
#include "app/WindowColors.h"
#include "core/DataFile.h"
#include "platform/Numbers.h"
#include "ui_SubjectInfoForm.h"

namespace {

constexpr int kMenaceIconSize = 16;

}  // namespace

TSubjectInfoForm::TSubjectInfoForm(QWidget* parent)
    : QDialog(parent, Qt::Tool), ui(std::make_unique<Ui::TSubjectInfoForm>()) {
    ui->setupUi(this);
    ui->Panel1->SetColor(kNavy);
    ui->imgMenace->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kMenaceIconSize));
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TSubjectInfoForm::btnOKClick);
}

TSubjectInfoForm::~TSubjectInfoForm() = default;

void TSubjectInfoForm::ShowSubjectInfo(QWidget& owner, TDataFile* document, int index) {
    if (document == nullptr) return;
    ClearFields();
    if (index >= 0 && index < document->Subjects.Count) ShowSubject(*document, index);
    ShowCentredModal(*this, owner);
}

void TSubjectInfoForm::ClearFields() {
    ui->lblName->clear();
    ui->lblFinalMark->clear();
    ui->lblAverage->clear();
    ui->panelSubjectStatus->SetCaption("");
    ui->edMarks->clear();
    ui->edTeacher->clear();
    ui->memoDescription->SetText("");
    ui->imgMenace->hide();
    ui->lblMenace->hide();
}

void TSubjectInfoForm::ShowSubject(TDataFile& document, int index) {
    TSubject& subject = *document.Subjects.Get(index);
    const TDocumentSettings& settings = document.Settings;
    SetElidedText(*ui->lblName, subject.Name);
    ui->lblFinalMark->setText(QString::fromStdString(
        subject.FinalMark == kNoFinalMark ? "brak" : MarkSymbol(subject.FinalMark)));
    const double average = subject.Average(settings.MarksValues);
    ui->lblAverage->setText(
        QString::fromStdString(platform::FloatToStr(TruncTo3Decimals(average))));
    ui->panelSubjectStatus->SetCaption(subject.InAverage == 1
                                           ? "Przedmiot obowiązkowy i wliczany do średniej."
                                           : "Przedmiot dodatkowy");
    // The untruncated average decides: a subject without marks (0) is under any threshold.
    const bool endangered = average <= settings.AlarmThreshold;
    ui->imgMenace->setVisible(endangered);
    ui->lblMenace->setVisible(endangered);
    subject.Marks.ShowInControl(*ui->edMarks);
    ui->edTeacher->SetText(subject.Teacher);
    ui->memoDescription->SetText(subject.Comment);
}

void TSubjectInfoForm::btnOKClick() {
    close();
}
