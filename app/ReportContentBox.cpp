#include "app/ReportContentBox.h"

#include <QSignalBlocker>

#include "platform/qt/CheckBox.h"
#include "ui_ReportContentBox.h"

TReportContentBox::TReportContentBox(QWidget* parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::TReportContentBox>()) {
    ui->setupUi(this);
    // In the order of ContentBox, which is the order of the settings files.
    boxes = {ui->checkStudentData, ui->checkSchool,  ui->checkSchoolYear,   ui->checkSubjectsData,
             ui->checkFinalMarks,  ui->checkMarks,   ui->checkAverage,      ui->checkSubjectStatus,
             ui->checkTeacher,     ui->checkDesc,    ui->checkSummary,      ui->checkStatistics,
             ui->checkAverageInfo, ui->checkMenaces, ui->checkExtraSubjects};
    for (int i = 0; i < kContentBoxes; ++i) {
        const auto box = static_cast<ContentBox>(i);
        connect(boxes[i], &platform::CheckBox::click, this, [this, box] { BoxClick(box); });
    }
}

TReportContentBox::~TReportContentBox() = default;

void TReportContentBox::Bind(TReportContent& boundContent) {
    content = &boundContent;
    ShowContent();
}

void TReportContentBox::ShowContent() {
    if (content == nullptr) return;
    for (int i = 0; i < kContentBoxes; ++i) {
        const QSignalBlocker quiet(boxes[i]);
        boxes[i]->setChecked(content->Checked(static_cast<ContentBox>(i)));
    }
}

void TReportContentBox::BoxClick(ContentBox box) {
    if (content == nullptr) return;
    content->SetChecked(box, boxes[static_cast<int>(box)]->Checked());
    ShowContent();
}
