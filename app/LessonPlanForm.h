#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

class TDataFile;
class TMainServices;
namespace Ui {
class TLessonPlanForm;
}

// "Plan lekcji": the lessons of each school day, one per line, edited a day at a time and
// stored with "Zastosuj". Switching days or closing drops what was not applied.
class TLessonPlanForm : public QDialog {
    Q_OBJECT

  public:
    TLessonPlanForm(TDataFile& dataFile, TMainServices& main, QWidget* parent = nullptr);
    ~TLessonPlanForm() override;

    Ui::TLessonPlanForm& Ui() { return *ui; }

    void FormShow();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void cbDayChange();
    void mmPlanChange();
    void cbInsertChange();
    void btnApplyClick();
    void btnCloseClick();

    TDataFile& DataFile;
    TMainServices& Main;
    std::unique_ptr<Ui::TLessonPlanForm> ui;
    // 1 when the day's text was changed since it was loaded or applied.
    std::uint8_t FModified = 0;
};
