#include "app/SubjectStatisticsForm.h"

#include "app/MainServices.h"
#include "app/MarkStatistics.h"
#include "core/DataFile.h"
#include "ui_SubjectStatisticsForm.h"

TSubjectStatisticsForm::TSubjectStatisticsForm(TDataFile& dataFile, TMainServices& main,
                                               QWidget* parent)
    : QDialog(parent, Qt::Tool),
      DataFile(dataFile),
      Main(main),
      ui(std::make_unique<Ui::TSubjectStatisticsForm>()) {
    ui->setupUi(this);
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TSubjectStatisticsForm::btnOKClick);
}

TSubjectStatisticsForm::~TSubjectStatisticsForm() = default;

void TSubjectStatisticsForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TSubjectStatisticsForm::FormShow() {
    ShowStatistics();
}

void TSubjectStatisticsForm::ShowStatistics() {
    TMarkCounters counters{};
    const int index = Main.CurrentSubject();
    if (index > -1 && index < DataFile.Subjects.Count) {
        TSubject& subject = *DataFile.Subjects.Get(index);
        setWindowTitle(QString::fromStdString(subject.Name));
        subject.CountMarks(counters);
    }
    ShowMarkCounts(counters, MarkCountLabels(*ui));
}

void TSubjectStatisticsForm::btnOKClick() {
    close();
}
