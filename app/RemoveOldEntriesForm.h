#pragma once

#include <QDialog>
#include <memory>

#include "platform/Types.h"

namespace Ui {
class TRemoveOldEntriesForm;
}
class TDataFile;
class TMainServices;

// "Usuwanie dawnych wpisów": deletes whole years of diary entries, offering every year before
// the current one.
class TRemoveOldEntriesForm : public QDialog {
    Q_OBJECT

  public:
    TRemoveOldEntriesForm(TDataFile& dataFile, TMainServices& main, QWidget* parent = nullptr);
    ~TRemoveOldEntriesForm() override;

    Ui::TRemoveOldEntriesForm& Ui() { return *ui; }

  signals:
    // Years were deleted: every painter that shows the diary's days must rebuild before it
    // paints again. The main window's painter has been rebuilt already.
    void yearsDeleted();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    // Lists the calendar's years before the year of the date, unchecked.
    void FillYears(TDateTime date);
    void btnDeleteClick();
    void btnExitClick();

    TDataFile& DataFile;
    TMainServices& Main;
    std::unique_ptr<Ui::TRemoveOldEntriesForm> ui;
};
