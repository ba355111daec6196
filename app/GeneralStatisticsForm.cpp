#include "app/GeneralStatisticsForm.h"

#include "app/MarkStatistics.h"
#include "core/DataFile.h"
#include "ui_GeneralStatisticsForm.h"

TGeneralStatisticsForm::TGeneralStatisticsForm(TDataFile& dataFile, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      DataFile(dataFile),
      ui(std::make_unique<Ui::TGeneralStatisticsForm>()) {
    ui->setupUi(this);
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TGeneralStatisticsForm::btnOKClick);
}

TGeneralStatisticsForm::~TGeneralStatisticsForm() = default;

void TGeneralStatisticsForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TGeneralStatisticsForm::FormShow() {
    ShowStatistics();
}

void TGeneralStatisticsForm::ShowStatistics() {
    TSubjectsList& subjects = DataFile.Subjects;
    std::int32_t compulsory = 0;
    for (std::int32_t i = 0; i < subjects.Count; ++i)
        if (subjects.Get(i)->InAverage == 1) ++compulsory;
    ShowCount(*ui->lblSubjectsCount, compulsory);
    ShowCount(*ui->lblExtraSubjectsCount, subjects.Count - compulsory);
    ShowCount(*ui->lblAllSubjectsCount, subjects.Count);

    TMarkCounters counters{};
    subjects.CountMarks(counters);
    ShowMarkCounts(counters, MarkCountLabels(*ui));
}

void TGeneralStatisticsForm::btnOKClick() {
    close();
}
