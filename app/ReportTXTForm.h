#pragma once

#include <QDialog>
#include <memory>

#include "core/DataFile.h"
#include "platform/Dialogs.h"
#include "reports/ReportContent.h"

namespace Ui {
class TReportTXTForm;
}

// "Raport TXT": what the text grade report holds, and the command that writes it. The choice
// is read from "RaportTXT.dat" each time the window is shown and written back only when it is
// left through "Wyjście".
class TReportTXTForm : public QDialog {
    Q_OBJECT

  public:
    explicit TReportTXTForm(TDataFile& document, QWidget* parent = nullptr);
    ~TReportTXTForm() override;

    Ui::TReportTXTForm& Ui() { return *ui; }
    const TReportContent& Content() const { return content; }

    void FormShow();
    void btnSaveReportClick();
    void btnDefaultSettingsClick();
    void btnExitClick();

    platform::FileDialog SaveDialog{platform::FileDialogKind::Save, "Dokument tekstowy|*.txt",
                                    ".txt"};

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::unique_ptr<Ui::TReportTXTForm> ui;
    TDataFile& document;
    TReportContent content;
};
