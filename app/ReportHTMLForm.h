#pragma once

#include <QDialog>
#include <memory>

#include "core/DataFile.h"
#include "platform/Dialogs.h"
#include "reports/ReportSettings.h"

namespace Ui {
class TReportHTMLForm;
}
namespace platform {
class Panel;
}

// "Raport HTML": what the HTML grade report holds and how it looks, and the command that
// writes it. The options are read from "RaportHTML.dat" each time the window is shown and
// written back only when it is left through "Wyjście".
class TReportHTMLForm : public QDialog {
    Q_OBJECT

  public:
    explicit TReportHTMLForm(TDataFile& document, QWidget* parent = nullptr);
    ~TReportHTMLForm() override;

    Ui::TReportHTMLForm& Ui() { return *ui; }
    const TReportHTMLOptions& Options() const { return options; }

    void FormShow();
    void btnSaveReportClick();
    void btnDefaultSettingsClick();
    void btnExitClick();

    platform::FileDialog SaveDialog{platform::FileDialogKind::Save, "Dokument HTML|*.htm", ".htm"};
    platform::ColorDialog ColorDialog;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void colorBackgroundClick(platform::Panel& panel, TColor& color);
    void checkBorderClick();
    void ShowOptions();

    std::unique_ptr<Ui::TReportHTMLForm> ui;
    TDataFile& document;
    TReportHTMLOptions options;
};
